// The zone editor: the lines it reads, counts and writes back, and the
// editor driven from the keyboard over the installation's English forms.
#include "map/editzone.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "common/atomicfile.h"
#include "common/clock.h"
#include "tests/testing/kiosk_fixture.h"

namespace {

using kiosk_test::KioskTest;

constexpr std::uint8_t kUp = 72, kDown = 80;

// A zone line whose zoom is z and whose other fields tell the zone apart.
std::string Zone(int n, const std::string& zoom) {
  std::ostringstream s;
  s << n << '|' << zoom << "|-40|-102|180|290|40|20|-40|-102|0|-70|-192|0|0|0|-40|-" << n;
  return s.str();
}

class ZoneEditorTest : public KioskTest {
 protected:
  void SetUp() override {
    KioskTest::SetUp();
    const std::filesystem::path install = SourceDir() / "install";
    for (const char* f : {"lang/zonel1E.txt", "lang/zonel2E.txt", "lang/zone0E.txt", "lang/config.txt",
                          "data/lang2.txt"}) {
      std::filesystem::copy_file(install / f, folder_ / f);
    }
  }

  void Zonedef(const std::string& count, const std::vector<std::string>& zones) {
    std::vector<std::string> lines{count};
    lines.insert(lines.end(), zones.begin(), zones.end());
    Write("data/zonedef.txt", lines);
  }

  // The file's lines without their CR LF.
  std::vector<std::string> FileLines() const {
    std::vector<std::string> lines;
    std::istringstream in(ReadFile("data/zonedef.txt"));
    for (std::string l; std::getline(in, l);) {
      EXPECT_TRUE(!l.empty() && l.back() == '\r') << "line without CR LF: " << l;
      if (!l.empty() && l.back() == '\r') l.pop_back();
      lines.push_back(l);
    }
    return lines;
  }

