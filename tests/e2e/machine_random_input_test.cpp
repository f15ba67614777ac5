// A modeller who does anything on the machine sheet for thousands of steps: typing into every field and row
// name, choosing types and rows, adding, removing and summarising cycles, setups and breakdowns, opening every
// host editor, acting and pressing Escape inside the nested dialogs, switching pages; while the host rejects
// fields and rows, refuses handle copies and its editors hand out new rules and actions, all at random. The
// sheet must never crash, never write into the record (or the host's own arrays) outside the fields it edits,
// give the host its own arrays back, and account for every handle the host made for it.
#include "fake_host.h"
#include "handle_ledger.h"
#include "machine_record_host.h"
#include "random_modeller.h"
#include "record_bytes.h"

#include <orvane/orvdlg.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {
constexpr int kName = 1106, kQuantity = 1001, kPriority = 1097, kType = 1025, kCycleName = 1028;
constexpr int kAddRemove = 1017, kSummarize = 1064, kPartType = 1197;
constexpr int kTextControls[] = {kName, kQuantity, kPriority, 1008, 1009, 1092, 1020, 1024, kCycleName, kPartType};
constexpr int kEditorButtons[] = {1010 /* From */, 1026 /* To */, 1056 /* Labor Rule */, 1062, 1063 /* actions */};
// The sheet's own buttons end the run; the test presses them itself.
constexpr int kSheetButtons[] = {IDOK, IDCANCEL};
constexpr int kSteps = 1500;

// What the host does in this run: its answers and editors, drawn from a generator of its own.
struct HostPlay : RandomHostVerdicts {
    bool refusing = false;  // from the first step on, the host may refuse copies
    int32_t nextHandle = 100000;
    HandleLedger *ledger = nullptr;
    const OrvMachineRecord *record = nullptr;
    const OrvMachineCycle *ownCycles = nullptr;
    const OrvMachineSetup *ownSetups = nullptr;
    const OrvMachineBreakdown *ownBreakdowns = nullptr;
    std::vector<int> finishes; // the ok argument of each finish call

    // An editor gives a handle that held none a new one. Handles in the record (the output and flow rules)
    // are edited in place and stay the host's; any other is one of the library's own copies.
    void MaybeGiveHandle(int32_t *handle)
    {
        ledger->Read();
        if (!handle || *handle != -1 || !Chance(50))
            return;
        *handle = nextHandle;
        nextHandle += 7;
        const auto *at = reinterpret_cast<const char *>(handle);
        const auto *start = reinterpret_cast<const char *>(record);
        if (at < start || at >= start + sizeof *record)
            ledger->Made(*handle);
    }
};
HostPlay *g_host = nullptr;


int32_t ORVANE_CALL RandomVerdict(OrvMachineRecord *) { return g_host->Verdict({0, 1, 2, 3, 4, 5, 6, 7, 8}); }
int32_t ORVANE_CALL RandomCycleVerdict(OrvMachineCycle *) { return g_host->Verdict({3, 5, 7}); }
int32_t ORVANE_CALL RandomSetupVerdict(OrvMachineSetup *) { return g_host->Verdict({0, 1, 2, 3}); }
int32_t ORVANE_CALL RandomBreakdownVerdict(OrvMachineBreakdown *) { return g_host->Verdict({0, 1, 2}); }
int32_t ORVANE_CALL RandomFluidVerdict(OrvMachineRecord *) { return g_host->Verdict({0, 1, 2, 3}); }

