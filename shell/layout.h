// The layout size: the size the kiosk draws its screens at. The
// installation's language files place their texts for it, so it is the
// installation's choice, in lang\layout.txt: line 1 is WIDTHxHEIGHT (for
// example 1920x1080) or "desktop" for the desktop's own size. A missing
// file or a line that is neither gives 1920 x 1080, the size the bundled
// language files are laid out for. The window scales the screens to fill
// the display, keeping their proportions.
//
// Owns: nothing kept; USELAYOUT hands the size to the graphics layer.
#pragma once

#include <string_view>

namespace shell {

inline constexpr const char* kLayoutFile = "lang\\layout.txt";
inline constexpr int kLayoutWidth = 1920, kLayoutHeight = 1080;

struct LayoutSize {
  int width = kLayoutWidth, height = kLayoutHeight;  // 0 x 0: the desktop's
};
// The size a first line of the file names.
LayoutSize ReadLayoutSize(std::string_view line);
// Reads the file and sets the graphics layer's layout size (before INIT).
void USELAYOUT();

}  // namespace shell
