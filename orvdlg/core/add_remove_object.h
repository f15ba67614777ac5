// CAddRemoveObject: one row of a list that the add/remove dialog edits (a machine's cycle, a shift's period,
// a function's parameter, ...). The concrete row classes add their own data; the dialog only knows the name
// it lists and where the row came from. Concrete classes are creatable at run time (DECLARE_DYNCREATE), since
// the dialog makes new rows of the class of a prototype row it is given.
#pragma once
#include <framework/framework.h>

#include <cstdint>

class CAddRemoveObject : public CObject {
    DECLARE_DYNCREATE(CAddRemoveObject)
public:
    // A new row: named " " (a row with no description yet), from nowhere (origin index -1).
    CAddRemoveObject();
    // A copy of another row: its name and origin index.
    CAddRemoveObject(const CAddRemoveObject &other);
    CAddRemoveObject &operator=(const CAddRemoveObject &) = delete;

    const CString &GetName() const { return m_name; }
    void SetName(const CString &name) { m_name = name; }
    // The row's index in the caller's list before the dialog ran; -1 for a row made in the dialog.
    int32_t GetOriginIndex() const { return m_originIndex; }
    void SetOriginIndex(int32_t index) { m_originIndex = index; }

    // A new row of the class `rowClass`, or nullptr when memory ran out or the class cannot make rows.
    static CAddRemoveObject *CreateOfClass(const CRuntimeClass *rowClass);

protected:
    CString m_name;
    int32_t m_originIndex = -1;
};
