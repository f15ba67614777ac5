#include "framework/dialog.h"

#include "framework/help.h"
#include "framework/module_state.h"
#include "window_creation.h"

#include <functional>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_COMMAND(ID_HELP, OnHelpCommand)
    ON_COMMAND(IDHELP, OnHelpCommand)
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

namespace {

UINT TemplateIdOf(LPCSTR name) {
    return name != nullptr && IS_INTRESOURCE(name) ? static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)) : 0;
}

} // namespace

INT_PTR CALLBACK FrameworkDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd *wnd = CWnd::FromHandlePermanent(hwnd);
    if (wnd == nullptr) {
        // The first message of a dialog being created: bind its object and route the window's
        // messages through the object from now on.
        wnd = fw::detail::TakePendingCreation();
        if (wnd == nullptr || !wnd->SubclassWindow(hwnd))
            return FALSE;
    }
    if (message != WM_INITDIALOG)
        return FALSE;
    auto *dialog = dynamic_cast<CDialog *>(wnd);
    if (dialog == nullptr)
        return FALSE;
    try {
        // Damaged item lists leave the lists as far as they got; the dialog itself still opens.
        dialog->ExecuteDlgInit(dialog->m_lpszTemplateName);
        return dialog->OnInitDialog();
    } catch (...) {
        return FALSE;
    }
}

CDialog::CDialog(UINT templateId, CWnd *parent)
    : m_lpszTemplateName(MAKEINTRESOURCEA(templateId)), m_nIDHelp(templateId), m_pParentWnd(parent) {}

CDialog::CDialog(LPCSTR templateName, CWnd *parent)
    : m_lpszTemplateName(templateName), m_nIDHelp(TemplateIdOf(templateName)), m_pParentWnd(parent) {}

HWND CDialog::ParentHandle(CWnd *parent) const {
    if (parent != nullptr)
        return parent->m_hWnd;
    CWnd *main = FrameworkGetMainWnd();
    return main != nullptr ? main->m_hWnd : nullptr;
}

BOOL CDialog::Create(UINT templateId, CWnd *parent) { return Create(MAKEINTRESOURCEA(templateId), parent); }

BOOL CDialog::Create(LPCSTR templateName, CWnd *parent) {
    if (m_hWnd != nullptr)
        return FALSE;
    if (templateName == nullptr)
        return m_lpDialogTemplate != nullptr && CreateIndirect(m_lpDialogTemplate, parent);
    m_lpszTemplateName = templateName;
    if (m_nIDHelp == 0)
        m_nIDHelp = TemplateIdOf(templateName);
    return CreateModeless(parent, [&](HWND parentHandle) {
        return CreateDialogParamA(FrameworkGetResourceHandle(), templateName, parentHandle, FrameworkDlgProc,
                                  reinterpret_cast<LPARAM>(this));
    });
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd *parent) {
    if (m_hWnd != nullptr || dialogTemplate == nullptr)
        return FALSE;
    return CreateModeless(parent, [&](HWND parentHandle) {
        return CreateDialogIndirectParamA(FrameworkGetResourceHandle(), dialogTemplate, parentHandle,
                                          FrameworkDlgProc, reinterpret_cast<LPARAM>(this));
    });
}

BOOL CDialog::CreateModeless(CWnd *parent, const std::function<HWND(HWND)> &create) {
    m_pParentWnd = parent;
    m_bModal = FALSE;
    m_nModalResult = -1;
    HWND hwnd = nullptr;
    {
        fw::detail::PendingCreation pending(this);
        hwnd = create(ParentHandle(parent));
    }
    if (hwnd == nullptr) {
        if (m_hWnd != nullptr)
            Detach();
        return FALSE;
    }
    if (m_hWnd != hwnd)
        return FALSE;
    m_bOwnsWindow = TRUE;
    return TRUE;
}

INT_PTR CDialog::DoModal() {
    if (m_hWnd != nullptr)
        return -1;
    m_bModal = TRUE;
    m_nModalResult = -1;
    INT_PTR result = -1;
    {
        fw::detail::PendingCreation pending(this);
        HWND parent = ParentHandle(m_pParentWnd);
        if (m_lpszTemplateName != nullptr)
            result = DialogBoxParamA(FrameworkGetResourceHandle(), m_lpszTemplateName, parent, FrameworkDlgProc,
                                     reinterpret_cast<LPARAM>(this));
        else if (m_lpDialogTemplate != nullptr)
            result = DialogBoxIndirectParamA(FrameworkGetResourceHandle(), m_lpDialogTemplate, parent,
                                             FrameworkDlgProc, reinterpret_cast<LPARAM>(this));
    }
    m_bModal = FALSE;
    // The window is gone; WM_NCDESTROY normally detached the object already.
    if (m_hWnd != nullptr && !::IsWindow(m_hWnd))
        Detach();
    return result;
}

void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    if (m_bModal)
        ::EndDialog(m_hWnd, result);
    else
        OnEndModeless(result);
}

void CDialog::OnEndModeless(int) { DestroyWindow(); }

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::GotoDlgCtrl(CWnd *control) {
    if (control != nullptr && control->m_hWnd != nullptr)
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), TRUE);
}

void CDialog::NextDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 0, FALSE); }
void CDialog::PrevDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 1, FALSE); }
void CDialog::SetDefID(UINT id) { SendMessage(DM_SETDEFID, id); }
DWORD CDialog::GetDefID() const { return static_cast<DWORD>(SendMessage(DM_GETDEFID)); }
BOOL CDialog::MapDialogRect(LPRECT rect) const { return ::MapDialogRect(m_hWnd, rect); }

BOOL CDialog::PreTranslateMessage(MSG *msg) {
    if (msg == nullptr || m_hWnd == nullptr)
        return FALSE;
    const bool keyboard = msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST;
    const bool mouse = msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST;
    if (!keyboard && !mouse)
        return FALSE;
    return IsDialogMessageA(m_hWnd, msg);
}

DWORD CDialog::GetHelpContext() const { return m_nIDHelp != 0 ? FW_HELP_BASE_DIALOG + m_nIDHelp : 0; }

void CDialog::OnHelpCommand() {
    if (DWORD context = GetHelpContext(); context != 0)
        WinHelp(context, HELP_CONTEXT);
}

BOOL CDialog::OnHelpInfo(HELPINFO *) {
    FrameworkHelpFromFocus();
    return TRUE;
}
