// Caption case: the first letter of each word upper case, the rest lower case, so that host texts in capitals
// read as captions ("TEXT ITEM" -> "Text Item"). An apostrophe after a word-initial D or L starts a new word
// ("D'ARCY" -> "D'Arcy"); other apostrophes do not ("2ND RUN'S" keeps "s" lower case).
#pragma once
#include <cstddef>

// Rewrites the zero-terminated text in place, reading no further than `size` bytes.
void CaptionCase(char *text, size_t size);
template <size_t N> void CaptionCase(char (&text)[N]) { CaptionCase(text, N); }
