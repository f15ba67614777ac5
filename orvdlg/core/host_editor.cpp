#include "core/host_editor.h"

#include "core/host_callbacks.h"
#include "core/record_text.h"

namespace {
constexpr size_t kHostTextSize = 81;

template <typename Fill> CString AskHostText(Fill fill)
{
    char buffer[kHostTextSize] = {};
    fill(buffer);
    return ReadRecordText(buffer); // the host may fill all 81 bytes
}
} // namespace

void OpenHostEditor(const std::function<void()> &editor)
{
    const HostCallbacks &host = Host();
    if (host.TempExitTopLevelDetailForm)
        host.TempExitTopLevelDetailForm();
    editor();
    if (host.ReEnterTopLevelDetailForm)
        host.ReEnterTopLevelDetailForm();
}

CString ActionIndicator(int32_t actions)
{
    return AskHostText([actions](char *buffer) {
        if (Host().GetActionIndicator)
            Host().GetActionIndicator(actions, buffer);
    });
}

CString RuleWord(int32_t rule, int flag)
{
    return AskHostText([rule, flag](char *buffer) {
        if (Host().GetRuleWord)
            Host().GetRuleWord(rule, buffer, flag);
    });
}

CString FlowRuleWord(int32_t rule, int flag)
{
    return AskHostText([rule, flag](char *buffer) {
        if (Host().GetFlowRuleWord)
            Host().GetFlowRuleWord(rule, buffer, flag);
    });
}

bool EditLabourRule(int32_t element, int32_t *rule, int kind, OrvLabourBlock *block)
{
    bool confirmed = false;
    OpenHostEditor([&] {
        if (Host().DetailLabourRule)
            confirmed = Host().DetailLabourRule(element, rule, kind, block) != 0;
    });
    return confirmed;
}
