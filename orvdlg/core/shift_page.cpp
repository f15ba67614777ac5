#include "core/shift_page.h"

#include "core/element_list_filler.h"
#include "core/record_text.h"
#include "resource.h"

IMPLEMENT_DYNAMIC(CShiftPage, CTablePage)

namespace {
constexpr int kTextLimit = 80;
constexpr int32_t kEndOfShiftValues[] = {0, 1}; // continue the current job, stop immediately
constexpr int kStopImmediately = 1;

constexpr int kAllowanceControls[] = {IDC_SHIFT_ALLOWANCE_LABEL, IDC_SHIFT_ALLOWANCE};
constexpr int kPenaltyControls[] = {IDC_SHIFT_PENALTY_LABEL, IDC_SHIFT_PENALTY};
constexpr int kEndOfShiftControls[] = {IDC_SHIFT_END_GROUP, IDC_SHIFT_CONTINUE, IDC_SHIFT_STOP};
constexpr int kControlsUnderTheCheckBox[] = {IDC_SHIFT_NAME_LABEL,      IDC_SHIFT_NAME,    IDC_SHIFT_ALLOWANCE_LABEL,
                                             IDC_SHIFT_ALLOWANCE,       IDC_SHIFT_PENALTY_LABEL, IDC_SHIFT_PENALTY,
                                             IDC_SHIFT_END_GROUP,       IDC_SHIFT_CONTINUE, IDC_SHIFT_STOP};

// Which optional controls an element kind shows.
struct ShownForKind {
    bool allowance;
    bool penalty;
    bool endOfShift;
};
ShownForKind ControlsOfKind(int32_t kindCode)
{
    switch (kindCode) {
    case 2: case 8: case 9: case 10: return {true, true, false};
    case 3: return {true, false, true};
    default: return kindCode >= 11 ? ShownForKind{true, true, true} : ShownForKind{false, false, false};
    }
}
} // namespace

CShiftPage::CShiftPage() : CTablePage(IDD_SHIFT) {}

void CShiftPage::SetShiftBlock(OrvShiftBlock *block)
{
    m_block = block;
    if (!block)
        return;
    BindCheck(IDC_SHIFT_ENABLED, block->shiftsEnabled);
    // Any value but 0 is Stop Immediately, written back as 1.
    BindRadio(IDC_SHIFT_CONTINUE, block->endOfShift, kEndOfShiftValues, kStopImmediately);
    BindText(IDC_SHIFT_NAME, block->shiftName, kTextLimit);
    BindText(IDC_SHIFT_ALLOWANCE, block->allowance, kTextLimit);
    BindText(IDC_SHIFT_PENALTY, block->penalty, kTextLimit);

    const ShownForKind shown = ControlsOfKind(block->kindCode);
    ShowWhen(kAllowanceControls, [shown] { return shown.allowance; });
    ShowWhen(kPenaltyControls, [shown] { return shown.penalty; });
    ShowWhen(kEndOfShiftControls, [shown] { return shown.endOfShift; });
    EnableWhen(kControlsUnderTheCheckBox, [this] { return IsChecked(IDC_SHIFT_ENABLED); });

    MapField(0, IDC_SHIFT_NAME);
    MapField(1, IDC_SHIFT_ALLOWANCE);
    MapField(2, IDC_SHIFT_PENALTY);
}

BOOL CShiftPage::OnInitDialog()
{
    FillMainShiftList(::GetDlgItem(m_hWnd, IDC_SHIFT_NAME));
    return CTablePage::OnInitDialog();
}

int32_t CShiftPage::ValidateRecord() { return m_block && m_block->validate ? m_block->validate(m_block) : -1; }

// The host may have rewritten the expressions: they show as they now stand.
void CShiftPage::OnRecordAccepted()
{
    SetDlgItemText(IDC_SHIFT_ALLOWANCE, ReadRecordText(m_block->allowance));
    SetDlgItemText(IDC_SHIFT_PENALTY, ReadRecordText(m_block->penalty));
}
