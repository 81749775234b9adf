// The calculator's key actions: digits build the entry, operators apply the
// pending operator to the total in the order typed, and the memory keys move
// values between the memory and the total.
#include "common/text.h"
#include "graph/graph.h"
#include "screen/primitives.h"
#include "screen/secalc4.h"

namespace secalc4 {
namespace {

using kiosk::UpCase;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The entry's value: digits with at most one point, blanks around allowed
// (a lone point counts as 0). Anything else (a second point) is no number.
bool EntryValue(std::string_view e, double& value) {
  e = kiosk::Trim(e);
  bool negative = false;
  if (!e.empty() && (e.front() == '-' || e.front() == '+')) {
    negative = e.front() == '-';
    e.remove_prefix(1);
  }
  int points = 0;
  double whole = 0, scale = 1, fraction = 0;
  for (char c : e) {
    if (c == '.') {
      if (++points > 1) return false;
    } else if (IsDigit(c)) {
      if (points == 0) {
        whole = whole * 10 + (c - '0');
      } else {
        scale /= 10;
        fraction += (c - '0') * scale;
      }
    } else {
      return false;
    }
  }
  value = whole + fraction;
  if (negative) value = -value;
  return true;
}

// Whether a key typed before an operator lets the pending operator apply.
bool CompletesEntry(char previous) {
  return previous == 13 || previous == '+' || previous == '.' || IsDigit(previous) ||
         previous == '<' || previous == '=' || previous == '>' || previous == 'M';
}

}  // namespace

void OPERANDC(Str255& entry) {
  // A digit after "=" starts a new calculation.
  if (LASTOPERATOR == 13 || LASTOPERATOR == '=') TOTAL = 0;
  const std::string_view e = entry.view();
  const std::size_t point = e.find('.');
  const std::size_t counted = point == std::string_view::npos ? e.size() : e.size() - point - 1;
  if (counted >= 18) return;
  DECIMALUSED = true;
  if (entry == "0") entry.clear();
  entry += INP;
  screen::DELETELEFTBLANKS(entry);
  SHOWTEMP(entry);
}

void OPERATORC(Str255& entry) {
  TNUM = 0;
  double value = 0;
  if (!EntryValue(entry.view(), value)) {
    DISPLAYCALC(ERRORNUM);
    return;
  }
  NUMBER = NEGATIVE ? -value : value;
  if (CompletesEntry(OLDINP)) {
    switch (LASTOPERATOR) {
      case 13:
      case '+':
      case '=':
        TOTAL += NUMBER;
        break;
      case '*':
        TOTAL *= NUMBER;
        break;
      case '-':
        TOTAL -= NUMBER;
        break;
      case '/':
        TOTAL = NUMBER == 0 ? ERRORNUM : TOTAL / NUMBER;
        break;
      case '<':
      case '>':
      case 'M': {
        Str255 written = FixedText(NUMBER, 0, 3);
        // The memory key ends in OPERATORC again; with its previous key
        // marked first, that call cannot apply the same memory key forever.
        OLDINP = 'x';
        TOFROMMEMORY(written, INP);
        NUMBER = TOTAL;
        NUM1 = 0;
        PREVPREVINP = '\0';
        OLDINP = 'x';
        break;
      }
      case '\0':
        // Nothing pending (after "Clear all", or "To memory" of a zero
        // total): the entry starts the total rather than being dropped.
        if (TOTAL == 0) TOTAL = NUMBER;
        break;
      default:
        break;
    }
    const unsigned char key = static_cast<unsigned char>(INP);
    if (key != 8 && key != 'E' && key != '<' && key != '>') LASTOPERATOR = INP;
    NEGATIVE = false;
  } else {
    // Two operators in a row, or one at the very start: a "-" there is the
    // sign of the next entry.
    NEGATIVE = INP == '-';
  }
  DISPLAYCALC(TOTAL);
  entry = "0";
}

void TOFROMMEMORY(Str255& entry, char key) {
  double p = 0;
  screen::STRINGTOREAL(entry.view(), p);
  if (TOTAL != 0) p = TOTAL;
  const char before = PREVPREVINP == 13 ? '+' : PREVPREVINP;
  if (key == '<') {
    switch (before) {
      case '+':
        p = MEMORY1 + p;
        break;
      case '-':
        p = p - MEMORY1;
        break;
      case '*':
        p = MEMORY1 * p;
        break;
      case '/':
        // A memory of 0 is a division by 0, shown as the overflow.
        p = MEMORY1 == 0 ? ERRORNUM : p / MEMORY1;
        break;
      default:
        p = MEMORY1;
        TOTAL = MEMORY1;
        OLDINP = '\0';
        PREVPREVINP = '\0';
        DISPLAYM(p);
        // The next key is the pending operator; it is not acted on.
        LASTOPERATOR = UpCase(screen::ONKEY());
        break;
    }
  } else if (key == '>') {
    MEMORY1 = p;
    NUMBER = 0;
    LASTOPERATOR = '\0';
    OLDINP = '\0';
  } else if (key == 'M') {
    // Clearing the memory leaves the total alone: it is not taken from the
    // entry (which the pending operator below adds anyway), and the memory
    // line shows the cleared memory.
    MEMORY1 = 0;
    p = TOTAL;
  }
  NUMBER = 0;
  TOTAL = p;
  DISPLAYM(key == 'M' ? MEMORY1 : p);
  SHOWTEMP(entry);
  OPERATORC(entry);
}

void BACKSPACE(Str255& entry) {
  if (entry == "0") return;
  if (!entry.empty() && entry[entry.size() - 1] == '.') DECIMALUSED = false;
  if (!entry.empty()) entry.set_length(entry.size() - 1);
  SHOWTEMP(entry);
}

void CLEARENTRY(Str255& entry) {
  entry = "0";
  SHOWTEMP(entry);
}

void CLEARCALCULATOR1() {
  DECIMALUSED = true;
  TOTAL = 0;
  NUMBER = 0;
  DISPLAYSTRING = "0";
  LASTOPERATOR = '+';
  OLDINP = 'C';
  PRINTDISPLAY("0");
  NEGATIVE = false;
  ERROR = false;
  DISPLAYCALC(TOTAL);
  INSTRUCT();
}

void CLEARCALCULATOR() {
  MEMORY1 = 0;
  CLEARCALCULATOR1();
  // No operator is pending after "Clear all"; the entry typed next becomes
  // the total when the first operator key follows (see OPERATORC).
  LASTOPERATOR = '\0';
}

}  // namespace secalc4
