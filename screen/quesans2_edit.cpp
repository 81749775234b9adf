// MOVEIT: the editing keys of an answer. The answer is held as the text left
// of the cursor (ANSL) and right of it (ANSR); ANSWER is always the two
// joined, and the cursor position is the length of ANSL.
#include <string>

#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/quesans2.h"
#include "screen/secalc4.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace quesans2 {

namespace key = screen::key;
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
  LANG_FLAG = key::kAltM;
  if (screen::LANGUAGE2 >= 1 && screen::LANGUAGE2 <= 5) cfgfiles::LANG = screen::LANGUAGE2;
  CURSORP = 0;
  A1 = key::kEnter;
  screen::VALANS = key::kNone;
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
    case key::kBackspace:  // Backspace: the last character of the whole answer
      if (!ANSWER.empty()) ANSWER.set_length(ANSWER.size() - 1);
      CursorToEnd();
      PLINE2();
      break;
    case key::kTab:
      ANSL += std::string(static_cast<std::size_t>(TAB_LENGTH), ' ');
      Join();
      PLINE2();
      break;
    case key::kCtrlHome:  // Ctrl+Home: only what is right of the cursor stays
      ANSWER = ANSR;
      CursorToEnd();
      PLINE2();
      break;
    case key::kCtrlEnd:  // Ctrl+End: only what is left of the cursor stays
      ANSR.clear();
      Join();
      PLINE2();
      break;
    case key::kEscape:  // Escape empties the answer (all of it, so typing cannot revive it)
      ANSL.clear();
      ANSR.clear();
      Join();
      PLINE2();
      break;
    case key::kDelete:  // Delete: the character right of the cursor
      if (!ANSR.empty()) ANSR = ANSR.view().substr(1);
      Join();
      PLINE2();
      break;
    case key::kEnd:  // cursor to the end
      CursorToEnd();
      PLINE2();
      break;
    case key::kRight:
      if (!ANSR.empty()) {
        ANSL += ANSR[0];
        ANSR = ANSR.view().substr(1);
      }
      Join();
      PLINE2();
      break;
    case key::kLeft:
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
    case key::kHome:
      ANSR = ANSWER;
      ANSL.clear();
      Join();
      PLINE2();
      break;
    case key::kEnter:
      Enter();
      break;
    case key::kPause:  // Pause finishes the answer like Enter
      screen::VALANS = key::kEnter;
      A1 = key::kEnter;
      Enter();
      break;
    case key::kAltC:
      Calculator();
      break;
    case key::kAltM:
      LanguageMenu();
      break;
    default:
      break;
  }
}

}  // namespace quesans2
