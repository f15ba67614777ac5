// The "Edit" system class: single-line and multi-line text entry with selection, one-level undo,
// the clipboard, the text limit, the ES_* input styles and the EN_* notifications. The text model
// (lines, soft word wrap, selection, undo) lives in edit_buffer.h; this file is the window side.
// Not handled yet: the caret is not drawn (its place is the selection's caret end, which
// EM_POSFROMCHAR reports); scroll bars (WS_HSCROLL/WS_VSCROLL draw nothing, no EN_HSCROLL/
// EN_VSCROLL); a multi-line edit without ES_AUTOVSCROLL does not refuse text past its height;
// EM_FMTLINES soft-break markers; EM_GETHANDLE/EM_SETHANDLE; margins messages; double-click word
// selection; ES_OEMCONVERT; WM_CONTEXTMENU.
#include "user/controls/clipboard_text.h"
#include "user/controls/control_base.h"
#include "user/controls/control_paint.h"
#include "user/controls/edit_buffer.h"
#include "user/system_classes.h"

#include <cctype>
#include <cstring>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace win32::user::controls {
namespace {

using edit::EditBuffer;
using edit::EditKind;
using edit::FontMetrics;

constexpr size_t kDefaultLimit = 30000;
constexpr size_t kMaxSingleLineLimit = 0x7FFFFFFE;
constexpr size_t kMaxMultiLineLimit = 0xFFFFFFFF;
constexpr int kMargin = 1;          // pixels between the client edge and the text, left and right
constexpr int kDefaultTabUnits = 32; // dialog units between default tab stops

// Where a change comes from: the user (keyboard, clipboard keys) is refused by ES_READONLY and,
// without ES_AUTOHSCROLL, by the control's width; a program (EM_REPLACESEL) only by the limit.
enum class Source { User, Program };

int Width(const RECT &rect) {
    return rect.right - rect.left;
}

int Height(const RECT &rect) {
    return rect.bottom - rect.top;
}

FontMetrics MeasureFont(HFONT font, const std::vector<int> &tabUnits) {
    FontMetrics metrics;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) {
        metrics.widths.fill(metrics.averageWidth);
        return metrics;
    }
    HGDIOBJ old = SelectObject(dc, ControlFont(font));
    TEXTMETRICA tm{};
    if (GetTextMetricsA(dc, &tm)) {
        metrics.lineHeight = std::max<int>(1, tm.tmHeight);
        metrics.averageWidth = std::max<int>(1, tm.tmAveCharWidth);
    }
    for (int c = 0; c < 256; ++c) {
        const char ch = static_cast<char>(c);
        SIZE size{};
        metrics.widths[static_cast<size_t>(c)] =
            GetTextExtentPoint32A(dc, &ch, 1, &size) ? size.cx : metrics.averageWidth;
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    // Tab stops are kept in dialog units (a quarter of the average character width).
    const auto toPixels = [&](int units) { return units * metrics.averageWidth / 4; };
    metrics.defaultTab = std::max(1, toPixels(kDefaultTabUnits));
    if (tabUnits.size() == 1) {
        metrics.defaultTab = std::max(1, toPixels(tabUnits[0]));
    } else {
        for (int units : tabUnits) {
            const int stop = toPixels(units);
            if (metrics.tabStops.empty() || stop > metrics.tabStops.back()) {
                metrics.tabStops.push_back(stop);
            }
        }
    }
    return metrics;
}

struct Edit {
    Edit(HWND window, bool multi) : hwnd(window), multiLine(multi), buffer(multi) {}

    HWND hwnd;
    bool multiLine;
    EditBuffer buffer;
    HFONT font = nullptr;
    std::vector<int> tabUnits;
    size_t limit = kDefaultLimit;
    bool modified = false;
    bool focused = false;
    bool dialogMode = false; // the dialog manager asked WM_GETDLGCODE: Enter belongs to the dialog
    bool selecting = false;  // the mouse button is down and extends the selection
    char passwordChar = 0;
    RECT formatRect{};
    bool customRect = false;
    int scrollX = 0;              // pixels scrolled to the left
    size_t firstLine = 0;         // first visible line (multi-line)
    bool caretScrollDue = false;  // the caret moved: scroll it into view before the next use

    // ---- helpers ----
    DWORD Style() const { return WindowStyle(hwnd); }
    bool Wraps() const { return multiLine && !(Style() & ES_AUTOHSCROLL); }
    size_t MaxLimit() const { return multiLine ? kMaxMultiLineLimit : kMaxSingleLineLimit; }
    int LineHeight() const { return buffer.Metrics().lineHeight; }
    size_t VisibleLines() const { return static_cast<size_t>(std::max(1, Height(formatRect) / LineHeight())); }

    // WM_COMMAND to the parent; false when the parent destroyed this control meanwhile, in which
    // case `this` is gone and the caller must return at once.
    bool Notify(WORD code) {
        HWND self = hwnd;
        const Edit *before = this;
        NotifyParentCommand(self, code);
        return GetControlState<Edit>(self) == before;
    }

