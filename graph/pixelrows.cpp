// Row conversion: a portable loop, and shuffles of sixteen pixels at a time on
// x86 processors with SSSE3 (chosen once, at the first call).
#include "graph/pixelrows.h"

#include <bit>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define KIOSK_PIXELROWS_SSSE3 1
#endif

namespace graph::detail {
namespace {

void PackPortable(const std::uint32_t* in, std::uint8_t* out, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i, out += 3) {
    out[0] = in[i] & 0xFF;
    out[1] = (in[i] >> 8) & 0xFF;
    out[2] = (in[i] >> 16) & 0xFF;
  }
}

void UnpackPortable(const std::uint8_t* in, std::uint32_t* out, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i, in += 3) out[i] = in[0] | in[1] << 8 | in[2] << 16;
}

#ifdef KIOSK_PIXELROWS_SSSE3
// A pixel's bytes in memory are blue, green, red, unused (little-endian).
// Sixteen pixels (64 bytes) are 48 row bytes: three whole 16-byte stores or
// loads, each vector of four pixels shuffled to or from 12 of them.
__attribute__((target("ssse3"))) void PackSsse3(const std::uint32_t* in, std::uint8_t* out, std::size_t n) {
  const __m128i squeeze = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
  std::size_t i = 0;
  for (; i + 16 <= n; i += 16, out += 48) {
    const auto* v = reinterpret_cast<const __m128i*>(in + i);
    __m128i s0 = _mm_shuffle_epi8(_mm_loadu_si128(v), squeeze);
    __m128i s1 = _mm_shuffle_epi8(_mm_loadu_si128(v + 1), squeeze);
    __m128i s2 = _mm_shuffle_epi8(_mm_loadu_si128(v + 2), squeeze);
    __m128i s3 = _mm_shuffle_epi8(_mm_loadu_si128(v + 3), squeeze);
    auto* o = reinterpret_cast<__m128i*>(out);
    _mm_storeu_si128(o, _mm_or_si128(s0, _mm_slli_si128(s1, 12)));
    _mm_storeu_si128(o + 1, _mm_or_si128(_mm_srli_si128(s1, 4), _mm_slli_si128(s2, 8)));
    _mm_storeu_si128(o + 2, _mm_or_si128(_mm_srli_si128(s2, 8), _mm_slli_si128(s3, 4)));
  }
  PackPortable(in + i, out, n - i);
}

__attribute__((target("ssse3"))) void UnpackSsse3(const std::uint8_t* in, std::uint32_t* out, std::size_t n) {
  const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
  std::size_t i = 0;
  for (; i + 16 <= n; i += 16, in += 48) {
    const auto* b = reinterpret_cast<const __m128i*>(in);
    __m128i b0 = _mm_loadu_si128(b), b1 = _mm_loadu_si128(b + 1), b2 = _mm_loadu_si128(b + 2);
    auto* o = reinterpret_cast<__m128i*>(out + i);
    _mm_storeu_si128(o, _mm_shuffle_epi8(b0, spread));
    _mm_storeu_si128(o + 1, _mm_shuffle_epi8(_mm_alignr_epi8(b1, b0, 12), spread));
    _mm_storeu_si128(o + 2, _mm_shuffle_epi8(_mm_alignr_epi8(b2, b1, 8), spread));
    _mm_storeu_si128(o + 3, _mm_shuffle_epi8(_mm_srli_si128(b2, 4), spread));
  }
  UnpackPortable(in, out + i, n - i);
}
#endif

using PackFn = void (*)(const std::uint32_t*, std::uint8_t*, std::size_t);
using UnpackFn = void (*)(const std::uint8_t*, std::uint32_t*, std::size_t);

struct Converters {
  PackFn pack = PackPortable;
  UnpackFn unpack = UnpackPortable;
};

const Converters& Chosen() {
  static const Converters c = [] {
    Converters k;
#ifdef KIOSK_PIXELROWS_SSSE3
    if (std::endian::native == std::endian::little && __builtin_cpu_supports("ssse3")) {
      k.pack = PackSsse3;
      k.unpack = UnpackSsse3;
    }
#endif
    return k;
  }();
  return c;
}

}  // namespace

void PackRow(const std::uint32_t* in, std::uint8_t* out, std::size_t n) { Chosen().pack(in, out, n); }
void UnpackRow(const std::uint8_t* in, std::uint32_t* out, std::size_t n) { Chosen().unpack(in, out, n); }

}  // namespace graph::detail
