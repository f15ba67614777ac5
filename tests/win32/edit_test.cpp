// The "Edit" class: typing through the queue, the text limit, the notifications it sends and the
// ones it does not, selection, undo, the clipboard, multi-line line messages and the input styles.
#include "control_parent.h"
#include "dialog_test_support.h"
#include "recording_window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

class EditTest : public ::testing::Test {
protected:
    HWND Add(DWORD style, const char *text = "", int id = 100, int width = 200, int height = 24) {
        return m_parent.Add("Edit", text, style, id, 10, 10, width, height);
    }

    static void Type(HWND edit, const std::string &text) {
        for (char c : text) {
            PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
        }
        PumpMessages();
    }
    static void Key(HWND edit, UINT key) {
        PostMessageA(edit, WM_KEYDOWN, key, 1);
        PumpMessages();
    }
    static std::string Text(HWND edit) {
        std::string text(static_cast<size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
        text.resize(static_cast<size_t>(GetWindowTextA(edit, text.data(), static_cast<int>(text.size()))));
        return text;
    }
    static std::pair<DWORD, DWORD> Selection(HWND edit) {
        DWORD start = 99, end = 99;
        const LRESULT packed = SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(LOWORD(packed), start);
        EXPECT_EQ(HIWORD(packed), end);
        return {start, end};
    }
    static void Select(HWND edit, int start, int end) { SendMessageA(edit, EM_SETSEL, start, end); }
    static void ReplaceSel(HWND edit, const char *text, BOOL undoable = TRUE) {
        SendMessageA(edit, EM_REPLACESEL, undoable, reinterpret_cast<LPARAM>(text));
    }
    int Count(HWND edit, int code) const {
        int count = 0;
        for (int seen : m_parent.CommandCodes(edit)) {
            count += seen == code ? 1 : 0;
        }
        return count;
    }
    static void PutOnClipboard(const char *text) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        const size_t size = strlen(text) + 1;
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
        memcpy(GlobalLock(memory), text, size);
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
        CloseClipboard();
    }
    static std::string ClipboardText() {
        std::string text;
        if (OpenClipboard(nullptr)) {
            if (HANDLE memory = GetClipboardData(CF_TEXT)) {
                text = static_cast<const char *>(GlobalLock(memory));
                GlobalUnlock(memory);
            }
            CloseClipboard();
        }
        return text;
    }

    ControlParent m_parent;
};

using Codes = std::vector<int>;

// ---- typing and the text limit ----

TEST_F(EditTest, TypedCharactersGoThroughTheQueueAndEachNotifiesUpdateThenChange) {
    HWND edit = Add(ES_AUTOHSCROLL);
    ASSERT_NE(edit, nullptr);
    Type(edit, "abc");
    EXPECT_EQ(Text(edit), "abc");
    EXPECT_EQ(m_parent.CommandCodes(edit), (Codes{EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE}));
    EXPECT_EQ(m_parent.commands[0].id, 100);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{3}, DWORD{3}));
    EXPECT_TRUE(SendMessageA(edit, EM_GETMODIFY, 0, 0));
}

TEST_F(EditTest, LimitBoundsTypingPasteAndReplaceSelButNotSetText) {
    HWND edit = Add(ES_AUTOHSCROLL);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 30000);
    SendMessageA(edit, EM_LIMITTEXT, 4, 0);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 4);

    Type(edit, "abcdef");
    EXPECT_EQ(Text(edit), "abcd");
    EXPECT_EQ(Count(edit, EN_MAXTEXT), 2);
    EXPECT_EQ(Count(edit, EN_CHANGE), 4); // nothing changed for the refused characters

    m_parent.Clear();
    Select(edit, 1, 3); // "bc" replaced by at most two characters
    ReplaceSel(edit, "XYZ");
    EXPECT_EQ(Text(edit), "aXYd");
    EXPECT_EQ(Count(edit, EN_MAXTEXT), 1);
    EXPECT_EQ(Count(edit, EN_CHANGE), 1);

    m_parent.Clear();
    PutOnClipboard("123");
    Select(edit, 3, 4);
    SendMessageA(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(edit), "aXY1");
    EXPECT_EQ(Count(edit, EN_MAXTEXT), 1);

    SetWindowTextA(edit, "longer than the limit");
    EXPECT_EQ(Text(edit), "longer than the limit");
    m_parent.Clear();
    Type(edit, "x"); // already over the limit: still refused
    EXPECT_EQ(Text(edit), "longer than the limit");
    EXPECT_EQ(m_parent.CommandCodes(edit), Codes{EN_MAXTEXT});
}

