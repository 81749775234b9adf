// make-pictures OUTDIR: draws the kiosk's own pictures through the graphics
// layer (headless) and saves them as 24-bit BMP files under OUTDIR:
//   fixtures/plov.bmp       title-bar logo, left of the banner text
//   fixtures/demo_logo.bmp  the demo store's logo on the staff header
//   fixtures/x.bmp          the "you are here" marker of the location display
//   returnkey.bmp           the Enter key shown after some menus
//   fixtures/dwna.bmp       the Up and Down keys on the zone editor's prompt line
//   fixtures/keyboard.bmp   the keyboard of the guide, the kiosk's keys in colour
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
  kNavy = 165, kCream = 49, kGold = 100, kLime = 139, kLightSky = 134, kSkyCyan = 51,
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

// A key cap: a dark rim and a lighter face.
void KeyCap(int x1, int y1, int x2, int y2, int face) {
  Box(x1, y1, x2, y2, kDimGray);
  Box(x1 + 2, y1 + 2, x2 - 2, y2 - 4, face);
}

// An arrow head pointing up (dir -1) or down (dir 1), its tip at (x, y).
void ArrowHead(int x, int y, int half, int dir, int colour) {
  Fill({{x, y}, {x - half, y - dir * half}, {x + half, y - dir * half}}, colour, colour);
}

// 92 x 44: the Up and Down keys side by side.
void ArrowKeys() {
  Clear(92, 44);
  KeyCap(1, 1, 44, 42, kLightGray);
  KeyCap(48, 1, 91, 42, kLightGray);
  ArrowHead(22, 8, 9, -1, kBlack);
  Line(22, 16, 22, 32, kBlack, 4);
  ArrowHead(69, 33, 9, 1, kBlack);
  Line(69, 9, 69, 25, kBlack, 4);
}

// One key of the keyboard picture: x, y and the width w in key pitches from
// the picture's top left corner.
struct KeyPlace {
  double x, y, w;
  const char* label;
  int face;
};

constexpr int kPitch = 56, kMarginX = 24, kMarginY = 24;

void DrawKey(const KeyPlace& k) {
  const int x1 = kMarginX + static_cast<int>(std::lround(k.x * kPitch));
  const int y1 = kMarginY + static_cast<int>(std::lround(k.y * kPitch));
  const int x2 = x1 + static_cast<int>(std::lround(k.w * kPitch)) - 5;
  const int y2 = y1 + kPitch - 5;
  KeyCap(x1, y1, x2, y2, k.face);
  if (k.label[0] != '\0') screen::FNT0(kBlack, x1 + 7, y1 + 6, 4, 0, 0, 15, 0, 0, "b", k.label);
}

