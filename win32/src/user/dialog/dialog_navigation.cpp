#include "user/dialog/dialog_navigation.h"

#include <algorithm>

namespace win32::user::dialog {

namespace {

DWORD StyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
}

bool IsContainer(HWND hwnd) {
    return (static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE)) & WS_EX_CONTROLPARENT) != 0;
}

void CollectControls(HWND parent, std::vector<HWND> &out) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsContainer(child))
            CollectControls(child, out);
        else
            out.push_back(child);
    }
}

bool IsTabStop(HWND hDlg, HWND hwnd) {
    return (StyleOf(hwnd) & WS_TABSTOP) && IsUsableControl(hDlg, hwnd);
}

// The dialog a control belongs to for the search: hDlg itself, or an error when hCtl is not inside it.
bool ValidateSearch(HWND hDlg, HWND hCtl) {
    if (!IsWindow(hDlg)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    if (hCtl && hCtl != hDlg && !IsChild(hDlg, hCtl)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    return true;
}

// Steps from `index` through `order` (wrapping) to the first entry other than the start that passes
// `accept`; returns `fallback` when none does.
template <typename Accept>
HWND Cycle(const std::vector<HWND> &order, size_t start, bool previous, Accept accept, HWND fallback) {
    const size_t n = order.size();
    for (size_t step = 1; step <= n; ++step) {
        const size_t i = previous ? (start + n - step % n) % n : (start + step) % n;
        if (accept(order[i]))
            return order[i];
    }
    return fallback;
}

} // namespace

std::vector<HWND> ControlsInTabOrder(HWND hDlg) {
    std::vector<HWND> out;
    CollectControls(hDlg, out);
    return out;
}

bool IsUsableControl(HWND hDlg, HWND hwnd) {
    for (HWND w = hwnd; w && w != hDlg; w = GetParent(w)) {
        const DWORD style = StyleOf(w);
        if (!(style & WS_VISIBLE) || (style & WS_DISABLED))
            return false;
        if (!(style & WS_CHILD))
            break;
    }
    return true;
}

UINT DialogCode(HWND hwnd, const MSG *msg) {
    const WPARAM key = msg ? msg->wParam : 0;
    return static_cast<UINT>(SendMessageA(hwnd, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(msg)));
}

} // namespace win32::user::dialog

using namespace win32::user::dialog;

HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    if (!ValidateSearch(hDlg, hCtl))
        return nullptr;
    const std::vector<HWND> order = ControlsInTabOrder(hDlg);
    if (order.empty())
        return nullptr;
    auto accept = [hDlg](HWND h) { return IsTabStop(hDlg, h); };
    auto at = std::find(order.begin(), order.end(), hCtl);
    if (!hCtl || hCtl == hDlg || at == order.end()) {
        // No starting control: the first tab stop going forward, the last going back.
        const size_t start = bPrevious ? 0 : order.size() - 1;
        return Cycle(order, start, bPrevious != FALSE, accept, nullptr);
    }
    return Cycle(order, static_cast<size_t>(at - order.begin()), bPrevious != FALSE, accept, hCtl);
}

HWND WINAPI GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    if (!ValidateSearch(hDlg, hCtl))
        return nullptr;
    if (!hCtl || hCtl == hDlg) {
        hCtl = GetWindow(hDlg, GW_CHILD);
        if (!hCtl)
            return nullptr;
    }
    // The group: from the nearest WS_GROUP sibling at or before the control up to the next WS_GROUP one.
    HWND parent = GetParent(hCtl);
    std::vector<HWND> siblings;
    for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        siblings.push_back(w);
    const auto at = std::find(siblings.begin(), siblings.end(), hCtl);
    if (at == siblings.end())
        return hCtl;
    auto first = at;
    while (first != siblings.begin() && !(StyleOf(*first) & WS_GROUP))
        --first;
    auto last = at + 1;
    while (last != siblings.end() && !(StyleOf(*last) & WS_GROUP))
        ++last;
    const std::vector<HWND> group(first, last);
    const size_t start = static_cast<size_t>(at - first);
    return Cycle(group, start, bPrevious != FALSE, [hDlg](HWND h) { return IsUsableControl(hDlg, h); }, hCtl);
}
