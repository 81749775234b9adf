// Question descriptors: the "|"-separated text that sets where and how a
// question and its answer are drawn, the answer's type and its limits, and
// the fixed defaults a plain question text is completed with.
#include <cstdlib>

#include "screen/primitives.h"
#include "screen/quesans2.h"

namespace quesans2 {
namespace {

// Fields 3 to 25 of a plain question.
constexpr std::string_view kPlainDefaults =
    "253|50|100|250|128|0|250|253|0|1000000000.000|0|55|0|0|0|0|0|n|N|N|N|0|0";

// A whole number field; anything that is not wholly a 16-bit whole number
// (after leading blanks) gives 0.
std::int16_t WholeField(std::string_view s) {
  s = kiosk::TrimLeft(s);
  if (s.empty()) return 0;
  std::size_t i = 0;
  bool neg = false;
  if (s[0] == '+' || s[0] == '-') {
    neg = s[0] == '-';
    i = 1;
  }
  if (i == s.size()) return 0;
  long v = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return 0;
    v = v * 10 + (s[i] - '0');
    if (v > 32768) return 0;
  }
  if (neg) v = -v;
  if (v < -32768 || v > 32767) return 0;
  return static_cast<std::int16_t>(v);
}

Str255 UpperCased(std::string_view s) {
  return Str255(kiosk::UpperAscii(s));
}

// Splits text into fields first..last of out, the way every "|" line is
// split (an empty field collapses); missing fields are left empty.
void SplitFields(std::string_view text, Str255* out, int first, int last) {
  Str255 rest = text;
  for (int i = first; i <= last; ++i) {
    Str255 head = rest;
    screen::SPLIT(head, rest);
    out[i] = head;
  }
}

void ApplyFields(const Str255* field) {
  QUESTION = field[1];
  SCREEN_LABEL = field[2];
  QUESTION_COLOR = WholeField(field[3]);
  LABEL_X = WholeField(field[4]);
  LABEL_Y = WholeField(field[5]);
  ANS_X = field[6];
  ANS_XI = WholeField(field[6]);
  LABEL_COLOR = WholeField(field[7]);
  ANS_TYPE = WholeField(field[8]);
  LABEL_COLOR = WholeField(field[9]);
  ANS_COLOR = WholeField(field[10]);
  LOW_LIMIT = WholeField(field[11]);
  UP_LIMIT = 0;
  screen::STRINGTOREAL(field[12], UP_LIMIT);
  MIN_LEN_STR = WholeField(field[13]);
  MAX_LEN_STR = WholeField(field[14]);
  PASS_BACK = 0;
  PASS_TO = 0;
  PASS_PARAMETER = 0;
  RIGHT_JUSTIFY = UpperCased(field[20]);
  FONT_SIZE_LABEL = WholeField(field[22]);
  FONT_SIZEA = WholeField(field[23]);
  BIU = field[24];
}

}  // namespace

void TRANSFER_TO_DATA2(std::string_view descriptor) {
  Str255 field[25];
  SplitFields(descriptor, field, 1, 24);
  ApplyFields(field);
}

void PLAIN_QUESTION(std::string_view question) {
  // The question is set directly rather than put in front of the defaults,
  // so that a long question cannot push the defaults out of a short string.
  Str255 field[25];
  SplitFields(kPlainDefaults, field, 3, 24);
  field[1] = question;
  field[2] = question;
  ApplyFields(field);
}

}  // namespace quesans2
