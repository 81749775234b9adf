// The answer engine driven by keys: descriptors, editing keys, the checks on
// Enter, the staff code, and the calculator and language menu called up from
// an answer.
#include <string>

#include "common/clock.h"
#include "common/cp1252.h"
#include "screen/keys.h"
#include "tests/screen/quesans2_fixture.h"

using quesans2::QUESTION_ANSWER2;

namespace {

// A full descriptor: no screen label, answer colour 139, value 5..999,
// text length 2..20.
std::string Descriptor(int low = 5, const char* high = "999", int minLen = 2) {
  return "Price?|Price|51|0|100|300|128|1|250|139|" + std::to_string(low) + "|" + high + "|" +
         std::to_string(minLen) + "|20|0|0|0|0|0|N|N|30|30|b";
}

}  // namespace

TEST_F(AnswerTest, PlainQuestionTakesTheDefaultsAndFiftyFiveCharacters) {
  // 53 characters to start with; four more are typed, two of them too many.
  const std::string start(53, 'a');
  Type("wxyz\r");
  double number = -1;
  kiosk::Str255 answer = AskPlain(start, 'a', &number);
  EXPECT_EQ(answer, start + "wx");
  EXPECT_EQ(screen::VALANS, screen::key::kEnter);
  EXPECT_EQ(number, 0);

  using namespace quesans2;
  EXPECT_EQ(QUESTION, "Name?");
  EXPECT_EQ(SCREEN_LABEL, "Name?");
  EXPECT_EQ(QUESTION_COLOR, 253);
  EXPECT_EQ(LABEL_X, 50);
  EXPECT_EQ(LABEL_Y, 100);
  EXPECT_EQ(ANS_XI, 250);
  EXPECT_EQ(LABEL_COLOR, 250);
  EXPECT_EQ(ANS_COLOR, 253);
  EXPECT_EQ(LOW_LIMIT, 0);
  EXPECT_EQ(UP_LIMIT, 1000000000.0);
  EXPECT_EQ(MIN_LEN_STR, 0);
  EXPECT_EQ(MAX_LEN_STR, 55);
  EXPECT_EQ(RIGHT_JUSTIFY, "N");
  EXPECT_EQ(FONT_SIZE_LABEL, 0);
  EXPECT_EQ(FONT_SIZEA, 0);
  EXPECT_EQ(BIU, "0");
  EXPECT_EQ(ALPHANUMERIC, 'A');  // the kind is upper-cased and remembered
  EXPECT_EQ(IFALPHA, 'A');
}

TEST_F(AnswerTest, TypingIntoAFullAnswerKeepsTheCutAndPutsTheCursorAtTheEnd) {
  const std::string start(55, 'a');
  // The cursor two places from the end; the typed X pushes the last "a" out,
  // after which the cursor stands at the end, so Y goes nowhere.
  Left(2);
  Type("XY\r");
  EXPECT_EQ(AskPlain(start), std::string(53, 'a') + "Xa");
}

TEST_F(AnswerTest, DescriptorFieldsAndBadNumbers) {
  Type("\r");
  AskDescriptor("Q|L|abc|12|34|56|7|8|9|10|-3|12.5|2|9|0|0|0|0|0|y|N|x|24|bi", "ok");
  using namespace quesans2;
  EXPECT_EQ(QUESTION_COLOR, 0);  // "abc" is no number
  EXPECT_EQ(LABEL_X, 12);
  EXPECT_EQ(ANS_X, "56");
  EXPECT_EQ(ANS_XI, 56);
  EXPECT_EQ(LABEL_COLOR, 9);  // field 9 replaces field 7
  EXPECT_EQ(ANS_TYPE, 8);
  EXPECT_EQ(LOW_LIMIT, -3);
  EXPECT_EQ(UP_LIMIT, 12.5);
  EXPECT_EQ(MAX_LEN_STR, 9);
  EXPECT_EQ(RIGHT_JUSTIFY, "Y");
  EXPECT_EQ(FONT_SIZE_LABEL, 0);
  EXPECT_EQ(FONT_SIZEA, 24);
  EXPECT_EQ(BIU, "bi");
  EXPECT_EQ(ALPHANUMERIC, '\0');  // no plain question asked yet: no kind
}

TEST_F(AnswerTest, NumberAnswerIsAsLongAsItsHighestValueWithThreeDecimals) {
  quesans2::IFALPHA = 'N';  // as left by an earlier plain number question
  Type("123456789\r");
  double number = 0;
  kiosk::Str255 answer = AskDescriptor(Descriptor(0, "999"), "", &number);
  EXPECT_EQ(quesans2::MAXIMUM_LENGTH, 7);  // 999.000
  EXPECT_EQ(answer, "1234567");
  EXPECT_EQ(number, 1234567);

  EXPECT_EQ(quesans2::NumberMaxLength(1000000000.0), 14);
  EXPECT_EQ(quesans2::NumberMaxLength(-5), 6);
}

