// Dialog files found at open: checked, replayed, deleted.
#include "isam/errors.h"
#include "isam_fixture.h"

using namespace isam;
using isam_test::Rec;
using isam_test::StoreTest;

namespace {

class DialogTest : public StoreTest {
 protected:
  using Buf = std::vector<unsigned char>;
  static void U16(Buf& b, int v) {
    b.push_back(static_cast<unsigned char>(v));
    b.push_back(static_cast<unsigned char>(v >> 8));
  }
  static void Put(Buf& b, const Buf& more) { b.insert(b.end(), more.begin(), more.end()); }
  void WriteDia(const Buf& b) {
    std::ofstream out(Path("data/t.DIA"), std::ios::binary);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  }
  // A header entry: part, the 28 header bytes as saved, the taken link.
  static Buf HeaderEntry(int part, const Buf& header28, std::int32_t sff) {
    Buf e;
    U16(e, 1000);
    U16(e, part);
    Put(e, header28);
    Put(e, Le32(sff));
    return e;
  }
  // Writes a dialog file of one data-header entry and opens the fileblock,
  // which replays it.
  void ReopenWithHeaderEntry(IsamFileBlockPtr& fb, const Buf& saved, std::int32_t link) {
    Buf d = {0};
    Put(d, HeaderEntry(0, saved, link));
    WriteDia(d);
    BTOpenFileBlock(fb, "data\\t");
  }
  // The data header as a 28-byte saved header (fifth word: keys, ADK 0).
  Buf SavedDataHeader() {
    auto dat = Bytes("data/t.DAT");
    Buf h(dat.begin(), dat.begin() + 20);
    h.resize(28, 0);
    return h;
  }
  void AddRecs(IsamFileBlockPtr fb, int n) {
    for (int i = 0; i < n; ++i) {
      std::int32_t ref = 0;
      auto r = Rec(30, "r");
      BTAddRec(fb, ref, r.data(), r.size());
    }
  }
};

TEST_F(DialogTest, OneByteFileIsDeleted) {
  IsamFileBlockPtr fb = CreateOpen(30, {{5, false}});
  BTCloseFileBlock(fb);
  WriteDia({0x2A});
  BTOpenFileBlock(fb, "data\\t");
  EXPECT_TRUE(IsamOK) << IsamError;
  EXPECT_FALSE(FileExists("data/t.DIA"));
}

TEST_F(DialogTest, StationTableOnlyIsCorrect) {
  IsamFileBlockPtr fb = CreateOpen(30, {{5, false}});
  BTCloseFileBlock(fb);
  Buf d = {0};
  U16(d, 2000);
  d.push_back(0);  // one station of (1 + 1) div 8 + 1 = 1 byte
  WriteDia(d);
  BTOpenFileBlock(fb, "data\\t");
  EXPECT_TRUE(IsamOK) << IsamError;
  EXPECT_FALSE(FileExists("data/t.DIA"));
}

TEST_F(DialogTest, DataHeaderEntryRestoresCounters) {
  IsamFileBlockPtr fb = CreateOpen(30, {});
  AddRecs(fb, 2);
  BTCloseFileBlock(fb);
  Buf saved = SavedDataHeader();  // NumRec 2
  BTOpenFileBlock(fb, "data\\t");
  AddRecs(fb, 3);
  BTCloseFileBlock(fb);
  EXPECT_EQ(I32(Bytes("data/t.DAT"), 8), 5);

  ReopenWithHeaderEntry(fb, saved, -2);
  ASSERT_TRUE(IsamOK) << IsamError;
  EXPECT_FALSE(FileExists("data/t.DIA"));
  EXPECT_EQ(BTUsedRecs(fb), 2);
  std::int32_t ref = 0;
  auto r = Rec(30, "next");
  BTAddRec(fb, ref, r.data(), r.size());
  EXPECT_EQ(ref, 3);
}

TEST_F(DialogTest, HeaderEntryPutsTheTakenLinkBack) {
  IsamFileBlockPtr fb = CreateOpen(30, {});
  AddRecs(fb, 3);
  BTDeleteRec(fb, 2);
  BTCloseFileBlock(fb);
  Buf saved = SavedDataHeader();  // FirstFree 2, NumberFree 1
  BTOpenFileBlock(fb, "data\\t");
  AddRecs(fb, 1);  // reuses 2, taking its link -1 off the chain
  BTCloseFileBlock(fb);
  EXPECT_EQ(I32(Bytes("data/t.DAT"), 60), 0);

  ReopenWithHeaderEntry(fb, saved, -1);
  ASSERT_TRUE(IsamOK) << IsamError;
  BTCloseFileBlock(fb);
  auto dat = Bytes("data/t.DAT");
  EXPECT_EQ(I32(dat, 0), 2);
  EXPECT_EQ(I32(dat, 4), 1);
  EXPECT_EQ(I32(dat, 60), -1);
  EXPECT_TRUE(IsamCheckFileBlock("data\\t").Ok());
}

TEST_F(DialogTest, PageAndKeyHeaderEntriesRestoreAnIndex) {
  IsamFileBlockPtr fb = CreateOpen(30, {{5, false}});
  AddRecs(fb, 3);
  BTAddKey(fb, 1, 1, "A");
  BTAddKey(fb, 1, 2, "B");
  BTCloseFileBlock(fb);
  const std::size_t blockLen = (5 + 9) * 62 + 6;
  auto ix = Bytes("data/t.IX");
  Buf keyHeader(ix.begin(), ix.begin() + 28);
  Buf page(ix.begin() + blockLen, ix.begin() + blockLen + 6 + 2 * 14);
  Buf dataHeader = SavedDataHeader();

  BTOpenFileBlock(fb, "data\\t");
  BTAddKey(fb, 1, 3, "C");
  BTDeleteKey(fb, 1, 1, "A");
  BTCloseFileBlock(fb);

  Buf d = {0};
  U16(d, 2);  // items on the page
  U16(d, 1);  // key 1
  Put(d, Buf(page.begin() + 4, page.end()));
  Put(d, Le32(1));                  // page number
  Put(d, Buf(page.begin() + 2, page.begin() + 6));  // BckwPageRef
  Put(d, HeaderEntry(1, keyHeader, -2));
  Put(d, HeaderEntry(0, dataHeader, -2));
  WriteDia(d);
  BTOpenFileBlock(fb, "data\\t");
  ASSERT_TRUE(IsamOK) << IsamError;
  BTCloseFileBlock(fb);
  auto rep = IsamCheckFileBlock("data\\t", true);
  for (auto& p : rep.Problems) ADD_FAILURE() << p;
  ASSERT_EQ(rep.Keys.size(), 1u);
  std::vector<std::pair<std::string, std::int32_t>> want = {{"A", 1}, {"B", 2}};
  EXPECT_EQ(rep.Keys[0].List, want);
}

TEST_F(DialogTest, DamagedLogsFailTheOpenAndStay) {
  IsamFileBlockPtr fb = CreateOpen(30, {{5, false}});
  BTCloseFileBlock(fb);
  const Buf cases[] = {
      {0, 0, 0},                                  // tag 0
      {0, 0x88, 0x13},                            // tag 5000
      {0, 1, 0, 9, 0, 1, 2, 3},                   // key 9 of 1
      {0, 0xE8, 0x03, 0, 0, 1, 2},                // header entry cut short
      {0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
       0, 0, 0},                                  // page entry naming page 0
  };
  for (const Buf& d : cases) {
    WriteDia(d);
    BTOpenFileBlock(fb, "data\\t");
    EXPECT_EQ(IsamError, isam::err::kDialogDamaged);
    EXPECT_EQ(fb, nullptr);
    EXPECT_TRUE(FileExists("data/t.DIA"));
  }
  // A log of only a header-entry tag's worth of a different record length.
  Buf d = {0};
  Buf h(28, 0);
  h[12] = 99;
  Put(d, HeaderEntry(0, h, -2));
  WriteDia(d);
  BTOpenFileBlock(fb, "data\\t");
  EXPECT_EQ(IsamError, isam::err::kDialogDamaged);
}

TEST_F(DialogTest, ReadOnlyOpenRefusesALog) {
  IsamFileBlockPtr fb = CreateOpen(30, {{5, false}});
  BTCloseFileBlock(fb);
  WriteDia({0, 0xE8, 0x03});
  BTOpenFileBlock(fb, "data\\t", true);
  EXPECT_EQ(IsamError, isam::err::kDialogNeeded);
  WriteDia({0});
  BTOpenFileBlock(fb, "data\\t", true);
  EXPECT_TRUE(IsamOK);
  EXPECT_TRUE(FileExists("data/t.DIA"));  // a read-only open deletes nothing
}

}  // namespace
