// A name the modeller picked in one of the host's lists, shaped for the field it is pasted into.
#pragma once
#include <string>
#include <string_view>

struct PastedName {
    std::string text;
    // How far the caret goes back from the end of the inserted text: between the parentheses of a call.
    int caretBack = 0;
};

// Without `namesOnly`, a function name becomes a call: a trailing blank turns into "(" (or "(" is appended),
// then ") " follows. With `namesOnly`, one leading and one trailing blank are dropped, and only if they are
// blanks, so that a name that comes without its framing blanks stays whole.
PastedName ShapePastedName(std::string_view name, bool functionFlag, bool namesOnly);
