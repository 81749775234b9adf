// Inside the graphics layer: points far outside the screen brought near.
//
// The primitives take 32-bit points, and a map element may put a corner two
// thousand million pixels away. The line rasteriser walks every pixel of a
// line and cairo holds coordinates in 24.8 fixed point, so such a point must
// never reach either: a segment that reaches beyond kReach pixels of the
// clip box is cut, in 64-bit arithmetic, to the clip box widened by a small
// margin, and a polygon is cut to that box edge by edge. Everything nearer is
// drawn exactly as given, so ordinary shapes keep every pixel.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "graph/device.h"

namespace graph::detail {

using Point64 = std::pair<std::int64_t, std::int64_t>;

// How far beyond the clip box a point may lie and still be drawn as given.
inline constexpr std::int64_t kReach = 1 << 15;

// True when p lies within kReach of the box.
bool Near(const Box& box, Point64 p);

// Cuts the segment a-b to the box widened by margin on every side; false
// when no part of it lies inside. Ends already inside stay exactly as given.
bool ClipSegment(const Box& box, std::int64_t margin, Point64& a, Point64& b);

// The closed polygon cut to the box widened by margin (empty when nothing
// of it lies inside). Inside the box it covers the same pixels under the
// even-odd rule: what is cut away is replaced by runs along the widened
// edges, which lie outside the box.
std::vector<Point64> ClipPolygon(const std::vector<Point64>& poly, const Box& box, std::int64_t margin);

}  // namespace graph::detail
