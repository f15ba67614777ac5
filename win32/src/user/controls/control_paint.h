// Painting helpers shared by the system controls: the font a control draws with, the brush and
// colours its parent chooses through WM_CTLCOLOR*, text with '&' mnemonics in the enabled or the
// disabled (grey embossed) look, and device contexts that come with the font already selected.
#pragma once
#include <windows.h>

#include <string>

namespace win32::user::controls {

// The font set with WM_SETFONT, or the system font when the control has none.
HFONT ControlFont(HFONT font);

// Sends `ctlColorMessage` (WM_CTLCOLORSTATIC, WM_CTLCOLORBTN, WM_CTLCOLOREDIT, ...) to the parent,
// which may set the DC's text and background colours and returns the background brush. When the
// parent answers with no brush, the system defaults apply (window colours for edit and list box,
// button face otherwise), with their text colours set in the DC.
HBRUSH ParentControlBrush(HWND hwnd, HDC hdc, UINT ctlColorMessage);

// Fills `rect` with a system colour.
void FillSysColor(HDC hdc, const RECT &rect, int colorIndex);
void FillSysColor(HDC hdc, int x, int y, int width, int height, int colorIndex);

// DrawTextA in the DC's current text colour with a transparent background; when `enabled` is
// false the text is embossed: a highlight copy one pixel down-right under a shadow-coloured copy.
// Returns the height of the text, as DrawTextA does.
int DrawControlText(HDC hdc, const std::string &text, RECT rect, UINT format, bool enabled);

// The rectangle DrawTextA would fill for `text` inside `bounds` with `format` (alignment applied).
RECT ControlTextBounds(HDC hdc, const std::string &text, const RECT &bounds, UINT format);

// Asks `owner` to draw an owner-drawn item (WM_DRAWITEM), keeping the DC's state as it was.
void SendDrawItem(HWND owner, DRAWITEMSTRUCT &draw);

// One row of a list or of a combo box's field: the highlight when selected, the text (grey when
// disabled) indented a little, and the focus rectangle.
void PaintItemRow(HDC hdc, const RECT &rect, const std::string &text, UINT format, bool selected, bool enabled,
                  bool focused);

// Where a ControlDc comes from: BeginPaint/EndPaint inside WM_PAINT, or GetDC/ReleaseDC for
// drawing outside it (owner-draw state changes).
enum class DcSource { Paint, Window };

// A DC for drawing a control with its font selected and a transparent text background; gives
// everything back (font, EndPaint or ReleaseDC) when it goes.
class ControlDc {
public:
    ControlDc(HWND hwnd, HFONT font, DcSource source);
    ~ControlDc();
    ControlDc(const ControlDc &) = delete;
    ControlDc &operator=(const ControlDc &) = delete;

    HDC Dc() const { return m_hdc; }
    explicit operator bool() const { return m_hdc != nullptr; }
    // The control's client rectangle.
    const RECT &Client() const { return m_client; }

private:
    HWND m_hwnd;
    DcSource m_source;
    PAINTSTRUCT m_paint{};
    HDC m_hdc = nullptr;
    RECT m_client{};
    HGDIOBJ m_oldFont = nullptr;
    int m_savedDc = 0;
};

} // namespace win32::user::controls
