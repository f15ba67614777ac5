// MessageBoxA as a real modal dialog: its buttons, default button, Escape rules, icon and text.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "dialog_test_support.h"

using namespace dialog_test;

namespace {

struct BoxButton {
    int id;
    std::string caption;
};

std::string TextOf(HWND hwnd) {
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

std::string ClassOf(HWND hwnd) {
    char name[32] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::vector<BoxButton> ButtonsOf(HWND box) {
    std::vector<BoxButton> buttons;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassOf(child) == "Button")
            buttons.push_back({GetDlgCtrlID(child), TextOf(child)});
    return buttons;
}

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_owner = CreateWindowExA(0, "#32770", "Owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 40, 40, 300, 200, nullptr,
                                  nullptr, nullptr, nullptr);
        ASSERT_NE(m_owner, nullptr);
    }
    void TearDown() override {
        DestroyWindow(m_owner);
        PumpDialog(nullptr);
    }
    HWND m_owner = nullptr;
};

TEST_F(MessageBoxTest, EachTypeHasItsButtonsAndAClickAnswersWithTheId) {
    struct Case {
        UINT type;
        std::vector<BoxButton> buttons;
    };
    const std::vector<Case> cases = {
        {MB_OK, {{IDOK, "OK"}}},
        {MB_OKCANCEL, {{IDOK, "OK"}, {IDCANCEL, "Cancel"}}},
        {MB_ABORTRETRYIGNORE, {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}}},
        {MB_YESNOCANCEL, {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}}},
        {MB_YESNO, {{IDYES, "&Yes"}, {IDNO, "&No"}}},
        {MB_RETRYCANCEL, {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}}},
    };
    for (const Case &c : cases) {
        for (const BoxButton &answer : c.buttons) {
            std::vector<BoxButton> seen;
            UINT msgf = 99;
            ScopedIdleHook hook([&](HWND box, UINT filter) {
                if (!seen.empty())
                    return;
                seen = ButtonsOf(box);
                msgf = filter;
                SendMessageA(GetDlgItem(box, answer.id), BM_CLICK, 0, 0);
            });
            EXPECT_EQ(MessageBoxA(m_owner, "Question?", "Title", c.type), answer.id) << "type " << c.type;
            EXPECT_EQ(msgf, static_cast<UINT>(MSGF_MESSAGEBOX));
            ASSERT_EQ(seen.size(), c.buttons.size()) << "type " << c.type;
            for (size_t i = 0; i < seen.size(); ++i) {
                EXPECT_EQ(seen[i].id, c.buttons[i].id);
                EXPECT_EQ(seen[i].caption, c.buttons[i].caption);
            }
        }
    }
}

