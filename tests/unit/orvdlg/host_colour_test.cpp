#include "core/host_colour.h"

#include <gtest/gtest.h>

TEST(HostColour, IndexesOutsideTheTableShowAsBlack)
{
    EXPECT_EQ(HostColourToColour(20), RGB(0, 0, 0));
    EXPECT_EQ(HostColourToColour(-1), RGB(0, 0, 0));
    EXPECT_EQ(HostColourToColour(8), RGB(192, 192, 192));
    EXPECT_EQ(HostColourToColour(16), RGB(127, 127, 127));
}

TEST(HostColour, EveryTableColourComesBackAsTheFirstIndexWithIt)
{
    for (int index = 0; index < kHostColourCount; ++index)
        EXPECT_EQ(ColourToHostColour(HostColourToColour(index)), index == 16 ? 9 : index) << index;
}

TEST(HostColour, NearestEntryWithGreysByBrightnessAndTintsRounded)
{
    struct Case {
        COLORREF colour;
        int index;
    };
    const Case cases[] = {
        {RGB(100, 100, 100), 0}, {RGB(140, 140, 140), 9}, {RGB(230, 230, 230), 1},  {RGB(127, 127, 127), 9},
        {RGB(250, 10, 10), 2},   {RGB(130, 200, 60), 14}, {RGB(100, 110, 120), 9},  {RGB(158, 158, 158), 9},
        {RGB(159, 159, 159), 8}, {RGB(222, 222, 222), 8}, {RGB(223, 223, 223), 1},  {RGB(126, 126, 126), 0},
        // Nearest entry a grey, the colour tinted: rounded to (0, 0, 255) and (255, 0, 0), never a grey.
        {RGB(100, 120, 200), 4}, {RGB(200, 130, 100), 2},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ColourToHostColour(c.colour), c.index)
            << int(GetRValue(c.colour)) << "," << int(GetGValue(c.colour)) << "," << int(GetBValue(c.colour));
}
