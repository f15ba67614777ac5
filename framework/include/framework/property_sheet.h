// CPropertySheet: a dialog window built in memory that holds a tab control and shows one
// CPropertyPage at a time. Pages are created lazily the first time they are shown, may be added
// and removed while the sheet is open, and leaving a page runs its validation (OnKillActive),
// which can veto the change, whether the change comes from a tab click, Ctrl+Tab, SetActivePage
// or the PSM_SETCURSEL message. The sheet makes no buttons of its own; it reserves a row for
// them at the bottom, and a derived sheet adds them in OnCreateSheet.
#pragma once
#include <windows.h> // before <prsht.h>, which Windows does not make self-contained
#include <prsht.h>

#include <vector>

#include "framework/dialog.h"
#include "framework/property_page.h"
#include "framework/tab_ctrl.h"

class CPropertySheet : public CDialog {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    explicit CPropertySheet(UINT captionId, CWnd *parent = nullptr, UINT selectPage = 0);
    explicit CPropertySheet(LPCSTR caption, CWnd *parent = nullptr, UINT selectPage = 0);
    ~CPropertySheet() override;

    // Modeless creation. `style` (DWORD)-1 gives a visible pop-up with caption, system menu and
    // modal frame; WS_EX_DLGMODALFRAME and WS_EX_CONTROLPARENT are always added.
    virtual BOOL Create(CWnd *parent = nullptr, DWORD style = static_cast<DWORD>(-1), DWORD exStyle = 0);
    INT_PTR DoModal() override;

    void AddPage(CPropertyPage *page);
    void RemovePage(int index);
    void RemovePage(CPropertyPage *page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage *GetPage(int index) const;
    int GetPageIndex(const CPropertyPage *page) const;
    CPropertyPage *GetActivePage() const;
    int GetActiveIndex() const;
    // Switches pages with the current page's validation; FALSE when vetoed or out of range.
    // Before the window exists it chooses the first page to show.
    BOOL SetActivePage(int index);
    BOOL SetActivePage(CPropertyPage *page);

    CTabCtrl *GetTabControl() { return &m_tabCtrl; }
    void SetTitle(LPCSTR title);
    const CString &GetTitle() const { return m_strCaption; }
    // The size of the buttons the button row is laid out for, in pixels.
    SIZE GetButtonSize() const;
    // Distance between buttons and from the buttons to the edges, in pixels.
    static constexpr int kButtonGap = 8;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL PreTranslateMessage(MSG *msg) override;
    DWORD GetHelpContext() const override;

protected:
    // Called once the tab control and the layout exist, before the first page is shown; a derived
    // sheet adds its own controls here. FALSE fails the creation.
    virtual BOOL OnCreateSheet();
    // A page reported a change of its modified state (PSM_CHANGED / PSM_UNCHANGED).
    virtual void OnPageModified(CPropertyPage *page, BOOL modified);

    void OnTabSelChanging(NMHDR *header, LRESULT *result);
    void OnTabSelChange(NMHDR *header, LRESULT *result);
    void OnDestroy();
    LRESULT OnSetCurSel(WPARAM wParam, LPARAM lParam);
    LRESULT OnRemovePageMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetCurrentPageHwnd(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetTabControl(WPARAM wParam, LPARAM lParam);
    LRESULT OnChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnUnchanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetTitle(WPARAM wParam, LPARAM lParam);
    LRESULT OnPressButton(WPARAM wParam, LPARAM lParam);
    LRESULT OnIsDialogMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnQuerySiblings(WPARAM wParam, LPARAM lParam);
    LRESULT OnIgnoredMessage(WPARAM wParam, LPARAM lParam);

    CString m_strCaption;
    std::vector<CPropertyPage *> m_pages;
    CTabCtrl m_tabCtrl;
    int m_nStartPage = 0;
    int m_nActive = -1;
    RECT m_rcPage{};

    DECLARE_MESSAGE_MAP()

private:
    void BuildTemplate(DWORD style, DWORD exStyle);
    BOOL LayoutSheet();
    BOOL CreatePage(CPropertyPage *page);
    // Shows page `index`; `validate` runs the current page's OnKillActive first.
    BOOL SwitchToPage(int index, BOOL validate);
    int PageIndexFromHandle(LPARAM handle) const;

    std::vector<DWORD> m_template;
    BOOL m_bCreateFailed = FALSE;
};
