// ChooseColorA, the system colour chooser, acted on from inside its modal loop as a user would.
#include <gtest/gtest.h>
#include <windows.h>
#include <colordlg.h>
#include <commdlg.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "dialog_test_support.h"
#include "modeller.h"
#include "png_writer.h"

using namespace dialog_test;

namespace {

using Step = std::function<void(HWND chooser)>;

constexpr COLORREF kWhite = RGB(255, 255, 255);

int ValueOf(HWND chooser, int id) {
    return static_cast<int>(GetDlgItemInt(chooser, id, nullptr, FALSE));
}

int WidthOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r.right - r.left;
}

// Select the edit's text and type over it, one character at a time through the queue.
void TypeInto(HWND chooser, int id, const char *text) {
    HWND edit = GetDlgItem(chooser, id);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (const char *c = text; *c; ++c)
        PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(*c), 1);
}

void Click(HWND chooser, int id) {
    PostMessageA(GetDlgItem(chooser, id), BM_CLICK, 0, 0);
}

// A mouse click on the centre of a cell of a colour box (COLOR_BOX1: 6 x 8, COLOR_CUSTOM1: 2 x 8).
void ClickCell(HWND chooser, int boxId, int rows, int row, int column) {
    RECT box{};
    GetWindowRect(GetDlgItem(chooser, boxId), &box);
    MapWindowPoints(nullptr, chooser, reinterpret_cast<POINT *>(&box), 2);
    const int x = box.left + (2 * column + 1) * (box.right - box.left) / 16;
    const int y = box.top + (2 * row + 1) * (box.bottom - box.top) / (2 * rows);
    PostMessageA(chooser, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(chooser, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// The colour painted at the centre of a control, as the window prints itself.
COLORREF PaintedColour(HWND chooser, int id) {
    RECT window{}, control{};
    GetWindowRect(chooser, &window);
    GetWindowRect(GetDlgItem(chooser, id), &control);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, window.right - window.left, window.bottom - window.top);
    HGDIOBJ old = SelectObject(dc, bitmap);
    PrintWindow(chooser, dc, 0);
    const COLORREF colour = GetPixel(dc, (control.left + control.right) / 2 - window.left,
                                     (control.top + control.bottom) / 2 - window.top);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return colour;
}

// A picture of the chooser for people to look at, in the temporary directory.
void SavePicture(HWND chooser) {
    std::error_code error;
    const std::filesystem::path dir = std::filesystem::temp_directory_path(error);
    if (!error)
        SaveWindowPng(chooser, (dir / "choose_color.png").string().c_str());
}

class ChooseColorTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_owner = CreateWindowExA(0, "#32770", "Owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 40, 40, 300, 200, nullptr,
                                  nullptr, nullptr, nullptr);
        ASSERT_NE(m_owner, nullptr);
        for (COLORREF &c : m_custom)
            c = kWhite;
        m_cc.lStructSize = sizeof m_cc;
        m_cc.hwndOwner = m_owner;
        m_cc.lpCustColors = m_custom;
    }
    void TearDown() override {
        DestroyWindow(m_owner);
        PumpDialog(nullptr);
    }
    // Runs the chooser; each step acts once the queue is empty, the next one after its effects.
    BOOL Run(std::vector<Step> steps) {
        size_t next = 0;
        ScopedIdleHook hook([&](HWND chooser, UINT) {
            if (next < steps.size())
                steps[next++](chooser);
        });
        return ChooseColorA(&m_cc);
    }
    HWND m_owner = nullptr;
    COLORREF m_custom[16] = {};
    CHOOSECOLORA m_cc{};
};

TEST_F(ChooseColorTest, ThePresetColourIsShownAndTypedValuesAreClampedAndReturnedByOk) {
    m_cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    m_cc.rgbResult = RGB(255, 0, 0);
    std::string caption;
    std::vector<int> shown, typed;
    BOOL ownerEnabled = TRUE;
    const BOOL result = Run({
        [&](HWND chooser) {
            char text[64] = {};
            GetWindowTextA(chooser, text, sizeof text);
            caption = text;
            ownerEnabled = IsWindowEnabled(m_owner);
            for (int id : {COLOR_RED, COLOR_GREEN, COLOR_BLUE, COLOR_HUE, COLOR_SAT, COLOR_LUM})
                shown.push_back(ValueOf(chooser, id));
            TypeInto(chooser, COLOR_GREEN, "128");
        },
        [&](HWND chooser) { TypeInto(chooser, COLOR_BLUE, "999"); },
        [&](HWND chooser) {
            for (int id : {COLOR_RED, COLOR_GREEN, COLOR_BLUE})
                typed.push_back(ValueOf(chooser, id));
            Click(chooser, IDOK);
        },
    });
    EXPECT_TRUE(result);
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_EQ(caption, "Color");
    EXPECT_FALSE(ownerEnabled) << "the owner is disabled while the chooser runs";
    EXPECT_TRUE(IsWindowEnabled(m_owner));
    EXPECT_EQ(shown, (std::vector<int>{255, 0, 0, 0, 240, 120})) << "red, green, blue, hue, sat, lum";
    EXPECT_EQ(typed, (std::vector<int>{255, 128, 255})) << "999 is clamped to 255";
    EXPECT_EQ(m_cc.rgbResult, RGB(255, 128, 255));
}