TEST_F(EditTest, TypingOverASelectionCountsOnlyTheKeptText) {
    HWND edit = Add(ES_AUTOHSCROLL, "abc");
    SendMessageA(edit, EM_LIMITTEXT, 3, 0);
    Select(edit, 0, -1);
    Type(edit, "x");
    EXPECT_EQ(Text(edit), "x");
}

TEST_F(EditTest, ZeroLimitMeansTheLargestOne) {
    HWND single = Add(ES_AUTOHSCROLL);
    HWND multi = Add(ES_MULTILINE, "", 101);
    SendMessageA(single, EM_LIMITTEXT, 0, 0);
    SendMessageA(multi, EM_LIMITTEXT, 0, 0);
    EXPECT_EQ(static_cast<DWORD>(SendMessageA(single, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu);
    EXPECT_EQ(static_cast<DWORD>(SendMessageA(multi, EM_GETLIMITTEXT, 0, 0)), 0xFFFFFFFFu);
}

TEST_F(EditTest, SingleLineWithoutAutoHScrollKeepsItsTextInsideItsWidth) {
    HWND edit = Add(0, "", 100, 40);
    Type(edit, std::string(40, 'W'));
    const std::string text = Text(edit);
    EXPECT_GT(text.size(), 0u);
    EXPECT_LT(text.size(), 40u);
    EXPECT_GT(Count(edit, EN_MAXTEXT), 0);
    HWND scrolling = Add(ES_AUTOHSCROLL, "", 101, 40);
    Type(scrolling, std::string(40, 'W'));
    EXPECT_EQ(Text(scrolling).size(), 40u);
}

// ---- notifications sent and not sent ----

TEST_F(EditTest, SetTextNotifiesForSingleLineOnlyAndClearsModifyAndUndo) {
    HWND single = Add(ES_AUTOHSCROLL);
    HWND multi = Add(ES_MULTILINE, "", 101, 200, 80);
    Type(single, "q");
    m_parent.Clear();
    SetWindowTextA(single, "hello");
    SetWindowTextA(multi, "hello\r\nworld");
    EXPECT_EQ(m_parent.CommandCodes(single), (Codes{EN_UPDATE, EN_CHANGE}));
    EXPECT_TRUE(m_parent.CommandCodes(multi).empty());
    EXPECT_FALSE(SendMessageA(single, EM_GETMODIFY, 0, 0));
    EXPECT_FALSE(SendMessageA(single, EM_CANUNDO, 0, 0));
    EXPECT_EQ(Selection(single), std::make_pair(DWORD{0}, DWORD{0}));
    EXPECT_EQ(Text(multi), "hello\r\nworld");
}

TEST_F(EditTest, NothingIsNotifiedWhenNothingChanges) {
    HWND edit = Add(ES_AUTOHSCROLL, "ab");
    m_parent.Clear();
    Key(edit, VK_HOME);
    Type(edit, "\b");          // backspace at the start
    Key(edit, VK_END);
    Key(edit, VK_DELETE);      // delete at the end
    ReplaceSel(edit, "");      // nothing selected, nothing inserted
    Select(edit, 0, 1);
    ReplaceSel(edit, "a");     // the same text again
    Select(edit, 0, 1);
    SendMessageA(edit, WM_CLEAR, 0, 0);
    EXPECT_EQ(Text(edit), "b");
    EXPECT_EQ(m_parent.CommandCodes(edit), (Codes{EN_UPDATE, EN_CHANGE})); // the WM_CLEAR only
    EXPECT_FALSE(SendMessageA(edit, EM_GETMODIFY, 0, 0) == 0);
    SendMessageA(edit, EM_SETMODIFY, FALSE, 0);
    EXPECT_FALSE(SendMessageA(edit, EM_GETMODIFY, 0, 0));
}

TEST_F(EditTest, FocusChangesNotifyTheParent) {
    HWND first = Add(ES_AUTOHSCROLL, "", 100);
    HWND second = Add(ES_AUTOHSCROLL, "", 101);
    SetFocus(first);
    SetFocus(second);
    EXPECT_EQ(m_parent.CommandCodes(first), (Codes{EN_SETFOCUS, EN_KILLFOCUS}));
    EXPECT_EQ(m_parent.CommandCodes(second), Codes{EN_SETFOCUS});
}

TEST_F(EditTest, ParentThatDestroysTheEditDuringANotificationIsSafe) {
    HWND edit = Add(ES_AUTOHSCROLL);
    SetRecordingHandler([&](HWND hwnd, UINT message, WPARAM wParam, LPARAM, LRESULT &) {
        if (hwnd == m_parent.Hwnd() && message == WM_COMMAND && HIWORD(wParam) == EN_UPDATE) {
            DestroyWindow(edit);
            return true;
        }
        return false;
    });
    Type(edit, "ab");
    EXPECT_FALSE(IsWindow(edit));
}

// ---- selection ----

TEST_F(EditTest, SetSelCoversMinusOneAndOutOfRangeAndReversedPositions) {
    HWND edit = Add(ES_AUTOHSCROLL, "hello world");
    Select(edit, 0, -1);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{11}));
    Select(edit, 3, 100);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{3}, DWORD{11}));
    Select(edit, 8, 2); // reported in order; the caret is at 2
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{2}, DWORD{8}));
    Select(edit, -1, 0); // deselects, the caret stays where it was
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{2}, DWORD{2}));
    EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), MAKELRESULT(2, 2)); // null pointers are fine
    Select(edit, 6, 11);
    Type(edit, "there");
    EXPECT_EQ(Text(edit), "hello there");
}

