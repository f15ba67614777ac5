// The kinds of the Summary dialog: for each, its caption, its two heading lines and where its columns start.
// The one table of them; the texts themselves are strings of the library's resources.
#pragma once
#include <windows.h>

#include <array>

struct SummaryKind {
    static constexpr int kMaxColumns = 10;

    UINT caption;
    UINT upperHeading; // 0: the upper heading line stays empty
    UINT lowerHeading;
    int columnCount;
    std::array<double, kMaxColumns> columns; // start positions in percent, all left-aligned
};

constexpr int kSummaryKindCount = 8;

// The kind with number `kind` (0 to 7), or nullptr for any other number.
const SummaryKind *FindSummaryKind(int kind);
