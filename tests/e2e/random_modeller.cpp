#include "random_modeller.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {
enum class ControlKind { Edit, Combo, List, Button, Other };

ControlKind KindOf(HWND control)
{
    char name[32] = "";
    GetClassNameA(control, name, sizeof name);
    if (lstrcmpiA(name, "Edit") == 0)
        return ControlKind::Edit;
    if (lstrcmpiA(name, "ComboBox") == 0)
        return ControlKind::Combo;
    if (lstrcmpiA(name, "ListBox") == 0)
        return ControlKind::List;
    if (lstrcmpiA(name, "Button") == 0)
        return ControlKind::Button;
    return ControlKind::Other;
}

// As a person sees it: shown, enabled, and in a window that takes input (not one under a modal dialog).
bool Usable(HWND control)
{
    return control && IsWindowVisible(control) && IsWindowEnabled(control) &&
           IsWindowEnabled(GetAncestor(control, GA_ROOT));
}

bool Editable(HWND control)
{
    const ControlKind kind = KindOf(control);
    if (kind == ControlKind::Edit)
        return true;
    return kind == ControlKind::Combo && (GetWindowLongA(control, GWL_STYLE) & 3) != CBS_DROPDOWNLIST;
}

struct Candidates {
    std::span<const int> spared;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND control, LPARAM lParam)
{
    auto *candidates = reinterpret_cast<Candidates *>(lParam);
    // A combo box's own edit is reached through the combo box.
    if (KindOf(control) == ControlKind::Other || KindOf(GetParent(control)) == ControlKind::Combo)
        return TRUE;
    const int id = GetDlgCtrlID(control);
    if (Usable(control) && std::find(candidates->spared.begin(), candidates->spared.end(), id) == candidates->spared.end())
        candidates->found.push_back(control);
    return TRUE;
}
} // namespace

const char *RandomModeller::AnyText()
{
    static const char *const texts[] = {"X",   "123", "A B", "",    "0",  "0.0",
                                        "-1",  "2",   "N+1", "7.5", "VERY-LONG-TEXT-THAT-GOES-ON-AND-ON-PAST-EVERY-LIMIT"};
    return texts[Pick(std::size(texts))];
}

bool RandomModeller::TypeInto(HWND control)
{
    if (!Usable(control) || !Editable(control))
        return false;
    Modeller::Type(control, AnyText());
    return true;
}

bool RandomModeller::ChooseIn(HWND control)
{
    if (!Usable(control))
        return false;
    const bool list = KindOf(control) == ControlKind::List;
    const int count = static_cast<int>(SendMessageA(control, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0));
    if (count <= 0)
        return false;
    Modeller::Choose(control, Pick(static_cast<size_t>(count)));
    return true;
}

bool RandomModeller::Click(HWND button)
{
    if (!Usable(button))
        return false;
    Modeller::Click(button);
    return true;
}

bool RandomModeller::Paste(HWND control)
{
    // A combo box's own field renames rows as it changes; descriptions put past their limit there have a
    // test of their own.
    if (!Usable(control) || !Editable(control) || KindOf(GetParent(control)) == ControlKind::Combo)
        return false;
    const std::string text(90 + static_cast<size_t>(Pick(60)), 'P');
    Modeller::Focus(control);
    SetWindowTextA(control, text.c_str());
    return true;
}

bool RandomModeller::ActOnAnyControl(HWND window, std::span<const int> spared)
{
    Candidates candidates{spared, {}};
    EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&candidates));
    if (candidates.found.empty())
        return false;
    HWND control = candidates.found[static_cast<size_t>(Pick(candidates.found.size()))];
    switch (KindOf(control)) {
    case ControlKind::Edit:
        return TypeInto(control);
    case ControlKind::Combo:
        return Editable(control) && Chance(40) ? TypeInto(control) : ChooseIn(control);
    case ControlKind::List:
        return ChooseIn(control);
    default:
        return Click(control);
    }
}

void RandomModeller::SwitchPage(HWND sheet)
{
    HWND tabs = FindWindowExA(sheet, nullptr, WC_TABCONTROLA, nullptr);
    const int pages = tabs ? static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0)) : 0;
    if (pages > 0)
        SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(Pick(static_cast<size_t>(pages))), 0);
}

void RandomModeller::Run(int count, std::function<void()> step, std::function<bool()> end)
{
    m_window = nullptr;
    Next(std::make_shared<RunState>(RunState{++m_run, count, std::move(step), std::move(end)}));
}

void RandomModeller::Next(std::shared_ptr<RunState> state)
{
    m_driver.Then([this, state](Modeller &) {
        if (state->run != m_run)
            return;
        if (!m_window)
            m_window = GetActiveWindow();
        // The next step is queued first: this one may open a modal box at once, whose loop then runs it.
        Next(state);
        if (state->remaining > 0) {
            --state->remaining;
            state->step();
        } else if (state->end()) {
            state->run = 0;
        }
    });
}

void RandomModeller::ActInNestedDialog(HWND active)
{
    const int roll = Pick(100);
    if (roll < 8)
        Modeller::Escape();
    else if (roll < 11)
        Modeller::Enter();
    else
        ActOnAnyControl(active);
}

bool RandomModeller::CloseDialogAbove(HWND sheet, int attempt)
{
    HWND active = GetActiveWindow();
    if (active == sheet)
        return false;
    if (attempt % 4 == 0)
        PostMessageA(active, WM_COMMAND, IDCANCEL, 0);
    else
        Modeller::Escape();
    return true;
}
