// The shopper's screens: the search loop, the question for a word, the
// browsing of the hits, the product's location texts, the language choice
// and the kiosk banner.
#include "map/storedc.h"

#include <string>

#include "common/clock.h"
#include "common/numtext.h"
#include "graph/graph.h"
#include "graph/keyboard.h"
#include "isam/glue.h"
#include "map/locate.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "screen/quesans2.h"
#include "screen/writescreen.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"
#include "shell/mainloop.h"

namespace storedc {

namespace {

constexpr std::int32_t kHitMenu = 18;

// Lines 7 and 9..12 of the configuration, read afresh.
void ReadStoreLines() {
  cfgfiles::TESTNEWCFG(cfgfiles::WHEREISX, cfgfiles::WHEREISY, cfgfiles::FLOORX);
  EXCLUDES = cfgfiles::EXCLUDE;
  STORENAME = screen::NAMEADDR[1];
  STORECITY = screen::NAMEADDR[2];
  STORESTREET = screen::NAMEADDR[3];
  STORESTATE = screen::NAMEADDR[4];
}

// The banner, the search form and the result limit, on a drawn frame.
void DrawSearchForm() {
  HEADER1();
  writescreen::GET_DATA("Vell!1");
  langs::GETFILES("vell!9");
  // A search keeps one product more than the configured limit.
  langs::FNTTEXT(screen::PASS1[2].view(), std::to_string(HitLimit() + 1));
}

// The search screen: the frame on a black background, then the form.
void DrawSearchScreen() {
  screen::CLEAR_PROMPT();
  screen::FRAME4();
  graph::SetBkColor(screen::ColorValue(graph::kBlack));
  DrawSearchForm();
}

void ReportStoreError() { glue::TELLERROR(editprod::PRODFILE, isam::IsamError); }

// The map of the hit shown; false when the product file could not be
// opened again afterwards (the error has been shown).
bool ShowOnMap() {
  cfgfiles::TEST_FLAG = 2;
  FLOOR = kiosk::TextToWhole(PRODUCT.FLOOR.view());
  CFLOOR = FLOOR;
  // The display closes the product file for the map and opens it again
  // (dispmap::DISPLAYMAP2 owns that hand-over). Its menus say that the next
  // product follows.
  dispmap::WAIT_MENU = dispmap::kShopperWaitMenu;
  dispmap::ZOOM_MENU = dispmap::kShopperZoomMenu;
  const bool shown = !DISPLAYMAP2 || DISPLAYMAP2(FLOOR, CFLOOR, 2, cfgfiles::XFOUND, cfgfiles::YFOUND);
  dispmap::WAIT_MENU = dispmap::kWaitMenu;
  dispmap::ZOOM_MENU = dispmap::kZoomMenu;
  if (!shown && !isam::IsamOK) ReportStoreError();
  // A display that ended the store took the file with it (the handle is
  // forgotten first), and one that could not reopen it left it closed.
  if (!isam::IsamIsInitialized() || editprod::PF2 == nullptr) {
    CLOSEITP();
    SETUP();
    OPENITP();
  }
  return editprod::PF2 != nullptr;
}

}  // namespace

DisplayMapFn DISPLAYMAP2 = dispmap::DISPLAYMAP2;

void HEADER1() {
  ReadStoreLines();
  shell::DRAWHEADER(STORENAME, STORESTREET, STORECITY, STORESTATE);
}

void STOREDIR1() {
  const ShopperRepairs repairs;  // the location display's map file too
  cfgfiles::XFOUND = 0;
  cfgfiles::YFOUND = 0;
  for (;;) {
    ReadStoreLines();
    cfgfiles::TEST_FLAG = 0;
    DrawSearchScreen();
    kiosk::clock::SleepMs(50);
    if (!SETUP()) {
      // The store cannot start (the error has been shown): no search can
      // run, so the kiosk goes back to its menus.
      screen::VALANS = screen::key::kNone;
      return;
    }
    OPENITP();
    EDITPRODUCTS3();
    screen::CLEAR_PROMPT();
    CLOSEITP();
    editprod::RELEASE();
    if (isam::IsamIsInitialized()) isam::BTExitIsam();
    screen::VALANS = screen::key::kNone;
    if (screen::EDITOR_FLAG == 1) {
      screen::VALANS = screen::key::kStaffLeft;
      return;
    }
  }
}

void EDITPRODUCTS3() {
  for (;;) {
    EDITPRODUCTSXX();
    if (screen::VALANS == screen::key::kEscape) return;
    DD = 0;
    bool newSearch = false;
    while (screen::VALANS != screen::key::kPause) {
      const std::int32_t r = REC_FOUND[static_cast<std::size_t>(DD)];
      // Nothing found (or nothing left to show): a new search.
      if (r <= 0 || !editprod::PF2) return;
      isam::BTGetRec(editprod::PF2, r, &PRODUCT);
      if (!isam::IsamOK) {
        ReportStoreError();
        return;
      }
      if (PRODUCT.DEL != 0) return;
      screen::FRAME4();
      LISTPRODUCT();
      screen::CLEAR_PROMPT();
      char choice = screen::ASKMENU(kHitMenu);
      const std::int32_t key = screen::VALANS;
      if (key == screen::key::kAltM) {
        langs::LANG1();
        screen::FNT0(253, 50, screen::MAXY - 34, 4, 0, 0, 30, 0, 0, "", "");
        newSearch = true;
        break;
      }
      if (screen::key::IsF1ToF8(key)) {
        if (!ShowOnMap()) return;
        choice = 'A';
        screen::VALANS = 'A';
      }
      if (key == screen::key::kEscape) return;
      if (choice == 'A') {
        if (REC_FOUND[static_cast<std::size_t>(DD) + 1] != 0) ++DD;
      } else if (choice == 'B') {
        if (DD > 0) --DD;
      } else if (choice == 'C') {
        return;
      }
    }
    if (!newSearch) {
      screen::VALANS = screen::key::kNone;
      return;
    }
  }
}

void EDITPRODUCTSXX() {
  for (;;) {
    if (screen::VALANS == screen::key::kEscape) return;
    REC_FOUND.fill(0);
    langs::GETEXACT("vell!11", 1);
    // A question without text would end at once, unasked, for ever.
    const Str255 prompt = screen::TEMP.empty() ? Str255(" ") : screen::TEMP;
    Str255 answer;
    double number = 0;
    quesans2::QUESTION_ANSWER2(prompt.view(), "", answer, 255, number, 'A', ' ', ' ', 4, 8);
    if (quesans2::LANG_FLAG == 178) {
      LANG2();
      DrawSearchScreen();
      continue;
    }
    screen::DELETELEFTBLANKS(answer);
    if (screen::EDITOR_FLAG == 1) screen::VALANS = screen::key::kEscape;
    PKEY1 = answer.view();
    if (screen::VALANS == screen::key::kEscape) return;
    if (!Searchable(PKEY1.view())) continue;
    SEARCHKEY2(PKEY1.view(), 1);
    return;
  }
}

void LISTPRODUCT() {
  langs::GETEXACT("vell!10", 1);
  const Str255 seeAlso = screen::TEMP;
  screen::FRAME4();
  writescreen::GET_DATA("vell!4");
  langs::GETFILES("Vell!3");
  const kiosk::ShortStr<55>* lines[] = {&PRODUCT.HEADER, &PRODUCT.LINE3, &PRODUCT.LINE4,
                                        &PRODUCT.LINE5,  &PRODUCT.LINE6, &PRODUCT.LINE7,
                                        &PRODUCT.LINE8,  &PRODUCT.LINE9, &PRODUCT.LINE10};
  for (int i = 0; i < 9; ++i) langs::FNTTEXT(screen::PASS1[2 + i].view(), lines[i]->view());
  Str255 last = seeAlso;
  last += " ";
  last += PRODUCT.SEEALSO.view();
  langs::FNTTEXT(screen::PASS1[11].view(), last.view());
  screen::CLEAR_PROMPT();
  screen::STRINGTOREAL(PRODUCT.COORDX.view(), cfgfiles::XFOUND);
  screen::STRINGTOREAL(PRODUCT.COORDY.view(), cfgfiles::YFOUND);
  FLOOR = kiosk::TextToWhole(PRODUCT.FLOOR.view());
  CFLOOR = FLOOR;
}

void LANG2() {
  screen::FRAME4();
  DrawSearchForm();
  langs::LANG1();
}

}  // namespace storedc
