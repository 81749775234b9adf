// Inside the graphics layer: pixel rows between the off-screen copy (one
// 32-bit word a pixel, 0x00RRGGBB, top byte unused) and 24-bit BMP rows
// (blue, green, red bytes). Pictures and screen shots are millions of
// pixels; these convert a whole row per call, with SSSE3 shuffles where the
// processor has them. Rows are written through the cache: a picture taken
// is put back or shown soon after, and a whole screen fits in the cache of
// today's processors (writing past it made the copy out and back 2x slower).
#pragma once

#include <cstddef>
#include <cstdint>

namespace graph::detail {

// n pixels to 3 * n bytes.
void PackRow(const std::uint32_t* in, std::uint8_t* out, std::size_t n);
// 3 * n bytes to n pixels, top bytes zero.
void UnpackRow(const std::uint8_t* in, std::uint32_t* out, std::size_t n);

}  // namespace graph::detail
