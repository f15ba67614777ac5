#include "machine_record.h"

#include "demo_model.h"
#include "record_field.h"

namespace {
constexpr int32_t kMachineShiftKind = 3; // the host's code for machines: allowance and end-of-shift shown

OrvMachineCycle RecordCycle(const DemoCycle &cycle)
{
    OrvMachineCycle out{};
    Fill(out.description, cycle.description);
    Fill(out.inputQuantity, cycle.inputQuantity);
    Fill(out.cycleTime, cycle.cycleTime);
    Fill(out.finishQuantity, cycle.finishQuantity);
    out.inputRule = cycle.inputRule;
    out.startActions = cycle.startActions;
    out.finishActions = cycle.finishActions;
    out.labour.labourRule = cycle.labourRule;
    out.labour.option = cycle.labourOption;
    for (int i = 0; i < 3; ++i)
        Fill(out.labour.texts[i], cycle.labourTexts[i]);
    return out;
}
} // namespace

MachineRecord::MachineRecord(const DemoModel &model, const DemoMachine &machine)
{
    for (const DemoCycle &cycle : machine.cycles)
        m_cycles.push_back(RecordCycle(cycle));
    OrvMachineRecord &r = m_record;
    r.element = machine.element;
    r.shifts = 1;
    const DemoElement *element = model.Find(machine.element);
    Fill(r.name, element ? element->name : "");
    Fill(r.quantity, machine.quantity);
    Fill(r.priority, machine.priority);
    r.outputRule = machine.outputRule;
    r.type = machine.type;
    r.cycleCount = static_cast<int32_t>(m_cycles.size());
    r.cycles = m_cycles.data();
    r.fluidExclusion = 1; // the demo's machines handle no fluids
    Fill(r.batchMaximum, machine.batchMaximum);
    Fill(r.partType, machine.partType);
    Fill(r.stations, machine.stations);
    r.labourContext = machine.element;
    r.shift.kindCode = kMachineShiftKind;
    r.shift.shiftsEnabled = 1;
    Fill(r.shift.shiftName, machine.shift);
    Fill(r.shift.allowance, "0");
    r.reporting = machine.reporting;
    m_notes.text = machine.notes.c_str();
    r.notes.holder = m_notes.Address();
}

std::vector<DemoCycle> CyclesOf(const OrvMachineRecord &record)
{
    std::vector<DemoCycle> cycles;
    for (int i = 0; record.cycles && i < record.cycleCount; ++i) {
        const OrvMachineCycle &in = record.cycles[i];
        DemoCycle cycle;
        cycle.description = Read(in.description);
        cycle.inputQuantity = Read(in.inputQuantity);
        cycle.cycleTime = Read(in.cycleTime);
        cycle.finishQuantity = Read(in.finishQuantity);
        cycle.inputRule = in.inputRule;
        cycle.startActions = in.startActions;
        cycle.finishActions = in.finishActions;
        cycle.labourRule = in.labour.labourRule;
        cycle.labourOption = in.labour.option;
        for (int t = 0; t < 3; ++t)
            cycle.labourTexts[t] = Read(in.labour.texts[t]);
        cycles.push_back(std::move(cycle));
    }
    return cycles;
}

void TakeMachineRecord(DemoModel &model, DemoMachine &machine, const OrvMachineRecord &record, int ok)
{
    machine.outputRule = record.outputRule;
    std::vector<DemoCycle> cycles = CyclesOf(record);
    if (!ok) {
        for (const DemoCycle &cycle : cycles)
            model.FreeHandles(cycle);
        return;
    }
    model.Rename(machine.element, Read(record.name));
    machine.quantity = Read(record.quantity);
    machine.priority = Read(record.priority);
    machine.type = record.type;
    machine.batchMaximum = Read(record.batchMaximum);
    machine.partType = Read(record.partType);
    machine.stations = Read(record.stations);
    machine.reporting = record.reporting;
    if (!cycles.empty()) // a machine always has a cycle
        model.ReplaceCycles(machine, std::move(cycles));
}
