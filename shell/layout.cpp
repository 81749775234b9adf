// The layout size from lang\layout.txt.
#include "shell/layout.h"

#include <cstdio>
#include <string>

#include "common/text.h"
#include "common/textfile.h"
#include "graph/graph.h"
#include "graph/shown.h"

namespace shell {

LayoutSize ReadLayoutSize(std::string_view line) {
  const std::string text(kiosk::Trim(line));
  if (kiosk::UpperAscii(text) == "DESKTOP") return {0, 0};
  int w = 0, h = 0;
  char x = 0, extra = 0;
  // Sizes from a small screen to an 8K one; anything else is no size.
  if (std::sscanf(text.c_str(), "%d%c%d%c", &w, &x, &h, &extra) == 3 && (x == 'x' || x == 'X') &&
      w >= 320 && h >= 200 && w <= 7680 && h <= 4320)
    return {w, h};
  return {};
}

void USELAYOUT() {
  kiosk::TextFile f;
  const LayoutSize size = f.Open(kLayoutFile) ? ReadLayoutSize(f.ReadLine().view()) : LayoutSize{};
  graph::SetLayoutSize(size.width, size.height);
}

}  // namespace shell
