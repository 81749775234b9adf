// The rotated map box: a width x depth rectangle anchored at a map point and
// turned to one of eight directions, drawn as an outline or filled.
#include <cmath>

#include "screen/primitives.h"

namespace screen {
namespace {

// Corners are kept within a thousand million pixels of the origin: a box
// that reaches farther shows on the screen as one that reaches that far,
// and no sum of corner and offset can leave 32 bits.
constexpr double kFarthest = 1 << 30;

std::int32_t Whole(double v) {
  if (!(v > -kFarthest)) return v == v ? static_cast<std::int32_t>(-kFarthest) : 0;  // NaN gives 0
  if (!(v < kFarthest)) return static_cast<std::int32_t>(kFarthest);
  return static_cast<std::int32_t>(std::lround(v));
}

// Line thickness 1..4 from a thickness code (0 and anything above 4 give 1).
std::uint16_t Thickness(std::int32_t code) {
  if (code > 4 || code < 1) return 1;
  return static_cast<std::uint16_t>(code);
}

// Pattern of SetFillStyle for a fill style code.
std::uint16_t FillPattern(std::int32_t fillStyle) {
  if (fillStyle > 9 || fillStyle < 0) fillStyle = 1;
  if (fillStyle <= 1) return 0;  // empty: the background colour
  if (fillStyle == 9) return 9;
  return static_cast<std::uint16_t>(fillStyle - 1);
}

}  // namespace

std::int32_t SnapAngle(std::int32_t angle) {
  if (angle < 0 || angle > 360) return -1;
  if (angle <= 22) return 360;
  if (angle <= 65) return 45;
  if (angle <= 112) return 90;
  if (angle <= 177) return 135;
  if (angle <= 202) return 180;
  if (angle <= 247) return 225;
  if (angle <= 292) return 270;
  if (angle <= 337) return 315;
  return 360;
}

void ST0(std::int32_t thicknessCode, std::int32_t styleCode) {
  P1 = 4;
  if (thicknessCode > 4) thicknessCode = 1;
  if (styleCode > 6) styleCode = 1;
  if (thicknessCode >= 0) LW = static_cast<std::uint16_t>(thicknessCode <= 1 ? 1 : thicknessCode);
  if (styleCode >= 0) ST = static_cast<std::uint16_t>(styleCode);
  graph::SetLineStyle(ST, P1, LW);
}

void DRAWBOXG(std::int32_t angle, std::int32_t colour, std::int32_t lineStyle, double x, double y,
              double depth, double width, double zoom, std::int32_t fillStyle,
              std::int32_t thickness, std::int32_t background, std::int32_t xOffset,
              std::int32_t yOffset) {
  const std::int32_t snapped = SnapAngle(angle);
  if (snapped >= 0) {
    std::int32_t a = 0, b = 0;
    REALTOINTEGER(a, zoom * x + xOffset);
    REALTOINTEGER(b, zoom * y + yOffset);
    graph::PointType p[6] = {};
    p[1] = {a, b};
    if (snapped % 90 == 0) {
      double d = zoom * depth, w = zoom * width;
      if (snapped != 360) {
        d = std::round(d);
        w = std::round(w);
      }
      double c[3][2];
      switch (snapped) {
        case 360: c[0][0] = a; c[0][1] = b - d; c[1][0] = a + w; c[1][1] = b - d; c[2][0] = a + w; c[2][1] = b; break;
        case 90:  c[0][0] = a - d; c[0][1] = b; c[1][0] = a - d; c[1][1] = b - w; c[2][0] = a; c[2][1] = b - w; break;
        case 180: c[0][0] = a; c[0][1] = b + d; c[1][0] = a - w; c[1][1] = b + d; c[2][0] = a - w; c[2][1] = b; break;
        default:  c[0][0] = a + d; c[0][1] = b; c[1][0] = a + d; c[1][1] = b + w; c[2][0] = a; c[2][1] = b + w; break;
      }
      for (int i = 0; i < 3; ++i) p[i + 2] = {Whole(c[i][0]), Whole(c[i][1])};
    } else {
      const double zd = zoom * std::fabs(depth), zw = zoom * std::fabs(width);
      const double d = std::sqrt(zd * zd / 2), w = std::sqrt(zw * zw / 2);
      switch (snapped) {
        case 45:
          p[2] = {Whole(a + w), Whole(b - w)};
          p[3] = {Whole(p[2].x - d), Whole(p[2].y - d)};
          p[4] = {Whole(a - d), Whole(b - d)};
          break;
        case 135:
          p[2] = {Whole(a - w), Whole(b - w)};
          p[3] = {Whole(p[2].x - d), Whole(p[2].y + d)};
          p[4] = {Whole(p[3].x + w), Whole(p[3].y + w)};
          break;
        case 225:
          p[2] = {Whole(a - w), Whole(b + w)};
          p[3] = {Whole(p[2].x + d), Whole(p[2].y + d)};
          p[4] = {Whole(p[3].x + w), Whole(p[3].y - w)};
          break;
        default:  // 315
          p[2] = {Whole(a + d), Whole(b - d)};
          p[3] = {Whole(p[2].x + w), Whole(p[2].y + w)};
          p[4] = {Whole(p[3].x - d), Whole(p[3].y + d)};
          break;
      }
      // No depth: the box collapses to the line from the anchor to P2. With
      // no width P2 is the anchor itself, so the corners above already make
      // the line along the depth; collapsing onto P2 would leave one point.
      if (depth == 0) p[3] = p[4] = p[2];
    }
    p[5] = p[1];
    // The map's offsets are applied a second time here, on top of the anchor;
    // stored maps are laid out for this.
    for (int i = 1; i <= 5; ++i)
      QUAD[i] = {Whole(double(xOffset) + p[i].x), Whole(double(yOffset) + p[i].y)};
  }

  COLORS1(colour);
  graph::SetBkColor(ColorValue(background));
  if (fillStyle == 99) {
    P1 = 0;
    ST = 0;
    LW = Thickness(thickness);
    graph::SetLineStyle(ST, P1, LW);
    graph::DrawPoly(5, &QUAD[1]);
    return;
  }
  ST0(thickness, lineStyle);
  graph::SetFillStyle(FillPattern(fillStyle), ColorValue(colour));
  graph::FillPoly(5, &QUAD[1]);
}

}  // namespace screen
