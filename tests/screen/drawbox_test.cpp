#include <cmath>
#include <vector>

#include "tests/screen/primitives_fixture.h"

using namespace screen;
using namespace primitives_test;

namespace {

using Corners = std::vector<std::pair<int, int>>;

Corners Quad() {
  Corners c;
  for (int i = 1; i <= 5; ++i) c.push_back({QUAD[i].x, QUAD[i].y});
  return c;
}

// An outline box: angle, map position, depth, width, zoom, offsets.
Corners Box(int angle, double x, double y, double depth, double width, double zoom = 1, int xo = 0, int yo = 0) {
  DRAWBOXG(angle, kRed, 0, x, y, depth, width, zoom, 99, 1, kBlack, xo, yo);
  return Quad();
}

}  // namespace

TEST(SnapAngle, EightDirections) {
  // Each band's edges: {angle, direction}.
  const int cases[][2] = {{0, 360},   {22, 360},  {23, 45},   {65, 45},   {66, 90},   {100, 90},
                          {112, 90},  {113, 135}, {177, 135}, {178, 180}, {202, 180}, {203, 225},
                          {247, 225}, {248, 270}, {292, 270}, {293, 315}, {337, 315}, {338, 360},
                          {339, 360}, {360, 360}, {-5, -1},   {361, -1}};
  for (const auto& c : cases) EXPECT_EQ(SnapAngle(c[0]), c[1]) << c[0];
}

TEST_F(PrimitivesTest, BoxCornersCarryTheOffsetsTwice) {
  // 10 long, 2 wide at angle 0, anchor (5, 5), zoom 4, offsets (100, 50).
  EXPECT_EQ(Box(0, 5, 5, 2, 10, 4, 100, 50), (Corners{{220, 120}, {220, 112}, {260, 112}, {260, 120}, {220, 120}}));
}

TEST_F(PrimitivesTest, BoxCornersForTheRightAngles) {
  const Corners at90{{100, 100}, {90, 100}, {90, 80}, {100, 80}, {100, 100}};
  EXPECT_EQ(Box(90, 100, 100, 10, 20), at90);
  EXPECT_EQ(Box(100, 100, 100, 10, 20), at90);
  EXPECT_EQ(Box(180, 100, 100, 10, 20), (Corners{{100, 100}, {100, 110}, {80, 110}, {80, 100}, {100, 100}}));
  EXPECT_EQ(Box(270, 100, 100, 10, 20), (Corners{{100, 100}, {110, 100}, {110, 120}, {100, 120}, {100, 100}}));
  const Corners at360 = Box(360, 100, 100, 10, 20);
  EXPECT_EQ(at360, (Corners{{100, 100}, {100, 90}, {120, 90}, {120, 100}, {100, 100}}));
  EXPECT_EQ(Box(0, 100, 100, 10, 20), at360);
  EXPECT_EQ(Box(339, 100, 100, 10, 20), at360);
  // The anchor is rounded halves away from zero.
  EXPECT_EQ(Box(0, 10.5, 20.5, 0, 0).front(), std::make_pair(11, 21));
}

TEST_F(PrimitivesTest, BoxCornersForTheDiagonals) {
  const double r2 = std::sqrt(2.0);
  // d = 10 and w = 20 pixels along each axis.
  EXPECT_EQ(Box(45, 100, 100, 10 * r2, 20 * r2), (Corners{{100, 100}, {120, 80}, {110, 70}, {90, 90}, {100, 100}}));
  EXPECT_EQ(Box(135, 100, 100, 10 * r2, 20 * r2), (Corners{{100, 100}, {80, 80}, {70, 90}, {90, 110}, {100, 100}}));
  EXPECT_EQ(Box(225, 100, 100, 10 * r2, 20 * r2), (Corners{{100, 100}, {80, 120}, {90, 130}, {110, 110}, {100, 100}}));
  EXPECT_EQ(Box(315, 100, 100, 10 * r2, 20 * r2), (Corners{{100, 100}, {110, 90}, {130, 110}, {120, 120}, {100, 100}}));
  // Negative sizes count by their size.
  EXPECT_EQ(Box(45, 100, 100, -10 * r2, -20 * r2), Box(45, 100, 100, 10 * r2, 20 * r2));
  // No depth or no width: the box is a line, not a point.
  EXPECT_EQ(Box(45, 100, 100, 0, 20 * r2), (Corners{{100, 100}, {120, 80}, {120, 80}, {120, 80}, {100, 100}}));
  EXPECT_EQ(Box(45, 100, 100, 10 * r2, 0), (Corners{{100, 100}, {100, 100}, {90, 90}, {90, 90}, {100, 100}}));
  EXPECT_TRUE(Is(95, 95, kRed));
}

