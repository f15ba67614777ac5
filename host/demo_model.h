// The demo model the reference host keeps: a small factory whose elements, rules, actions, expressions and
// labour rules the dialog library reaches only through the host callbacks.
//
// Element type numbers (the host's own choice; the library's element-type table lists them with these
// categories):
//   category 5 (physical):  1 Part, 2 Buffer, 3 Machine, 4 Conveyor, 5 Labor, 6 Vehicle, 7 Track, 8 Pipe,
//                           9 Tank, 11 Fluid, 13 Processor, 26 Module, 27 Part file
//   category 1 (logical):   10 Distribution, 12 Attribute, 14 Function, 15 Variable
//   category 4 (reporting): 19 Timeseries, 20 Histogram, 21 Pie chart, 22 File
//   category 7:             25 Shift
// The type filter of the element enumeration has bit (1 << type) for each type.
// Attribute types: 1 integer, 2 real, 3 text.
// Element numbers start at 101 and follow the display order; handles of rules, actions, expressions and
// labour rules are indexes into the host's tables (-1: none). Rules and labour rules share one table, as do
// actions and expressions: the library gives a labour rule back through DeleteRule and copies and frees
// actions through CopyExpression and DeleteExpression, so one handle must mean one thing in either call.
#pragma once
#include "demo_machine.h"
#include "demo_part.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ElementType {
constexpr int Part = 1, Buffer = 2, Machine = 3, Conveyor = 4, Labor = 5, Vehicle = 6, Track = 7, Pipe = 8,
              Tank = 9, Distribution = 10, Fluid = 11, Attribute = 12, Processor = 13, Function = 14,
              Variable = 15, Timeseries = 19, Histogram = 20, PieChart = 21, File = 22, Shift = 25, Module = 26,
              PartFile = 27;
}

namespace AttributeType {
constexpr int Integer = 1, Real = 2, Text = 3;
}

struct DemoElement {
    int32_t number = 0;
    int type = 0;
    std::string name; // at most 8 characters
    std::string description;
    int quantity = 1;
    bool readOnly = false;
    bool subShift = false; // shifts only: a sub-shift rather than a main shift
    int attributeType = 0; // attributes only
    std::string listString;   // "NAME|description", kept so that the library may hold the pointer briefly
};

// A text the host owns behind a handle: a rule (with the word shown under its button), actions, an
// expression or a labour rule.
struct HostText {
    std::string text;
    std::string word;
    bool live = true;
};

class DemoModel {
public:
    DemoModel();
    ~DemoModel();
    DemoModel(const DemoModel &) = delete; // the order pointer and the object lists belong to this instance
    DemoModel &operator=(const DemoModel &) = delete;

    const std::vector<DemoElement> &Elements() const { return m_elements; }
    const DemoElement *Find(int32_t number) const;
    const DemoElement *FindByName(const std::string &name) const; // ignores case
    static const char *TypeName(int type);                         // "" for a number the host does not use

    // The element order the library walks: the address of the pointer to the array of element numbers.
    int32_t **OrderArrayAddress() { return &m_orderPointer; }
    static int32_t TypeFlag(int type);
    int FirstFiltered(int32_t typeFilter) const { return NextFiltered(typeFilter, 0); }
    int NextFiltered(int32_t typeFilter, int startIndex) const; // -1 when there is none

    // Host tables. Add returns the new handle.
    int32_t AddRule(const std::string &text, const std::string &word) { return Add(m_rules, text, word); }
    int32_t AddActions(const std::string &text) { return Add(m_expressions, text, ""); }
    int32_t AddExpression(const std::string &text) { return Add(m_expressions, text, ""); }
    int32_t AddLabourRule(const std::string &text) { return Add(m_rules, text, ""); }
    const HostText *Rule(int32_t handle) const { return Get(m_rules, handle); }
    const HostText *Actions(int32_t handle) const { return Get(m_expressions, handle); }
    const HostText *Expression(int32_t handle) const { return Get(m_expressions, handle); }
    const HostText *LabourRule(int32_t handle) const { return Get(m_rules, handle); }
    int32_t CopyRule(int32_t handle) { return Copy(m_rules, handle); }
    int32_t CopyExpression(int32_t handle) { return Copy(m_expressions, handle); }
    int32_t CopyLabourRule(int32_t handle) { return Copy(m_rules, handle); }
    // False when the handle is not live: a handle freed twice, or one the host never gave out.
    bool DeleteRule(int32_t handle) { return Delete(m_rules, handle); }
    bool DeleteExpression(int32_t handle) { return Delete(m_expressions, handle); }
    int LiveExpressions() const { return Live(m_expressions); }
    int LiveHandles() const { return Live(m_rules) + Live(m_expressions); }

    // Machines. Replacing a machine's cycles frees the handles of the cycles it had; the new cycles' handles
    // become the machine's.
    DemoMachine *FindMachine(int32_t element);
    // Parts. A part's rule and actions handles are its own; the routes it is given replace its stages.
    DemoPart *FindPart(int32_t element);
    void ReplaceCycles(DemoMachine &machine, std::vector<DemoCycle> cycles);
    // Frees a cycle's handles; false when one of them was not live.
    bool FreeHandles(const DemoCycle &cycle);
    static int HandleCount(const std::vector<DemoCycle> &cycles); // handles other than -1
    void Rename(int32_t element, const std::string &name);

    // Object lists handed to the library by the selection callbacks, allocated with new[].
    int32_t *NewObjectList(int type, int *count);
    bool FreeObjectList(int32_t *objects); // false: not a list the host handed out
    int OutstandingObjectLists() const { return static_cast<int>(m_objectLists.size()); }

    // The host's error and warning reporting switches.
    int errorFlag = 1;
    int warningFlag = 1;

private:
    void AddElement(int type, const std::string &name, const std::string &description, int quantity = 1);
    void AddMachines();
    void AddParts();
    static int32_t Add(std::vector<HostText> &table, const std::string &text, const std::string &word);
    static const HostText *Get(const std::vector<HostText> &table, int32_t handle);
    static int32_t Copy(std::vector<HostText> &table, int32_t handle);
    static bool Delete(std::vector<HostText> &table, int32_t handle);
    static int Live(const std::vector<HostText> &table);

    std::vector<DemoElement> m_elements;
    std::vector<int32_t> m_order;
    int32_t *m_orderPointer = nullptr;
    std::vector<HostText> m_rules, m_expressions;
    std::vector<DemoMachine> m_machines;
    std::vector<DemoPart> m_parts;
    std::vector<int32_t *> m_objectLists;
};
