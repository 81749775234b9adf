// Inside the graphics layer: the fill sources of hatched and user-pattern
// fills, kept between fills. A map draws thousands of boxes in a handful of
// styles and colours; building a new tile and pattern for each one cost
// more than the fill itself.
#pragma once

#include <cairo.h>

#include <cstdint>

namespace graph::detail {

// The repeating 8x8 source of fill style 2..8 in the given colours (0xRRGGBB).
// The pattern is only for use as a source in this layer: do not change it.
// Owned by the cache; valid until ResetFillCache.
cairo_pattern_t* FillTile(int style, std::uint32_t fgRgb, std::uint32_t bgRgb, const std::uint8_t pattern[8]);

// Frees every cached pattern (CloseGraph, tests).
void ResetFillCache();

}  // namespace graph::detail
