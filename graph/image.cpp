// Screen rectangles as complete 24-bit BMP file images, and back.
#include <cstdio>
#include <cstring>
#include <new>

#include "graph/device.h"
#include "graph/graph.h"

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

// Absolute rectangle x1..x2, y1..y2 of the off-screen copy as a BMP image;
// pixels off the screen are black. The drawing lock must be held.
std::vector<std::uint8_t> Capture(int x1, int y1, int x2, int y2) {
  std::uint32_t w = static_cast<std::uint32_t>(x2 - x1 + 1), h = static_cast<std::uint32_t>(y2 - y1 + 1);
  std::uint32_t row = RowBytes(w);
  std::vector<std::uint8_t> buf(kHeaderSize + row * h, 0);
  std::uint8_t* p = buf.data();
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
  int stride = cairo_image_surface_get_stride(d.surface) / 4;
  for (std::uint32_t r = 0; r < h; ++r) {
    int y = y2 - static_cast<int>(r);  // bottom-up rows
    std::uint8_t* out = p + kHeaderSize + r * row;
    if (y < 0 || y >= d.height) continue;
    for (std::uint32_t c = 0; c < w; ++c) {
      int x = x1 + static_cast<int>(c);
      if (x < 0 || x >= d.width) continue;
      std::uint32_t v = data[static_cast<std::size_t>(y) * stride + x];
      out[3 * c] = v & 0xFF;
      out[3 * c + 1] = (v >> 8) & 0xFF;
      out[3 * c + 2] = (v >> 16) & 0xFF;
    }
  }
  return buf;
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

}  // namespace

std::uint32_t ImageSize(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
  if (x2 < x1 || y2 < y1) {
    GrResult = grInvalidParam;
    return 0;
  }
  return kHeaderSize + RowBytes(static_cast<std::uint32_t>(x2 - x1 + 1)) * static_cast<std::uint32_t>(y2 - y1 + 1);
}

void GetImage(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, std::vector<std::uint8_t>& buffer) {
  if (!Begin()) return;
  if (x2 < x1 || y2 < y1) {
    Fail(grInvalidParam);
    return;
  }
  int ox = St().vx1, oy = St().vy1;
  std::lock_guard<std::mutex> g(Dev().lock);
  try {
    buffer = Capture(x1 + ox, y1 + oy, x2 + ox, y2 + oy);
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
  int stride = cairo_image_surface_get_stride(dev.surface) / 4;
  Box box = ClipBox();
  int ax = x + St().vx1, ay = y + St().vy1;
  for (std::int64_t r = 0; r < h; ++r) {
    int sy = ay + static_cast<int>(topDown ? r : h - 1 - r);
    if (sy < box.y1 || sy > box.y2) continue;
    const std::uint8_t* in = buffer + offset + r * row;
    for (std::int32_t c = 0; c < w; ++c) {
      int sx = ax + c;
      if (sx < box.x1 || sx > box.x2) continue;
      std::uint32_t src = in[3 * c] | in[3 * c + 1] << 8 | in[3 * c + 2] << 16;
      std::uint32_t& dst = data[static_cast<std::size_t>(sy) * stride + sx];
      dst = Combine(mode, src, dst) & 0xFFFFFF;
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
  out.reserve(static_cast<std::size_t>(d.width) * d.height * 3);
  for (int y = 0; y < d.height; ++y)
    for (int x = 0; x < d.width; ++x) {
      std::uint32_t v = data[static_cast<std::size_t>(y) * stride + x];
      out.push_back((v >> 16) & 0xFF);
      out.push_back((v >> 8) & 0xFF);
      out.push_back(v & 0xFF);
    }
  return out;
}

std::vector<std::uint8_t> ScreenBmp() {
  Device& d = Dev();
  std::lock_guard<std::mutex> g(d.lock);
  if (!d.surface) return {};
  return Capture(0, 0, d.width - 1, d.height - 1);
}

bool SaveScreenBmp(const std::string& hostPath) {
  std::vector<std::uint8_t> bmp = ScreenBmp();
  if (bmp.empty()) return false;
  std::FILE* f = std::fopen(hostPath.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(bmp.data(), 1, bmp.size(), f) == bmp.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace graph
