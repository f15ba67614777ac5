// A part as the host keeps it between detail sheets: its arrivals, attributes and route. The rule and actions
// handles index the demo model's tables; the part owns them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One stage of a route: where the part goes next and the two times it takes there.
struct DemoStage {
    std::string destination; // "SHIP", "SCRAP", "ASSEMBLE" or an element name
    std::string setup = "0";
    std::string cycle = "0";
};

struct DemoPart {
    int32_t element = 0;
    bool activeArrivals = true;
    std::string maximumArrivals = "0"; // 0: no limit
    std::string firstArrival = "0";
    std::string shift;
    std::string interArrival = "1";
    std::string lotSize = "1";
    int32_t outputRule = -1;
    int32_t createActions = -1;
    int32_t leaveActions = -1;
    bool fixedAttributes = false;
    bool containsFluids = false;
    std::string groupNumber = "1";
    int32_t fixedAttributesActions = -1;
    std::vector<DemoStage> stages;
    int32_t reporting = 0;
    std::string notes;
};
