// The guide: how its menu ends, the help picture's return to it, and the
// fill-style boxes of item F.
#include "screen/gtest.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "map/help1.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "tests/testing/kiosk_fixture.h"

namespace {

using kiosk_test::KioskTest;

class GuideTest : public KioskTest {
 protected:
  void SetUp() override {
    KioskTest::SetUp();
    // The installation's English texts and forms, its configuration and zones.
    const std::filesystem::path install = SourceDir() / "install";
    for (const auto& entry : std::filesystem::directory_iterator(install / "lang")) {
      const std::string name = entry.path().stem().string();
      if (name == "config" || name.back() == 'E') {
        std::filesystem::copy_file(entry.path(), folder_ / "lang" / entry.path().filename());
      }
    }
    for (const char* f : {"data/lang2.txt", "data/zonedef.txt"})
      std::filesystem::copy_file(install / f, folder_ / f);
  }
};

TEST_F(GuideTest, EscapeOrPauseOnTheGuideMenuReturnsWithValans100) {
  Keys("\x1b");
  gtest::GTESTX();
  EXPECT_EQ(screen::VALANS, screen::key::kGuideLeft);
  Code(kiosk_test::kPause);
  gtest::GTESTX();
  EXPECT_EQ(screen::VALANS, screen::key::kGuideLeft);
}

TEST_F(GuideTest, ItemDSavesTheHelpPictureAndTheGuideGoesOn) {
  // The help display on its own, then the guide's D, continue, a letter
  // beyond H (the menu again) and Escape: the same picture is saved.
  help1::DISPLAYHELP();
  const std::string alone = ReadFile("disphelp.bmp");
  ASSERT_GT(alone.size(), 1000u);
  std::filesystem::remove(folder_ / "disphelp.bmp");
  Keys("DAI\x1b");
  gtest::GTESTX();
  EXPECT_TRUE(ReadFile("disphelp.bmp") == alone) << "item D drew another picture than the help display";
  EXPECT_EQ(screen::VALANS, screen::key::kGuideLeft);
}

TEST_F(GuideTest, ItemFDrawsTheNineteenFillStyleBoxes) {
  gtest::G4();
  // Each box runs 100 pixels left from x 720 and 25 down from its row; two
  // boxes on a row overlay each other. Empty fills show the background.
  struct Row {
    int y, colour, inside;  // inside: a colour every pixel well inside shows, or -1
  };
  const Row rows[] = {{160, 11, 15},  {195, 3, 10},  {230, 4, -1},  {265, 5, -1},  {300, 6, -1},
                      {335, 7, -1},   {370, 100, -1}, {405, 88, -1}, {405, 18, -1}, {440, 88, -1},
                      {475, 15, -1},  {505, 20, -1}, {540, 88, -1}, {575, 100, -1}, {605, 100, -1}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.y);
    EXPECT_GT(Count(620, r.y, 720, r.y + 25, r.colour), 20);
    // Nothing of the box left of x 620 or right of x 720.
    EXPECT_EQ(Count(600, r.y + 3, 617, r.y + 22, r.colour), 0);
    EXPECT_EQ(Count(723, r.y + 3, 740, r.y + 22, r.colour), 0);
    if (r.inside >= 0) {
      EXPECT_EQ(Count(625, r.y + 5, 715, r.y + 20, r.inside), 91 * 16);
    }
  }
}

}  // namespace
