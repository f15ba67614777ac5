#include "fake_host.h"

#include <cstring>

namespace {
FakeHost *g_current = nullptr;
constexpr const char *kMainWindowClass = "OrvaneFakeHost";

void FillBuffer(char *buffer81, const std::string &text)
{
    std::strncpy(buffer81, text.c_str(), 80);
    buffer81[80] = 0;
}
} // namespace

// Every callback: logs its call with its arguments, then answers from the fake host's model and settings.
struct FakeHostCallbacks {
    static FakeHost &H() { return FakeHost::Current(); }
    static const char *Keep(std::string text)
    {
        H().m_texts.push_back(std::move(text));
        return H().m_texts.back().c_str();
    }
    static const FakeElement *E(int32_t element) { return H().m_model.Find(element); }

    static void ORVANE_CALL ProcessEvents()
    {
        H().m_log.Add("ProcessEvents");
        // A host's idle time goes to the library's idle processing, as its own message loop would do it.
        MSG msg;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
            H().RunIdle();
        H().m_modeller.ProcessEvents();
    }
    static const char *ORVANE_CALL Message(int group, int item)
    {
        H().m_log.Add("Message", group, item);
        return Keep("Message " + std::to_string(group) + "," + std::to_string(item));
    }
    static const char *ORVANE_CALL TypeName(int type)
    {
        H().m_log.Add("TypeName", type);
        return Keep("Type" + std::to_string(type));
    }
    static void ORVANE_CALL DetailRule(int32_t element, int kind, int index, int32_t *rule)
    {
        H().m_log.Add("DetailRule", element, kind, index, rule ? *rule : -999);
        if (H().ruleEditor)
            H().ruleEditor(element, kind, index, rule);
        else if (rule && H().detailRuleAssigns)
            *rule = H().detailRuleAssigns;
    }
    static void ORVANE_CALL CompEditor(int32_t *actions, const char *caption)
    {
        H().m_log.Add("CompEditor", actions ? *actions : -999, caption);
        if (H().actionsEditor)
            H().actionsEditor(actions, caption);
        else if (actions && H().compEditorAssigns)
            *actions = H().compEditorAssigns;
    }
    static int ORVANE_CALL DetailLabourRule(int32_t element, int32_t *rule, int kind, void *block)
    {
        H().m_log.Add("DetailLabourRule", element, rule ? *rule : -999, kind);
        if (H().labourEditor)
            return H().labourEditor(element, rule, kind, static_cast<OrvLabourBlock *>(block));
        return H().labourRuleConfirmed;
    }
    static void ORVANE_CALL ProcessOutOfSpace() { H().m_log.Add("ProcessOutOfSpace"); }
    static void ORVANE_CALL GetRuleWord(int32_t rule, char *buffer, int flag)
    {
        H().m_log.Add("GetRuleWord", rule, flag);
        FillBuffer(buffer, "Rule" + std::to_string(rule));
    }
    static void ORVANE_CALL GetFlowRuleWord(int32_t rule, char *buffer, int flag)
    {
        H().m_log.Add("GetFlowRuleWord", rule, flag);
        FillBuffer(buffer, "Flow" + std::to_string(rule));
    }
    static void ORVANE_CALL GetActionIndicator(int32_t actions, char *buffer)
    {
        H().m_log.Add("GetActionIndicator", actions);
        FillBuffer(buffer, actions == -1 ? "" : "*");
    }
    static void ORVANE_CALL MouseForm(int form) { H().m_log.Add("MouseForm", form); }
    static int ORVANE_CALL CompExp(const char *text, int one, int32_t *compiled, const char *empty)
    {
        H().m_log.Add("CompExp", text, one, empty);
        if (compiled)
            *compiled = 500;
        return H().compExpStatus;
    }
    static double ORVANE_CALL EvalExp(int32_t expression)
    {
        H().m_log.Add("EvalExp", expression);
        return 0;
    }
    static void ORVANE_CALL SetErrorWarningFlags(int error, int warning)
    {
        H().m_log.Add("SetErrorWarningFlags", error, warning);
        H().errorFlag = error;
        H().warningFlag = warning;
    }
    static void ORVANE_CALL GetErrorWarningFlags(int *error, int *warning)
    {
        H().m_log.Add("GetErrorWarningFlags");
        *error = H().errorFlag;
        *warning = H().warningFlag;
    }
    static void ORVANE_CALL TempExitTopLevelDetailForm() { H().m_log.Add("TempExitTopLevelDetailForm"); }
    static void ORVANE_CALL ReEnterTopLevelDetailForm() { H().m_log.Add("ReEnterTopLevelDetailForm"); }
    static int ORVANE_CALL ReplicateRule(int32_t element, int kind, int32_t source, int32_t *destination)
    {
        H().m_log.Add("ReplicateRule", element, kind, source);
        if (!H().CopySucceeds())
            return 0;
        *destination = source + 1000;
        return 1;
    }
    static int ORVANE_CALL CopyExpression(int32_t source, int32_t *destination)
    {
        H().m_log.Add("CopyExpression", source);
        if (!H().CopySucceeds())
            return 0;
        *destination = source + 1000;
        return 1;
    }
    static int ORVANE_CALL CopyLabourRule(int32_t source, int32_t *destination, int32_t element, int32_t other,
                                          int kind)
    {
        H().m_log.Add("CopyLabourRule", source, element, other, kind);
        if (!H().CopySucceeds())
            return 0;
        *destination = source + 1000;
        return 1;
    }
    static void ORVANE_CALL DeleteRule(int32_t *rule, int32_t element, int kind)
    {
        H().m_log.Add("DeleteRule", rule ? *rule : -999, element, kind);
    }
    static void ORVANE_CALL DeleteExpression(int32_t expression) { H().m_log.Add("DeleteExpression", expression); }
    static int ORVANE_CALL ValidModuleIOElement(int32_t element)
    {
        H().m_log.Add("ValidModuleIOElement", element);
        return E(element) && E(element)->validModuleIO;
    }
    static void Select(const char *name, int *count, int32_t **objects)
    {
        H().m_log.Add(name);
        const std::vector<int32_t> &picked = H().selectedObjects;
        *count = static_cast<int>(picked.size());
        *objects = new int32_t[picked.size() + 1];
        std::copy(picked.begin(), picked.end(), *objects);
    }
    static void ORVANE_CALL SelectSimulationObjectsByMouse(int *count, int32_t **objects)
    {
        Select("SelectSimulationObjectsByMouse", count, objects);
    }
    static void ORVANE_CALL SelectDesignerObjectsByMouse(int *count, int32_t **objects)
    {
        Select("SelectDesignerObjectsByMouse", count, objects);
    }
    static void ORVANE_CALL SelectScreenObjectsByMouse(int *count, int32_t **objects)
    {
        Select("SelectScreenObjectsByMouse", count, objects);
    }
    static void ORVANE_CALL FreeObjectList(int32_t *objects)
    {
        H().m_log.Add("FreeObjectList");
        delete[] objects;
    }
    static int ORVANE_CALL VesselElement(int32_t element)
    {
        H().m_log.Add("VesselElement", element);
        return E(element) && E(element)->vessel;
    }
    static void ORVANE_CALL HandleWindowsClipboardChange() { H().m_log.Add("HandleWindowsClipboardChange"); }
    static int32_t ORVANE_CALL SetElementTypeFlags(int one, int type)
    {
        H().m_log.Add("SetElementTypeFlags", one, type);
        return FakeModel::TypeBit(type);
    }
    static int ORVANE_CALL IsMainShift(int32_t element)
    {
        H().m_log.Add("IsMainShift", element);
        return E(element) && E(element)->mainShift;
    }
    static int ORVANE_CALL IsAttributeType(int32_t element, int type)
    {
        H().m_log.Add("IsAttributeType", element, type);
        return E(element) && E(element)->attributeType == type;
    }
    static int ORVANE_CALL GetClassQuantity(int32_t element)
    {
        H().m_log.Add("GetClassQuantity", element);
        return E(element) ? E(element)->quantity : 0;
    }
    static int ORVANE_CALL FirstFilteredElement(int zero, int32_t filter)
    {
        H().m_log.Add("FirstFilteredElement", zero, filter);
        return H().m_model.NextFiltered(filter, 0);
    }
    static int ORVANE_CALL NextFilteredElement(int zero, int32_t filter, int start)
    {
        H().m_log.Add("NextFilteredElement", zero, filter, start);
        return H().m_model.NextFiltered(filter, start);
    }
    static const char *ORVANE_CALL GetListString(int32_t element)
    {
        H().m_log.Add("GetListString", element);
        return E(element) ? E(element)->listText.c_str() : "";
    }
    static int ORVANE_CALL GetElementType(int32_t element)
    {
        H().m_log.Add("GetElementType", element);
        return E(element) ? E(element)->type : 0;
    }
    static int ORVANE_CALL IsReadOnly(int32_t element)
    {
        H().m_log.Add("IsReadOnly", element);
        return E(element) ? E(element)->readOnly : 0;
    }
    static int ORVANE_CALL UsedAsSubShift(int32_t element)
    {
        H().m_log.Add("UsedAsSubShift", element);
        return 0;
    }
    static void ORVANE_CALL GetDefaultNameFont(LOGFONTA *font)
    {
        H().m_log.Add("GetDefaultNameFont");
        std::memset(font, 0, sizeof *font);
        font->lfHeight = -13;
        std::strcpy(font->lfFaceName, "System");
    }
    static int32_t ORVANE_CALL GetClassNumber(const char *name)
    {
        H().m_log.Add("GetClassNumber", name);
        const FakeElement *e = name ? H().m_model.FindByName(name) : nullptr;
        return e ? e->number : 0;
    }
    static int32_t ORVANE_CALL GetUserClassNumber(const char *name)
    {
        H().m_log.Add("GetUserClassNumber", name);
        const FakeElement *e = name ? H().m_model.FindByName(name) : nullptr;
        return e ? e->number : -1;
    }
    static void ORVANE_CALL MenuSelect(HWND window, UINT item, UINT flags, HMENU menu)
    {
        H().m_menuSelections.push_back(item);
    }
};

