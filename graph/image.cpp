// Screen rectangles as complete 24-bit BMP file images, and back.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>

#include "graph/device.h"
#include "graph/graph.h"
#include "graph/pixelrows.h"

namespace graph {
using namespace detail;

namespace {

constexpr std::uint32_t kHeaderSize = 54;

void Put16(std::uint8_t* p, std::uint16_t v) {
  p[0] = v & 0xFF;
  p[1] = v >> 8;
}
void Put32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = (v >> (8 * i)) & 0xFF;
}
std::uint32_t Get32(const std::uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t Get16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

std::uint32_t RowBytes(std::uint32_t w) { return (w * 3 + 3) / 4 * 4; }

// Bytes of the BMP image of a w x h rectangle; 0 when the file's 32-bit
// size field cannot hold it.
std::uint32_t BmpBytes(std::uint32_t w, std::uint32_t h) {
  std::uint64_t n = kHeaderSize + std::uint64_t{RowBytes(w)} * h;
  return n > UINT32_MAX ? 0 : static_cast<std::uint32_t>(n);
}

// Absolute rectangle x1..x2, y1..y2 of the off-screen copy as a BMP image
// in buf (its earlier contents all overwritten, its memory reused); pixels
// off the screen are black. The drawing lock must be held.
void Capture(int x1, int y1, int x2, int y2, std::vector<std::uint8_t>& buf) {
  std::uint32_t w = static_cast<std::uint32_t>(x2 - x1 + 1), h = static_cast<std::uint32_t>(y2 - y1 + 1);
  std::uint32_t row = RowBytes(w);
  buf.resize(BmpBytes(w, h));
  std::uint8_t* p = buf.data();
  std::memset(p, 0, kHeaderSize);
  p[0] = 'B';
  p[1] = 'M';
  Put32(p + 2, static_cast<std::uint32_t>(buf.size()));
  Put32(p + 10, kHeaderSize);
  Put32(p + 14, 40);
  Put32(p + 18, w);
  Put32(p + 22, h);
  Put16(p + 26, 1);
  Put16(p + 28, 24);
  Device& d = Dev();
  cairo_surface_flush(d.surface);
  const auto* data = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(d.surface));
  std::size_t stride = static_cast<std::size_t>(cairo_image_surface_get_stride(d.surface) / 4);
  // The columns on the screen, once for the whole rectangle.
  int cx1 = std::max(x1, 0), cx2 = std::min(x2, d.width - 1);
  std::size_t left = 0, inside = 0;
  if (cx1 <= cx2) {
    left = static_cast<std::size_t>(cx1 - x1);
    inside = static_cast<std::size_t>(cx2 - cx1 + 1);
  }
  for (std::uint32_t r = 0; r < h; ++r) {
    int y = y2 - static_cast<int>(r);  // bottom-up rows
    std::uint8_t* out = p + kHeaderSize + static_cast<std::size_t>(r) * row;
    if (y < 0 || y >= d.height || inside == 0) {
      std::memset(out, 0, row);
      continue;
    }
    std::memset(out, 0, 3 * left);
    PackRow(data + static_cast<std::size_t>(y) * stride + cx1, out + 3 * left, inside);
    std::memset(out + 3 * (left + inside), 0, row - 3 * (left + inside));
  }
}

std::uint32_t Combine(std::uint16_t mode, std::uint32_t src, std::uint32_t dst) {
  switch (mode) {
    case 0: return src;
    case 1: return src ^ dst;
    case 2: return src | dst;
    case 3: return src & dst;
    case 4: return ~src;
    case 5: return ~(src | dst);
    case 6: return ~src | dst;
    case 7: return src & ~dst;
    default: return src;
  }
}

// One row of a picture onto the screen in a write mode. The mode is a
// template argument so that each mode's loop has no branch in it.
template <int Mode>
void CombineRow(const std::uint32_t* src, std::uint32_t* dst, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) dst[i] = Combine(Mode, src[i], dst[i]) & 0xFFFFFF;
}

using RowWriter = void (*)(const std::uint32_t*, std::uint32_t*, std::size_t);
constexpr RowWriter kRowWriters[8] = {CombineRow<0>, CombineRow<1>, CombineRow<2>, CombineRow<3>,
                                      CombineRow<4>, CombineRow<5>, CombineRow<6>, CombineRow<7>};

}  // namespace

std::uint32_t ImageSize(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
  if (x2 < x1 || y2 < y1) {
    GrResult = grInvalidParam;
    return 0;
  }
  std::uint32_t n = BmpBytes(static_cast<std::uint32_t>(x2 - x1 + 1), static_cast<std::uint32_t>(y2 - y1 + 1));
  if (n == 0) GrResult = grError;
  return n;
}

