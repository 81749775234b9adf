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

double AdvanceTable::Advance(cairo_t* cr, unsigned char c) {
  if (!known_[c]) {
    cairo_text_extents_t te;
    cairo_text_extents(cr, CharUtf8(c), &te);
    width_[c] = te.x_advance;
    known_[c] = true;
  }
  return width_[c];
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
