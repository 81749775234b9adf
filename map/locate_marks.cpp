// The marks of the location display: the kiosk's blinking cross and the
// rings over the product, each drawn over a saved piece of the map that is
// put back afterwards.
#include "common/numtext.h"
#include "graph/graph.h"
#include "graph/keyboard.h"
#include "map/locate.h"
#include "map/render.h"
#include "map/zones.h"
#include "screen/primitives.h"
#include "shell/cfgfiles.h"

namespace dispmap {

namespace {

using kiosk::RealToShort;
using kiosk::RealToWhole;

constexpr std::int32_t kBlack = 12;
constexpr std::int32_t kRingColour = 220;
constexpr std::int32_t kFadeColour = 250;

void Rings(std::int32_t cx, std::int32_t cy, std::initializer_list<int> radii) {
  for (int r : radii) {
    graph::Circle(static_cast<std::int16_t>(cx), static_cast<std::int16_t>(cy),
                  static_cast<std::uint16_t>(r));
    graph::Delay(100);
  }
}

bool ProductInShownZone() { return zones::INZONE(zones::ZONE, cfgfiles::XFOUND, cfgfiles::YFOUND); }

}  // namespace

void DOPON() { DOX(cfgfiles::WHEREISX, cfgfiles::WHEREISY); }

void DOX(double x, double y) {
  if (mapview::FLOOR == cfgfiles::FLOORX) {
    const std::int32_t cx = RealToShort(zones::ZOOM * x + zones::X_OFFSETX);
    const std::int32_t cy = RealToShort(zones::ZOOM * y + zones::X_OFFSETY);
    screen::SAVEBMP(cx - 27, cy - 30, cx + 8, cy + 6, kCrossBackground);
    do {
      graph::Delay(500);
      screen::LOADBMP(cx - 27, cy - 30, kCross);
      graph::Delay(500);
      screen::LOADBMP(cx - 27, cy - 30, kCrossBackground);
      DOCIRCLES(cfgfiles::XFOUND, cfgfiles::YFOUND);
      ++PON;
      if (PON == 20) return;
    } while (!graph::KeyPressed() && PON != kCycles);
  } else {
    PON = 0;
    do {
      ++PON;
      DOCIRCLES(cfgfiles::XFOUND, cfgfiles::YFOUND);
      graph::Delay(1200);
    } while (!graph::KeyPressed() && PON != kCycles);
  }
  graph::SetBkColor(screen::ColorValue(kBlack));
  screen::CH = 'X';
}

void DOCIRCLES(double x, double y) {
  if (mapview::FLOOR != CFLOOR) {
    graph::Delay(3500);
    return;
  }
  graph::SetLineStyle(0, 0, 0);
  screen::COLORS1(kRingColour);
  const std::int32_t ox = RealToWhole(x * zones::ZOOM + (zones::X_OFFSETX - 45));
  const std::int32_t oy = RealToWhole(y * zones::ZOOM + (zones::X_OFFSETY - 47));
  screen::SAVEBMP(ox, oy, ox + 70, oy + 70, kRingsBackground);
  if (ProductInShownZone()) {
    const std::int32_t cx = ox + 35, cy = oy + 35;
    graph::SetLineStyle(0, 0, 2);
    graph::SetTextJustify(1, 1);
    Rings(cx, cy, {6, 12, 18, 24});
    graph::Delay(300);
    screen::COLORS1(kFadeColour);
    Rings(cx, cy, {21, 15, 9, 3});
    graph::Delay(300);
    graph::SetLineStyle(0, 0, 0);
  }
  screen::LOADBMP(ox, oy, kRingsBackground);
}

}  // namespace dispmap