// What the host reads back from the fresh arrays: every text ends within its field (a description within 20
// characters), and the handles become the host's.
void ReadBackLabour(const OrvLabourBlock &labour)
{
    for (const auto &text : labour.texts)
        ExpectText(text, "labour text");
    g_host->ledger->HandedToHost(labour.labourRule);
}
void ReadBack(const OrvMachineCycle &cycle)
{
    ExpectText(cycle.description, "cycle description", 20);
    for (const auto *text : {&cycle.inputQuantity, &cycle.cycleTime, &cycle.finishQuantity})
        ExpectText(*text, "cycle text");
    for (int32_t handle : {cycle.inputRule, cycle.startActions, cycle.finishActions})
        g_host->ledger->HandedToHost(handle);
    ReadBackLabour(cycle.labour);
}
void ReadBack(const OrvMachineSetup &setup)
{
    ExpectText(setup.description, "setup description", 20);
    for (const auto *text : {&setup.setupTime, &setup.station, &setup.operations, &setup.operationsToFirst,
                             &setup.valueChange})
        ExpectText(*text, "setup text");
    for (int32_t handle : {setup.startActions, setup.finishActions})
        g_host->ledger->HandedToHost(handle);
    ReadBackLabour(setup.labour);
}
void ReadBack(const OrvMachineBreakdown &breakdown)
{
    ExpectText(breakdown.description, "breakdown description", 20);
    for (const auto *text : {&breakdown.timeBetweenFailures, &breakdown.operationsBetweenFailures,
                             &breakdown.repairTime, &breakdown.lifeUsed})
        ExpectText(*text, "breakdown text");
    for (int32_t handle : {breakdown.breakdownActions, breakdown.resumeActions})
        g_host->ledger->HandedToHost(handle);
    ReadBackLabour(breakdown.labour);
}
template <typename Entry> void ReadBackAll(const Entry *entries, int32_t count, const Entry *own)
{
    if (count > 0) {
        EXPECT_NE(entries, own); // a fresh array
    }
    for (int32_t i = 0; i < count; ++i)
        ReadBack(entries[i]);
}

void ORVANE_CALL Finish(OrvMachineRecord *record, int ok)
{
    g_host->finishes.push_back(ok);
    g_host->ledger->Read();
    ReadBackAll(record->cycles, record->cycleCount, g_host->ownCycles);
    ReadBackAll(record->setups, record->setupCount, g_host->ownSetups);
    ReadBackAll(record->breakdowns, record->breakdownCount, g_host->ownBreakdowns);
}

std::vector<FieldSpan> WritableFields()
{
    using R = OrvMachineRecord;
    auto field = [](auto member) { return FieldOf<R>(member); };
    return {field(&R::name), field(&R::quantity), field(&R::priority), field(&R::outputRule),
            field(&R::inputRuleRefreshValue), field(&R::type), field(&R::cycleCount), field(&R::validatingCycle),
            field(&R::cyclesEdited), field(&R::batchMaximum), field(&R::partType), field(&R::stations),
            // The Setup, Breakdowns and Fluid Rules pages.
            field(&R::setupCount), field(&R::setupsEdited), field(&R::breakdownCount), field(&R::breakdownsEdited),
            field(&R::fillVolume), field(&R::fillRelation), field(&R::fillRule), field(&R::fillStation),
            field(&R::emptyVolume), field(&R::emptyRelation), field(&R::emptyRule), field(&R::emptyStation),
            // The shared pages.
            field(&R::shift), field(&R::reporting)};
}

void SheetStep(RandomModeller &modeller, HWND sheet)
{
    const int roll = modeller.Pick(100);
    if (roll < 30) {
        modeller.ActOnAnyControl(sheet, kSheetButtons);
    } else if (roll < 40) {
        // Multiple Cycle half of the time, so that the cycle controls get their share.
        HWND type = Modeller::Control(kType);
        if (IsWindowVisible(type) && modeller.Chance(50))
            Modeller::Choose(type, OrvMachineMultipleCycle);
        else
            modeller.ChooseIn(type);
    } else if (roll < 50) {
        modeller.ChooseIn(Modeller::Control(kCycleName));
    } else if (roll < 57) {
        modeller.TypeInto(Modeller::Control(kCycleName));
    } else if (roll < 62) {
        modeller.Click(Modeller::Control(kAddRemove));
    } else if (roll < 66) {
        modeller.Click(Modeller::Control(kSummarize));
    } else if (roll < 76) {
        modeller.Click(Modeller::Control(modeller.PickOf(kEditorButtons)));
    } else if (roll < 84) {
        modeller.SwitchPage(sheet);
    } else if (roll < 86) {
        modeller.Paste(Modeller::Control(modeller.PickOf(kTextControls)));
    } else if (roll < 94) {
        modeller.TypeInto(Modeller::Control(modeller.PickOf(kTextControls)));
    } else {
        Modeller::Key(VK_TAB);
    }
}

