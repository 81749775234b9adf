// The BMP image format of GetImage/PutImage.
#include <gtest/gtest.h>

#include <random>
#include <tuple>
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

// Pictures are copied a row at a time; these compare every byte and pixel
// with a pixel-by-pixel model of the format, on a screen of varied colours.
class ImageRows : public HeadlessScreen {
 protected:
  void SetUp() override {
    HeadlessScreen::SetUp();
    std::mt19937 gen(5);
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x) PutPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), gen() % 256);
  }
  // The BMP image of a rectangle, pixel by pixel: bottom row first, blue,
  // green, red, rows padded to four bytes, black off the screen.
  static std::vector<std::uint8_t> Model(int x1, int y1, int x2, int y2) {
    const int w = x2 - x1 + 1, h = y2 - y1 + 1, row = (3 * w + 3) / 4 * 4;
    std::vector<std::uint8_t> bmp(54 + static_cast<std::size_t>(row) * h, 0);
    const std::uint32_t fields[][2] = {{2, static_cast<std::uint32_t>(bmp.size())}, {10, 54}, {14, 40},
                                       {18, static_cast<std::uint32_t>(w)}, {22, static_cast<std::uint32_t>(h)}};
    for (const auto& [at, v] : fields)
      for (int i = 0; i < 4; ++i) bmp[at + i] = (v >> (8 * i)) & 0xFF;
    bmp[0] = 'B';
    bmp[1] = 'M';
    bmp[26] = 1;
    bmp[28] = 24;
    for (int r = 0; r < h; ++r)
      for (int c = 0; c < w; ++c) {
        const std::uint32_t v = Rgb(x1 + c, y2 - r);
        std::uint8_t* p = &bmp[54 + static_cast<std::size_t>(r) * row + 3 * c];
        p[0] = v & 0xFF;
        p[1] = (v >> 8) & 0xFF;
        p[2] = (v >> 16) & 0xFF;
      }
    return bmp;
  }
  static std::vector<std::uint32_t> Screen() {
    std::vector<std::uint32_t> s;
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x) s.push_back(Rgb(x, y));
    return s;
  }
};

TEST_F(ImageRows, EveryRectangleReadsAsThePixelModel) {
  // Odd widths (every row padding), widths around the 16-pixel blocks,
  // single pixels, rectangles off each edge and wholly off the screen.
  const int rects[][4] = {{0, 0, 0, 0},       {639, 479, 639, 479}, {5, 7, 5, 30},     {3, 3, 4, 3},
                          {10, 10, 12, 11},   {1, 2, 16, 4},        {1, 2, 17, 4},     {7, 9, 37, 12},
                          {100, 50, 147, 53}, {-5, -3, 20, 6},      {620, 470, 660, 500}, {-40, 100, 700, 102},
                          {-20, -20, -1, -1}, {640, 0, 650, 3},     {0, 0, 639, 479}};
  std::vector<std::uint8_t> img(7, 0xAA);  // earlier contents are all overwritten
  for (const auto& r : rects) {
    GetImage(static_cast<std::int16_t>(r[0]), static_cast<std::int16_t>(r[1]), static_cast<std::int16_t>(r[2]),
             static_cast<std::int16_t>(r[3]), img);
    ASSERT_EQ(GraphResult(), grOk);
    EXPECT_EQ(img, Model(r[0], r[1], r[2], r[3])) << r[0] << "," << r[1] << " " << r[2] << "," << r[3];
  }
  // Larger than a megabyte, off the screen on every side.
  GetImage(-300, -300, 939, 779, img);
  EXPECT_EQ(img, Model(-300, -300, 939, 779));
  // Within a viewport the rectangle is relative to it.
  SetViewPort(33, 21, 300, 200, true);
  GetImage(-2, 0, 25, 3, img);
  EXPECT_EQ(img, Model(31, 21, 58, 24));
}

