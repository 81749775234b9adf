#include "screen/prompt.h"

#include "common/clock.h"
#include "graph/keyboard.h"
#include "screen/primitives.h"
#include "shell/langs.h"

namespace screen {

void SHOWMESSAGE(std::string_view text, const MessageLook& look) {
  CLEAR_PROMPT();
  FNT0(look.colour, 50, MAXY - 40, 4, 0, 0, look.size, 0, 0, look.style, text);
  if (look.tone) graph::Sound(kWarningToneHz, kWarningToneMs);
  kiosk::clock::SleepMs(kMessageMs);
  CLEAR_PROMPT();
}

char ASKMENU(std::int32_t n) {
  langs::GETEXACT("seln", n);
  Str255 keys = TEMP;
  char choice = '\0';
  langs::SELECTT2(0, "", n, keys, choice, 88, 253, 1);
  langs::CVT1(keys.view(), choice);
  return choice;
}

bool ASKYESNO(std::string_view question) {
  TEMP = question;
  TEMP += "  A) = Yes, B) = No ";
  Str255 keys;
  char choice = '\0';
  langs::SELECTT2(0, "", langs::kYesNoMenu, keys, choice, 88, 253, 1);
  return choice == 'A';
}

}  // namespace screen