TEST_F(ChooseColorTest, CancelEscapeAndTheCloseBoxReturnFalseAndKeepTheColour) {
    const std::vector<Step> ways = {
        [](HWND chooser) { Click(chooser, IDCANCEL); },
        [](HWND) { PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1); },
        [](HWND chooser) { PostMessageA(chooser, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (size_t i = 0; i < ways.size(); ++i) {
        m_cc.Flags = CC_RGBINIT | CC_FULLOPEN;
        m_cc.rgbResult = RGB(1, 2, 3);
        EXPECT_FALSE(Run({[](HWND chooser) { TypeInto(chooser, COLOR_RED, "77"); }, ways[i]})) << "way " << i;
        EXPECT_EQ(CommDlgExtendedError(), 0u) << "way " << i;
        EXPECT_EQ(m_cc.rgbResult, RGB(1, 2, 3)) << "way " << i;
        EXPECT_TRUE(IsWindowEnabled(m_owner)) << "way " << i;
    }
}

TEST_F(ChooseColorTest, DefineCustomColorsOpensTheCustomPartUnlessPreventedOrAlreadyOpen) {
    int closedWidth = 0, openWidth = 0;
    bool mixEnabledBefore = false, mixEnabledAfter = true, editInside = false;
    m_cc.Flags = 0; // no CC_RGBINIT: the chooser starts from black
    m_cc.rgbResult = RGB(9, 9, 9);
    EXPECT_TRUE(Run({
        [&](HWND chooser) {
            closedWidth = WidthOf(chooser);
            mixEnabledBefore = IsWindowEnabled(GetDlgItem(chooser, COLOR_MIX));
            Click(chooser, COLOR_MIX);
        },
        [&](HWND chooser) {
            openWidth = WidthOf(chooser);
            mixEnabledAfter = IsWindowEnabled(GetDlgItem(chooser, COLOR_MIX));
            RECT window{}, edit{}, overlap{};
            GetWindowRect(chooser, &window);
            GetWindowRect(GetDlgItem(chooser, COLOR_RED), &edit);
            editInside = IntersectRect(&overlap, &window, &edit) && EqualRect(&overlap, &edit);
            TypeInto(chooser, COLOR_RED, "200");
        },
        [](HWND chooser) { Click(chooser, IDOK); },
    }));
    EXPECT_TRUE(mixEnabledBefore);
    EXPECT_FALSE(mixEnabledAfter);
    EXPECT_GT(openWidth, closedWidth);
    EXPECT_TRUE(editInside) << "the red edit lies within the opened chooser";
    EXPECT_EQ(m_cc.rgbResult, RGB(200, 0, 0));

    for (DWORD flags : {DWORD{CC_PREVENTFULLOPEN}, DWORD{CC_FULLOPEN}}) {
        int width = 0;
        bool mixEnabled = true;
        m_cc.Flags = flags;
        Run({[&](HWND chooser) {
            width = WidthOf(chooser);
            mixEnabled = IsWindowEnabled(GetDlgItem(chooser, COLOR_MIX));
            Click(chooser, IDCANCEL);
        }});
        EXPECT_FALSE(mixEnabled) << "flags " << flags;
        EXPECT_EQ(width, flags == CC_FULLOPEN ? openWidth : closedWidth) << "flags " << flags;
    }
}

TEST_F(ChooseColorTest, ClickedCellsBecomeTheColourAndAddToCustomColorsWritesTheCallersArray) {
    m_cc.Flags = CC_FULLOPEN;
    m_custom[1] = RGB(1, 2, 3);
    std::vector<int> afterBasic;
    COLORREF swatch = 0;
    EXPECT_TRUE(Run({
        [&](HWND chooser) { ClickCell(chooser, COLOR_BOX1, 6, 1, 0); },
        [&](HWND chooser) {
            for (int id : {COLOR_RED, COLOR_GREEN, COLOR_BLUE})
                afterBasic.push_back(ValueOf(chooser, id));
            swatch = PaintedColour(chooser, COLOR_CURRENT);
            Click(chooser, COLOR_ADD);
        },
        [&](HWND chooser) {
            SavePicture(chooser);
            ClickCell(chooser, COLOR_CUSTOM1, 2, 0, 1);
        },
        [](HWND chooser) { Click(chooser, IDOK); },
    }));
    EXPECT_EQ(afterBasic, (std::vector<int>{255, 0, 0})) << "the first cell of the second row is red";
    EXPECT_EQ(swatch, RGB(255, 0, 0));
    EXPECT_EQ(m_custom[0], RGB(255, 0, 0));
    EXPECT_EQ(m_cc.rgbResult, RGB(1, 2, 3)) << "the clicked custom colour";
}

TEST_F(ChooseColorTest, BadStructuresFailWithTheirErrorBeforeAnyDialog) {
    ScopedIdleHook hook([](HWND chooser, UINT) { Click(chooser, IDOK); });
    for (DWORD size : {DWORD{0}, DWORD{sizeof(CHOOSECOLORA) + 4}}) {
        m_cc.lStructSize = size;
        EXPECT_FALSE(ChooseColorA(&m_cc)) << "size " << size;
        EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_STRUCTSIZE)) << "size " << size;
    }
    EXPECT_FALSE(ChooseColorA(nullptr));
    EXPECT_EQ(hook.calls, 0);
}

