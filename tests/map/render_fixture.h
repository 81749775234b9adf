// The map tests on the kiosk fixture: the working folder's map file is made
// from the elements a test lists, with a plain zone (zoom 1, no offsets)
// applied. The map is drawn in a viewport
// whose origin is the screen pixel (1, 1).
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/clock.h"
#include "editors/prodfile.h"
#include "graph/graph.h"
#include "graph/keyboard.h"
#include "isam/isam.h"
#include "map/mapfile.h"
#include "map/render.h"
#include "map/zones.h"
#include "screen/primitives.h"
#include "tests/testing/kiosk_fixture.h"

namespace render_test {

using kiosk_test::kGreen;
using kiosk_test::kRed;
using kiosk_test::kWhite;

// A map element line: id, x, y, length, width, angle, colour, fill, size
// code, floor; the rest as a plain outlined shelf.
struct Element {
  std::string id = "SHELF";
  double x = 100, y = 100, length = 10, width = 2;
  int angle = 0, colour = kRed, fill = 99;
  std::string size = "0";
  std::string floor = "1";
  std::string label = " ";
  std::string style = "0";
  std::string bcolour = "12";
  std::string font = "0";

  std::string Line() const {
    auto n = [](double v) {
      std::string s = std::to_string(v);
      while (s.back() == '0') s.pop_back();
      if (s.back() == '.') s.pop_back();
      return s;
    };
    return id + "|Dept|All year|" + n(x) + "|" + n(y) + "|" + n(length) + "|" + n(width) + "|" +
           std::to_string(angle) + "|" + std::to_string(colour) + "|" + style + "|" +
           std::to_string(fill) + "|1|" + font + "|" + bcolour + "|" + size + "|" + label + "|" +
           floor + "|test|";
  }
};

class RenderTest : public kiosk_test::KioskTest {
 protected:
  void SetUp() override {
    KioskTest::SetUp();
    dir_ = folder_.string();
    zones::ZOOM = 1;
    screen::LANGUAGE2 = 1;
    screen::LANGG[1] = "E";
  }
  void TearDown() override {
    editmap::RELEASEM();
    KioskTest::TearDown();
  }

  // Makes the map file from the elements (record numbers in list order)
  // and leaves it open; a map made before is thrown away.
  void MakeMap(const std::vector<Element>& elements) {
    editmap::RELEASEM();
    editmap::ResetForTest();
    std::filesystem::remove(dir_ + "/data/Shelve.DAT");
    std::filesystem::remove(dir_ + "/data/Shelve.IX");
    std::ofstream out(dir_ + "/data/Shelves.txt", std::ios::binary);
    for (const Element& e : elements) out << e.Line() << "\r\n";
    out.close();
    editmap::SETUPM();
    ASSERT_NE(editmap::PE, nullptr);
    ASSERT_EQ(isam::BTUsedRecs(editmap::PE), static_cast<std::int32_t>(elements.size()));
  }

  // Clears the screen and draws the map afresh.
  static void Redraw() {
    screen::FULLPORT();
    graph::SetBkColor(screen::ColorValue(12));
    graph::ClearDevice();
    mapview::SHELVES2();
  }

  static std::uint32_t Rgb(int n) { return graph::DefaultPalette(static_cast<int>(screen::ColorValue(n))); }
  static bool Is(int x, int y, int n) { return graph::GetPixelRgb(x, y) == Rgb(n); }
  // Pixels of colour n in the rectangle (inclusive); the whole screen by default.
  static int Count(int n, int x1 = 0, int y1 = 0, int x2 = 1023, int y2 = 767) {
    const std::vector<std::uint8_t> rgb = graph::ScreenRgb();
    const std::uint32_t want = Rgb(n);
    int count = 0;
    for (int y = y1; y <= y2; ++y) {
      for (int x = x1; x <= x2; ++x) {
        const std::size_t i = (static_cast<std::size_t>(y) * 1024 + static_cast<std::size_t>(x)) * 3;
        const std::uint32_t c = (std::uint32_t{rgb[i]} << 16) | (std::uint32_t{rgb[i + 1]} << 8) | rgb[i + 2];
        count += c == want;
      }
    }
    return count;
  }
  std::string dir_;
};

}  // namespace render_test
