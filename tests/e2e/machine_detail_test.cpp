// The machine detail sheet end to end: its pages, the machine types and what they show, the cycles of a
// Multiple Cycle machine, the host's validation, and the fresh cycle array the host reads as the sheet closes.
#include "fake_host.h"
#include "machine_record_host.h"
#include "png_writer.h"

#include <orvane/orvdlg.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
constexpr int kName = 1106, kType = 1025, kCycleName = 1028, kCycleNumber = 1081, kAddRemove = 1017;
constexpr int kSummarize = 1064, kInput1Label = 1011, kInput1 = 1008, kInput2Label = 1012, kInput2 = 1009;
constexpr int kFrom = 1010, kPull = 1045, kDurationGroup = 1031, kCycleTime = 1092, kStations = 1020;
constexpr int kLabourMark = 1601, kOutputGroup = 1590, kFinishGroup = 1589, kFinishLabel = 1022;
constexpr int kFinishQuantity = 1024, kOutput2 = 1014, kPartType = 1197, kTo = 1026, kPush = 1046;
constexpr int kStartActions = 1062, kStartText = 1043;

using Log = std::vector<std::string>;

int PageCount(HWND sheet)
{
    HWND tabs = FindWindowExA(sheet, nullptr, WC_TABCONTROLA, nullptr);
    return static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
}
} // namespace

TEST(MachineDetail, ASingleMachineShowsItsFieldsAndOkStoresTheCyclesForTheFinishSlot)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Modeller &m = host.Driver();
    MachineRecordHost record(OrvMachineSingle, {{"C1", "2", 5, 6, -1, 7}});
    m.Then([&](Modeller &) {
        HWND sheet = GetActiveWindow();
        EXPECT_EQ(Modeller::Text(sheet), "Detail Machine - M1");
        EXPECT_EQ(PageCount(sheet), 4); // General, Shift, Reporting, Notes
        SaveWindowPng(sheet, ORVANE_OUT_DIR "/machine_detail_single.png");
        EXPECT_EQ(Modeller::Text(kInput1Label), "Q&uantity:");
        EXPECT_EQ(Modeller::Text(kInput1), "1");
        EXPECT_FALSE(Modeller::Enabled(kInput1));
        EXPECT_EQ(Modeller::Text(kFinishLabel), "Quantity&:");
        EXPECT_EQ(Modeller::Text(kFinishQuantity), "1");
        EXPECT_FALSE(Modeller::Enabled(kFinishQuantity));
        for (int hidden : {kInput2, kStations, kPartType, kOutput2, kCycleName, kCycleNumber, kAddRemove, kSummarize})
            EXPECT_FALSE(Modeller::Visible(hidden)) << hidden;
        EXPECT_TRUE(Modeller::Visible(kOutputGroup));
        EXPECT_FALSE(Modeller::Visible(kFinishGroup));
        EXPECT_EQ(Modeller::Text(kDurationGroup), "Duration");
        EXPECT_EQ(Modeller::Text(kPull), "Rule1005"); // the page's copy of the input rule
        EXPECT_EQ(Modeller::Text(kPush), "Rule9");
        EXPECT_EQ(Modeller::Text(kLabourMark), "*");
        EXPECT_EQ(Modeller::Text(kStartText), "*");
        Modeller::ClearAndType(kName, "MILL");
        Modeller::ClearAndType(kCycleTime, "7.5");
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(ORV_EXPORT(host, MachineDetailDialog)(record.Get()), 1);
    // Validation saw the scratch cycle, the notes came before the finish slot, and the finish slot read a
    // fresh array holding copies of the page's copies.
    EXPECT_EQ(MachineRecordHost::Log(),
              (Log{"validate 0 1", "notes Machine notes", "finish 1 1: C1/1/2005/2007"}));
    EXPECT_EQ(record->cycles, record.OwnCycles());
    EXPECT_EQ(record->cycleCount, 1);
    EXPECT_STREQ(record->name, "MILL");
    EXPECT_EQ(record->reporting, 2);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}