    void Invalidate() { InvalidateRect(hwnd, nullptr, FALSE); }

    void UpdateLayout() {
        if (!customRect) {
            GetClientRect(hwnd, &formatRect);
            formatRect.left += kMargin;
            formatRect.right = std::max(formatRect.left, formatRect.right - kMargin);
        }
        buffer.SetWrapWidth(Wraps() ? std::max(1, Width(formatRect)) : 0);
        CaretMoved();
    }

    void UpdateMetrics() {
        buffer.SetMetrics(MeasureFont(font, tabUnits));
        UpdateLayout();
    }

    // Vertical scrolling is cheap (a binary search); the horizontal offset needs the caret's x,
    // which costs a walk along its line, so it is settled only when drawn or asked for.
    void CaretMoved() {
        caretScrollDue = true;
        if (multiLine) {
            const size_t line = buffer.LineFromChar(buffer.Caret());
            const size_t visible = VisibleLines();
            if (line < firstLine) {
                firstLine = line;
            } else if (line >= firstLine + visible) {
                firstLine = line + 1 - visible;
            }
        }
    }

    void SettleHorizontalScroll() {
        if (!caretScrollDue) {
            return;
        }
        caretScrollDue = false;
        const int width = Width(formatRect);
        const size_t line = buffer.LineFromChar(buffer.Caret());
        if (Wraps() || buffer.LineWidth(line) <= width) {
            scrollX = 0;
            return;
        }
        const int caretX = buffer.XOfChar(buffer.Caret());
        if (caretX < scrollX) {
            scrollX = std::max(0, caretX - width / 3);
        } else if (caretX >= scrollX + width) {
            scrollX = caretX - width + width / 3 + 1;
        }
    }

    // The client x of the start of `line`, after alignment and scrolling.
    int LineOriginX(size_t line) const {
        const int width = Width(formatRect);
        const DWORD align = Style() & (ES_CENTER | ES_RIGHT);
        if (align != ES_LEFT) {
            const int lineWidth = buffer.LineWidth(line);
            if (lineWidth < width) {
                return formatRect.left + (align == ES_CENTER ? (width - lineWidth) / 2 : width - lineWidth);
            }
        }
        return formatRect.left - scrollX;
    }

    int LineTop(size_t line) const {
        return formatRect.top + (static_cast<int>(line) - static_cast<int>(firstLine)) * LineHeight();
    }

    // The character boundary and line under a client point.
    std::pair<size_t, size_t> CharFromPoint(int x, int y) {
        SettleHorizontalScroll();
        size_t line = 0;
        if (multiLine) {
            const int dy = y - formatRect.top;
            const long row = dy < 0 ? -1 - (-dy - 1) / LineHeight() : dy / LineHeight();
            const long target = static_cast<long>(firstLine) + row;
            line = static_cast<size_t>(std::clamp<long>(target, 0, static_cast<long>(buffer.LineCount()) - 1));
        }
        return {buffer.CharAtX(line, x - LineOriginX(line)), line};
    }

    void SetSelection(size_t anchor, size_t caret) {
        buffer.SetSelection(anchor, caret);
        buffer.CloseUndoGroup();
        CaretMoved();
        Invalidate();
    }

    void MoveCaret(size_t target, bool extend) { SetSelection(extend ? buffer.Anchor() : target, target); }

    // ---- changing the text ----

    // After the buffer changed: EN_UPDATE before the control shows the change, EN_CHANGE after.
    void Changed() {
        modified = true;
        CaretMoved();
        Invalidate();
        if (Notify(EN_UPDATE)) {
            Notify(EN_CHANGE);
        }
    }

    void Change(size_t from, size_t to, std::string_view text, EditKind kind, bool undoable) {
        if (buffer.Replace(from, to, text, kind, undoable)) {
            Changed();
        } else {
            CaretMoved();
            Invalidate();
        }
    }

    // How much of `text` fits in a single-line edit without ES_AUTOHSCROLL, which keeps its text
    // inside its width. A control without any width (never sized) takes everything.
    size_t FitWidth(std::string_view text) const {
        const int width = Width(formatRect);
        if (multiLine || (Style() & ES_AUTOHSCROLL) || width <= 0) {
            return text.size();
        }
        const std::string &all = buffer.Text();
        std::string_view view(all);
        int x = buffer.MeasureRun(view.substr(0, buffer.SelStart()));
        const int rest = buffer.MeasureRun(view.substr(buffer.SelEnd()));
        size_t count = 0;
        for (; count < text.size(); ++count) {
            const int advance = buffer.Advance(x, text[count]);
            if (x + advance + rest > width) {
                break;
            }
            x += advance;
        }
        return count;
    }

