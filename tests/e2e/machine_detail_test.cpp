// The machine detail sheet end to end: its pages, the machine types and what they show, the cycles of a
// Multiple Cycle machine, the host's validation, and the fresh cycle array the host reads as the sheet closes.
#include "fake_host.h"
#include "machine_record_host.h"
#include "sheet_tabs.h"
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
constexpr int kStartActions = 1062, kStartText = 1043, kMessageText = 1009;

using Log = std::vector<std::string>;

} // namespace

TEST(MachineDetail, ASingleMachineShowsItsFieldsAndOkStoresTheCyclesForTheFinishSlot)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Modeller &m = host.Driver();
    MachineRecordHost record(OrvMachineSingle, {{"C1", "2", 5, 6, -1, 7}});
    m.Then([&](Modeller &) {
        HWND sheet = GetActiveWindow();
        EXPECT_EQ(Modeller::Text(sheet), "Detail Machine - M1");
        EXPECT_EQ(PageNames(sheet), "General|Setup|Breakdowns|Fluid Rules|Shift|Reporting|Notes|");
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

TEST(MachineDetail, EachTypeShowsFixesAndFillsItsOwnControls)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    host.Model().Add({301, 1, "WIDGET", 1, true});
    host.Model().Add({302, 1, "GADGET", 1, true});
    Modeller &m = host.Driver();
    MachineRecordHost record(OrvMachineAssembly, {{"C1", "4"}});
    m.Then([](Modeller &) {
        EXPECT_TRUE(Modeller::Enabled(kInput1));
        EXPECT_EQ(Modeller::Text(kInput1), "4");
        EXPECT_FALSE(Modeller::Visible(kInput2));
        EXPECT_FALSE(Modeller::Enabled(kFinishQuantity));
        Modeller::Choose(kType, OrvMachineBatch);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(kInput1Label), "Batch &Min:");
        EXPECT_EQ(Modeller::Text(kInput2Label), "Batch Ma&x:");
        EXPECT_EQ(Modeller::Text(kInput2), "12"); // from the record, since the type was not Batch before
        EXPECT_EQ(Modeller::Text(kFinishQuantity), "As Input");
        EXPECT_FALSE(Modeller::Enabled(kFinishQuantity));
        Modeller::ClearAndType(kInput2, "20");
        Modeller::Choose(kType, OrvMachineBatch);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(kInput2), "20"); // Batch to Batch keeps what was typed
        Modeller::Choose(kType, OrvMachineGeneral);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(kFinishQuantity), "1"); // from Batch: one part finishes
        EXPECT_TRUE(Modeller::Enabled(kFinishQuantity));
        EXPECT_FALSE(Modeller::Visible(kInput2));
        Modeller::Choose(kType, OrvMachineProduction);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(kInput2Label), "Batch Ma&x:"); // its own label stays hidden
        EXPECT_TRUE(Modeller::Visible(kPartType));
        EXPECT_EQ(Modeller::Text(1023), "Part Typ&e:");
        EXPECT_EQ(Modeller::Text(kPartType), "WIDGET");
        EXPECT_EQ(SendMessageA(Modeller::Control(kPartType), CB_GETCOUNT, 0, 0), 3); // "Same" and two parts
        EXPECT_EQ(Modeller::Text(kInput1), "1");
        EXPECT_FALSE(Modeller::Enabled(kInput1));
        EXPECT_FALSE(Modeller::Visible(kOutput2));
        Modeller::Choose(kType, OrvMachineMultipleStation);
    });
    m.Then([](Modeller &) {
        EXPECT_FALSE(Modeller::Visible(kPartType));
        EXPECT_EQ(Modeller::Text(kDurationGroup), "Duration per Station");
        EXPECT_TRUE(Modeller::Visible(kStations));
        EXPECT_EQ(Modeller::Text(kStations), "3");
        EXPECT_EQ(Modeller::Text(kFinishQuantity), "As Input");
        SaveWindowPng(GetActiveWindow(), ORVANE_OUT_DIR "/machine_detail_stations.png");
        Modeller::ClearAndType(kStations, "4");
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(ORV_EXPORT(host, MachineDetailDialog)(record.Get()), 1);
    EXPECT_EQ(record->type, OrvMachineMultipleStation);
    EXPECT_STREQ(record->stations, "4");
    EXPECT_STREQ(record->batchMaximum, "12"); // written for Batch machines only
    EXPECT_STREQ(record->partType, "WIDGET");
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(MachineDetail, AMultipleCycleMachineMovesBetweenItsCyclesOnlyWhenTheHostAccepts)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Modeller &m = host.Driver();
    MachineRecordHost record(OrvMachineMultipleCycle, {{"C1", "1", 4}, {"C2", "0.0"}, {"C3", "2"}});
    m.Then([](Modeller &) {
        EXPECT_TRUE(Modeller::Visible(kCycleName));
        EXPECT_EQ(SendMessageA(Modeller::Control(kCycleName), CB_GETCOUNT, 0, 0), 3);
        EXPECT_EQ(Modeller::Text(kCycleNumber), "1");
        // Not the last cycle: the Finish group stands where Output was, the output rule cannot be edited.
        EXPECT_TRUE(Modeller::Visible(kFinishGroup));
        EXPECT_FALSE(Modeller::Visible(kOutputGroup));
        EXPECT_FALSE(Modeller::Enabled(kTo));
        EXPECT_TRUE(Modeller::Enabled(kFrom)); // the first cycle always may
        MachineRecordHost::CycleValidateAnswer() = 5;
        Modeller::ClearAndType(kCycleTime, "x");
        Modeller::Choose(kCycleName, 1);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(MachineRecordHost::Log(), (Log{"cycle 1|x|1"}));
        EXPECT_EQ(Modeller::FocusId(), kCycleTime);
        EXPECT_EQ(SendMessageA(Modeller::Control(kCycleName), CB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(Modeller::Text(kCycleNumber), "1");
        MachineRecordHost::CycleValidateAnswer() = -1;
        Modeller::ClearAndType(kCycleTime, "6");
        Modeller::Choose(kCycleName, 1);
    });
    m.Then([&](Modeller &) {
        EXPECT_EQ(Modeller::Text(kCycleNumber), "2");
        EXPECT_EQ(Modeller::Text(kInput1), "0.0");
        EXPECT_FALSE(Modeller::Enabled(kFrom)); // "0.0" takes nothing in
        EXPECT_EQ(host.Log().Count("CompExp"), 0);
        Modeller::ClearAndType(kInput1, "2");
    });
    m.Then([&](Modeller &) {
        EXPECT_TRUE(Modeller::Enabled(kFrom));
        host.compExpStatus = 1; // the host cannot compile it
        host.Log().Clear();
        Modeller::ClearAndType(kInput1, "RATE");
    });
    m.Then([&](Modeller &) {
        EXPECT_FALSE(Modeller::Enabled(kFrom));
        const LoggedCall *compile = host.Log().Last("CompExp");
        ASSERT_NE(compile, nullptr);
        EXPECT_EQ(compile->args, (std::vector<std::string>{"RATE", "1", ""}));
        // Checked with errors on and warnings off, the host's flags given back, the compiled text freed.
        EXPECT_EQ(host.Log().Last("SetErrorWarningFlags")->args, (std::vector<std::string>{"1", "1"}));
        EXPECT_EQ(host.Log().Last("DeleteExpression")->args, (std::vector<std::string>{"500"}));
        host.compExpStatus = 0;
        Modeller::ClearAndType(kInput1, "2");
        Modeller::Choose(kCycleName, 2);
    });
    m.Then([&](Modeller &) {
        EXPECT_EQ(Modeller::Text(kCycleNumber), "3");
        EXPECT_TRUE(Modeller::Visible(kOutputGroup));
        EXPECT_FALSE(Modeller::Visible(kFinishGroup));
        EXPECT_TRUE(Modeller::Enabled(kTo));
        Modeller::ClearAndType(kCycleName, "LAST");
    });
    m.Then([&](Modeller &) {
        char entry[32] = "";
        SendMessageA(Modeller::Control(kCycleName), CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(entry));
        EXPECT_STREQ(entry, "LAST");
        EXPECT_EQ(Modeller::Text(kCycleName), "LAST");
        host.Log().Clear();
        Modeller::Click(kStartActions);
    });
    m.Then([&](Modeller &) {
        const LoggedCall *editor = host.Log().Last("CompEditor");
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->args[1], "Edit Actions On Start Cycle Number 3 For Machine M1");
        Modeller::Click(kFrom);
    });
    m.Then([&](Modeller &) {
        // The rule of the current cycle, by its index; then the host's refresh slot.
        EXPECT_EQ(host.Log().Last("DetailRule")->args, (std::vector<std::string>{"101", "1", "2", "-1"}));
        EXPECT_EQ(record->inputRuleRefreshValue, 102);
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(ORV_EXPORT(host, MachineDetailDialog)(record.Get()), 1);
    const Log &log = MachineRecordHost::Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 3], "validate 0 2"); // the scratch cycle holds what was shown last
    EXPECT_EQ(log.back(), "finish 1 3: C1/1/2004/-1 C2/2/-1/-1 LAST/2/-1/-1");
    EXPECT_EQ(record->validatingCycle, 2);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(MachineDetail, CyclesAreAddedInTheDialogAndChosenInTheSummary)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Modeller &m = host.Driver();
    MachineRecordHost record(OrvMachineMultipleCycle, {{"C1", "1", 4, 5, 6, 7}, {"C2", "2"}});
    m.Then([](Modeller &) { Modeller::Click(kAddRemove); });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(GetActiveWindow()), "Add / Remove Cycles");
        Modeller::Type(1036, "C3");
        Modeller::Click(1051);
    });
    m.Then([](Modeller &) { Modeller::Click(IDOK); });
    m.Then([&](Modeller &) {
        EXPECT_EQ(record->cyclesEdited, 1);
        EXPECT_EQ(SendMessageA(Modeller::Control(kCycleName), CB_GETCOUNT, 0, 0), 3);
        Modeller::Click(kSummarize);
    });
    m.Then([](Modeller &) {
        HWND list = Modeller::Control(1061);
        ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 3);
        char row[256] = "";
        SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(row));
        EXPECT_STREQ(row, "     1|C1|Rule2004|1|Yes|Yes|Yes|5|1");
        Modeller::Choose(list, 2);
        Modeller::Click(2);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(kCycleNumber), "3");
        EXPECT_EQ(Modeller::Text(kCycleName), "C2"); // the new cycle went in after the first
        Modeller::Escape();
    });
    host.Log().Clear();
    EXPECT_EQ(ORV_EXPORT(host, MachineDetailDialog)(record.Get()), 0);
    // Cancel still hands the host the page's cycles, with ok 0 and without the notes.
    EXPECT_EQ(MachineRecordHost::Log().back(), "finish 0 3: C1/1/3004/3007 C3/0/-1/-1 C2/2/-1/-1");
    // Before the summary moved to the third cycle, the host checked the one shown (the new cycle).
    EXPECT_EQ(MachineRecordHost::Log().front(), "cycle 0|Message 65,0|1");
    EXPECT_EQ(MachineRecordHost::Log().size(), 2u);
    // The host's own array again; the count stays that of the cycles handed over.
    EXPECT_EQ(record->cycles, record.OwnCycles());
    EXPECT_EQ(record->cycleCount, 3);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(MachineDetail, ARejectedFieldKeepsThePageWithTheFocusOnItsControl)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Modeller &m = host.Driver();
    MachineRecordHost record(OrvMachineMultipleStation, {{"C1", "1"}});
    MachineRecordHost::ValidateAnswer() = 6;
    m.Then([](Modeller &) { Modeller::Click(IDOK); });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::FocusId(), kStations);
        MachineRecordHost::ValidateAnswer() = 40; // no field of the page: it stays, the focus where it was
        Modeller::Click(IDOK);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(MachineRecordHost::Log().size(), 2u);
        MachineRecordHost::ValidateAnswer() = -1;
        Modeller::Click(IDOK);
    });
    EXPECT_EQ(ORV_EXPORT(host, MachineDetailDialog)(record.Get()), 1);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(MachineDetail, AHostThatCannotCopyAHandleEndsTheExportWithTheMemoryMessage)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Modeller &m = host.Driver();
    MachineRecordHost record(OrvMachineSingle, {{"C1", "1", 4, 5, 6, 7}});
    host.copiesBeforeFailure = 2; // the labour rule and the input rule copy, the first actions do not
    std::string message;
    m.Then([&](Modeller &) {
        message = Modeller::Text(kMessageText);
        Modeller::Enter();
    });
    EXPECT_EQ(ORV_EXPORT(host, MachineDetailDialog)(record.Get()), 0);
    EXPECT_EQ(message, "There is not enough memory to perform the requested operation");
    EXPECT_TRUE(MachineRecordHost::Log().empty()); // no finish slot
    // The two copies made were given back.
    EXPECT_EQ(host.Log().Count("DeleteRule"), 2);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(MachineDetail, WhatACycleShowedStaysWithItWhenTheTypeLeavesMultipleCycle)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Modeller &m = host.Driver();
    MachineRecordHost record(OrvMachineMultipleCycle, {{"C1", "1"}, {"C2", "2"}});
    m.Then([](Modeller &) { Modeller::Choose(kCycleName, 1); });
    m.Then([](Modeller &) { Modeller::ClearAndType(kCycleTime, "9"); });
    m.Then([](Modeller &) { Modeller::Choose(kType, OrvMachineBatch); });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(kCycleTime), "5"); // the first cycle's
        Modeller::Choose(kType, OrvMachineMultipleCycle);
    });
    m.Then([](Modeller &) { Modeller::Choose(kCycleName, 1); });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(kCycleTime), "9");
        Modeller::Escape();
    });
    EXPECT_EQ(ORV_EXPORT(host, MachineDetailDialog)(record.Get()), 0);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}
