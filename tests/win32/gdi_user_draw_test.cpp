// USER's drawing helpers: FillRect (including system colour indexes), FrameRect, InvertRect,
// DrawFocusRect, DrawEdge's classic colours and flags, DrawFrameControl, and the rectangle
// helpers.
#include "gdi_test_surface.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kFace = RGB(192, 192, 192);
const COLORREF kShadow = RGB(128, 128, 128);
const COLORREF kLight = RGB(192, 192, 192);

TEST(UserFill, FillRectExcludesRightAndBottomAndTakesSystemColourIndexes)
{
    TestSurface s(10, 10);
    RECT r{2, 3, 6, 8};
    EXPECT_TRUE(FillRect(s.Dc(), &r, (HBRUSH)(COLOR_BTNFACE + 1)));
    EXPECT_EQ(s.Count(kFace), 4 * 5);
    EXPECT_EQ(s.At(2, 3), kFace);
    EXPECT_EQ(s.At(5, 7), kFace);
    EXPECT_EQ(s.At(6, 7), kWhite);
    EXPECT_EQ(s.At(5, 8), kWhite);
    HBRUSH red = CreateSolidBrush(kRed);
    SetROP2(s.Dc(), R2_XORPEN);
    FillRect(s.Dc(), &r, red);
    EXPECT_EQ(s.At(2, 3), kRed) << "FillRect ignores the ROP2 mode";
    EXPECT_FALSE(FillRect(s.Dc(), &r, (HBRUSH)0x7654));
    EXPECT_FALSE(FillRect(s.Dc(), nullptr, red));
    DeleteObject(red);
}

TEST(UserFill, FrameRectDrawsAOnePixelBorder)
{
    TestSurface s(10, 10);
    RECT r{1, 1, 9, 7};
    HBRUSH red = CreateSolidBrush(kRed);
    EXPECT_TRUE(FrameRect(s.Dc(), &r, red));
    EXPECT_EQ(s.Count(kRed), 2 * 8 + 2 * 4);
    EXPECT_EQ(s.At(1, 1), kRed);
    EXPECT_EQ(s.At(8, 6), kRed);
    EXPECT_EQ(s.At(2, 2), kWhite);
    DeleteObject(red);
}

TEST(UserFill, InvertRectAndFocusRectUndoThemselves)
{
    TestSurface s(12, 12, RGB(10, 200, 30));
    RECT r{1, 1, 11, 9};
    InvertRect(s.Dc(), &r);
    EXPECT_EQ(s.At(1, 1), RGB(245, 55, 225));
    EXPECT_EQ(s.At(0, 0), RGB(10, 200, 30));
    InvertRect(s.Dc(), &r);
    EXPECT_EQ(s.Count(RGB(10, 200, 30)), 144);

    s.Fill(kWhite);
    EXPECT_TRUE(DrawFocusRect(s.Dc(), &r));
    int dots = s.Count(kBlack);
    EXPECT_GT(dots, 10);
    EXPECT_LT(dots, 2 * 10 + 2 * 8) << "dotted, not solid";
    EXPECT_NE(s.At(1, 1), s.At(2, 1)) << "alternate pixels";
    EXPECT_EQ(s.Count(kBlack, 2, 2, 10, 8), 0) << "only the border";
    DrawFocusRect(s.Dc(), &r);
    EXPECT_EQ(s.Count(kWhite), 144);
}

TEST(UserEdges, RaisedAndSunkenEdgesUseTheClassicColours)
{
    TestSurface s(10, 10, kRed);
    RECT r{0, 0, 10, 10};
    EXPECT_TRUE(DrawEdge(s.Dc(), &r, EDGE_RAISED, BF_RECT));
    EXPECT_EQ(s.At(0, 0), kLight);
    EXPECT_EQ(s.At(1, 1), kWhite);
    EXPECT_EQ(s.At(9, 9), kBlack);
    EXPECT_EQ(s.At(8, 8), kShadow);
    EXPECT_EQ(s.At(9, 0), kBlack) << "the bottom-right colour wins at the top-right corner";
    EXPECT_EQ(s.At(0, 9), kBlack);
    EXPECT_EQ(s.At(5, 5), kRed) << "no BF_MIDDLE";

    EXPECT_TRUE(DrawEdge(s.Dc(), &r, EDGE_SUNKEN, BF_RECT));
    EXPECT_EQ(s.At(0, 0), kShadow);
    EXPECT_EQ(s.At(1, 1), kBlack);
    EXPECT_EQ(s.At(9, 9), kWhite);
    EXPECT_EQ(s.At(8, 8), kLight);

    DrawEdge(s.Dc(), &r, EDGE_ETCHED, BF_RECT);
    EXPECT_EQ(s.At(0, 0), kShadow);
    EXPECT_EQ(s.At(1, 1), kWhite);
    EXPECT_EQ(s.At(9, 9), kWhite);
    EXPECT_EQ(s.At(8, 8), kShadow);

    DrawEdge(s.Dc(), &r, EDGE_RAISED, BF_RECT | BF_SOFT);
    EXPECT_EQ(s.At(0, 0), kWhite) << "soft: the highlight outside";
    EXPECT_EQ(s.At(1, 1), kLight);
}

