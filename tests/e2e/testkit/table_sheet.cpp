// A page declared as a table, over a small record: the way every detail page binds its fields.
#include "testkit.h"
#include "testkit_sheet.h"

#include "core/export_guard.h"
#include "core/labour_data.h"
#include "core/record_text.h"
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
// Colours and labour rules: the block kept in the record, and a row's own copy of one (as machine cycles
// keep theirs), loaded from the record's row fields and written back to them.
class CTestExtrasPage : public CTablePage {
public:
    explicit CTestExtrasPage(TestkitTableRecord &record)
        : CTablePage(IDD_TESTKIT_TABLE_EXTRAS_PAGE), m_record(record), m_row(3, record.element)
    {
        BindColour(IDC_TESTKIT_TABLE_HOST_COLOUR, record.hostColour, ColourField::HostIndex);
        BindColour(IDC_TESTKIT_TABLE_RGB_COLOUR, record.rgbColour, ColourField::RedHigh);
        BindLabourBlockButton(IDC_TESTKIT_TABLE_LABOUR, IDC_TESTKIT_TABLE_LABOUR_MARK, record.element, 5,
                              record.labour);
        BindLabourDataButton(IDC_TESTKIT_TABLE_ROW_LABOUR, IDC_TESTKIT_TABLE_ROW_LABOUR_MARK, record.element, 6,
                             [this] { return &m_row; }, record.context);
        m_row.labourRule = record.rowLabourRule;
        m_row.option = record.rowLabourOption;
        for (int i = 0; i < 3; ++i)
            if (record.rowLabourTexts[i][0])
                m_row.texts[i] = ReadRecordText(record.rowLabourTexts[i]);
    }
    // After OK the record owns the row's labour rule.
    void HandOverRow() { m_row.labourRule = -1; }

protected:
    void SaveOwnFields(CDataExchange *) override
    {
        m_record.rowLabourRule = m_row.labourRule;
        m_record.rowLabourOption = m_row.option;
        for (int i = 0; i < 3; ++i)
            WriteRecordText(m_record.rowLabourTexts[i], m_row.texts[i]);
    }

private:
    TestkitTableRecord &m_record;
    CLabourData m_row;
};
} // namespace

extern "C" ORVANE_EXPORT int ORVANE_CALL TestkitTableSheet(TestkitTableRecord *record)
{
    if (!record)
        return 0;
    return GuardExport(
        [&] {
            CTestTablePage page(*record);
            CTestExtrasPage extras(*record);
            const int result = RunTestkitSheet("T1", {&page, &extras});
            if (result == IDOK)
                extras.HandOverRow();
            return result;
        },
        0);
}
