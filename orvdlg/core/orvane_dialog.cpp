#include "core/orvane_dialog.h"

#include "core/library_modality.h"
#include "core/library_state.h"

IMPLEMENT_DYNAMIC(COrvaneDialog, CDialog)

BEGIN_MESSAGE_MAP(COrvaneDialog, CDialog)
    ON_WM_DESTROY()
    ON_WM_DRAWCLIPBOARD()
    ON_WM_CHANGECBCHAIN()
    ON_WM_NCACTIVATE()
END_MESSAGE_MAP()

COrvaneDialog::COrvaneDialog(UINT templateId, CWnd *parent, BOOL watchClipboard)
    : CDialog(templateId, parent), m_watchClipboard(watchClipboard)
{
}

COrvaneDialog::~COrvaneDialog()
{
    if (m_hWnd)
        DestroyWindow();
}

INT_PTR COrvaneDialog::DoModal()
{
    m_done = FALSE;
    m_result = -1;
    if (!Create(m_lpszTemplateName, CWnd::FromHandle(HostMainWindow())))
        return -1;
    {
        LibraryModality modality(m_hWnd);
        while (!m_done) {
            // A window destroyed behind the dialog's back, or a host loop that can deliver nothing more, ends
            // the dialog as cancelled instead of looping for ever.
            if (!::IsWindow(m_hWnd) || !LibraryModality::ProcessHostEvents()) {
                m_result = IDCANCEL;
                m_done = TRUE;
            }
        }
        DestroyWindow();
    }
    return m_result;
}

void COrvaneDialog::End(int code)
{
    if (code != IDCANCEL && !UpdateData(TRUE))
        return;
    m_done = TRUE;
    m_result = code;
    OnEnded(code);
}

BOOL COrvaneDialog::OnInitDialog()
{
    BOOL result = CDialog::OnInitDialog();
    CenterWindow();
    if (m_watchClipboard)
        m_clipboard.Join(m_hWnd);
    return result;
}

void COrvaneDialog::OnOK() { End(IDOK); }

void COrvaneDialog::OnCancel() { End(IDCANCEL); }

void COrvaneDialog::OnDestroy()
{
    m_clipboard.Leave(m_hWnd);
    Default();
}

void COrvaneDialog::OnDrawClipboard()
{
    m_clipboard.PassOnDraw(WM_DRAWCLIPBOARD, 0, 0);
    Default();
    m_clipboard.OnDrawClipboard();
}

void COrvaneDialog::OnChangeCbChain(HWND removed, HWND after) { m_clipboard.OnChangeChain(removed, after); }

BOOL COrvaneDialog::OnNcActivate(BOOL active)
{
    if (active)
        BringHostWindowBehind(m_hWnd);
    return static_cast<BOOL>(Default());
}

void BringHostWindowBehind(HWND activated)
{
    static bool reordering = false;
    HWND host = HostMainWindow();
    if (reordering || !host || !::IsWindow(host))
        return;
    reordering = true;
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    ::SetWindowPos(host, HWND_TOP, 0, 0, 0, 0, flags);
    ::SetWindowPos(activated, HWND_TOP, 0, 0, 0, 0, flags);
    reordering = false;
}
