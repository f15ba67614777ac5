#include "framework/property_page.h"

#include <prsht.h>

#include "framework/property_sheet.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage(UINT templateId, UINT captionId) : CDialog(templateId) {
    if (captionId != 0)
        m_strCaption.LoadString(captionId);
}

BOOL CPropertyPage::OnInitDialog() {
    m_bFirstSetActive = TRUE;
    return CDialog::OnInitDialog();
}

BOOL CPropertyPage::OnSetActive() {
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

// A page never ends itself: OK and Cancel belong to the sheet.
void CPropertyPage::OnOK() { m_bModified = FALSE; }
void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::OnApply() {
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }
BOOL CPropertyPage::OnQueryCancel() { return TRUE; }

void CPropertyPage::SetModified(BOOL changed) {
    m_bModified = changed;
    if (m_pSheet != nullptr && m_pSheet->m_hWnd != nullptr)
        ::SendMessageA(m_pSheet->m_hWnd, changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

BOOL CPropertyPage::PreTranslateMessage(MSG *msg) {
    // Inside a sheet the sheet runs the dialog manager over its pages and its own controls
    // together, so that Tab moves between them.
    if (m_pSheet != nullptr && m_pSheet->m_hWnd != nullptr)
        return FALSE;
    return CDialog::PreTranslateMessage(msg);
}
