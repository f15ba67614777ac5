// CColourButton: an owner-drawn push button that shows a colour and lets the modeller pick another one in the
// system colour chooser. DDX_Colour exchanges a dialog's colour member with the button bound to a control.
#pragma once
#include <framework/framework.h>

class CColourButton : public CButton {
    DECLARE_DYNAMIC(CColourButton)
public:
    CColourButton() = default;
    ~CColourButton() override = default;

    void DrawItem(LPDRAWITEMSTRUCT item) override;
    // Opens the colour chooser preset to the button's colour, owned by the library main window, with `owner`
    // (the dialog that holds the button) disabled while it is open and activated again afterwards. On OK the
    // button takes the chosen colour and repaints. Returns the chooser's result: 1 for OK.
    virtual int ChooseColour(CWnd *owner);

    COLORREF GetColour() const { return m_colour; }
    // Takes `colour` and repaints.
    void SetColour(COLORREF colour);

private:
    COLORREF m_colour = RGB(0, 0, 0);
};

// Load: the colour button `id` of the dialog takes `colour`. Save: `colour` takes the button's colour. The
// button must have been bound to its control before (DDX_Control or SubclassDlgItem); when the dialog has no
// colour button with that identifier, a message names it and the exchange goes on.
void DDX_Colour(CDataExchange *dx, int id, COLORREF &colour);
