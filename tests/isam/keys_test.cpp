// B-tree keys: order, find/next positions, page layout, splits, balancing
// and merging.
#include "isam/btree.h"
#include "isam/errors.h"
#include "isam_fixture.h"

using namespace isam;
using isam_test::StoreTest;

namespace {

class KeysTest : public StoreTest {
 protected:
  // Key text n as a fixed-width number so that byte order is number order.
  static IsamKeyStr K(int n) {
    char b[16];
    std::snprintf(b, sizeof b, "%05d", n);
    return IsamKeyStr(b);
  }
  // Closes, checks and returns the report for key 1.
  KeyCheck CloseAndCheck(IsamFileBlockPtr& fb, bool list = false) {
    BTCloseFileBlock(fb);
    EXPECT_TRUE(IsamOK) << IsamError;
    auto rep = IsamCheckFileBlock("data\\t", list);
    for (auto& p : rep.Problems) ADD_FAILURE() << p;
    return rep.Keys.empty() ? KeyCheck{} : rep.Keys[0];
  }
  std::vector<IsamFileBlockPtr> open_;
};

// The checker also checks that keys name live records.
void AddRecords(IsamFileBlockPtr fb, int n) {
  std::vector<unsigned char> r(30, 0);
  for (int i = 0; i < n; ++i) {
    std::int32_t ref = 0;
    BTAddRec(fb, ref, r.data(), r.size());
  }
}

TEST_F(KeysTest, ByteOrder) {
  EXPECT_LT(IsamCompKeys("AB", "ABC", 0, 0, false), 0);
  EXPECT_GT(IsamCompKeys("B", "ABC", 0, 0, false), 0);
  EXPECT_GT(IsamCompKeys("a", "Z", 0, 0, false), 0);
  EXPECT_GT(IsamCompKeys("\xE9", "z", 0, 0, false), 0);  // unsigned bytes
  EXPECT_EQ(IsamCompKeys("TEA", "TEA", 7, 3, false), 0);
  EXPECT_GT(IsamCompKeys("TEA", "TEA", 7, 3, true), 0);
}

TEST_F(KeysTest, DuplicatesOrderedByRecordNumber) {
  IsamFileBlockPtr fb = CreateOpen(30, {{10, true}});
  AddRecords(fb, 8);
  BTAddKey(fb, 1, 7, "TEA");
  BTAddKey(fb, 1, 3, "TEA");
  BTAddKey(fb, 1, 5, "COFFEE");
  ASSERT_TRUE(IsamOK);
  BTAddKey(fb, 1, 3, "TEA");
  EXPECT_EQ(IsamError, isam::err::kDuplicateKey);
  std::int32_t ref = 99;
  BTFindKey(fb, 1, ref, "TEA");
  ASSERT_TRUE(IsamOK);
  EXPECT_EQ(ref, 3);
  IsamKeyStr key = "TEA";
  BTNextKey(fb, 1, ref, key);
  EXPECT_EQ(ref, 7);
  EXPECT_EQ(key, "TEA");
  BTNextKey(fb, 1, ref, key);
  EXPECT_EQ(IsamError, isam::err::kIndexEnd);
  EXPECT_TRUE(BTKeyExists(fb, 1, 7, "TEA"));
  EXPECT_FALSE(BTKeyExists(fb, 1, 4, "TEA"));
  EXPECT_TRUE(BTKeyExists(fb, 1, 0, "TEA"));
  EXPECT_TRUE(IsamOK);
  BTDeleteKey(fb, 1, 4, "TEA");
  EXPECT_EQ(IsamError, isam::err::kDeleteKeyNotFound);
  BTDeleteKey(fb, 1, 3, "TEA");
  EXPECT_TRUE(IsamOK);
  BTFindKey(fb, 1, ref, "TEA");
  EXPECT_EQ(ref, 7);
  // A failed find in a duplicates index leaves the position on the first
  // entry above.
  BTFindKey(fb, 1, ref, "BREAD");
  EXPECT_EQ(IsamError, isam::err::kKeyNotFound);
  EXPECT_EQ(ref, 0);
  key = "BREAD";
  BTNextKey(fb, 1, ref, key);
  EXPECT_EQ(key, "TEA");
  EXPECT_EQ(ref, 7);
}

TEST_F(KeysTest, UniqueIndexIgnoresRecordNumber) {
  IsamFileBlockPtr fb = CreateOpen(30, {{10, false}});
  AddRecords(fb, 9);
  BTAddKey(fb, 1, 3, "TEA");
  BTAddKey(fb, 1, 9, "TEA");
  EXPECT_EQ(IsamError, isam::err::kDuplicateKey);
  EXPECT_EQ(BTIsamErrorClass(), 1);
  BTDeleteKey(fb, 1, 9, "TEA");
  EXPECT_TRUE(IsamOK);
  EXPECT_FALSE(BTKeyExists(fb, 1, 0, "TEA"));
  EXPECT_EQ(BTUsedKeys(fb, 1), 0);
}

TEST_F(KeysTest, KeyLengthLimit) {
  IsamFileBlockPtr fb = CreateOpen(30, {{5, false}, {180, false}});
  AddRecords(fb, 3);
  BTAddKey(fb, 1, 1, "ABCDE");
  EXPECT_TRUE(IsamOK);
  BTAddKey(fb, 1, 2, "ABCDEF");
  EXPECT_EQ(IsamError, isam::err::kKeyTooLong);
  BTAddKey(fb, 2, 3, IsamKeyStr(std::string(200, 'z')));  // cut to 180 on the way in
  EXPECT_TRUE(IsamOK);
  std::int32_t ref = 0;
  BTFindKey(fb, 2, ref, IsamKeyStr(std::string(180, 'z')));
  EXPECT_EQ(ref, 3);
}

TEST_F(KeysTest, FindMissAndWalkPositions) {
  IsamFileBlockPtr fb = CreateOpen(30, {{10, false}});
  std::int32_t ref = 0;
  IsamKeyStr key;
  BTNextKey(fb, 1, ref, key);
  EXPECT_EQ(IsamError, isam::err::kIndexEnd);  // empty index
  AddRecords(fb, 3);
  BTAddKey(fb, 1, 1, "B");
  BTAddKey(fb, 1, 2, "D");
  BTAddKey(fb, 1, 3, "F");
  BTFindKey(fb, 1, ref, "C");
  EXPECT_EQ(IsamError, isam::err::kKeyNotFound);
  key = "C";
  BTNextKey(fb, 1, ref, key);
  EXPECT_EQ(key, "D");
  // After a miss beyond the last key the next step ends the walk, and the
  // one after that starts again at the first entry.
  BTFindKey(fb, 1, ref, "Z");
  EXPECT_EQ(IsamError, isam::err::kKeyNotFound);
  BTNextKey(fb, 1, ref, key);
  EXPECT_EQ(IsamError, isam::err::kIndexEnd);
  BTNextKey(fb, 1, ref, key);
  EXPECT_EQ(key, "B");
  BTClearKey(fb, 1);
  BTNextKey(fb, 1, ref, key);
  EXPECT_EQ(key, "B");
  // A change invalidates the position; the walk goes on after the caller's
  // last key.
  key = "B";
  ref = 1;
  BTDeleteKey(fb, 1, 2, "D");
  BTNextKey(fb, 1, ref, key);
  EXPECT_EQ(key, "F");
}

TEST_F(KeysTest, LeafLayoutIsByteExact) {
  IsamFileBlockPtr fb = CreateOpen(30, {{15, false}});
  AddRecords(fb, 7);
  BTAddKey(fb, 1, 7, "AB");
  BTAddKey(fb, 1, 2, "C");
  CloseAndCheck(fb);
  auto ix = Bytes("data/t.IX");
  const std::size_t blockLen = (15 + 9) * 62 + 6;
  ASSERT_EQ(ix.size(), 2 * blockLen);
  const std::size_t p = blockLen;  // page 1
  std::vector<unsigned char> want = {2, 0, 0, 0, 0, 0,  // items, BckwPageRef
                                     7, 0, 0, 0, 0, 0, 0, 0, 2, 'A', 'B'};
  for (std::size_t i = 0; i < want.size(); ++i) EXPECT_EQ(ix[p + i], want[i]) << i;
  const std::size_t item2 = p + 6 + 24;
  std::vector<unsigned char> want2 = {2, 0, 0, 0, 0, 0, 0, 0, 1, 'C'};
  for (std::size_t i = 0; i < want2.size(); ++i) EXPECT_EQ(ix[item2 + i], want2[i]) << i;
  EXPECT_EQ(I32(ix, 16), 1);  // RootRef
  EXPECT_EQ(I32(ix, 22), 2);  // KeysUsed
}

TEST_F(KeysTest, SixtyThirdAscendingKeySplitsTheRoot) {
  IsamFileBlockPtr fb = CreateOpen(30, {{5, false}});
  AddRecords(fb, 63);
  for (int i = 1; i <= 62; ++i) BTAddKey(fb, 1, i, K(i));
  BTAddKey(fb, 1, 63, K(63));
  ASSERT_TRUE(IsamOK);
  KeyCheck kc = CloseAndCheck(fb);
  EXPECT_EQ(kc.Depth, 2);
  EXPECT_EQ(kc.TreePages, 3);
  auto ix = Bytes("data/t.IX");
  const std::size_t blockLen = (5 + 9) * 62 + 6;
  std::int32_t root = I32(ix, 16);
  EXPECT_EQ(root, 3);
  auto page = [&](std::int32_t n) { return blockLen * n; };
  EXPECT_EQ(ix[page(root)], 1);                  // one item in the new root
  EXPECT_EQ(ix[page(root) + 6 + 8], 5);          // its key: 00032
  EXPECT_EQ(std::string(ix.begin() + page(root) + 15, ix.begin() + page(root) + 20), "00032");
  EXPECT_EQ(I32(ix, page(root) + 2), 1);         // left: the old root
  EXPECT_EQ(I32(ix, page(root) + 6 + 4), 2);     // right: the new page
  EXPECT_EQ(ix[page(1)], 31);
  EXPECT_EQ(ix[page(2)], 31);
}

TEST_F(KeysTest, FullLeafBalancesWithItsNeighbourInsteadOfSplitting) {
  IsamFileBlockPtr fb = CreateOpen(30, {{5, false}});
  AddRecords(fb, 200);
  // Ascending keys leave the left leaf at 31 and fill the right one; even
  // keys first so that odd ones can land in a full left leaf later.
  for (int i = 1; i <= 63; ++i) BTAddKey(fb, 1, i, K(2 * i));
  // The left leaf (31 items) fills up to 62 with odd keys below the root's.
  for (int i = 0; i < 31; ++i) BTAddKey(fb, 1, 100 + i, K(2 * i + 1));
  KeyCheck before = CloseAndCheck(fb);
  ASSERT_EQ(before.TreePages, 3);
  BTOpenFileBlock(fb, "data\\t");
  // The left leaf is full, its right neighbour has room: no page is added.
  BTAddKey(fb, 1, 150, K(63));
  ASSERT_TRUE(IsamOK);
  KeyCheck after = CloseAndCheck(fb);
  EXPECT_EQ(after.NumRec, before.NumRec);
  EXPECT_EQ(after.TreePages, 3);
  EXPECT_EQ(after.Entries, 63 + 31 + 1);
}

TEST_F(KeysTest, DeletingEveryEntryFreesEveryPage) {
  IsamFileBlockPtr fb = CreateOpen(30, {{8, true}});
  const int n = 8000;
  AddRecords(fb, n);
  for (int i = 1; i <= n; ++i) BTAddKey(fb, 1, i, K(i * 7919 % n));
  KeyCheck full = CloseAndCheck(fb);
  EXPECT_EQ(full.Entries, n);
  EXPECT_EQ(full.Depth, 3);
  BTOpenFileBlock(fb, "data\\t");
  for (int i = n; i >= 1; --i) {
    BTDeleteKey(fb, 1, i, K(i * 7919 % n));
    ASSERT_TRUE(IsamOK) << i << " " << IsamError;
  }
  KeyCheck empty = CloseAndCheck(fb);
  EXPECT_EQ(empty.RootRef, 0);
  EXPECT_EQ(empty.Entries, 0);
  EXPECT_EQ(empty.FreePages, empty.NumRec);
  EXPECT_EQ(empty.NumRec, full.NumRec);
}

TEST_F(KeysTest, FreedPagesAreReused) {
  IsamFileBlockPtr fb = CreateOpen(30, {{5, false}});
  AddRecords(fb, 500);
  for (int round = 0; round < 3; ++round) {
    for (int i = 1; i <= 500; ++i) BTAddKey(fb, 1, i, K(i));
    for (int i = 1; i <= 500; ++i) BTDeleteKey(fb, 1, i, K(i));
  }
  KeyCheck kc = CloseAndCheck(fb);
  EXPECT_LT(kc.NumRec, 40);  // one round's worth, not three
  EXPECT_EQ(kc.FreePages, kc.NumRec);
}

}  // namespace

