#include "screen/keys.h"
#include "screen/prompt.h"
#include "tests/shell/shell_fixture.h"

using namespace langs;

namespace {

std::vector<std::string> Numbered(int n, const std::string& prefix) {
  std::vector<std::string> lines;
  for (int i = 1; i <= n; ++i) lines.push_back(prefix + std::to_string(i));
  return lines;
}

}  // namespace

TEST_F(ShellTest, FamilyNameTakesTheSuffixOfTheLanguageInForce) {
  WriteSuffixes();
  Write("lang/config.txt", {"0", "0", "1", "K", "English"});
  Write("lang/selnF.txt", Numbered(30, "french "));
  Write("lang/selnE.txt", Numbered(30, "english "));
  screen::LANGUAGE2 = 2;
  GETEXACT("seln", 22);
  EXPECT_EQ(screen::TEMP, "french 22");
  EXPECT_EQ(cfgfiles::LANG, 2);
  EXPECT_EQ(screen::LANGG[2], "F");

  Str255 name = "Vell!6";
  screen::LANGUAGE2 = 1;
  GETLANG(name);
  EXPECT_EQ(name, "lang\\Vell!6E.txt");
  EXPECT_EQ(openErrors_, 0);
}

TEST_F(ShellTest, LanguageOutsideOneToFiveUsesTheFamilyNameAsFileName) {
  WriteSuffixes();
  Write("lang/config.txt", {"0", "0", "1", "K", "Spanish English"});
  Write("seln", {"bare file"});
  screen::LANGUAGE2 = 0;  // no language chosen
  GETEXACT("seln", 1);
  EXPECT_EQ(cfgfiles::LANG, 9);
  EXPECT_EQ(screen::TEMP, "bare file");
  EXPECT_EQ(screen::LANGUAGE2, 0);
}

TEST_F(ShellTest, LineLookupStopsAtTheSentinelAndPastTheEnd) {
  WriteSuffixes();
  Write("lang/config.txt", {"0", "0", "1", "K", "English"});
  Write("lang/headE.txt", {"one", "two", "three  ", "xx*******xx", "five"});
  screen::LANGUAGE2 = 1;
  GETEXACT("head", 3);
  EXPECT_EQ(screen::TEMP, "three  ");  // taken as written
  screen::TEMP = "kept";
  GETEXACT("head", 4);  // the sentinel line itself
  EXPECT_EQ(screen::TEMP, "kept");
  GETEXACT("head", 5);  // after it
  EXPECT_EQ(screen::TEMP, "kept");

  Write("lang/headE.txt", {"******", "two"});  // six asterisks end spec lists only
  GETEXACT("head", 2);
  EXPECT_EQ(screen::TEMP, "two");
  GETEXACT("head", 9);
  EXPECT_EQ(screen::TEMP, "");
  EXPECT_EQ(openErrors_, 0);
}

TEST_F(ShellTest, MissingFilesShowTheOpenErrorForFiveSeconds) {
  Write("lang/config.txt", {"0", "0", "1", "K", "English"});
  screen::LANGUAGE2 = 1;
  screen::LANGG[1] = "E";
  Write("lang/headE.txt", {"one"});
  screen::TEMP = "old";
  // No suffix file: the suffixes stay, the lookup still works.
  GETEXACT("head", 1);
  EXPECT_EQ(openErrors_, 1);
  EXPECT_EQ(screen::TEMP, "one");

  WriteSuffixes();
  screen::TEMP = "old";
  std::int64_t before = kiosk::clock::NowMs();
  GETEXACT("nosuch", 1);
  EXPECT_EQ(openErrors_, 2);
  EXPECT_GE(kiosk::clock::NowMs() - before, 5000);
  EXPECT_EQ(screen::TEMP, "");
  EXPECT_NE(IOSTATUS, 0);
  // The message stands on the prompt box.
  EXPECT_GT(Count(100, screen::MAXY - 47, 400, screen::MAXY - 5, kWhite), 0);

  screen::PASS1[1] = "kept";
  GETFILES("nosuch");
  EXPECT_EQ(openErrors_, 3);
  EXPECT_EQ(screen::PASS1[1], "kept");
}

