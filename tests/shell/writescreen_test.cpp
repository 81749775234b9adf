#include "tests/shell/shell_fixture.h"

using namespace writescreen;

class FormTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    UseEnglish();
  }
  static std::string Label(int colour, int x, int y, const std::string& text) {
    return std::to_string(colour) + "|" + std::to_string(x) + "|" + std::to_string(y) +
           "|4|0|0|30|0|0|x|" + text;
  }
  // Pixels of a colour in the 120x40 box at (x, y).
  static int At(int x, int y, int colour) { return Count(x, y, x + 120, y + 40, colour); }
};

TEST_F(FormTest, SectionsAreDrawnFooterFirst) {
  Write("lang/testE.txt", {"F1|H0|C2|Q0|A0", Label(kYellow, 100, 600, "WWW"),
                           Label(kRed, 100, 100, "WWW"), Label(kCyan, 400, 100, "WWW")});
  GET_DATA("test");
  EXPECT_GT(At(100, 600, kYellow), 50);
  EXPECT_GT(At(100, 100, kRed), 50);
  EXPECT_GT(At(400, 100, kCyan), 50);
  EXPECT_EQ(FOOTERSS[0], Label(kYellow, 100, 600, "WWW"));
  EXPECT_EQ(SCREEN1[1], Label(kCyan, 400, 100, "WWW"));
  // The last label line written leaves its values for the questions.
  EXPECT_EQ(Q_COLOR, kCyan);
  EXPECT_EQ(LABELX, 400);
  EXPECT_EQ(LABELFNT, 4);
  EXPECT_EQ(LABEL_FONT_SIZE, 30);
  EXPECT_EQ(openErrors_, 0);
}

TEST_F(FormTest, EightAsterisksEndTheForm) {
  Write("lang/testE.txt", {"F0|H1|C3|Q1|A1", Label(kYellow, 100, 100, "WWW"),
                           Label(kRed, 300, 100, "WWW"), "********", Label(kCyan, 500, 100, "WWW"),
                           Label(kEmerald, 100, 300, "WWW"), "250|1|2|3|0|0|30|0|0|x|1|9|0|9|0|0|A|Q"});
  constexpr std::int32_t kUntouched = 77;  // a form without answers leaves VALANS alone
  screen::VALANS = kUntouched;
  GET_DATA("test");
  EXPECT_GT(At(100, 100, kYellow), 50);
  EXPECT_GT(At(300, 100, kRed), 50);
  EXPECT_EQ(At(500, 100, kCyan), 0);
  EXPECT_EQ(At(100, 300, kEmerald), 0);
  EXPECT_TRUE(SCREEN2[0].empty());
  EXPECT_TRUE(SCREEN3[0].empty());
  EXPECT_EQ(screen::VALANS, kUntouched);
}

TEST_F(FormTest, AnswerDefinitionsAreStoredNotDrawn) {
  const std::string def = "207|300|500|8|0|0|30|0|999|b|1|20|0|999|A|Your name";
  Write("lang/testE.txt", {"F0|H0|C0|Q1|A2", Label(kEmerald, 100, 300, "WWW"), def, def});
  for (int i = 0; i <= 35; ++i) screen::PASS1[i] = "old";
  GET_DATA("test");
  EXPECT_GT(At(100, 300, kEmerald), 50);
  EXPECT_EQ(SCREEN2[0], Label(kEmerald, 100, 300, "WWW"));
  EXPECT_EQ(SCREEN3[1], def);
  EXPECT_EQ(Count(0, 0, screen::MAXX, screen::MAXY, kRed), 0);
  EXPECT_EQ(screen::VALANS, 1);  // the form's answer count less one, not a key
  EXPECT_TRUE(screen::PASS1[34].empty());  // cleared for the answers
  EXPECT_EQ(screen::PASS1[35], "old");
}

TEST_F(FormTest, HeaderFieldsWithoutTheirLetterCountWhole) {
  Write("lang/testE.txt", {"1|H0|C1|Q0|A0", Label(kYellow, 100, 100, "WWW"),
                           Label(kRed, 300, 100, "WWW")});
  GET_DATA("test");
  EXPECT_EQ(FOOTERSS[0], Label(kYellow, 100, 100, "WWW"));
  EXPECT_EQ(SCREEN1[0], Label(kRed, 300, 100, "WWW"));
}

