#include "core/colour_button.h"

#include "core/library_state.h"
#include "core/main_frame.h"

#include <commdlg.h>

IMPLEMENT_DYNAMIC(CColourButton, CButton)

namespace {
enum class ButtonLook { Normal, Pressed, Focused };

// Selection changes draw the button pressed or, once released, focused; a focus change draws it focused only
// while it has the focus. Everything else (a whole repaint included) draws it plain.
ButtonLook LookOf(const DRAWITEMSTRUCT &item)
{
    if (item.itemAction & ODA_SELECT)
        return (item.itemState & ODS_SELECTED) ? ButtonLook::Pressed : ButtonLook::Focused;
    if ((item.itemAction & ODA_FOCUS) && (item.itemState & ODS_FOCUS))
        return ButtonLook::Focused;
    return ButtonLook::Normal;
}

HBRUSH BlackBrush() { return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)); }

void FillStrip(HDC dc, int left, int top, int right, int bottom, HBRUSH brush)
{
    RECT strip{left, top, right, bottom};
    FillRect(dc, &strip, brush);
}

// One-pixel edges just inside `rect`: `topLeft` along the top and left, `bottomRight` along the bottom and
// right, so that the button looks raised (white above) or sunk (shadow above).
void DrawEdges(HDC dc, const RECT &rect, HBRUSH topLeft, HBRUSH bottomRight)
{
    FillStrip(dc, rect.left, rect.top, rect.right - 1, rect.top + 1, topLeft);
    FillStrip(dc, rect.left, rect.top, rect.left + 1, rect.bottom - 1, topLeft);
    FillStrip(dc, rect.left, rect.bottom - 1, rect.right, rect.bottom, bottomRight);
    FillStrip(dc, rect.right - 1, rect.top, rect.right, rect.bottom, bottomRight);
}

// A disabled button keeps its colour visible under a grid of shadow dots.
void DrawDisabledDots(HDC dc, const RECT &client)
{
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    for (int y = client.top; y < client.bottom; y += 2)
        for (int x = client.left; x < client.right; x += 2)
            SetPixel(dc, x, y, shadow);
}

// The chooser belongs to the library main window (the host's window), like every window of the library.
HWND ChooserOwner()
{
    const CMainFrame *frame = Library().mainFrame;
    return frame && frame->m_hWnd ? frame->m_hWnd : HostMainWindow();
}

// The modeller's custom colours stay for the life of the process, from one chooser to the next.
COLORREF *CustomColours()
{
    static COLORREF colours[16] = {
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    };
    return colours;
}

CColourButton *FindColourButton(CWnd *dialog, int id)
{
    if (!dialog || !dialog->m_hWnd)
        return nullptr;
    HWND control = ::GetDlgItem(dialog->m_hWnd, id);
    return control ? dynamic_cast<CColourButton *>(CWnd::FromHandlePermanent(control)) : nullptr;
}
} // namespace

void CColourButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    if (!item || !item->hDC)
        return;
    HDC dc = item->hDC;
    const RECT client = item->rcItem;
    const ButtonLook look = LookOf(*item);
    const bool raised = look != ButtonLook::Pressed;
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    HBRUSH shadow = GetSysColorBrush(COLOR_BTNSHADOW);

    FrameRect(dc, &client, BlackBrush());
    RECT edges = client;
    const int inset = look == ButtonLook::Normal ? 1 : 2;
    InflateRect(&edges, -inset, -inset);
    DrawEdges(dc, edges, raised ? white : shadow, raised ? shadow : white);

    RECT inner = edges;
    InflateRect(&inner, -1, -1);
    if (HBRUSH fill = CreateSolidBrush(m_colour)) {
        FillRect(dc, &inner, fill);
        DeleteObject(fill);
    }
    if (look != ButtonLook::Normal) {
        RECT frame = client;
        InflateRect(&frame, -1, -1);
        FrameRect(dc, &frame, BlackBrush());
    }
    if (item->itemState & ODS_DISABLED)
        DrawDisabledDots(dc, client);
}

int CColourButton::ChooseColour(CWnd *owner)
{
    CHOOSECOLORA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = ChooserOwner();
    chooser.rgbResult = m_colour;
    chooser.lpCustColors = CustomColours();
    chooser.Flags = CC_RGBINIT;

    const bool ownerOpen = owner && owner->m_hWnd && ::IsWindow(owner->m_hWnd);
    if (ownerOpen)
        owner->EnableWindow(FALSE);
    const int result = ChooseColorA(&chooser) ? 1 : 0;
    if (result == 1)
        SetColour(chooser.rgbResult);
    if (ownerOpen && ::IsWindow(owner->m_hWnd)) {
        owner->EnableWindow(TRUE);
        owner->SetActiveWindow();
    }
    return result;
}

void CColourButton::SetColour(COLORREF colour)
{
    m_colour = colour;
    if (m_hWnd) {
        Invalidate(FALSE);
        UpdateWindow();
    }
}

void DDX_Colour(CDataExchange *dx, int id, COLORREF &colour)
{
    if (!dx)
        return;
    CColourButton *button = FindColourButton(dx->m_pDlgWnd, id);
    if (!button) {
        CString text;
        text.Format("Error in DDX_Colour: ID: %d not found!", id);
        FrameworkMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (dx->m_bSaveAndValidate)
        colour = button->GetColour();
    else
        button->SetColour(colour);
}
