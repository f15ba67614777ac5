#include "demo_tour.h"

#include "call_log.h"
#include "host_loop.h"
#include "host_window.h"
#include "modeller.h"
#include "orvdlg_library.h"
#include "png_writer.h"
#include "record_field.h"

#include <orvane/orvdlg.h>

#include <cstdio>
#include <cstring>

namespace {

// Control identifiers of the message and prompt dialogs.
constexpr int kFirstButton = 8, kSecondButton = 5, kThirdButton = 6, kMessageText = 1009;
constexpr int kAppend = 1598, kFirstValue = 1012, kSecondValue = 1013, kPromptText = 1181;

constexpr int kCloseDialogPasses = 20000;

CallLog *g_tourLog = nullptr;

void ORVANE_CALL ApplyInput(OrvInputFieldRecord *record)
{
    g_tourLog->Add("InputField apply slot", record ? record->firstValue : "(null)");
}

int ORVANE_CALL ValidateInput(OrvInputFieldRecord *record)
{
    g_tourLog->Add("InputField validate slot", record ? record->firstValue : "(null)");
    return 1;
}

} // namespace

template <typename Function, typename... Args>
std::function<int()> DemoTour::Caller(const char *name, Args... args)
{
    return [this, name, args...] { return m_library.Find<Function>(name)(args...); };
}

DemoTour::DemoTour(OrvdlgLibrary &library, HostLoop &loop, CallLog &log, DemoModel &model, HWND mainWindow,
                   std::string outDir)
    : m_library(library), m_loop(loop), m_log(log), m_model(model), m_mainWindow(mainWindow),
      m_outDir(std::move(outDir))
{
    g_tourLog = &m_log;
}

int DemoTour::Run(bool allowMissing)
{
    SavePicture(m_mainWindow, "orvhost_main.png");
    Modeller modeller;
    modeller.SetMessageFilter([this](MSG *msg) { return m_loop.FilterMessage(msg); });
    m_loop.SetDriver([&modeller] { modeller.ProcessEvents(); });
    for (auto stops : {MessageStops(), PromptStops(), DetailStops(), MachineStops(), PartStops()})
        for (const Stop &stop : stops)
            RunStop(modeller, stop);
    CheckClipboardService();
    CheckBinding();
    m_loop.SetDriver(nullptr);
    CloseMainWindow();
    printf("\n%d failure(s), %d dialog(s) skipped\n", m_failures, m_skipped);
    if (m_failures)
        return 1;
    return m_skipped && !allowMissing ? 3 : 0;
}

