// Cached fill tiles: one 8x8 repeating pattern per style, colours and user
// pattern, built on first use.
#include "graph/fillcache.h"

#include <cstring>
#include <unordered_map>

namespace graph::detail {
namespace {

// 8x8 hatch masks: bit set where the hatch line passes; aligned to the
// screen (pixel x, y of the whole window), not to the shape or viewport.
bool HatchAt(int style, int x, int y) {
  int mx = x & 7, my = y & 7;
  switch (style) {
    case 2: return my == 0;                                   // horizontal
    case 3: return mx == 0;                                   // vertical
    case 4: return mx == 0 || my == 0;                        // cross
    case 5: return ((mx + my) & 7) == 7;                      // backward diagonal "/"
    case 6: return mx == my;                                  // forward diagonal "\"
    case 7: return mx == my || ((mx + my) & 7) == 7;          // diagonal cross
    default: return false;
  }
}

// Everything that decides a tile's pixels, packed: style, fill colour, and
// for the user pattern the background colour and its eight rows. Hatches
// are transparent between their lines, so their key leaves those out.
struct Key {
  std::uint64_t styleAndColours;
  std::uint64_t rows;
  bool operator==(const Key&) const = default;
};
struct KeyHash {
  std::size_t operator()(const Key& k) const {
    return std::hash<std::uint64_t>()(k.styleAndColours * 0x9E3779B97F4A7C15ull ^ k.rows);
  }
};

// A screen uses few fill combinations; the bound only guards against a
// caller that walks through colours, which would otherwise grow the cache.
constexpr std::size_t kMaxTiles = 512;

// Never destroyed: a program that ends without CloseGraph keeps its tiles
// reachable to the end instead of dropping the map under them at exit.
std::unordered_map<Key, cairo_pattern_t*, KeyHash>& Tiles() {
  static auto* tiles = new std::unordered_map<Key, cairo_pattern_t*, KeyHash>;
  return *tiles;
}

cairo_pattern_t* BuildTile(int style, std::uint32_t fgRgb, std::uint32_t bgRgb, const std::uint8_t pattern[8]) {
  cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
  auto* px = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(tile));
  int stride = cairo_image_surface_get_stride(tile) / 4;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) px[y * stride + x] = TilePixel(style, fgRgb, bgRgb, pattern, x, y);
  cairo_surface_mark_dirty(tile);
  cairo_pattern_t* pat = cairo_pattern_create_for_surface(tile);
  cairo_pattern_set_extend(pat, CAIRO_EXTEND_REPEAT);
  cairo_pattern_set_filter(pat, CAIRO_FILTER_NEAREST);
  cairo_surface_destroy(tile);  // the pattern holds its own reference
  return pat;
}

}  // namespace

std::uint32_t TilePixel(int style, std::uint32_t fgRgb, std::uint32_t bgRgb, const std::uint8_t pattern[8], int x,
                        int y) {
  // The user pattern has ones in the fill colour and zeros in the
  // background colour; hatches leave their gaps transparent.
  const std::uint32_t fg = 0xFF000000u | fgRgb, bg = 0xFF000000u | bgRgb;
  if (style == 8) return (pattern[y & 7] >> (7 - (x & 7)) & 1) ? fg : bg;
  return HatchAt(style, x, y) ? fg : 0;
}

cairo_pattern_t* FillTile(int style, std::uint32_t fgRgb, std::uint32_t bgRgb, const std::uint8_t pattern[8]) {
  Key key{static_cast<std::uint64_t>(style) << 56 | static_cast<std::uint64_t>(fgRgb & 0xFFFFFF) << 24, 0};
  if (style == 8) {
    key.styleAndColours |= bgRgb & 0xFFFFFF;
    std::memcpy(&key.rows, pattern, 8);
  }
  auto& tiles = Tiles();
  auto it = tiles.find(key);
  if (it != tiles.end()) return it->second;
  if (tiles.size() >= kMaxTiles) ResetFillCache();
  cairo_pattern_t* pat = BuildTile(style, fgRgb, bgRgb, pattern);
  tiles.emplace(key, pat);
  return pat;
}

void ResetFillCache() {
  for (auto& [key, pat] : Tiles()) cairo_pattern_destroy(pat);
  Tiles().clear();
}

}  // namespace graph::detail
