// Drawing state: colours, line and fill styles, viewport, current position.
#include <cstring>

#include "graph/device.h"
#include "graph/graph.h"

namespace graph {
using namespace detail;

void SetColor(std::uint32_t c) {
  if (!Begin()) return;
  St().color = c;
}

std::uint32_t GetColor() {
  if (!Begin()) return 0;
  return St().color;
}

void SetBkColor(std::uint32_t c) {
  if (!Begin()) return;
  St().bkColor = c;
}

std::uint32_t GetBkColor() {
  if (!Begin()) return 0;
  return St().bkColor;
}

void SetLineStyle(std::uint16_t style, std::uint16_t pattern, std::uint16_t thickness) {
  if (!Begin()) return;
  if (style > 6) {
    Fail(grInvalidParam);
    return;
  }
  DrawState& s = St();
  s.lineStyle = style;
  s.linePattern = pattern;  // kept, not used
  s.thickness = thickness;
}

void SetFillStyle(std::uint16_t style, std::uint32_t c) {
  if (!Begin()) return;
  if (style > 9) {
    Fail(grInvalidParam);
    return;
  }
  St().fillStyle = style;
  St().fillColor = c;
}

void SetFillPattern(const std::uint8_t pattern[8], std::uint32_t c) {
  if (!Begin()) return;
  std::memcpy(St().fillPattern, pattern, 8);
  St().fillStyle = 8;
  St().fillColor = c;
}

void SetViewPort(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, bool clip) {
  if (!Begin()) return;
  if (x2 < x1 || y2 < y1) {
    Fail(grInvalidParam);
    return;
  }
  DrawState& s = St();
  s.vx1 = x1;
  s.vy1 = y1;
  s.vx2 = x2;
  s.vy2 = y2;
  s.clip = clip;
  s.cpx = s.cpy = 0;
}

namespace {
void FillAbsolute(int x1, int y1, int x2, int y2, std::uint32_t c) {
  Drawing d;
  SetSourceRgb(d.cr(), ColorRgb(c));
  cairo_rectangle(d.cr(), x1, y1, x2 - x1 + 1, y2 - y1 + 1);
  cairo_fill(d.cr());
}
}  // namespace

void ClearViewPort() {
  if (!Begin()) return;
  DrawState& s = St();
  s.cpx = s.cpy = 0;
  // Always the viewport's own rectangle, whether it clips or not.
  bool clip = s.clip;
  s.clip = true;
  FillAbsolute(s.vx1, s.vy1, s.vx2, s.vy2, s.bkColor);
  s.clip = clip;
}

void ClearDevice() {
  if (!Begin()) return;
  DrawState& s = St();
  DrawState saved = s;
  s.vx1 = s.vy1 = 0;
  s.vx2 = static_cast<std::int16_t>(Dev().width - 1);
  s.vy2 = static_cast<std::int16_t>(Dev().height - 1);
  ClearViewPort();
  s.vx1 = saved.vx1;
  s.vy1 = saved.vy1;
  s.vx2 = saved.vx2;
  s.vy2 = saved.vy2;
  s.clip = saved.clip;
  s.cpx = s.cpy = 0;
}

void MoveTo(std::int16_t x, std::int16_t y) {
  if (!Begin()) return;
  St().cpx = x;
  St().cpy = y;
}

std::int16_t GetX() {
  if (!Begin()) return 0;
  return St().cpx;
}

std::int16_t GetY() {
  if (!Begin()) return 0;
  return St().cpy;
}

}  // namespace graph
