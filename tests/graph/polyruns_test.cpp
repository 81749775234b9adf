// Filled polygons come out exactly as cairo fills them, whether their pixels
// are worked out by the polygon runs or handed to cairo: random shapes of
// every kind (slanted, self-crossing, flat, collapsed to a line), every fill
// style, inside the viewport and cut by its edges.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "graph/device.h"
#include "graph/graph.h"
#include "graph/polyruns.h"
#include "headless_screen.h"

using namespace graph;

namespace {

const std::uint8_t kUserPattern[8] = {0x81, 0x42, 0x24, 0x18, 0xF0, 0x0F, 0xAA, 0x55};

class PolyRuns : public HeadlessScreen {
 protected:
  void TearDown() override {
    detail::g_fillThroughCairo = false;
    HeadlessScreen::TearDown();
  }

  // The screen after filling the polygon in the style, drawn through cairo
  // or not, on a screen of colour 1 (so hatch gaps show) with background 2,
  // without an outline.
  static std::vector<std::uint8_t> Filled(const std::vector<PointType>& poly, int style, bool throughCairo) {
    detail::g_fillThroughCairo = throughCairo;
    SetViewPort(0, 0, 639, 479, false);
    SetBkColor(1);
    ClearDevice();
    SetViewPort(40, 30, 599, 449, true);
    SetBkColor(2);
    SetLineStyle(5, 0, 1);  // no outline over the fill's edge pixels
    if (style == 8)
      SetFillPattern(kUserPattern, 13);
    else
      SetFillStyle(static_cast<std::uint16_t>(style), 13);
    FillPoly(static_cast<std::uint16_t>(poly.size()), poly.data());
    std::vector<std::uint8_t> picture;
    SetViewPort(0, 0, 639, 479, false);
    GetImage(0, 0, 639, 479, picture);
    return picture;
  }

  // True when the runs take the polygon on (viewport-relative points).
  static bool TakenOn(const std::vector<PointType>& poly) {
    std::vector<detail::Point64> pts;
    for (const PointType& p : poly) pts.push_back({p.x + 40, p.y + 30});
    std::vector<detail::Run> runs;
    return detail::Runs(pts, detail::Box{40, 30, 599, 449}, runs);
  }

  // Fills each polygon both ways in a style chosen in turn; returns how many
  // of them the runs took on.
  int ExpectSameAsCairo(const std::vector<std::vector<PointType>>& polys, const char* what) {
    int taken = 0, wrong = 0;
    for (std::size_t i = 0; i < polys.size(); ++i) {
      const int style = static_cast<int>(i % 10);
      taken += TakenOn(polys[i]);
      if (Filled(polys[i], style, false) != Filled(polys[i], style, true) && ++wrong <= 3) {
        std::string corners;
        for (const PointType& p : polys[i]) corners += " (" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
        ADD_FAILURE() << what << ", style " << style << ":" << corners;
      }
    }
    return taken;
  }
};

TEST_F(PolyRuns, RandomPolygonsFillLikeCairo) {
  std::mt19937 gen(7);
  auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
  std::vector<std::vector<PointType>> inside, crossing, flat;
  for (int i = 0; i < 300; ++i) {
    // Three to twelve corners within the viewport; many cross themselves.
    std::vector<PointType> p(static_cast<std::size_t>(in(3, 12)));
    const int size = in(2, 200);
    const int x0 = in(0, 559 - size), y0 = in(0, 419 - size);
    for (PointType& c : p) c = {x0 + in(0, size), y0 + in(0, size)};
    inside.push_back(p);
  }
  for (int i = 0; i < 100; ++i) {
    // Reaching over the viewport's edges: cairo cuts them.
    std::vector<PointType> p(static_cast<std::size_t>(in(3, 6)));
    for (PointType& c : p) c = {in(-60, 620), in(-60, 480)};
    crossing.push_back(p);
  }
  for (int i = 0; i < 50; ++i) {
    // Edges far flatter than any box side, and a line folded back on itself.
    const int x = in(0, 300), y = in(0, 400);
    flat.push_back({{x, y}, {x + in(100, 250), y + 1}, {x + in(0, 250), y + in(0, 2)}});
    flat.push_back({{x, y}, {x + in(-20, 20), y + in(0, 20)}, {x, y}});
  }
  const int insideTaken = ExpectSameAsCairo(inside, "inside");
  // Inside the viewport all but the few with an edge flatter than the runs
  // take on are worked out here.
  EXPECT_GT(insideTaken, 270);
  const int crossingTaken = ExpectSameAsCairo(crossing, "crossing the viewport's edges");
  EXPECT_LT(crossingTaken, 100);  // those that leave the viewport go to cairo
  ExpectSameAsCairo(flat, "flat or folded");
}

TEST_F(PolyRuns, BoxesOfEveryDirectionFillLikeCairo) {
  // The map's boxes: four corners and the first again, sides straight or at
  // 45 degrees (one pixel off where corners round apart), of every size.
  std::mt19937 gen(3);
  auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
  std::vector<std::vector<PointType>> boxes;
  for (int i = 0; i < 240; ++i) {
    const int x = in(60, 480), y = in(60, 360), w = in(0, 60), d = in(0, 12), k = in(0, 1);
    switch (i % 4) {
      case 0: boxes.push_back({{x, y}, {x, y - d}, {x + w, y - d}, {x + w, y}, {x, y}}); break;
      case 1: boxes.push_back({{x, y}, {x - d, y}, {x - d, y - w}, {x, y - w}, {x, y}}); break;
      case 2: boxes.push_back({{x, y}, {x + w, y - w}, {x + w - d, y - w - d - k}, {x - d, y - d}, {x, y}}); break;
      default: boxes.push_back({{x, y}, {x - w, y - w + k}, {x - w - d, y - w + d}, {x - d, y + d}, {x, y}}); break;
    }
  }
  EXPECT_EQ(ExpectSameAsCairo(boxes, "box"), 240);
}

}  // namespace
