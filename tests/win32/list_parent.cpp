#include "list_parent.h"

#include "recording_window.h"

namespace listtest {

ListParent::ListParent() {
    SetRecordingHandler([this](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
        if (hwnd != m_hwnd) {
            return false;
        }
        switch (message) {
        case WM_COMMAND: {
            const Command command{LOWORD(wParam), static_cast<int>(HIWORD(wParam)), reinterpret_cast<HWND>(lParam)};
            commands.push_back(command);
            if (onCommand) {
                onCommand(command);
            }
            result = 0;
            return true;
        }
        case WM_MEASUREITEM: {
            auto *measure = reinterpret_cast<MEASUREITEMSTRUCT *>(lParam);
            measures.push_back(*measure);
            if (measureHeight) {
                measure->itemHeight = measureHeight;
            }
            result = TRUE;
            return true;
        }
        case WM_DRAWITEM:
            draws.push_back(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
            result = TRUE;
            return true;
        case WM_DELETEITEM:
            deletes.push_back(*reinterpret_cast<const DELETEITEMSTRUCT *>(lParam));
            result = TRUE;
            return true;
        case WM_COMPAREITEM: {
            const auto *compare = reinterpret_cast<const COMPAREITEMSTRUCT *>(lParam);
            compares.push_back(*compare);
            result = compare->itemData1 < compare->itemData2 ? -1 : compare->itemData1 > compare->itemData2 ? 1 : 0;
            return true;
        }
        default:
            return false;
        }
    });
    m_hwnd = CreateRecordingWindow(WS_POPUP | WS_VISIBLE);
    if (m_hwnd) {
        SetWindowPos(m_hwnd, nullptr, 0, 0, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

ListParent::~ListParent() {
    if (IsWindow(m_hwnd)) {
        DestroyWindow(m_hwnd);
    }
    SetRecordingHandler(nullptr);
    PumpMessages();
}

HWND ListParent::Add(const char *className, DWORD style, int id, int x, int y, int width, int height) {
    return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, x, y, width, height, m_hwnd,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

std::vector<int> ListParent::Codes(HWND from) const {
    std::vector<int> codes;
    for (const Command &command : commands) {
        if (command.from == from) {
            codes.push_back(command.code);
        }
    }
    return codes;
}

void ListParent::Clear() {
    commands.clear();
    measures.clear();
    draws.clear();
    deletes.clear();
    compares.clear();
}

namespace {

BOOL CALLBACK FindVisibleComboList(HWND hwnd, LPARAM lParam) {
    char name[32] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    if (lstrcmpiA(name, "ComboLBox") == 0 && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND *>(lParam) = hwnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND VisibleComboList() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindVisibleComboList, reinterpret_cast<LPARAM>(&found));
    return found;
}

} // namespace listtest
