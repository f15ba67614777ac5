// The host binding: exports by name, the message filter and idle processing, the host window's subclass
// (close, Alt+F4, menu selections, help), the element-type name tables and the language library.
#include "fake_host.h"
#include "testkit.h"

#include <win32_headless.h>

#include <gtest/gtest.h>

#include <string>

namespace {

void PumpHost(FakeHost &host) { host.Driver().Pump(); }

// Real keyboard input for the focus window, through the host's loop (and so through FilterDllMsg).
void PressKeys(FakeHost &host, std::initializer_list<BYTE> held, BYTE key)
{
    for (BYTE k : held)
        keybd_event(k, 0, 0, 0);
    keybd_event(key, 0, 0, 0);
    keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
    for (BYTE k : held)
        keybd_event(k, 0, KEYEVENTF_KEYUP, 0);
    PumpHost(host);
}

std::vector<WIN32_HELP_CALL> HelpCalls()
{
    std::vector<WIN32_HELP_CALL> calls;
    for (int i = 0; i < Win32Headless_GetHelpCallCount(); ++i) {
        WIN32_HELP_CALL call{};
        Win32Headless_GetHelpCall(i, &call);
        calls.push_back(call);
    }
    return calls;
}

bool HasCommand(const FakeHost &host, UINT id)
{
    for (UINT command : host.MainWindowCommands())
        if (command == id)
            return true;
    return false;
}

} // namespace

TEST(Binding, EveryBindingExportAndCallbackSetterIsExportedByName)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    const char *names[] = {"SetMainWindowHandle", "SetMainWindowFocus", "SetLanguageDLL", "SetHelpFilePath",
                           "SetKESTLIBGlobalData", "FilterDllMsg", "DoIdleProcessing", "OnSysColorChangeDLL",
                           "GetActiveDialogCount", "SetElementOrderArrayCallback"};
    for (const char *name : names)
        EXPECT_NE(GetProcAddress(host.Library(), name), nullptr) << name;
    int setters = 0;
#define ORV_CHECK_SETTER(name)                                                                    \
    EXPECT_NE(GetProcAddress(host.Library(), "Set" #name "Callback"), nullptr) << #name; \
    ++setters;
    ORV_FOR_EACH_HOST_CALLBACK(ORV_CHECK_SETTER)
#undef ORV_CHECK_SETTER
    EXPECT_EQ(setters + 1, 43); // and SetElementOrderArrayCallback
}

TEST(Binding, IdleProcessingFollowsTheMessagesTheLibraryConsumed)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    auto filter = ORV_EXPORT(host, FilterDllMsg);
    auto idle = ORV_EXPORT(host, DoIdleProcessing);
    // Freshly loaded, the idle flag is set: the first call runs idle processing.
    EXPECT_NE(idle(0), 0);

    // A message for a window the library has nothing to do with: not consumed, idle flag cleared.
    MSG msg{host.MainWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), 0, {5, 5}};
    EXPECT_EQ(filter(&msg), 0);
    EXPECT_EQ(idle(0), 0);
    EXPECT_EQ(idle(1), 0);

    // F1 for the host window is the library's (its accelerator table): consumed, and idle work is due.
    MSG f1{host.MainWindow(), WM_KEYDOWN, VK_F1, 1, 0, {}};
    EXPECT_NE(filter(&f1), 0);
    EXPECT_NE(idle(0), 0);
    EXPECT_EQ(filter(nullptr), 0);
}

TEST(Binding, ClosingTheHostWindowOrAltF4BecomesCommand24)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    SetFocus(host.MainWindow());
    PostMessageA(host.MainWindow(), WM_CLOSE, 0, 0);
    PumpHost(host);
    EXPECT_TRUE(IsWindow(host.MainWindow()));
    EXPECT_TRUE(HasCommand(host, 24));

    const size_t before = host.MainWindowCommands().size();
    PressKeys(host, {VK_MENU}, VK_F4);
    EXPECT_TRUE(IsWindow(host.MainWindow()));
    ASSERT_GT(host.MainWindowCommands().size(), before);
    EXPECT_EQ(host.MainWindowCommands().back(), 24u);
}

