// The colour button and its data exchange: choosing a colour in the system chooser (owned by the host window,
// the dialog disabled meanwhile), host colour indexes converted in and out, the button's picture in each of
// its looks, and the message for a colour exchange with no such control.
#include "colour_chooser_steps.h"
#include "fake_host.h"
#include "png_writer.h"
#include "testkit.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {
constexpr int kCancel = 2;
constexpr int kMessageTextId = 0xFFFF; // the text of a system message box
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

COLORREF Shadow() { return GetSysColor(COLOR_BTNSHADOW); }

// A bitmap to paint into and read back.
class Canvas {
public:
    Canvas(int width, int height)
    {
        HDC screen = GetDC(nullptr);
        m_dc = CreateCompatibleDC(screen);
        m_bitmap = CreateCompatibleBitmap(screen, width, height);
        m_old = SelectObject(m_dc, m_bitmap);
        ReleaseDC(nullptr, screen);
    }
    ~Canvas()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    HDC Dc() const { return m_dc; }
    COLORREF Pixel(int x, int y) const { return GetPixel(m_dc, x, y); }

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
};

RECT WindowRect(HWND hwnd)
{
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

// The dialog as it paints itself, read at points of its colour button (offsets from the button's top-left
// corner; negative offsets count from its right or bottom edge).
class ButtonPicture {
public:
    explicit ButtonPicture(HWND dialog)
        : m_dialog(WindowRect(dialog)), m_button(WindowRect(GetDlgItem(dialog, IDC_TESTKIT_COLOUR))),
          m_canvas(m_dialog.right - m_dialog.left, m_dialog.bottom - m_dialog.top)
    {
        PrintWindow(dialog, m_canvas.Dc(), 0);
    }
    COLORREF At(int x, int y) const
    {
        const int left = m_button.left - m_dialog.left, top = m_button.top - m_dialog.top;
        const int width = m_button.right - m_button.left, height = m_button.bottom - m_button.top;
        return m_canvas.Pixel(left + (x < 0 ? width + x : x), top + (y < 0 ? height + y : y));
    }
    COLORREF Centre() const
    {
        return At((m_button.right - m_button.left) / 2, (m_button.bottom - m_button.top) / 2);
    }

private:
    RECT m_dialog, m_button;
    Canvas m_canvas;
};

COLORREF ButtonColour() { return ButtonPicture(GetActiveWindow()).Centre(); }

int ShownValue(int id) { return std::stoi(Modeller::Text(id)); }
} // namespace

TEST(ColourButton, TheChosenColourIsShownAndWrittenBackAsTheNearestHostColour)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    HWND dialog = nullptr;
    m.Then([&](Modeller &) {
        dialog = GetActiveWindow();
        EXPECT_EQ(ButtonColour(), RGB(0, 0, 255)); // host colour 4
        Modeller::Click(IDC_TESTKIT_COLOUR);
    });
    ChooseInChooser(m, "250", "10", "10", IDOK, [&] {
        // Inside the chooser: owned by the host window, preset to the button's colour, the dialog disabled.
        HWND chooser = GetActiveWindow();
        EXPECT_NE(chooser, dialog);
        EXPECT_EQ(GetWindow(chooser, GW_OWNER), host.MainWindow());
        EXPECT_FALSE(IsWindowEnabled(dialog));
        EXPECT_EQ(ShownValue(COLOR_RED), 0);
        EXPECT_EQ(ShownValue(COLOR_GREEN), 0);
        EXPECT_EQ(ShownValue(COLOR_BLUE), 255);
    });
    m.Then([&](Modeller &) {
        EXPECT_EQ(GetActiveWindow(), dialog);
        EXPECT_TRUE(IsWindowEnabled(dialog));
        EXPECT_EQ(ButtonColour(), RGB(250, 10, 10));
        Modeller::Click(IDOK);
    });
    int index = 4;
    EXPECT_EQ(ORV_EXPORT(host, TestkitColourDialog)(&index, 0), IDOK);
    EXPECT_EQ(index, 2);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(ColourButton, CancelInTheChooserKeepsTheColourAndCancelOfTheDialogKeepsTheIndex)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    auto colourDialog = ORV_EXPORT(host, TestkitColourDialog);
    m.Then([](Modeller &) { Modeller::Click(IDC_TESTKIT_COLOUR); });
    ChooseInChooser(m, "200", "0", "0", IDCANCEL);
    m.Then([](Modeller &) {
        EXPECT_TRUE(IsWindowEnabled(GetActiveWindow()));
        EXPECT_EQ(ButtonColour(), RGB(0, 255, 0));
        Modeller::Click(IDOK);
    });
    int index = 3;
    EXPECT_EQ(colourDialog(&index, 0), IDOK);
    EXPECT_EQ(index, 3);

    // A colour chosen and then the dialog cancelled: the host's index stays.
    m.Then([](Modeller &) { Modeller::Click(IDC_TESTKIT_COLOUR); });
    ChooseInChooser(m, "255", "255", "0");
    m.Then([](Modeller &) {
        EXPECT_EQ(ButtonColour(), RGB(255, 255, 0));
        Modeller::Click(IDCANCEL);
    });
    EXPECT_EQ(colourDialog(&index, 0), kCancel);
    EXPECT_EQ(index, 3);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(ColourButton, AnIndexOutsideTheTableShowsBlackAndIsWrittenBackAsBlack)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    for (int outside : {20, -1}) {
        m.Then([](Modeller &) {
            EXPECT_EQ(ButtonColour(), kBlack);
            Modeller::Click(IDOK);
        });
        int index = outside;
        EXPECT_EQ(ORV_EXPORT(host, TestkitColourDialog)(&index, 0), IDOK) << outside;
        EXPECT_EQ(index, 0) << outside;
    }
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

