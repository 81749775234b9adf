#include "tests/screen/primitives_fixture.h"

using namespace screen;
using namespace primitives_test;

TEST(Fnt0Codes, MapToSlotsJustificationAndStyle) {
  const int slots[] = {0, 0, 6, 5, 1, 7, 4, 2, 3};
  for (int code = 0; code <= 8; ++code) EXPECT_EQ(FontSlotOf(code), slots[code]) << code;
  EXPECT_EQ(FontSlotOf(9), 0);
  EXPECT_EQ(FontSlotOf(-1), 0);
  // Justification codes: 2 and 3 mean something, anything else (51, 19...) is 0.
  for (int code : {0, 1, 2, 3, 19, 51}) {
    const int expected = code == 2 ? 1 : code == 3 ? 2 : 0;
    EXPECT_EQ(HorizontalOf(code), expected) << code;
    EXPECT_EQ(VerticalOf(code), expected) << code;
  }
  EXPECT_EQ(StyleFlagsOf("x"), 0);
  EXPECT_EQ(StyleFlagsOf(""), 0);
  EXPECT_EQ(StyleFlagsOf("b"), 16);
  EXPECT_EQ(StyleFlagsOf("BIU"), 16 + 4096 + 256);
  EXPECT_EQ(StyleFlagsOf("bbR"), 16);
}

TEST_F(PrimitivesTest, TextIsWrittenInItsColourAtItsPlace) {
  FNT0(kYellow, 100, 100, 4, 0, 0, 30, 0, 0, "x", "WWW");
  EXPECT_GT(Count(100, 100, 200, 135, kYellow), 50);
  EXPECT_EQ(Count(0, 0, 799, 95, kYellow), 0);
  EXPECT_EQ(Count(0, 0, 98, 599, kYellow), 0);
  EXPECT_EQ(graph::GetBkColor(), ColorValue(kBlack));
  // Right justification (code 3) ends the text at x.
  FNT0(kGreen, 400, 300, 4, 0, 0, 30, 3, 0, "", "WWW");
  EXPECT_GT(Count(300, 300, 400, 335, kGreen), 50);
  EXPECT_EQ(Count(402, 290, 799, 340, kGreen), 0);
  // "R" asks for the white background.
  FNT0(kRed, 100, 400, 4, 0, 0, 30, 0, 0, "r", "a");
  EXPECT_EQ(graph::GetBkColor(), ColorValue(kWhite));
}

TEST_F(PrimitivesTest, CheckScreenListsTheTextSpecLines) {
  PASS1[0] = "first";
  PASS1[25] = "last";
  PASS1[26] = "not shown";
  CONV2();
  EXPECT_GT(Count(50, 50, 250, 85, kYellow), 20);
  EXPECT_GT(Count(50, 675, 250, 710, kYellow), 20);
  EXPECT_EQ(Count(0, 710, MAXX, MAXY, kYellow), 0);
}