TEST(Binding, MenuSelectionsReachTheHostCallback)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    HMENU menu = CreateMenu();
    SendMessageA(host.MainWindow(), WM_MENUSELECT, MAKEWPARAM(123, MF_STRING), reinterpret_cast<LPARAM>(menu));
    ASSERT_EQ(host.MenuSelections().size(), 1u);
    EXPECT_EQ(host.MenuSelections()[0], 123u);
    DestroyMenu(menu);
}

TEST(Binding, HelpUsesTheHostPathCutTo260Characters)
{
    const std::string longPath = std::string(300, 'p') + ".hlp";
    FakeHostOptions options;
    options.helpPath = longPath;
    FakeHost host(ORVANE_ORVDLG_LIBRARY, options);
    Win32Headless_ClearHelpCalls();
    SetFocus(host.MainWindow());
    PressKeys(host, {}, VK_F1); // context help; nothing answers on the host window: the help index
    std::vector<WIN32_HELP_CALL> calls = HelpCalls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(std::string(calls.back().path), longPath.substr(0, 260));

    Win32Headless_ClearHelpCalls();
    PressKeys(host, {VK_SHIFT}, VK_F1);
    calls = HelpCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].command, static_cast<UINT>(HELP_HELPONHELP));
}

namespace {
int g_typeNameCalls = 0;
const char *ORVANE_CALL CountingTypeName(int type)
{
    ++g_typeNameCalls;
    return type == 1 ? "Part" : "Other";
}
} // namespace

TEST(Binding, TypeNamesAreFetchedOnceFromTheFirstRealCallback)
{
    FakeHostOptions options;
    options.registerCallbacks = false;
    FakeHost host(ORVANE_ORVDLG_LIBRARY, options);
    auto setTypeName = ORV_EXPORT(host, SetTypeNameCallback);
    g_typeNameCalls = 0;
    setTypeName(nullptr);
    EXPECT_EQ(g_typeNameCalls, 0);
    setTypeName(CountingTypeName);
    EXPECT_EQ(g_typeNameCalls, 22);
    setTypeName(CountingTypeName);
    EXPECT_EQ(g_typeNameCalls, 22);
}

TEST(Binding, SetMainWindowFocusFocusesTheHostWindow)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    HWND other = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, host.MainWindow(), nullptr,
                                 nullptr, nullptr);
    SetFocus(other);
    EXPECT_NE(ORV_EXPORT(host, SetMainWindowFocus)(), nullptr); // the object of the edit that had the focus
    EXPECT_EQ(GetFocus(), host.MainWindow());
    EXPECT_EQ(ORV_EXPORT(host, OnSysColorChangeDLL)(), 0); // no 3-D control library on this system
}

