// The fake host: loads orvdlg the way a host does (LoadLibraryA, exports by name), owns a main window, binds
// the library in the host's order with every callback a recording fake backed by a FakeModel, and runs the
// modeller inside ProcessEvents, pumping the queue through FilterDllMsg as a host must. One at a time: the
// callbacks are plain functions and reach the current fake host through a process-wide pointer.
#pragma once
#include <windows.h>

#include <orvane/orvdlg.h>
#include <orvane/records/labour_block.h>

#include "call_log.h"
#include "fake_model.h"
#include "modeller.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

struct FakeHostOptions {
    std::string languageLibrary;   // loaded with SetLanguageDLL before SetMainWindowHandle when not empty
    bool registerCallbacks = true; // every Set...Callback
    std::string helpPath = "orvane.hlp";
};

class FakeHost {
public:
    explicit FakeHost(const std::string &libraryPath, const FakeHostOptions &options = {});
    ~FakeHost();
    FakeHost(const FakeHost &) = delete;
    FakeHost &operator=(const FakeHost &) = delete;

    static FakeHost &Current();

    HMODULE Library() const { return m_library; }
    HWND MainWindow() const { return m_mainWindow; }
    Modeller &Driver() { return m_modeller; }
    CallLog &Log() { return m_log; }
    FakeModel &Model() { return m_model; }

    template <typename Function> Function Export(const char *name) const
    {
        FARPROC proc = GetProcAddress(m_library, name);
        if (!proc)
            throw std::runtime_error(std::string("missing export ") + name);
        return reinterpret_cast<Function>(reinterpret_cast<void *>(proc));
    }
    // Messages the main window received (after the library's subclass passed them on), and commands.
    const std::vector<UINT> &MainWindowCommands() const { return m_commands; }
    // What the host's menu-select callback received: item identifiers.
    const std::vector<UINT> &MenuSelections() const { return m_menuSelections; }

    // Answers the fake callbacks give; tests change them.
    int compExpStatus = 0;
    int labourRuleConfirmed = 1;
    // When set, plays the host's labour rule editor (after the call is logged) and gives its answer.
    std::function<int(int32_t element, int32_t *rule, int kind, OrvLabourBlock *block)> labourEditor;
    std::vector<int32_t> selectedObjects;
    int errorFlag = 1, warningFlag = 1;
    // When not 0, the host's editors put this handle into the record (the modeller defined actions or a rule).
    int32_t compEditorAssigns = 0;
    int32_t detailRuleAssigns = 0;
    // The number of handle copies (rules, expressions, labour rules) that succeed before one fails; -1: all
    // succeed. A copy of handle h is h + 1000.
    int copiesBeforeFailure = -1;
    // When set, these play the host's rule and actions editors (after the call is logged) in place of the
    // fixed handles above, and decide each handle copy in place of copiesBeforeFailure.
    std::function<void(int32_t element, int kind, int index, int32_t *rule)> ruleEditor;
    std::function<void(int32_t *actions, const char *caption)> actionsEditor;
    std::function<bool()> copyAnswer;

private:
    friend struct FakeHostCallbacks;
    void Bind(const FakeHostOptions &options);
    void RunIdle();
    bool CopySucceeds() { return copyAnswer ? copyAnswer() : copiesBeforeFailure < 0 || copiesBeforeFailure-- > 0; }
    static LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HMODULE m_library = nullptr;
    decltype(&DoIdleProcessing) m_doIdleProcessing = nullptr;
    HWND m_mainWindow = nullptr;
    Modeller m_modeller;
    CallLog m_log;
    FakeModel m_model;
    std::vector<UINT> m_commands;
    std::vector<UINT> m_menuSelections;
    std::vector<std::string> m_texts; // keeps texts the host handed out alive
    void *m_graphicsObjects[4] = {};
    void *m_globalData[2] = {};
};

// An export of orvdlg with the type of its declaration: ORV_EXPORT(host, YesNoCancelMessage)("Sure?").
#define ORV_EXPORT(host, name) (host).Export<decltype(&name)>(#name)
