#include "common/shortstr.h"

#include <gtest/gtest.h>

namespace kiosk {
namespace {

TEST(ShortStr, CutsInsteadOfOverflowing) {
  ShortStr<5> s("abcdefgh");
  EXPECT_EQ(s.view(), "abcde");
  s.append("xyz");
  EXPECT_EQ(s.view(), "abcde");
  ShortStr<5> t("ab");
  t += "cdefg";
  EXPECT_EQ(t.view(), "abcde");
  t.set(7, 'q');  // outside the field: ignored
  EXPECT_EQ(t[7], '\0');
}

TEST(ShortStr, StoredImageIsLengthThenCharacters) {
  ShortStr<4> s("hi");
  unsigned char raw[5];
  s.store(raw);
  EXPECT_EQ(raw[0], 2);
  EXPECT_EQ(raw[1], 'h');
  EXPECT_EQ(raw[3], 0);  // tail zeroed on assignment
  raw[0] = 200;          // a damaged length byte is cut to the field
  ShortStr<4> back;
  back.load(raw);
  EXPECT_EQ(back.size(), 4u);
}

TEST(ShortStr, DamagedLengthByteInARecordNeverReadsPastTheField) {
  struct Rec {
    ShortStr<3> a;
    ShortStr<3> b;
  } rec;
  rec.b = "xyz";
  reinterpret_cast<unsigned char*>(&rec)[0] = 250;  // as a damaged disk gives it
  EXPECT_EQ(rec.a.size(), 3u);
  EXPECT_EQ(rec.a.view().size(), 3u);
  rec.a.append("q");  // full: nothing spills into the next field
  EXPECT_EQ(rec.b.view(), "xyz");
}

TEST(ShortStr, AssignFromItsOwnTail) {
  ShortStr<10> s("0123456789");
  s = s.view().substr(3);
  EXPECT_EQ(s.view(), "3456789");
}

}  // namespace
}  // namespace kiosk
