// The buffer detail sheet end to end: its caption and pages, the options that show and hide controls, the
// host's validation, the input position behind two controls, and the slots in order.
#include "fake_host.h"
#include "guarded_record.h"
#include "png_writer.h"

#include <orvane/orvdlg.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
constexpr int kName = 1020, kQuantity = 1021, kDelayOption = 1194, kMinimumTime = 1013, kMaximumTime = 1195;
constexpr int kShift = 1012, kAllowance = 1015, kMinimumActions = 1009, kMaximumActions = 1197, kExitRule = 1196;
constexpr int kInputOption = 1000, kInputPosition = 1019, kAttribute = 1188, kInputLabel = 1023;
constexpr int kOutputOption = 1002, kOutputExpression = 1022, kOutputLabel = 1025, kSortAscending = 1017;

std::vector<std::string> g_slots;
int32_t g_validateAnswer = -1;
void ORVANE_CALL Apply(OrvBufferRecord *record) { g_slots.push_back(std::string("apply ") + record->name); }
void ORVANE_CALL Cancel(OrvBufferRecord *) { g_slots.push_back("cancel"); }
int32_t ORVANE_CALL Validate(OrvBufferRecord *) { return g_validateAnswer; }
void ORVANE_CALL ReportState(int32_t element, int32_t state)
{
    g_slots.push_back("report " + std::to_string(element) + " " + std::to_string(state));
}
void ORVANE_CALL Notes(int32_t, const char *text, int, int, int) { g_slots.push_back(std::string("notes ") + text); }
struct HostNotes {
    const char *text;
} g_notes{"Buffer notes"};

void Fill(OrvBufferRecord &b)
{
    b.element = 101;
    std::strcpy(b.name, "B1");
    std::strcpy(b.quantity, "1");
    std::strcpy(b.capacity, "10");
    std::strcpy(b.defaultExpression, "0");
    b.inputActions = b.minimumDelayActions = b.maximumDelayActions = b.outputActions = -1;
    b.exitRule = 7;
    b.apply = Apply;
    b.validate = Validate;
    b.cancel = Cancel;
    b.reporting = 2;
    b.reportState = ReportState;
    b.notes.holder = static_cast<int32_t>(reinterpret_cast<uintptr_t>(&g_notes));
    std::strcpy(b.notes.fedBy, "Fed by SRC");
    std::strcpy(b.notes.feeds, "Feeds M1");
    b.notesSlot = Notes;
}

void AddAttributes(FakeModel &model)
{
    model.Add({201, 12, "COLOUR", 1, true, 1});
    model.Add({202, 12, "SIZE", 2, true, 0});
    model.Add({203, 12, "OTHER", 1, true, 5});
    model.Add({401, 25, "DAYS", 1, true});
}

bool Shows(std::initializer_list<int> ids)
{
    for (int id : ids)
        if (!Modeller::Visible(id))
            return false;
    return true;
}
bool Hides(std::initializer_list<int> ids)
{
    for (int id : ids)
        if (Modeller::Visible(id) || Modeller::Enabled(id))
            return false;
    return true;
}
} // namespace

TEST(BufferDetail, OptionsShowTheirControlsAndOkCallsTheSlotsInOrder)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    AddAttributes(host.Model());
    Modeller &m = host.Driver();
    GuardedRecord<OrvBufferRecord> record;
    Fill(*record);
    g_slots.clear();
    g_validateAnswer = -1;
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(GetActiveWindow()), "Detail Buffer - B1");
        SaveWindowPng(GetActiveWindow(), ORVANE_OUT_DIR "/buffer_detail_general.png");
        // Everything off: rear input, first output, no delay.
        EXPECT_TRUE(Hides({kInputLabel, kInputPosition, kAttribute, kSortAscending, kOutputLabel, kOutputExpression,
                           kMinimumTime, kMaximumTime, kShift, kAllowance, kMinimumActions, kMaximumActions,
                           kExitRule}));
        Modeller::Type(kName, "LONGNAME99"); // the name takes 8 characters
        Modeller::Choose(kDelayOption, 1);   // Min
        Modeller::Choose(kOutputOption, 1);  // Maximum
        Modeller::Choose(kInputOption, 3);   // By Attribute
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(kName), "LONGNAME"); // the focus came with the old name selected
        EXPECT_TRUE(Shows({kMinimumTime, kShift, kAllowance, kMinimumActions}));
        EXPECT_TRUE(Hides({kMaximumTime, kMaximumActions, kExitRule}));
        EXPECT_EQ(Modeller::Text(kOutputLabel), "&Maximum of:");
        EXPECT_EQ(Modeller::Text(kOutputExpression), "0"); // the host's default expression
        EXPECT_EQ(Modeller::Text(kInputLabel), "Attri&bute Name:");
        EXPECT_TRUE(Shows({kAttribute, kSortAscending}));
        // Attributes of types 1, 0 and 2, arrays expanded.
        EXPECT_EQ(SendMessageA(Modeller::Control(kAttribute), CB_GETCOUNT, 0, 0), 3);
        Modeller::ChooseText(kAttribute, "SIZE(2)");
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(ORV_EXPORT(host, BufferDetailDialog)(record.Get()), 1);
    EXPECT_EQ(g_slots, (std::vector<std::string>{"apply LONGNAME", "report 101 2", "notes Buffer notes"}));
    EXPECT_EQ(record->delayOption, 1);
    EXPECT_EQ(record->outputOption, 1);
    EXPECT_EQ(record->inputOption, 3);
    EXPECT_STREQ(record->inputPosition, "SIZE(2)");
    EXPECT_STREQ(record->outputExpression, "0");
}

