// Font slots, text style and text output.
#include <cairo.h>

#include <algorithm>
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

// A device-space box, inclusive of its edges.
struct InkBox {
  double x1, y1, x2, y2;
  bool Touches(const InkBox& o) const { return x1 <= o.x2 && o.x1 <= x2 && y1 <= o.y2 && o.y1 <= y2; }
  bool Within(const InkBox& o) const { return x1 >= o.x1 && x2 <= o.x2 && y1 >= o.y1 && y2 <= o.y2; }
  void Add(const InkBox& o) {
    x1 = std::min(x1, o.x1);
    y1 = std::min(y1, o.y1);
    x2 = std::max(x2, o.x2);
    y2 = std::max(y2, o.y2);
  }
};

// A position on the device rounded to the pixel as cairo places glyphs
// (halves upward), as the range of both neighbours on an exact half.
void PixelOf(double d, double& lo, double& hi) {
  lo = hi = std::floor(d + 0.5);
  if (d - std::floor(d) == 0.5) lo = hi - 1;
}

// The ink of a glyph at device position (x, y), a little larger than the
// box cairo tests for overlap (the glyph's ink at its pixel-rounded
// position).
InkBox DeviceInk(const cairo_matrix_t& ctm, const AdvanceTable::CharGlyph& g, double x, double y) {
  constexpr double kPad = 1.0 / 16;
  double xLo, xHi, yLo, yHi;
  PixelOf(x, xLo, xHi);
  PixelOf(y, yLo, yHi);
  // The ink box turned with the text (no translation), around the origin.
  InkBox ink{1e300, 1e300, -1e300, -1e300};
  const double corners[4][2] = {{g.inkX1, g.inkY1}, {g.inkX2, g.inkY1}, {g.inkX1, g.inkY2}, {g.inkX2, g.inkY2}};
  for (const auto& c : corners) {
    double px = c[0], py = c[1];
    cairo_matrix_transform_distance(&ctm, &px, &py);
    ink.Add({px, py, px, py});
  }
  return {xLo + ink.x1 - kPad, yLo + ink.y1 - kPad, xHi + ink.x2 + kPad, yHi + ink.y2 + kPad};
}

// Where cairo draws a character shown at (x, y) on its own: it keeps the
// current point on the device in 24.8 fixed point, so the position is
// rounded to 1/256 pixel there first, which decides the pixel a glyph lands
// on when it falls within 1/512 of a half. (x, y) becomes that position,
// (devX, devY) the same on the device.
void AsCurrentPoint(cairo_t* cr, double& x, double& y, double& devX, double& devY) {
  devX = x;
  devY = y;
  cairo_user_to_device(cr, &devX, &devY);
  devX = std::nearbyint(devX * 256) / 256;
  devY = std::nearbyint(devY * 256) / 256;
  x = devX;
  y = devY;
  cairo_device_to_user(cr, &x, &y);
}

// The characters at their advances from (x, y), the baseline's start, in
// as few cairo calls as give the same picture as one call per character.
// cairo draws the glyphs of one call one after the other, as separate
// calls would, only while their ink boxes do not overlap; for overlapping
// ones it adds their coverage into a mask cut to their boxes, which blends
// shared edge pixels differently and cuts a pixel off some accents. So a
// new call starts at each glyph whose ink meets the ink of the call so far.
// Glyphs cut by the clip are composited another way again: each is drawn
// on its own.
void DrawCharacters(cairo_t* cr, const TextFont& f, std::string_view s, const std::vector<double>& adv, double x,
                    double y) {
  if (g_textPerCharacter) {
    for (std::size_t i = 0; i < s.size(); ++i) {
      cairo_move_to(cr, x, y);
      cairo_show_text(cr, CharUtf8(static_cast<unsigned char>(s[i])));
      x += adv[i];
    }
    return;
  }
  cairo_matrix_t ctm;
  cairo_get_matrix(cr, &ctm);
  const bool upright = ctm.xx == 1 && ctm.yy == 1 && ctm.xy == 0 && ctm.yx == 0;
  const Box clip = ClipBox();
  const InkBox inside{double(clip.x1), double(clip.y1), clip.x2 + 1.0, clip.y2 + 1.0};
  std::vector<cairo_glyph_t> run;
  run.reserve(s.size());
  InkBox ink{};
  auto flush = [&] {
    if (!run.empty()) cairo_show_glyphs(cr, run.data(), static_cast<int>(run.size()));
    run.clear();
  };
  for (std::size_t i = 0; i < s.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    AdvanceTable::CharGlyph g = f.advances->Glyph(cr, c);
    if (g.glyphs == 1 && !upright) {
      cairo_glyph_t one{g.index, 0, 0};
      cairo_text_extents_t te;
      cairo_scaled_font_glyph_extents(cairo_get_scaled_font(cr), &one, 1, &te);
      g.inkX1 = te.x_bearing;
      g.inkY1 = te.y_bearing;
      g.inkX2 = te.x_bearing + te.width;
      g.inkY2 = te.y_bearing + te.height;
    }
    if (g.glyphs == 1) {
      double gx = x, gy = y, devX, devY;
      AsCurrentPoint(cr, gx, gy, devX, devY);
      const InkBox box = DeviceInk(ctm, g, devX, devY);
      const bool whole = box.Within(inside);
      if (!run.empty() && (!whole || box.Touches(ink))) flush();
      if (run.empty()) ink = box;
      ink.Add(box);
      run.push_back({g.index, gx, gy});
      if (!whole) flush();
    } else if (g.glyphs > 1) {
      flush();
      cairo_move_to(cr, x, y);
      cairo_show_text(cr, CharUtf8(c));
    }
    x += adv[i];
  }
  flush();
}

double Width(const std::vector<double>& adv) {
  double w = 0;
  for (double a : adv) w += a;
  return w;
}

}  // namespace

namespace detail {
bool g_textPerCharacter = false;

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
    DrawCharacters(cr, f, s, adv, dx, dy);
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