    // Replaces the selection by as much of `text` as the limit (and, for the user, the width and
    // ES_READONLY) allows; EN_MAXTEXT tells the parent when something was refused.
    void InsertText(std::string_view text, EditKind kind, bool undoable, Source source) {
        if (source == Source::User && (Style() & ES_READONLY)) {
            MessageBeep(MB_OK);
            return;
        }
        const size_t kept = buffer.Length() - (buffer.SelEnd() - buffer.SelStart());
        const size_t room = limit > kept ? limit - kept : 0;
        size_t fit = std::min(text.size(), room);
        if (source == Source::User) {
            fit = std::min(fit, FitWidth(text));
        }
        if (fit > 0 && fit < text.size() && text[fit - 1] == '\r' && text[fit] == '\n') {
            --fit; // never leave half a line break behind
        }
        if (fit < text.size() && !Notify(EN_MAXTEXT)) {
            return;
        }
        if (fit == 0 && !text.empty()) {
            return;
        }
        Change(buffer.SelStart(), buffer.SelEnd(), text.substr(0, fit), kind, undoable);
    }

    void ApplyCase(std::string &text) const {
        const DWORD style = Style();
        for (char &c : text) {
            const int value = static_cast<unsigned char>(c);
            if (style & ES_UPPERCASE) {
                c = static_cast<char>(std::toupper(value));
            } else if (style & ES_LOWERCASE) {
                c = static_cast<char>(std::tolower(value));
            }
        }
    }

    bool ReadOnly() const { return (Style() & ES_READONLY) != 0; }

    void Backspace() {
        if (ReadOnly()) {
            MessageBeep(MB_OK);
        } else if (buffer.HasSelection()) {
            Change(buffer.SelStart(), buffer.SelEnd(), {}, EditKind::Other, true);
        } else if (buffer.Caret() > 0) {
            Change(buffer.PrevChar(buffer.Caret()), buffer.Caret(), {}, EditKind::Backspace, true);
        }
    }

    void DeleteForward() {
        if (ReadOnly()) {
            MessageBeep(MB_OK);
        } else if (buffer.HasSelection()) {
            Change(buffer.SelStart(), buffer.SelEnd(), {}, EditKind::Other, true);
        } else if (buffer.Caret() < buffer.Length()) {
            Change(buffer.Caret(), buffer.NextChar(buffer.Caret()), {}, EditKind::Delete, true);
        }
    }

    // ---- clipboard ----

    bool CopySelection() {
        if (passwordChar || !buffer.HasSelection()) {
            return false;
        }
        return PutClipboardText(hwnd, std::string_view(buffer.Text()).substr(buffer.SelStart(),
                                                                            buffer.SelEnd() - buffer.SelStart()));
    }

    void Cut() {
        if (!ReadOnly() && CopySelection()) {
            Change(buffer.SelStart(), buffer.SelEnd(), {}, EditKind::Other, true);
        }
    }

    void Paste() {
        if (ReadOnly()) {
            return;
        }
        std::optional<std::string> text = GetClipboardText(hwnd);
        if (!text || text->empty()) {
            return;
        }
        if (!multiLine) {
            text->resize(std::min(text->size(), text->find_first_of("\r\n")));
        }
        ApplyCase(*text);
        InsertText(*text, EditKind::Other, true, Source::User);
    }

    bool UndoLast() {
        if (ReadOnly() || !buffer.Undo()) {
            return false;
        }
        Changed();
        return true;
    }

    // ---- painting ----

    void PaintRun(HDC hdc, int x, int y, int width, std::string_view text, bool selected, COLORREF textColor) {
        if (selected) {
            const RECT band{x, y, x + width, y + LineHeight()};
            FillRect(hdc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
            SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        }
        if (!text.empty() && text[0] != '\t') {
            if (passwordChar) {
                const std::string masked(text.size(), passwordChar);
                TextOutA(hdc, x, y, masked.data(), static_cast<int>(masked.size()));
            } else {
                TextOutA(hdc, x, y, text.data(), static_cast<int>(text.size()));
            }
        }
        if (selected) {
            SetTextColor(hdc, textColor);
        }
    }

    // Draws the visible part of a line in runs of equal selection state; each tab is a run of its
    // own. Characters outside the format rectangle are only measured, so a long single line costs
    // no more to draw than a short one.
    void PaintLine(HDC hdc, size_t line, bool showSelection, COLORREF textColor) {
        const std::string &text = buffer.Text();
        const size_t start = buffer.LineStart(line);
        const size_t end = start + buffer.LineLength(line);
        const size_t selStart = showSelection ? buffer.SelStart() : EditBuffer::npos;
        const size_t selEnd = showSelection ? buffer.SelEnd() : EditBuffer::npos;
        const auto isSelected = [&](size_t i) { return i >= selStart && i < selEnd; };
        const auto isTab = [&](size_t i) { return text[i] == '\t' && !passwordChar; };
        const int origin = LineOriginX(line);
        const int y = LineTop(line);
        int x = 0;
        size_t i = start;
        for (; i < end; ++i) {
            const int advance = buffer.Advance(x, text[i]);
            if (origin + x + advance > formatRect.left) {
                break;
            }
            x += advance;
        }
        while (i < end && origin + x < formatRect.right) {
            size_t runEnd = i;
            int width = 0;
            do {
                width += buffer.Advance(x + width, text[runEnd]);
                ++runEnd;
            } while (!isTab(i) && runEnd < end && !isTab(runEnd) && isSelected(runEnd) == isSelected(i) &&
                     origin + x + width < formatRect.right);
            PaintRun(hdc, origin + x, y, width, std::string_view(text.data() + i, runEnd - i), isSelected(i),
                     textColor);
            x += width;
            i = runEnd;
        }
    }

    void Paint(HDC hdc, const RECT &client) {
        const bool enabled = IsWindowEnabled(hwnd) != FALSE;
        const UINT colorMessage = (!enabled || ReadOnly()) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
        HBRUSH background = ParentControlBrush(hwnd, hdc, colorMessage);
        FillRect(hdc, &client, background);
        if (!enabled) {
            SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
        }
        const COLORREF textColor = GetTextColor(hdc);
        SetBkMode(hdc, TRANSPARENT);
        SettleHorizontalScroll();
        IntersectClipRect(hdc, formatRect.left, formatRect.top, formatRect.right, formatRect.bottom);
        const bool showSelection = buffer.HasSelection() && (focused || (Style() & ES_NOHIDESEL));
        for (size_t line = firstLine; line < buffer.LineCount() && LineTop(line) < formatRect.bottom; ++line) {
            PaintLine(hdc, line, showSelection, textColor);
        }
    }

    // ---- message handlers ----

    LRESULT OnCreate() {
        UpdateMetrics();
        return 0;
    }

    LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam) {
        HWND self = hwnd;
        DetachControlState<Edit>(self); // deletes this
        return DefWindowProcA(self, WM_NCDESTROY, wParam, lParam);
    }

