// The walk over the map file and the drawing of one element.
#include "map/render.h"

#include <cmath>
#include <limits>
#include <string>

#include "common/numtext.h"
#include "common/textfile.h"
#include "graph/graph.h"
#include "isam/glue.h"
#include "isam/readahead.h"
#include "map/mapfile.h"
#include "map/render_text.h"
#include "map/zones.h"
#include "screen/primitives.h"

namespace mapview {

std::int32_t CHANGEZONE = 1;
std::int32_t FLOOR = 1;
ShortStr<1> PSHELVES("N");
ShortStr<1> PGRID("N");
ShortStr<1> PLABEL("Y");
Str255 SNAMEX;
std::int32_t FLG = 0;
std::int32_t F1 = 0;
std::int32_t FG = 0;
std::int32_t PICKREC = 0;
editmap::MAPDEF PICKED;

double IX = 0, IY = 0, BL1 = 0, BW1 = 0;
std::int32_t BAN = 0, I2 = 0, I3 = 0, I4 = 0, I5 = 0, I6 = 0, FLH = 0, SFLOOR = 0;

namespace {

using kiosk::TextToReal;
using kiosk::TextToWhole;

constexpr std::int32_t kBlack = 12;
constexpr std::int32_t kGridColour = 250;

// The whole part, kept inside 32 bits.
std::int32_t WholePart(std::string_view text) {
  const double r = std::trunc(TextToReal(text));
  if (!(r > std::numeric_limits<std::int32_t>::min() && r < std::numeric_limits<std::int32_t>::max())) return 0;
  return static_cast<std::int32_t>(r);
}

void MapViewport() {
  graph::SetViewPort(1, 1, static_cast<std::int16_t>(screen::MAXX - 1),
                     static_cast<std::int16_t>(screen::MAXY - 63), true);
}

// The element DrawElement is drawing and its rules, while it runs.
const ElementText* gElement = nullptr;
const DrawRules* gRules = &kStoreMap;

// Sets the element and rules for one drawing, and puts the earlier back.
class Drawing {
 public:
  Drawing(const ElementText& e, const DrawRules& r) : element_(gElement), rules_(gRules) {
    gElement = &e;
    gRules = &r;
  }
  ~Drawing() {
    gElement = element_;
    gRules = rules_;
  }
  Drawing(const Drawing&) = delete;
  Drawing& operator=(const Drawing&) = delete;

