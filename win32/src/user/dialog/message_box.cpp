// MessageBoxA: a real modal dialog built from an in-memory template (icon, word-wrapped text,
// buttons) and run by the same modal loop as DialogBox*.
#include "user/dialog/dialog_create.h"
#include "user/dialog/dialog_template_writer.h"
#include "user/dialog/modal_loop.h"

#include <algorithm>
#include <string>
#include <vector>

namespace win32::user::dialog {

namespace {

constexpr WORD kButtonClass = kButtonClassOrdinal;
constexpr WORD kStaticClass = kStaticClassOrdinal;
constexpr WORD kIconId = 20;
constexpr WORD kTextId = 0xFFFF;

// Layout in dialog units.
constexpr short kMargin = 7;
constexpr short kButtonWidth = 50;
constexpr short kButtonHeight = 14;
constexpr short kButtonGap = 4;
constexpr short kMinClientWidth = 100;

struct ButtonSpec {
    WORD id;
    const char *caption;
};

struct MessageBoxState {
    UINT type = 0;
    HWND owner = nullptr;
    std::vector<WORD> ids;
    WORD defaultId = IDOK;
    HICON icon = nullptr;
};

std::vector<ButtonSpec> ButtonsFor(UINT type) {
    const ButtonSpec ok{IDOK, "OK"}, cancel{IDCANCEL, "Cancel"}, abort{IDABORT, "&Abort"}, retry{IDRETRY, "&Retry"},
        ignore{IDIGNORE, "&Ignore"}, yes{IDYES, "&Yes"}, no{IDNO, "&No"}, help{IDHELP, "Help"};
    std::vector<ButtonSpec> buttons;
    switch (type & MB_TYPEMASK) {
    case MB_OK:
        buttons = {ok};
        break;
    case MB_OKCANCEL:
        buttons = {ok, cancel};
        break;
    case MB_ABORTRETRYIGNORE:
        buttons = {abort, retry, ignore};
        break;
    case MB_YESNOCANCEL:
        buttons = {yes, no, cancel};
        break;
    case MB_YESNO:
        buttons = {yes, no};
        break;
    case MB_RETRYCANCEL:
        buttons = {retry, cancel};
        break;
    default:
        return {};
    }
    if (type & MB_HELP)
        buttons.push_back(help);
    return buttons;
}

LPCSTR IconNameFor(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return IDI_HAND;
    case MB_ICONQUESTION:
        return IDI_QUESTION;
    case MB_ICONEXCLAMATION:
        return IDI_EXCLAMATION;
    case MB_ICONASTERISK:
        return IDI_ASTERISK;
    default:
        return nullptr;
    }
}

WORD DefaultButtonId(UINT type, const std::vector<ButtonSpec> &buttons) {
    const size_t index = (type & MB_DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index].id : buttons.front().id;
}

// The text's size in pixels, word-wrapped at `maxWidth`, in the system font the static draws with.
SIZE MeasureText(const char *text, int maxWidth) {
    SIZE size{0, 0};
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc)
        return size;
    HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    RECT r{0, 0, maxWidth, 0};
    DrawTextA(dc, text, -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    size.cx = r.right - r.left;
    size.cy = r.bottom - r.top;
    if (old)
        SelectObject(dc, old);
    DeleteDC(dc);
    return size;
}

short ToDialogUnitsX(int pixels, int baseX) {
    return static_cast<short>((pixels * 4 + baseX - 1) / baseX);
}

short ToDialogUnitsY(int pixels, int baseY) {
    return static_cast<short>((pixels * 8 + baseY - 1) / baseY);
}

DialogTemplateWriter BuildTemplate(const char *text, const char *caption, UINT type,
                                   const std::vector<ButtonSpec> &buttons, WORD defaultId) {
    const LONG units = GetDialogBaseUnits();
    const int baseX = std::max(1, static_cast<int>(LOWORD(units)));
    const int baseY = std::max(1, static_cast<int>(HIWORD(units)));
    const SIZE textPixels = MeasureText(text, GetSystemMetrics(SM_CXSCREEN) * 5 / 8);
    const short textWidth = ToDialogUnitsX(textPixels.cx, baseX);
    const short textHeight = std::max(ToDialogUnitsY(textPixels.cy, baseY), static_cast<short>(8));

    const bool hasIcon = IconNameFor(type) != nullptr;
    const short iconWidth = hasIcon ? ToDialogUnitsX(GetSystemMetrics(SM_CXICON), baseX) : 0;
    const short iconHeight = hasIcon ? ToDialogUnitsY(GetSystemMetrics(SM_CYICON), baseY) : 0;
    const short textX = hasIcon ? kMargin + iconWidth + kMargin : kMargin;
    const short contentHeight = std::max(textHeight, iconHeight);

    const auto count = static_cast<short>(buttons.size());
    const short buttonsWidth = static_cast<short>(count * kButtonWidth + (count - 1) * kButtonGap);
    const short clientWidth = std::max({static_cast<short>(textX + textWidth + kMargin),
                                        static_cast<short>(buttonsWidth + 2 * kMargin), kMinClientWidth});
    const short buttonsY = static_cast<short>(kMargin + contentHeight + kMargin);
    const short clientHeight = static_cast<short>(buttonsY + kButtonHeight + kMargin);

    DWORD exStyle = 0;
    if (type & (MB_TOPMOST | MB_SYSTEMMODAL))
        exStyle |= WS_EX_TOPMOST;
    DialogTemplateWriter writer(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, exStyle,
                                caption ? caption : "Error", clientWidth, clientHeight);
    if (hasIcon)
        writer.AddItem(kStaticClass, "", kIconId, WS_VISIBLE | SS_ICON, kMargin, kMargin, iconWidth, iconHeight);
    const short textY = static_cast<short>(kMargin + (contentHeight - textHeight) / 2);
    writer.AddItem(kStaticClass, text, kTextId, WS_VISIBLE | WS_GROUP | SS_LEFT | SS_NOPREFIX, textX, textY,
                   textWidth, textHeight);
    short x = static_cast<short>((clientWidth - buttonsWidth) / 2);
    for (size_t i = 0; i < buttons.size(); ++i) {
        DWORD style = WS_VISIBLE | WS_TABSTOP | (buttons[i].id == defaultId ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        if (i == 0)
            style |= WS_GROUP;
        writer.AddItem(kButtonClass, buttons[i].caption, buttons[i].id, style, x, buttonsY, kButtonWidth,
                       kButtonHeight);
        x = static_cast<short>(x + kButtonWidth + kButtonGap);
    }
    return writer;
}

MessageBoxState *StateOf(HWND hDlg) {
    return reinterpret_cast<MessageBoxState *>(static_cast<LONG_PTR>(GetWindowLongA(hDlg, DWL_USER)));
}

bool HasButton(const MessageBoxState &state, WORD id) {
    return std::find(state.ids.begin(), state.ids.end(), id) != state.ids.end();
}

void SendHelp(HWND hDlg, const MessageBoxState &state) {
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.hItemHandle = hDlg;
    GetCursorPos(&info.MousePos);
    SendMessageA(state.owner ? state.owner : hDlg, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

// Escape and closing mean Cancel; without a Cancel button a lone OK answers them, and boxes that
// ask a real question (Yes/No, Abort/Retry/Ignore) ignore them.
void OnCommand(HWND hDlg, MessageBoxState &state, WORD id) {
    if (id == IDHELP && HasButton(state, IDHELP)) {
        SendHelp(hDlg, state);
        return;
    }
    if (id == IDCANCEL && !HasButton(state, IDCANCEL)) {
        if ((state.type & MB_TYPEMASK) == MB_OK)
            EndDialog(hDlg, IDOK);
        return;
    }
    if (HasButton(state, id))
        EndDialog(hDlg, id);
}

INT_PTR CALLBACK MessageBoxProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG: {
        auto *state = reinterpret_cast<MessageBoxState *>(lParam);
        SetWindowLongA(hDlg, DWL_USER, static_cast<LONG>(lParam));
        if (state->icon)
            SendDlgItemMessageA(hDlg, kIconId, STM_SETICON, reinterpret_cast<WPARAM>(state->icon), 0);
        if (HWND button = GetDlgItem(hDlg, state->defaultId))
            SendMessageA(hDlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), TRUE);
        return FALSE;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            if (MessageBoxState *state = StateOf(hDlg))
                OnCommand(hDlg, *state, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

} // namespace win32::user::dialog

using namespace win32::user::dialog;

int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    if (hWnd && !IsWindow(hWnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    const std::vector<ButtonSpec> buttons = ButtonsFor(uType);
    if (buttons.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    MessageBoxState state;
    state.type = uType;
    state.owner = ModalOwner(hWnd);
    for (const ButtonSpec &b : buttons)
        state.ids.push_back(b.id);
    state.defaultId = DefaultButtonId(uType, buttons);
    if (LPCSTR icon = IconNameFor(uType))
        state.icon = LoadIconA(nullptr, icon);

    const DialogTemplateWriter writer = BuildTemplate(lpText ? lpText : "", lpCaption, uType, buttons, state.defaultId);
    MessageBeep(uType & MB_ICONMASK);
    HWND hDlg = CreateDialogFromTemplate(nullptr, writer.Template(), writer.Size(), state.owner, MessageBoxProc,
                                         reinterpret_cast<LPARAM>(&state), ShowMode::Hidden);
    if (!hDlg)
        return 0;
    const INT_PTR result = RunModalDialog(hDlg, state.owner, MSGF_MESSAGEBOX);
    return result > 0 ? static_cast<int>(result) : 0;
}
