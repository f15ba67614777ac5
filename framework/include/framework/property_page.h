// CPropertyPage: one page of a CPropertySheet, a child dialog created from its template the
// first time the sheet shows it.
#pragma once
#include "framework/dialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    // `captionId` 0 takes the tab text from the template's caption.
    explicit CPropertyPage(UINT templateId, UINT captionId = 0);

    // The page becomes active: the default reloads the controls from the members (except on
    // the first activation, which follows creation). FALSE refuses the activation.
    virtual BOOL OnSetActive();
    // The page is about to be left: the default saves and validates; FALSE vetoes the change.
    virtual BOOL OnKillActive();
    // The sheet ends with OK / Cancel, or applies.
    void OnOK() override;
    void OnCancel() override;
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual BOOL OnQueryCancel();

    // Tells the sheet that the page's data changed (or not).
    void SetModified(BOOL changed = TRUE);
    BOOL IsModified() const { return m_bModified; }

    CPropertySheet *GetSheet() const { return m_pSheet; }
    const CString &GetCaption() const { return m_strCaption; }
    void SetCaption(LPCSTR caption) { m_strCaption = caption; }

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG *msg) override;

protected:
    CString m_strCaption;
    CPropertySheet *m_pSheet = nullptr;
    BOOL m_bFirstSetActive = TRUE;
    BOOL m_bModified = FALSE;

    friend class CPropertySheet;
};
