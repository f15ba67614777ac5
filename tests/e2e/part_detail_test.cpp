// The part detail sheet end to end: every slot after OK in order and none after Cancel, the arrival and
// attribute controls that depend on each other, and the route stages with the values the host works out.
#include "fake_host.h"
#include "guarded_record.h"
#include "png_writer.h"
#include "sheet_tabs.h"

#include <orvane/orvdlg.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
constexpr int kActiveArrivals = 1064, kMaximum = 1006, kShift = 1012, kTo = 1027, kLot = 1009;
constexpr int kFixedValues = 1043, kContainsFluids = 1041, kGroup = 1193, kValues = 1009;
constexpr int kStage = 1073, kAddRemove = 1017, kDestination = 1190, kSetup = 1076, kCycle = 1001;
constexpr int kAttributesPage = 1, kRoutePage = 2;

using Log = std::vector<std::string>;
Log g_log;
int32_t g_validateAnswer = -1, g_attributesAnswer = -1, g_stageAnswer = -1;
float g_setupValue = 0;

void ORVANE_CALL Apply(OrvPartRecord *r) { g_log.push_back(std::string("apply ") + r->name + " " + r->maximumArrivals); }
void ORVANE_CALL AttributesApply(OrvPartRecord *r)
{
    g_log.push_back("attributes " + std::to_string(r->fixedAttributes) + std::to_string(r->containsFluids) + " " +
                    r->groupNumber);
}
void ORVANE_CALL RoutesApply(int32_t element, OrvRouteStage *stages, int32_t count)
{
    std::string line = "routes " + std::to_string(element) + " " + std::to_string(count) + ":";
    for (int i = 0; i < count; ++i)
        line += std::string(" ") + stages[i].destination + "/" + stages[i].setupText + "/" + stages[i].cycleText;
    g_log.push_back(line);
}
void ORVANE_CALL ReportState(int32_t element, int32_t state)
{
    g_log.push_back("report " + std::to_string(element) + " " + std::to_string(state));
}
void ORVANE_CALL Notes(int32_t, const char *text, int, int, int) { g_log.push_back(std::string("notes ") + text); }
int32_t ORVANE_CALL Validate(OrvPartRecord *) { return g_validateAnswer; }
int32_t ORVANE_CALL ValidateAttributes(OrvPartRecord *r)
{
    r->groupNumberValue = 7;
    return g_attributesAnswer;
}
int32_t ORVANE_CALL ValidateStage(OrvRouteStage *stage)
{
    g_log.push_back(std::string("stage ") + stage->destination + "/" + stage->setupText + "/" + stage->cycleText);
    stage->setupValue = g_setupValue;
    stage->cycleValue = 4;
    return g_stageAnswer;
}
struct HostNotes {
    const char *text;
} g_notes{"Part notes"};

class PartRecordHost {
public:
    explicit PartRecordHost(std::initializer_list<const char *> destinations)
    {
        g_log.clear();
        g_validateAnswer = g_attributesAnswer = g_stageAnswer = -1;
        g_setupValue = 0;
        for (const char *destination : destinations) {
            OrvRouteStage stage{};
            std::strcpy(stage.destination, destination);
            std::strcpy(stage.setupText, "1");
            std::strcpy(stage.cycleText, "2");
            m_stages.push_back(stage);
        }
        OrvPartRecord &r = *m_record;
        r.element = 101;
        std::strcpy(r.name, "P1");
        r.activeArrivals = 1;
        std::strcpy(r.maximumArrivals, "100");
        std::strcpy(r.lotSize, "1");
        r.outputRule = 9;
        r.createActions = r.leaveActions = r.fixedAttributesActions = -1;
        r.shiftAvailable = 1;
        r.apply = Apply;
        r.validate = Validate;
        std::strcpy(r.groupNumber, "1");
        r.attributesApply = AttributesApply;
        r.attributesValidate = ValidateAttributes;
        r.stageCount = static_cast<int32_t>(m_stages.size());
        r.stages = m_stages.empty() ? nullptr : m_stages.data();
        r.routesApply = RoutesApply;
        r.validateStage = ValidateStage;
        r.reporting = 2;
        r.reportState = ReportState;
        r.notes.holder = static_cast<int32_t>(reinterpret_cast<uintptr_t>(&g_notes));
        r.notesSlot = Notes;
    }
    OrvPartRecord *Get() const { return m_record.Get(); }
    OrvPartRecord *operator->() const { return m_record.Get(); }

private:
    GuardedRecord<OrvPartRecord> m_record;
    std::vector<OrvRouteStage> m_stages;
};