// A caller's own template needs only the controls it wants; the picture may be a plain static.
TEST_F(ChooseColorTest, ATemplateByHandleIsUsedWithTheControlsItHas) {
    DialogTemplateBuilder builder(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
    builder.Rect(0, 0, 120, 60).Title("Pick");
    builder.Item(TemplateText::Ordinal(kEdit), "", COLOR_RED, WS_CHILD | WS_VISIBLE | WS_BORDER, 4, 4, 30, 12)
        .Item(TemplateText::Ordinal(kStatic), "", COLOR_CURRENT, WS_CHILD | WS_VISIBLE | SS_LEFT, 40, 4, 30, 12)
        .Item(TemplateText::Ordinal(kButton), "OK", IDOK, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 4, 40, 40, 14)
        .Item(TemplateText::Ordinal(kButton), "Cancel", IDCANCEL, WS_CHILD | WS_VISIBLE, 50, 40, 40, 14);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, builder.Size());
    ASSERT_NE(memory, nullptr);
    memcpy(GlobalLock(memory), builder.Get(), builder.Size());
    GlobalUnlock(memory);
    m_cc.Flags = CC_ENABLETEMPLATEHANDLE;
    m_cc.hInstance = reinterpret_cast<HWND>(memory);
    std::string caption;
    COLORREF swatch = 0;
    EXPECT_TRUE(Run({
        [&](HWND chooser) {
            char text[64] = {};
            GetWindowTextA(chooser, text, sizeof text);
            caption = text;
            TypeInto(chooser, COLOR_RED, "99");
        },
        [&](HWND chooser) {
            swatch = PaintedColour(chooser, COLOR_CURRENT);
            Click(chooser, IDOK);
        },
    }));
    GlobalFree(memory);
    EXPECT_EQ(caption, "Pick");
    EXPECT_EQ(swatch, RGB(99, 0, 0));
    EXPECT_EQ(m_cc.rgbResult, RGB(99, 0, 0));
}

struct HookRecord {
    LPARAM initParam = 0;
    LPARAM okParam = 0;
    int refusals = 1; // the hook refuses the first OK
};
HookRecord g_hookRecord;

UINT_PTR CALLBACK RecordingHook(HWND chooser, UINT msg, WPARAM, LPARAM lParam) {
    if (msg == WM_INITDIALOG)
        g_hookRecord.initParam = lParam;
    if (msg == RegisterWindowMessageA(COLOROKSTRINGA)) {
        g_hookRecord.okParam = lParam;
        return g_hookRecord.refusals-- > 0;
    }
    return 0;
}

TEST_F(ChooseColorTest, TheHookGetsTheStructureAtInitAndMayRefuseOk) {
    g_hookRecord = HookRecord{};
    m_cc.Flags = CC_ENABLEHOOK | CC_RGBINIT;
    m_cc.lpfnHook = RecordingHook;
    m_cc.rgbResult = RGB(4, 5, 6);
    bool openAfterRefusal = false;
    EXPECT_TRUE(Run({
        [](HWND chooser) { Click(chooser, IDOK); },
        [&](HWND chooser) {
            openAfterRefusal = IsWindowVisible(chooser);
            Click(chooser, IDOK);
        },
    }));
    EXPECT_EQ(g_hookRecord.initParam, reinterpret_cast<LPARAM>(&m_cc));
    EXPECT_EQ(g_hookRecord.okParam, reinterpret_cast<LPARAM>(&m_cc));
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(m_cc.rgbResult, RGB(4, 5, 6));
}

TEST_F(ChooseColorTest, TheModellerTypesIntoTheRgbEditsAndClicksOk) {
    Modeller modeller;
    modeller.Then([](Modeller &) { Modeller::ClearAndType(COLOR_RED, "12"); });
    modeller.Then([](Modeller &) { Modeller::ClearAndType(COLOR_GREEN, "34"); });
    modeller.Then([](Modeller &) { Modeller::ClearAndType(COLOR_BLUE, "56"); });
    modeller.Then([](Modeller &) { Modeller::Click(IDOK); });
    m_cc.Flags = CC_FULLOPEN;
    EXPECT_TRUE(ChooseColorA(&m_cc));
    EXPECT_TRUE(modeller.Done());
    EXPECT_EQ(m_cc.rgbResult, RGB(12, 34, 56));
}

} // namespace
