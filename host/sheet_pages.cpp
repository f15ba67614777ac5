#include "sheet_pages.h"

#include <commctrl.h>
#include <prsht.h>

#include <cctype>

namespace {
HWND Tabs(HWND sheet)
{
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
}
} // namespace

void SwitchPage(int index)
{
    SendMessageA(GetActiveWindow(), PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

HWND PageControl(int id)
{
    return GetDlgItem(reinterpret_cast<HWND>(SendMessageA(GetActiveWindow(), PSM_GETCURRENTPAGEHWND, 0, 0)), id);
}

int PageCount(HWND sheet)
{
    return static_cast<int>(SendMessageA(Tabs(sheet), TCM_GETITEMCOUNT, 0, 0));
}

int CurrentPage(HWND sheet)
{
    return static_cast<int>(SendMessageA(Tabs(sheet), TCM_GETCURSEL, 0, 0));
}

std::string PageName(HWND sheet, int index)
{
    char caption[64] = "";
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    item.cchTextMax = sizeof caption;
    SendMessageA(Tabs(sheet), TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    std::string name;
    for (const char *c = caption; *c; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c)))
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
    return name.empty() ? "page" + std::to_string(index + 1) : name;
}
