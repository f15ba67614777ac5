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

void ORVANE_CALL Finish(OrvMachineRecord *record, int ok)
{
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
    r.finish = Finish;
    r.labourContext = 77;
    r.inputRuleRefresh = RefreshInputRule;
    r.reporting = 2;
    r.notes.holder = static_cast<int32_t>(reinterpret_cast<uintptr_t>(&g_notes));
    r.notesSlot = Notes;
}

