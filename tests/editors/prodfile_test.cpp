// Product records: keys, editor slots, and the exchange file's import and
// export.
#include "editors/prodfile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "screen/primitives.h"
#include "tests/editors/catalogue_fixture.h"

namespace {

using catalogue_test::CatalogueTest;
using catalogue_test::Consistent;
using editprod::PRODDEF;
using ::testing::MatchesRegex;

TEST(ProductKeys, WordsShelfDepartmentAndExclusion) {
  PRODDEF p;
  p.KLINE1 = "Milk ";
  p.KLINE1B = "semi skimmed  ";
  p.SHELF = "  A12  ";
  p.DEPT = "  Dairy";
  p.EXCLUDE = " X1 ";
  EXPECT_THAT(editprod::BUILDKEY(p, 1), MatchesRegex("Milk semi skimmed[1-9][0-9]{4}"));
  EXPECT_THAT(editprod::BUILDKEY(p, 2), MatchesRegex("A12[1-9][0-9]{4}"));
  EXPECT_EQ(editprod::BUILDKEY(p, 3), "Dairy");
  EXPECT_EQ(editprod::BUILDKEY(p, 4), "X1");
  p.KLINE1 = "  Eggs";  // key 1 keeps leading blanks
  p.KLINE1B = "";
  EXPECT_THAT(editprod::BUILDKEY(p, 1), MatchesRegex("  Eggs[0-9]{5}"));
  p.DEPT = "";
  EXPECT_EQ(editprod::BUILDKEY(p, 3), "");
}

TEST(ProductKeys, LongTextsAreCut) {
  PRODDEF p;
  p.KLINE1 = std::string(55, 'a');
  p.KLINE1B = std::string(55, 'b');
  p.SHELF = std::string(35, 's');
  const std::string k1 = editprod::BUILDKEY(p, 1);
  EXPECT_EQ(k1.size(), 105u);
  EXPECT_EQ(k1.substr(0, 100), std::string(55, 'a') + std::string(45, 'b'));
  EXPECT_THAT(editprod::BUILDKEY(p, 2), MatchesRegex("s{30}[0-9]{5}"));
}

TEST(ProductKeys, Key1EntryGivesItsWordsBackOnlyWhenWhole) {
  PRODDEF p;
  p.KLINE1 = "Milk ";
  p.KLINE1B = "semi  ";
  const std::string stored = glue::STOREDKEY1(editprod::BUILDKEY(p, 1), 417);
  std::string_view words;
  ASSERT_TRUE(editprod::KEY1WORDS(stored, 417, words));
  EXPECT_EQ(words, "Milk semi");
  EXPECT_FALSE(editprod::KEY1WORDS(stored, 418, words));  // another record's number
  EXPECT_FALSE(editprod::KEY1WORDS("Milk semi12x4417", 417, words));  // no random digits
  p.KLINE1 = std::string(55, 'a');
  p.KLINE1B = std::string(55, 'b');
  EXPECT_FALSE(editprod::KEY1WORDS(glue::STOREDKEY1(editprod::BUILDKEY(p, 1), 3), 3, words));
  // The store's 180 characters cut the record number itself off.
  EXPECT_EQ(glue::STOREDKEY1(std::string(179, 'k'), 42), std::string(179, 'k') + "4");
}

TEST(ProductSlots, EditorSlotsSwapDepartmentAndExclusion) {
  editprod::ResetForTest();
  for (int f = 1; f <= 18; ++f) editprod::SetField(editprod::PRODUCT, f, "field" + std::to_string(f));
  editprod::PRODUCT.DEL = 0;
  editprod::UNPACKITS();
  EXPECT_EQ(editprod::OUTSTR[3], "field3");   // SHELF
  EXPECT_EQ(editprod::OUTSTR[4], "field5");   // EXCLUDE
  EXPECT_EQ(editprod::OUTSTR[5], "field4");   // DEPT
  EXPECT_EQ(editprod::OUTSTR[18], "field18"); // SEEALSO
  editprod::OUTSTR[5] = std::string(30, 'd');  // longer than DEPT
  editprod::PRODUCT.DEL = 7;
  editprod::TRANSIN();
  EXPECT_EQ(editprod::PRODUCT.DEL, 0);
  EXPECT_EQ(editprod::PRODUCT.DEPT, std::string(14, 'd'));
  EXPECT_EQ(editprod::PRODUCT.EXCLUDE, "field5");
  editprod::CLEARIT();
  const auto* bytes = reinterpret_cast<const unsigned char*>(&editprod::PRODUCT);
  for (std::size_t i = 0; i < sizeof(PRODDEF); ++i) ASSERT_EQ(bytes[i], 0) << i;
}

std::string Group(const std::vector<std::string>& fields) {
  std::string g = "0\r\n";
  for (int i = 0; i < 18; ++i) g += (i < static_cast<int>(fields.size()) ? fields[i] : "") + "\r\n";
  return g;
}

class ProductFileTest : public CatalogueTest {
 protected:
  void Open() {
    ASSERT_TRUE(editprod::SETUP());
    if (!editprod::PRODFILE.OK) editprod::OPENITP();
    ASSERT_TRUE(editprod::PRODFILE.OK);
  }
  std::vector<std::string> LiveGroups() {
    std::vector<std::string> out;
    for (std::int32_t r = 1; r <= isam::BTFileLen(editprod::PF2); ++r) {
      PRODDEF p;
      isam::BTGetRec(editprod::PF2, r, &p);
      if (p.DEL != 0) continue;
      std::string g;
      for (int f = 1; f <= 18; ++f) g += editprod::FieldText(p, f) + "\n";
      out.push_back(g);
    }
    std::sort(out.begin(), out.end());
    return out;
  }
};

TEST_F(ProductFileTest, ImportCutsLongFieldsAndCompletesAShortLastGroup) {
  WriteFile("data/prodlist.txt",
            Group({std::string(70, 'm'), "semi skimmed", "A12", "Dairy", "", "10", "20", "1",
                   "Dairy aisle"}) +
                "\r\n");  // one extra empty line: one more, empty product
  Open();
  EXPECT_EQ(editprod::ECPT1(), 2);
  EXPECT_EQ(isam::BTUsedRecs(editprod::PF2), 2);
  PRODDEF p;
  isam::BTGetRec(editprod::PF2, 1, &p);
  EXPECT_EQ(p.KLINE1, std::string(55, 'm'));
  EXPECT_EQ(p.KLINE1B, "semi skimmed");  // the next line still starts the next field
  EXPECT_EQ(p.HEADER, "Dairy aisle");
  isam::BTGetRec(editprod::PF2, 2, &p);
  EXPECT_TRUE(p.KLINE1.empty());
  EXPECT_TRUE(p.SEEALSO.empty());
  EXPECT_TRUE(Consistent(editprod::PRODFILE));
  editprod::RELEASE();
}

TEST_F(ProductFileTest, IdenticalWordsGetDistinctKeys) {
  Open();
  editprod::CLEARIT();
  editprod::PRODUCT.KLINE1 = "Bread";
  ASSERT_TRUE(editprod::NEWSTRUCTURE());
  ASSERT_TRUE(editprod::NEWSTRUCTURE());
  EXPECT_EQ(isam::BTUsedKeys(editprod::PF2, 1), 2);
  EXPECT_TRUE(Consistent(editprod::PRODFILE));
  editprod::RELEASE();
}

TEST_F(ProductFileTest, ExportAfterDeletionsThenImportReproducesEveryLiveProduct) {
  std::string text;
  for (int i = 0; i < 40; ++i) {
    text += Group({"Word" + std::to_string(i) + " ", "more words", "Shelf " + std::to_string(i % 5),
                   "Dept" + std::to_string(i % 3), i % 7 ? "" : "NOKIOSK", std::to_string(i * 2.5),
                   std::to_string(i), "1", "Aisle " + std::to_string(i), "line3", "", "", "", "",
                   "", "", "", "See also bread"});
  }
  WriteFile("data/prodlist.txt", text);
  Open();
  ASSERT_EQ(editprod::ECPT1(), 40);
  for (std::int32_t ref : {1, 7, 8, 22, 40}) ASSERT_TRUE(editprod::ERASEPRODUCT(ref));
  const auto before = LiveGroups();
  ASSERT_EQ(before.size(), 35u);
  ASSERT_TRUE(editprod::PRODUCT1());  // closes the file
  const std::string exported = ReadFile("data/prodlist.txt");
  EXPECT_EQ(exported.find("Word0 "), std::string::npos);
  EXPECT_NE(exported.find("Word1 "), std::string::npos);
  ASSERT_TRUE(editprod::TESTNEW());
  editprod::OPENITP();
  ASSERT_TRUE(editprod::PRODFILE.OK);
  EXPECT_EQ(LiveGroups(), before);
  EXPECT_TRUE(Consistent(editprod::PRODFILE));
  editprod::RELEASE();
}

// The export follows key 1 but writes each live product once, whatever the
// index names: a record it does not reach, one it names twice, a number
// outside the file.
TEST_F(ProductFileTest, ExportWritesEveryLiveProductOnceWhateverKeyOneNames) {
  std::string text;
  for (int i = 1; i <= 6; ++i) text += Group({"Item" + std::to_string(i), "", "Shelf", "Dept"});
  WriteFile("data/prodlist.txt", text);
  Open();
  ASSERT_EQ(editprod::ECPT1(), 6);
  isam::BTClearKey(editprod::PF2, 1);
  for (;;) {
    std::int32_t ref = 0;
    isam::IsamKeyStr key;
    isam::BTNextKey(editprod::PF2, 1, ref, key);
    ASSERT_TRUE(isam::IsamOK) << "record 2 has no key-1 entry";
    if (ref != 2) continue;
    isam::BTDeleteKey(editprod::PF2, 1, ref, key);
    ASSERT_TRUE(isam::IsamOK);
    break;
  }
  isam::BTAddKey(editprod::PF2, 1, 3, isam::IsamKeyStr("ZZZ ANOTHER ENTRY"));
  isam::BTAddKey(editprod::PF2, 1, 999, isam::IsamKeyStr("ZZZZ OUTSIDE"));
  ASSERT_TRUE(isam::IsamOK);
  ASSERT_TRUE(editprod::PRODUCT1());  // closes the file
  const std::string exported = ReadFile("data/prodlist.txt");
  for (int i = 1; i <= 6; ++i) {
    const std::string word = "\r\nItem" + std::to_string(i) + "\r\n";
    const auto at = exported.find(word);
    ASSERT_NE(at, std::string::npos) << word;
    EXPECT_EQ(exported.find(word, at + 1), std::string::npos) << word;
  }
  editprod::RELEASE();
}

TEST_F(ProductFileTest, TransferFromAnswerTextsAddsOneProduct) {
  for (int s = 0; s < 36; ++s) screen::PASS1[s].clear();
  screen::PASS1[1] = "Oat milk";
  screen::PASS1[4] = "EXCL";
  screen::PASS1[5] = "Dairy";
  screen::PASS1[9] = "Aisle 3";
  ASSERT_TRUE(editprod::TRANSINC());
  EXPECT_FALSE(isam::IsamIsInitialized());  // released again
  Open();
  PRODDEF p;
  isam::BTGetRec(editprod::PF2, 1, &p);
  EXPECT_EQ(p.KLINE1, "Oat milk");
  EXPECT_EQ(p.EXCLUDE, "EXCL");
  EXPECT_EQ(p.DEPT, "Dairy");
  EXPECT_EQ(p.HEADER, "Aisle 3");
  editprod::RELEASE();
}

}  // namespace
