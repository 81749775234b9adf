#include <gtest/gtest.h>

#include "common/clock.h"
#include "screen/primitives.h"

using namespace screen;

namespace {

std::int32_t ToInt(double r) {
  std::int32_t n = -1;
  REALTOINTEGER(n, r);
  return n;
}

std::int16_t ToShort(double r) {
  std::int16_t n = -1;
  REALTOSINTEGER(n, r);
  return n;
}

double ToReal(std::string_view t) {
  double r = -1;
  STRINGTOREAL(t, r);
  return r;
}

}  // namespace

TEST(RealToInteger, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(ToInt(2.5), 3);
  EXPECT_EQ(ToInt(-2.5), -3);
  EXPECT_EQ(ToInt(2.4999), 2);
  EXPECT_EQ(ToInt(9.6), 10);
  EXPECT_EQ(ToInt(99.5), 100);
  EXPECT_EQ(ToInt(-0.4), 0);
  EXPECT_EQ(ToInt(32767.4), 32767);
  EXPECT_EQ(ToInt(-32767.4), -32767);
}

TEST(RealToInteger, OutOfRangeGivesZero) {
  kiosk::clock::UseVirtualTime(true);
  EXPECT_EQ(ToInt(40000), 0);
  EXPECT_EQ(ToInt(-40000), 0);
  EXPECT_EQ(ToInt(32768), 0);
  // Rounds up to 32768, which no result may hold.
  EXPECT_EQ(ToInt(32767.6), 0);
  EXPECT_EQ(ToShort(32767.6), 0);
  EXPECT_EQ(ToShort(-32767.6), 0);
  EXPECT_EQ(ToShort(1e300), 0);
  kiosk::clock::Reset();
}

TEST(RealToInteger, ExactlyTheLimitPausesAsAFailedConversion) {
  kiosk::clock::UseVirtualTime(true);
  std::int64_t before = kiosk::clock::NowMs();
  EXPECT_EQ(ToInt(32768), 0);
  EXPECT_EQ(kiosk::clock::NowMs() - before, 50);
  before = kiosk::clock::NowMs();
  EXPECT_EQ(ToInt(1234.2), 1234);
  EXPECT_EQ(kiosk::clock::NowMs(), before);
  kiosk::clock::Reset();
}

TEST(RealToInteger, SixteenBitFollowsTheSameRules) {
  EXPECT_EQ(ToShort(-2.5), -3);
  EXPECT_EQ(ToShort(32767.4), 32767);
  EXPECT_EQ(ToShort(40000), 0);
}

TEST(StringToReal, SkipsLeadingBlanksAndRejectsNonNumbers) {
  const std::pair<const char*, double> cases[] = {
      {"  12.5", 12.5}, {"-3", -3}, {".5", 0.5}, {"1e2", 100}, {"7 ", 7},  {"", 0},      {"abc", 0},
      {"12abc", 0},     {"1 2", 0}, {"-", 0},    {"1e", 0},    {"nan", 0}, {"1e999", 0},
  };
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(ToReal(text), value) << '"' << text << '"';
}

TEST(StringToReal, CombinedWithRounding) {
  double r = 0;
  std::int32_t n = 0;
  STRINGTORI(" 2.5", r, n);
  EXPECT_DOUBLE_EQ(r, 2.5);
  EXPECT_EQ(n, 3);
  std::int16_t s = 0;
  STRINGTOSRI("x", r, s);
  EXPECT_DOUBLE_EQ(r, 0);
  EXPECT_EQ(s, 0);
  Str255 t;
  INTEGERTOSTRING(-42, t);
  EXPECT_EQ(t, "-42");
}
