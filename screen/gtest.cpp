// The guide menu and its text screens.
#include "screen/gtest.h"

#include <string>

#include "common/numtext.h"
#include "graph/graph.h"
#include "graph/keyboard.h"
#include "map/help1.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "screen/quesans2.h"
#include "screen/writescreen.h"
#include "shell/langs.h"

namespace gtest {

namespace {

constexpr std::int32_t kGuideMenu = 3;
constexpr std::int32_t kContinueMenu = 46;
constexpr std::int32_t kFieldMenu = 2;
constexpr const char* kKeyboard = "fixtures\\keyboard.bmp";

using Screen = void (*)();
constexpr Screen kScreens[] = {CONTACT, G1, G11, G6, G3, G4, G2, G5};  // items A..H

std::int32_t Whole(const kiosk::Str255& text) { return kiosk::TextToWhole(text.view()); }

}  // namespace

void GTESTX() {
  screen::VALANS = 0;
  screen::CH = 'X';
  GTESTX1();
}

void GTESTX1() {
  do {
    screen::FRAME4();
    writescreen::GET_DATA("menug");
    screen::CLEAR_PROMPT();
    screen::CH = 'X';
    screen::VALANS = 0;
    const char item = screen::ASKMENU(kGuideMenu);
    if (screen::key::IsLeaveKey(screen::VALANS)) {
      screen::CH = 'Q';
    } else if (item >= 'A' && item <= 'H') {
      kScreens[item - 'A']();
      screen::ASKMENU(kContinueMenu);
      screen::CH = 'X';
    }
    // Any other key shows the guide menu again at once.
  } while (screen::CH != 'Q');
  screen::VALANS = screen::key::kGuideLeft;
}

void CONTACT() {
  screen::FRAME4();
  graph::Delay(100);
  langs::GETFILES("cont1");
  for (int i = 1; i <= 7; ++i) {
    screen::FNT0(i <= 4 ? 253 : 88, 500, 200 + 50 * (i - 1), 1, 0, 0, 30, 0, 0, "", screen::PASS1[i]);
  }
}

void G1() {
  screen::FRAME4();
  langs::GETFILES("g1");
  // Eight texts turning around one point, each starting at it (the texts
  // begin with blanks, so that they clear the point) and standing on the
  // line of its direction, the first one across it.
  struct Turned {
    std::int32_t direction, colour, horizontal, vertical;
    const char* style;
  };
  static constexpr Turned kTurned[8] = {{0, 5, 0, 3, "b"},    {45, 6, 0, 2, "x"},   {90, 7, 1, 2, "x"},
                                        {135, 14, 0, 2, "x"}, {180, 137, 1, 2, "x"}, {225, 88, 0, 2, "x"},
                                        {315, 131, 1, 2, "x"}, {270, 110, 0, 2, "x"}};
  for (int i = 0; i < 8; ++i) {
    const Turned& t = kTurned[i];
    screen::FNT0(t.colour, 750, 460, 7, t.direction, 0, 50, t.horizontal, t.vertical, t.style,
                 screen::PASS1[i + 1]);
  }
  // Font codes 1..8, each in the colour of its number.
  for (int k = 1; k <= 8; ++k) {
    screen::FNT0(k, k == 8 ? 22 : 25, 250 + 50 * (k - 1), k, 330, 0, 30, 1, 3, "biu", screen::PASS1[8 + k]);
  }
  writescreen::GET_DATA("edh1");
}

void G11() {
  screen::FRAME4();
  writescreen::GET_DATA("edh2");
  langs::GETFILES("edh3");
  const kiosk::Str255 first = screen::PASS1[1], second = screen::PASS1[2], label = screen::PASS1[3];
  kiosk::Str255 name, number;
  double value = 0;
  quesans2::QUESTION_ANSWER2(first.view(), "", name, 255, value, 'A', 'D', 'D', 4, 8);
  quesans2::QUESTION_ANSWER2(second.view(), "", number, 255, value, 'N', 'D', 'D', 4, 8);
  screen::FNT0(250, 50, screen::MAXY - 120, 4, 0, 0, 30, 0, 0, "", label);
  screen::FNT0(253, 250, screen::MAXY - 120, 8, 0, 0, 30, 0, 0, "", number);
  screen::ASKMENU(kContinueMenu);

  screen::FRAME4();
  langs::GETFILES("g6");
  // The form clears the spec lines: take the picture's place first.
  const std::int32_t x = Whole(screen::PASS1[1]), y = Whole(screen::PASS1[2]);
  writescreen::GET_DATA("edh8");
  screen::LOADBMP(x, y, kKeyboard);
  graph::Delay(200);
}

void G6() { help1::DISPLAYHELP(); }

void G2() {
  screen::FRAME4();
  graph::Delay(100);
  writescreen::GET_DATA("edh4");
}

void G5() {
  screen::FRAME4();
  screen::VALANS = -1;
  writescreen::GET_DATA("enqA");
  const std::int32_t questions = screen::VALANS + 1;  // GET_DATA leaves the last one's index
  do {
    screen::CLEAR_PROMPT();
    const char key = screen::ASKMENU(kFieldMenu);
    // Only the letters of the form's own questions ask anything.
    if (key >= 'A' && key < 'A' + questions) {
      kiosk::Str255 answer;
      writescreen::QUESTION(key, answer);
    }
    screen::CLEAR_PROMPT();
  } while (!screen::key::IsLeaveKey(screen::VALANS));
  screen::FRAME4();
  screen::CONV2();
  langs::GETFILES("g5");
  kiosk::Str255 note = screen::PASS1[1];
  note += screen::PASS1[2];
  screen::FNT0(253, 50, 990, 1, 0, 0, 25, 0, 0, "x", note);
}

}  // namespace gtest
