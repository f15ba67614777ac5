// DefDlgProcA, the dialog item helpers, EndDialog and the modal dialog boxes.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "control_parent.h"
#include "dialog_test_support.h"
#include "win32_tests_ids.h"

using namespace dialog_test;

namespace {

DialogTemplateBuilder OkCancelTemplate(DWORD style = WS_POPUP | WS_CAPTION | WS_VISIBLE) {
    DialogTemplateBuilder b(style);
    b.Title("Dialog")
        .Rect(0, 0, 120, 60)
        .Item(TemplateText::Ordinal(kEdit), "", 10, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 5, 5, 60, 12)
        .Item(TemplateText::Ordinal(kButton), "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 5, 40, 40, 14)
        .Item(TemplateText::Ordinal(kButton), "Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP, 50, 40, 40, 14);
    return b;
}

class DialogTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (HWND w : m_windows)
            if (IsWindow(w))
                DestroyWindow(w);
        PumpDialog(nullptr);
    }
    HWND Keep(HWND hwnd) {
        m_windows.push_back(hwnd);
        return hwnd;
    }
    HWND MakeOwner() {
        return Keep(CreateWindowExA(0, "#32770", "Owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 50, 50, 300, 200,
                                    nullptr, nullptr, nullptr, nullptr));
    }
    DialogRecorder m_recorder;
    std::vector<HWND> m_windows;
};

TEST_F(DialogTest, ResultsComeFromMsgResultExceptForDirectlyAnsweredMessages) {
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    m_recorder.handler = [red](HWND hDlg, UINT msg, WPARAM, LPARAM, INT_PTR &result) {
        if (msg == WM_USER + 5) {
            SetWindowLongA(hDlg, DWL_MSGRESULT, 77);
            result = TRUE;
            return true;
        }
        if (msg == WM_CTLCOLORSTATIC) {
            result = reinterpret_cast<INT_PTR>(red);
            return true;
        }
        return false;
    };
    DialogTemplateBuilder b = OkCancelTemplate();
    HWND dlg = Keep(CreateTestDialog(b));
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(SendMessageA(dlg, WM_USER + 5, 0, 0), 77) << "TRUE: the result is DWL_MSGRESULT";
    EXPECT_EQ(SendMessageA(dlg, WM_USER + 6, 0, 0), 0) << "FALSE: default processing";
    HDC dc = GetDC(dlg);
    EXPECT_EQ(SendMessageA(dlg, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0), reinterpret_cast<LRESULT>(red))
        << "a WM_CTLCOLOR* answer is the procedure's own return value";
    EXPECT_EQ(SendMessageA(dlg, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), 0),
              reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)));
    EXPECT_EQ(SendMessageA(dlg, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), 0),
              reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)));
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(dlg, dc);
    DeleteObject(red);
}

TEST_F(DialogTest, TheBackgroundIsTheButtonFaceOrTheCtlColorDlgBrush) {
    HBRUSH green = CreateSolidBrush(RGB(0, 128, 0));
    bool useGreen = false;
    m_recorder.handler = [&](HWND, UINT msg, WPARAM, LPARAM, INT_PTR &result) {
        if (msg == WM_CTLCOLORDLG && useGreen) {
            result = reinterpret_cast<INT_PTR>(green);
            return true;
        }
        return false;
    };
    DialogTemplateBuilder b(WS_POPUP | WS_VISIBLE);
    b.Rect(0, 0, 80, 40);
    HWND dlg = Keep(CreateTestDialog(b));
    ASSERT_NE(dlg, nullptr);
    {
        WindowPicture picture(dlg);
        ASSERT_TRUE(picture.Valid());
        EXPECT_EQ(picture.At(dlg, 5, 5), RGB(192, 192, 192));
    }
    useGreen = true;
    InvalidateRect(dlg, nullptr, TRUE);
    {
        WindowPicture picture(dlg);
        EXPECT_EQ(picture.At(dlg, 5, 5), RGB(0, 128, 0));
    }
    DeleteObject(green);
}

