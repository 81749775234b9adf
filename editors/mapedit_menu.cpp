// The map menu: add, add a label, copy, delete, change, view a position or
// a floor, draw the map, the map utilities.
#include <string>

#include "common/clock.h"
#include "editors/mapedit.h"
#include "graph/graph.h"
#include "isam/glue.h"
#include "map/locate.h"
#include "map/render.h"
#include "map/zones.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "screen/writescreen.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace editmap {

MAPDEF SHELF2;
MAPDEF ORIGSHELF, NEWSHELF;
std::array<kiosk::Str255, kFields + 1> OUTSTR;
std::array<std::int32_t, kMaxMatches + 1> REC_FOUND{};
std::int32_t CNT1 = 0;
std::int32_t DD = 0;
std::int32_t REC = 0;
char SAVEIT = 'X';
std::int32_t FIRST_FLAG = 0;
std::int32_t REKEY_FLAG = 0;
kiosk::Str255 NAMEX;
kiosk::ShortStr<4> OCOLOR, OSIZE;
std::int32_t COLOR_FLAG = 0;
std::int32_t COUNTLOOP = 0;

namespace {

constexpr std::int32_t kMapMenu = 28;
constexpr std::int32_t kDeleteMenu = 8;
// Headings of the choices.
constexpr std::int32_t kChangeHead = 6, kDeleteHead = 7, kCopyHead = 8, kAddHead = 9,
                       kAddLabelHead = 21;
// The location display's preset for an element being edited: its floor,
// the zone as it is, shelf outlines and grid shown.
constexpr std::int32_t kElementPreset = 3;
// The preset with the floor passed in, the grid and the labels shown.
constexpr std::int32_t kFloorPreset = 1;
// "ques" entries of the floor and the zone questions (the text before and
// after the highest number allowed).
constexpr std::int32_t kZoneBefore = 2, kZoneAfter = 3, kFloorBefore = 4, kFloorAfter = 5;

// Choice A and B: an empty element shown, the add form, then the element
// added with its keys unless staff abandoned it.
void AddElement(void (*show)()) {
  SHELF = MAPDEF();
  TOARRAYO();
  REC = 0;
  show();
  EDITSHELF4();
  if (screen::VALANS == screen::key::kNothingAdded) {
    REKEY_FLAG = 0;
    return;
  }
  REKEY_FLAG = 1;
  NEWSTRUCTURE();
}

// Choice C: the element found, changed in the form, added as a new element;
// the element looked up stays as it was.
void CopyElement() {
  EDITSHELVES3();
  if (REC == 0 || screen::VALANS != screen::key::kPause) return;
  TOARRAYO();
  FROMARRAYO();
  REKEY_FLAG = 1;
  NEWSTRUCTURE();
}

// Choice D; false when staff left the map menu from the confirmation.
bool DeleteElement() {
  EDITSHELVES3();
  bool stay = true;
  if (REC != 0) {
    kiosk::clock::SleepMs(5);
    screen::CLEAR_PROMPT();
    const char choice = screen::ASKMENU(kDeleteMenu);
    if (screen::VALANS == screen::key::kEscape) {
      stay = false;
    } else if (choice == 'A') {
      DELETES(REC);
    }
  }
  cfgfiles::XFOUND = cfgfiles::YFOUND = 0;
  return stay;
}

// Choice E: the element found, changed and written back; its index entries
// follow the fields that changed.
void ChangeElement() {
  FIRST_FLAG = 0;
  EDITSHELVES3();
  if (REC != 0 && SAVEIT != '~') glue::CHANGESTRUCTURE(MAPFILE, &SHELF2, &SHELF, REC);
  NAMEX.clear();
}

// Asks a whole number no higher than limit (an empty answer is 0).
std::int32_t AskUpTo(std::int32_t before, std::int32_t limit, std::int32_t after) {
  std::int32_t n = 0;
  do n = dispmap::ASKWHOLE(before, limit, after);
  while (n > limit);
  return n;
}

// Choice F without a map position: the floor and the zone asked, then that
// floor of that zone drawn with the grid and the labels.
void ViewFloor() {
  langs::GETFILES("ques");
  const std::int32_t answer = AskUpTo(kFloorBefore, cfgfiles::NOOFFLOORS, kFloorAfter);
  cfgfiles::FLOOR1 = answer;
  const std::int32_t floor = answer == 1 ? 0 : answer;  // as staff have always had it
  cfgfiles::FLOOR = cfgfiles::CFLOOR = dispmap::OFLOOR = mapview::CHANGEZONE = floor;
  cfgfiles::XFOUND = cfgfiles::YFOUND = 0;
  zones::ZONE = AskUpTo(kZoneBefore, zones::NUMOFZONES, kZoneAfter);
  zones::CONVZONE();
  SHOWMAP(kFloorPreset);
}

// Choice F: the map position the last change left, or a floor asked.
void ViewPositionOrFloor() {
  if (cfgfiles::XFOUND != 0 || cfgfiles::YFOUND != 0) {
    dispmap::DISPLAYMAP2(cfgfiles::FLOOR, cfgfiles::CFLOOR, kElementPreset, cfgfiles::XFOUND,
                         cfgfiles::YFOUND);
  } else {
    ViewFloor();
  }
}

}  // namespace

