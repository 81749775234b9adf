// The open's checks of the headers against the files, and the record calls'
// check of the caller's buffer: a header that promises more than its file
// holds is refused at open, and no record call reads or writes a length
// other than the caller's buffer, whatever the file says.
#include <gtest/gtest.h>

#include <filesystem>

#include "isam/errors.h"
#include "tests/isam/isam_fixture.h"

namespace {

using namespace isam;
using isam_test::Rec;
using isam_test::StoreTest;

constexpr std::int32_t kLen = 40;

// One damaged header field: a 32-bit value written at a byte offset.
struct HeaderCase {
  const char* what;
  std::int64_t at;
  std::int32_t value;
};

class OpenChecksTest : public StoreTest {
 protected:
  // Ten records with two keys; 3 and 7 deleted again (a chain of two).
  void Build() {
    BTInitIsam(NoNet, 16);
    IsamFileBlockPtr fb = CreateOpen(kLen, {{10, false}, {4, true}});
    for (int i = 1; i <= 10; ++i) {
      auto r = Rec(kLen, "rec" + std::to_string(i));
      std::int32_t ref = 0;
      BTAddRec(fb, ref, r.data(), r.size());
      ASSERT_TRUE(IsamOK);
      BTAddKey(fb, 1, ref, IsamKeyStr("k" + std::to_string(i)));
      BTAddKey(fb, 2, ref, IsamKeyStr("d"));
    }
    for (std::int32_t gone : {3, 7}) {
      BTDeleteKey(fb, 1, gone, IsamKeyStr("k" + std::to_string(gone)));
      BTDeleteKey(fb, 2, gone, IsamKeyStr("d"));
      BTDeleteRec(fb, gone);
    }
    ASSERT_TRUE(IsamOK);
    BTCloseFileBlock(fb);
    ASSERT_TRUE(IsamOK);
  }
  std::int32_t OpenError() {
    IsamFileBlockPtr fb = nullptr;
    BTOpenFileBlock(fb, "data\\t");
    const std::int32_t e = IsamOK ? 0 : IsamError;
    if (fb) BTCloseFileBlock(fb);
    IsamClearOK();
    return e;
  }
};

TEST_F(OpenChecksTest, DataHeadersThatDisagreeWithTheFileAreRefused) {
  Build();
  const auto good = Bytes("data/t.DAT");
  const HeaderCase cases[] = {
      {"record count past the end", 8, 11},
      {"record count negative", 8, -1},
      {"chain head past the records", 0, 11},
      {"chain head zero", 0, 0},
      {"chain head below -1", 0, -2},
      {"chain count above the records", 4, 11},
      {"chain count negative", 4, -1},
      {"a chain with a head and no count", 4, 0},
      {"record length that leaves the records past the end", 12, kLen * 2},
  };
  for (const HeaderCase& c : cases) {
    WriteBytes("data/t.DAT", 0, good);
    WriteBytes("data/t.DAT", c.at, Le32(c.value));
    EXPECT_EQ(OpenError(), err::kDataFileDamaged) << c.what;
    EXPECT_EQ(Bytes("data/t.DAT")[20], 0) << c.what;  // refused before any change
  }
  // No chain at all but a count.
  WriteBytes("data/t.DAT", 0, good);
  WriteBytes("data/t.DAT", 0, Le32(-1));
  EXPECT_EQ(OpenError(), err::kDataFileDamaged);
  // A file cut inside its last record.
  WriteBytes("data/t.DAT", 0, good);
  std::filesystem::resize_file(Path("data/t.DAT"), 11 * kLen - 1);
  EXPECT_EQ(OpenError(), err::kDataFileDamaged);
  // A file longer than its records (a write that failed half way) is sound.
  std::filesystem::resize_file(Path("data/t.DAT"), 0);
  WriteBytes("data/t.DAT", 0, good);
  WriteBytes("data/t.DAT", 11 * kLen, std::vector<unsigned char>(kLen / 2, 7));
  EXPECT_EQ(OpenError(), 0);
}

TEST_F(OpenChecksTest, IndexHeadersThatReachPastTheIndexFileAreRefused) {
  Build();
  const auto good = Bytes("data/t.IX");
  const std::int64_t block = (10 + 9) * 62 + 6 + (4 + 9) * 62 + 6;
  const std::int64_t key2 = (10 + 9) * 62 + 6;
  const HeaderCase cases[] = {
      {"page count past the end", 8, 2},
      {"second key's page count past the end", key2 + 8, 5},
      {"root past the pages", 16, 2},
      {"root negative", key2 + 16, -4},
      {"free page head past the pages", 0, 3},
      {"free page count above the pages", key2 + 4, 2},
  };
  for (const HeaderCase& c : cases) {
    std::filesystem::resize_file(Path("data/t.IX"), 0);
    WriteBytes("data/t.IX", 0, good);
    WriteBytes("data/t.IX", c.at, Le32(c.value));
    EXPECT_EQ(OpenError(), err::kIndexDamaged) << c.what;
  }
  std::filesystem::resize_file(Path("data/t.IX"), 0);
  WriteBytes("data/t.IX", 0, good);
  std::filesystem::resize_file(Path("data/t.IX"), 2 * block - 1);
  EXPECT_EQ(OpenError(), err::kIndexDamaged);
  std::filesystem::resize_file(Path("data/t.IX"), 0);
  WriteBytes("data/t.IX", 0, good);
  EXPECT_EQ(OpenError(), 0);
}

TEST_F(OpenChecksTest, RecordCallsMoveExactlyTheCallersBufferOrNothing) {
  Build();
  IsamFileBlockPtr fb = nullptr;
  BTOpenFileBlock(fb, "data\\t");
  ASSERT_TRUE(IsamOK);
  const auto before = Bytes("data/t.DAT");
  for (std::size_t len : {std::size_t(kLen - 1), std::size_t(kLen + 1), std::size_t(4 * kLen)}) {
    std::vector<unsigned char> buf(len, 0xAB);
    BTGetRec(fb, 1, buf.data(), buf.size());
    EXPECT_EQ(IsamError, err::kDataFileDamaged) << len;
    EXPECT_EQ(buf, std::vector<unsigned char>(len, 0xAB)) << len;
    std::vector<unsigned char> rec = Rec(static_cast<std::int32_t>(len), "new");
    std::int32_t ref = 77;
    BTAddRec(fb, ref, rec.data(), rec.size());
    EXPECT_EQ(IsamError, err::kDataFileDamaged) << len;
    EXPECT_EQ(ref, 77);
    BTPutRec(fb, 2, rec.data(), rec.size());
    EXPECT_EQ(IsamError, err::kDataFileDamaged) << len;
  }
  EXPECT_EQ(BTUsedRecs(fb), 8);
  BTCloseFileBlock(fb);
  EXPECT_EQ(Bytes("data/t.DAT"), before);  // not even the damaged mark
  // The caller's length is the file's: all three work.
  BTOpenFileBlock(fb, "data\\t");
  std::vector<unsigned char> rec = Rec(kLen, "ok");
  std::int32_t ref = 0;
  BTAddRec(fb, ref, rec.data(), rec.size());
  EXPECT_TRUE(IsamOK);
  EXPECT_EQ(ref, 7);  // from the chain
  std::vector<unsigned char> back(kLen);
  BTGetRec(fb, ref, back.data(), back.size());
  EXPECT_EQ(back, rec);
  BTPutRec(fb, ref, rec.data(), rec.size());
  EXPECT_TRUE(IsamOK);
  BTCloseFileBlock(fb);
}

}  // namespace
