// The calculator's entry point, its key loop and its state.
#include "screen/secalc4.h"

#include <cstdio>

#include "graph/graph.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "shell/langs.h"

namespace secalc4 {

double TOTAL = 0, NUMBER = 0, MEMORY1 = 0, NUM1 = 0, TNUM = 0;
Str255 DISPLAYSTRING = "0";
Str255 TOTALS;
char INP = '\0', OLDINP = '\0', PREVPREVINP = '\0', LASTOPERATOR = '+';
bool NEGATIVE = false, DECIMALUSED = false, ERROR = false;

namespace {

// The take-over question and the line of its key letters.
constexpr std::int32_t kTakeOverMenu = 34;
constexpr std::int32_t kTakeOverKeys = 24;

using kiosk::UpCase;

}  // namespace

Str255 FixedText(double value, int width, int decimals) {
  if (value == 0) value = 0;  // no "-0.000"
  char buf[400];
  std::snprintf(buf, sizeof buf, "%*.*f", width, decimals, value);
  return Str255(buf);
}

bool IsCalculatorKey(char key) {
  switch (static_cast<unsigned char>(key)) {
    case 8: case 13: case 27: case 140:
    case '*': case '+': case '-': case '.': case '/': case '<': case '=': case '>':
    case 'C': case 'E': case 'M':
      return true;
    default:
      return key >= '0' && key <= '9';
  }
}

void ResetForTest() {
  TOTAL = NUMBER = MEMORY1 = NUM1 = TNUM = 0;
  DISPLAYSTRING = "0";
  TOTALS.clear();
  INP = OLDINP = PREVPREVINP = '\0';
  LASTOPERATOR = '+';
  NEGATIVE = DECIMALUSED = ERROR = false;
}

void CALCULATEIT(double& start, Str255& result) {
  NUM1 = 0;
  TNUM = 0;
  MEMORY1 = start;
  graph::SetBkColor(0);
  graph::SetColor(0);
  CALCULATOR();
  start = 0;
  screen::CLEAR_PROMPT();
  if (TOTAL == 0) return;

  langs::GETEXACT("seln", kTakeOverKeys);
  Str255 keys = screen::TEMP;
  char choice = '\0';
  langs::SELECTT2(0, "", kTakeOverMenu, keys, choice, 88, 253, 1);
  langs::CVT1(keys.view(), choice);
  screen::CLEAR_PROMPT();
  if (choice == 'A') {
    start = TOTAL;
    result = FixedText(TOTAL, 12, 3);
  }
}

void CALCULATOR() {
  PREVPREVINP = 'X';
  DRAWCALCULATOR();
  RUNCALCULATOR();
}

void DRAWCALCULATOR() {
  INSTRUCT();
  DISPLAYM(MEMORY1);
}

void RUNCALCULATOR() {
  CLEARCALCULATOR1();
  do {
    INP = UpCase(screen::ONKEY());
    // Any key outside the legend quits, as "Q" does.
    if (!IsCalculatorKey(INP)) break;
    const unsigned char key = static_cast<unsigned char>(INP);
    if (key == 8) {
      BACKSPACE(DISPLAYSTRING);
    } else if ((key >= '0' && key <= '9') || key == '.') {
      OPERANDC(DISPLAYSTRING);
    } else if (key == '*' || key == '+' || key == '-' || key == '/' || key == '=' || key == 13) {
      OPERATORC(DISPLAYSTRING);
    } else if (key == '<' || key == '>' || key == 'M') {
      TOFROMMEMORY(DISPLAYSTRING, INP);
      PREVPREVINP = '\0';
    } else if (key == 'C') {
      CLEARCALCULATOR();
    } else if (key == 'E') {
      CLEARENTRY(DISPLAYSTRING);
    } else {  // Escape or Pause
      screen::VALANS = screen::key::kPause;
    }
    if (key != 8 && key != 'E' && key != '<' && key != '>') {
      OLDINP = INP;
      PREVPREVINP = INP;
    }
  } while (screen::VALANS != screen::key::kPause);
}

}  // namespace secalc4
