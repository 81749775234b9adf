// Fonts and text output.
#include <gtest/gtest.h>

#include "graph/graph.h"
#include "headless_screen.h"

using namespace graph;

using Text = HeadlessScreen;

namespace {
// Bounding box of every non-black pixel.
struct Ink {
  int x1 = 1 << 30, y1 = 1 << 30, x2 = -1, y2 = -1, n = 0;
};
Ink InkOf(int x1, int y1, int x2, int y2) {
  Ink k;
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x)
      if (GetPixelRgb(x, y) != 0) {
        k.x1 = std::min(k.x1, x);
        k.y1 = std::min(k.y1, y);
        k.x2 = std::max(k.x2, x);
        k.y2 = std::max(k.y2, y);
        ++k.n;
      }
  return k;
}
}  // namespace

TEST_F(Text, DefaultFontTableFillsEightSlots) {
  const char* faces[] = {"Times New Roman", "Arial",  "Caesar Open",   "Andale Mono",
                         "DejaVu Sans",     "Tahoma", "ParkAvenue BT", "Courier New"};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(InstalledFont(i), faces[i]);
    EXPECT_FALSE(ResolvedFamily(i).empty()) << faces[i];
  }
  EXPECT_EQ(InstalledFont(8), "");
  EXPECT_EQ(ResolvedFamily(1), "Liberation Sans");
  EXPECT_EQ(ResolvedFamily(4), "DejaVu Sans");
  EXPECT_EQ(InstallUserFont("DejaVu Serif"), 8);
  EXPECT_EQ(InstallUserFont("No Such Face At All"), grInvalidFont);
  EXPECT_EQ(GraphResult(), grInvalidFont);
}

TEST_F(Text, EmptySlotKeepsTheFont) {
  SetTextStyle(1, 0, 30);
  int before = TextWidth("Hello");
  SetTextStyle(9, 0, 50);
  EXPECT_EQ(GraphResult(), grInvalidFontNum);
  SetTextStyle(15, 0, 50);
  EXPECT_EQ(GraphResult(), grInvalidFontNum);
  EXPECT_EQ(TextWidth("Hello"), before);
  EXPECT_EQ(TextHeight("Hello"), 30);
}

TEST_F(Text, SizeIsTheCellHeightInPixels) {
  SetTextStyle(1, 0, 40);
  EXPECT_EQ(TextHeight("X"), 40);
  SetTextStyle(1, 0, 3);  // small sizes count in steps of 8 pixels
  EXPECT_EQ(TextHeight("X"), 24);
  SetTextStyle(1, 0, 40);
  SetColor(15);
  OutTextXY(10, 10, "Hg");
  Ink k = InkOf(0, 0, 200, 100);
  ASSERT_GT(k.n, 0);
  EXPECT_GE(k.y1, 10);
  EXPECT_LE(k.y2, 10 + 40);
  EXPECT_GT(k.y2 - k.y1, 25);  // H over g: most of the cell
}

TEST_F(Text, JustificationAndCurrentPosition) {
  SetTextStyle(1, 0, 30);
  SetColor(15);
  int w = TextWidth("Middle");
  ASSERT_GT(w, 40);
  SetTextJustify(1, 0);
  OutTextXY(300, 100, "Middle");
  Ink k = InkOf(0, 90, 639, 140);
  EXPECT_NEAR((k.x1 + k.x2) / 2.0, 300, 3);
  EXPECT_EQ(GetX(), 300 + w - w / 2);  // past the text

  ClearDevice();
  SetTextJustify(2, 1);  // right, bottom
  OutTextXY(300, 100, "Right");
  k = InkOf(0, 0, 639, 479);
  EXPECT_LE(k.x2, 300);
  EXPECT_GE(k.x2, 295);
  EXPECT_LE(k.y2, 100);
  EXPECT_EQ(GetX(), 300);

  ClearDevice();
  SetTextJustify(0, 0);
  MoveTo(20, 20);
  OutText("ab");
  int afterFirst = GetX();
  EXPECT_EQ(afterFirst, 20 + TextWidth("ab"));
}

TEST_F(Text, ExtraSpacingWidensText) {
  SetTextStyle(4, 0, 20);
  int plain = TextWidth("a b c");
  SetUserCharSize(3, 0, 0, 0);
  EXPECT_EQ(TextWidth("a b c"), plain + 5 * 3);
  SetUserCharSize(0, 7, 0, 0);  // spread over the two blanks
  EXPECT_EQ(TextWidth("a b c"), plain + 7);
  SetUserCharSize(0, 0, 0, 0);
  EXPECT_EQ(TextWidth("a b c"), plain);
}

TEST_F(Text, StylesChangeTheInk) {
  SetColor(15);
  SetTextStyle(1, 0, 40);
  OutTextXY(10, 10, "Ill");
  Ink plain = InkOf(0, 0, 300, 60);
  ClearDevice();
  SetTextStyle(1 + 16, 0, 40);  // bold
  OutTextXY(10, 10, "Ill");
  Ink bold = InkOf(0, 0, 300, 60);
  EXPECT_GT(bold.n, plain.n * 5 / 4);
  ClearDevice();
  SetTextStyle(1 + 256, 0, 40);  // underlined: ink below the baseline
  OutTextXY(10, 10, "Ill");
  Ink under = InkOf(0, 0, 300, 60);
  EXPECT_GT(under.y2, plain.y2);
  ClearDevice();
  SetTextStyle(4 + 4096, 0, 40);  // italic leans
  OutTextXY(10, 10, "I");
  Ink italic = InkOf(0, 0, 300, 60);
  ClearDevice();
  SetTextStyle(4, 0, 40);
  OutTextXY(10, 10, "I");
  Ink upright = InkOf(0, 0, 300, 60);
  EXPECT_GT(italic.x2 - italic.x1, upright.x2 - upright.x1 + 4);
}

TEST_F(Text, VerticalTextAndWindowsBytes) {
  SetColor(15);
  SetTextStyle(1, 90, 30);
  OutTextXY(100, 300, "Long text");
  Ink k = InkOf(0, 0, 639, 479);
  EXPECT_GT(k.y2 - k.y1, 2 * (k.x2 - k.x1));  // runs upwards
  EXPECT_LE(k.y2, 300);
  EXPECT_LT(GetY(), 300 - 50);
  ClearDevice();
  // Windows-1252 letters draw, and text keeps drawing after them.
  SetTextStyle(1, 0, 30);
  OutTextXY(10, 10, "\xE9t\xE9 \x80 \x81");
  OutTextXY(10, 100, "ok");
  EXPECT_GT(InkOf(0, 0, 300, 50).n, 50);
  EXPECT_GT(InkOf(0, 90, 300, 140).n, 20);
}
