// The graphics window layer: one full-screen window drawn through the classic
// graphics-adapter operations (current colour, line style, fill style, text
// style, viewport and position, stateless primitives), a 256-entry palette
// with 256 named colours, installed fonts, and a BMP image format.
//
// Owns: the window (SDL2, or the headless backend for tests and tools), the
// off-screen copy of the screen that every primitive draws into and from
// which the window is repainted, the palette, the font slots and the drawing
// state below. Called from the main thread only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace graph {

// ---- State (one instance, the names of the drawing interface) ----
extern bool GrEnabled;          // true between InitGraph and CloseGraph
extern std::int16_t GrResult;   // result of the last operation
extern std::int16_t GrDriver, GrMode;
extern std::int32_t ScreenWidth, ScreenHeight;
extern std::int32_t WindowWidth, WindowHeight, WindowStyle;
extern std::uint8_t BitPixel;
extern bool PalExist;
extern std::int16_t MaxColors, PalSize;

// WindowStyle values: a window with caption, system menu and minimise box, or
// a frameless pop-up covering its client size.
enum : std::int32_t { kStyleFramed = 1, kStylePopup = 2 };

// Result codes.
enum : std::int16_t {
  grOk = 0,
  grNoInitGraph = -1,
  grInvalidDriver = -2,
  grInvalidMode = -3,
  grWindowFailed = -4,
  grInvalidFont = -5,
  grInvalidFontNum = -6,
  grInvalidParam = -7,
  grNoPalette = -8,
  grNoOpenGL = -9,
  grError = -10,
};

// The 256 named colour variables, in the fixed order the rest of the system
// indexes by colour number (0 ALICEBLUE .. 255 ZINNWALDITE). After InitGraph
// each holds the palette entry nearest to its RGB value.
extern std::uint32_t NamedColor[256];
// The fixed RGB value (0xRRGGBB) and name of each named colour.
std::uint32_t NamedColorRgb(int index);
const char* NamedColorName(int index);
// Colour numbers the layer itself uses by name.
enum NamedIndex : int { kBlack = 12, kWhite = 250 };

// Default palette entry i as 0xRRGGBB.
std::uint32_t DefaultPalette(int entry);
// The entry among the first `entries` nearest to rgb: smallest squared RGB
// distance, ties to the lowest entry.
int NearestPaletteEntry(std::uint32_t rgb, int entries);

// ---- Backends ----
// Before InitGraph: draw without a window at the given desktop size. Tests
// and tools use this; keys are then pushed with PushKey (keyboard.h).
void UseHeadless(int desktopWidth, int desktopHeight);
// Before InitGraph: open a real SDL2 window (the default).
void UseWindow();
bool IsHeadless();

// ---- Window ----
void InitGraph(std::int16_t driver, std::int16_t mode, std::string_view title);
void CloseGraph();
std::int16_t GraphResult();
bool GraphEnabled();
std::string GraphErrorMsg(std::int16_t code);
std::int32_t GetMaxX();
std::int32_t GetMaxY();

// ---- Drawing state ----
void SetColor(std::uint32_t c);
std::uint32_t GetColor();
void SetBkColor(std::uint32_t c);
std::uint32_t GetBkColor();
// Styles 1-4 dash one-pixel pens; pens wider than one pixel draw solid, as
// the classic wide pens do. Thickness 0 is one pixel.
void SetLineStyle(std::uint16_t style, std::uint16_t pattern, std::uint16_t thickness);
// Hatches are transparent between their lines and aligned to the screen;
// the user pattern (style 8) draws its ones in c and its zeros in the
// background colour.
void SetFillStyle(std::uint16_t style, std::uint32_t c);
void SetFillPattern(const std::uint8_t pattern[8], std::uint32_t c);
void SetViewPort(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, bool clip);
void ClearViewPort();
void ClearDevice();
void MoveTo(std::int16_t x, std::int16_t y);
std::int16_t GetX();
std::int16_t GetY();

// ---- Primitives ----
struct PointType {
  std::int32_t x, y;
};
void Rectangle(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
void Line(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
void Circle(std::int16_t x, std::int16_t y, std::uint16_t r);
void Ellipse(std::int16_t x, std::int16_t y, std::int16_t start, std::int16_t end,
             std::uint16_t xr, std::uint16_t yr);
void DrawPoly(std::uint16_t n, const PointType* points);
void FillPoly(std::uint16_t n, const PointType* points);
void Bar(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
void PutPixel(std::int16_t x, std::int16_t y, std::uint32_t c);
// Palette entry (palette drivers) at an absolute screen position, for tests:
// the lowest entry with exactly that colour, else the nearest one. Without a
// palette, the colour itself.
std::uint32_t GetPixel(std::int16_t x, std::int16_t y);
// The colour at an absolute screen position as 0xRRGGBB (0 off the screen).
std::uint32_t GetPixelRgb(std::int32_t x, std::int32_t y);

// ---- Text (texts are Windows-1252 bytes) ----
// font: slot | weight step << 4 | underline << 8 | italic << 12. size: the
// height of the character cell (ascent plus descent) in pixels; below 6 it
// counts in steps of 8 pixels, and 0 means the default 16.
void SetTextStyle(std::uint16_t font, std::int16_t direction, std::uint16_t size);
void SetUserCharSize(std::int16_t extraSpace, std::int16_t breakSpace, std::int16_t a, std::int16_t b);
void SetTextJustify(std::uint16_t horizontal, std::uint16_t vertical);
void OutText(std::string_view s);
void OutTextXY(std::int16_t x, std::int16_t y, std::string_view s);
std::int32_t TextWidth(std::string_view s);
std::int32_t TextHeight(std::string_view s);
// Puts face into the first free font slot if the system has that family (or
// a stand-in for it: Times New Roman -> Liberation Serif, Arial -> Liberation
// Sans, Courier New -> Liberation Mono, Caesar Open -> DejaVu Serif, Andale
// Mono -> DejaVu Sans Mono, Tahoma -> DejaVu Sans Condensed, ParkAvenue BT ->
// Z003) and returns the slot; -5 (and GrResult -5) when it has not.
std::int16_t InstallUserFont(std::string_view face);
// Number of font slots.
constexpr int kFontSlots = 15;
// The face name in a slot ("" when free) and the family it resolved to.
std::string InstalledFont(int slot);
std::string ResolvedFamily(int slot);

// ---- Images (complete 24-bit BMP file images) ----
std::uint32_t ImageSize(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
void GetImage(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, std::vector<std::uint8_t>& buffer);
void PutImage(std::int16_t x, std::int16_t y, const std::uint8_t* buffer, std::size_t size, std::uint16_t mode);

// ---- Whole-screen access for tests and tools ----
// The off-screen copy as RGB bytes (top-down rows, 3 bytes a pixel).
std::vector<std::uint8_t> ScreenRgb();
// The whole screen as a complete 24-bit BMP file image, whatever the viewport.
std::vector<std::uint8_t> ScreenBmp();
// Writes ScreenBmp to a host file; false when it cannot be written.
bool SaveScreenBmp(const std::string& hostPath);
// Resets every global of the layer to its closed state (for tests).
void ResetForTest();

}  // namespace graph