TEST_F(EditTest, KeysMoveTheCaretAndDeleteCharacters) {
    HWND edit = Add(ES_AUTOHSCROLL, "abcd");
    Key(edit, VK_END);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{4}, DWORD{4}));
    Key(edit, VK_LEFT);
    Key(edit, VK_LEFT);
    Key(edit, VK_DELETE);
    EXPECT_EQ(Text(edit), "abd");
    Key(edit, VK_HOME);
    Key(edit, VK_RIGHT);
    Type(edit, "\b");
    EXPECT_EQ(Text(edit), "bd");
    Select(edit, 0, 2);
    Key(edit, VK_LEFT); // collapses to the start of the selection
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{0}));
}

TEST_F(EditTest, ShiftExtendsTheSelectionWithRealKeyboardInput) {
    HWND edit = Add(ES_AUTOHSCROLL, "abcdef");
    SetFocus(edit);
    ASSERT_EQ(GetFocus(), edit);
    Select(edit, 4, 4);
    keybd_event(VK_SHIFT, 0, 0, 0);
    keybd_event(VK_LEFT, 0, 0, 0);
    keybd_event(VK_LEFT, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_LEFT, 0, 0, 0);
    keybd_event(VK_LEFT, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    PumpMessages();
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{2}, DWORD{4}));
}

// ---- undo ----

TEST_F(EditTest, TypingUndoesAsOneStepAndUndoingTwiceRedoes) {
    HWND edit = Add(ES_AUTOHSCROLL, "x");
    EXPECT_FALSE(SendMessageA(edit, EM_CANUNDO, 0, 0));
    Key(edit, VK_END);
    Type(edit, "abc");
    EXPECT_TRUE(SendMessageA(edit, EM_CANUNDO, 0, 0));
    m_parent.Clear();
    EXPECT_TRUE(SendMessageA(edit, EM_UNDO, 0, 0));
    EXPECT_EQ(Text(edit), "x");
    EXPECT_EQ(m_parent.CommandCodes(edit), (Codes{EN_UPDATE, EN_CHANGE}));
    Type(edit, "\x1a"); // Ctrl+Z
    EXPECT_EQ(Text(edit), "xabc");
    SendMessageA(edit, WM_UNDO, 0, 0);
    EXPECT_EQ(Text(edit), "x");
    SendMessageA(edit, EM_EMPTYUNDOBUFFER, 0, 0);
    EXPECT_FALSE(SendMessageA(edit, EM_CANUNDO, 0, 0));
    EXPECT_FALSE(SendMessageA(edit, EM_UNDO, 0, 0));
}

TEST_F(EditTest, UndoRestoresReplacedSelectionAndBackspacedText) {
    HWND edit = Add(ES_AUTOHSCROLL, "hello");
    Select(edit, 1, 4);
    Type(edit, "EY");
    EXPECT_EQ(Text(edit), "hEYo");
    SendMessageA(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(Text(edit), "hello");
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{1}, DWORD{4})); // the restored text is selected

    Key(edit, VK_END);
    Type(edit, "\b\b");
    EXPECT_EQ(Text(edit), "hel");
    SendMessageA(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(Text(edit), "hello");
}

