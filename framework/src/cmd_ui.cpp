#include "framework/cmd_ui.h"

#include "framework/wnd.h"

namespace {

bool IsButton(HWND hwnd) {
    char name[16] = {};
    return GetClassNameA(hwnd, name, sizeof(name)) > 0 && lstrcmpiA(name, "Button") == 0;
}

bool IsCheckableButton(HWND hwnd) {
    if (!IsButton(hwnd))
        return false;
    const DWORD type = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK;
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE ||
           type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

} // namespace

void CCmdUI::Enable(BOOL on) {
    m_bEnableChanged = TRUE;
    if (m_pOther == nullptr || m_pOther->m_hWnd == nullptr)
        return;
    HWND control = m_pOther->m_hWnd;
    if (!on && GetFocus() == control) {
        // A control that loses its enabled state must not keep the focus: move it on.
        HWND parent = GetParent(control);
        if (parent != nullptr)
            SendMessageA(parent, WM_NEXTDLGCTL, 0, FALSE);
    }
    if ((IsWindowEnabled(control) != FALSE) != (on != FALSE))
        EnableWindow(control, on);
}

void CCmdUI::SetCheck(int check) {
    if (m_pOther == nullptr || m_pOther->m_hWnd == nullptr || !IsCheckableButton(m_pOther->m_hWnd))
        return;
    if (SendMessageA(m_pOther->m_hWnd, BM_GETCHECK, 0, 0) != check)
        SendMessageA(m_pOther->m_hWnd, BM_SETCHECK, static_cast<WPARAM>(check), 0);
}

void CCmdUI::SetText(LPCSTR text) {
    if (m_pOther == nullptr || m_pOther->m_hWnd == nullptr || text == nullptr)
        return;
    CString current;
    m_pOther->GetWindowText(current);
    // Unchanged text is left alone: rewriting it would send change notifications every idle.
    if (current != text)
        m_pOther->SetWindowText(text);
}

BOOL CCmdUI::DoUpdate(CCmdTarget *target, BOOL disableIfNoHandler) {
    if (target == nullptr)
        return FALSE;
    m_bEnableChanged = FALSE;
    BOOL handled = target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this);
    if (!handled && disableIfNoHandler && !m_bEnableChanged)
        Enable(target->HasCommandHandler(m_nID));
    return handled;
}
