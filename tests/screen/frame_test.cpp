#include <cstdio>

#include "tests/screen/primitives_fixture.h"

using namespace screen;
using namespace primitives_test;

TEST_F(PrimitivesTest, InitTakesTheWindowSize) {
  EXPECT_EQ(MAXX, 1023);
  EXPECT_EQ(MAXY, 767);
  EXPECT_EQ(graph::GetColor(), ColorValue(kWhite));
  EXPECT_EQ(graph::GetBkColor(), ColorValue(kBlack));
}

TEST(InitFailure, ReportsAndEndsWithCodeOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        (void)std::freopen("/dev/null", "r", stdin);
        graph::ResetForTest();
        graph::UseHeadless(800, 600);
        INIT(3, 99);  // no such mode
      },
      ::testing::ExitedWithCode(1), "");
}

TEST_F(PrimitivesTest, StandardFrame) {
  graph::SetBkColor(ColorValue(kYellow));  // left behind by an earlier screen
  FRAME4();
  const int mx = MAXX, my = MAXY;
  for (int y : {25, 300, my - 30}) {
    EXPECT_TRUE(Is(2, y, kWhite)) << y;       // left side
    EXPECT_TRUE(Is(mx - 1, y, kWhite)) << y;  // right side
  }
  for (int x : {20, 300, mx - 20}) {
    EXPECT_TRUE(Is(x, 0, kWhite)) << x;        // top
    EXPECT_TRUE(Is(x, 50, kWhite)) << x;       // title bar
    EXPECT_TRUE(Is(x, my - 63, kWhite)) << x;  // prompt box
    EXPECT_TRUE(Is(x, my - 1, kWhite)) << x;   // bottom
  }
  EXPECT_EQ(Count(10, 60, mx - 10, my - 70, kBlack), (mx - 19) * (my - 129));
  EXPECT_EQ(Count(10, my - 55, mx - 10, my - 10, kBlack), (mx - 19) * 46);
  EXPECT_EQ(Count(10, 5, 420, 45, kBlack), 411 * 41);  // left of the logo
  EXPECT_GT(Count(595, 5, 700, 48, 51), 20);                    // "Vell!"
  EXPECT_GT(Count(mx / 2 - 13, 5, mx / 2 + 200, 48, 51), 20);   // banner
  EXPECT_EQ(graph::GetBkColor(), ColorValue(kBlack));
}

TEST_F(PrimitivesTest, LayoutGridOnlyWhenAskedFor) {
  FRAME4();
  EXPECT_EQ(Count(10, 60, 500, 300, 59), 0);
  SHOW_GRID = 1;
  FRAME4();
  EXPECT_GT(Count(95, 60, 105, 300, 59), 50);
  EXPECT_EQ(Count(10, MAXY - 55, MAXX - 10, MAXY - 10, 59), 0);  // the prompt box stays clear
}

TEST_F(PrimitivesTest, FrameShowsTheLogo) {
  graph::SetFillStyle(1, ColorValue(kRed));
  graph::Bar(0, 0, 9, 9);
  SAVEBMP(0, 0, 9, 9, "FIXTURES\\plov.bmp");
  FRAME4();
  const int lx = MAXX / 2 - 85;
  EXPECT_EQ(Count(lx, 10, lx + 9, 19, kRed), 100);
  EXPECT_EQ(Count(lx + 10, 10, lx + 12, 19, kRed), 0);
}

TEST_F(PrimitivesTest, LightFrameAndClearedPrompt) {
  const int mx = MAXX, my = MAXY;
  FRAME3();
  EXPECT_TRUE(Is(1, 300, kWhite));
  EXPECT_TRUE(Is(400, my - 1, kWhite));
  EXPECT_TRUE(Is(400, my - 63, kWhite));
  EXPECT_TRUE(Is(400, 300, kBlack));

  graph::SetFillStyle(1, ColorValue(kYellow));
  graph::Bar(0, 0, static_cast<std::int16_t>(mx), static_cast<std::int16_t>(my));
  CLEAR_PROMPT();
  EXPECT_EQ(Count(4, my - 62, mx - 3, my - 3, kBlack), (mx - 6) * 60);
  EXPECT_TRUE(Is(3, my - 30, kYellow));
  EXPECT_TRUE(Is(mx - 2, my - 30, kYellow));
  EXPECT_TRUE(Is(400, my - 63, kYellow));
  EXPECT_TRUE(Is(400, my - 2, kYellow));
  EXPECT_TRUE(Is(400, 300, kYellow));
  EXPECT_EQ(graph::GetColor(), ColorValue(kBlack));
}