    LRESULT OnPaint() {
        ControlDc dc(hwnd, font, DcSource::Paint);
        if (dc) {
            Paint(dc.Dc(), dc.Client());
        }
        return 0;
    }

    // WM_PAINT fills the whole client area with the parent's brush.
    LRESULT OnEraseBkgnd() const { return 1; }

    LRESULT OnPrintClient(WPARAM wParam) {
        HDC hdc = reinterpret_cast<HDC>(wParam);
        const int saved = SaveDC(hdc);
        SelectObject(hdc, ControlFont(font));
        RECT client{};
        GetClientRect(hwnd, &client);
        Paint(hdc, client);
        RestoreDC(hdc, saved);
        return 0;
    }

    LRESULT OnSetText(LPARAM lParam) {
        const char *text = reinterpret_cast<const char *>(lParam);
        buffer.SetText(text ? std::string_view(text) : std::string_view());
        modified = false;
        firstLine = 0;
        scrollX = 0;
        CaretMoved();
        Invalidate();
        // A multi-line edit tells its parent nothing about a program setting its text.
        if (!multiLine && Notify(EN_UPDATE)) {
            Notify(EN_CHANGE);
        }
        return TRUE;
    }

    LRESULT OnGetText(WPARAM wParam, LPARAM lParam) const {
        char *out = reinterpret_cast<char *>(lParam);
        if (!out || wParam == 0) {
            return 0;
        }
        const size_t count = std::min<size_t>(wParam - 1, buffer.Length());
        std::memcpy(out, buffer.Text().data(), count);
        out[count] = '\0';
        return static_cast<LRESULT>(count);
    }

    LRESULT OnGetTextLength() const { return static_cast<LRESULT>(buffer.Length()); }

    LRESULT OnChar(WPARAM wParam) {
        if (!IsWindowEnabled(hwnd)) {
            return 0;
        }
        const unsigned char c = static_cast<unsigned char>(wParam);
        switch (c) {
        case 3: // Ctrl+C
            CopySelection();
            return 0;
        case 22: // Ctrl+V
            Paste();
            return 0;
        case 24: // Ctrl+X
            Cut();
            return 0;
        case 26: // Ctrl+Z
            UndoLast();
            return 0;
        case VK_BACK:
            Backspace();
            return 0;
        case '\r':
            // In a dialog, Enter without ES_WANTRETURN is the default button's, not a line break.
            if (multiLine && ((Style() & ES_WANTRETURN) || !dialogMode)) {
                InsertText("\r\n", EditKind::Typing, true, Source::User);
            }
            return 0;
        case '\t':
            if (multiLine) {
                InsertText("\t", EditKind::Typing, true, Source::User);
            }
            return 0;
        default:
            break;
        }
        if (c < 32 || c == 127) {
            return 0;
        }
        if ((Style() & ES_NUMBER) && !std::isdigit(c)) {
            MessageBeep(MB_OK);
            return 0;
        }
        std::string typed(1, static_cast<char>(c));
        ApplyCase(typed);
        InsertText(typed, EditKind::Typing, true, Source::User);
        return 0;
    }

    void MoveVertically(long lines, bool extend) {
        const size_t caret = buffer.Caret();
        const size_t line = buffer.LineFromChar(caret);
        const long target = std::clamp<long>(static_cast<long>(line) + lines, 0,
                                             static_cast<long>(buffer.LineCount()) - 1);
        MoveCaret(buffer.CharAtX(static_cast<size_t>(target), buffer.XOfChar(caret)), extend);
    }

