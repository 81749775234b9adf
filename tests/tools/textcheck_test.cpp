#include "tools/textcheck.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using ::testing::AllOf;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::SizeIs;

const std::vector<std::string> kSuffixes = {"E", "F", "I", "S", "P"};

// A small but complete language set in a temporary installation folder:
// a menu family with its keys, a line file, a form and a spec file.
class TextCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/textcheck_test_XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
    fs::create_directories(dir_ / "data");
    fs::create_directories(dir_ / "lang");
    Write("data/lang2.txt", kSuffixes);
    WriteAll("sel", {"Find a product A)   Staff B)", "", "Yes A)  No B)"});
    WriteAll("seln", {"AB", "", "AB"});
    WriteAll("head", {"Products", "Map"});
    WriteAll("form", {"F1|H0|C1|Q0|A1", "88|960|950|4|0|0|26|2|0|x|Esc: back",
                      "250|100|300|4|0|0|30|0|0|x|A  Configuration",
                      "253|600|500|4|0|0|30|0|0|b|0|55|0|999|A|Name"});
    WriteAll("lay", {"253,960,360,1,0,0,44,2,0,b", "250,960,420,4,0,0,28,2,0,x", "******"});
    Write("lang/config.txt", {"150", "300", "1"});  // not a language file
  }

  void TearDown() override { fs::remove_all(dir_); }

  void Write(const std::string& rel, const std::vector<std::string>& lines) {
    std::ofstream out(dir_ / rel, std::ios::binary | std::ios::trunc);
    for (const auto& l : lines) out << l << "\r\n";
  }

  void WriteAll(const std::string& family, const std::vector<std::string>& lines) {
    for (const auto& s : kSuffixes) Write("lang/" + family + s + ".txt", lines);
  }

  std::vector<std::string> Check() { return textcheck::CheckInstallation(dir_.string()); }

  fs::path dir_;
};

TEST_F(TextCheckTest, CompleteSetHasNoProblems) { EXPECT_THAT(Check(), IsEmpty()); }

TEST_F(TextCheckTest, EveryFamilyFoundMustExistInAllFiveLanguages) {
  fs::remove(dir_ / "lang/headI.txt");
  EXPECT_THAT(Check(), ElementsAre(AllOf(HasSubstr("lang/headI.txt"), HasSubstr("language 3"))));

  // A family nobody listed anywhere is found from its file alone.
  Write("lang/zzzE.txt", {"one"});
  auto problems = Check();
  EXPECT_THAT(problems, SizeIs(5));
  EXPECT_THAT(problems, Contains(AllOf(HasSubstr("lang/zzzP.txt"), HasSubstr("language 5"))));
}

TEST_F(TextCheckTest, LineCountsAndKindsMustAgreeAcrossLanguages) {
  Write("lang/headS.txt", {"Productos"});
  Write("lang/layF.txt", {"Titre", "Adresse"});
  auto problems = Check();
  EXPECT_THAT(problems, Contains(AllOf(HasSubstr("lang/headS.txt"), HasSubstr("1 lines"), HasSubstr("has 2"))));
  EXPECT_THAT(problems, Contains(AllOf(HasSubstr("lang/layF.txt"), HasSubstr("a line file"))));
}

TEST_F(TextCheckTest, MenuKeyLettersMustMatchAndBeUpperCase) {
  Write("lang/selnF.txt", {"AC", "", "AB"});
  Write("lang/selI.txt", {"Trova a)   Personale b)", "", "Sì A)  No B)"});
  Write("lang/selnI.txt", {"ab", "", "AB"});
  auto problems = Check();
  EXPECT_THAT(problems, Contains(AllOf(HasSubstr("lang/selnF.txt:1"), HasSubstr("\"AC\""), HasSubstr("\"AB\""))));
  EXPECT_THAT(problems, Contains(AllOf(HasSubstr("lang/selnI.txt:1"), HasSubstr("upper case"))));
  EXPECT_THAT(problems, SizeIs(2));

  // A key line may not hold letters for a menu line that has none.
  Write("lang/selnF.txt", {"AB", "X", "AB"});
  EXPECT_THAT(Check(), Contains(HasSubstr("lang/selnF.txt:2")));
}

TEST_F(TextCheckTest, MenuMustFitTheScreenAtTwelvePixelsACharacter) {
  std::string fits(158, '-');  // with "A)" and the appended blank: 161 x 12
  std::string wide(160, '-');
  Write("lang/selE.txt", {fits + "A)", "", "Yes A)  No B)"});
  Write("lang/selnE.txt", {"A", "", "AB"});
  EXPECT_THAT(Check(), Contains(HasSubstr("lang/selE.txt:1")));
  Write("lang/selE.txt", {fits.substr(2) + "A)", "", "Yes A)  No B)"});
  EXPECT_THAT(Check(), IsEmpty());
  Write("lang/selE.txt", {"Find a product A)   Staff B)", "", wide});
  Write("lang/selnE.txt", {"AB", "", ""});
  EXPECT_THAT(Check(), ElementsAre(AllOf(HasSubstr("lang/selE.txt:3"), HasSubstr("1932 pixels"))));
}

