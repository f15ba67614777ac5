// A modeller who does anything on the machine sheet for thousands of steps: typing into every field and cycle
// name, choosing types and cycles, adding, removing and summarising cycles, opening every host editor, acting
// and pressing Escape inside the nested dialogs, switching pages; while the host rejects fields and cycles,
// refuses handle copies and its editors hand out new rules and actions, all at random. The sheet must never
// crash, never write into the record outside the fields it edits, give the host its own cycle array back,
// and account for every handle the host made for it.
#include "fake_host.h"
#include "handle_ledger.h"
#include "machine_record_host.h"
#include "random_modeller.h"

#include <orvane/orvdlg.h>

#include <gtest/gtest.h>

#include <algorithm>
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
struct HostPlay {
    std::mt19937 random{20261208};
    bool accepting = false; // at the end the host accepts everything
    int32_t nextHandle = 100000;
    HandleLedger *ledger = nullptr;
    OrvMachineCycle *ownCycles = nullptr;
    std::vector<int> finishes; // the ok argument of each finish call

    bool Chance(int percent) { return static_cast<int>(random() % 100) < percent; }
    int32_t Verdict(std::initializer_list<int32_t> fields)
    {
        if (accepting || Chance(65))
            return -1;
        if (Chance(80))
            return fields.begin()[random() % fields.size()];
        return Chance(50) ? 42 : -2; // names no field
    }
    // An editor gives one of the library's own copies a new handle, when it held none.
    void MaybeGiveHandle(int32_t *handle, bool libraryOwned)
    {
        ledger->Read();
        if (!handle || *handle != -1 || !Chance(50))
            return;
        *handle = nextHandle;
        nextHandle += 7;
        if (libraryOwned)
            ledger->Made(*handle);
    }
};
HostPlay *g_host = nullptr;

template <size_t N> bool Terminated(const char (&field)[N]) { return std::memchr(field, 0, N) != nullptr; }

int32_t ORVANE_CALL RandomVerdict(OrvMachineRecord *) { fprintf(stderr,"DEBUG validate\n"); return g_host->Verdict({0, 1, 2, 3, 4, 5, 6, 7, 8}); }
int32_t ORVANE_CALL RandomCycleVerdict(OrvMachineCycle *) { return g_host->Verdict({3, 5, 7}); }

// The host reads the fresh cycle array: every text ends within its field, and the handles become the host's.
void ORVANE_CALL Finish(OrvMachineRecord *record, int ok)
{
    g_host->finishes.push_back(ok); fprintf(stderr, "DEBUG finish cycles %d type %d\n", record->cycleCount, record->type);
    g_host->ledger->Read();
    EXPECT_NE(record->cycles, g_host->ownCycles);
    for (int i = 0; i < record->cycleCount; ++i) {
        const OrvMachineCycle &cycle = record->cycles[i];
        EXPECT_TRUE(Terminated(cycle.description) && std::strlen(cycle.description) <= 20)
            << "cycle " << i << " description";
        for (const auto *text : {&cycle.inputQuantity, &cycle.cycleTime, &cycle.finishQuantity, &cycle.labour.texts[0],
                                 &cycle.labour.texts[1], &cycle.labour.texts[2]})
            EXPECT_TRUE(Terminated(*text)) << "cycle " << i;
        for (int32_t handle : {cycle.inputRule, cycle.startActions, cycle.finishActions, cycle.labour.labourRule})
            g_host->ledger->HandedToHost(handle);
    }
}

