// The dialog manager's keyboard interface (IsDialogMessageA): Tab order, radio groups, Enter,
// Escape, mnemonics and the default push button's look.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>

#include "dialog_test_support.h"
#include "win32_tests_ids.h"

using namespace dialog_test;

namespace {

// A control that keeps every key it is given and claims the dialog codes it is told to.
UINT g_keyEaterCode = 0;
std::vector<UINT> g_keyEaterMessages;

LRESULT CALLBACK KeyEaterProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_GETDLGCODE:
        return g_keyEaterCode;
    case WM_KEYDOWN:
    case WM_CHAR:
        g_keyEaterMessages.push_back(msg);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

void RegisterKeyEater() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = KeyEaterProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KeyEater";
    RegisterClassA(&wc);
}

DWORD ButtonType(HWND button) {
    return StyleOf(button) & BS_TYPEMASK;
}

class DialogManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dlg = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_DLG_TABORDER), nullptr,
                                   RecordingDialogProc, 0);
        ASSERT_NE(m_dlg, nullptr);
        ShowWindow(Item(IDC_DLG_HIDDEN), SW_HIDE);
        PumpDialog(m_dlg);
        m_recorder.Clear();
    }
    void TearDown() override {
        if (IsWindow(m_dlg))
            DestroyWindow(m_dlg);
        if (m_other && IsWindow(m_other))
            DestroyWindow(m_other);
        PumpDialog(nullptr);
    }
    HWND Item(int id) const { return GetDlgItem(m_dlg, id); }
    void FocusOn(int id) { SendMessageA(m_dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE); }
    std::string Text(int id) const {
        char text[64] = {};
        GetWindowTextA(Item(id), text, sizeof text);
        return text;
    }
    // A second dialog made in memory with the given controls.
    HWND MakeOther(DialogTemplateBuilder &b) {
        m_other = CreateTestDialog(b);
        return m_other;
    }

    DialogRecorder m_recorder;
    HWND m_dlg = nullptr;
    HWND m_other = nullptr;
};

TEST_F(DialogManagerTest, TabVisitsTabStopsInOrderSkippingDisabledAndHiddenAndWraps) {
    EXPECT_EQ(GetFocus(), Item(IDC_DLG_NAME)) << "the first tab stop has the focus after creation";
    const int order[] = {IDC_DLG_RADIO1, IDC_DLG_CHECK, IDOK, IDCANCEL, IDC_DLG_APPLY, IDC_DLG_NAME};
    SendMessageA(Item(IDC_DLG_NAME), EM_SETSEL, 1, 1);
    for (int id : order) {
        PressKey(m_dlg, VK_TAB);
        EXPECT_EQ(GetFocus(), Item(id)) << "expected control " << id;
    }
    DWORD start = 9, end = 9;
    SendMessageA(Item(IDC_DLG_NAME), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u) << "tabbing into an edit selects all of its text";
    EXPECT_EQ(end, 3u);
    EXPECT_TRUE(m_recorder.commands.empty() ||
                std::all_of(m_recorder.commands.begin(), m_recorder.commands.end(),
                            [](const DialogCommand &c) { return c.code != BN_CLICKED; }))
        << "moving the focus clicks nothing";
}

TEST_F(DialogManagerTest, ShiftTabGoesBackwardsAndWraps) {
    EXPECT_EQ(GetNextDlgTabItem(m_dlg, nullptr, FALSE), Item(IDC_DLG_NAME));
    EXPECT_EQ(GetNextDlgTabItem(m_dlg, nullptr, TRUE), Item(IDC_DLG_APPLY));
    EXPECT_EQ(GetNextDlgTabItem(m_dlg, Item(IDC_DLG_CHECK), TRUE), Item(IDC_DLG_RADIO1));
    EXPECT_EQ(GetNextDlgTabItem(m_dlg, Item(IDC_DLG_LABEL), FALSE), Item(IDC_DLG_NAME))
        << "from a control that is no tab stop, the next one after it";

    PressShiftTab(m_dlg);
    EXPECT_EQ(GetFocus(), Item(IDC_DLG_APPLY));
    PressShiftTab(m_dlg);
    EXPECT_EQ(GetFocus(), Item(IDCANCEL));
    EXPECT_GE(GetKeyState(VK_SHIFT), 0) << "Shift was released again";
    PressKey(m_dlg, VK_TAB);
    EXPECT_EQ(GetFocus(), Item(IDC_DLG_APPLY)) << "without Shift, Tab goes forward";
}

