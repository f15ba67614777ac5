#include "core/add_remove_object.h"

IMPLEMENT_DYNCREATE(CAddRemoveObject, CObject)

CAddRemoveObject::CAddRemoveObject() : m_name(" ") {}

CAddRemoveObject::CAddRemoveObject(const CAddRemoveObject &other)
    : CObject(), m_name(other.m_name), m_originIndex(other.m_originIndex)
{
}

CAddRemoveObject *CAddRemoveObject::CreateOfClass(const CRuntimeClass *rowClass)
{
    CObject *made = rowClass ? rowClass->CreateObject() : nullptr;
    if (made && !made->IsKindOf(RUNTIME_CLASS(CAddRemoveObject))) {
        // A class whose creator makes something else cannot serve as a row.
        delete made;
        return nullptr;
    }
    return static_cast<CAddRemoveObject *>(made);
}