TEST_F(AnswerTest, NumberBelowTheLowestValueIsAskedAgainAfterTheMessage) {
  quesans2::IFALPHA = 'N';
  // 3 is below 5: message, then the same answer is edited again.
  Type("3\r");
  Code(80);  // Down: neither a character nor an editing key here
  Type("\b7\r");
  const std::int64_t before = kiosk::clock::NowMs();
  double number = 0;
  kiosk::Str255 answer = AskDescriptor(Descriptor(5), "", &number);
  EXPECT_GE(kiosk::clock::NowMs() - before, 5000);
  EXPECT_EQ(answer, "7");
  EXPECT_EQ(number, 7);
  EXPECT_EQ(screen::VALANS, screen::key::kEnter);
  EXPECT_TRUE(ScriptUsedUp());
}

TEST_F(AnswerTest, LetterInNumberAnswerCountsAsZero) {
  quesans2::IFALPHA = 'N';
  // "a" is inserted but is worth 0, below the lowest value 1; a digit passes.
  Type("a\r\b4\r");
  double number = 0;
  EXPECT_EQ(AskDescriptor(Descriptor(1), "", &number), "4");
  EXPECT_EQ(number, 4);
}

TEST_F(AnswerTest, MinimumLengthAsksAgainButAnEmptyAnswerEndsWithoutChecks) {
  quesans2::IFALPHA = 'A';
  Type("a\rb\r");
  const auto [shortAnswer, warned] = TimedAnswer(Descriptor(0, "999", 2));
  EXPECT_EQ(shortAnswer, "ab");
  EXPECT_GE(warned, 5000);  // the message stood for its 5 seconds
  Type("\r");
  const auto [empty, quick] = TimedAnswer(Descriptor(0, "999", 3));
  EXPECT_EQ(empty, "");
  EXPECT_LT(quick, 5000);
  EXPECT_EQ(screen::VALANS, screen::key::kEnter);
}

TEST_F(AnswerTest, StaffCodeInLowerCaseLeavesWithPause) {
  Type("~kkkvvv\r");
  double number = -1;
  kiosk::Str255 answer = AskPlain("", 'A', &number);
  EXPECT_EQ(screen::VALANS, screen::key::kPause);
  EXPECT_EQ(screen::EDITOR_FLAG, 1);
  EXPECT_EQ(number, 0);
  EXPECT_EQ(answer, "~kkkvvv");
  EXPECT_EQ(quesans2::UP_LIMIT, 0);
  EXPECT_EQ(quesans2::MAX_LEN_STR, 55);

  // The next question starts with the flag cleared.
  Type("x\r");
  AskPlain("");
  EXPECT_EQ(screen::EDITOR_FLAG, 0);
  EXPECT_EQ(screen::VALANS, screen::key::kEnter);
}

TEST_F(AnswerTest, AnswerStartingWithTildeIsNotShown) {
  quesans2::IFALPHA = 'X';  // no checks
  Type("~abc\r");
  AskDescriptor(Descriptor(), "");
  EXPECT_EQ(PromptPixels(139), 0);
  EXPECT_GT(PromptPixels(51), 0);   // the question
  EXPECT_GT(PromptPixels(220), 0);  // the underscores

  Type("abc\r");
  AskDescriptor(Descriptor(), "");
  EXPECT_GT(PromptPixels(139), 0);
}

TEST_F(AnswerTest, FunctionKeyIsPartOfATextAnswer) {
  Type("a");
  Code(59);  // F1
  Type("\r");
  kiosk::Str255 answer = AskPlain("");
  ASSERT_EQ(answer.size(), 2u);
  EXPECT_EQ(static_cast<unsigned char>(answer[1]), 187);
  EXPECT_EQ(screen::VALANS, screen::key::kEnter);
}

// Every accented letter of French, Italian, Spanish and Portuguese, both
// cases, and the other characters of their words, in Windows-1252.
std::string Cp1252(std::string_view utf8) { return kiosk::Utf8ToCp1252(utf8); }
const char* const kAccentedLetters[] = {
    "àâæçéèêëîïôœùûüÿ", "ÀÂÆÇÉÈÊËÎÏÔŒÙÛÜŸ",  // French
    "àèéìíîòóù", "ÀÈÉÌÍÎÒÓÙ",                // Italian
    "áéíóúüñ¿¡ºª", "ÁÉÍÓÚÜÑ",                // Spanish
    "ãõâêôáéíóúàç", "ÃÕÂÊÔÁÉÍÓÚÀÇ",          // Portuguese
};

