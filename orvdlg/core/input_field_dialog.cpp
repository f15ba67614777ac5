#include "core/input_field_dialog.h"

#include "core/caption_case.h"
#include "core/control_layout.h"
#include "core/record_text.h"
#include "resource.h"

IMPLEMENT_DYNAMIC(CInputFieldDialog, COrvaneDialog)

CInputFieldDialog::CInputFieldDialog(OrvInputFieldRecord &record)
    : COrvaneDialog(IDD_INPUT_FIELD), m_record(record),
      // A value has at most 80 characters: an unterminated field gives its first 80.
      m_firstValue(ReadRecordText(record.firstValue, kMaxValueLength)),
      m_secondValue(ReadRecordText(record.secondValue, kMaxValueLength))
{
}

int CInputFieldDialog::Run()
{
    if (DoModal() != IDOK)
        return 0;
    WriteRecordText(m_record.firstValue, m_firstValue);
    if (HasSecondValue())
        WriteRecordText(m_record.secondValue, m_secondValue);
    if (m_record.apply)
        m_record.apply(&m_record);
    return 1;
}

BOOL CInputFieldDialog::OnInitDialog()
{
    CString caption = ReadRecordText(m_record.caption);
    CaptionCase(caption.GetBuffer(), static_cast<size_t>(caption.GetLength()) + 1);
    caption.ReleaseBuffer();
    SetWindowText(caption);
    SetDlgItemText(IDC_INPUT_FIRST_LABEL, ReadRecordText(m_record.firstLabel));
    SetDlgItemText(IDC_INPUT_SECOND_LABEL, ReadRecordText(m_record.secondLabel));
    if (HasSecondValue()) {
        PlaceSecondPair();
    } else {
        for (int id : {IDC_INPUT_SECOND_LABEL, IDC_INPUT_SECOND_VALUE}) {
            if (CWnd *control = GetDlgItem(id)) {
                control->ShowWindow(SW_HIDE);
                control->EnableWindow(FALSE);
            }
        }
    }
    return COrvaneDialog::OnInitDialog();
}

// The template may keep both pairs at one place, which suits one value. With two, the second pair goes below
// the first and the dialog grows by as much, so that neither pair hides the other.
void CInputFieldDialog::PlaceSecondPair()
{
    RECT label, value, second, overlap;
    if (!GetControlRect(*this, IDC_INPUT_FIRST_LABEL, label) ||
        !GetControlRect(*this, IDC_INPUT_FIRST_VALUE, value) ||
        !GetControlRect(*this, IDC_INPUT_SECOND_LABEL, second))
        return;
    if (!IntersectRect(&overlap, &label, &second))
        return; // a template that lays the pairs out apart is taken as it is
    const int step = value.bottom - label.top + (value.top - label.bottom);
    OffsetControl(*this, IDC_INPUT_SECOND_LABEL, 0, step);
    OffsetControl(*this, IDC_INPUT_SECOND_VALUE, 0, step);
    GrowWindow(*this, 0, step);
}

void CInputFieldDialog::DoDataExchange(CDataExchange *dx)
{
    DDX_Text(dx, IDC_INPUT_FIRST_VALUE, m_firstValue);
    DDV_MaxChars(dx, m_firstValue, kMaxValueLength);
    DDX_Text(dx, IDC_INPUT_SECOND_VALUE, m_secondValue);
    DDV_MaxChars(dx, m_secondValue, kMaxValueLength);
    if (!dx->m_bSaveAndValidate)
        return;
    // The host judges the first value where it will keep it: in the record.
    WriteRecordText(m_record.firstValue, m_firstValue);
    if (m_record.validate && !m_record.validate(&m_record)) {
        dx->PrepareEditCtrl(IDC_INPUT_FIRST_VALUE);
        dx->Fail();
    }
}
