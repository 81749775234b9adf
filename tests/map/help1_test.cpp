// The help picture: what a description draws, where it stops, what is
// saved, and the render state it leaves behind.
#include "map/help1.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "map/render.h"
#include "map/zones.h"
#include "screen/primitives.h"
#include "tests/testing/kiosk_fixture.h"

namespace {

using kiosk_test::KioskTest;
using kiosk_test::kRed;
using kiosk_test::kWhite;

constexpr int kGold = 100, kOrange = 171;

// A description line: id, x, y, length, width, colour, fixture code, floor.
std::string Element(const std::string& id, int x, int y, int length, int width, int colour,
                    const std::string& code = "0", const std::string& floor = "1") {
  return id + "|Help|All|" + std::to_string(x) + "|" + std::to_string(y) + "|" + std::to_string(length) +
         "|" + std::to_string(width) + "|0|" + std::to_string(colour) + "|0|2|1|0|12|" + code + "| |" +
         floor + "|c|";
}

// A label line: text at (x, y), languages "9" (none of the five), height 20.
std::string Label(const std::string& id, int x, int y, const std::string& text) {
  return id + "|Help|All|" + std::to_string(x) + "|" + std::to_string(y) + "|9|0|0|250|0|20|1|4|b| |" +
         text + "|1|c|";
}

class HelpTest : public KioskTest {
 protected:
  void SetUp() override {
    KioskTest::SetUp();
    const std::filesystem::path install = SourceDir() / "install";
    for (const char* f : {"lang/config.txt", "data/lang2.txt"})
      std::filesystem::copy_file(install / f, folder_ / f);
    // Zone 0 shows map units as pixels; zone 2 zooms by 5.
    Write("data/zonedef.txt", {"2", "0|1|0|0|1000|1000|0|0|0|0|0|0|0|0|0|0|0|0",
                               "1|3|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0", "2|5|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0"});
  }

  void Describe(const std::vector<std::string>& lines) { Write("lang/helpsE.txt", lines); }

  // The closing text is written at (375, MAXY - 50), left of the picture's name.
  static int ClosingPixels() { return Count(375, screen::MAXY - 50, 700, screen::MAXY - 25, kWhite); }
  bool PictureSaved() const { return std::filesystem::exists(folder_ / "disphelp.bmp"); }
};

TEST_F(HelpTest, OneHelpscreenLineDrawsThatElementAndTheClosingText) {
  Describe({Element("HELPSCREEN SHELF", 100, 200, 50, 20, kRed, "0", "5"),
            Element("SHELF ON FLOOR 1", 300, 200, 50, 20, kGold)});
  help1::DISPLAYHELP();
  // The box runs right from its anchor and its width runs up.
  EXPECT_EQ(Count(102, 182, 148, 198, kRed), 47 * 17);
  EXPECT_EQ(Count(290, 170, 360, 210, kGold), 0) << "an element of another floor was drawn";
  EXPECT_GT(ClosingPixels(), 50);
  EXPECT_TRUE(PictureSaved());
}

TEST_F(HelpTest, SixStarsStopTheDrawingWithoutTheClosingText) {
  Describe({Element("HELPSCREEN FIRST", 100, 200, 50, 20, kRed), "******",
            Element("HELPSCREEN SECOND", 300, 200, 50, 20, kGold)});
  help1::DISPLAYHELP();
  EXPECT_EQ(Count(102, 182, 148, 198, kRed), 47 * 17);
  EXPECT_EQ(Count(290, 170, 360, 210, kGold), 0);
  EXPECT_EQ(ClosingPixels(), 0);
  EXPECT_TRUE(PictureSaved());
}

TEST_F(HelpTest, DrawsByTheHelpPicturesOwnRules) {
  Describe({// The four-way stand, on floor -999 without HELPSCREEN in its name.
            Element("STAND", 100, 100, 3, 3, kOrange, "F6", "-999"),
            // No C0 round table: the element is an ordinary box.
            Element("HELPSCREEN TABLE", 300, 100, 20, 20, kGold, "C0"),
            // No groups: the member after its "#" element is drawn too.
            Element("HELPSCREEN G#1", 100, 300, 40, 10, kRed), Element("HELPSCREEN G MEMBER", 300, 300, 40, 10, kRed),
            // Labels need no language digit.
            Label("HELPSCREEN L3 NAME", 500, 100, "Shelf")});
  help1::DISPLAYHELP();
  // The stand's arms run left and down from the anchor, where no box reaches.
  EXPECT_GT(Count(96, 99, 98, 101, kOrange), 0) << "no F6 stand for a floor -999 element";
  EXPECT_GT(Count(99, 102, 101, 104, kOrange), 0) << "no F6 stand for a floor -999 element";
  EXPECT_EQ(Count(278, 90, 282, 110, kGold), 0) << "C0 drew its round table";
  EXPECT_GT(Count(302, 82, 318, 98, kGold), 0) << "C0 drew no box";
  EXPECT_GT(Count(100, 290, 140, 300, kRed), 0);
  EXPECT_GT(Count(300, 290, 340, 300, kRed), 0) << "the group rule hid the member";
  EXPECT_GT(Count(500, 100, 560, 125, kWhite), 0) << "the label was not drawn";
}

TEST_F(HelpTest, PutsTheRenderOptionsAndTheZoneBack) {
  Describe({Element("HELPSCREEN SHELF", 100, 200, 50, 20, kRed)});
  zones::LOADZONES();
  zones::ZONE = 2;
  zones::CONVZONE();
  mapview::CHANGEZONE = mapview::FLOOR = 3;
  mapview::PLABEL = "N";
  mapview::PGRID = "Y";
  mapview::FG = 1;
  help1::DISPLAYHELP();
  EXPECT_EQ(mapview::CHANGEZONE, 3);
  EXPECT_EQ(mapview::FLOOR, 3);
  EXPECT_EQ(mapview::PLABEL, "N");
  EXPECT_EQ(mapview::PGRID, "Y");
  EXPECT_EQ(mapview::FG, 1);
  EXPECT_EQ(zones::ZONE, 2);
  EXPECT_EQ(zones::ZOOM, 5);
}

TEST_F(HelpTest, AMissingDescriptionSavesNoPicture) {
  help1::DISPLAYHELP();
  EXPECT_FALSE(PictureSaved());
}

}  // namespace
