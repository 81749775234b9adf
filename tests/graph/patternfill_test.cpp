// Hatched and patterned fills cover exactly the pixels a solid fill of the
// same shape covers, with the tile aligned to the screen.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "graph/graph.h"
#include "headless_screen.h"

using namespace graph;

namespace {

constexpr int kArea = 120;  // shapes stay near this square, clipped or not
const std::uint8_t kUserPattern[8] = {0x81, 0x42, 0x24, 0x18, 0xF0, 0x0F, 0xAA, 0x55};

bool TileInk(int style, int x, int y) {
  int mx = x & 7, my = y & 7;
  switch (style) {
    case 2: return my == 0;
    case 3: return mx == 0;
    case 4: return mx == 0 || my == 0;
    case 5: return ((mx + my) & 7) == 7;
    case 6: return mx == my;
    case 7: return mx == my || ((mx + my) & 7) == 7;
    case 8: return kUserPattern[my] >> (7 - mx) & 1;
    default: return false;
  }
}

class PatternFill : public HeadlessScreen {
 protected:
  // Draws the shape solid, then in the style, and checks every pixel of
  // the area against the solid coverage and the tile.
  template <typename DrawShape>
  void ExpectTiledLikeSolid(int style, DrawShape draw, const std::string& what) {
    SetBkColor(1);
    ClearDevice();
    SetFillStyle(1, 14);
    draw();
    std::vector<bool> covered(kArea * kArea);
    int coveredCount = 0;
    for (int y = 0; y < kArea; ++y)
      for (int x = 0; x < kArea; ++x) coveredCount += covered[y * kArea + x] = Rgb(x, y) == Pal(14);

    ClearDevice();
    SetBkColor(2);  // the user pattern's zeros
    if (style == 8)
      SetFillPattern(kUserPattern, 14);
    else
      SetFillStyle(static_cast<std::uint16_t>(style), 14);
    draw();
    int wrong = 0;
    for (int y = 0; y < kArea; ++y)
      for (int x = 0; x < kArea; ++x) {
        std::uint32_t want = Pal(1);
        if (covered[y * kArea + x]) want = TileInk(style, x, y) ? Pal(14) : style == 8 ? Pal(2) : Pal(1);
        if (Rgb(x, y) != want && ++wrong <= 3)
          ADD_FAILURE() << what << " style " << style << " at " << x << "," << y;
      }
    EXPECT_EQ(wrong, 0) << what << " style " << style << " (" << coveredCount << " pixels covered)";
  }
};

TEST_F(PatternFill, RandomPolygonsAndBarsMatchSolidCoverage) {
  std::mt19937 gen(11);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
  SetLineStyle(5, 0, 1);  // no outline: only the fill is compared
  for (int round = 0; round < 12; ++round) {
    // Every other round draws inside a clipping viewport off the origin.
    if (round % 2)
      SetViewPort(static_cast<std::int16_t>(pick(0, 30)), static_cast<std::int16_t>(pick(0, 30)),
                  static_cast<std::int16_t>(pick(60, 110)), static_cast<std::int16_t>(pick(60, 110)), true);
    else
      SetViewPort(0, 0, 639, 479, false);
    int n = pick(3, 7);
    std::vector<PointType> pts;
    for (int i = 0; i < n; ++i) pts.push_back({pick(-20, kArea + 20), pick(-20, kArea + 20)});
    pts.push_back(pts.front());
    std::int16_t bx1 = static_cast<std::int16_t>(pick(-10, 60)), by1 = static_cast<std::int16_t>(pick(-10, 60));
    std::int16_t bx2 = static_cast<std::int16_t>(pick(0, kArea)), by2 = static_cast<std::int16_t>(pick(0, kArea));
    for (int style = 2; style <= 8; ++style) {
      ExpectTiledLikeSolid(style, [&] { FillPoly(static_cast<std::uint16_t>(pts.size()), pts.data()); },
                           "polygon " + std::to_string(round));
      ExpectTiledLikeSolid(style, [&] { Bar(bx1, by1, bx2, by2); }, "bar " + std::to_string(round));
    }
  }
}

TEST_F(PatternFill, ShapesOutsideTheClipDrawNothing) {
  SetBkColor(1);
  ClearDevice();
  SetViewPort(10, 10, 50, 50, true);
  SetFillStyle(4, 14);
  Bar(100, 100, 200, 200);
  PointType far[] = {{300, 300}, {400, 310}, {350, 420}, {300, 300}};
  FillPoly(4, far);
  SetViewPort(0, 0, 639, 479, false);
  EXPECT_EQ(Count(0, 0, 639, 479, Pal(14)), 0);
  // Switching colours and styles back and forth picks the right tile.
  SetFillStyle(2, 14);
  Bar(0, 0, 15, 15);
  SetFillStyle(2, 10);
  Bar(0, 16, 15, 31);
  SetFillStyle(2, 14);
  Bar(0, 32, 15, 47);
  EXPECT_EQ(Count(0, 0, 15, 47, Pal(14)), 2 * 2 * 16);
  EXPECT_EQ(Count(0, 0, 15, 47, Pal(10)), 2 * 16);
}

}  // namespace
