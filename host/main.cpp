// orvhost: the reference host of the dialog library. It opens its main window, loads and binds orvdlg the way
// the simulation host does, and either runs its message loop or tours the dialogs with a scripted modeller.
#include "call_log.h"
#include "demo_model.h"
#include "demo_tour.h"
#include "host_binding.h"
#include "host_callbacks.h"
#include "host_loop.h"
#include "host_window.h"
#include "orvdlg_library.h"

#include <cstdio>
#include <filesystem>
#include <cstring>
#include <string>

#ifndef ORVHOST_DEFAULT_LIBRARY
#define ORVHOST_DEFAULT_LIBRARY ""
#endif

namespace {

struct Arguments {
    std::string command;
    std::string library;
    std::string outDir = "out";
    bool allowMissing = false;
    BindingOptions binding;
    std::string error;
};

void PrintHelp()
{
    printf("usage: orvhost [COMMAND] [OPTIONS]\n"
           "\n"
           "The reference host of the Orvane dialog library: it opens its main window \"Orvane\", loads\n"
           "orvdlg.dll, binds it (language library, main window, help path, user-interface data, every\n"
           "callback) and answers the callbacks from an embedded demo model.\n"
           "\n"
           "Commands:\n"
           "  demo    tour every dialog the library has, as a scripted modeller; print what the host\n"
           "          received (results, records, callbacks in order) and save a picture of each dialog\n"
           "  run     run the host's message loop until the main window is closed (headless: until the\n"
           "          loop receives WM_QUIT, which nothing sends; meant for a real display)\n"
           "  help    this text (also --help, and no command at all)\n"
           "\n"
           "Options:\n"
           "  --library PATH    load the dialog library from PATH instead of orvdlg.dll\n"
           "                    (default: orvdlg.dll, then %s)\n"
           "  --language FILE   bind a language resource library first (SetLanguageDLL)\n"
           "  --help-file PATH  help file path handed to the library (default orvane.hlp)\n"
           "  --out DIR         picture directory of the demo (default out)\n"
           "  --allow-missing   demo: exports the library does not have yet are skipped without failing\n"
           "\n"
           "Exit code: 0 when every dialog behaved; 1 when one did not, the library cannot be loaded or its\n"
           "binding is incomplete; 3 when the demo skipped a dialog export the library does not have.\n",
           ORVHOST_DEFAULT_LIBRARY);
}

Arguments Parse(int argc, char **argv)
{
    Arguments args;
    for (int i = 1; i < argc && args.error.empty(); ++i) {
        std::string arg = argv[i];
        auto value = [&](std::string &target) {
            if (i + 1 < argc)
                target = argv[++i];
            else
                args.error = arg + " needs a value";
        };
        if (arg == "--library")
            value(args.library);
        else if (arg == "--language")
            value(args.binding.languageLibrary);
        else if (arg == "--help-file")
            value(args.binding.helpFilePath);
        else if (arg == "--out")
            value(args.outDir);
        else if (arg == "--allow-missing")
            args.allowMissing = true;
        else if (arg == "--help" || arg == "-h")
            args.command = "help";
        else if (args.command.empty() && arg[0] != '-')
            args.command = arg;
        else
            args.error = "unknown argument " + arg;
    }
    return args;
}

} // namespace

int main(int argc, char **argv)
{
    Arguments args = Parse(argc, argv);
    if (!args.error.empty()) {
        fprintf(stderr, "orvhost: %s (see orvhost --help)\n", args.error.c_str());
        return 2;
    }
    if (args.command.empty() || args.command == "help") {
        PrintHelp();
        return 0;
    }
    if (args.command != "demo" && args.command != "run") {
        fprintf(stderr, "orvhost: unknown command %s (see orvhost --help)\n", args.command.c_str());
        return 2;
    }
    setvbuf(stdout, nullptr, _IOLBF, 0);

    HWND mainWindow = HostWindow::Create();
    OrvdlgLibrary library;
    if (!library.Load(args.library, ORVHOST_DEFAULT_LIBRARY)) {
        fprintf(stderr, "orvhost: cannot load the dialog library (%s)\n",
                args.library.empty() ? "orvdlg.dll" : args.library.c_str());
        return 1;
    }
    printf("Loaded %s\n", library.FileName().c_str());

    DemoModel model;
    CallLog log;
    HostLoop loop;
    AttachHostCallbacks(model, log, loop);
    printf("Demo model: %zu elements\nBinding:\n", model.Elements().size());
    bool bound = BindLibrary(library, mainWindow, args.binding, loop);
    if (!bound)
        printf("  the binding is incomplete\n");

    if (args.command == "run")
        return loop.Run();
    std::error_code noDirectory;
    std::filesystem::create_directories(args.outDir, noDirectory); // a failure shows as pictures not saved
    int result = DemoTour(library, loop, log, model, mainWindow, args.outDir).Run(args.allowMissing);
    printf("Object lists still held by the library: %d\n", model.OutstandingObjectLists());
    return result ? result : (bound || args.allowMissing ? 0 : 1);
}
