// Fileblock files and headers, start and end of the store, status rules.
#include "isam/errors.h"
#include "isam_fixture.h"

using namespace isam;
using isam_test::StoreTest;

namespace {

IsamIndDescr ProductKeys() {
  IsamIndDescr iid;
  iid[1] = {110, false};
  iid[2] = {36, true};
  iid[3] = {15, true};
  iid[4] = {15, true};
  return iid;
}

class FileblockTest : public StoreTest {
 protected:
  // A fileblock with one key and one record "a" (its number in ref).
  IsamFileBlockPtr OneRecord(std::int32_t& ref) {
    IsamFileBlockPtr fb = CreateOpen(30, {{10, false}});
    auto r = isam_test::Rec(30, "a");
    BTAddRec(fb, ref, r.data(), r.size());
    return fb;
  }
};

TEST_F(FileblockTest, ProductFileHeadersAreByteExact) {
  BTInitIsam(NoNet, 62);
  BTCreateFileBlock("data\\products", 784, 4, ProductKeys());
  ASSERT_TRUE(IsamOK) << IsamError;

  auto dat = Bytes("data/products.DAT");
  ASSERT_EQ(dat.size(), 784u);
  const std::vector<unsigned char> head = {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0,
                                           0,    0x10, 0x03, 0,    0, 4, 0, 0, 0, 0};
  EXPECT_EQ(std::vector<unsigned char>(dat.begin(), dat.begin() + 21), head);
  EXPECT_TRUE(std::all_of(dat.begin() + 21, dat.end(), [](unsigned char c) { return c == 0; }));

  auto ix = Bytes("data/products.IX");
  ASSERT_EQ(ix.size(), 13168u);
  const std::int32_t offsets[] = {0, 7384, 10180, 11674};
  const std::int32_t lens[] = {7384, 2796, 1494, 1494};
  const bool dups[] = {false, true, true, true};
  for (int k = 0; k < 4; ++k) {
    std::size_t o = offsets[k];
    EXPECT_EQ(I32(ix, o), -1);         // FirstFree
    EXPECT_EQ(I32(ix, o + 4), 0);      // NumberFree
    EXPECT_EQ(I32(ix, o + 8), 0);      // NumRec
    EXPECT_EQ(I32(ix, o + 12), lens[k]);
    EXPECT_EQ(I32(ix, o + 16), 0);     // RootRef
    EXPECT_EQ(ix[o + 20], dups[k] ? 1 : 0);
    EXPECT_EQ(I32(ix, o + 22), 0);     // KeysUsed
    EXPECT_EQ(ix[o + 26] | ix[o + 27] << 8, 62);
  }
  // Opening and closing without a change leaves both files as created.
  IsamFileBlockPtr fb = nullptr;
  BTOpenFileBlock(fb, "data\\products");
  ASSERT_TRUE(IsamOK) << IsamError;
  EXPECT_EQ(BTKeyLen(fb, 1), 110);
  EXPECT_EQ(BTKeyLen(fb, 4), 15);
  EXPECT_TRUE(BTAllowDupKeys(fb, 2));
  BTCloseFileBlock(fb);
  EXPECT_TRUE(IsamOK);
  EXPECT_EQ(fb, nullptr);
  EXPECT_EQ(Bytes("data/products.DAT"), dat);
  EXPECT_EQ(Bytes("data/products.IX"), ix);
}

TEST_F(FileblockTest, CreationChecks) {
  BTInitIsam(NoNet, 62);
  IsamIndDescr iid = ProductKeys();
  BTCreateFileBlock("data\\a", 20, 1, iid);
  EXPECT_EQ(IsamError, isam::err::kRecordTooShort);
  EXPECT_FALSE(FileExists("data/a.DAT"));
  BTCreateFileBlock("data\\a", 21, 1, iid);
  EXPECT_TRUE(IsamOK);
  BTCreateFileBlock("data\\b", 100, 6, iid);
  EXPECT_EQ(IsamError, isam::err::kTooManyKeys);
  // The last failing check's number stands.
  BTCreateFileBlock("data\\b", 20, 6, iid);
  EXPECT_EQ(IsamError, isam::err::kTooManyKeys);
  iid[2].KeyL = 181;
  BTCreateFileBlock("data\\b", 100, 2, iid);
  EXPECT_EQ(IsamError, isam::err::kBadKeyLength);
  iid[2].KeyL = 0;
  BTCreateFileBlock("data\\b", 100, 2, iid);
  EXPECT_EQ(IsamError, isam::err::kBadKeyLength);
  EXPECT_FALSE(FileExists("data/b.DAT"));
  EXPECT_FALSE(FileExists("data/b.IX"));
  iid[2].KeyL = 180;
  BTCreateFileBlock("data\\b", 100, 2, iid);
  EXPECT_TRUE(IsamOK);
}

TEST_F(FileblockTest, NoKeysMeansNoIndexFile) {
  BTInitIsam(NoNet, 62);
  BTCreateFileBlock("data\\plain", 40, 0, IsamIndDescr{});
  ASSERT_TRUE(IsamOK);
  EXPECT_FALSE(FileExists("data/plain.IX"));
  IsamFileBlockPtr fb = nullptr;
  BTOpenFileBlock(fb, "data\\plain");
  ASSERT_TRUE(IsamOK) << IsamError;
  std::int32_t ref = 0;
  auto r = isam_test::Rec(40, "x");
  BTAddRec(fb, ref, r.data(), r.size());
  EXPECT_EQ(ref, 1);
  BTCloseFileBlock(fb);
  EXPECT_TRUE(IsamOK);
  EXPECT_TRUE(IsamCheckFileBlock("data\\plain").Ok());
}

TEST_F(FileblockTest, OpenFailures) {
  BTInitIsam(NoNet, 62);
  IsamFileBlockPtr fb = nullptr;
  BTOpenFileBlock(fb, "data\\missing");
  EXPECT_EQ(IsamError, isam::err::kFileNotFound);
  BTOpenFileBlock(fb, "nofolder\\missing");
  EXPECT_EQ(IsamError, isam::err::kPathNotFound);
  EXPECT_EQ(fb, nullptr);

  BTCreateFileBlock("data\\t", 30, 1, ProductKeys());
  std::filesystem::remove(Path("data/t.IX"));
  BTOpenFileBlock(fb, "data\\t");
  EXPECT_EQ(IsamError, isam::err::kIndexDamaged);
  EXPECT_EQ(fb, nullptr);
}

TEST_F(FileblockTest, ChangedAndNotClosedIsRefused) {
  std::int32_t ref = 0;
  ASSERT_NE(OneRecord(ref), nullptr);
  // The mark is on disk as soon as the first change is made.
  EXPECT_EQ(Bytes("data/t.DAT")[20], 1);
  // Simulate a stop: drop everything without closing.
  ResetForTest();
  BTInitIsam(NoNet, 62);
  IsamFileBlockPtr again = nullptr;
  BTOpenFileBlock(again, "data\\t");
  EXPECT_EQ(IsamError, isam::err::kIndexDamaged);
  EXPECT_EQ(again, nullptr);
}

TEST_F(FileblockTest, CleanCloseClearsTheMark) {
  std::int32_t ref = 0;
  IsamFileBlockPtr fb = OneRecord(ref);
  BTAddKey(fb, 1, ref, "a");
  BTCloseFileBlock(fb);
  ASSERT_TRUE(IsamOK);
  auto dat = Bytes("data/t.DAT");
  EXPECT_EQ(dat[20], 0);
  EXPECT_EQ(I32(dat, 8), 1);  // NumRec written at close
  BTOpenFileBlock(fb, "data\\t");
  EXPECT_TRUE(IsamOK);
}

TEST_F(FileblockTest, IndexHeaderPageSizeRules) {
  BTInitIsam(NoNet, 62);
  IsamIndDescr iid;
  iid[1] = {15, false};
  BTCreateFileBlock("data\\t", 30, 1, iid);
  IsamFileBlockPtr fb = nullptr;
  // A stored 0 reads as 62.
  WriteBytes("data/t.IX", 26, {0, 0});
  BTOpenFileBlock(fb, "data\\t");
  ASSERT_TRUE(IsamOK) << IsamError;
  EXPECT_EQ(BTKeyLen(fb, 1), 15);
  BTCloseFileBlock(fb);
  WriteBytes("data/t.IX", 26, {63, 0});
  BTOpenFileBlock(fb, "data\\t");
  EXPECT_EQ(IsamError, isam::err::kBadPageSize);
  WriteBytes("data/t.IX", 26, {61, 0});  // odd sizes lose entries in splits
  BTOpenFileBlock(fb, "data\\t");
  EXPECT_EQ(IsamError, isam::err::kBadPageSize);
  WriteBytes("data/t.IX", 26, {62, 0});
  WriteBytes("data/t.IX", 12, Le32(1494 + 1));
  BTOpenFileBlock(fb, "data\\t");
  EXPECT_EQ(IsamError, isam::err::kBadPageLength);
  WriteBytes("data/t.IX", 12, Le32((181 + 9) * 62 + 6));
  BTOpenFileBlock(fb, "data\\t");
  EXPECT_EQ(IsamError, isam::err::kBadHeaderKeyLength);
  EXPECT_EQ(fb, nullptr);
}

TEST_F(FileblockTest, ForceExtensionAndNames) {
  EXPECT_EQ(IsamForceExtension("data\\products", "DAT"), "data\\products.DAT");
  EXPECT_EQ(IsamForceExtension("my.dir\\file", "IX"), "my.dir\\file.IX");
  EXPECT_EQ(IsamForceExtension("data\\list.txt", "DAT"), "data\\list.DAT");
  EXPECT_EQ(IsamForceExtension(std::string(70, 'a'), "DAT").size(), 64u);
  IsamFileBlockName a, b;
  IsamExtractFileNames("data\\x;index\\y", a, b);
  EXPECT_EQ(a, "data\\x");
  EXPECT_EQ(b, "index\\y");
  IsamExtractFileNames("data\\x", a, b);
  EXPECT_EQ(a, "data\\x");
  EXPECT_EQ(b, "data\\x");
}

TEST_F(FileblockTest, SeparateIndexNameAndDelete) {
  BTInitIsam(NoNet, 62);
  IsamIndDescr iid;
  iid[1] = {5, false};
  BTCreateFileBlock("data\\d;data\\i", 30, 1, iid);
  ASSERT_TRUE(IsamOK);
  EXPECT_TRUE(FileExists("data/d.DAT"));
  EXPECT_TRUE(FileExists("data/i.IX"));
  EXPECT_TRUE(IsamExists("data\\d.DAT"));
  EXPECT_FALSE(IsamExists("data\\nothing.DAT"));
  IsamDeleteFileBlock("data\\d;data\\i");
  EXPECT_TRUE(IsamOK);
  EXPECT_FALSE(FileExists("data/d.DAT"));
  EXPECT_FALSE(FileExists("data/i.IX"));
  IsamDeleteFileBlock("data\\d");
  EXPECT_EQ(IsamError, isam::err::kFileNotFound);  // only the data file's result counts
}

TEST_F(FileblockTest, StartAndEndOfTheStore) {
  EXPECT_EQ(BTInitIsam(NoNet, 5), 0);
  EXPECT_EQ(IsamError, isam::err::kTooFewPages);
  IsamSetPageBufferLimitForTest(4);
  EXPECT_EQ(BTInitIsam(NoNet, 62), 0);
  EXPECT_EQ(IsamError, isam::err::kNoPageBuffer);
  EXPECT_FALSE(IsamIsInitialized());
  IsamSetPageBufferLimitForTest(0);
  EXPECT_EQ(BTInitIsam(NoNet, 62), 62);
  EXPECT_TRUE(IsamOK);
  BTInitIsam(NoNet, 62);
  EXPECT_EQ(IsamError, isam::err::kStarted);
  BTExitIsam();
  EXPECT_TRUE(IsamOK);
  BTExitIsam();
  EXPECT_EQ(IsamError, isam::err::kNotStarted);
  // Any call after the end fails with 10455 and the exit step keeps it.
  std::int32_t ref = 0;
  BTFindKey(nullptr, 1, ref, "x");
  EXPECT_EQ(IsamError, isam::err::kNotStarted);
  BTCloseAllFileBlocks();
  EXPECT_EQ(IsamError, isam::err::kNotStarted);
}

TEST_F(FileblockTest, EntryChecks) {
  IsamFileBlockPtr fb = CreateOpen(30, {{10, false}, {10, true}});
  std::int32_t ref = 0;
  BTFindKey(fb, 0, ref, "x");
  EXPECT_EQ(IsamError, isam::err::kBadKeyNr);
  BTFindKey(fb, 3, ref, "x");
  EXPECT_EQ(IsamError, isam::err::kBadKeyNr);
  BTFindKey(fb, 256 + 1, ref, "x");  // the whole number counts
  EXPECT_EQ(IsamError, isam::err::kBadKeyNr);
  EXPECT_EQ(BTIsamErrorClass(), 4);
  IsamFileBlockPtr copy = fb;
  BTCloseFileBlock(fb);
  EXPECT_TRUE(IsamOK);
  BTCloseFileBlock(fb);  // nullptr now
  EXPECT_EQ(IsamError, isam::err::kBadFileBlock);
  BTCloseFileBlock(copy);  // a stale pointer is never followed
  EXPECT_EQ(IsamError, isam::err::kBadFileBlock);
  BTCloseAllFileBlocks();
  EXPECT_TRUE(IsamOK);
}

TEST_F(FileblockTest, ReadOnlyFileblock) {
  IsamFileBlockPtr fb = CreateOpen(30, {{10, false}});
  BTCloseFileBlock(fb);
  BTOpenFileBlock(fb, "data\\t", true);
  ASSERT_TRUE(IsamOK);
  std::int32_t ref = 0;
  auto r = isam_test::Rec(30, "a");
  BTAddRec(fb, ref, r.data(), r.size());
  EXPECT_EQ(IsamError, isam::err::kReadOnly);
  EXPECT_EQ(BTIsamErrorClass(), 2);
  BTAddKey(fb, 1, 1, "a");
  EXPECT_EQ(IsamError, isam::err::kReadOnly);
  BTCloseFileBlock(fb);
  EXPECT_TRUE(IsamOK);
}

TEST_F(FileblockTest, ErrorClasses) {
  struct Case {
    std::int32_t err, cls;
  } cases[] = {{0, 0},
               {err::kIndexEnd, 1},
               {err::kFileNotFound, 1},
               {err::kKeyNotFound, 1},
               {err::kNoSaveCopy, 1},
               {err::kPathNotFound, 2},
               {err::kReadOnlyIoError, 2},
               {err::kRepairedFirst + 3, 3},
               {err::kRepairedFirst, 3},
               {err::kIndexDamaged, 4},
               {-1, 4},
               {err::kTooFewPages, 4}};
  for (const Case& c : cases) {
    IsamError = c.err;
    EXPECT_EQ(BTIsamErrorClass(), c.cls) << c.err;
  }
}

TEST_F(FileblockTest, CloseAllClosesEveryFileblock) {
  IsamFileBlockPtr a = CreateOpen(30, {{10, false}}, "data\\a");
  IsamFileBlockPtr b = CreateOpen(30, {{10, false}}, "data\\b");
  BTAddKey(a, 1, 1, "k");
  BTAddKey(b, 1, 2, "k");
  BTExitIsam();
  EXPECT_TRUE(IsamOK);
  EXPECT_FALSE(IsamIsInitialized());
  EXPECT_TRUE(IsamCheckFileBlock("data\\a").Problems.size() == 1);  // names record 1 not stored
  auto rep = IsamCheckFileBlock("data\\b", true);
  ASSERT_EQ(rep.Keys.size(), 1u);
  EXPECT_EQ(rep.Keys[0].List.size(), 1u);
  EXPECT_FALSE(rep.DamagedMark);
}

}  // namespace
