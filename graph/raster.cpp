// Pens and ellipse outlines.
#include "graph/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "graph/graph.h"

namespace graph::detail {
namespace {

// Dash patterns of one-pixel pens (on, off, on, off...): dotted, dash-dot,
// dashed, dash-dot-dot, as the classic cosmetic pens draw them.
const std::uint8_t kDot[] = {3, 3};
const std::uint8_t kDashDot[] = {9, 6, 3, 6};
const std::uint8_t kDash[] = {18, 6};
const std::uint8_t kDashDotDot[] = {9, 3, 3, 3, 3, 3};

}  // namespace

Pen::Pen() {
  const DrawState& s = St();
  rgb_ = ColorRgb(s.color);
  thickness_ = s.thickness < 1 ? 1 : s.thickness;
  switch (s.lineStyle) {
    case 1: runs_ = kDot; runCount_ = 2; break;
    case 2: runs_ = kDashDot; runCount_ = 4; break;
    case 3: runs_ = kDash; runCount_ = 2; break;
    case 4: runs_ = kDashDotDot; runCount_ = 6; break;
    case 5: case 6: visible_ = false; break;
    default: break;
  }
  // Wide pens draw solid, as the classic wide pens do.
  if (thickness_ > 1) runs_ = nullptr;
  if (runs_) left_ = runs_[0];
  box_ = ClipBox();
  Device& d = Dev();
  cairo_surface_flush(d.surface);
  data_ = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(d.surface));
  stride_ = cairo_image_surface_get_stride(d.surface) / 4;
}

void Pen::Plot(int x, int y) {
  bool on = true;
  if (runs_) {
    on = (run_ % 2) == 0;
    if (--left_ == 0) {
      run_ = (run_ + 1) % runCount_;
      left_ = runs_[run_];
    }
  }
  if (on && visible_ && box_.Contains(x, y)) data_[static_cast<std::size_t>(y) * stride_ + x] = rgb_;
}

void Pen::Line(int x1, int y1, int x2, int y2, bool skipFirst) {
  int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
  int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
  int err = dx + dy;
  bool first = true;
  if (!runs_ && visible_ && box_.Contains(x1, y1) && box_.Contains(x2, y2)) {
    // A solid line wholly inside the clip box, the common case: no dash
    // pattern to advance and no pixel to test.
    std::uint32_t* p = data_ + static_cast<std::ptrdiff_t>(y1) * stride_ + x1;
    const std::ptrdiff_t stepY = sy * static_cast<std::ptrdiff_t>(stride_);
    if (dx == 0 || dy == 0 || dx == -dy) {
      // Straight across, down or at 45 degrees (every side of a map box):
      // the algorithm below steps the same way at every pixel.
      const std::ptrdiff_t step = (dx == 0 ? 0 : sx) + (dy == 0 ? 0 : stepY);
      for (int k = skipFirst ? 1 : 0, n = std::max(dx, -dy); k <= n; ++k) p[k * step] = rgb_;
      return;
    }
    for (;;) {
      if (!(first && skipFirst)) *p = rgb_;
      first = false;
      if (x1 == x2 && y1 == y2) return;
      int e2 = 2 * err;
      if (e2 >= dy) { err += dy; x1 += sx; p += sx; }
      if (e2 <= dx) { err += dx; y1 += sy; p += stepY; }
    }
  }
  for (;;) {
    if (!(first && skipFirst)) Plot(x1, y1);
    first = false;
    if (x1 == x2 && y1 == y2) break;
    int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x1 += sx; }
    if (e2 <= dx) { err += dx; y1 += sy; }
  }
}

void Pen::StrokeWide(cairo_t* cr, bool squareCorners) const {
  SetSourceRgb(cr, rgb_);
  cairo_set_line_width(cr, thickness_);
  cairo_set_line_cap(cr, squareCorners ? CAIRO_LINE_CAP_SQUARE : CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, squareCorners ? CAIRO_LINE_JOIN_MITER : CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

std::vector<Pixel> EllipseQuarter(int xr, int yr) {
  std::vector<Pixel> quarter;
  if (xr == 0 || yr == 0) {
    for (int i = 0; i <= xr; ++i) quarter.push_back({i, 0});
    for (int i = 0; i <= yr; ++i) quarter.push_back({0, i});
  } else {
    double rx2 = double(xr) * xr, ry2 = double(yr) * yr;
    int x = 0, y = yr;
    double px = 0, py = 2 * rx2 * y;
    double p = ry2 - rx2 * yr + 0.25 * rx2;
    while (px < py) {
      quarter.push_back({x, y});
      ++x;
      px += 2 * ry2;
      if (p < 0) {
        p += ry2 + px;
      } else {
        --y;
        py -= 2 * rx2;
        p += ry2 + px - py;
      }
    }
    p = ry2 * (x + 0.5) * (x + 0.5) + rx2 * (y - 1.0) * (y - 1.0) - rx2 * ry2;
    while (y >= 0) {
      quarter.push_back({x, y});
      --y;
      py -= 2 * rx2;
      if (p > 0) {
        p += rx2 - py;
      } else {
        ++x;
        px += 2 * ry2;
        p += rx2 - py + px;
      }
    }
  }
  return quarter;
}

std::vector<std::pair<Pixel, double>> EllipseOutline(int cx, int cy, int xr, int yr) {
  std::vector<Pixel> all;
  for (auto [qx, qy] : EllipseQuarter(xr, yr)) {
    all.push_back({qx, qy});
    all.push_back({-qx, qy});
    all.push_back({qx, -qy});
    all.push_back({-qx, -qy});
  }
  std::sort(all.begin(), all.end());
  all.erase(std::unique(all.begin(), all.end()), all.end());
  std::vector<std::pair<Pixel, double>> out;
  out.reserve(all.size());
  for (auto [ox, oy] : all) {
    // The angle on the unit circle the pixel stands for.
    double a = std::atan2(double(oy) * (xr ? xr : 1), double(ox) * (yr ? yr : 1)) * 180.0 / M_PI;
    if (a < 0) a += 360.0;
    out.push_back({{cx + ox, cy - oy}, a});
  }
  std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
  return out;
}

}  // namespace graph::detail
