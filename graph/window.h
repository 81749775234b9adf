// Inside the graphics layer: the window backends. The SDL2 window is owned
// by a window thread; the headless backend has no window at all.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

namespace graph::detail {

// Frame widths of a framed window, as the classic desktop draws them.
constexpr int kDialogFrame = 3;
constexpr int kCaptionHeight = 23;

struct WindowGeometry {
  std::int16_t result = 0;  // 0, or -3 when the mode does not fit the screen
  int clientWidth = 0, clientHeight = 0;
  int outerWidth = 0, outerHeight = 0;
  std::int32_t style = 0;
};
// Client and outer size for a mode on a screen; pure.
WindowGeometry ComputeWindowGeometry(int mode, int screenWidth, int screenHeight);
// True for the mode numbers InitGraph knows.
bool IsKnownMode(int mode);

struct OpenedWindow {
  std::int16_t result = 0;  // 0, -3 or -4
  int screenWidth = 0, screenHeight = 0, depth = 24;
  WindowGeometry geometry;
};

// Opens the window for a mode (window thread), or the headless screen.
OpenedWindow OpenBackend(int mode, const std::string& title);
// Closes it and waits until the window thread has ended.
void CloseBackend();

// Where a picture of one size goes in a window of another, scaled to fill it
// with its proportions kept and centred (shown.cpp); pure.
struct Placement {
  int x, y, width, height;
};
Placement FitPicture(int pictureWidth, int pictureHeight, int width, int height);
// Paints the picture onto the target as the window shows it: black bars,
// the picture scaled into its placement.
void PaintShown(cairo_surface_t* picture, cairo_surface_t* target);
// A copy of the off-screen copy, taken under the drawing lock (which then
// is free again for drawing while the copy is scaled); clears the dirty
// mark. Null when there is no screen.
cairo_surface_t* CopyOfScreen();

// SDL window thread (sdl_window.cpp).
OpenedWindow OpenSdlWindow(int mode, const std::string& title);
void CloseSdlWindow();

}  // namespace graph::detail
