#include "detail/part_detail.h"

#include "core/detail_element.h"
#include "core/detail_export.h"
#include "core/export_guard.h"

#include <orvane/export.h>
#include <resource.h>

#include <cstdlib>

IMPLEMENT_DYNAMIC(CPartDetailSheet, COrvanePropertySheet)

CPartDetailSheet::CPartDetailSheet(OrvPartRecord &record)
    : COrvanePropertySheet(ReadRecordText(record.name), IDS_PART_TITLE), m_general(record), m_attributes(record),
      m_route(record)
{
}

CPartDetailSheet::~CPartDetailSheet()
{
    if (m_hWnd)
        DestroyWindow();
    m_pages.clear();
}

namespace {
// The stages go to the host in a fresh array that lives for the call of its routes slot. Without memory
// for it the host is told nothing of the stages; the other slots still follow.
void HandOverStages(OrvPartRecord &record, PartRouteList &stages)
{
    if (!record.routesApply)
        return;
    const int count = stages.Count();
    if (count == 0) {
        record.routesApply(record.element, nullptr, 0);
        return;
    }
    auto *fresh = static_cast<OrvRouteStage *>(std::calloc(static_cast<size_t>(count), sizeof(OrvRouteStage)));
    if (!fresh) {
        ShowMemoryMessage();
        return;
    }
    stages.StoreInto(fresh);
    record.routesApply(record.element, fresh, count);
    std::free(fresh);
}
} // namespace

extern "C" ORVANE_EXPORT int ORVANE_CALL PartDetailDialog(OrvPartRecord *record)
{
    if (!record)
        return 0;
    return GuardExport(
        [&] {
            DetailElementScope element(record->element);
            CPartDetailSheet sheet(*record);
            if (!sheet.m_route.LoadStages()) {
                ShowMemoryMessage();
                return 0;
            }
            DetailExport detail;
            detail.sheet = &sheet;
            detail.pages = {&sheet.m_general, &sheet.m_attributes, &sheet.m_route};
            UseCommonRecordParts(detail, record, sheet.m_reporting, sheet.m_notes);
            detail.apply = [record, &sheet] {
                if (record->apply)
                    record->apply(record);
                if (record->attributesApply)
                    record->attributesApply(record);
                HandOverStages(*record, sheet.m_route.Stages());
            };
            return RunDetailExport(detail);
        },
        0);
}
