// The answer engine's drawing: the question and answer line on the prompt
// box (PLINE2) and the screen label with its answer on the label's own line
// (PRINT_LABEL, PRINT_LABEL2).
#include <string>

#include "graph/graph.h"
#include "screen/primitives.h"
#include "screen/quesans2.h"

namespace quesans2 {
namespace {

// Clears the label's line from x to the right edge of the screen.
void ClearStrip(std::int32_t x) {
  graph::SetBkColor(screen::ColorValue(graph::kBlack));
  graph::SetViewPort(static_cast<std::int16_t>(x), static_cast<std::int16_t>(LABEL_Y - 1),
                     static_cast<std::int16_t>(screen::MAXX - 5),
                     static_cast<std::int16_t>(LABEL_Y + 30), true);
  graph::ClearViewPort();
  screen::FULLPORT();
}

bool IsD(char flag) { return flag == 'D' || flag == 'd'; }

}  // namespace

void PLINE2() {
  if (ALPHANUMERIC == 'N') {
    MAXIMUM_LENGTH = NumberMaxLength(UP_LIMIT);
    if (ANSWER.size() > static_cast<std::size_t>(MAXIMUM_LENGTH)) {
      ANSWER.set_length(static_cast<std::size_t>(MAXIMUM_LENGTH));
      ANSL = ANSWER;
      ANSR.clear();
    }
  }
  const std::int32_t y = screen::MAXY - 40;
  screen::CLEAR_PROMPT();
  screen::FNT0(QUESTION_COLOR, 50, y, 4, 0, 0, 30, 0, 0, "b", QUESTION.view());

  std::int16_t w = 0;
  screen::REALTOSINTEGER(w, static_cast<double>(QUESTION.size()) * 15.9);
  const std::size_t underscores = static_cast<std::size_t>(MAXIMUM_LENGTH) + 2;
  screen::FNT0(220, w + 80, y, 4, 0, 0, 30, 0, 0, "x", std::string(underscores, '_'));

  CURSORP = static_cast<std::int32_t>(ANSL.size());
  if (ANSWER.empty()) {
    screen::FNT0(250, w + 74, y, 8, 0, 0, 30, 0, 0, "b", "_");
  } else {
    std::int16_t x = 0;
    const double p = static_cast<double>(QUESTION.size()) + CURSORP;
    screen::REALTOSINTEGER(x, p * 15.9 + 5);
    screen::FNT0(250, x + 74, y, 8, 0, 0, 29, 0, 0, "b", "_");
  }
  // An answer starting with "~" (the staff code) is never shown.
  if (ANSWER.empty() || ANSWER[0] != '~') {
    screen::FNT0(ANS_COLOR, w + 80, y, 8, 0, 0, 30, 0, 0, "n", ANSWER.view());
  }
  screen::ANS = ANSWER;
  PRINT_LABEL();
}

void PRINT_LABEL() {
  if (LABEL_X == 0) return;
  if (IsD(DISPLAYL)) {
    ClearStrip(5);
    screen::FNT0(LABEL_COLOR, LABEL_X, LABEL_Y, LABEL_FONT, 0, 0, 30, 0, 0, "x",
                 SCREEN_LABEL.view());
  }
  if (IsD(DISPLAYA)) {
    ClearStrip(ANS_XI);
    screen::FNT0(ANS_COLOR, ANS_XI, LABEL_Y, 8, 0, 0, 30, 0, 0, "x", ANSWER.view());
  }
}

void PRINT_LABEL2() {
  // Only a caller that shows the answer on the screen has a label line: a
  // plain question's default one (y 100) would cut through whatever the
  // screen has there, the store logo of the search screen for one.
  if (LABEL_X == 0 || !IsD(DISPLAYA)) return;
  ClearStrip(ANS_XI);
  screen::FNT0(220, ANS_XI, LABEL_Y, LABEL_FONT2, 0, 0, FONT_SIZEA, 0, 0, BIU.view(),
               ANSWER.view());
}

}  // namespace quesans2
