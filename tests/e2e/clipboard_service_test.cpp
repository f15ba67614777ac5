// The clipboard text service as the host's Edit menu and name lists use it: the modeller types in a clipboard
// field of a library dialog, the focus moves elsewhere, and the host calls the exports from inside its event
// processing.
#include "clipboard_text.h"
#include "fake_host.h"
#include "testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {
constexpr int kEscapeResult = 2;

HWND Field(int id) { return Modeller::Control(id); }


std::pair<int, int> Selection(HWND field, UINT getSelection)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(field, getSelection, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}
std::pair<int, int> EditSelection() { return Selection(Field(IDC_TESTKIT_CLIPBOARD_EDIT), EM_GETSEL); }
std::pair<int, int> ComboSelection() { return Selection(Field(IDC_TESTKIT_CLIPBOARD_COMBO), CB_GETEDITSEL); }
std::pair<int, int> Caret(int at) { return {at, at}; }

// The field that holds the focus, a combo box for its own edit field.
int FocusedField()
{
    HWND focus = GetFocus();
    HWND parent = GetParent(focus);
    return GetDlgCtrlID(parent && GetDlgCtrlID(parent) == IDC_TESTKIT_CLIPBOARD_COMBO ? parent : focus);
}

// The modeller was typing in `id`; then the host's menu or list took the focus away from it.
void TypedInThenLeft(int id, const char *text)
{
    HWND field = Field(id);
    SetWindowTextA(field, text);
    SetFocus(field);
    SetFocus(Field(IDC_TESTKIT_PLAIN_EDIT));
}

void SelectInEdit(int start, int end) { SendMessageA(Field(IDC_TESTKIT_CLIPBOARD_EDIT), EM_SETSEL, start, end); }

struct ClipboardExports {
    explicit ClipboardExports(FakeHost &host)
        : copy(ORV_EXPORT(host, MFCCopyText)), cut(ORV_EXPORT(host, MFCCutText)),
          paste(ORV_EXPORT(host, MFCPasteText)), undo(ORV_EXPORT(host, MFCUndoText)),
          returnFocus(ORV_EXPORT(host, MFCReturnFocus)), pasteName(ORV_EXPORT(host, PasteText)),
          size(ORV_EXPORT(host, MFCGetTextSizeFromClipboard)), get(ORV_EXPORT(host, MFCGetTextFromClipboard)),
          set(ORV_EXPORT(host, MFCSetTextInClipboard)), empty(ORV_EXPORT(host, MFCEmptyClipboard)),
          dialog(ORV_EXPORT(host, TestkitClipboardDialog)), clock(ORV_EXPORT(host, TestkitSetClipboardClock))
    {
    }
    decltype(&MFCCopyText) copy;
    decltype(&MFCCutText) cut;
    decltype(&MFCPasteText) paste;
    decltype(&MFCUndoText) undo;
    decltype(&MFCReturnFocus) returnFocus;
    decltype(&PasteText) pasteName;
    decltype(&MFCGetTextSizeFromClipboard) size;
    decltype(&MFCGetTextFromClipboard) get;
    decltype(&MFCSetTextInClipboard) set;
    decltype(&MFCEmptyClipboard) empty;
    decltype(&TestkitClipboardDialog) dialog;
    decltype(&TestkitSetClipboardClock) clock;
};

// In a dialog whose clipboard fields paste names only: the framing blanks go, only when they are blanks, and
// the function flag makes no call.
void PastesNamesOnly(ClipboardExports &x, int id, std::pair<int, int> (*selection)())
{
    FakeHost::Current().Driver().Then([&x, id, selection](Modeller &) {
        TypedInThenLeft(id, "");
        x.pasteName(" NAME ", 1, 0);
        EXPECT_EQ(Modeller::Text(id), "NAME");
        EXPECT_EQ(selection(), Caret(4));
        SetWindowTextA(Field(id), "");
        x.pasteName("NAME", 0, 0);
        EXPECT_EQ(Modeller::Text(id), "NAME");
        Modeller::Escape();
    });
    EXPECT_EQ(x.dialog(1), kEscapeResult);
}
} // namespace

