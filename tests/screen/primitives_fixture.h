// A headless 1024x768 kiosk window in virtual time, opened with INIT, and a
// scratch working folder for picture files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/clock.h"
#include "common/hostpath.h"
#include "graph/graph.h"
#include "graph/keyboard.h"
#include "screen/primitives.h"

namespace primitives_test {

class PrimitivesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    kiosk::clock::UseVirtualTime(true);
    graph::ResetForTest();
    screen::ResetForTest();
    folder_ = std::filesystem::temp_directory_path() /
              ("screen_test_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_ / "fixtures");
    kiosk::SetWorkFolder(folder_.string());
    graph::UseHeadless(1024, 768);
    screen::INIT(3, 12);
    ASSERT_TRUE(graph::GraphEnabled());
  }
  void TearDown() override {
    graph::CloseGraph();
    graph::ResetForTest();
    screen::ResetForTest();
    kiosk::SetWorkFolder(".");
    kiosk::clock::Reset();
    std::filesystem::remove_all(folder_);
  }

  // True when the pixel shows colour number n.
  static bool Is(int x, int y, int n) {
    return graph::GetPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)) == screen::ColorValue(n);
  }
  // How many pixels of the rectangle (inclusive) show colour number n.
  static int Count(int x1, int y1, int x2, int y2, int n) {
    int count = 0;
    for (int y = y1; y <= y2; ++y)
      for (int x = x1; x <= x2; ++x) count += Is(x, y, n);
    return count;
  }

  std::filesystem::path folder_;
};

inline constexpr int kBlack = 12, kWhite = 250, kRed = 207, kGreen = 139, kYellow = 253;

}  // namespace primitives_test
