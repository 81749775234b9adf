// The editor's search and browse: a key and a text asked, the index of that
// key walked for entries that hold the text, the matches shown one at a
// time, the change form on the one chosen.
#include <string>

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
constexpr std::int32_t kSearchingText = 1;  // "writea" lines
constexpr std::int32_t kNothingFound = 19;
constexpr std::int32_t kBadFirstText = 21;

// The first character of a search text: what key texts can start with.
bool AllowedFirst(char c) {
  return c == '!' || c == '#' || c == ')' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
         (c >= 'a' && c <= 'z') || c == '{' || c == '|' || c == '}' || c == '~';
}

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
  screen::CLEAR_PROMPT();
  langs::WRITEASTRING(253, 600, screen::MAXY - 43, 4, 30, kSearchingText);
  REC_FOUND.fill(0);
  CNT1 = 0;
  std::string wanted = kiosk::UpperCp1252(text);
  // A file without products, or a text shortened to nothing, finds nothing.
  while (PF2 && !wanted.empty() && isam::BTUsedRecs(PF2) > 0) {
    PRODDEF rec;
    const bool walked = glue::WALKKEY(PRODFILE, keyNr, [&](std::int32_t ref, const isam::IsamKeyStr& key) {
      if (ref == 0 || kiosk::UpperCp1252(key.view()).find(wanted) == std::string::npos) return true;
      isam::BTGetRec(PF2, ref, &rec);
      if (isam::IsamOK && rec.DEL == 0) REC_FOUND[static_cast<std::size_t>(CNT1++)] = ref;
      return CNT1 < kMaxMatches;
    });
    if (!walked) {
      glue::TELLERROR(PRODFILE, isam::IsamError);
      break;
    }
    if (CNT1 > 0) return;
    wanted.pop_back();  // nothing: one character less
  }
  if (CNT1 > 0) return;
  screen::CLEAR_PROMPT();
  langs::WRITEASTRING(253, 600, screen::MAXY - 43, 4, 30, kNothingFound);
  kiosk::clock::SleepMs(screen::kMessageMs);
  screen::CLEAR_PROMPT();
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
  const kiosk::Str255 question = screen::TEMP;
  for (;;) {
    REC_FOUND.fill(0);
    CNT1 = 0;
    kiosk::Str255 answer;
    double number = 0;
    quesans2::QUESTION_ANSWER2(question.view(), "", answer, 255, number, 'A', 'N', 'N', 4, 8);
    screen::DELETELEFTBLANKS(answer);
    // An empty answer (Escape empties it) leaves the search.
    if (answer.empty()) {
      screen::VALANS = screen::key::kEscape;
      return false;
    }
    if (AllowedFirst(answer[0])) {
      PKEY1 = answer.view();
      SEARCHKEY2(PKEY1.view(), keyNr);
      return true;
    }
    langs::WRITEASTRING(220, 700, screen::MAXY - 43, 4, 30, kBadFirstText);
    kiosk::clock::SleepMs(500);
  }
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
  isam::BTGetRec(PF2, REC, &PRODUCT);
  if (!isam::IsamOK) {
    glue::TELLERROR(PRODFILE, isam::IsamError);
    return false;
  }
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
      } else if (choice == 'A') {
        if (DD + 1 < CNT1) ++DD;  // stays on the last
      } else if (choice == 'B') {
        if (DD > 0) --DD;  // stays on the first
      } else if (choice == 'C') {
        break;  // a new search
      }
    }
  }
}

}  // namespace editprod