TEST_F(AnswerTest, TypedCharactersGoInAsTypedWhateverTheirCode) {
  for (const char* letters : kAccentedLetters) {
    const std::string typed = Cp1252(letters);
    for (char kind : {'A', 'X'}) {
      Type(typed + "\r");
      EXPECT_EQ(AskPlain("", kind), typed) << letters << " kind " << kind;
    }
  }
  // A number answer takes them as well (and counts them as 0).
  Type(Cp1252("pão\r"));
  EXPECT_EQ(AskPlain("", 'N'), Cp1252("pão"));
  // "%" and the punctuation of product words; "€" too.
  Type(Cp1252("5% fat: 2,50 € (l'unité)\r"));
  EXPECT_EQ(AskPlain(""), Cp1252("5% fat: 2,50 € (l'unité)"));
  // Characters whose codes the editing keys also use stay characters: "Œ"
  // (Pause's 140) does not end the answer, "®" (Alt+C's 174) opens no
  // calculator, "²" (Alt+M's 178) no language menu, "¥" (Home's 165) moves
  // no cursor.
  Type(Cp1252("12Œ®²¥x\r"));
  EXPECT_EQ(AskPlain(""), Cp1252("12Œ®²¥x"));
  EXPECT_EQ(screen::VALANS, screen::key::kEnter);
  EXPECT_EQ(quesans2::LANG_FLAG, 0);
  EXPECT_TRUE(ScriptUsedUp());
}

TEST_F(AnswerTest, KeysOfCodesStillEditAndTheFieldSeparatorIsRefused) {
  // The same codes arriving as 0 plus a code are the keys: Left (75 -> 203)
  // and Delete (83 -> 211) edit "pão", Pause (12 -> 140) ends it.
  Type(Cp1252("pão"));
  Left(3);
  Code(83);
  Type("P");
  Code(kiosk_test::kPause);
  EXPECT_EQ(AskPlain(""), Cp1252("Pão"));
  // "|" would split an exchange or layout line: it never gets in.
  Type("a|b\r");
  EXPECT_EQ(AskPlain(""), "ab");
}

TEST_F(AnswerTest, CursorKeysEditInTheMiddle) {
  Left(2);
  Type("X");
  Code(77);  // Right
  Type("Y\r");
  EXPECT_EQ(AskPlain("abc"), "aXbYc");

  // Delete takes the character right of the cursor; Right stops at the end.
  Left(3);
  Code(83);
  Code(77);
  Code(77);
  Code(77);
  Type("!\r");
  EXPECT_EQ(AskPlain("abcd"), "acd!");
}

TEST_F(AnswerTest, BackspaceRemovesTheLastCharacterWhereverTheCursorIs) {
  Left(2);
  Type("\bX\r");
  EXPECT_EQ(AskPlain("abcd"), "abcX");
}

TEST_F(AnswerTest, TabInsertsFiveBlanksAtTheCursor) {
  Left(1);
  Type("\t\r");
  EXPECT_EQ(AskPlain("ab"), "a     b");
}

TEST_F(AnswerTest, CtrlEndAndCtrlHomeKeepOneSideOfTheCursor) {
  Left(2);
  Code(117);  // Ctrl+End
  Type("\r");
  EXPECT_EQ(AskPlain("abcdef"), "abcd");

  Left(2);
  Code(119);  // Ctrl+Home: the cursor ends after what is left
  Type("X\r");
  EXPECT_EQ(AskPlain("abcdef"), "efX");
}

TEST_F(AnswerTest, PauseEndsTheInputLikeEnter) {
  Type("abc");
  Code(12);
  EXPECT_EQ(AskPlain(""), "abc");
  EXPECT_EQ(screen::VALANS, screen::key::kEnter);
}

TEST_F(AnswerTest, EscapeEmptiesTheAnswerOnlyWhereNoKindFilterApplies) {
  Type("\x1b\r");
  EXPECT_EQ(AskPlain("abc", 'A'), "abc");  // a text answer ignores Escape

  // In an answer of neither kind, Escape empties it for good: the old text
  // does not come back with the next key.
  Type("\x1bz\r");
  EXPECT_EQ(AskPlain("abc", 'X'), "z");
}

