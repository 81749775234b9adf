// Cached cell metrics and advance widths of text fonts.
#include "graph/textcache.h"

#include <map>
#include <tuple>

#include "common/cp1252.h"

namespace graph::detail {
namespace {

std::map<FaceKey, CellMetrics>& Cells() {
  static std::map<FaceKey, CellMetrics> cells;
  return cells;
}

using MatrixKey = std::tuple<FaceKey, double, double>;
std::map<MatrixKey, AdvanceTable>& Tables() {
  static std::map<MatrixKey, AdvanceTable> tables;
  return tables;
}

// A screen uses a few dozen sizes; the bound only stops a caller that
// walks through sizes from growing the cache without end.
constexpr std::size_t kMaxTables = 256;

}  // namespace

const CellMetrics& CachedCell(const FaceKey& face, cairo_t* cr) {
  auto it = Cells().find(face);
  if (it != Cells().end()) return it->second;
  cairo_font_extents_t fe;
  cairo_font_extents(cr, &fe);
  return Cells().emplace(face, CellMetrics{fe.ascent, fe.descent}).first->second;
}

void AdvanceTable::Learn(cairo_t* cr, unsigned char c) {
  cairo_text_extents_t te;
  cairo_text_extents(cr, CharUtf8(c), &te);
  width_[c] = te.x_advance;
  cairo_glyph_t* glyphs = nullptr;
  int n = 0;
  if (cairo_scaled_font_text_to_glyphs(cairo_get_scaled_font(cr), 0, 0, CharUtf8(c), -1, &glyphs, &n, nullptr,
                                       nullptr, nullptr) != CAIRO_STATUS_SUCCESS)
    n = 2;  // drawn on its own, as text
  glyph_[c] = {n >= 1 && glyphs ? glyphs[0].index : 0, n, 0, 0, 0, 0};
  if (n == 1) {
    // The ink of upright text: with a turned transform the rasteriser
    // hints differently, and drawing asks for that ink itself.
    cairo_glyph_t g{glyphs[0].index, 0, 0};
    cairo_text_extents_t ink;
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_scaled_font_glyph_extents(cairo_get_scaled_font(cr), &g, 1, &ink);
    cairo_restore(cr);
    if (ink.width > 0 && ink.height > 0)
      glyph_[c] = {g.index, 1, ink.x_bearing, ink.y_bearing, ink.x_bearing + ink.width, ink.y_bearing + ink.height};
    else
      glyph_[c].glyphs = 0;  // a space: no ink to draw
  }
  cairo_glyph_free(glyphs);
  known_[c] = true;
}

double AdvanceTable::Advance(cairo_t* cr, unsigned char c) {
  if (!known_[c]) Learn(cr, c);
  return width_[c];
}

AdvanceTable::CharGlyph AdvanceTable::Glyph(cairo_t* cr, unsigned char c) {
  if (!known_[c]) Learn(cr, c);
  return glyph_[c];
}

AdvanceTable& CachedAdvances(const FaceKey& face, double em, double shear) {
  auto& tables = Tables();
  if (tables.size() >= kMaxTables) tables.clear();
  return tables[MatrixKey{face, em, shear}];
}

const char* CharUtf8(unsigned char c) {
  static const auto* table = [] {
    auto* t = new std::string[256];  // lives as long as the program
    for (int i = 0; i < 256; ++i) {
      char b = static_cast<char>(i);
      t[i] = kiosk::Cp1252ToUtf8(std::string_view(&b, 1));
    }
    return t;
  }();
  return table[c].c_str();
}

void ResetTextCache() {
  Cells().clear();
  Tables().clear();
}

}  // namespace graph::detail