TEST_F(EditTest, ReplaceSelCanBeMadeNotUndoable) {
    HWND edit = Add(ES_AUTOHSCROLL, "a");
    Key(edit, VK_END);
    ReplaceSel(edit, "b", TRUE);
    EXPECT_TRUE(SendMessageA(edit, EM_CANUNDO, 0, 0));
    ReplaceSel(edit, "c", FALSE);
    EXPECT_FALSE(SendMessageA(edit, EM_CANUNDO, 0, 0));
    EXPECT_EQ(Text(edit), "abc");
}

// ---- clipboard ----

TEST_F(EditTest, CopyCutAndPasteRoundTrip) {
    HWND source = Add(ES_AUTOHSCROLL, "hello world", 100);
    HWND target = Add(ES_AUTOHSCROLL, "<>", 101);
    Select(source, 6, 11);
    SendMessageA(source, WM_COPY, 0, 0);
    EXPECT_EQ(ClipboardText(), "world");
    EXPECT_EQ(Text(source), "hello world");
    Select(source, 0, 6);
    Type(source, "\x18"); // Ctrl+X
    EXPECT_EQ(Text(source), "world");
    EXPECT_EQ(ClipboardText(), "hello ");
    Select(target, 1, 1);
    Type(target, "\x16"); // Ctrl+V
    EXPECT_EQ(Text(target), "<hello >");
    SendMessageA(target, EM_UNDO, 0, 0);
    EXPECT_EQ(Text(target), "<>");
}

TEST_F(EditTest, SingleLinePasteStopsAtTheFirstLineBreak) {
    HWND single = Add(ES_AUTOHSCROLL, "", 100);
    HWND multi = Add(ES_MULTILINE | ES_AUTOHSCROLL, "", 101, 200, 80);
    PutOnClipboard("one\r\ntwo");
    SendMessageA(single, WM_PASTE, 0, 0);
    SendMessageA(multi, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(single), "one");
    EXPECT_EQ(Text(multi), "one\r\ntwo");
}

TEST_F(EditTest, PasswordEditsHideTheirTextFromTheClipboard) {
    HWND edit = Add(ES_AUTOHSCROLL | ES_PASSWORD, "secret");
    EXPECT_EQ(SendMessageA(edit, EM_GETPASSWORDCHAR, 0, 0), '*');
    PutOnClipboard("before");
    Select(edit, 0, -1);
    SendMessageA(edit, WM_COPY, 0, 0);
    SendMessageA(edit, WM_CUT, 0, 0);
    EXPECT_EQ(ClipboardText(), "before");
    EXPECT_EQ(Text(edit), "secret"); // the text itself is readable by the program
    SendMessageA(edit, EM_SETPASSWORDCHAR, 0, 0);
    EXPECT_EQ(SendMessageA(edit, EM_GETPASSWORDCHAR, 0, 0), 0);
    EXPECT_EQ(GetWindowLongA(edit, GWL_STYLE) & ES_PASSWORD, 0);
    SendMessageA(edit, WM_COPY, 0, 0);
    EXPECT_EQ(ClipboardText(), "secret");
}

// ---- multi-line ----

