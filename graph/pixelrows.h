// Inside the graphics layer: pixel rows between the off-screen copy (one
// 32-bit word a pixel, 0x00RRGGBB, top byte unused) and 24-bit BMP rows
// (blue, green, red bytes). Pictures and screen shots are millions of
// pixels; these convert a whole row per call, with SSSE3 shuffles where the
// processor has them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace graph::detail {

// Pictures of at least this many bytes are large: their rows are written
// past the processor's cache, which they would only flush.
constexpr std::size_t kLargePicture = 1 << 20;

// n pixels to 3 * n bytes.
void PackRow(const std::uint32_t* in, std::uint8_t* out, std::size_t n, bool large);
// 3 * n bytes to n pixels, top bytes zero.
void UnpackRow(const std::uint8_t* in, std::uint32_t* out, std::size_t n, bool large);

}  // namespace graph::detail
