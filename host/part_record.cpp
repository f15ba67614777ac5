#include "part_record.h"

#include "demo_model.h"

namespace {
OrvRouteStage RecordStage(const DemoStage &stage)
{
    OrvRouteStage out{};
    Fill(out.destination, stage.destination);
    Fill(out.setupText, stage.setup);
    Fill(out.cycleText, stage.cycle);
    return out;
}
} // namespace

PartRecord::PartRecord(const DemoModel &model, const DemoPart &part)
{
    for (const DemoStage &stage : part.stages)
        m_stages.push_back(RecordStage(stage));
    OrvPartRecord &r = m_record;
    r.element = part.element;
    const DemoElement *element = model.Find(part.element);
    Fill(r.name, element ? element->name : "");
    r.activeArrivals = part.activeArrivals;
    Fill(r.maximumArrivals, part.maximumArrivals);
    Fill(r.firstArrival, part.firstArrival);
    Fill(r.shiftName, part.shift);
    Fill(r.interArrival, part.interArrival);
    Fill(r.lotSize, part.lotSize);
    r.outputRule = part.outputRule;
    r.createActions = part.createActions;
    r.leaveActions = part.leaveActions;
    r.shiftAvailable = 1; // the demo has shifts
    r.fixedAttributes = part.fixedAttributes;
    r.containsFluids = part.containsFluids;
    Fill(r.groupNumber, part.groupNumber);
    r.fixedAttributesActions = part.fixedAttributesActions;
    r.stageCount = static_cast<int32_t>(m_stages.size());
    r.stages = m_stages.empty() ? nullptr : m_stages.data();
    r.reporting = part.reporting;
    m_notes.text = part.notes.c_str();
    r.notes.holder = m_notes.Address();
}

void TakePartGeneral(DemoModel &model, DemoPart &part, const OrvPartRecord &record)
{
    model.Rename(part.element, Read(record.name));
    part.activeArrivals = record.activeArrivals != 0;
    part.maximumArrivals = Read(record.maximumArrivals);
    part.firstArrival = Read(record.firstArrival);
    part.shift = Read(record.shiftName);
    part.interArrival = Read(record.interArrival);
    part.lotSize = Read(record.lotSize);
    // Edited in place: the handles the editors gave are the part's.
    part.outputRule = record.outputRule;
    part.createActions = record.createActions;
    part.leaveActions = record.leaveActions;
}

void TakePartAttributes(DemoPart &part, const OrvPartRecord &record)
{
    part.fixedAttributes = record.fixedAttributes != 0;
    part.containsFluids = record.containsFluids != 0;
    part.groupNumber = Read(record.groupNumber);
    part.fixedAttributesActions = record.fixedAttributesActions;
}

std::vector<DemoStage> StagesOf(const OrvRouteStage *stages, int32_t count)
{
    std::vector<DemoStage> kept;
    for (int32_t i = 0; stages && i < count; ++i)
        kept.push_back({Read(stages[i].destination), Read(stages[i].setupText), Read(stages[i].cycleText)});
    return kept;
}
