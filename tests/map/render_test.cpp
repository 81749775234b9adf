// The map renderer on a headless screen: boxes, floors, markers, options,
// the walk over the file and fixtures.
#include <gtest/gtest.h>

#include "isam/glue.h"
#include "tests/map/render_fixture.h"

namespace {

using render_test::Element;
using render_test::kGreen;
using render_test::kRed;
using render_test::RenderTest;

// The map viewport starts at screen pixel (1, 1).
constexpr int kVp = 1;

TEST_F(RenderTest, BoxCornersCarryTheZoneOffsetsTwice) {
  Element e;
  e.x = 5, e.y = 5, e.length = 10, e.width = 2;
  MakeMap({e});
  zones::ZOOM = 4;
  zones::OFFSETX = 100;
  zones::OFFSETY = 50;
  Redraw();
  // Corners (220,120) (220,112) (260,112) (260,120): 40 along, 8 up.
  for (auto [x, y] : {std::pair{220, 120}, {220, 112}, {260, 112}, {260, 120}, {240, 120}, {240, 112},
                      {220, 116}, {260, 116}}) {
    EXPECT_TRUE(Is(x + kVp, y + kVp, kRed)) << x << "," << y;
  }
  EXPECT_FALSE(Is(240 + kVp, 116 + kVp, kRed));  // an outline only
  EXPECT_EQ(Count(kRed, 0, 0, 200, 767), 0);       // nothing at the single-offset anchor (120, 70)
}

TEST_F(RenderTest, AnglesSnapToTheNearestEighthTurn) {
  auto draw = [this](int angle) {
    Element e;
    e.angle = angle;
    e.x = 200, e.y = 200, e.length = 40, e.width = 10;
    MakeMap({e});
    Redraw();
    return graph::ScreenRgb();
  };
  const auto at30 = draw(30), at45 = draw(45), at200 = draw(200), at180 = draw(180), at0 = draw(0),
             at360 = draw(360);
  EXPECT_EQ(at30, at45);
  EXPECT_EQ(at200, at180);
  EXPECT_EQ(at0, at360);
  EXPECT_NE(at45, at180);
  EXPECT_NE(at0, at45);
  // Angle 0 runs right from the anchor, 180 left.
  Redraw();
  EXPECT_TRUE(Is(200 + 40 + kVp, 200 + kVp, kRed));
  EXPECT_EQ(Count(kRed, 0, 0, 199, 767), 0);
}

TEST_F(RenderTest, FloorsGridAndHiddenMarkers) {
  Element upstairs, grid, never, hidden, plain;
  upstairs.id = "UPSTAIRS", upstairs.floor = "2", upstairs.x = 100, upstairs.y = 100;
  grid.id = "grid line", grid.floor = "2", grid.x = 100, grid.y = 200, grid.colour = kGreen;
  never.id = "OLD~SHELF", never.x = 100, never.y = 300;
  hidden.id = "BACK!ROOM", hidden.x = 100, hidden.y = 400;
  plain.x = 100, plain.y = 500;
  MakeMap({upstairs, grid, never, hidden, plain});
  auto redCount = [](int y) { return Count(kRed, 90, y - 5, 130, y + 5); };

  mapview::CHANGEZONE = 1;
  mapview::PGRID = "N";
  mapview::PSHELVES = "N";
  Redraw();
  EXPECT_EQ(redCount(100), 0);                      // floor 2 while floor 1 is shown
  EXPECT_EQ(Count(kGreen), 0);                      // grid option off
  EXPECT_EQ(redCount(300), 0);                      // "~" never
  EXPECT_EQ(redCount(400), 0);                      // "!" without the shelves option
  EXPECT_EQ(mapview::FLG, 0);
  EXPECT_GT(redCount(500), 0);

  mapview::PGRID = "Y";
  mapview::PSHELVES = "y";
  Redraw();
  EXPECT_GT(Count(kGreen, 90, 195, 130, 205), 0);  // a grid line lies on every floor
  EXPECT_EQ(redCount(300), 0);
  EXPECT_GT(redCount(400), 0);

  mapview::CHANGEZONE = 2;
  Redraw();
  EXPECT_GT(redCount(100), 0);
  EXPECT_GT(Count(kGreen, 90, 195, 130, 205), 0);
  EXPECT_EQ(redCount(500), 0);
  EXPECT_EQ(mapview::FLG, 3);  // the last element lies on floor 1
}

TEST_F(RenderTest, GroupMembersAreDrawnThroughTheirGroupElementOnly) {
  Element head, member, other;
  head.id = "AISLE7#HEAD", head.y = 100;
  member.id = "AISLE7 BAY 2", member.y = 200;
  other.id = "AISLE8", other.y = 300;
  MakeMap({head, member, other});
  Redraw();
  EXPECT_EQ(mapview::SNAMEX, "AISLE7");
  EXPECT_GT(Count(kRed, 90, 95, 130, 105), 0);
  EXPECT_EQ(Count(kRed, 90, 195, 130, 205), 0);
  EXPECT_GT(Count(kRed, 90, 295, 130, 305), 0);
}

TEST_F(RenderTest, WalkReachesRecordsAboveTheUsedCount) {
  Redraw();  // no map file open: nothing
  EXPECT_EQ(Count(kRed), 0);
  Element first, second, third;
  first.y = 100, second.y = 200, third.y = 300;
  MakeMap({first, second, third});
  ASSERT_TRUE(glue::ERASERECORD(editmap::MAPFILE, 1));
  ASSERT_EQ(isam::BTUsedRecs(editmap::PE), 2);
  Redraw();
  EXPECT_EQ(Count(kRed, 90, 95, 130, 105), 0);   // deleted
  EXPECT_GT(Count(kRed, 90, 195, 130, 205), 0);
  EXPECT_GT(Count(kRed, 90, 295, 130, 305), 0);  // record 3 of 2 used
}

TEST_F(RenderTest, FixtureCodeReplacesTheBox) {
  Element table;
  table.size = "f1";  // codes are matched in capitals
  table.x = 100, table.y = 100, table.length = 60, table.width = 30, table.fill = 99;
  MakeMap({table});
  zones::ZOOM = 10;
  Redraw();
  EXPECT_EQ(mapview::F1, 2);
  // The 4 x 4 table centred on the anchor (1000, 1000 at zoom 10 is off the
  // screen), so look at a smaller zoom.
  zones::ZOOM = 2;
  Redraw();
  EXPECT_GT(Count(kRed, 190, 190, 210, 210), 0);
  // Nothing where a 60 x 30 box would reach (x 200..320 at zoom 2).
  EXPECT_EQ(Count(kRed, 215, 0, 1023, 767), 0);
}

TEST_F(RenderTest, EveryFixtureDrawsNearItsAnchorOnly) {
  const char* codes[] = {"F1", "F2", "F3", "F4", "R4", "C0", "4C", "C5", "R42", "42C"};
  for (const char* code : codes) {
    for (int angle : {0, 45, 225, 270}) {
      SCOPED_TRACE(std::string(code) + " at " + std::to_string(angle));
      Element e;
      e.size = code, e.angle = angle, e.x = 50, e.y = 50, e.length = 2, e.width = 2;
      MakeMap({e});
      zones::ZOOM = 8;  // the anchor at (400, 400)
      Redraw();
      EXPECT_EQ(mapview::F1, 2);  // never a box
      const int near = Count(kRed, 340, 340, 460, 460);
      EXPECT_EQ(Count(kRed), near);
      // F2 to F4 have no make-up for 225 and 270.
      const bool none = code[0] == 'F' && code[1] != '1' && (angle == 225 || angle == 270);
      EXPECT_EQ(near > 0, !none);
    }
  }
}

TEST_F(RenderTest, RoundTableIsOneCircleWithoutStatusLineOrWait) {
  Element e;
  e.size = "C0", e.x = 50, e.y = 50, e.length = 3, e.width = 2;
  MakeMap({e});
  zones::ZOOM = 10;
  zones::OFFSETX_CIRCLES = 5;
  const std::int64_t before = kiosk::clock::NowMs();
  Redraw();
  EXPECT_LT(kiosk::clock::NowMs() - before, 100);
  // Centre (505, 500), radius 20.
  EXPECT_TRUE(Is(505 + 20 + kVp, 500 + kVp, kRed));
  EXPECT_TRUE(Is(505 + kVp, 500 - 20 + kVp, kRed));
  EXPECT_FALSE(Is(505 + kVp, 500 + kVp, kRed));
  EXPECT_EQ(Count(220, 0, screen::MAXY - 63, 1023, 767), 0);  // no status text
}

}  // namespace
