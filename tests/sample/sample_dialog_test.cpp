// The sample dialog library driven end to end as a host drives a dialog library: loaded with LoadLibraryA,
// its callback registered, the export called, and the modeller acting from inside the host's event processing.
#include "call_log.h"
#include "library_under_test.h"
#include "modeller.h"
#include "png_writer.h"
#include "sample_ids.h"
#include "sample_library.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

Modeller *g_modeller = nullptr;
CallLog *g_log = nullptr;

void __cdecl HostProcessEvents()
{
    g_log->Add("ProcessEvents");
    g_modeller->ProcessEvents();
}

LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class SampleDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_modeller = &m_modeller;
        g_log = &m_log;
        static bool registered = false;
        if (!registered) {
            WNDCLASSA wc{};
            wc.lpfnWndProc = HostWindowProc;
            wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
            wc.lpszClassName = "SampleHostWindow";
            registered = RegisterClassA(&wc) != 0;
        }
        m_host = CreateWindowExA(0, "SampleHostWindow", "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600,
                                 nullptr, nullptr, nullptr, nullptr);
        m_library.Export<SampleSetProcessEventsFn>("SampleSetProcessEvents")(HostProcessEvents);
        m_edit = m_library.Export<SampleEditFn>("SampleEdit");
        auto filter = m_library.Export<SampleFilterMessageFn>("SampleFilterMessage");
        m_modeller.SetMessageFilter([filter](MSG *msg) { return filter(msg) != 0; });
        std::memset(&m_record, 0, sizeof m_record);
        std::strcpy(m_record.name, "B1");
        m_record.kind = 1;
        m_record.quantity = 5;
        m_record.speed = 1;
    }
    void TearDown() override
    {
        DestroyWindow(m_host);
        m_modeller.Pump();
    }

    LibraryUnderTest m_library{ORVANE_SAMPLE_LIBRARY};
    Modeller m_modeller;
    CallLog m_log;
    HWND m_host = nullptr;
    SampleEditFn m_edit = nullptr;
    SampleRecord m_record{};
};

TEST_F(SampleDialogTest, ShowsTheRecordAndWritesBackWhatTheModellerConfirms)
{
    m_modeller.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(IDC_SAMPLE_NAME), "B1");
        EXPECT_EQ(Modeller::Text(IDC_SAMPLE_QUANTITY), "5");
        EXPECT_EQ(Modeller::Text(IDC_SAMPLE_KIND), "Machine");
        EXPECT_EQ(SendMessageA(Modeller::Control(IDC_SAMPLE_FAST), BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(Modeller::FocusId(), IDC_SAMPLE_NAME);
        EXPECT_TRUE(SaveWindowPng(Modeller::ActiveWindow(), ORVANE_OUT_DIR "/sample_dialog.png"));
        Modeller::ClearAndType(IDC_SAMPLE_NAME, "CONVEYOR99"); // one past the limit of 8 the dialog sets
    });
    m_modeller.Then([](Modeller &) {
        Modeller::Choose(IDC_SAMPLE_KIND, 2);
        Modeller::Click(IDC_SAMPLE_ACTIVE);
        Modeller::Click(IDC_SAMPLE_SLOW);
        Modeller::ClearAndType(IDC_SAMPLE_QUANTITY, "12");
    });
    m_modeller.Then([](Modeller &) { Modeller::Enter(); });
    EXPECT_EQ(m_edit(&m_record, m_host), 1);
    EXPECT_STREQ(m_record.name, "CONVEYOR");
    EXPECT_EQ(m_record.kind, 2);
    EXPECT_EQ(m_record.quantity, 12);
    EXPECT_EQ(m_record.active, 1);
    EXPECT_EQ(m_record.speed, 0);
    EXPECT_TRUE(m_modeller.Complaint().empty()) << m_modeller.Complaint();
    EXPECT_GT(m_log.Count("ProcessEvents"), 0);
}

TEST_F(SampleDialogTest, EscapeLeavesTheRecordUntouched)
{
    SampleRecord before = m_record;
    m_modeller.Then([](Modeller &) { Modeller::Type(IDC_SAMPLE_NAME, "XYZ"); });
    m_modeller.Then([](Modeller &) { Modeller::Escape(); });
    EXPECT_EQ(m_edit(&m_record, m_host), 0);
    EXPECT_EQ(std::memcmp(&before, &m_record, sizeof before), 0);
}

TEST_F(SampleDialogTest, AnOutOfRangeValueKeepsTheDialogOpenWithTheFocusOnIt)
{
    m_modeller.Then([](Modeller &) { Modeller::ClearAndType(IDC_SAMPLE_QUANTITY, "0"); });
    m_modeller.Then([](Modeller &) { Modeller::Click(IDOK); });
    // The framework's message box about the range comes up; the modeller accepts it.
    m_modeller.Then([](Modeller &) {
        char caption[64] = "";
        GetWindowTextA(GetActiveWindow(), caption, sizeof caption);
        EXPECT_STREQ(caption, "libsampledlg");
        EXPECT_TRUE(SaveWindowPng(GetActiveWindow(), ORVANE_OUT_DIR "/sample_range_message.png"));
        Modeller::Enter();
    });
    m_modeller.Then([](Modeller &) {
        EXPECT_EQ(Modeller::FocusId(), IDC_SAMPLE_QUANTITY);
        Modeller::ClearAndType(IDC_SAMPLE_QUANTITY, "7");
    });
    m_modeller.Then([](Modeller &) { Modeller::Click(IDOK); });
    EXPECT_EQ(m_edit(&m_record, m_host), 1);
    EXPECT_EQ(m_record.quantity, 7);
    EXPECT_TRUE(m_modeller.Complaint().empty()) << m_modeller.Complaint();
}

} // namespace