// The plain look as the dialog paints it: a black outline, white above and left, shadow below and right, the
// colour inside; disabled, shadow dots on every second pixel.
TEST(ColourButton, ThePaintedButtonShowsItsColourInARaisedFrameAndDotsWhenDisabled)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    const COLORREF yellow = RGB(255, 255, 0);
    m.Then([&](Modeller &) {
        HWND dialog = GetActiveWindow();
        SaveWindowPng(dialog, ORVANE_OUT_DIR "/colour_dialog.png");
        ButtonPicture plain(dialog);
        EXPECT_EQ(plain.At(0, 0), kBlack);
        EXPECT_EQ(plain.At(-1, -1), kBlack);
        EXPECT_EQ(plain.At(1, 1), kWhite);
        EXPECT_EQ(plain.At(1, 5), kWhite);
        EXPECT_EQ(plain.At(5, 1), kWhite);
        EXPECT_EQ(plain.At(-2, -2), Shadow());
        EXPECT_EQ(plain.At(-2, 5), Shadow());
        EXPECT_EQ(plain.At(5, -2), Shadow());
        EXPECT_EQ(plain.At(2, 2), yellow);
        EXPECT_EQ(plain.At(3, 2), yellow);
        EXPECT_EQ(plain.Centre(), yellow);

        EnableWindow(GetDlgItem(dialog, IDC_TESTKIT_COLOUR), FALSE);
        ButtonPicture disabled(dialog);
        EXPECT_EQ(disabled.At(0, 0), Shadow());
        EXPECT_EQ(disabled.At(2, 2), Shadow());
        EXPECT_EQ(disabled.At(4, 6), Shadow());
        EXPECT_EQ(disabled.At(3, 3), yellow);
        EXPECT_EQ(disabled.At(3, 2), yellow);
        EXPECT_EQ(disabled.At(2, 3), yellow);
        Modeller::Click(IDCANCEL);
    });
    int index = 6;
    EXPECT_EQ(ORV_EXPORT(host, TestkitColourDialog)(&index, 0), kCancel);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