TEST(Binding, LanguageLibraryGivesTheResourcesButNeverTheEditorTable)
{
    // Before SetMainWindowHandle: the host window's accelerators come from the language library (F2 there).
    {
        FakeHostOptions options;
        options.languageLibrary = ORVANE_LANGUAGE_LIBRARY;
        FakeHost host(ORVANE_TESTKIT_LIBRARY, options);
        Win32Headless_ClearHelpCalls();
        SetFocus(host.MainWindow());
        PressKeys(host, {}, VK_F2);
        ASSERT_EQ(HelpCalls().size(), 1u);
        EXPECT_EQ(HelpCalls()[0].command, static_cast<UINT>(HELP_HELPONHELP));

        // The editor table is orvdlg's own: Ctrl+F gives command 40001, the language library's Ctrl+Q nothing.
        // A window of the host's class, so that the fake host records the commands it receives.
        HWND editor = CreateWindowExA(0, "OrvaneFakeHost", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20,
                                      host.MainWindow(), nullptr, nullptr, nullptr);
        ORV_EXPORT(host, TestkitBindEditorAccelerators)(editor);
        SetFocus(editor);
        const size_t before = host.MainWindowCommands().size();
        PressKeys(host, {VK_CONTROL}, 'Q');
        EXPECT_EQ(host.MainWindowCommands().size(), before);
        PressKeys(host, {VK_CONTROL}, 'F');
        ASSERT_EQ(host.MainWindowCommands().size(), before + 1);
        EXPECT_EQ(host.MainWindowCommands().back(), 40001u);
        ORV_EXPORT(host, TestkitBindEditorAccelerators)(nullptr);
    }
    // After SetMainWindowHandle: table 122 stays orvdlg's (Shift+F1, not F2), while strings switch.
    {
        FakeHost host(ORVANE_TESTKIT_LIBRARY);
        EXPECT_EQ(ORV_EXPORT(host, SetLanguageDLL)("no-such-language.dll"), nullptr);
        EXPECT_NE(ORV_EXPORT(host, SetLanguageDLL)(ORVANE_LANGUAGE_LIBRARY), nullptr);
        Win32Headless_ClearHelpCalls();
        SetFocus(host.MainWindow());
        PressKeys(host, {}, VK_F2);
        EXPECT_EQ(HelpCalls().size(), 0u);
        PressKeys(host, {VK_SHIFT}, VK_F1);
        EXPECT_EQ(HelpCalls().size(), 1u);
    }
}

TEST(Binding, MessageTextsComeFromTheLanguageLibrary)
{
    FakeHostOptions options;
    options.languageLibrary = ORVANE_LANGUAGE_LIBRARY;
    FakeHost host(ORVANE_ORVDLG_LIBRARY, options);
    host.Driver().Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(8), "&Ja");
        EXPECT_EQ(Modeller::Text(5), "&Nein");
        EXPECT_EQ(Modeller::Text(1009), "Keine Ebene ist eingeschaltet.");
        Modeller::Click(5);
    });
    EXPECT_EQ(ORV_EXPORT(host, NoLayersMessage)(), 2);
}

TEST(Binding, TheHostWindowsKeysReachTheLibraryFromInsideTheHostsOwnModalLoops)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    Win32Headless_ClearHelpCalls();
    // A dialog or menu loop of the host offers its messages to the thread's message-filter hooks.
    MSG f1{host.MainWindow(), WM_KEYDOWN, VK_F1, 1, 0, {}};
    EXPECT_TRUE(CallMsgFilterA(&f1, MSGF_DIALOGBOX));
    EXPECT_EQ(Win32Headless_GetHelpCallCount(), 1);
    MSG letter{host.MainWindow(), WM_KEYDOWN, 'A', 1, 0, {}};
    EXPECT_FALSE(CallMsgFilterA(&letter, MSGF_MENU));
}

TEST(Binding, UnloadingTheLibraryReleasesTheHostWindowAndTheThread)
{
    HWND window = nullptr;
    {
        FakeHost host(ORVANE_ORVDLG_LIBRARY);
        window = CreateWindowExA(0, "OrvaneFakeHost", "second", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                 nullptr, nullptr, nullptr);
        // Bound to a second window, the library must let go of it when unloaded.
        ORV_EXPORT(host, SetMainWindowHandle)(window, nullptr);
    }
    // The library is gone: its window procedure and hook must not be called any more.
    Win32Headless_ClearHelpCalls();
    MSG f1{window, WM_KEYDOWN, VK_F1, 1, 0, {}};
    EXPECT_FALSE(CallMsgFilterA(&f1, MSGF_DIALOGBOX));
    EXPECT_EQ(SendMessageA(window, WM_CLOSE, 0, 0), 0);
    EXPECT_FALSE(IsWindow(window)); // closed by its own procedure, not turned into command 24
    EXPECT_EQ(Win32Headless_GetHelpCallCount(), 0);
}
