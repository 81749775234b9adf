#include "screen/writescreen.h"

#include <algorithm>
#include <string>
#include <utility>

#include "common/numtext.h"
#include "common/textfile.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/quesans2.h"
#include "shell/langs.h"

namespace writescreen {

Str255 FOOTERSS[7], HEADERSS[7];
Str255 SCREEN1[26], SCREEN2[26], SCREEN3[26];
std::int32_t Q_COLOR = 0, LABELX = 0, LABEL_FONT_SIZE = 0, LABELFNT = 0;
std::int32_t ANSCOL = 0, ANSX = 0, ANSY = 0, ANSFNT = 0, ANSANG = 0, ANSCARW = 0, ANSH = 0,
             ANSHORALIGN = 0, ANSVERALIGN = 0, ANSMINLEN = 0, ANSMAXLEN = 0;
double ANSMINVAL = 0, ANSMAXVAL = 0;
Str255 A_COLOR, A_X, A_Y, A_FONT, A_FONT_ANGLE, A_FONT_WIDTH, ANSWER_FONT_SIZE, A_MIN_ENTRYN,
    A_MAX_ENTRYN, A_BIU, A_MIN_ENTRYAN, A_MAX_ENTRYAN, A_MAX_LENGTHAN, A_MIN_LENGTHAN,
    A_ANS_TYPEAN, A_QUESTION;
Str255 P1, TA;
Str255 ANS2;

namespace {

// Splits off the next "|" field (SPLIT: an empty field collapses).
Str255 NextField(Str255& rest) {
  Str255 head = rest, tail;
  screen::SPLIT(head, tail);
  rest = tail;
  return head;
}

// The count of a section-header field: the text after its letter, or the
// whole field when the letter is missing.
std::int32_t SectionCount(const Str255& field, char letter) {
  std::string_view f = field.view();
  std::size_t p = f.find(letter);
  Str255 count = p == std::string_view::npos ? f : f.substr(p + 1);
  std::int32_t n = kiosk::TextToWhole(count.view());
  return n < 0 ? 0 : n;
}

// Reads count lines of a section; each is stored while the array has room
// (the rest are still read, so that later sections stay in step) and, with
// draw, written. Returns false when a content line ends the form.
bool ReadSection(kiosk::TextFile& f, std::int32_t count, Str255* store, std::int32_t capacity,
                 bool draw, bool endMarks) {
  for (std::int32_t i = 0; i < count; ++i) {
    Str255 line = f.ReadLine();
    if (endMarks && line.view().find(kFormEnd) != std::string_view::npos) return false;
    if (i < capacity) store[i] = line;
    if (draw) WRITE_SCREEN(line.view());
  }
  return true;
}

}  // namespace

void GET_DATA(std::string_view family) {
  Str255 name = family;
  langs::GETLANG(name);
  screen::TEMP.clear();
  for (int i = 0; i <= 24; ++i) {
    SCREEN1[i].clear();
    SCREEN2[i].clear();
    SCREEN3[i].clear();
  }
  for (int i = 0; i <= 34; ++i) screen::PASS1[i].clear();

  kiosk::TextFile f;
  if (!f.Open(name.view())) {
    langs::ShowOpenError();
    return;
  }
  Str255 rest = f.ReadLine();
  const char letters[5] = {'F', 'H', 'C', 'Q', 'A'};
  std::int32_t count[5];
  for (int k = 0; k < 5; ++k) count[k] = SectionCount(NextField(rest), letters[k]);

  ReadSection(f, count[0], FOOTERSS, 7, true, false);
  ReadSection(f, count[1], HEADERSS, 7, true, false);
  if (!ReadSection(f, count[2], SCREEN1, 26, true, true)) return;
  ReadSection(f, count[3], SCREEN2, 26, true, false);
  ReadSection(f, count[4], SCREEN3, 26, false, false);
  if (count[4] > 0) screen::VALANS = std::min(count[4], 26) - 1;
}

void WRITE_SCREEN(std::string_view line) {
  Str255 rest = line;
  std::int32_t v[9];
  for (std::int32_t& n : v) n = kiosk::TextToWhole(NextField(rest).view());
  Str255 style = NextField(rest);
  Str255 text = NextField(rest);
  Q_COLOR = v[0];
  LABELX = v[1];
  LABELFNT = v[3];
  LABEL_FONT_SIZE = v[6];
  screen::FNT0(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], style.view(), text.view());
}

