// Dialogs: modeless creation, initialisation, OK/Cancel, data exchange in both directions with
// its failures, control objects and owner drawing.
#include <memory>
#include <string>
#include <vector>

#include <win32_headless.h>

#include "framework_test_support.h"
#include "framework_tests_ids.h"

namespace {

using fwtest::DialogItemText;
using fwtest::FrameworkTest;
using fwtest::MessageBoxAnswerer;

class COwnerButton : public CButton {
public:
    std::vector<UINT> m_drawnIds;
    void DrawItem(LPDRAWITEMSTRUCT item) override { m_drawnIds.push_back(item->CtlID); }
};

class CDataDialog : public CDialog {
public:
    CDataDialog() : CDialog(IDD_FW_DATA) {}

    CString m_name = "Buffer";
    int m_count = 12;
    double m_ratio = 0.25;
    unsigned int m_unsigned = 4;
    int m_check = 1;
    int m_radio = 1;
    int m_comboIndex = 1;
    CString m_comboText = "beta";
    CString m_listText = "two";
    int m_maxName = 10;
    bool m_exchangeLists = false;
    bool m_exchangeBuffer = false;
    char m_code[8] = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}; // a full buffer without a terminator
    COwnerButton m_owner;
    int m_parentDrawItems = 0;
    int m_endedWith = 0;

