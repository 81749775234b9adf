// A fileblock filled in bulk mode against the same calls made the ordinary
// way: the same answers to every call, the same entries in the same order,
// a tree the checker accepts, and the same behaviour afterwards.
#include <cerrno>
#include <random>

#include "isam/bulk.h"
#include "isam/errors.h"
#include "isam_fixture.h"

using namespace isam;
using isam_test::KeyWalk;
using isam_test::StoreTest;

namespace {

constexpr std::int32_t kRecLen = 32;
// Key 1 unique and short-alphabet (so that keys repeat and are refused),
// keys 2 and 3 with duplicates, empty keys among them.
const std::vector<std::pair<int, bool>> kKeys = {{12, false}, {8, true}, {3, true}};

struct Call {
  bool ok;
  std::int32_t error;
  std::int32_t ref;
  bool operator==(const Call&) const = default;
};

class BulkTest : public StoreTest {
 protected:
  std::mt19937 rng{2026};

  IsamKeyStr RandomKey(int maxLen) {
    static const char alphabet[] = {'A', 'B', 'a', '\xE9', '\0', '0'};
    const int len = static_cast<int>(rng() % static_cast<unsigned>(maxLen + 1));
    std::string k;
    for (int i = 0; i < len; ++i) k += alphabet[rng() % sizeof alphabet];
    return IsamKeyStr(k);
  }

  // One row: a record and one key per index; stray entries (a second entry
  // of an earlier record in a duplicates index) now and then when asked.
  struct Row {
    std::vector<unsigned char> rec;
    std::vector<IsamKeyStr> keys;
    int strayKey = 0;  // 0: none
    std::int32_t strayRef = 0;
    IsamKeyStr stray;
  };
  std::vector<Row> RandomRows(int n, bool strays) {
    std::vector<Row> rows;
    for (int i = 0; i < n; ++i) {
      Row r;
      r.rec = isam_test::Rec(kRecLen, "row" + std::to_string(i));
      for (auto [len, dup] : kKeys) r.keys.push_back(RandomKey(len == 12 ? 5 : len));
      if (strays && i > 0 && rng() % 50 == 0) {
        r.strayKey = 2 + static_cast<int>(rng() % 2);
        r.strayRef = 1 + static_cast<std::int32_t>(rng() % static_cast<unsigned>(i));
        r.stray = RandomKey(2);
      }
      rows.push_back(std::move(r));
    }
    return rows;
  }

  static Call Status(std::int32_t ref = 0) { return {IsamOK, IsamError, ref}; }

  // Fills a new fileblock with the rows; returns every call's answer.
  std::vector<Call> Fill(const char* name, const std::vector<Row>& rows, bool bulk) {
    IsamFileBlockPtr fb = CreateOpen(kRecLen, kKeys, name);
    std::vector<Call> calls;
    if (bulk) {
      EXPECT_TRUE(BTBeginBulk(fb));
    }
    for (const Row& r : rows) {
      std::int32_t ref = 0;
      BTAddRec(fb, ref, r.rec.data(), r.rec.size());
      calls.push_back(Status(ref));
      for (int k = 1; k <= 3; ++k) {
        BTAddKey(fb, k, ref, r.keys[static_cast<std::size_t>(k - 1)]);
        calls.push_back(Status());
      }
      if (r.strayKey != 0) {
        BTAddKey(fb, r.strayKey, r.strayRef, r.stray);
        calls.push_back(Status());
      }
    }
    calls.push_back({true, 0, BTUsedKeys(fb, 1)});
    BTCloseFileBlock(fb);
    calls.push_back(Status());
    return calls;
  }

  CheckReport CheckedClean(const char* name) {
    CheckReport rep = IsamCheckFileBlock(name, true);
    for (const std::string& p : rep.Problems) ADD_FAILURE() << name << ": " << p;
    return rep;
  }

  // Every key walked through the store, after a reopen.
  std::vector<std::vector<std::pair<IsamKeyStr, std::int32_t>>> Walks(IsamFileBlockPtr fb) {
    std::vector<std::vector<std::pair<IsamKeyStr, std::int32_t>>> w;
    for (int k = 1; k <= 3; ++k) {
      w.push_back(KeyWalk(fb, k));
      EXPECT_EQ(IsamError, err::kIndexEnd);
    }
    return w;
  }

