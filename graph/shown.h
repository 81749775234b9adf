// The layout size and the picture the window shows. The kiosk draws its
// screens at a layout size; the window scales that picture to fill the
// display, keeping its proportions, with black bars where they differ
// (shown.cpp, sdl_window.cpp).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace graph {

// Before InitGraph: the size the screens are drawn at. The off-screen copy
// (GetMaxX, GetMaxY) then has this size whatever the window's, and the
// window shows it scaled. 0 x 0 (the default) draws at the window's own
// size.
void SetLayoutSize(int width, int height);

// The screen as a window of width x height shows it, as a 24-bit BMP file
// image, and written to a host file (false when it cannot be).
std::vector<std::uint8_t> ShownScreenBmp(int width, int height);
bool SaveShownScreenBmp(const std::string& hostPath, int width, int height);

}  // namespace graph