TEST_F(AnswerTest, AltMOpensTheLanguageMenuOnlyInAnswersOfNeitherKind) {
  Code(50);
  Type("\r");
  EXPECT_EQ(AskPlain("ab", 'A'), "ab");
  EXPECT_EQ(screen::VALANS, screen::key::kEnter);
  EXPECT_EQ(quesans2::LANG_FLAG, 0);

  // Menu 49 "Change", then French from menu 47.
  Code(50);
  Type("BB");
  EXPECT_EQ(AskPlain("ab", 'X'), "ab");
  EXPECT_EQ(screen::VALANS, screen::key::kNone);
  EXPECT_EQ(quesans2::LANG_FLAG, 178);
  EXPECT_EQ(screen::LANGUAGE2, 2);
  EXPECT_EQ(cfgfiles::LANG, 2);
  EXPECT_TRUE(ScriptUsedUp());
}

TEST_F(AnswerTest, AltCOnAZeroAnswerDoesNothing) {
  Code(46);
  Type("5\r");
  EXPECT_EQ(AskPlain(""), "5");
  Code(46);
  Type("\r");
  EXPECT_EQ(AskPlain("0"), "0");
  EXPECT_TRUE(ScriptUsedUp());
}

TEST_F(AnswerTest, CalculatorTotalTakenOverAsItsWholePart) {
  // The answer 10 goes into the memory; 12.5 "=" then Escape, item A.
  Code(46);
  Type("12.5=\x1b" "A\r");
  double number = 0;
  kiosk::Str255 answer = AskPlain("10", 'A', &number);
  EXPECT_EQ(answer, "      12");
  EXPECT_EQ(number, 12);
  EXPECT_EQ(secalc4::MEMORY1, 10);

  // Discarded (item B): the answer stays.
  Code(46);
  Type("3=\x1b" "B\r");
  EXPECT_EQ(AskPlain("10"), "10");
}

TEST_F(AnswerTest, CalculatorTotalTooLongForANumberLineLosesItsBlanksNotItsDigits) {
  quesans2::IFALPHA = 'N';
  Code(46);
  Type("25=\x1b" "A\r");
  double number = 0;
  EXPECT_EQ(AskDescriptor(Descriptor(0, "999"), "4", &number), "25");
  EXPECT_EQ(number, 25);
}

TEST_F(AnswerTest, AnswerIsCutToTheCallersLength) {
  Type("abcdef  \r");
  kiosk::Str255 answer;
  double number = 0;
  QUESTION_ANSWER2("Word?", "", answer, 4, number, 'A', 'X', 'X', 4, 8);
  EXPECT_EQ(answer, "abcd");
  Type("ab  \r");
  answer.clear();
  QUESTION_ANSWER2("Word?", "", answer, 40, number, 'A', 'X', 'X', 4, 8);
  EXPECT_EQ(answer, "ab");  // trailing blanks removed
}

TEST_F(AnswerTest, LabelLineShowsLabelAndAnswerOnlyWhenAsked) {
  // A plain question's label line: label at (50, 100) in colour 250, the
  // answer from x 250 in colour 253.
  Type("abc\r");
  kiosk::Str255 answer;
  double number = 0;
  QUESTION_ANSWER2("Name?", "", answer, 255, number, 'A', 'x', 'x', 4, 8);
  EXPECT_EQ(Pixels(250, 99, 600, 130, 253), 0);
  EXPECT_EQ(Pixels(5, 99, 249, 130, 250), 0);

  Type("abc\r");
  answer.clear();
  QUESTION_ANSWER2("Name?", "", answer, 255, number, 'A', 'd', 'D', 4, 8);
  EXPECT_GT(Pixels(250, 99, 600, 130, 253), 0);
  EXPECT_GT(Pixels(5, 99, 249, 130, 250), 0);
}

// A question that shows neither label nor answer leaves the screen above
// the prompt box as it is: the search screen's store logo sits on a plain
// question's label line.
TEST_F(AnswerTest, AQuestionShowingNothingLeavesItsLabelLineAlone) {
  graph::SetFillStyle(1, screen::ColorValue(kiosk_test::kGreen));
  graph::Bar(0, 80, static_cast<std::int16_t>(screen::MAXX), 150);
  const int green = Pixels(0, 80, screen::MAXX, 150, kiosk_test::kGreen);
  for (char display : {' ', 'X', 'N'}) {
    Type("milk\r");
    kiosk::Str255 answer = "start";
    double number = 0;
    QUESTION_ANSWER2("What are you looking for?", "", answer, 255, number, 'A', display, display, 4, 8);
    EXPECT_EQ(answer, "startmilk");
    EXPECT_EQ(Pixels(0, 80, screen::MAXX, 150, kiosk_test::kGreen), green) << "display " << display;
  }
}
