// Filling with hatches and user patterns.
//
// Letting cairo composite a repeating 8x8 tile costs a full pixman
// composite per scan line of the shape, several times the cost of a solid
// fill. Instead cairo rasterises the shape once, solid, into a scratch
// alpha mask (same path, same rule, no antialiasing, moved by whole pixels
// so every pixel centre samples alike), and the tile is written through
// that mask straight into the off-screen copy. The pixels covered are
// cairo's own, so shapes come out exactly as before.
//
// Polygons whose runs are worked out without cairo (polyruns.h) skip the
// mask: FillRuns writes the colour or the tile's inked pixels run by run.
#include "graph/tilefill.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "graph/device.h"
#include "graph/fillcache.h"
#include "graph/polyruns.h"
#include "graph/raster.h"

namespace graph::detail {
namespace {

// The scratch mask, grown as needed and kept: fills come in thousands.
struct Scratch {
  cairo_surface_t* surface = nullptr;
  cairo_t* cr = nullptr;
  int width = 0, height = 0;
};
Scratch g_mask;

void Release() {
  if (g_mask.cr) cairo_destroy(g_mask.cr);
  if (g_mask.surface) cairo_surface_destroy(g_mask.surface);
  g_mask = Scratch{};
}

bool Reserve(int w, int h) {
  if (g_mask.surface && w <= g_mask.width && h <= g_mask.height) return true;
  int nw = std::max(w, g_mask.width), nh = std::max(h, g_mask.height);
  Release();
  g_mask.surface = cairo_image_surface_create(CAIRO_FORMAT_A8, nw, nh);
  if (cairo_surface_status(g_mask.surface) != CAIRO_STATUS_SUCCESS) {
    Release();
    return false;
  }
  g_mask.cr = cairo_create(g_mask.surface);
  g_mask.width = nw;
  g_mask.height = nh;
  return true;
}

// Pixel values of the 8x8 tile, row by row; alpha 0 marks a hatch gap.
void TilePixels(cairo_pattern_t* tile, std::uint32_t out[8][8]) {
  cairo_surface_t* s = nullptr;
  cairo_pattern_get_surface(tile, &s);
  cairo_surface_flush(s);
  const auto* px = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(s));
  int stride = cairo_image_surface_get_stride(s) / 4;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) out[y][x] = px[y * stride + x];
}

// Each tile row twice over, as the bits to keep of the screen pixel and the
// bits to add, so that eight pixels from any phase need no wrap and no
// branch: hatch gaps keep the screen, inked pixels take the tile.
struct TileInk {
  TileInk() = default;
  explicit TileInk(cairo_pattern_t* tile) {
    std::uint32_t t[8][8];
    TilePixels(tile, t);
    Set(t);
  }
  void Set(const std::uint32_t t[8][8]) {
    for (int r = 0; r < 8; ++r) {
      rowInked[r] = false;
      columns[r] = 0;
      for (int i = 0; i < 16; ++i) {
        std::uint32_t v = t[r][i & 7];
        bool inked = v >> 24;
        keep[r][i] = inked ? 0u : ~0u;
        ink[r][i] = inked ? v : 0u;
        rowInked[r] |= inked;
        if (inked && i < 8) column[r][columns[r]++] = static_cast<std::uint8_t>(i);
      }
    }
  }
  std::uint32_t keep[8][16], ink[8][16];
  bool rowInked[8] = {};
  // The inked columns of each row (x & 7), for rows with gaps.
  std::uint8_t column[8][8] = {}, columns[8] = {};
};

// The ink of recent tiles, one slot per hash of everything that decides
// the tile: a map fills box after box in a handful of styles and colours.
const TileInk& InkOf(std::uint16_t style, std::uint32_t fgRgb, std::uint32_t bgRgb, const std::uint8_t pattern[8]) {
  struct Slot {
    bool used = false;
    std::uint16_t style = 0;
    std::uint32_t fg = 0, bg = 0;
    std::uint64_t rows = 0;
    TileInk ink;
  };
  static Slot slots[64];
  std::uint64_t rows = 0;
  if (style == 8) {
    std::memcpy(&rows, pattern, 8);
  } else {
    bgRgb = 0;  // hatch gaps show the screen, not the background
  }
  const std::uint64_t h = ((std::uint64_t{style} << 48 ^ std::uint64_t{fgRgb} << 24 ^ bgRgb) * 0x9E3779B97F4A7C15ull ^ rows) *
                          0x9E3779B97F4A7C15ull;
  Slot& slot = slots[h >> 58];
  if (!slot.used || slot.style != style || slot.fg != fgRgb || slot.bg != bgRgb || slot.rows != rows) {
    std::uint32_t t[8][8];
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) t[y][x] = TilePixel(style, fgRgb, bgRgb, pattern, x, y);
    slot.ink.Set(t);
    slot.used = true;
    slot.style = style;
    slot.fg = fgRgb;
    slot.bg = bgRgb;
    slot.rows = rows;
  }
  return slot.ink;
}

}  // namespace