// Closes what is open above the sheet, cuts back the texts that the host could never accept, and ends the
// sheet; called again until the sheet is gone.
bool EndSheet(RandomModeller &modeller, int ending, int &attempts)
{
    HWND sheet = modeller.Window();
    if (!IsWindow(sheet))
        return true;
    g_host->accepting = true;
    if (RandomModeller::CloseDialogAbove(sheet, ++attempts))
        return false;
    for (auto [id, limit] : {std::pair{kName, 8}, std::pair{kQuantity, 80}, std::pair{kPriority, 80}}) {
        HWND field = Modeller::Control(id, sheet);
        if (GetWindowTextLengthA(field) > limit)
            SetWindowTextA(field, "T");
    }
    if (attempts > 100) {
        ADD_FAILURE() << "the sheet does not end";
        PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
        return false;
    }
    PostMessageA(sheet, WM_COMMAND, static_cast<WPARAM>(ending), 0);
    return false;
}

// The host's own setups and breakdowns, with handles, which the record points to during the run.
struct OwnRows {
    OwnRows()
    {
        OrvMachineSetup &first = setups[0];
        std::strcpy(first.description, "S1");
        std::strcpy(first.setupTime, "5");
        std::strcpy(first.station, "1");
        std::strcpy(first.operations, "10");
        std::strcpy(first.operationsToFirst, "3");
        first.startActions = 34;
        first.finishActions = -1;
        first.labour.labourRule = 37;
        OrvMachineSetup &second = setups[1];
        second.mode = 2;
        second.origin = 1;
        std::strcpy(second.description, "S2");
        std::strcpy(second.valueChange, "V");
        second.startActions = -1;
        second.finishActions = 46;
        second.labour.labourRule = -1;
        OrvMachineBreakdown &breakdown = breakdowns[0];
        breakdown.checkAtCycleStart = 1;
        breakdown.mode = 2;
        std::strcpy(breakdown.description, "B1");
        std::strcpy(breakdown.operationsBetweenFailures, "100");
        std::strcpy(breakdown.repairTime, "8");
        breakdown.breakdownActions = 54;
        breakdown.resumeActions = 55;
        breakdown.labour.labourRule = 57;
    }
    void AttachTo(OrvMachineRecord &record)
    {
        record.setups = setups;
        record.setupCount = 2;
        record.breakdowns = breakdowns;
        record.breakdownCount = 1;
        record.fillRule = 60;
        record.emptyRule = -1;
    }
    std::vector<unsigned char> Bytes() const
    {
        std::vector<unsigned char> bytes = ::Bytes(setups, sizeof setups);
        const std::vector<unsigned char> more = ::Bytes(breakdowns, sizeof breakdowns);
        bytes.insert(bytes.end(), more.begin(), more.end());
        return bytes;
    }

    OrvMachineSetup setups[2] = {};
    OrvMachineBreakdown breakdowns[1] = {};
};

// The host's part: slots that accept or reject at random, editors that hand out handles, copies that may
// fail, all accounted for in the ledger.
void PlayTheHost(FakeHost &host, OrvMachineRecord &record, HostPlay &play)
{
    g_host = &play;
    play.record = &record;
    record.validate = RandomVerdict;
    record.validateCycle = RandomCycleVerdict;
    record.validateSetup = RandomSetupVerdict;
    record.validateBreakdown = RandomBreakdownVerdict;
    record.validateFluid = RandomFluidVerdict;
    record.finish = Finish;
    host.copyAnswer = [&play] {
        const bool succeeded = !play.refusing || play.accepting || !play.Chance(5);
        play.ledger->CopyAnswered(succeeded);
        return succeeded;
    };
    host.ruleEditor = [&play](int32_t, int, int, int32_t *rule) { play.MaybeGiveHandle(rule); };
    host.actionsEditor = [&play](int32_t *actions, const char *) { play.MaybeGiveHandle(actions); };
    host.labourEditor = [&play](int32_t, int32_t *rule, int, OrvLabourBlock *block) {
        if (!play.Chance(60))
            return 0;
        play.MaybeGiveHandle(rule);
        block->option = static_cast<int32_t>(play.random() % 3);
        const std::string text(play.Chance(50) ? 80 : 3, 'L');
        std::strcpy(block->texts[play.random() % 3], text.c_str());
        return 1;
    };
}