TEST(ClipboardService, HostTextTravelsWithLineFeedsAndTheClipboardHoldsCarriageReturnLineFeeds)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    ClipboardExports x(host);

    EXPECT_EQ(x.set("A\nB"), 1);
    EXPECT_EQ(ReadClipboardText(), "A\r\nB");
    EXPECT_EQ(GetClipboardOwner(), host.MainWindow()); // opened for the host main window
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);      // and closed again
    EXPECT_EQ(x.size(), 3);
    char buffer[16] = "untouched";
    EXPECT_EQ(x.get(buffer), 3);
    EXPECT_STREQ(buffer, "A\nB");

    ASSERT_TRUE(WriteClipboardText("one\r\ntwo\r\n"));
    EXPECT_EQ(x.size(), 8);
    EXPECT_EQ(x.get(buffer), 8);
    EXPECT_STREQ(buffer, "one\ntwo\n");

    // Nothing to set leaves the clipboard as it was.
    EXPECT_EQ(x.set(nullptr), 0);
    EXPECT_EQ(x.set(""), 0);
    EXPECT_EQ(ReadClipboardText(), "one\r\ntwo\r\n");

    EXPECT_EQ(x.empty(), 1);
    EXPECT_EQ(x.size(), 0);
    strcpy(buffer, "untouched");
    EXPECT_EQ(x.get(buffer), 0);
    EXPECT_STREQ(buffer, "untouched");
    EXPECT_EQ(x.get(nullptr), 0);
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
}

