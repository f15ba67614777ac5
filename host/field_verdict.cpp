#include "field_verdict.h"

#include "expression_checker.h"

Verdict FirstWrong(const DemoModel &model, const std::vector<Field> &fields)
{
    for (const Field &field : fields) {
        std::string error = ExpressionChecker(model).Check(field.text);
        if (!error.empty())
            return {field.number, error};
    }
    return {};
}