namespace {
constexpr int kDrawSize = 20;

// One owner-draw request of the button, as its control sends it to the dialog, painted into a canvas.
std::unique_ptr<Canvas> DrawRequest(HWND dialog, UINT action, UINT state)
{
    auto canvas = std::make_unique<Canvas>(kDrawSize, kDrawSize);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = IDC_TESTKIT_COLOUR;
    item.itemAction = action;
    item.itemState = state;
    item.hwndItem = GetDlgItem(dialog, IDC_TESTKIT_COLOUR);
    item.hDC = canvas->Dc();
    item.rcItem = RECT{0, 0, kDrawSize, kDrawSize};
    SendMessageA(dialog, WM_DRAWITEM, IDC_TESTKIT_COLOUR, reinterpret_cast<LPARAM>(&item));
    return canvas;
}

struct LookCase {
    const char *name;
    UINT action, state;
    COLORREF ring1, topLeft, bottomRight; // the pixels at offsets 1, then the edges of the shrunk rectangle
    int inset;
};
} // namespace

// Pressed and focused looks come from selection and focus requests: both framed one pixel in, pressed with
// its edges reversed; a focus request without the focus draws the plain look again.
TEST(ColourButton, SelectionAndFocusRequestsDrawThePressedAndFocusedLooks)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    const COLORREF cyan = RGB(0, 255, 255);
    const LookCase cases[] = {
        {"whole", ODA_DRAWENTIRE, ODS_FOCUS, kWhite, kWhite, Shadow(), 1},
        {"pressed", ODA_SELECT, ODS_SELECTED | ODS_FOCUS, kBlack, Shadow(), kWhite, 2},
        {"released", ODA_SELECT, ODS_FOCUS, kBlack, kWhite, Shadow(), 2},
        {"focus gained", ODA_FOCUS, ODS_FOCUS, kBlack, kWhite, Shadow(), 2},
        {"focus lost", ODA_FOCUS, 0, kWhite, kWhite, Shadow(), 1},
    };
    m.Then([&](Modeller &) {
        HWND dialog = GetActiveWindow();
        for (const LookCase &c : cases) {
            auto canvas = DrawRequest(dialog, c.action, c.state);
            const int inner = c.inset, outer = kDrawSize - 1 - c.inset;
            EXPECT_EQ(canvas->Pixel(0, 0), kBlack) << c.name;
            EXPECT_EQ(canvas->Pixel(1, 1), c.ring1) << c.name;
            EXPECT_EQ(canvas->Pixel(inner, inner + 3), c.topLeft) << c.name;
            EXPECT_EQ(canvas->Pixel(inner + 3, inner), c.topLeft) << c.name;
            EXPECT_EQ(canvas->Pixel(outer, outer - 3), c.bottomRight) << c.name;
            EXPECT_EQ(canvas->Pixel(outer - 3, outer), c.bottomRight) << c.name;
            EXPECT_EQ(canvas->Pixel(inner + 1, inner + 1), cyan) << c.name;
            EXPECT_EQ(canvas->Pixel(outer - 1, outer - 1), cyan) << c.name;
            if (c.inset == 2) {
                EXPECT_EQ(canvas->Pixel(kDrawSize - 2, kDrawSize - 2), kBlack) << c.name << ": the frame";
            }
        }
        Modeller::Click(IDCANCEL);
    });
    int index = 5;
    EXPECT_EQ(ORV_EXPORT(host, TestkitColourDialog)(&index, 0), kCancel);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(ColourButton, AColourExchangeWithAMissingControlIsReportedAndTheDialogStillWorks)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    std::vector<std::string> messages;
    auto readMessage = [&](Modeller &) {
        HWND box = GetActiveWindow();
        EXPECT_EQ(Modeller::Text(box), "ORVANE");
        messages.push_back(Modeller::Text(GetDlgItem(box, kMessageTextId)));
        Modeller::Enter();
    };
    m.Then(readMessage); // on load
    m.Then([](Modeller &) {
        EXPECT_EQ(ButtonColour(), RGB(127, 0, 0));
        Modeller::Click(IDC_TESTKIT_COLOUR);
    });
    ChooseInChooser(m, "0", "0", "130");
    m.Then([](Modeller &) { Modeller::Click(IDOK); });
    m.Then(readMessage); // on save, and the dialog still ends with OK
    int index = 10;
    EXPECT_EQ(ORV_EXPORT(host, TestkitColourDialog)(&index, 9999), IDOK);
    EXPECT_EQ(index, 12);
    EXPECT_EQ(messages, (std::vector<std::string>(2, "Error in DDX_Colour: ID: 9999 not found!")));
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}