TEST_F(TextCheckTest, SpecLinesNeedTenFieldsWithNumbersOnTheScreen) {
  Write("lang/layS.txt", {"253,960,360,1,0,0,44,2,0", "250,960,x20,4,0,0,28,2,0,x", "******"});
  Write("lang/layP.txt", {"253,960,1100,1,0,0,44,2,0,b", "250,960,420,4,0,0,28,2,0,", "******"});
  auto problems = Check();
  EXPECT_THAT(problems, Contains(AllOf(HasSubstr("lang/layS.txt:1"), HasSubstr("9 fields"))));
  EXPECT_THAT(problems, Contains(AllOf(HasSubstr("lang/layS.txt:2"), HasSubstr("not a number"))));
  EXPECT_THAT(problems, Contains(AllOf(HasSubstr("lang/layP.txt:1"), HasSubstr("off the screen"))));
  EXPECT_THAT(problems, Contains(AllOf(HasSubstr("lang/layP.txt:2"), HasSubstr("style letters"))));
  EXPECT_THAT(problems, SizeIs(4));

  // Lines after the six-asterisk end are not spec lines.
  Write("lang/layS.txt", {"253,960,360,1,0,0,44,2,0,b", "250,960,420,4,0,0,28,2,0,x", "****** notes"});
  Write("lang/layP.txt", {"253,960,360,1,0,0,44,2,0,b", "******", "free text"});
  EXPECT_THAT(Check(), IsEmpty());
}

TEST_F(TextCheckTest, FormCountsMustMatchItsLines) {
  // One content line more than the header counts, in French only.
  Write("lang/formF.txt", {"F1|H0|C1|Q0|A1", "88|960|950|4|0|0|26|2|0|x|Échap : retour",
                           "250|100|300|4|0|0|30|0|0|x|A  Configuration", "250|100|350|4|0|0|30|0|0|x|B  Zones",
                           "253|600|500|4|0|0|30|0|0|b|0|55|0|999|A|Nom"});
  // The header counts more lines than there are.
  Write("lang/formI.txt", {"F1|H0|C3|Q0|A1", "88|960|950|4|0|0|26|2|0|x|Esc: indietro",
                           "253|600|500|4|0|0|30|0|0|b|0|55|0|999|A|Nome"});
  // A header whose letters are out of order.
  Write("lang/formS.txt", {"F1|C0|H1|Q0|A1", "88|960|950|4|0|0|26|2|0|x|Esc: volver",
                           "250|100|300|4|0|0|30|0|0|x|A  Configuración",
                           "253|600|500|4|0|0|30|0|0|b|0|55|0|999|A|Nombre"});
  auto problems = Check();
  EXPECT_THAT(problems, Contains(AllOf(HasSubstr("lang/formF.txt"), HasSubstr("answer definition has 11 fields"))));
  EXPECT_THAT(problems, Contains(AllOf(HasSubstr("lang/formF.txt:5"), HasSubstr("beyond the sections"))));
  EXPECT_THAT(problems, Contains(AllOf(HasSubstr("lang/formI.txt"), HasSubstr("label line has 16 fields"))));
  EXPECT_THAT(problems, Contains(AllOf(HasSubstr("lang/formI.txt"), HasSubstr("section C is short of 2"))));
  EXPECT_THAT(problems, Contains(AllOf(HasSubstr("lang/formS.txt:1"), HasSubstr("section 2 should read H"))));
}

TEST_F(TextCheckTest, FormLinesNeedTheirFieldCounts) {
  Write("lang/formE.txt", {"F1|H0|C1|Q0|A1", "88|960|950|4|0|0|26|2|0|Esc: back",
                           "250|100|300|4|0|0|30|0|0||A  Configuration",
                           "253|600|500|4|0|0|30|0|0|b|0|55|0|999|Name"});
  Write("lang/formP.txt", {"F1|H0|C1|Q0|A1", "88|960|950|4|0|0|26|2|0|x|Esc: voltar",
                           "250|1900|300|4|0|0|30|0|0|x|A  Configuração de todo o quiosque",
                           "253|600|500|4|0|0|30|0|b|b|0|55|0|999|A|Nome"});
  auto problems = Check();
  EXPECT_THAT(problems, Contains(AllOf(HasSubstr("lang/formE.txt:2"), HasSubstr("10 fields, not 11"))));
  EXPECT_THAT(problems, Contains(AllOf(HasSubstr("lang/formE.txt:3"), HasSubstr("style letters empty"))));
  EXPECT_THAT(problems, Contains(AllOf(HasSubstr("lang/formE.txt:4"), HasSubstr("15 fields, not 16"))));
  EXPECT_THAT(problems, Contains(AllOf(HasSubstr("lang/formP.txt:3"), HasSubstr("runs off the screen"))));
  EXPECT_THAT(problems, Contains(AllOf(HasSubstr("lang/formP.txt:4"), HasSubstr("field 9"))));
  EXPECT_THAT(problems, SizeIs(5));
}

