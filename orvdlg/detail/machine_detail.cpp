#include "detail/machine_detail.h"

#include "core/detail_element.h"
#include "core/detail_export.h"
#include "core/export_guard.h"
#include "core/handle_copies.h"
#include "core/fresh_row_array.h"
#include "detail/machine_type_look.h"

#include <orvane/export.h>
#include <resource.h>

#include <vector>

IMPLEMENT_DYNAMIC(CMachineDetailSheet, COrvanePropertySheet)

CMachineDetailSheet::CMachineDetailSheet(OrvMachineRecord &record)
    : COrvanePropertySheet(ReadRecordText(record.name), IDS_MACHINE_TITLE), m_general(record, m_multipleStation),
      m_setup(record, m_multipleStation), m_breakdowns(record), m_fluid(record, m_multipleStation), m_record(record)
{
    m_general.OnTypeShown([this](int32_t type) { FollowType(type); });
}

CMachineDetailSheet::~CMachineDetailSheet()
{
    if (m_hWnd)
        DestroyWindow();
    m_pages.clear();
}

bool CMachineDetailSheet::HasFluidRules(int32_t type) const
{
    return m_record.fluidExclusion != 1 && m_record.fluidExclusion != 2 && MachineTypeHasFluidRules(type);
}

void CMachineDetailSheet::FollowType(int32_t type)
{
    const bool wanted = HasFluidRules(type);
    const int fluid = GetPageIndex(&m_fluid);
    if (wanted == (fluid >= 0))
        return;
    if (!wanted) {
        RemovePage(fluid);
        return;
    }
    // The pages after Breakdowns (Shift, reporting, Notes) go out and come back after the Fluid Rules page.
    std::vector<CPropertyPage *> after;
    for (int i = GetPageIndex(&m_breakdowns) + 1; i < GetPageCount(); ++i)
        after.push_back(GetPage(i));
    for (CPropertyPage *page : after)
        RemovePage(page);
    AddPage(&m_fluid);
    for (CPropertyPage *page : after)
        AddPage(page);
}

namespace {
void GiveBackCycle(OrvMachineCycle &cycle, int32_t element)
{
    DeleteRuleHandle(cycle.inputRule, element, CMachineCycleData::kInputRuleKind);
    DeleteActionsHandle(cycle.startActions);
    DeleteActionsHandle(cycle.finishActions);
    DeleteRuleHandle(cycle.labour.labourRule, element, 0);
}

template <typename Entry> void GiveBackRow(Entry &row, int32_t &first, int32_t &second, int32_t element)
{
    DeleteActionsHandle(first);
    DeleteActionsHandle(second);
    DeleteRuleHandle(row.labour.labourRule, element, 0);
}
} // namespace

extern "C" ORVANE_EXPORT int ORVANE_CALL MachineDetailDialog(OrvMachineRecord *record)
{
    if (!record)
        return 0;
    return GuardExport(
        [&] {
            DetailElementScope element(record->element);
            CMachineDetailSheet sheet(*record);
            if (!sheet.m_general.LoadCycles() || !sheet.m_setup.LoadSetups() || !sheet.m_breakdowns.LoadBreakdowns()) {
                ShowMemoryMessage();
                return 0;
            }
            DetailExport detail;
            detail.sheet = &sheet;
            detail.pages = {&sheet.m_general, &sheet.m_setup, &sheet.m_breakdowns};
            if (sheet.HasFluidRules(record->type))
                detail.pages.push_back(&sheet.m_fluid);
            if (record->shifts) {
                sheet.m_shift.SetShiftBlock(&record->shift);
                detail.pages.push_back(&sheet.m_shift);
            }
            detail.elementName = ReadRecordText(record->name);
            sheet.m_reporting.SetReportingField(&record->reporting);
            sheet.m_reporting.Load();
            detail.reporting = &sheet.m_reporting;
            sheet.m_notes.LoadFromBlock(&record->notes, record->notesSlot);
            detail.notes = &sheet.m_notes;

            const int32_t machine = record->element;
            FreshRowArray<OrvMachineCycle> cycles(record->cycles, record->cycleCount);
            FreshRowArray<OrvMachineSetup> setups(record->setups, record->setupCount);
            FreshRowArray<OrvMachineBreakdown> breakdowns(record->breakdowns, record->breakdownCount);
            detail.store = [&] {
                const bool stored =
                    cycles.Store(sheet.m_general.Cycles(), [machine](OrvMachineCycle &c) { GiveBackCycle(c, machine); }) &&
                    setups.Store(sheet.m_setup.Setups(),
                                 [machine](OrvMachineSetup &s) { GiveBackRow(s, s.startActions, s.finishActions, machine); }) &&
                    breakdowns.Store(sheet.m_breakdowns.Breakdowns(), [machine](OrvMachineBreakdown &b) {
                        GiveBackRow(b, b.breakdownActions, b.resumeActions, machine);
                    });
                if (!stored) {
                    cycles.GiveBackStored();
                    setups.GiveBackStored();
                    ShowMemoryMessage();
                }
                return stored;
            };
            detail.finish = [record](int ok) {
                if (record->finish)
                    record->finish(record, ok);
            };
            return RunDetailExport(detail);
        },
        0);
}