    LRESULT OnKeyDown(WPARAM key) {
        if (!IsWindowEnabled(hwnd)) {
            return 0;
        }
        const bool shift = GetKeyState(VK_SHIFT) < 0;
        const bool ctrl = GetKeyState(VK_CONTROL) < 0;
        const size_t caret = buffer.Caret();
        const size_t line = buffer.LineFromChar(caret);
        const long page = static_cast<long>(VisibleLines());
        if (!multiLine && (key == VK_UP || key == VK_DOWN)) {
            key = key == VK_UP ? VK_LEFT : VK_RIGHT; // a single line has no rows: up is left
        }
        switch (key) {
        case VK_LEFT:
            if (!shift && buffer.HasSelection()) {
                MoveCaret(buffer.SelStart(), false);
            } else {
                MoveCaret(ctrl ? buffer.PrevWord(caret) : buffer.PrevChar(caret), shift);
            }
            break;
        case VK_RIGHT:
            if (!shift && buffer.HasSelection()) {
                MoveCaret(buffer.SelEnd(), false);
            } else {
                MoveCaret(ctrl ? buffer.NextWord(caret) : buffer.NextChar(caret), shift);
            }
            break;
        case VK_HOME:
            MoveCaret(ctrl ? 0 : buffer.LineStart(line), shift);
            break;
        case VK_END:
            MoveCaret(ctrl ? buffer.Length() : buffer.LineStart(line) + buffer.LineLength(line), shift);
            break;
        case VK_UP:
            MoveVertically(-1, shift);
            break;
        case VK_DOWN:
            MoveVertically(1, shift);
            break;
        case VK_PRIOR:
            if (multiLine) {
                MoveVertically(-page, shift);
            }
            break;
        case VK_NEXT:
            if (multiLine) {
                MoveVertically(page, shift);
            }
            break;
        case VK_DELETE:
            if (shift) {
                Cut();
            } else {
                DeleteForward();
            }
            break;
        case VK_INSERT:
            if (ctrl) {
                CopySelection();
            } else if (shift) {
                Paste();
            }
            break;
        default:
            break;
        }
        return 0;
    }

    LRESULT OnGetDlgCode(LPARAM lParam) {
        LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        if (!multiLine) {
            return code;
        }
        // Only the dialog manager asks; from now on Enter without ES_WANTRETURN is not ours.
        dialogMode = true;
        code |= DLGC_WANTALLKEYS;
        const MSG *msg = reinterpret_cast<const MSG *>(lParam);
        if (msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR)) {
            // Escape, Tab and (without ES_WANTRETURN) Enter stay the dialog's: cancel, the next
            // control, the default button. Ctrl+Tab types a tab.
            const WPARAM key = msg->wParam;
            const bool dialogKey = key == VK_ESCAPE || (key == VK_TAB && GetKeyState(VK_CONTROL) >= 0) ||
                                   (key == VK_RETURN && !(Style() & ES_WANTRETURN));
            if (dialogKey) {
                code &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
            }
        }
        return code;
    }

    LRESULT OnSetFocus() {
        focused = true;
        Invalidate();
        Notify(EN_SETFOCUS);
        return 0;
    }