TEST(BufferDetail, AFieldTheHostRejectsKeepsThePageAndCancelCallsOnlyCancel)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    AddAttributes(host.Model());
    Modeller &m = host.Driver();
    GuardedRecord<OrvBufferRecord> record;
    Fill(*record);
    record->delayOption = 3; // Both
    g_slots.clear();
    g_validateAnswer = 7;
    m.Then([](Modeller &) {
        EXPECT_TRUE(Shows({kMinimumTime, kMaximumTime, kExitRule, kMaximumActions}));
        Modeller::Click(IDOK);
    });
    m.Then([](Modeller &) {
        // The shift was named: the focus is in its combo box, the sheet open, nothing told to the host.
        HWND focus = GetFocus();
        EXPECT_TRUE(focus == Modeller::Control(kShift) || IsChild(Modeller::Control(kShift), focus));
        EXPECT_TRUE(g_slots.empty());
        Modeller::Escape();
    });
    EXPECT_EQ(ORV_EXPORT(host, BufferDetailDialog)(record.Get()), 0);
    EXPECT_EQ(g_slots, (std::vector<std::string>{"cancel"}));
}

TEST(BufferDetail, ATextLongerThanItsFieldIsRefusedWithTheLengthMessageBeforeAnythingIsWritten)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Modeller &m = host.Driver();
    GuardedRecord<OrvBufferRecord> record;
    Fill(*record);
    g_slots.clear();
    g_validateAnswer = -1;
    m.Then([](Modeller &) {
        // Put there without typing, as a paste from the host would.
        SetWindowTextA(Modeller::Control(kQuantity), std::string(90, '9').c_str());
        Modeller::Click(IDOK);
    });
    m.Then([&](Modeller &) {
        EXPECT_EQ(Modeller::Text(GetActiveWindow()), "ORVANE");
        Modeller::Enter();
    });
    m.Then([&](Modeller &) {
        EXPECT_EQ(Modeller::FocusId(), kQuantity);
        EXPECT_STREQ(record->quantity, "1"); // nothing written: the check comes first
        Modeller::ClearAndType(kQuantity, "5");
        Modeller::Click(IDOK);
    });
    EXPECT_EQ(ORV_EXPORT(host, BufferDetailDialog)(record.Get()), 1);
    EXPECT_STREQ(record->quantity, "5");
}

TEST(BufferDetail, UnterminatedTextsShowToTheirFieldsEnd)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    GuardedRecord<OrvBufferRecord> record;
    Fill(*record);
    for (char *field : {record->name, record->quantity, record->capacity, record->minimumDelay,
                        record->maximumDelay, record->shiftName, record->allowance, record->inputPosition,
                        record->defaultExpression, record->outputExpression, record->notes.fedBy})
        std::memset(field, 'Q', 81);
    g_slots.clear();
    host.Driver().Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(GetActiveWindow()), "Detail Buffer - " + std::string(81, 'Q'));
        EXPECT_EQ(Modeller::Text(kQuantity), std::string(81, 'Q'));
        Modeller::Escape();
    });
    EXPECT_EQ(ORV_EXPORT(host, BufferDetailDialog)(record.Get()), 0);
    EXPECT_EQ(g_slots, (std::vector<std::string>{"cancel"}));
}