TEST_F(ShellTest, SpecListsFillUpToTheSentinelOrThirtyFive) {
  WriteSuffixes();
  Write("lang/config.txt", {"0", "0", "1", "K", "English"});
  screen::LANGUAGE2 = 1;
  for (int i = 0; i <= 35; ++i) screen::PASS1[i] = "stale";
  Write("lang/edc3E.txt", {"a,1   ", "b,2", "c,3"});
  GETFILES("edc3");
  EXPECT_EQ(screen::PASS1[0], "stale");  // not used
  EXPECT_EQ(screen::PASS1[1], "a,1");
  EXPECT_EQ(screen::PASS1[3], "c,3");
  for (int i = 4; i <= 35; ++i) EXPECT_TRUE(screen::PASS1[i].empty()) << i;

  for (int i = 0; i <= 35; ++i) screen::PASS1[i] = "stale";
  Write("lang/edc3E.txt", {"a", "b", "******", "d"});
  GETFILES("edc3");
  EXPECT_EQ(screen::PASS1[2], "b");
  EXPECT_EQ(screen::PASS1[3], "stale");  // the list ends at the sentinel
  EXPECT_EQ(screen::PASS1[4], "stale");

  Write("lang/edc3E.txt", Numbered(40, "s"));
  GETFILES("edc3");
  EXPECT_EQ(screen::PASS1[35], "s35");
}

TEST(Cvt1, GivesThePositionLetterOfTheKey) {
  char c = 'C';
  CVT1("SC", c);
  EXPECT_EQ(c, 'B');
  c = 'S';
  CVT1("SC", c);
  EXPECT_EQ(c, 'A');
  c = 'C';
  CVT1("sc", c);  // compared exactly
  EXPECT_EQ(c, '@');
  c = static_cast<char>(191);
  CVT1("ABCDEF", c);
  EXPECT_EQ(c, '@');
}

class MenuTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    WriteSuffixes();
    Write("lang/config.txt", {"0", "0", "1", "K", "English"});
    std::vector<std::string> sel(60, "One A)  Two B)");
    sel[57 - 1] = "Search S)  Staff C)";
    sel[49 - 1] = "Keep A)  Change B)";
    sel[47 - 1] = "English A) French B) Italian C) Spanish D) Portuguese E)";
    sel[44 - 1] = "Configuration A)  Zones B)";
    Write("lang/selE.txt", sel);
    std::vector<std::string> seln(60, "AB");
    seln[57 - 1] = "SC";
    seln[47 - 1] = "ABCDE";
    Write("lang/selnE.txt", seln);
    Write("lang/util1E.txt", {"F0|H0|C0|Q0|A0"});
    screen::LANGUAGE2 = 1;
  }
  char Menu(int n, Str255 keys) {
    char choice = 'Z';
    SELECTT2(0, "", n, keys, choice, kEmerald, kYellow, 1);
    return choice;
  }
};

TEST_F(MenuTest, MenuAcceptsItsKeysInEitherCase) {
  Keys("xc");  // x is not a key of the menu
  char choice = Menu(57, "SC");
  EXPECT_EQ(choice, 'C');
  EXPECT_EQ(screen::VALANS, 'c');
  CVT1("SC", choice);
  EXPECT_EQ(choice, 'B');
  // Item labels in the item colour, key letters in the key colour.
  int top = screen::MAXY - 45, bottom = screen::MAXY - 4;
  EXPECT_GT(Count(4, top, screen::MAXX - 4, bottom, kEmerald), 20);
  EXPECT_GT(Count(4, top, screen::MAXX - 4, bottom, kYellow), 10);
  EXPECT_EQ(Count(4, 60, screen::MAXX - 4, top - 20, kEmerald), 0);
}

TEST_F(MenuTest, LeavingKeysEndAnyMenu) {
  Code(kF5);
  EXPECT_EQ(static_cast<unsigned char>(Menu(57, "SC")), screen::key::kF1 + 4);
  EXPECT_EQ(screen::VALANS, screen::key::kF1 + 4);
  Code(kPause);
  Menu(57, "SC");
  EXPECT_EQ(screen::VALANS, screen::key::kPause);
  Code(kAltM);
  Menu(57, "SC");
  EXPECT_EQ(screen::VALANS, screen::key::kAltM);
  // Empty key letters: only a leaving key ends it.
  Keys("ab");
  Keys("\x1b");
  Menu(57, "");
  EXPECT_EQ(screen::VALANS, screen::key::kEscape);
}

TEST_F(MenuTest, YesNoMenuShowsTheCallersQuestion) {
  screen::TEMP = "Delete it?  A) = Yes, B) = No ";
  Keys("b");
  Str255 keys = "XYZ";
  char choice = 0;
  SELECTT2(0, "", kYesNoMenu, keys, choice, kEmerald, kYellow, 1);
  EXPECT_EQ(choice, 'B');
  EXPECT_EQ(keys, "AB");
  EXPECT_EQ(screen::TEMP, "Delete it?  A) = Yes, B) = No ");  // not read from a file
}

TEST_F(MenuTest, AskMenuGivesThePositionOfTheKeyPressed) {
  Keys("c");
  EXPECT_EQ(screen::ASKMENU(57), 'B');  // "SC": C is the second key
  Keys("s");
  EXPECT_EQ(screen::ASKMENU(57), 'A');
  Code(kPause);
  EXPECT_EQ(screen::ASKMENU(57), '@');  // no key of the menu
  EXPECT_EQ(screen::VALANS, screen::key::kPause);
}

