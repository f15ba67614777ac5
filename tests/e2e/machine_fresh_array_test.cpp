// What the host reads back from the fresh arrays the machine sheet stores its rows into as it closes: rows
// within the record's limits, and handles the sheet accounts for. When the host cannot copy a handle while
// the rows are stored, the sheet ends with 0, without the finish slot, and gives back exactly the copies it
// made: never a handle of a row it did not get to store.
#include "fake_host.h"
#include "handle_ledger.h"
#include "machine_record_host.h"

#include <orvane/orvdlg.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
constexpr int kMessageText = 1009; // the text of the library's message dialog
constexpr int kCycleName = 1028, kSetupName = 1055, kBreakdownName = 1592;
constexpr int kSetupPage = 1, kBreakdownPage = 2;

std::vector<std::string> g_descriptions;

void ORVANE_CALL KeepDescriptions(OrvMachineRecord *record, int)
{
    g_descriptions.clear();
    for (int i = 0; i < record->cycleCount; ++i)
        g_descriptions.emplace_back(record->cycles[i].description, strnlen(record->cycles[i].description, 28));
    for (int i = 0; i < record->setupCount; ++i)
        g_descriptions.emplace_back(record->setups[i].description, strnlen(record->setups[i].description, 24));
    for (int i = 0; i < record->breakdownCount; ++i)
        g_descriptions.emplace_back(record->breakdowns[i].description,
                                    strnlen(record->breakdowns[i].description, 24));
}
} // namespace

TEST(MachineFreshArrays, ACopyRefusedWhileStoringGivesBackOnlyTheCopiesMade)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Modeller &m = host.Driver();
    MachineRecordHost record(OrvMachineMultipleCycle, {{"C1", "1", 4, 5, -1, 7}, {"C2", "2", 14, -1, 16, -1}});
    HandleLedger ledger(host.Log());
    bool refusing = false;
    host.copyAnswer = [&] {
        ledger.CopyAnswered(!refusing);
        return !refusing;
    };
    std::string message;
    m.Then([&](Modeller &) {
        refusing = true; // the first cycle's first copy fails
        Modeller::Click(IDOK);
    });
    m.Then([&](Modeller &) {
        message = Modeller::Text(kMessageText);
        Modeller::Enter();
    });
    EXPECT_EQ(ORV_EXPORT(host, MachineDetailDialog)(record.Get()), 0);
    ledger.Read();
    EXPECT_EQ(message, "There is not enough memory to perform the requested operation");
    EXPECT_EQ(MachineRecordHost::Log(), (std::vector<std::string>{"validate 0 1"})); // no finish
    EXPECT_EQ(record->cycles, record.OwnCycles());
    // The second cycle was never stored: its entry holds no copies to give back.
    EXPECT_EQ(ledger.Faults(), std::vector<std::string>{});
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(MachineFreshArrays, DescriptionsPutPastTheirLimitReachTheHostWithinTwentyCharacters)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Modeller &m = host.Driver();
    MachineRecordHost record(OrvMachineMultipleCycle, {{"C1", "1"}});
    OrvMachineSetup setup{};
    std::strcpy(setup.description, "S1");
    setup.startActions = setup.finishActions = setup.labour.labourRule = -1;
    OrvMachineBreakdown breakdown{};
    std::strcpy(breakdown.description, "B1");
    breakdown.breakdownActions = breakdown.resumeActions = breakdown.labour.labourRule = -1;
    record->setups = &setup;
    record->setupCount = 1;
    record->breakdowns = &breakdown;
    record->breakdownCount = 1;
    record->finish = KeepDescriptions;
    // A program puts the text into the combo box's field without typing, past the limit typing keeps to.
    const std::string longName(23, 'D');
    auto put = [&](int id) {
        SetWindowTextA(FindWindowExA(Modeller::Control(id), nullptr, "Edit", nullptr), longName.c_str());
    };
    m.Then([&](Modeller &) { put(kCycleName); });
    m.Then([&](Modeller &) { Modeller::SwitchPage(GetActiveWindow(), kSetupPage); });
    m.Then([&](Modeller &) { put(kSetupName); });
    m.Then([&](Modeller &) { Modeller::SwitchPage(GetActiveWindow(), kBreakdownPage); });
    m.Then([&](Modeller &) { put(kBreakdownName); });
    m.Then([&](Modeller &) { Modeller::Click(IDOK); });
    g_descriptions.clear();
    EXPECT_EQ(ORV_EXPORT(host, MachineDetailDialog)(record.Get()), 1);
    ASSERT_EQ(g_descriptions.size(), 3u);
    for (const std::string &description : g_descriptions)
        EXPECT_LE(description.size(), 20u) << description;
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}
