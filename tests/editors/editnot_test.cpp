// Logging words not found: one record per logging with its own key, the
// word cut to its field, the machine number, time and date texts.
#include <set>
#include <string>

#include "../map/storedc_fixture.h"

namespace {

class NotFoundLogTest : public SearchTest {
 protected:
  void At(int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = 126;
    t.tm_mon = 0;
    t.tm_mday = 2;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    screen::SetTimeSource([t] { return t; });
  }

  // Key 1's entries, in index order.
  std::vector<std::string> Keys1() {
    std::vector<std::string> keys;
    EXPECT_TRUE(editnot::SETUPN());
    glue::OPENIT(editnot::NOTFILE);
    isam::BTClearKey(editnot::NOTFILE.fb, 1);
    for (;;) {
      std::int32_t ref = 0;
      isam::IsamKeyStr key;
      isam::BTNextKey(editnot::NOTFILE.fb, 1, ref, key);
      if (!isam::IsamOK) break;
      keys.push_back(key.str());
    }
    glue::CLOSEIT(editnot::NOTFILE);
    glue::RELEASE(editnot::NOTFILE);
    return keys;
  }
};

TEST_F(NotFoundLogTest, EachLoggingIsAnEntryWithItsOwnKeyAndBlankWordsNone) {
  At(0, 0, 5);
  editnot::EDITPRODNOT("   ");  // blank: not logged
  for (int i = 0; i < 3; ++i) editnot::EDITPRODNOT(" Oat Milk  ");
  EXPECT_FALSE(isam::IsamIsInitialized());  // the store is released again
  std::vector<editnot::NOTDEF> log = LogEntries();
  ASSERT_EQ(log.size(), 3u);
  for (const editnot::NOTDEF& e : log) {
    EXPECT_EQ(e.KLINE1, " Oat Milk  ");
    EXPECT_EQ(e.KLINE1B, " ");
    EXPECT_EQ(e.SHELF, "");
    EXPECT_EQ(e.MACHINENO, "KIOSK-07");
    EXPECT_EQ(e.COORDX, "10");
    EXPECT_EQ(e.COORDY, "10");
    EXPECT_EQ(e.FLOOR, "0");
    EXPECT_EQ(e.HEADER, "");
    EXPECT_EQ(e.SEEALSO, " ");
    EXPECT_EQ(e.TIME, "0:0:5 AM   ");
    EXPECT_EQ(e.DATE, screen::GETDATE().view());
  }
  // Leading blanks and case are kept, trailing ones dropped, and the
  // record number ends each key.
  EXPECT_EQ(Keys1(), (std::vector<std::string>{" Oat Milk1", " Oat Milk2", " Oat Milk3"}));
}

TEST_F(NotFoundLogTest, LongWordsAndMachineNumbersAreCutToTheirFields) {
  Write("lang/config.txt", {"150", "300", "1", "MACHINE-NUMBER-TOO-LONG", "English", "20", "", "2",
                            "S", "A", "B", "C", "pw", "x"});
  At(12, 15, 0);
  const std::string word(70, 'w');
  editnot::EDITPRODNOT(word);
  std::vector<editnot::NOTDEF> log = LogEntries();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].KLINE1, std::string(55, 'w'));
  EXPECT_EQ(log[0].MACHINENO, "MACHINE-NUMBER");
  EXPECT_EQ(log[0].TIME, "0:15:0 PM   ");
  EXPECT_EQ(Keys1(), std::vector<std::string>{std::string(55, 'w') + "1"});
}

TEST_F(NotFoundLogTest, RecordIsStoredByteForByte) {
  At(9, 8, 7);
  editnot::EDITPRODNOT("soap");
  std::ifstream in(folder_ / "data" / "NotFound.DAT", std::ios::binary);
  const std::string dat((std::istreambuf_iterator<char>(in)), {});
  // The record holds its fields at fixed places, whatever the file's header
  // size: find the word and check its neighbours from there.
  const std::size_t at = dat.find(std::string("\x04soap", 5));
  ASSERT_NE(at, std::string::npos);
  const std::size_t rec = at - 4;
  ASSERT_LE(rec + 816, dat.size());
  EXPECT_EQ(dat.substr(rec, 4), std::string(4, '\0'));
  EXPECT_EQ(dat.substr(rec + 60, 2), "\x01 ");
  EXPECT_EQ(dat.substr(rec + 167, 9), "\x08KIOSK-07");
  EXPECT_EQ(dat.substr(rec + 182, 3), "\x02" "10");
  EXPECT_EQ(dat.substr(rec + 216, 2), "\x01" "0");
  EXPECT_EQ(dat.substr(rec + 726, 2), "\x01 ");
  EXPECT_EQ(dat.substr(rec + 782, 12), "\x0b" "9:8:7 AM   ");
  EXPECT_EQ(static_cast<unsigned char>(dat[rec + 798]), screen::GETDATE().size());
}

}  // namespace
