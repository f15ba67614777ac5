#include "core/caption_case.h"

#include <windows.h>

void CaptionCase(char *text, size_t size)
{
    if (!text)
        return;
    // The apostrophe rule looks at the text as given, so decide it before the letters before it change.
    bool wordStart = true;
    // The start of the text counts as a blank.
    char previousOriginal = ' ';
    char beforePreviousOriginal = ' ';
    for (size_t i = 0; i < size && text[i] != 0; ++i) {
        char original = text[i];
        if (original == ' ') {
            wordStart = true;
        } else if (original == '\'') {
            // Before the D or L: the start of the text or a blank.
            bool afterDOrL = (previousOriginal == 'D' || previousOriginal == 'L') && beforePreviousOriginal == ' ';
            if (afterDOrL)
                wordStart = true;
        } else {
            char converted[2] = {original, 0};
            if (wordStart)
                CharUpperA(converted);
            else
                CharLowerA(converted);
            text[i] = converted[0];
            wordStart = false;
        }
        beforePreviousOriginal = previousOriginal;
        previousOriginal = original;
    }
}