TEST_F(DialogTest, CloseIsTheCancelCommandUnlessCancelIsDisabled) {
    DialogTemplateBuilder b = OkCancelTemplate();
    HWND dlg = Keep(CreateTestDialog(b));
    ASSERT_NE(dlg, nullptr);
    SendMessageA(dlg, WM_CLOSE, 0, 0);
    PumpDialog(dlg);
    ASSERT_EQ(m_recorder.commands.size(), 1u);
    EXPECT_EQ(m_recorder.commands[0].id, IDCANCEL);
    EXPECT_EQ(m_recorder.commands[0].code, BN_CLICKED);
    EXPECT_EQ(m_recorder.commands[0].from, GetDlgItem(dlg, IDCANCEL));
    EXPECT_TRUE(IsWindow(dlg)) << "closing is left to the dialog procedure";

    m_recorder.Clear();
    EnableWindow(GetDlgItem(dlg, IDCANCEL), FALSE);
    SendMessageA(dlg, WM_CLOSE, 0, 0);
    PumpDialog(dlg);
    EXPECT_TRUE(m_recorder.commands.empty());
}

TEST_F(DialogTest, NextDlgCtlMovesForwardBackwardOrToAGivenControl) {
    DialogTemplateBuilder b = OkCancelTemplate();
    HWND dlg = Keep(CreateTestDialog(b));
    ASSERT_NE(dlg, nullptr);
    ASSERT_EQ(GetFocus(), GetDlgItem(dlg, 10));
    SendMessageA(dlg, WM_NEXTDLGCTL, 0, FALSE);
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDOK));
    SendMessageA(dlg, WM_NEXTDLGCTL, 1, FALSE);
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, 10));
    SendMessageA(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dlg, IDCANCEL)), TRUE);
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDCANCEL));
}

TEST_F(DialogTest, TheFocusIsSavedOnDeactivationAndRestoredOnActivation) {
    DialogTemplateBuilder b = OkCancelTemplate();
    HWND dlg = Keep(CreateTestDialog(b));
    ASSERT_NE(dlg, nullptr);
    SendMessageA(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dlg, IDCANCEL)), TRUE);
    HWND other = MakeOwner();
    SetActiveWindow(other);
    EXPECT_NE(GetFocus(), GetDlgItem(dlg, IDCANCEL));
    SetActiveWindow(dlg);
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDCANCEL));
}

