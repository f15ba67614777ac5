#include "comdlg/color_dialog_template.h"

#include <colordlg.h>


namespace win32::comdlg {

namespace {

constexpr WORD kButton = user::dialog::kButtonClassOrdinal;
constexpr WORD kEdit = user::dialog::kEditClassOrdinal;
constexpr WORD kStatic = user::dialog::kStaticClassOrdinal;
constexpr WORD kNoId = 0xFFFF;

constexpr short kWidth = 298;
constexpr short kHeight = 184;

constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kPicture = WS_VISIBLE | SS_OWNERDRAW;
constexpr DWORD kValue = WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL | ES_NUMBER;
constexpr DWORD kPush = WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON;

struct Item {
    WORD classOrdinal;
    const char *text;
    WORD id;
    DWORD style;
    short x, y, cx, cy;
};

// In tab order; a label comes right before the control its mnemonic moves to.
constexpr Item kItems[] = {
    {kStatic, "&Basic colors:", kNoId, kLabel, 4, 4, 140, 9},
    {kStatic, "", COLOR_BOX1, kPicture, 4, 14, 140, 86},
    {kStatic, "&Custom colors:", kNoId, kLabel, 4, 106, 140, 9},
    {kStatic, "", COLOR_CUSTOM1, kPicture, 4, 116, 140, 28},
    {kButton, "&Define Custom Colors >>", COLOR_MIX, kPush, 4, 150, 140, 14},
    {kButton, "OK", IDOK, WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 4, 166, 44, 14},
    {kButton, "Cancel", IDCANCEL, kPush, 52, 166, 44, 14},
    {kButton, "&Help", kHelpButtonId, kPush, 100, 166, 44, 14},
    {kStatic, "", COLOR_RAINBOW, kPicture, 152, 4, 118, 116},
    {kStatic, "", COLOR_LUMSCROLL, kPicture, 280, 4, 8, 116},
    {kStatic, "", COLOR_CURRENT, kPicture | WS_BORDER, 152, 124, 40, 26},
    {kStatic, "Color|S&olid", COLOR_SOLID_LEFT, kLabel, 152, 152, 44, 9},
    {kStatic, "Hu&e:", COLOR_HUEACCEL, kLabel | SS_RIGHT, 194, 126, 20, 9},
    {kEdit, "", COLOR_HUE, kValue, 216, 124, 18, 12},
    {kStatic, "&Sat:", COLOR_SATACCEL, kLabel | SS_RIGHT, 194, 140, 20, 9},
    {kEdit, "", COLOR_SAT, kValue, 216, 138, 18, 12},
    {kStatic, "&Lum:", COLOR_LUMACCEL, kLabel | SS_RIGHT, 194, 154, 20, 9},
    {kEdit, "", COLOR_LUM, kValue, 216, 152, 18, 12},
    {kStatic, "&Red:", COLOR_REDACCEL, kLabel | SS_RIGHT, 238, 126, 29, 9},
    {kEdit, "", COLOR_RED, kValue, 269, 124, 22, 12},
    {kStatic, "&Green:", COLOR_GREENACCEL, kLabel | SS_RIGHT, 238, 140, 29, 9},
    {kEdit, "", COLOR_GREEN, kValue, 269, 138, 22, 12},
    {kStatic, "Bl&ue:", COLOR_BLUEACCEL, kLabel | SS_RIGHT, 238, 154, 29, 9},
    {kEdit, "", COLOR_BLUE, kValue, 269, 152, 22, 12},
    {kButton, "&Add to Custom Colors", COLOR_ADD, kPush, 152, 166, 139, 14},
};

} // namespace

user::dialog::DialogTemplateWriter BuildColorDialogTemplate() {
    user::dialog::DialogTemplateWriter writer(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK, 0,
                                              "Color", kWidth, kHeight);
    for (const Item &item : kItems)
        writer.AddItem(item.classOrdinal, item.text, item.id, WS_CHILD | item.style, item.x, item.y, item.cx,
                       item.cy);
    return writer;
}

} // namespace win32::comdlg
