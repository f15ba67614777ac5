// A machine as the host keeps it between detail sheets: its head fields and its cycles. The rule, actions
// and labour rule handles index the demo model's tables; the machine owns them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct DemoCycle {
    std::string description; // at most 20 characters
    std::string inputQuantity = "1";
    std::string cycleTime = "1";
    std::string finishQuantity = "1";
    int32_t inputRule = -1;
    int32_t startActions = -1;
    int32_t finishActions = -1;
    int32_t labourRule = -1;
    int32_t labourOption = 0;
    std::string labourTexts[3];
};

struct DemoMachine {
    int32_t element = 0;
    int32_t type = 0; // the machine record's type numbers: 0 Single ... 5 Multiple Cycle, 6 Multiple Station
    std::string quantity = "1";
    std::string priority = "0";
    std::string batchMaximum = "1";
    std::string partType = "Same";
    std::string stations = "1";
    int32_t outputRule = -1;
    std::vector<DemoCycle> cycles; // never empty
    std::string shift = "DAYS";
    int32_t reporting = 1;
    std::string notes;
};