TEST_F(EditTest, LineMessagesFollowCrLfBreaks) {
    HWND edit = Add(ES_MULTILINE | ES_AUTOHSCROLL, "one\r\ntwo\r\n\r\nfour", 100, 200, 80);
    EXPECT_EQ(SendMessageA(edit, EM_GETLINECOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageA(edit, EM_LINEINDEX, 1, 0), 5);
    EXPECT_EQ(SendMessageA(edit, EM_LINEINDEX, 3, 0), 12);
    EXPECT_EQ(SendMessageA(edit, EM_LINEINDEX, 4, 0), -1);
    EXPECT_EQ(SendMessageA(edit, EM_LINELENGTH, 6, 0), 3);
    EXPECT_EQ(SendMessageA(edit, EM_LINELENGTH, 10, 0), 0);
    EXPECT_EQ(SendMessageA(edit, EM_LINEFROMCHAR, 12, 0), 3);
    EXPECT_EQ(SendMessageA(edit, EM_LINEFROMCHAR, 4, 0), 0);
    Select(edit, 7, 7);
    EXPECT_EQ(SendMessageA(edit, EM_LINEINDEX, static_cast<WPARAM>(-1), 0), 5);
    EXPECT_EQ(SendMessageA(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0), 1);

    char line[16];
    memset(line, '#', sizeof line);
    *reinterpret_cast<WORD *>(line) = sizeof line;
    EXPECT_EQ(SendMessageA(edit, EM_GETLINE, 3, reinterpret_cast<LPARAM>(line)), 4);
    EXPECT_EQ(std::string(line, 5), "four#"); // no terminator added
    *reinterpret_cast<WORD *>(line) = 2;
    EXPECT_EQ(SendMessageA(edit, EM_GETLINE, 1, reinterpret_cast<LPARAM>(line)), 2);
    EXPECT_EQ(std::string(line, 2), "tw");
    EXPECT_EQ(SendMessageA(edit, EM_GETLINE, 9, reinterpret_cast<LPARAM>(line)), 0);
}

TEST_F(EditTest, EnterBreaksTheLineUnlessTheDialogOwnsIt) {
    HWND plain = Add(ES_MULTILINE | ES_AUTOHSCROLL, "", 100, 200, 80);
    Type(plain, "a\rb");
    EXPECT_EQ(Text(plain), "a\r\nb");
    EXPECT_EQ(SendMessageA(plain, EM_GETLINECOUNT, 0, 0), 2);
    Type(plain, "\b\b");
    EXPECT_EQ(Text(plain), "a"); // the CR LF goes as one

    HWND inDialog = Add(ES_MULTILINE | ES_AUTOHSCROLL, "", 101, 200, 80);
    HWND wantsReturn = Add(ES_MULTILINE | ES_AUTOHSCROLL | ES_WANTRETURN, "", 102, 200, 80);
    MSG enter{inDialog, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    EXPECT_EQ(SendMessageA(inDialog, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) & DLGC_WANTALLKEYS, 0);
    enter.hwnd = wantsReturn;
    EXPECT_NE(SendMessageA(wantsReturn, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) & DLGC_WANTALLKEYS,
              0);
    Type(inDialog, "a\rb");
    Type(wantsReturn, "a\rb");
    EXPECT_EQ(Text(inDialog), "ab");
    EXPECT_EQ(Text(wantsReturn), "a\r\nb");
}

TEST_F(EditTest, DialogCodesDependOnTheKindOfEdit) {
    HWND single = Add(ES_AUTOHSCROLL, "", 100);
    HWND multi = Add(ES_MULTILINE, "", 101, 200, 80);
    const LRESULT base = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    EXPECT_EQ(SendMessageA(single, WM_GETDLGCODE, 0, 0), base);
    EXPECT_EQ(SendMessageA(multi, WM_GETDLGCODE, 0, 0), base | DLGC_WANTALLKEYS);
}

TEST_F(EditTest, TabIsTypedOnlyIntoMultiLineEdits) {
    HWND single = Add(ES_AUTOHSCROLL, "", 100);
    HWND multi = Add(ES_MULTILINE | ES_AUTOHSCROLL, "", 101, 200, 80);
    Type(single, "a\tb");
    Type(multi, "a\tb");
    EXPECT_EQ(Text(single), "ab");
    EXPECT_EQ(Text(multi), "a\tb");
}

TEST_F(EditTest, WordWrapSplitsLongLinesWithoutAutoHScroll) {
    const char *text = "alpha beta gamma delta epsilon zeta eta theta";
    HWND wrapped = Add(ES_MULTILINE, text, 100, 100, 120);
    HWND scrolled = Add(ES_MULTILINE | ES_AUTOHSCROLL, text, 101, 100, 120);
    const LRESULT lines = SendMessageA(wrapped, EM_GETLINECOUNT, 0, 0);
    EXPECT_GT(lines, 2);
    EXPECT_EQ(SendMessageA(scrolled, EM_GETLINECOUNT, 0, 0), 1);
    // Soft breaks fall after spaces: every line but the first starts a word.
    for (LRESULT line = 1; line < lines; ++line) {
        const LRESULT start = SendMessageA(wrapped, EM_LINEINDEX, line, 0);
        ASSERT_GT(start, 0);
        EXPECT_EQ(text[start - 1], ' ') << "line " << line;
    }
    EXPECT_EQ(Text(wrapped), text); // wrapping never changes the text
    // Widening the control joins the lines again.
    SetWindowPos(wrapped, nullptr, 0, 0, 1000, 120, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(SendMessageA(wrapped, EM_GETLINECOUNT, 0, 0), 1);
}

TEST_F(EditTest, UpAndDownKeepTheColumn) {
    HWND edit = Add(ES_MULTILINE | ES_AUTOHSCROLL, "abcd\r\nefgh\r\nij", 100, 200, 80);
    Select(edit, 2, 2);
    Key(edit, VK_DOWN);
    EXPECT_EQ(Selection(edit).first, 8u);
    Key(edit, VK_DOWN); // the last line is shorter: its end
    EXPECT_EQ(Selection(edit).first, 14u);
    Key(edit, VK_UP);
    Key(edit, VK_UP);
    EXPECT_EQ(Selection(edit).first, 2u);
}

TEST_F(EditTest, PositionsAndCharactersMapBothWays) {
    HWND edit = Add(ES_MULTILINE | ES_AUTOHSCROLL, "abc\r\ndef", 100, 200, 80);
    const LRESULT first = SendMessageA(edit, EM_POSFROMCHAR, 0, 0);
    const LRESULT second = SendMessageA(edit, EM_POSFROMCHAR, 6, 0);
    EXPECT_GT(static_cast<short>(LOWORD(second)), static_cast<short>(LOWORD(first)));
    EXPECT_GT(static_cast<short>(HIWORD(second)), static_cast<short>(HIWORD(first)));
    EXPECT_EQ(SendMessageA(edit, EM_POSFROMCHAR, 100, 0), -1);
    EXPECT_EQ(SendMessageA(edit, EM_CHARFROMPOS, 0, second), MAKELRESULT(6, 1));
    RECT rect{};
    SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    EXPECT_GT(rect.right - rect.left, 150);
    EXPECT_EQ(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    SendMessageA(edit, EM_LINESCROLL, 0, 1);
    EXPECT_EQ(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 1);
}

// ---- inside a dialog ----

class EditInDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        using namespace dialog_test;
        DialogTemplateBuilder b(WS_POPUP | WS_VISIBLE);
        const DWORD multi = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL;
        b.Item(TemplateText::Ordinal(kEdit), "first", 10, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0, 0, 80, 12)
            .Item(TemplateText::Ordinal(kEdit), "", 11, multi, 0, 20, 80, 30)
            .Item(TemplateText::Ordinal(kEdit), "", 12, multi | ES_WANTRETURN, 0, 60, 80, 30)
            .Item(TemplateText::Ordinal(kButton), "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 100, 40, 14);
        m_dlg = CreateTestDialog(b);
        ASSERT_NE(m_dlg, nullptr);
        dialog_test::PumpDialog(m_dlg);
        m_recorder.Clear();
    }
    void TearDown() override {
        if (IsWindow(m_dlg)) {
            DestroyWindow(m_dlg);
        }
        dialog_test::PumpDialog(nullptr);
    }
    HWND Item(int id) const { return GetDlgItem(m_dlg, id); }
    void FocusOn(int id) { SendMessageA(m_dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE); }

    dialog_test::DialogRecorder m_recorder;
    HWND m_dlg = nullptr;
};

TEST_F(EditInDialogTest, EnterPressesTheDefaultButtonUnlessTheEditWantsReturn) {
    FocusOn(11);
    dialog_test::PressKey(m_dlg, VK_RETURN);
    EXPECT_EQ(m_recorder.CommandIds(), std::vector<int>{IDOK});
    EXPECT_EQ(GetWindowTextLengthA(Item(11)), 0);

    m_recorder.Clear();
    FocusOn(12);
    dialog_test::PressKey(m_dlg, VK_RETURN);
    dialog_test::TypeChar(m_dlg, 'x');
    EXPECT_TRUE(m_recorder.commands.empty());
    char text[16] = {};
    GetWindowTextA(Item(12), text, sizeof text);
    EXPECT_STREQ(text, "\r\nx");
}

TEST_F(EditInDialogTest, EscapeAndTabStayWithTheDialogInAMultiLineEdit) {
    FocusOn(11);
    dialog_test::PressKey(m_dlg, VK_TAB);
    EXPECT_EQ(GetFocus(), Item(12));
    EXPECT_EQ(GetWindowTextLengthA(Item(11)), 0);
    dialog_test::PressKey(m_dlg, VK_ESCAPE);
    EXPECT_EQ(m_recorder.CommandIds(), std::vector<int>{IDCANCEL});
}

TEST_F(EditInDialogTest, TabbingIntoAnEditSelectsAllItsText) {
    FocusOn(IDOK);
    dialog_test::PressKey(m_dlg, VK_TAB);
    ASSERT_EQ(GetFocus(), Item(10));
    DWORD start = 0, end = 0;
    SendMessageA(Item(10), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);
}

// ---- input styles ----

TEST_F(EditTest, NumberUppercaseAndLowercaseStylesFilterTyping) {
    HWND number = Add(ES_AUTOHSCROLL | ES_NUMBER, "", 100);
    HWND upper = Add(ES_AUTOHSCROLL | ES_UPPERCASE, "", 101);
    HWND lower = Add(ES_AUTOHSCROLL | ES_LOWERCASE, "", 102);
    Type(number, "1a2-3");
    Type(upper, "MiXed 1");
    Type(lower, "MiXed 1");
    EXPECT_EQ(Text(number), "123");
    EXPECT_EQ(Count(number, EN_CHANGE), 3);
    EXPECT_EQ(Text(upper), "MIXED 1");
    EXPECT_EQ(Text(lower), "mixed 1");
}

TEST_F(EditTest, ReadOnlyRefusesTheUserButNotTheProgram) {
    HWND edit = Add(ES_AUTOHSCROLL | ES_READONLY, "fixed");
    Key(edit, VK_END);
    Type(edit, "x\b");
    Key(edit, VK_HOME);
    Key(edit, VK_DELETE);
    PutOnClipboard("pasted");
    SendMessageA(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(edit), "fixed");
    EXPECT_TRUE(m_parent.CommandCodes(edit).empty());
    SetWindowTextA(edit, "changed");
    EXPECT_EQ(Text(edit), "changed");
    SendMessageA(edit, EM_SETREADONLY, FALSE, 0);
    EXPECT_EQ(GetWindowLongA(edit, GWL_STYLE) & ES_READONLY, 0);
    Key(edit, VK_END);
    Type(edit, "!");
    EXPECT_EQ(Text(edit), "changed!");
}

TEST_F(EditTest, DisabledEditIgnoresKeyboardAndMouse) {
    HWND edit = Add(ES_AUTOHSCROLL | WS_DISABLED, "abc");
    Type(edit, "xyz\b");
    Key(edit, VK_END);
    Key(edit, VK_DELETE);
    SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 5));
    SendMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(50, 5));
    EXPECT_EQ(Text(edit), "abc");
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{0}));
    EXPECT_TRUE(m_parent.CommandCodes(edit).empty());
    EXPECT_NE(GetCapture(), edit);
    EnableWindow(edit, TRUE);
    Type(edit, "d");
    EXPECT_EQ(Text(edit), "dabc");
}

