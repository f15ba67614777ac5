#include "core/help_context.h"

#include <gtest/gtest.h>

TEST(HelpContext, KeepsTheLibraryRangesAndReplacesTheRestByTheGeneralContext)
{
    EXPECT_EQ(ClampHelpContext(0), 0u);
    EXPECT_EQ(ClampHelpContext(0x12FFF), 0x12FFFu);
    EXPECT_EQ(ClampHelpContext(0x13000), 0x20000u);
    EXPECT_EQ(ClampHelpContext(0x1FFFF), 0x20000u);
    EXPECT_EQ(ClampHelpContext(0x20068), 0x20068u);
    EXPECT_EQ(ClampHelpContext(0x2FFFF), 0x2FFFFu);
    EXPECT_EQ(ClampHelpContext(0x30000), 0x20000u);
    EXPECT_EQ(ClampHelpContext(0xFFFFFFFF), 0x20000u);
}