TEST_F(DialogManagerTest, ArrowsMoveWithinTheRadioGroupAndChooseTheButton) {
    FocusOn(IDC_DLG_RADIO1);
    SendMessageA(Item(IDC_DLG_RADIO1), BM_CLICK, 0, 0);
    m_recorder.Clear();

    PressKey(m_dlg, VK_DOWN);
    EXPECT_EQ(GetFocus(), Item(IDC_DLG_RADIO2));
    EXPECT_EQ(IsDlgButtonChecked(m_dlg, IDC_DLG_RADIO2), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(m_dlg, IDC_DLG_RADIO1), static_cast<UINT>(BST_UNCHECKED));
    PressKey(m_dlg, VK_RIGHT);
    EXPECT_EQ(GetFocus(), Item(IDC_DLG_RADIO3));
    PressKey(m_dlg, VK_DOWN);
    EXPECT_EQ(GetFocus(), Item(IDC_DLG_RADIO1)) << "the WS_GROUP of the next control bounds the group";
    PressKey(m_dlg, VK_UP);
    EXPECT_EQ(GetFocus(), Item(IDC_DLG_RADIO3)) << "backwards wraps inside the group too";
    EXPECT_EQ(IsDlgButtonChecked(m_dlg, IDC_DLG_RADIO3), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(m_recorder.CommandIds(),
              (std::vector<int>{IDC_DLG_RADIO2, IDC_DLG_RADIO3, IDC_DLG_RADIO1, IDC_DLG_RADIO3}));

    EnableWindow(Item(IDC_DLG_RADIO1), FALSE);
    EXPECT_EQ(GetNextDlgGroupItem(m_dlg, Item(IDC_DLG_RADIO3), FALSE), Item(IDC_DLG_RADIO2))
        << "disabled members are skipped";
    ShowWindow(Item(IDC_DLG_RADIO2), SW_HIDE);
    EXPECT_EQ(GetNextDlgGroupItem(m_dlg, Item(IDC_DLG_RADIO3), FALSE), Item(IDC_DLG_RADIO3))
        << "hidden ones too; alone in its group, a control finds itself";
}

TEST_F(DialogManagerTest, EnterGoesToTheFocusedPushButtonElseTheDefaultButton) {
    PressKey(m_dlg, VK_RETURN);
    ASSERT_EQ(m_recorder.commands.size(), 1u);
    EXPECT_EQ(m_recorder.commands[0].id, IDOK);
    EXPECT_EQ(m_recorder.commands[0].code, BN_CLICKED);
    EXPECT_EQ(m_recorder.commands[0].from, Item(IDOK));

    FocusOn(IDC_DLG_APPLY);
    m_recorder.Clear();
    PressKey(m_dlg, VK_RETURN);
    EXPECT_EQ(m_recorder.CommandIds(), std::vector<int>{IDC_DLG_APPLY});

    FocusOn(IDC_DLG_NAME);
    SendMessageA(m_dlg, DM_SETDEFID, IDCANCEL, 0);
    m_recorder.Clear();
    PressKey(m_dlg, VK_RETURN);
    EXPECT_EQ(m_recorder.CommandIds(), std::vector<int>{IDCANCEL});

    EnableWindow(Item(IDCANCEL), FALSE);
    m_recorder.Clear();
    PressKey(m_dlg, VK_RETURN);
    EXPECT_TRUE(m_recorder.commands.empty()) << "a disabled default button cannot be pressed with Enter";
}

TEST_F(DialogManagerTest, EnterWithoutADefaultButtonSendsIdok) {
    DialogTemplateBuilder b(WS_POPUP | WS_VISIBLE);
    b.Item(TemplateText::Ordinal(kEdit), "", 10, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 0, 40, 12)
        .Item(TemplateText::Ordinal(kButton), "Other", 11, WS_VISIBLE | WS_TABSTOP, 0, 20, 40, 14);
    HWND dlg = MakeOther(b);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(SendMessageA(dlg, DM_GETDEFID, 0, 0), 0);
    m_recorder.Clear();
    PressKey(dlg, VK_RETURN);
    ASSERT_EQ(m_recorder.commands.size(), 1u);
    EXPECT_EQ(m_recorder.commands[0].id, IDOK);
    EXPECT_EQ(m_recorder.commands[0].from, nullptr);

    m_recorder.Clear();
    PressKey(dlg, VK_ESCAPE);
    ASSERT_EQ(m_recorder.commands.size(), 1u) << "Escape is sent even without a Cancel button";
    EXPECT_EQ(m_recorder.commands[0].id, IDCANCEL);
    EXPECT_EQ(m_recorder.commands[0].from, nullptr);
}

TEST_F(DialogManagerTest, EscapeSendsTheCancelCommand) {
    FocusOn(IDC_DLG_CHECK);
    PressKey(m_dlg, VK_ESCAPE);
    ASSERT_EQ(m_recorder.commands.size(), 1u);
    EXPECT_EQ(m_recorder.commands[0].id, IDCANCEL);
    EXPECT_EQ(m_recorder.commands[0].code, BN_CLICKED);
    EXPECT_EQ(m_recorder.commands[0].from, Item(IDCANCEL));
    EXPECT_EQ(GetFocus(), Item(IDC_DLG_CHECK)) << "Escape moves no focus";
}

TEST_F(DialogManagerTest, MnemonicsClickButtonsAndLabelsLeadToTheirControl) {
    FocusOn(IDOK);
    TypeChar(m_dlg, 'c');
    EXPECT_EQ(IsDlgButtonChecked(m_dlg, IDC_DLG_CHECK), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(GetFocus(), Item(IDC_DLG_CHECK)) << "a check box's mnemonic focuses and clicks it";

    TypeChar(m_dlg, 'N');
    EXPECT_EQ(GetFocus(), Item(IDC_DLG_NAME)) << "a label's mnemonic moves to the tab stop after it";

    m_recorder.Clear();
    TypeChar(m_dlg, 'a');
    EXPECT_EQ(Text(IDC_DLG_NAME), "a") << "an edit wants its characters: no mnemonic, typing replaces the selection";
    EXPECT_TRUE(m_recorder.commands.empty() || m_recorder.CommandIds() != std::vector<int>{IDC_DLG_APPLY});

    m_recorder.Clear();
    PressAltKey(m_dlg, 'a');
    ASSERT_FALSE(m_recorder.commands.empty()) << "Alt+mnemonic works from inside an edit";
    EXPECT_EQ(m_recorder.commands.back().id, IDC_DLG_APPLY);
    EXPECT_EQ(m_recorder.commands.back().code, BN_CLICKED);
    EXPECT_EQ(GetFocus(), Item(IDC_DLG_NAME)) << "a push button's mnemonic sends its command without the focus";

    PressAltKey(m_dlg, 's');
    EXPECT_EQ(GetFocus(), Item(IDC_DLG_RADIO2));
    EXPECT_EQ(IsDlgButtonChecked(m_dlg, IDC_DLG_RADIO2), static_cast<UINT>(BST_CHECKED));

    m_recorder.Clear();
    PressAltKey(m_dlg, 'd');
    EXPECT_EQ(IsDlgButtonChecked(m_dlg, IDC_DLG_DISABLED), static_cast<UINT>(BST_UNCHECKED))
        << "a disabled control's mnemonic does nothing";
    EXPECT_EQ(GetFocus(), Item(IDC_DLG_RADIO2));
}

TEST_F(DialogManagerTest, TheFocusedPushButtonLooksDefaultAndTheDefaultComesBack) {
    EXPECT_EQ(ButtonType(Item(IDOK)), static_cast<DWORD>(BS_DEFPUSHBUTTON));
    FocusOn(IDCANCEL);
    EXPECT_EQ(ButtonType(Item(IDCANCEL)), static_cast<DWORD>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(ButtonType(Item(IDOK)), static_cast<DWORD>(BS_PUSHBUTTON));
    EXPECT_EQ(SendMessageA(m_dlg, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID))
        << "the look moves, the default id does not";
    PressKey(m_dlg, VK_TAB);
    EXPECT_EQ(ButtonType(Item(IDC_DLG_APPLY)), static_cast<DWORD>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(ButtonType(Item(IDCANCEL)), static_cast<DWORD>(BS_PUSHBUTTON));
    PressKey(m_dlg, VK_TAB);
    EXPECT_EQ(GetFocus(), Item(IDC_DLG_NAME));
    EXPECT_EQ(ButtonType(Item(IDC_DLG_APPLY)), static_cast<DWORD>(BS_PUSHBUTTON));
    EXPECT_EQ(ButtonType(Item(IDOK)), static_cast<DWORD>(BS_DEFPUSHBUTTON));

    EXPECT_TRUE(SendMessageA(m_dlg, DM_SETDEFID, IDC_DLG_APPLY, 0));
    EXPECT_EQ(SendMessageA(m_dlg, DM_GETDEFID, 0, 0), MAKELONG(IDC_DLG_APPLY, DC_HASDEFID));
    EXPECT_EQ(ButtonType(Item(IDC_DLG_APPLY)), static_cast<DWORD>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(ButtonType(Item(IDOK)), static_cast<DWORD>(BS_PUSHBUTTON));
    EXPECT_TRUE(StyleOf(Item(IDOK)) & WS_TABSTOP) << "the look change keeps the other style bits";
}

TEST_F(DialogManagerTest, ControlsThatWantKeysKeepThem) {
    RegisterKeyEater();
    DialogTemplateBuilder b(WS_POPUP | WS_VISIBLE);
    b.Item("KeyEater", "", 10, WS_VISIBLE | WS_TABSTOP, 0, 0, 40, 12)
        .Item(TemplateText::Ordinal(kButton), "Next", 11, WS_VISIBLE | WS_TABSTOP, 0, 20, 40, 14);
    HWND dlg = MakeOther(b);
    ASSERT_NE(dlg, nullptr);
    HWND eater = GetDlgItem(dlg, 10);
    ASSERT_EQ(GetFocus(), eater);

    g_keyEaterCode = DLGC_WANTALLKEYS;
    g_keyEaterMessages.clear();
    m_recorder.Clear();
    PressKey(dlg, VK_TAB);
    PressKey(dlg, VK_ESCAPE);
    EXPECT_EQ(GetFocus(), eater);
    EXPECT_EQ(g_keyEaterMessages, (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYDOWN, WM_CHAR}))
        << "the control gets the keys, translated as usual";
    EXPECT_TRUE(m_recorder.commands.empty());

    g_keyEaterCode = DLGC_WANTTAB;
    g_keyEaterMessages.clear();
    PressKey(dlg, VK_TAB);
    EXPECT_EQ(GetFocus(), eater);
    PressKey(dlg, VK_ESCAPE);
    EXPECT_EQ(m_recorder.CommandIds(), std::vector<int>{IDCANCEL}) << "DLGC_WANTTAB keeps Tab only";

    // The character a handled Tab would produce is not delivered on its own.
    g_keyEaterCode = DLGC_WANTCHARS;
    g_keyEaterMessages.clear();
    PostMessageA(eater, WM_KEYDOWN, VK_TAB, 1);
    PostMessageA(eater, WM_CHAR, '\t', 1);
    PumpDialog(dlg);
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, 11));
    EXPECT_TRUE(g_keyEaterMessages.empty());
}

TEST_F(DialogManagerTest, OnlyMessagesOfTheDialogAndItsControlsAreTaken) {
    HWND stranger = CreateWindowExA(0, "Button", "x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    MSG foreign{stranger, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    EXPECT_FALSE(IsDialogMessageA(m_dlg, &foreign));
    EXPECT_EQ(GetFocus(), Item(IDC_DLG_NAME));
    DestroyWindow(stranger);

    MSG own{Item(IDC_DLG_NAME), WM_USER + 7, 0, 0, 0, {0, 0}};
    EXPECT_TRUE(IsDialogMessageA(m_dlg, &own)) << "every message of the dialog is taken and dispatched";
    EXPECT_FALSE(IsDialogMessageA(nullptr, &own));
}

} // namespace
