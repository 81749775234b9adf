// QUESTION_ANSWER2 and its edit loop: one answer read on the prompt box,
// checked on Enter against the descriptor's limits.
#include "screen/quesans2.h"

#include <string>

#include "common/text.h"
#include "graph/keyboard.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/prompt.h"

namespace quesans2 {

namespace key = screen::key;

Str255 QUESTION, SCREEN_LABEL, ANS_X, RIGHT_JUSTIFY, BIU;
std::int16_t QUESTION_COLOR = 0, LABEL_X = 0, LABEL_Y = 0, ANS_XI = 0, LABEL_COLOR = 0,
             ANS_TYPE = 0, ANS_COLOR = 0, LOW_LIMIT = 0, MIN_LEN_STR = 0, MAX_LEN_STR = 0,
             PASS_BACK = 0, PASS_TO = 0, PASS_PARAMETER = 0, FONT_SIZE_LABEL = 0, FONT_SIZEA = 0;
double UP_LIMIT = 0;
char ALPHANUMERIC = '\0';
char IFALPHA = '\0';
Str255 ANSL, ANSR, ANSWER;
std::int32_t CURSORP = 0, MAXIMUM_LENGTH = kPlainMaxLength,
             TAB_LENGTH = 5, A1 = 0;
char DISPLAYL = '\0', DISPLAYA = '\0';
std::int32_t LABEL_FONT = 0, LABEL_FONT2 = 0;
std::int32_t LANG_FLAG = 0;

bool ENDED_EARLY = false;

namespace {

using kiosk::UpCase;

bool IsStaffCode(std::string_view answer) {
  answer = kiosk::TrimLeft(answer);
  if (answer.size() != kStaffCode.size()) return false;
  for (std::size_t i = 0; i < answer.size(); ++i) {
    if (UpCase(answer[i]) != kStaffCode[i]) return false;
  }
  return true;
}

// A check's message on the prompt box: warning tone, 5 seconds, cleared.
void ShowCheckMessage(std::string_view text) { screen::SHOWMESSAGE(text, screen::kWarning); }

}  // namespace

void ResetForTest() {
  QUESTION.clear();
  SCREEN_LABEL.clear();
  ANS_X.clear();
  RIGHT_JUSTIFY.clear();
  BIU.clear();
  QUESTION_COLOR = LABEL_X = LABEL_Y = ANS_XI = LABEL_COLOR = ANS_TYPE = ANS_COLOR = 0;
  LOW_LIMIT = MIN_LEN_STR = MAX_LEN_STR = PASS_BACK = PASS_TO = PASS_PARAMETER = 0;
  FONT_SIZE_LABEL = FONT_SIZEA = 0;
  UP_LIMIT = 0;
  ALPHANUMERIC = IFALPHA = '\0';
  ANSL.clear();
  ANSR.clear();
  ANSWER.clear();
  CURSORP = 0;
  MAXIMUM_LENGTH = kPlainMaxLength;
  TAB_LENGTH = 5;
  A1 = 0;
  DISPLAYL = DISPLAYA = '\0';
  LABEL_FONT = LABEL_FONT2 = 0;
  LANG_FLAG = 0;
  ENDED_EARLY = false;
}

void TEST_B(double& error, std::int32_t code, double value) {
  error = 0;
  if (ALPHANUMERIC != 'N') return;
  if (code != 0) value = 0;  // an answer that is not a number counts as 0
  if (value < LOW_LIMIT) {
    ShowCheckMessage("Numeric entry is TOO SHORT, at least " + std::to_string(LOW_LIMIT) +
                     " is required.");
    error = 1;
  }
}

void TEST_E(std::string_view answer, double& error) {
  error = 0;
  if (ALPHANUMERIC != 'A') return;
  if (static_cast<std::int32_t>(kiosk::TrimRight(answer).size()) < MIN_LEN_STR) {
    ShowCheckMessage("Alphameric answer TOO SHORT at least " + std::to_string(MIN_LEN_STR) +
                     " are required.");
    error = 1;
  }
}

void QUESTION_ANSWER2(std::string_view descriptor, std::string_view /*label*/, Str255& answer,
                      std::int32_t maxLength, double& number, char kind, char displayL,
                      char displayA, std::int32_t labelFont, std::int32_t labelFont2) {
  LABEL_FONT = labelFont;
  LABEL_FONT2 = labelFont2;
  DISPLAYL = displayL;
  DISPLAYA = displayA;
  screen::EDITOR_FLAG = 0;
  LANG_FLAG = 0;
  if (descriptor.find('|') != std::string_view::npos) {
    TRANSFER_TO_DATA2(descriptor);
    ALPHANUMERIC = IFALPHA;
  } else {
    PLAIN_QUESTION(descriptor);
    ALPHANUMERIC = UpCase(kind);
    IFALPHA = ALPHANUMERIC;
    ANS_TYPE = (UpCase(kind) == 'A') ? 0 : 1;
  }
  // A line that takes no characters at all would also erase the current
  // answer; a descriptor without a maximum length gets the longest answer.
  MAXIMUM_LENGTH = MAX_LEN_STR > 0 ? MAX_LEN_STR : 255;

  ANSWER = answer;
  ANSL = answer;
  ANSR.clear();
  screen::ANS = answer;
  GET_RESPONSE2(answer, number);

  Str255 result = kiosk::TrimRight(ANSWER);
  if (maxLength >= 0 && result.size() > static_cast<std::size_t>(maxLength)) {
    result.set_length(static_cast<std::size_t>(maxLength));
  }
  answer = result;
}

void GET_RESPONSE2(Str255& answer, double& number) {
  for (;;) {
    // A new round starts with the cursor after the answer.
    ANSL = ANSWER;
    ANSR.clear();
    TAB_LENGTH = 5;
    ENDED_EARLY = false;
    PLINE2();
    PRINT_LABEL2();
    if (QUESTION.empty()) {
      answer = ANSWER;
      number = AnswerValue(ANSWER.view());
      return;
    }

    do {
      const char c = screen::ONKEY();
      const std::int32_t typed = static_cast<unsigned char>(c);
      A1 = typed;
      if (IsTypedCharacter(static_cast<unsigned char>(c), screen::KEY_WAS_CODE)) {
        // A character goes in as typed ("ã", "%"), never through the key
        // table, whose codes are those of function and control keys; it is
        // no editing key either ("Œ" is 140 like Pause, "®" 174 like Alt+C).
        INSERT_CHARACTER(c);
        screen::VALANS = key::kNone;
      } else {
        screen::VALANS = NormaliseKey(typed);
        if (IsInsertedCode(screen::VALANS)) {
          INSERT_CHARACTER(static_cast<char>(screen::VALANS));
        }
        if ((ALPHANUMERIC == 'A' || ALPHANUMERIC == 'N') &&
            !PassesKindFilter(ALPHANUMERIC, typed)) {
          screen::VALANS = key::kNone;
        }
      }
      CutToMaximum();
      MOVEIT();
      CutToMaximum();
      screen::ANS = ANSWER;
      answer = ANSWER;
      if (ENDED_EARLY) {
        number = AnswerValue(ANSWER.view());
        return;
      }
    } while (A1 != key::kEnter);

    if (IsStaffCode(ANSWER.view())) {
      screen::VALANS = key::kPause;
      screen::EDITOR_FLAG = 1;
      number = 0;
      LOW_LIMIT = 0;
      UP_LIMIT = 0;
      MIN_LEN_STR = 0;
      return;
    }
    number = AnswerValue(ANSWER.view());
    double errorB = 0, errorE = 0;
    TEST_B(errorB, 0, number);
    TEST_E(ANSWER.view(), errorE);
    if (errorB == 0 && errorE == 0) return;
    // Asked again with the answer kept.
  }
}

}  // namespace quesans2
