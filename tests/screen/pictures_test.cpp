#include <filesystem>
#include <fstream>

#include "tests/screen/primitives_fixture.h"

using namespace screen;
using namespace primitives_test;

TEST_F(PrimitivesTest, PictureRoundTrip) {
  // A small picture of odd width (rows are padded) with four colours.
  graph::SetFillStyle(1, ColorValue(kRed));
  graph::Bar(10, 10, 16, 14);
  graph::SetFillStyle(1, ColorValue(kGreen));
  graph::Bar(17, 10, 22, 14);
  graph::PutPixel(12, 12, ColorValue(kYellow));
  SAVEBMP(10, 10, 22, 18, "pic.bmp");
  ASSERT_TRUE(std::filesystem::exists(folder_ / "pic.bmp"));
  EXPECT_EQ(std::filesystem::file_size(folder_ / "pic.bmp"), graph::ImageSize(10, 10, 22, 18));

  LOADBMP(300, 200, "PIC.BMP");
  for (int y = 0; y <= 8; ++y)
    for (int x = 0; x <= 12; ++x)
      EXPECT_EQ(graph::GetPixel(static_cast<std::int16_t>(300 + x), static_cast<std::int16_t>(200 + y)),
                graph::GetPixel(static_cast<std::int16_t>(10 + x), static_cast<std::int16_t>(10 + y)))
          << x << "," << y;
  EXPECT_TRUE(Is(302, 202, kYellow));
  EXPECT_TRUE(Is(313, 209, kBlack));  // just past the picture
}

TEST_F(PrimitivesTest, MissingOrBrokenPicturesDrawNothing) {
  LOADBMP(0, 0, "fixtures\\none.bmp");
  {
    std::ofstream bad(folder_ / "bad.bmp", std::ios::binary);
    bad << "BM not a picture";
  }
  LOADBMP(0, 0, "bad.bmp");
  EXPECT_EQ(Count(0, 0, 50, 50, kBlack), 51 * 51);
  // A file that cannot be created is not written.
  SAVEBMP(0, 0, 9, 9, "nofolder\\pic.bmp");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "nofolder"));
}

TEST_F(PrimitivesTest, WholeScreenSaveShowsItsName) {
  const std::int64_t before = kiosk::clock::NowMs();
  SAVEBMP2("shot.bmp");
  EXPECT_EQ(std::filesystem::file_size(folder_ / "shot.bmp"), graph::ImageSize(0, 0, MAXX, MAXY));
  EXPECT_GE(kiosk::clock::NowMs() - before, 500);
  EXPECT_GT(Count(850 - 1, MAXY - 80, MAXX, MAXY, kWhite), 20);
}
