// The default palette and the named colours.
#include <gtest/gtest.h>

#include <cstring>

#include "graph/graph.h"
#include "headless_screen.h"

using namespace graph;

TEST(Palette, FixedEntries) {
  EXPECT_EQ(DefaultPalette(0), 0x000000u);
  EXPECT_EQ(DefaultPalette(6), 0xA85400u);
  EXPECT_EQ(DefaultPalette(9), 0x8484FCu);  // not the adapter's 5454FC
  EXPECT_EQ(DefaultPalette(15), 0xFCFCFCu);
  EXPECT_EQ(DefaultPalette(17), 0x141414u);
  EXPECT_EQ(DefaultPalette(23), 0x606060u);
  EXPECT_EQ(DefaultPalette(31), 0xFCFCFCu);
  for (int i = 248; i < 256; ++i) EXPECT_EQ(DefaultPalette(i), 0u) << i;
}

TEST(Palette, HueRings) {
  // High intensity, full saturation: blue, magenta, red, yellow, green, cyan.
  EXPECT_EQ(DefaultPalette(32), 0x0000FCu);
  EXPECT_EQ(DefaultPalette(33), 0x4000FCu);
  EXPECT_EQ(DefaultPalette(36), 0xFC00FCu);
  EXPECT_EQ(DefaultPalette(40), 0xFC0000u);
  EXPECT_EQ(DefaultPalette(44), 0xFCFC00u);
  EXPECT_EQ(DefaultPalette(48), 0x00FC00u);
  EXPECT_EQ(DefaultPalette(52), 0x00FCFCu);
  EXPECT_EQ(DefaultPalette(55), 0x0040FCu);
  // Half and quarter saturation of the high ring.
  EXPECT_EQ(DefaultPalette(56), 0x7C7CFCu);
  EXPECT_EQ(DefaultPalette(80), 0xB4B4FCu);
  // Medium and low intensity.
  EXPECT_EQ(DefaultPalette(104), 0x000070u);
  EXPECT_EQ(DefaultPalette(112), 0x700000u);
  EXPECT_EQ(DefaultPalette(152), 0x505070u);
  EXPECT_EQ(DefaultPalette(176), 0x000040u);
  EXPECT_EQ(DefaultPalette(247), 0x2C3040u);
}

TEST(Palette, NamedTable) {
  EXPECT_STREQ(NamedColorName(0), "ALICEBLUE");
  EXPECT_STREQ(NamedColorName(88), "EMERALD");
  EXPECT_STREQ(NamedColorName(89), "EGGPLANT");
  EXPECT_STREQ(NamedColorName(255), "ZINNWALDITE");
  EXPECT_EQ(NamedColorRgb(255), 0xEBC2AFu);
  EXPECT_EQ(NamedColorRgb(kWhite), 0xFFFFFFu);
  EXPECT_STREQ(NamedColorName(kBlack), "BLACK");
  for (int i = 1; i < 256; ++i) EXPECT_NE(NamedColorName(i), nullptr);
}

TEST(Palette, NearestIsSquaredDistanceLowestOnTies) {
  EXPECT_EQ(NearestPaletteEntry(0xFFFFFF, 256), 15);  // 15 and 31 tie
  EXPECT_EQ(NearestPaletteEntry(0x000000, 256), 0);
  EXPECT_EQ(NearestPaletteEntry(0xFF0000, 256), 40);
  EXPECT_EQ(NearestPaletteEntry(0xFF0000, 16), 4);
  EXPECT_EQ(NearestPaletteEntry(0x545454, 256), 8);
}

using NamedAfterInit = HeadlessScreen;

TEST_F(NamedAfterInit, NamedColoursHoldNearestEntries) {
  EXPECT_EQ(NamedColor[kBlack], 0u);
  EXPECT_EQ(NamedColor[kWhite], 15u);
  EXPECT_EQ(NamedColor[207], 40u);   // RED
  EXPECT_EQ(NamedColor[51], 52u);    // CYAN
  EXPECT_EQ(NamedColor[253], 44u);   // YELLOW
  for (int i = 0; i < 256; ++i)
    EXPECT_EQ(NamedColor[i], static_cast<std::uint32_t>(NearestPaletteEntry(NamedColorRgb(i), 256))) << i;
}
