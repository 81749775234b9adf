// The picture the window shows: the off-screen copy, drawn at the layout
// size, scaled to fill the window while keeping its proportions, with black
// bars on the sides or at the top and bottom where they differ. The window
// and the tools (kiosk-headless --as-shown) scale through the same routine,
// so a test can hold the real window against a headless render.
#include <cairo.h>

#include <cstring>

#include "graph/device.h"
#include "graph/graph.h"
#include "graph/shown.h"
#include "graph/window.h"

namespace graph {
namespace detail {

Placement FitPicture(int pictureWidth, int pictureHeight, int width, int height) {
  Placement p{0, 0, width, height};
  if (pictureWidth <= 0 || pictureHeight <= 0 || width <= 0 || height <= 0) return p;
  const long long across = static_cast<long long>(pictureWidth) * height;
  const long long down = static_cast<long long>(pictureHeight) * width;
  if (across >= down) {  // wider than the window: its whole width, bars above and below
    p.height = static_cast<int>((down + pictureWidth / 2) / pictureWidth);
  } else {  // narrower: its whole height, bars on the sides
    p.width = static_cast<int>((across + pictureHeight / 2) / pictureHeight);
  }
  p.x = (width - p.width) / 2;
  p.y = (height - p.height) / 2;
  return p;
}

void PaintShown(cairo_surface_t* picture, cairo_surface_t* target) {
  const int pw = cairo_image_surface_get_width(picture), ph = cairo_image_surface_get_height(picture);
  const int tw = cairo_image_surface_get_width(target), th = cairo_image_surface_get_height(target);
  cairo_t* cr = cairo_create(target);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  const Placement p = FitPicture(pw, ph, tw, th);
  cairo_rectangle(cr, p.x, p.y, p.width, p.height);
  cairo_clip(cr);
  cairo_translate(cr, p.x, p.y);
  if (p.width != pw || p.height != ph)
    cairo_scale(cr, static_cast<double>(p.width) / pw, static_cast<double>(p.height) / ph);
  cairo_set_source_surface(cr, picture, 0, 0);
  cairo_pattern_t* source = cairo_get_source(cr);
  // Smooth both ways; the edges repeat their own pixels rather than fade.
  cairo_pattern_set_filter(source, CAIRO_FILTER_GOOD);
  cairo_pattern_set_extend(source, CAIRO_EXTEND_PAD);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(target);
}

cairo_surface_t* CopyOfScreen() {
  Device& d = Dev();
  std::lock_guard<std::mutex> g(d.lock);
  if (!d.surface) return nullptr;
  d.dirty = false;
  cairo_surface_flush(d.surface);
  cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_RGB24, d.width, d.height);
  if (cairo_surface_status(copy) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(copy);
    return nullptr;
  }
  const int from = cairo_image_surface_get_stride(d.surface), to = cairo_image_surface_get_stride(copy);
  const unsigned char* in = cairo_image_surface_get_data(d.surface);
  unsigned char* out = cairo_image_surface_get_data(copy);
  for (int y = 0; y < d.height; ++y)
    std::memcpy(out + static_cast<std::size_t>(y) * to, in + static_cast<std::size_t>(y) * from,
                static_cast<std::size_t>(d.width) * 4);
  cairo_surface_mark_dirty(copy);
  return copy;
}

}  // namespace detail

using namespace detail;

std::vector<std::uint8_t> ShownScreenBmp(int width, int height) {
  if (width <= 0 || height <= 0) return {};
  cairo_surface_t* picture = CopyOfScreen();
  if (!picture) return {};
  cairo_surface_t* shown = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  std::vector<std::uint8_t> bmp;
  if (cairo_surface_status(shown) == CAIRO_STATUS_SUCCESS) {
    PaintShown(picture, shown);
    // A 24-bit BMP: 54 bytes of headers, rows bottom-up, each padded to 4 bytes.
    const std::uint32_t row = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t size = 54 + row * static_cast<std::uint32_t>(height);
    bmp.assign(size, 0);
    auto put = [&bmp](std::size_t at, std::uint32_t v, int bytes) {
      for (int i = 0; i < bytes; ++i) bmp[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    bmp[0] = 'B', bmp[1] = 'M';
    put(2, size, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, row * static_cast<std::uint32_t>(height), 4);
    const int stride = cairo_image_surface_get_stride(shown) / 4;
    const auto* px = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(shown));
    for (int y = 0; y < height; ++y) {
      std::uint8_t* out = &bmp[54 + static_cast<std::size_t>(height - 1 - y) * row];
      for (int x = 0; x < width; ++x) {
        const std::uint32_t v = px[static_cast<std::size_t>(y) * stride + x];
        out[3 * x] = v & 0xFF;
        out[3 * x + 1] = (v >> 8) & 0xFF;
        out[3 * x + 2] = (v >> 16) & 0xFF;
      }
    }
  }
  cairo_surface_destroy(shown);
  cairo_surface_destroy(picture);
  return bmp;
}

bool SaveShownScreenBmp(const std::string& hostPath, int width, int height) {
  return detail::WriteShotFile(hostPath, ShownScreenBmp(width, height));
}

}  // namespace graph
