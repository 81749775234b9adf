// The editor's search and browse: a key and a text asked, the index of that
// key walked for entries that hold the text, the matches shown one at a
// time, the change form on the one chosen.
#include <algorithm>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/text.h"
#include "editors/prodfile_editor.h"
#include "isam/glue.h"
#include "map/locate.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "screen/quesans2.h"
#include "screen/writescreen.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace editprod {

isam::IsamKeyStr PKEY1;
std::int32_t DD = 0;
kiosk::Str255 NOTSAVE;
std::int32_t COUNTLOOP = 0;

namespace {

constexpr std::int32_t kKeyMenu = 19;
constexpr std::int32_t kBrowseMenu = 18;
void ShowSearchTitle() {
  screen::FRAME4();
  langs::WRITEHEADER(COUNTLOOP);
  // "edp6": what this screen is for, and what the menu below asks.
  langs::GETEXACT("edp6", 1);
  screen::FNT0(253, screen::MAXX / 2, 300, 4, 0, 0, 40, 2, 0, "b", screen::TEMP.view());
  langs::GETEXACT("edp6", 2);
  screen::FNT0(250, screen::MAXX / 2, 380, 4, 0, 0, 30, 2, 0, "", screen::TEMP.view());
}

}  // namespace

void SEARCHKEY2(std::string_view text, std::int32_t keyNr) {
  screen::SHOWSEARCHING(30);
  REC_FOUND.fill(0);
  std::vector<std::int32_t> found;
  glue::SEARCHKEYTEXT(PRODFILE, keyNr, text, kMaxMatches, found);
  std::copy(found.begin(), found.end(), REC_FOUND.begin());
  CNT1 = static_cast<std::int32_t>(found.size());
  if (CNT1 == 0) screen::SHOWNOTHINGFOUND();
}

bool EDITPRODUCTSXX() {
  ShowSearchTitle();
  screen::CLEAR_PROMPT();
  const char choice = screen::ASKMENU(kKeyMenu);
  if (screen::key::IsLeaveKey(screen::VALANS)) {
    screen::VALANS = screen::key::kEscape;
    return false;
  }
  const std::int32_t keyNr = choice >= 'A' && choice <= 'D' ? choice - 'A' + 1 : 1;
  langs::GETEXACT("edp5", keyNr);
  REC_FOUND.fill(0);
  CNT1 = 0;
  kiosk::Str255 answer;
  if (!screen::ASKSEARCHTEXT(screen::TEMP.view(), answer, 30)) return false;
  PKEY1 = answer.view();
  SEARCHKEY2(PKEY1.view(), keyNr);
  return true;
}

void LISTPRODUCT() {
  screen::FRAME4();
  if (REC > 0) langs::LABELIT3(REC, SMAXREC);
  langs::WRITEHEADER(COUNTLOOP);
  writescreen::GET_DATA("edp3");
  langs::GETFILES("edp9");
  for (int f = 1; f <= kSlots; ++f)
    langs::FNTTEXT(screen::PASS1[static_cast<std::size_t>(f)].view(), FieldText(PRODUCT, f));
}

bool SHOWMATCH(std::int32_t dd) {
  REC = REC_FOUND[static_cast<std::size_t>(dd)];
  if (!glue::READRECORD(PRODFILE, REC, &PRODUCT)) return false;
  PRODUCT2 = PRODUCT;
  LISTPRODUCT();
  return true;
}

void EDITPRODUCTS3() {
  for (;;) {
    if (!EDITPRODUCTSXX() || CNT1 == 0) {
      screen::VALANS = screen::key::kEscape;
      return;
    }
    DD = 0;
    for (;;) {
      if (!SHOWMATCH(DD)) {
        screen::VALANS = screen::key::kEscape;
        return;
      }
      UNPACKITS();
      screen::CLEAR_PROMPT();
      const char choice = screen::ASKMENU(kBrowseMenu);
      const std::int32_t key = screen::VALANS;
      if (key == screen::key::kEscape) return;
      if (key == screen::key::kPause) {
        EDITPROD3();
        return;
      }
      if (screen::key::IsF1ToF8(key)) {
        // The product on the map; the display closes and reopens the file.
        TakePosition(PRODUCT);
        dispmap::DISPLAYMAP2(cfgfiles::FLOOR1, cfgfiles::CFLOOR, 2, cfgfiles::XFOUND,
                             cfgfiles::YFOUND);
        if (!PF2) return;
      } else if (choice == 'C') {
        break;  // a new search
      } else {
        screen::BROWSESTEP(choice, DD, CNT1);
      }
    }
  }
}

}  // namespace editprod