 private:
  const ElementText* element_;
  const DrawRules* rules_;
};

void DispatchFixture(std::string_view code, std::span<const FixtureCode> fixtures) {
  const std::string size = Upper(code);
  for (const FixtureCode& f : fixtures) {
    if (f.exact ? size == f.code : Contains(size, f.code)) {
      f.draw();
      F1 = 2;
    }
  }
}

void DrawLabels(std::string_view id, bool languageWord) {
  const std::string I = Upper(id);
  const std::int32_t lang = screen::LANGUAGE2;
  const std::string W = (lang >= 1 && lang <= 5) ? Upper(screen::LANGG[lang].view()) : std::string();
  // Without the language test every label counts as the current language's.
  const bool ofLanguage = !languageWord || Contains(I, W);
  const std::int32_t zone = zones::ZONE;
  auto draw = [] {
    MLABEL();
    FLG = 2;
  };
  if (Contains(PGRID.view(), "Y") && zone == 0 && Contains(I, "GRIDL3")) draw();
  if (Contains(id, "L1") && zone != 0 && ofLanguage) draw();
  if (Contains(id, "L3") && zone == 0 && ofLanguage && !Contains(I, "GRIDL3")) draw();
  if (Contains(id, "L3") && zone == kAllGridLabels && PGRID == "Y") {
    draw();
  } else if (Contains(I, "GRIDL3") && zone == 0 && ofLanguage) {
    draw();
  }
}

constexpr FixtureCode kStoreFixtures[] = {
    {"F1", false, FIXTURES}, {"F2", false, FIXTURES2}, {"F3", false, FIXTURES3},
    {"F4", false, FIXTURES4}, {"R4", true, GC04},       {"C0", true, GC0},
    {"4C", false, GC04P},    {"C5", false, GC04P},     {"R42", true, GC03},
    {"42C", true, GC03P},
};

}  // namespace

const DrawRules kStoreMap{
    .groupRule = true,
    .floorOf = [](std::string_view, std::int32_t floor) { return floor; },
    .fixtures = kStoreFixtures,
    .languageLabels = true,
};

ElementText CurrentElement() { return gElement ? *gElement : TextOf(editmap::SHELF); }

const DrawRules& CurrentRules() { return *gRules; }

void DECODE() {
  const ElementText e = CurrentElement();
  IX = TextToReal(e.x);
  IY = TextToReal(e.y);
  BL1 = TextToReal(e.length);
  BW1 = TextToReal(e.width);
  BAN = TextToWhole(e.angle);
  I2 = TextToWhole(e.colour);
  I3 = TextToWhole(e.style);
  I4 = WholePart(e.fill);
  I5 = TextToWhole(e.thick);
  I6 = TextToWhole(e.background);
  FLH = TextToWhole(e.font);
  SFLOOR = WholePart(e.floor);
}

void DISMAP() { DrawElement(TextOf(editmap::SHELF), kStoreMap); }

void DrawElement(const ElementText& element, const DrawRules& rules) {
  const Drawing drawing(element, rules);
  graph::SetBkColor(screen::ColorValue(kBlack));
  F1 = 0;
  FLG = 0;
  FLOOR = CHANGEZONE;
  DECODE();
  const std::string_view id = element.id;
  MapViewport();
  if (rules.groupRule) {
    const std::size_t hash = id.find('#');
    if (hash != std::string_view::npos) SNAMEX = id.substr(0, hash);
    // Members of a group are drawn through the group's "#" element only.
    if (!SNAMEX.empty() && Contains(id, SNAMEX.view()) && hash == std::string_view::npos) return;
  }
  if (!IsOn(PSHELVES.view()) && Contains(id, "!")) {
    FLG = 1;
    return;
  }
  if (!IsOn(PGRID.view()) && StartsWithNoCase(id, "GRID")) {
    FLG = 2;
    return;
  }
  if (rules.floorOf(id, SFLOOR) != CHANGEZONE) {
    FLG = 3;
    return;
  }
  DispatchFixture(element.size, rules.fixtures);
  DrawLabels(id, rules.languageLabels);
  if (Contains(id, "L1") || Contains(id, "L3")) FLG = 2;  // a label is never a box
  MapViewport();
  if (FLG == 0 && F1 == 0) {
    // The element's width is the box's depth and its length the box's width.
    screen::DRAWBOXG(BAN, I2, I3, IX, IY, BW1, BL1, zones::ZOOM, I4, I5, I6, zones::OFFSETX,
                     zones::OFFSETY);
  }
}

void SHELVES2() {
  if (editmap::PE) {
    // Record after record: read the file a window at a time, not a host
    // read per element.
    const isam::BTReadAhead ahead(editmap::PE);
    bool reported = false;
    // By record number up to the highest ever allocated: with deleted records
    // among them the used count would stop short of the last elements.
    for (std::int32_t n = 1; n <= glue::HIGHESTREC(editmap::MAPFILE); ++n) {
      isam::BTGetRec(editmap::PE, n, &editmap::SHELF);
      if (!isam::IsamOK) {
        if (!reported) glue::TELLERROR(editmap::MAPFILE, isam::IsamError);
        reported = true;  // one message per redraw, not one per record
        continue;
      }
      if (n == PICKREC && editmap::SHELF.DEL == 0) editmap::SHELF = PICKED;
      if (editmap::SHELF.DEL != 0 || Contains(editmap::SHELF.S_ID.view(), "~")) continue;
      if (CHANGEZONE != 0 && Contains(Upper(editmap::SHELF.S_ID.view()), "GRID")) {
        screen::COLORS1(kGridColour);
        editmap::SHELF.S_FLOOR = std::to_string(CHANGEZONE);  // grid lines lie on every floor
      }
      DISMAP();
    }
  }
  screen::FULLPORT();
}

void GETLANG2() {
  kiosk::TextFile in;
  if (!in.Open("data\\lang2.txt")) return;
  for (int k = 1; k <= 5; ++k) screen::LANGG[k] = in.ReadLine();
}

void ResetForTest() {
  CHANGEZONE = 1;
  FLOOR = 1;
  PSHELVES = "N";
  PGRID = "N";
  PLABEL = "Y";
  SNAMEX.clear();
  FLG = F1 = FG = 0;
  PICKREC = 0;
  PICKED = editmap::MAPDEF();
  IX = IY = BL1 = BW1 = 0;
  BAN = I2 = I3 = I4 = I5 = I6 = FLH = SFLOOR = 0;
}

}  // namespace mapview
