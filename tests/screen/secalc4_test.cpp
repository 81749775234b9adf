// The calculator driven by keys: immediate execution, the sign, the
// overflow message, the memory keys and the take-over question.
#include <algorithm>

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

// The calculator on the 1920 x 1080 screen the installation is laid out for.
class CalculatorLayoutTest : public CalculatorTest {
 protected:
  bool FixtureOpensWindow() const override { return false; }
  void SetUp() override {
    CalculatorTest::SetUp();
    graph::UseHeadless(1920, 1080);
    screen::INIT(3, 12);
  }
  struct Box {
    int x1 = 1 << 30, y1 = 1 << 30, x2 = -1, y2 = -1;
    bool Empty() const { return x2 < 0; }
  };
  // The pixels that differ between two screens, and their bounding box.
  static Box Changed(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b,
                     int* count = nullptr) {
    Box box;
    int n = 0;
    const int w = screen::MAXX + 1;
    for (std::size_t i = 0; i + 2 < a.size(); i += 3) {
      if (a[i] == b[i] && a[i + 1] == b[i + 1] && a[i + 2] == b[i + 2]) continue;
      const int x = static_cast<int>(i / 3) % w, y = static_cast<int>(i / 3) / w;
      box.x1 = std::min(box.x1, x), box.y1 = std::min(box.y1, y);
      box.x2 = std::max(box.x2, x), box.y2 = std::max(box.y2, y);
      ++n;
    }
    if (count) *count = n;
    return box;
  }
};

// Each line of the legend drawn alone: every one lies inside the prompt
// box's clear area, whole (not cut by the screen's edge), and apart from
// every other.
TEST_F(CalculatorLayoutTest, LegendLinesLieInsideThePromptBoxAndApart) {
  graph::ClearDevice();
  const std::vector<std::uint8_t> blank = graph::ScreenRgb();
  std::vector<Box> boxes;
  for (const LegendLine& line : Legend()) {
    graph::ClearDevice();
    WRITELEGEND(line);
    const Box b = Changed(blank, graph::ScreenRgb());
    ASSERT_FALSE(b.Empty()) << line.text;
    EXPECT_GE(b.x1, 4) << line.text;
    EXPECT_GE(b.y1, screen::MAXY - 62) << line.text;
    EXPECT_LE(b.x2, screen::MAXX - 3) << line.text;
    EXPECT_LE(b.y2, screen::MAXY - 3) << line.text;
    boxes.push_back(b);
  }
  const auto legend = Legend();
  for (std::size_t i = 0; i < boxes.size(); ++i)
    for (std::size_t j = i + 1; j < boxes.size(); ++j) {
      const Box &a = boxes[i], &b = boxes[j];
      const bool apart = a.x2 + 4 < b.x1 || b.x2 + 4 < a.x1 || a.y2 < b.y1 || b.y2 < a.y1;
      EXPECT_TRUE(apart) << legend[i].text << " meets " << legend[j].text;
    }
}

// Drawn over a framed screen and closed again: the calculator drew only in
// the prompt box's clear area, and closing it leaves that area empty and
// everything else as it was.
TEST_F(CalculatorLayoutTest, DrawsOnlyInThePromptBoxAndLeavesNoSpecks) {
  screen::FRAME4();
  screen::FNT0(250, 50, screen::MAXY - 40, 4, 0, 0, 30, 0, 0, "b", "Quantity:");
  screen::CLEAR_PROMPT();
  const std::vector<std::uint8_t> before = graph::ScreenRgb();
  MEMORY1 = 12345.5;
  DRAWCALCULATOR();
  DISPLAYCALC(-98765.25);  // digits, a sign and a point on the total line
  const Box drawn = Changed(before, graph::ScreenRgb());
  ASSERT_FALSE(drawn.Empty());
  EXPECT_GE(drawn.x1, 4);
  EXPECT_GE(drawn.y1, screen::MAXY - 62);
  EXPECT_LE(drawn.x2, screen::MAXX - 3);
  EXPECT_LE(drawn.y2, screen::MAXY - 3);

  double start = 0;
  kiosk::Str255 result = "kept";
  Type("\x1b");
  CALCULATEIT(start, result);
  EXPECT_TRUE(Changed(before, graph::ScreenRgb()).Empty()) << "the calculator left pixels behind";
}