TEST_F(DialogTest, EndDialogOnlyHidesAModelessDialog) {
    DialogTemplateBuilder b = OkCancelTemplate();
    HWND dlg = Keep(CreateTestDialog(b));
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(IsWindowVisible(dlg));
    EXPECT_TRUE(EndDialog(dlg, 5));
    EXPECT_TRUE(IsWindow(dlg));
    EXPECT_FALSE(IsWindowVisible(dlg));

    HWND plain = Keep(CreateWindowExA(0, "Button", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
    SetLastError(0);
    EXPECT_FALSE(EndDialog(plain, 1));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_FALSE(EndDialog(nullptr, 1));
}

TEST_F(DialogTest, ItemTextAndNumbersGoThroughTheControls) {
    DialogTemplateBuilder b = OkCancelTemplate();
    HWND dlg = Keep(CreateTestDialog(b));
    ASSERT_NE(dlg, nullptr);
    BOOL translated = FALSE;

    EXPECT_TRUE(SetDlgItemInt(dlg, 10, static_cast<UINT>(-42), TRUE));
    char text[16];
    EXPECT_EQ(GetDlgItemTextA(dlg, 10, text, sizeof text), 3u);
    EXPECT_STREQ(text, "-42");
    EXPECT_EQ(static_cast<int>(GetDlgItemInt(dlg, 10, &translated, TRUE)), -42);
    EXPECT_TRUE(translated);
    EXPECT_EQ(GetDlgItemInt(dlg, 10, &translated, FALSE), 0u);
    EXPECT_FALSE(translated) << "an unsigned read refuses the sign";

    SetDlgItemTextA(dlg, 10, "  4000000000 ");
    EXPECT_EQ(GetDlgItemInt(dlg, 10, &translated, FALSE), 4000000000u);
    EXPECT_TRUE(translated);
    GetDlgItemInt(dlg, 10, &translated, TRUE);
    EXPECT_FALSE(translated) << "too big for a signed int";
    SetDlgItemTextA(dlg, 10, "12x");
    EXPECT_EQ(GetDlgItemInt(dlg, 10, &translated, TRUE), 0u);
    EXPECT_FALSE(translated);
    SetDlgItemTextA(dlg, 10, "");
    GetDlgItemInt(dlg, 10, &translated, TRUE);
    EXPECT_FALSE(translated);
    EXPECT_TRUE(SetDlgItemInt(dlg, 10, 4000000000u, FALSE));
    EXPECT_EQ(GetDlgItemInt(dlg, 10, nullptr, FALSE), 4000000000u);

    SetDlgItemTextA(dlg, 10, "truncate me");
    char small[5];
    EXPECT_EQ(GetDlgItemTextA(dlg, 10, small, sizeof small), 4u);
    EXPECT_STREQ(small, "trun");
    char none[4] = "xyz";
    EXPECT_EQ(GetDlgItemTextA(dlg, 999, none, sizeof none), 0u);
    EXPECT_STREQ(none, "") << "a missing control gives an empty string";
    EXPECT_EQ(SendDlgItemMessageA(dlg, 10, WM_GETTEXTLENGTH, 0, 0), 11);
    EXPECT_EQ(SendDlgItemMessageA(dlg, 999, WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_FALSE(SetDlgItemTextA(dlg, 999, "x"));
}

TEST_F(DialogTest, CheckHelpersSetStatesWithoutNotifying) {
    DialogTemplateBuilder b(WS_POPUP | WS_VISIBLE);
    b.Item(TemplateText::Ordinal(kButton), "One", 21, WS_VISIBLE | BS_RADIOBUTTON | WS_GROUP, 0, 0, 40, 10)
        .Item(TemplateText::Ordinal(kButton), "Two", 22, WS_VISIBLE | BS_RADIOBUTTON, 0, 12, 40, 10)
        .Item(TemplateText::Ordinal(kButton), "Three", 23, WS_VISIBLE | BS_RADIOBUTTON, 0, 24, 40, 10)
        .Item(TemplateText::Ordinal(kButton), "Check", 30, WS_VISIBLE | BS_AUTOCHECKBOX | WS_GROUP, 0, 36, 40, 10);
    HWND dlg = Keep(CreateTestDialog(b));
    ASSERT_NE(dlg, nullptr);
    m_recorder.Clear();
    EXPECT_TRUE(CheckRadioButton(dlg, 21, 23, 22));
    EXPECT_EQ(IsDlgButtonChecked(dlg, 21), 0u);
    EXPECT_EQ(IsDlgButtonChecked(dlg, 22), 1u);
    EXPECT_EQ(IsDlgButtonChecked(dlg, 23), 0u);
    EXPECT_TRUE(CheckRadioButton(dlg, 21, 23, 23));
    EXPECT_EQ(IsDlgButtonChecked(dlg, 22), 0u);
    EXPECT_EQ(IsDlgButtonChecked(dlg, 23), 1u);
    EXPECT_TRUE(CheckDlgButton(dlg, 30, BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(dlg, 30), static_cast<UINT>(BST_CHECKED));
    EXPECT_FALSE(CheckDlgButton(dlg, 99, BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(dlg, 99), 0u);
    EXPECT_TRUE(m_recorder.commands.empty()) << "setting check states notifies nobody";
}

TEST_F(DialogTest, AWindowOfTheDialogClassWorksWithoutATemplate) {
    HWND bare = Keep(CreateWindowExA(0, "#32770", "Bare", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                                     nullptr, nullptr));
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(SendMessageA(bare, DM_GETDEFID, 0, 0), 0);
    EXPECT_EQ(SendMessageA(bare, WM_GETFONT, 0, 0), 0);
    HWND ok = CreateWindowExA(0, "Button", "OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 0, 0, 40, 14, bare,
                              reinterpret_cast<HMENU>(IDOK), nullptr, nullptr);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(SendMessageA(bare, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID))
        << "without DM_SETDEFID the first BS_DEFPUSHBUTTON is the default";
    EXPECT_EQ(GetDlgCtrlID(ok), IDOK);
}

// ---- modal dialog boxes ----

TEST_F(DialogTest, AModalBoxAnsweredThroughTheIdleHookDisablesItsOwnerMeanwhile) {
    HWND owner = MakeOwner();
    HWND ownerChild = CreateWindowExA(0, "Button", "in owner", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, owner, nullptr,
                                      nullptr, nullptr);
    HWND seen = nullptr;
    bool ownerEnabledDuring = true, visibleDuring = false;
    HWND activeDuring = nullptr;
    UINT msgfSeen = 99;
    ScopedIdleHook hook([&](HWND modal, UINT msgf) {
        if (seen)
            return;
        seen = modal;
        msgfSeen = msgf;
        ownerEnabledDuring = IsWindowEnabled(owner) != FALSE;
        visibleDuring = IsWindowVisible(modal) != FALSE;
        activeDuring = GetActiveWindow();
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
    });
    m_recorder.endOn = {IDOK, IDCANCEL};
    DialogTemplateBuilder b = OkCancelTemplate(WS_POPUP | WS_CAPTION);
    const INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), b.Get(), ownerChild,
                                                   RecordingDialogProc, 0);
    EXPECT_EQ(result, IDOK);
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(msgfSeen, static_cast<UINT>(MSGF_DIALOGBOX));
    EXPECT_FALSE(ownerEnabledDuring) << "the top-level owner is disabled while the box runs";
    EXPECT_TRUE(visibleDuring) << "a modal box shows even without WS_VISIBLE";
    EXPECT_EQ(activeDuring, seen);
    EXPECT_FALSE(IsWindow(seen));
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetActiveWindow(), owner);
}

TEST_F(DialogTest, AModalBoxCanBeAnsweredFromTheOwnersEnterIdle) {
    static HWND s_dialogSeen;
    static int s_enterIdle;
    s_dialogSeen = nullptr;
    s_enterIdle = 0;
    struct Owner {
        static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
            if (msg == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX) {
                ++s_enterIdle;
                s_dialogSeen = reinterpret_cast<HWND>(lParam);
                EndDialog(s_dialogSeen, 42);
                return 0;
            }
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        }
    };
    WNDCLASSA wc{};
    wc.lpfnWndProc = Owner::Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "EnterIdleOwner";
    RegisterClassA(&wc);
    HWND owner = Keep(CreateWindowExA(0, "EnterIdleOwner", "o", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                      nullptr, nullptr));
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_DLG_MODAL), owner, RecordingDialogProc, 0);
    EXPECT_EQ(result, 42);
    EXPECT_EQ(s_enterIdle, 1);
    EXPECT_NE(s_dialogSeen, nullptr);
    EXPECT_TRUE(IsWindowEnabled(owner));

    // DS_NOIDLEMSG: no WM_ENTERIDLE; the hook answers instead.
    s_enterIdle = 0;
    ScopedIdleHook hook([](HWND modal, UINT) { EndDialog(modal, 7); });
    DialogTemplateBuilder quiet(WS_POPUP | DS_NOIDLEMSG);
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, quiet.Get(), owner, RecordingDialogProc, 0), 7);
    EXPECT_EQ(s_enterIdle, 0);
}

