// Lines, rectangles, arcs, polygons, bars and pixels.
#include <cmath>

#include "graph/device.h"
#include "graph/farclip.h"
#include "graph/polyruns.h"
#include "graph/graph.h"
#include "graph/raster.h"
#include "graph/tilefill.h"

namespace graph {
using namespace detail;

namespace {

int OX() { return St().vx1; }
int OY() { return St().vy1; }

// A polyline in absolute pixels through the current pen. Segments that
// reach far off the screen are cut to it first (farclip.h).
void StrokePolyline(const std::vector<Point64>& pts, bool closed, bool squareCorners, Drawing& d) {
  Pen pen;
  if (!pen.Visible() || pts.empty()) return;
  const Box box = ClipBox();
  bool near = true;
  for (const Point64& p : pts) near = near && Near(box, p);
  auto at = [](std::int64_t v) { return static_cast<int>(v); };  // near points fit
  if (pen.Thin()) {
    auto segment = [&](Point64 a, Point64 b, bool skipFirst) {
      if (!near) {
        const Point64 start = a;
        if (!ClipSegment(box, 1, a, b)) return;
        skipFirst = skipFirst && a == start;
      }
      pen.Line(at(a.first), at(a.second), at(b.first), at(b.second), skipFirst);
    };
    if (pts.size() == 1 && near) pen.Plot(at(pts[0].first), at(pts[0].second));
    for (std::size_t i = 1; i < pts.size(); ++i) segment(pts[i - 1], pts[i], i > 1);
    if (closed && pts.size() > 2) segment(pts.back(), pts[0], true);
    return;
  }
  cairo_t* cr = d.cr();
  if (!near) {
    // Each segment on its own, cut to the box widened by the pen.
    const std::int64_t margin = pen.Thickness() + 2;
    for (std::size_t i = 1; i <= pts.size(); ++i) {
      if (i == pts.size() && !(closed && pts.size() > 2)) break;
      Point64 a = pts[i - 1], b = pts[i % pts.size()];
      if (!ClipSegment(box, margin, a, b)) continue;
      cairo_move_to(cr, a.first + 0.5, a.second + 0.5);
      cairo_line_to(cr, b.first + 0.5, b.second + 0.5);
    }
    pen.StrokeWide(cr, squareCorners);
    return;
  }
  cairo_move_to(cr, pts[0].first + 0.5, pts[0].second + 0.5);
  for (std::size_t i = 1; i < pts.size(); ++i) cairo_line_to(cr, pts[i].first + 0.5, pts[i].second + 0.5);
  if (pts.size() == 1) cairo_line_to(cr, pts[0].first + 0.5, pts[0].second + 0.5);
  if (closed) cairo_close_path(cr);
  pen.StrokeWide(cr, squareCorners);
}

void StrokePolyline(const std::vector<Point64>& pts, bool closed, bool squareCorners) {
  Drawing d;
  StrokePolyline(pts, closed, squareCorners, d);
}

// The caller's points moved by the viewport origin, in 64 bits.
void Absolute(std::uint16_t n, const PointType* points, std::vector<Point64>& pts) {
  pts.clear();
  for (int i = 0; i < n; ++i) pts.push_back({std::int64_t{points[i].x} + OX(), std::int64_t{points[i].y} + OY()});
}
std::vector<Point64> Absolute(std::uint16_t n, const PointType* points) {
  std::vector<Point64> pts;
  pts.reserve(n);
  Absolute(n, points, pts);
  return pts;
}

}  // namespace

void Line(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
  if (!Begin()) return;
  StrokePolyline({{x1 + OX(), y1 + OY()}, {x2 + OX(), y2 + OY()}}, false, false);
}

void Rectangle(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
  if (!Begin()) return;
  if (x2 < x1 || y2 < y1) {
    Fail(grInvalidParam);
    return;
  }
  int ax1 = x1 + OX(), ay1 = y1 + OY(), ax2 = x2 + OX(), ay2 = y2 + OY();
  if (ax1 == ax2 && ay1 == ay2) {
    StrokePolyline({{ax1, ay1}}, false, true);
    return;
  }
  StrokePolyline({{ax1, ay1}, {ax2, ay1}, {ax2, ay2}, {ax1, ay2}}, true, true);
}

void Ellipse(std::int16_t x, std::int16_t y, std::int16_t start, std::int16_t end, std::uint16_t xr,
             std::uint16_t yr) {
  if (!Begin()) return;
  int cx = x + OX(), cy = y + OY();
  double a0 = std::fmod(start, 360.0), a1 = end;
  if (a0 < 0) a0 += 360.0;
  double sweep = a1 - start;
  if (sweep < 0) sweep = std::fmod(sweep, 360.0) + 360.0;
  bool full = sweep >= 360.0 || (start % 360 == end % 360 && start != end);
  Drawing d;
  Pen pen;
  if (!pen.Visible()) return;
  if (pen.Thin()) {
    if (full && pen.Solid()) {
      // Solid: no pattern to follow round the outline, so no angles and no
      // order; the same pixels straight from the quarter.
      for (auto [qx, qy] : EllipseQuarter(xr, yr)) {
        pen.Plot(cx + qx, cy - qy);
        pen.Plot(cx - qx, cy - qy);
        pen.Plot(cx + qx, cy + qy);
        pen.Plot(cx - qx, cy + qy);
      }
      return;
    }
    auto outline = EllipseOutline(cx, cy, xr, yr);
    if (full) {
      for (auto& [p, a] : outline) pen.Plot(p.first, p.second);
      return;
    }
    // Walk from the start angle counter-clockwise; the ends are the pixels
    // nearest the exact end points.
    auto inArc = [&](double a) {
      double rel = a - a0;
      if (rel < 0) rel += 360.0;
      return rel <= sweep + 1e-9;
    };
    std::size_t first = 0;
    while (first < outline.size() && outline[first].second < a0) ++first;
    for (std::size_t k = 0; k < outline.size(); ++k) {
      auto& [p, a] = outline[(first + k) % outline.size()];
      if (inArc(a)) pen.Plot(p.first, p.second);
    }
    return;
  }
  // Text leaves a current point behind; an arc appended to it would be
  // joined to that point by a stray line.
  cairo_new_path(d.cr());
  if (xr == 0 || yr == 0) {
    cairo_move_to(d.cr(), cx - xr + 0.5, cy - yr + 0.5);
    cairo_line_to(d.cr(), cx + xr + 0.5, cy + yr + 0.5);
  } else {
    cairo_save(d.cr());
    cairo_translate(d.cr(), cx + 0.5, cy + 0.5);
    cairo_scale(d.cr(), xr, yr);
    // Screen y runs down, so counter-clockwise means negative cairo angles.
    double r0 = -start * M_PI / 180.0;
    double r1 = full ? r0 - 2 * M_PI : r0 - sweep * M_PI / 180.0;
    cairo_arc_negative(d.cr(), 0, 0, 1, r0, r1);
    cairo_restore(d.cr());
  }
  pen.StrokeWide(d.cr(), false);
}

void Circle(std::int16_t x, std::int16_t y, std::uint16_t r) { Ellipse(x, y, 0, 360, r, r); }

void DrawPoly(std::uint16_t n, const PointType* points) {
  if (!Begin()) return;
  if (n < 2 || points == nullptr) {
    Fail(grInvalidParam);
    return;
  }
  StrokePolyline(Absolute(n, points), false, false);
}

void FillPoly(std::uint16_t n, const PointType* points) {
  if (!Begin()) return;
  if (n < 2 || points == nullptr) {
    Fail(grInvalidParam);
    return;
  }
  // Scratch kept between calls: maps fill boxes by the thousand.
  static std::vector<Point64> pts;
  static std::vector<Run> runs;
  Absolute(n, points, pts);
  {
    Drawing d;
    const Box box = ClipBox();
    if (!g_fillThroughCairo && Runs(pts, box, runs)) {
      FillRuns(runs);
      StrokePolyline(pts, true, false, d);
      return;
    }
    cairo_t* cr = d.cr();
    bool near = true;
    for (const Point64& p : pts) near = near && Near(box, p);
    const std::vector<Point64> inside = near ? pts : ClipPolygon(pts, box, 2);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    if (!inside.empty()) {
      cairo_move_to(cr, inside[0].first + 0.5, inside[0].second + 0.5);
      for (std::size_t i = 1; i < inside.size(); ++i) cairo_line_to(cr, inside[i].first + 0.5, inside[i].second + 0.5);
      cairo_close_path(cr);
      FillCurrentPath(cr);
    }
  }
  StrokePolyline(pts, true, false);
}

void Bar(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
  if (!Begin()) return;
  int ax1 = std::min(x1, x2) + OX(), ax2 = std::max(x1, x2) + OX();
  int ay1 = std::min(y1, y2) + OY(), ay2 = std::max(y1, y2) + OY();
  Drawing d;
  cairo_rectangle(d.cr(), ax1, ay1, ax2 - ax1 + 1, ay2 - ay1 + 1);
  FillCurrentPath(d.cr());
}

void PutPixel(std::int16_t x, std::int16_t y, std::uint32_t c) {
  if (!Begin()) return;
  int ax = x + OX(), ay = y + OY();
  Drawing d;
  if (!ClipBox().Contains(ax, ay)) return;
  Device& dev = Dev();
  cairo_surface_flush(dev.surface);
  auto* data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(dev.surface));
  data[static_cast<std::size_t>(ay) * (cairo_image_surface_get_stride(dev.surface) / 4) + ax] = ColorRgb(c);
}

std::uint32_t GetPixelRgb(std::int32_t x, std::int32_t y) {
  Device& d = Dev();
  std::lock_guard<std::mutex> g(d.lock);
  if (!d.surface || x < 0 || y < 0 || x >= d.width || y >= d.height) return 0;
  cairo_surface_flush(d.surface);
  auto* data = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(d.surface));
  return data[static_cast<std::size_t>(y) * (cairo_image_surface_get_stride(d.surface) / 4) + x] & 0xFFFFFF;
}

std::uint32_t GetPixel(std::int16_t x, std::int16_t y) {
  if (!Begin()) return 0;
  std::uint32_t rgb = GetPixelRgb(x, y);
  if (!PalExist) return rgb;
  for (int i = 0; i < PalSize; ++i)
    if (DefaultPalette(i) == rgb) return static_cast<std::uint32_t>(i);
  return static_cast<std::uint32_t>(NearestPaletteEntry(rgb, PalSize));
}

}  // namespace graph
