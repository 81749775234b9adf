// Every shape a text-file line of up to 255 bytes can take: menus, "|"
// splits, screen forms, text specs, question descriptors and zone lines
// read it without throwing, and a menu line always draws a menu that ends
// on its key.
#include <random>
#include <string>
#include <vector>

#include "map/zones.h"
#include "shell_fixture.h"

namespace {

using kiosk::Str255;

// Lines of 255 bytes (and a few shorter) made of the characters the readers
// split at, digits, letters and bytes above 127.
std::vector<std::string> Shapes() {
  const std::string alphabet = ")|, A9.-eE\xE9\xFF";
  std::vector<std::string> shapes;
  auto fill = [](const std::string& unit, std::size_t n) {
    std::string s;
    while (s.size() < n) s += unit;
    return s.substr(0, n);
  };
  for (char c : alphabet) shapes.push_back(std::string(255, c));
  for (const char* unit : {"A)", "))", "|)", ")A", "|", "||A", ",|", "9,", "A|9", " )", "x A) "})
    for (std::size_t n : {255u, 254u, 1u, 2u}) shapes.push_back(fill(unit, n));
  shapes.push_back(std::string(253, 'A') + "))");  // a long menu line ending in "))"
  shapes.push_back(")" + std::string(254, 'B'));
  shapes.push_back(std::string(254, ' ') + ")");
  std::mt19937 random(9);
  for (int i = 0; i < 120; ++i) {
    std::string s(i % 3 == 0 ? 255 : random() % 256, ' ');
    for (char& c : s) c = alphabet[random() % alphabet.size()];
    shapes.push_back(s);
  }
  return shapes;
}

class LineShapes : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    UseEnglish();
  }
};

TEST_F(LineShapes, EveryMenuLineDrawsAMenuThatEndsOnItsKey) {
  for (const std::string& line : Shapes()) {
    Write("lang/selE.txt", {line});
    Keys("k");
    Str255 keys = "K";
    char choice = 0;
    EXPECT_NO_THROW(langs::SELECTT2(0, "", 1, keys, choice, kEmerald, kYellow, 1)) << line;
    EXPECT_EQ(choice, 'K') << line;
    EXPECT_NO_THROW(langs::SELECTT4(0, "", 1, keys, choice, kEmerald, kYellow, 1)) << line;
  }
  // The long line ending in "))" shows its letters.
  Write("lang/selE.txt", {std::string(253, 'A') + "))"});
  Keys("k");
  Str255 keys = "K";
  char choice = 0;
  langs::SELECTT2(0, "", 1, keys, choice, kEmerald, kYellow, 1);
  EXPECT_GT(Count(4, screen::MAXY - 45, screen::MAXX - 4, screen::MAXY - 4, kEmerald) +
                Count(4, screen::MAXY - 45, screen::MAXX - 4, screen::MAXY - 4, kYellow),
            100);
}

TEST_F(LineShapes, SplitsFormsSpecsAndDescriptorsTakeEveryLine) {
  for (const std::string& line : Shapes()) {
    Str255 head(line), rest;
    EXPECT_NO_THROW(screen::SPLIT(head, rest)) << line;
    EXPECT_LE(head.size() + rest.size(), line.size()) << line;
    head = std::string_view(line);
    EXPECT_NO_THROW(screen::SPLIT1(")", head, rest)) << line;
    EXPECT_NO_THROW(langs::FNTTEXT(line, "spec")) << line;
    EXPECT_NO_THROW(writescreen::WRITE_SCREEN(line)) << line;
    EXPECT_NO_THROW(writescreen::WRITE_QUESTION(line)) << line;
    EXPECT_NO_THROW(quesans2::TRANSFER_TO_DATA2(line)) << line;
    EXPECT_NO_THROW(zones::ParseZoneLine(line)) << line;
    // The same line as a form's section line, every section and a spec file.
    Write("lang/formE.txt", {line, line, line, line, line, line});
    EXPECT_NO_THROW(writescreen::GET_DATA("form")) << line;
    Write("lang/specE.txt", {line, line});
    EXPECT_NO_THROW(langs::GETFILES("spec")) << line;
    EXPECT_NO_THROW(langs::FNTTEXT(screen::PASS1[1].view(), "spec")) << line;
  }
}

}  // namespace