// ---- painting ----

TEST_F(EditTest, PaintsWindowColoursAndHighlightsTheFocusedSelection) {
    HWND edit = Add(ES_AUTOHSCROLL, "WWWWWWWW", 100, 200, 24);
    HWND readOnly = Add(ES_AUTOHSCROLL | ES_READONLY, "text", 101, 200, 24);
    SetWindowPos(readOnly, nullptr, 10, 50, 200, 24, SWP_NOZORDER);
    MessageLog::Instance().Clear();
    const RECT all{0, 0, 200, 24};
    {
        WindowPicture picture(m_parent.Hwnd());
        ASSERT_TRUE(picture.Valid());
        EXPECT_GT(picture.Count(edit, all, GetSysColor(COLOR_WINDOW)), 200 * 24 / 2);
        EXPECT_GT(picture.Count(readOnly, all, GetSysColor(COLOR_BTNFACE)), 200 * 24 / 2);
        EXPECT_GT(picture.Count(edit, all, GetSysColor(COLOR_WINDOWTEXT)), 0);
        EXPECT_EQ(picture.Count(edit, all, GetSysColor(COLOR_HIGHLIGHT)), 0);
    }
    EXPECT_GT(MessageLog::Instance().Count(m_parent.Hwnd(), WM_CTLCOLOREDIT), 0);
    EXPECT_GT(MessageLog::Instance().Count(m_parent.Hwnd(), WM_CTLCOLORSTATIC), 0);

    Select(edit, 0, -1);
    {
        WindowPicture unfocused(m_parent.Hwnd());
        EXPECT_EQ(unfocused.Count(edit, all, GetSysColor(COLOR_HIGHLIGHT)), 0); // hidden without focus
    }
    SetFocus(edit);
    Select(edit, 0, -1);
    WindowPicture focused(m_parent.Hwnd());
    EXPECT_GT(focused.Count(edit, all, GetSysColor(COLOR_HIGHLIGHT)), 0);
}

