// The log's files: the exchange file written and read back, the log made
// afresh from it beside the old one, the rebuild, the printed list and the
// top list.
#include <filesystem>

#include "editors/rebuild.h"
#include "tests/editors/notfound_fixture.h"

namespace {

namespace fs = std::filesystem;

using FilesTest = LogTest;

// The 20 field lines of group g (0-based) of an exchange file.
std::vector<std::string> Group(const std::vector<std::string>& lines, std::size_t g) {
  return std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(21 * g + 1),
                                  lines.begin() + static_cast<std::ptrdiff_t>(21 * g + 21));
}

TEST_F(FilesTest, ExportWalksEveryRecordNumberAndKeepsHiddenEntries) {
  Words({"alpha", "beta", "~gamma", "delta"});
  Delete(1);  // the used count is now 3, the last live record number 4
  OpenLog();
  ASSERT_TRUE(editnot::EXPORTNOT());
  EXPECT_EQ(editnot::NOTFILE.fb, nullptr) << "the export closes the log";
  CloseLog();
  const std::vector<std::string> lines = TextLines("data/notfound.txt");
  ASSERT_EQ(lines.size(), 3u * 21);
  for (std::size_t g = 0; g < 3; ++g) EXPECT_EQ(lines[21 * g], "0");
  EXPECT_EQ(Group(lines, 0)[0], "beta");
  EXPECT_EQ(Group(lines, 1)[0], "~gamma");
  const std::vector<std::string> last = Group(lines, 2);
  EXPECT_EQ(last, (std::vector<std::string>{"delta", " ", "", "", "KIOSK-07", "10", "10", "0", "", "",
                                            "", "", "", "", "", "", "", " ", "1:2:3 PM   ", "02/01/2026"}));
}

TEST_F(FilesTest, NewFileFromTextRoundTripsWithFreshKeys) {
  Words({"alpha", "beta", "alpha"});
  Delete(2);
  OpenLog();
  ASSERT_TRUE(editnot::EXPORTNOT());
  CloseLog();
  // A long word and a line past its field are cut; blank lines at the end
  // make no entry.
  std::string text = ReadText("data/notfound.txt");
  text += "0\r\n" + std::string(70, 'w') + "\r\n";
  for (int f = 2; f <= 20; ++f) text += (f == 5 ? std::string(20, 'K') : std::string()) + "\r\n";
  text += "\r\n\r\n";
  std::ofstream(folder_ / "data" / "notfound.txt", std::ios::binary) << text;

  OpenLog();
  ASSERT_TRUE(editnot::TESTNEW());
  EXPECT_EQ(editnot::NOTFILE.fb, nullptr);
  CloseLog();
  EXPECT_EQ(Slots(), (std::vector<std::string>{"alpha", "alpha", std::string(55, 'w')}));
  EXPECT_TRUE(LogKeysRight());
  OpenLog();
  editnot::NOTDEF e;
  isam::BTGetRec(editnot::NOTFILE.fb, 3, &e);
  EXPECT_EQ(e.MACHINENO, std::string(14, 'K'));
  CloseLog();
  EXPECT_FALSE(fs::exists(folder_ / "data" / "NotFoundNew.DAT")) << "the side log was left behind";
}

TEST_F(FilesTest, NewFileFromTextKeepsTheLogWhenTheTextIsMissingOrTheBuildFails) {
  Words({"alpha", "beta"});
  OpenLog();
  EXPECT_FALSE(editnot::TESTNEW()) << "no notfound.txt";
  CloseLog();
  EXPECT_EQ(Slots(), (std::vector<std::string>{"alpha", "beta"}));

  std::ofstream(folder_ / "data" / "notfound.txt", std::ios::binary) << "";
  OpenLog();
  EXPECT_FALSE(editnot::TESTNEW()) << "an empty notfound.txt";
  CloseLog();
  EXPECT_EQ(Slots(), (std::vector<std::string>{"alpha", "beta"}));

  // A side log that cannot be made: the log in use is never touched.
  std::ofstream(folder_ / "data" / "notfound.txt", std::ios::binary) << "0\r\ngamma\r\n";
  fs::create_directories(folder_ / "data" / "NotFoundNew.DAT");
  std::ofstream(folder_ / "data" / "NotFoundNew.DAT" / "in-the-way") << "x";
  OpenLog();
  EXPECT_FALSE(editnot::TESTNEW());
  CloseLog();
  EXPECT_EQ(Slots(), (std::vector<std::string>{"alpha", "beta"}));
  EXPECT_TRUE(LogKeysRight());
  EXPECT_GE(openErrors_, 3) << "each refusal is shown for 5 seconds";
}

TEST_F(FilesTest, RebuildRestoresKeysFromTheDataFileAndRefreshesTheText) {
  Words({"alpha", "beta", "gamma"});
  Delete(2);
  std::ofstream(folder_ / "data" / "notfound.txt", std::ios::binary) << "0\r\nstale\r\n";
  fs::remove(folder_ / "data" / "NotFound.IX");
  ASSERT_TRUE(rebuild::REBUILD_FILES2(rebuild::Catalogue::NotFound));
  EXPECT_FALSE(isam::IsamIsInitialized());
  const std::vector<std::string> words = Slots();
  EXPECT_EQ(std::count(words.begin(), words.end(), "alpha"), 1);
  EXPECT_EQ(std::count(words.begin(), words.end(), "gamma"), 1);
  EXPECT_EQ(std::count(words.begin(), words.end(), "stale"), 0);
  EXPECT_TRUE(LogKeysRight());
  EXPECT_EQ(TextLines("data/notfound.txt").size(), 2u * 21);

  // Without a data file the log comes from the text file.
  fs::remove(folder_ / "data" / "NotFound.DAT");
  fs::remove(folder_ / "data" / "NotFound.IX");
  ASSERT_TRUE(rebuild::REBUILD_FILES2(rebuild::Catalogue::NotFound));
  EXPECT_EQ(Slots(), (std::vector<std::string>{"alpha", "gamma"}));
  EXPECT_TRUE(LogKeysRight());
}

