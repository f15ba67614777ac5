// The tour's part stop: the host opens its part WIDGET as the modeller would, checks what the modeller types
// in the record's validate slots, and keeps what the slots give after OK, a copy of the route included.
#include "demo_tour.h"

#include "call_log.h"
#include "demo_model.h"
#include "field_verdict.h"
#include "host_callbacks.h"
#include "modeller.h"
#include "orvdlg_library.h"
#include "part_record.h"
#include "record_field.h"
#include "route_checker.h"
#include "sheet_pages.h"

#include <orvane/orvdlg.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
// Control identifiers of the part's pages.
constexpr int kName = 1031, kActiveArrivals = 1064, kMaximum = 1006, kTo = 1027;
constexpr int kFixedValues = 1043, kContainsFluids = 1041;
constexpr int kStage = 1073, kAddRemove = 1017, kDestination = 1190, kCycle = 1001;
constexpr int kAddStage = 1051; // in the stages' add/remove dialog
constexpr int kAttributesPage = 1, kRoutePage = 2;
constexpr int kSecondStage = 1;
constexpr const char *kPartName = "BLANK";

// The host's validation field numbers.
constexpr int kNameField = 0, kMaximumField = 1, kFirstField = 2, kShiftField = 3, kIntervalField = 4,
              kLotField = 5, kGroupField = 2;
constexpr int kGroups = 10;

struct PartSlots {
    CallLog *log = nullptr;
    DemoModel *model = nullptr;
    DemoPart *part = nullptr;
};
PartSlots g_part;

Verdict CheckShift(const std::string &name)
{
    if (name.empty())
        return {};
    const DemoElement *shift = g_part.model->FindByName(name);
    return shift && shift->type == ElementType::Shift ? Verdict{} : Verdict{kShiftField, "no shift " + name};
}

int32_t ORVANE_CALL ValidatePart(OrvPartRecord *record)
{
    Verdict verdict;
    if (Read(record->name).empty())
        verdict = {kNameField, "no name"};
    else if (record->activeArrivals)
        verdict = FirstWrong(*g_part.model, {{kMaximumField, Read(record->maximumArrivals)},
                                             {kFirstField, Read(record->firstArrival)},
                                             {kIntervalField, Read(record->interArrival)},
                                             {kLotField, Read(record->lotSize)}});
    if (verdict.field == -1 && record->activeArrivals)
        verdict = CheckShift(Read(record->shiftName));
    g_part.log->Add("Part validate slot", Read(record->name), "arrivals " + std::to_string(record->activeArrivals),
                    verdict.Text());
    return verdict.field;
}

void ORVANE_CALL ApplyPart(OrvPartRecord *record)
{
    g_part.log->Add("Part apply slot", Read(record->name), "arrivals " + std::to_string(record->activeArrivals),
                    Read(record->maximumArrivals), Read(record->interArrival), Read(record->lotSize),
                    Read(record->shiftName), "to " + std::to_string(record->outputRule),
                    "create " + std::to_string(record->createActions));
    TakePartGeneral(*g_part.model, *g_part.part, *record);
}

// The host numbers attribute groups 1 to 10.
int32_t ORVANE_CALL ValidatePartAttributes(OrvPartRecord *record)
{
    const std::string text = Read(record->groupNumber);
    char *end = nullptr;
    const long group = std::strtol(text.c_str(), &end, 10);
    const bool valid = !text.empty() && *end == '\0' && group >= 1 && group <= kGroups;
    if (valid)
        record->groupNumberValue = static_cast<int32_t>(group);
    const Verdict verdict = valid ? Verdict{} : Verdict{kGroupField, "no group " + text};
    g_part.log->Add("Part attributes validate slot", "fixed " + std::to_string(record->fixedAttributes),
                    "fluids " + std::to_string(record->containsFluids), text, verdict.Text());
    return verdict.field;
}

void ORVANE_CALL ApplyPartAttributes(OrvPartRecord *record)
{
    g_part.log->Add("Part attributes apply slot", "fixed " + std::to_string(record->fixedAttributes),
                    "fluids " + std::to_string(record->containsFluids), "group " + Read(record->groupNumber));
    TakePartAttributes(*g_part.part, *record);
}

int32_t ORVANE_CALL ValidateStage(OrvRouteStage *stage)
{
    const Verdict verdict = CheckRouteStage(*g_part.model, *stage);
    g_part.log->Add("Part route validate slot", Read(stage->destination), Read(stage->setupText),
                    Read(stage->cycleText), verdict.Text());
    return verdict.field;
}

// The array is the library's and gone after the call: the host keeps copies of the stages.
void ORVANE_CALL ApplyRoutes(int32_t element, OrvRouteStage *stages, int32_t count)
{
    g_part.log->Add("Part routes slot", element, std::to_string(count) + " stages");
    g_part.part->stages = StagesOf(stages, count);
    for (size_t i = 0; i < g_part.part->stages.size(); ++i) {
        const DemoStage &stage = g_part.part->stages[i];
        g_part.log->Add("  stage " + std::to_string(i + 1), stage.destination, stage.setup, stage.cycle);
    }
}

void ORVANE_CALL PartReportState(int32_t element, int32_t state)
{
    g_part.log->Add("Part report-state slot", element, state);
    g_part.part->reporting = state;
}

