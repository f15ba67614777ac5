// Dialog templates as CreateDialogIndirectParamA / CreateDialogParamA read them: classes, titles,
// ids, styles, fonts, dialog units, creation data, placement and the creation sequence.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "dialog_test_support.h"
#include "win32_tests_ids.h"

using namespace dialog_test;

namespace {

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::string TextOf(HWND hwnd) {
    char text[128] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

RECT ClientRectIn(HWND hwnd, HWND parent) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT *>(&r), 2);
    return r;
}

POINT ClientOrigin(HWND hwnd) {
    POINT p{0, 0};
    ClientToScreen(hwnd, &p);
    return p;
}

// A class that keeps what its windows were created with.
struct ProbeCreation {
    std::string name;
    std::vector<BYTE> params; // the size WORD and the data, as lpCreateParams points to them
    bool paramsNull = true;
};
std::vector<ProbeCreation> g_probes;

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CREATE) {
        const auto *cs = reinterpret_cast<const CREATESTRUCTA *>(lParam);
        ProbeCreation probe;
        probe.name = cs->lpszName ? cs->lpszName : "";
        probe.paramsNull = cs->lpCreateParams == nullptr;
        if (cs->lpCreateParams) {
            WORD size;
            std::memcpy(&size, cs->lpCreateParams, sizeof size);
            const BYTE *bytes = static_cast<const BYTE *>(cs->lpCreateParams);
            probe.params.assign(bytes, bytes + sizeof(WORD) + size);
        }
        g_probes.push_back(probe);
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void RegisterProbeClass() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "DialogProbe";
    RegisterClassA(&wc);
}

LRESULT CALLBACK CustomDialogClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefDlgProcA(hwnd, msg, wParam, lParam);
}

class DialogTemplateTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (HWND w : m_dialogs)
            if (IsWindow(w))
                DestroyWindow(w);
        PumpDialog(nullptr);
    }
    HWND Keep(HWND hwnd) {
        m_dialogs.push_back(hwnd);
        return hwnd;
    }
    DialogRecorder m_recorder;
    std::vector<HWND> m_dialogs;
};

TEST_F(DialogTemplateTest, PredefinedClassOrdinalsGiveControlsInTemplateOrder) {
    DialogTemplateBuilder b(WS_POPUP | WS_CAPTION);
    b.Title("Classes")
        .Item(TemplateText::Ordinal(kButton), "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 5, 5, 40, 14)
        .Item(TemplateText::Ordinal(kEdit), "typed", 101, WS_BORDER | WS_TABSTOP | WS_VISIBLE, 5, 25, 40, 12)
        .Item(TemplateText::Ordinal(kStatic), "Label", 102, SS_LEFT | WS_VISIBLE, 5, 40, 40, 8)
        .Item(TemplateText::Ordinal(kListBox), nullptr, 103, WS_VISIBLE, 50, 5, 40, 40)
        .Item(TemplateText::Ordinal(kComboBox), nullptr, 104, CBS_DROPDOWNLIST | WS_VISIBLE, 50, 50, 40, 40);
    HWND dlg = Keep(CreateTestDialog(b));
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(ClassOf(dlg), "#32770");
    EXPECT_EQ(TextOf(dlg), "Classes");

    const char *classes[] = {"Button", "Edit", "Static", "ListBox", "ComboBox"};
    const int ids[] = {IDOK, 101, 102, 103, 104};
    HWND child = GetWindow(dlg, GW_CHILD);
    for (int i = 0; i < 5; ++i, child = GetWindow(child, GW_HWNDNEXT)) {
        ASSERT_NE(child, nullptr) << i;
        EXPECT_STRCASEEQ(ClassOf(child).c_str(), classes[i]);
        EXPECT_EQ(GetDlgCtrlID(child), ids[i]);
        EXPECT_EQ(GetDlgItem(dlg, ids[i]), child);
        EXPECT_TRUE(StyleOf(child) & WS_CHILD) << "the dialog manager adds WS_CHILD";
        EXPECT_TRUE(GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_NOPARENTNOTIFY);
    }
    EXPECT_EQ(TextOf(GetDlgItem(dlg, IDOK)), "OK");
    EXPECT_EQ(TextOf(GetDlgItem(dlg, 101)), "typed");
    EXPECT_EQ(GetDlgCtrlID(dlg), 0) << "a top-level dialog has no control id";
    EXPECT_EQ(GetDlgItem(dlg, 999), nullptr);
}

TEST_F(DialogTemplateTest, ExtendedTemplateCarriesDwordIdsAndTheFullFont) {
    DialogTemplateBuilder b(WS_POPUP | WS_CAPTION | DS_SETFONT, /*extended=*/true);
    b.Title("Extended").Font(9, "Tahoma", 700, 1, 0);
    TemplateItemSpec item;
    item.cls = TemplateText::Ordinal(kButton);
    item.title = "Big id";
    item.id = 70000;
    item.style = WS_VISIBLE | WS_TABSTOP;
    item.helpId = 55;
    b.Item(item);
    HWND dlg = Keep(CreateTestDialog(b));
    ASSERT_NE(dlg, nullptr);
    HWND button = GetWindow(dlg, GW_CHILD);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(GetDlgCtrlID(button), 70000);
    EXPECT_EQ(TextOf(button), "Big id");

    auto font = reinterpret_cast<HFONT>(SendMessageA(dlg, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTA lf{};
    ASSERT_TRUE(GetObjectA(font, sizeof lf, &lf));
    EXPECT_EQ(lf.lfHeight, -MulDiv(9, 96, 72));
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_STREQ(lf.lfFaceName, "Tahoma");
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)), font)
        << "every control gets the dialog font";
}

