// The add form and the change form: the 18 fields of a map element asked
// through the answer engine with the questions "edm5"; the deletion.
#include "common/numtext.h"
#include "common/text.h"
#include "editors/mapedit.h"
#include "isam/glue.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace editmap {

namespace {

constexpr std::int32_t kAddMenu = 24;
constexpr std::int32_t kFieldMenu = 2;
constexpr int kIdField = 1;

// Field f asked from a starting answer.
kiosk::Str255 Ask(const screen::Questions& q, int f, std::string_view start) {
  return screen::ASKFIELD(q[static_cast<std::size_t>(f)].view(), start);
}

// An identifier question staff abandoned: nothing typed (Escape empties the
// answer), or the language menu ended it.
bool Abandoned(const kiosk::Str255& answer) {
  return kiosk::Trim(answer.view()).empty() || screen::VALANS == screen::key::kNone;
}

}  // namespace

void TakePosition(const MAPDEF& e) {
  cfgfiles::XFOUND = kiosk::TextToReal(e.S_X.view());
  cfgfiles::YFOUND = kiosk::TextToReal(e.S_Y.view());
  cfgfiles::FLOOR1 = cfgfiles::FLOOR = cfgfiles::CFLOOR = kiosk::TextToWhole(e.S_FLOOR.view());
}

void EDITSHELF4() {
  const screen::Questions q = screen::QUESTIONSOF("edm5");
  screen::CLEAR_PROMPT();
  const kiosk::Str255 id = Ask(q, kIdField, "");
  if (Abandoned(id)) {
    screen::VALANS = screen::key::kNothingAdded;
    REKEY_FLAG = 0;
    return;
  }
  SetField(SHELF, kIdField, id.view());
  // A later question left empty stays empty: the form goes on.
  for (int f = kIdField + 1; f <= kFields; ++f) SetField(SHELF, f, Ask(q, f, "").view());
  TOARRAYO();
  screen::CLEAR_PROMPT();
  const char choice = screen::ASKMENU(kAddMenu);
  if (choice == 'B' || screen::VALANS == screen::key::kPause) {
    SHOWAGAIN();
    EDITSHELF3();
    if (SAVEIT == '~') {  // the change form was cancelled: nothing is added
      screen::VALANS = screen::key::kNothingAdded;
      REKEY_FLAG = 0;
      return;
    }
  }
  screen::VALANS = screen::key::kNone;
}

void EDITSHELF3() {
  const screen::Questions q = screen::QUESTIONSOF("edm5");
  SAVEIT = 'X';
  for (;;) {
    screen::CLEAR_PROMPT();
    screen::VALANS = screen::key::kNone;
    const char choice = screen::ASKMENU(kFieldMenu);
    if (screen::key::IsLeaveKey(screen::VALANS)) break;
    if (choice < 'A' || choice > 'R') continue;
    const int f = choice - 'A' + 1;  // A..R: the fields in record order
    kiosk::Str255 answer = Ask(q, f, FieldText(SHELF, f));
    if (f == kIdField) {
      if (Abandoned(answer)) {
        screen::VALANS = screen::key::kFieldAbandoned;
        break;
      }
      answer = screen::COMPACTIT(answer.view());
      if (answer.view() != SHELF.S_ID.view()) FIRST_FLAG = 1;
    }
    SetField(SHELF, f, answer.view());
    TOARRAYO();
    SHOWAGAIN();
  }
  TakePosition(SHELF);
  if (screen::VALANS == screen::key::kEscape || screen::VALANS == screen::key::kFieldAbandoned)
    SAVEIT = '~';
}

bool DELETES(std::int32_t refNr) {
  // The element's own entries, found by its record number: key 1 carries a
  // random part its record does not keep.
  return glue::ERASERECORD(MAPFILE, refNr);
}

}  // namespace editmap
