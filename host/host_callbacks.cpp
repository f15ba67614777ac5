#include "host_callbacks.h"

#include "call_log.h"
#include "demo_model.h"
#include "expression_checker.h"
#include "host_loop.h"
#include "orvdlg_library.h"

#include <orvane/orvdlg.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>

namespace {

DemoModel *g_model = nullptr;
CallLog *g_log = nullptr;
HostLoop *g_loop = nullptr;

// The host's texts for the (group, item) pairs the library asks for.
struct MessageText {
    int group;
    int item;
    const char *text;
};
constexpr MessageText kMessages[] = {
    {65, 0, "None"},        {39, 40, "Setup"},     {13, 81, "Statistics"}, {25, 45, "Time"},
    {25, 46, "Count"},      {78, 13, "Summary"},   {78, 131, "All elements"},
};

// Writes at most 80 characters and the terminator into an 81-byte buffer the library handed over.
void CopyOut(char *buffer, const std::string &text)
{
    if (!buffer)
        return;
    size_t length = std::min<size_t>(text.size(), 80);
    memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

std::string Handle(const int32_t *object)
{
    return object ? std::to_string(*object) : "(null)";
}

const DemoElement *Element(int32_t number)
{
    return g_model->Find(number);
}

// A host editor the modeller confirms at once: a missing handle gets a fresh text from the host.
void EditHandle(int32_t *object, const HostText *(DemoModel::*get)(int32_t) const, int32_t (*create)())
{
    if (object && !(g_model->*get)(*object))
        *object = create();
}

void SelectObjects(const char *name, int type, int *count, int32_t **objects)
{
    if (!count || !objects)
        return;
    *objects = g_model->NewObjectList(type, count);
    g_log->Add(name, *count);
}

// Each callback the library may call.
void ORVANE_CALL HostProcessEvents() { g_loop->ProcessEvents(); }

const char *ORVANE_CALL HostMessage(int group, int item)
{
    g_log->Add("Message", group, item);
    for (const MessageText &message : kMessages)
        if (message.group == group && message.item == item)
            return message.text;
    return "";
}

const char *ORVANE_CALL HostTypeName(int elementType)
{
    g_log->Add("TypeName", elementType);
    return DemoModel::TypeName(elementType);
}

void ORVANE_CALL HostDetailRule(int32_t element, int ruleKind, int index, int32_t *ruleObject)
{
    g_log->Add("DetailRule", element, ruleKind, index, Handle(ruleObject));
    EditHandle(ruleObject, &DemoModel::Rule, [] { return g_model->AddRule("PULL from INQ", "Pull"); });
}

void ORVANE_CALL HostCompEditor(int32_t *actionsObject, const char *caption)
{
    g_log->Add("CompEditor", Handle(actionsObject), caption);
    EditHandle(actionsObject, &DemoModel::Actions, [] { return g_model->AddActions("COUNT(1) = COUNT(1) + 1"); });
}

// The host's labour rule editor, confirmed at once: a missing labour rule is made, and the block learns the
// rule's handle, the option (1: labour from the pool the rule names) and the pool's name.
int ORVANE_CALL HostDetailLabourRule(int32_t element, int32_t *labourRuleObject, int ruleKind, void *labourBlock)
{
    auto *block = static_cast<OrvLabourBlock *>(labourBlock);
    g_log->Add("DetailLabourRule", element, Handle(labourRuleObject), ruleKind,
               block ? "context " + std::to_string(block->context) : "no block");
    EditHandle(labourRuleObject, &DemoModel::LabourRule, [] { return g_model->AddLabourRule("FITTER"); });
    if (block) {
        const int32_t rule = labourRuleObject ? *labourRuleObject : block->labourRule;
        const HostText *text = g_model->LabourRule(rule);
        block->labourRule = rule;
        block->option = 1;
        CopyOut(block->texts[0], text ? text->text : "");
        CopyOut(block->texts[1], "");
        CopyOut(block->texts[2], "");
    }
    return 1;
}

void ORVANE_CALL HostProcessOutOfSpace() { g_log->Add("ProcessOutOfSpace"); }

void ORVANE_CALL HostGetRuleWord(int32_t rule, char *buffer81, int flag)
{
    g_log->Add("GetRuleWord", rule, flag);
    const HostText *text = g_model->Rule(rule);
    CopyOut(buffer81, text ? text->word : "Wait");
}

void ORVANE_CALL HostGetFlowRuleWord(int32_t fluidRule, char *buffer81, int flag)
{
    g_log->Add("GetFlowRuleWord", fluidRule, flag);
    const HostText *text = g_model->Rule(fluidRule);
    CopyOut(buffer81, text ? text->word : "Wait");
}

void ORVANE_CALL HostGetActionIndicator(int32_t actions, char *buffer81)
{
    g_log->Add("GetActionIndicator", actions);
    CopyOut(buffer81, g_model->Actions(actions) ? "*" : " ");
}

void ORVANE_CALL HostMouseForm(int form)
{
    g_log->Add("MouseForm", form);
    SetCursor(LoadCursorA(nullptr, form == 3 ? IDC_WAIT : IDC_ARROW));
}

int ORVANE_CALL HostCompExp(const char *expression, int one, int32_t *compiled, const char *empty)
{
    std::string text = expression ? expression : "";
    std::string error = ExpressionChecker(*g_model).Check(text);
    g_log->Add("CompExp", text, one, error.empty() ? "ok" : error);
    if (!error.empty() && g_model->errorFlag)
        printf("  host: error in expression \"%s\": %s\n", text.c_str(), error.c_str());
    if (compiled)
        *compiled = error.empty() ? g_model->AddExpression(text) : -1;
    return error.empty() ? 0 : 1; // the host's status: 0 compiled, nonzero errors
}

double ORVANE_CALL HostEvalExp(int32_t expression)
{
    g_log->Add("EvalExp", expression);
    return 0.0;
}

void ORVANE_CALL HostSetErrorWarningFlags(int error, int warning)
{
    g_log->Add("SetErrorWarningFlags", error, warning);
    g_model->errorFlag = error;
    g_model->warningFlag = warning;
}

void ORVANE_CALL HostGetErrorWarningFlags(int *error, int *warning)
{
    g_log->Add("GetErrorWarningFlags");
    if (error)
        *error = g_model->errorFlag;
    if (warning)
        *warning = g_model->warningFlag;
}

void ORVANE_CALL HostTempExitTopLevelDetailForm() { g_log->Add("TempExitTopLevelDetailForm"); }
void ORVANE_CALL HostReEnterTopLevelDetailForm() { g_log->Add("ReEnterTopLevelDetailForm"); }

// Copies a handle through the model; a missing source copies to "none" and succeeds.
int CopyHandle(int32_t (DemoModel::*copy)(int32_t), int32_t source, int32_t *destination)
{
    if (!destination)
        return 0;
    *destination = source == -1 ? -1 : (g_model->*copy)(source);
    return source == -1 || *destination != -1;
}

int ORVANE_CALL HostReplicateRule(int32_t element, int ruleKind, int32_t source, int32_t *destination)
{
    g_log->Add("ReplicateRule", element, ruleKind, source);
    return CopyHandle(&DemoModel::CopyRule, source, destination);
}

int ORVANE_CALL HostCopyExpression(int32_t source, int32_t *destination)
{
    g_log->Add("CopyExpression", source);
    return CopyHandle(&DemoModel::CopyExpression, source, destination);
}

int ORVANE_CALL HostCopyLabourRule(int32_t source, int32_t *destination, int32_t element, int32_t otherElement,
                                   int ruleKind)
{
    g_log->Add("CopyLabourRule", source, element, otherElement, ruleKind);
    return CopyHandle(&DemoModel::CopyLabourRule, source, destination);
}

// A handle freed twice would be memory freed twice in the simulation host: noted in the log and printed.
void NoteDelete(bool freed, const char *what, int32_t handle)
{
    if (freed)
        return;
    g_log->Add(kRefusedDelete, what, handle);
    printf("  host: %s %d is not live; nothing freed\n", what, static_cast<int>(handle));
}

void ORVANE_CALL HostDeleteRule(int32_t *rule, int32_t element, int ruleKind)
{
    g_log->Add("DeleteRule", Handle(rule), element, ruleKind);
    if (rule) {
        NoteDelete(g_model->DeleteRule(*rule), "rule", *rule);
        *rule = -1;
    }
}

void ORVANE_CALL HostDeleteExpression(int32_t expression)
{
    g_log->Add("DeleteExpression", expression);
    NoteDelete(g_model->DeleteExpression(expression), "expression", expression);
}

bool IsOneOf(int32_t element, std::initializer_list<int> types)
{
    const DemoElement *e = Element(element);
    return e && std::find(types.begin(), types.end(), e->type) != types.end();
}

int ORVANE_CALL HostValidModuleIOElement(int32_t element)
{
    using namespace ElementType;
    g_log->Add("ValidModuleIOElement", element);
    return IsOneOf(element, {Buffer, Machine, Conveyor, Pipe, Tank, Processor});
}

void ORVANE_CALL HostSelectSimulationObjectsByMouse(int *count, int32_t **objects)
{
    SelectObjects("SelectSimulationObjectsByMouse", ElementType::Machine, count, objects);
}

void ORVANE_CALL HostSelectDesignerObjectsByMouse(int *count, int32_t **objects)
{
    SelectObjects("SelectDesignerObjectsByMouse", ElementType::Buffer, count, objects);
}

void ORVANE_CALL HostSelectScreenObjectsByMouse(int *count, int32_t **objects)
{
    SelectObjects("SelectScreenObjectsByMouse", ElementType::Conveyor, count, objects);
}

void ORVANE_CALL HostFreeObjectList(int32_t *objects)
{
    g_log->Add("FreeObjectList", g_model->FreeObjectList(objects) ? "freed" : "not a host list");
}

int ORVANE_CALL HostVesselElement(int32_t element)
{
    g_log->Add("VesselElement", element);
    return IsOneOf(element, {ElementType::Tank, ElementType::Processor});
}

void ORVANE_CALL HostHandleWindowsClipboardChange() { g_log->Add("HandleWindowsClipboardChange"); }

int32_t ORVANE_CALL HostSetElementTypeFlags(int one, int elementType)
{
    g_log->Add("SetElementTypeFlags", one, elementType);
    return DemoModel::TypeFlag(elementType);
}

// Attributes and variables are never sub-shifts, so they count as "main" and stay in the lists.
int ORVANE_CALL HostIsMainShift(int32_t element)
{
    g_log->Add("IsMainShift", element);
    const DemoElement *e = Element(element);
    return e && !e->subShift;
}

int ORVANE_CALL HostIsAttributeType(int32_t element, int attributeType)
{
    g_log->Add("IsAttributeType", element, attributeType);
    const DemoElement *e = Element(element);
    return e && e->type == ElementType::Attribute && e->attributeType == attributeType;
}

int ORVANE_CALL HostGetClassQuantity(int32_t element)
{
    g_log->Add("GetClassQuantity", element);
    const DemoElement *e = Element(element);
    return e ? e->quantity : 0;
}

int ORVANE_CALL HostFirstFilteredElement(int zero, int32_t typeFilter)
{
    g_log->Add("FirstFilteredElement", zero, typeFilter);
    return g_model->FirstFiltered(typeFilter);
}

int ORVANE_CALL HostNextFilteredElement(int zero, int32_t typeFilter, int startIndex)
{
    g_log->Add("NextFilteredElement", zero, typeFilter, startIndex);
    return g_model->NextFiltered(typeFilter, startIndex);
}

const char *ORVANE_CALL HostGetListString(int32_t element)
{
    g_log->Add("GetListString", element);
    const DemoElement *e = Element(element);
    return e ? e->listString.c_str() : "";
}

int ORVANE_CALL HostGetElementType(int32_t element)
{
    g_log->Add("GetElementType", element);
    const DemoElement *e = Element(element);
    return e ? e->type : 0;
}

int ORVANE_CALL HostIsReadOnly(int32_t element)
{
    g_log->Add("IsReadOnly", element);
    const DemoElement *e = Element(element);
    return e && e->readOnly;
}

int ORVANE_CALL HostUsedAsSubShift(int32_t element)
{
    g_log->Add("UsedAsSubShift", element);
    const DemoElement *e = Element(element);
    return e && e->subShift;
}

void ORVANE_CALL HostGetDefaultNameFont(LOGFONTA *font)
{
    g_log->Add("GetDefaultNameFont");
    if (!font)
        return;
    *font = LOGFONTA{};
    font->lfHeight = -13;
    font->lfWeight = FW_NORMAL;
    font->lfCharSet = ANSI_CHARSET;
    strcpy(font->lfFaceName, "Arial");
}

int32_t ORVANE_CALL HostGetClassNumber(const char *name)
{
    g_log->Add("GetClassNumber", name);
    const DemoElement *e = name ? g_model->FindByName(name) : nullptr;
    return e ? e->number : 0;
}

int32_t ORVANE_CALL HostGetUserClassNumber(const char *name)
{
    g_log->Add("GetUserClassNumber", name);
    const DemoElement *e = name ? g_model->FindByName(name) : nullptr;
    return e ? e->number : -1;
}

template <typename Callback> bool Register(OrvdlgLibrary &library, const char *setterName, Callback callback)
{
    using Setter = void(ORVANE_CALL *)(Callback);
    Setter setter = library.Find<Setter>(setterName);
    if (setter)
        setter(callback);
    return setter != nullptr;
}

} // namespace

void AttachHostCallbacks(DemoModel &model, CallLog &log, HostLoop &loop)
{
    g_model = &model;
    g_log = &log;
    g_loop = &loop;
}

int RegisterHostCallbacks(OrvdlgLibrary &library)
{
    int found = 0;
#define ORVHOST_REGISTER(name) found += Register<Orv##name##Callback>(library, "Set" #name "Callback", Host##name);
    ORV_FOR_EACH_HOST_CALLBACK(ORVHOST_REGISTER)
#undef ORVHOST_REGISTER
    using OrderSetter = void(ORVANE_CALL *)(int32_t **);
    if (auto setOrder = library.Find<OrderSetter>("SetElementOrderArrayCallback")) {
        setOrder(g_model->OrderArrayAddress());
        ++found;
    }
    return found;
}

void ORVANE_CALL HostNotesSlot(int32_t holder, const char *text, int one, int zero, int alsoZero)
{
    g_log->Add("Notes slot", text, one, zero, alsoZero);
}

void ORVANE_CALL HostMenuSelect(HWND window, UINT item, UINT flags, HMENU menu)
{
    g_log->Add("MenuSelect", item, flags);
}
