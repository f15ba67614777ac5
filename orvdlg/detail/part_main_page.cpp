#include "core/element_list_filler.h"
#include "core/record_text.h"
#include "detail/part_pages.h"

#include <resource.h>

IMPLEMENT_DYNAMIC(CPartMainPage, CTablePage)

namespace {
constexpr int kNameLimit = 8;
constexpr int kTextLimit = 80;
constexpr int kArrivalControls[] = {IDC_PART_MAXIMUM_LABEL, IDC_PART_MAXIMUM,  IDC_PART_FIRST_LABEL, IDC_PART_FIRST,
                                    IDC_PART_INTERVAL_LABEL, IDC_PART_INTERVAL, IDC_PART_LOT_LABEL,   IDC_PART_LOT,
                                    IDC_PART_TO,             IDC_PART_PUSH};
constexpr int kShiftControls[] = {IDC_PART_SHIFT_LABEL, IDC_PART_SHIFT};
} // namespace

CPartMainPage::CPartMainPage(OrvPartRecord &record) : CTablePage(IDD_PART_GENERAL), m_record(record)
{
    BindCheckedText(IDC_PART_NAME, record.name, kNameLimit);
    BindCheck(IDC_PART_ACTIVE_ARRIVALS, record.activeArrivals);
    BindText(IDC_PART_MAXIMUM, record.maximumArrivals, kTextLimit);
    BindText(IDC_PART_FIRST, record.firstArrival, kTextLimit);
    BindText(IDC_PART_SHIFT, record.shiftName, kTextLimit);
    BindText(IDC_PART_INTERVAL, record.interArrival, kTextLimit);
    BindText(IDC_PART_LOT, record.lotSize, kTextLimit);
    ShowWhen(kArrivalControls, [this] { return IsChecked(IDC_PART_ACTIVE_ARRIVALS); });
    ShowWhen(kShiftControls, [this] { return IsChecked(IDC_PART_ACTIVE_ARRIVALS) && m_record.shiftAvailable; });
    SetNameControl(IDC_PART_NAME);
    BindRuleButton(IDC_PART_TO, record.element, 0, -1, record.outputRule, IDC_PART_PUSH);
    BindActionsButton(IDC_PART_CREATE_ACTIONS, record.createActions, IDS_PART_CREATE_ACTIONS, IDC_PART_CREATE_TEXT,
                      IDC_PART_CREATE_MARK);
    BindActionsButton(IDC_PART_LEAVE_ACTIONS, record.leaveActions, IDS_PART_LEAVE_ACTIONS, IDC_PART_LEAVE_TEXT,
                      IDC_PART_LEAVE_MARK);
    const int fields[] = {IDC_PART_NAME, IDC_PART_MAXIMUM, IDC_PART_FIRST, IDC_PART_SHIFT, IDC_PART_INTERVAL, IDC_PART_LOT};
    for (int field = 0; field < static_cast<int>(std::size(fields)); ++field)
        MapField(field, fields[field]);
    KeepPageOnUnmappedFields();
}

BOOL CPartMainPage::OnInitDialog()
{
    m_shift.SubclassDlgItem(IDC_PART_SHIFT, this);
    FillMainShiftList(m_shift.m_hWnd);
    return CTablePage::OnInitDialog();
}

int32_t CPartMainPage::ValidateRecord() { return m_record.validate ? m_record.validate(&m_record) : -1; }

void CPartMainPage::OnRecordAccepted()
{
    SetDlgItemText(IDC_PART_MAXIMUM, ReadRecordText(m_record.maximumArrivals));
}
