// A headless 640x480 screen opened in mode 12, reset around each test.
#pragma once

#include <gtest/gtest.h>

#include "common/clock.h"
#include "graph/graph.h"
#include "graph/keyboard.h"

class HeadlessScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    graph::ResetForTest();
    kiosk::clock::Reset();
    graph::UseHeadless(640, 480);
    graph::InitGraph(3, 12, "");
    ASSERT_EQ(graph::GraphResult(), graph::grOk);
  }
  void TearDown() override {
    graph::ResetForTest();
    kiosk::clock::Reset();
  }
  // Palette entry of a named colour.
  static std::uint32_t Named(int i) { return graph::NamedColor[i]; }
  static std::uint32_t Rgb(int x, int y) { return graph::GetPixelRgb(x, y); }
  static std::uint32_t Pal(std::uint32_t entry) { return graph::DefaultPalette(static_cast<int>(entry)); }
  // Pixels of colour rgb within the rectangle (inclusive).
  static int Count(int x1, int y1, int x2, int y2, std::uint32_t rgb) {
    int n = 0;
    for (int y = y1; y <= y2; ++y)
      for (int x = x1; x <= x2; ++x) n += Rgb(x, y) == rgb;
    return n;
  }
};