TEST_F(FormTest, OversizedSectionsStayInStep) {
  std::vector<std::string> lines = {"F9|H0|C1|Q0|A0"};
  for (int i = 0; i < 9; ++i) lines.push_back(Label(kYellow, 10 + i * 100, 100, "W"));
  lines.push_back(Label(kRed, 300, 300, "WWW"));
  Write("lang/testE.txt", lines);
  GET_DATA("test");
  EXPECT_EQ(FOOTERSS[6], Label(kYellow, 610, 100, "W"));
  EXPECT_GT(At(810, 100, kYellow), 10);  // drawn, though not stored
  EXPECT_EQ(SCREEN1[0], Label(kRed, 300, 300, "WWW"));
}

TEST_F(FormTest, MissingFormDrawsNothing) {
  SCREEN1[3] = "old";
  GET_DATA("absent");
  EXPECT_EQ(openErrors_, 1);
  EXPECT_TRUE(SCREEN1[3].empty());
  EXPECT_TRUE(screen::TEMP.empty());
}

TEST(WriteQuestion, EntryTypeDecidesTextOrNumber) {
  WRITE_QUESTION("207|300|500|8|0|0|30|5|999|b|1|20|2.5|999.5|t|Your name");
  EXPECT_EQ(P1, "1");
  EXPECT_EQ(TA, "A");
  EXPECT_EQ(ANSCOL, 207);
  EXPECT_EQ(ANSX, 300);
  EXPECT_EQ(ANSY, 500);
  EXPECT_EQ(ANSFNT, 8);
  EXPECT_EQ(ANSH, 30);
  EXPECT_EQ(ANSHORALIGN, 5);
  EXPECT_EQ(ANSVERALIGN, 999);
  EXPECT_EQ(A_BIU, "b");
  EXPECT_EQ(ANSMINLEN, 1);
  EXPECT_EQ(ANSMAXLEN, 20);
  EXPECT_DOUBLE_EQ(ANSMINVAL, 2.5);
  EXPECT_DOUBLE_EQ(ANSMAXVAL, 999.5);
  EXPECT_EQ(screen::ENTRY_TYPE, "t");
  EXPECT_EQ(A_QUESTION, "Your name");
  EXPECT_EQ(screen::PROMPT, "Enter Your name");

  WRITE_QUESTION("207|300|500|8|0|0|30|5|999|b|1|20|0|999|N|Age");
  EXPECT_EQ(P1, "0");
  EXPECT_EQ(TA, "N");
  WRITE_QUESTION("207|300|500|8|0|0|30|5|999|b|1|20|0|999|Text|Word");
  EXPECT_EQ(TA, "A");
  writescreen::ResetForTest();
  screen::ResetForTest();
}

TEST_F(FormTest, QuestionAsksTheDefinitionOfItsLetter) {
  Write("lang/testE.txt",
        {"F0|H0|C0|Q1|A2", Label(kEmerald, 100, 300, "Name"),
         "253|300|300|8|0|0|30|0|999|x|0|20|0|999|N|Age",
         "253|300|400|8|0|0|30|0|999|x|0|20|0|999|A|Your name"});
  GET_DATA("test");
  Keys("Ann\r");
  Str255 answer = "previous";
  QUESTION('B', answer);
  EXPECT_EQ(answer, "Ann");
  EXPECT_EQ(screen::TEMP, "Ann");
  EXPECT_EQ(ANS2, "Ann");
  EXPECT_EQ(screen::PASS1[1], "Ann");
  EXPECT_EQ(screen::MAXLEN, 20);
  EXPECT_DOUBLE_EQ(screen::MAXVAL, 999);
  EXPECT_EQ(screen::PROMPT, "Enter Your name");
  // The answer shows on the form at the definition's place, in the colour
  // of the form's last label line.
  EXPECT_GT(Count(300, 398, 460, 440, kEmerald), 10);

  // A letter past the definitions asks nothing.
  answer = "kept";
  QUESTION('@', answer);
  EXPECT_EQ(answer, "kept");
}
