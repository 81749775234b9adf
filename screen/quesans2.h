// The answer input engine: every typed answer of the kiosk (the shopper's
// search word, product and map fields, numbers, yes/no fields) is read here.
//
// A caller passes a question descriptor ("|"-separated: where and how the
// question, the screen label and the answer are drawn, the answer's type and
// its limits) or a plain question text, and the current answer. The engine
// shows the question on the prompt box, lets the answer be edited on one line
// with the cursor keys, checks it on Enter and hands back the answer and the
// key that ended it. It is also where staff leave the shopper's search (the
// staff code "~KKKVVV"), and where the calculator (Alt+C) and the language
// menu (Alt+M) are called up from an answer.
//
// Owns: the descriptor globals, the answer being edited (ANSL | cursor |
// ANSR), the answer kind remembered from the last plain question (IFALPHA)
// and the engine's own language flag LANG_FLAG. Texts are Windows-1252.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/shortstr.h"

namespace quesans2 {

using kiosk::Str255;

// ---- The descriptor (TRANSFER_TO_DATA2 fills these) ----
extern Str255 QUESTION;            // 1: shown on the prompt box
extern Str255 SCREEN_LABEL;        // 2: shown on the screen's own label line
extern std::int16_t QUESTION_COLOR;  // 3
extern std::int16_t LABEL_X, LABEL_Y;  // 4, 5 (label x 0: no label drawn)
extern std::int16_t ANS_XI;        // 6, with its text in ANS_X
extern Str255 ANS_X;
extern std::int16_t LABEL_COLOR;   // 7, replaced by 9
extern std::int16_t ANS_TYPE;      // 8
extern std::int16_t ANS_COLOR;     // 10
extern std::int16_t LOW_LIMIT;     // 11: lowest value of a number answer
extern double UP_LIMIT;            // 12: highest value of a number answer
extern std::int16_t MIN_LEN_STR;   // 13: minimum length of a text answer
extern std::int16_t MAX_LEN_STR;   // 14: maximum length of a text answer
extern std::int16_t PASS_BACK, PASS_TO, PASS_PARAMETER;  // 15-17, always 0
extern Str255 RIGHT_JUSTIFY;       // 20, upper-cased; kept, not drawn
extern std::int16_t FONT_SIZE_LABEL;  // 22
extern std::int16_t FONT_SIZEA;    // 23
extern Str255 BIU;                 // 24: style letters

// "A" text answer, "N" number answer, anything else: no checks. A plain
// question sets it from the caller's kind and remembers it in IFALPHA; a full
// descriptor takes the kind remembered from the last plain question.
extern char ALPHANUMERIC;
extern char IFALPHA;

// ---- The answer being edited ----
extern Str255 ANSL;      // left of the cursor
extern Str255 ANSR;      // right of the cursor
extern Str255 ANSWER;    // the whole: ANSL + ANSR
extern std::int32_t CURSORP;           // cursor position (length of ANSL)
extern std::int32_t MAXIMUM_LENGTH;    // longest answer the line takes
extern std::int32_t TAB_LENGTH;        // blanks a Tab inserts
extern std::int32_t A1;                // the key code that ends the input (13)
extern char DISPLAYL, DISPLAYA;        // "D": draw the label / the answer on the screen
extern std::int32_t LABEL_FONT, LABEL_FONT2;
// 178 when the last answer was ended by the language menu (Alt+M); cleared
// at the start of every question.
extern std::int32_t LANG_FLAG;
// Set by MOVEIT when it ended the input itself (Enter on an empty answer, the
// language menu): the answer is then returned without the Enter checks.
extern bool ENDED_EARLY;

// The staff code that leaves the shopper's search (compared upper-cased).
inline constexpr std::string_view kStaffCode = "~KKKVVV";
// Longest answer of a plain question.
inline constexpr std::int32_t kPlainMaxLength = 55;

// Every global back to its start-up value (for tests).
void ResetForTest();

// ---- Asking ----
// Asks one answer. On return: answer = the typed text without trailing
// blanks, cut to maxLength; number = its value; screen::VALANS = Enter after
// Enter or Pause, 140 after the staff code, 0 after the language menu;
// screen::EDITOR_FLAG = 1 only after the staff code. The label argument is
// not drawn (the screen label comes from the descriptor).
void QUESTION_ANSWER2(std::string_view descriptor, std::string_view label, Str255& answer,
                      std::int32_t maxLength, double& number, char kind, char displayL,
                      char displayA, std::int32_t labelFont, std::int32_t labelFont2);

// The edit loop, from ANSWER as the starting answer.
void GET_RESPONSE2(Str255& answer, double& number);

// Fills the descriptor globals from a "|"-separated descriptor; a field that
// is missing or not a number leaves 0 (or an empty text).
void TRANSFER_TO_DATA2(std::string_view descriptor);
// A plain question (a text without "|"): the text is both the question and
// the screen label, and fields 3 to 25 take the fixed defaults (colour 253,
// label at (50, 100), answer x 250, values 0..1000000000, length 0..55).
void PLAIN_QUESTION(std::string_view question);

// ---- Drawing ----
void PLINE2();        // the question, the answer line and the cursor mark
void PRINT_LABEL();   // after every redraw: the label and/or answer on the screen
void PRINT_LABEL2();  // once, when the input starts: the answer on the screen

// ---- Editing ----
// Applies the editing code in screen::VALANS to ANSL/ANSR/ANSWER.
void MOVEIT();
// Puts one character in at the cursor and redraws the line.
void INSERT_CHARACTER(char c);
// Keeps the answer within MAXIMUM_LENGTH; a cut puts the cursor at the end.
void CutToMaximum();

// ---- Checks (error: 1 when the check failed, else 0) ----
void TEST_B(double& error, std::int32_t code, double value);
void TEST_E(std::string_view answer, double& error);

// ---- Key classes ----
// Whether a key read by ONKEY is a character the user typed, which goes into
// the answer as it is: every printable Windows-1252 character (letters with
// or without accent, digits, punctuation, the blank), but not "|", which
// separates the fields of every exchange and layout line. Keys that arrived
// as 0 plus a code and control codes are not.
bool IsTypedCharacter(unsigned char c, bool arrivedAsCode);
// The rest are function, cursor, editing and control keys:
// the editing code such a key arrives as (codes not in the table stay),
std::int32_t NormaliseKey(std::int32_t code);
// whether the key with this (normalised) code is put into the answer as one
// character, for the caller to recognise (F1 as 187, say),
bool IsInsertedCode(std::int32_t code);
// and whether a text ("A") or number ("N") answer lets it act (its code as
// ONKEY read it); one that does not pass is ignored.
bool PassesKindFilter(char kind, std::int32_t keyCode);
// The longest number answer: its highest value written with three decimals.
std::int32_t NumberMaxLength(double upLimit);
// The value of an answer: blanks around it ignored, 0 when not a number.
double AnswerValue(std::string_view answer);

}  // namespace quesans2
