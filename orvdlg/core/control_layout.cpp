#include "core/control_layout.h"

BOOL GetControlRect(const CWnd &dialog, int id, RECT &rect)
{
    CWnd *control = dialog.GetDlgItem(id);
    if (!control)
        return FALSE;
    control->GetWindowRect(&rect);
    dialog.ScreenToClient(&rect);
    return TRUE;
}

void OffsetControl(const CWnd &dialog, int id, int dx, int dy)
{
    RECT r;
    if (GetControlRect(dialog, id, r))
        dialog.GetDlgItem(id)->MoveWindow(r.left + dx, r.top + dy, r.right - r.left, r.bottom - r.top);
}

void GrowWindow(CWnd &window, int dx, int dy)
{
    RECT r;
    window.GetWindowRect(&r);
    window.SetWindowPos(nullptr, 0, 0, r.right - r.left + dx, r.bottom - r.top + dy,
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
