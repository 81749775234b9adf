// Map labels: texts of the current language at the element's anchor.
#include <cmath>
#include <string>

#include "map/mapfile.h"
#include "map/render.h"
#include "map/render_text.h"
#include "map/zones.h"
#include "screen/primitives.h"

namespace mapview {

namespace {

std::int32_t Nearest(double v) {
  std::int32_t n = 0;
  screen::REALTOINTEGER(n, v);
  return n;
}

std::int32_t Number(std::string_view text) {
  double r = 0;
  std::int32_t n = 0;
  screen::STRINGTORI(text, r, n);
  return n;
}

}  // namespace

void MLABEL() {
  const editmap::MAPDEF& s = editmap::SHELF;
  if (PGRID == "N" && Contains(s.S_ID.view(), "GRID")) return;
  if (PLABEL != "Y") return;
  // S_LENGTH of a label lists the language digits it is shown for.
  if (!Contains(s.S_LENGTH.view(), std::to_string(screen::LANGUAGE2))) return;
  double x = 0, y = 0;
  screen::STRINGTOREAL(s.S_X.view(), x);
  screen::STRINGTOREAL(s.S_Y.view(), y);
  const std::int32_t px =
      Nearest(std::trunc(x) * zones::ZOOM + zones::OFFSETX + zones::LABELOFFSETX);
  const std::int32_t py =
      Nearest(std::trunc(y) * zones::ZOOM + zones::OFFSETY + zones::LABELOFFSETY);
  if (FG == 0) {
    // The first text of a display sets up the label font before any label.
    screen::FNT0(12, 50, 595, 4, 360, 0, 20, 0, 0, "", "");
    FG = 1;
  }
  screen::FNT0(Number(s.S_COLOR.view()), px, py, Number(s.S_IFLABEL.view()),
               Number(s.S_ANGLE.view()), Number(s.S_STYLE.view()), Number(s.S_FILL.view()), 0, 0,
               s.S_BCOLOR.view(), s.S_MAPLABEL.view());
}

}  // namespace mapview