void StopPlaying(FakeHost &host)
{
    host.copyAnswer = nullptr;
    host.ruleEditor = nullptr;
    host.actionsEditor = nullptr;
    host.labourEditor = nullptr;
    g_host = nullptr;
}
} // namespace

TEST(MachineRandomInput, ThousandsOfStepsKeepTheRecordItsArraysAndEveryHandleInOrder)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    host.Model().Add({301, 1, "WIDGET", 1, true});
    host.Model().Add({302, 1, "GADGET", 1, true});
    Modeller &m = host.Driver();
    RandomModeller modeller(m, 20261208);
    for (int ending : {IDOK, IDCANCEL}) {
        MachineRecordHost record(OrvMachineMultipleCycle,
                                 {{"C1", "1", 4, 5, -1, 7}, {"C2", "0.0", 14, -1, 16, -1}, {"C3", "N+1", -1, 25, 26, 27}});
        OwnRows own;
        own.AttachTo(*record.Get());
        HandleLedger ledger(host.Log());
        HostPlay play;
        play.ledger = &ledger;
        play.ownCycles = record.OwnCycles();
        play.ownSetups = own.setups;
        play.ownBreakdowns = own.breakdowns;
        PlayTheHost(host, *record.Get(), play);
        const std::vector<unsigned char> before = Bytes(record.Get(), sizeof(OrvMachineRecord));
        const std::vector<unsigned char> cyclesBefore =
            Bytes(record.OwnCycles(), sizeof(OrvMachineCycle) * static_cast<size_t>(record->cycleCount));
        const std::vector<unsigned char> rowsBefore = own.Bytes();

        int attempts = 0;
        modeller.Run(
            kSteps,
            [&] {
                play.refusing = true;
                HWND active = GetActiveWindow();
                if (active == modeller.Window())
                    SheetStep(modeller, active);
                else
                    modeller.ActInNestedDialog(active);
            },
            [&] { return EndSheet(modeller, ending, attempts); });
        const int result = ORV_EXPORT(host, MachineDetailDialog)(record.Get());
        ledger.Read();
        StopPlaying(host);

        EXPECT_EQ(result, ending == IDOK ? 1 : 0);
        EXPECT_EQ(play.finishes, std::vector<int>{result});
        // The host's own arrays are back, and only the first cycle, the copy the host validates, was written.
        EXPECT_EQ(record->cycles, record.OwnCycles());
        EXPECT_EQ(record->setups, own.setups);
        EXPECT_EQ(record->breakdowns, own.breakdowns);
        const OrvMachineCycle &scratch = record.OwnCycles()[0];
        for (const auto *text : {&scratch.inputQuantity, &scratch.cycleTime, &scratch.finishQuantity})
            ExpectText(*text, "first cycle text");
        const std::vector<FieldSpan> scratchTexts = {FieldOf(&OrvMachineCycle::inputQuantity),
                                                     FieldOf(&OrvMachineCycle::cycleTime),
                                                     FieldOf(&OrvMachineCycle::finishQuantity)};
        EXPECT_EQ(ChangedOutside(cyclesBefore, Bytes(record.OwnCycles(), cyclesBefore.size()), scratchTexts),
                  std::vector<size_t>{});
        EXPECT_EQ(own.Bytes(), rowsBefore);
        // Nothing outside the edited fields changed, and every text the sheet wrote ends within its field.
        EXPECT_EQ(ChangedOutside(before, Bytes(record.Get(), sizeof(OrvMachineRecord)), WritableFields()),
                  std::vector<size_t>{});
        ExpectText(record->name, "name");
        for (const auto *text : {&record->quantity, &record->priority, &record->batchMaximum, &record->partType,
                                 &record->stations, &record->fillVolume, &record->fillStation, &record->emptyVolume,
                                 &record->emptyStation})
            ExpectText(*text, "record text");
        EXPECT_EQ(ledger.Faults(), std::vector<std::string>{});
        EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
    }
}
