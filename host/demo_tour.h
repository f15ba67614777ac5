// The scripted tour: every dialog export the library has, driven by the modeller from inside the host's
// ProcessEvents. For each dialog it prints the export's result, the record the host got back and the
// callbacks the library called, in order, and saves a picture of the dialog as it was shown.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CallLog;
struct LoggedCall;
class DemoModel;
class HostLoop;
class Modeller;
class OrvdlgLibrary;

class DemoTour {
public:
    DemoTour(OrvdlgLibrary &library, HostLoop &loop, CallLog &log, DemoModel &model, HWND mainWindow,
             std::string outDir);
    // 0 when every dialog behaved; missing exports are skipped with a note and fail unless allowed.
    int Run(bool allowMissing);

private:
    struct Stop {
        std::string title;     // what the modeller does
        const char *exportName;
        std::string picture;   // file name under the picture directory
        std::function<void(Modeller &)> act; // the modeller's steps after the picture is taken
        std::function<int()> call;           // calls the export; prints the record it got back
        int expected;                        // 0: any answer the library chooses
    };

    std::vector<Stop> MessageStops();
    std::vector<Stop> PromptStops();
    std::vector<Stop> DetailStops();  // demo_tour_details.cpp
    std::vector<Stop> MachineStops(); // demo_tour_machine.cpp
    std::vector<Stop> PartStops();    // demo_tour_part.cpp
    // The last steps of a sheet's stop: the modeller visits each page after the current one, a picture of
    // each saved as <prefix>_<page>.png, then presses OK. Queued when the earlier steps have run, because the
    // number of pages is known only then.
    void VisitPagesThenOk(Modeller &modeller, const std::string &prefix);
    // A picture of the sheet as it shows its current page, saved as <prefix>_<page>.png.
    void SavePagePicture(HWND sheet, const std::string &prefix);
    // Calls the export by name with these arguments.
    template <typename Function, typename... Args> std::function<int()> Caller(const char *name, Args... args);
    void RunStop(Modeller &modeller, const Stop &stop);
    void CheckBinding();
    void CheckClipboardService();
    void CloseMainWindow();

    void Expect(bool condition, const std::string &what);
    void ExpectText(int control, const std::string &expected);
    void SavePicture(HWND window, const std::string &name);
    void PrintCallsSince(size_t mark);
    static void PrintRun(const std::vector<LoggedCall> &calls, size_t begin, size_t end);

    OrvdlgLibrary &m_library;
    HostLoop &m_loop;
    CallLog &m_log;
    DemoModel &m_model;
    HWND m_mainWindow;
    std::string m_outDir;
    int m_failures = 0;
    int m_skipped = 0;
};
