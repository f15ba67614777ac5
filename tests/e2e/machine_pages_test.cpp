// The machine sheet's Setup, Breakdowns and Fluid Rules pages end to end: the Fluid Rules page coming and
// going with the type, setup and breakdown lists (empty ones included), their modes, stations and the host's
// checks, and the rows the host reads back as the sheet closes.
#include "fake_host.h"
#include "machine_record_host.h"
#include "png_writer.h"
#include "sheet_tabs.h"

#include <orvane/orvdlg.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
constexpr int kType = 1025, kSetupPage = 1, kBreakdownPage = 2, kFluidPage = 3;
constexpr int kSetupName = 1055, kSetupAddRemove = 1017, kSetupSummarize = 1064, kSetupMode = 1591;
constexpr int kIntervalGroup = 1065, kOperationsLabel = 1048, kOperations = 1049, kFirstSetup = 1051;
constexpr int kStation = 1192, kStationLabel = 1085, kSetupTime = 1082, kSetupLabour = 1056;
constexpr int kBreakdownMode = 1125, kIntervalLabel = 1048, kInterval = 1049, kRepair = 1069;
constexpr int kSetupOnRepair = 1070, kLifeUsed = 1027, kLifeLabel = 1071;
constexpr int kEmptyStation = 1003, kFillStation = 1084, kFluidTo = 1058, kToWord = 1046, kFromWord = 1045;
constexpr int kAddRemoveDescription = 1036, kAddRemoveAdd = 1051, kAddRemoveRemove = 1034, kSummaryList = 1061;

using Log = std::vector<std::string>;

HWND Sheet() { return GetActiveWindow(); }
std::string ListText(int id, int index)
{
    char text[256] = "";
    HWND list = Modeller::Control(id);
    SendMessageA(list, id == kSummaryList ? LB_GETTEXT : CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text));
    return text;
}
int Count(int id) { return static_cast<int>(SendMessageA(Modeller::Control(id), CB_GETCOUNT, 0, 0)); }
} // namespace

