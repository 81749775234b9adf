// Map labels: texts of the current language at the element's anchor.
#include <cmath>
#include <string>

#include "common/numtext.h"
#include "map/render.h"
#include "map/render_text.h"
#include "map/zones.h"
#include "screen/primitives.h"

namespace mapview {

using kiosk::RealToWhole;
using kiosk::TextToWhole;

void MLABEL() {
  const ElementText e = CurrentElement();
  const bool languageLabels = CurrentRules().languageLabels;
  if (languageLabels && PGRID == "N" && Contains(e.id, "GRID")) return;
  if (PLABEL != "Y") return;
  // The length field of a label lists the language digits it is shown for.
  if (languageLabels && !Contains(e.length, std::to_string(screen::LANGUAGE2))) return;
  double x = 0, y = 0;
  screen::STRINGTOREAL(e.x, x);
  screen::STRINGTOREAL(e.y, y);
  const std::int32_t px =
      RealToWhole(std::trunc(x) * zones::ZOOM + zones::OFFSETX + zones::LABELOFFSETX);
  const std::int32_t py =
      RealToWhole(std::trunc(y) * zones::ZOOM + zones::OFFSETY + zones::LABELOFFSETY);
  if (FG == 0) {
    // The first text of a display sets up the label font before any label.
    screen::FNT0(12, 50, 595, 4, 360, 0, 20, 0, 0, "", "");
    FG = 1;
  }
  screen::FNT0(TextToWhole(e.colour), px, py, TextToWhole(e.font), TextToWhole(e.angle),
               TextToWhole(e.style), TextToWhole(e.fill), 0, 0, e.background, e.label);
}

}  // namespace mapview
