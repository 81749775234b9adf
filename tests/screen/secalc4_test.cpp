// The calculator driven by keys: immediate execution, the sign, the
// overflow message, the memory keys and the take-over question.
#include "common/clock.h"
#include "tests/screen/quesans2_fixture.h"

using namespace secalc4;

namespace {
// The three overflow tones last 4650 ms.
constexpr std::int64_t kOverflowTones = 2050 + 550 + 2050;
}  // namespace

class CalculatorTest : public AnswerTest {
 protected:
  // Runs the calculator on the keys (Escape appended) from a memory value.
  void Run(std::string_view keys, double memory = 0) {
    MEMORY1 = memory;
    Type(keys);
    Type("\x1b");
    CALCULATOR();
    EXPECT_TRUE(ScriptUsedUp());
  }
};

TEST_F(CalculatorTest, OperatorsApplyInTheOrderTyped) {
  Run("12+3*2=");
  EXPECT_EQ(TOTAL, 30);
  EXPECT_EQ(NUM1, 30);
  EXPECT_EQ(TOTALS, "30.000");
}

TEST_F(CalculatorTest, DigitAfterEqualsStartsANewTotalAndAnOperatorContinues) {
  Run("2+3=4+");
  EXPECT_EQ(TOTAL, 4);
  Run("2+3=+1=");
  EXPECT_EQ(TOTAL, 6);
  Run("7.5-0.25\r");  // Enter works as "="
  EXPECT_EQ(TOTAL, 7.25);
}

TEST_F(CalculatorTest, MinusFirstIsTheSignOfTheEntry) {
  Run("-5+");
  EXPECT_EQ(TOTAL, -5);
  Run("10*-2=");  // after "*" a "-" is the sign too
  EXPECT_EQ(TOTAL, -20);
}

TEST_F(CalculatorTest, DivisionByZeroShowsTheOverflowAndResets) {
  const std::int64_t before = kiosk::clock::NowMs();
  Run("12/0=", 3);
  EXPECT_GE(kiosk::clock::NowMs() - before, kOverflowTones);
  EXPECT_EQ(TOTAL, 0);
  EXPECT_EQ(TOTALS, "0.000");
  EXPECT_EQ(MEMORY1, 3);  // the reset keeps the memory
  EXPECT_EQ(LASTOPERATOR, '+');
}

TEST_F(CalculatorTest, TooLongValuesAndBadEntriesOverflow) {
  std::int64_t before = kiosk::clock::NowMs();
  Run("99999999999+1=");  // 100000000000.000 has 16 characters
  EXPECT_GE(kiosk::clock::NowMs() - before, kOverflowTones);
  EXPECT_EQ(TOTAL, 0);

  before = kiosk::clock::NowMs();
  Run("99999999999=");  // 15 characters still fit
  EXPECT_LT(kiosk::clock::NowMs() - before, kOverflowTones);
  EXPECT_EQ(TOTAL, 99999999999.0);

  before = kiosk::clock::NowMs();
  Run("1.2.");  // a second point
  EXPECT_GE(kiosk::clock::NowMs() - before, kOverflowTones);
  EXPECT_EQ(DISPLAYSTRING, "0");

  Run(".5+1=");  // a point first is not an error
  EXPECT_EQ(TOTAL, 1.5);
}

TEST_F(CalculatorTest, EntryKeys) {
  Run("123\b\b4+");  // Backspace takes the last digit
  EXPECT_EQ(TOTAL, 14);
  Run("9E3+");  // E clears the entry
  EXPECT_EQ(TOTAL, 3);
  Run("5+C3+");  // Clear all: the next entry starts the total
  EXPECT_EQ(TOTAL, 3);
  Run("5+C", 8);
  EXPECT_EQ(MEMORY1, 0);
}

TEST_F(CalculatorTest, MemoryKeys) {
  Run("+<", 7);  // "+" then "<": the memory added to the total
  EXPECT_EQ(TOTAL, 7);
  Run("5+<=", 7);
  EXPECT_EQ(TOTAL, 12);
  Run("5+-<", 2);  // total minus memory
  EXPECT_EQ(TOTAL, 3);
  Run("<*2=", 7);  // "<" first: memory to total, "*" pending
  EXPECT_EQ(TOTAL, 14);
  Run("6>", 1);  // total to memory
  EXPECT_EQ(MEMORY1, 6);
  Run("5M=", 7);  // clearing the memory leaves the entry counted once
  EXPECT_EQ(MEMORY1, 0);
  EXPECT_EQ(TOTAL, 5);
}

TEST_F(CalculatorTest, MemoryKeysNeverLoopOrFail) {
  const std::int64_t before = kiosk::clock::NowMs();
  Run("8/<", 0);  // a memory of 0 divides like "/" by 0
  EXPECT_GE(kiosk::clock::NowMs() - before, kOverflowTones);
  EXPECT_EQ(TOTAL, 0);

  Run("<<5+", 7);  // "<" taken as the pending operator
  EXPECT_EQ(TOTAL, 7);
  Run("12+3M2=", 7);  // "M" left pending
  EXPECT_EQ(MEMORY1, 0);
  EXPECT_EQ(TOTAL, 15);
}

TEST_F(CalculatorTest, AnyOtherKeyQuits) {
  Type("4+5+Q");
  CALCULATOR();
  EXPECT_EQ(TOTAL, 9);
  EXPECT_TRUE(ScriptUsedUp());
}

TEST_F(CalculatorTest, TakeOverQuestion) {
  double start = 7;
  kiosk::Str255 result = "kept";
  Type("<*2=\x1b" "a");  // menu keys are taken in either case
  CALCULATEIT(start, result);
  EXPECT_EQ(start, 14);
  EXPECT_EQ(result, "      14.000");

  start = 12.5;
  Type("+<\x1b" "A");
  CALCULATEIT(start, result);
  EXPECT_EQ(result, "      12.500");

  start = 3;
  result = "kept";
  Type("4=\x1b" "B");
  CALCULATEIT(start, result);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(result, "kept");
  EXPECT_TRUE(ScriptUsedUp());
}

TEST_F(CalculatorTest, LeavingWithAZeroTotalAsksNothing) {
  double start = 5;
  kiosk::Str255 result = "kept";
  Type("\x1b");
  CALCULATEIT(start, result);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(result, "kept");
  EXPECT_EQ(MEMORY1, 5);
  EXPECT_TRUE(ScriptUsedUp());
}

TEST(CalculatorText, FixedText) {
  EXPECT_EQ(FixedText(12.5, 12, 3), "      12.500");
  EXPECT_EQ(FixedText(-0.0, 0, 3), "0.000");
  EXPECT_EQ(FixedText(-3.25, 0, 3), "-3.250");
}
