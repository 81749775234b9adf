// Map labels: shown by view, language, label and grid options.
#include <gtest/gtest.h>

#include "tests/map/render_fixture.h"

namespace {

using render_test::Element;
using render_test::kGreen;
using render_test::kRed;
using render_test::kWhite;
using render_test::RenderTest;

Element Label(const std::string& id, const std::string& languages, double x, double y, int colour) {
  Element e;
  e.id = id;
  e.length = std::stod(languages);  // the language digits
  e.width = 0;
  e.x = x, e.y = y, e.colour = colour;
  e.fill = 24;     // character height
  e.font = "4";
  e.bcolour = "B";  // bold
  e.label = "Fruit and veg";
  return e;
}

class LabelTest : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    MakeMap({Label("L3E WHOLE", "1", 100, 100, kGreen), Label("L1E ZOOMED", "1", 100, 300, kRed),
             Label("GRIDL3 C01", "12345", 100, 500, kWhite)});
    mapview::PLABEL = "Y";
  }
  static int Whole() { return Count(kGreen, 80, 80, 400, 160); }
  static int Zoomed() { return Count(kRed, 80, 280, 400, 360); }
  static int Grid() { return Count(kWhite, 80, 480, 400, 560); }
};

TEST_F(LabelTest, WholeStoreViewShowsL3AndZoomedViewsL1) {
  zones::ZONE = 0;
  Redraw();
  EXPECT_GT(Whole(), 20);
  EXPECT_EQ(Zoomed(), 0);
  EXPECT_EQ(Grid(), 0);  // grid option off
  EXPECT_EQ(mapview::FG, 1);
  EXPECT_EQ(mapview::FLG, 2);

  zones::ZONE = 1;
  zones::LABELOFFSETX = 300;
  Redraw();
  EXPECT_EQ(Whole(), 0);
  EXPECT_EQ(Zoomed(), 0);  // moved right by the label offset
  EXPECT_GT(Count(kRed, 380, 280, 700, 360), 20);
}

TEST_F(LabelTest, LabelOptionNoHidesEveryLabelInEveryView) {
  mapview::PLABEL = "N";
  mapview::PGRID = "Y";
  for (int zone : {0, 1, mapview::kAllGridLabels}) {
    zones::ZONE = zone;
    Redraw();
    EXPECT_EQ(Whole() + Zoomed() + Grid(), 0) << zone;
  }
  // A label is never drawn as a box either.
  EXPECT_EQ(Count(kGreen) + Count(kRed), 0);
}

TEST_F(LabelTest, OtherLanguagesHideTheLabel) {
  screen::LANGUAGE2 = 2;
  screen::LANGG[2] = "F";  // "L3E WHOLE" holds no F, "GRIDL3 C01" no F either
  mapview::PGRID = "Y";
  Redraw();
  EXPECT_EQ(Whole(), 0);
  EXPECT_GT(Grid(), 20);  // the grid labels' first rule needs no language word
}

TEST_F(LabelTest, GridLabelsFollowTheGridOption) {
  mapview::PGRID = "Y";
  zones::ZONE = 0;
  Redraw();
  EXPECT_GT(Grid(), 20);
  zones::ZONE = mapview::kAllGridLabels;
  Redraw();
  EXPECT_GT(Grid(), 20);
  EXPECT_GT(Whole(), 20);  // that view shows every whole-store label
  mapview::PGRID = "N";
  zones::ZONE = 0;
  Redraw();
  EXPECT_EQ(Grid(), 0);
}

}  // namespace
