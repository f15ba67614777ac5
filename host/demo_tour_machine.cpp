// The tour's machine stop: the host opens its Multiple Cycle machine PRESS as the modeller would, checks
// what the modeller types in the record's slots, and in the finish slot keeps the cycles the sheet gives back.
#include "demo_tour.h"

#include "call_log.h"
#include "demo_model.h"
#include "field_verdict.h"
#include "host_callbacks.h"
#include "machine_record.h"
#include "modeller.h"
#include "orvdlg_library.h"
#include "record_field.h"
#include "sheet_pages.h"

#include <orvane/orvdlg.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {
// Control identifiers of the machine's General page.
constexpr int kPriority = 1097, kType = 1025, kCycleNumber = 1081, kCycleName = 1028, kInput2Label = 1012;
constexpr int kInput2 = 1009, kFrom = 1010, kPull = 1045, kCycleTime = 1092, kLabour = 1056, kLabourMark = 1601;
constexpr int kTo = 1026;
constexpr int kBatch = 1, kMultipleCycle = 5; // positions in the Type list
constexpr int kSecondCycle = 1;
constexpr const char *kTypedCycleTime = "NORMAL(5, 0.5)";

// The host's validation field numbers.
constexpr int kNameField = 0, kQuantityField = 1, kPriorityField = 2, kInputField = 3, kBatchMaximumField = 4,
              kCycleTimeField = 5, kStationsField = 6, kFinishField = 7;

struct MachineSlots {
    CallLog *log = nullptr;
    DemoModel *model = nullptr;
    DemoMachine *machine = nullptr;
};
MachineSlots g_slots;

Verdict FirstWrong(const std::vector<Field> &fields)
{
    return ::FirstWrong(*g_slots.model, fields);
}

std::string Shown(const OrvMachineCycle &cycle)
{
    return Read(cycle.inputQuantity) + "|" + Read(cycle.cycleTime) + "|" + Read(cycle.finishQuantity);
}

// The fields the host checks, in field number order: those the machine's type shows for the modeller to type.
std::vector<Field> TypedFields(const OrvMachineRecord &record)
{
    const OrvMachineCycle &scratch = record.cycles[0];
    std::vector<Field> fields = {{kQuantityField, Read(record.quantity)},
                                 {kPriorityField, Read(record.priority)},
                                 {kInputField, Read(scratch.inputQuantity)}};
    if (record.type == OrvMachineBatch)
        fields.push_back({kBatchMaximumField, Read(record.batchMaximum)});
    fields.push_back({kCycleTimeField, Read(scratch.cycleTime)});
    if (record.type == OrvMachineMultipleStation)
        fields.push_back({kStationsField, Read(record.stations)});
    // Batch and Multiple Station machines finish "As Input": no expression of the modeller's.
    if (record.type != OrvMachineBatch && record.type != OrvMachineMultipleStation)
        fields.push_back({kFinishField, Read(scratch.finishQuantity)});
    return fields;
}

int32_t ORVANE_CALL ValidateMachine(OrvMachineRecord *record)
{
    const Verdict verdict = Read(record->name).empty() ? Verdict{kNameField, "no name"}
                                                       : FirstWrong(TypedFields(*record));
    g_slots.log->Add("Machine validate slot", Read(record->name), "type " + std::to_string(record->type),
                     "priority " + Read(record->priority), "cycle " + std::to_string(record->validatingCycle),
                     Shown(record->cycles[0]), verdict.Text());
    return verdict.field;
}

int32_t ORVANE_CALL ValidateMachineCycle(OrvMachineCycle *cycle)
{
    const Verdict verdict = FirstWrong({{kInputField, Read(cycle->inputQuantity)},
                                        {kCycleTimeField, Read(cycle->cycleTime)},
                                        {kFinishField, Read(cycle->finishQuantity)}});
    g_slots.log->Add("Machine cycle validate slot", Shown(*cycle), verdict.Text());
    return verdict.field;
}

// The value stored at the record's 0x0BC: for this host, how many cycles pull through an input rule.
int32_t ORVANE_CALL RefreshMachineInputRule(int32_t element)
{
    int32_t pulling = 0;
    for (const DemoCycle &cycle : g_slots.machine->cycles)
        pulling += cycle.inputRule != -1;
    g_slots.log->Add("Machine input-rule refresh slot", element, "-> " + std::to_string(pulling));
    return pulling;
}

void ORVANE_CALL FinishMachine(OrvMachineRecord *record, int ok)
{
    g_slots.log->Add("Machine finish slot", "ok " + std::to_string(ok), Read(record->name),
                     "type " + std::to_string(record->type), std::to_string(record->cycleCount) + " cycles",
                     "edited " + std::to_string(record->cyclesEdited), "reporting " + std::to_string(record->reporting));
    for (int i = 0; i < record->cycleCount; ++i) {
        const OrvMachineCycle &c = record->cycles[i];
        g_slots.log->Add("  cycle " + std::to_string(i + 1), Read(c.description), Shown(c),
                         "rule " + std::to_string(c.inputRule), "start " + std::to_string(c.startActions),
                         "finish " + std::to_string(c.finishActions), "labour " + std::to_string(c.labour.labourRule),
                         "option " + std::to_string(c.labour.option), Read(c.labour.texts[0]));
    }
    TakeMachineRecord(*g_slots.model, *g_slots.machine, *record, ok);
}

