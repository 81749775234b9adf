// The add form and the change form: the 18 fields of a product asked
// through the answer engine with the questions "edp4".
#include <string>

#include "common/numtext.h"
#include "editors/prodfile_editor.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace editprod {

namespace {

constexpr std::int32_t kSaveMenu = 37;
constexpr std::int32_t kFieldMenu = 1;
constexpr int kCoordX = 6, kCoordY = 7, kFloor = 8;  // record order

}  // namespace

void TakePosition(const PRODDEF& p) {
  cfgfiles::XFOUND = kiosk::TextToReal(p.COORDX.view());
  cfgfiles::YFOUND = kiosk::TextToReal(p.COORDY.view());
  cfgfiles::FLOOR1 = cfgfiles::FLOOR = cfgfiles::CFLOOR = kiosk::TextToWhole(p.FLOOR.view());
}

bool EDITPROD4() {
  LISTPRODUCT();
  const screen::Questions q = screen::QUESTIONSOF("edp4");
  screen::CLEAR_PROMPT();
  for (int f = 1; f <= kSlots; ++f) {
    kiosk::Str255 answer = screen::ASKFIELD(q[static_cast<std::size_t>(f)].view(), "");
    // The search words, shelf and department are kept without blanks.
    if (f <= 4) answer = screen::COMPACTIT(answer.view());
    // No words: nothing to add (Escape empties the answer).
    if (f == 1 && answer.empty()) {
      screen::VALANS = screen::key::kEscape;
      return false;
    }
    SetField(PRODUCT, f, answer.view());
  }
  screen::CLEAR_PROMPT();
  const char choice = screen::ASKMENU(kSaveMenu);
  if (screen::VALANS == screen::key::kEscape) return false;
  if (choice == 'B') {
    TakePosition(PRODUCT);
    EDITPROD3();
    return screen::VALANS != screen::key::kEscape;
  }
  return true;
}

void EDITPROD3() {
  const screen::Questions q = screen::QUESTIONSOF("edp4");
  for (;;) {
    screen::CLEAR_PROMPT();
    const char choice = screen::ASKMENU(kFieldMenu);
    if (screen::key::IsLeaveKey(screen::VALANS)) break;
    if (choice < 'A' || choice > 'R') continue;
    const int f = choice - 'A' + 1;  // A..R: the fields in record order
    kiosk::Str255 answer =
        screen::ASKFIELD(q[static_cast<std::size_t>(f)].view(), FieldText(PRODUCT, f));
    if (f <= 2) answer = screen::COMPACTIT(answer.view());
    SetField(PRODUCT, f, answer.view());
    if (f == kCoordX || f == kCoordY || f == kFloor) TakePosition(PRODUCT);
    LISTPRODUCT();
  }
  const bool escaped = screen::VALANS == screen::key::kEscape;
  TakePosition(PRODUCT);
  NOTSAVE = escaped ? "Yes" : "No";
  if (escaped) cfgfiles::REKEY_FLAG = 0;
}

}  // namespace editprod
