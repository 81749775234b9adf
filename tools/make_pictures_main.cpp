// make-pictures OUTDIR: draws the kiosk's own pictures through the graphics
// layer (headless) and saves them as 24-bit BMP files under OUTDIR:
//   fixtures/plov.bmp       title-bar logo, left of the banner text
//   fixtures/demo_logo.bmp  the demo store's logo on the staff header
//   fixtures/x.bmp          the "you are here" marker of the location display
//   returnkey.bmp           the Enter key shown after some menus
#include <cmath>
#include <filesystem>
#include <iostream>
#include <vector>

#include "common/clock.h"
#include "common/hostpath.h"
#include "screen/primitives.h"

namespace {

using graph::PointType;

// Colour numbers of the named colour table.
enum : int {
  kBlack = 12, kWhite = 250, kRed = 207, kDarkRed = 70, kCyan = 51, kLightGray = 127,
  kDimGray = 86, kGray = 102, kYellow = 253, kForest = 94, kOrange = 171, kSilver = 227,
  kNavy = 165, kCream = 49, kGold = 100,
};

void Fill(const std::vector<PointType>& pts, int colour, int outline) {
  screen::COLORS1(outline);
  graph::SetLineStyle(0, 0, 1);
  graph::SetFillStyle(1, screen::ColorValue(colour));
  graph::FillPoly(static_cast<std::uint16_t>(pts.size()), pts.data());
}

void Disc(double cx, double cy, double r, int colour) {
  std::vector<PointType> pts;
  for (int i = 0; i < 48; ++i) {
    double a = i * 2 * M_PI / 48;
    pts.push_back({static_cast<std::int32_t>(std::lround(cx + r * std::cos(a))),
                   static_cast<std::int32_t>(std::lround(cy + r * std::sin(a)))});
  }
  Fill(pts, colour, colour);
}

void Box(int x1, int y1, int x2, int y2, int colour) {
  graph::SetFillStyle(1, screen::ColorValue(colour));
  graph::Bar(static_cast<std::int16_t>(x1), static_cast<std::int16_t>(y1), static_cast<std::int16_t>(x2),
             static_cast<std::int16_t>(y2));
}

void Line(int x1, int y1, int x2, int y2, int colour, int thickness) {
  screen::COLORS1(colour);
  graph::SetLineStyle(0, 0, static_cast<std::uint16_t>(thickness));
  graph::Line(static_cast<std::int16_t>(x1), static_cast<std::int16_t>(y1), static_cast<std::int16_t>(x2),
              static_cast<std::int16_t>(y2));
}

// A map pin whose tip is at (tx, ty), head of radius r.
void Pin(double tx, double ty, double r, int colour, int rim) {
  const double cy = ty - 2.2 * r;
  Fill({{static_cast<std::int32_t>(tx - r * 0.85), static_cast<std::int32_t>(cy + r * 0.5)},
        {static_cast<std::int32_t>(tx + r * 0.85), static_cast<std::int32_t>(cy + r * 0.5)},
        {static_cast<std::int32_t>(tx), static_cast<std::int32_t>(ty)}},
       colour, colour);
  Disc(tx, cy, r, colour);
  Disc(tx, cy, r * 0.4, rim);
}

void Clear(int w, int h) { Box(0, 0, w - 1, h - 1, kBlack); }

// 68 x 32: a folded store map with a red pin on it. The banner text starts
// 72 pixels right of the logo's left edge, so the logo stays left of it.
void TitleLogo() {
  Clear(68, 32);
  const int panel[3] = {kCream, kLightGray, kCream};
  for (int i = 0; i < 3; ++i) {
    const int x = 6 + 18 * i, a = (i % 2) ? 6 : 8, b = (i % 2) ? 8 : 6;  // folds zig-zag
    Fill({{x, a}, {x + 18, b}, {x + 18, b + 22}, {x, a + 22}}, panel[i], kSilver);
  }
  // Aisles on the map.
  for (int x : {12, 30, 48}) Line(x, 14, x + 8, 14, kGray, 2);
  for (int x : {12, 30, 48}) Line(x, 22, x + 8, 22, kGray, 2);
  Pin(40, 25, 6, kRed, kWhite);
}

// 300 x 180: the demo store's sign, a shopping cart over its name.
void DemoLogo() {
  Clear(300, 180);
  Box(4, 4, 295, 175, kNavy);
  Box(10, 10, 289, 169, kBlack);
  Box(14, 14, 285, 165, kNavy);
  // Cart: basket, handle, wheels.
  Fill({{95, 40}, {205, 40}, {192, 92}, {110, 92}}, kOrange, kGold);
  for (int x = 112; x < 200; x += 14) Line(x, 44, x + 2, 88, kNavy, 2);
  Line(100, 66, 200, 66, kNavy, 2);
  Line(70, 30, 95, 40, kSilver, 4);
  Line(110, 92, 116, 104, kSilver, 3);
  Line(116, 104, 196, 104, kSilver, 3);
  Disc(126, 112, 7, kSilver);
  Disc(186, 112, 7, kSilver);
  Disc(126, 112, 3, kNavy);
  Disc(186, 112, 3, kNavy);
  Pin(175, 56, 10, kRed, kWhite);
  screen::FNT0(kYellow, 150, 150, 4, 0, 0, 30, 2, 3, "B", "DEMO MARKET");
}

// 36 x 37: a pin whose tip marks (27, 30), the kiosk's own position, with a
// cross there. The location display saves exactly this rectangle around the
// point before drawing the marker.
void PositionMarker() {
  Clear(36, 37);
  Line(21, 30, 33, 30, kYellow, 2);
  Line(27, 24, 27, 36, kYellow, 2);
  Pin(27, 30, 9, kRed, kWhite);
}

// 40 x 20: the Enter key, drawn just after a menu's last item.
void ReturnKey() {
  Clear(40, 20);
  Box(1, 1, 38, 18, kDimGray);
  Box(3, 3, 36, 16, kLightGray);
  Line(31, 5, 31, 11, kBlack, 2);
  Line(31, 11, 12, 11, kBlack, 2);
  Fill({{9, 11}, {15, 6}, {15, 16}}, kBlack, kBlack);
}

bool Make(void (*draw)(), int w, int h, const char* name) {
  draw();
  screen::SAVEBMP(0, 0, w - 1, h - 1, name);
  if (!std::filesystem::exists(kiosk::HostPath(name))) {
    std::cerr << "make-pictures: cannot write " << kiosk::HostPath(name) << "\n";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make-pictures OUTDIR\n";
    return 2;
  }
  std::filesystem::create_directories(std::filesystem::path(argv[1]) / "fixtures");
  kiosk::SetWorkFolder(argv[1]);
  kiosk::clock::UseVirtualTime(true);
  graph::UseHeadless(320, 200);
  screen::INIT(3, 12);
  bool ok = Make(TitleLogo, 68, 32, "fixtures\\plov.bmp") && Make(DemoLogo, 300, 180, "fixtures\\demo_logo.bmp") &&
            Make(PositionMarker, 36, 37, "fixtures\\x.bmp") && Make(ReturnKey, 40, 20, "returnkey.bmp");
  graph::CloseGraph();
  return ok ? 0 : 1;
}