void FakeHost::RunIdle()
{
    constexpr long kMostCalls = 64;
    for (long count = 0; count < kMostCalls && m_doIdleProcessing(count); ++count) {
    }
}

FakeHost &FakeHost::Current()
{
    if (!g_current)
        throw std::logic_error("no fake host");
    return *g_current;
}

LRESULT CALLBACK FakeHost::MainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND && g_current)
        g_current->m_commands.push_back(LOWORD(wParam));
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

FakeHost::FakeHost(const std::string &libraryPath, const FakeHostOptions &options)
{
    if (g_current)
        throw std::logic_error("one fake host at a time");
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = MainWindowProc;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
        wc.lpszClassName = kMainWindowClass;
        registered = RegisterClassA(&wc) != 0;
    }
    m_library = LoadLibraryA(libraryPath.c_str());
    if (!m_library)
        throw std::runtime_error("cannot load " + libraryPath);
    m_mainWindow = CreateWindowExA(0, kMainWindowClass, "Orvane host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 900,
                                   700, nullptr, nullptr, nullptr, nullptr);
    g_current = this;
    auto filter = Export<decltype(&FilterDllMsg)>("FilterDllMsg");
    m_doIdleProcessing = Export<decltype(&DoIdleProcessing)>("DoIdleProcessing");
    m_modeller.SetMessageFilter([filter](MSG *msg) { return filter(msg) != 0; });
    Bind(options);
}

