// The layout size and the picture the window shows: drawn at the layout
// size whatever the desktop's, scaled to fill the window with its
// proportions kept, black bars where they differ.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "graph/graph.h"
#include "graph/shown.h"
#include "graph/window.h"

using namespace graph;

namespace {

class ShownTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetForTest(); }
  void TearDown() override { ResetForTest(); }
  // Opens the headless screen on a desktop, drawn at a layout size.
  static void Open(int desktopW, int desktopH, int layoutW, int layoutH) {
    UseHeadless(desktopW, desktopH);
    SetLayoutSize(layoutW, layoutH);
    InitGraph(3, 12, "");
    ASSERT_EQ(GraphResult(), grOk);
  }
  // A pixel of a bottom-up 24-bit BMP image as 0xRRGGBB.
  static std::uint32_t At(const std::vector<std::uint8_t>& bmp, int x, int y) {
    const int w = bmp[18] | bmp[19] << 8, h = bmp[22] | bmp[23] << 8;
    const std::size_t row = (static_cast<std::size_t>(w) * 3 + 3) & ~std::size_t{3};
    const std::uint8_t* p = &bmp[54 + static_cast<std::size_t>(h - 1 - y) * row + 3 * x];
    return static_cast<std::uint32_t>(p[2]) << 16 | p[1] << 8 | p[0];
  }
};

TEST(FitPicture, FillsTheWindowKeepingProportions) {
  using detail::FitPicture;
  auto is = [](detail::Placement p, int x, int y, int w, int h) {
    return p.x == x && p.y == y && p.width == w && p.height == h;
  };
  EXPECT_TRUE(is(FitPicture(1920, 1080, 1920, 1080), 0, 0, 1920, 1080));
  EXPECT_TRUE(is(FitPicture(1920, 1080, 2560, 1440), 0, 0, 2560, 1440));
  // 1366 x 768 is a hair narrower than 16:9: a column left over.
  EXPECT_TRUE(is(FitPicture(1920, 1080, 1366, 768), 0, 0, 1365, 768));
  // 5:4: bars above and below.
  EXPECT_TRUE(is(FitPicture(1920, 1080, 1280, 1024), 0, 152, 1280, 720));
  // A 4:3 layout on a wide screen: bars on the sides.
  EXPECT_TRUE(is(FitPicture(1024, 768, 1920, 1080), 240, 0, 1440, 1080));
}

TEST_F(ShownTest, TheScreenIsDrawnAtTheLayoutSizeWhateverTheDesktop) {
  Open(1366, 768, 1920, 1080);
  EXPECT_EQ(GetMaxX(), 1919);
  EXPECT_EQ(GetMaxY(), 1079);
  EXPECT_EQ(ScreenWidth, 1366);  // the desktop and the window stay as they are
  EXPECT_EQ(WindowWidth, 1366);
  CloseGraph();
  // No layout size: the desktop's, as the window's own.
  Open(1366, 768, 0, 0);
  EXPECT_EQ(GetMaxX(), 1365);
  EXPECT_EQ(GetMaxY(), 767);
}

TEST_F(ShownTest, AtTheLayoutSizeTheWindowShowsTheScreenPixelForPixel) {
  Open(1920, 1080, 1920, 1080);
  SetColor(NamedColor[kWhite]);
  for (int i = 0; i < 40; ++i) Line(static_cast<std::int16_t>(i * 47), 0, static_cast<std::int16_t>(1919 - i * 13), 1079);
  const std::vector<std::uint8_t> shown = ShownScreenBmp(1920, 1080), drawn = ScreenBmp();
  ASSERT_EQ(shown.size(), drawn.size());
  // The pixels (after the 54 bytes of headers) are the same bytes.
  EXPECT_TRUE(std::equal(shown.begin() + 54, shown.end(), drawn.begin() + 54));
}

TEST_F(ShownTest, OnAnotherDisplayThePictureIsScaledBetweenBlackBars) {
  Open(1280, 1024, 1920, 1080);
  SetFillStyle(1, NamedColor[kWhite]);
  Bar(0, 0, 1919, 1079);
  SetFillStyle(1, NamedColor[kBlack]);
  Bar(960, 0, 1919, 1079);  // the right half black
  const std::vector<std::uint8_t> shown = ShownScreenBmp(1280, 1024);
  ASSERT_EQ(shown.size(), 54u + 1280u * 3 * 1024);
  const std::uint32_t white = At(ScreenBmp(), 0, 0);
  ASSERT_NE(white, 0u);
  // Bars of 152 rows above and below the 720 rows of picture.
  for (int x : {0, 300, 600})
    for (int y : {0, 151, 872, 1023}) EXPECT_EQ(At(shown, x, y), 0u) << x << "," << y;
  for (int y : {152, 500, 871}) {
    EXPECT_EQ(At(shown, 0, y), white) << y;
    EXPECT_EQ(At(shown, 600, y), white) << y;
    EXPECT_EQ(At(shown, 700, y), 0u) << y;  // the black half, scaled to 640 columns
    EXPECT_EQ(At(shown, 1279, y), 0u) << y;
  }
  // Up as well as down: a 2560 x 1440 display shows the same halves.
  const std::vector<std::uint8_t> big = ShownScreenBmp(2560, 1440);
  EXPECT_EQ(At(big, 1270, 0), white);
  EXPECT_EQ(At(big, 1290, 1439), 0u);
}

}  // namespace
