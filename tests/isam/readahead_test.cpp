// Reading ahead during a walk: the records read are the file's, whatever
// was written, cut, closed or reopened in between, and errors are the same
// as without it.
#include "isam/readahead.h"

#include "isam/errors.h"
#include "isam_fixture.h"

using namespace isam;
using isam_test::Rec;
using isam_test::StoreTest;

namespace {

constexpr std::int32_t kLen = 100;

class ReadAheadTest : public StoreTest {
 protected:
  // Every record 1 .. the highest number, and the status of each read.
  static std::vector<std::pair<std::vector<unsigned char>, std::int32_t>> Walk(IsamFileBlockPtr fb) {
    std::vector<std::pair<std::vector<unsigned char>, std::int32_t>> out;
    for (std::int32_t n = 1; n <= BTFileLen(fb) + 1; ++n) {
      std::vector<unsigned char> r(kLen);
      BTGetRec(fb, n, r.data(), r.size());
      out.push_back({r, IsamOK ? 0 : IsamError});
    }
    return out;
  }
  static void Add(IsamFileBlockPtr fb, const std::string& text) {
    std::int32_t ref = 0;
    auto r = Rec(kLen, text);
    BTAddRec(fb, ref, r.data(), r.size());
    ASSERT_TRUE(IsamOK);
  }
};

TEST_F(ReadAheadTest, AWalkReadsWhatTheFileHoldsAfterEveryChange) {
  IsamFileBlockPtr fb = CreateOpen(kLen, {{10, false}});
  for (int i = 1; i <= 1500; ++i) Add(fb, "record " + std::to_string(i));
  const auto before = Walk(fb);  // read the ordinary way
  std::vector<std::pair<std::vector<unsigned char>, std::int32_t>> inside;
  {
    const BTReadAhead ahead(fb);
    const std::int64_t fills = IsamReadAheadFills();
    EXPECT_EQ(Walk(fb), before);  // the last read, past the end, fails as before
    EXPECT_EQ(before.back().second, err::kShortRead);
    // 150 KB of records in windows of 64 KB, and the short read past the end.
    EXPECT_LE(IsamReadAheadFills() - fills, 5);

    // A change, an addition and a deletion, each read back inside the walk.
    std::vector<unsigned char> r(kLen);
    BTGetRec(fb, 700, r.data(), r.size());  // the window holds record 700
    auto changed = Rec(kLen, "changed");
    BTPutRec(fb, 700, changed.data(), changed.size());
    BTGetRec(fb, 700, r.data(), r.size());
    EXPECT_EQ(r, changed);
    Add(fb, "added");
    BTGetRec(fb, 1501, r.data(), r.size());
    EXPECT_EQ(r, Rec(kLen, "added"));
    BTDeleteRec(fb, 701);
    inside = Walk(fb);
  }
  EXPECT_EQ(inside, Walk(fb));  // the same records read without the window
  EXPECT_NE(inside, before);
}

TEST_F(ReadAheadTest, AFileClosedAndChangedIsReadAgain) {
  IsamFileBlockPtr fb = CreateOpen(kLen, {{10, false}});
  for (int i = 1; i <= 20; ++i) Add(fb, "record " + std::to_string(i));
  const BTReadAhead ahead(fb);
  std::vector<unsigned char> r(kLen);
  BTGetRec(fb, 3, r.data(), r.size());
  EXPECT_EQ(r, Rec(kLen, "record 3"));
  // Closed, changed behind the store's back, opened again (most likely
  // under the same handle number): the window read before is gone.
  BTCloseFileBlock(fb);
  auto other = Rec(kLen, "other");
  WriteBytes("data/t.DAT", 3 * kLen, other);
  BTOpenFileBlock(fb, "data\\t");
  ASSERT_TRUE(IsamOK);
  BTGetRec(fb, 3, r.data(), r.size());
  EXPECT_EQ(r, other);
}

}  // namespace