// 1100 x 400: a full keyboard. The keys the kiosk reads stand out: letters
// (menu choices and answers) white, Esc red, Enter and Pause green, F1 cyan,
// Alt and M yellow, the arrows light blue; the rest grey.
void Keyboard() {
  Clear(1100, 400);
  const int grey = kLightGray, letter = kWhite;
  std::vector<KeyPlace> keys = {{0, 0, 1, "Esc", kRed}, {2, 0, 1, "F1", kSkyCyan}};
  for (int i = 2; i <= 12; ++i) {
    static const char* names[] = {"", "", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12"};
    keys.push_back({2.0 + (i - 1) + (i > 4 ? 0.5 : 0) + (i > 8 ? 0.5 : 0), 0, 1, names[i], grey});
  }
  keys.push_back({15.5, 0, 1, "PrtSc", grey});
  keys.push_back({16.5, 0, 1, "ScrLk", grey});
  keys.push_back({17.5, 0, 1, "Pause", kLime});
  const double top = 1.4;  // the main block starts a little below the function keys
  const char* row1 = "`1234567890-=";
  for (int i = 0; i < 13; ++i) keys.push_back({static_cast<double>(i), top, 1, "", grey});
  keys.push_back({13, top, 2, "", grey});  // Backspace
  keys.push_back({0, top + 1, 1.5, "Tab", grey});
  const char* row2 = "QWERTYUIOP[]";
  for (int i = 0; i < 12; ++i) keys.push_back({1.5 + i, top + 1, 1, "", row2[i] < 'A' ? grey : letter});
  keys.push_back({13.5, top + 1, 1.5, "", grey});
  keys.push_back({0, top + 2, 1.75, "Caps", grey});
  const char* row3 = "ASDFGHJKL;'";
  for (int i = 0; i < 11; ++i) keys.push_back({1.75 + i, top + 2, 1, "", row3[i] < 'A' ? grey : letter});
  keys.push_back({12.75, top + 2, 2.25, "Enter", kLime});
  keys.push_back({0, top + 3, 2.25, "Shift", grey});
  const char* row4 = "ZXCVBNM,./";
  for (int i = 0; i < 10; ++i) {
    const int face = row4[i] == 'M' ? kYellow : row4[i] < 'A' ? grey : letter;
    keys.push_back({2.25 + i, top + 3, 1, "", face});
  }
  keys.push_back({12.25, top + 3, 2.75, "Shift", grey});
  keys.push_back({0, top + 4, 1.25, "Ctrl", grey});
  keys.push_back({1.25, top + 4, 1.25, "", grey});
  keys.push_back({2.5, top + 4, 1.25, "Alt", kYellow});
  keys.push_back({3.75, top + 4, 6.25, "", grey});
  keys.push_back({10, top + 4, 1.25, "AltGr", grey});
  keys.push_back({11.25, top + 4, 1.25, "", grey});
  keys.push_back({12.5, top + 4, 1.25, "", grey});
  keys.push_back({13.75, top + 4, 1.25, "Ctrl", grey});
  // The editing block and the arrows.
  keys.push_back({15.5, top, 1, "Ins", grey});
  keys.push_back({16.5, top, 1, "Home", grey});
  keys.push_back({17.5, top, 1, "PgUp", grey});
  keys.push_back({15.5, top + 1, 1, "Del", grey});
  keys.push_back({16.5, top + 1, 1, "End", grey});
  keys.push_back({17.5, top + 1, 1, "PgDn", grey});
  keys.push_back({16.5, top + 3, 1, "", kLightSky});
  keys.push_back({15.5, top + 4, 1, "", kLightSky});
  keys.push_back({16.5, top + 4, 1, "", kLightSky});
  keys.push_back({17.5, top + 4, 1, "", kLightSky});
  for (const KeyPlace& k : keys) DrawKey(k);

  // Characters on the plain keys, centred.
  auto centre = [](double x, double y, double w, std::string_view text, int size) {
    const int cx = kMarginX + static_cast<int>(std::lround((x + w / 2) * kPitch)) - 3;
    const int cy = kMarginY + static_cast<int>(std::lround(y * kPitch)) + 10;
    screen::FNT0(kBlack, cx, cy, 4, 0, 0, size, 2, 0, "b", text);
  };
  for (int i = 0; i < 13; ++i) centre(i, top, 1, std::string_view(row1 + i, 1), 24);
  for (int i = 0; i < 12; ++i) centre(1.5 + i, top + 1, 1, std::string_view(row2 + i, 1), 24);
  for (int i = 0; i < 11; ++i) centre(1.75 + i, top + 2, 1, std::string_view(row3 + i, 1), 24);
  for (int i = 0; i < 10; ++i) centre(2.25 + i, top + 3, 1, std::string_view(row4 + i, 1), 24);

  // Backspace: an arrow pointing left.
  auto px = [](double keys) { return kMarginX + static_cast<int>(std::lround(keys * kPitch)); };
  const int by = px(top) - kMarginX + kMarginY + 24;
  Line(px(13) + 30, by, px(15) - 22, by, kBlack, 3);
  Fill({{px(13) + 20, by}, {px(13) + 32, by - 7}, {px(13) + 32, by + 7}}, kBlack, kBlack);
  // Enter: the bent arrow, as on the return key.
  const int ey = kMarginY + static_cast<int>(std::lround((top + 2) * kPitch)) + 34;
  Line(px(15) - 20, ey - 16, px(15) - 20, ey, kBlack, 3);
  Line(px(15) - 20, ey, px(12.75) + 76, ey, kBlack, 3);
  Fill({{px(12.75) + 66, ey}, {px(12.75) + 77, ey - 7}, {px(12.75) + 77, ey + 7}}, kBlack, kBlack);
  // The arrows.
  const int ay = kMarginY + static_cast<int>(std::lround((top + 3) * kPitch));
  const int ay2 = kMarginY + static_cast<int>(std::lround((top + 4) * kPitch));
  ArrowHead(px(16.5) + 25, ay + 14, 10, -1, kBlack);
  ArrowHead(px(16.5) + 25, ay2 + 38, 10, 1, kBlack);
  Fill({{px(15.5) + 14, ay2 + 26}, {px(15.5) + 26, ay2 + 16}, {px(15.5) + 26, ay2 + 36}}, kBlack, kBlack);
  Fill({{px(17.5) + 36, ay2 + 26}, {px(17.5) + 24, ay2 + 16}, {px(17.5) + 24, ay2 + 36}}, kBlack, kBlack);
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
  graph::UseHeadless(1100, 400);
  screen::INIT(3, 12);
  bool ok = Make(TitleLogo, 68, 32, "fixtures\\plov.bmp") && Make(DemoLogo, 300, 180, "fixtures\\demo_logo.bmp") &&
            Make(PositionMarker, 36, 37, "fixtures\\x.bmp") && Make(ReturnKey, 40, 20, "returnkey.bmp") &&
            Make(ArrowKeys, 92, 44, "fixtures\\dwna.bmp") && Make(Keyboard, 1100, 400, "fixtures\\keyboard.bmp");
  graph::CloseGraph();
  return ok ? 0 : 1;
}
