// make-pictures OUTDIR: draws the kiosk's own pictures through the graphics
// layer (headless) and saves them as 24-bit BMP files under OUTDIR:
//   fixtures/plov.bmp       title-bar logo, left of the banner text
//   fixtures/demo_logo.bmp  the demo store's logo on the staff header
//   fixtures/x.bmp          the "you are here" marker of the location display
//   returnkey.bmp           the Enter key shown after some menus
//   fixtures/dwna.bmp       the Up and Down keys on the zone editor's prompt line
//   fixtures/keyboard.bmp   the keyboard of the guide, the kiosk's keys in colour
#include "common/cmdline.h"

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

// 36 x 37: a cross centred on (17, 18), the kiosk's own position, with a red
// dot there. The location display saves exactly this rectangle around the
// point, and the zone's cross and ring shifts put the centre of the rings'
// 70 x 70 square, (35, 35) from its corner at (-45, -47), on the same point:
// (-10, -12) from the shifted point, (17, 18) in this picture.
void PositionMarker() {
  Clear(36, 37);
  Line(2, 18, 32, 18, kYellow, 3);
  Line(17, 3, 17, 33, kYellow, 3);
  Disc(17, 18, 8, kRed);
  Disc(17, 18, 3, kWhite);
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

int PixelX(double keys) { return kMarginX + static_cast<int>(std::lround(keys * kPitch)); }
int PixelY(double keys) { return kMarginY + static_cast<int>(std::lround(keys * kPitch)); }

void DrawKey(const KeyPlace& k) {
  const int x1 = PixelX(k.x), y1 = PixelY(k.y);
  KeyCap(x1, y1, PixelX(k.x + k.w) - 5, y1 + kPitch - 5, k.face);
  if (k.label[0] != '\0') screen::FNT0(kBlack, x1 + 7, y1 + 6, 4, 0, 0, 15, 0, 0, "b", k.label);
}

// The main block starts a little below the function keys.
constexpr double kTop = 1.4;

// 1100 x 400: a full keyboard. The keys the kiosk reads stand out: letters
// (menu choices and answers) white, Esc red, Enter and Pause green, F1 cyan,
// Alt and M yellow, the arrows light blue; the rest grey.
void Keyboard() {
  Clear(1100, 400);
  constexpr int grey = kLightGray;
  static constexpr KeyPlace kKeys[] = {
      {0, 0, 1, "Esc", kRed}, {2, 0, 1, "F1", kSkyCyan}, {3, 0, 1, "F2", grey}, {4, 0, 1, "F3", grey},
      {5, 0, 1, "F4", grey}, {6.5, 0, 1, "F5", grey}, {7.5, 0, 1, "F6", grey}, {8.5, 0, 1, "F7", grey},
      {9.5, 0, 1, "F8", grey}, {11, 0, 1, "F9", grey}, {12, 0, 1, "F10", grey}, {13, 0, 1, "F11", grey},
      {14, 0, 1, "F12", grey}, {15.5, 0, 1, "PrtSc", grey}, {16.5, 0, 1, "ScrLk", grey},
      {17.5, 0, 1, "Pause", kLime},
      {13, kTop, 2, "", grey},  // Backspace
      {0, kTop + 1, 1.5, "Tab", grey}, {13.5, kTop + 1, 1.5, "", grey},
      {0, kTop + 2, 1.75, "Caps", grey}, {12.75, kTop + 2, 2.25, "Enter", kLime},
      {0, kTop + 3, 2.25, "Shift", grey}, {12.25, kTop + 3, 2.75, "Shift", grey},
      {0, kTop + 4, 1.25, "Ctrl", grey}, {1.25, kTop + 4, 1.25, "", grey}, {2.5, kTop + 4, 1.25, "Alt", kYellow},
      {3.75, kTop + 4, 6.25, "", grey}, {10, kTop + 4, 1.25, "AltGr", grey}, {11.25, kTop + 4, 1.25, "", grey},
      {12.5, kTop + 4, 1.25, "", grey}, {13.75, kTop + 4, 1.25, "Ctrl", grey},
      // The editing block and the arrows.
      {15.5, kTop, 1, "Ins", grey}, {16.5, kTop, 1, "Home", grey}, {17.5, kTop, 1, "PgUp", grey},
      {15.5, kTop + 1, 1, "Del", grey}, {16.5, kTop + 1, 1, "End", grey}, {17.5, kTop + 1, 1, "PgDn", grey},
      {16.5, kTop + 3, 1, "", kLightSky}, {15.5, kTop + 4, 1, "", kLightSky},
      {16.5, kTop + 4, 1, "", kLightSky}, {17.5, kTop + 4, 1, "", kLightSky},
  };
  for (const KeyPlace& k : kKeys) DrawKey(k);

  // The keys of one character each, row by row, the character centred.
  struct CharacterRow {
    double x, y;
    const char* keys;
  };
  static constexpr CharacterRow kRows[] = {
      {0, kTop, "`1234567890-="}, {1.5, kTop + 1, "QWERTYUIOP[]"}, {1.75, kTop + 2, "ASDFGHJKL;'"},
      {2.25, kTop + 3, "ZXCVBNM,./"}};
  for (const CharacterRow& row : kRows) {
    for (int i = 0; row.keys[i] != '\0'; ++i) {
      const char c = row.keys[i];
      const int face = c == 'M' ? kYellow : c >= 'A' && c <= 'Z' ? kWhite : grey;
      DrawKey({row.x + i, row.y, 1, "", face});
      screen::FNT0(kBlack, PixelX(row.x + i + 0.5) - 3, PixelY(row.y) + 10, 4, 0, 0, 24, 2, 0, "b",
                   std::string_view(&row.keys[i], 1));
    }
  }

  // Backspace: an arrow pointing left.
  const int by = PixelY(kTop) + 24;
  Line(PixelX(13) + 30, by, PixelX(15) - 22, by, kBlack, 3);
  Fill({{PixelX(13) + 20, by}, {PixelX(13) + 32, by - 7}, {PixelX(13) + 32, by + 7}}, kBlack, kBlack);
  // Enter: the bent arrow, as on the return key.
  const int ey = PixelY(kTop + 2) + 34;
  Line(PixelX(15) - 20, ey - 16, PixelX(15) - 20, ey, kBlack, 3);
  Line(PixelX(15) - 20, ey, PixelX(12.75) + 76, ey, kBlack, 3);
  Fill({{PixelX(12.75) + 66, ey}, {PixelX(12.75) + 77, ey - 7}, {PixelX(12.75) + 77, ey + 7}}, kBlack, kBlack);
  // The arrows.
  const int ay = PixelY(kTop + 3), ay2 = PixelY(kTop + 4);
  ArrowHead(PixelX(16.5) + 25, ay + 14, 10, -1, kBlack);
  ArrowHead(PixelX(16.5) + 25, ay2 + 38, 10, 1, kBlack);
  Fill({{PixelX(15.5) + 14, ay2 + 26}, {PixelX(15.5) + 26, ay2 + 16}, {PixelX(15.5) + 26, ay2 + 36}}, kBlack, kBlack);
  Fill({{PixelX(17.5) + 36, ay2 + 26}, {PixelX(17.5) + 24, ay2 + 16}, {PixelX(17.5) + 24, ay2 + 36}}, kBlack, kBlack);
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

constexpr const char* kHelp =
    "usage: make-pictures OUTDIR\n\n"
    "Draws the kiosk's own pictures and saves them as BMP files under OUTDIR:\n"
    "fixtures/plov.bmp (title-bar logo), fixtures/demo_logo.bmp, fixtures/x.bmp\n"
    "(the position marker), returnkey.bmp, fixtures/dwna.bmp (arrow keys) and\n"
    "fixtures/keyboard.bmp (the guide's keyboard).\n";

int main(int argc, char** argv) {
  if (kiosk::AnsweredHelp(argc, argv, kHelp)) return 0;
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