std::string ListText(int id, int index)
{
    HWND combo = Modeller::Control(id);
    char text[64] = "";
    if (SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) < static_cast<LRESULT>(sizeof text))
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}
} // namespace

std::vector<DemoTour::Stop> DemoTour::MachineStops()
{
    g_slots.log = &m_log;
    g_slots.model = &m_model;
    auto press = [this] {
        const DemoElement *element = m_model.FindByName("PRESS");
        DemoMachine *machine = element ? m_model.FindMachine(element->number) : nullptr;
        if (!machine) {
            Expect(false, "the model has the machine PRESS");
            return 0;
        }
        g_slots.machine = machine;
        const int liveBefore = m_model.LiveHandles();
        const int ownHandles = DemoModel::HandleCount(machine->cycles);
        MachineRecord holder(m_model, *machine);
        OrvMachineRecord &record = holder.Get();
        record.validate = ValidateMachine;
        record.validateCycle = ValidateMachineCycle;
        record.finish = FinishMachine;
        record.inputRuleRefresh = RefreshMachineInputRule;
        record.notesSlot = HostNotesSlot;

        const int result = m_library.Find<decltype(&MachineDetailDialog)>("MachineDetailDialog")(&record);
        const int liveAfter = m_model.LiveHandles();
        const int keptHandles = DemoModel::HandleCount(machine->cycles);
        printf("  record: name \"%s\", priority \"%s\", type %d, input-rule refresh value %d, own cycle array %s\n",
               record.name, record.priority, record.type, record.inputRuleRefreshValue,
               record.cycles == holder.OwnCycles() ? "given back" : "NOT given back");
        printf("  host tables: %d live handles before, %d after (the machine held %d, now holds %d)\n", liveBefore,
               liveAfter, ownHandles, keptHandles);
        Expect(record.cycles == holder.OwnCycles() && record.cycleCount == 3, "the host's own cycle array given back");
        Expect(liveAfter == liveBefore - ownHandles + keptHandles, "every handle the sheet made was freed or kept");
        Expect(m_log.Count(kRefusedDelete) == 0, "no handle freed twice");
        if (result == 1 && machine->cycles.size() == 3) {
            const DemoCycle &stamp = machine->cycles[kSecondCycle];
            Expect(stamp.description == "Stamp twice", "cycle 2 renamed");
            Expect(stamp.labourRule != -1 && stamp.labourTexts[0] == "FITTER", "cycle 2 has its labour rule");
            Expect(stamp.inputRule != -1 && stamp.startActions != -1, "cycle 2 keeps its rule and actions");
            Expect(machine->priority == "3" && machine->type == OrvMachineMultipleCycle, "the head fields kept");
        }
        return result;
    };
    auto act = [this](Modeller &m) {
        ExpectText(kCycleNumber, "1");
        Expect(!Modeller::Enabled(kTo), "\"T&o...\" is disabled before the last cycle");
        m.Then([](Modeller &) { Modeller::Choose(kCycleName, kSecondCycle); });
        m.Then([this](Modeller &) {
            ExpectText(kCycleNumber, "2");
            ExpectText(kCycleTime, "NORMAL(4, 0.5)");
            Modeller::ClearAndType(kCycleTime, kTypedCycleTime);
            Modeller::Click(kLabour);
        });
        m.Then([this](Modeller &) {
            ExpectText(kLabourMark, "*");
            Modeller::Click(kFrom);
        });
        m.Then([this](Modeller &) {
            ExpectText(kPull, "Pull");
            Modeller::ClearAndType(kCycleName, "Stamp twice");
        });
        m.Then([this](Modeller &) {
            Expect(ListText(kCycleName, kSecondCycle) == "Stamp twice", "the cycle list shows the new name");
            SavePicture(Modeller::ActiveWindow(), "MachineDetail_cycle2.png");
            Modeller::Choose(kType, kBatch);
        });
        m.Then([this](Modeller &) {
            ExpectText(kInput2Label, "Batch Ma&x:");
            Expect(Modeller::Visible(kInput2) && !Modeller::Visible(kCycleName), "Batch shows its maximum, no cycles");
            SavePicture(Modeller::ActiveWindow(), "MachineDetail_batch.png");
            Modeller::Choose(kType, kMultipleCycle);
        });
        m.Then([](Modeller &) {
            Modeller::Choose(kCycleName, kSecondCycle);
            Modeller::ClearAndType(kPriority, "HIGH"); // no such element: the host refuses it
        });
        m.Then([](Modeller &) { SwitchPage(1); });
        m.Then([this](Modeller &) {
            // What cycle 2 showed when the type left Multiple Cycle stayed with it.
            ExpectText(kCycleTime, kTypedCycleTime);
            Expect(Modeller::FocusId() == kPriority, "the refused priority has the focus");
            ExpectText(kCycleNumber, "2");
            Modeller::ClearAndType(kPriority, "3");
        });
        VisitPagesThenOk(m, "MachineDetail");
    };
    return {
        {"MachineDetailDialog: the modeller edits cycle 2 of PRESS, its labour and input rules, renames it, tries "
         "Batch, is refused a priority, then visits every page and presses OK",
         "MachineDetailDialog", "MachineDetail_general.png", act, press, 1},
    };
}
