// Liang-Barsky for segments and Sutherland-Hodgman for polygons, in doubles
// (32-bit coordinates plus a 16-bit origin are exact in them).
#include "graph/farclip.h"

#include <cmath>

namespace graph::detail {
namespace {

struct Edges {
  double x1, y1, x2, y2;
};

Edges Widened(const Box& box, std::int64_t margin) {
  return {double(box.x1 - margin), double(box.y1 - margin), double(box.x2 + margin), double(box.y2 + margin)};
}

std::int64_t Round(double v) { return static_cast<std::int64_t>(std::llround(v)); }

}  // namespace

bool Near(const Box& box, Point64 p) {
  return p.first >= box.x1 - kReach && p.first <= box.x2 + kReach && p.second >= box.y1 - kReach &&
         p.second <= box.y2 + kReach;
}

bool ClipSegment(const Box& box, std::int64_t margin, Point64& a, Point64& b) {
  const Edges e = Widened(box, margin);
  const double x0 = double(a.first), y0 = double(a.second);
  const double dx = double(b.first) - x0, dy = double(b.second) - y0;
  double t0 = 0, t1 = 1;
  // Each edge as p * t <= q.
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 - e.x1, e.x2 - x0, y0 - e.y1, e.y2 - y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;  // parallel to this edge and outside it
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t1) return false;
      if (t > t0) t0 = t;
    } else {
      if (t < t0) return false;
      if (t < t1) t1 = t;
    }
  }
  const Point64 na = t0 > 0 ? Point64{Round(x0 + t0 * dx), Round(y0 + t0 * dy)} : a;
  const Point64 nb = t1 < 1 ? Point64{Round(x0 + t1 * dx), Round(y0 + t1 * dy)} : b;
  a = na;
  b = nb;
  return true;
}

std::vector<Point64> ClipPolygon(const std::vector<Point64>& poly, const Box& box, std::int64_t margin) {
  const Edges e = Widened(box, margin);
  using P = std::pair<double, double>;
  std::vector<P> cur;
  cur.reserve(poly.size());
  for (const Point64& p : poly) cur.push_back({double(p.first), double(p.second)});
  // One edge at a time: side(p) >= 0 inside; cut(a, b) the crossing.
  auto pass = [&](auto side, auto cut) {
    std::vector<P> out;
    for (std::size_t i = 0; i < cur.size(); ++i) {
      const P& a = cur[i];
      const P& b = cur[(i + 1) % cur.size()];
      const bool ain = side(a) >= 0, bin = side(b) >= 0;
      if (ain) out.push_back(a);
      if (ain != bin) out.push_back(cut(a, b));
    }
    cur.swap(out);
  };
  auto onX = [](double x) {
    return [x](const P& a, const P& b) { return P{x, a.second + (b.second - a.second) * (x - a.first) / (b.first - a.first)}; };
  };
  auto onY = [](double y) {
    return [y](const P& a, const P& b) { return P{a.first + (b.first - a.first) * (y - a.second) / (b.second - a.second), y}; };
  };
  pass([&](const P& p) { return p.first - e.x1; }, onX(e.x1));
  pass([&](const P& p) { return e.x2 - p.first; }, onX(e.x2));
  pass([&](const P& p) { return p.second - e.y1; }, onY(e.y1));
  pass([&](const P& p) { return e.y2 - p.second; }, onY(e.y2));
  std::vector<Point64> out;
  out.reserve(cur.size());
  for (const P& p : cur) out.push_back({Round(p.first), Round(p.second)});
  return out;
}

}  // namespace graph::detail
