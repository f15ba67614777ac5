// The machine sheet stores its cycles into a fresh array as it closes, with new copies of every handle. When
// the host cannot make one of those copies the sheet ends with 0, without the finish slot, and gives back
// exactly the copies it made: never a handle of a cycle it did not get to store.
#include "fake_host.h"
#include "handle_ledger.h"
#include "machine_record_host.h"

#include <orvane/orvdlg.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
constexpr int kMessageText = 1009; // the text of the library's message dialog
}

TEST(MachineCycleStore, ACopyRefusedWhileStoringGivesBackOnlyTheCopiesMade)
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
