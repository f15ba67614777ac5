#include "user/controls/font_height.h"

#include "user/controls/control_paint.h"

namespace win32::user::controls {

int FontLineHeight(HWND hwnd, HFONT font, int fallback) {
    HDC hdc = GetDC(hwnd);
    if (!hdc) {
        return fallback;
    }
    HGDIOBJ old = SelectObject(hdc, ControlFont(font));
    TEXTMETRICA metrics{};
    const bool measured = GetTextMetricsA(hdc, &metrics) != FALSE;
    SelectObject(hdc, old);
    ReleaseDC(hwnd, hdc);
    return measured && metrics.tmHeight > 0 ? static_cast<int>(metrics.tmHeight) : fallback;
}

} // namespace win32::user::controls
