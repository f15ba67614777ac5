#include "machine_record_host.h"

#include <cstdint>
#include <cstring>

namespace {

struct HostNotes {
    const char *text;
} g_notes{"Machine notes"};

int32_t ORVANE_CALL Validate(OrvMachineRecord *record)
{
    MachineRecordHost::Log().push_back("validate " + std::to_string(record->validatingCycle) + " " +
                                       record->cycles[0].inputQuantity);
    return MachineRecordHost::ValidateAnswer();
}

int32_t ORVANE_CALL ValidateCycle(OrvMachineCycle *cycle)
{
    MachineRecordHost::Log().push_back(std::string("cycle ") + cycle->inputQuantity + "|" + cycle->cycleTime + "|" +
                                       cycle->finishQuantity);
    return MachineRecordHost::CycleValidateAnswer();
}

int32_t ORVANE_CALL ValidateSetup(OrvMachineSetup *setup)
{
    MachineRecordHost::Log().push_back("setup " + std::to_string(setup->mode) + " " + setup->station + " " +
                                       setup->operations);
    return MachineRecordHost::RowValidateAnswer();
}

int32_t ORVANE_CALL ValidateBreakdown(OrvMachineBreakdown *breakdown)
{
    MachineRecordHost::Log().push_back("breakdown " + std::to_string(breakdown->mode) + " " +
                                       breakdown->timeBetweenFailures + " " + breakdown->operationsBetweenFailures);
    return MachineRecordHost::RowValidateAnswer();
}

int32_t ORVANE_CALL ValidateFluid(OrvMachineRecord *record)
{
    MachineRecordHost::Log().push_back(std::string("fluid ") + record->emptyStation + " " + record->fillStation);
    return MachineRecordHost::RowValidateAnswer();
}

void ORVANE_CALL Finish(OrvMachineRecord *record, int ok)
{
    if (record->setupCount > 0) {
        std::string setups = "setups " + std::to_string(record->setupCount) + ":";
        for (int i = 0; i < record->setupCount; ++i)
            setups += std::string(" ") + record->setups[i].description + "/" + std::to_string(record->setups[i].mode) +
                      "/" + record->setups[i].station + "#" + std::to_string(record->setups[i].origin);
        MachineRecordHost::Log().push_back(setups);
    }
    if (record->breakdownCount > 0) {
        std::string breakdowns = "breakdowns " + std::to_string(record->breakdownCount) + ":";
        for (int i = 0; i < record->breakdownCount; ++i)
            breakdowns += std::string(" ") + record->breakdowns[i].description + "/" +
                          std::to_string(record->breakdowns[i].mode);
        MachineRecordHost::Log().push_back(breakdowns);
    }
    std::string line = "finish " + std::to_string(ok) + " " + std::to_string(record->cycleCount) + ":";
    for (int i = 0; i < record->cycleCount; ++i) {
        const OrvMachineCycle &c = record->cycles[i];
        line += std::string(" ") + c.description + "/" + c.inputQuantity + "/" + std::to_string(c.inputRule) + "/" +
                std::to_string(c.labour.labourRule);
    }
    MachineRecordHost::Log().push_back(line);
}

void ORVANE_CALL Notes(int32_t, const char *text, int, int, int)
{
    MachineRecordHost::Log().push_back(std::string("notes ") + text);
}

int32_t ORVANE_CALL RefreshInputRule(int32_t element) { return element + 1; }
} // namespace

std::vector<std::string> &MachineRecordHost::Log()
{
    static std::vector<std::string> log;
    return log;
}

int32_t &MachineRecordHost::ValidateAnswer()
{
    static int32_t answer = -1;
    return answer;
}

int32_t &MachineRecordHost::RowValidateAnswer()
{
    static int32_t answer = -1;
    return answer;
}

