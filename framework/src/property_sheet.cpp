#include "framework/property_sheet.h"

#include <algorithm>

#include "dialog_template.h"
#include "framework/module_state.h"

using fw::detail::DialogTemplateBytes;
using fw::detail::DialogTemplateInfo;

IMPLEMENT_DYNAMIC(CPropertySheet, CDialog)

BEGIN_MESSAGE_MAP(CPropertySheet, CDialog)
    ON_NOTIFY(TCN_SELCHANGING, IDC_SHEET_TAB, OnTabSelChanging)
    ON_NOTIFY(TCN_SELCHANGE, IDC_SHEET_TAB, OnTabSelChange)
    ON_WM_DESTROY()
    ON_MESSAGE(PSM_SETCURSEL, OnSetCurSel)
    ON_MESSAGE(PSM_REMOVEPAGE, OnRemovePageMessage)
    ON_MESSAGE(PSM_GETCURRENTPAGEHWND, OnGetCurrentPageHwnd)
    ON_MESSAGE(PSM_GETTABCONTROL, OnGetTabControl)
    ON_MESSAGE(PSM_CHANGED, OnChanged)
    ON_MESSAGE(PSM_UNCHANGED, OnUnchanged)
    ON_MESSAGE(PSM_SETTITLEA, OnSetTitle)
    ON_MESSAGE(PSM_PRESSBUTTON, OnPressButton)
    ON_MESSAGE(PSM_ISDIALOGMESSAGE, OnIsDialogMessage)
    ON_MESSAGE(PSM_QUERYSIBLINGS, OnQuerySiblings)
    ON_MESSAGE(PSM_ADDPAGE, OnIgnoredMessage)
    ON_MESSAGE(PSM_SETFINISHTEXTA, OnIgnoredMessage)
    ON_MESSAGE(PSM_SETWIZBUTTONS, OnIgnoredMessage)
END_MESSAGE_MAP()

