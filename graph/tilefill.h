// Inside the graphics layer: filling a path with the current fill style.
#pragma once

#include <cairo.h>

#include <vector>

#include "graph/polyruns.h"

namespace graph::detail {

// Fills cr's current path (device pixels, no transform) with the current
// fill, within the clip box, and clears the path. False for the empty
// style 9, which draws nothing. Call inside a Drawing.
bool FillCurrentPath(cairo_t* cr);

// Fills the runs (within the clip box) with the current fill straight into
// the off-screen copy: the pixels cairo would give the same shape. False for
// the empty style 9. Call inside a Drawing.
bool FillRuns(const std::vector<Run>& runs);

// Frees the scratch mask (CloseGraph, tests).
void ResetTileFill();

}  // namespace graph::detail
