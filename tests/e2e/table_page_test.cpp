// A page declared as a table: fields shown and written back, option values the page does not know kept,
// texts bounded, controls shown by a condition on another control, host editors, colours and labour rules.
#include "colour_chooser_steps.h"
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

constexpr int kExtrasPage = 1;
constexpr int32_t kElement = 12;

// The calls of one host editor, from its opening to the refresh after it.
std::vector<std::string> EditorCalls(const CallLog &log)
{
    std::vector<std::string> names = log.Names();
    names.erase(std::remove(names.begin(), names.end(), "GetActionIndicator"), names.end());
    names.erase(std::remove(names.begin(), names.end(), "GetRuleWord"), names.end());
    return names;
}

void FillLabourTexts(OrvLabourBlock &block, const char *first, const char *second, const char *third)
{
    std::strcpy(block.texts[0], first);
    std::strcpy(block.texts[1], second);
    std::strcpy(block.texts[2], third);
}
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

TEST(TablePage, ColoursAreShownFromTheRecordAndWrittenBackInItsForm)
{
    // A host index snaps what the modeller chose to the nearest table entry; a colour kept with red high is
    // swapped both ways; a host index outside the table stays unless the modeller chooses.
    struct Case {
        int32_t hostColour, rgbColour;
        int chooseIn; // 0: nothing chosen
        const char *red, *green, *blue;
        int32_t hostAfter, rgbAfter;
    };
    const Case cases[] = {
        {4, 0x00FF0000, IDC_TESTKIT_TABLE_HOST_COLOUR, "250", "10", "10", 2, 0x00FF0000},
        {99, 0x00FF0000, IDC_TESTKIT_TABLE_RGB_COLOUR, "0", "0", "255", 99, 0x000000FF},
        {-3, 0x12345678, 0, nullptr, nullptr, nullptr, -3, 0x12345678},
    };
    for (const Case &c : cases) {
        FakeHost host(ORVANE_TESTKIT_LIBRARY);
        Modeller &m = host.Driver();
        GuardedRecord<TestkitTableRecord> record;
        record->hostColour = c.hostColour;
        record->rgbColour = c.rgbColour;
        record->labour.labourRule = -1;
        record->rowLabourRule = -1;
        m.Then([&](Modeller &) {
            Modeller::SwitchPage(GetActiveWindow(), kExtrasPage);
            if (c.chooseIn)
                Modeller::Click(c.chooseIn);
        });
        if (c.chooseIn)
            ChooseInChooser(m, c.red, c.green, c.blue);
        m.Then([](Modeller &) { Modeller::Click(IDOK); });
        EXPECT_EQ(ORV_EXPORT(host, TestkitTableSheet)(record.Get()), IDOK);
        EXPECT_EQ(record->hostColour, c.hostAfter) << c.hostColour;
        EXPECT_EQ(record->rgbColour, c.rgbAfter) << c.hostColour;
        EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
    }
}

