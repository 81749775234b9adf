// The staff screens of the log driven by keys: the browse, the change kept
// or dropped, the deletion, a product made of an entry, the menus.
#include <algorithm>
#include <filesystem>

#include "tests/editors/notfound_fixture.h"

namespace {

namespace fs = std::filesystem;

class ScreensTest : public LogTest {
 protected:
  // Runs the browse over the open log with the keys; REC is the entry
  // shown last.
  std::int32_t Browse(const std::string& keys) {
    OpenLog();
    Keys(keys);
    editnot::LISTP();
    const std::int32_t shown = editnot::REC;
    CloseLog();
    return shown;
  }
  void Pause() { Code(kPause); }

  std::vector<editprod::PRODDEF> Products() {
    std::vector<editprod::PRODDEF> out;
    Open();
    for (std::int32_t r = 1; r <= glue::HIGHESTREC(editprod::PRODFILE); ++r) {
      editprod::PRODDEF p;
      isam::BTGetRec(editprod::PF2, r, &p);
      if (p.DEL == 0) out.push_back(p);
    }
    Close();
    return out;
  }
};

TEST_F(ScreensTest, BrowseWalksTheKeyForwardSkipsHiddenEntriesAndWraps) {
  Words({"b", "~x", "a", "c"});  // key order: a3, b1, c4, ~x2
  EXPECT_EQ(Browse("\x1b"), 3);
  EXPECT_EQ(Browse("AA\x1b"), 4);
  EXPECT_EQ(Browse("AAA\x1b"), 3) << "after the last entry the first again, the hidden one skipped";
  EXPECT_EQ(Browse("AAB\x1b"), 1) << "Previous goes back to the entry shown before";
  EXPECT_EQ(Browse("BBA\x1b"), 1) << "Previous at the first entry stays there";
  Delete(1);
  EXPECT_EQ(Browse("A\x1b"), 4);
  Pause();
  EXPECT_EQ(Browse(""), 3) << "Pause ends the browse as well";
}

TEST_F(ScreensTest, BrowseShowsEntriesPastRecordNumber500AndGoesBackAfterManySteps) {
  // Record 505 sorts first ("a"); the others follow in the order of their
  // key text ("b1", "b10", "b100", ...).
  std::vector<std::string> words(504, "b");
  words.push_back("a");
  Words(words);
  std::vector<std::string> keyOrder;
  for (int r = 1; r <= 504; ++r) keyOrder.push_back("b" + std::to_string(r));
  std::sort(keyOrder.begin(), keyOrder.end());
  auto refAt = [&](std::size_t i) { return i == 0 ? 505 : std::stoi(keyOrder[i - 1].substr(1)); };
  EXPECT_EQ(Browse("\x1b"), 505);
  EXPECT_EQ(Browse("AB\x1b"), 505);
  // More steps than entries are kept for going back: the last ones still are.
  EXPECT_EQ(Browse(std::string(502, 'A') + "B\x1b"), refAt(501));
}

TEST_F(ScreensTest, BrowseOfALogWithNothingToShowEnds) {
  Words({"~x", "~y"});
  Browse("");
  EXPECT_EQ(openErrors_, 1) << "the message is shown once";
}

TEST_F(ScreensTest, ChangeIsKeptWithItsNewKeyOnPause) {
  Words({"kumquat", "tahini"});
  Keys("CAs\r" "F" + kClear + "25\r");
  Pause();
  Browse("");
  EXPECT_EQ(Slots(), (std::vector<std::string>{"kumquats", "tahini"}));
  EXPECT_TRUE(LogKeysRight());
  EXPECT_EQ(editnot::NOTSAVE, "No");
  EXPECT_EQ(cfgfiles::XFOUND, 25.0) << "the map position follows the entry";
  OpenLog();
  editnot::NOTDEF e;
  isam::BTGetRec(editnot::NOTFILE.fb, 1, &e);
  EXPECT_EQ(e.COORDX, "25");
  CloseLog();
  // Kept across a rebuild of the index as well: the record holds it.
  EXPECT_EQ(Browse("\x1b"), 1);
}

TEST_F(ScreensTest, ChangeIsDroppedOnEscapeAndAnEmptyWordIsRefused) {
  Words({"kumquat"});
  Keys("CAs\r\x1b");
  Browse("");
  EXPECT_EQ(editnot::NOTSAVE, "Yes");
  // Emptied, Pause: the question; No goes back to the fields, Yes drops it.
  Keys("CA" + kClear + "\r");
  Pause();
  Keys("b");
  Pause();
  Keys("a");
  Browse("");
  EXPECT_EQ(Slots(), std::vector<std::string>{"kumquat"});
  EXPECT_TRUE(LogKeysRight());
}

TEST_F(ScreensTest, DeletionAnsweredNoKeepsTheEntryAndYesErasesItsKey) {
  Words({"kumquat", "tahini"});
  Browse("Db");
  Browse("D\x1b");
  EXPECT_EQ(Slots(), (std::vector<std::string>{"kumquat", "tahini"}));
  EXPECT_EQ(cfgfiles::REKEY_FLAG, 0);
  EXPECT_TRUE(LogKeysRight());
  Browse("Da");
  EXPECT_EQ(Slots(), (std::vector<std::string>{"", "tahini"}));
  EXPECT_EQ(cfgfiles::REKEY_FLAG, 1);
  EXPECT_TRUE(LogKeysRight());
}

TEST_F(ScreensTest, EntryMadeIntoAProductThenDeleted) {
  Words({"tahini"});
  Browse("EA");  // kept as it is
  EXPECT_TRUE(Products().empty());
  Browse("EBa");
  const std::vector<editprod::PRODDEF> made = Products();
  ASSERT_EQ(made.size(), 1u);
  EXPECT_EQ(made[0].KLINE1, "tahini");
  EXPECT_EQ(made[0].KLINE1B, " ");
  EXPECT_EQ(made[0].EXCLUDE, "KIOSK-07") << "the machine number takes the exclusion code's place";
  EXPECT_EQ(made[0].COORDX, "10");
  EXPECT_EQ(made[0].FLOOR, "0");
  EXPECT_TRUE(KeysConsistent());
  EXPECT_EQ(Slots(), std::vector<std::string>{""});
  EXPECT_TRUE(LogKeysRight());
  // A product made and its entry kept.
  Words({"quinoa"});
  Browse("EBb");
  EXPECT_EQ(Products().size(), 2u);
  EXPECT_EQ(Slots(), (std::vector<std::string>{"quinoa"}));
}

TEST_F(ScreensTest, LeavingTheMenuAfterADeletionOffersTheRebuild) {
  Words({"kumquat", "tahini"});
  langs::GetPasswordHook = [](std::int32_t) { return true; };
  Keys("ADa" "\x1b" "a");
  editnot::EDITNOT2();
  EXPECT_EQ(cfgfiles::REKEY_FLAG, 0);
  EXPECT_EQ(editnot::NOTFILE.ask, nullptr) << "the staff's questions leave with the menu";
  EXPECT_FALSE(isam::IsamIsInitialized());
  EXPECT_EQ(Slots(), std::vector<std::string>{"tahini"}) << "rebuilt without the deleted slot";
  EXPECT_TRUE(LogKeysRight());
  EXPECT_EQ(TextLines("data/notfound.txt").size(), 21u) << "the rebuild refreshed the text file";
}

TEST_F(ScreensTest, UtilitiesExportReplaceAndTopList) {
  Words({"kumquat", "tahini", "kumquat"});
  static bool accept;
  langs::GetPasswordHook = [](std::int32_t) { return accept; };
  accept = true;
  Keys("A" "Ex" "Bb");  // export, the top list, a new file refused at the question
  Pause();
  editnot::NOTFOUNDUTILITIES();
  EXPECT_EQ(TextLines("data/notfound.txt").size(), 3u * 21);
  EXPECT_EQ(TextLines("docs/NotFoundTop.txt")[3], "kumquat\t2\tKIOSK-07\t02/01/2026");
  std::ofstream(folder_ / "data" / "notfound.txt", std::ios::binary) << "0\r\nquinoa\r\n";
  accept = false;
  Keys("B" "\x1b");
  editnot::NOTFOUNDUTILITIES();
  EXPECT_EQ(Slots(), (std::vector<std::string>{"kumquat", "tahini", "kumquat"}));
  accept = true;
  Keys("Ba" "\x1b");
  editnot::NOTFOUNDUTILITIES();
  EXPECT_EQ(Slots(), std::vector<std::string>{"quinoa"});
  EXPECT_TRUE(LogKeysRight());
}

TEST_F(ScreensTest, TheShoppersKioskNeverAsksAboutAnEmptyWord) {
  editnot::NOTFILE.ask = [](std::string_view q) {
    ADD_FAILURE() << "asked: " << q;
    return false;
  };
  editnot::EDITPRODNOT("   ");
  EXPECT_FALSE(fs::exists(folder_ / "data" / "NotFound.DAT"));
  editnot::NOTFILE.ask = nullptr;
}

}  // namespace
