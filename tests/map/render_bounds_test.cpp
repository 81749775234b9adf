// Map elements and zones with huge numbers: the map still draws, at once,
// showing the part of each element that lies on the screen.
#include <gtest/gtest.h>

#include "tests/map/render_fixture.h"
#include "tests/support/ends_within.h"

namespace {

using render_test::Element;
using render_test::kGreen;
using render_test::kRed;
using render_test::RenderTest;

TEST_F(RenderTest, AWallTwoThousandMillionLongDrawsToTheScreenEdge) {
  Element wall, shelf;
  wall.x = 100, wall.y = 300, wall.length = 2e9, wall.width = 1;  // "2e9" in the file
  shelf.x = 50, shelf.y = 50, shelf.colour = kGreen;
  for (int angle : {0, 45, 90, 135, 180, 225, 270, 315}) {
    wall.angle = angle;
    MakeMap({wall, shelf});
    ASSERT_TRUE(testsupport::EndsWithin(60, [] { Redraw(); })) << angle;
    Redraw();
    EXPECT_GT(Count(kGreen), 0) << angle;  // the walk went on past the wall
    EXPECT_GT(Count(kRed), 100) << angle;
  }
  wall.angle = 0;
  wall.width = 0;  // no depth: one line
  MakeMap({wall});
  Redraw();
  EXPECT_EQ(Count(kRed, 0, 301, 1023, 301), 1023 - 101);  // anchor to the viewport's right edge
}

TEST_F(RenderTest, AHugeZoneZoomDrawsInBoundedTime) {
  Element shelf, wide;
  shelf.x = 0.0001, shelf.y = 0.0001, shelf.length = 1, shelf.width = 1, shelf.fill = 1;
  wide.x = 1, wide.y = 1, wide.length = 9999999, wide.width = 9999999, wide.angle = 45;
  wide.colour = kGreen;
  wide.fill = 4;
  MakeMap({shelf, wide});
  for (double zoom : {1e6, 1e9, 1e15, 1e300}) {
    zones::ZOOM = zoom;
    zones::OFFSETX = 2000000000;
    zones::OFFSETY = -2000000000;
    ASSERT_TRUE(testsupport::EndsWithin(60, [] { Redraw(); })) << zoom;
    Redraw();
  }
  zones::OFFSETX = zones::OFFSETY = 0;
  zones::ZOOM = 1e6;  // the shelf's corner (100, 100) on, its far corner beyond the screen
  Redraw();
  EXPECT_TRUE(Is(101, 101, kRed));
  EXPECT_TRUE(Is(1022, 101, kRed));  // the viewport's last column
}

}  // namespace
