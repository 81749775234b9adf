// The BMP image format of GetImage/PutImage.
#include <gtest/gtest.h>

#include <vector>

#include "graph/graph.h"
#include "headless_screen.h"

using namespace graph;

using Images = HeadlessScreen;

TEST_F(Images, HeaderBytesAndRows) {
  PutPixel(10, 20, 40);  // bottom-left of the picture below: FC0000
  PutPixel(12, 19, 48);  // top-right: 00FC00
  std::vector<std::uint8_t> img;
  GetImage(10, 19, 12, 20, img);  // 3 x 2: rows of 9 bytes padded to 12
  ASSERT_EQ(img.size(), ImageSize(10, 19, 12, 20));
  ASSERT_EQ(img.size(), 54u + 2 * 12);
  const std::uint8_t header[54] = {'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
                                   40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0,
                                   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                   0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(std::vector<std::uint8_t>(img.begin(), img.begin() + 54), std::vector<std::uint8_t>(header, header + 54));
  // First row stored is the bottom one (y 20): blue, green, red.
  EXPECT_EQ(img[54], 0x00);
  EXPECT_EQ(img[55], 0x00);
  EXPECT_EQ(img[56], 0xFC);
  EXPECT_EQ(img[54 + 12 + 6 + 1], 0xFC);  // top row, third pixel, green
}

TEST_F(Images, RoundTripAndModes) {
  SetFillStyle(4, 14);
  Bar(0, 0, 30, 20);
  SetColor(12);
  Circle(15, 10, 8);
  std::vector<std::uint8_t> img;
  GetImage(0, 0, 30, 20, img);
  SetViewPort(100, 100, 300, 300, false);
  PutImage(5, 7, img.data(), img.size(), 0);
  EXPECT_EQ(GraphResult(), grOk);
  for (int y = 0; y <= 20; ++y)
    for (int x = 0; x <= 30; ++x) ASSERT_EQ(Rgb(105 + x, 107 + y), Rgb(x, y)) << x << "," << y;
  // Exclusive-or with itself clears it.
  PutImage(5, 7, img.data(), img.size(), 1);
  EXPECT_EQ(Count(105, 107, 135, 127, 0), 31 * 21);
  PutImage(5, 7, img.data(), img.size(), 8);
  EXPECT_EQ(GraphResult(), grInvalidParam);
}

TEST_F(Images, DamagedPicturesDrawNothing) {
  std::vector<std::uint8_t> img;
  SetFillStyle(1, 14);
  Bar(0, 0, 99, 99);
  GetImage(0, 0, 99, 99, img);
  ClearDevice();
  std::vector<std::uint8_t> cut(img.begin(), img.end() - 1);  // one byte short
  PutImage(0, 0, cut.data(), cut.size(), 0);
  EXPECT_EQ(GraphResult(), grInvalidParam);
  std::vector<std::uint8_t> huge = img;
  huge[22] = 0xFF;  // a height far beyond the data
  huge[23] = 0x7F;
  PutImage(0, 0, huge.data(), huge.size(), 0);
  EXPECT_EQ(GraphResult(), grInvalidParam);
  PutImage(0, 0, img.data(), 20, 0);
  EXPECT_EQ(GraphResult(), grInvalidParam);
  EXPECT_EQ(Count(0, 0, 99, 99, 0), 10000);
}

TEST_F(Images, PicturesClipAndOffScreenReadsBlack) {
  std::vector<std::uint8_t> img;
  GetImage(-2, -2, 1, 1, img);  // partly off the screen
  ASSERT_EQ(img.size(), 54u + 4 * 12);
  SetFillStyle(1, 14);
  Bar(0, 0, 9, 9);
  GetImage(0, 0, 9, 9, img);
  SetViewPort(200, 200, 204, 204, true);
  PutImage(0, 0, img.data(), img.size(), 0);
  EXPECT_EQ(Count(195, 195, 215, 215, Pal(14)), 25);
  EXPECT_EQ(ScreenBmp().size(), ImageSize(0, 0, 639, 479));
}
