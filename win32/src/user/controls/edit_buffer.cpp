#include "user/controls/edit_buffer.h"

#include <cstring>

namespace win32::user::edit {

namespace {

bool IsWordChar(char c) {
    return c != ' ' && c != '\t' && c != '\r' && c != '\n';
}

} // namespace

int FontMetrics::NextTabStop(int x) const {
    for (int stop : tabStops) {
        if (stop > x) {
            return stop;
        }
    }
    const int base = tabStops.empty() ? 0 : tabStops.back();
    const int step = defaultTab > 0 ? defaultTab : 1;
    return base + ((x - base) / step + 1) * step;
}

EditBuffer::EditBuffer(bool multiLine) : m_multiLine(multiLine) {}

// ---- layout ----

void EditBuffer::SetMetrics(const FontMetrics &metrics) {
    m_metrics = metrics;
    LayoutAll();
}

void EditBuffer::SetWrapWidth(int pixels) {
    const int width = std::max(pixels, 0);
    if (width != m_wrapWidth) {
        m_wrapWidth = width;
        LayoutAll();
    }
}

void EditBuffer::SetMaskChar(char mask) {
    if (mask != m_mask) {
        m_mask = mask;
        LayoutAll();
    }
}

int EditBuffer::Advance(int x, char c) const {
    if (m_mask) {
        c = m_mask;
    } else if (c == '\t') {
        return m_metrics.NextTabStop(x) - x;
    }
    return m_metrics.widths[static_cast<unsigned char>(c)];
}

bool EditBuffer::IsCrLfAt(size_t index) const {
    return m_multiLine && index + 1 < m_text.size() && m_text[index] == '\r' && m_text[index + 1] == '\n';
}

// Where the display line after the one starting at `start` begins, or npos when it is the last.
// The answer depends only on the text from `start` on, which lets Relayout stop early.
size_t EditBuffer::NextLineStart(size_t start) const {
    if (!m_multiLine) {
        return npos;
    }
    if (m_wrapWidth == 0) {
        return NextHardBreak(start);
    }
    const size_t size = m_text.size();
    int x = 0;
    size_t lastBreak = npos;
    for (size_t i = start; i < size; ++i) {
        if (IsCrLfAt(i)) {
            return i + 2;
        }
        const char c = m_text[i];
        if (m_wrapWidth > 0) {
            const int advance = Advance(x, c);
            if (x + advance > m_wrapWidth && i > start) {
                if (c == ' ') {
                    // Spaces at a soft break hang past the edge on the line they end.
                    size_t next = i;
                    while (next < size && m_text[next] == ' ') {
                        ++next;
                    }
                    if (next >= size) {
                        return npos;
                    }
                    return IsCrLfAt(next) ? next + 2 : next;
                }
                return lastBreak != npos ? lastBreak : i;
            }
            x += advance;
            if (c == ' ' || c == '\t') {
                lastBreak = i + 1;
            }
        }
    }
    return npos;
}

size_t EditBuffer::NextHardBreak(size_t from) const {
    const char *const data = m_text.data();
    const size_t size = m_text.size();
    while (from < size) {
        const void *found = std::memchr(data + from, '\r', size - from);
        if (!found) {
            return npos;
        }
        const size_t at = static_cast<size_t>(static_cast<const char *>(found) - data);
        if (IsCrLfAt(at)) {
            return at + 2;
        }
        from = at + 1;
    }
    return npos;
}

void EditBuffer::LayoutAll() {
    m_lines.assign(1, 0);
    for (size_t next = NextLineStart(0); next != npos; next = NextLineStart(next)) {
        m_lines.push_back(next);
    }
}

// After [from, oldTo) of the old text became [from, newTo): lays out again from the line before
// the change until a new line start coincides with an old one in the unchanged tail; the rest is
// then the old layout shifted. Typing thus costs about one line, not the whole text.
void EditBuffer::Relayout(size_t from, size_t oldTo, size_t newTo) {
    if (!m_multiLine) {
        return;
    }
    auto firstAfter = std::upper_bound(m_lines.begin(), m_lines.end(), from);
    size_t startLine = static_cast<size_t>(firstAfter - m_lines.begin()) - 1;
    if (startLine > 0 && m_wrapWidth > 0) {
        --startLine; // a shorter first word may now fit on the line above
    }
    // Without wrapping only line breaks end lines: the search for the first one may start just
    // before the change (a CR there may now pair with an inserted LF).
    size_t next = m_wrapWidth > 0 ? NextLineStart(m_lines[startLine])
                                  : NextHardBreak(std::max(m_lines[startLine], from > 0 ? from - 1 : 0));
    std::vector<size_t> middle;
    size_t tailIndex = m_lines.size(); // first old line that survives (shifted)
    for (; next != npos; next = NextLineStart(next)) {
        if (next >= newTo) {
            const size_t oldStart = next - newTo + oldTo;
            auto found = std::lower_bound(m_lines.begin() + static_cast<std::ptrdiff_t>(startLine) + 1, m_lines.end(),
                                          oldStart);
            if (found != m_lines.end() && *found == oldStart) {
                tailIndex = static_cast<size_t>(found - m_lines.begin());
                break;
            }
        }
        middle.push_back(next);
    }
    // Splice the new middle in and shift the surviving tail in place: this runs for every typed
    // character, so no copy of the whole table.
    const auto first = m_lines.begin() + static_cast<std::ptrdiff_t>(startLine) + 1;
    const auto pos = m_lines.erase(first, m_lines.begin() + static_cast<std::ptrdiff_t>(tailIndex));
    const auto tail = m_lines.insert(pos, middle.begin(), middle.end()) + static_cast<std::ptrdiff_t>(middle.size());
    if (newTo != oldTo) {
        size_t *start = m_lines.data() + (tail - m_lines.begin());
        size_t *const end = m_lines.data() + m_lines.size();
        for (; start != end; ++start) {
            *start = *start - oldTo + newTo;
        }
    }
}

size_t EditBuffer::LineStart(size_t line) const {
    return line < m_lines.size() ? m_lines[line] : npos;
}

size_t EditBuffer::LineLength(size_t line) const {
    if (line >= m_lines.size()) {
        return 0;
    }
    size_t end = line + 1 < m_lines.size() ? m_lines[line + 1] : m_text.size();
    if (line + 1 < m_lines.size() && end >= 2 && IsCrLfAt(end - 2)) {
        end -= 2;
    }
    return end - m_lines[line];
}

size_t EditBuffer::LineFromChar(size_t index) const {
    auto after = std::upper_bound(m_lines.begin(), m_lines.end(), index);
    return static_cast<size_t>(after - m_lines.begin()) - 1;
}

int EditBuffer::XOfChar(size_t index) const {
    const size_t line = LineFromChar(index);
    int x = 0;
    const size_t end = std::min(index, m_text.size());
    for (size_t i = m_lines[line]; i < end; ++i) {
        x += Advance(x, m_text[i]);
    }
    return x;
}

int EditBuffer::LineWidth(size_t line) const {
    if (line >= m_lines.size()) {
        return 0;
    }
    const size_t start = m_lines[line];
    int x = 0;
    for (size_t i = start, end = start + LineLength(line); i < end; ++i) {
        x += Advance(x, m_text[i]);
    }
    return x;
}

int EditBuffer::MeasureRun(std::string_view text) const {
    int x = 0;
    for (char c : text) {
        x += Advance(x, c);
    }
    return x;
}

size_t EditBuffer::CharAtX(size_t line, int x) const {
    if (line >= m_lines.size()) {
        line = m_lines.size() - 1;
    }
    const size_t start = m_lines[line];
    const size_t end = start + LineLength(line);
    int left = 0;
    for (size_t i = start; i < end; ++i) {
        const int advance = Advance(left, m_text[i]);
        if (x < left + advance / 2 + advance % 2) {
            return i;
        }
        left += advance;
    }
    // A soft-wrapped line's end is the next line's start; keep the caret on this line.
    if (line + 1 < m_lines.size() && end == m_lines[line + 1] && end > start) {
        return end - 1;
    }
    return end;
}

// ---- caret movement ----

size_t EditBuffer::PrevChar(size_t index) const {
    if (index == 0) {
        return 0;
    }
    index = std::min(index, m_text.size());
    return index >= 2 && IsCrLfAt(index - 2) ? index - 2 : index - 1;
}

size_t EditBuffer::NextChar(size_t index) const {
    if (index >= m_text.size()) {
        return m_text.size();
    }
    return IsCrLfAt(index) ? index + 2 : index + 1;
}

size_t EditBuffer::PrevWord(size_t index) const {
    index = std::min(index, m_text.size());
    while (index > 0 && !IsWordChar(m_text[index - 1])) {
        --index;
    }
    while (index > 0 && IsWordChar(m_text[index - 1])) {
        --index;
    }
    return index;
}

size_t EditBuffer::NextWord(size_t index) const {
    const size_t size = m_text.size();
    while (index < size && IsWordChar(m_text[index])) {
        ++index;
    }
    while (index < size && !IsWordChar(m_text[index])) {
        ++index;
    }
    return std::min(index, size);
}

void EditBuffer::SetSelection(size_t anchor, size_t caret) {
    m_anchor = std::min(anchor, m_text.size());
    m_caret = std::min(caret, m_text.size());
}

// ---- editing ----

void EditBuffer::ApplyReplace(size_t from, size_t to, std::string_view text) {
    m_text.replace(from, to - from, text.data(), text.size());
    Relayout(from, to, from + text.size());
    m_anchor = m_caret = from + text.size();
}

bool EditBuffer::MergeIntoUndo(size_t from, size_t to, std::string_view text, EditKind kind) {
    if (!m_undo || !m_undoOpen) {
        return false;
    }
    UndoRecord &undo = *m_undo;
    const size_t insertedEnd = undo.pos + undo.insertedLen;
    if (kind == EditKind::Typing && m_lastKind == EditKind::Typing && from == to && from == insertedEnd) {
        undo.insertedLen += text.size();
        return true;
    }
    if (kind == EditKind::Backspace && text.empty()) {
        if (to == insertedEnd && from >= undo.pos) { // backspacing over what was just typed
            undo.insertedLen -= to - from;
            return true;
        }
        if (to == undo.pos && undo.insertedLen == 0) { // backspacing further left
            undo.removed.insert(0, m_text, from, to - from);
            undo.pos = from;
            return true;
        }
    }
    if (kind == EditKind::Delete && m_lastKind == EditKind::Delete && text.empty() && from == undo.pos &&
        undo.insertedLen == 0) {
        undo.removed.append(m_text, from, to - from);
        return true;
    }
    return false;
}

bool EditBuffer::Replace(size_t from, size_t to, std::string_view text, EditKind kind, bool undoable) {
    to = std::min(to, m_text.size());
    from = std::min(from, to);
    if (from == to && text.empty()) {
        return false;
    }
    if (m_text.compare(from, to - from, text) == 0) {
        m_anchor = m_caret = to;
        return false;
    }
    if (!undoable) {
        m_undo.reset();
    } else if (!MergeIntoUndo(from, to, text, kind)) {
        m_undo = UndoRecord{from, m_text.substr(from, to - from), text.size()};
    }
    m_undoOpen = undoable && kind != EditKind::Other;
    m_lastKind = kind;
    ApplyReplace(from, to, text);
    return true;
}

void EditBuffer::SetText(std::string_view text) {
    m_text.assign(text.data(), text.size());
    LayoutAll();
    m_anchor = m_caret = 0;
    EmptyUndo();
}

bool EditBuffer::Undo() {
    if (!m_undo) {
        return false;
    }
    UndoRecord record = std::move(*m_undo);
    record.pos = std::min(record.pos, m_text.size());
    const size_t end = std::min(record.pos + record.insertedLen, m_text.size());
    std::string inserted = m_text.substr(record.pos, end - record.pos);
    ApplyReplace(record.pos, end, record.removed);
    // The restored text comes back selected; undoing again puts back what was just taken out.
    m_anchor = record.pos;
    m_caret = record.pos + record.removed.size();
    m_undo = UndoRecord{record.pos, std::move(inserted), record.removed.size()};
    m_undoOpen = false;
    m_lastKind = EditKind::Other;
    return true;
}

void EditBuffer::EmptyUndo() {
    m_undo.reset();
    m_undoOpen = false;
    m_lastKind = EditKind::Other;
}

} // namespace win32::user::edit
