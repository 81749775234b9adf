#include <gtest/gtest.h>

#include <set>

#include "screen/primitives.h"

using namespace screen;

namespace {

class ClockTextTest : public ::testing::Test {
 protected:
  void TearDown() override { ResetForTest(); }
  void At(int year, int month, int day, int h, int m, int s) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = h;
    tm.tm_min = m;
    tm.tm_sec = s;
    SetTimeSource([tm] { return tm; });
  }
};

}  // namespace

TEST_F(ClockTextTest, TimeOnATwelveHourClock) {
  At(2024, 3, 7, 14, 5, 9);
  EXPECT_EQ(GETTIME(), "2:5:9 PM   ");
  At(2024, 3, 7, 12, 30, 5);
  EXPECT_EQ(GETTIME(), "0:30:5 PM   ");
  At(2024, 3, 7, 0, 0, 0);
  EXPECT_EQ(GETTIME(), "0:0:0 AM   ");
  At(2024, 3, 7, 11, 59, 59);
  EXPECT_EQ(GETTIME(), "11:59:59 AM   ");
  At(2024, 3, 7, 23, 59, 59);
  EXPECT_EQ(GETTIME(), "11:59:59 PM   ");
  EXPECT_LE(GETTIME().size(), 15u);  // fits the log's time field
}

TEST_F(ClockTextTest, DateIsDayMonthYear) {
  At(2024, 3, 7, 9, 0, 0);
  EXPECT_EQ(GETDATE(), "07/03/2024");
  At(1999, 12, 31, 9, 0, 0);
  EXPECT_EQ(GETDATE(), "31/12/1999");
}

TEST(Randit, FiveDigitsAndNotRepeatedWithinOneTick) {
  std::set<std::int32_t> seen;
  for (int i = 0; i < 200; ++i) {
    std::int32_t n = 0;
    RANDIT(n);
    EXPECT_GE(n, 10000);
    EXPECT_LT(n, 99999);
    seen.insert(n);
  }
  EXPECT_GT(seen.size(), 150u);
}