TEST(ClipboardService, ABusyClipboardIsNeitherReadNorChanged)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    ClipboardExports x(host);
    ASSERT_TRUE(WriteClipboardText("kept"));
    HWND other = CreateWindowA("STATIC", "other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);

    m.Then([&](Modeller &) {
        TypedInThenLeft(IDC_TESTKIT_CLIPBOARD_COMBO, "field");
        ASSERT_TRUE(OpenClipboard(other));
        char buffer[16] = "untouched";
        EXPECT_EQ(x.size(), 0);
        EXPECT_EQ(x.get(buffer), 0);
        EXPECT_STREQ(buffer, "untouched");
        EXPECT_EQ(x.set("new"), 0);
        EXPECT_EQ(x.empty(), 0);
        EXPECT_EQ(x.paste(), 0); // a combo box pastes only clipboard text
        EXPECT_EQ(Modeller::Text(IDC_TESTKIT_CLIPBOARD_COMBO), "field");
        EXPECT_EQ(x.copy(), 1); // there was a target, but the clipboard stays as it was
        EXPECT_EQ(x.cut(), 1);
        EXPECT_EQ(Modeller::Text(IDC_TESTKIT_CLIPBOARD_COMBO), "field"); // nothing cut that could be lost
        EXPECT_EQ(GetOpenClipboardWindow(), other); // still held by its opener
        CloseClipboard();
        Modeller::Escape();
    });
    EXPECT_EQ(x.dialog(0), kEscapeResult);
    EXPECT_EQ(ReadClipboardText(), "kept");
    DestroyWindow(other);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(ClipboardService, AnEditTargetCopiesCutsPastesUndoesAndTakesPickedNames)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    ClipboardExports x(host);
    auto editText = [] { return Modeller::Text(IDC_TESTKIT_CLIPBOARD_EDIT); };

    m.Then([&](Modeller &) {
        TypedInThenLeft(IDC_TESTKIT_CLIPBOARD_EDIT, "A\r\nB");
        SelectInEdit(0, -1);
        EXPECT_EQ(x.copy(), 1);
        EXPECT_EQ(FocusedField(), IDC_TESTKIT_CLIPBOARD_EDIT);
        EXPECT_EQ(x.size(), 3);

        SelectInEdit(3, 4);
        EXPECT_EQ(x.cut(), 1);
        EXPECT_EQ(editText(), "A\r\n");
        EXPECT_EQ(ReadClipboardText(), "B");
        EXPECT_EQ(x.undo(), 1);
        EXPECT_EQ(editText(), "A\r\nB");

        x.set("X\nY");
        SelectInEdit(0, -1);
        SetFocus(Field(IDC_TESTKIT_PLAIN_EDIT));
        EXPECT_EQ(x.paste(), 1);
        EXPECT_EQ(editText(), "X\r\nY");
        EXPECT_EQ(FocusedField(), IDC_TESTKIT_CLIPBOARD_EDIT);

        // A function name becomes a call with the caret between its parentheses.
        TypedInThenLeft(IDC_TESTKIT_CLIPBOARD_EDIT, "");
        x.pasteName("Rate", 1, 0);
        EXPECT_EQ(editText(), "Rate() ");
        EXPECT_EQ(EditSelection(), Caret(5));
        EXPECT_EQ(FocusedField(), IDC_TESTKIT_CLIPBOARD_EDIT);
        SetWindowTextA(Field(IDC_TESTKIT_CLIPBOARD_EDIT), "");
        x.pasteName("Rate ", 1, 0);
        EXPECT_EQ(editText(), "Rate() ");

        // Insert mode 1 keeps the selection; any other mode replaces it.
        SetWindowTextA(Field(IDC_TESTKIT_CLIPBOARD_EDIT), "ab cd");
        SelectInEdit(0, 2);
        x.pasteName("X", 0, 1);
        EXPECT_EQ(editText(), "abX cd");
        EXPECT_EQ(EditSelection(), Caret(3));
        SelectInEdit(0, 2);
        x.pasteName("Y", 0, 0);
        EXPECT_EQ(editText(), "YX cd");
        EXPECT_EQ(EditSelection(), Caret(1));
        Modeller::Escape();
    });
    EXPECT_EQ(x.dialog(0), kEscapeResult);

    PastesNamesOnly(x, IDC_TESTKIT_CLIPBOARD_EDIT, EditSelection);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(ClipboardService, AComboBoxTargetActsOnItsWholeField)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    ClipboardExports x(host);
    auto comboText = [] { return Modeller::Text(IDC_TESTKIT_CLIPBOARD_COMBO); };

    m.Then([&](Modeller &) {
        TypedInThenLeft(IDC_TESTKIT_CLIPBOARD_COMBO, "Alpha");
        EXPECT_EQ(x.copy(), 1);
        EXPECT_EQ(ReadClipboardText(), "Alpha");
        EXPECT_EQ(FocusedField(), IDC_TESTKIT_CLIPBOARD_COMBO);

        EXPECT_EQ(x.cut(), 1);
        EXPECT_EQ(comboText(), "");
        EXPECT_EQ(ReadClipboardText(), "Alpha");

        x.set("Beta");
        EXPECT_EQ(x.paste(), 1);
        EXPECT_EQ(comboText(), "Beta");
        EXPECT_EQ(x.undo(), 1); // nothing to undo in a combo box
        EXPECT_EQ(comboText(), "Beta");
        x.empty();
        EXPECT_EQ(x.paste(), 0);
        EXPECT_EQ(comboText(), "Beta");

        // The whole field becomes the call, whatever was in it, and no letter of the name is lost.
        x.pasteName("Rate", 1, 0);
        EXPECT_EQ(comboText(), "Rate() ");
        EXPECT_EQ(ComboSelection(), Caret(5));
        EXPECT_EQ(FocusedField(), IDC_TESTKIT_CLIPBOARD_COMBO);
        x.pasteName("Rate ", 1, 1);
        EXPECT_EQ(comboText(), "Rate() ");
        Modeller::Escape();
    });
    EXPECT_EQ(x.dialog(0), kEscapeResult);

    PastesNamesOnly(x, IDC_TESTKIT_CLIPBOARD_COMBO, ComboSelection);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(ClipboardService, TheTargetIsTheNewerFieldFavouringTheComboBoxAndGoesAwayWithItsDialog)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    ClipboardExports x(host);
    x.set("clip");

    // No field has had the focus yet.
    EXPECT_EQ(x.copy(), 0);
    EXPECT_EQ(x.cut(), 0);
    EXPECT_EQ(x.paste(), 0);
    EXPECT_EQ(x.undo(), 0);
    EXPECT_EQ(x.returnFocus(), 0);
    x.pasteName("Rate", 1, 0);
    x.pasteName(nullptr, 1, 0);
    EXPECT_EQ(ReadClipboardText(), "clip");

    auto copied = [&] {
        SendMessageA(Field(IDC_TESTKIT_CLIPBOARD_EDIT), EM_SETSEL, 0, -1);
        EXPECT_EQ(x.copy(), 1);
        return ReadClipboardText();
    };
    x.clock(100); // before the dialog gives its first field the focus
    m.Then([&](Modeller &) {
        TypedInThenLeft(IDC_TESTKIT_CLIPBOARD_EDIT, "edit");
        TypedInThenLeft(IDC_TESTKIT_CLIPBOARD_COMBO, "combo");
        EXPECT_EQ(copied(), "combo"); // the same second: the combo box
        x.clock(101);
        SetFocus(Field(IDC_TESTKIT_CLIPBOARD_EDIT));
        EXPECT_EQ(copied(), "edit"); // newer than the combo box
        SetFocus(Field(IDC_TESTKIT_CLIPBOARD_COMBO));
        EXPECT_EQ(copied(), "combo");
        x.clock(102);
        SetFocus(Field(IDC_TESTKIT_CLIPBOARD_EDIT));
        SetFocus(Field(IDC_TESTKIT_PLAIN_EDIT)); // not a clipboard field: the edit stays the target
        EXPECT_EQ(x.returnFocus(), 1);
        EXPECT_EQ(FocusedField(), IDC_TESTKIT_CLIPBOARD_EDIT);
        Modeller::Escape();
    });
    EXPECT_EQ(x.dialog(0), kEscapeResult);

    // Both fields went with their dialog.
    EXPECT_EQ(x.copy(), 0);
    EXPECT_EQ(x.returnFocus(), 0);
    x.pasteName("Rate", 1, 0);
    EXPECT_EQ(ReadClipboardText(), "combo");
    x.clock(-1);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}
