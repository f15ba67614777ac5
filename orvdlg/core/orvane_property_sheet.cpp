#include "core/orvane_property_sheet.h"

#include "core/library_modality.h"
#include "core/library_state.h"
#include "resource.h"

IMPLEMENT_DYNAMIC(COrvanePropertySheet, CPropertySheet)

BEGIN_MESSAGE_MAP(COrvanePropertySheet, CPropertySheet)
    ON_COMMAND(ID_APPLY_NOW, OnApplyNow)
    ON_COMMAND(ID_CONTEXT_HELP, OnHelpButton)
    ON_WM_DESTROY()
    ON_WM_DRAWCLIPBOARD()
    ON_WM_CHANGECBCHAIN()
END_MESSAGE_MAP()

namespace {
constexpr int kOkCode = IDOK;
constexpr int kCancelCode = IDCANCEL;
constexpr int kApplyCode = ID_APPLY_NOW;
constexpr int kHelpCode = ID_CONTEXT_HELP;

CString LoadCaption(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}
} // namespace

CString SheetCaption(const CString &caption, const char *elementName)
{
    if (!elementName || !*elementName)
        return caption;
    return caption + " - " + elementName;
}

COrvanePropertySheet::COrvanePropertySheet(const char *elementName, UINT captionId, CWnd *parent,
                                           UINT selectPage, BOOL applyOption)
    : COrvanePropertySheet(elementName, LoadCaption(captionId).GetString(), parent, selectPage, applyOption)
{
}

COrvanePropertySheet::COrvanePropertySheet(const char *elementName, const char *caption, CWnd *parent,
                                           UINT selectPage, BOOL applyOption)
    : CPropertySheet(SheetCaption(caption ? caption : "", elementName).GetString(), parent, selectPage),
      m_applyOption(applyOption)
{
}

COrvanePropertySheet::~COrvanePropertySheet()
{
    if (m_hWnd)
        DestroyWindow();
}

INT_PTR COrvanePropertySheet::DoModal()
{
    m_endCode = -1;
    m_closing = FALSE;
    CWnd *host = CWnd::FromHandle(HostMainWindow());
    // Shown only once it is centred over the host window.
    if (!Create(host, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME))
        return -1;
    CenterWindow(host);
    ShowWindow(SW_SHOW);
    int result = -1;
    {
        LibraryModality modality(m_hWnd);
        while (result == -1) {
            if (!::IsWindow(m_hWnd) || !LibraryModality::ProcessHostEvents()) {
                result = kCancelCode;
                break;
            }
            if (m_endCode == kOkCode || m_endCode == kCancelCode)
                result = m_endCode;
            m_endCode = -1;
        }
        DestroyWindow();
    }
    return result;
}

BOOL COrvanePropertySheet::ActivePageAccepts()
{
    CPropertyPage *active = GetActivePage();
    return active == nullptr || active->m_hWnd == nullptr || active->OnKillActive();
}

void COrvanePropertySheet::OnOK()
{
    if (!ActivePageAccepts())
        return;
    m_closing = TRUE;
    m_endCode = kOkCode;
}

void COrvanePropertySheet::OnCancel()
{
    m_closing = TRUE;
    m_endCode = kCancelCode;
}

void COrvanePropertySheet::OnApplyNow()
{
    if (!ActivePageAccepts())
        return;
    m_closing = FALSE;
    m_endCode = kApplyCode;
}

void COrvanePropertySheet::OnHelpButton()
{
    m_closing = FALSE;
    m_endCode = kHelpCode;
    if (FrameworkHelpFromFocus())
        return;
    if (CWnd *main = FrameworkGetMainWnd(); main && main->m_hWnd)
        main->SendMessage(WM_COMMAND, ID_HELP);
}

void COrvanePropertySheet::EnableApply(BOOL enable)
{
    if (m_applyButton.m_hWnd)
        m_applyButton.EnableWindow(enable);
}

void COrvanePropertySheet::Relayout()
{
    CTabCtrl *tab = GetTabControl();
    if (!m_hWnd || !tab->m_hWnd)
        return;
    RECT client;
    tab->GetClientRect(&client);
    tab->PostMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    Invalidate();
    UpdateWindow();
}

BOOL COrvanePropertySheet::OnCreateSheet()
{
    if (!CreateButtonRow())
        return FALSE;
    m_clipboard.Join(m_hWnd);
    return TRUE;
}

BOOL COrvanePropertySheet::CreateButtonRow()
{
    struct ButtonPlan {
        CButton *button;
        UINT id;
        UINT captionId;
        DWORD style;
    };
    const DWORD push = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    const ButtonPlan plan[] = {
        {&m_okButton, IDOK, IDS_SHEET_OK, push | BS_DEFPUSHBUTTON},
        {&m_cancelButton, IDCANCEL, IDS_SHEET_CANCEL, push},
        {&m_applyButton, ID_APPLY_NOW, IDS_SHEET_APPLY_NOW, (push | WS_DISABLED) & ~(m_applyOption ? 0 : WS_VISIBLE)},
        {&m_helpButton, ID_CONTEXT_HELP, IDS_SHEET_HELP, push},
    };
    RECT client;
    GetClientRect(&client);
    const SIZE size = GetButtonSize();
    int x = kButtonGap;
    const int y = client.bottom - kButtonGap - size.cy;
    HFONT font = GetFont();
    for (const ButtonPlan &p : plan) {
        // Without the apply option the Apply button waits, hidden, at Cancel's place.
        const bool hiddenApply = p.id == ID_APPLY_NOW && !m_applyOption;
        const int left = hiddenApply ? x - size.cx - kButtonGap : x;
        const RECT rect{left, y, left + size.cx, y + size.cy};
        if (!p.button->Create(LoadCaption(p.captionId), p.style, rect, this, p.id))
            return FALSE;
        p.button->SetFont(font, FALSE);
        if (!hiddenApply)
            x += size.cx + kButtonGap;
    }
    SetDefID(IDOK);
    return TRUE;
}

void COrvanePropertySheet::OnDestroy()
{
    m_clipboard.Leave(m_hWnd);
    for (CButton *button : {&m_okButton, &m_cancelButton, &m_applyButton, &m_helpButton})
        if (button->m_hWnd)
            button->DestroyWindow();
    CPropertySheet::OnDestroy();
}

void COrvanePropertySheet::OnDrawClipboard()
{
    m_clipboard.PassOnDraw(WM_DRAWCLIPBOARD, 0, 0);
    Default();
    m_clipboard.OnDrawClipboard();
}

void COrvanePropertySheet::OnChangeCbChain(HWND removed, HWND after) { m_clipboard.OnChangeChain(removed, after); }
