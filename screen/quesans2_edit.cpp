// MOVEIT: the editing keys of an answer. The answer is held as the text left
// of the cursor (ANSL) and right of it (ANSR); ANSWER is always the two
// joined, and the cursor position is the length of ANSL.
#include <string>

#include "screen/primitives.h"
#include "screen/quesans2.h"
#include "screen/secalc4.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace quesans2 {
namespace {

void CursorToEnd() {
  ANSL = ANSWER;
  ANSR.clear();
  CURSORP = static_cast<std::int32_t>(ANSL.size());
}

void Join() {
  ANSWER = ANSL;
  ANSWER += ANSR;
  // Two parts longer than a short string lose their tail: the cursor then
  // stands at the end of what is left.
  if (ANSL.size() + ANSR.size() > ANSWER.size()) CursorToEnd();
  CURSORP = static_cast<std::int32_t>(ANSL.size());
}

// Alt+C: the answer's value goes into the calculator's memory; a total taken
// over replaces the answer by its whole part (leading blanks included).
void Calculator() {
  double start = AnswerValue(ANSWER.view());
  if (start == 0) return;
  Str255 result;
  secalc4::CALCULATEIT(start, result);
  if (start != 0) {
    std::string_view r = result.view();
    std::size_t point = r.find('.');
    if (point != std::string_view::npos) r = r.substr(0, point);
    // The right-aligned blanks are kept when they fit; a short line must not
    // cut digits off the number instead.
    if (static_cast<std::int32_t>(r.size()) > MAXIMUM_LENGTH) {
      r = kiosk::TrimLeft(r);
    }
    ANSWER = r;
  }
  CursorToEnd();
  PLINE2();
}

void LanguageMenu() {
  langs::LANG1();
  LANG_FLAG = 178;
  if (screen::LANGUAGE2 >= 1 && screen::LANGUAGE2 <= 5) cfgfiles::LANG = screen::LANGUAGE2;
  CURSORP = 0;
  A1 = 13;
  screen::VALANS = 0;
  ENDED_EARLY = true;
}

void Enter() {
  if (ANSWER.empty()) {
    ANSL.clear();
    ANSR.clear();
    ENDED_EARLY = true;
  }
}

}  // namespace

void INSERT_CHARACTER(char c) {
  ANSL += c;
  Join();
  PLINE2();
}

void CutToMaximum() {
  if (MAXIMUM_LENGTH >= 0 && ANSWER.size() > static_cast<std::size_t>(MAXIMUM_LENGTH)) {
    ANSWER.set_length(static_cast<std::size_t>(MAXIMUM_LENGTH));
    CursorToEnd();
  }
}

void MOVEIT() {
  switch (screen::VALANS) {
    case 8:  // Backspace: the last character of the whole answer
      if (!ANSWER.empty()) ANSWER.set_length(ANSWER.size() - 1);
      CursorToEnd();
      PLINE2();
      break;
    case 9:  // Tab
      ANSL += std::string(static_cast<std::size_t>(TAB_LENGTH), ' ');
      Join();
      PLINE2();
      break;
    case 11:  // Ctrl+Home: only what is right of the cursor stays
      ANSWER = ANSR;
      CursorToEnd();
      PLINE2();
      break;
    case 15:  // Ctrl+End: only what is left of the cursor stays
      ANSR.clear();
      Join();
      PLINE2();
      break;
    case 27:  // Escape empties the answer (all of it, so typing cannot revive it)
      ANSL.clear();
      ANSR.clear();
      Join();
      PLINE2();
      break;
    case 151:  // Delete: the character right of the cursor
      if (!ANSR.empty()) ANSR = ANSR.view().substr(1);
      Join();
      PLINE2();
      break;
    case 152:  // cursor to the end
      CursorToEnd();
      PLINE2();
      break;
    case 153:  // Right
      if (!ANSR.empty()) {
        ANSL += ANSR[0];
        ANSR = ANSR.view().substr(1);
      }
      Join();
      PLINE2();
      break;
    case 166:  // Left
      if (!ANSL.empty()) {
        Str255 moved;
        moved += ANSL[ANSL.size() - 1];
        moved += ANSR;
        ANSR = moved;
        ANSL.set_length(ANSL.size() - 1);
      }
      Join();
      PLINE2();
      break;
    case 165:  // Home
      ANSR = ANSWER;
      ANSL.clear();
      Join();
      PLINE2();
      break;
    case 13:
      Enter();
      break;
    case 140:  // Pause finishes the answer like Enter
      screen::VALANS = 13;
      A1 = 13;
      Enter();
      break;
    case 174:
      Calculator();
      break;
    case 178:
      LanguageMenu();
      break;
    default:
      break;
  }
}

}  // namespace quesans2
