// Screen forms: a language file that lays out a whole screen. Line 1 holds
// the section counts "F<n>|H<n>|C<n>|Q<n>|A<n>" (footer, header, content,
// question-label and answer-definition lines), then come the lines of each
// section in that order. Label lines have eleven "|" fields (colour, x, y,
// font code, direction, user size, size, horizontal code, vertical code,
// style letters, text); answer definitions sixteen (see WRITE_QUESTION). A
// content line holding "********" ends the form.
//
// Owns: the lines of the last form drawn, the values of the last label line
// written (for QUESTION) and of the last answer definition read.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/shortstr.h"

namespace writescreen {

using kiosk::Str255;

// Stored lines of the last form.
extern Str255 FOOTERSS[7], HEADERSS[7];           // 0..6
extern Str255 SCREEN1[26], SCREEN2[26], SCREEN3[26];  // content, labels, answers: 0..25

// Left by WRITE_SCREEN for QUESTION.
extern std::int32_t Q_COLOR, LABELX, LABEL_FONT_SIZE, LABELFNT;

// The answer definition last read by WRITE_QUESTION: the numbers and the
// texts they came from.
extern std::int32_t ANSCOL, ANSX, ANSY, ANSFNT, ANSANG, ANSCARW, ANSH, ANSHORALIGN,
    ANSVERALIGN, ANSMINLEN, ANSMAXLEN;
extern double ANSMINVAL, ANSMAXVAL;
extern Str255 A_COLOR, A_X, A_Y, A_FONT, A_FONT_ANGLE, A_FONT_WIDTH, ANSWER_FONT_SIZE,
    A_MIN_ENTRYN, A_MAX_ENTRYN, A_BIU, A_MIN_ENTRYAN, A_MAX_ENTRYAN, A_MAX_LENGTHAN,
    A_MIN_LENGTHAN, A_ANS_TYPEAN, A_QUESTION;
// "1"/"A" for a text answer (entry type A or T, either case), else "0"/"N".
extern Str255 P1, TA;
// The last answer given to QUESTION.
extern Str255 ANS2;

// A content line holding this ends the form.
inline constexpr std::string_view kFormEnd = "********";

// Draws the form of a family in the current language; VALANS := index of the
// last answer definition (count - 1). A missing file shows the open error
// for 5 s and draws nothing.
void GET_DATA(std::string_view family);

// Writes one label line.
void WRITE_SCREEN(std::string_view line);

// Reads one answer definition into the globals above.
void WRITE_QUESTION(std::string_view definition);

// Asks answer definition (key - 'A') of the last form through the answer
// engine. Unless the answer ended with Page Down, answer, TEMP, ANS2 and
// PASS1[i] receive the typed text.
void QUESTION(char key, Str255& answer);

// Every global back to its start value (for tests).
void ResetForTest();

}  // namespace writescreen
