// The configuration editor's screens: menu 56, the password, the list of
// settings with menu 3, and one setting asked at a time.
#include <algorithm>

#include "common/numtext.h"
#include "common/text.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "screen/quesans2.h"
#include "screen/writescreen.h"
#include "shell/cfgfiles.h"
#include "shell/editcfg.h"
#include "shell/langs.h"

namespace editcfg {

namespace {

constexpr std::int32_t kChangeMenu = 56;   // change the settings or leave
constexpr std::int32_t kSettingMenu = 3;   // the letters A-J

// How the kiosk reads a setting back (see cfgfiles): as text, as a real,
// or as a whole number. The kiosk floor is a whole number that is also
// held to the number of floors.
enum class Kind { kText, kReal, kWhole, kFloor };

struct Setting {
  char key;                // menu 3 letter
  std::int32_t question;   // "edc3" line
  Str255* value;           // in the editor's copy
  Kind kind;
};

const Setting kSettings[] = {
    {'A', 1, &WHEREXS, Kind::kReal},     {'B', 2, &WHEREYS, Kind::kReal},
    {'C', 3, &FLOORXS, Kind::kFloor},    {'D', 4, &MACHINENO, Kind::kText},
    {'E', 5, &LANGUAGE, Kind::kText},    {'F', 6, &FLIMITS, Kind::kWhole},
    {'G', 8, &NOOFFLOORSS, Kind::kWhole}, {'H', 9, &EXCLUDE, Kind::kText},
    {'I', 7, &SIMPLEPW, Kind::kText},    {'J', 15, &STRONGPW, Kind::kText},
};

const Setting* SettingOfKey(char key) {
  for (const Setting& s : kSettings)
    if (s.key == key) return &s;
  return nullptr;
}

Kind KindOfQuestion(std::int32_t question) {
  for (const Setting& s : kSettings)
    if (s.question == question) return s.kind;
  return Kind::kText;
}

// Whether a number answer reads back, the way the kiosk reads its
// configuration, as a number within the limits of the question just asked
// (the answer engine's LOW_LIMIT and UP_LIMIT) and, for the kiosk floor,
// not above the number of floors.
bool NumberAllowed(Kind kind, std::string_view answer) {
  double value = 0;
  if (kind == Kind::kReal) {
    if (!kiosk::ReadReal(answer, value)) return false;
  } else {
    std::int32_t whole = 0;
    if (!cfgfiles::ReadWhole(answer, whole)) return false;
    value = whole;
  }
  double highest = quesans2::UP_LIMIT;
  if (kind == Kind::kFloor) {
    std::int32_t floors = 0;
    if (cfgfiles::ReadWhole(NOOFFLOORSS.view(), floors) && floors >= 1)
      highest = std::min(highest, static_cast<double>(floors));
  }
  return value >= quesans2::LOW_LIMIT && value <= highest;
}

}  // namespace

void EDITCONFIG() {
  TESTNEWCFGM();
  screen::CLEAR_PROMPT();
  EDITCONFIGM();
}

void EDITCONFIGM() {
  cfgfiles::TEST_FLAG = 0;
  screen::CLEAR_PROMPT();
  for (;;) {
    screen::FRAME4();
    TESTNEWCFGM();
    CHH = screen::ASKMENU(kChangeMenu);
    if (CHH == 'B' || screen::VALANS == screen::key::kEscape) return;
    if (CHH == 'A') {
      EDITCFG3();
      if (screen::VALANS == screen::key::kPause) WRITECFG();
      if (CHH == 'B' || screen::key::IsLeaveKey(screen::VALANS)) return;
    } else if (CHH == 'Q') {
      return;
    }
  }
}

void EDITCFG3() {
  screen::FRAME4();
  TESTNEWCFGM();
  langs::WRITEASTRING(253, 400, screen::MAXY - 100, 4, 30, kPasswordText);
  if (!GETPASSWORD(1)) return;  // wrong password or Escape: nothing changes
  do {
    screen::FRAME4();
    LISTCFGDEFM();
    screen::CLEAR_PROMPT();
    langs::GETFILES("edc3");
    CHH = screen::ASKMENU(kSettingMenu);
    if (screen::VALANS == screen::key::kEscape) return;
    if (const Setting* s = SettingOfKey(CHH)) {
      ANSS = *s->value;
      KK(s->question);
      *s->value = ANSS;
    }
  } while (!screen::key::IsLeaveKey(screen::VALANS) && CHH != 'Q');
}

void KK(std::int32_t n) {
  PMPT = screen::PASS1[n];
  const Kind kind = KindOfQuestion(n);
  const char engineKind = kind == Kind::kText ? 'A' : 'N';
  Str255 answer = ANSS;
  for (;;) {
    // A full descriptor is asked with the kind the engine remembers from
    // its last plain question; this setting's kind stands in for it.
    const char remembered = quesans2::IFALPHA;
    quesans2::IFALPHA = engineKind;
    quesans2::QUESTION_ANSWER2(PMPT.view(), "", answer, 255, PASSIT, engineKind, 'X', 'x', 4, 8);
    quesans2::IFALPHA = remembered;
    if (kind == Kind::kText) break;
    // A number left empty keeps its value; one the kiosk would read as
    // something else (0, most often) is refused and asked again.
    if (kiosk::Trim(answer.view()).empty()) return;
    if (NumberAllowed(kind, answer.view())) break;
    langs::GETEXACT("writea", kNumberRefusedText);
    screen::SHOWMESSAGE(screen::TEMP.view(), screen::kWarning);
  }
  ANSS = answer;
}

void LISTCFGDEFM() {
  writescreen::GET_DATA("edc1");
  struct Shown {
    const Str255* value;
    std::int32_t y;
  };
  const Shown shown[] = {
      {&WHEREXS, 300},   {&WHEREYS, 330},     {&FLOORXS, 360},   {&MACHINENO, 390},
      {&LANGUAGE, 420},  {&FLIMITS, 450},     {&NOOFFLOORSS, 480}, {&EXCLUDE, 510},
      {&SIMPLEPW, 540},  {&STRONGPW, 570},    {&STORENAME, 630}, {&STORESTREET, 660},
      {&STORECITY, 690}, {&STORESTATE, 720},
  };
  for (const Shown& s : shown)
    screen::FNT0(253, 600, s.y, 4, 0, 0, 30, 0, 0, "x", s.value->view());
}

}  // namespace editcfg
