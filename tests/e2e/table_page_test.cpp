// A page declared as a table: fields shown and written back, option values the page does not know kept,
// texts bounded, and controls shown by a condition on another control.
#include "fake_host.h"
#include "guarded_record.h"
#include "testkit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {
int ShownIndex() { return static_cast<int>(SendMessageA(Modeller::Control(IDC_TESTKIT_TABLE_COMBO), CB_GETCURSEL, 0, 0)); }
bool Checked(int id) { return SendMessageA(Modeller::Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
} // namespace

TEST(TablePage, UnknownOptionsShowAsTheFirstChoiceAndStayUnlessChanged)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    GuardedRecord<TestkitTableRecord> record;
    record->kind = 7;
    record->speed = 99;
    FillUnterminated(record->extra, 'E'); // the last field, ending at the guard page
    m.Then([](Modeller &) {
        EXPECT_EQ(ShownIndex(), 0);
        EXPECT_TRUE(Checked(IDC_TESTKIT_TABLE_RADIO1));
        EXPECT_FALSE(Modeller::Visible(IDC_TESTKIT_TABLE_EXTRA));
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(ORV_EXPORT(host, TestkitTableSheet)(record.Get()), IDOK);
    EXPECT_EQ(record->kind, 7);
    EXPECT_EQ(record->speed, 99);
    EXPECT_EQ(std::string(record->extra), std::string(8, 'E')); // written back bounded and terminated

    // Chosen by the modeller, the options are written; the extra field shows for the third kind only.
    m.Then([](Modeller &) {
        Modeller::Choose(IDC_TESTKIT_TABLE_COMBO, 2);
        Modeller::Click(IDC_TESTKIT_TABLE_RADIO3);
    });
    m.Then([](Modeller &) {
        EXPECT_TRUE(Modeller::Visible(IDC_TESTKIT_TABLE_EXTRA));
        Modeller::ClearAndType(IDC_TESTKIT_TABLE_NAME, "ABCDEFGHIJK"); // the control takes 8
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(ORV_EXPORT(host, TestkitTableSheet)(record.Get()), IDOK);
    EXPECT_EQ(record->kind, 2);
    EXPECT_EQ(record->speed, 30);
    EXPECT_STREQ(record->name, "ABCDEFGH");

    // Cancel leaves the record as it was.
    m.Then([](Modeller &) {
        Modeller::Choose(IDC_TESTKIT_TABLE_COMBO, 0);
        Modeller::Escape();
    });
    ASSERT_EQ(ORV_EXPORT(host, TestkitTableSheet)(record.Get()), IDCANCEL);
    EXPECT_EQ(record->kind, 2);
}

TEST(TablePage, HostEditorsAreOpenedBetweenExitAndReEnterAndTheirTextsRefreshed)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    host.compEditorAssigns = 41;
    host.detailRuleAssigns = 55;
    GuardedRecord<TestkitTableRecord> record;
    record->element = 12;
    record->actions = -1;
    record->exitRule = 3;
    std::strcpy(record->name, "BUF");
    m.Then([&](Modeller &) {
        // Loaded from the host: no actions yet, the rule's word.
        EXPECT_EQ(Modeller::Text(IDC_TESTKIT_TABLE_ACTIONS_TEXT), "");
        EXPECT_EQ(Modeller::Text(IDC_TESTKIT_TABLE_RULE_WORD), "Rule3");
        Modeller::ClearAndType(IDC_TESTKIT_TABLE_NAME, "BUF2");
    });
    m.Then([&](Modeller &) {
        host.Log().Clear();
        Modeller::Click(IDC_TESTKIT_TABLE_ACTIONS);
    });
    m.Then([&](Modeller &) {
        const std::vector<std::string> names = host.Log().Names();
        const std::vector<std::string> expected = {"TempExitTopLevelDetailForm", "CompEditor",
                                                   "ReEnterTopLevelDetailForm", "GetActionIndicator"};
        EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + std::min(names.size(), expected.size())),
                  expected);
        const LoggedCall *editor = host.Log().Last("CompEditor");
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->args[1], "Edit Test Actions For BUF2"); // the name as currently typed
        EXPECT_EQ(Modeller::Text(IDC_TESTKIT_TABLE_ACTIONS_TEXT), "*");
        host.Log().Clear();
        Modeller::Click(IDC_TESTKIT_TABLE_RULE);
    });
    m.Then([&](Modeller &) {
        const LoggedCall *rule = host.Log().Last("DetailRule");
        ASSERT_NE(rule, nullptr);
        EXPECT_EQ(rule->args, (std::vector<std::string>{"12", "0", "0", "3"}));
        EXPECT_EQ(Modeller::Text(IDC_TESTKIT_TABLE_RULE_WORD), "Rule55");
        Modeller::Escape();
    });
    ORV_EXPORT(host, TestkitTableSheet)(record.Get());
    // The handles the host's editors set stand in the record, whatever the sheet's end.
    EXPECT_EQ(record->actions, 41);
    EXPECT_EQ(record->exitRule, 55);
}
