// The browse of the log and what staff do with the entry shown: change it,
// delete it, make a product of it.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "editors/editnot.h"
#include "editors/editnot_screens.h"
#include "editors/prodfile_editor.h"
#include "isam/errors.h"
#include "isam/isam.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "screen/quesans2.h"
#include "screen/writescreen.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace editnot {

namespace {

constexpr std::int32_t kBrowseMenu = 51;
constexpr std::int32_t kFieldMenu = 10;
constexpr std::int32_t kDeleteMenu = 8;
constexpr std::int32_t kProductMenu = 62;
constexpr std::int32_t kChangeHeader = 6;
constexpr std::int32_t kDeleteHeader = 7;
constexpr int kCoordX = 6, kCoordY = 7, kFloor = 8;  // record order
// The entries shown, kept for Previous: at most this many.
constexpr std::size_t kShownKept = 501;
// Sorts after every word, so that the walk starts from the first entry.
constexpr std::string_view kPastEveryWord = "}}}}}}";
constexpr std::string_view kEmptyWordQuestion = "The name must be entered; abort (Y) or try again (N)?";

using Lines = std::array<kiosk::Str255, kFields + 1>;

// Lines 1..20 of a family, copied: every text lookup may reuse PASS1.
Lines LoadLines(std::string_view family) {
  langs::GETFILES(family);
  Lines lines;
  for (int n = 1; n <= kFields; ++n) lines[static_cast<std::size_t>(n)] = screen::PASS1[static_cast<std::size_t>(n)];
  return lines;
}

// The map views show the entry's position and floor.
void TakePosition(const NOTDEF& rec) { editprod::TakePosition(AsProduct(rec)); }

struct Shown {
  std::int32_t ref = 0;
  isam::IsamKeyStr key;
};

// The next live entry shown by the browse ("~" marks an entry not to show).
// The walk goes on from the first entry after the index's end; false when a
// whole walk found nothing to show, or on a store error (reported).
bool StepToShown(Shown& at, NOTDEF& rec) {
  int ends = 0;
  for (;;) {
    isam::BTNextKey(NOTFILE.fb, 1, at.ref, at.key);
    if (!isam::IsamOK) {
      if (isam::IsamError != isam::err::kIndexEnd) {
        glue::TELLERROR(NOTFILE, isam::IsamError);
        return false;
      }
      if (++ends == 2) break;  // the end twice: nothing between
      continue;
    }
    isam::BTGetRec(NOTFILE.fb, at.ref, &rec);
    if (!isam::IsamOK) {
      glue::TELLERROR(NOTFILE, isam::IsamError);
      return false;
    }
    if (rec.DEL == 0 && rec.KLINE1.view().find('~') == std::string_view::npos) return true;
  }
  isam::IsamClearOK();
  return false;
}

// The deletion question, until A, B or a key that leaves.
bool DeleteAnswered() {
  char choice = '\0';
  do {
    choice = screen::ASKMENU(kDeleteMenu);
  } while (choice != 'A' && choice != 'B' && !screen::key::IsLeaveKey(screen::VALANS));
  return choice == 'A';
}

}  // namespace

void LISTNOTFOUND(const NOTDEF& rec, std::int32_t refNr, std::int32_t header) {
  screen::FRAME4();  // the form takes the whole screen
  langs::WRITEHEADER(header);
  NOTFILE.SMAXREC = NOTFILE.fb ? isam::BTUsedRecs(NOTFILE.fb) : 0;
  langs::LABELIT3(refNr, NOTFILE.SMAXREC);
  writescreen::GET_DATA("edn3");
  const Lines places = LoadLines("edn9");
  for (int f = 1; f <= kFields; ++f)
    langs::FNTTEXT(places[static_cast<std::size_t>(f)].view(), FieldText(rec, f));
  TakePosition(rec);
}