namespace {

constexpr DWORD kDefaultSheetStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK | WS_VISIBLE;
constexpr DWORD kPageStylesRemoved = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME | WS_VISIBLE |
                                     WS_DISABLED | WS_TABSTOP | DS_SYSMODAL | DS_CENTER | DS_ABSALIGN;
constexpr DWORD kPageExStylesRemoved = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_APPWINDOW;
// Used when no page has a template to measure.
constexpr int kMinimumPageWidth = 100;
constexpr int kMinimumPageHeight = 50;
// Gap around the tab control, in dialog units.
constexpr int kSheetMargin = 7;
// The size of a standard button, in dialog units.
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;

bool ReadPageTemplate(const CPropertyPage *page, DialogTemplateBytes &bytes, DialogTemplateInfo &info) {
    return page->m_lpszTemplateName != nullptr &&
           fw::detail::LoadDialogTemplate(FrameworkGetResourceHandle(), page->m_lpszTemplateName, bytes) &&
           fw::detail::ReadDialogTemplate(bytes.Data(), bytes.size, info);
}

// The tab text: the page's own caption, else its template's.
const CString &PageCaption(CPropertyPage *page) {
    if (page->GetCaption().IsEmpty()) {
        DialogTemplateBytes bytes;
        DialogTemplateInfo info;
        if (ReadPageTemplate(page, bytes, info))
            page->SetCaption(info.caption.c_str());
    }
    return page->GetCaption();
}

void SetFontOfChildren(HWND parent, HFONT font) {
    ::SendMessageA(parent, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
        ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

} // namespace

CPropertySheet::CPropertySheet(UINT captionId, CWnd *parent, UINT selectPage)
    : m_nStartPage(static_cast<int>(selectPage)) {
    m_pParentWnd = parent;
    m_strCaption.LoadString(captionId);
}

CPropertySheet::CPropertySheet(LPCSTR caption, CWnd *parent, UINT selectPage)
    : m_strCaption(caption), m_nStartPage(static_cast<int>(selectPage)) {
    m_pParentWnd = parent;
}

CPropertySheet::~CPropertySheet() {
    // The window goes while the sheet is still whole: its messages reach the tab control and the
    // page list, which are destroyed after this body.
    if (m_hWnd != nullptr)
        DestroyWindow();
    for (CPropertyPage *page : m_pages)
        page->m_pSheet = nullptr;
}

void CPropertySheet::BuildTemplate(DWORD style, DWORD exStyle) {
    // The sheet takes the font of its first page that names one, so that the pages' dialog
    // units and the sheet's agree.
    DialogTemplateInfo font;
    for (const CPropertyPage *page : m_pages) {
        DialogTemplateBytes bytes;
        DialogTemplateInfo info;
        if (ReadPageTemplate(page, bytes, info) && info.hasFont) {
            font = info;
            break;
        }
    }
    DialogTemplateBytes bytes = fw::detail::BuildEmptyTemplate(style, exStyle, m_strCaption, font);
    m_template = std::move(bytes.storage);
    m_lpDialogTemplate = reinterpret_cast<LPCDLGTEMPLATE>(m_template.data());
    m_lpszTemplateName = nullptr;
}

BOOL CPropertySheet::Create(CWnd *parent, DWORD style, DWORD exStyle) {
    if (m_hWnd != nullptr)
        return FALSE;
    if (style == static_cast<DWORD>(-1))
        style = kDefaultSheetStyle;
    exStyle |= WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    m_bCreateFailed = FALSE;
    BuildTemplate(style, exStyle);
    if (!CreateIndirect(m_lpDialogTemplate, parent != nullptr ? parent : m_pParentWnd))
        return FALSE;
    if (m_bCreateFailed) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

INT_PTR CPropertySheet::DoModal() {
    if (m_hWnd != nullptr)
        return -1;
    m_bCreateFailed = FALSE;
    BuildTemplate(kDefaultSheetStyle, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT);
    return CDialog::DoModal();
}

BOOL CPropertySheet::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!LayoutSheet() || !OnCreateSheet()) {
        m_bCreateFailed = TRUE;
        if (m_bModal)
            EndDialog(-1);
        return FALSE;
    }
    if (!m_pages.empty()) {
        const int first = (m_nStartPage >= 0 && m_nStartPage < GetPageCount()) ? m_nStartPage : 0;
        if (!SwitchToPage(first, FALSE) && first != 0)
            SwitchToPage(0, FALSE);
    }
    CPropertyPage *active = GetActivePage();
    HWND focus = active != nullptr ? ::GetNextDlgTabItem(active->m_hWnd, nullptr, FALSE) : nullptr;
    ::SetFocus(focus != nullptr ? focus : m_tabCtrl.m_hWnd);
    return FALSE;
}

SIZE CPropertySheet::GetButtonSize() const {
    RECT rect{0, 0, kButtonWidth, kButtonHeight};
    MapDialogRect(&rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

BOOL CPropertySheet::LayoutSheet() {
    // The display area fits the largest page.
    SIZE pageSize{0, 0};
    for (const CPropertyPage *page : m_pages) {
        DialogTemplateBytes bytes;
        DialogTemplateInfo info;
        if (!ReadPageTemplate(page, bytes, info))
            continue;
        pageSize.cx = std::max<LONG>(pageSize.cx, info.cx);
        pageSize.cy = std::max<LONG>(pageSize.cy, info.cy);
    }
    if (pageSize.cx == 0 || pageSize.cy == 0)
        pageSize = SIZE{kMinimumPageWidth, kMinimumPageHeight};
    RECT display{0, 0, pageSize.cx, pageSize.cy};
    MapDialogRect(&display);
    RECT margin{0, 0, kSheetMargin, kSheetMargin};
    MapDialogRect(&margin);

    const RECT initial{0, 0, display.right, display.bottom};
    if (!m_tabCtrl.CreateEx(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, initial, this,
                            IDC_SHEET_TAB))
        return FALSE;
    m_tabCtrl.SetFont(GetFont(), FALSE);
    for (int index = 0; index < GetPageCount(); ++index)
        m_tabCtrl.InsertItem(index, PageCaption(m_pages[static_cast<size_t>(index)]));

    // The tab control's window around the display area, placed inside the margin.
    RECT tab = display;
    m_tabCtrl.AdjustRect(TRUE, &tab);
    ::OffsetRect(&tab, margin.right - tab.left, margin.bottom - tab.top);
    m_tabCtrl.MoveWindow(tab, FALSE);
    m_rcPage = tab;
    m_tabCtrl.AdjustRect(FALSE, &m_rcPage);

    // Below the tab control: a row of buttons with their gaps.
    const SIZE button = GetButtonSize();
    const int rowWidth = 4 * (button.cx + kButtonGap) + kButtonGap;
    RECT client{0, 0, std::max<int>(tab.right + margin.right, rowWidth),
                tab.bottom + kButtonGap + button.cy + kButtonGap};
    ::AdjustWindowRectEx(&client, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

BOOL CPropertySheet::OnCreateSheet() { return TRUE; }

void CPropertySheet::OnPageModified(CPropertyPage *, BOOL modified) {
    if (HWND apply = ::GetDlgItem(m_hWnd, ID_APPLY_NOW); apply != nullptr && modified)
        ::EnableWindow(apply, TRUE);
}

BOOL CPropertySheet::CreatePage(CPropertyPage *page) {
    DialogTemplateBytes bytes;
    DialogTemplateInfo info;
    if (!ReadPageTemplate(page, bytes, info))
        return FALSE;
    // Whatever the template says, a page is a hidden control-parent child of the sheet.
    const DWORD style = (info.style & ~kPageStylesRemoved) | WS_CHILD | DS_CONTROL | DS_3DLOOK;
    const DWORD exStyle = (info.exStyle & ~kPageExStylesRemoved) | WS_EX_CONTROLPARENT;
    fw::detail::SetTemplateStyles(bytes, info, style, exStyle);
    page->m_pSheet = this;
    if (!page->CreateIndirect(bytes.Get(), this))
        return FALSE;
    HFONT font = GetFont();
    if (font != nullptr && page->GetFont() != font)
        SetFontOfChildren(page->m_hWnd, font);
    // On top of the tab control, whose frame it sits in.
    ::SetWindowPos(page->m_hWnd, HWND_TOP, m_rcPage.left, m_rcPage.top, m_rcPage.right - m_rcPage.left,
                   m_rcPage.bottom - m_rcPage.top, SWP_NOACTIVATE);
    return TRUE;
}

BOOL CPropertySheet::SwitchToPage(int index, BOOL validate) {
    if (index < 0 || index >= GetPageCount())
        return FALSE;
    CPropertyPage *page = m_pages[static_cast<size_t>(index)];
    CPropertyPage *old = GetActivePage();
    if (old == page && page->m_hWnd != nullptr)
        return TRUE;
    if (old != nullptr && old->m_hWnd != nullptr && validate && !old->OnKillActive())
        return FALSE;
    if (page->m_hWnd == nullptr && !CreatePage(page))
        return FALSE;
    if (!page->OnSetActive())
        return FALSE;

    HWND focus = ::GetFocus();
    const bool focusInOld = old != nullptr && old->m_hWnd != nullptr && focus != nullptr &&
                            (focus == old->m_hWnd || ::IsChild(old->m_hWnd, focus));
    m_nActive = index;
    m_tabCtrl.SetCurSel(index);
    ::SetWindowPos(page->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    if (old != nullptr && old != page && old->m_hWnd != nullptr)
        old->ShowWindow(SW_HIDE);
    if (focusInOld) {
        HWND first = ::GetNextDlgTabItem(page->m_hWnd, nullptr, FALSE);
        ::SetFocus(first != nullptr ? first : m_tabCtrl.m_hWnd);
    }
    return TRUE;
}

void CPropertySheet::AddPage(CPropertyPage *page) {
    if (page == nullptr || GetPageIndex(page) >= 0)
        return;
    m_pages.push_back(page);
    page->m_pSheet = this;
    if (m_hWnd == nullptr)
        return;
    m_tabCtrl.InsertItem(GetPageCount() - 1, PageCaption(page));
    if (m_nActive < 0)
        SwitchToPage(GetPageCount() - 1, FALSE);
}

void CPropertySheet::RemovePage(CPropertyPage *page) { RemovePage(GetPageIndex(page)); }

void CPropertySheet::RemovePage(int index) {
    if (index < 0 || index >= GetPageCount())
        return;
    CPropertyPage *page = m_pages[static_cast<size_t>(index)];
    if (m_hWnd != nullptr) {
        if (index == m_nActive) {
            // The page being removed is showing: show a neighbour first, without validation
            // (the removed page's data no longer matters).
            const int neighbour = index + 1 < GetPageCount() ? index + 1 : index - 1;
            if (neighbour < 0 || !SwitchToPage(neighbour, FALSE))
                m_nActive = -1;
        }
        if (page->m_hWnd != nullptr)
            page->DestroyWindow();
        m_tabCtrl.DeleteItem(index);
    }
    m_pages.erase(m_pages.begin() + index);
    page->m_pSheet = nullptr;
    if (m_nActive > index)
        --m_nActive;
    if (m_hWnd != nullptr && m_nActive >= 0)
        m_tabCtrl.SetCurSel(m_nActive);
}

CPropertyPage *CPropertySheet::GetPage(int index) const {
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage *page) const {
    auto it = std::find(m_pages.begin(), m_pages.end(), page);
    return it != m_pages.end() ? static_cast<int>(it - m_pages.begin()) : -1;
}

CPropertyPage *CPropertySheet::GetActivePage() const {
    if (m_hWnd == nullptr)
        return GetPage(m_nStartPage);
    return GetPage(m_nActive);
}

int CPropertySheet::GetActiveIndex() const { return m_hWnd == nullptr ? m_nStartPage : m_nActive; }

BOOL CPropertySheet::SetActivePage(int index) {
    if (index < 0 || index >= GetPageCount())
        return FALSE;
    if (m_hWnd == nullptr) {
        m_nStartPage = index;
        return TRUE;
    }
    return SwitchToPage(index, TRUE);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage *page) { return SetActivePage(GetPageIndex(page)); }

void CPropertySheet::SetTitle(LPCSTR title) {
    m_strCaption = title;
    if (m_hWnd != nullptr)
        SetWindowText(m_strCaption);
}

void CPropertySheet::OnOK() {
    CPropertyPage *active = GetActivePage();
    if (active != nullptr && active->m_hWnd != nullptr && !active->OnKillActive())
        return;
    for (CPropertyPage *page : m_pages) {
        if (page->m_hWnd != nullptr)
            page->OnOK();
    }
    EndDialog(IDOK);
}

void CPropertySheet::OnCancel() {
    for (CPropertyPage *page : m_pages) {
        if (page->m_hWnd != nullptr)
            page->OnCancel();
    }
    EndDialog(IDCANCEL);
}

BOOL CPropertySheet::PreTranslateMessage(MSG *msg) {
    if (msg != nullptr && msg->message == WM_KEYDOWN && ::GetKeyState(VK_CONTROL) < 0 && GetPageCount() > 1 &&
        (msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd))) {
        int step = 0;
        if (msg->wParam == VK_TAB)
            step = ::GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
        else if (msg->wParam == VK_PRIOR)
            step = -1;
        else if (msg->wParam == VK_NEXT)
            step = 1;
        if (step != 0) {
            const int count = GetPageCount();
            SetActivePage(((m_nActive < 0 ? 0 : m_nActive) + step + count) % count);
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(msg);
}

DWORD CPropertySheet::GetHelpContext() const {
    // The sheet speaks for its active page (the button row belongs to the sheet itself).
    CPropertyPage *active = GetActivePage();
    return active != nullptr ? active->GetHelpContext() : 0;
}

void CPropertySheet::OnTabSelChanging(NMHDR *, LRESULT *result) {
    CPropertyPage *active = GetActivePage();
    const BOOL veto = active != nullptr && active->m_hWnd != nullptr && !active->OnKillActive();
    *result = veto;
}

void CPropertySheet::OnTabSelChange(NMHDR *, LRESULT *result) {
    *result = 0;
    const int index = m_tabCtrl.GetCurSel();
    // The current page was validated when the selection began to change.
    if (!SwitchToPage(index, FALSE))
        m_tabCtrl.SetCurSel(m_nActive);
}

void CPropertySheet::OnDestroy() {
    m_nActive = -1;
    Default();
}

int CPropertySheet::PageIndexFromHandle(LPARAM handle) const {
    for (int index = 0; index < GetPageCount(); ++index) {
        const CPropertyPage *page = m_pages[static_cast<size_t>(index)];
        if (handle == reinterpret_cast<LPARAM>(page) ||
            (page->m_hWnd != nullptr && handle == reinterpret_cast<LPARAM>(page->m_hWnd)))
            return index;
    }
    return -1;
}

LRESULT CPropertySheet::OnSetCurSel(WPARAM wParam, LPARAM lParam) {
    // A page handle takes precedence over the index, as for the system's sheets.
    const int index = lParam != 0 ? PageIndexFromHandle(lParam) : static_cast<int>(wParam);
    return SetActivePage(index);
}

LRESULT CPropertySheet::OnRemovePageMessage(WPARAM wParam, LPARAM lParam) {
    RemovePage(lParam != 0 ? PageIndexFromHandle(lParam) : static_cast<int>(wParam));
    return 0;
}

LRESULT CPropertySheet::OnGetCurrentPageHwnd(WPARAM, LPARAM) {
    CPropertyPage *active = GetActivePage();
    return reinterpret_cast<LRESULT>(active != nullptr ? active->m_hWnd : nullptr);
}

LRESULT CPropertySheet::OnGetTabControl(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_tabCtrl.m_hWnd); }

LRESULT CPropertySheet::OnChanged(WPARAM wParam, LPARAM) {
    const int index = PageIndexFromHandle(static_cast<LPARAM>(wParam));
    if (CPropertyPage *page = GetPage(index)) {
        page->m_bModified = TRUE;
        OnPageModified(page, TRUE);
    }
    return TRUE;
}

LRESULT CPropertySheet::OnUnchanged(WPARAM wParam, LPARAM) {
    const int index = PageIndexFromHandle(static_cast<LPARAM>(wParam));
    if (CPropertyPage *page = GetPage(index)) {
        page->m_bModified = FALSE;
        OnPageModified(page, FALSE);
    }
    return 0;
}

LRESULT CPropertySheet::OnSetTitle(WPARAM, LPARAM lParam) {
    if (lParam != 0 && !IS_INTRESOURCE(reinterpret_cast<LPCSTR>(lParam))) {
        SetTitle(reinterpret_cast<LPCSTR>(lParam));
    } else if (lParam != 0) {
        CString title;
        title.LoadString(static_cast<UINT>(lParam));
        SetTitle(title);
    }
    return 0;
}

LRESULT CPropertySheet::OnPressButton(WPARAM wParam, LPARAM) {
    int id = 0;
    switch (wParam) {
    case PSBTN_OK:
    case PSBTN_FINISH:
        id = IDOK;
        break;
    case PSBTN_CANCEL:
        id = IDCANCEL;
        break;
    case PSBTN_APPLYNOW:
        id = ID_APPLY_NOW;
        break;
    case PSBTN_HELP:
        id = ID_HELP;
        break;
    default:
        return FALSE;
    }
    HWND button = ::GetDlgItem(m_hWnd, id);
    if (button != nullptr && !::IsWindowEnabled(button))
        return FALSE;
    SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return TRUE;
}

LRESULT CPropertySheet::OnIsDialogMessage(WPARAM, LPARAM lParam) {
    return lParam != 0 && PreTranslateMessage(reinterpret_cast<MSG *>(lParam));
}

LRESULT CPropertySheet::OnQuerySiblings(WPARAM wParam, LPARAM lParam) {
    for (CPropertyPage *page : m_pages) {
        if (page->m_hWnd == nullptr)
            continue;
        if (LRESULT answer = ::SendMessageA(page->m_hWnd, PSM_QUERYSIBLINGS, wParam, lParam); answer != 0)
            return answer;
    }
    return 0;
}

LRESULT CPropertySheet::OnIgnoredMessage(WPARAM, LPARAM) { return 0; }