HWND Sheet() { return GetActiveWindow(); }
// A control of the page on show (a combo box's own edit has identifier 1001 too).
std::string PageText(int id)
{
    HWND page = reinterpret_cast<HWND>(SendMessageA(Sheet(), PSM_GETCURRENTPAGEHWND, 0, 0));
    return Modeller::Text(GetDlgItem(page, id));
}
bool FocusIn(int id)
{
    HWND control = Modeller::Control(id);
    return GetFocus() == control || IsChild(control, GetFocus());
}
} // namespace

TEST(PartDetail, OkCallsEverySlotInOrderAndCancelCallsNone)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Modeller &m = host.Driver();
    PartRecordHost record({"M1", "SHIP"});
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(Sheet()), "Detail Part - P1");
        EXPECT_EQ(PageNames(Sheet()), "General|Attributes|Route|Reporting|Notes|");
        SaveWindowPng(Sheet(), ORVANE_OUT_DIR "/part_detail_general.png");
        Modeller::ClearAndType(kMaximum, "50");
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(ORV_EXPORT(host, PartDetailDialog)(record.Get()), 1);
    EXPECT_EQ(g_log, (Log{"apply P1 50", "attributes 00 1", "routes 101 2: M1/1/2 SHIP/1/2", "report 101 2",
                          "notes Part notes"}));

    g_log.clear();
    m.Then([](Modeller &) { Modeller::SwitchPage(Sheet(), kAttributesPage); });
    m.Then([](Modeller &) { Modeller::Click(kFixedValues); });
    m.Then([](Modeller &) { Modeller::Escape(); });
    EXPECT_EQ(ORV_EXPORT(host, PartDetailDialog)(record.Get()), 0);
    EXPECT_TRUE(g_log.empty());
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(PartDetail, ArrivalControlsFollowActiveArrivalsAndShiftsFollowTheHost)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Modeller &m = host.Driver();
    PartRecordHost record({});
    record->activeArrivals = 0;
    record->shiftAvailable = 0;
    m.Then([](Modeller &) {
        for (int id : {kMaximum, kLot, kTo, kShift})
            EXPECT_FALSE(Modeller::Visible(id)) << id;
        Modeller::Click(kActiveArrivals);
    });
    m.Then([](Modeller &) {
        for (int id : {kMaximum, kLot, kTo})
            EXPECT_TRUE(Modeller::Visible(id)) << id;
        EXPECT_FALSE(Modeller::Visible(kShift)); // the host offers no shifts
        EXPECT_FALSE(Modeller::Enabled(kShift));
        g_validateAnswer = 5;
        Modeller::Click(IDOK);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::FocusId(), kLot);
        g_validateAnswer = -1;
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(ORV_EXPORT(host, PartDetailDialog)(record.Get()), 1);
    EXPECT_EQ(record->activeArrivals, 1);
    EXPECT_EQ(g_log.at(2), "routes 101 0:"); // no stages: the slot still hears of it
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(PartDetail, FixedValuesAndFluidsExcludeEachOtherAndTheGroupComesBackAsANumber)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Modeller &m = host.Driver();
    PartRecordHost record({});
    m.Then([](Modeller &) { Modeller::SwitchPage(Sheet(), kAttributesPage); });
    m.Then([](Modeller &) {
        EXPECT_FALSE(Modeller::Enabled(kValues));
        Modeller::Click(kContainsFluids);
    });
    m.Then([](Modeller &) {
        EXPECT_FALSE(Modeller::Enabled(kFixedValues));
        Modeller::Click(kContainsFluids);
    });
    m.Then([](Modeller &) { Modeller::Click(kFixedValues); });
    m.Then([](Modeller &) {
        EXPECT_FALSE(Modeller::Enabled(kContainsFluids));
        EXPECT_TRUE(Modeller::Enabled(kValues));
        Modeller::ClearAndType(kGroup, "03");
        g_attributesAnswer = 2;
        Modeller::SwitchPage(Sheet(), kRoutePage);
    });
    m.Then([](Modeller &) {
        EXPECT_TRUE(FocusIn(kGroup));
        g_attributesAnswer = -1;
        Modeller::SwitchPage(Sheet(), kRoutePage);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(kGroup), "7"); // the host's number for the group
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(ORV_EXPORT(host, PartDetailDialog)(record.Get()), 1);
    EXPECT_EQ(record->fixedAttributes, 1);
    EXPECT_EQ(record->containsFluids, 0);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(PartDetail, StagesShowTheValuesTheHostWorksOutAndNewStagesShip)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    host.Model().Add({201, 3, "LATHE", 1, true});
    Modeller &m = host.Driver();
    PartRecordHost record({"LATHE", "SCRAP"});
    m.Then([](Modeller &) { Modeller::SwitchPage(Sheet(), kRoutePage); });
    m.Then([](Modeller &) {
        EXPECT_EQ(SendMessageA(Modeller::Control(kStage), CB_GETCOUNT, 0, 0), 2);
        EXPECT_EQ(Modeller::Text(kStage), "1");
        EXPECT_EQ(Modeller::Text(kDestination), "LATHE");
        // "SHIP", "SCRAP", "ASSEMBLE" and the machine.
        EXPECT_EQ(SendMessageA(Modeller::Control(kDestination), CB_GETCOUNT, 0, 0), 4);
        SaveWindowPng(Sheet(), ORVANE_OUT_DIR "/part_detail_route.png");
        g_stageAnswer = 1;
        Modeller::Choose(kStage, 1);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::FocusId(), kSetup);
        EXPECT_EQ(Modeller::Text(kStage), "1"); // the list went back to the stage shown
        g_stageAnswer = -1;
        g_setupValue = 2.5F;
        Modeller::ClearAndType(kSetup, "1+1.5");
    });
    m.Then([](Modeller &) { Modeller::Choose(kStage, 1); });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(kDestination), "SCRAP");
        Modeller::Choose(kStage, 0);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(kSetup), "2.5"); // what the host worked out, whatever was typed
        EXPECT_EQ(PageText(kCycle), "4");
        Modeller::Click(kAddRemove);
    });
    m.Then([](Modeller &) { Modeller::Click(1051); }); // Add after the first stage
    m.Then([](Modeller &) { Modeller::Click(IDOK); });
    m.Then([](Modeller &) {
        EXPECT_EQ(SendMessageA(Modeller::Control(kStage), CB_GETCOUNT, 0, 0), 3);
        // The new stage, shown as the current one: shipped, both texts "0".
        EXPECT_EQ(Modeller::Text(kStage), "2");
        EXPECT_EQ(Modeller::Text(kDestination), "SHIP");
        EXPECT_EQ(PageText(kSetup), "0");
        EXPECT_EQ(PageText(kCycle), "0");
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(ORV_EXPORT(host, PartDetailDialog)(record.Get()), 1);
    EXPECT_EQ(g_log.at(g_log.size() - 3), "routes 101 3: LATHE/2.5/4 SHIP/2.5/4 SCRAP/2.5/4");
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}
