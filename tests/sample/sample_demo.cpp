// The sample tour: a host window, the sample dialog library loaded as a host loads a dialog library, and a
// scripted modeller editing one record. Prints what the host received and saves pictures under out/.
#include "library_under_test.h"
#include "modeller.h"
#include "png_writer.h"
#include "sample_ids.h"
#include "sample_library.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

Modeller *g_modeller = nullptr;
int g_passes = 0;

void __cdecl HostProcessEvents()
{
    ++g_passes;
    g_modeller->ProcessEvents();
}

LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void Save(const std::string &dir, const char *name, HWND window)
{
    std::string path = dir + "/" + name;
    printf("  picture: %s %s\n", path.c_str(), SaveWindowPng(window, path.c_str()) ? "saved" : "NOT SAVED");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: sample_demo <sample library> <picture directory>\n");
        return 2;
    }
    std::string out = argv[2];
    WNDCLASSA wc{};
    wc.lpfnWndProc = HostWindowProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = "SampleHost";
    RegisterClassA(&wc);
    HWND host = CreateWindowExA(0, "SampleHost", "Sample host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480,
                                nullptr, nullptr, nullptr, nullptr);
    try {
        LibraryUnderTest library(argv[1]);
        Modeller modeller;
        g_modeller = &modeller;
        library.Export<SampleSetProcessEventsFn>("SampleSetProcessEvents")(HostProcessEvents);
        auto filter = library.Export<SampleFilterMessageFn>("SampleFilterMessage");
        modeller.SetMessageFilter([filter](MSG *msg) { return filter(msg) != 0; });

        SampleRecord record{};
        strcpy(record.name, "B1");
        record.kind = 0;
        record.quantity = 5;
        printf("Editing %s (kind %d, quantity %d)\n", record.name, record.kind, record.quantity);
        modeller.Then([&](Modeller &) {
            Save(out, "sample_dialog_opened.png", Modeller::ActiveWindow());
            Modeller::ClearAndType(IDC_SAMPLE_NAME, "MACHINE7");
        });
        modeller.Then([](Modeller &) {
            Modeller::Choose(IDC_SAMPLE_KIND, 1);
            Modeller::Click(IDC_SAMPLE_ACTIVE);
            Modeller::ClearAndType(IDC_SAMPLE_QUANTITY, "0");
        });
        modeller.Then([](Modeller &) { Modeller::Click(IDOK); }); // refused: the quantity is out of range
        modeller.Then([&](Modeller &) {
            Save(out, "sample_range_message.png", Modeller::ActiveWindow());
            Modeller::Enter();
        });
        modeller.Then([](Modeller &) { Modeller::ClearAndType(IDC_SAMPLE_QUANTITY, "12"); });
        modeller.Then([&](Modeller &) {
            Save(out, "sample_dialog_edited.png", Modeller::ActiveWindow());
            Modeller::Click(IDOK);
        });
        int result = library.Export<SampleEditFn>("SampleEdit")(&record, host);
        printf("SampleEdit returned %d after %d event passes\n", result, g_passes);
        printf("The host received: name %s, kind %d, quantity %d, active %d, speed %d\n", record.name, record.kind,
               record.quantity, record.active, record.speed);
        if (!modeller.Complaint().empty()) {
            printf("The tour did not go as scripted: %s\n", modeller.Complaint().c_str());
            return 1;
        }
        return result == 1 ? 0 : 1;
    } catch (const std::exception &e) {
        fprintf(stderr, "sample_demo: %s\n", e.what());
        return 1;
    }
}
