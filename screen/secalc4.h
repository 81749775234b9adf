// The pocket calculator staff call up with Alt+C while typing an answer. It
// runs on the prompt box with immediate execution (operators apply in the
// order typed, no precedence), one memory and a fixed legend of keys. The
// answer's value starts in the memory; on leaving, a non-zero total may be
// taken over into the answer.
//
// Owns: the calculator's running total, memory, entry and key history. The
// memory lives for the whole run; everything else is reset each time.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "common/shortstr.h"

namespace secalc4 {

using kiosk::Str255;

extern double TOTAL;         // the running total
extern double NUMBER;        // the entry as a number while an operator applies
extern double MEMORY1;       // the memory
extern double NUM1;          // the value last shown on the display line
extern double TNUM;          // scratch value for the display
extern Str255 DISPLAYSTRING; // the entry being typed; "0" when nothing is typed
extern Str255 TOTALS;        // the last shown value with 3 decimals
extern char INP;             // the key being handled, upper-cased
extern char OLDINP;          // the previous key
extern char PREVPREVINP;     // the key typed just before a memory key
extern char LASTOPERATOR;    // the pending operator
extern bool NEGATIVE;        // the next entry is made negative
extern bool DECIMALUSED;
extern bool ERROR;

// The value that stands for an error; its display is the overflow message.
inline constexpr double ERRORNUM = 1000000000000000.0;
// Displayed texts longer than this (with 3 decimals) overflow.
inline constexpr std::size_t kDisplayWidth = 15;

// The kiosk's fixed number text: value rounded to the given decimals,
// right-aligned in width characters (never cut when longer).
Str255 FixedText(double value, int width, int decimals);

// The calculator as called from an answer: start holds the answer's value
// (put into the memory) and on return the accepted total, or 0 when nothing
// was taken over; result gets the accepted total (width 12, 3 decimals) and
// is left as it was otherwise.
void CALCULATEIT(double& start, Str255& result);

void CALCULATOR();      // draw, then the key loop
void DRAWCALCULATOR();
void RUNCALCULATOR();   // the key loop, until Escape/Pause or a key outside the set

// ---- Key actions (entry is DISPLAYSTRING) ----
void OPERANDC(Str255& entry);
void OPERATORC(Str255& entry);
void TOFROMMEMORY(Str255& entry, char key);
void BACKSPACE(Str255& entry);
void CLEARENTRY(Str255& entry);
void CLEARCALCULATOR();   // "C": everything, the memory too
void CLEARCALCULATOR1();  // start and overflow reset: the memory stays

// Whether the calculator handles this (upper-cased) key.
bool IsCalculatorKey(char key);

// ---- Display ----
void SHOWTEMP(Str255& entry);
void DISPLAYCALC(double value);
void PRINTDISPLAY(std::string_view text);
void PRINT_ANSWER2(double value);
void DISPLAYM(double value);
void INSTRUCT();
// One line of the key legend: the key in colour 253 at keyX, its text in
// colour 128 at textX, both at y = MAXY - up (font code 2, size 20).
struct LegendLine {
  std::string_view key, text;
  std::int32_t keyX, textX, up;
};
std::span<const LegendLine> Legend();
void WRITELEGEND(const LegendLine& line);

// Every global back to its start-up value, the memory included (for tests).
void ResetForTest();

}  // namespace secalc4
