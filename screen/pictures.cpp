// Bitmap pictures: whole BMP files read and written in one block.
#include <fstream>
#include <iterator>
#include <vector>

#include "common/hostpath.h"
#include "graph/keyboard.h"
#include "screen/primitives.h"

namespace screen {

void LOADBMP(std::int32_t x, std::int32_t y, std::string_view fileName) {
  std::ifstream in(kiosk::HostPath(fileName), std::ios::binary);
  if (!in) return;
  std::vector<std::uint8_t> block((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // Too short to be a bitmap file: there is nothing to draw.
  if (block.size() < 54 || block[0] != 'B' || block[1] != 'M') return;
  graph::PutImage(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), block.data(), block.size(), 0);
}

void SAVEBMP(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::string_view fileName) {
  std::ofstream out(kiosk::HostPath(fileName), std::ios::binary | std::ios::trunc);
  if (!out) return;
  std::vector<std::uint8_t> block;
  graph::GetImage(static_cast<std::int16_t>(x1), static_cast<std::int16_t>(y1), static_cast<std::int16_t>(x2),
                  static_cast<std::int16_t>(y2), block);
  out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size()));
}

void SAVEBMP2(std::string_view fileName) {
  SAVEBMP(0, 0, MAXX, MAXY, fileName);
  graph::Delay(500);
  FULLPORT();
  FNT0(250, 850, MAXY - 36, 4, 0, 0, 30, 0, 3, "b", fileName);
}

}  // namespace screen
