// The calculator's display on the prompt box: the total line, the memory
// line, the legend, and the overflow message.
#include <string>

#include "graph/graph.h"
#include "graph/keyboard.h"
#include "screen/primitives.h"
#include "screen/secalc4.h"

namespace secalc4 {
namespace {

void Write(std::int32_t colour, std::int32_t x, std::int32_t y, std::int32_t font,
           std::int32_t size, std::string_view text) {
  screen::FNT0(colour, x, y, font, 0, 0, size, 0, 0, "b", text);
}

// Three rows of 20-pixel text fill the prompt box's clear area (MAXY - 62
// to MAXY - 3) exactly; the columns leave room for the longest text and the
// widest key ("< >") of the column before.
constexpr LegendLine kLegend[] = {
    {"Q ", "Quit", 750, 785, 22},
    {"E ", "clear Entry", 750, 785, 42},
    {"C ", "Clear all", 750, 785, 62},
    {"+<", "Add memory to total", 920, 965, 62},
    {"-<", "Subtract memory from total", 920, 965, 42},
    {"*<", "Multiply memory by total", 920, 965, 22},
    {"/<", "Divide total by memory", 1270, 1320, 62},
    {"M", "Clear memory", 1270, 1320, 42},
    {"< >", "To From memory", 1270, 1320, 22},
};

}  // namespace

void SHOWTEMP(Str255& entry) {
  if (entry.empty()) entry = "0";
  // Only digits and one point make a number; anything else overflows.
  bool number = true;
  int points = 0;
  for (char c : kiosk::Trim(entry.view())) {
    if (c == '.') {
      if (++points > 1) number = false;
    } else if (c < '0' || c > '9') {
      number = false;
    }
  }
  double value = 0;
  if (number) screen::STRINGTOREAL(entry.view(), value);
  DISPLAYCALC(number ? value : ERRORNUM);
}

void DISPLAYCALC(double value) {
  screen::CLEAR_PROMPT();
  Str255 t = FixedText(value, 0, 3);
  TOTALS = t;
  if (t.size() > kDisplayWidth) {
    t = "OVERFLOW ERROR";
    TOTAL = 0;
    TOTALS = "0.000";
    ERROR = false;
    const std::int32_t x = screen::MAXX / 2 - 320;
    Write(220, x, screen::MAXY - 55, 1, 50, t.view());
    Write(220, x + 2, screen::MAXY - 55, 1, 50, t.view());
    graph::Sound(2441, 2050);
    graph::Sound(2361, 550);
    graph::Sound(2479, 2050);
    screen::COLORS1(250);
    screen::CLEAR_PROMPT();
    t = TOTALS;
    CLEARCALCULATOR1();
  }
  std::string shown(t.view());
  shown += ' ';
  PRINTDISPLAY(shown);
}

void PRINTDISPLAY(std::string_view text) {
  text = kiosk::Trim(text);
  NUM1 = 0;
  screen::STRINGTOREAL(text, NUM1);
  PRINT_ANSWER2(NUM1);
  DISPLAYM(MEMORY1);
  INSTRUCT();
}

void PRINT_ANSWER2(double value) {
  Write(220, 50, screen::MAXY - 35, 4, 36, "Total =");
  Write(253, 200, screen::MAXY - 35, 4, 36, FixedText(value, 12, 3).view());
}

void DISPLAYM(double value) {
  Write(128, 50, screen::MAXY - 62, 4, 15, "Memory =");
  Write(253, 340, screen::MAXY - 62, 4, 15, FixedText(value, 0, 3).view());
}

std::span<const LegendLine> Legend() { return kLegend; }

void WRITELEGEND(const LegendLine& l) {
  Write(253, l.keyX, screen::MAXY - l.up, 2, 20, l.key);
  Write(128, l.textX, screen::MAXY - l.up, 2, 20, l.text);
}

void INSTRUCT() {
  Write(253, 500, screen::MAXY - 64, 2, 36, "Calculator");
  for (const LegendLine& l : kLegend) WRITELEGEND(l);
}

}  // namespace secalc4