namespace {

// Index files from elsewhere may use a smaller even page size: splits,
// balancing and merges then work on that size.
TEST_F(KeysTest, SmallerStoredPageSizeIsUsed) {
  IsamFileBlockPtr fb = CreateOpen(30, {{6, true}});
  BTCloseFileBlock(fb);
  const std::int32_t slot = (6 + 9) * 10 + 6;
  WriteBytes("data/t.IX", 12, Le32(slot));
  WriteBytes("data/t.IX", 26, {10, 0});
  std::filesystem::resize_file(Path("data/t.IX"), slot);
  BTOpenFileBlock(fb, "data\\t");
  ASSERT_TRUE(IsamOK) << IsamError;
  EXPECT_EQ(BTKeyLen(fb, 1), 6);
  AddRecords(fb, 400);
  for (int i = 1; i <= 400; ++i) BTAddKey(fb, 1, i, K(i * 13 % 50));
  for (int i = 1; i <= 400; i += 3) BTDeleteKey(fb, 1, i, K(i * 13 % 50));
  KeyCheck kc = CloseAndCheck(fb);
  EXPECT_EQ(kc.PageSize, 10);
  EXPECT_EQ(kc.Entries, 400 - 134);
  EXPECT_GE(kc.Depth, 3);
  EXPECT_EQ(Bytes("data/t.IX").size() % slot, 0u);
}

}  // namespace
