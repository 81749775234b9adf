#include "tests/shell/shell_fixture.h"

namespace {

int searches = 0, mapEdits = 0, productEdits = 0, notFoundEdits = 0, guides = 0;
void Search() { ++searches; }
void MapEditor() { ++mapEdits; }
void ProductEditor() { ++productEdits; }
void NotFoundEditor() { ++notFoundEdits; }
void Guide() { ++guides; }

// A search that staff leave with the staff code.
void SearchLeftByStaff() {
  ++searches;
  screen::EDITOR_FLAG = 1;
}

}  // namespace

class MainLoopTest : public ShellTest {
 protected:
  bool OpensWindowItself() const override { return true; }
  void SetUp() override {
    ShellTest::SetUp();
    searches = mapEdits = productEdits = notFoundEdits = guides = 0;
    WriteSuffixes();
    Write("lang/config.txt", {"150", "300", "1", "K1", "English", "20", "", "2", "Harbour Market",
                              "12 Harbour Street", "Brighton", "East Sussex", "pw", ""});
    for (const char* s : {"E", "F"}) {
      std::vector<std::string> sel(60, "One A)  Two B)");
      sel[57 - 1] = "Search S)  Staff C)";
      sel[22 - 1] = "Map A) Products B) Words C) Utilities D) Guide E) Search F)";
      sel[49 - 1] = "Keep A)  Change B)";
      sel[47 - 1] = "English A) French B) Italian C) Spanish D) Portuguese E)";
      Write(std::string("lang/sel") + s + ".txt", sel);
      std::vector<std::string> seln(60, "AB");
      seln[57 - 1] = "SC";
      seln[22 - 1] = "ABCDEF";
      seln[47 - 1] = "ABCDE";
      Write(std::string("lang/seln") + s + ".txt", seln);
      Write(std::string("lang/copyr") + s + ".txt", {"F0|H0|C0|Q0|A0"});
      Write(std::string("lang/menu") + s + ".txt", {"F0|H0|C0|Q0|A0"});
      Write(std::string("lang/util1") + s + ".txt", {"F0|H0|C0|Q0|A0"});
      Write(std::string("lang/Vell!6") + s + ".txt",
            {"253,100,100,4,0,0,30,0,0,x", "250,100,400,4,0,0,30,0,0,x"});
    }
    shell::StoreDirHook = Search;
    shell::EditShelvesHook = MapEditor;
    shell::EditProdHook = ProductEditor;
    shell::EditNotHook = NotFoundEditor;
    shell::GuideHook = Guide;
  }
};

TEST_F(MainLoopTest, EscapeOnTheStartMenuLeadsToTheStaffMenuAndPauseThereQuits) {
  Keys("\x1b");
  Code(kPause);
  EXPECT_EQ(shell::MAINROUTINE(), 0);
  EXPECT_EQ(searches, 0);
  EXPECT_FALSE(graph::GraphEnabled());
  EXPECT_EQ(openErrors_, 0);
}

TEST_F(MainLoopTest, StartMenuSearchThenStaffMenu) {
  shell::StoreDirHook = SearchLeftByStaff;
  Keys("s\x1b");
  EXPECT_EQ(shell::MAINROUTINE(), 0);
  EXPECT_EQ(searches, 1);
}

TEST_F(MainLoopTest, OtherStartMenuResultsAskAgain) {
  Code(kF1);
  Code(kAltM);
  Keys("\x1b\x1b");
  EXPECT_EQ(shell::MAINROUTINE(), 0);
  EXPECT_EQ(searches, 0);
}

TEST_F(MainLoopTest, StaffMenuRunsItsEntriesAndComesBack) {
  shell::StoreDirHook = SearchLeftByStaff;
  // Escape on the start menu, then each entry in turn; each comes back to
  // the staff menu (the search too), where Escape quits.
  Keys("\x1b" "abcef" "\x1b");
  EXPECT_EQ(shell::MAINROUTINE(), 0);
  EXPECT_EQ(mapEdits, 1);
  EXPECT_EQ(productEdits, 1);
  EXPECT_EQ(notFoundEdits, 1);
  EXPECT_EQ(guides, 1);
  EXPECT_EQ(searches, 1);
  // The search leaves EDITOR_FLAG as it set it; the quit does not touch it.
  EXPECT_EQ(screen::EDITOR_FLAG, 1);
}

