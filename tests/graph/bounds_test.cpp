// Coordinates far outside the screen: every primitive that takes 32-bit
// points draws the part that shows and ends at once, however far away the
// rest lies and whatever the viewport origin adds to it.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "graph/graph.h"
#include "headless_screen.h"
#include "tests/support/ends_within.h"

using namespace graph;

using Bounds = HeadlessScreen;

namespace {

constexpr std::int32_t kFar = 2000000000;
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

void Poly(std::initializer_list<PointType> pts, bool fill) {
  if (fill)
    FillPoly(static_cast<std::uint16_t>(pts.size()), pts.begin());
  else
    DrawPoly(static_cast<std::uint16_t>(pts.size()), pts.begin());
}

}  // namespace

TEST_F(Bounds, FarLinesDrawTheirVisiblePart) {
  SetColor(14);
  auto draw = [] {
    Poly({{10, 10}, {kFar, 10}}, false);             // a wall two thousand million pixels long
    Poly({{-kFar, -kFar}, {kFar, kFar}}, false);     // the screen diagonal, far ends both sides
    Poly({{20, kMin}, {20, kMax}}, false);           // the whole 32-bit range
    Poly({{kMin, kMin}, {kMax, kMin + 7}}, false);   // wholly off the screen
  };
  ASSERT_TRUE(testsupport::EndsWithin(60, draw));
  draw();
  EXPECT_EQ(Count(10, 10, 639, 10, Pal(14)), 630);  // to the right edge
  EXPECT_EQ(Rgb(9, 10), 0u);
  for (int i : {0, 100, 333, 479}) EXPECT_EQ(Rgb(i, i), Pal(14)) << i;
  EXPECT_EQ(Count(20, 0, 20, 479, Pal(14)), 480);
  EXPECT_EQ(Count(0, 0, 639, 479, Pal(14)), 630 + 480 + 480 - 3);  // three crossings
}

TEST_F(Bounds, FarLinesMeetTheScreenWhereTheExactLineDoes) {
  SetColor(14);
  // From (0, 0) towards (kFar, kFar / 2): half a pixel down per pixel across.
  Poly({{0, 0}, {kFar, kFar / 2}}, false);
  EXPECT_EQ(Rgb(600, 300), Pal(14));
  EXPECT_EQ(Rgb(639, 319) | Rgb(639, 320), Pal(14));
  EXPECT_EQ(Count(0, 0, 639, 479, Pal(14)), 640);  // one pixel a column
}

TEST_F(Bounds, FarLinesInAClippedViewportStayInsideIt) {
  SetViewPort(100, 100, 199, 199, true);
  SetColor(14);
  Poly({{kMax - 50, 10}, {kMin, 10}}, false);  // the origin pushes kMax past 32 bits
  Poly({{kMin, kMin}, {kMax, kMax}}, false);
  SetViewPort(0, 0, 639, 479, false);
  EXPECT_EQ(Count(100, 110, 199, 110, Pal(14)), 100);
  EXPECT_EQ(Count(0, 0, 639, 479, Pal(14)), 100 + 100 - 1);
  EXPECT_EQ(Rgb(99, 110), 0u);
  EXPECT_EQ(Rgb(200, 110), 0u);
}

TEST_F(Bounds, FarPolygonsFillTheScreenPartOnly) {
  SetColor(14);
  SetFillStyle(1, 10);
  auto draw = [] {
    Poly({{-kFar, -kFar}, {kFar, -kFar}, {kFar, kFar}, {-kFar, kFar}}, true);
    Poly({{kMin, kMin}, {kMax, kMin}, {kMax, kMax}}, true);
  };
  ASSERT_TRUE(testsupport::EndsWithin(60, draw));
  Poly({{-kFar, -kFar}, {kFar, -kFar}, {kFar, kFar}, {-kFar, kFar}}, true);
  EXPECT_EQ(Count(0, 0, 639, 479, Pal(10)), 640 * 480);  // the screen lies inside

  ClearDevice();
  SetFillStyle(4, 10);  // a hatch goes through the mask
  Poly({{100, 100}, {kFar, 100}, {kFar, 200}, {100, 200}}, true);
  EXPECT_GT(Count(100, 101, 639, 199, Pal(10)), 0);
  EXPECT_EQ(Count(0, 0, 98, 479, Pal(10)), 0);
}