void WRITE_QUESTION(std::string_view definition) {
  Str255 rest = definition;
  // Fields 1..16 in order; field 13 is the minimum value, 14 the maximum.
  for (Str255* field : {&A_COLOR, &A_X, &A_Y, &A_FONT, &A_FONT_ANGLE, &A_FONT_WIDTH,
                        &ANSWER_FONT_SIZE, &A_MIN_ENTRYN, &A_MAX_ENTRYN, &A_BIU, &A_MIN_ENTRYAN,
                        &A_MAX_ENTRYAN, &A_MAX_LENGTHAN, &A_MIN_LENGTHAN, &screen::ENTRY_TYPE,
                        &A_QUESTION})
    *field = NextField(rest);

  const std::pair<std::int32_t*, const Str255*> wholes[] = {
      {&ANSCOL, &A_COLOR},           {&ANSX, &A_X},
      {&ANSY, &A_Y},                 {&ANSFNT, &A_FONT},
      {&ANSANG, &A_FONT_ANGLE},      {&ANSCARW, &A_FONT_WIDTH},
      {&ANSH, &ANSWER_FONT_SIZE},    {&ANSHORALIGN, &A_MIN_ENTRYN},
      {&ANSVERALIGN, &A_MAX_ENTRYN}, {&ANSMINLEN, &A_MIN_ENTRYAN},
      {&ANSMAXLEN, &A_MAX_ENTRYAN}};
  for (const auto& [number, text] : wholes) *number = kiosk::TextToWhole(text->view());
  screen::STRINGTOREAL(A_MAX_LENGTHAN.view(), ANSMINVAL);
  screen::STRINGTOREAL(A_MIN_LENGTHAN.view(), ANSMAXVAL);

  A_ANS_TYPEAN = screen::ENTRY_TYPE.view().substr(0, 1);
  screen::PROMPT = "Enter ";
  screen::PROMPT += A_QUESTION;
  char kind = A_ANS_TYPEAN.empty() ? '\0' : A_ANS_TYPEAN[0];
  bool text = kind == 'A' || kind == 'T' || kind == 'a' || kind == 't';
  P1 = text ? "1" : "0";
  TA = text ? "A" : "N";
}

void QUESTION(char key, Str255& answer) {
  screen::FULLPORT();
  screen::CLEAR_PROMPT();
  std::int32_t i = static_cast<unsigned char>(key) - 65;
  if (i < 0 || i > 25) return;  // no such definition on any form
  answer = SCREEN3[i];
  WRITE_QUESTION(answer.view());
  quesans2::ANSWER.clear();

  screen::MAXLEN = ANSMAXLEN;
  screen::MINVAL = ANSMINVAL;
  screen::MAXVAL = ANSMAXVAL;
  screen::MINLEN = ANSMINLEN;

  // The engine's descriptor: the answer is drawn on the form at the
  // definition's position, in its font and style.
  std::string d;
  auto field = [&d](std::string_view f) {
    if (!d.empty()) d += '|';
    d += f;
  };
  field(screen::PROMPT.view());
  field(A_QUESTION.view());
  field(A_COLOR.view());
  field(A_Y.view());
  field(A_Y.view());
  field(A_X.view());
  field(std::to_string(Q_COLOR));
  field(A_FONT_ANGLE.view());
  field(P1.view());
  field(std::to_string(Q_COLOR));
  field(A_MIN_ENTRYN.view());
  field(A_MAX_ENTRYN.view());
  field(A_MIN_ENTRYAN.view());
  field(A_MAX_ENTRYAN.view());
  for (int z = 0; z < 5; ++z) field("0");
  field(A_FONT.view());
  field("N");
  field(std::to_string(LABEL_FONT_SIZE));
  field(ANSWER_FONT_SIZE.view());
  field(A_BIU.view());
  field("0");

  // The answer starts empty, not with the definition line.
  Str255 typed;
  quesans2::QUESTION_ANSWER2(d, "", typed, 255, screen::NUM, TA.empty() ? 'N' : TA[0], 'X', 'D',
                             LABELFNT, ANSFNT);
  if (screen::VALANS == screen::key::kPageDown) return;
  answer = typed;
  screen::TEMP = typed;
  ANS2 = typed;
  if (i <= 34) screen::PASS1[i] = typed;
}

void ResetForTest() {
  for (auto* arr : {FOOTERSS, HEADERSS})
    for (int i = 0; i < 7; ++i) arr[i].clear();
  for (auto* arr : {SCREEN1, SCREEN2, SCREEN3})
    for (int i = 0; i < 26; ++i) arr[i].clear();
  Q_COLOR = LABELX = LABEL_FONT_SIZE = LABELFNT = 0;
  ANSCOL = ANSX = ANSY = ANSFNT = ANSANG = ANSCARW = ANSH = ANSHORALIGN = ANSVERALIGN = 0;
  ANSMINLEN = ANSMAXLEN = 0;
  ANSMINVAL = ANSMAXVAL = 0;
  for (Str255* s : {&A_COLOR, &A_X, &A_Y, &A_FONT, &A_FONT_ANGLE, &A_FONT_WIDTH,
                    &ANSWER_FONT_SIZE, &A_MIN_ENTRYN, &A_MAX_ENTRYN, &A_BIU, &A_MIN_ENTRYAN,
                    &A_MAX_ENTRYAN, &A_MAX_LENGTHAN, &A_MIN_LENGTHAN, &A_ANS_TYPEAN, &A_QUESTION,
                    &P1, &TA, &ANS2})
    s->clear();
}

}  // namespace writescreen
