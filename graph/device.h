// Inside the graphics layer: the off-screen copy, the drawing lock and the
// drawing state that the primitives share. Not for use outside graph/.
#pragma once

#include <cairo.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace graph::detail {

// The off-screen copy of the screen. It is the truth: every primitive draws
// into it and the window only ever shows it.
struct Device {
  std::mutex lock;  // guards surface and cr against the window's repaint
  cairo_surface_t* surface = nullptr;  // CAIRO_FORMAT_RGB24, client size
  cairo_t* cr = nullptr;
  int width = 0, height = 0;
  std::atomic<bool> dirty{false};  // set by drawing, cleared by the repaint
};
Device& Dev();

struct DrawState {
  std::uint32_t color = 0, bkColor = 0;
  std::uint16_t lineStyle = 0, linePattern = 0, thickness = 1;
  std::uint16_t fillStyle = 1;
  std::uint32_t fillColor = 0;
  std::uint8_t fillPattern[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  std::uint16_t font = 0, direction = 0, size = 16;
  std::uint16_t hJustify = 0, vJustify = 0;
  std::int16_t extraSpace = 0, breakSpace = 0;
  std::int16_t vx1 = 0, vy1 = 0, vx2 = 0, vy2 = 0;
  bool clip = false;
  std::int16_t cpx = 0, cpy = 0;  // relative to the viewport origin
};
DrawState& St();

// Clears GrResult; false (and -1) when the window is not open.
bool Begin();
// Sets GrResult.
void Fail(std::int16_t code);

// A colour value (palette entry or RGB, by driver) as 0xRRGGBB.
std::uint32_t ColorRgb(std::uint32_t c);

// The rectangle drawing may touch, absolute and inclusive: the viewport when
// clipping, else the whole screen; always within the screen.
struct Box {
  int x1, y1, x2, y2;
  bool Empty() const { return x2 < x1 || y2 < y1; }
  bool Contains(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
};
Box ClipBox();

// Holds the drawing lock; cr() prepares cairo on first use: no transform,
// the clip box as the clip, crisp shapes (a drawing that writes its pixels
// itself never pays for that). Marks the screen dirty when released.
class Drawing {
 public:
  Drawing();
  ~Drawing();
  Drawing(const Drawing&) = delete;
  Drawing& operator=(const Drawing&) = delete;
  cairo_t* cr();

 private:
  std::lock_guard<std::mutex> guard_;
  bool prepared_ = false;
};

void SetSourceRgb(cairo_t* cr, std::uint32_t rgb);

// Tests: draw text with one cairo call per character, the picture that
// whole strings must match.
extern bool g_textPerCharacter;

// Tests: fill every polygon through cairo, the picture that the polygon
// runs (polyruns.h) must match.
extern bool g_fillThroughCairo;

// Writes a screen shot's BMP bytes to a host file; false when there are none
// or the file cannot be written.
bool WriteShotFile(const std::string& hostPath, const std::vector<std::uint8_t>& bmp);

// Reset hooks of the parts of the layer (for ResetForTest and CloseGraph).
void ResetFonts();

}  // namespace graph::detail