TEST_F(MainLoopTest, EditorsClearTheStaffFlag) {
  screen::EDITOR_FLAG = 1;
  Keys("\x1b" "d" "\x1b" "\x1b");  // utilities menu, left with Escape
  EXPECT_EQ(shell::MAINROUTINE(), 0);
  EXPECT_EQ(screen::EDITOR_FLAG, 0);
}

TEST_F(MainLoopTest, LanguageChangeDrawsTheStartScreenTwiceInTheNewLanguage) {
  // The French start screen is missing, so each drawing of it shows the
  // open error once.
  std::filesystem::remove(folder_ / "lang/copyrF.txt");
  Keys("\x1b");
  Code(kAltM);
  Keys("bb");        // change the language, to French
  Keys("\x1b\x1b");  // start menu, staff menu
  EXPECT_EQ(shell::MAINROUTINE(), 0);
  EXPECT_EQ(openErrors_, 2);
  EXPECT_EQ(screen::LANGUAGE2, 2);
  EXPECT_EQ(cfgfiles::LANG, 2);
}

TEST_F(MainLoopTest, KeepingTheLanguageStillShowsTheStartScreen) {
  std::filesystem::remove(folder_ / "lang/copyrE.txt");
  Keys("\x1b");
  Code(kAltM);
  Keys("a");         // keep the language
  Keys("\x1b\x1b");  // start menu again, staff menu
  EXPECT_EQ(shell::MAINROUTINE(), 0);
  EXPECT_EQ(openErrors_, 2);  // the start screen at start and after the menu
  EXPECT_EQ(screen::LANGUAGE2, 1);
}

TEST_F(MainLoopTest, StartsInLanguageOneWhateverTheConfigurationSays) {
  Write("lang/config.txt", {"150", "300", "1", "K1", "English French"});
  Keys("\x1b\x1b");
  EXPECT_EQ(shell::MAINROUTINE(), 0);
  EXPECT_EQ(cfgfiles::LANG, 1);
  EXPECT_EQ(screen::LANGUAGE2, 1);
}

TEST_F(MainLoopTest, HeaderShowsNameAndAddressFromTheStartCopy) {
  shell::STARTUP();
  EXPECT_EQ(shell::STORENAME, "Harbour Market");
  EXPECT_EQ(shell::STORESTREET, "12 Harbour Street");  // line 10
  EXPECT_EQ(shell::STORECITY, "Brighton");             // line 11
  EXPECT_EQ(shell::STORESTATE, "East Sussex");

  // The address line as drawn equals the three lines written in that order.
  shell::HEADER1();
  std::vector<std::uint8_t> header = graph::ScreenRgb();
  graph::ClearDevice();
  langs::FNTTEXT("253,100,100,4,0,0,30,0,0,x", "Harbour Market");
  langs::FNTTEXT("250,100,400,4,0,0,30,0,0,x", "12 Harbour Street, Brighton, East Sussex");
  std::vector<std::uint8_t> expected = graph::ScreenRgb();
  int width = screen::MAXX + 1;
  auto row = [&](const std::vector<std::uint8_t>& rgb, int y) {
    return std::vector<std::uint8_t>(rgb.begin() + y * width * 3, rgb.begin() + (y + 1) * width * 3);
  };
  for (int top : {95, 395})
    for (int y = top; y <= top + 45; ++y) ASSERT_EQ(row(header, y), row(expected, y)) << "row " << y;
  EXPECT_GT(Count(100, 400, 500, 440, kWhite), 100);

  // A name changed later reaches the header only after a restart.
  Write("lang/config.txt", {"150", "300", "1", "K1", "English", "20", "", "2", "New Name"});
  cfgfiles::TESTNEWCFG(cfgfiles::WHEREISX, cfgfiles::WHEREISY, cfgfiles::FLOORX);
  EXPECT_EQ(screen::NAMEADDR[1], "New Name");
  EXPECT_EQ(shell::STORENAME, "Harbour Market");
}
