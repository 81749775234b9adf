// The catalogue glue: texts, the open loop, keys of deleted records, and the
// rebuild that must keep every live record.
#include "isam/glue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <random>

#include "isam/delf.h"
#include "isam/fileio.h"
#include "tests/editors/catalogue_fixture.h"

namespace {

using catalogue_test::CatalogueTest;
using catalogue_test::Consistent;
using editprod::PRODDEF;

TEST(GlueText, PadTrimAndMatch) {
  EXPECT_EQ(glue::PAD("AB", 4), "AB  ");
  EXPECT_EQ(glue::PAD("ABCDEF", 4), "ABCD");
  EXPECT_EQ(glue::TRIM("AB  "), "AB");
  EXPECT_EQ(glue::TRIM("  AB "), "  AB");
  EXPECT_TRUE(glue::MATCHEDINDEX("Tea", "Tea"));
  EXPECT_FALSE(glue::MATCHEDINDEX("Tea", "tea"));
}

TEST(GlueQuestions, EmptyQuestionOrNoAskerMeansYes) {
  glue::Catalogue c;
  EXPECT_TRUE(glue::YESNO(c, "Index file defective. Rebuild it?"));
  int asked = 0;
  c.ask = [&](std::string_view) { ++asked; return false; };
  EXPECT_TRUE(glue::YESNO(c, ""));
  EXPECT_FALSE(glue::YESNO(c, "Index file defective. Rebuild it?"));
  EXPECT_EQ(asked, 1);
}

class GlueFileTest : public CatalogueTest {
 protected:
  void AddProduct(int i) {
    editprod::CLEARIT();
    editprod::PRODUCT.KLINE1 = "Product " + std::to_string(i);
    editprod::PRODUCT.KLINE1B = "words";
    editprod::PRODUCT.SHELF = "Shelf " + std::to_string(i % 6);
    editprod::PRODUCT.DEPT = "Dept " + std::to_string(i % 4);
    editprod::PRODUCT.EXCLUDE = i % 5 ? "" : "X";
    editprod::PRODUCT.FLOOR = "1";
    ASSERT_TRUE(editprod::NEWSTRUCTURE());
  }
  std::vector<std::string> LiveWords() {
    std::vector<std::string> out;
    for (std::int32_t r = 1; r <= isam::BTFileLen(editprod::PF2); ++r) {
      PRODDEF p;
      isam::BTGetRec(editprod::PF2, r, &p);
      if (p.DEL == 0) out.push_back(p.KLINE1.str());
    }
    std::sort(out.begin(), out.end());
    return out;
  }
  // 50 added, 10 deleted at random, 20 more added: 60 live products.
  std::vector<std::string> Fill() {
    ([&] {
      ASSERT_TRUE(editprod::SETUP());
      editprod::OPENITP();
      ASSERT_TRUE(editprod::PRODFILE.OK);
      for (int i = 0; i < 50; ++i) AddProduct(i);
      std::vector<std::int32_t> refs(50);
      for (int i = 0; i < 50; ++i) refs[static_cast<std::size_t>(i)] = i + 1;
      std::shuffle(refs.begin(), refs.end(), std::mt19937(7));
      for (int i = 0; i < 10; ++i) ASSERT_TRUE(editprod::ERASEPRODUCT(refs[static_cast<std::size_t>(i)]));
      for (int i = 50; i < 70; ++i) AddProduct(i);
    })();
    auto words = LiveWords();
    EXPECT_EQ(words.size(), 60u);
    EXPECT_TRUE(Consistent(editprod::PRODFILE));
    editprod::RELEASE();
    return words;
  }
  void ExpectRebuiltWith(const std::vector<std::string>& words) {
    ASSERT_TRUE(editprod::SETUP());
    ASSERT_TRUE(editprod::PRODFILE.OK);
    EXPECT_EQ(editprod::SMAXREC, 60);
    EXPECT_EQ(LiveWords(), words);
    EXPECT_TRUE(Consistent(editprod::PRODFILE));
    editprod::RELEASE();
    // The exchange file was refreshed with every live product.
    const std::string text = ReadFile("data/prodlist.txt");
    for (const auto& w : words) EXPECT_NE(text.find(w + "\r\n"), std::string::npos) << w;
  }
};

TEST_F(GlueFileTest, FirstStartCreatesAnEmptyFileThatTheNextOpenOpens) {
  ASSERT_TRUE(editprod::SETUP());
  EXPECT_FALSE(editprod::PRODFILE.OK);
  editprod::OPENITP();
  EXPECT_TRUE(editprod::PRODFILE.OK);
  EXPECT_EQ(editprod::SMAXREC, 0);
  EXPECT_EQ(editprod::PRODFILE.STR1, "     0");
  EXPECT_EQ(isam::BTNrOfKeys(editprod::PF2), 4);
  EXPECT_EQ(isam::BTKeyLen(editprod::PF2, 1), 110);
  EXPECT_EQ(isam::BTKeyLen(editprod::PF2, 2), 36);
  editprod::RELEASE();
}

TEST_F(GlueFileTest, DeletedRecordLeavesNoEntryInAnyIndex) {
  ASSERT_TRUE(editprod::SETUP());
  editprod::OPENITP();
  for (int i = 0; i < 12; ++i) AddProduct(i % 3);  // duplicate words, shelves, departments
  ASSERT_EQ(glue::KEYSOF(editprod::PRODFILE, 5).size(), 4u);
  ASSERT_TRUE(editprod::ERASEPRODUCT(5));
  EXPECT_TRUE(glue::KEYSOF(editprod::PRODFILE, 5).empty());
  EXPECT_EQ(isam::BTUsedRecs(editprod::PF2), 11);
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(isam::BTUsedKeys(editprod::PF2, k), 11) << k;
  EXPECT_TRUE(Consistent(editprod::PRODFILE));
  editprod::RELEASE();
}

TEST_F(GlueFileTest, ChangedRecordKeepsOneEntryPerKeyFromItsNewFields) {
  ASSERT_TRUE(editprod::SETUP());
  editprod::OPENITP();
  for (int i = 0; i < 6; ++i) AddProduct(i);
  const auto keysOf = [](std::int32_t ref, int k) { return glue::KEYSOF(editprod::PRODFILE, ref, k); };
  PRODDEF old;
  isam::BTGetRec(editprod::PF2, 3, &old);
  const auto unchanged = keysOf(3, 3);
  // Only the words and the shelf change: keys 3 and 4 keep their entries.
  editprod::PRODUCT = old;
  editprod::PRODUCT.KLINE1 = "Renamed";
  editprod::PRODUCT.SHELF = "Shelf 9";
  ASSERT_TRUE(editprod::CHANGEPRODUCT(3, old));
  ASSERT_EQ(keysOf(3, 1).size(), 1u);
  EXPECT_EQ(keysOf(3, 1)[0].rfind("Renamedwords", 0), 0u);
  ASSERT_EQ(keysOf(3, 2).size(), 1u);
  EXPECT_EQ(keysOf(3, 2)[0].rfind("Shelf 9", 0), 0u);
  EXPECT_EQ(keysOf(3, 3), unchanged);
  // A catalogue that cannot tell which keys changed replaces them all.
  struct Restore {
    decltype(editprod::PRODFILE.sameKey) saved = editprod::PRODFILE.sameKey;
    ~Restore() { editprod::PRODFILE.sameKey = saved; }
  } restore;
  editprod::PRODFILE.sameKey = nullptr;
  old = editprod::PRODUCT;
  editprod::PRODUCT.DEPT = "Bakery";
  ASSERT_TRUE(editprod::CHANGEPRODUCT(3, old));
  EXPECT_EQ(keysOf(3, 3), std::vector<std::string>{"Bakery"});
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(keysOf(3, k).size(), 1u) << k;
  EXPECT_TRUE(Consistent(editprod::PRODFILE));
  editprod::RELEASE();
}

TEST_F(GlueFileTest, RebuildAfterMissingIndexKeepsEveryLiveProduct) {
  const auto words = Fill();
  std::filesystem::remove(Path("data/products.IX"));
  ExpectRebuiltWith(words);
}

TEST_F(GlueFileTest, RebuildAfterDamageMarkKeepsEveryLiveProduct) {
  const auto words = Fill();
  std::fstream f(Path("data/products.DAT"), std::ios::in | std::ios::out | std::ios::binary);
  f.seekp(20);
  f.put(1);  // changed and never closed
  f.close();
  std::filesystem::remove(Path("data/prodlist.txt"));  // the rebuild must not need it
  ExpectRebuiltWith(words);
}

TEST_F(GlueFileTest, RebuildAfterGarbledIndexKeepsEveryLiveProduct) {
  const auto words = Fill();
  std::fstream f(Path("data/products.IX"), std::ios::in | std::ios::out | std::ios::binary);
  for (int i = 0; i < 200; ++i) f.put(static_cast<char>(0xA5));
  f.close();
  ExpectRebuiltWith(words);
}

// Refuses to create the new pair the rebuild builds beside the old one.
class NoSidePairEnv : public isam::IsamEnv {
 public:
  int Open(const std::string& path, int flags, int mode) override {
    if (path.find("productsNew.") != std::string::npos) return errno = ENOSPC, -1;
    return IsamEnv::Open(path, flags, mode);
  }
};

TEST_F(GlueFileTest, RebuildThatCannotBuildItsNewPairChangesNothing) {
  const auto words = Fill();
  const std::string before = ReadFile("data/products.DAT");
  NoSidePairEnv env;
  isam::SetEnv(&env);
  ASSERT_TRUE(isam::IsamIsInitialized() || isam::BTInitIsam(isam::NoNet, 62) > 0);
  EXPECT_EQ(glue::REBUILDFROMDATA(editprod::PRODFILE), -1);
  isam::SetEnv(nullptr);
  isam::BTExitIsam();
  EXPECT_EQ(ReadFile("data/products.DAT"), before);
  std::filesystem::remove(Path("data/products.IX"));
  ExpectRebuiltWith(words);
}

TEST_F(GlueFileTest, OpenLoopGivesUpWhenTheFolderIsMissing) {
  std::filesystem::remove_all(Path("data"));
  std::string told;
  editprod::PRODFILE.tell = [&](std::string_view t) { told = std::string(t); };
  ASSERT_TRUE(editprod::SETUP());
  EXPECT_FALSE(editprod::PRODFILE.OK);
  editprod::OPENITP();
  EXPECT_FALSE(editprod::PRODFILE.OK);
  editprod::PRODFILE.tell = nullptr;
  editprod::RELEASE();
  EXPECT_FALSE(isam::IsamIsInitialized());
}

TEST_F(GlueFileTest, AnsweringNoLeavesTheFileClosed) {
  ASSERT_TRUE(editprod::SETUP());
  editprod::OPENITP();
  AddProduct(1);
  editprod::RELEASE();
  std::filesystem::remove(Path("data/products.IX"));
  int rebuilds = 0;
  glue::Catalogue c = editprod::PRODFILE;  // a log-like catalogue that asks
  glue::ResetState(c);
  c.ask = [](std::string_view q) { return q != "Index file defective. Rebuild it?"; };
  c.rebuild = [&] { ++rebuilds; return true; };
  ASSERT_TRUE(glue::SETUP(c));
  EXPECT_FALSE(c.OK);
  EXPECT_EQ(rebuilds, 0);
  glue::RELEASE(c);
}

TEST(Delf, RemovingAMissingFileDoesNothing) {
  kiosk::clock::UseVirtualTime(true);
  EXPECT_TRUE(delf::RENAME_FILE("data\\no-such-file.dat"));
  delf::DELETE_FILE2("data\\no-such-file.dat");
  kiosk::clock::Reset();
}

TEST_F(GlueFileTest, RenameFileRemovesTheFileAndItsScratchName) {
  WriteFile("data/old.txt", "x");
  WriteFile("data/xx.txt", "left over");
  EXPECT_TRUE(delf::RENAME_FILE("data\\OLD.TXT"));
  EXPECT_FALSE(std::filesystem::exists(Path("data/old.txt")));
  EXPECT_FALSE(std::filesystem::exists(Path("data/xx.txt")));
}

}  // namespace
