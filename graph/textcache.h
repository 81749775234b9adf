// Inside the graphics layer: what text drawing learns about a font once and
// then reuses. Screens set a text style before nearly every text; asking
// cairo for the cell metrics and each character's advance every time cost
// more than drawing the glyphs.
#pragma once

#include <cairo.h>

#include <string>

namespace graph::detail {

// The face of a text style: family, own italic or upright, bold or not.
struct FaceKey {
  std::string family;
  cairo_font_slant_t slant;
  cairo_font_weight_t weight;
  auto operator<=>(const FaceKey&) const = default;
};

// Ascent and descent of the face at size 1000 (no hinted metrics). cr has
// the face selected at size 1000 with the text font options.
struct CellMetrics {
  double ascent, descent;
};
const CellMetrics& CachedCell(const FaceKey& face, cairo_t* cr);

// Advance widths of the 256 Windows-1252 characters at one font matrix,
// filled on first use of each character.
class AdvanceTable {
 public:
  // cr has the face and matrix selected.
  double Advance(cairo_t* cr, unsigned char c);

 private:
  double width_[256];
  bool known_[256] = {};
};
// The table of a face at a font matrix (em size and shear).
AdvanceTable& CachedAdvances(const FaceKey& face, double em, double shear);

// The UTF-8 form of a Windows-1252 character, NUL-terminated.
const char* CharUtf8(unsigned char c);

// Forgets everything learnt (fonts reinstalled, CloseGraph, tests).
void ResetTextCache();

}  // namespace graph::detail