bool FillRuns(const std::vector<Run>& runs) {
  const DrawState& s = St();
  if (s.fillStyle == 9) return false;
  Device& d = Dev();
  cairo_surface_flush(d.surface);
  auto* dst = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(d.surface));
  const std::size_t dstride = static_cast<std::size_t>(cairo_image_surface_get_stride(d.surface) / 4);
  if (s.fillStyle <= 1) {
    // As cairo writes an opaque colour into the screen's format.
    const std::uint32_t v = 0xFF000000u | ColorRgb(s.fillStyle == 0 ? s.bkColor : s.fillColor);
    for (const Run& run : runs) std::fill(dst + run.y * dstride + run.x1, dst + run.y * dstride + run.x2, v);
    return true;
  }
  const TileInk& t = InkOf(s.fillStyle, ColorRgb(s.fillColor), ColorRgb(s.bkColor), s.fillPattern);
  for (const Run& run : runs) {
    const int r = run.y & 7;
    if (!t.rowInked[r]) continue;
    std::uint32_t* row = dst + run.y * dstride;
    const std::uint32_t* v = t.ink[r];
    if (t.columns[r] == 8) {  // no gaps: the row's eight pixels over and over
      int x = run.x1;
      for (; x + 8 <= run.x2; x += 8) std::memcpy(row + x, v + (x & 7), 8 * sizeof *row);
      for (; x < run.x2; ++x) row[x] = v[x & 7];
      continue;
    }
    // A hatch: only its inked pixels, every eighth from the first in the run.
    for (int c = 0; c < t.columns[r]; ++c) {
      const int q = t.column[r][c];
      for (int x = run.x1 + ((q - run.x1) & 7); x < run.x2; x += 8) row[x] = v[q];
    }
  }
  return true;
}

bool FillCurrentPath(cairo_t* cr) {
  const DrawState& s = St();
  switch (s.fillStyle) {
    case 0:
    case 1:
      SetSourceRgb(cr, ColorRgb(s.fillStyle == 0 ? s.bkColor : s.fillColor));
      cairo_fill(cr);
      return true;
    case 9:
      cairo_new_path(cr);
      return false;
    default:
      break;
  }
  cairo_pattern_t* tile = FillTile(s.fillStyle, ColorRgb(s.fillColor), ColorRgb(s.bkColor), s.fillPattern);

  // The pixels the shape may touch: its extents within the clip box.
  double ex1, ey1, ex2, ey2;
  cairo_path_extents(cr, &ex1, &ey1, &ex2, &ey2);
  Box clip = ClipBox();
  int x1 = std::max<double>(clip.x1, std::floor(ex1)), y1 = std::max<double>(clip.y1, std::floor(ey1));
  int x2 = std::min<double>(clip.x2, std::ceil(ex2)), y2 = std::min<double>(clip.y2, std::ceil(ey2));
  if (clip.Empty() || x2 < x1 || y2 < y1 || !Reserve(x2 - x1 + 1, y2 - y1 + 1)) {
    if (!clip.Empty() && x2 >= x1 && y2 >= y1) {  // no memory for the mask: let cairo composite
      cairo_set_source(cr, tile);
      cairo_fill(cr);
    }
    cairo_new_path(cr);
    return true;
  }
  const int w = x2 - x1 + 1, h = y2 - y1 + 1;

  // Rasterise the shape into the mask.
  cairo_surface_flush(g_mask.surface);
  std::uint8_t* mask = cairo_image_surface_get_data(g_mask.surface);
  const int mstride = cairo_image_surface_get_stride(g_mask.surface);
  for (int y = 0; y < h; ++y) std::memset(mask + static_cast<std::size_t>(y) * mstride, 0, w);
  cairo_surface_mark_dirty_rectangle(g_mask.surface, 0, 0, w, h);
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_new_path(cr);
  cairo_t* m = g_mask.cr;
  cairo_save(m);
  cairo_reset_clip(m);
  cairo_identity_matrix(m);
  cairo_rectangle(m, 0, 0, w, h);
  cairo_clip(m);
  cairo_translate(m, -x1, -y1);
  cairo_set_antialias(m, CAIRO_ANTIALIAS_NONE);
  cairo_set_fill_rule(m, cairo_get_fill_rule(cr));
  cairo_set_operator(m, CAIRO_OPERATOR_OVER);
  cairo_set_source_rgba(m, 0, 0, 0, 1);
  cairo_append_path(m, path);
  cairo_fill(m);
  cairo_restore(m);
  cairo_path_destroy(path);
  cairo_surface_flush(g_mask.surface);

  // Write the tile through the mask. The tile is aligned to the screen.
  const TileInk tileInk(tile);
  const auto& keep = tileInk.keep;
  const auto& ink = tileInk.ink;
  const auto& rowInked = tileInk.rowInked;
  Device& d = Dev();
  cairo_surface_flush(d.surface);
  auto* dst = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(d.surface));
  const int dstride = cairo_image_surface_get_stride(d.surface) / 4;
  for (int y = 0; y < h; ++y) {
    const int r = (y1 + y) & 7;
    if (!rowInked[r]) continue;
    const std::uint8_t* mrow = mask + static_cast<std::size_t>(y) * mstride;
    std::uint32_t* drow = dst + static_cast<std::size_t>(y1 + y) * dstride + x1;
    const std::uint32_t* k = keep[r];
    const std::uint32_t* v = ink[r];
    auto put = [&](int x) {
      int p = (x1 + x) & 7;
      drow[x] = (drow[x] & k[p]) | v[p];
    };
    // Most of the box around a slanted shape is outside it: look at the
    // mask eight bytes at a time, skip uncovered words, write covered ones
    // in one go.
    int x = 0;
    for (; x + 8 <= w; x += 8) {
      std::uint64_t eight;
      std::memcpy(&eight, mrow + x, 8);
      if (eight == 0) continue;
      if ((eight - 0x0101010101010101ull) & ~eight & 0x8080808080808080ull) {  // some byte is zero
        for (int i = 0; i < 8; ++i)
          if (mrow[x + i]) put(x + i);
        continue;
      }
      const int p = (x1 + x) & 7;
      for (int i = 0; i < 8; ++i) drow[x + i] = (drow[x + i] & k[p + i]) | v[p + i];
    }
    for (; x < w; ++x)
      if (mrow[x]) put(x);
  }
  cairo_surface_mark_dirty_rectangle(d.surface, x1, y1, w, h);
  return true;
}

void ResetTileFill() { Release(); }

}  // namespace graph::detail