TEST_F(MenuTest, YesNoQuestionIsTrueForAOnly) {
  Keys("a");
  EXPECT_TRUE(screen::ASKYESNO("Rebuild it?"));
  EXPECT_EQ(screen::TEMP, "Rebuild it?  A) = Yes, B) = No ");
  Keys("xB");  // other letters are not answers
  EXPECT_FALSE(screen::ASKYESNO("Rebuild it?"));
  Keys("\x1b");
  EXPECT_FALSE(screen::ASKYESNO("Rebuild it?"));
  EXPECT_EQ(screen::VALANS, screen::key::kEscape);
}

TEST_F(MenuTest, LanguageMenu) {
  Keys("a");  // keep the language
  LANG1();
  EXPECT_EQ(screen::LANGUAGE2, 1);
  Keys("bc");  // change it, to Italian
  LANG1();
  EXPECT_EQ(screen::LANGUAGE2, 3);
  screen::LANGUAGE2 = 1;
  Keys("b\x1b");  // change, then think better of it
  LANG1();
  EXPECT_EQ(screen::LANGUAGE2, 1);
}

namespace {
int configRuns = 0, zoneRuns = 0, zoneArg = -1, passwordLevel = 0;
bool passwordOk = false;
void CountConfig() { ++configRuns; }
void CountZones(std::int32_t arg) {
  ++zoneRuns;
  zoneArg = arg;
}
bool Password(std::int32_t level) {
  passwordLevel = level;
  return passwordOk;
}
}  // namespace

TEST_F(MenuTest, UtilitiesMenuReachesTheEditors) {
  configRuns = zoneRuns = 0;
  Keys("ab\x1b");
  UTILITIES();  // no editors yet: nothing happens
  UTILITIES();
  UTILITIES();
  EXPECT_EQ(configRuns + zoneRuns, 0);

  EditConfigHook = CountConfig;
  GetPasswordHook = Password;
  EditZonesHook = CountZones;
  Keys("a");
  UTILITIES();
  EXPECT_EQ(configRuns, 1);
  passwordOk = false;
  Keys("b");
  UTILITIES();
  EXPECT_EQ(passwordLevel, 1);
  EXPECT_EQ(zoneRuns, 0);
  passwordOk = true;
  Keys("b");
  UTILITIES();
  EXPECT_EQ(zoneRuns, 1);
  EXPECT_EQ(zoneArg, 0);
  Code(kPause);
  UTILITIES();
  EXPECT_EQ(configRuns, 1);
  EXPECT_EQ(zoneRuns, 1);
}

TEST_F(MenuTest, SomeMenusEndWithTheReturnKeyPicture) {
  // A red 20x20 picture as returnkey.bmp.
  graph::SetFillStyle(1, screen::ColorValue(kRed));
  graph::Bar(0, 0, 19, 19);
  std::vector<std::uint8_t> image;
  graph::GetImage(0, 0, 19, 19, image);
  std::ofstream(folder_ / "returnkey.bmp", std::ios::binary)
      .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
  graph::ClearDevice();
  int top = screen::MAXY - 62;
  Keys("a");
  Menu(5, "AB");
  EXPECT_EQ(Count(4, top, screen::MAXX - 4, screen::MAXY - 4, kRed), 0);
  Keys("a");
  Menu(4, "AB");
  EXPECT_GT(Count(4, top, screen::MAXX - 4, screen::MAXY - 4, kRed), 100);
}

TEST_F(MenuTest, TextsAreWrittenWhereTheirSpecOrHeadingSays) {
  langs::FNTTEXT("253,200,300,4,0,0,30,0,0,x", "WWW");
  EXPECT_GT(Count(200, 300, 300, 340, kYellow), 50);
  EXPECT_EQ(Count(0, 0, 195, screen::MAXY, kYellow), 0);
  graph::ClearDevice();

  Write("lang/headE.txt", {"", "WW"});
  Write("lang/writeaE.txt", {"WWW"});
  WRITEHEADER(2);
  // Begins 6 pixels a character left of the middle, standing on y = 100.
  int half = screen::MAXX / 2;
  EXPECT_GT(Count(half - 6, 60, half + 60, 100, kYellow), 50);
  EXPECT_EQ(Count(0, 0, half - 8, screen::MAXY, kYellow), 0);
  EXPECT_EQ(Count(half + 120, 0, screen::MAXX, screen::MAXY, kYellow), 0);
  EXPECT_EQ(Count(0, 102, screen::MAXX, screen::MAXY, kYellow), 0);
  WRITEASTRING(kRed, 300, 500, 4, 30, 1);
  EXPECT_GT(Count(300, 500, 400, 540, kRed), 50);
  EXPECT_EQ(graph::GetBkColor(), screen::ColorValue(12));
}
