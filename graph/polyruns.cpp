// Polygon runs: edges stepped row by row in whole numbers (quotient and
// remainder), so no rounding of our own enters.
#include "graph/polyruns.h"

#include <algorithm>

namespace graph::detail {
namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {  // b > 0
  std::int64_t q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}

// One edge, top to bottom, with its crossing of the current row as
// quotient q and remainder r (0 <= r < dy) of (256 * X - dx / dy) * dy.
struct Edge {
  std::int64_t top, bottom;  // rows top .. bottom - 1
  std::int64_t dy, q, r, stepQ, stepR;
  int Pixel() const { return static_cast<int>((q + 255) >> 8); }  // ceil(q / 256)
  void Step() {
    q += stepQ;
    r += stepR;
    if (r >= dy) {
      ++q;
      r -= dy;
    }
  }
};

}  // namespace

bool Runs(const std::vector<Point64>& pts, const Box& box, std::vector<Run>& out) {
  out.clear();
  const std::size_t n = pts.size();
  if (n == 0 || n > kRunsMaxCorners || box.Empty()) return false;
  Edge edges[kRunsMaxCorners];
  std::size_t count = 0;
  std::int64_t firstRow = pts[0].second, endRow = pts[0].second;
  for (std::size_t i = 0; i < n; ++i) {
    Point64 a = pts[i], b = pts[(i + 1) % n];
    if (a.first < box.x1 || a.first > box.x2 || a.second < box.y1 || a.second > box.y2) return false;
    if (a.second == b.second) continue;
    if (a.second > b.second) std::swap(a, b);
    const std::int64_t dx = b.first - a.first, dy = b.second - a.second;
    if (dx > kRunsMaxSlope * dy || -dx > kRunsMaxSlope * dy) return false;
    Edge& e = edges[count++];
    e.top = a.second;
    e.bottom = b.second;
    e.dy = dy;
    if (dx == 0 || dx == dy || dx == -dy) {
      // Straight down or at 45 degrees (a box's sides): whole steps.
      const std::int64_t slope = dx == 0 ? 0 : dx > 0 ? 1 : -1;
      e.q = 256 * a.first - slope;
      e.r = 0;
      e.stepQ = 256 * slope;
      e.stepR = 0;
    } else {
      // At the top row X = xa: 256 * xa * dy - dx over dy.
      const std::int64_t v = 256 * a.first * dy - dx;
      e.q = FloorDiv(v, dy);
      e.r = v - e.q * dy;
      e.stepQ = FloorDiv(256 * dx, dy);
      e.stepR = 256 * dx - e.stepQ * dy;
    }
    firstRow = std::min(firstRow, a.second);
    endRow = std::max(endRow, b.second);
  }
  int cross[kRunsMaxCorners];
  for (std::int64_t y = firstRow; y < endRow; ++y) {
    int k = 0;
    for (std::size_t i = 0; i < count; ++i) {
      Edge& e = edges[i];
      if (y < e.top || y >= e.bottom) continue;
      int c = e.Pixel();
      e.Step();
      int j = k++;
      for (; j > 0 && cross[j - 1] > c; --j) cross[j] = cross[j - 1];
      cross[j] = c;
    }
    for (int i = 0; i + 1 < k;) {
      int x1 = cross[i], x2 = cross[i + 1];
      i += 2;
      while (i + 1 < k && cross[i] <= x2 + 1) {
        x2 = cross[i + 1];
        i += 2;
      }
      x1 = std::max(x1, box.x1);
      x2 = std::min(x2, box.x2 + 1);
      if (x1 < x2) out.push_back({static_cast<int>(y), x1, x2});
    }
  }
  return true;
}

}  // namespace graph::detail