TEST(MachinePages, TheFluidRulesPageComesAndGoesWithTheTypeUnlessTheRecordRulesItOut)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Modeller &m = host.Driver();
    MachineRecordHost record(OrvMachineAssembly, {{"C1", "1"}});
    m.Then([](Modeller &) {
        EXPECT_EQ(PageNames(Sheet()), "General|Setup|Breakdowns|Shift|Reporting|Notes|");
        Modeller::Choose(kType, OrvMachineSingle);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(PageNames(Sheet()), "General|Setup|Breakdowns|Fluid Rules|Shift|Reporting|Notes|");
        Modeller::Choose(kType, OrvMachineMultipleStation); // also takes fluid: nothing changes
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(PageNames(Sheet()), "General|Setup|Breakdowns|Fluid Rules|Shift|Reporting|Notes|");
        Modeller::Choose(kType, OrvMachineGeneral);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(PageNames(Sheet()), "General|Setup|Breakdowns|Shift|Reporting|Notes|");
        Modeller::Escape();
    });
    EXPECT_EQ(ORV_EXPORT(host, MachineDetailDialog)(record.Get()), 0);

    // Fluid excluded by the record, no shifts: neither page, whatever the type.
    record->fluidExclusion = 2;
    record->shifts = 0;
    m.Then([](Modeller &) {
        EXPECT_EQ(PageNames(Sheet()), "General|Setup|Breakdowns|Reporting|Notes|");
        Modeller::Choose(kType, OrvMachineBatch);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(PageNames(Sheet()), "General|Setup|Breakdowns|Reporting|Notes|");
        Modeller::Escape();
    });
    EXPECT_EQ(ORV_EXPORT(host, MachineDetailDialog)(record.Get()), 0);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(MachinePages, PagesTakenOutAndPutBackForTheFluidRulesKeepWhatTheModellerTyped)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Modeller &m = host.Driver();
    MachineRecordHost record(OrvMachineGeneral, {{"C1", "1"}});
    record->shift.shiftsEnabled = 0;
    m.Then([](Modeller &) { Modeller::SwitchPage(Sheet(), 5); }); // Notes
    m.Then([](Modeller &) {
        Modeller::ClearAndType(1000, "Oiled weekly");
    });
    m.Then([](Modeller &) { Modeller::SwitchPage(Sheet(), 3); }); // Shift
    m.Then([](Modeller &) { Modeller::Click(1052); });            // shifts on
    m.Then([](Modeller &) { Modeller::SwitchPage(Sheet(), 0); });
    m.Then([](Modeller &) {
        Modeller::Choose(kType, OrvMachineBatch); // the Fluid Rules page goes in before Shift and Notes
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(PageNames(Sheet()), "General|Setup|Breakdowns|Fluid Rules|Shift|Reporting|Notes|");
        Modeller::SwitchPage(Sheet(), 4);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(SendMessageA(Modeller::Control(1052), BM_GETCHECK, 0, 0), BST_CHECKED);
        Modeller::SwitchPage(Sheet(), 6);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(1000), "Oiled weekly");
        Modeller::Click(IDOK);
    });
    EXPECT_EQ(ORV_EXPORT(host, MachineDetailDialog)(record.Get()), 1);
    const Log &log = MachineRecordHost::Log();
    EXPECT_NE(std::find(log.begin(), log.end(), "notes Oiled weekly"), log.end());
    EXPECT_EQ(record->shift.shiftsEnabled, 1);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(MachinePages, SetupsShowTheirModeAndStationAndAreCheckedBeforeAnotherIsChosen)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Modeller &m = host.Driver();
    MachineRecordHost record(OrvMachineMultipleStation, {{"C1", "1"}});
    record.AddSetup({"S1", 0, "2"});
    record.AddSetup({"S2", 2, "3"});
    record.OwnSetups()[1].origin = 7; // the host's own index for it, carried through unchanged
    m.Then([](Modeller &) { Modeller::SwitchPage(Sheet(), kSetupPage); });
    m.Then([](Modeller &) {
        EXPECT_EQ(Count(kSetupName), 2);
        EXPECT_EQ(Modeller::Text(kSetupName), "S1");
        // Stations 1 to 3 of the record; this setup's is chosen.
        EXPECT_TRUE(Modeller::Visible(kStation));
        EXPECT_EQ(Count(kStation), 3);
        EXPECT_EQ(Modeller::Text(kStation), "2");
        EXPECT_EQ(Modeller::Text(kIntervalGroup), "Setup Interval");
        EXPECT_EQ(Modeller::Text(kOperationsLabel), "&No. of Operations:");
        EXPECT_EQ(Modeller::Text(kOperations), "10");
        EXPECT_TRUE(Modeller::Visible(kFirstSetup));
        SaveWindowPng(Sheet(), ORVANE_OUT_DIR "/machine_setup_page.png");
        MachineRecordHost::RowValidateAnswer() = 3;
        Modeller::Choose(kSetupName, 1);
    });
    m.Then([](Modeller &) {
        // The host refused the setup time: the focus is there and the first setup stays.
        EXPECT_EQ(MachineRecordHost::Log(), (Log{"validate 0 1", "setup 0 2 10"})); // General was left first
        EXPECT_EQ(Modeller::FocusId(), kSetupTime);
        EXPECT_EQ(SendMessageA(Modeller::Control(kSetupName), CB_GETCURSEL, 0, 0), 0);
        MachineRecordHost::RowValidateAnswer() = -1;
        Modeller::Choose(kSetupName, 1);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(kIntervalGroup), "Setup On");
        EXPECT_EQ(Modeller::Text(kOperationsLabel), "&Expression:");
        EXPECT_EQ(Modeller::Text(kOperations), "COLOUR");
        EXPECT_FALSE(Modeller::Visible(kFirstSetup));
        Modeller::Choose(kSetupMode, 1); // Part Change: no interval at all
    });
    m.Then([](Modeller &) {
        EXPECT_FALSE(Modeller::Visible(kIntervalGroup));
        EXPECT_FALSE(Modeller::Visible(kOperations));
        Modeller::Click(kSetupSummarize);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(ListText(kSummaryList, 0), "    1|S1|No. of Ops|5|No|No|No|2");
        EXPECT_EQ(ListText(kSummaryList, 1), "    2|S2|Part Change|5|No|No|No|3");
        Modeller::Click(IDCANCEL);
    });
    m.Then([](Modeller &) { Modeller::Click(IDOK); });
    EXPECT_EQ(ORV_EXPORT(host, MachineDetailDialog)(record.Get()), 1);
    EXPECT_EQ(MachineRecordHost::Log().at(MachineRecordHost::Log().size() - 2), "setups 2: S1/0/2#0 S2/1/3#7");
    EXPECT_EQ(record->setups, record.OwnSetups());
    EXPECT_EQ(record->setupCount, 2);
    EXPECT_EQ(record->setupsEdited, 0);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(MachinePages, AnEmptySetupListDisablesThePageUntilASetupIsAdded)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Modeller &m = host.Driver();
    MachineRecordHost record(OrvMachineSingle, {{"C1", "1"}});
    m.Then([](Modeller &) { Modeller::SwitchPage(Sheet(), kSetupPage); });
    m.Then([](Modeller &) {
        EXPECT_EQ(Count(kSetupName), 0);
        for (int id : {kSetupMode, kOperations, kSetupTime, kSetupLabour})
            EXPECT_FALSE(Modeller::Enabled(id)) << id;
        // One station: the station controls are not there at all.
        EXPECT_FALSE(Modeller::Visible(kStation));
        EXPECT_FALSE(Modeller::Visible(kStationLabel));
        EXPECT_TRUE(Modeller::Enabled(kSetupAddRemove));
        Modeller::Click(kSetupAddRemove);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(kAddRemoveDescription), "Setup Number 1");
        Modeller::Click(kAddRemoveAdd);
    });
    m.Then([](Modeller &) { Modeller::Click(IDOK); });
    m.Then([&](Modeller &) {
        EXPECT_EQ(record->setupsEdited, 1);
        EXPECT_EQ(Modeller::Text(kSetupName), "Setup Number 1");
        EXPECT_TRUE(Modeller::Enabled(kSetupMode));
        EXPECT_TRUE(Modeller::Enabled(kSetupTime));
        EXPECT_EQ(Modeller::Text(kSetupTime), "Message 65,0"); // a new setup's time is the host's default
        MachineRecordHost::RowValidateAnswer() = -1;
        Modeller::Click(IDOK);
    });
    EXPECT_EQ(ORV_EXPORT(host, MachineDetailDialog)(record.Get()), 1);
    // One station: the host checks station "1", and the new setup keeps its own.
    const Log &log = MachineRecordHost::Log();
    EXPECT_NE(std::find(log.begin(), log.end(), "setup 0 1 Message 65,0"), log.end());
    EXPECT_EQ(log.at(log.size() - 2), "setups 1: Setup Number 1/0/1#-1");
    EXPECT_EQ(record->setups, nullptr); // the host's own array (none) again, the count that handed over
    EXPECT_EQ(record->setupCount, 1);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(MachinePages, TheBreakdownModeDecidesTheIntervalAndSetupOnRepairTheLifeUsed)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Modeller &m = host.Driver();
    MachineRecordHost record(OrvMachineGeneral, {{"C1", "1"}});
    record.AddBreakdown({"B1", 2, 1});
    m.Then([](Modeller &) { Modeller::SwitchPage(Sheet(), kBreakdownPage); });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(kIntervalLabel), "&No. of Operations:");
        EXPECT_EQ(Modeller::Text(kInterval), "100");
        EXPECT_TRUE(Modeller::Enabled(kLifeUsed));
        Modeller::ClearAndType(kInterval, "250");
        Modeller::Choose(kBreakdownMode, 1); // Busy Time
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(kIntervalLabel), "&Time Between Failures:");
        EXPECT_EQ(Modeller::Text(kInterval), "480");
        Modeller::Click(kSetupOnRepair);
    });
    m.Then([](Modeller &) {
        EXPECT_FALSE(Modeller::Enabled(kLifeUsed));
        EXPECT_FALSE(Modeller::Enabled(kLifeLabel));
        MachineRecordHost::RowValidateAnswer() = 1;
        Modeller::Click(IDOK);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(MachineRecordHost::Log().back(), "breakdown 1 480 250");
        EXPECT_EQ(Modeller::FocusId(), kRepair);
        MachineRecordHost::RowValidateAnswer() = -1;
        Modeller::Click(IDOK);
    });
    EXPECT_EQ(ORV_EXPORT(host, MachineDetailDialog)(record.Get()), 1);
    const Log &log = MachineRecordHost::Log();
    EXPECT_EQ(log.at(log.size() - 2), "breakdowns 1: B1/1");
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(MachinePages, FluidRulesEditTheirFlowRulesInPlaceAndStationsFollowTheType)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Modeller &m = host.Driver();
    host.detailRuleAssigns = 31;
    MachineRecordHost record(OrvMachineSingle, {{"C1", "1"}});
    m.Then([](Modeller &) { Modeller::SwitchPage(Sheet(), kFluidPage); });
    m.Then([&](Modeller &) {
        EXPECT_EQ(Modeller::Text(kToWord), "Flow21");
        EXPECT_EQ(Modeller::Text(kFromWord), "Flow22");
        EXPECT_FALSE(Modeller::Visible(kEmptyStation));
        EXPECT_FALSE(Modeller::Visible(kFillStation));
        SaveWindowPng(Sheet(), ORVANE_OUT_DIR "/machine_fluid_page.png");
        Modeller::Click(kFluidTo);
    });
    m.Then([&](Modeller &) {
        EXPECT_EQ(host.Log().Last("DetailRule")->args, (std::vector<std::string>{"101", "10", "-1", "21"}));
        EXPECT_EQ(Modeller::Text(kToWord), "Flow31");
        Modeller::Click(IDOK);
    });
    EXPECT_EQ(ORV_EXPORT(host, MachineDetailDialog)(record.Get()), 1);
    // One station: emptying at station "1", the filling station left as it was.
    EXPECT_EQ(MachineRecordHost::Log().front(), "validate 0 1");
    EXPECT_EQ(MachineRecordHost::Log().at(1), "fluid 1 2");
    EXPECT_EQ(record->emptyRule, 31);

    // A Multiple Station machine shows both stations and the host may name one.
    record->type = OrvMachineMultipleStation;
    MachineRecordHost::Log().clear();
    MachineRecordHost::RowValidateAnswer() = 3;
    m.Then([](Modeller &) { Modeller::SwitchPage(Sheet(), kFluidPage); });
    m.Then([](Modeller &) {
        EXPECT_TRUE(Modeller::Visible(kEmptyStation));
        Modeller::ClearAndType(kEmptyStation, "3");
        Modeller::Click(IDOK);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::FocusId(), kFillStation);
        MachineRecordHost::RowValidateAnswer() = -1;
        Modeller::Escape();
    });
    EXPECT_EQ(ORV_EXPORT(host, MachineDetailDialog)(record.Get()), 0);
    EXPECT_STREQ(record->emptyStation, "3"); // written while validating, as the host asked to check it
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}