void MachineRecordHost::AddSetup(const MachineSetupSeed &seed)
{
    OrvMachineSetup setup{};
    setup.mode = seed.mode;
    std::strcpy(setup.description, seed.description);
    setup.origin = static_cast<int32_t>(m_setups.size());
    std::strcpy(setup.setupTime, "5");
    std::strcpy(setup.station, seed.station);
    std::strcpy(setup.operations, "10");
    std::strcpy(setup.operationsToFirst, "3");
    std::strcpy(setup.valueChange, "COLOUR");
    setup.startActions = setup.finishActions = setup.labour.labourRule = -1;
    m_setups.push_back(setup);
    m_record->setups = m_setups.data();
    m_record->setupCount = static_cast<int32_t>(m_setups.size());
}

void MachineRecordHost::AddBreakdown(const MachineBreakdownSeed &seed)
{
    OrvMachineBreakdown breakdown{};
    breakdown.checkAtCycleStart = 1;
    breakdown.mode = seed.mode;
    std::strcpy(breakdown.description, seed.description);
    breakdown.origin = static_cast<int32_t>(m_breakdowns.size());
    std::strcpy(breakdown.timeBetweenFailures, "480");
    std::strcpy(breakdown.operationsBetweenFailures, "100");
    std::strcpy(breakdown.repairTime, "30");
    breakdown.setupOnRepair = seed.setupOnRepair;
    std::strcpy(breakdown.lifeUsed, "50");
    breakdown.breakdownActions = breakdown.resumeActions = breakdown.labour.labourRule = -1;
    m_breakdowns.push_back(breakdown);
    m_record->breakdowns = m_breakdowns.data();
    m_record->breakdownCount = static_cast<int32_t>(m_breakdowns.size());
}

int32_t &MachineRecordHost::CycleValidateAnswer()
{
    static int32_t answer = -1;
    return answer;
}

MachineRecordHost::MachineRecordHost(int32_t type, std::initializer_list<MachineCycleSeed> cycles)
{
    Log().clear();
    ValidateAnswer() = -1;
    CycleValidateAnswer() = -1;
    RowValidateAnswer() = -1;
    for (const MachineCycleSeed &seed : cycles) {
        OrvMachineCycle cycle{};
        std::strcpy(cycle.description, seed.description);
        std::strcpy(cycle.inputQuantity, seed.inputQuantity);
        std::strcpy(cycle.cycleTime, "5");
        std::strcpy(cycle.finishQuantity, "1");
        cycle.inputRule = seed.inputRule;
        cycle.startActions = seed.startActions;
        cycle.finishActions = seed.finishActions;
        cycle.labour.labourRule = seed.labourRule;
        m_cycles.push_back(cycle);
    }
    OrvMachineRecord &r = *m_record;
    r.element = 101;
    r.shifts = 1;
    std::strcpy(r.name, "M1");
    std::strcpy(r.quantity, "1");
    std::strcpy(r.priority, "0");
    r.outputRule = 9;
    r.type = type;
    r.cycleCount = static_cast<int32_t>(m_cycles.size());
    r.cycles = m_cycles.data();
    std::strcpy(r.batchMaximum, "12");
    std::strcpy(r.partType, "WIDGET");
    std::strcpy(r.stations, "3");
    r.validate = Validate;
    r.validateCycle = ValidateCycle;
    r.validateSetup = ValidateSetup;
    r.validateBreakdown = ValidateBreakdown;
    r.validateFluid = ValidateFluid;
    std::strcpy(r.emptyVolume, "2");
    std::strcpy(r.emptyStation, "1");
    std::strcpy(r.fillVolume, "3");
    std::strcpy(r.fillStation, "2");
    r.emptyRule = 21;
    r.fillRule = 22;
    r.finish = Finish;
    r.labourContext = 77;
    r.inputRuleRefresh = RefreshInputRule;
    r.reporting = 2;
    r.notes.holder = static_cast<int32_t>(reinterpret_cast<uintptr_t>(&g_notes));
    r.notesSlot = Notes;
}