    LRESULT OnKillFocus() {
        focused = false;
        if (selecting) {
            selecting = false;
            ReleaseCapture();
        }
        Invalidate(); // the selection hides unless ES_NOHIDESEL
        Notify(EN_KILLFOCUS);
        return 0;
    }

    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam) {
        if (!IsWindowEnabled(hwnd)) {
            return 0;
        }
        if (GetFocus() != hwnd) {
            HWND self = hwnd;
            const Edit *before = this;
            SetFocus(self);
            if (GetControlState<Edit>(self) != before) {
                return 0;
            }
        }
        const size_t index = CharFromPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)).first;
        MoveCaret(index, (wParam & MK_SHIFT) != 0);
        selecting = true;
        SetCapture(hwnd);
        return 0;
    }

    LRESULT OnMouseMove(LPARAM lParam) {
        if (selecting && GetCapture() == hwnd) {
            MoveCaret(CharFromPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)).first, true);
        }
        return 0;
    }

    LRESULT OnLButtonUp() {
        if (selecting) {
            selecting = false;
            if (GetCapture() == hwnd) {
                ReleaseCapture();
            }
        }
        return 0;
    }

    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam) {
        font = reinterpret_cast<HFONT>(wParam);
        UpdateMetrics();
        if (LOWORD(lParam)) {
            Invalidate();
        }
        return 0;
    }

    LRESULT OnGetFont() const { return reinterpret_cast<LRESULT>(font); }

    LRESULT OnSize() {
        UpdateLayout();
        Invalidate();
        return 0;
    }

    LRESULT OnStyleChanged() {
        UpdateLayout();
        Invalidate();
        return 0;
    }

    LRESULT OnEnable() {
        Invalidate();
        return 0;
    }

    LRESULT OnCut() {
        Cut();
        return 0;
    }

    LRESULT OnCopy() {
        CopySelection();
        return 0;
    }

    LRESULT OnPaste() {
        Paste();
        return 0;
    }

    LRESULT OnClear() {
        if (!ReadOnly() && buffer.HasSelection()) {
            Change(buffer.SelStart(), buffer.SelEnd(), {}, EditKind::Other, true);
        }
        return 0;
    }

    LRESULT OnUndo() { return UndoLast() ? TRUE : FALSE; }

    LRESULT OnGetSel(WPARAM wParam, LPARAM lParam) const {
        const size_t start = buffer.SelStart();
        const size_t end = buffer.SelEnd();
        if (DWORD *out = reinterpret_cast<DWORD *>(wParam)) {
            *out = static_cast<DWORD>(start);
        }
        if (DWORD *out = reinterpret_cast<DWORD *>(lParam)) {
            *out = static_cast<DWORD>(end);
        }
        return MAKELRESULT(start, end);
    }

    LRESULT OnSetSel(WPARAM wParam, LPARAM lParam) {
        const int start = static_cast<int>(wParam);
        if (start == -1) { // removes the selection, the caret stays
            SetSelection(buffer.Caret(), buffer.Caret());
            return 0;
        }
        // Negative positions read as huge unsigned ones: the end of the text.
        const auto clampPosition = [&](int value) {
            return value < 0 ? buffer.Length() : std::min<size_t>(static_cast<size_t>(value), buffer.Length());
        };
        // The caret goes to the end given, even when it lies before the start.
        SetSelection(clampPosition(start), clampPosition(static_cast<int>(lParam)));
        return 0;
    }

    LRESULT OnReplaceSel(WPARAM wParam, LPARAM lParam) {
        const char *text = reinterpret_cast<const char *>(lParam);
        InsertText(text ? std::string_view(text) : std::string_view(), EditKind::Other, wParam != 0,
                   Source::Program);
        return 0;
    }

    LRESULT OnLimitText(WPARAM wParam) {
        limit = wParam == 0 ? MaxLimit() : std::min<size_t>(wParam, MaxLimit());
        return 0;
    }

    LRESULT OnGetLimitText() const { return static_cast<LRESULT>(limit); }

    LRESULT OnGetLineCount() const { return multiLine ? static_cast<LRESULT>(buffer.LineCount()) : 1; }

    LRESULT OnLineIndex(WPARAM wParam) const {
        const int requested = static_cast<int>(wParam);
        const size_t line = requested == -1 ? buffer.LineFromChar(buffer.Caret()) : static_cast<size_t>(requested);
        if (requested < -1 || line >= buffer.LineCount()) {
            return -1;
        }
        return static_cast<LRESULT>(buffer.LineStart(line));
    }

    LRESULT OnLineLength(WPARAM wParam) const {
        if (!multiLine) {
            return static_cast<LRESULT>(buffer.Length());
        }
        if (static_cast<int>(wParam) == -1) { // the unselected characters of the selected lines
            const size_t first = buffer.LineFromChar(buffer.SelStart());
            const size_t last = buffer.LineFromChar(buffer.SelEnd());
            const size_t lastEnd = buffer.LineStart(last) + buffer.LineLength(last);
            const size_t after = lastEnd > buffer.SelEnd() ? lastEnd - buffer.SelEnd() : 0;
            return static_cast<LRESULT>(buffer.SelStart() - buffer.LineStart(first) + after);
        }
        const size_t index = std::min<size_t>(wParam, buffer.Length());
        return static_cast<LRESULT>(buffer.LineLength(buffer.LineFromChar(index)));
    }

    LRESULT OnLineFromChar(WPARAM wParam) const {
        if (!multiLine) {
            return 0;
        }
        const size_t index = static_cast<int>(wParam) == -1 ? buffer.SelStart()
                                                             : std::min<size_t>(wParam, buffer.Length());
        return static_cast<LRESULT>(buffer.LineFromChar(index));
    }

    // The first WORD of the buffer holds its size in characters; no terminator is added.
    LRESULT OnGetLine(WPARAM wParam, LPARAM lParam) const {
        char *out = reinterpret_cast<char *>(lParam);
        if (!out) {
            return 0;
        }
        WORD size = 0;
        std::memcpy(&size, out, sizeof size);
        const size_t line = multiLine ? static_cast<size_t>(wParam) : 0;
        if (line >= buffer.LineCount()) {
            return 0;
        }
        const size_t count = std::min<size_t>(size, buffer.LineLength(line));
        std::memcpy(out, buffer.Text().data() + buffer.LineStart(line), count);
        return static_cast<LRESULT>(count);
    }

    LRESULT OnGetFirstVisibleLine() {
        if (multiLine) {
            return static_cast<LRESULT>(firstLine);
        }
        SettleHorizontalScroll();
        return static_cast<LRESULT>(buffer.CharAtX(0, scrollX));
    }

    LRESULT OnLineScroll(WPARAM wParam, LPARAM lParam) {
        if (!multiLine) {
            return FALSE;
        }
        const long last = static_cast<long>(buffer.LineCount()) - 1;
        firstLine = static_cast<size_t>(std::clamp<long>(static_cast<long>(firstLine) + static_cast<long>(lParam), 0, last));
        if (!Wraps()) {
            SettleHorizontalScroll();
            scrollX = std::max(0, scrollX + static_cast<int>(wParam) * buffer.Metrics().averageWidth);
        }
        Invalidate();
        return TRUE;
    }

    LRESULT OnScroll(WPARAM wParam) {
        if (!multiLine) {
            return FALSE;
        }
        const long page = static_cast<long>(VisibleLines());
        long delta = 0;
        switch (wParam) {
        case SB_LINEUP:
            delta = -1;
            break;
        case SB_LINEDOWN:
            delta = 1;
            break;
        case SB_PAGEUP:
            delta = -page;
            break;
        case SB_PAGEDOWN:
            delta = page;
            break;
        default:
            return FALSE;
        }
        const size_t before = firstLine;
        OnLineScroll(0, delta);
        return MAKELRESULT(static_cast<WORD>(static_cast<long>(firstLine) - static_cast<long>(before)), TRUE);
    }

    LRESULT OnScrollCaret() {
        caretScrollDue = false;
        CaretMoved();
        SettleHorizontalScroll();
        Invalidate();
        return TRUE;
    }

    LRESULT OnPosFromChar(WPARAM wParam) {
        if (wParam >= buffer.Length()) {
            return -1;
        }
        SettleHorizontalScroll();
        const size_t line = buffer.LineFromChar(wParam);
        const int x = LineOriginX(line) + buffer.XOfChar(wParam);
        return MAKELRESULT(static_cast<short>(x), static_cast<short>(LineTop(line)));
    }

    LRESULT OnCharFromPos(LPARAM lParam) {
        const auto [index, line] = CharFromPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return MAKELRESULT(index, line);
    }

    LRESULT OnGetRect(LPARAM lParam) const {
        if (RECT *out = reinterpret_cast<RECT *>(lParam)) {
            *out = formatRect;
        }
        return 0;
    }

    LRESULT OnSetRect(LPARAM lParam) {
        const RECT *rect = reinterpret_cast<const RECT *>(lParam);
        customRect = rect != nullptr;
        if (rect) {
            formatRect = *rect;
        }
        UpdateLayout();
        Invalidate();
        return 0;
    }

    LRESULT OnGetModify() const { return modified ? TRUE : FALSE; }

    LRESULT OnCanUndo() const { return buffer.CanUndo() ? TRUE : FALSE; }

    // Soft-break markers are never inserted into the text; the flag is only echoed.
    LRESULT OnFmtLines(WPARAM wParam) const { return wParam != 0 ? TRUE : FALSE; }

    LRESULT OnSetModify(WPARAM wParam) {
        modified = wParam != 0;
        return 0;
    }

    LRESULT OnEmptyUndoBuffer() {
        buffer.EmptyUndo();
        return 0;
    }

    // Password characters apply to single-line edits only; the ES_PASSWORD bit follows them.
    LRESULT OnSetPasswordChar(WPARAM wParam) {
        if (multiLine) {
            return 0;
        }
        passwordChar = static_cast<char>(wParam);
        const DWORD style = Style();
        SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(passwordChar ? style | ES_PASSWORD : style & ~ES_PASSWORD));
        buffer.SetMaskChar(passwordChar);
        CaretMoved();
        Invalidate();
        return 0;
    }

    LRESULT OnGetPasswordChar() const { return static_cast<unsigned char>(passwordChar); }

    LRESULT OnSetReadOnly(WPARAM wParam) {
        const DWORD style = Style();
        SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(wParam ? style | ES_READONLY : style & ~ES_READONLY));
        Invalidate();
        return TRUE;
    }

    LRESULT OnSetTabStops(WPARAM wParam, LPARAM lParam) {
        if (!multiLine) {
            return FALSE;
        }
        const int *stops = reinterpret_cast<const int *>(lParam);
        tabUnits.assign(stops && wParam ? stops : nullptr, stops && wParam ? stops + wParam : nullptr);
        UpdateMetrics();
        Invalidate();
        return TRUE;
    }
};

LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const CREATESTRUCTA *create = reinterpret_cast<const CREATESTRUCTA *>(lParam);
    if (!create) {
        return FALSE;
    }
    Edit *edit = nullptr;
    try {
        const bool multiLine = (create->style & ES_MULTILINE) != 0;
        edit = new Edit(hwnd, multiLine);
        const char *text = create->lpszName;
        // A name given as a resource ordinal (0xFF, id) is no text.
        if (text && static_cast<unsigned char>(text[0]) != 0xFF) {
            edit->buffer.SetText(text);
        }
        if (!multiLine && (create->style & ES_PASSWORD)) {
            edit->passwordChar = '*';
            edit->buffer.SetMaskChar('*');
        }
    } catch (const std::exception &) {
        delete edit;
        return FALSE;
    }
    SetWindowLongA(hwnd, 0, static_cast<LONG>(reinterpret_cast<LONG_PTR>(edit)));
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

LRESULT Dispatch(Edit &edit, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return edit.OnCreate();
    case WM_NCDESTROY:
        return edit.OnNcDestroy(wParam, lParam);
    case WM_PAINT:
        return edit.OnPaint();
    case WM_PRINTCLIENT:
        return edit.OnPrintClient(wParam);
    case WM_ERASEBKGND:
        return edit.OnEraseBkgnd();
    case WM_SETTEXT:
        return edit.OnSetText(lParam);
    case WM_GETTEXT:
        return edit.OnGetText(wParam, lParam);
    case WM_GETTEXTLENGTH:
        return edit.OnGetTextLength();
    case WM_CHAR:
        return edit.OnChar(wParam);
    case WM_KEYDOWN:
        return edit.OnKeyDown(wParam);
    case WM_GETDLGCODE:
        return edit.OnGetDlgCode(lParam);
    case WM_SETFOCUS:
        return edit.OnSetFocus();
    case WM_KILLFOCUS:
        return edit.OnKillFocus();
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return edit.OnLButtonDown(wParam, lParam);
    case WM_MOUSEMOVE:
        return edit.OnMouseMove(lParam);
    case WM_LBUTTONUP:
        return edit.OnLButtonUp();
    case WM_SETFONT:
        return edit.OnSetFont(wParam, lParam);
    case WM_GETFONT:
        return edit.OnGetFont();
    case WM_SIZE:
        return edit.OnSize();
    case WM_STYLECHANGED:
        return edit.OnStyleChanged();
    case WM_ENABLE:
        return edit.OnEnable();
    case WM_CUT:
        return edit.OnCut();
    case WM_COPY:
        return edit.OnCopy();
    case WM_PASTE:
        return edit.OnPaste();
    case WM_CLEAR:
        return edit.OnClear();
    case WM_UNDO:
    case EM_UNDO:
        return edit.OnUndo();
    case EM_CANUNDO:
        return edit.OnCanUndo();
    case EM_EMPTYUNDOBUFFER:
        return edit.OnEmptyUndoBuffer();
    case EM_GETSEL:
        return edit.OnGetSel(wParam, lParam);
    case EM_SETSEL:
        return edit.OnSetSel(wParam, lParam);
    case EM_REPLACESEL:
        return edit.OnReplaceSel(wParam, lParam);
    case EM_LIMITTEXT:
        return edit.OnLimitText(wParam);
    case EM_GETLIMITTEXT:
        return edit.OnGetLimitText();
    case EM_GETMODIFY:
        return edit.OnGetModify();
    case EM_SETMODIFY:
        return edit.OnSetModify(wParam);
    case EM_GETLINECOUNT:
        return edit.OnGetLineCount();
    case EM_LINEINDEX:
        return edit.OnLineIndex(wParam);
    case EM_LINELENGTH:
        return edit.OnLineLength(wParam);
    case EM_LINEFROMCHAR:
        return edit.OnLineFromChar(wParam);
    case EM_GETLINE:
        return edit.OnGetLine(wParam, lParam);
    case EM_GETFIRSTVISIBLELINE:
        return edit.OnGetFirstVisibleLine();
    case EM_LINESCROLL:
        return edit.OnLineScroll(wParam, lParam);
    case EM_SCROLL:
        return edit.OnScroll(wParam);
    case EM_SCROLLCARET:
        return edit.OnScrollCaret();
    case EM_POSFROMCHAR:
        return edit.OnPosFromChar(wParam);
    case EM_CHARFROMPOS:
        return edit.OnCharFromPos(lParam);
    case EM_GETRECT:
        return edit.OnGetRect(lParam);
    case EM_SETRECT:
        return edit.OnSetRect(lParam);
    case EM_SETPASSWORDCHAR:
        return edit.OnSetPasswordChar(wParam);
    case EM_GETPASSWORDCHAR:
        return edit.OnGetPasswordChar();
    case EM_SETREADONLY:
        return edit.OnSetReadOnly(wParam);
    case EM_SETTABSTOPS:
        return edit.OnSetTabStops(wParam, lParam);
    case EM_FMTLINES:
        return edit.OnFmtLines(wParam);
    default:
        return DefWindowProcA(edit.hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK EditWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        return OnNcCreate(hwnd, wParam, lParam);
    }
    Edit *edit = GetControlState<Edit>(hwnd);
    if (!edit) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    try {
        return Dispatch(*edit, message, wParam, lParam);
    } catch (const std::bad_alloc &) {
        NotifyParentCommand(hwnd, EN_ERRSPACE);
    } catch (const std::length_error &) {
        NotifyParentCommand(hwnd, EN_ERRSPACE);
    }
    return 0;
}

WNDCLASSA EditClass() {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = EditWndProc;
    wc.cbWndExtra = sizeof(void *);
    wc.lpszClassName = "Edit";
    return wc;
}

const SystemClassRegistrar g_editClass(EditClass());

} // namespace
} // namespace win32::user::controls
