#include "core/line_ends.h"

namespace {
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string result;
    result.reserve(text.size());
    size_t start = 0;
    for (size_t found = text.find(from); found != std::string_view::npos; found = text.find(from, start)) {
        result.append(text.substr(start, found - start)).append(to);
        start = found + from.size();
    }
    result.append(text.substr(start));
    return result;
}
} // namespace

std::string ToHostLineEnds(std::string_view text) { return ReplaceAll(text, "\r\n", "\n"); }

std::string ToClipboardLineEnds(std::string_view text) { return ReplaceAll(text, "\n", "\r\n"); }
