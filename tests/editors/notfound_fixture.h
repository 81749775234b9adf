// The not-found log on a headless kiosk window over a scratch working
// folder with the installation's language files: entries put in directly,
// read back by record number, and the key check.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "editors/editnot.h"
#include "map/locate.h"
#include "screen/keys.h"
#include "tests/editors/editor_fixture.h"

class LogTest : public EditorTest {
 protected:
  std::string ReadText(const std::string& name) const { return ReadFile(name); }
  void SetUp() override {
    EditorTest::SetUp();
    dispmap::ResetForTest();
    At(2026, 1, 2);
  }
  void TearDown() override {
    langs::GetPasswordHook = nullptr;
    dispmap::ResetForTest();
    EditorTest::TearDown();
  }

  // The local clock the log reads, at noon of a day.
  static void At(int year, int month, int day) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = 12;
    screen::SetTimeSource([t] { return t; });
  }

  struct Entry {
    std::string word;
    std::string machine = "KIOSK-07";
    std::string date = "02/01/2026";
  };
  // Adds the entries in order (record numbers 1, 2, ...), the log closed
  // before and after.
  void Log(const std::vector<Entry>& entries) {
    ASSERT_TRUE(editnot::SETUPN());
    if (!editnot::NOTFILE.OK) glue::OPENIT(editnot::NOTFILE);
    ASSERT_TRUE(editnot::NOTFILE.OK);
    for (const Entry& e : entries) {
      editnot::NOTFOUND = editnot::NOTDEF();
      editnot::NOTFOUND.KLINE1 = e.word;
      editnot::NOTFOUND.KLINE1B = " ";
      editnot::NOTFOUND.MACHINENO = e.machine;
      editnot::NOTFOUND.COORDX = "10";
      editnot::NOTFOUND.COORDY = "10";
      editnot::NOTFOUND.FLOOR = "0";
      editnot::NOTFOUND.SEEALSO = " ";
      editnot::NOTFOUND.TIME = "1:2:3 PM   ";
      editnot::NOTFOUND.DATE = e.date;
      ASSERT_TRUE(glue::NEWSTRUCTURE(editnot::NOTFILE)) << e.word;
    }
    CloseLog();
  }
  void Words(const std::vector<std::string>& words) {
    std::vector<Entry> entries;
    for (const std::string& w : words) entries.push_back({w});
    Log(entries);
  }

  void OpenLog() {
    ASSERT_TRUE(editnot::SETUPN());
    if (!editnot::NOTFILE.OK) glue::OPENIT(editnot::NOTFILE);
    ASSERT_TRUE(editnot::NOTFILE.OK);
  }
  void CloseLog() { glue::RELEASE(editnot::NOTFILE); }

  void Delete(std::int32_t ref) {
    OpenLog();
    ASSERT_TRUE(glue::ERASERECORD(editnot::NOTFILE, ref));
    CloseLog();
  }

  // The words of the live entries by record number ("" for a deleted one).
  std::vector<std::string> Slots() {
    std::vector<std::string> words;
    OpenLog();
    for (std::int32_t r = 1; r <= glue::HIGHESTREC(editnot::NOTFILE); ++r) {
      editnot::NOTDEF e;
      isam::BTGetRec(editnot::NOTFILE.fb, r, &e);
      words.push_back(e.DEL == 0 ? e.KLINE1.str() : "");
    }
    CloseLog();
    return words;
  }

  // Every live entry has one key, built by the key rule and ending in its
  // record number, and no key names a deleted entry.
  ::testing::AssertionResult LogKeysRight() {
    if (!editnot::SETUPN()) return ::testing::AssertionFailure() << "store did not start";
    if (!editnot::NOTFILE.OK) glue::OPENIT(editnot::NOTFILE);
    auto result = catalogue_test::Consistent(editnot::NOTFILE);
    isam::BTClearKey(editnot::NOTFILE.fb, 1);
    while (result) {
      std::int32_t ref = 0;
      isam::IsamKeyStr key;
      isam::BTNextKey(editnot::NOTFILE.fb, 1, ref, key);
      if (!isam::IsamOK) break;
      editnot::NOTDEF e;
      isam::BTGetRec(editnot::NOTFILE.fb, ref, &e);
      const std::string want = editnot::BUILDKEY(e) + std::to_string(ref);
      if (key.str() != want)
        result = ::testing::AssertionFailure() << "key \"" << key.str() << "\" of " << ref << ", want \"" << want << "\"";
    }
    isam::IsamClearOK();
    CloseLog();
    return result;
  }

  // The lines of a text file of the working folder (CR LF ends).
  std::vector<std::string> TextLines(const std::string& name) const {
    std::vector<std::string> lines;
    const std::string all = ReadText(name);
    std::size_t from = 0;
    for (std::size_t at; (at = all.find("\r\n", from)) != std::string::npos; from = at + 2)
      lines.push_back(all.substr(from, at - from));
    EXPECT_EQ(from, all.size()) << name << " ends without a line end";
    return lines;
  }

  static inline const std::string kClear{"\0w", 2};  // Ctrl+Home at the end: the answer emptied
};
