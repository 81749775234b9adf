// The window and the fixed screen frame: title bar at the top, prompt box in
// the bottom 63 pixels.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "graph/keyboard.h"
#include "screen/primitives.h"

namespace screen {
namespace {

std::uint32_t Black() { return ColorValue(graph::kBlack); }

// Dotted lines every 100 pixels, for laying out a new screen by eye.
void LayoutGrid() {
  COLORS1(59);
  graph::SetLineStyle(1, 0, 1);
  for (int x = 100; x < MAXX; x += 100)
    graph::Line(static_cast<std::int16_t>(x), 51, static_cast<std::int16_t>(x), static_cast<std::int16_t>(MAXY - 64));
  for (int y = 100; y < MAXY - 63; y += 100)
    graph::Line(3, static_cast<std::int16_t>(y), static_cast<std::int16_t>(MAXX - 1), static_cast<std::int16_t>(y));
  graph::SetLineStyle(0, 0, 3);
  COLORS1(250);
}

}  // namespace

void INIT(std::uint16_t driver, std::uint16_t mode) {
  COLORS1(125);
  graph::InitGraph(static_cast<std::int16_t>(driver), static_cast<std::int16_t>(mode), kBanner);
  std::int16_t code = graph::GraphResult();
  if (code != graph::grOk) {
    std::cout << "Graphics error: " << graph::GraphErrorMsg(code) << std::endl;
    std::string line;
    std::getline(std::cin, line);
    std::exit(1);
  }
  MAXX = static_cast<std::uint16_t>(graph::GetMaxX());
  MAXY = static_cast<std::uint16_t>(graph::GetMaxY());
  graph::Delay(50);
  graph::SetBkColor(Black());
  graph::ClearDevice();
  COLORS1(250);
}

void FULLPORT() { graph::SetViewPort(0, 0, static_cast<std::int16_t>(MAXX), static_cast<std::int16_t>(MAXY), true); }

void FRAME4() {
  FULLPORT();
  // Cleared in black even when a caller left another background behind.
  graph::SetBkColor(Black());
  graph::ClearViewPort();
  COLORS1(250);
  FULLPORT();
  graph::SetLineStyle(0, 0, 3);
  graph::SetBkColor(Black());
  COLORS1(250);
  const auto mx = static_cast<std::int16_t>(MAXX), my = static_cast<std::int16_t>(MAXY);
  graph::Rectangle(2, 0, mx, my);
  graph::Rectangle(2, static_cast<std::int16_t>(my - 63), mx, my);
  graph::Rectangle(2, 0, mx, 50);
  FNT0(51, 595, 8, 1, 0, 0, 40, 0, 0, "B", "Vell!");
  LOADBMP(MAXX / 2 - 85, 10, "fixtures\\plov.bmp");
  const std::int32_t x = MAXX / 2 - static_cast<std::int32_t>(kBanner.size());
  FNT0(51, x, 8, 1, 0, 0, 40, 0, 0, "", kBanner);
  if (SHOW_GRID == 1) LayoutGrid();
  graph::SetBkColor(Black());
  FULLPORT();
}

void FRAME3() {
  FULLPORT();
  graph::SetLineStyle(0, 0, 0);
  graph::SetBkColor(Black());
  graph::ClearViewPort();
  COLORS1(250);
  const auto mx = static_cast<std::int16_t>(MAXX), my = static_cast<std::int16_t>(MAXY);
  graph::Rectangle(1, 0, mx, static_cast<std::int16_t>(my - 1));
  graph::Rectangle(1, static_cast<std::int16_t>(my - 63), mx, static_cast<std::int16_t>(my - 1));
  FULLPORT();
}

void CLEAR_PROMPT() {
  COLORS1(12);
  graph::SetBkColor(Black());
  graph::SetViewPort(4, static_cast<std::int16_t>(MAXY - 62), static_cast<std::int16_t>(MAXX - 3),
                     static_cast<std::int16_t>(MAXY - 3), true);
  graph::ClearViewPort();
  FULLPORT();
}

}  // namespace screen
