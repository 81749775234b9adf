#include "screen/prompt.h"

#include "common/clock.h"
#include "graph/keyboard.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/quesans2.h"
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

namespace {
// "writea" lines of the search.
constexpr std::int32_t kSearchingText = 1, kNothingFound = 19, kBadFirstText = 21;
}  // namespace

bool SEARCHABLEFIRST(char c) {
  return c == '!' || c == '#' || c == ')' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
         (c >= 'a' && c <= 'z') || c == '{' || c == '|' || c == '}' || c == '~';
}

bool ASKSEARCHTEXT(std::string_view question, kiosk::Str255& text, std::int32_t refusalSize) {
  const kiosk::Str255 asked = question;  // the question may be a text the lookups reuse
  for (;;) {
    kiosk::Str255 answer;
    double number = 0;
    quesans2::QUESTION_ANSWER2(asked.view(), "", answer, 255, number, 'A', 'N', 'N', 4, 8);
    DELETELEFTBLANKS(answer);
    // An empty answer leaves the search.
    if (answer.empty()) {
      VALANS = key::kEscape;
      return false;
    }
    if (SEARCHABLEFIRST(answer[0])) {
      text = answer;
      return true;
    }
    langs::WRITEASTRING(220, 700, MAXY - 43, 4, refusalSize, kBadFirstText);
    kiosk::clock::SleepMs(500);
  }
}

void SHOWSEARCHING(std::int32_t size) {
  CLEAR_PROMPT();
  langs::WRITEASTRING(253, 600, MAXY - 43, 4, size, kSearchingText);
}

void SHOWNOTHINGFOUND() {
  CLEAR_PROMPT();
  langs::WRITEASTRING(253, 600, MAXY - 43, 4, 30, kNothingFound);
  kiosk::clock::SleepMs(kMessageMs);
  CLEAR_PROMPT();
}

void BROWSESTEP(char choice, std::int32_t& shown, std::int32_t count) {
  if (choice == 'A' && shown + 1 < count) ++shown;
  if (choice == 'B' && shown > 0) --shown;
}

Questions QUESTIONSOF(std::string_view family) {
  langs::GETFILES(family);
  Questions q;
  for (std::size_t n = 1; n < q.size(); ++n) q[n] = PASS1[n];
  return q;
}

kiosk::Str255 ASKFIELD(std::string_view descriptor, std::string_view start) {
  kiosk::Str255 answer = start;
  double number = 0;
  quesans2::QUESTION_ANSWER2(descriptor, "", answer, 255, number, 'A', 'X', 'D', 4, 8);
  return answer;
}

bool ASKPASSWORDANDYES(std::string_view question) {
  const kiosk::Str255 asked = question;
  FRAME4();
  if (!langs::PASSWORDOK(1)) return false;
  FRAME4();
  return ASKYESNO(asked.view());
}

}  // namespace screen
