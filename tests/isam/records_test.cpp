// Records and the deleted-record chain.
#include "isam/errors.h"
#include "isam_fixture.h"

using namespace isam;
using isam_test::Rec;
using isam_test::StoreTest;

namespace {

class RecordsTest : public StoreTest {};

TEST_F(RecordsTest, FirstRecordGrowsTheFileByOneSlot) {
  IsamFileBlockPtr fb = CreateOpen(50, {});
  EXPECT_EQ(BTUsedRecs(fb), 0);
  std::int32_t ref = 0;
  auto r = Rec(50, "first");
  BTAddRec(fb, ref, r.data(), r.size());
  ASSERT_TRUE(IsamOK);
  EXPECT_EQ(ref, 1);
  EXPECT_EQ(Bytes("data/t.DAT").size(), 100u);
  std::vector<unsigned char> back(50);
  BTGetRec(fb, 1, back.data(), back.size());
  EXPECT_TRUE(IsamOK);
  EXPECT_EQ(back, r);
  auto r2 = Rec(50, "changed");
  BTPutRec(fb, 1, r2.data(), r2.size());
  BTGetRec(fb, 1, back.data(), back.size());
  EXPECT_EQ(back, r2);
  // Beyond the end: a short read.
  BTGetRec(fb, 2, back.data(), back.size());
  EXPECT_EQ(IsamError, isam::err::kShortRead);
}

TEST_F(RecordsTest, DeletedChainIsAStack) {
  IsamFileBlockPtr fb = CreateOpen(30, {});
  for (int i = 1; i <= 5; ++i) {
    std::int32_t ref = 0;
    auto r = Rec(30, std::to_string(i));
    BTAddRec(fb, ref, r.data(), r.size());
    ASSERT_EQ(ref, i);
  }
  BTDeleteRec(fb, 5);
  BTDeleteRec(fb, 3);
  EXPECT_EQ(BTUsedRecs(fb), 3);
  EXPECT_EQ(BTFileLen(fb), 5);
  std::vector<unsigned char> back(30);
  BTGetRec(fb, 3, back.data(), back.size());
  EXPECT_EQ(I32(back, 0), 5);  // the chain link is what a deleted record shows
  EXPECT_EQ(back[4], '3');     // the rest stays
  auto dat = Bytes("data/t.DAT");
  EXPECT_EQ(I32(dat, 5 * 30), -1);

  BTCloseFileBlock(fb);
  dat = Bytes("data/t.DAT");
  EXPECT_EQ(I32(dat, 0), 3);  // FirstFree
  EXPECT_EQ(I32(dat, 4), 2);  // NumberFree
  EXPECT_EQ(I32(dat, 8), 5);  // NumRec
  auto rep = IsamCheckFileBlock("data\\t");
  EXPECT_TRUE(rep.Ok()) << rep.Problems[0];
  EXPECT_EQ(rep.LiveRecords, 3);

  BTOpenFileBlock(fb, "data\\t");
  std::int32_t got[3];
  for (auto& g : got) {
    auto r = Rec(30, "again");
    BTAddRec(fb, g, r.data(), r.size());
  }
  EXPECT_EQ(got[0], 3);
  EXPECT_EQ(got[1], 5);
  EXPECT_EQ(got[2], 6);
  EXPECT_EQ(BTUsedRecs(fb), 6);
}

TEST_F(RecordsTest, RangeChecks) {
  IsamFileBlockPtr fb = CreateOpen(30, {});
  std::int32_t ref = 0;
  auto r = Rec(30, "a");
  BTAddRec(fb, ref, r.data(), r.size());
  BTDeleteRec(fb, 0);
  EXPECT_EQ(IsamError, isam::err::kRecordNrPastEnd);
  BTDeleteRec(fb, 2);
  EXPECT_EQ(IsamError, isam::err::kRecordNrPastEnd);
  BTPutRec(fb, 0, r.data(), r.size());
  EXPECT_EQ(IsamError, isam::err::kBadRecordNr);
  BTPutRec(fb, -3, r.data(), r.size());
  EXPECT_EQ(IsamError, isam::err::kBadRecordNr);
  EXPECT_EQ(BTUsedRecs(fb), 1);
}

TEST_F(RecordsTest, DamagedChainRefusesAllocation) {
  IsamFileBlockPtr fb = CreateOpen(30, {});
  for (int i = 0; i < 3; ++i) {
    std::int32_t ref = 0;
    auto r = Rec(30, "x");
    BTAddRec(fb, ref, r.data(), r.size());
  }
  BTCloseFileBlock(fb);
  // FirstFree names record 2 whose link is 0: impossible.
  WriteBytes("data/t.DAT", 0, Le32(2));
  WriteBytes("data/t.DAT", 4, Le32(1));
  BTOpenFileBlock(fb, "data\\t");
  ASSERT_TRUE(IsamOK);
  std::int32_t ref = 77;
  auto r = Rec(30, "y");
  BTAddRec(fb, ref, r.data(), r.size());
  EXPECT_EQ(IsamError, isam::err::kFreeChainDamaged);
  EXPECT_EQ(ref, 77);
  EXPECT_EQ(BTUsedRecs(fb), 2);  // counters unchanged
  // A head outside 1..NumRec does not get that far: the open refuses it.
  BTCloseFileBlock(fb);
  WriteBytes("data/t.DAT", 0, Le32(9));
  BTOpenFileBlock(fb, "data\\t");
  EXPECT_EQ(IsamError, isam::err::kDataFileDamaged);
  EXPECT_EQ(fb, nullptr);
  // A self-link is a valid-looking link; the walk of the checker stops.
  BTCloseFileBlock(fb);
  WriteBytes("data/t.DAT", 0, Le32(2));
  WriteBytes("data/t.DAT", 60, Le32(2));
  auto rep = IsamCheckFileBlock("data\\t");
  EXPECT_FALSE(rep.Ok());
}

TEST_F(RecordsTest, ConversionHookSeesEveryReadAndWrite) {
  IsamFileBlockPtr fb = CreateOpen(30, {});
  // Stores text upper-cased on disk, lower-cased in memory.
  auto hook = [](void* data, std::int32_t len, bool postRead, void* calls) {
    ++*static_cast<int*>(calls);
    auto* b = static_cast<unsigned char*>(data);
    for (std::int32_t i = 4; i < len; ++i)
      if (b[i]) b[i] = postRead ? std::tolower(b[i]) : std::toupper(b[i]);
  };
  int calls = 0;
  BTSetCharConvert(fb, hook, &calls, false);
  ASSERT_TRUE(IsamOK);
  auto r = Rec(30, "milk");
  std::int32_t ref = 0;
  BTAddRec(fb, ref, r.data(), r.size());
  EXPECT_EQ(r, Rec(30, "milk"));  // the caller's record is left alone
  EXPECT_EQ(Bytes("data/t.DAT")[30 + 4], 'M');
  std::vector<unsigned char> back(30);
  BTGetRec(fb, ref, back.data(), back.size());
  EXPECT_EQ(back, r);
  EXPECT_EQ(calls, 2);
}

struct SmallRecord {
  std::int32_t Del = 0;
  char Text[28] = {};
};

TEST_F(RecordsTest, TypedRecordsAreCheckedAgainstTheRecordLength) {
  IsamFileBlockPtr fb = CreateOpen(sizeof(SmallRecord), {});
  SmallRecord rec;
  rec.Text[0] = 'q';
  std::int32_t ref = 0;
  BTAddRec(fb, ref, &rec);
  ASSERT_TRUE(IsamOK) << IsamError;
  SmallRecord back;
  BTGetRec(fb, ref, &back);
  EXPECT_EQ(back.Text[0], 'q');
  BTCloseFileBlock(fb);
  // A file whose records are longer or shorter than the structure is
  // refused: nothing is read into it or written from it.
  for (std::int32_t len : {40, 30}) {
    fb = CreateOpen(len, {}, "data\\other");
    BTAddRec(fb, ref, &rec);
    EXPECT_EQ(IsamError, isam::err::kDataFileDamaged) << len;
    std::vector<unsigned char> r = Rec(len, "other");
    BTAddRec(fb, ref, r.data(), r.size());
    ASSERT_TRUE(IsamOK) << len;
    back.Text[0] = 'z';
    BTGetRec(fb, ref, &back);
    EXPECT_EQ(IsamError, isam::err::kDataFileDamaged) << len;
    EXPECT_EQ(back.Text[0], 'z') << len;
    BTPutRec(fb, ref, &rec);
    EXPECT_EQ(IsamError, isam::err::kDataFileDamaged) << len;
    BTCloseFileBlock(fb);
  }
}

}  // namespace