TEST_F(DialogTest, AnOwnerDisabledBeforeStaysDisabledAfter) {
    HWND owner = MakeOwner();
    EnableWindow(owner, FALSE);
    ScopedIdleHook hook([](HWND modal, UINT) { EndDialog(modal, 3); });
    DialogTemplateBuilder b = OkCancelTemplate(WS_POPUP);
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, b.Get(), owner, RecordingDialogProc, 0), 3);
    EXPECT_FALSE(IsWindowEnabled(owner));
}

TEST_F(DialogTest, EndDialogDuringInitDialogReturnsWithoutShowing) {
    bool everShown = false;
    m_recorder.handler = [&](HWND hDlg, UINT msg, WPARAM wParam, LPARAM, INT_PTR &result) {
        if (msg == WM_INITDIALOG) {
            EndDialog(hDlg, 11);
            result = TRUE;
            return true;
        }
        if (msg == WM_SHOWWINDOW && wParam)
            everShown = true;
        return false;
    };
    ScopedIdleHook hook([](HWND, UINT) { ADD_FAILURE() << "the loop should not idle"; });
    DialogTemplateBuilder b = OkCancelTemplate(WS_POPUP);
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, b.Get(), nullptr, RecordingDialogProc, 0), 11);
    EXPECT_FALSE(everShown);
}

