// Font slots, text style and text output.
#include <cairo.h>

#include <cmath>
#include <string>

#include "graph/device.h"
#include "graph/fonts.h"
#include "graph/graph.h"
#include "graph/textcache.h"

namespace graph {
using namespace detail;

namespace {

constexpr std::size_t kFaceMax = 31;
std::string g_faces[kFontSlots];     // InstFont: face names as installed
std::string g_families[kFontSlots];  // what each face is drawn with

// The font of the current text style, set up on a cairo context.
struct TextFont {
  double ascent = 0, descent = 0;
  bool underline = false;
  double pixels = 0;
  AdvanceTable* advances = nullptr;
};

double PixelHeight(std::uint16_t size) {
  if (size == 0) return 16;  // no size at all: the default height
  return size < 6 ? size * 8.0 : size;
}

// The font options of all text: grey antialiasing, unhinted metrics. Made
// once; cairo copies them into the context.
const cairo_font_options_t* TextOptions() {
  static cairo_font_options_t* opt = [] {
    cairo_font_options_t* o = cairo_font_options_create();
    cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
    return o;
  }();
  return opt;
}

// Selects the current text font into cr. The size in pixels is the height
// of the character cell (ascent plus descent), as the classic font height.
TextFont SelectFont(cairo_t* cr) {
  const DrawState& s = St();
  int slot = s.font & 0xF;
  int weightStep = (s.font >> 4) & 0xF;
  bool italic = ((s.font >> 12) & 0xF) != 0;
  TextFont f;
  f.underline = ((s.font >> 8) & 0xF) != 0;
  f.pixels = PixelHeight(s.size);
  const std::string& family = slot < kFontSlots ? g_families[slot] : g_families[0];
  bool ownItalic = italic && FamilyHasItalic(family);
  FaceKey face{family, ownItalic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
               400 + 300 * weightStep >= 600 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL};
  cairo_select_font_face(cr, family.c_str(), face.slant, face.weight);
  cairo_set_font_options(cr, TextOptions());
  cairo_set_font_size(cr, 1000);
  const CellMetrics& cell1000 = CachedCell(face, cr);
  double cell = cell1000.ascent + cell1000.descent;
  double em = cell > 0 ? f.pixels * 1000.0 / cell : f.pixels;
  // A face without an italic of its own leans by a shear.
  double shear = italic && !ownItalic ? -0.21 * em : 0;
  cairo_matrix_t m;
  cairo_matrix_init(&m, em, 0, shear, em, 0, 0);
  cairo_set_font_matrix(cr, &m);
  f.ascent = cell1000.ascent * em / 1000.0;
  f.descent = cell1000.descent * em / 1000.0;
  f.advances = &CachedAdvances(face, em, shear);
  return f;
}

// Advance of each character with the extra spacing of SetUserCharSize.
std::vector<double> Advances(cairo_t* cr, const TextFont& f, std::string_view s) {
  const DrawState& st = St();
  std::vector<double> adv;
  adv.reserve(s.size());
  int spaces = 0;
  for (char c : s)
    if (c == ' ') ++spaces;
  int spaceSeen = 0;
  for (char c : s) {
    double a = f.advances->Advance(cr, static_cast<unsigned char>(c)) + st.extraSpace;
    if (c == ' ' && spaces > 0) {
      // The break space spread evenly, the remainder to the first breaks.
      int share = st.breakSpace / spaces;
      int rest = st.breakSpace % spaces;
      a += share + (spaceSeen < std::abs(rest) ? (rest > 0 ? 1 : -1) : 0);
      ++spaceSeen;
    }
    adv.push_back(a);
  }
  return adv;
}

double Width(const std::vector<double>& adv) {
  double w = 0;
  for (double a : adv) w += a;
  return w;
}

}  // namespace

namespace detail {
void ResetFonts() {
  ResetTextCache();
  for (int i = 0; i < kFontSlots; ++i) {
    g_faces[i].clear();
    g_families[i].clear();
  }
}
}  // namespace detail

void InstallDefaultFonts() {
  for (const char* face : kDefaultFaces)
    if (InstallUserFont(face) < 0) break;  // the rest would take wrong slots
  GrResult = grOk;
}

std::int16_t InstallUserFont(std::string_view face) {
  if (!Begin()) return grNoInitGraph;
  std::string name(face.substr(0, kFaceMax));
  std::string family = ResolveFace(name);
  if (family.empty()) {
    Fail(grInvalidFont);
    return grInvalidFont;
  }
  for (int i = 0; i < kFontSlots; ++i)
    if (g_faces[i].empty()) {
      g_faces[i] = name;
      g_families[i] = family;
      return static_cast<std::int16_t>(i);
    }
  Fail(grInvalidFont);
  return grInvalidFont;
}

std::string InstalledFont(int slot) { return slot >= 0 && slot < kFontSlots ? g_faces[slot] : ""; }
std::string ResolvedFamily(int slot) { return slot >= 0 && slot < kFontSlots ? g_families[slot] : ""; }

void SetTextStyle(std::uint16_t font, std::int16_t direction, std::uint16_t size) {
  if (!Begin()) return;
  int slot = font & 0xF;
  if (slot >= kFontSlots || g_faces[slot].empty()) {
    Fail(grInvalidFontNum);
    return;
  }
  St().font = font;
  St().direction = static_cast<std::uint16_t>(direction);
  St().size = size;
}

void SetUserCharSize(std::int16_t extraSpace, std::int16_t breakSpace, std::int16_t, std::int16_t) {
  if (!Begin()) return;
  St().extraSpace = extraSpace;
  St().breakSpace = breakSpace;
}

void SetTextJustify(std::uint16_t horizontal, std::uint16_t vertical) {
  if (!Begin()) return;
  if (horizontal > 2 || vertical > 2) {
    Fail(grInvalidParam);
    return;
  }
  St().hJustify = horizontal;
  St().vJustify = vertical;
}

std::int32_t TextWidth(std::string_view s) {
  if (!Begin()) return 0;
  std::lock_guard<std::mutex> g(Dev().lock);
  cairo_t* cr = Dev().cr;
  cairo_save(cr);
  TextFont f = SelectFont(cr);
  double w = Width(Advances(cr, f, s));
  cairo_restore(cr);
  return static_cast<std::int32_t>(std::lround(w));
}

std::int32_t TextHeight(std::string_view) {
  if (!Begin()) return 0;
  return static_cast<std::int32_t>(std::lround(PixelHeight(St().size)));
}

void OutText(std::string_view s) {
  if (!Begin()) return;
  DrawState& st = St();
  double endAlong = 0;
  {
    Drawing d;
    cairo_t* cr = d.cr();
    TextFont f = SelectFont(cr);
    std::vector<double> adv = Advances(cr, f, s);
    double w = Width(adv);
    double dx = st.hJustify == 1 ? -w / 2 : st.hJustify == 2 ? -w : 0;
    double dy = st.vJustify == 0 ? f.ascent : st.vJustify == 1 ? -f.descent : 0;
    endAlong = dx + w;
    cairo_translate(cr, st.vx1 + st.cpx, st.vy1 + st.cpy);
    cairo_rotate(cr, -static_cast<std::int16_t>(st.direction) * M_PI / 180.0);
    SetSourceRgb(cr, ColorRgb(st.color));
    double x = dx;
    for (std::size_t i = 0; i < s.size(); ++i) {
      cairo_move_to(cr, x, dy);
      cairo_show_text(cr, CharUtf8(static_cast<unsigned char>(s[i])));
      x += adv[i];
    }
    if (f.underline && w > 0) {
      double thick = std::max(1.0, std::round(f.pixels / 16.0));
      double uy = std::round(dy + std::max(1.0, f.descent / 2));
      cairo_rectangle(cr, std::round(dx), uy, std::round(w), thick);
      cairo_fill(cr);
    }
  }
  double a = static_cast<std::int16_t>(st.direction) * M_PI / 180.0;
  st.cpx = static_cast<std::int16_t>(st.cpx + std::lround(endAlong * std::cos(a)));
  st.cpy = static_cast<std::int16_t>(st.cpy - std::lround(endAlong * std::sin(a)));
}

void OutTextXY(std::int16_t x, std::int16_t y, std::string_view s) {
  if (!Begin()) return;
  MoveTo(x, y);
  OutText(s);
}

}  // namespace graph
