// A page declared as a table, over a small record: the way every detail page binds its fields.
#include "testkit.h"
#include "testkit_sheet.h"

#include "core/export_guard.h"
#include "core/table_page.h"

namespace {
constexpr int32_t kSpeeds[] = {10, 20, 30};
constexpr int kExtraControls[] = {IDC_TESTKIT_TABLE_EXTRA};

class CTestTablePage : public CTablePage {
public:
    explicit CTestTablePage(TestkitTableRecord &record) : CTablePage(IDD_TESTKIT_TABLE_PAGE)
    {
        BindComboIndex(IDC_TESTKIT_TABLE_COMBO, record.kind);
        BindRadio(IDC_TESTKIT_TABLE_RADIO1, record.speed, kSpeeds);
        BindText(IDC_TESTKIT_TABLE_NAME, record.name);
        BindText(IDC_TESTKIT_TABLE_EXTRA, record.extra);
        ShowWhen(kExtraControls, [this] { return ShownChoice(IDC_TESTKIT_TABLE_COMBO) == 2; });
        SetNameControl(IDC_TESTKIT_TABLE_NAME);
        BindActionsButton(IDC_TESTKIT_TABLE_ACTIONS, record.actions, IDS_TESTKIT_ACTIONS_CAPTION,
                          IDC_TESTKIT_TABLE_ACTIONS_TEXT, IDC_TESTKIT_TABLE_ACTIONS_MARK);
        BindRuleButton(IDC_TESTKIT_TABLE_RULE, record.element, 0, 0, record.exitRule, IDC_TESTKIT_TABLE_RULE_WORD);
    }
    BOOL OnInitDialog() override
    {
        for (const char *item : {"Single", "Double", "Triple"})
            ::SendDlgItemMessageA(m_hWnd, IDC_TESTKIT_TABLE_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        return CTablePage::OnInitDialog();
    }
};
} // namespace

extern "C" ORVANE_EXPORT int ORVANE_CALL TestkitTableSheet(TestkitTableRecord *record)
{
    if (!record)
        return 0;
    return GuardExport(
        [&] {
            CTestTablePage page(*record);
            return RunTestkitSheet("T1", {&page});
        },
        0);
}