void LISTP() {
  if (!NOTFILE.fb) return;
  LOGFRAME();
  {
    std::int32_t ref = 0;
    isam::BTFindKey(NOTFILE.fb, 1, ref, isam::IsamKeyStr(kPastEveryWord));
    isam::IsamClearOK();
  }
  std::vector<Shown> shown;
  std::size_t at = 0;
  NOTDEF rec;
  Shown next;
  if (!StepToShown(next, rec)) {
    TellText(kNothingToShow);
    return;
  }
  shown.push_back(next);
  for (;;) {
    LISTNOTFOUND(rec, shown[at].ref);
    NOTFOUND = rec;
    REC = shown[at].ref;
    KEY = shown[at].key;
    const char choice = screen::ASKMENU(kBrowseMenu);
    if (screen::key::IsLeaveKey(screen::VALANS)) return;
    switch (choice) {
      case 'A':
        if (at + 1 < shown.size()) {
          ++at;
        } else if (StepToShown(next, rec)) {
          shown.push_back(next);
          if (shown.size() > kShownKept) shown.erase(shown.begin());
          at = shown.size() - 1;
          continue;  // rec holds the entry just read
        }
        break;
      case 'B':
        if (at > 0) --at;
        break;
      case 'C': CHANGEENTRY(); return;
      case 'D': DELETEENTRY(); return;
      case 'E': MAKEPRODUCT(); return;
      default: break;  // another key: the same entry again
    }
    isam::BTGetRec(NOTFILE.fb, shown[at].ref, &rec);
    if (!isam::IsamOK) {
      glue::TELLERROR(NOTFILE, isam::IsamError);
      return;
    }
  }
}

void CHANGEENTRY() {
  const NOTDEF old = NOTFOUND;
  NOTDEF edited = NOTFOUND;
  const Lines questions = LoadLines("edn5");
  LISTNOTFOUND(edited, REC, kChangeHeader);
  auto drop = [&] {
    NOTSAVE = "Yes";
    TakePosition(old);
  };
  for (;;) {
    screen::CLEAR_PROMPT();
    const char choice = screen::ASKMENU(kFieldMenu);
    if (screen::VALANS == screen::key::kEscape) return drop();
    if (screen::VALANS == screen::key::kPause) {
      if (!BUILDKEY(edited).empty()) break;
      // An entry without a word would have no key to be found by.
      if (screen::ASKYESNO(kEmptyWordQuestion)) return drop();
      continue;
    }
    if (choice < 'A' || choice > 'T') continue;
    const int f = choice - 'A' + 1;  // A..T: the fields in record order
    kiosk::Str255 answer(FieldText(edited, f));
    double number = 0;
    quesans2::QUESTION_ANSWER2(questions[static_cast<std::size_t>(f)].view(), "", answer, 255,
                               number, 'A', 'X', 'D', 4, 8);
    SetField(edited, f, answer.view());
    if (f == kCoordX || f == kCoordY || f == kFloor) TakePosition(edited);
    LISTNOTFOUND(edited, REC, kChangeHeader);
  }
  TakePosition(edited);
  // Kept at once, with its key made from the new word.
  if (glue::CHANGESTRUCTURE(NOTFILE, &old, &edited, REC)) {
    NOTFOUND = edited;
    NOTSAVE = "No";
  } else {
    NOTSAVE = "Yes";
  }
}

bool DELETEENTRY() {
  LISTNOTFOUND(NOTFOUND, REC, kDeleteHeader);
  const std::int32_t ref = REC;
  if (!DeleteAnswered()) return false;
  const bool deleted = glue::ERASERECORD(NOTFILE, ref);
  isam::BTClearKey(NOTFILE.fb, 1);
  NOTFILE.SMAXREC = isam::BTUsedRecs(NOTFILE.fb);
  if (deleted) cfgfiles::REKEY_FLAG = 1;
  return deleted;
}

void MAKEPRODUCT() {
  if (screen::ASKMENU(kProductMenu) != 'B') return;
  const editprod::PRODDEF product = AsProduct(NOTFOUND);
  for (int slot = 1; slot <= editprod::kSlots; ++slot)
    screen::PASS1[static_cast<std::size_t>(slot)] = editprod::SlotText(product, slot);
  const std::int32_t ref = REC;
  glue::RELEASE(NOTFILE);
  const bool added = editprod::TRANSINC();
  if (!SETUPN() || !NOTFILE.OK || !added) return;
  REC = ref;
  DELETEENTRY();
}

}  // namespace editnot
