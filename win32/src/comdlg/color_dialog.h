// The colour dialog's procedure and state: the current colour shown as a swatch, as RGB and HLS values
// and as a position in the spectrum; the basic and custom colour cells; the custom part that opens on
// demand; the application's hook (CC_ENABLEHOOK) consulted before each message.
#pragma once
#include "comdlg/color_cell_grid.h"
#include "comdlg/color_hls.h"
#include "comdlg/color_hue_map.h"

#include <colordlg.h>
#include <commdlg.h>

namespace win32::comdlg {

class ColorDialog {
public:
    explicit ColorDialog(CHOOSECOLORA &cc);
    ColorDialog(const ColorDialog &) = delete;
    ColorDialog &operator=(const ColorDialog &) = delete;

    // The dialog procedure; WM_INITDIALOG's lParam is the ColorDialog.
    static INT_PTR CALLBACK Proc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    // Which values the user is editing: those are not rewritten while the others follow them.
    enum class Source { Program, RgbEdits, HlsEdits };
    enum class Drag { None, Rainbow, Lum };

    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR OnInitDialog(WPARAM focus);
    void OnCommand(WORD id, WORD code);
    void OnDrawItem(const DRAWITEMSTRUCT &item);
    void OnMouse(POINT point, bool press);
    void OnOk();
    void OnHelp();
    void AddToCustomColors();

    void SetCustomPartOpen(bool open);
    void SetRgb(COLORREF color, Source from);
    void SetHls(const Hls &hls, Source from);
    void ShowValues(Source from);
    void OnValueEdited(int id);
    void Repaint(int id);
    void EnsureOwnerDrawn(int id);
    // True when `point` (dialog client coordinates) lies in the visible control `id`; its client
    // rectangle and the point in its coordinates are returned.
    bool HitControl(int id, POINT point, RECT *box, POINT *local) const;
    bool HasHook() const;
    UINT_PTR CallHook(UINT msg, WPARAM wParam, LPARAM lParam);

    CHOOSECOLORA &m_cc;
    HWND m_hwnd = nullptr;
    COLORREF m_color = 0;
    Hls m_hls;
    COLORREF m_ownCustom[NUM_CUSTOM_COLORS] = {};
    COLORREF *m_custom;          // the caller's custom colours, or m_ownCustom when it gave none
    int m_basicSelected = -1;
    int m_customSelected = -1;
    int m_customSlot = 0;        // where "Add to Custom Colors" writes next
    bool m_updating = false;     // the dialog itself is rewriting the edits
    bool m_open = false;
    int m_fullWidth = 0;         // the window's width with the custom part open
    int m_leftWidth = 0;         // the left part's client width in pixels
    Drag m_drag = Drag::None;
    ColorCellGrid m_basicGrid{6, 8};
    ColorCellGrid m_customGrid{2, 8};
    ColorSpectrum m_spectrum;
    UINT m_colorOkMessage;
    UINT m_setRgbMessage;
    UINT m_helpMessage;
};

} // namespace win32::comdlg
