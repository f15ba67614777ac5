// The part detail record the host hands to PartDetailDialog, filled from one of its parts, and what the host
// takes back in the record's slots after OK.
#pragma once
#include "demo_part.h"
#include "record_field.h"

#include <orvane/records/part.h>

#include <vector>

class DemoModel;

class PartRecord {
public:
    // The record points to the host's own stage array, which the library only reads. The slots are the
    // caller's to set.
    PartRecord(const DemoModel &model, const DemoPart &part);
    PartRecord(const PartRecord &) = delete; // the record points into this object
    PartRecord &operator=(const PartRecord &) = delete;

    OrvPartRecord &Get() { return m_record; }
    const OrvRouteStage *OwnStages() const { return m_stages.data(); }

private:
    OrvPartRecord m_record{};
    std::vector<OrvRouteStage> m_stages;
    NotesHolder m_notes;
};

// What the host keeps from each slot: the General page's fields (the name renames the element), the
// Attributes page's, and a copy of the stages (the array is the library's and gone after the call).
void TakePartGeneral(DemoModel &model, DemoPart &part, const OrvPartRecord &record);
void TakePartAttributes(DemoPart &part, const OrvPartRecord &record);
std::vector<DemoStage> StagesOf(const OrvRouteStage *stages, int32_t count);