TEST_F(TextCheckTest, QuestionDescriptorsNeedTwentyFourFilledFields) {
  const std::string good = "Name:|Name|253|110|130|560|88|0|88|253|0|1000000000|0|55|0|0|0|0|0|N|0|28|28|x";
  WriteAll("ask", {good, "Plain question without fields", "******"});
  EXPECT_THAT(Check(), IsEmpty());
  Write("lang/askF.txt", {"Nom :|Nom|253|110|130|560|88|0|88|253|0|1000000000|0|55|0|0|0|0|0|N|0|28|x", "Q", "******"});
  Write("lang/askI.txt", {"Nome:|Nome|253|110|130|560|88||88|253|0|1000000000|0|55|0|0|0|0|0|N|0|28|28|x", "Q", "******"});
  Write("lang/askS.txt", {"Nombre:|Nombre|253|110|y|560|88|0|88|253|0|1000000000|0|55|0|0|0|0|0|N|0|28|28|x", "Q", "******"});
  auto problems = Check();
  EXPECT_THAT(problems, ElementsAre(AllOf(HasSubstr("lang/askF.txt:1"), HasSubstr("23 fields")),
                                    AllOf(HasSubstr("lang/askI.txt:1"), HasSubstr("field 8 empty")),
                                    AllOf(HasSubstr("lang/askS.txt:1"), HasSubstr("field 5 \"y\""))));
}

TEST_F(TextCheckTest, EightAsterisksInTheContentEndTheForm) {
  WriteAll("form", {"F1|H0|C2|Q0|A1", "88|960|950|4|0|0|26|2|0|x|Esc: back", "********",
                    "anything at all", "253|600|500|4|0|0|30|0|0|b|0|55|0|999|A|Name"});
  EXPECT_THAT(Check(), IsEmpty());
}

TEST_F(TextCheckTest, LinesMustBeShortWindows1252Text) {
  Write("lang/headF.txt", {std::string(256, 'x'), "Plan"});
  Write("lang/headP.txt", {"Produtos\x81", "Planta"});
  Write("lang/headS.txt", {"Productos", "Pla\x01no"});
  Write("lang/headE.txt", {std::string(255, 'x'), "Map \xE9\x80"});  // 255 bytes, é and the euro sign are fine
  auto problems = Check();
  EXPECT_THAT(problems, ElementsAre(AllOf(HasSubstr("lang/headF.txt:1"), HasSubstr("256 bytes")),
                                    AllOf(HasSubstr("lang/headP.txt:1"), HasSubstr("byte 81")),
                                    AllOf(HasSubstr("lang/headS.txt:2"), HasSubstr("control character"))));
}

TEST_F(TextCheckTest, SuffixFileMustNameFiveDistinctLanguages) {
  Write("data/lang2.txt", {"E", "F", "I"});
  EXPECT_THAT(Check(), ElementsAre(HasSubstr("data/lang2.txt:4"), HasSubstr("data/lang2.txt:5")));
  Write("data/lang2.txt", {"E", "F", "I", "S", "e"});
  EXPECT_THAT(Check(), ElementsAre(AllOf(HasSubstr("data/lang2.txt:5"), HasSubstr("language 1"))));
  fs::remove(dir_ / "data/lang2.txt");
  EXPECT_THAT(Check(), ElementsAre(HasSubstr("missing")));
}

TEST(TextCheckPartsTest, MenuKeysAndNumbers) {
  EXPECT_EQ(textcheck::MenuKeys("Search A) Staff B) "), "AB");
  EXPECT_EQ(textcheck::MenuKeys("Map F1)  Back B)"), "1B");
  EXPECT_EQ(textcheck::MenuKeys("no keys at all"), "");
  EXPECT_TRUE(textcheck::IsNumber("  12.5"));
  EXPECT_TRUE(textcheck::IsNumber("-3"));
  EXPECT_TRUE(textcheck::IsNumber("1e3"));
  EXPECT_FALSE(textcheck::IsNumber("12,5"));
  EXPECT_FALSE(textcheck::IsNumber("12 "));
  EXPECT_FALSE(textcheck::IsNumber(""));
  EXPECT_FALSE(textcheck::IsNumber("."));
}

// The installation shipped with the kiosk passes its own checker.
TEST(TextCheckInstallTest, DefaultInstallationIsClean) {
  const char* src = std::getenv("KIOSK_SOURCE_DIR");
  ASSERT_NE(src, nullptr);
  EXPECT_THAT(textcheck::CheckInstallation(std::string(src) + "/install"), IsEmpty());
}

}  // namespace
