#include "tests/shell/shell_fixture.h"

using namespace cfgfiles;

namespace {

std::string Scrambled(std::string plain) {
  for (char& c : plain) c = screen::EncryptChar(c);
  return plain;
}

std::vector<std::string> FullConfig() {
  return {"150", "300.25", "2", "KIOSK-07", "English", "20", "HIDDEN SECRET", "3",
          "Harbour Market", "12 Harbour Street", "Brighton", "East Sussex", "shop2026",
          Scrambled("Str0ng pw")};
}

void Load() { TESTNEWCFG(WHEREISX, WHEREISY, FLOORX); }

}  // namespace

TEST_F(ShellTest, ConfigurationLinesFillTheirSettings) {
  Write("lang/config.txt", FullConfig());
  double x = 0, y = 0;
  std::int32_t floor = 0;
  std::int64_t before = kiosk::clock::NowMs();
  TESTNEWCFG(x, y, floor);
  EXPECT_EQ(kiosk::clock::NowMs() - before, 50);  // the load's pause
  EXPECT_DOUBLE_EQ(x, 150);
  EXPECT_DOUBLE_EQ(y, 300.25);
  EXPECT_EQ(floor, 2);
  EXPECT_DOUBLE_EQ(WHEREISX, 150);
  EXPECT_EQ(FLOORX, 2);
  EXPECT_EQ(NOOFFLOORS, 3);  // floor 2 of 3
  EXPECT_EQ(FLIMITI, 20);
  EXPECT_EQ(MACHINENO, "KIOSK-07");
  EXPECT_EQ(EXCLUDE, "HIDDEN SECRET");
  EXPECT_EQ(SIMPLEPW, "shop2026");
  EXPECT_EQ(STRONGPW, "Str0ng pw");  // held unscrambled
  // Name, city, street, state: lines 9, 11, 10, 12.
  EXPECT_EQ(screen::NAMEADDR[1], "Harbour Market");
  EXPECT_EQ(screen::NAMEADDR[2], "Brighton");
  EXPECT_EQ(screen::NAMEADDR[3], "12 Harbour Street");
  EXPECT_EQ(screen::NAMEADDR[4], "East Sussex");
}

TEST_F(ShellTest, ShortConfigurationEmptiesTheMissingLines) {
  Write("lang/config.txt", FullConfig());
  Load();
  Write("lang/config.txt", {"1", "2", "1", "K2", "English", "5", "", "4"});
  Load();
  EXPECT_DOUBLE_EQ(WHEREISX, 1);
  EXPECT_DOUBLE_EQ(WHEREISY, 2);
  EXPECT_EQ(FLIMITI, 5);
  EXPECT_EQ(NOOFFLOORS, 4);
  for (int i = 1; i <= 4; ++i) EXPECT_TRUE(screen::NAMEADDR[i].empty()) << i;
  EXPECT_TRUE(SIMPLEPW.empty());
  EXPECT_TRUE(STRONGPW.empty());
}

TEST_F(ShellTest, MissingConfigurationKeepsEveryValueWithoutWaiting) {
  Write("lang/config.txt", FullConfig());
  Load();
  std::filesystem::remove(folder_ / "lang/config.txt");
  std::int64_t before = kiosk::clock::NowMs();
  double x = 7;
  std::int32_t floor = 9;
  TESTNEWCFG(x, WHEREISY, floor);
  EXPECT_EQ(kiosk::clock::NowMs(), before);
  EXPECT_DOUBLE_EQ(x, 7);  // not handed back either
  EXPECT_EQ(floor, 9);
  EXPECT_EQ(FLOORX, 2);
  EXPECT_EQ(screen::NAMEADDR[1], "Harbour Market");
  EXPECT_EQ(STRONGPW, "Str0ng pw");
}

TEST_F(ShellTest, NumbersNeedWholeNumberTexts) {
  Write("lang/config.txt", {" 12.5", "12,5", "2.5", "", "", "abc", "", " 3 "});
  Load();
  EXPECT_DOUBLE_EQ(WHEREISX, 12.5);
  EXPECT_DOUBLE_EQ(WHEREISY, 0);  // decimal comma
  EXPECT_EQ(FLOORX, 0);           // not a whole number
  EXPECT_EQ(FLIMITI, 0);
  EXPECT_EQ(NOOFFLOORS, 3);

  EXPECT_EQ(TextToInteger("  -42"), -42);
  EXPECT_EQ(TextToInteger("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(TextToInteger("2147483648"), 0);
  EXPECT_EQ(TextToInteger("99999999999999999999"), 0);
  EXPECT_EQ(TextToInteger("-"), 0);
  // The same reading, telling "0" from a text that is no number.
  std::int32_t n = 5;
  EXPECT_TRUE(ReadWhole(" -0 ", n));
  EXPECT_EQ(n, 0);
  n = 5;
  for (const char* none : {"", "  ", "-", "2.5", "1e2", "2147483648", "3 4"}) EXPECT_FALSE(ReadWhole(none, n)) << none;
  EXPECT_EQ(n, 5);
}

TEST_F(ShellTest, LongLinesAreCutAndLineEndsOfAnyKindRead) {
  std::ofstream out(folder_ / "lang/config.txt", std::ios::binary);
  out << "1\n2\r3\r\n" << std::string(300, 'M') << "\r\nEnglish\n";
  out.close();
  Load();
  EXPECT_DOUBLE_EQ(WHEREISX, 1);
  EXPECT_DOUBLE_EQ(WHEREISY, 2);
  EXPECT_EQ(FLOORX, 3);
  EXPECT_EQ(MACHINENO, std::string(255, 'M'));
  EXPECT_EQ(LANGS, "English");  // the rest of the long line is skipped
}

TEST_F(ShellTest, LanguageLineCountsOnlyWhileNoLanguageIsChosen) {
  struct Case {
    const char* line;
    std::int32_t lang;
  } cases[] = {
      {"English French", 2}, {"French", 0},    {"english, italian", 3}, {"ENG POR SPA", 5},
      {"English", 1},        {"Spanish English", 9},  // position of "ENG": no suffix
  };
  for (const Case& c : cases) {
    Write("lang/config.txt", {"0", "0", "1", "K", c.line});
    LANG = 0;
    screen::LANGUAGE2 = 0;
    Load();
    EXPECT_EQ(LANG, c.lang) << c.line;
  }
  // A chosen language wins over the line.
  Write("lang/config.txt", {"0", "0", "1", "K", "English French"});
  LANG = 0;
  screen::LANGUAGE2 = 4;
  Load();
  EXPECT_EQ(LANG, 4);
  // A language already in force is kept.
  LANG = 1;
  screen::LANGUAGE2 = 0;
  Load();
  EXPECT_EQ(LANG, 1);
}
