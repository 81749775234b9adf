// Pixel checks of the primitives on the headless screen.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "graph/graph.h"
#include "graph/raster.h"
#include "headless_screen.h"

using namespace graph;

using Draw = HeadlessScreen;

TEST_F(Draw, RectangleOutlines) {
  SetColor(14);
  Rectangle(10, 10, 10, 10);
  EXPECT_EQ(Count(5, 5, 15, 15, Pal(14)), 1);
  EXPECT_EQ(Rgb(10, 10), Pal(14));

  Rectangle(10, 10, 9, 20);
  EXPECT_EQ(GraphResult(), grInvalidParam);
  EXPECT_EQ(Count(5, 5, 15, 25, Pal(14)), 1);

  Rectangle(20, 30, 29, 34);  // 10 x 5 outline
  EXPECT_EQ(Count(19, 29, 30, 35, Pal(14)), 2 * 10 + 2 * 3);
  EXPECT_EQ(Rgb(25, 32), 0u);  // hollow
  EXPECT_EQ(Rgb(29, 34), Pal(14));

  SetLineStyle(0, 0, 3);  // wide pens sit centred on the edge
  Rectangle(100, 100, 120, 110);
  EXPECT_EQ(Rgb(99, 105), Pal(14));
  EXPECT_EQ(Rgb(101, 105), Pal(14));
  EXPECT_EQ(Rgb(98, 105), 0u);
  EXPECT_EQ(Rgb(102, 105), 0u);
  EXPECT_EQ(Rgb(99, 99), Pal(14));  // square corners
}

TEST_F(Draw, LinesAndPatterns) {
  SetColor(10);
  Line(0, 0, 9, 3);
  EXPECT_EQ(Rgb(0, 0), Pal(10));
  EXPECT_EQ(Rgb(9, 3), Pal(10));
  EXPECT_EQ(Count(0, 0, 9, 3, Pal(10)), 10);  // one pixel a column

  SetLineStyle(1, 0, 1);  // dotted: three on, three off
  Line(0, 20, 29, 20);
  std::string seen;
  for (int x = 0; x < 12; ++x) seen += Rgb(x, 20) ? '#' : '.';
  EXPECT_EQ(seen, "###...###...");
  EXPECT_EQ(Count(0, 20, 29, 20, Pal(10)), 15);

  SetLineStyle(5, 0, 1);  // no line
  Line(0, 40, 29, 40);
  EXPECT_EQ(Count(0, 40, 29, 40, Pal(10)), 0);

  SetLineStyle(0, 0, 3);
  Line(50, 60, 80, 60);
  for (int y = 58; y <= 62; ++y) EXPECT_EQ(Rgb(65, y) != 0, y >= 59 && y <= 61) << y;
}

TEST_F(Draw, DashPatternRunsOnAroundCorners) {
  SetColor(15);
  SetLineStyle(3, 0, 1);  // dashed 18 on, 6 off
  PointType pts[] = {{0, 0}, {10, 0}, {10, 30}};
  DrawPoly(3, pts);
  // 11 pixels on the first leg, so the dash ends 7 pixels down the second.
  EXPECT_EQ(Rgb(10, 7), Pal(15));
  EXPECT_EQ(Rgb(10, 8), 0u);
  EXPECT_EQ(Rgb(10, 13), 0u);
  EXPECT_EQ(Rgb(10, 14), Pal(15));
  PointType one[] = {{0, 0}};
  DrawPoly(1, one);
  EXPECT_EQ(GraphResult(), grInvalidParam);
}

TEST_F(Draw, CircleIsSymmetricAndExact) {
  SetColor(12);
  Circle(100, 100, 20);
  EXPECT_EQ(Rgb(120, 100), Pal(12));
  EXPECT_EQ(Rgb(80, 100), Pal(12));
  EXPECT_EQ(Rgb(100, 80), Pal(12));
  EXPECT_EQ(Rgb(100, 120), Pal(12));
  EXPECT_EQ(Rgb(121, 100), 0u);
  EXPECT_EQ(Rgb(100, 100), 0u);
  int n = 0;
  for (int y = 75; y <= 125; ++y)
    for (int x = 75; x <= 125; ++x) {
      if (Rgb(x, y) != Pal(12)) continue;
      ++n;
      EXPECT_EQ(Rgb(200 - x, y), Pal(12));
      EXPECT_EQ(Rgb(x, 200 - y), Pal(12));
      EXPECT_EQ(Rgb(100 + (y - 100), 100 + (x - 100)), Pal(12));
      double r = std::hypot(x - 100, y - 100);
      EXPECT_NEAR(r, 20.0, 0.75);
    }
  EXPECT_GT(n, 100);  // a closed ring, about 2 pi r pixels
  EXPECT_LT(n, 130);
}

TEST_F(Draw, SolidOutlinesPlotEveryPixelOfTheOutlineWalk) {
  // Full solid ellipses are plotted straight from their quarter; the pixels
  // must be those of the ordered walk round the outline that dashes follow.
  SetColor(12);
  for (auto [xr, yr] : {std::pair{0, 0}, {0, 7}, {9, 0}, {1, 1}, {5, 5}, {20, 20}, {33, 8}, {4, 41}}) {
    ClearDevice();
    Ellipse(150, 150, 0, 360, static_cast<std::uint16_t>(xr), static_cast<std::uint16_t>(yr));
    std::set<std::pair<int, int>> want, got;
    for (const auto& [p, a] : detail::EllipseOutline(150, 150, xr, yr)) want.insert(p);
    for (int y = 100; y <= 200; ++y)
      for (int x = 100; x <= 200; ++x)
        if (Rgb(x, y) == Pal(12)) got.insert({x, y});
    EXPECT_EQ(got, want) << xr << " x " << yr;
  }
  // Straight and 45-degree sides are stepped without the line algorithm:
  // each of the eight directions sets exactly the pixels on its way.
  for (int dir = 0; dir < 8; ++dir) {
    const int sx = dir == 2 || dir == 6 ? 0 : dir < 2 || dir == 7 ? 1 : -1;
    const int sy = dir == 0 || dir == 4 ? 0 : dir < 4 ? 1 : -1;
    ClearDevice();
    const PointType line[] = {{150, 150}, {150 + 30 * sx, 150 + 30 * sy}};
    DrawPoly(2, line);
    EXPECT_EQ(Count(100, 100, 200, 200, Pal(12)), 31) << dir;
    for (int k = 0; k <= 30; ++k) EXPECT_EQ(Rgb(150 + k * sx, 150 + k * sy), Pal(12)) << dir << " " << k;
  }
}

