// The rebuild entries: a damaged or stale file comes back with every live
// record, fresh keys and a refreshed exchange file; without the staff
// password nothing happens.
#include "editors/rebuild.h"

#include <gtest/gtest.h>

#include "shell/langs.h"
#include "tests/editors/catalogue_fixture.h"

namespace {

using catalogue_test::CatalogueTest;
using catalogue_test::Consistent;

class RebuildTest : public CatalogueTest {
 protected:
  void TearDown() override {
    langs::GetPasswordHook = nullptr;
    CatalogueTest::TearDown();
  }
  // A map file of n elements, of which those in gone are deleted again.
  void MakeMap(int n, std::initializer_list<std::int32_t> gone) {
    std::string text;
    for (int i = 1; i <= n; ++i) {
      text += "E" + std::to_string(i) + "|Dept|All|" + std::to_string(i) + "|5|10|2|0|7|0|2|1|0|0|0| |1|c|\r\n";
    }
    WriteFile("data/Shelves.txt", text);
    editmap::SETUPM();
    ASSERT_TRUE(editmap::MAPFILE.OK);
    for (std::int32_t ref : gone) ASSERT_TRUE(glue::ERASERECORD(editmap::MAPFILE, ref));
    editmap::RELEASEM();
  }
  std::vector<std::string> LiveIds() {
    std::vector<std::string> ids;
    for (std::int32_t r = 1; r <= isam::BTFileLen(editmap::PE); ++r) {
      isam::BTGetRec(editmap::PE, r, &editmap::SHELF);
      if (editmap::SHELF.DEL == 0) ids.push_back(editmap::SHELF.S_ID.str());
    }
    std::sort(ids.begin(), ids.end());
    return ids;
  }
};

TEST_F(RebuildTest, MapRebuildUsesTheDataFileNotAStaleExchangeFile) {
  MakeMap(25, {3, 9});
  WriteFile("data/Shelves.txt", "ONLY|D|S|1|1|1|1|0|7|0|2|1|0|0|0| |1|c|\r\n");  // stale
  std::filesystem::remove(Path("data/Shelve.IX"));
  ASSERT_TRUE(rebuild::REBUILD_FILES2(rebuild::Catalogue::MapElements));
  EXPECT_FALSE(isam::IsamIsInitialized());
  editmap::SETUPM();
  ASSERT_TRUE(editmap::MAPFILE.OK);
  const auto ids = LiveIds();
  EXPECT_EQ(ids.size(), 23u);
  EXPECT_EQ(std::count(ids.begin(), ids.end(), "E3"), 0);
  EXPECT_EQ(std::count(ids.begin(), ids.end(), "E25"), 1);
  EXPECT_TRUE(Consistent(editmap::MAPFILE));
  editmap::RELEASEM();
  // The exchange file now lists the 23 elements, one line each.
  const std::string text = ReadFile("data/Shelves.txt");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 23);
  EXPECT_EQ(text.find("ONLY|"), std::string::npos);
}

TEST_F(RebuildTest, DamagedMapFileIsRebuiltWhenTheMapModuleStarts) {
  MakeMap(12, {5});
  std::fstream f(Path("data/Shelve.DAT"), std::ios::in | std::ios::out | std::ios::binary);
  f.seekp(20);
  f.put(1);
  f.close();
  std::filesystem::remove(Path("data/Shelves.txt"));
  editmap::SETUPM();
  ASSERT_TRUE(editmap::MAPFILE.OK);
  EXPECT_EQ(LiveIds().size(), 11u);
  EXPECT_TRUE(Consistent(editmap::MAPFILE));
  editmap::RELEASEM();
}

TEST_F(RebuildTest, ProductRebuildBringsChangedKeysUpToDate) {
  ASSERT_TRUE(editprod::SETUP());
  editprod::OPENITP();
  editprod::CLEARIT();
  editprod::PRODUCT.KLINE1 = "Tea";
  editprod::PRODUCT.DEPT = "Drinks";
  ASSERT_TRUE(editprod::NEWSTRUCTURE());
  editprod::PRODUCT.DEPT = "Breakfast";  // changed in place: keys keep the old words
  ASSERT_TRUE(glue::MODSTRUCTURE(editprod::PRODFILE, &editprod::PRODUCT, 1));
  editprod::RELEASE();
  ASSERT_TRUE(rebuild::REBUILD_FILES2(rebuild::Catalogue::Products));
  ASSERT_TRUE(editprod::SETUP());
  std::int32_t ref = 0;
  isam::BTFindKey(editprod::PF2, 3, ref, isam::IsamKeyStr("Breakfast"));
  EXPECT_TRUE(isam::IsamOK);
  EXPECT_EQ(ref, 1);
  EXPECT_FALSE(isam::BTKeyExists(editprod::PF2, 3, 1, isam::IsamKeyStr("Drinks")));
  editprod::RELEASE();
}

TEST_F(RebuildTest, NoRebuildWithoutTheStaffPassword) {
  MakeMap(4, {});
  const std::string before = ReadFile("data/Shelve.IX");
  langs::GetPasswordHook = [](std::int32_t) { return false; };
  EXPECT_FALSE(rebuild::REBUILD_FILES(rebuild::Catalogue::MapElements));
  EXPECT_EQ(ReadFile("data/Shelve.IX"), before);
  langs::GetPasswordHook = [](std::int32_t) { return true; };
  EXPECT_TRUE(rebuild::REBUILD_FILES(rebuild::Catalogue::MapElements));
  langs::GetPasswordHook = nullptr;  // no prompt installed: no password asked
  EXPECT_TRUE(rebuild::REBUILD_FILES(rebuild::Catalogue::MapElements));
}

}  // namespace
