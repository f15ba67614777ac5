// The tour's element detail sheets: the host fills the element's record from its model, the modeller edits
// it, and the host prints what it received through the record's slots.
#include "demo_tour.h"

#include "call_log.h"
#include "demo_model.h"
#include "host_callbacks.h"
#include "modeller.h"
#include "orvdlg_library.h"
#include "record_field.h"
#include "sheet_pages.h"

#include <orvane/orvdlg.h>

#include <cstdio>
#include <cstring>

namespace {
// Control identifiers of the buffer's General page.
constexpr int kName = 1020, kCapacity = 1110, kDelayOption = 1194, kOutputOption = 1002, kMaximumTime = 1195;

CallLog *g_detailLog = nullptr;

// The host's notes object: its first member points to the notes text.
struct HostNotes {
    const char *text;
};
HostNotes g_bufferNotes{"Work waits here between the lathe and the mill."};

void ORVANE_CALL ApplyBuffer(OrvBufferRecord *record)
{
    g_detailLog->Add("Buffer apply slot", record->name, record->quantity, record->capacity, record->delayOption,
                     record->outputOption);
}
// The host refuses a capacity of 0 (field 2).
int32_t ORVANE_CALL ValidateBuffer(OrvBufferRecord *record)
{
    const bool zero = std::strcmp(record->capacity, "0") == 0;
    g_detailLog->Add("Buffer validate slot", record->capacity, zero ? 2 : -1);
    return zero ? 2 : -1;
}
void ORVANE_CALL CancelBuffer(OrvBufferRecord *record) { g_detailLog->Add("Buffer cancel slot", record->name); }
void ORVANE_CALL BufferReportState(int32_t element, int32_t state)
{
    g_detailLog->Add("Buffer report-state slot", element, state);
}
} // namespace

void DemoTour::VisitPagesThenOk(Modeller &modeller, const std::string &prefix)
{
    modeller.Then([this, prefix](Modeller &m) {
        const HWND sheet = Modeller::ActiveWindow();
        for (int page = CurrentPage(sheet) + 1; page < PageCount(sheet); ++page) {
            m.Then([page](Modeller &) { SwitchPage(page); });
            m.Then([this, prefix, sheet, page](Modeller &) {
                Expect(CurrentPage(sheet) == page, "the " + PageName(sheet, page) + " page is shown");
                SavePagePicture(sheet, prefix);
            });
        }
        m.Then([](Modeller &) { Modeller::Click(IDOK); });
    });
}

void DemoTour::SavePagePicture(HWND sheet, const std::string &prefix)
{
    SavePicture(sheet, prefix + "_" + PageName(sheet, CurrentPage(sheet)) + ".png");
}

std::vector<DemoTour::Stop> DemoTour::DetailStops()
{
    g_detailLog = &m_log;
    auto buffer = [this] {
        const DemoElement *element = m_model.FindByName("BUF");
        OrvBufferRecord record{};
        record.element = element ? element->number : 0;
        Fill(record.name, "BUF");
        Fill(record.quantity, "3");
        Fill(record.capacity, "10");
        Fill(record.defaultExpression, "PRIORITY");
        record.inputActions = m_model.AddActions("PRIORITY = 1");
        record.minimumDelayActions = record.maximumDelayActions = record.outputActions = -1;
        record.exitRule = m_model.AddRule("PUSH to MILL", "Push");
        record.apply = ApplyBuffer;
        record.validate = ValidateBuffer;
        record.cancel = CancelBuffer;
        record.reporting = 1;
        record.reportState = BufferReportState;
        record.notes.holder = static_cast<int32_t>(reinterpret_cast<uintptr_t>(&g_bufferNotes));
        Fill(record.notes.fedBy, "Fed by LATHE");
        Fill(record.notes.feeds, "Feeds MILL");
        record.notesSlot = HostNotesSlot;
        int result = m_library.Find<decltype(&BufferDetailDialog)>("BufferDetailDialog")(&record);
        printf("  record: name \"%s\", capacity \"%s\", delay option %d, output option %d, output \"%s\"\n",
               record.name, record.capacity, record.delayOption, record.outputOption, record.outputExpression);
        Expect(result != 1 || (std::strcmp(record.capacity, "20") == 0 && std::strcmp(record.name, "STORE") == 0),
               "the name and the capacity written back");
        return result;
    };
    return {
        {"BufferDetailDialog: the modeller renames the buffer, sets delays and output, is refused a capacity of 0, then OK",
         "BufferDetailDialog", "BufferDetail_general.png",
         [this](Modeller &m) {
             m.Then([](Modeller &) {
                 Modeller::ClearAndType(kName, "STORE");
                 Modeller::Choose(kDelayOption, 3);  // Both
                 Modeller::Choose(kOutputOption, 1); // Maximum
             });
             m.Then([this](Modeller &) {
                 Expect(Modeller::Visible(kMaximumTime), "the delay option shows the maximum time");
                 SavePicture(Modeller::ActiveWindow(), "BufferDetail_options.png");
                 Modeller::ClearAndType(kCapacity, "0");
                 Modeller::Click(IDOK);
             });
             m.Then([this](Modeller &) {
                 Expect(Modeller::FocusId() == kCapacity, "the refused capacity has the focus");
                 Modeller::ClearAndType(kCapacity, "20");
             });
             VisitPagesThenOk(m, "BufferDetail");
         },
         buffer, 1},
    };
}
