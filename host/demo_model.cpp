#include "demo_model.h"

#include <algorithm>
#include <cctype>

namespace {

struct TypeEntry {
    int type;
    const char *name;
};

// The host's display names of its element types.
constexpr TypeEntry kTypeNames[] = {
    {ElementType::Part, "Part"},           {ElementType::Buffer, "Buffer"},
    {ElementType::Machine, "Machine"},     {ElementType::Conveyor, "Conveyor"},
    {ElementType::Labor, "Labor"},         {ElementType::Vehicle, "Vehicle"},
    {ElementType::Track, "Track"},         {ElementType::Pipe, "Pipe"},
    {ElementType::Tank, "Tank"},           {ElementType::Distribution, "Distribution"},
    {ElementType::Fluid, "Fluid"},         {ElementType::Attribute, "Attribute"},
    {ElementType::Processor, "Processor"}, {ElementType::Function, "Function"},
    {ElementType::Variable, "Variable"},   {ElementType::Timeseries, "Timeseries"},
    {ElementType::Histogram, "Histogram"}, {ElementType::PieChart, "Pie chart"},
    {ElementType::File, "File"},           {ElementType::Shift, "Shift"},
    {ElementType::Module, "Module"},       {ElementType::PartFile, "Part file"},
};

bool SameName(const std::string &a, const std::string &b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

std::string ListString(const DemoElement &element)
{
    return element.description.empty() ? element.name : element.name + "|" + element.description;
}

// The demo factory, in display order: type, name, description, quantity.
struct ElementEntry {
    int type;
    const char *name;
    const char *description;
    int quantity;
};

constexpr ElementEntry kElements[] = {
    {ElementType::Part, "WIDGET", "Raw widget", 1},
    {ElementType::Part, "GADGET", "Finished gadget", 1},
    {ElementType::Part, "PALLET", "Returnable pallet", 1},
    {ElementType::Buffer, "INQ", "Incoming queue", 1},
    {ElementType::Buffer, "BUF", "Work-in-progress store", 3},
    {ElementType::Buffer, "OUTQ", "Dispatch queue", 1},
    {ElementType::Machine, "LATHE", "Turning centre", 2},
    {ElementType::Machine, "DRILL", "Pillar drill", 1},
    {ElementType::Machine, "PAINT", "Paint booth", 1},
    {ElementType::Machine, "PACK", "Packing station", 1},
    {ElementType::Machine, "PRESS", "Stamping press", 1},
    {ElementType::Conveyor, "BELT1", "Belt to the drill", 1},
    {ElementType::Conveyor, "BELT2", "Belt to packing", 1},
    {ElementType::Labor, "FITTER", "Machine fitters", 4},
    {ElementType::Labor, "PAINTER", "", 1},
    {ElementType::Vehicle, "AGV", "Guided vehicle", 2},
    {ElementType::Track, "LOOP", "Vehicle loop", 1},
    {ElementType::Pipe, "FEED", "Paint feed", 1},
    {ElementType::Tank, "PAINTTK", "Paint tank", 1},
    {ElementType::Processor, "MIXER", "Paint mixer", 1},
    {ElementType::Fluid, "PRIMER", "Primer coat", 1},
    {ElementType::Distribution, "ARRIVE", "Arrival gaps", 1},
    {ElementType::Distribution, "REPAIR", "Repair times", 1},
    {ElementType::Attribute, "COLOUR", "Paint colour", 1},
    {ElementType::Attribute, "WEIGHT", "Part weight", 1},
    {ElementType::Attribute, "LABEL", "Part label", 1},
    {ElementType::Function, "RATE", "Arrival rate by hour", 1},
    {ElementType::Variable, "BATCH", "Batch size", 1},
    {ElementType::Variable, "COUNT", "Parts finished", 5},
    {ElementType::Variable, "LIMIT", "Stock limit", 1},
    {ElementType::Timeseries, "WIPPLOT", "Work in progress", 1},
    {ElementType::Histogram, "TIMEHIST", "Time in system", 1},
    {ElementType::PieChart, "STATES", "Machine states", 1},
    {ElementType::File, "RESULTS", "Results file", 1},
    {ElementType::Shift, "DAYS", "Day shift", 1},
    {ElementType::Shift, "NIGHTS", "Night shift", 1},
    {ElementType::Shift, "BREAKS", "Meal breaks", 1},
    {ElementType::Module, "CELL", "Painting cell", 1},
    {ElementType::PartFile, "ORDERS", "Order book", 1},
};

} // namespace

DemoModel::DemoModel()
{
    for (const ElementEntry &entry : kElements)
        AddElement(entry.type, entry.name, entry.description, entry.quantity);

    auto set = [this](const char *name, auto change) {
        for (DemoElement &element : m_elements)
            if (element.name == name)
                change(element);
    };
    set("COLOUR", [](DemoElement &e) { e.attributeType = AttributeType::Integer; });
    set("WEIGHT", [](DemoElement &e) { e.attributeType = AttributeType::Real; });
    set("LABEL", [](DemoElement &e) { e.attributeType = AttributeType::Text; });
    set("LIMIT", [](DemoElement &e) { e.readOnly = true; });
    set("BREAKS", [](DemoElement &e) { e.subShift = true; });

    for (const DemoElement &element : m_elements)
        m_order.push_back(element.number);
    m_orderPointer = m_order.data();

    AddRule("PULL from INQ", "Pull");
    AddRule("PUSH to BUF(1)", "Push");
    AddRule("WAIT", "Wait");
    AddActions("COUNT(1) = COUNT(1) + 1");
    AddExpression("BATCH * 2");
    AddLabourRule("FITTER");
    AddMachines();
    AddParts();
}

// DRILL is a Single machine; PRESS a Multiple Cycle machine whose cycles load, stamp and unload. The third
// cycle takes nothing in (input 0), so it has no input rule.
void DemoModel::AddMachines()
{
    auto labour = [](DemoCycle &cycle, int32_t rule, const char *who) {
        cycle.labourRule = rule;
        cycle.labourOption = 1;
        cycle.labourTexts[0] = who;
    };
    DemoMachine drill;
    drill.element = FindByName("DRILL")->number;
    drill.outputRule = AddRule("PUSH to BELT2", "Push");
    DemoCycle drilling;
    drilling.cycleTime = "NEGEXP(3)";
    drilling.inputRule = AddRule("PULL from BELT1", "Pull");
    drill.cycles.push_back(drilling);
    drill.notes = "One operator, no setups.";
    m_machines.push_back(std::move(drill));

    DemoMachine press;
    press.element = FindByName("PRESS")->number;
    press.type = 5; // Multiple Cycle
    press.priority = "2";
    press.outputRule = AddRule("PUSH to OUTQ", "Push");
    DemoCycle load;
    load.description = "Load blank";
    load.cycleTime = "2";
    load.inputRule = AddRule("PULL from INQ", "Pull");
    labour(load, AddLabourRule("FITTER"), "FITTER");
    DemoCycle stamp;
    stamp.description = "Stamp";
    stamp.inputQuantity = "2";
    stamp.cycleTime = "NORMAL(4, 0.5)";
    stamp.finishQuantity = "2";
    stamp.inputRule = AddRule("PULL from BUF", "Pull");
    stamp.startActions = AddActions("COUNT(2) = COUNT(2) + 1");
    DemoCycle unload;
    unload.description = "Unload";
    unload.inputQuantity = "0";
    unload.cycleTime = "1.5";
    unload.finishQuantity = "2";
    unload.finishActions = AddActions("COUNT(3) = COUNT(3) + 2");
    press.cycles = {load, stamp, unload};
    press.reporting = 2;
    press.notes = "Stamps two gadgets from each pair of blanks.";
    m_machines.push_back(std::move(press));
}

// WIDGET arrives by itself, is counted on arrival and goes to the lathe, then to packing.
void DemoModel::AddParts()
{
    DemoPart widget;
    widget.element = FindByName("WIDGET")->number;
    widget.maximumArrivals = "500";
    widget.interArrival = "NEGEXP(4)";
    widget.lotSize = "2";
    widget.shift = "DAYS";
    widget.outputRule = AddRule("PUSH to INQ", "Push");
    widget.createActions = AddActions("COUNT(4) = COUNT(4) + 1");
    widget.stages = {{"LATHE", "5", "12"}, {"PACK", "0", "3"}};
    widget.reporting = 2;
    widget.notes = "Raw widgets from the foundry, in pairs.";
    m_parts.push_back(std::move(widget));
}

DemoModel::~DemoModel()
{
    for (int32_t *objects : m_objectLists)
        delete[] objects;
}

void DemoModel::AddElement(int type, const std::string &name, const std::string &description, int quantity)
{
    DemoElement element;
    element.number = 101 + static_cast<int32_t>(m_elements.size());
    element.type = type;
    element.name = name.substr(0, 8);
    element.description = description;
    element.quantity = quantity;
    element.listString = ListString(element);
    m_elements.push_back(std::move(element));
}

const DemoElement *DemoModel::Find(int32_t number) const
{
    auto it = std::find_if(m_elements.begin(), m_elements.end(), [&](auto &e) { return e.number == number; });
    return it == m_elements.end() ? nullptr : &*it;
}

const DemoElement *DemoModel::FindByName(const std::string &name) const
{
    auto it = std::find_if(m_elements.begin(), m_elements.end(), [&](auto &e) { return SameName(e.name, name); });
    return it == m_elements.end() ? nullptr : &*it;
}

const char *DemoModel::TypeName(int type)
{
    for (const TypeEntry &entry : kTypeNames)
        if (entry.type == type)
            return entry.name;
    return "";
}

int32_t DemoModel::TypeFlag(int type)
{
    return type >= 0 && type < 31 ? static_cast<int32_t>(1u << type) : 0;
}

int DemoModel::NextFiltered(int32_t typeFilter, int startIndex) const
{
    for (size_t index = static_cast<size_t>(std::max(startIndex, 0)); index < m_order.size(); ++index) {
        const DemoElement *element = Find(m_order[index]);
        if (element && (TypeFlag(element->type) & typeFilter))
            return static_cast<int>(index);
    }
    return -1;
}

namespace {
template <typename Kept> Kept *FindKept(std::vector<Kept> &kept, int32_t element)
{
    auto it = std::find_if(kept.begin(), kept.end(), [&](auto &k) { return k.element == element; });
    return it == kept.end() ? nullptr : &*it;
}
} // namespace

DemoMachine *DemoModel::FindMachine(int32_t element)
{
    return FindKept(m_machines, element);
}

DemoPart *DemoModel::FindPart(int32_t element)
{
    return FindKept(m_parts, element);
}

void DemoModel::ReplaceCycles(DemoMachine &machine, std::vector<DemoCycle> cycles)
{
    for (const DemoCycle &cycle : machine.cycles)
        FreeHandles(cycle);
    machine.cycles = std::move(cycles);
}

bool DemoModel::FreeHandles(const DemoCycle &cycle)
{
    // Each handle is freed even when an earlier one was not live.
    bool live = true;
    for (int32_t rule : {cycle.inputRule, cycle.labourRule})
        live = (rule == -1 || DeleteRule(rule)) && live;
    for (int32_t actions : {cycle.startActions, cycle.finishActions})
        live = (actions == -1 || DeleteExpression(actions)) && live;
    return live;
}

int DemoModel::HandleCount(const std::vector<DemoCycle> &cycles)
{
    int count = 0;
    for (const DemoCycle &cycle : cycles)
        for (int32_t handle : {cycle.inputRule, cycle.labourRule, cycle.startActions, cycle.finishActions})
            count += handle != -1;
    return count;
}

void DemoModel::Rename(int32_t element, const std::string &name)
{
    for (DemoElement &e : m_elements)
        if (e.number == element) {
            e.name = name.substr(0, 8);
            e.listString = ListString(e);
        }
}

int DemoModel::Live(const std::vector<HostText> &table)
{
    return static_cast<int>(std::count_if(table.begin(), table.end(), [](const HostText &t) { return t.live; }));
}

int32_t *DemoModel::NewObjectList(int type, int *count)
{
    std::vector<int32_t> picked;
    for (const DemoElement &element : m_elements)
        if (element.type == type)
            picked.push_back(element.number);
    auto *objects = new int32_t[picked.size() + 1];
    std::copy(picked.begin(), picked.end(), objects);
    *count = static_cast<int>(picked.size());
    m_objectLists.push_back(objects);
    return objects;
}

bool DemoModel::FreeObjectList(int32_t *objects)
{
    auto it = std::find(m_objectLists.begin(), m_objectLists.end(), objects);
    if (it == m_objectLists.end())
        return false;
    delete[] objects;
    m_objectLists.erase(it);
    return true;
}

int32_t DemoModel::Add(std::vector<HostText> &table, const std::string &text, const std::string &word)
{
    table.push_back(HostText{text, word, true});
    return static_cast<int32_t>(table.size() - 1);
}

const HostText *DemoModel::Get(const std::vector<HostText> &table, int32_t handle)
{
    if (handle < 0 || static_cast<size_t>(handle) >= table.size() || !table[static_cast<size_t>(handle)].live)
        return nullptr;
    return &table[static_cast<size_t>(handle)];
}

int32_t DemoModel::Copy(std::vector<HostText> &table, int32_t handle)
{
    const HostText *source = Get(table, handle);
    if (!source)
        return -1;
    HostText copy = *source; // copied first: Add may move the table
    return Add(table, copy.text, copy.word);
}

bool DemoModel::Delete(std::vector<HostText> &table, int32_t handle)
{
    if (!Get(table, handle))
        return false;
    table[static_cast<size_t>(handle)].live = false;
    return true;
}
