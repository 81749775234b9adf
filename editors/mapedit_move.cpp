// The interactive move of one shelf: found and chosen, picked out on the map
// where staff are putting it, changed as often as they like, then written
// at its new place with its own colour and thickness and its products moved
// along; or undone.
#include "common/clock.h"
#include "common/numtext.h"
#include "editors/mapedit.h"
#include "editors/prodfile_shelf.h"
#include "isam/glue.h"
#include "map/locate.h"
#include "map/render.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace editmap {

namespace {

constexpr std::int32_t kMoveMenu = 27;
// "writea" lines: the move's title, and the wait while the map is drawn.
constexpr std::int32_t kMoveTitle = 20, kPleaseWait = 2;
// The location display's preset for an element being edited: its floor,
// the zone as it is, shelf outlines and grid shown, no labels.
constexpr std::int32_t kElementPreset = 3;

enum class End { Finish, Undo };

// The map of the moved element's floor, with the element drawn picked out
// at NEWSHELF's place; its record is not touched.
void DrawPickedOut() {
  mapview::PICKREC = REC;
  mapview::PICKED = NEWSHELF;
  mapview::PICKED.S_COLOR = kPickColour;
  mapview::PICKED.S_THICK = kPickThickness;
  COLOR_FLAG = 1;
  langs::WRITEASTRING(88, 700, screen::MAXY - 40, 4, 35, kPleaseWait);
  dispmap::TEST_FLAG = kElementPreset;
  mapview::CHANGEZONE = kiosk::TextToWhole(NEWSHELF.S_FLOOR.view());
  dispmap::DRAWMAP();
}

// Menu A: the change form on the element with its own colour and
// thickness (a new colour or thickness typed there becomes its own).
void ChangeMoved() {
  SHELF = NEWSHELF;
  TOARRAYO();
  LISTSHELVES();
  EDITSHELF3();
  if (SAVEIT != '~') {
    NEWSHELF = SHELF;
    OCOLOR = NEWSHELF.S_COLOR;
    OSIZE = NEWSHELF.S_THICK;
  }
  kiosk::clock::SleepMs(50);
}

// Menu 27 until staff finish or undo the move.
End AskUntilDone() {
  for (;;) {
    DrawPickedOut();
    const char choice = screen::ASKMENU(kMoveMenu);
    const std::int32_t key = screen::VALANS;
    screen::FRAME4();
    if (choice == 'B' || key == screen::key::kPause) return End::Finish;
    if (choice == 'C' || key == screen::key::kEscape) return End::Undo;
    if (choice == 'A') ChangeMoved();
  }
}

// The old and the new anchor, direction and length, and the new floor, where
// the product move takes them.
void LeaveMoveValues() {
  using kiosk::TextToReal;
  using kiosk::TextToWhole;
  cfgfiles::XORRIG = TextToReal(ORIGSHELF.S_X.view());
  cfgfiles::YORRIG = TextToReal(ORIGSHELF.S_Y.view());
  cfgfiles::AORRIG = CHECKANGLE(TextToWhole(ORIGSHELF.S_ANGLE.view()));
  cfgfiles::NXORRIG = TextToReal(NEWSHELF.S_X.view());
  cfgfiles::NYORRIG = TextToReal(NEWSHELF.S_Y.view());
  cfgfiles::NAORRIG = CHECKANGLE(TextToWhole(NEWSHELF.S_ANGLE.view()));
  cfgfiles::NY2ORRIG = TextToReal(NEWSHELF.S_LENGTH.view());
  cfgfiles::FLOOR1 = TextToWhole(NEWSHELF.S_FLOOR.view());
}

}  // namespace

std::int32_t CHECKANGLE(std::int32_t degrees) {
  if (degrees >= 338 && degrees <= 360) return 360;
  return editprod::CHECK_ANGLE(degrees);
}

void MUPDATE() {
  screen::FRAME4();
  SETUPM();
  if (!PE) return;
  REC_FOUND.fill(0);
  cfgfiles::HFLAG = 99;
  cfgfiles::MOVE_FLAG = 0;
  COLOR_FLAG = 0;
  langs::WRITEASTRING(253, 500, 88, 1, 35, kMoveTitle);
  EDITSHELVES3();
  if (REC == 0) {
    cfgfiles::HFLAG = 0;
    return;
  }
  // The element as stored is the undo; the change form's edits, unless
  // cancelled, are the start of the move.
  ORIGSHELF = SHELF2;
  NEWSHELF = SAVEIT == '~' ? SHELF2 : SHELF;
  OCOLOR = NEWSHELF.S_COLOR;
  OSIZE = NEWSHELF.S_THICK;
  NAMEX = ORIGSHELF.S_ID;  // the shelf name its products carry
  const End end = AskUntilDone();
  mapview::PICKREC = 0;
  COLOR_FLAG = 0;
  if (end == End::Undo) {
    // Nothing was written: the element and its products stay where they were.
    cfgfiles::HFLAG = 0;
    return;
  }
  NEWSHELF.S_COLOR = OCOLOR;
  NEWSHELF.S_THICK = OSIZE;
  const bool written = glue::CHANGESTRUCTURE(MAPFILE, &ORIGSHELF, &NEWSHELF, REC);
  // The product move opens the product file in this store; the map file is
  // closed first, so that nothing the product file's open does can reach it.
  CLOSEITM();
  if (written) {
    LeaveMoveValues();
    cfgfiles::MOVE_FLAG = 1;
    editprod::SHELF_MP(NAMEX.view());
  }
  cfgfiles::HFLAG = 0;
  cfgfiles::MOVE_FLAG = 0;
}

}  // namespace editmap
