// Property sheets: lazy pages, switching with validation from every direction, pages added and
// removed while the sheet is open, and the sheet messages a host uses.
#include <windows.h> // before <commctrl.h>, which Windows does not make self-contained
#include <commctrl.h>
#include <win32_headless.h>

#include <memory>
#include <vector>

#include "framework_test_support.h"
#include "framework_tests_ids.h"

namespace {

using fwtest::FrameworkTest;

class CTestPage : public CPropertyPage {
public:
    explicit CTestPage(UINT templateId, UINT captionId = 0) : CPropertyPage(templateId, captionId) {}

    BOOL m_allowLeave = TRUE;
    int m_initCount = 0;
    int m_setActiveCount = 0;
    int m_killActiveCount = 0;
    CString m_text;

    BOOL OnInitDialog() override {
        ++m_initCount;
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override {
        ++m_setActiveCount;
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override {
        ++m_killActiveCount;
        return m_allowLeave && CPropertyPage::OnKillActive();
    }
    void DoDataExchange(CDataExchange *dx) override { DDX_Text(dx, IDC_PAGE_EDIT, m_text); }
};

class CButtonRowSheet : public CPropertySheet {
public:
    using CPropertySheet::CPropertySheet;
    BOOL m_failCreation = FALSE;
    CButton m_ok;

protected:
    BOOL OnCreateSheet() override {
        if (m_failCreation)
            return FALSE;
        RECT client{};
        GetClientRect(&client);
        const SIZE size = GetButtonSize();
        const RECT rect{kButtonGap, client.bottom - kButtonGap - size.cy, kButtonGap + size.cx, client.bottom - kButtonGap};
        if (!m_ok.Create("OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, rect, this, IDOK))
            return FALSE;
        m_ok.SetFont(GetFont());
        return TRUE;
    }
};

class PropertySheetTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        m_sheet.AddPage(&m_first);
        m_sheet.AddPage(&m_second);
        m_sheet.AddPage(&m_third);
    }
    void TearDown() override {
        if (m_sheet.m_hWnd != nullptr)
            m_sheet.DestroyWindow();
        FrameworkTest::TearDown();
    }

    HWND Tab() const { return m_sheet.GetDlgItem(IDC_SHEET_TAB)->m_hWnd; }
    HWND CurrentPage() const { return reinterpret_cast<HWND>(::SendMessageA(m_sheet.m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0)); }

    void ClickTab(int index) const {
        RECT item{};
        ASSERT_TRUE(SendMessageA(Tab(), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
        const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        SendMessageA(Tab(), WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageA(Tab(), WM_LBUTTONUP, 0, point);
    }

    CTestPage m_first{IDD_FW_PAGE_FIRST};
    CTestPage m_second{IDD_FW_PAGE_SECOND, IDS_PAGE_CAPTION};
    CTestPage m_third{IDD_FW_PAGE_THIRD};
    CButtonRowSheet m_sheet{IDS_SHEET_CAPTION};
};

TEST_F(PropertySheetTest, CreatesOnlyTheFirstPageAndTitlesTheTabs) {
    ASSERT_TRUE(m_sheet.Create());
    EXPECT_EQ(fwtest::TextOf(m_sheet.m_hWnd), "Sheet Caption");
    EXPECT_TRUE(GetWindowLongA(m_sheet.m_hWnd, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    EXPECT_NE(m_first.m_hWnd, nullptr);
    EXPECT_EQ(m_second.m_hWnd, nullptr);
    EXPECT_EQ(m_third.m_hWnd, nullptr);
    EXPECT_EQ(CurrentPage(), m_first.m_hWnd);
    EXPECT_EQ(GetParent(m_first.m_hWnd), m_sheet.m_hWnd);
    EXPECT_TRUE(GetWindowLongA(m_first.m_hWnd, GWL_STYLE) & WS_CHILD);
    EXPECT_FALSE(GetWindowLongA(m_first.m_hWnd, GWL_STYLE) & WS_CAPTION);
    EXPECT_TRUE(IsWindowVisible(m_first.m_hWnd));

    ASSERT_EQ(SendMessageA(Tab(), TCM_GETITEMCOUNT, 0, 0), 3);
    char text[64] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(Tab(), TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, "First") << "the template's caption";
    SendMessageA(Tab(), TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, "Custom Tab");
    SendMessageA(Tab(), TCM_GETITEMA, 2, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, "Third");
}

TEST_F(PropertySheetTest, TheSheetFitsTheLargestPageAndTheButtonRow) {
    ASSERT_TRUE(m_sheet.Create());
    ASSERT_TRUE(m_sheet.SetActivePage(1));
    RECT page{};
    GetWindowRect(m_second.m_hWnd, &page);
    RECT tab{};
    GetWindowRect(Tab(), &tab);
    RECT expected{0, 0, 180, 90};
    m_sheet.MapDialogRect(&expected);
    EXPECT_GE(page.right - page.left, expected.right);
    EXPECT_GE(page.bottom - page.top, expected.bottom);
    EXPECT_TRUE(page.left >= tab.left && page.right <= tab.right && page.bottom <= tab.bottom);

    RECT client{};
    m_sheet.GetClientRect(&client);
    RECT button{};
    GetWindowRect(m_sheet.m_ok.m_hWnd, &button);
    m_sheet.ScreenToClient(&button);
    m_sheet.ScreenToClient(&tab);
    EXPECT_GE(button.top, tab.bottom) << "the button row lies below the tab control";
    EXPECT_LE(button.bottom, client.bottom);
    EXPECT_EQ(m_sheet.m_ok.GetFont(), m_sheet.GetFont());
    EXPECT_EQ(reinterpret_cast<HFONT>(SendDlgItemMessageA(m_second.m_hWnd, IDC_PAGE_EDIT, WM_GETFONT, 0, 0)),
              m_sheet.GetFont())
        << "pages take the sheet's font";
}

TEST_F(PropertySheetTest, SwitchingByMessageRunsTheLeavePageValidation) {
    ASSERT_TRUE(m_sheet.Create());
    EXPECT_TRUE(SendMessageA(m_sheet.m_hWnd, PSM_SETCURSEL, 2, 0));
    EXPECT_EQ(CurrentPage(), m_third.m_hWnd);
    EXPECT_EQ(m_first.m_killActiveCount, 1);
    EXPECT_FALSE(IsWindowVisible(m_first.m_hWnd));
    EXPECT_TRUE(IsWindowVisible(m_third.m_hWnd));
    EXPECT_EQ(SendMessageA(Tab(), TCM_GETCURSEL, 0, 0), 2);

    m_third.m_allowLeave = FALSE;
    EXPECT_FALSE(SendMessageA(m_sheet.m_hWnd, PSM_SETCURSEL, 0, 0));
    EXPECT_EQ(CurrentPage(), m_third.m_hWnd);
    EXPECT_EQ(SendMessageA(Tab(), TCM_GETCURSEL, 0, 0), 2);

    m_third.m_allowLeave = TRUE;
    // A page handle takes precedence over the index.
    EXPECT_TRUE(SendMessageA(m_sheet.m_hWnd, PSM_SETCURSEL, 1, reinterpret_cast<LPARAM>(m_first.m_hWnd)));
    EXPECT_EQ(CurrentPage(), m_first.m_hWnd);
    EXPECT_EQ(m_first.m_initCount, 1) << "a page is created once";
    EXPECT_FALSE(SendMessageA(m_sheet.m_hWnd, PSM_SETCURSEL, 7, 0));
}

TEST_F(PropertySheetTest, LeavingAPageSavesItsDataAndComingBackReloadsIt) {
    ASSERT_TRUE(m_sheet.Create());
    SetDlgItemTextA(m_first.m_hWnd, IDC_PAGE_EDIT, "typed");
    ASSERT_TRUE(m_sheet.SetActivePage(1));
    EXPECT_EQ(m_first.m_text, "typed");
    m_first.m_text = "changed meanwhile";
    ASSERT_TRUE(m_sheet.SetActivePage(&m_first));
    EXPECT_EQ(fwtest::DialogItemText(m_first.m_hWnd, IDC_PAGE_EDIT), "changed meanwhile");
}

TEST_F(PropertySheetTest, ATabClickGoesThroughTheSameVeto) {
    ASSERT_TRUE(m_sheet.Create());
    m_sheet.ShowWindow(SW_SHOW);
    m_first.m_allowLeave = FALSE;
    ClickTab(1);
    EXPECT_EQ(CurrentPage(), m_first.m_hWnd);
    EXPECT_EQ(SendMessageA(Tab(), TCM_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(m_second.m_hWnd, nullptr);
    EXPECT_EQ(m_first.m_killActiveCount, 1);

    m_first.m_allowLeave = TRUE;
    ClickTab(1);
    EXPECT_EQ(CurrentPage(), m_second.m_hWnd);
    EXPECT_EQ(SendMessageA(Tab(), TCM_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(m_first.m_killActiveCount, 2) << "the change is validated once";
    EXPECT_EQ(m_second.m_setActiveCount, 1);
}

TEST_F(PropertySheetTest, ControlTabCyclesThePages) {
    ASSERT_TRUE(m_sheet.Create());
    SetFocus(GetDlgItem(m_first.m_hWnd, IDC_PAGE_EDIT));
    keybd_event(VK_CONTROL, 0, 0, 0);
    keybd_event(VK_TAB, 0, 0, 0);
    keybd_event(VK_TAB, 0, KEYEVENTF_KEYUP, 0);
    fwtest::Pump();
    EXPECT_EQ(CurrentPage(), m_second.m_hWnd);
    EXPECT_TRUE(IsChild(m_second.m_hWnd, GetFocus())) << "the focus follows into the new page";

    keybd_event(VK_SHIFT, 0, 0, 0);
    keybd_event(VK_TAB, 0, 0, 0);
    keybd_event(VK_TAB, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_TAB, 0, 0, 0);
    keybd_event(VK_TAB, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    fwtest::Pump();
    EXPECT_EQ(CurrentPage(), m_third.m_hWnd) << "backwards from the first page wraps to the last";
}

TEST_F(PropertySheetTest, PagesCanBeAddedAndRemovedWhileOpen) {
    ASSERT_TRUE(m_sheet.Create());
    CTestPage extra(IDD_FW_PAGE_FIRST);
    m_sheet.AddPage(&extra);
    EXPECT_EQ(m_sheet.GetPageCount(), 4);
    EXPECT_EQ(SendMessageA(Tab(), TCM_GETITEMCOUNT, 0, 0), 4);
    EXPECT_EQ(extra.m_hWnd, nullptr) << "added pages wait until they are shown";
    ASSERT_TRUE(SendMessageA(m_sheet.m_hWnd, PSM_SETCURSEL, 3, 0));
    EXPECT_NE(extra.m_hWnd, nullptr);

    // Removing the active page shows a neighbour and destroys the removed page's window.
    HWND removedWindow = extra.m_hWnd;
    m_sheet.RemovePage(&extra);
    EXPECT_FALSE(IsWindow(removedWindow));
    EXPECT_EQ(extra.GetSheet(), nullptr);
    EXPECT_EQ(m_sheet.GetPageCount(), 3);
    EXPECT_EQ(m_sheet.GetActivePage(), &m_third);
    EXPECT_EQ(SendMessageA(Tab(), TCM_GETCURSEL, 0, 0), 2);

    // Removing a page before the active one keeps the active page.
    SendMessageA(m_sheet.m_hWnd, PSM_REMOVEPAGE, 0, 0);
    EXPECT_EQ(m_sheet.GetActivePage(), &m_third);
    EXPECT_EQ(m_sheet.GetActiveIndex(), 1);
    EXPECT_EQ(SendMessageA(Tab(), TCM_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(m_first.m_hWnd, nullptr);
}

TEST_F(PropertySheetTest, TheStartPageIsChosenBeforeCreation) {
    ASSERT_TRUE(m_sheet.SetActivePage(2));
    EXPECT_EQ(m_sheet.GetActiveIndex(), 2);
    ASSERT_TRUE(m_sheet.Create());
    EXPECT_EQ(CurrentPage(), m_third.m_hWnd);
    EXPECT_EQ(m_first.m_hWnd, nullptr);
}

TEST_F(PropertySheetTest, AFailingCreationHookFailsTheSheet) {
    m_sheet.m_failCreation = TRUE;
    EXPECT_FALSE(m_sheet.Create());
    EXPECT_EQ(m_sheet.m_hWnd, nullptr);
}

TEST_F(PropertySheetTest, DestroyingTheSheetDetachesItsPages) {
    ASSERT_TRUE(m_sheet.Create());
    ASSERT_TRUE(m_sheet.SetActivePage(1));
    m_sheet.DestroyWindow();
    EXPECT_EQ(m_first.m_hWnd, nullptr);
    EXPECT_EQ(m_second.m_hWnd, nullptr);
    // The same objects make a new sheet.
    ASSERT_TRUE(m_sheet.Create());
    EXPECT_EQ(m_first.m_initCount, 2);
    EXPECT_EQ(CurrentPage(), m_first.m_hWnd);
}

TEST_F(PropertySheetTest, HelpOnAPageAnswersWithThePageTemplate) {
    ASSERT_TRUE(m_sheet.Create());
    ASSERT_TRUE(m_sheet.SetActivePage(1));
    SetFocus(GetDlgItem(m_second.m_hWnd, IDC_PAGE_EDIT));
    Win32Headless_ClearHelpCalls();
    EXPECT_TRUE(FrameworkHelpFromFocus());
    SetFocus(m_sheet.m_ok.m_hWnd);
    EXPECT_TRUE(FrameworkHelpFromFocus()) << "the sheet's own buttons speak for the active page";
    ASSERT_EQ(Win32Headless_GetHelpCallCount(), 2);
    for (int index = 0; index < 2; ++index) {
        WIN32_HELP_CALL call{};
        Win32Headless_GetHelpCall(index, &call);
        EXPECT_EQ(call.data, static_cast<ULONG_PTR>(0x20000 + IDD_FW_PAGE_SECOND));
        EXPECT_EQ(call.command, static_cast<UINT>(HELP_CONTEXT));
    }
}

TEST_F(PropertySheetTest, DestroyingTheSheetObjectWhileOpenClosesItsWindow) {
    CTestPage page(IDD_FW_PAGE_FIRST);
    HWND hwnd = nullptr;
    {
        CPropertySheet sheet("Scoped");
        sheet.AddPage(&page);
        ASSERT_TRUE(sheet.Create());
        hwnd = sheet.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(page.m_hWnd, nullptr);
    EXPECT_EQ(page.GetSheet(), nullptr);
}

TEST_F(PropertySheetTest, PagesReportChangesToTheSheet) {
    ASSERT_TRUE(m_sheet.Create());
    CButton apply;
    ASSERT_TRUE(apply.Create("Apply", WS_VISIBLE | WS_DISABLED, RECT{0, 0, 10, 10}, &m_sheet, ID_APPLY_NOW));
    m_first.SetModified(TRUE);
    EXPECT_TRUE(m_first.IsModified());
    EXPECT_TRUE(apply.IsWindowEnabled());
}

} // namespace