TEST_F(EditTest, AlignmentStylesPlaceTheTextAndDisabledTextIsGrey) {
    HWND left = Add(ES_LEFT, "WW", 100, 200, 20);
    HWND right = Add(ES_RIGHT, "WW", 101, 200, 20);
    HWND disabled = Add(ES_AUTOHSCROLL | WS_DISABLED, "WW", 102, 200, 20);
    SetWindowPos(right, nullptr, 10, 40, 200, 20, SWP_NOZORDER);
    SetWindowPos(disabled, nullptr, 10, 70, 200, 20, SWP_NOZORDER);
    WindowPicture picture(m_parent.Hwnd());
    ASSERT_TRUE(picture.Valid());
    const COLORREF ink = GetSysColor(COLOR_WINDOWTEXT);
    const RECT leftHalf{0, 0, 100, 20};
    const RECT rightHalf{100, 0, 200, 20};
    EXPECT_GT(picture.Count(left, leftHalf, ink), 0);
    EXPECT_EQ(picture.Count(left, rightHalf, ink), 0);
    EXPECT_EQ(picture.Count(right, leftHalf, ink), 0);
    EXPECT_GT(picture.Count(right, rightHalf, ink), 0);
    EXPECT_GT(picture.Count(disabled, leftHalf, GetSysColor(COLOR_GRAYTEXT)), 0);
    EXPECT_EQ(picture.Count(disabled, leftHalf, ink), 0);
}