    BOOL OnInitDialog() override {
        CComboBox *list = GetDlgItemAs<CComboBox>(IDC_COMBO_LIST);
        for (const char *item : {"alpha", "beta", "gamma"}) {
            list->AddString(item);
            SendDlgItemMessage(IDC_COMBO_EDIT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
        for (const char *item : {"one", "two", "three"})
            SendDlgItemMessage(IDC_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        return CDialog::OnInitDialog();
    }

    void DoDataExchange(CDataExchange *dx) override {
        DDX_Control(dx, IDC_OWNERDRAW, m_owner);
        DDX_Text(dx, IDC_NAME, m_name);
        DDV_MaxChars(dx, m_name, m_maxName);
        DDX_Text(dx, IDC_COUNT, m_count);
        DDV_MinMaxInt(dx, m_count, 0, 100);
        DDX_Text(dx, IDC_RATIO, m_ratio);
        if (m_exchangeBuffer)
            DDX_Text(dx, IDC_UNSIGNED, m_code, sizeof(m_code));
        else
            DDX_Text(dx, IDC_UNSIGNED, m_unsigned);
        DDX_Check(dx, IDC_CHECK, m_check);
        DDX_Radio(dx, IDC_RADIO_A, m_radio);
        if (m_exchangeLists) {
            DDX_CBIndex(dx, IDC_COMBO_LIST, m_comboIndex);
            DDX_CBString(dx, IDC_COMBO_EDIT, m_comboText);
            DDX_LBString(dx, IDC_LIST, m_listText);
        }
    }

    void OnEndModeless(int result) override { m_endedWith = result; }

protected:
    void OnDrawItem(int, LPDRAWITEMSTRUCT) { ++m_parentDrawItems; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDataDialog, CDialog)
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

class DialogTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        m_host.reset(new fwtest::HostWindow);
        m_frame.SubclassWindow(m_host->Get());
        FrameworkSetMainWnd(&m_frame);
    }
    void TearDown() override {
        if (m_dialog.m_hWnd != nullptr)
            m_dialog.DestroyWindow();
        m_frame.UnsubclassWindow();
        m_host.reset();
        FrameworkTest::TearDown();
    }

    HWND Item(int id) const { return GetDlgItem(m_dialog.m_hWnd, id); }
    void SetItem(int id, const char *text) const { SetWindowTextA(Item(id), text); }

    std::unique_ptr<fwtest::HostWindow> m_host;
    CFrameWnd m_frame;
    CDataDialog m_dialog;
};

TEST_F(DialogTest, ModelessCreationBindsTheObjectAndLoadsTheControls) {
    ASSERT_TRUE(m_dialog.Create(IDD_FW_DATA));
    EXPECT_EQ(CWnd::FromHandlePermanent(m_dialog.m_hWnd), &m_dialog);
    EXPECT_EQ(GetWindow(m_dialog.m_hWnd, GW_OWNER), m_host->Get()) << "the main window owns the dialog";
    EXPECT_EQ(DialogItemText(m_dialog.m_hWnd, IDC_NAME), "Buffer");
    EXPECT_EQ(DialogItemText(m_dialog.m_hWnd, IDC_COUNT), "12");
    EXPECT_EQ(DialogItemText(m_dialog.m_hWnd, IDC_RATIO), "0.25");
    EXPECT_EQ(DialogItemText(m_dialog.m_hWnd, IDC_UNSIGNED), "4");
    EXPECT_EQ(SendMessageA(Item(IDC_CHECK), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(Item(IDC_RADIO_A), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(Item(IDC_RADIO_B), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(Item(IDC_AFTER_GROUP), BM_GETCHECK, 0, 0), BST_UNCHECKED) << "outside the radio group";
    EXPECT_EQ(SendMessageA(Item(IDC_NAME), EM_GETLIMITTEXT, 0, 0), 10) << "DDV_MaxChars limits typing on load";
    EXPECT_EQ(CWnd::FromHandlePermanent(Item(IDC_OWNERDRAW)), &m_dialog.m_owner);
    EXPECT_EQ(m_dialog.GetDlgItemAs<CButton>(IDC_OWNERDRAW), &m_dialog.m_owner);
    EXPECT_EQ(m_dialog.GetDlgItemAs<CEdit>(IDC_OWNERDRAW), nullptr) << "the permanent object is no edit";
}

TEST_F(DialogTest, SavingParsesTheControls) {
    ASSERT_TRUE(m_dialog.Create(IDD_FW_DATA));
    SetItem(IDC_NAME, "Machine");
    SetItem(IDC_RATIO, "1.5e2");
    SetItem(IDC_UNSIGNED, "4000000000");
    SendMessageA(Item(IDC_CHECK), BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageA(Item(IDC_RADIO_B), BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageA(Item(IDC_RADIO_C), BM_SETCHECK, BST_CHECKED, 0);
    SetItem(IDC_COUNT, "  70 ");
    EXPECT_TRUE(m_dialog.UpdateData(TRUE));
    EXPECT_EQ(m_dialog.m_name, "Machine");
    EXPECT_EQ(m_dialog.m_count, 70);
    EXPECT_DOUBLE_EQ(m_dialog.m_ratio, 150.0);
    EXPECT_EQ(m_dialog.m_unsigned, 4000000000u);
    EXPECT_EQ(m_dialog.m_check, 0);
    EXPECT_EQ(m_dialog.m_radio, 2);

    for (int id : {IDC_RADIO_A, IDC_RADIO_B, IDC_RADIO_C})
        SendMessageA(Item(id), BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_TRUE(m_dialog.UpdateData(TRUE));
    EXPECT_EQ(m_dialog.m_radio, -1);
}

struct BadInput {
    int id;
    const char *text;
    const char *message;
};

class DialogFailureTest : public DialogTest, public ::testing::WithParamInterface<BadInput> {};

TEST_P(DialogFailureTest, AFailedFieldShowsItsMessageAndTakesTheFocus) {
    const BadInput &input = GetParam();
    MessageBoxAnswerer answerer;
    ASSERT_TRUE(m_dialog.Create(IDD_FW_DATA));
    const CString nameBefore = m_dialog.m_name;
    SetItem(input.id, input.text);
    SetFocus(Item(IDC_CHECK));

    EXPECT_FALSE(m_dialog.UpdateData(TRUE));
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].text, input.message);
    EXPECT_EQ(answerer.Boxes()[0].caption, "Framework Test");
    EXPECT_EQ(answerer.Boxes()[0].owner, m_dialog.m_hWnd) << "the box keeps the dialog from being used meanwhile";
    EXPECT_EQ(GetFocus(), Item(input.id));
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(Item(input.id), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, static_cast<DWORD>(lstrlenA(input.text)));
    if (input.id != IDC_NAME) {
        EXPECT_EQ(m_dialog.m_name, nameBefore) << "fields before the failure were saved";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, DialogFailureTest,
    ::testing::Values(BadInput{IDC_COUNT, "12a", "Enter a whole number."},
                      BadInput{IDC_COUNT, "", "Enter a whole number."},
                      BadInput{IDC_COUNT, "99999999999", "Enter a whole number."},
                      BadInput{IDC_COUNT, "101", "Enter a whole number from 0 to 100."},
                      BadInput{IDC_RATIO, "1.2.3", "Enter a number."},
                      BadInput{IDC_RATIO, "0x10", "Enter a number."},
                      BadInput{IDC_RATIO, "inf", "Enter a number."},
                      BadInput{IDC_UNSIGNED, "-1", "Enter a whole number of zero or more."},
                      BadInput{IDC_NAME, "ABCDEFGHIJK", "Enter no more than 10 characters."}));

TEST_F(DialogTest, ListsExchangeByIndexAndText) {
    m_dialog.m_exchangeLists = true;
    ASSERT_TRUE(m_dialog.Create(IDD_FW_DATA));
    EXPECT_EQ(SendMessageA(Item(IDC_COMBO_LIST), CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessageA(Item(IDC_COMBO_EDIT), CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessageA(Item(IDC_LIST), LB_GETCURSEL, 0, 0), 1);

    SendMessageA(Item(IDC_COMBO_LIST), CB_SETCURSEL, 2, 0);
    SetItem(IDC_COMBO_EDIT, "typed");
    SendMessageA(Item(IDC_LIST), LB_SETCURSEL, 2, 0);
    EXPECT_TRUE(m_dialog.UpdateData(TRUE));
    EXPECT_EQ(m_dialog.m_comboIndex, 2);
    EXPECT_EQ(m_dialog.m_comboText, "typed");
    EXPECT_EQ(m_dialog.m_listText, "three");

    m_dialog.m_comboText = "not listed";
    m_dialog.m_listText = "missing";
    EXPECT_TRUE(m_dialog.UpdateData(FALSE));
    EXPECT_EQ(DialogItemText(m_dialog.m_hWnd, IDC_COMBO_EDIT), "not listed");
    EXPECT_EQ(SendMessageA(Item(IDC_LIST), LB_GETCURSEL, 0, 0), LB_ERR);
}

TEST_F(DialogTest, FixedBuffersAreNeverReadOrWrittenPastTheirSize) {
    m_dialog.m_exchangeBuffer = true;
    ASSERT_TRUE(m_dialog.Create(IDD_FW_DATA));
    EXPECT_EQ(DialogItemText(m_dialog.m_hWnd, IDC_UNSIGNED), "ABCDEFGH");
    SetItem(IDC_UNSIGNED, "0123456789");
    EXPECT_TRUE(m_dialog.UpdateData(TRUE));
    EXPECT_STREQ(m_dialog.m_code, "0123456");
}

TEST_F(DialogTest, OkSavesBeforeEndingAndStaysOpenOnFailure) {
    MessageBoxAnswerer answerer;
    ASSERT_TRUE(m_dialog.Create(IDD_FW_DATA));
    SetItem(IDC_COUNT, "many");
    m_dialog.SendMessage(WM_COMMAND, IDOK);
    EXPECT_EQ(m_dialog.m_endedWith, 0);
    EXPECT_EQ(answerer.Boxes().size(), 1u);

    SetItem(IDC_COUNT, "3");
    m_dialog.SendMessage(WM_COMMAND, IDOK);
    EXPECT_EQ(m_dialog.m_endedWith, IDOK);
    EXPECT_EQ(m_dialog.m_count, 3);
    EXPECT_EQ(m_dialog.m_nModalResult, IDOK);

    m_dialog.m_endedWith = 0;
    SetItem(IDC_COUNT, "bad again");
    m_dialog.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_EQ(m_dialog.m_endedWith, IDCANCEL) << "Cancel ends without data exchange";
    EXPECT_EQ(answerer.Boxes().size(), 1u);
}

TEST_F(DialogTest, EndingAModelessDialogDestroysItByDefault) {
    CDialog plain(IDD_FW_DATA);
    ASSERT_TRUE(plain.Create(IDD_FW_DATA));
    HWND hwnd = plain.m_hWnd;
    plain.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(plain.m_hWnd, nullptr);
    EXPECT_EQ(plain.m_nModalResult, IDCANCEL);
}

TEST_F(DialogTest, OwnerDrawingIsReflectedToTheControlObject) {
    ASSERT_TRUE(m_dialog.Create(IDD_FW_DATA));
    m_dialog.ShowWindow(SW_SHOW);
    HWND button = Item(IDC_OWNERDRAW);
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_FALSE(m_dialog.m_owner.m_drawnIds.empty());
    EXPECT_EQ(m_dialog.m_owner.m_drawnIds.back(), static_cast<UINT>(IDC_OWNERDRAW));
    EXPECT_EQ(m_dialog.m_parentDrawItems, 0) << "the control's own DrawItem took the message";

    // Without an object of its own, the button's drawing reaches the dialog's handler.
    HWND detached = m_dialog.m_owner.UnsubclassWindow();
    EXPECT_EQ(detached, button);
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GE(m_dialog.m_parentDrawItems, 1);
}

TEST_F(DialogTest, KeyboardInADialogGoesThroughTheDialogManager) {
    ASSERT_TRUE(m_dialog.Create(IDD_FW_DATA));
    m_dialog.ShowWindow(SW_SHOW);
    SetFocus(Item(IDC_NAME));
    PostMessageA(Item(IDC_NAME), WM_KEYDOWN, VK_TAB, 0);
    fwtest::Pump();
    EXPECT_EQ(GetFocus(), Item(IDC_COUNT));
}

TEST_F(DialogTest, CentresOverItsOwnerAndManagesTheDefaultButton) {
    ASSERT_TRUE(m_dialog.Create(IDD_FW_DATA));
    m_dialog.CenterWindow();
    RECT host{};
    RECT dialog{};
    GetWindowRect(m_host->Get(), &host);
    GetWindowRect(m_dialog.m_hWnd, &dialog);
    EXPECT_NEAR((dialog.left + dialog.right) / 2, (host.left + host.right) / 2, 1);
    EXPECT_NEAR((dialog.top + dialog.bottom) / 2, (host.top + host.bottom) / 2, 1);

    m_dialog.SetDefID(IDC_PUSH);
    EXPECT_EQ(m_dialog.GetDefID(), static_cast<DWORD>(MAKELONG(IDC_PUSH, DC_HASDEFID)));
    m_dialog.GotoDlgCtrl(m_dialog.GetDlgItem(IDC_COUNT));
    EXPECT_EQ(GetFocus(), Item(IDC_COUNT));
    m_dialog.NextDlgCtrl();
    EXPECT_EQ(GetFocus(), Item(IDC_RATIO));
    m_dialog.PrevDlgCtrl();
    EXPECT_EQ(GetFocus(), Item(IDC_COUNT));
}

void CALLBACK PressOkInModalDialog(HWND modal, UINT msgf) {
    if (msgf == MSGF_DIALOGBOX)
        PostMessageA(modal, WM_COMMAND, IDOK, 0);
}

TEST_F(DialogTest, AModalRunSavesOnOkAndReturnsTheResult) {
    Win32Headless_SetModalIdleHook(PressOkInModalDialog);
    m_dialog.m_count = 42;
    EXPECT_EQ(m_dialog.DoModal(), IDOK);
    Win32Headless_SetModalIdleHook(nullptr);
    EXPECT_EQ(m_dialog.m_hWnd, nullptr);
    EXPECT_EQ(m_dialog.m_count, 42) << "loaded and saved back unchanged";
    EXPECT_EQ(m_dialog.m_endedWith, 0) << "a modal run does not end through the modeless hook";
    EXPECT_TRUE(IsWindowEnabled(m_host->Get()));
}

TEST_F(DialogTest, AMissingTemplateFailsCreation) {
    CDialog missing(4242);
    EXPECT_FALSE(missing.Create(4242));
    EXPECT_EQ(missing.m_hWnd, nullptr);
}

} // namespace
