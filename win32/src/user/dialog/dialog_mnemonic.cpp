#include "user/dialog/dialog_mnemonic.h"

#include "user/dialog/dialog_navigation.h"

#include <algorithm>
#include <string>
#include <vector>

namespace win32::user::dialog {

namespace {

enum class MnemonicKind { None, PushButton, CheckOrRadio, Label };

char Upper(char ch) {
    char buffer[2] = {ch, '\0'};
    CharUpperBuffA(buffer, 1);
    return buffer[0];
}

// The character after the first single '&' ("&&" is a literal ampersand), 0 when there is none.
char MnemonicOf(const std::string &text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return text[i + 1];
    }
    return 0;
}

bool IsGroupBox(HWND hwnd) {
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    return lstrcmpiA(cls, "Button") == 0 &&
           (static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK) == BS_GROUPBOX;
}

MnemonicKind KindOf(HWND hwnd) {
    const UINT code = DialogCode(hwnd);
    if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))
        return MnemonicKind::PushButton;
    if (IsGroupBox(hwnd))
        return MnemonicKind::Label;
    if (code & (DLGC_BUTTON | DLGC_RADIOBUTTON))
        return MnemonicKind::CheckOrRadio;
    if (code & DLGC_STATIC) {
        if (GetWindowLongA(hwnd, GWL_STYLE) & SS_NOPREFIX)
            return MnemonicKind::None;
        return MnemonicKind::Label;
    }
    return MnemonicKind::None;
}

std::string TextOf(HWND hwnd) {
    char buffer[256] = {};
    GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
}

void Act(HWND hDlg, HWND control, MnemonicKind kind) {
    switch (kind) {
    case MnemonicKind::PushButton:
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
        break;
    case MnemonicKind::CheckOrRadio:
        SendMessageA(hDlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
        if (IsWindow(control))
            SendMessageA(control, BM_CLICK, 0, 0);
        break;
    case MnemonicKind::Label:
        // A label names the control after it: the focus goes to the next tab stop.
        if (HWND next = GetNextDlgTabItem(hDlg, control, FALSE); next && next != control)
            SendMessageA(hDlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
        break;
    case MnemonicKind::None:
        break;
    }
}

} // namespace

bool HandleMnemonic(HWND hDlg, HWND from, char ch) {
    const char wanted = Upper(ch);
    const std::vector<HWND> order = ControlsInTabOrder(hDlg);
    if (order.empty())
        return false;
    const auto at = std::find(order.begin(), order.end(), from);
    const size_t start = at == order.end() ? order.size() - 1 : static_cast<size_t>(at - order.begin());
    for (size_t step = 1; step <= order.size(); ++step) {
        HWND control = order[(start + step) % order.size()];
        if (!IsUsableControl(hDlg, control))
            continue;
        const MnemonicKind kind = KindOf(control);
        if (kind == MnemonicKind::None)
            continue;
        const char mnemonic = MnemonicOf(TextOf(control));
        if (mnemonic && Upper(mnemonic) == wanted) {
            Act(hDlg, control, kind);
            return true;
        }
    }
    return false;
}

} // namespace win32::user::dialog
