// Line ends: the host separates lines by a line feed alone; edit controls and the clipboard use carriage
// return-line feed.
#pragma once
#include <string>
#include <string_view>

// Every carriage return-line feed pair becomes one line feed.
std::string ToHostLineEnds(std::string_view text);
// Every line feed becomes a carriage return-line feed pair.
std::string ToClipboardLineEnds(std::string_view text);
