#include "core/message_dialog.h"

#include "core/control_layout.h"
#include "resource.h"

#include <algorithm>
#include <array>

IMPLEMENT_DYNAMIC(CMessageDialog, CAnswerDialog)

namespace {
constexpr int kMaxButtons = 3;
// Button n (1 to 3) is control kButtonIds[n - 1].
constexpr std::array<UINT, kMaxButtons> kButtonIds = {IDC_MESSAGE_BUTTON1, IDC_MESSAGE_BUTTON2,
                                                      IDC_MESSAGE_BUTTON3};
constexpr std::array<ButtonAnswer, kMaxButtons> kAnswers = {
    {{IDC_MESSAGE_BUTTON1, 1}, {IDC_MESSAGE_BUTTON2, 2}, {IDC_MESSAGE_BUTTON3, 3}}};

// A message has no use for the separator: "|" reads as a blank.
CString WithoutSeparators(const CString &message)
{
    CString text = message;
    text.Replace('|', ' ');
    return text;
}

// The number of captions in a button list: one more than its separators, at most three.
int CaptionCount(const CString &buttons)
{
    int count = 1;
    for (int bar = buttons.Find('|'); bar >= 0 && count < kMaxButtons; bar = buttons.Find('|', bar + 1))
        ++count;
    return count;
}
} // namespace

CMessageDialog::CMessageDialog(const CString &message, const CString &buttons, int defaultButton, IconKind icon,
                               int escapeButton)
    : CAnswerDialog(IDD_MESSAGE, TRUE, kAnswers, escapeButton, WithoutSeparators(message), icon),
      m_buttons(buttons), m_defaultButton(defaultButton)
{
    // Decided here, so that a dialog whose window cannot be created answers the same.
    m_escapeAnswer = std::clamp(m_escapeAnswer, 1, CaptionCount(m_buttons));
}

int CMessageDialog::Show(const CString &message, UINT buttonsId, int defaultButton, IconKind icon,
                         int escapeButton)
{
    CString buttons;
    buttons.LoadString(buttonsId);
    CMessageDialog dialog(message, buttons, defaultButton, icon, escapeButton);
    return dialog.Run();
}

BOOL CMessageDialog::OnInitDialog()
{
    const int shown = ShowButtons();
    CentreButtons(shown);
    FitToMessage();
    CAnswerDialog::OnInitDialog();
    MakeDefault(m_defaultButton >= 1 && m_defaultButton <= shown ? m_defaultButton : 1);
    return FALSE; // the focus is on the default button
}

// Splits the button list at "|" (at most three captions) and shows a button for each caption.
int CMessageDialog::ShowButtons()
{
    int shown = 0;
    int start = 0;
    while (shown < kMaxButtons) {
        const int bar = m_buttons.Find('|', start);
        const CString caption = bar < 0 ? m_buttons.Mid(start) : m_buttons.Mid(start, bar - start);
        CWnd *button = GetDlgItem(static_cast<int>(kButtonIds[shown]));
        if (button) {
            button->SetWindowText(caption);
            button->ShowWindow(SW_SHOW);
        }
        ++shown;
        if (bar < 0)
            break;
        start = bar + 1;
    }
    return shown;
}

// Like a system message box, the buttons shown sit in the middle of the dialog, keeping their spacing.
void CMessageDialog::CentreButtons(int shown)
{
    RECT first, last, client;
    if (!GetControlRect(*this, static_cast<int>(kButtonIds[0]), first) ||
        !GetControlRect(*this, static_cast<int>(kButtonIds[shown - 1]), last))
        return;
    GetClientRect(&client);
    const int shift = (client.right - (last.right - first.left)) / 2 - first.left;
    for (int i = 0; i < shown; ++i)
        OffsetControl(*this, static_cast<int>(kButtonIds[i]), shift, 0);
}

// The message takes the height its lines need, at least the icon's; the buttons and the dialog's bottom edge
// move with it, so that a short message leaves no empty band and a long one is not cut off.
void CMessageDialog::FitToMessage()
{
    RECT text, icon;
    CWnd *textControl = GetDlgItem(IDC_MESSAGE_TEXT);
    if (!textControl || !GetControlRect(*this, IDC_MESSAGE_TEXT, text) ||
        !GetControlRect(*this, IDC_MESSAGE_ICON, icon))
        return;
    RECT needed = {0, 0, text.right - text.left, 0};
    HDC dc = ::GetDC(textControl->m_hWnd);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(textControl->SendMessage(WM_GETFONT));
    HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
    ::DrawTextA(dc, m_message, -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    if (old)
        ::SelectObject(dc, old);
    ::ReleaseDC(textControl->m_hWnd, dc);

    const int height = std::max(needed.bottom - needed.top, icon.bottom - text.top);
    const int change = height - (text.bottom - text.top);
    textControl->MoveWindow(text.left, text.top, text.right - text.left, height);
    for (UINT id : kButtonIds)
        OffsetControl(*this, static_cast<int>(id), 0, change);
    GrowWindow(*this, 0, change);
}

// The default push button takes the default style (so it paints as the default) and the focus. The dialog is
// shown and active first: activating it later would hand the focus to its first button.
void CMessageDialog::MakeDefault(int button)
{
    const UINT defaultId = kButtonIds[button - 1];
    ShowWindow(SW_SHOW);
    SetDefID(defaultId);
    for (UINT id : kButtonIds)
        SendDlgItemMessage(static_cast<int>(id), BM_SETSTYLE, id == defaultId ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON,
                           TRUE);
    GotoDlgCtrl(GetDlgItem(static_cast<int>(defaultId)));
}
