// Fixtures: fixed little drawings at an element's anchor, in map units, made
// of rotated boxes in the element's colours and, for the round tables,
// circles. Their size does not follow the element's length and width, except
// for the rails of F3 and F4. F6 is drawn by the help picture only.
//
// Directions on screen: 0 runs right, 90 up, 180 left, 270 down; a box's
// width (the element's length) runs along its angle and its depth a quarter
// turn further counter-clockwise.
#include <algorithm>
#include <cmath>

#include "common/numtext.h"
#include "graph/graph.h"
#include "map/mapfile.h"
#include "map/render.h"
#include "map/render_text.h"
#include "map/zones.h"
#include "screen/primitives.h"

namespace mapview {

namespace {

using kiosk::RealToWhole;
using kiosk::TextToWhole;

// One box of a fixture, in the element's colours and the zone's transform.
void Box(std::int32_t angle, double x, double y, double depth, double width) {
  screen::DRAWBOXG(angle, I2, I3, x, y, depth, width, zones::ZOOM, I4, I5, I6, zones::OFFSETX,
                   zones::OFFSETY);
}

enum class Set { Straight, Diagonal, None };

// F2 to F4 choose their set from the angle as a whole number.
Set SetOfAngle() {
  switch (TextToWhole(CurrentElement().angle)) {
    case 0: case 90: case 180: case 360: return Set::Straight;
    case 45: case 135: case 235: case 315: return Set::Diagonal;
    default: return Set::None;
  }
}

// The round table of the gondola codes: centred on the anchor (with the
// zone's circle shift), its radius the smaller of length and width.
void RoundTable() {
  LSTYLE();
  screen::COLORS1(I2);
  const std::int32_t cx = RealToWhole(zones::ZOOM * IX + zones::OFFSETX + zones::OFFSETX_CIRCLES);
  const std::int32_t cy = RealToWhole(zones::ZOOM * IY + zones::OFFSETY + zones::OFFSETY_CIRCLES);
  const std::int32_t r = RealToWhole(zones::ZOOM * std::min(BL1, BW1));
  if (r < 0) return;
  graph::Circle(static_cast<std::int16_t>(cx), static_cast<std::int16_t>(cy),
                static_cast<std::uint16_t>(r));
}

// F3 and F4: a corner rack of two rails whose length is the larger of the
// element's length and width, starting half that size left of the anchor
// and running right (360) and down (270), and a square table beside it.
void CornerRack(double square, double diagonalDepth, double diagonalWidth) {
  const double X = IX, Y = IY;
  const Set set = SetOfAngle();
  if (set == Set::Straight) {
    const double size = std::max(BL1, BW1);
    const double px = X - size / 2;
    Box(360, px, Y, 0.1, size);
    Box(270, px, Y, 0.1, size);
    // The square at 180 runs left from its anchor and down from it.
    Box(180, px + (zones::ZOOM < 4 ? 2.3 : 2.35), Y, square, square);
  } else if (set == Set::Diagonal) {
    // A ">" of two rails meeting at the anchor (running up-left and
    // down-left from it), the square turned by 45 degrees just right of it.
    Box(135, X, Y, diagonalDepth, diagonalWidth);
    Box(225, X, Y, diagonalDepth, diagonalWidth);
    Box(45, X + 0.3, Y, square, square);
  }
}

// A bar from (x, y) along the angle, its thickness centred on that line.
void Bar(std::int32_t angle, double x, double y, double thickness, double length) {
  const double a = angle * M_PI / 180;
  // The box's depth runs a quarter turn counter-clockwise from its anchor,
  // so the anchor moves half the thickness the other way (map y runs down).
  Box(angle, x + thickness / 2 * std::sin(a), y + thickness / 2 * std::cos(a), thickness, length);
}

// A square centred on (x, y), its sides along the angle.
void CentredSquare(std::int32_t angle, double x, double y, double side) {
  const double a = angle * M_PI / 180;
  Box(angle, x + side / 2 * (std::sin(a) - std::cos(a)), y + side / 2 * (std::sin(a) + std::cos(a)),
      side, side);
}

}  // namespace

void LSTYLE() {
  const std::int32_t fill = I4;
  std::uint16_t pattern = 0;
  if (fill == 99 || fill == 9) {
    pattern = 9;
  } else if (fill >= 2 && fill <= 8) {
    pattern = static_cast<std::uint16_t>(fill - 1);
  }
  graph::SetFillStyle(pattern, screen::ColorValue(I2));
  const std::uint16_t style = static_cast<std::uint16_t>(I3 >= 0 && I3 <= 6 ? I3 : 0);
  const std::uint16_t width = static_cast<std::uint16_t>(I5 <= 1 ? 1 : std::min(I5, 4));
  graph::SetLineStyle(style, 0, width);
}

// F1, a square table with four rails: straight, a 4 x 4 table centred on the
// anchor with four thin rails 3 long forming a pinwheel on it; diagonal, a
// similar make-up turned by 45 degrees. Chosen by the angle's text.
void FIXTURES() {
  const ElementText e = CurrentElement();
  const std::string_view angle = e.angle;
  const double X = IX, Y = IY;
  if (Contains(angle, "0") || Contains(angle, "180") || Contains(angle, "270") ||
      Contains(angle, "360")) {
    Box(0, X - 1, Y + 1, 0.01, 3);
    Box(0, X - 1, Y + 2, 3, 0.01);
    Box(0, X - 2, Y - 1, 0.01, 3);
    Box(0, X + 1, Y + 1, 3, 0.01);
    Box(0, X - 2, Y + 2, 4, 4);
  } else {
    Box(45, X - 0.69, Y + 3 - 1.029, 0.01, 2.7);
    Box(45, X, Y + 3 - 1.79, 2.7, 0.01);
    Box(135, X + 0.65, Y + 3 - 5.02, 2.7, 0.01);
    Box(135, X + 2.1, Y + 3 - 2.2572, 0.01, 2.7);
    Box(45, X - 0.1, Y + 3 - 0.2, 4, 4);
  }
}

// F2, a square bay with four rails. Straight: a 3 x 3 square drawn at 270
// from the anchor (so it covers X..X+3 across and Y..Y+3 down), rails 0.25
// outside its top and bottom edges (at 180, 2.3 long) and its left and right
// edges (at 270, 2.2 long), each centred on its edge. Diagonal: the square at
// 315 (a diamond from the anchor to X+4.24 across), rails of 1.9 and 1.98
// outside its four sides.
void FIXTURES2() {
  const double X = IX, Y = IY;
  const Set set = SetOfAngle();
  if (set == Set::Straight) {
    Box(180, X + 2.65, Y - 0.25, 0.01, 2.3);
    Box(180, X + 2.65, Y + 3.25, 0.01, 2.3);
    Box(270, X - 0.25, Y + 0.4, 0.01, 2.2);
    Box(270, X + 3.25, Y + 0.4, 0.01, 2.2);
    Box(270, X, Y, 3, 3);
  } else if (set == Set::Diagonal) {
    Box(45, X - 0.1, Y - 0.5, 0.01, 1.9);    // outside the upper left side
    Box(135, X + 4.34, Y - 0.5, 0.01, 1.98);  // outside the upper right side
    Box(225, X + 4.34, Y + 0.5, 0.01, 1.9);  // outside the lower right side
    Box(315, X - 0.1, Y + 0.5, 0.01, 1.98);  // outside the lower left side
    Box(315, X, Y, 3, 3);
  }
}

// F3: corner rack with a 1.5 x 1.5 square; turned, rails 0.1 deep and 3 long.
void FIXTURES3() { CornerRack(1.5, 0.1, 3); }

// F4: as F3 with a 2 x 2 square; turned, rails 0.15 deep and 4 long.
void FIXTURES4() { CornerRack(2, 0.15, 4); }

// R4, a round table with two rails: one 4 long running up from 0.1 right of
// and 2.1 below the anchor, one 1.9 long running left from 1.9 right of it.
void GC04() {
  const double X = IX, Y = IY;
  Box(90, X + 0.1, Y + 2.1, 0.1, 4);
  Box(180, X + 1.9, Y, 0.1, 1.9);
  RoundTable();
}

void GC0() { RoundTable(); }

void GC04P() { RoundTable(); }

// R42, a round table with a panel: two lines running up from 1.2 below the
// anchor (2.5 long at 0.2 left of it, 2.4 long at it), the panel between
// them (a box at 90, 0.2 deep), and two rails of 1 running left from 1
// right of the anchor.
void GC03() {
  const double X = IX, Y = IY;
  Box(90, X - 0.2, Y + 1.2, 0, 2.5);
  Box(90, X, Y + 1.2, 0, 2.4);
  Box(180, X + 1, Y + 0.1, 0.2, 1);
  Box(180, X + 1, Y, 0.05, 1);
  Box(90, X, Y + 1.2, 0.2, 2.4);
  RoundTable();
}

// 42C, two rails without a table: 3.1 running up from 1.5 below the anchor,
// and 1.25 running left from 1.25 right of it, back to the anchor.
void GC03P() {
  const double X = IX, Y = IY;
  Box(90, X, Y + 1.5, 0.05, 3.1);
  Box(180, X + 1.25, Y, 0.05, 1.25);
}

// F6, a four-way stand: four arms 3 long and 0.5 thick meeting at the
// anchor, with a 1.5 x 1.5 hub on it. Straight, the arms run right, up, left
// and down; turned, along the diagonals and the hub turned with them. The
// set is chosen from the angle as for F2 to F4.
void FIXTURES6() {
  const Set set = SetOfAngle();
  if (set == Set::None) return;
  const std::int32_t first = set == Set::Straight ? 360 : 45;
  for (int k = 0; k < 4; ++k) Bar(first == 360 ? 90 * (k + 1) : 45 + 90 * k, IX, IY, 0.5, 3);
  CentredSquare(first, IX, IY, 1.5);
}

}  // namespace mapview
