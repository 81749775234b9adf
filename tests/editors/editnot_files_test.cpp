// The log's files: the exchange file written and read back, the log made
// afresh from it beside the old one, the rebuild, the printed list and the
// top list.
#include <filesystem>

#include "editors/rebuild.h"
#include "isam/check.h"
#include "tests/support/killed_run.h"
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

// Ends the process as a kill would once the mark of a finished side build
// is made.
class EndWhenMarked : public isam::IsamEnv {
 public:
  int Open(const std::string& path, int flags, int mode) override {
    const int fd = IsamEnv::Open(path, flags, mode);
    if (path.size() > 5 && path.compare(path.size() - 5, 5, ".DONE") == 0) mark_ = fd;
    return fd;
  }
  int Close(int fd) override {
    const int r = IsamEnv::Close(fd);
    if (fd == mark_ && mark_ >= 0) ::_exit(testsupport::kEndedPartWay);
    return r;
  }

 private:
  int mark_ = -1;
};

// Making the log afresh from text, stopped at any write: the old entries or
// the new ones, never part of them, no side files after the next open, and
// the exchange file untouched.
TEST_F(FilesTest, StoppedNewFileFromTextLeavesTheOldLogOrTheNewOne) {
  std::vector<std::string> fresh;
  for (int i = 0; i < 120; ++i) fresh.push_back("fresh" + std::to_string(i));
  Words(fresh);
  OpenLog();
  ASSERT_TRUE(editnot::EXPORTNOT());
  CloseLog();
  const std::string list = ReadText("data/notfound.txt");
  const std::vector<std::string> old = {"alpha", "beta", "gamma"};
  const auto remake = [&] {
    fs::remove(folder_ / "data" / "NotFound.DAT");
    fs::remove(folder_ / "data" / "NotFound.IX");
    Words(old);
  };
  const auto import = [] {
    if (!editnot::SETUPN()) return;
    editnot::TESTNEW();
  };
  remake();
  // A handful of writes however many entries: the store fills the new
  // log in bulk.
  const long writes = testsupport::CountWrites(import).store;
  ASSERT_GT(writes, 3);
  // Stopped at store writes, and once just after the swap's completion mark
  // was made (stop 0), before the new files took the old ones' place.
  std::vector<long> stops = testsupport::StopsOver(writes);
  stops.push_back(0);
  for (long stop : stops) {
    SCOPED_TRACE("stopped at store write " + std::to_string(stop) + " of " + std::to_string(writes));
    remake();
    if (stop > 0) {
      EXPECT_TRUE(testsupport::RunEndedAt(stop, 0, import));
    } else {
      EXPECT_TRUE(testsupport::RunEndedAt(0, 0, [&] {
        EndWhenMarked env;
        isam::SetEnv(&env);
        import();
      }));
    }
    const std::vector<std::string> now = Slots();
    if (stop > 0) {
      EXPECT_TRUE(now == old || now == fresh) << now.size() << " entries";
    } else {
      EXPECT_EQ(now, fresh) << "the next open completes a marked swap";
    }
    EXPECT_TRUE(LogKeysRight());
    const isam::CheckReport check = isam::IsamCheckFileBlock(editnot::kFileName);
    EXPECT_TRUE(check.Ok()) << (check.Problems.empty() ? "" : check.Problems.front());
    for (const char* side : {"NotFoundNew.DAT", "NotFoundNew.IX", "NotFoundNew.DONE"})
      EXPECT_FALSE(fs::exists(folder_ / "data" / side)) << side;
    EXPECT_EQ(ReadText("data/notfound.txt"), list);
  }
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
