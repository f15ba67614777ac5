// Rows of a detail page hold their own copies of the host's handles (rules, actions, labour rules), made
// and freed only through the host. HandleCopies makes the copies of one row: when any copy fails, the ones
// already made are given back to the host, and the caller takes the out-of-memory path.
#pragma once
#include <cstdint>
#include <vector>

class HandleCopies {
public:
    explicit HandleCopies(int32_t element) : m_element(element) {}
    // Gives back every copy made, unless Keep() was called, and sets the handles that held them to -1. The
    // handles must outlive this object.
    ~HandleCopies();
    HandleCopies(const HandleCopies &) = delete;
    HandleCopies &operator=(const HandleCopies &) = delete;

    // Each returns false when the host could not copy. A source of -1 (none) gives -1 without a call.
    bool Rule(int32_t source, int32_t &copy, int kind);       // ReplicateRule(element, kind, source, &copy)
    bool Actions(int32_t source, int32_t &copy);              // CopyExpression(source, &copy)
    bool LabourRule(int32_t source, int32_t &copy, int kind); // CopyLabourRule(source, &copy, element, element, kind)
    // The copies stay with their new owner.
    void Keep() { m_made.clear(); }

private:
    enum class Kind { Rule, Actions, LabourRule };
    struct Made {
        Kind kind;
        int32_t *handle;
        int ruleKind;
    };
    int32_t m_element;
    std::vector<Made> m_made;
};

// Gives a handle back to the host: rules with DeleteRule(&handle, element, kind), actions and expressions
// with DeleteExpression. Nothing happens for -1; the handle is -1 afterwards.
void DeleteRuleHandle(int32_t &rule, int32_t element, int kind);
void DeleteActionsHandle(int32_t &actions);