std::vector<DemoTour::Stop> DemoTour::MessageStops()
{
    auto click = [](int id) { return [id](Modeller &m) { m.Then([id](Modeller &) { Modeller::Click(id); }); }; };
    auto captions = [this](const char *first, const char *second, const char *third) {
        ExpectText(kFirstButton, first);
        ExpectText(kSecondButton, second);
        if (*third)
            ExpectText(kThirdButton, third);
        else
            Expect(!Modeller::Visible(kThirdButton), "the third button is hidden");
    };
    auto alarm = [this](const char *message, const char *buttons, int defaultButton) {
        OrvAlarmRecord record{};
        Fill(record.message, message);
        Fill(record.buttons, buttons);
        record.defaultButton = defaultButton;
        int result = m_library.Find<decltype(&AlarmDialog)>("AlarmDialog")(&record);
        printf("  record: message \"%s\", buttons \"%s\", default %d\n", record.message, record.buttons,
               record.defaultButton);
        return result;
    };
    return {
        {"YesNoCancelMessage: the modeller presses No", "YesNoCancelMessage", "YesNoCancelMessage.png",
         [=](Modeller &m) {
             captions("&Yes", "&No", "Cancel");
             click(kSecondButton)(m);
         },
         Caller<decltype(&YesNoCancelMessage)>("YesNoCancelMessage",
                                               "Save the changes to model DEMO before closing?"),
         2},
        {"NoLayersMessage: the modeller presses Escape", "NoLayersMessage", "NoLayersMessage.png",
         [this](Modeller &m) {
             Expect(Modeller::Text(kMessageText).find("no layers") != std::string::npos, "the no-layers text");
             m.Then([](Modeller &) { Modeller::Escape(); });
         },
         Caller<decltype(&NoLayersMessage)>("NoLayersMessage"), 0},
        {"CtrlCDialog mode 3: the modeller presses Stop Simulation", "CtrlCDialog", "CtrlCDialog_mode3.png",
         [=](Modeller &m) {
             captions("Stop Simulation", "Cancel", "Exit Program");
             click(kFirstButton)(m);
         },
         Caller<decltype(&CtrlCDialog)>("CtrlCDialog", "The run was interrupted at 08:00:00.", 3), 1},
        {"CtrlCDialog mode 2: the modeller presses Cancel", "CtrlCDialog", "CtrlCDialog_mode2.png",
         [=](Modeller &m) {
             captions("Cancel", "Exit Program", "");
             click(kFirstButton)(m);
         },
         Caller<decltype(&CtrlCDialog)>("CtrlCDialog", "The run was interrupted at 16:00:00.", 2), 2},
        {"AlarmDialog: the modeller presses Enter (the record's default, Stop)", "AlarmDialog",
         "AlarmDialog_default.png",
         [=](Modeller &m) {
             captions("Continue", "Stop", "Debug");
             m.Then([](Modeller &) { Modeller::Enter(); });
         },
         [=] { return alarm("Buffer BUF(2) is full.|Stop the run?", "Continue|Stop|Debug", 2); }, 2},
        {"AlarmDialog: the modeller presses Debug", "AlarmDialog", "AlarmDialog_debug.png",
         [=](Modeller &m) {
             captions("Continue", "Stop", "Debug");
             click(kThirdButton)(m);
         },
         [=] { return alarm("Machine LATHE(1) has broken down.", "Continue|Stop|Debug", 1); }, 3},
        {"FileExistsDialog: the modeller presses Append", "FileExistsDialog", "FileExistsDialog.png",
         click(kAppend),
         Caller<decltype(&FileExistsDialog)>("FileExistsDialog", "The output file DEMO.RPT already exists."),
         ORV_FILE_EXISTS_APPEND},
    };
}

std::vector<DemoTour::Stop> DemoTour::PromptStops()
{
    auto inputField = [this] {
        OrvInputFieldRecord record{};
        Fill(record.firstValue, "240");
        Fill(record.secondValue, "0");
        Fill(record.firstLabel, "Run length (hours):");
        Fill(record.secondLabel, "Warm-up (hours):");
        Fill(record.caption, "run length");
        record.valueCount = 2;
        record.apply = ApplyInput;
        record.validate = ValidateInput;
        int result = m_library.Find<decltype(&InputFieldDialog)>("InputFieldDialog")(&record);
        printf("  record: first value \"%s\", second value \"%s\"\n", record.firstValue, record.secondValue);
        Expect(result != 1 || (!strcmp(record.firstValue, "480") && !strcmp(record.secondValue, "60")),
               "both values written back");
        return result;
    };
    auto prompt = [this] {
        OrvPromptRecord record{};
        Fill(record.text, "DEMO");
        Fill(record.prompt, "Enter the name of the model:");
        int result = m_library.Find<decltype(&PromptDialog)>("PromptDialog")(&record);
        printf("  record: text \"%s\"\n", record.text);
        Expect(result != 1 || !strcmp(record.text, "FACTORY1"), "the text written back");
        return result;
    };
    return {
        {"InputFieldDialog: the modeller types 480 and 60, then OK", "InputFieldDialog", "InputFieldDialog.png",
         [this](Modeller &m) {
             printf("  caption: \"%s\"\n", Modeller::Text(Modeller::ActiveWindow()).c_str());
             m.Then([](Modeller &) { Modeller::ClearAndType(kFirstValue, "480"); });
             m.Then([](Modeller &) { Modeller::ClearAndType(kSecondValue, "60"); });
             m.Then([](Modeller &) { Modeller::Click(IDOK); });
         },
         inputField, 1},
        {"PromptDialog: the modeller types FACTORY1, then OK", "PromptDialog", "PromptDialog.png",
         [](Modeller &m) {
             m.Then([](Modeller &) { Modeller::ClearAndType(kPromptText, "FACTORY1"); });
             m.Then([](Modeller &) { Modeller::Click(IDOK); });
         },
         prompt, 1},
    };
}

