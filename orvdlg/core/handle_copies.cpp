#include "core/handle_copies.h"

#include "core/host_callbacks.h"

namespace {
constexpr int kLabourRuleDeleteKind = 0;
}

void DeleteRuleHandle(int32_t &rule, int32_t element, int kind)
{
    if (rule != -1 && Host().DeleteRule)
        Host().DeleteRule(&rule, element, kind);
    rule = -1;
}

void DeleteActionsHandle(int32_t &actions)
{
    if (actions != -1 && Host().DeleteExpression)
        Host().DeleteExpression(actions);
    actions = -1;
}

HandleCopies::~HandleCopies()
{
    for (Made &made : m_made) {
        if (made.kind == Kind::Actions)
            DeleteActionsHandle(*made.handle);
        else
            DeleteRuleHandle(*made.handle, m_element, made.kind == Kind::Rule ? made.ruleKind : kLabourRuleDeleteKind);
    }
}

bool HandleCopies::Rule(int32_t source, int32_t &copy, int kind)
{
    copy = -1;
    if (source == -1)
        return true;
    if (!Host().ReplicateRule || !Host().ReplicateRule(m_element, kind, source, &copy)) {
        copy = -1;
        return false;
    }
    m_made.push_back({Kind::Rule, &copy, kind});
    return true;
}

bool HandleCopies::Actions(int32_t source, int32_t &copy)
{
    copy = -1;
    if (source == -1)
        return true;
    if (!Host().CopyExpression || !Host().CopyExpression(source, &copy)) {
        copy = -1;
        return false;
    }
    m_made.push_back({Kind::Actions, &copy, 0});
    return true;
}

bool HandleCopies::LabourRule(int32_t source, int32_t &copy, int kind)
{
    copy = -1;
    if (source == -1)
        return true;
    if (!Host().CopyLabourRule || !Host().CopyLabourRule(source, &copy, m_element, m_element, kind)) {
        copy = -1;
        return false;
    }
    m_made.push_back({Kind::LabourRule, &copy, kind});
    return true;
}