TEST_F(FilesTest, RebuildEntryNeedsThePasswordAndAYes) {
  Words({"alpha"});
  fs::remove(folder_ / "data" / "NotFound.IX");
  static bool accept;
  langs::GetPasswordHook = [](std::int32_t) { return accept; };
  accept = false;
  EXPECT_FALSE(rebuild::REBUILD_FILES(rebuild::Catalogue::NotFound, "Rebuild?"));
  EXPECT_FALSE(fs::exists(folder_ / "data" / "NotFound.IX"));
  accept = true;
  Keys("b");  // no
  EXPECT_FALSE(rebuild::REBUILD_FILES(rebuild::Catalogue::NotFound, "Rebuild?"));
  EXPECT_FALSE(fs::exists(folder_ / "data" / "NotFound.IX"));
  Keys("a");
  EXPECT_TRUE(rebuild::REBUILD_FILES(rebuild::Catalogue::NotFound, "Rebuild?"));
  EXPECT_TRUE(LogKeysRight());
}

TEST_F(FilesTest, PrintedListCountsDeletedRecordsForItsPages) {
  Words({"one", "~two", "three", "four"});  // "~" entries are printed too
  Delete(3);
  OpenLog();
  ASSERT_TRUE(editnot::PRINTNOTFOUND());
  CloseLog();
  const std::vector<std::string> lines = TextLines("docs/NotFoundList.txt");
  // Two blocks of 20 lines and an empty line, then the page line after
  // record 3 although it is deleted, then the block of record 4.
  ASSERT_EQ(lines.size(), 2u * 21 + 3 + 21);
  EXPECT_EQ(lines[0], "Word searched\tone");
  EXPECT_EQ(lines[4], "Kiosk\tKIOSK-07");
  EXPECT_EQ(lines[19], "Date\t02/01/2026");
  EXPECT_EQ(lines[20], "");
  EXPECT_EQ(lines[21], "Word searched\t~two");
  EXPECT_EQ(lines[42], "\t\tPage 1");
  EXPECT_EQ(lines[43], "");
  EXPECT_EQ(lines[44], "\r");
  EXPECT_EQ(lines[45], "Word searched\tfour");
}

TEST_F(FilesTest, TopListCountsWordsMostOftenFirst) {
  Log({{"Kumquat", "K1", "03/01/2026"},
       {" kumquat ", "K2", "28/12/2025"},
       {"tahini", "K1", "05/01/2026"},
       {"KUMQUAT", "K1", "01/01/2026"},
       {"quinoa", "K2", "04/01/2026"},
       {"~hidden", "K1", "04/01/2026"},
       {"Tahini", "K3", "01/02/2025"},
       {"gone", "K1", "04/01/2026"},
       {"Quinoa", "K1", "07/01/2026"}});
  Delete(8);
  OpenLog();
  std::vector<editnot::TopWord> top;
  EXPECT_TRUE(editnot::TOPWORDS(top));
  CloseLog();
  ASSERT_EQ(top.size(), 3u);
  EXPECT_EQ(top[0].word, "Kumquat");
  EXPECT_EQ(top[0].count, 3);
  EXPECT_EQ(top[0].machines, (std::vector<std::string>{"K1", "K2"}));
  EXPECT_EQ(top[0].lastDate, "03/01/2026");  // the latest date, not the last record
  // Two each: in the order of the word.
  EXPECT_EQ(top[1].word, "quinoa");
  EXPECT_EQ(top[1].lastDate, "07/01/2026");
  EXPECT_EQ(top[2].word, "tahini");
  EXPECT_EQ(top[2].machines, (std::vector<std::string>{"K1", "K3"}));
  EXPECT_EQ(top[2].lastDate, "05/01/2026");

  EXPECT_EQ(editnot::TOPTEXT(top, {"", "Top", "W", "N", "K", "D"}),
            "Top\r\n\r\nW\tN\tK\tD\r\n"
            "Kumquat\t3\tK1, K2\t03/01/2026\r\n"
            "quinoa\t2\tK1, K2\t07/01/2026\r\n"
            "tahini\t2\tK1, K3\t05/01/2026\r\n");
}

TEST_F(FilesTest, TopListIsWrittenAndShownUntilAKey) {
  Words({"kumquat", "tahini", "kumquat"});
  OpenLog();
  Keys("x");
  ASSERT_TRUE(editnot::TOPLIST());
  CloseLog();
  const std::vector<std::string> lines = TextLines("docs/NotFoundTop.txt");
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "Words shoppers could not find, most often first");
  EXPECT_EQ(lines[2], "Word\tTimes\tKiosks\tLast searched");
  EXPECT_EQ(lines[3], "kumquat\t2\tKIOSK-07\t02/01/2026");
  EXPECT_EQ(lines[4], "tahini\t1\tKIOSK-07\t02/01/2026");
  // The rows below the column names are drawn.
  EXPECT_GT(Count(30, 175, 300, 240, kWhite), 50);
}

}  // namespace
