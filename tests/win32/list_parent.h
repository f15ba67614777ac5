// A parent window for the list box and combo box tests: it keeps, in order, every WM_COMMAND its
// children send and copies of the owner-draw structures (WM_MEASUREITEM, WM_DRAWITEM,
// WM_DELETEITEM, WM_COMPAREITEM), answers WM_MEASUREITEM with a chosen height and WM_COMPAREITEM by
// comparing item data as numbers.
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

namespace listtest {

struct Command {
    int id;
    int code;
    HWND from;
};

class ListParent {
public:
    ListParent();
    ~ListParent();
    ListParent(const ListParent &) = delete;
    ListParent &operator=(const ListParent &) = delete;

    HWND Hwnd() const { return m_hwnd; }
    // A visible child control of this window.
    HWND Add(const char *className, DWORD style, int id, int x = 10, int y = 10, int width = 150, int height = 100);

    std::vector<int> Codes(HWND from) const;
    void Clear();

    std::vector<Command> commands;
    std::vector<MEASUREITEMSTRUCT> measures;
    std::vector<DRAWITEMSTRUCT> draws;
    std::vector<DELETEITEMSTRUCT> deletes;
    std::vector<COMPAREITEMSTRUCT> compares;
    // The height WM_MEASUREITEM answers (0 leaves the proposed height).
    UINT measureHeight = 0;
    // Called for every WM_COMMAND after it is recorded: to look at the sender during the call.
    std::function<void(const Command &)> onCommand;

private:
    HWND m_hwnd = nullptr;
};

// The visible "ComboLBox" windows of this thread: a dropped combo list.
HWND VisibleComboList();

} // namespace listtest
