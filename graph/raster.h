// Inside the graphics layer: pixel-exact pens. One-pixel lines and arcs are
// plotted straight into the off-screen copy with a classic line algorithm
// and the dash pattern of the line style; wider pens go through cairo.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "graph/device.h"

namespace graph::detail {

using Pixel = std::pair<int, int>;

// The current pen: colour, line style and thickness of the drawing state.
// Construct inside a Drawing (the lock must be held).
class Pen {
 public:
  Pen();
  bool Visible() const { return visible_; }
  bool Thin() const { return thickness_ <= 1; }
  // No dash pattern: the order of plotted pixels does not matter.
  bool Solid() const { return runs_ == nullptr; }
  int Thickness() const { return thickness_; }
  std::uint32_t Rgb() const { return rgb_; }
  // One-pixel pens: plots a line, both ends included unless skipFirst.
  void Line(int x1, int y1, int x2, int y2, bool skipFirst = false);
  // One-pixel pens: plots pixels in order, advancing the dash pattern.
  void Plot(int x, int y);
  // Wide pens: strokes the current cairo path in the pen colour.
  void StrokeWide(cairo_t* cr, bool squareCorners) const;

 private:
  bool visible_ = true;
  int thickness_ = 1;
  std::uint32_t rgb_ = 0;
  const std::uint8_t* runs_ = nullptr;  // on/off run lengths, null = solid
  int runCount_ = 0, run_ = 0, left_ = 0;
  Box box_{};
  std::uint32_t* data_ = nullptr;
  int stride_ = 0;  // in pixels
};

// Offsets of a full ellipse outline in the first quadrant (x right, y up),
// some twice; the outline is them mirrored into all four quadrants.
std::vector<Pixel> EllipseQuarter(int xr, int yr);

// Pixels of a full ellipse outline (midpoint algorithm), ordered
// counter-clockwise from the positive x axis, with their angles in degrees.
std::vector<std::pair<Pixel, double>> EllipseOutline(int cx, int cy, int xr, int yr);

}  // namespace graph::detail
