// The map editor's search and browse: a key and a text asked, the index of
// that key walked for entries that hold the text, the matches shown one at a
// time, the change form on the one chosen; the exact lookup of a shelf.
#include <algorithm>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/text.h"
#include "editors/mapedit.h"
#include "isam/glue.h"
#include "map/locate.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "screen/writescreen.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace editmap {

namespace {

constexpr std::int32_t kKeyMenu = 23;
constexpr std::int32_t kBrowseMenu = 18;
// "edm6" lines: the search screen's title and what its menu asks.
constexpr std::int32_t kSearchTitle = 6, kSearchHint = 7;
// The location display's preset for an element: its floor, shelf outlines
// and grid shown.
constexpr std::int32_t kElementPreset = 3;

// The display LISTSHELVES or LISTSHELVES2 drew last (the change form draws
// the element again the same way).
void (*lastDisplay)() = LISTSHELVES;

// REC_FOUND and CNT1 from the records found.
void TakeFound(const std::vector<std::int32_t>& found) {
  REC_FOUND.fill(0);
  std::copy(found.begin(), found.end(), REC_FOUND.begin());
  CNT1 = static_cast<std::int32_t>(found.size());
}

void ShowSearchTitle() {
  langs::GETEXACT("edm6", kSearchTitle);
  screen::FNT0(253, screen::MAXX / 2, 300, 4, 0, 0, 40, 2, 0, "b", screen::TEMP.view());
  langs::GETEXACT("edm6", kSearchHint);
  screen::FNT0(250, screen::MAXX / 2, 380, 4, 0, 0, 30, 2, 0, "", screen::TEMP.view());
}

// Reads match dd into SHELF (and SHELF2, REC) and draws it; false when the
// store could not read it (reported).
bool ShowMatch(std::int32_t dd) {
  REC = REC_FOUND[static_cast<std::size_t>(dd)];
  if (!glue::READRECORD(MAPFILE, REC, &SHELF)) return false;
  SHELF2 = SHELF;
  TOARRAYO();
  LISTSHELVES();
  return true;
}

// The element shown on the map of its floor (from the open map file).
void ShowOnMap() {
  TakePosition(SHELF);
  dispmap::DISPLAYMAP2(cfgfiles::FLOOR, cfgfiles::CFLOOR, kElementPreset, cfgfiles::XFOUND,
                       cfgfiles::YFOUND);
}

// Search and browse. With choose, Pause opens the change form on the
// element shown; without, Pause ends the browse like Escape.
void Browse(bool choose) {
  REC = 0;
  SAVEIT = '~';
  for (;;) {
    if (!EDITSHELVES3XX() || CNT1 == 0) {
      REC = 0;
      screen::VALANS = screen::key::kEscape;
      return;
    }
    DD = 0;
    for (;;) {
      if (!ShowMatch(DD)) {
        REC = 0;
        screen::VALANS = screen::key::kEscape;
        return;
      }
      screen::CLEAR_PROMPT();
      const char choice = screen::ASKMENU(kBrowseMenu);
      const std::int32_t key = screen::VALANS;
      if (key == screen::key::kEscape || (key == screen::key::kPause && !choose)) {
        REC = 0;
        screen::VALANS = screen::key::kEscape;
        return;
      }
      if (key == screen::key::kPause) {
        screen::VALANS = screen::key::kNone;
        EDITSHELF3();
        return;
      }
      if (screen::key::IsF1ToF8(key)) {
        ShowOnMap();
      } else if (choice == 'C') {
        break;  // a new search
      } else {
        screen::BROWSESTEP(choice, DD, CNT1);
      }
    }
    screen::FRAME4();
    langs::WRITEHEADER(COUNTLOOP);
  }
}

}  // namespace

void TOARRAYO() {
  for (int f = 1; f <= kFields; ++f) OUTSTR[static_cast<std::size_t>(f)] = FieldText(SHELF, f);
}

void FROMARRAYO() {
  for (int f = 1; f <= kFields; ++f) SetField(SHELF, f, OUTSTR[static_cast<std::size_t>(f)].view());
  SHELF.DEL = 0;
}

void SEARCHKEY2(std::string_view text, std::int32_t keyNr) {
  screen::SHOWSEARCHING(30);
  std::vector<std::int32_t> found;
  glue::SEARCHKEYTEXT(MAPFILE, keyNr, text, kMaxMatches, found);
  TakeFound(found);
  if (CNT1 == 0) screen::SHOWNOTHINGFOUND();
}

void SEARCHKEY(std::string_view text, std::int32_t keyNr) {
  screen::SHOWSEARCHING(35);
  std::vector<std::int32_t> found;
  const std::string wanted = kiosk::UpperCp1252(kiosk::Trim(text));
  // Key 1 holds the identifier: only its entries that hold the text need
  // their record read. Every entry is looked at, as an identifier that
  // differs in case sorts elsewhere in the index.
  if (!wanted.empty()) {
    glue::LIVEOFKEY(
        MAPFILE, keyNr,
        [&](std::string_view key) {
          return keyNr != 1 || kiosk::UpperCp1252(key).find(wanted) != std::string::npos;
        },
        [&](const void* rec) {
          const std::string_view id = static_cast<const MAPDEF*>(rec)->S_ID.view();
          return kiosk::UpperCp1252(kiosk::Trim(id)) == wanted;
        },
        kMaxMatches, found);
  }
  TakeFound(found);
}

bool EDITSHELVES3XX() {
  ShowSearchTitle();
  langs::GETFILES("edm4");
  const kiosk::Str255 questions[] = {screen::PASS1[1], screen::PASS1[2], screen::PASS1[3]};
  screen::CLEAR_PROMPT();
  const char choice = screen::ASKMENU(kKeyMenu);
  if (screen::key::IsLeaveKey(screen::VALANS)) {
    screen::VALANS = screen::key::kEscape;
    return false;
  }
  // A the identifier (key 1), B the season (key 3), C the department (key 2).
  const std::int32_t keyNr = choice == 'B' ? 3 : choice == 'C' ? 2 : 1;
  TakeFound({});
  kiosk::Str255 text;
  if (!screen::ASKSEARCHTEXT(questions[keyNr - 1].view(), text, 35)) return false;
  SEARCHKEY2(text.view(), keyNr);
  return true;
}

void EDITSHELVES3() { Browse(true); }

void LISTPP() {
  Browse(false);
  screen::VALANS = screen::key::kNone;
}

namespace {

void ShowElement(std::string_view form) {
  screen::FRAME4();
  if (REC > 0) langs::LABELIT3(REC, SMAXREC);
  langs::WRITEHEADER(COUNTLOOP);
  writescreen::GET_DATA(form);
  langs::GETFILES("edm7");
  for (int f = 1; f <= kFields; ++f)
    langs::FNTTEXT(screen::PASS1[static_cast<std::size_t>(f)].view(), FieldText(SHELF, f));
}

}  // namespace

void LISTSHELVES() {
  lastDisplay = LISTSHELVES;
  // A label element ("}" in its identifier) has its own field names.
  ShowElement(SHELF.S_ID.view().find('}') != std::string_view::npos ? "edm8" : "edm3");
}

void LISTSHELVES2() {
  lastDisplay = LISTSHELVES2;
  ShowElement("edm8");
}

void SHOWAGAIN() { lastDisplay(); }

}  // namespace editmap
