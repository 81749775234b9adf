// The map editor's search and browse: a key and a text asked, the index of
// that key walked for entries that hold the text, the matches shown one at a
// time, the change form on the one chosen; the exact lookup of a shelf.
#include <string>

#include "common/clock.h"
#include "common/text.h"
#include "editors/mapedit.h"
#include "isam/glue.h"
#include "map/locate.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "screen/quesans2.h"
#include "screen/writescreen.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace editmap {

namespace {

constexpr std::int32_t kKeyMenu = 23;
constexpr std::int32_t kBrowseMenu = 18;
// "writea" lines.
constexpr std::int32_t kSearchingText = 1, kNothingFound = 19, kBadFirstText = 21;
// "edm6" lines: the search screen's title and what its menu asks.
constexpr std::int32_t kSearchTitle = 6, kSearchHint = 7;
// The location display's preset for an element: its floor, shelf outlines
// and grid shown.
constexpr std::int32_t kElementPreset = 3;

// The display LISTSHELVES or LISTSHELVES2 drew last (the change form draws
// the element again the same way).
void (*lastDisplay)() = LISTSHELVES;

// The first character of a search text: what key texts can start with.
bool AllowedFirst(char c) {
  return c == '!' || c == '#' || c == ')' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
         (c >= 'a' && c <= 'z') || c == '{' || c == '|' || c == '}' || c == '~';
}

// Appends to REC_FOUND every live element of an entry of index keyNr that
// entryHolds, and whose record recordHolds, until kMaxMatches. False when
// the walk broke off on a store error (reported).
template <typename EntryTest, typename RecordTest>
bool Collect(std::int32_t keyNr, EntryTest entryHolds, RecordTest recordHolds) {
  MAPDEF rec;
  const bool walked =
      glue::WALKKEY(MAPFILE, keyNr, [&](std::int32_t ref, const isam::IsamKeyStr& key) {
        if (ref == 0 || !entryHolds(key.view())) return true;
        isam::BTGetRec(PE, ref, &rec);
        if (isam::IsamOK && rec.DEL == 0 && recordHolds(rec))
          REC_FOUND[static_cast<std::size_t>(CNT1++)] = ref;
        return CNT1 < kMaxMatches;
      });
  if (!walked) glue::TELLERROR(MAPFILE, isam::IsamError);
  return walked;
}

void StartSearch(std::int32_t size) {
  screen::CLEAR_PROMPT();
  langs::WRITEASTRING(253, 600, screen::MAXY - 43, 4, size, kSearchingText);
  REC_FOUND.fill(0);
  CNT1 = 0;
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
  isam::BTGetRec(PE, REC, &SHELF);
  if (!isam::IsamOK) {
    glue::TELLERROR(MAPFILE, isam::IsamError);
    return false;
  }
  SHELF2 = SHELF;
  TOARRAYO();
  LISTSHELVES();
  return true;
}

// The element shown on the map of its floor; the display closes the map
// file, which is opened again. False when it could not be.
bool ShowOnMap() {
  TakePosition(SHELF);
  dispmap::DISPLAYMAP2(cfgfiles::FLOOR, cfgfiles::CFLOOR, kElementPreset, cfgfiles::XFOUND,
                       cfgfiles::YFOUND);
  OPENITM();
  return PE != nullptr;
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
        if (!ShowOnMap()) return;
      } else if (choice == 'A') {
        if (DD + 1 < CNT1) ++DD;  // stays on the last
      } else if (choice == 'B') {
        if (DD > 0) --DD;  // stays on the first
      } else if (choice == 'C') {
        break;  // a new search
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
  StartSearch(30);
  std::string wanted = kiosk::UpperCp1252(text);
  // A text shortened to nothing, or a file without elements, finds nothing.
  while (PE && !wanted.empty() && isam::BTUsedRecs(PE) > 0) {
    const bool walked = Collect(
        keyNr,
        [&](std::string_view key) { return kiosk::UpperCp1252(key).find(wanted) != std::string::npos; },
        [](const MAPDEF&) { return true; });
    if (!walked || CNT1 > 0) break;
    wanted.pop_back();  // nothing: one character less
  }
  if (CNT1 > 0) return;
  screen::CLEAR_PROMPT();
  langs::WRITEASTRING(253, 600, screen::MAXY - 43, 4, 30, kNothingFound);
  kiosk::clock::SleepMs(screen::kMessageMs);
  screen::CLEAR_PROMPT();
}

void SEARCHKEY(std::string_view text, std::int32_t keyNr) {
  StartSearch(35);
  const std::string wanted = kiosk::UpperCp1252(kiosk::Trim(text));
  if (!PE || wanted.empty()) return;
  // Key 1 holds the identifier: only its entries that hold the text need
  // their record read. Every entry is looked at, as an identifier that
  // differs in case sorts elsewhere in the index.
  Collect(
      keyNr,
      [&](std::string_view key) {
        return keyNr != 1 || kiosk::UpperCp1252(key).find(wanted) != std::string::npos;
      },
      [&](const MAPDEF& rec) {
        return kiosk::UpperCp1252(kiosk::Trim(rec.S_ID.view())) == wanted;
      });
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
  const kiosk::Str255& question = questions[keyNr - 1];
  for (;;) {
    REC_FOUND.fill(0);
    CNT1 = 0;
    kiosk::Str255 answer;
    double number = 0;
    quesans2::QUESTION_ANSWER2(question.view(), "", answer, 255, number, 'A', 'X', 'X', 4, 8);
    screen::DELETELEFTBLANKS(answer);
    // An empty answer (Escape empties it) leaves the search.
    if (answer.empty()) {
      screen::VALANS = screen::key::kEscape;
      return false;
    }
    if (AllowedFirst(answer[0])) {
      SEARCHKEY2(answer.view(), keyNr);
      return true;
    }
    langs::WRITEASTRING(220, 700, screen::MAXY - 43, 4, 35, kBadFirstText);
    kiosk::clock::SleepMs(500);
  }
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