// The bytes of the record the sheet may write; every other byte must keep its value.
struct FieldSpan {
    size_t offset;
    size_t size;
};
template <typename T> FieldSpan Field(T OrvMachineRecord::*member)
{
    static const OrvMachineRecord probe{};
    const auto *base = reinterpret_cast<const char *>(&probe);
    return {static_cast<size_t>(reinterpret_cast<const char *>(&(probe.*member)) - base), sizeof(T)};
}
std::vector<FieldSpan> WritableFields()
{
    using R = OrvMachineRecord;
    return {Field(&R::name), Field(&R::quantity), Field(&R::priority), Field(&R::outputRule),
            Field(&R::inputRuleRefreshValue), Field(&R::type), Field(&R::cycleCount), Field(&R::validatingCycle),
            Field(&R::cyclesEdited), Field(&R::batchMaximum), Field(&R::partType), Field(&R::stations),
            // The Setup, Breakdowns and Fluid Rules pages.
            Field(&R::setupCount), Field(&R::setupsEdited), Field(&R::breakdownCount), Field(&R::breakdownsEdited),
            Field(&R::fillVolume), Field(&R::fillRelation), Field(&R::fillRule), Field(&R::fillStation),
            Field(&R::emptyVolume), Field(&R::emptyRelation), Field(&R::emptyRule), Field(&R::emptyStation),
            // The shared pages.
            Field(&R::shift), Field(&R::reporting)};
}

std::vector<unsigned char> Bytes(const void *data, size_t size)
{
    const auto *bytes = static_cast<const unsigned char *>(data);
    return {bytes, bytes + size};
}