TEST_F(MessageBoxTest, TheChosenDefaultButtonHasTheFocusAndAnswersEnter) {
    HWND focus = nullptr;
    int focusId = 0;
    LRESULT defId = 0;
    ScopedIdleHook hook([&](HWND box, UINT) {
        if (focus)
            return;
        focus = GetFocus();
        focusId = GetDlgCtrlID(focus);
        defId = SendMessageA(box, DM_GETDEFID, 0, 0);
        PostMessageA(focus, WM_KEYDOWN, VK_RETURN, 1);
    });
    EXPECT_EQ(MessageBoxA(m_owner, "Save?", "Title", MB_YESNOCANCEL | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(focusId, IDNO);
    EXPECT_EQ(defId, MAKELONG(IDNO, DC_HASDEFID));
}

TEST_F(MessageBoxTest, EscapeAnswersOnlyWhenThereIsACancelOrALoneOk) {
    auto escapeThen = [](int fallbackId) {
        return [fallbackId, step = 0](HWND box, UINT) mutable {
            if (step++ == 0)
                PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
            else
                SendMessageA(GetDlgItem(box, fallbackId), BM_CLICK, 0, 0);
        };
    };
    {
        ScopedIdleHook hook(escapeThen(IDOK));
        EXPECT_EQ(MessageBoxA(m_owner, "Done.", "Title", MB_OK), IDOK);
    }
    {
        ScopedIdleHook hook(escapeThen(IDOK));
        EXPECT_EQ(MessageBoxA(m_owner, "Go on?", "Title", MB_OKCANCEL), IDCANCEL);
    }
    {
        ScopedIdleHook hook(escapeThen(IDYES));
        EXPECT_EQ(MessageBoxA(m_owner, "Sure?", "Title", MB_YESNO), IDYES) << "Escape does nothing";
        EXPECT_EQ(hook.calls, 2);
    }
    {
        ScopedIdleHook hook(escapeThen(IDIGNORE));
        EXPECT_EQ(MessageBoxA(m_owner, "Failed.", "Title", MB_ABORTRETRYIGNORE), IDIGNORE);
    }
    {
        auto closeThen = [step = 0](HWND box, UINT) mutable {
            if (step++ == 0)
                PostMessageA(box, WM_CLOSE, 0, 0);
            else
                SendMessageA(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
        };
        ScopedIdleHook hook(closeThen);
        EXPECT_EQ(MessageBoxA(m_owner, "Sure?", "Title", MB_YESNO), IDNO) << "closing a Yes/No box does nothing";
    }
}

TEST_F(MessageBoxTest, TheBoxShowsAnIconTheTextAndTheCaption) {
    HICON icon = nullptr;
    HWND iconStatic = reinterpret_cast<HWND>(1);
    std::string text, caption;
    DWORD textStyle = 0;
    bool ownerEnabled = true;
    ScopedIdleHook hook([&](HWND box, UINT) {
        iconStatic = GetDlgItem(box, 20);
        if (iconStatic)
            icon = reinterpret_cast<HICON>(SendMessageA(iconStatic, STM_GETICON, 0, 0));
        HWND label = GetDlgItem(box, 0xFFFF);
        text = TextOf(label);
        textStyle = StyleOf(label);
        caption = TextOf(box);
        ownerEnabled = IsWindowEnabled(m_owner) != FALSE;
        EndDialog(box, IDOK);
    });
    EXPECT_EQ(MessageBoxA(m_owner, "Really & truly?", nullptr, MB_OK | MB_ICONQUESTION), IDOK);
    ASSERT_NE(iconStatic, nullptr);
    EXPECT_EQ(icon, LoadIconA(nullptr, IDI_QUESTION));
    EXPECT_EQ(text, "Really & truly?");
    EXPECT_TRUE(textStyle & SS_NOPREFIX);
    EXPECT_EQ(caption, "Error") << "a missing caption reads \"Error\"";
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(m_owner));

    ScopedIdleHook plain([&](HWND box, UINT) {
        iconStatic = GetDlgItem(box, 20);
        EndDialog(box, IDOK);
    });
    MessageBoxA(m_owner, "No icon", "Title", MB_OK);
    EXPECT_EQ(iconStatic, nullptr);
}

TEST_F(MessageBoxTest, LongTextIsWrappedIntoSeveralLines) {
    std::string words;
    for (int i = 0; i < 40; ++i)
        words += "wrapped words ";
    RECT label{}, box{};
    ScopedIdleHook hook([&](HWND dlg, UINT) {
        GetWindowRect(GetDlgItem(dlg, 0xFFFF), &label);
        GetWindowRect(dlg, &box);
        EndDialog(dlg, IDOK);
    });
    MessageBoxA(m_owner, words.c_str(), "Title", MB_OK);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SIZE oneLine;
    GetTextExtentPoint32A(dc, words.c_str(), static_cast<int>(words.size()), &oneLine);
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    DeleteDC(dc);
    EXPECT_LT(label.right - label.left, oneLine.cx);
    EXPECT_GT(label.bottom - label.top, 2 * tm.tmHeight);
    EXPECT_LE(box.right - box.left, GetSystemMetrics(SM_CXSCREEN));
}

TEST_F(MessageBoxTest, HelpSendsWmHelpToTheOwnerAndKeepsTheBoxOpen) {
    static int s_helps;
    s_helps = 0;
    struct Owner {
        static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
            if (msg == WM_HELP)
                ++s_helps;
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        }
    };
    WNDCLASSA wc{};
    wc.lpfnWndProc = Owner::Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "HelpOwner";
    RegisterClassA(&wc);
    HWND owner = CreateWindowExA(0, "HelpOwner", "o", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                 nullptr);
    std::vector<BoxButton> buttons;
    ScopedIdleHook hook([&, step = 0](HWND box, UINT) mutable {
        if (step++ == 0) {
            buttons = ButtonsOf(box);
            SendMessageA(GetDlgItem(box, IDHELP), BM_CLICK, 0, 0);
        } else {
            SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        }
    });
    EXPECT_EQ(MessageBoxA(owner, "Text", "Title", MB_OK | MB_HELP), IDOK);
    EXPECT_EQ(s_helps, 1);
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[1].id, IDHELP);
    EXPECT_EQ(buttons[1].caption, "Help");
    DestroyWindow(owner);
}

TEST_F(MessageBoxTest, InvalidArgumentsGiveZero) {
    ScopedIdleHook hook([](HWND box, UINT) { ADD_FAILURE() << "no box should run"; });
    EXPECT_EQ(MessageBoxA(m_owner, "x", "y", 0x0000000F), 0);
    HWND gone = CreateWindowExA(0, "Button", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    EXPECT_EQ(MessageBoxA(gone, "x", "y", MB_OK), 0);
}

} // namespace
