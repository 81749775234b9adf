// Fonts and text output.
#include <gtest/gtest.h>

#include <span>
#include <vector>

#include "graph/device.h"
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

// Whole strings go to cairo in as few calls as give the same picture as one
// call per character. Compare the two on texts whose glyphs overlap, lean,
// turn, carry accents, are spaced out, and run off the clip and the screen,
// in colours over a coloured background where blending shows.
TEST_F(Text, WholeStringsDrawAsOneCharacterAtATime) {
  struct Case {
    std::uint16_t font;
    std::int16_t direction;
    std::uint16_t size, hJustify, vJustify;
    std::int16_t x, y, extra, breakSpace;
    const char* text;
  };
  const Case cases[] = {
      {1, 0, 30, 0, 0, 10, 10, 0, 0, "Type a word such as milk, bread or batteries"},
      {0 | 0x20, 0, 40, 0, 0, 10, 45, 0, 0, "ffi fl Wo AV rn \xE9t\xE9 \xC0 \xE7" "a \x80 \x81"},
      {3 | 0x1000, 0, 30, 0, 0, 10, 95, 0, 0, "Num\xE9ro de la zone (non utilis\xE9)"},
      {2 | 0x1020, 0, 26, 0, 0, 10, 130, -2, 0, "Tight italic bold serif"},
      {6 | 0x1000, 0, 36, 0, 0, 10, 160, 0, 0, "Aisle 12 - Bakery"},
      {2 | 0x100, 0, 24, 0, 0, 10, 200, 3, 9, "Spaced and underlined \xE0 la carte"},
      {4, 90, 30, 0, 0, 600, 470, 0, 0, "    180 degr\xE9s"},
      {5, 45, 28, 0, 0, 300, 470, 0, 0, "Diagonal condensed"},
      {7 | 0x20, 0, 60, 0, 0, 380, 230, 0, 0, "Off the right edge"},
      {1, 0, 40, 2, 0, 120, 290, 0, 0, "Cut on the left"},
      {4, 90, 24, 1, 0, 560, 40, 0, 0, "Off the top"},
  };
  // A glyph whose position falls within 1/512 of a pixel's half, and
  // glyphs cut by the screen's edges in a wide bold face.
  const Case edges[] = {
      {5 | 0x1000, 0, 40, 2, 2, 820, 100, 0, 0, "127|110|655|4|0|0|28|0|0|x|Valore 14: non usato dalla mappa"},
      {7 | 0x20, 0, 60, 0, 2, -320, 300, 0, 0, "127|1100|695|8|0|0|28|0|0|x|0|12|0|0|A|o valor 11 (n\xE3o usado"},
  };
  auto draw = [&](std::span<const Case> texts, bool perCharacter) {
    detail::g_textPerCharacter = perCharacter;
    SetViewPort(0, 0, 639, 479, false);
    SetBkColor(40);
    ClearDevice();
    int colour = 3;
    for (const Case& c : texts) {
      SetColor(static_cast<std::uint32_t>(colour));
      colour = (colour * 7 + 11) % 256;
      SetTextStyle(c.font, c.direction, c.size);
      SetTextJustify(c.hJustify, c.vJustify);
      SetUserCharSize(c.extra, c.breakSpace, 1, 1);
      OutTextXY(c.x, c.y, c.text);
    }
    // Cut by a clipping viewport on every side.
    SetViewPort(200, 385, 330, 400, true);
    SetTextJustify(0, 0);
    SetTextStyle(1 | 0x1000, 0, 30);
    SetUserCharSize(0, 0, 1, 1);
    OutTextXY(-15, -8, "Clipped by the viewport");
    detail::g_textPerCharacter = false;
    return ScreenRgb();
  };
  for (std::span<const Case> texts : {std::span<const Case>(cases), std::span<const Case>(edges)}) {
    const std::vector<std::uint8_t> reference = draw(texts, true);
    const std::vector<std::uint8_t> whole = draw(texts, false);
    ASSERT_EQ(whole.size(), reference.size());
    int differing = 0, inked = 0;
    for (std::size_t i = 0; i < whole.size(); i += 3) {
      differing += whole[i] != reference[i] || whole[i + 1] != reference[i + 1] || whole[i + 2] != reference[i + 2];
      inked += reference[i] != reference[0] || reference[i + 1] != reference[1] || reference[i + 2] != reference[2];
    }
    EXPECT_GT(inked, 10000);  // the texts drew
    EXPECT_EQ(differing, 0) << texts[0].text;
  }
}
