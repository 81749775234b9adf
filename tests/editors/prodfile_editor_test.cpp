// The product editor's screens, driven by keys: add, copy, change, delete,
// the search and browse, the utilities. After each action every live
// product has exactly one entry per key, built from its record.
#include "editors/prodfile_editor.h"

#include "editor_fixture.h"
#include "editors/prodfile_shelf.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "shell/langs.h"

namespace {

using editprod::PRODDEF;

class ProductEditorTest : public EditorTest {
 protected:
  void Pause() { Code(kPause); }
  void Esc() { Keys("\x1b"); }
  // Ctrl+Home with the cursor at the end: the starting answer emptied.
  void ClearAnswer() { Code(119); }
  // n empty answers.
  void Blank(int n) { Keys(std::string(static_cast<std::size_t>(n), '\r')); }

  PRODDEF Read(std::int32_t ref) {
    const bool wasOpen = editprod::PF2 != nullptr;
    if (!wasOpen) Open();
    PRODDEF p;
    isam::BTGetRec(editprod::PF2, ref, &p);
    if (!wasOpen) Close();
    return p;
  }
  std::int32_t Used() {
    Open();
    const std::int32_t n = isam::BTUsedRecs(editprod::PF2);
    Close();
    return n;
  }
  // The record numbers a search of the open file finds.
  static std::vector<std::int32_t> Found(std::string_view text, int key) {
    editprod::SEARCHKEY2(text, key);
    return {editprod::REC_FOUND.begin(), editprod::REC_FOUND.begin() + editprod::CNT1};
  }
  // Whether some key-1 entry starts with the words.
  bool Key1StartsWith(const std::string& words) {
    bool found = false;
    Open();
    glue::WALKKEY(editprod::PRODFILE, 1, [&](std::int32_t, const isam::IsamKeyStr& key) {
      found = found || key.view().substr(0, words.size()) == words;
      return true;
    });
    Close();
    return found;
  }
};

TEST_F(ProductEditorTest, AddCompactsTheKeyFieldsAndGoesOnAfterEscape) {
  Keys("A");                            // add
  Keys("  milk  bottle \r");            // 1: words
  Keys("semi skimmed\r");               // 2
  Keys(" A 12 \r");                     // 3: shelf
  Keys("Dai ry\r");                     // 4: department
  Keys("X1");
  Esc();
  Keys("\r");                           // 5: emptied with Escape, on to 6
  Keys("12.5\r40\r 2\r");               // 6, 7, 8
  Keys("Aisle 3\r");                    // 9
  Blank(9);                             // 10..18
  Keys("A");                            // save it
  Keys("G");                            // back to the staff menu
  editprod::EDITPROD2();
  EXPECT_EQ(screen::VALANS, screen::key::kStaffLeft);
  ASSERT_EQ(Used(), 1);
  const PRODDEF p = Read(1);
  EXPECT_EQ(p.KLINE1, "milkbottle");
  EXPECT_EQ(p.KLINE1B, "semiskimmed");
  EXPECT_EQ(p.SHELF, "A12");
  EXPECT_EQ(p.DEPT, "Dairy");
  EXPECT_EQ(p.EXCLUDE, "");
  EXPECT_EQ(p.COORDX, "12.5");
  EXPECT_EQ(p.FLOOR, " 2");
  EXPECT_EQ(p.HEADER, "Aisle 3");
  EXPECT_EQ(cfgfiles::REKEY_FLAG, 1);
  EXPECT_TRUE(KeysConsistent());
}

TEST_F(ProductEditorTest, EscapeOnTheFirstQuestionAbandonsTheAdd) {
  Store({Product("bread")});
  Keys("A");
  Esc();
  Keys("\r");
  Keys("G");
  editprod::EDITPROD2();
  EXPECT_EQ(Used(), 1);
  EXPECT_EQ(cfgfiles::REKEY_FLAG, 0);
}

TEST_F(ProductEditorTest, ChangeWithEscapeWritesNothingWithPauseWritesFreshKeys) {
  Store({Product("milk", "A1"), Product("bread", "B1")});
  // Change the words, then leave the form with Escape: nothing written.
  Keys("DAmilk\r");
  Pause();
  Keys("A");
  ClearAnswer();
  Keys("oat drink\r");
  Esc();
  Keys("G");
  editprod::EDITPROD2();
  EXPECT_EQ(Read(1).KLINE1, "milk");
  EXPECT_EQ(cfgfiles::REKEY_FLAG, 0);
  // The same with Pause, and the shelf too.
  Keys("DAmilk\r");
  Pause();
  Keys("A");
  ClearAnswer();
  Keys("oat drink\r");
  Keys("C");
  ClearAnswer();
  Keys("C7\r");
  Pause();
  Keys("G");
  editprod::EDITPROD2();
  const PRODDEF p = Read(1);
  EXPECT_EQ(p.KLINE1, "oatdrink");
  EXPECT_EQ(p.SHELF, "C7");
  EXPECT_EQ(Read(2).KLINE1, "bread");
  EXPECT_TRUE(KeysConsistent());
  // The index follows: the new words are found, the old ones not.
  EXPECT_TRUE(Key1StartsWith("oatdrink"));
  EXPECT_FALSE(Key1StartsWith("milk"));
  Open();
  EXPECT_EQ(editprod::SHELFPRODUCTS("c7"), std::vector<std::int32_t>{1});
  EXPECT_TRUE(editprod::SHELFPRODUCTS("A1").empty());
  Close();
}

TEST_F(ProductEditorTest, DeleteErasesTheProductsOwnEntries) {
  Store({Product("milk"), Product("milk chocolate"), Product("bread")});
  Keys("CAmilk\r");  // "milk chocolate" sorts first
  Pause();    // the change form ...
  Pause();    // ... ended with Pause
  Keys("A");  // yes, delete it
  // Escape on the question keeps the product.
  Keys("CAbread\r");
  Pause();
  Pause();
  Esc();
  Keys("G");
  editprod::EDITPROD2();
  EXPECT_EQ(Used(), 2);
  EXPECT_NE(Read(2).DEL, 0);
  EXPECT_EQ(Read(3).DEL, 0);
  EXPECT_EQ(cfgfiles::REKEY_FLAG, 1);
  EXPECT_TRUE(KeysConsistent());
}

TEST_F(ProductEditorTest, CopyAddsTheChangedProductAndKeepsTheOriginal) {
  Store({Product("milk", "A1", "Dairy")});
  Keys("BAmilk\r");
  Pause();
  Keys("D");  // the department
  ClearAnswer();
  Keys("Fresh\r");
  Pause();
  Keys("G");
  editprod::EDITPROD2();
  ASSERT_EQ(Used(), 2);
  EXPECT_EQ(Read(1).DEPT, "Dairy");
  EXPECT_EQ(Read(2).DEPT, "Fresh");
  EXPECT_EQ(Read(2).KLINE1, "milk");
  EXPECT_TRUE(KeysConsistent());
}

TEST_F(ProductEditorTest, SearchAnyKeyShortensAndEnds) {
  Open();
  Add({Product("milk", "A1", "Dairy"), Product("soap", "H2", "Household"),
       Product("cream", "A2", "DAIRY fresh")});
  EXPECT_EQ(Found("dai", 3), (std::vector<std::int32_t>{3, 1}));  // key order: DAIRY < Dairy
  EXPECT_EQ(Found("h2", 2), std::vector<std::int32_t>{2});
  EXPECT_EQ(Found("dairyx", 3).size(), 2u);  // shortened to "dairy"
  EXPECT_TRUE(Found("qqq", 1).empty());      // shortened to nothing: ends
  Close();
  // A file without products ends at once.
  ASSERT_TRUE(std::filesystem::remove(folder_ / "data" / "products.DAT"));
  ASSERT_TRUE(std::filesystem::remove(folder_ / "data" / "products.IX"));
  Open();
  EXPECT_TRUE(Found("milk", 1).empty());
  Close();
}

TEST_F(ProductEditorTest, SearchReachesTheLastLiveProducts) {
  Open();
  for (int i = 1; i <= 12; ++i) Add({Product("jam " + std::to_string(i))});
  // Deleted as older kiosks did, their entries left behind: the index holds
  // more entries than there are products.
  for (std::int32_t ref : {1, 2, 3}) ASSERT_TRUE(glue::DELSTRUCTURE(editprod::PRODFILE, ref));
  EXPECT_EQ(Found("jam", 1).size(), 9u);
  Close();
}

TEST_F(ProductEditorTest, BrowseStaysOnTheLastAndFirstMatch) {
  Store({Product("tea 1"), Product("tea 2"), Product("tea 3")});
  Open();
  Keys("Atea\r");
  Keys("AAAA");  // stays on the last
  Keys("B");
  Pause();
  Pause();
  editprod::EDITPRODUCTS3();
  EXPECT_EQ(screen::VALANS, screen::key::kPause);
  EXPECT_EQ(editprod::PRODUCT.KLINE1, "tea 2");
  Keys("Atea\r");
  Keys("BB");  // stays on the first
  Esc();
  editprod::EDITPRODUCTS3();
  EXPECT_EQ(screen::VALANS, screen::key::kEscape);
  EXPECT_EQ(editprod::REC, editprod::REC_FOUND[0]);
  Close();
}

TEST_F(ProductEditorTest, HideAShelfFromTheUtilitiesWrapsToTheFirstMatch) {
  Store({Product("tea", "DY-01"), Product("tea green", "DY-02"), Product("milk", "DY-02"),
         Product("soap", "DY-01")});
  Keys("C");      // hide a shelf
  Keys("A");      // find a product of it by its words
  Keys("tea\r");  // "tea green" sorts first
  Keys("AA");     // the last, then the first again
  Pause();        // choose it: its shelf is hidden
  Keys("I");
  editprod::PRODUTILITIES();
  EXPECT_EQ(Read(2).KLINE1, "tea green~");
  EXPECT_EQ(Read(3).KLINE1, "milk~");
  EXPECT_EQ(Read(1).KLINE1, "tea");
  EXPECT_EQ(Read(4).KLINE1, "soap");
  EXPECT_TRUE(KeysConsistent());
  Keys("D");      // show it again
  Keys("B");      // by its shelf
  Keys("DY-02\r");
  Pause();
  Keys("I");
  editprod::PRODUTILITIES();
  EXPECT_EQ(Read(2).KLINE1, "tea green");
  EXPECT_EQ(Read(3).KLINE1, "milk");
  EXPECT_TRUE(KeysConsistent());
}

TEST_F(ProductEditorTest, EraseAndNewFileAskThePasswordAndAConfirmation) {
  Store({Product("milk"), Product("bread")});
  static bool accept = false;
  langs::GetPasswordHook = [](std::int32_t level) { return level == 1 && accept; };
  Keys("JI");  // refused password
  editprod::PRODUTILITIES();
  EXPECT_EQ(Used(), 2);
  accept = true;
  Keys("JBI");  // answered no
  editprod::PRODUTILITIES();
  EXPECT_EQ(Used(), 2);
  // A new file from a missing text file is refused: the products stay.
  Keys("EA");
  Keys("I");
  editprod::PRODUTILITIES();
  EXPECT_EQ(Used(), 2);
  Write("data/prodlist.txt", {"", "   "});
  Keys("EA");
  Keys("I");
  editprod::PRODUTILITIES();
  EXPECT_EQ(Used(), 2);
  Keys("JA");
  Keys("I");
  editprod::PRODUTILITIES();
  EXPECT_EQ(Used(), 0);
  Open();
  EXPECT_EQ(isam::BTNrOfKeys(editprod::PF2), 4);
  Close();
  // From a text file that holds products.
  Write("data/prodlist.txt", {"0", "jam", "", "J1", "", "", "", "", "", "", "", "", "", "", "",
                              "", "", "", ""});
  Keys("EA");
  Keys("I");
  editprod::PRODUTILITIES();
  EXPECT_EQ(Used(), 1);
  EXPECT_EQ(Read(1).KLINE1, "jam");
  EXPECT_TRUE(KeysConsistent());
}

TEST_F(ProductEditorTest, ListShowsTheNumberOfProductsAsked) {
  Store({Product("pear 1"), Product("pear 2"), Product("pear 3"), Product("plum")});
  // Two products asked: two shown, one key each.
  Keys("HApear\r2\rAAI");
  editprod::PRODUTILITIES();
  EXPECT_EQ(editprod::DD, 2);
  // "All" is cut to the three matches.
  Keys("HApear\ra\rAAAI");
  editprod::PRODUTILITIES();
  EXPECT_EQ(editprod::DD, 3);
  // More than there are: cut as well; Escape ends the list on the second.
  Keys("HApear\r9\rA");
  Esc();
  Keys("I");
  editprod::PRODUTILITIES();
  EXPECT_EQ(editprod::DD, 1);
  EXPECT_EQ(editprod::REC, editprod::REC_FOUND[1]);
  EXPECT_EQ(editprod::PRODUCT.KLINE1.view().substr(0, 4), "pear");
}

}  // namespace
