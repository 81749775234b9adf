// Inside the graphics layer: the pixels of a filled polygon, worked out
// without cairo.
//
// FillPoly's path runs through the pixel centres of its whole-pixel corners
// and cairo fills it without antialiasing under the even-odd rule. For the
// small boxes a map draws by the thousand, handing each one to cairo cost
// more than everything else of the drawing. Runs() computes the same pixels
// row by row; the rules below were measured against cairo 1.16 on hundreds
// of thousands of random polygons and are checked against it by the tests
// (tests/graph/polyruns_test.cpp), so the picture stays cairo's to the pixel.
//
// With every corner at whole pixels (the path at corner + 0.5), row y takes
// the edges whose y range holds it, top row in, bottom row out; horizontal
// edges take no part. An edge from (xa, ya) down to (xb, yb) crosses row y at
// X = xa + (y - ya) * dx / dy; cairo holds that position in 1/256 pixel,
// floored, and a hair before the row (less one 256th of the edge's slope),
// and the crossing's pixel is the first whose centre is at or after it:
//   c = ceil(floor(256 * X - dx / dy) / 256).
// Crossings sorted, pairs of them bound the runs [c0, c1), [c2, c3) ...; a
// run that ends at most one pixel before the next one begins is joined to it
// (cairo's row walk does this). Clipping and very flat edges follow rules
// not measured here: Runs() declines those polygons and cairo draws them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "graph/device.h"
#include "graph/farclip.h"

namespace graph::detail {

// One run of covered pixels: row y, columns x1 .. x2 - 1.
struct Run {
  int y, x1, x2;
};

// The most corners and the flattest edge (run across per row down) Runs()
// takes on.
inline constexpr std::size_t kRunsMaxCorners = 16;
inline constexpr std::int64_t kRunsMaxSlope = 64;

// The runs of the closed polygon through pts (absolute pixels) into out
// (cleared first), row by row from the top. False, leaving out empty, when
// the polygon is not one whose pixels are worked out here: more than
// kRunsMaxCorners corners, a corner outside the box, or an edge running
// more than kRunsMaxSlope pixels across per pixel down.
bool Runs(const std::vector<Point64>& pts, const Box& box, std::vector<Run>& out);

}  // namespace graph::detail