void GetImage(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, std::vector<std::uint8_t>& buffer) {
  if (!Begin()) return;
  if (x2 < x1 || y2 < y1) {
    Fail(grInvalidParam);
    return;
  }
  if (ImageSize(x1, y1, x2, y2) == 0) {
    Fail(grError);  // larger than a BMP file can be
    return;
  }
  int ox = St().vx1, oy = St().vy1;
  std::lock_guard<std::mutex> g(Dev().lock);
  try {
    Capture(x1 + ox, y1 + oy, x2 + ox, y2 + oy, buffer);
  } catch (const std::bad_alloc&) {
    Fail(grError);  // a rectangle too large to hold
  }
}

void PutImage(std::int16_t x, std::int16_t y, const std::uint8_t* buffer, std::size_t size, std::uint16_t mode) {
  if (!Begin()) return;
  if (mode > 7) {
    Fail(grInvalidParam);
    return;
  }
  // Pictures come from files: check every size against the buffer before
  // reading a single pixel.
  if (buffer == nullptr || size < kHeaderSize || buffer[0] != 'B' || buffer[1] != 'M' ||
      Get32(buffer + 14) < 40 || Get16(buffer + 28) != 24 || Get32(buffer + 30) != 0) {
    Fail(grInvalidParam);
    return;
  }
  std::int32_t w = static_cast<std::int32_t>(Get32(buffer + 18));
  std::int32_t hRaw = static_cast<std::int32_t>(Get32(buffer + 22));
  std::uint32_t offset = Get32(buffer + 10);
  bool topDown = hRaw < 0;
  std::int64_t h = topDown ? -static_cast<std::int64_t>(hRaw) : hRaw;
  if (w <= 0 || h <= 0 || w > 65535 || h > 65535) {
    Fail(grInvalidParam);
    return;
  }
  std::uint64_t row = RowBytes(static_cast<std::uint32_t>(w));
  if (offset < kHeaderSize || offset > size || (size - offset) / row < static_cast<std::uint64_t>(h)) {
    Fail(grInvalidParam);
    return;
  }
  Drawing d;
  Device& dev = Dev();
  cairo_surface_flush(dev.surface);
  auto* data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(dev.surface));
  std::size_t stride = static_cast<std::size_t>(cairo_image_surface_get_stride(dev.surface) / 4);
  // The part of the picture inside the clip box, once for the rectangle.
  Box box = ClipBox();
  int ax = x + St().vx1, ay = y + St().vy1;
  int cx1 = std::max(ax, box.x1), cx2 = static_cast<int>(std::min<std::int64_t>(std::int64_t{ax} + w - 1, box.x2));
  if (box.Empty() || cx1 > cx2) return;
  std::size_t skip = static_cast<std::size_t>(cx1 - ax), n = static_cast<std::size_t>(cx2 - cx1 + 1);
  std::vector<std::uint32_t> pixels(mode == 0 ? 0 : n);
  for (std::int64_t r = 0; r < h; ++r) {
    int sy = ay + static_cast<int>(topDown ? r : h - 1 - r);
    if (sy < box.y1 || sy > box.y2) continue;
    const std::uint8_t* in = buffer + offset + r * row + 3 * skip;
    std::uint32_t* out = data + static_cast<std::size_t>(sy) * stride + cx1;
    if (mode == 0) {
      UnpackRow(in, out, n);
    } else {
      UnpackRow(in, pixels.data(), n);
      kRowWriters[mode](pixels.data(), out, n);
    }
  }
}

std::vector<std::uint8_t> ScreenRgb() {
  Device& d = Dev();
  std::lock_guard<std::mutex> g(d.lock);
  std::vector<std::uint8_t> out;
  if (!d.surface) return out;
  cairo_surface_flush(d.surface);
  const auto* data = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(d.surface));
  int stride = cairo_image_surface_get_stride(d.surface) / 4;
  out.resize(static_cast<std::size_t>(d.width) * d.height * 3);
  std::uint8_t* o = out.data();
  for (int y = 0; y < d.height; ++y) {
    const std::uint32_t* in = data + static_cast<std::size_t>(y) * stride;
    for (int x = 0; x < d.width; ++x, o += 3) {
      o[0] = (in[x] >> 16) & 0xFF;
      o[1] = (in[x] >> 8) & 0xFF;
      o[2] = in[x] & 0xFF;
    }
  }
  return out;
}

std::vector<std::uint8_t> ScreenBmp() {
  Device& d = Dev();
  std::lock_guard<std::mutex> g(d.lock);
  std::vector<std::uint8_t> bmp;
  if (d.surface) Capture(0, 0, d.width - 1, d.height - 1, bmp);
  return bmp;
}

namespace detail {

bool WriteShotFile(const std::string& hostPath, const std::vector<std::uint8_t>& bmp) {
  if (bmp.empty()) return false;
  std::FILE* f = std::fopen(hostPath.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(bmp.data(), 1, bmp.size(), f) == bmp.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace detail

bool SaveScreenBmp(const std::string& hostPath) { return detail::WriteShotFile(hostPath, ScreenBmp()); }

}  // namespace graph