TEST_F(EditTest, FontIsKeptAndChangesTheMeasurements) {
    HWND edit = Add(ES_MULTILINE | ES_AUTOHSCROLL, "abc\r\ndef", 100, 200, 80);
    EXPECT_EQ(SendMessageA(edit, WM_GETFONT, 0, 0), 0);
    const LRESULT before = SendMessageA(edit, EM_POSFROMCHAR, 5, 0);
    LOGFONTA big{};
    big.lfHeight = 40;
    strcpy(big.lfFaceName, "System");
    HFONT font = CreateFontIndirectA(&big);
    ASSERT_NE(font, nullptr);
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    EXPECT_EQ(SendMessageA(edit, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
    const LRESULT after = SendMessageA(edit, EM_POSFROMCHAR, 5, 0);
    EXPECT_GT(static_cast<short>(HIWORD(after)), static_cast<short>(HIWORD(before))); // taller lines
    DestroyWindow(edit);
    DeleteObject(font);
}

// ---- size ----

TEST_F(EditTest, LongTextsAndLongTypingStayFast) {
    HWND edit = Add(ES_MULTILINE, "", 100, 300, 200);
    SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    std::string text;
    for (int i = 0; text.size() < 40000; ++i) {
        text += "word" + std::to_string(i) + (i % 12 == 11 ? "\r\n" : " ");
    }
    const auto begin = std::chrono::steady_clock::now();
    SetWindowTextA(edit, text.c_str());
    Select(edit, 20000, 20000);
    const std::string typed(2000, 'k');
    for (int round = 0; round < 2; ++round) {
        for (char c : typed) {
            PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
        }
        PumpMessages();
        SendMessageA(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0);
    }
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    EXPECT_EQ(static_cast<size_t>(GetWindowTextLengthA(edit)), text.size() + 4000);
    EXPECT_LT(seconds, 20.0); // generous: the point is no quadratic blow-up, not a benchmark
    // The incrementally kept line table matches one laid out from scratch.
    const LRESULT lines = SendMessageA(edit, EM_GETLINECOUNT, 0, 0);
    std::vector<LRESULT> starts;
    for (LRESULT line = 0; line < lines; ++line) {
        starts.push_back(SendMessageA(edit, EM_LINEINDEX, line, 0));
    }
    const std::string now = Text(edit);
    SetWindowTextA(edit, now.c_str());
    ASSERT_EQ(SendMessageA(edit, EM_GETLINECOUNT, 0, 0), lines);
    for (LRESULT line = 0; line < lines; ++line) {
        ASSERT_EQ(SendMessageA(edit, EM_LINEINDEX, line, 0), starts[static_cast<size_t>(line)]) << line;
    }
}

} // namespace
