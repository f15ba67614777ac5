// The column layout of the column list: where each "|"-separated field of a row starts, as a percentage of the
// row width, and how it sits in its column. Pure arithmetic, shared by the list's rows and its heading lines so
// that a heading field always stands over its column.
#pragma once

#include <string_view>
#include <vector>

// How a field sits between its column's start and the next column's start. The codes are the numbers callers
// hand over: 0 left, 1 right, 2 centred; any other code draws the field left-aligned.
enum class ColumnAlignment { Left = 0, Right = 1, Centre = 2 };

struct ColumnDescriptor {
    double position = 0; // start, in percent of the row width
    int alignment = 0;   // see ColumnAlignment
};

// A field's pixels from the row's left edge: [left, right).
struct ColumnSpan {
    int left = 0;
    int right = 0;
};

// The pixel where a column at `percent` of a row `rowWidth` pixels wide starts: percent / 100 × width + 0.5,
// truncated. Values far outside any window (or not a number) are held at a bound instead of overflowing.
int ColumnPixel(double percent, int rowWidth);

class ColumnLayout {
public:
    static constexpr int kMaxColumns = 255;

    // Takes the first `count` descriptors, at most kMaxColumns; a negative count or no array empties the layout.
    void Set(const ColumnDescriptor *columns, int count);
    int Count() const { return static_cast<int>(m_columns.size()); }
    const ColumnDescriptor &At(int index) const { return m_columns[static_cast<size_t>(index)]; }
    ColumnAlignment AlignmentOf(int index) const;

    // Field `index` runs from its column's start to the next column's start, the last one to the row's right
    // edge; a column whose successor starts before it has no room. False when the layout has no such column:
    // fields beyond the descriptors are not drawn.
    bool FieldSpan(int index, int rowWidth, ColumnSpan &span) const;

private:
    std::vector<ColumnDescriptor> m_columns;
};

// Calls `visit(piece)` for each piece of `text` cut at `separator`. A separator at the very end ends the last
// piece rather than starting an empty one, and an empty text has no pieces; empty pieces between two
// separators are kept.
template <typename Visit> void ForEachPiece(std::string_view text, char separator, Visit visit)
{
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            visit(text.substr(start));
            return;
        }
        visit(text.substr(start, end - start));
        start = end + 1;
    }
}