void DemoTour::RunStop(Modeller &modeller, const Stop &stop)
{
    printf("\n== %s\n", stop.title.c_str());
    if (!m_library.Has(stop.exportName)) {
        printf("  skipped: the library has no export %s yet\n", stop.exportName);
        ++m_skipped;
        return;
    }
    size_t mark = m_log.Calls().size();
    int passes = m_loop.Passes();
    std::string complaint = modeller.Complaint();
    modeller.Then([this, &stop](Modeller &m) {
        SavePicture(Modeller::ActiveWindow(), stop.picture);
        // The message text of the message dialogs; detail sheets' pages use the number for other controls.
        if (HWND text = GetDlgItem(Modeller::ActiveWindow(), kMessageText))
            printf("  shows: \"%s\"\n", Modeller::Text(text).c_str());
        stop.act(m);
    });
    int result = stop.call();
    printf("  %s returned %d after %d ProcessEvents passes", stop.exportName, result, m_loop.Passes() - passes);
    if (stop.expected)
        printf(" (expected %d)", stop.expected);
    printf("\n");
    Expect(!stop.expected || result == stop.expected, std::string(stop.exportName) + " result");
    Expect(modeller.Done(), "the dialog stayed open until the modeller had finished");
    Expect(modeller.Complaint() == complaint, "the dialog ended as scripted");
    // Steps left over from a dialog that ended early run now, against the main window, not the next dialog.
    for (int guard = 0; guard < 100 && !modeller.Done(); ++guard)
        modeller.ProcessEvents();
    PrintCallsSince(mark);
}

void DemoTour::CheckBinding()
{
    printf("\n== The binding\n");
    if (auto count = m_library.Find<decltype(&GetActiveDialogCount)>("GetActiveDialogCount")) {
        printf("  GetActiveDialogCount() -> %d\n", count());
        Expect(count() == 0, "no dialog left open");
    }
    if (!m_library.Has("SetMainWindowHandle"))
        return;
    size_t mark = m_log.Calls().size();
    SendMessageA(m_mainWindow, WM_MENUSELECT, MAKEWPARAM(HostWindow::kExitCommand, MF_STRING),
                 reinterpret_cast<LPARAM>(GetMenu(m_mainWindow)));
    const LoggedCall *menu = m_log.Last("MenuSelect");
    Expect(m_log.Calls().size() > mark && menu && menu->args[0] == std::to_string(HostWindow::kExitCommand),
           "a menu selection reaches the menu-select callback");
    PrintCallsSince(mark);
}