TEST_F(DialogTemplateTest, StringClassesOrdinalTitlesAndCreationDataReachTheControl) {
    RegisterProbeClass();
    g_probes.clear();
    DialogTemplateBuilder b(WS_POPUP);
    TemplateItemSpec withData;
    withData.cls = "DialogProbe";
    withData.title = "plain";
    withData.id = 1;
    withData.creationData = {0xAB, 0xCD, 0xEF};
    TemplateItemSpec ordinalTitle;
    ordinalTitle.cls = "DialogProbe";
    ordinalTitle.title = TemplateText::Ordinal(123);
    ordinalTitle.id = 2;
    b.Item(withData).Item(ordinalTitle);
    HWND dlg = Keep(CreateTestDialog(b));
    ASSERT_NE(dlg, nullptr);
    ASSERT_EQ(g_probes.size(), 2u);
    EXPECT_EQ(g_probes[0].name, "plain");
    ASSERT_FALSE(g_probes[0].paramsNull);
    EXPECT_EQ(g_probes[0].params, (std::vector<BYTE>{3, 0, 0xAB, 0xCD, 0xEF}))
        << "lpCreateParams points to the size WORD followed by the data";
    EXPECT_EQ(g_probes[1].name, "#123") << "an ordinal title is passed in its resource-name form";
    EXPECT_TRUE(g_probes[1].paramsNull);
}