TEST_F(PrimitivesTest, AngleOutsideTheCircleRedrawsThePreviousCorners) {
  const Corners before = Box(0, 100, 100, 40, 60);
  ASSERT_TRUE(Is(130, 60, kRed));
  graph::ClearDevice();
  DRAWBOXG(-5, kGreen, 0, 300, 300, 1, 1, 1, 99, 1, kBlack, 7, 7);
  EXPECT_EQ(Quad(), before);
  EXPECT_TRUE(Is(130, 60, kGreen));
  EXPECT_TRUE(Is(100, 80, kGreen));
  DRAWBOXG(361, kRed, 0, 300, 300, 1, 1, 1, 99, 1, kBlack, 7, 7);
  EXPECT_EQ(Quad(), before);
}

TEST_F(PrimitivesTest, OutlineBoxLeavesTheInsideAlone) {
  graph::ClearDevice();
  DRAWBOXG(0, kRed, 0, 100, 300, 100, 200, 1, 99, 1, kWhite, 0, 0);
  EXPECT_TRUE(Is(100, 250, kRed));  // left side
  EXPECT_TRUE(Is(200, 200, kRed));  // top
  EXPECT_TRUE(Is(300, 250, kRed));  // right side
  EXPECT_EQ(Count(110, 210, 290, 290, kBlack), 181 * 81);
}

TEST_F(PrimitivesTest, FilledBoxesFollowTheFillStyle) {
  // Fill style 2: solid in the box's colour.
  DRAWBOXG(0, kRed, 0, 100, 300, 100, 200, 1, 2, 1, kBlack, 0, 0);
  EXPECT_EQ(Count(110, 210, 290, 290, kRed), 181 * 81);
  // Fill style 1: empty, i.e. the background colour.
  DRAWBOXG(0, kRed, 0, 400, 300, 100, 200, 1, 1, 1, kYellow, 0, 0);
  EXPECT_EQ(Count(410, 210, 590, 290, kYellow), 181 * 81);
  EXPECT_TRUE(Is(400, 250, kRed));
  EXPECT_EQ(graph::GetBkColor(), ColorValue(kYellow));
  // Fill style 3: a horizontal hatch in the box's colour over the background.
  graph::SetBkColor(ColorValue(kBlack));
  graph::ClearDevice();
  DRAWBOXG(0, kGreen, 0, 100, 500, 200, 200, 1, 3, 1, kBlack, 0, 0);
  EXPECT_TRUE(Is(100, 400, kGreen));  // outline
  int hatchRows = 0, emptyRows = 0;
  for (int y = 310; y <= 490; ++y) {
    int n = Count(110, y, 290, y, kGreen);
    if (n == 181) ++hatchRows;
    if (Count(110, y, 290, y, kBlack) == 181) ++emptyRows;
    EXPECT_TRUE(n == 0 || n == 181) << "row " << y << " is not a horizontal line";
  }
  EXPECT_GT(hatchRows, 5);
  EXPECT_GT(emptyRows, hatchRows);
}

TEST_F(PrimitivesTest, LineStyleCodes) {
  // {thickness code, style code, LW, ST} in turn; negative codes keep what was set.
  const int steps[][4] = {{3, 2, 3, 2}, {0, 7, 1, 1}, {9, 4, 1, 4}, {-1, -1, 1, 4}, {4, -1, 4, 4}};
  for (const auto& s : steps) {
    ST0(s[0], s[1]);
    EXPECT_EQ(LW, s[2]) << s[0];
    EXPECT_EQ(ST, s[3]) << s[1];
    EXPECT_EQ(P1, 4);
  }
  // The outline box draws solid in its own thickness.
  DRAWBOXG(0, kRed, 3, 100, 100, 10, 10, 1, 99, 7, kBlack, 0, 0);
  EXPECT_EQ(ST, 0);
  EXPECT_EQ(LW, 1);
  EXPECT_EQ(P1, 0);
}