void FakeHost::Bind(const FakeHostOptions &options)
{
    if (!options.languageLibrary.empty())
        Export<decltype(&SetLanguageDLL)>("SetLanguageDLL")(options.languageLibrary.c_str());
    Export<decltype(&SetMainWindowHandle)>("SetMainWindowHandle")(m_mainWindow, FakeHostCallbacks::MenuSelect);
    Export<decltype(&SetHelpFilePath)>("SetHelpFilePath")(options.helpPath.c_str());
    m_globalData[0] = m_graphicsObjects;
    Export<decltype(&SetKESTLIBGlobalData)>("SetKESTLIBGlobalData")(m_globalData);
    if (!options.registerCallbacks)
        return;
#define ORV_REGISTER(name) Export<decltype(&Set##name##Callback)>("Set" #name "Callback")(FakeHostCallbacks::name);
    ORV_FOR_EACH_HOST_CALLBACK(ORV_REGISTER)
#undef ORV_REGISTER
    Export<decltype(&SetElementOrderArrayCallback)>("SetElementOrderArrayCallback")(m_model.OrderArrayAddress());
    m_log.Clear();
}

FakeHost::~FakeHost()
{
    if (m_mainWindow)
        DestroyWindow(m_mainWindow);
    m_modeller.Pump();
    // Unloading runs the library's shutdown: the next fake host starts from a freshly loaded library.
    FreeLibrary(m_library);
    g_current = nullptr;
}
