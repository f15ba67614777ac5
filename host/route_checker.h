// The host's check of one route stage, as the route validate slot makes it: the destination must be "SHIP",
// "SCRAP", "ASSEMBLE" or an element a part can be sent to, and R_SETUP and R_CYCLE must compile.
#pragma once
#include <orvane/records/part.h>

#include "field_verdict.h"

class DemoModel;

// On acceptance the stage's two values are filled: a time written as a number is that number; an expression
// is worked out only when the run starts, so it counts 0 here.
// The verdict names 0 for the destination, 1 for R_SETUP, 2 for R_CYCLE.
Verdict CheckRouteStage(const DemoModel &model, OrvRouteStage &stage);
