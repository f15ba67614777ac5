#include "route_checker.h"

#include "demo_model.h"
#include "record_field.h"

#include <cstdlib>
#include <cstring>

namespace {
constexpr int32_t kDestinationField = 0, kSetupField = 1, kCycleField = 2;
constexpr const char *kEndsOfRoute[] = {"SHIP", "SCRAP", "ASSEMBLE"};
// The element types a part can be sent to.
constexpr int kDestinationTypes[] = {ElementType::Buffer,    ElementType::Machine,   ElementType::Conveyor,
                                     ElementType::Track,     ElementType::Processor, ElementType::Module};

bool IsDestination(const DemoModel &model, const std::string &name)
{
    for (const char *end : kEndsOfRoute)
        if (strcasecmp(end, name.c_str()) == 0)
            return true;
    const DemoElement *element = model.FindByName(name);
    if (!element)
        return false;
    for (int type : kDestinationTypes)
        if (element->type == type)
            return true;
    return false;
}

float Value(const std::string &text)
{
    char *end = nullptr;
    const float value = std::strtof(text.c_str(), &end);
    while (end && *end == ' ')
        ++end;
    return end && *end == '\0' ? value : 0.0F;
}
} // namespace

Verdict CheckRouteStage(const DemoModel &model, OrvRouteStage &stage)
{
    const std::string destination = Read(stage.destination);
    if (!IsDestination(model, destination))
        return {kDestinationField, "no destination " + destination};
    const std::string setup = Read(stage.setupText), cycle = Read(stage.cycleText);
    const Verdict verdict = FirstWrong(model, {{kSetupField, setup}, {kCycleField, cycle}});
    if (verdict.field == -1) {
        stage.setupValue = Value(setup);
        stage.cycleValue = Value(cycle);
    }
    return verdict;
}
