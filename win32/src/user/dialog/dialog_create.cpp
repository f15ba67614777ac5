// CreateDialogParamA / CreateDialogIndirectParamA: the dialog window, its font, its controls in
// template order, WM_INITDIALOG and the initial focus.
#include "user/dialog/dialog_create.h"

#include "user/dialog/dialog_data.h"
#include "user/dialog/dialog_focus.h"
#include "user/dialog/dialog_template.h"
#include "user/dialog/dialog_units.h"

#include <string>

namespace win32::user::dialog {

namespace {

constexpr char kDialogClass[] = "#32770";

struct WindowStyles {
    DWORD style;
    DWORD exStyle;
};

WindowStyles StylesFor(const DialogTemplate &t) {
    WindowStyles s{t.style & ~static_cast<DWORD>(WS_VISIBLE), t.exStyle};
    if (s.style & DS_MODALFRAME)
        s.exStyle |= WS_EX_DLGMODALFRAME;
    if (s.style & DS_CONTROL) {
        // A dialog inside another dialog (a property page): a plain child whose controls join the
        // parent's tab order.
        s.style &= ~static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_POPUP);
        s.style |= WS_CHILD;
        s.exStyle = (s.exStyle & ~static_cast<DWORD>(WS_EX_DLGMODALFRAME)) | WS_EX_CONTROLPARENT;
    }
    return s;
}

// Keeps a rectangle of a top-level window on the screen.
void KeepOnScreen(RECT &r) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int dx = 0, dy = 0;
    if (r.right > screenWidth)
        dx = screenWidth - r.right;
    if (r.left + dx < 0)
        dx = -r.left;
    if (r.bottom > screenHeight)
        dy = screenHeight - r.bottom;
    if (r.top + dy < 0)
        dy = -r.top;
    OffsetRect(&r, dx, dy);
}

// The window rectangle: the template gives the client area in dialog units, relative to the
// parent's client area (the screen with DS_ABSALIGN).
RECT PlaceDialog(const DialogTemplate &t, const WindowStyles &s, HWND parent, const SIZE &units, bool hasMenu) {
    RECT r = DialogUnitsToPixels(units, t.x, t.y, t.cx, t.cy);
    AdjustWindowRectEx(&r, s.style, hasMenu, s.exStyle);
    if (s.style & WS_CHILD)
        return r;
    POINT origin{0, 0};
    if (!(t.style & DS_ABSALIGN) && parent)
        ClientToScreen(parent, &origin);
    OffsetRect(&r, origin.x, origin.y);
    if (t.style & DS_CENTER) {
        RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        if (parent)
            GetWindowRect(GetAncestor(parent, GA_ROOT), &area);
        const int width = r.right - r.left;
        const int height = r.bottom - r.top;
        const int x = area.left + (area.right - area.left - width) / 2;
        const int y = area.top + (area.bottom - area.top - height) / 2;
        r = RECT{x, y, x + width, y + height};
    }
    KeepOnScreen(r);
    return r;
}

// An ordinal title names a resource (an SS_ICON static's icon): "#<n>" is the documented string form.
std::string ItemText(const TemplateName &title) {
    switch (title.kind) {
    case TemplateName::Kind::Ordinal:
        return "#" + std::to_string(title.ordinal);
    case TemplateName::Kind::Text:
        return title.text;
    case TemplateName::Kind::None:
        break;
    }
    return std::string();
}

HWND CreateControl(HWND hDlg, HINSTANCE instance, const TemplateItem &item, const SIZE &units) {
    const RECT r = DialogUnitsToPixels(units, item.x, item.y, item.cx, item.cy);
    const DWORD style = (item.style | WS_CHILD) & ~static_cast<DWORD>(WS_POPUP);
    const std::string text = ItemText(item.title);
    void *creationData = item.creationData.empty() ? nullptr : const_cast<WORD *>(item.creationData.data());
    return CreateWindowExA(item.exStyle | WS_EX_NOPARENTNOTIFY, item.className.AsResourceName(), text.c_str(), style,
                           r.left, r.top, r.right - r.left, r.bottom - r.top, hDlg,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), instance, creationData);
}