void ONMAPFILE(std::int32_t header, const std::function<void()>& work) {
  SETUPM();
  if (PE) {
    screen::FRAME4();
    if (header != 0) {
      COUNTLOOP = header;
      langs::WRITEHEADER(header);
    }
    work();
  }
  CLOSEITM();
  RELEASEM();
}

void SHOWMAP(std::int32_t preset) {
  const double x = cfgfiles::XFOUND, y = cfgfiles::YFOUND;
  ONMAPFILE(0, [preset] {
    dispmap::TEST_FLAG = preset;
    dispmap::CFLOOR = -1;  // no product's floor: no rings
    dispmap::LOADSH();
  });
  // The display puts a missing position at a fixed spot: this one is kept.
  cfgfiles::XFOUND = x;
  cfgfiles::YFOUND = y;
}

void EDITSHELVES2() {
  zones::LOADZONES();
  zones::CONVZONE();
  EDITSHEFS2();
}

void EDITSHEFS2() {
  screen::FRAME4();
  zones::ZONE = 0;
  dispmap::ZOOM_FLAG = 0;
  NAMEX.clear();
  cfgfiles::XFOUND = cfgfiles::YFOUND = 0;
  for (;;) {
    screen::FRAME4();
    graph::SetBkColor(screen::ColorValue(graph::kBlack));
    writescreen::GET_DATA("edm1");
    const char choice = screen::ASKMENU(kMapMenu);
    if (screen::VALANS == screen::key::kPause) break;
    if (screen::VALANS == screen::key::kEscape) continue;
    switch (choice) {
      case 'A': ONMAPFILE(kAddHead, [] { AddElement(LISTSHELVES); }); break;
      case 'B': ONMAPFILE(kAddLabelHead, [] { AddElement(LISTSHELVES2); }); break;
      case 'C': ONMAPFILE(kCopyHead, CopyElement); break;
      case 'D': {
        bool stay = true;
        ONMAPFILE(kDeleteHead, [&stay] { stay = DeleteElement(); });
        if (!stay) return;
        break;
      }
      case 'E': ONMAPFILE(kChangeHead, ChangeElement); break;
      case 'F': ViewPositionOrFloor(); break;
      case 'G':
        screen::VALANS = screen::key::kNone;
        SHOWMAP(0);  // every option asked
        break;
      case 'H':
        CLOSEITM();
        RELEASEM();
        screen::FRAME4();
        SHELFUTILITIES();
        break;
      case 'I': return;
      default: break;
    }
  }
  CLOSEITM();
}

void ResetEditorForTest() {
  SHELF2 = ORIGSHELF = NEWSHELF = MAPDEF();
  for (auto& s : OUTSTR) s.clear();
  REC_FOUND.fill(0);
  CNT1 = DD = REC = 0;
  SAVEIT = 'X';
  FIRST_FLAG = REKEY_FLAG = COLOR_FLAG = COUNTLOOP = 0;
  NAMEX.clear();
  OCOLOR.clear();
  OSIZE.clear();
}

}  // namespace editmap
