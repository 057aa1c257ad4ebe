#include "pendrel/framework/colors.h"

#include <gtest/gtest.h>

TEST(Colors, RedIsTheLowByte) {
    EXPECT_EQ(RGBToColor(0x12, 0x34, 0x56), 0x563412);
    EXPECT_EQ(RGBToColor(1.0, 0.5, 0.0), 0x007FFF);
    const GRGB rgb = ColorToRGB(0x563412);
    EXPECT_EQ(rgb.red, 0x12);
    EXPECT_EQ(rgb.green, 0x34);
    EXPECT_EQ(rgb.blue, 0x56);
}

TEST(Colors, DistanceIsTheSumOfSquaredChannelDifferences) {
    EXPECT_EQ(ColorDistance(0x000000, 0x030201), 1 + 4 + 9);
    EXPECT_EQ(ColorDistance(0xFFFFFF, 0x000000), 3 * 255 * 255);
    EXPECT_EQ(ColorDistance(0x123456, 0x123456), 0);
}

TEST(Colors, MixingHalvesEachChannelFirst) {
    EXPECT_EQ(MixColors(0xFFFFFF, 0x000000), 0x7F7F7F);
    EXPECT_EQ(MixColors(0x010101, 0x010101), 0x000000);
    EXPECT_EQ(MixColors(0x0000FF, 0xFF0000), 0x7F007F);
}

TEST(Colors, HSVFollowsTheHexcone) {
    EXPECT_EQ(HSVToColor(0, 1, 1), 0x0000FF);
    EXPECT_EQ(HSVToColor(360, 1, 1), 0x0000FF) << "360 degrees is 0";
    EXPECT_EQ(HSVToColor(120, 1, 1), 0x00FF00);
    EXPECT_EQ(HSVToColor(240, 1, 1), 0xFF0000);
    EXPECT_EQ(HSVToColor(60, 1, 1), 0x00FFFF);
    EXPECT_EQ(HSVToColor(300, 1, 1), 0xFF00FF);
    EXPECT_EQ(HSVToColor(30, 1, 1), RGBToColor(255, 127, 0));
}

TEST(Colors, HSVGreysAndOutOfRangeValues) {
    EXPECT_EQ(HSVToColor(200, 0, 1), 0xFFFFFF);
    EXPECT_EQ(HSVToColor(0, 0, 0.5), 0x7F7F7F);
    EXPECT_EQ(HSVToColor(0, 1, 1.5), 0);
    EXPECT_EQ(HSVToColor(-1, 1, 1), 0);
    EXPECT_EQ(HSVToColor(361, 1, 1), 0);
    EXPECT_EQ(HSVToColor(0, 2, 1), 0);
}