// The host's own Edit menu and lists use the clipboard through the library, in the host's text form (lines
// ended by a line feed; the clipboard itself holds carriage return and line feed).
void DemoTour::CheckClipboardService()
{
    printf("\n== The clipboard text service\n");
    auto set = m_library.Find<decltype(&MFCSetTextInClipboard)>("MFCSetTextInClipboard");
    auto size = m_library.Find<decltype(&MFCGetTextSizeFromClipboard)>("MFCGetTextSizeFromClipboard");
    auto get = m_library.Find<decltype(&MFCGetTextFromClipboard)>("MFCGetTextFromClipboard");
    auto empty = m_library.Find<decltype(&MFCEmptyClipboard)>("MFCEmptyClipboard");
    if (!set || !size || !get || !empty) {
        printf("  skipped: the library has no clipboard text service yet\n");
        ++m_skipped;
        return;
    }
    const std::string text = "BUF(1)\nBUF(2)";
    const int put = set(text.c_str());
    const int length = size();
    std::string back(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    get(back.data());
    back.resize(static_cast<size_t>(length > 0 ? length : 0));
    std::string raw;
    if (OpenClipboard(m_mainWindow)) {
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
            raw = static_cast<const char *>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    printf("  MFCSetTextInClipboard(\"BUF(1)\\nBUF(2)\") -> %d; the clipboard holds %zu characters\n", put,
           raw.size());
    printf("  MFCGetTextSizeFromClipboard() -> %d; MFCGetTextFromClipboard gives the host's form back\n", length);
    Expect(put == 1 && raw == "BUF(1)\r\nBUF(2)", "the clipboard holds carriage return and line feed");
    Expect(length == static_cast<int>(text.size()) && back == text, "the host gets single line feeds back");
    const int emptied = empty();
    printf("  MFCEmptyClipboard() -> %d; MFCGetTextSizeFromClipboard() -> %d\n", emptied, size());
    Expect(emptied == 1 && size() == 0, "the clipboard emptied");
}

void DemoTour::CloseMainWindow()
{
    printf("\n== Closing the main window\n");
    PostMessageA(m_mainWindow, WM_CLOSE, 0, 0);
    bool quit = m_loop.RunUntilQuit(kCloseDialogPasses);
    printf("  command 24 arrived %d time(s); the loop %s\n", HostWindow::ExitCommands(),
           quit ? "ended" : "did not end");
    Expect(quit, "the host's loop ended");
    if (m_library.Has("SetMainWindowHandle"))
        Expect(HostWindow::ExitCommands() == 1, "the library turned the close into command 24");
    printf("  %d loop passes, %d messages consumed by FilterDllMsg\n", m_loop.Passes(), m_loop.Consumed());
}

void DemoTour::Expect(bool condition, const std::string &what)
{
    if (condition)
        return;
    printf("  FAILED: %s\n", what.c_str());
    ++m_failures;
}

void DemoTour::ExpectText(int control, const std::string &expected)
{
    std::string text = Modeller::Text(control);
    Expect(text == expected, "control " + std::to_string(control) + " shows \"" + expected + "\", not \"" + text +
                                 "\"");
}

void DemoTour::SavePicture(HWND window, const std::string &name)
{
    std::string path = m_outDir + "/" + name;
    bool saved = SaveWindowPng(window, path.c_str());
    printf("  picture: %s %s\n", path.c_str(), saved ? "saved" : "NOT SAVED");
    Expect(saved, "picture " + name);
}

// A run of one callback: each call when there are few, else once with its count (identical calls) or as the
// first and the last call.
void DemoTour::PrintRun(const std::vector<LoggedCall> &calls, size_t begin, size_t end)
{
    constexpr size_t kShownSingly = 4;
    const std::string first = calls[begin].ToString();
    const std::string last = calls[end - 1].ToString();
    bool same = true;
    for (size_t j = begin + 1; j < end && same; ++j)
        same = calls[j].ToString() == first;
    if (same && end - begin > 1)
        printf("    %s x%zu\n", first.c_str(), end - begin);
    else if (end - begin <= kShownSingly)
        for (size_t j = begin; j < end; ++j)
            printf("    %s\n", calls[j].ToString().c_str());
    else
        printf("    %s ... %s (%zu calls)\n", first.c_str(), last.c_str(), end - begin);
}

// Runs of one callback are shown once with their count: list fillers call the same few callbacks many times.
void DemoTour::PrintCallsSince(size_t mark)
{
    const auto &calls = m_log.Calls();
    if (mark == calls.size()) {
        printf("  callbacks: none\n");
        return;
    }
    printf("  callbacks, in order:\n");
    for (size_t i = mark; i < calls.size();) {
        size_t run = i + 1;
        while (run < calls.size() && calls[run].name == calls[i].name)
            ++run;
        PrintRun(calls, i, run);
        i = run;
    }
}
