// Item lists that come with a dialog template fill its combo and list boxes before initialisation.
#include "framework_test_support.h"
#include "framework_tests_ids.h"

#include <cstring>
#include <vector>

namespace {

class CListsDialog : public CDialog {
public:
    CListsDialog() : CDialog(IDD_FW_LISTS) {}
    int m_comboCountAtInit = -1;

protected:
    BOOL OnInitDialog() override
    {
        m_comboCountAtInit = static_cast<int>(::SendDlgItemMessageA(m_hWnd, IDC_COMBO_LIST, CB_GETCOUNT, 0, 0));
        return CDialog::OnInitDialog();
    }
};

std::string ComboItem(HWND dialog, int index)
{
    char text[64] = "";
    ::SendDlgItemMessageA(dialog, IDC_COMBO_LIST, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

TEST(DialogInitData, TemplateListsAreFilledBeforeInitialisation)
{
    CListsDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_FW_LISTS));
    EXPECT_EQ(dialog.m_comboCountAtInit, 2);
    EXPECT_EQ(ComboItem(dialog.m_hWnd, 0), "Always");
    EXPECT_EQ(ComboItem(dialog.m_hWnd, 1), "Never");
    EXPECT_EQ(::SendDlgItemMessageA(dialog.m_hWnd, IDC_LIST, LB_GETCOUNT, 0, 0), 1);
    dialog.DestroyWindow();
}

TEST(DialogInitData, DamagedDataIsRefusedWithoutReadingPastIt)
{
    CListsDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_FW_LISTS));
    ::SendDlgItemMessageA(dialog.m_hWnd, IDC_COMBO_LIST, CB_RESETCONTENT, 0, 0);
    // One good entry, then one whose length runs past the end; the bytes sit at the end of their buffer.
    std::vector<BYTE> data;
    auto word = [&](WORD w) { data.insert(data.end(), reinterpret_cast<BYTE *>(&w), reinterpret_cast<BYTE *>(&w) + 2); };
    auto dword = [&](DWORD d) { data.insert(data.end(), reinterpret_cast<BYTE *>(&d), reinterpret_cast<BYTE *>(&d) + 4); };
    word(IDC_COMBO_LIST), word(0x403), dword(3), data.insert(data.end(), {'A', 'B', 0});
    word(IDC_COMBO_LIST), word(0x403), dword(100), data.insert(data.end(), {'C', 'D'});
    std::unique_ptr<BYTE[]> exact(new BYTE[data.size()]);
    memcpy(exact.get(), data.data(), data.size());
    EXPECT_FALSE(dialog.ExecuteDlgInit(exact.get(), data.size()));
    EXPECT_EQ(::SendDlgItemMessageA(dialog.m_hWnd, IDC_COMBO_LIST, CB_GETCOUNT, 0, 0), 1);
    // An item whose text fills its length without a terminator is taken as it is.
    std::vector<BYTE> unterminated;
    data.swap(unterminated);
    word(IDC_COMBO_LIST), word(0x403), dword(2), data.insert(data.end(), {'X', 'Y'});
    exact.reset(new BYTE[data.size()]);
    memcpy(exact.get(), data.data(), data.size());
    EXPECT_TRUE(dialog.ExecuteDlgInit(exact.get(), data.size()));
    EXPECT_EQ(ComboItem(dialog.m_hWnd, 1), "XY");
    dialog.DestroyWindow();
}

} // namespace
