#include "Palette.h"
#include <gtest/gtest.h>

namespace {

TEST(Palette, AddColorCountsAndCreateBuildsTheEntries) {
    CPalette palette;
    EXPECT_FALSE(palette.Create(0)); // no entries, no palette
    EXPECT_EQ(palette.handle, nullptr);

    EXPECT_EQ(palette.AddColor(RGB(1, 2, 3)), 1);
    EXPECT_EQ(palette.AddColor(RGB(250, 128, 0)), 2);
    EXPECT_EQ(palette.AddColor(RGB(0, 0, 255)), 3);
    ASSERT_TRUE(palette.Create(0));

    PALETTEENTRY e[4] = {};
    ASSERT_EQ(::GetPaletteEntries(palette.handle, 0, 4, e), 3u);
    EXPECT_EQ(e[0].peRed, 1);
    EXPECT_EQ(e[0].peGreen, 2);
    EXPECT_EQ(e[0].peBlue, 3);
    EXPECT_EQ(e[1].peRed, 250);
    EXPECT_EQ(e[1].peGreen, 128);
    EXPECT_EQ(e[1].peBlue, 0);
    EXPECT_EQ(e[2].peBlue, 255);
    for (const PALETTEENTRY& entry : e)
        EXPECT_EQ(entry.peFlags, 0);

    palette.Reset();
    EXPECT_EQ(palette.handle, nullptr);
    EXPECT_TRUE(palette.entries.empty());
    palette.Reset(); // no handle: only empties
    EXPECT_EQ(palette.AddColor(RGB(9, 9, 9)), 1);
}

} // namespace
