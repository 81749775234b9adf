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

// Pixel (x, y) of that tile (screen pixels, taken modulo 8) as ARGB: alpha 0
// where a hatch leaves a gap.
std::uint32_t TilePixel(int style, std::uint32_t fgRgb, std::uint32_t bgRgb, const std::uint8_t pattern[8], int x,
                        int y);

// Frees every cached pattern (CloseGraph, tests).
void ResetFillCache();

}  // namespace graph::detail
