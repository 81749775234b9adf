// The shared text and number steps: the byte-level rules every module's
// fields and files depend on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "common/clock.h"
#include "common/numtext.h"
#include "common/text.h"

namespace kiosk {
namespace {

TEST(TextHelpers, TrimsTakeBlanksOnly) {
  EXPECT_EQ(TrimRight("  ab  "), "  ab");
  EXPECT_EQ(TrimLeft("  ab  "), "ab  ");
  EXPECT_EQ(Trim("  ab  "), "ab");
  EXPECT_EQ(Trim("    "), "");
  EXPECT_EQ(TrimRight("ab\t\r\n"), "ab\t\r\n");  // tabs and line ends are data
}

TEST(TextHelpers, AsciiUpperCaseLeavesAccentsAlone) {
  EXPECT_EQ(UpperAscii("caf\xE9 zone{}"), "CAF\xE9 ZONE{}");
  EXPECT_EQ(UpCase('z'), 'Z');
  EXPECT_EQ(UpCase('\xFF'), '\xFF');
}

TEST(TextHelpers, Cp1252UpperCaseRaisesAccentedLetters) {
  EXPECT_EQ(UpperCp1252("caf\xE9 \xE0\xFE"), "CAF\xC9 \xC0\xDE");
  EXPECT_EQ(UpperCp1252("\xF7"), "\xF7");  // the division sign is no letter
  EXPECT_EQ(UpperCp1252("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F");
  EXPECT_EQ(UpperCp1252("\xDF"), "\xDF");  // sharp s has no upper case byte
  std::string out = "X";
  AppendUpperCp1252(out, "ab");
  EXPECT_EQ(out, "XAB");
}

TEST(NumberText, TextToNumberWithTheKiosksRules) {
  EXPECT_EQ(TextToReal("  12.5  "), 12.5);
  EXPECT_EQ(TextToReal("-1e2"), -100);
  EXPECT_EQ(TextToReal("12a"), 0);
  EXPECT_EQ(TextToReal("1e999"), 0);  // not finite
  EXPECT_EQ(TextToWhole(" 2.5"), 3);
  EXPECT_EQ(TextToWhole("-2.5"), -3);
  EXPECT_EQ(TextToWhole("32767.4"), 32767);
  EXPECT_EQ(TextToWhole("32767.5"), 0);
  EXPECT_EQ(RealToShort(-32767), -32767);
  // The same reading, telling "0" from a text that is no number.
  double r = 7;
  EXPECT_TRUE(ReadReal(" 0 ", r));
  EXPECT_EQ(r, 0);
  EXPECT_TRUE(ReadReal("7e1", r));
  EXPECT_EQ(r, 70);
  r = 7;
  for (const char* none : {"", "  ", "12,5", "1e999", ".", "1.5x"}) EXPECT_FALSE(ReadReal(none, r)) << none;
  EXPECT_EQ(r, 7);
}

TEST(NumberText, DecimalTextsReadToTheSameBitsAsTheLibrary) {
  // Short decimals are read without the library call; every value must be
  // the one it gives, to the last bit (signs, zeros and points anywhere).
  std::mt19937 gen(5);
  auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
  for (int i = 0; i < 20000; ++i) {
    std::string t = i % 3 == 0 ? "-" : i % 7 == 0 ? "+" : "";
    const int digits = in(1, 17), point = in(0, digits + 1);
    for (int k = 0; k < digits; ++k) {
      if (k == point) t += '.';
      t += static_cast<char>('0' + (k < 2 && i % 5 == 0 ? 0 : in(0, 9)));
    }
    if (point == digits) t += '.';
    const double want = std::strtod(t.c_str(), nullptr);
    const double got = TextToReal(t);
    EXPECT_EQ(std::memcmp(&want, &got, sizeof want), 0) << t << " read as " << got;
  }
}

TEST(NumberText, ExactlyTheLimitCostsAPause) {
  clock::UseVirtualTime(true);
  const std::int64_t before = clock::NowMs();
  EXPECT_EQ(RealToWhole(-32768), 0);
  EXPECT_EQ(clock::NowMs() - before, 50);
  EXPECT_EQ(RealToWhole(40000), 0);
  EXPECT_EQ(clock::NowMs() - before, 50);
  clock::Reset();
}

}  // namespace
}  // namespace kiosk
