// A page declared as a table: fields shown and written back, option values the page does not know kept,
// texts bounded, and controls shown by a condition on another control.
#include "fake_host.h"
#include "guarded_record.h"
#include "testkit.h"

#include <gtest/gtest.h>

#include <string>

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
