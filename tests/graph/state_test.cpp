// Opening the window, result codes, drawing state rules.
#include <gtest/gtest.h>

#include <cstdlib>

#include "graph/graph.h"
#include "headless_screen.h"

using namespace graph;

TEST(GraphClosed, EveryRoutineReportsNoWindow) {
  ResetForTest();
  Line(0, 0, 5, 5);
  EXPECT_EQ(GraphResult(), grNoInitGraph);
  SetColor(3);
  EXPECT_EQ(GrResult, grNoInitGraph);
  EXPECT_EQ(GraphResult(), grNoInitGraph);
  EXPECT_EQ(GraphResult(), grOk);  // read and cleared
  EXPECT_EQ(ReadKey(), 0);         // no window: no waiting
  EXPECT_EQ(ImageSize(0, 0, 9, 9), 374u);
  EXPECT_EQ(GraphResult(), grOk);
}

TEST(GraphErrors, Messages) {
  EXPECT_EQ(GraphErrorMsg(0), "");
  EXPECT_EQ(GraphErrorMsg(-3), "Error: Invalid graphics mode");
  EXPECT_EQ(GraphErrorMsg(5), "Error: Unrecognized error code");
  EXPECT_EQ(GraphErrorMsg(-1), "Error: Graphics window not initialized. Use InitGraph");
  EXPECT_EQ(GraphErrorMsg(-4), "Error: Creation of graphics window failed");
  EXPECT_EQ(GraphErrorMsg(-8), "Error: No palette available. Change graphics driver");
  EXPECT_EQ(GraphErrorMsg(-10), "Error: General graphics error");
}

TEST(InitGraph, DriversModesAndSizes) {
  ResetForTest();
  UseHeadless(1920, 1080);
  InitGraph(4, 12, "");
  EXPECT_EQ(GraphResult(), grInvalidDriver);
  InitGraph(3, 9, "");
  EXPECT_EQ(GraphResult(), grInvalidMode);
  InitGraph(3, 12, "");
  ASSERT_EQ(GraphResult(), grOk);
  EXPECT_EQ(GetMaxX(), 1919);
  EXPECT_EQ(GetMaxY(), 1079);
  EXPECT_EQ(WindowStyle, kStylePopup);
  EXPECT_EQ(WindowWidth, 1920);
  EXPECT_TRUE(PalExist);
  EXPECT_EQ(MaxColors, 256);
  EXPECT_EQ(BitPixel, 8);
  InitGraph(3, 12, "");
  EXPECT_EQ(GraphResult(), grError);  // already open
  CloseGraph();
  EXPECT_FALSE(GraphEnabled());

  InitGraph(3, 4, "");  // 640x480 fits with its frame
  ASSERT_EQ(GraphResult(), grOk);
  EXPECT_EQ(GetMaxX(), 639);
  EXPECT_EQ(WindowStyle, kStyleFramed);
  EXPECT_GT(WindowHeight, 480 + WindowWidth - 640);  // caption on top of the frames
  CloseGraph();

  UseHeadless(1280, 1024);  // fits only without a frame
  InitGraph(3, 8, "");
  EXPECT_EQ(GraphResult(), grOk);
  EXPECT_EQ(WindowStyle, kStylePopup);
  CloseGraph();
  UseHeadless(1024, 768);
  InitGraph(3, 8, "");
  EXPECT_EQ(GraphResult(), grInvalidMode);
  EXPECT_FALSE(GraphEnabled());

  InitGraph(0, 0, "");  // detect: desktop depth, no palette
  ASSERT_EQ(GraphResult(), grOk);
  EXPECT_EQ(GrDriver, 9);
  EXPECT_EQ(GrMode, 10);
  EXPECT_FALSE(PalExist);
  EXPECT_EQ(NamedColor[kWhite], 0xFFFFFFu);
  ResetForTest();
}

TEST(InitGraph, NoRealDisplayIsAFailedWindow) {
  // SDL's stand-in drivers draw nowhere; a kiosk must not run on them.
  for (const char* driver : {"dummy", "offscreen"}) {
    ResetForTest();
    setenv("SDL_VIDEODRIVER", driver, 1);
    UseWindow();
    InitGraph(3, 12, "");
    EXPECT_EQ(GraphResult(), grWindowFailed) << driver;
    EXPECT_FALSE(GraphEnabled());
    unsetenv("SDL_VIDEODRIVER");
  }
  ResetForTest();
}

TEST(InitGraph, NewWindowStartsWithAnEmptyQueue) {
  ResetForTest();
  PushChar('x');
  UseHeadless(320, 200);
  InitGraph(3, 12, "");
  EXPECT_FALSE(KeyPressed());
  ResetForTest();
}

using DrawingState = HeadlessScreen;

TEST_F(DrawingState, DefaultsAfterInit) {
  EXPECT_EQ(GetColor(), NamedColor[kWhite]);
  EXPECT_EQ(GetBkColor(), NamedColor[kBlack]);
  EXPECT_EQ(Rgb(0, 0), 0u);
  EXPECT_EQ(InstalledFont(0), "Times New Roman");
}

TEST_F(DrawingState, BadArgumentsChangeNothing) {
  SetLineStyle(3, 0, 1);
  SetLineStyle(7, 0, 1);
  EXPECT_EQ(GraphResult(), grInvalidParam);
  // Still dashed: an 18-pixel dash then a gap.
  SetColor(15);
  Line(0, 5, 40, 5);
  EXPECT_EQ(Rgb(17, 5), Pal(15));
  EXPECT_EQ(Rgb(18, 5), 0u);

  SetViewPort(10, 10, 50, 50, true);
  SetViewPort(10, 10, 5, 50, true);
  EXPECT_EQ(GraphResult(), grInvalidParam);
  PutPixel(100, 100, 15);  // outside the first viewport: clipped
  EXPECT_EQ(Rgb(110, 110), 0u);

  SetFillStyle(10, 4);
  EXPECT_EQ(GraphResult(), grInvalidParam);
  SetTextJustify(3, 0);
  EXPECT_EQ(GraphResult(), grInvalidParam);
  SetTextJustify(0, 3);
  EXPECT_EQ(GraphResult(), grInvalidParam);
  EXPECT_EQ(ImageSize(5, 5, 4, 9), 0u);
  EXPECT_EQ(GraphResult(), grInvalidParam);
}

TEST_F(DrawingState, ViewportMovesOriginAndPosition) {
  MoveTo(7, 8);
  EXPECT_EQ(GetX(), 7);
  SetViewPort(100, 50, 200, 150, false);
  EXPECT_EQ(GetX(), 0);
  EXPECT_EQ(GetY(), 0);
  PutPixel(0, 0, 14);
  EXPECT_EQ(Rgb(100, 50), Pal(14));
  PutPixel(150, 150, 14);  // no clipping
  EXPECT_EQ(Rgb(250, 200), Pal(14));
  SetBkColor(1);
  ClearViewPort();
  EXPECT_EQ(Rgb(100, 50), Pal(1));
  EXPECT_EQ(Rgb(200, 150), Pal(1));
  EXPECT_EQ(Rgb(201, 150), 0u);
  EXPECT_EQ(Rgb(250, 200), Pal(14));  // outside the viewport stays
  ClearDevice();
  EXPECT_EQ(Rgb(250, 200), Pal(1));
  PutPixel(0, 0, 2);  // the viewport came back after the clear
  EXPECT_EQ(Rgb(100, 50), Pal(2));
}

TEST_F(DrawingState, ColourValuesWrapAtPaletteSize) {
  PutPixel(1, 1, 256 + 4);
  EXPECT_EQ(GetPixel(1, 1), 4u);
}