TEST(UserEdges, AdjustMiddleAndPartialSides)
{
    TestSurface s(10, 10, kRed);
    RECT r{0, 0, 10, 10};
    DrawEdge(s.Dc(), &r, EDGE_SUNKEN, BF_RECT | BF_MIDDLE | BF_ADJUST);
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.top, 2);
    EXPECT_EQ(r.right, 8);
    EXPECT_EQ(r.bottom, 8);
    EXPECT_EQ(s.At(5, 5), kFace);
    EXPECT_EQ(s.Count(kRed), 0);

    s.Fill(kRed);
    RECT partial{0, 0, 10, 10};
    DrawEdge(s.Dc(), &partial, BDR_RAISEDINNER, BF_LEFT | BF_TOP | BF_ADJUST);
    EXPECT_EQ(partial.left, 1);
    EXPECT_EQ(partial.top, 1);
    EXPECT_EQ(partial.right, 10);
    EXPECT_EQ(s.At(0, 5), kWhite);
    EXPECT_EQ(s.At(5, 0), kWhite);
    EXPECT_EQ(s.At(9, 5), kRed);
    EXPECT_EQ(s.At(5, 9), kRed);

    RECT untouched{0, 0, 10, 10};
    DrawEdge(s.Dc(), &untouched, EDGE_RAISED, BF_RECT);
    EXPECT_EQ(untouched.left, 0) << "no BF_ADJUST, no change";
}

TEST(UserEdges, FlatAndMonoBorders)
{
    TestSurface s(10, 10, kRed);
    RECT r{0, 0, 10, 10};
    DrawEdge(s.Dc(), &r, EDGE_SUNKEN, BF_RECT | BF_FLAT);
    EXPECT_EQ(s.At(0, 0), kShadow);
    EXPECT_EQ(s.At(9, 9), kShadow);
    EXPECT_EQ(s.At(1, 1), kFace);
    DrawEdge(s.Dc(), &r, EDGE_SUNKEN, BF_RECT | BF_MONO | BF_MIDDLE);
    EXPECT_EQ(s.At(0, 0), kBlack);
    EXPECT_EQ(s.At(9, 9), kBlack);
    EXPECT_EQ(s.At(5, 5), kWhite);
    EXPECT_FALSE(DrawEdge(s.Dc(), nullptr, EDGE_RAISED, BF_RECT));
}

