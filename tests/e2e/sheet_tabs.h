// The tabs of the property sheet the modeller sees.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include <string>

// The sheet's tabs, each followed by "|".
inline std::string PageNames(HWND sheet)
{
    HWND tabs = FindWindowExA(sheet, nullptr, WC_TABCONTROLA, nullptr);
    std::string names;
    const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[64] = "";
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        names += std::string(text) + "|";
    }
    return names;
}