TEST(TablePage, LabourRulesAreEditedInTheRecordOrThroughTheRowsCopy)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    GuardedRecord<TestkitTableRecord> record;
    record->element = kElement;
    record->labour.labourRule = -1;
    record->labour.context = 7;
    record->context = 4242;
    record->rowLabourRule = -1;
    host.labourEditor = [&](int32_t, int32_t *rule, int kind, OrvLabourBlock *block) {
        if (kind == 5) {
            // In place: the record's own block and its handle.
            EXPECT_EQ(block, &record->labour);
            EXPECT_EQ(rule, &record->labour.labourRule);
            *rule = 31;
            block->option = 2;
            FillLabourTexts(*block, "Fitter", "2", "Near");
            return 1;
        }
        // A copy made from the row: texts default to the host's message 65, the context word is the
        // element's, the handle travels apart from the block.
        EXPECT_NE(rule, &block->labourRule);
        EXPECT_EQ(*rule, -1);
        EXPECT_EQ(block->context, 4242);
        EXPECT_EQ(block->option, 0);
        EXPECT_STREQ(block->texts[0], "Message 65,0");
        EXPECT_STREQ(block->texts[2], "Message 65,0");
        *rule = 44;
        block->option = 3;
        FillLabourTexts(*block, "Ann", "Bob", "Cy");
        return 1;
    };
    m.Then([&](Modeller &) {
        Modeller::SwitchPage(GetActiveWindow(), kExtrasPage);
        EXPECT_EQ(Modeller::Text(IDC_TESTKIT_TABLE_LABOUR_MARK), " ");
        EXPECT_EQ(Modeller::Text(IDC_TESTKIT_TABLE_ROW_LABOUR_MARK), " ");
        host.Log().Clear();
        Modeller::Click(IDC_TESTKIT_TABLE_LABOUR);
    });
    m.Then([&](Modeller &) {
        EXPECT_EQ(EditorCalls(host.Log()), (std::vector<std::string>{"TempExitTopLevelDetailForm", "DetailLabourRule",
                                                                      "ReEnterTopLevelDetailForm"}));
        EXPECT_EQ(host.Log().Last("DetailLabourRule")->args, (std::vector<std::string>{"12", "-1", "5"}));
        EXPECT_EQ(Modeller::Text(IDC_TESTKIT_TABLE_LABOUR_MARK), "*");
        EXPECT_EQ(Modeller::Text(IDC_TESTKIT_TABLE_ROW_LABOUR_MARK), " ");
        host.Log().Clear();
        Modeller::Click(IDC_TESTKIT_TABLE_ROW_LABOUR);
    });
    m.Then([&](Modeller &) {
        EXPECT_EQ(EditorCalls(host.Log()), (std::vector<std::string>{"TempExitTopLevelDetailForm", "DetailLabourRule",
                                                                      "ReEnterTopLevelDetailForm"}));
        EXPECT_EQ(host.Log().Last("DetailLabourRule")->args, (std::vector<std::string>{"12", "-1", "6"}));
        EXPECT_EQ(Modeller::Text(IDC_TESTKIT_TABLE_ROW_LABOUR_MARK), "*");
        Modeller::Click(IDOK);
    });
    EXPECT_EQ(ORV_EXPORT(host, TestkitTableSheet)(record.Get()), IDOK);
    EXPECT_EQ(record->labour.labourRule, 31);
    EXPECT_EQ(record->labour.option, 2);
    EXPECT_STREQ(record->labour.texts[1], "2");
    EXPECT_EQ(record->labour.context, 7);
    EXPECT_EQ(record->rowLabourRule, 44);
    EXPECT_EQ(record->rowLabourOption, 3);
    EXPECT_STREQ(record->rowLabourTexts[0], "Ann");
    EXPECT_STREQ(record->rowLabourTexts[2], "Cy");
    EXPECT_EQ(host.Log().Count("DeleteRule"), 0); // the record owns the row's rule now
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(TablePage, ADeclinedLabourEditorLeavesTheRowAndCancelLetsGoOfItsRule)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    GuardedRecord<TestkitTableRecord> record;
    record->element = kElement;
    record->labour.labourRule = -1;
    record->rowLabourRule = 8;
    record->rowLabourOption = 1;
    std::strcpy(record->rowLabourTexts[0], "Kept");
    std::strcpy(record->rowLabourTexts[1], "Kept");
    std::strcpy(record->rowLabourTexts[2], "Kept");
    host.labourEditor = [](int32_t, int32_t *, int, OrvLabourBlock *block) {
        EXPECT_EQ(block->labourRule, 8);
        EXPECT_STREQ(block->texts[1], "Kept");
        block->option = 9; // the modeller changed something, then cancelled the editor
        FillLabourTexts(*block, "Lost", "Lost", "Lost");
        return 0;
    };
    m.Then([&](Modeller &) {
        Modeller::SwitchPage(GetActiveWindow(), kExtrasPage);
        EXPECT_EQ(Modeller::Text(IDC_TESTKIT_TABLE_ROW_LABOUR_MARK), "*");
        Modeller::Click(IDC_TESTKIT_TABLE_ROW_LABOUR);
    });
    m.Then([&](Modeller &) { Modeller::Click(IDOK); });
    EXPECT_EQ(ORV_EXPORT(host, TestkitTableSheet)(record.Get()), IDOK);
    EXPECT_EQ(record->rowLabourOption, 1);
    EXPECT_STREQ(record->rowLabourTexts[1], "Kept");

    // Cancel: the row's copy is dropped and the host deletes its rule.
    m.Then([&](Modeller &) { Modeller::Click(IDCANCEL); });
    host.Log().Clear();
    EXPECT_EQ(ORV_EXPORT(host, TestkitTableSheet)(record.Get()), IDCANCEL);
    const LoggedCall *deleted = host.Log().Last("DeleteRule");
    ASSERT_NE(deleted, nullptr);
    EXPECT_EQ(deleted->args, (std::vector<std::string>{"8", "12", "0"}));
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}
