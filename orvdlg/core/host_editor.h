// Host editors opened from a detail page (rules, actions, labour rules) follow one protocol: the host is told
// that the detail form is left for a while, the editor runs, the host is told the form is back; then the text
// beside the button is refreshed from the host.
#pragma once
#include <framework/text.h>
#include <orvane/records/labour_block.h>

#include <cstdint>
#include <functional>

// TempExitTopLevelDetailForm, the editor, ReEnterTopLevelDetailForm.
void OpenHostEditor(const std::function<void()> &editor);
// The host's indicator text for an actions handle (GetActionIndicator into a cleared 81-byte buffer).
CString ActionIndicator(int32_t actions);
// The host's short word for a rule (GetRuleWord into a cleared 81-byte buffer).
CString RuleWord(int32_t rule, int flag);
// The host's short word for a fluid flow rule (GetFlowRuleWord into a cleared 81-byte buffer).
CString FlowRuleWord(int32_t rule, int flag);
// An actions indicator shows marked when the host's text contains "*".
inline bool ActionIndicatorMarked(const CString &text) { return text.Find('*') >= 0; }

// The host's labour rule editor: DetailLabourRule(element, rule, kind, block) between TempExit and ReEnter.
// True when the modeller confirmed it.
bool EditLabourRule(int32_t element, int32_t *rule, int kind, OrvLabourBlock *block);
// A labour indicator shows "*" while a labour rule is set (a handle other than -1), " " otherwise.
inline const char *LabourIndicator(int32_t rule) { return rule != -1 ? "*" : " "; }