  // The same random changes on both files (adds naming records 1..rows,
  // deletes of entries found, finds): every answer must agree.
  void ChangeBoth(IsamFileBlockPtr a, IsamFileBlockPtr b, int rows, int steps) {
    for (int i = 0; i < steps; ++i) {
      const int k = 1 + static_cast<int>(rng() % 3);
      const IsamKeyStr key = RandomKey(k == 1 ? 4 : 2);
      std::int32_t ra = 0, rb = 0;
      BTFindKey(a, k, ra, key);
      const Call fa = Status(ra);
      BTFindKey(b, k, rb, key);
      ASSERT_EQ(fa, Status(rb)) << "find " << key.str();
      if (fa.ok && rng() % 2 == 0) {
        BTDeleteKey(a, k, ra, key);
        const Call da = Status();
        BTDeleteKey(b, k, ra, key);
        ASSERT_EQ(da, Status()) << "delete " << key.str();
        ASSERT_TRUE(da.ok);
      } else {
        const std::int32_t ref = 1 + static_cast<std::int32_t>(rng() % static_cast<unsigned>(rows));
        BTAddKey(a, k, ref, key);
        const Call ca = Status();
        BTAddKey(b, k, ref, key);
        ASSERT_EQ(ca, Status()) << "add " << key.str();
      }
    }
  }