TEST_F(Draw, WideCircleAfterTextDrawsOnlyTheRing) {
  SetColor(15);
  OutTextXY(400, 400, "Milk");  // leaves the text's end as current point
  SetColor(12);
  SetLineStyle(0, 0, 2);
  Circle(100, 100, 20);
  // Nothing of the circle's colour outside its square.
  EXPECT_EQ(Count(0, 0, 639, 479, Pal(12)), Count(76, 76, 124, 124, Pal(12)));
  EXPECT_GT(Count(76, 76, 124, 124, Pal(12)), 100);
}

TEST_F(Draw, ArcsRunCounterClockwise) {
  SetColor(12);
  Ellipse(100, 100, 0, 90, 30, 20);  // right to top
  EXPECT_EQ(Rgb(130, 100), Pal(12));
  EXPECT_EQ(Rgb(100, 80), Pal(12));
  EXPECT_EQ(Count(70, 80, 99, 120, Pal(12)), 0);  // nothing on the left
  EXPECT_EQ(Count(100, 101, 131, 121, Pal(12)), 0);  // nothing below
  SetLineStyle(0, 0, 3);
  Ellipse(300, 100, 180, 270, 30, 30);  // left to bottom, wide pen
  EXPECT_NE(Rgb(270, 100), 0u);
  EXPECT_NE(Rgb(300, 130), 0u);
  EXPECT_EQ(Count(300 + 5, 60, 340, 140, Pal(12)), 0);
  EXPECT_EQ(Count(260, 60, 340, 95, Pal(12)), 0);
}

TEST_F(Draw, BarsAndHatchesStayOnTheScreenGrid) {
  SetFillStyle(1, 4);
  Bar(10, 10, 19, 14);
  EXPECT_EQ(Count(9, 9, 20, 15, Pal(4)), 50);

  // A horizontal hatch inside a viewport at an odd origin: the lines fall on
  // screen rows that are multiples of 8, whatever the viewport.
  SetViewPort(203, 205, 300, 300, true);
  SetFillStyle(2, 9);
  Bar(0, 0, 40, 40);
  for (int y = 205; y <= 245; ++y) EXPECT_EQ(Rgb(220, y) == Pal(9), y % 8 == 0) << y;
  SetFillStyle(6, 9);  // forward diagonal
  Bar(50, 0, 90, 40);
  for (int x = 253; x < 293; ++x)
    for (int y = 205; y < 245; ++y) ASSERT_EQ(Rgb(x, y) == Pal(9), (x & 7) == (y & 7)) << x << "," << y;
}

TEST_F(Draw, UserPatternAndEmptyFill) {
  const std::uint8_t checker[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  SetBkColor(1);
  SetFillPattern(checker, 14);
  Bar(0, 0, 7, 7);
  EXPECT_EQ(Rgb(0, 0), Pal(14));
  EXPECT_EQ(Rgb(1, 0), Pal(1));  // zeros in the background colour
  EXPECT_EQ(Rgb(0, 1), Pal(1));
  SetFillStyle(9, 14);
  Bar(20, 20, 30, 30);
  EXPECT_EQ(Count(20, 20, 30, 30, 0), 121);
  SetFillStyle(0, 14);  // the background colour
  Bar(20, 20, 30, 30);
  EXPECT_EQ(Count(20, 20, 30, 30, Pal(1)), 121);
}

TEST_F(Draw, ClippingCutsAtTheViewportEdges) {
  SetViewPort(50, 50, 59, 59, true);
  SetColor(15);
  SetFillStyle(1, 2);
  Bar(-20, -20, 40, 40);
  EXPECT_EQ(Count(40, 40, 70, 70, Pal(2)), 100);
  Line(-5, 3, 30, 3);
  EXPECT_EQ(Count(40, 53, 70, 53, Pal(15)), 10);
  Circle(5, 5, 30);
  EXPECT_EQ(Count(0, 0, 200, 200, Pal(15)), 10);
  PutPixel(10, 0, 15);
  EXPECT_EQ(Rgb(60, 50), 0u);  // outside the clip: untouched
  SetViewPort(50, 50, 59, 59, false);  // no clipping
  Line(-5, 20, 30, 20);
  EXPECT_EQ(Count(0, 70, 200, 70, Pal(15)), 36);
}

TEST_F(Draw, FillPolyFillsAndOutlines) {
  SetColor(15);
  SetFillStyle(1, 4);
  PointType tri[] = {{100, 100}, {140, 100}, {100, 140}};
  FillPoly(3, tri);
  EXPECT_EQ(Rgb(110, 110), Pal(4));   // inside
  EXPECT_EQ(Rgb(100, 120), Pal(15));  // on the outline
  EXPECT_EQ(Rgb(120, 100), Pal(15));
  EXPECT_EQ(Rgb(120, 120), Pal(15));  // on the slanted edge
  EXPECT_EQ(Rgb(135, 135), 0u);       // outside
}
