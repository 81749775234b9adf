// The staff password prompt over a small installation: the configuration's
// passwords, what the prompt shows while staff type, and what it leaves.
#include "screen/keys.h"
#include "shell/editcfg.h"
#include "tests/shell/shell_fixture.h"

using editcfg::GETPASSWORD;

namespace {

constexpr int kPromptColour = 19;  // "Enter Password"

class PasswordTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    WriteSuffixes();
    Write("lang/writeaE.txt", std::vector<std::string>(10, "Staff password required"));
    screen::LANGUAGE2 = 1;
    WriteConfig("shop2026", "manager7");
  }

  // A whole configuration with these passwords, the second stored scrambled.
  void WriteConfig(const std::string& staff, const std::string& second) {
    kiosk::Str255 scrambled(second);
    screen::ENCRYPT(scrambled, 255);
    Write("lang/config.txt", {"150", "300", "1", "KIOSK-01", "English", "20", "HIDDEN", "2",
                              "Demo Market", "12 Harbour Street", "Brighton", "East Sussex", staff,
                              std::string(scrambled.view())});
  }

  bool Ask(std::int32_t level, const std::string& typed) {
    Keys(typed + "\r");
    return GETPASSWORD(level);
  }

  // Pixels of the prompt box in colour n.
  static int InPromptBox(int n) { return Count(4, screen::MAXY - 60, screen::MAXX - 4, screen::MAXY - 4, n); }

  std::vector<std::uint8_t> PromptBox() {
    std::vector<std::uint8_t> image;
    graph::GetImage(0, static_cast<std::int16_t>(screen::MAXY - 62), static_cast<std::int16_t>(screen::MAXX),
                    static_cast<std::int16_t>(screen::MAXY), image);
    return image;
  }
};

TEST_F(PasswordTest, StaffPasswordIsComparedExactlyWithoutTheBlanksAround) {
  EXPECT_TRUE(Ask(1, "shop2026"));
  EXPECT_EQ(screen::VALANS, screen::key::kNone);
  EXPECT_TRUE(Ask(1, "   shop2026  "));
  EXPECT_FALSE(Ask(1, "SHOP2026"));
  EXPECT_EQ(screen::VALANS, screen::key::kNone);  // a wrong password: no key left over
  EXPECT_FALSE(Ask(1, "shop 2026"));
  EXPECT_FALSE(Ask(1, "shop20"));
  EXPECT_FALSE(Ask(1, ""));
  EXPECT_EQ(openErrors_, 0);  // and no message
}

TEST_F(PasswordTest, EachLevelHasItsPasswordAndTheMasterOpensThemAll) {
  EXPECT_TRUE(Ask(2, "manager7"));  // line 14 unscrambled
  EXPECT_FALSE(Ask(2, "shop2026"));
  EXPECT_FALSE(Ask(1, "manager7"));
  EXPECT_FALSE(Ask(2, "2>1>8:-h"));  // the stored form is no password
  EXPECT_TRUE(Ask(3, ""));           // other levels expect the empty text
  EXPECT_TRUE(Ask(0, "  "));
  EXPECT_FALSE(Ask(3, "shop2026"));
  for (std::int32_t level : {1, 2, 3}) EXPECT_TRUE(Ask(level, std::string(editcfg::kMasterPassword)));
  EXPECT_FALSE(Ask(1, "|7|3|7|"));
}

TEST_F(PasswordTest, PasswordsAreReadAfreshAtEveryPrompt) {
  WriteConfig("", "manager7");
  EXPECT_TRUE(Ask(1, ""));  // an empty staff password takes an empty entry
  WriteConfig("newpass", "manager7");
  EXPECT_FALSE(Ask(1, ""));
  EXPECT_FALSE(Ask(1, "shop2026"));
  EXPECT_TRUE(Ask(1, "newpass"));
  // A configuration of eight lines has no passwords at all.
  Write("lang/config.txt", {"150", "300", "1", "KIOSK-01", "English", "20", "HIDDEN", "2"});
  EXPECT_TRUE(Ask(1, ""));
  EXPECT_TRUE(Ask(2, ""));
}

TEST_F(PasswordTest, TypedCharactersAreNeverShownOnlyOneMarkEach) {
  // Escape leaves the prompt box as it was, so it can be compared.
  Keys("abc\x1b");
  EXPECT_FALSE(GETPASSWORD(1));
  EXPECT_EQ(screen::VALANS, screen::key::kEscape);
  EXPECT_GT(InPromptBox(kPromptColour), 20);  // "Enter Password" still there
  const auto abc = PromptBox();
  Keys("xyz\x1b");
  GETPASSWORD(1);
  EXPECT_EQ(PromptBox(), abc) << "the characters typed changed the screen";
  Keys("xyzw\x1b");
  GETPASSWORD(1);
  EXPECT_NE(PromptBox(), abc) << "a fourth character added no mark";
  // After an entry the prompt box is cleared.
  EXPECT_TRUE(Ask(1, "shop2026"));
  EXPECT_EQ(InPromptBox(kPromptColour), 0);
  EXPECT_EQ(InPromptBox(kYellow), 0);
}

TEST_F(PasswordTest, EscapeEndsTheEntryAtOnce) {
  Keys("shop2026\x1b");
  EXPECT_FALSE(GETPASSWORD(1));  // even with the right password typed
  Keys(std::string(editcfg::kMasterPassword) + "\x1b");
  EXPECT_FALSE(GETPASSWORD(1));
}

}  // namespace
