// Map labels: texts of the current language at the element's anchor.
#include <cmath>
#include <string>

#include "common/numtext.h"
#include "map/mapfile.h"
#include "map/render.h"
#include "map/render_text.h"
#include "map/zones.h"
#include "screen/primitives.h"

namespace mapview {

using kiosk::RealToWhole;
using kiosk::TextToWhole;

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
      RealToWhole(std::trunc(x) * zones::ZOOM + zones::OFFSETX + zones::LABELOFFSETX);
  const std::int32_t py =
      RealToWhole(std::trunc(y) * zones::ZOOM + zones::OFFSETY + zones::LABELOFFSETY);
  if (FG == 0) {
    // The first text of a display sets up the label font before any label.
    screen::FNT0(12, 50, 595, 4, 360, 0, 20, 0, 0, "", "");
    FG = 1;
  }
  screen::FNT0(TextToWhole(s.S_COLOR.view()), px, py, TextToWhole(s.S_IFLABEL.view()),
               TextToWhole(s.S_ANGLE.view()), TextToWhole(s.S_STYLE.view()),
               TextToWhole(s.S_FILL.view()), 0, 0,
               s.S_BCOLOR.view(), s.S_MAPLABEL.view());
}

}  // namespace mapview