int StageCount()
{
    return static_cast<int>(SendMessageA(PageControl(kStage), CB_GETCOUNT, 0, 0));
}

// Select all, then type: R_CYCLE shares its identifier with the destination combo's own edit.
void Retype(HWND edit, const std::string &text)
{
    Modeller::Focus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    Modeller::Type(edit, text);
}
} // namespace

std::vector<DemoTour::Stop> DemoTour::PartStops()
{
    g_part.log = &m_log;
    g_part.model = &m_model;
    auto widget = [this] {
        const DemoElement *element = m_model.FindByName("WIDGET");
        DemoPart *part = element ? m_model.FindPart(element->number) : nullptr;
        if (!part) {
            Expect(false, "the model has the part WIDGET");
            return 0;
        }
        g_part.part = part;
        PartRecord holder(m_model, *part);
        OrvPartRecord &record = holder.Get();
        record.apply = ApplyPart;
        record.validate = ValidatePart;
        record.attributesApply = ApplyPartAttributes;
        record.attributesValidate = ValidatePartAttributes;
        record.routesApply = ApplyRoutes;
        record.validateStage = ValidateStage;
        record.reportState = PartReportState;
        record.notesSlot = HostNotesSlot;

        const int result = m_library.Find<decltype(&PartDetailDialog)>("PartDetailDialog")(&record);
        printf("  record: name \"%s\", arrivals %d, contains fluids %d, group %d, own stage array %s\n", record.name,
               record.activeArrivals, record.containsFluids, record.groupNumberValue,
               record.stages == holder.OwnStages() ? "left in place" : "NOT left in place");
        Expect(record.stages == holder.OwnStages() && record.stageCount == 2, "the host's own stages left in place");
        if (result == 1) {
            const std::vector<DemoStage> &stages = part->stages;
            Expect(stages.size() == 3, "the part keeps three stages");
            Expect(stages.size() == 3 && stages[kSecondStage].destination == "PACK" &&
                       stages[kSecondStage].cycle == "2.5" && stages[2].destination == "SHIP",
                   "stage 2 has its new R_CYCLE, stage 3 ships");
            Expect(m_model.Find(part->element)->name == kPartName, "the part renamed");
            Expect(part->activeArrivals && part->containsFluids && !part->fixedAttributes,
                   "arrivals on again, the part carries fluid");
        }
        return result;
    };
    auto act = [this](Modeller &m) {
        ExpectText(kName, "WIDGET");
        m.Then([](Modeller &) {
            Modeller::ClearAndType(kName, kPartName);
            Modeller::Click(kActiveArrivals);
        });
        m.Then([this](Modeller &) {
            Expect(!Modeller::Visible(kMaximum) && !Modeller::Visible(kTo), "no arrivals: their fields hidden");
            SavePicture(Modeller::ActiveWindow(), "PartDetail_no_arrivals.png");
            Modeller::Click(kActiveArrivals);
        });
        m.Then([this](Modeller &) {
            Expect(Modeller::Visible(kMaximum) && Modeller::Visible(kTo), "arrivals again: their fields shown");
            SwitchPage(kAttributesPage);
        });
        m.Then([](Modeller &) { Modeller::Click(PageControl(kContainsFluids)); });
        m.Then([this](Modeller &) {
            Expect(!IsWindowEnabled(PageControl(kFixedValues)), "fluids exclude fixed values");
            SavePagePicture(Modeller::ActiveWindow(), "PartDetail");
            SwitchPage(kRoutePage);
        });
        m.Then([this](Modeller &) {
            Expect(StageCount() == 2, "two stages listed");
            ExpectText(kDestination, "LATHE");
            Modeller::Choose(PageControl(kStage), kSecondStage);
        });
        m.Then([this](Modeller &) {
            ExpectText(kDestination, "PACK");
            Retype(PageControl(kCycle), "2.5 *"); // does not compile: the host refuses it
        });
        m.Then([](Modeller &) { Modeller::Choose(PageControl(kStage), 0); });
        m.Then([this](Modeller &) {
            Expect(GetFocus() == PageControl(kCycle), "the refused R_CYCLE has the focus");
            Expect(Modeller::Text(PageControl(kStage)) == "2", "the list stays on stage 2");
            Retype(PageControl(kCycle), "2.5");
        });
        m.Then([](Modeller &) { Modeller::Click(PageControl(kAddRemove)); });
        m.Then([this](Modeller &) {
            SavePicture(Modeller::ActiveWindow(), "PartDetail_stages.png");
            Modeller::Click(kAddStage); // after the current stage, the last
        });
        m.Then([](Modeller &) { Modeller::Click(IDOK); });
        m.Then([this](Modeller &) {
            Expect(StageCount() == 3, "three stages listed");
            ExpectText(kDestination, "SHIP");
            SavePagePicture(Modeller::ActiveWindow(), "PartDetail");
        });
        VisitPagesThenOk(m, "PartDetail");
    };
    return {
        {"PartDetailDialog: the modeller renames WIDGET, switches its arrivals off and on, makes it carry fluid, is "
         "refused an R_CYCLE on its route, fixes it, adds a stage, then visits every page and presses OK",
         "PartDetailDialog", "PartDetail_general.png", act, widget, 1},
    };
}
