#include "user/dialog/dialog_focus.h"

#include "user/dialog/dialog_navigation.h"

#include <initializer_list>

namespace win32::user::dialog {

namespace {

bool IsPushButton(HWND hwnd) {
    return hwnd && (DialogCode(hwnd) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

void SetButtonLook(HWND button, bool asDefault) {
    const DWORD style = static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE));
    const DWORD type = asDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    SendMessageA(button, BM_SETSTYLE, (style & ~static_cast<DWORD>(BS_TYPEMASK)) | type, TRUE);
}

// The first child push button created as the default one.
HWND FindDefPushButton(HWND hDlg) {
    for (HWND child : ControlsInTabOrder(hDlg))
        if (DialogCode(child) & DLGC_DEFPUSHBUTTON)
            return child;
    return nullptr;
}

// Before any look changes, the dialog's default is fixed, so that a push button that only looks
// default while focused is never taken for it.
void CaptureDefault(HWND hDlg, DialogData &data) {
    if (data.hasDefId)
        return;
    HWND button = FindDefPushButton(hDlg);
    data.defId = button ? static_cast<WORD>(GetDlgCtrlID(button)) : 0;
    data.hasDefId = true;
}

HWND DefaultButton(HWND hDlg, DialogData &data) {
    const WORD id = DefaultId(hDlg, data);
    return id ? GetDlgItem(hDlg, id) : nullptr;
}

// The focused push button looks default; with the focus elsewhere, the dialog's default does.
void ApplyDefaultLook(HWND hDlg, DialogData &data, HWND focus, std::initializer_list<HWND> formerLooks) {
    CaptureDefault(hDlg, data);
    HWND def = DefaultButton(hDlg, data);
    HWND target = IsPushButton(focus) ? focus : def;
    auto drop = [target](HWND h) {
        if (h && h != target && IsWindow(h) && (DialogCode(h) & DLGC_DEFPUSHBUTTON))
            SetButtonLook(h, false);
    };
    for (HWND h : formerLooks)
        drop(h);
    drop(def);
    if (target && (DialogCode(target) & DLGC_UNDEFPUSHBUTTON))
        SetButtonLook(target, true);
}

} // namespace

HWND FocusInDialog(HWND hDlg) {
    HWND focus = GetFocus();
    return focus && (focus == hDlg || IsChild(hDlg, focus)) ? focus : nullptr;
}

void SetDialogFocus(HWND hDlg, HWND control) {
    if (!control || !IsWindow(control))
        return;
    HWND old = FocusInDialog(hDlg);
    if (DialogData *data = DataOf(hDlg))
        ApplyDefaultLook(hDlg, *data, control, {old});
    SetFocus(control);
    if (IsWindow(control) && (DialogCode(control) & DLGC_HASSETSEL))
        SendMessageA(control, EM_SETSEL, 0, -1);
}

void SaveDialogFocus(HWND hDlg, DialogData &data) {
    HWND focus = FocusInDialog(hDlg);
    if (focus && focus != hDlg)
        data.savedFocus = focus;
}

void RestoreDialogFocus(HWND hDlg, DialogData &data) {
    HWND saved = data.savedFocus;
    if (saved && IsWindow(saved) && IsChild(hDlg, saved) && IsUsableControl(hDlg, saved)) {
        SetFocus(saved);
        return;
    }
    data.savedFocus = nullptr;
    if (HWND first = GetNextDlgTabItem(hDlg, nullptr, FALSE))
        SetDialogFocus(hDlg, first);
}

WORD DefaultId(HWND hDlg, DialogData &data) {
    if (data.hasDefId)
        return data.defId;
    HWND button = FindDefPushButton(hDlg);
    return button ? static_cast<WORD>(GetDlgCtrlID(button)) : 0;
}

void SetDefaultId(HWND hDlg, DialogData &data, WORD id) {
    CaptureDefault(hDlg, data);
    HWND old = DefaultButton(hDlg, data);
    data.defId = id;
    ApplyDefaultLook(hDlg, data, FocusInDialog(hDlg), {old});
}

} // namespace win32::user::dialog
