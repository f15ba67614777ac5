#include "editors/pasted_name.h"

namespace {
constexpr char kBlank = ' ';
constexpr std::string_view kCallEnd = ") ";
} // namespace

PastedName ShapePastedName(std::string_view name, bool functionFlag, bool namesOnly)
{
    PastedName shaped;
    if (namesOnly) {
        if (!name.empty() && name.front() == kBlank)
            name.remove_prefix(1);
        if (!name.empty() && name.back() == kBlank)
            name.remove_suffix(1);
        shaped.text = name;
    } else if (functionFlag) {
        if (!name.empty() && name.back() == kBlank)
            name.remove_suffix(1);
        shaped.text.append(name).append("(").append(kCallEnd);
        shaped.caretBack = static_cast<int>(kCallEnd.size());
    } else {
        shaped.text = name;
    }
    return shaped;
}
