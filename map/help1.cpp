// The help picture: the description read line by line and drawn with the
// map renderer under the help picture's rules.
#include "map/help1.h"

#include <string>

#include "common/textfile.h"
#include "graph/graph.h"
#include "graph/keyboard.h"
#include "map/mapfile.h"
#include "map/render.h"
#include "map/zones.h"
#include "screen/primitives.h"
#include "shell/langs.h"

namespace help1 {

SHELFDEF SHELF;

namespace {

// The fixture codes of the help picture: the store map's, with the four-way
// stand F6 added and no C0 round table.
constexpr mapview::FixtureCode kFixtures[] = {
    {"F1", false, mapview::FIXTURES},  {"F2", false, mapview::FIXTURES2},
    {"F3", false, mapview::FIXTURES3}, {"F4", false, mapview::FIXTURES4},
    {"F6", false, mapview::FIXTURES6}, {"R4", true, mapview::GC04},
    {"4C", false, mapview::GC04P},     {"C5", false, mapview::GC04P},
    {"R42", true, mapview::GC03},      {"42C", true, mapview::GC03P},
};

constexpr mapview::DrawRules kRules{
    .groupRule = false,
    .floorOf = [](std::string_view id, std::int32_t floor) {
      return id.find("HELPSCREEN") != std::string_view::npos ? kHelpFloor : floor;
    },
    .fixtures = kFixtures,
    .languageLabels = false,
};

constexpr std::int32_t kWhite = 250;

// What the help picture changes and puts back: the render options, the
// label font's priming and the zone applied.
struct SavedState {
  std::int32_t changeZone = mapview::CHANGEZONE, floor = mapview::FLOOR, fg = mapview::FG;
  kiosk::ShortStr<1> shelves = mapview::PSHELVES, grid = mapview::PGRID, label = mapview::PLABEL;
  std::int32_t zone = zones::ZONE;

  ~SavedState() {
    mapview::CHANGEZONE = changeZone;
    mapview::FLOOR = floor;
    mapview::FG = fg;
    mapview::PSHELVES = shelves;
    mapview::PGRID = grid;
    mapview::PLABEL = label;
    zones::ZONE = zone;
    zones::CONVZONE();
  }
};

// Draws the lines of the open description until its end or a line holding
// "******"; true when the end of the file was reached.
bool ECPT1(kiosk::TextFile& in) {
  while (!in.Eof()) {
    const kiosk::Str255 line = in.ReadLine();
    if (line.view().find(kEnd) != std::string_view::npos) return false;
    screen::COLORS1(kWhite);
    DISPIT(line.view());
  }
  return true;
}

}  // namespace

void QUES() {
  mapview::CHANGEZONE = mapview::FLOOR = kHelpFloor;
  mapview::PLABEL = "Y";
  mapview::PSHELVES = "N";
  mapview::PGRID = "N";
}

void CVZONE() { zones::CONVZONE(); }

void DISPIT(std::string_view line) {
  SHELF = SHELFDEF();
  editmap::ReadLineInto(line, SHELF);
  mapview::DrawElement(mapview::TextOf(SHELF), kRules);
  screen::FULLPORT();
}

void DISPLAYHELP() {
  const SavedState saved;
  screen::FULLPORT();
  graph::SetBkColor(screen::ColorValue(graph::kBlack));
  screen::FRAME3();
  zones::ZONE = 0;
  zones::LOADZONES();
  screen::CLEAR_PROMPT();
  mapview::FG = 0;

  kiosk::Str255 name(kFamily);
  langs::GETLANG(name);
  kiosk::TextFile in;
  if (!in.Open(name.view())) {
    langs::ShowOpenError();
    return;
  }
  graph::SetBkColor(screen::ColorValue(graph::kBlack));
  screen::FRAME3();
  QUES();
  CVZONE();
  if (ECPT1(in)) {
    graph::SetBkColor(screen::ColorValue(graph::kBlack));
    screen::COLORS1(kWhite);
    screen::FNT0(kWhite, 375, screen::MAXY - 50, 4, 360, 0, 20, 0, 0, "b", kClosing);
  }
  in.Close();
  screen::SAVEBMP2(kPicture);
  graph::Delay(5000);
}

void ResetForTest() { SHELF = SHELFDEF(); }

}  // namespace help1
