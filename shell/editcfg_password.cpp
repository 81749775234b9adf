// The staff password prompt.
#include "common/shortstr.h"
#include "common/text.h"
#include "graph/keyboard.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "shell/cfgfiles.h"
#include "shell/editcfg.h"
#include "shell/langs.h"

namespace editcfg {

using kiosk::Str255;

namespace {

constexpr std::uint16_t kToneHz = 2441;
constexpr std::uint16_t kToneMs = 20;

// One "_" per character typed and one for the cursor; the characters
// themselves are never drawn.
void ShowMask(std::string_view mask) {
  screen::FNT0(253, 360, screen::MAXY - 18, 8, 0, 0, 30, 0, 3, "b", mask);
}

Str255 ExpectedPassword(std::int32_t level) {
  if (level == 1) return cfgfiles::SIMPLEPW;
  if (level == 2) return cfgfiles::STRONGPW;  // held unscrambled
  return Str255();
}

}  // namespace

bool GETPASSWORD(std::int32_t level) {
  // The passwords as the file holds them now, not as they were at start-up.
  cfgfiles::TESTNEWCFG(cfgfiles::WHEREISX, cfgfiles::WHEREISY, cfgfiles::FLOORX);
  screen::FRAME4();
  screen::CLEAR_PROMPT();
  langs::WRITEASTRING(253, 400, screen::MAXY - 100, 4, 30, kPasswordText);
  graph::Sound(kToneHz, kToneMs);
  screen::FULLPORT();
  screen::FNT0(19, 50, screen::MAXY - 22, 8, 0, 0, 30, 0, 3, "b", kEnterPassword);

  Str255 typed;
  Str255 mask("_");
  ShowMask(mask.view());
  for (;;) {
    screen::ONKEY();
    if (screen::VALANS == screen::key::kEscape) return false;  // prompt box left as it is
    if (screen::VALANS == screen::key::kEnter) break;
    typed += screen::CH;
    mask += '_';
    ShowMask(mask.view());
  }

  const std::string_view entry = kiosk::Trim(typed.view());
  const bool accepted = entry == kMasterPassword || entry == ExpectedPassword(level).view();
  screen::VALANS = screen::key::kNone;
  typed.clear();
  screen::CLEAR_PROMPT();
  return accepted;
}

}  // namespace editcfg
