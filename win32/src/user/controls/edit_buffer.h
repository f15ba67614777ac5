// The text model of the Edit control: the characters, the display lines (hard CR LF breaks and,
// when a wrap width is set, soft word-wrap breaks), the selection and the one-level undo record.
// It knows nothing of windows: pixel widths come in as a table, so it can be tested on its own.
#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace win32::user::edit {

// Pixel widths of the control's font (a fixed table: the built-in fonts have no kerning) and tab stops.
struct FontMetrics {
    std::array<int, 256> widths{};
    int lineHeight = 16;
    int averageWidth = 8;
    std::vector<int> tabStops; // pixels, ascending; past the last one, tabs repeat at defaultTab
    int defaultTab = 64;

    // The x a tab at `x` advances to.
    int NextTabStop(int x) const;
};

// How a change came about: consecutive typing (and backspacing over it) forms one undo step.
enum class EditKind { Typing, Backspace, Delete, Other };

class EditBuffer {
public:
    static constexpr size_t npos = std::string::npos;

    explicit EditBuffer(bool multiLine);

    const std::string &Text() const { return m_text; }
    size_t Length() const { return m_text.size(); }
    bool MultiLine() const { return m_multiLine; }

    // ---- layout ----
    void SetMetrics(const FontMetrics &metrics);
    const FontMetrics &Metrics() const { return m_metrics; }
    // Soft wrapping at this many pixels; 0 turns it off.
    void SetWrapWidth(int pixels);
    // Every character measures and draws as `mask` (password edits); 0 shows the text.
    void SetMaskChar(char mask);
    char MaskChar() const { return m_mask; }

    size_t LineCount() const { return m_lines.size(); }
    size_t LineStart(size_t line) const;
    // Characters of a display line without its CR LF.
    size_t LineLength(size_t line) const;
    size_t LineFromChar(size_t index) const;
    // Pixel offset of `index` from the start of its line (tabs expanded).
    int XOfChar(size_t index) const;
    // Pixel width of a whole display line.
    int LineWidth(size_t line) const;
    // Pixel width of an arbitrary single-line string as this buffer would draw it.
    int MeasureRun(std::string_view text) const;
    // The character boundary nearest to pixel `x` on `line`.
    size_t CharAtX(size_t line, int x) const;
    // Advance of character `c` drawn at pixel `x` of its line.
    int Advance(int x, char c) const;

    // ---- caret movement helpers ----
    // One position left/right, stepping over a CR LF pair as one unit.
    size_t PrevChar(size_t index) const;
    size_t NextChar(size_t index) const;
    size_t PrevWord(size_t index) const;
    size_t NextWord(size_t index) const;

    // ---- selection: the anchor stays put when the selection is extended, the caret moves ----
    size_t Anchor() const { return m_anchor; }
    size_t Caret() const { return m_caret; }
    size_t SelStart() const { return std::min(m_anchor, m_caret); }
    size_t SelEnd() const { return std::max(m_anchor, m_caret); }
    bool HasSelection() const { return m_anchor != m_caret; }
    void SetSelection(size_t anchor, size_t caret);

    // ---- editing ----
    // Replaces [from, to) by `text` and puts the caret after it; returns false if nothing changed.
    bool Replace(size_t from, size_t to, std::string_view text, EditKind kind, bool undoable);
    // Replaces everything, caret at 0, and forgets the undo record.
    void SetText(std::string_view text);

    // ---- undo: one level; undoing the undo redoes ----
    bool CanUndo() const { return m_undo.has_value(); }
    bool Undo();
    void EmptyUndo();
    // Ends the current typing group (the caret moved by other means).
    void CloseUndoGroup() { m_undoOpen = false; }

private:
    struct UndoRecord {
        size_t pos = 0;          // where the change happened
        std::string removed;     // the text it replaced
        size_t insertedLen = 0;  // how much text it put there
    };

    // Merges a change into the open typing group; false if it starts a new record.
    bool MergeIntoUndo(size_t from, size_t to, std::string_view text, EditKind kind);
    void ApplyReplace(size_t from, size_t to, std::string_view text);
    size_t NextLineStart(size_t start) const;
    // The start of the line after the first CR LF at or after `from`; npos if there is none.
    size_t NextHardBreak(size_t from) const;
    void LayoutAll();
    void Relayout(size_t from, size_t oldTo, size_t newTo);
    bool IsCrLfAt(size_t index) const;

    bool m_multiLine;
    std::string m_text;
    std::vector<size_t> m_lines{0}; // starts of the display lines, ascending, never empty
    FontMetrics m_metrics;
    int m_wrapWidth = 0;
    char m_mask = 0;
    size_t m_anchor = 0;
    size_t m_caret = 0;
    std::optional<UndoRecord> m_undo;
    bool m_undoOpen = false;
    EditKind m_lastKind = EditKind::Other;
};

} // namespace win32::user::edit
