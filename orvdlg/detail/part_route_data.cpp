#include "detail/part_route_data.h"

#include "core/record_text.h"
#include "core/resource_text.h"

#include <resource.h>

#include <new>

IMPLEMENT_DYNCREATE(CPartRouteData, CAddRemoveObject)

CPartRouteData::CPartRouteData() : m_destination(ResourceText(IDS_DESTINATION_SHIP)), m_setupText("0"), m_cycleText("0") {}

std::unique_ptr<CPartRouteData> CPartRouteData::CopyOf(const CPartRouteData &source)
{
    auto copy = std::unique_ptr<CPartRouteData>(new (std::nothrow) CPartRouteData);
    if (!copy)
        return nullptr;
    copy->SetName(source.GetName());
    copy->SetOriginIndex(source.GetOriginIndex());
    copy->m_destination = source.m_destination;
    copy->m_setupText = source.m_setupText;
    copy->m_cycleText = source.m_cycleText;
    return copy;
}

std::unique_ptr<CPartRouteData> CPartRouteData::FromRecord(const OrvRouteStage &stage)
{
    auto row = std::unique_ptr<CPartRouteData>(new (std::nothrow) CPartRouteData);
    if (!row)
        return nullptr;
    row->m_destination = ReadRecordText(stage.destination);
    row->m_setupText = ReadRecordText(stage.setupText);
    row->m_cycleText = ReadRecordText(stage.cycleText);
    return row;
}

bool CPartRouteData::StoreInto(OrvRouteStage &stage) const
{
    WriteRecordText(stage.destination, m_destination);
    WriteRecordText(stage.setupText, m_setupText);
    WriteRecordText(stage.cycleText, m_cycleText);
    return true;
}
