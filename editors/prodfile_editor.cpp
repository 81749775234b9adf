// The product menu: add, copy, delete and change a product, the product
// utilities and the map of the last product.
#include "editors/prodfile_editor.h"

#include "common/clock.h"
#include "common/numtext.h"
#include "editors/prodfile_shelf.h"
#include "graph/graph.h"
#include "map/locate.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "screen/writescreen.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace editprod {

namespace {

constexpr std::int32_t kProductMenu = 65;
constexpr std::int32_t kDeleteMenu = 8;
// Headings of the choices.
constexpr std::int32_t kChangeHead = 6, kDeleteHead = 7, kCopyHead = 8, kAddHead = 9;

// A choice's frame: the store started, the product file open, the heading.
bool Begin(std::int32_t heading) {
  COUNTLOOP = heading;
  if (!SETUP()) return false;
  if (!PRODFILE.OK) OPENITP();
  screen::FRAME4();
  langs::WRITEHEADER(heading);
  return PRODFILE.OK;
}

void End() {
  CLOSEITP();
  RELEASE();
}

void Add() {
  if (Begin(kAddHead)) {
    CLEARIT();
    REC = 0;
    UNPACKITS();
    const bool kept = EDITPROD4();
    screen::DELETELEFTBLANKS(PRODUCT.KLINE1);
    if (kept && !PRODUCT.KLINE1.empty()) {
      cfgfiles::REKEY_FLAG = 1;
      if (NEWSTRUCTURE()) REC = PRODFILE.ACTREC;
    }
  }
  End();
}

void Copy() {
  if (Begin(kCopyHead)) {
    EDITPRODUCTS3();
    if (screen::VALANS == screen::key::kPause) {
      // The copy takes the changes of the form; the product looked up keeps
      // its own fields.
      UNPACKITS();
      TRANSIN();
      if (NEWSTRUCTURE()) REC = PRODFILE.ACTREC;
      cfgfiles::REKEY_FLAG = 1;
    }
  }
  End();
}

void Delete() {
  if (Begin(kDeleteHead)) {
    EDITPRODUCTS3();
    if (screen::VALANS == screen::key::kPause) {
      char answer = '\0';
      do {
        answer = screen::ASKMENU(kDeleteMenu);
      } while (answer != 'A' && answer != 'B' && !screen::key::IsLeaveKey(screen::VALANS));
      if (answer == 'A') {
        // The product's own entries, found by its record number.
        ERASEPRODUCT(REC);
        isam::BTClearKey(PF2, 1);
        cfgfiles::REKEY_FLAG = 1;
      }
    }
  }
  End();
}

void Change() {
  if (Begin(kChangeHead)) {
    EDITPRODUCTS3();
    screen::CLEAR_PROMPT();
    if (screen::VALANS == screen::key::kPause) CHANGEPRODUCT(REC, PRODUCT2);
  }
  End();
}

}  // namespace

void SHOWONMAP(std::int32_t preset) {
  // The floors are the product's; the position is the one carried from the
  // last screen that set it.
  cfgfiles::FLOOR1 = cfgfiles::FLOOR = cfgfiles::CFLOOR = kiosk::TextToWhole(PRODUCT.FLOOR.view());
  cfgfiles::TEST_FLAG = preset;
  dispmap::DISPLAYMAP2(cfgfiles::FLOOR1, cfgfiles::CFLOOR, preset, cfgfiles::XFOUND,
                       cfgfiles::YFOUND);
  // The used count of the product file, afresh.
  if (SETUP()) {
    if (!PRODFILE.OK) OPENITP();
    End();
  }
}

void EDITPROD2() {
  cfgfiles::XFOUND = 0;
  cfgfiles::YFOUND = 0;
  for (;;) {
    cfgfiles::TEST_FLAG = 0;
    cfgfiles::TESTNEWCFG(cfgfiles::WHEREISX, cfgfiles::WHEREISY, cfgfiles::FLOORX);
    screen::CLEAR_PROMPT();
    screen::FRAME4();
    graph::SetBkColor(screen::ColorValue(graph::kBlack));
    writescreen::GET_DATA("edp1");
    kiosk::clock::SleepMs(50);
    const char choice = screen::ASKMENU(kProductMenu);
    if (screen::key::IsLeaveKey(screen::VALANS)) return;
    switch (choice) {
      case 'A': Add(); break;
      case 'B': Copy(); break;
      case 'C': Delete(); break;
      case 'D': Change(); break;
      case 'E': PRODUTILITIES(); break;
      case 'F': SHOWONMAP(2); continue;  // the map stays until the menu is drawn
      case 'G':
        screen::VALANS = screen::key::kStaffLeft;
        return;
      default: break;
    }
    screen::FRAME4();
  }
}

void ResetEditorForTest() {
  PKEY1.clear();
  DD = 0;
  NOTSAVE.clear();
  COUNTLOOP = 0;
  HideShelfElementHook = nullptr;
  UnhideShelfElementHook = nullptr;
}

}  // namespace editprod