  void Compare(int rows, bool strays) {
    SCOPED_TRACE(std::to_string(rows) + (strays ? " rows with strays" : " rows"));
    const std::vector<Row> data = RandomRows(rows, strays);
    const std::vector<Call> inc = Fill("data\\inc", data, false);
    const std::vector<Call> blk = Fill("data\\blk", data, true);
    ASSERT_EQ(inc, blk);

    const CheckReport ri = CheckedClean("data\\inc"), rb = CheckedClean("data\\blk");
    ASSERT_EQ(ri.LiveRecords, rows);
    ASSERT_EQ(rb.LiveRecords, rows);
    EXPECT_EQ(Bytes("data/inc.DAT"), Bytes("data/blk.DAT"));
    ASSERT_EQ(rb.Keys.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
      EXPECT_EQ(ri.Keys[k].List, rb.Keys[k].List) << "key " << k + 1;
      EXPECT_LE(rb.Keys[k].TreePages, ri.Keys[k].TreePages) << "key " << k + 1;
      EXPECT_EQ(rb.Keys[k].FreePages, 0);
    }

    IsamFileBlockPtr a = nullptr, b = nullptr;
    BTOpenFileBlock(a, "data\\inc");
    ASSERT_TRUE(IsamOK) << IsamError;
    BTOpenFileBlock(b, "data\\blk");
    ASSERT_TRUE(IsamOK) << IsamError;
    const auto wa = Walks(a);
    ASSERT_EQ(wa, Walks(b));
    for (std::size_t k = 0; k < 3; ++k) ASSERT_EQ(wa[k].size(), rb.Keys[k].List.size());

    if (rows > 0) ChangeBoth(a, b, rows, 400);
    ASSERT_EQ(Walks(a), Walks(b));
    BTCloseFileBlock(a);
    BTCloseFileBlock(b);
    ASSERT_TRUE(IsamOK) << IsamError;
    const CheckReport ai = CheckedClean("data\\inc"), ab = CheckedClean("data\\blk");
    for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(ai.Keys[k].List, ab.Keys[k].List);
  }
};

// Sizes around one page, one split, a two-level and a three-level tree.
TEST_F(BulkTest, SameEntriesAndAnswersAsTheIncrementalAdd) {
  for (int rows : {0, 1, 62, 63, 125, 700, 4000, 9000}) {
    Compare(rows, false);
    if (HasFatalFailure()) return;
  }
}

// A duplicates-index entry for an earlier record ends bulk mode half way;
// the rest goes into the built tree the ordinary way.
TEST_F(BulkTest, EntriesOutOfRecordOrderFallBackToTheTree) {
  for (int rows : {80, 3000}) {
    Compare(rows, true);
    if (HasFatalFailure()) return;
  }
}

TEST_F(BulkTest, OnlyAnEmptyFileTakesBulkMode) {
  IsamFileBlockPtr fb = CreateOpen(kRecLen, kKeys);
  const auto rec = isam_test::Rec(kRecLen, "one");
  std::int32_t ref = 0;
  BTAddRec(fb, ref, rec.data(), rec.size());
  EXPECT_FALSE(BTBeginBulk(fb));
  BTCloseFileBlock(fb);
  EXPECT_FALSE(BTBeginBulk(fb));  // closed: refused, no crash
  EXPECT_EQ(IsamError, err::kBadFileBlock);
}

// The damaged mark is on disk from the first change; records appended in
// bulk can be read back at once; only the close clears the mark.
TEST_F(BulkTest, MarkedDamagedUntilTheCloseWroteEverything) {
  IsamFileBlockPtr fb = CreateOpen(kRecLen, kKeys);
  ASSERT_TRUE(BTBeginBulk(fb));
  EXPECT_EQ(Bytes("data/t.DAT")[20], 0);
  std::vector<std::int32_t> refs;
  for (int i = 0; i < 50; ++i) {
    const auto rec = isam_test::Rec(kRecLen, "r" + std::to_string(i));
    std::int32_t ref = 0;
    BTAddRec(fb, ref, rec.data(), rec.size());
    ASSERT_TRUE(IsamOK);
    BTAddKey(fb, 1, ref, IsamKeyStr("k" + std::to_string(i)));
    ASSERT_TRUE(IsamOK);
    refs.push_back(ref);
    if (i == 0) {
      EXPECT_EQ(Bytes("data/t.DAT")[20], 1);
    }
  }
  std::vector<unsigned char> got(kRecLen);
  BTGetRec(fb, refs[17], got.data(), got.size());
  ASSERT_TRUE(IsamOK) << IsamError;
  EXPECT_EQ(got, isam_test::Rec(kRecLen, "r17"));
  EXPECT_EQ(Bytes("data/t.DAT")[20], 1);
  BTCloseFileBlock(fb);
  ASSERT_TRUE(IsamOK);
  EXPECT_EQ(Bytes("data/t.DAT")[20], 0);
  const CheckReport rep = CheckedClean("data\\t");
  EXPECT_EQ(rep.Keys[0].Entries, 50);
}

// The trees are written when a find needs them; when that write fails the
// file stays in bulk mode, and the unique index still refuses a key it
// holds and takes a new one (its entries were sorted meanwhile).
TEST_F(BulkTest, AddsAfterAFailedTreeWriteAnswerAsBefore) {
  struct FailOnce : IsamEnv {
    int failIn = 0;  // the failIn-th write from now fails
    ssize_t PWrite(int fd, const void* buf, std::size_t len, off_t at) override {
      if (failIn > 0 && --failIn == 0) {
        errno = EIO;
        return -1;
      }
      return IsamEnv::PWrite(fd, buf, len, at);
    }
  } env;
  SetEnv(&env);
  IsamFileBlockPtr fb = CreateOpen(kRecLen, kKeys);
  ASSERT_TRUE(BTBeginBulk(fb));
  // Added in descending key order, so that sorting moves every entry.
  for (int i = 0; i < 300; ++i) {
    std::int32_t ref = 0;
    const auto rec = isam_test::Rec(kRecLen, "r" + std::to_string(i));
    BTAddRec(fb, ref, rec.data(), rec.size());
    BTAddKey(fb, 1, ref, IsamKeyStr("k" + std::to_string(999 - i)));
    ASSERT_TRUE(IsamOK) << IsamError;
  }
  env.failIn = 2;  // the records are written first, then the trees
  std::int32_t found = 0;
  BTFindKey(fb, 1, found, IsamKeyStr("k999"));
  ASSERT_FALSE(IsamOK);
  ASSERT_NE(fb->Bulk, nullptr);
  for (int i : {0, 150, 299}) {
    BTAddKey(fb, 1, 1, IsamKeyStr("k" + std::to_string(999 - i)));
    EXPECT_EQ(IsamError, err::kDuplicateKey) << i;
  }
  BTAddKey(fb, 1, 1, IsamKeyStr("fresh"));
  EXPECT_TRUE(IsamOK) << IsamError;
  BTCloseFileBlock(fb);
  ASSERT_TRUE(IsamOK) << IsamError;
  SetEnv(nullptr);
  const CheckReport rep = IsamCheckFileBlock("data\\t", true);
  EXPECT_TRUE(rep.DamagedMark);  // a tree write failed: the index is rebuilt at the next open
  ASSERT_EQ(rep.Keys.size(), 3u);
  EXPECT_EQ(rep.Keys[0].Entries, 301);
  EXPECT_EQ(rep.Problems.size(), 1u);  // the mark only
}

}  // namespace