// Offsets at which `after` differs from `before` outside `writable`.
std::vector<size_t> ChangedOutside(const std::vector<unsigned char> &before, const std::vector<unsigned char> &after,
                                   const std::vector<FieldSpan> &writable)
{
    std::vector<bool> mayChange(before.size(), false);
    for (const FieldSpan &field : writable)
        std::fill_n(mayChange.begin() + static_cast<std::ptrdiff_t>(field.offset), field.size, true);
    std::vector<size_t> changed;
    for (size_t i = 0; i < before.size(); ++i) {
        if (!mayChange[i] && before[i] != after[i])
            changed.push_back(i);
    }
    return changed;
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

// Inside the add/remove dialog, the summary, a message box.
void NestedStep(RandomModeller &modeller, HWND active)
{
    const int roll = modeller.Pick(100);
    if (roll < 8)
        Modeller::Escape();
    else if (roll < 11)
        Modeller::Enter();
    else {
        bool acted = modeller.ActOnAnyControl(active);
        char c[64]="";GetWindowTextA(active,c,64);
        fprintf(stderr, "DEBUG nested '%s' acted %d\n", c, acted);
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
    HWND active = GetActiveWindow();
    ++attempts;
    if (active != sheet) {
        if (attempts % 4 == 0)
            PostMessageA(active, WM_COMMAND, IDCANCEL, 0);
        else
            Modeller::Escape();
        return false;
    }
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
} // namespace

TEST(MachineRandomInput, ThousandsOfStepsKeepTheRecordTheCycleArrayAndEveryHandleInOrder)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    host.Model().Add({301, 1, "WIDGET", 1, true});
    host.Model().Add({302, 1, "GADGET", 1, true});
    Modeller &m = host.Driver();
    RandomModeller modeller(m, 20261208);
    for (int ending : {IDOK, IDCANCEL}) {
        MachineRecordHost record(OrvMachineMultipleCycle,
                                 {{"C1", "1", 4, 5, -1, 7}, {"C2", "0.0", 14, -1, 16, -1}, {"C3", "N+1", -1, 25, 26, 27}});
        HandleLedger ledger(host.Log());
        HostPlay play;
        play.ledger = &ledger;
        play.ownCycles = record.OwnCycles();
        g_host = &play;
        record->validate = RandomVerdict;
        record->validateCycle = RandomCycleVerdict;
        record->finish = Finish;
        host.copyAnswer = [&] {
            const bool succeeded = play.accepting || !play.Chance(5);
            ledger.CopyAnswered(succeeded);
            return succeeded;
        };
        host.ruleEditor = [&](int32_t, int, int, int32_t *rule) {
            play.MaybeGiveHandle(rule, rule != &record->outputRule);
        };
        host.actionsEditor = [&](int32_t *actions, const char *) { play.MaybeGiveHandle(actions, true); };
        host.labourEditor = [&](int32_t, int32_t *rule, int, OrvLabourBlock *block) {
            if (!play.Chance(60))
                return 0;
            play.MaybeGiveHandle(rule, true);
            block->option = static_cast<int32_t>(play.random() % 3);
            const std::string text(play.Chance(50) ? 80 : 3, 'L');
            std::strcpy(block->texts[play.random() % 3], text.c_str());
            return 1;
        };
        const std::vector<unsigned char> before = Bytes(record.Get(), sizeof(OrvMachineRecord));
        const std::vector<unsigned char> ownBefore =
            Bytes(record.OwnCycles(), sizeof(OrvMachineCycle) * static_cast<size_t>(record->cycleCount));

        int attempts = 0;
        modeller.Run(
            kSteps,
            [&] {
                HWND active = GetActiveWindow();
                {char c[64]="";GetWindowTextA(active,c,64); if (!strcmp(c,"ORVANE")) fprintf(stderr,"DEBUG step active ORVANE %p sheet %p\n",(void*)active,(void*)modeller.Window());}
                if (active == modeller.Window())
                    SheetStep(modeller, active);
                else
                    NestedStep(modeller, active);
            },
            [&] { return EndSheet(modeller, ending, attempts); });
        const int result = ORV_EXPORT(host, MachineDetailDialog)(record.Get());
        ledger.Read();
        for (const char *n : {"ReplicateRule","CopyExpression","CopyLabourRule","DeleteRule","DeleteExpression","DetailRule","CompEditor","DetailLabourRule","CompExp","WinHelpA"})
            fprintf(stderr, "DEBUG %s %d\n", n, host.Log().Count(n));
        fprintf(stderr, "DEBUG cyclesEdited %d validations %zu\n", record->cyclesEdited, MachineRecordHost::Log().size());

        EXPECT_EQ(result, ending == IDOK ? 1 : 0);
        EXPECT_EQ(play.finishes, std::vector<int>{result});
        // The host's own array is back, and only its first cycle, the copy the host validates, was written.
        EXPECT_EQ(record->cycles, record.OwnCycles());
        OrvMachineCycle &scratch = record.OwnCycles()[0];
        for (const auto *text : {&scratch.inputQuantity, &scratch.cycleTime, &scratch.finishQuantity})
            EXPECT_TRUE(Terminated(*text));
        const std::vector<FieldSpan> scratchTexts = {
            {offsetof(OrvMachineCycle, inputQuantity), sizeof scratch.inputQuantity},
            {offsetof(OrvMachineCycle, cycleTime), sizeof scratch.cycleTime},
            {offsetof(OrvMachineCycle, finishQuantity), sizeof scratch.finishQuantity}};
        EXPECT_EQ(ChangedOutside(ownBefore, Bytes(record.OwnCycles(), ownBefore.size()), scratchTexts),
                  std::vector<size_t>{});
        // Nothing outside the edited fields changed, and every text the sheet wrote ends within its field.
        EXPECT_EQ(ChangedOutside(before, Bytes(record.Get(), sizeof(OrvMachineRecord)), WritableFields()),
                  std::vector<size_t>{});
        for (const char *text : {record->quantity, record->priority, record->batchMaximum, record->partType,
                                 record->stations})
            EXPECT_NE(std::memchr(text, 0, 81), nullptr);
        EXPECT_TRUE(Terminated(record->name) && std::strlen(record->name) <= 8);
        EXPECT_EQ(ledger.Faults(), std::vector<std::string>{});
        EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
        host.copyAnswer = nullptr;
        host.ruleEditor = nullptr;
        host.actionsEditor = nullptr;
        host.labourEditor = nullptr;
        g_host = nullptr;
    }
}
