// Error numbers to "dberr" lines and the composed message.
#include <gtest/gtest.h>

#include <vector>

#include "isam/dberrors.h"

namespace {

class DberrorsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dberrors::ResetForTest();
    dberrors::SetDberrFetcher([this](int line) {
      fetched.push_back(line);
      return kiosk::Str255("text of line " + std::to_string(line));
    });
  }
  void TearDown() override { dberrors::ResetForTest(); }
  std::vector<int> fetched;
};

TEST_F(DberrorsTest, LineTable) {
  EXPECT_EQ(dberrors::IsamErrorLine(10230), 38);
  EXPECT_EQ(dberrors::IsamErrorLine(10250), 39);
  EXPECT_EQ(dberrors::IsamErrorLine(10240), 39);
  EXPECT_EQ(dberrors::IsamErrorLine(10001), 9);
  EXPECT_EQ(dberrors::IsamErrorLine(10009), 9);
  EXPECT_EQ(dberrors::IsamErrorLine(10011), 0);
  EXPECT_EQ(dberrors::IsamErrorLine(200), 1);
  EXPECT_EQ(dberrors::IsamErrorLine(199), 0);
  EXPECT_EQ(dberrors::IsamErrorLine(10125), 14);
  EXPECT_EQ(dberrors::IsamErrorLine(10356), 20);
  EXPECT_EQ(dberrors::IsamErrorLine(10323), 45);
  EXPECT_EQ(dberrors::IsamErrorLine(10341), 50);
  EXPECT_EQ(dberrors::IsamErrorLine(10399), 52);
  EXPECT_EQ(dberrors::IsamErrorLine(10465), 67);
  EXPECT_EQ(dberrors::IsamErrorLine(10122), 0);
  EXPECT_EQ(dberrors::IsamErrorLine(10451), 0);
  // Every line 1..67 belongs to some number.
  std::vector<bool> used(68, false);
  for (int e = 0; e < 11000; ++e) used[dberrors::IsamErrorLine(e)] = true;
  for (int l = 1; l <= 67; ++l) EXPECT_TRUE(used[l]) << l;
}

TEST_F(DberrorsTest, ComposedMessage) {
  dberrors::IsamErrorNum(9903);
  ASSERT_EQ(fetched, std::vector<int>{5});
  EXPECT_EQ(dberrors::IsamErrorText, "text of line 5");
  EXPECT_EQ(dberrors::IsamEMessage, " Error #  9903 text of line 5");
  dberrors::IsamErrorNum(10011);
  EXPECT_EQ(fetched.size(), 1u);  // nothing fetched for a number without a line
  EXPECT_EQ(dberrors::IsamErrorText, "");
  EXPECT_EQ(dberrors::IsamEMessage, " Error # 10011 ");
}

TEST_F(DberrorsTest, LongTextsAreCut) {
  dberrors::SetDberrFetcher([](int) { return kiosk::Str255(std::string(200, 'x')); });
  dberrors::IsamErrorNum(10010);
  EXPECT_EQ(dberrors::IsamErrorText.size(), 80u);
  EXPECT_EQ(dberrors::IsamEMessage.size(), 80u);
}

}  // namespace