TEST_F(DialogTemplateTest, DialogUnitsFollowTheTemplateFontOrTheSystemFont) {
    DialogTemplateBuilder withFont(WS_POPUP | DS_SETFONT);
    withFont.Font(8, "Sans").Rect(0, 0, 160, 80).Item(TemplateText::Ordinal(kButton), "B", 1, WS_VISIBLE, 10, 20, 50,
                                                      14);
    HWND dlg = Keep(CreateTestDialog(withFont));
    ASSERT_NE(dlg, nullptr);
    auto font = reinterpret_cast<HFONT>(SendMessageA(dlg, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE extent;
    TEXTMETRICA tm;
    GetTextExtentPoint32A(dc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &extent);
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    DeleteDC(dc);
    const int baseX = (extent.cx + 26) / 52;
    const int baseY = tm.tmHeight;

    RECT unit{0, 0, 4, 8};
    ASSERT_TRUE(MapDialogRect(dlg, &unit));
    EXPECT_EQ(unit.right, baseX);
    EXPECT_EQ(unit.bottom, baseY);

    RECT client;
    GetClientRect(dlg, &client);
    EXPECT_EQ(client.right, MulDiv(160, baseX, 4));
    EXPECT_EQ(client.bottom, MulDiv(80, baseY, 8));
    // Position and size are converted separately, so equal template sizes give equal pixel sizes.
    const RECT actual = ClientRectIn(GetDlgItem(dlg, 1), dlg);
    EXPECT_EQ(actual.left, MulDiv(10, baseX, 4));
    EXPECT_EQ(actual.top, MulDiv(20, baseY, 8));
    EXPECT_EQ(actual.right - actual.left, MulDiv(50, baseX, 4));
    EXPECT_EQ(actual.bottom - actual.top, MulDiv(14, baseY, 8));

    DialogTemplateBuilder plain(WS_POPUP);
    HWND plainDlg = Keep(CreateTestDialog(plain));
    ASSERT_NE(plainDlg, nullptr);
    EXPECT_EQ(SendMessageA(plainDlg, WM_GETFONT, 0, 0), 0) << "no DS_SETFONT: the system font";
    RECT plainUnit{0, 0, 4, 8};
    ASSERT_TRUE(MapDialogRect(plainDlg, &plainUnit));
    const LONG units = GetDialogBaseUnits();
    EXPECT_EQ(plainUnit.right, LOWORD(units));
    EXPECT_EQ(plainUnit.bottom, HIWORD(units));

    HWND notADialog = CreateWindowExA(0, "Button", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    RECT r{0, 0, 4, 8};
    EXPECT_FALSE(MapDialogRect(notADialog, &r));
    DestroyWindow(notADialog);
}

TEST_F(DialogTemplateTest, PlacementIsRelativeToTheOwnerClientAreaUnlessAbsolute) {
    HWND owner = CreateWindowExA(0, "#32770", "Owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 80, 400, 300, nullptr,
                                 nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    m_dialogs.push_back(owner);
    const LONG units = GetDialogBaseUnits();
    const POINT ownerOrigin = ClientOrigin(owner);

    DialogTemplateBuilder relative(WS_POPUP | WS_CAPTION);
    relative.Rect(10, 16, 60, 40);
    HWND dlg = Keep(CreateTestDialog(relative, owner));
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(GetParent(dlg), owner) << "GetParent of a popup gives its owner";
    POINT origin = ClientOrigin(dlg);
    EXPECT_EQ(origin.x, ownerOrigin.x + MulDiv(10, LOWORD(units), 4));
    EXPECT_EQ(origin.y, ownerOrigin.y + MulDiv(16, HIWORD(units), 8));

    DialogTemplateBuilder absolute(WS_POPUP | DS_ABSALIGN);
    absolute.Rect(10, 16, 60, 40);
    HWND absDlg = Keep(CreateTestDialog(absolute, owner));
    ASSERT_NE(absDlg, nullptr);
    origin = ClientOrigin(absDlg);
    EXPECT_EQ(origin.x, MulDiv(10, LOWORD(units), 4));
    EXPECT_EQ(origin.y, MulDiv(16, HIWORD(units), 8));

    DialogTemplateBuilder centred(WS_POPUP | WS_CAPTION | DS_CENTER);
    centred.Rect(0, 0, 60, 40);
    HWND centredDlg = Keep(CreateTestDialog(centred, owner));
    ASSERT_NE(centredDlg, nullptr);
    RECT o, d;
    GetWindowRect(owner, &o);
    GetWindowRect(centredDlg, &d);
    EXPECT_LE(std::abs((o.left + o.right) - (d.left + d.right)), 1);
    EXPECT_LE(std::abs((o.top + o.bottom) - (d.top + d.bottom)), 1);
}

TEST_F(DialogTemplateTest, ModalFrameAndControlStylesShapeTheWindow) {
    DialogTemplateBuilder framed(WS_POPUP | WS_CAPTION | DS_MODALFRAME);
    HWND dlg = Keep(CreateTestDialog(framed));
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(GetWindowLongA(dlg, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);

    DialogTemplateBuilder parentTemplate(WS_POPUP | WS_VISIBLE);
    parentTemplate.Item(TemplateText::Ordinal(kButton), "Outer", 1, WS_TABSTOP | WS_VISIBLE, 0, 0, 30, 12);
    HWND parent = Keep(CreateTestDialog(parentTemplate));
    ASSERT_NE(parent, nullptr);
    DialogTemplateBuilder page(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CONTROL | WS_VISIBLE);
    page.Rect(0, 20, 100, 50).Item(TemplateText::Ordinal(kButton), "Inner", 2, WS_TABSTOP | WS_VISIBLE, 0, 0, 30,
                                   12);
    HWND child = CreateTestDialog(page, parent);
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(StyleOf(child) & WS_CHILD);
    EXPECT_FALSE(StyleOf(child) & WS_CAPTION);
    EXPECT_FALSE(StyleOf(child) & WS_SYSMENU);
    EXPECT_TRUE(GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    EXPECT_EQ(GetParent(child), parent);
    HWND outer = GetDlgItem(parent, 1);
    HWND inner = GetDlgItem(child, 2);
    EXPECT_EQ(GetNextDlgTabItem(parent, outer, FALSE), inner) << "a DS_CONTROL page joins its parent's tab order";
    EXPECT_EQ(GetNextDlgTabItem(parent, inner, FALSE), outer);
    SetFocus(inner);
    PressKey(child, VK_TAB);
    EXPECT_EQ(GetFocus(), outer) << "Tab in a page pumped through its own IsDialogMessageA reaches the parent";
}

TEST_F(DialogTemplateTest, AControlThatCannotBeCreatedFailsTheDialogUnlessNoFailCreate) {
    DialogTemplateBuilder failing(WS_POPUP);
    failing.Title("Failing dialog")
        .Item(TemplateText::Ordinal(kButton), "ok", 1, WS_VISIBLE, 0, 0, 10, 10)
        .Item("NoSuchClass", "x", 2, WS_VISIBLE, 0, 0, 10, 10);
    SetLastError(0);
    EXPECT_EQ(CreateTestDialog(failing), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
    EXPECT_EQ(FindWindowA(nullptr, "Failing dialog"), nullptr) << "the half-made dialog is destroyed";

    DialogTemplateBuilder tolerant(WS_POPUP | DS_NOFAILCREATE);
    tolerant.Item(TemplateText::Ordinal(kButton), "ok", 1, WS_VISIBLE, 0, 0, 10, 10)
        .Item("NoSuchClass", "x", 2, WS_VISIBLE, 0, 0, 10, 10)
        .Item(TemplateText::Ordinal(kButton), "after", 3, WS_VISIBLE, 0, 0, 10, 10);
    HWND dlg = Keep(CreateTestDialog(tolerant));
    ASSERT_NE(dlg, nullptr);
    EXPECT_NE(GetDlgItem(dlg, 1), nullptr);
    EXPECT_EQ(GetDlgItem(dlg, 2), nullptr);
    EXPECT_NE(GetDlgItem(dlg, 3), nullptr);
}

TEST_F(DialogTemplateTest, CreationSendsSetFontBeforeControlsAndInitDialogAfterThem) {
    HWND controlAtSetFont = reinterpret_cast<HWND>(1);
    m_recorder.handler = [&](HWND hDlg, UINT msg, WPARAM, LPARAM, INT_PTR &) {
        if (msg == WM_SETFONT)
            controlAtSetFont = GetDlgItem(hDlg, 10);
        return false;
    };
    DialogTemplateBuilder b(WS_POPUP | DS_SETFONT);
    b.Font(8, "Sans")
        .Item(TemplateText::Ordinal(kStatic), "&Name", 9, WS_VISIBLE, 0, 0, 20, 8)
        .Item(TemplateText::Ordinal(kEdit), "hello", 10, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 10, 40, 12)
        .Item(TemplateText::Ordinal(kButton), "OK", IDOK, WS_VISIBLE | WS_TABSTOP, 0, 30, 40, 14);
    HWND dlg = Keep(CreateTestDialog(b, nullptr, 0x1234));
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(controlAtSetFont, nullptr) << "WM_SETFONT comes before the controls exist";
    ASSERT_EQ(m_recorder.Count(WM_INITDIALOG), 1);
    const auto init = std::find_if(m_recorder.messages.begin(), m_recorder.messages.end(),
                                   [](const DialogMessage &m) { return m.message == WM_INITDIALOG; });
    const auto setFont = std::find_if(m_recorder.messages.begin(), m_recorder.messages.end(),
                                      [](const DialogMessage &m) { return m.message == WM_SETFONT; });
    EXPECT_LT(setFont - m_recorder.messages.begin(), init - m_recorder.messages.begin());
    EXPECT_EQ(reinterpret_cast<HWND>(init->wParam), GetDlgItem(dlg, 10)) << "wParam is the first tab stop";
    EXPECT_EQ(init->lParam, 0x1234);
    EXPECT_EQ(reinterpret_cast<DLGPROC>(GetWindowLongA(dlg, DWL_DLGPROC)), RecordingDialogProc);
    EXPECT_EQ(m_recorder.Count(WM_CREATE), 1) << "the dialog procedure is in place before WM_CREATE";

    EXPECT_FALSE(IsWindowVisible(dlg)) << "no WS_VISIBLE: the dialog stays hidden";
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, 10)) << "WM_INITDIALOG returned TRUE";
    DWORD start = 1, end = 0;
    SendMessageA(GetDlgItem(dlg, 10), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u) << "the focused edit has all of its text selected";
}

TEST_F(DialogTemplateTest, FalseFromInitDialogLeavesTheFocusAloneAndVisibleTemplatesShow) {
    HWND other = CreateWindowExA(0, "Button", "other", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    m_dialogs.push_back(other);
    SetFocus(other);
    m_recorder.initResult = FALSE;
    DialogTemplateBuilder b(WS_POPUP);
    b.Item(TemplateText::Ordinal(kButton), "OK", IDOK, WS_VISIBLE | WS_TABSTOP, 0, 0, 40, 14);
    HWND dlg = Keep(CreateTestDialog(b));
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(GetFocus(), other);

    m_recorder.initResult = TRUE;
    DialogTemplateBuilder visible(WS_POPUP | WS_VISIBLE);
    visible.Item(TemplateText::Ordinal(kButton), "OK", IDOK, WS_VISIBLE | WS_TABSTOP, 0, 0, 40, 14);
    HWND shown = Keep(CreateTestDialog(visible));
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(IsWindowVisible(shown));
    EXPECT_EQ(GetActiveWindow(), shown);
    EXPECT_EQ(GetFocus(), GetDlgItem(shown, IDOK));
}

TEST_F(DialogTemplateTest, TheTemplateFontIsDeletedWithTheDialog) {
    DialogTemplateBuilder b(WS_POPUP | DS_SETFONT);
    b.Font(10, "Sans");
    HWND dlg = CreateTestDialog(b);
    ASSERT_NE(dlg, nullptr);
    auto font = reinterpret_cast<HFONT>(SendMessageA(dlg, WM_GETFONT, 0, 0));
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    DestroyWindow(dlg);
    EXPECT_EQ(GetObjectType(font), 0u);
}

TEST_F(DialogTemplateTest, ACustomDialogClassFromTheTemplateRunsThroughDefDlgProc) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = CustomDialogClassProc;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "CustomDialogClass";
    RegisterClassA(&wc);
    DialogTemplateBuilder b(WS_POPUP);
    b.Class("CustomDialogClass").Item(TemplateText::Ordinal(kButton), "OK", IDOK, WS_VISIBLE | WS_TABSTOP, 0, 0, 40, 14);
    HWND dlg = Keep(CreateTestDialog(b));
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(ClassOf(dlg), "CustomDialogClass");
    EXPECT_EQ(m_recorder.Count(WM_INITDIALOG), 1);
    EXPECT_EQ(SendMessageA(dlg, DM_GETDEFID, 0, 0), 0);
}

TEST_F(DialogTemplateTest, ResourceTemplatesComeFromTheModule) {
    HINSTANCE module = GetModuleHandleA(nullptr);
    HWND dlg = Keep(CreateDialogParamA(module, MAKEINTRESOURCEA(IDD_DLG_TABORDER), nullptr, RecordingDialogProc, 7));
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(TextOf(dlg), "Tab order");
    EXPECT_NE(GetDlgItem(dlg, IDC_DLG_NAME), nullptr);
    EXPECT_NE(SendMessageA(dlg, WM_GETFONT, 0, 0), 0);

    SetLastError(0);
    EXPECT_EQ(CreateDialogParamA(module, MAKEINTRESOURCEA(IDD_DLG_ABSENT), nullptr, RecordingDialogProc, 0), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_EQ(DialogBoxParamA(module, MAKEINTRESOURCEA(IDD_DLG_ABSENT), nullptr, RecordingDialogProc, 0), -1);
}

} // namespace