TEST_F(DialogTest, AnUnansweredModalBoxEndsWithCancelAndSaysSo) {
    DialogTemplateBuilder b = OkCancelTemplate(WS_POPUP | WS_CAPTION);
    b.Title("Nobody home");
    testing::internal::CaptureStderr();
    const INT_PTR result = DialogBoxIndirectParamA(nullptr, b.Get(), nullptr, RecordingDialogProc, 0);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_NE(err.find("stand-in: modal dialog 'Nobody home' has no input; ending it with IDCANCEL"),
              std::string::npos)
        << err;
}

TEST_F(DialogTest, QuitEndsTheModalLoopAndIsPostedAgain) {
    ScopedIdleHook hook([](HWND, UINT) { PostQuitMessage(3); });
    DialogTemplateBuilder b = OkCancelTemplate(WS_POPUP);
    const INT_PTR result = DialogBoxIndirectParamA(nullptr, b.Get(), nullptr, RecordingDialogProc, 0);
    EXPECT_EQ(result, IDCANCEL);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(DialogTest, TheModalLoopOffersEachMessageToTheMessageFilterHooks) {
    static std::vector<int> s_codes;
    static bool s_eatEscape;
    s_codes.clear();
    s_eatEscape = true;
    struct Filter {
        static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
            const MSG *msg = reinterpret_cast<const MSG *>(lParam);
            s_codes.push_back(code);
            if (s_eatEscape && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE)
                return TRUE; // taken: the dialog never sees it
            return CallNextHookEx(nullptr, code, wParam, lParam);
        }
    };
    HHOOK filter = SetWindowsHookExA(WH_MSGFILTER, Filter::Proc, nullptr, GetCurrentThreadId());
    ASSERT_NE(filter, nullptr);
    int step = 0;
    ScopedIdleHook hook([&](HWND modal, UINT) {
        if (step++ == 0)
            PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1); // eaten by the filter
        else
            EndDialog(modal, 9);
    });
    m_recorder.endOn = {IDCANCEL};
    DialogTemplateBuilder b = OkCancelTemplate(WS_POPUP);
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, b.Get(), nullptr, RecordingDialogProc, 0), 9);
    UnhookWindowsHookEx(filter);
    ASSERT_FALSE(s_codes.empty());
    EXPECT_EQ(s_codes.front(), MSGF_DIALOGBOX);
    EXPECT_TRUE(m_recorder.commands.empty());
}

} // namespace