TEST_F(ImageRows, PicturesDrawAsThePixelModelInEveryMode) {
  std::mt19937 gen(9);
  // Random pictures of odd and block-sized widths, bottom-up and top-down.
  for (const auto& [w, h, topDown] : {std::tuple{1, 1, false}, std::tuple{3, 2, false}, std::tuple{17, 5, true},
                                     std::tuple{45, 9, false}, std::tuple{64, 3, true}}) {
    const int row = (3 * w + 3) / 4 * 4;
    std::vector<std::uint8_t> pic(54 + static_cast<std::size_t>(row) * h);
    for (auto& b : pic) b = static_cast<std::uint8_t>(gen());
    pic[0] = 'B';
    pic[1] = 'M';
    const std::uint32_t fields[][2] = {{10, 54}, {14, 40}, {18, static_cast<std::uint32_t>(w)},
                                       {22, static_cast<std::uint32_t>(topDown ? -h : h)}, {30, 0}};
    for (const auto& [at, v] : fields)
      for (int i = 0; i < 4; ++i) pic[at + i] = (v >> (8 * i)) & 0xFF;
    pic[28] = 24;
    pic[29] = 0;
    for (std::uint16_t mode = 0; mode < 8; ++mode) {
      // Inside, cut by the viewport's clip on the left and top, and at the
      // screen's right edge without a clip.
      for (const auto& [vx, vy, clip, x, y] : {std::tuple{0, 0, false, 20, 30}, std::tuple{100, 100, true, -7, -2},
                                              std::tuple{0, 0, false, 630, 477}}) {
        SetViewPort(static_cast<std::int16_t>(vx), static_cast<std::int16_t>(vy), 639, 479, clip);
        std::vector<std::uint32_t> want = Screen();
        for (int r = 0; r < h; ++r)
          for (int c = 0; c < w; ++c) {
            const int sx = vx + x + c, sy = vy + y + (topDown ? r : h - 1 - r);
            if (sx < vx * clip || sy < vy * clip || sx >= 640 || sy >= 480) continue;
            const std::uint8_t* p = &pic[54 + static_cast<std::size_t>(r) * row + 3 * c];
            const std::uint32_t src = p[0] | p[1] << 8 | p[2] << 16;
            std::uint32_t& dst = want[static_cast<std::size_t>(sy) * 640 + sx];
            const std::uint32_t results[8] = {src,       src ^ dst,  src | dst,    src & dst,
                                              ~src,      ~(src | dst), ~src | dst, src & ~dst};
            dst = results[mode] & 0xFFFFFF;
          }
        PutImage(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), pic.data(), pic.size(), mode);
        ASSERT_EQ(GraphResult(), grOk);
        ASSERT_EQ(Screen(), want) << w << "x" << h << " mode " << mode << " at " << x << "," << y;
      }
    }
  }
}

TEST_F(ImageRows, WholeScreenRoundTripAndScreenShot) {
  const std::vector<std::uint32_t> before = Screen();
  std::vector<std::uint8_t> img;
  // A picture larger than a megabyte, put back over and beyond the screen.
  GetImage(-300, -300, 939, 779, img);
  ClearDevice();
  PutImage(-300, -300, img.data(), img.size(), 0);
  EXPECT_EQ(Screen(), before);
  EXPECT_EQ(ScreenBmp(), Model(0, 0, 639, 479));
  const std::vector<std::uint8_t> rgb = ScreenRgb();
  ASSERT_EQ(rgb.size(), 640u * 480 * 3);
  for (std::size_t i = 0; i < before.size(); ++i)
    ASSERT_EQ(rgb[3 * i] << 16 | rgb[3 * i + 1] << 8 | rgb[3 * i + 2], before[i]) << i;
}

TEST_F(ImageRows, RectangleTooLargeForABmpFileIsRefused) {
  // 65536 x 65536 pixels are 12 GB: more than the file's size field holds.
  std::vector<std::uint8_t> img(3, 7);
  EXPECT_EQ(ImageSize(-32768, -32768, 32767, 32767), 0u);
  EXPECT_EQ(GraphResult(), grError);
  GetImage(-32768, -32768, 32767, 32767, img);
  EXPECT_EQ(GraphResult(), grError);
  EXPECT_EQ(img, std::vector<std::uint8_t>(3, 7));
}