// Creates the controls in template order; false when one failed and the template does not allow it.
bool CreateControls(HWND hDlg, HINSTANCE instance, const DialogTemplate &t, HFONT font, const SIZE &units) {
    for (const TemplateItem &item : t.items) {
        if (!IsWindow(hDlg))
            return false;
        HWND control = CreateControl(hDlg, instance, item, units);
        if (!control) {
            if (t.style & DS_NOFAILCREATE)
                continue;
            return false;
        }
        if (font)
            SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return IsWindow(hDlg);
}

void FailCreation(HWND hDlg) {
    const DWORD error = GetLastError();
    if (IsWindow(hDlg))
        DestroyWindow(hDlg);
    SetLastError(error ? error : ERROR_INVALID_PARAMETER);
}

// Creates the dialog window itself with its private data and procedure attached.
HWND CreateDialogWindow(HINSTANCE instance, const DialogTemplate &t, HWND parent, DLGPROC proc, LPARAM param,
                        HFONT *font, SIZE *units) {
    auto *record = new DialogData;
    record->font = CreateTemplateFont(t);
    record->baseUnits = FontBaseUnits(record->font);
    *font = record->font;
    *units = record->baseUnits;

    const WindowStyles styles = StylesFor(t);
    const bool child = (styles.style & WS_CHILD) != 0;
    HMENU menu = nullptr;
    if (!child && t.menu.kind != TemplateName::Kind::None)
        menu = LoadMenuA(instance, t.menu.AsResourceName());
    const RECT r = PlaceDialog(t, styles, parent, record->baseUnits, menu != nullptr);
    LPCSTR className = t.className.kind == TemplateName::Kind::None ? kDialogClass : t.className.AsResourceName();

    PendingDialog pending(record, proc);
    HWND hwnd = CreateWindowExA(styles.exStyle, className, t.title.text.c_str(), styles.style, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, parent, menu, instance,
                                reinterpret_cast<LPVOID>(param));
    if (!hwnd) {
        if (menu)
            DestroyMenu(menu);
        return nullptr;
    }
    if (!pending.AttachTo(hwnd)) {
        // A dialog class must leave DLGWINDOWEXTRA bytes for the dialog manager.
        DestroyWindow(hwnd);
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return hwnd;
}

void SetInitialFocus(HWND hDlg, HWND firstTabStop) {
    HWND target = firstTabStop && IsWindow(firstTabStop) && IsChild(hDlg, firstTabStop)
                      ? firstTabStop
                      : GetNextDlgTabItem(hDlg, nullptr, FALSE);
    if (target)
        SetDialogFocus(hDlg, target);
}

} // namespace

HWND CreateDialogFromTemplate(HINSTANCE instance, const void *data, size_t size, HWND parent, DLGPROC proc,
                              LPARAM param, ShowMode show) {
    const std::optional<DialogTemplate> parsed = ParseDialogTemplate(data, size);
    if (!parsed) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (parent && !IsWindow(parent)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    const DialogTemplate &t = *parsed;
    HFONT font = nullptr;
    SIZE units{};
    HWND hDlg = CreateDialogWindow(instance, t, parent, proc, param, &font, &units);
    if (!hDlg)
        return nullptr;

    if (font)
        SendMessageA(hDlg, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (!CreateControls(hDlg, instance, t, font, units)) {
        FailCreation(hDlg);
        return nullptr;
    }

    HWND firstTabStop = GetNextDlgTabItem(hDlg, nullptr, FALSE);
    const LRESULT setFocus =
        SendMessageA(hDlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstTabStop), param);
    if (!IsWindow(hDlg)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if (setFocus)
        SetInitialFocus(hDlg, firstTabStop);
    DialogData *record = DataOf(hDlg);
    if (show == ShowMode::AsTemplate && (t.style & WS_VISIBLE) && !(record && record->ended))
        ShowWindow(hDlg, SW_SHOWNORMAL);
    return IsWindow(hDlg) ? hDlg : nullptr;
}

bool FindDialogResource(HINSTANCE instance, LPCSTR name, const void **data, size_t *size) {
    SetLastError(ERROR_SUCCESS);
    HRSRC resource = FindResourceA(instance, name, RT_DIALOG);
    if (!resource) {
        if (GetLastError() == ERROR_SUCCESS)
            SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return false;
    }
    HGLOBAL loaded = LoadResource(instance, resource);
    const void *bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) {
        if (GetLastError() == ERROR_SUCCESS)
            SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return false;
    }
    *data = bytes;
    *size = SizeofResource(instance, resource);
    return true;
}

} // namespace win32::user::dialog

using namespace win32::user::dialog;

HWND WINAPI CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
    const void *data = nullptr;
    size_t size = 0;
    if (!FindDialogResource(hInstance, lpTemplateName, &data, &size))
        return nullptr;
    return CreateDialogFromTemplate(hInstance, data, size, hWndParent, lpDialogFunc, dwInitParam,
                                    ShowMode::AsTemplate);
}

HWND WINAPI CreateDialogIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA lpTemplate, HWND hWndParent,
                                       DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    return CreateDialogFromTemplate(hInstance, lpTemplate, kUnsizedTemplateBound, hWndParent, lpDialogFunc,
                                    dwInitParam, ShowMode::AsTemplate);
}