TEST(UserFrameControl, PushButtonsAreRaisedAndSinkWhenPushed)
{
    TestSurface s(20, 12, kRed);
    RECT r{0, 0, 20, 12};
    EXPECT_TRUE(DrawFrameControl(s.Dc(), &r, DFC_BUTTON, DFCS_BUTTONPUSH));
    EXPECT_EQ(s.At(0, 0), kWhite);
    EXPECT_EQ(s.At(19, 11), kBlack);
    EXPECT_EQ(s.At(10, 6), kFace);
    DrawFrameControl(s.Dc(), &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
    EXPECT_NE(s.At(0, 0), kWhite);
    EXPECT_EQ(s.At(19, 11), kWhite);
    EXPECT_EQ(s.Count(kRed), 0);
}

TEST(UserFrameControl, CheckBoxesShowTheirMark)
{
    TestSurface s(13, 13, kRed);
    RECT r{0, 0, 13, 13};
    DrawFrameControl(s.Dc(), &r, DFC_BUTTON, DFCS_BUTTONCHECK);
    EXPECT_EQ(s.At(0, 0), kShadow);
    EXPECT_EQ(s.At(12, 12), kWhite);
    EXPECT_EQ(s.Count(kBlack, 2, 2, 11, 11), 0);
    EXPECT_EQ(s.Count(kWhite, 2, 2, 11, 11), 81);
    DrawFrameControl(s.Dc(), &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    EXPECT_GT(s.Count(kBlack, 2, 2, 11, 11), 10);
    DrawFrameControl(s.Dc(), &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE);
    EXPECT_EQ(s.Count(kBlack, 2, 2, 11, 11), 0);
    EXPECT_GT(s.Count(kShadow, 2, 2, 11, 11), 10) << "a grey mark on a grey box";
}

TEST(UserFrameControl, RadioButtonsShowTheirDot)
{
    TestSurface s(12, 12, kRed);
    RECT r{0, 0, 12, 12};
    DrawFrameControl(s.Dc(), &r, DFC_BUTTON, DFCS_BUTTONRADIO);
    EXPECT_EQ(s.At(6, 6), kWhite);
    EXPECT_EQ(s.At(0, 0), kRed) << "corners outside the circle stay";
    DrawFrameControl(s.Dc(), &r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
    EXPECT_EQ(s.At(5, 5), kBlack);
    EXPECT_EQ(s.At(6, 6), kBlack);
}

TEST(UserFrameControl, ScrollArrowsPointTheirWay)
{
    TestSurface s(16, 16, kRed);
    RECT r{0, 0, 16, 16};
    auto rowWidths = [&](int *first, int *last) {
        *first = *last = -1;
        for (int y = 2; y < 14; ++y) { // inside the button's edges
            int n = s.Count(kBlack, 2, y, 14, y + 1);
            if (n == 0)
                continue;
            if (*first < 0)
                *first = n;
            *last = n;
        }
    };
    int first;
    int last;
    DrawFrameControl(s.Dc(), &r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    rowWidths(&first, &last);
    EXPECT_GT(first, last) << "a down arrow is widest at the top";
    EXPECT_EQ(last, 1);
    DrawFrameControl(s.Dc(), &r, DFC_SCROLL, DFCS_SCROLLUP);
    rowWidths(&first, &last);
    EXPECT_LT(first, last);
    DrawFrameControl(s.Dc(), &r, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE);
    EXPECT_EQ(s.Count(kBlack, 2, 2, 14, 14), 0);
    EXPECT_GT(s.Count(kShadow, 2, 2, 14, 14), 0);
}

TEST(UserFrameControl, CloseButtonHasItsCross)
{
    TestSurface s(16, 14, kRed);
    RECT r{0, 0, 16, 14};
    EXPECT_TRUE(DrawFrameControl(s.Dc(), &r, DFC_CAPTION, DFCS_CAPTIONCLOSE));
    EXPECT_GT(s.Count(kBlack, 2, 2, 14, 12), 8);
    EXPECT_FALSE(DrawFrameControl(s.Dc(), &r, 99, 0));
}

TEST(UserRects, HelpersFollowHalfOpenRectangles)
{
    RECT a;
    EXPECT_TRUE(SetRect(&a, 0, 0, 10, 10));
    RECT b{5, 5, 15, 15};
    RECT c;
    EXPECT_TRUE(IntersectRect(&c, &a, &b));
    EXPECT_EQ(c.left, 5);
    EXPECT_EQ(c.right, 10);
    RECT distant{20, 20, 30, 30};
    EXPECT_FALSE(IntersectRect(&c, &a, &distant));
    EXPECT_TRUE(IsRectEmpty(&c));
    EXPECT_EQ(c.right, 0);
    EXPECT_TRUE(UnionRect(&c, &a, &b));
    EXPECT_EQ(c.right, 15);
    RECT empty{};
    EXPECT_TRUE(UnionRect(&c, &empty, &b));
    EXPECT_TRUE(EqualRect(&c, &b)) << "an empty rectangle does not widen a union";
    EXPECT_FALSE(UnionRect(&c, &empty, &empty));

    EXPECT_TRUE(PtInRect(&a, POINT{0, 0}));
    EXPECT_TRUE(PtInRect(&a, POINT{9, 9}));
    EXPECT_FALSE(PtInRect(&a, POINT{10, 5}));
    EXPECT_FALSE(PtInRect(&a, POINT{5, 10}));

    InflateRect(&a, 2, -1);
    EXPECT_EQ(a.left, -2);
    EXPECT_EQ(a.top, 1);
    EXPECT_EQ(a.right, 12);
    OffsetRect(&a, 2, -1);
    EXPECT_EQ(a.left, 0);
    EXPECT_EQ(a.top, 0);
    CopyRect(&c, &a);
    EXPECT_TRUE(EqualRect(&c, &a));
    SetRectEmpty(&c);
    EXPECT_TRUE(IsRectEmpty(&c));
    EXPECT_TRUE(IsRectEmpty(nullptr));
    RECT inverted{5, 5, 4, 6};
    EXPECT_TRUE(IsRectEmpty(&inverted));
    EXPECT_FALSE(SetRect(nullptr, 0, 0, 1, 1));
}

} // namespace