  static void Save() {
    editzone::LOADZONES2();
    editzone::COUNTZONES();
    ASSERT_TRUE(editzone::SAVEZONE());
  }
};

TEST_F(ZoneEditorTest, CountsTheZonesWithAZoomAndWritesAtLeastTwentyOneLines) {
  // Zones 0..2 defined; zone 3's zoom 0.4 rounds to 0, so it is not counted.
  Zonedef("9", {Zone(0, "3.3"), Zone(1, "6.7"), Zone(2, "2"), Zone(3, "0.4")});
  Save();
  const std::vector<std::string> lines = FileLines();
  ASSERT_EQ(lines.size(), 22u);
  EXPECT_EQ(lines[0], "3");
  EXPECT_EQ(lines[1], Zone(0, "3.3"));
  EXPECT_EQ(lines[4], Zone(3, "0.4"));
  for (std::size_t i = 5; i < lines.size(); ++i) EXPECT_EQ(lines[i], "") << "line " << i;
}

TEST_F(ZoneEditorTest, KeepsEveryZoneLineTheTableHolds) {
  std::vector<std::string> zones;
  for (int z = 0; z < 30; ++z) zones.push_back(Zone(z, "2"));
  Zonedef("30", zones);
  Save();
  std::vector<std::string> lines = FileLines();
  ASSERT_EQ(lines.size(), 31u) << "zones 21..29 were dropped";
  EXPECT_EQ(lines[0], "30");
  EXPECT_EQ(lines[30], Zone(29, "2"));

  // Past zone 50 the zone table ends: the editor keeps zones 0..50.
  for (int z = 30; z < 60; ++z) zones.push_back(Zone(z, "2"));
  Zonedef("60", zones);
  Save();
  lines = FileLines();
  ASSERT_EQ(lines.size(), 52u);
  EXPECT_EQ(lines[0], "51");
  EXPECT_EQ(lines[51], Zone(50, "2"));
}

TEST_F(ZoneEditorTest, FEditsTheUpperYLimitAndPauseSaves) {
  Zonedef("2", {Zone(0, "3.3") + "|", Zone(1, "6.7")});
  Keys("F123\r");
  Code(kiosk_test::kPause);
  editzone::EDITZONES(0);
  const std::vector<std::string> lines = FileLines();
  ASSERT_EQ(lines.size(), 22u);
  EXPECT_EQ(lines[0], "2");
  // Field 5 changed, and the line went back without its trailing "|".
  EXPECT_EQ(lines[1], "0|3.3|-40|-102|123|290|40|20|-40|-102|0|-70|-192|0|0|0|-40|-0");
  EXPECT_EQ(lines[2], Zone(1, "6.7"));
}

TEST_F(ZoneEditorTest, EscapeAfterAnEditLeavesTheFileAsItWas) {
  Zonedef("2", {Zone(0, "3.3"), Zone(1, "6.7")});
  const std::string before = ReadFile("data/zonedef.txt");
  Keys("B9\r\x1b");
  editzone::EDITZONES(0);
  EXPECT_EQ(ReadFile("data/zonedef.txt"), before);
}

TEST_F(ZoneEditorTest, UpAndDownStayWithinTheZonesCountedOnLineOne) {
  // Line 1 counts three zones although more are defined: Down from zone 2
  // returns to zone 0, and Up from zone 0 stays there. S saves like Pause.
  std::vector<std::string> zones;
  for (int z = 0; z < 6; ++z) zones.push_back(Zone(z, "5"));
  Zonedef("3", zones);
  Code(kUp);
  Code(kDown);
  Code(kDown);
  Code(kDown);
  Keys("B7\rs");
  editzone::EDITZONES(0);
  const std::vector<std::string> lines = FileLines();
  ASSERT_EQ(lines.size(), 22u);
  EXPECT_EQ(lines[0], "6");
  EXPECT_EQ(lines[1], Zone(0, "7"));
  for (int z = 1; z < 6; ++z) EXPECT_EQ(lines[static_cast<std::size_t>(z) + 1], Zone(z, "5"));
  EXPECT_EQ(editzone::ZONE, 0);
}

TEST_F(ZoneEditorTest, AnAnswerLeftEmptyKeepsTheField) {
  // An empty field would take the rest of the line with it.
  Zonedef("1", {Zone(0, "3.3")});
  Keys("B\r");
  Code(kiosk_test::kPause);
  editzone::EDITZONES(0);
  EXPECT_EQ(FileLines()[1], Zone(0, "3.3"));
}

TEST_F(ZoneEditorTest, AValueThatIsNoNumberIsKeptAsTypedAndReadsAsZero) {
  // Zone 1's number and zoom typed as words: the line holds them as typed,
  // the zone table reads 0 for both, and a zoom of 0 is not counted.
  Zonedef("2", {Zone(0, "3.3"), Zone(1, "6.7")});
  Code(kDown);
  Keys("Aone\rBbig\r");
  Code(kiosk_test::kPause);
  editzone::EDITZONES(0);
  const std::vector<std::string> lines = FileLines();
  ASSERT_EQ(lines.size(), 22u);
  EXPECT_EQ(lines[0], "1");
  EXPECT_EQ(lines[2], "one|big" + Zone(1, "6.7").substr(5));
  zones::LOADZONES();
  EXPECT_EQ(zones::SHELFVAR[1][1], 0);
  EXPECT_EQ(zones::SHELFVAR[1][2], 0);
  EXPECT_EQ(zones::SHELFVAR[1][3], -40) << "the fields after the words were not read";
}

// Refuses every rename, as a full or failing disk would.
class NoRename : public kiosk::AtomicEnv {
 public:
  int Rename(const std::string&, const std::string&) override {
    errno = EIO;
    return -1;
  }
};

TEST_F(ZoneEditorTest, AFailedSaveKeepsTheOldFileAndSaysSo) {
  Zonedef("1", {Zone(0, "3.3")});
  const std::string before = ReadFile("data/zonedef.txt");
  NoRename env;
  kiosk::AtomicEnv* old = kiosk::SetAtomicEnv(&env);
  Keys("B9\r");
  Code(kiosk_test::kPause);
  const std::int64_t start = kiosk::clock::NowMs();
  editzone::EDITZONES(0);
  kiosk::SetAtomicEnv(old);
  EXPECT_EQ(ReadFile("data/zonedef.txt"), before);
  EXPECT_GE(kiosk::clock::NowMs() - start, 5000) << "no message was shown";
}

}  // namespace
