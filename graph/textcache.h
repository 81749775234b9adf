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

// Advance widths and glyphs of the 256 Windows-1252 characters at one font
// matrix, filled on first use of each character.
class AdvanceTable {
 public:
  // The glyph a character is drawn with; glyphs 0 when it draws nothing
  // (NUL) and more than 1 when the font makes it of several.
  struct CharGlyph {
    unsigned long index;
    int glyphs;
    // The glyph's ink in user space from its origin, drawn upright (all 0:
    // none).
    double inkX1, inkY1, inkX2, inkY2;
  };
  // cr has the face and matrix selected.
  double Advance(cairo_t* cr, unsigned char c);
  CharGlyph Glyph(cairo_t* cr, unsigned char c);

 private:
  void Learn(cairo_t* cr, unsigned char c);
  double width_[256];
  CharGlyph glyph_[256];
  bool known_[256] = {};
};
// The table of a face at a font matrix (em size and shear).
AdvanceTable& CachedAdvances(const FaceKey& face, double em, double shear);

// The UTF-8 form of a Windows-1252 character, NUL-terminated.
const char* CharUtf8(unsigned char c);

// Forgets everything learnt (fonts reinstalled, CloseGraph, tests).
void ResetTextCache();

}  // namespace graph::detail
