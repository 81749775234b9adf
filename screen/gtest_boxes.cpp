// The guide's two screens of map boxes: the eight angles and the fill styles.
#include "graph/graph.h"
#include "graph/keyboard.h"
#include "screen/gtest.h"
#include "screen/primitives.h"
#include "screen/writescreen.h"
#include "shell/langs.h"

namespace gtest {

namespace {

constexpr double kWidth = 100, kDepth = 25;

}  // namespace

// Eight outlines turned around one anchor, each labelled with its angle.
void G3() {
  screen::FRAME4();
  langs::GETFILES("g3");
  struct Turned {
    std::int32_t angle, colour, thickness;
  };
  static constexpr Turned kBoxes[8] = {{45, 13, 4},  {90, 6, 3},  {135, 207, 2}, {180, 46, 1},
                                       {225, 137, 2}, {270, 7, 3}, {315, 130, 4}, {360, 130, 1}};
  for (const Turned& b : kBoxes) {
    screen::DRAWBOXG(b.angle, b.colour, 0, 700, 250, kDepth, kWidth, 1, 99, b.thickness, 0, 0, 0);
  }
  struct Label {
    std::int32_t direction, x, y;
  };
  static constexpr Label kLabels[8] = {{315, 795, 310}, {270, 720, 360}, {225, 635, 345}, {180, 830, 245},
                                       {135, 600, 190}, {90, 685, 135},  {45, 760, 155},  {0, 550, 255}};
  for (int i = 0; i < 8; ++i) {
    const Label& l = kLabels[i];
    screen::FNT0(88, l.x, l.y, 1, l.direction, 0, 18, 0, 0, "b", screen::PASS1[i + 1]);
  }
  writescreen::GET_DATA("edh5");
}

// Nineteen boxes at 180 degrees anchored at x 720, showing the fill styles;
// two boxes on one row overlay each other.
void G4() {
  screen::FRAME4();
  graph::Delay(100);
  writescreen::GET_DATA("edh6");
  struct Filled {
    std::int32_t y, colour, lineStyle, fill, thickness, background;
  };
  static constexpr Filled kBoxes[19] = {
      {160, 11, 1, 1, 2, 15},   {195, 3, 1, 0, 2, 10},    {230, 4, 2, 3, 1, 9},     {265, 5, 1, 4, 1, 8},
      {300, 6, 1, 5, 1, 6},     {335, 7, 1, 6, 1, 7},     {370, 100, 2, 7, 1, 13},  {405, 88, 4, 5, 1, 188},
      {405, 18, 5, 7, 1, 4},    {440, 88, 4, 5, 1, 188},  {440, 88, 4, 6, 1, 188},  {475, 15, 4, 4, 1, 3},
      {505, 20, 1, 5, 1, 209},  {540, 88, 4, 5, 1, 188},  {540, 88, 4, 8, 1, 188},  {575, 100, 0, 5, 1, 13},
      {575, 100, 0, 8, 1, 13},  {605, 100, 0, 6, 1, 13},  {605, 100, 0, 7, 1, 13},
  };
  for (const Filled& b : kBoxes) {
    screen::DRAWBOXG(180, b.colour, b.lineStyle, 720, b.y, kDepth, kWidth, 1, b.fill, b.thickness,
                     b.background, 0, 0);
  }
}

}  // namespace gtest
