// Drawing costs on a headless 1920x1080 screen: what a full kiosk screen of
// boxes, text and pictures takes to draw.
#include <benchmark/benchmark.h>

#include <vector>

#include "graph/graph.h"

namespace {

void Open() {
  graph::ResetForTest();
  graph::UseHeadless(1920, 1080);
  graph::InitGraph(3, 12, "");
}

void BM_ClearDevice(benchmark::State& state) {
  Open();
  for (auto _ : state) graph::ClearDevice();
}
BENCHMARK(BM_ClearDevice);

void BM_HatchedBar(benchmark::State& state) {
  Open();
  graph::SetFillStyle(4, 40);
  for (auto _ : state) graph::Bar(100, 100, 400, 300);
}
BENCHMARK(BM_HatchedBar);

void BM_DottedLine(benchmark::State& state) {
  Open();
  graph::SetLineStyle(1, 0, 1);
  for (auto _ : state) graph::Line(0, 0, 1919, 1079);
}
BENCHMARK(BM_DottedLine);

void BM_WideRectangle(benchmark::State& state) {
  Open();
  graph::SetLineStyle(0, 0, 3);
  for (auto _ : state) graph::Rectangle(2, 0, 1919, 1079);
}
BENCHMARK(BM_WideRectangle);

void BM_Circle(benchmark::State& state) {
  Open();
  for (auto _ : state) graph::Circle(500, 500, 200);
}
BENCHMARK(BM_Circle);

void BM_FillPoly(benchmark::State& state) {
  Open();
  graph::SetFillStyle(1, 40);
  graph::PointType p[] = {{100, 100}, {300, 120}, {280, 300}, {90, 280}, {100, 100}};
  for (auto _ : state) graph::FillPoly(5, p);
}
BENCHMARK(BM_FillPoly);

// A slanted map box in every hatch: the tile must not be rebuilt per fill.
void BM_HatchedSlantedBox(benchmark::State& state) {
  Open();
  graph::PointType p[] = {{400, 300}, {470, 230}, {440, 200}, {370, 270}, {400, 300}};
  int style = 2;
  for (auto _ : state) {
    graph::SetFillStyle(static_cast<std::uint16_t>(style), 40);
    graph::FillPoly(5, p);
    style = style == 7 ? 2 : style + 1;
  }
}
BENCHMARK(BM_HatchedSlantedBox);

// Screens set a style before nearly every text.
void BM_TextStyleChanges(benchmark::State& state) {
  Open();
  int i = 0;
  for (auto _ : state) {
    graph::SetTextStyle(static_cast<std::uint16_t>(i % 4), 0, static_cast<std::uint16_t>(20 + i % 12));
    graph::OutTextXY(50, 200, "Aisle 12 - Bakery");
    ++i;
  }
}
BENCHMARK(BM_TextStyleChanges);

void BM_TextLine(benchmark::State& state) {
  Open();
  graph::SetTextStyle(1, 0, 30);
  for (auto _ : state) graph::OutTextXY(50, 200, "Type a word such as milk, bread or batteries");
}
BENCHMARK(BM_TextLine);

void BM_WholeScreenImage(benchmark::State& state) {
  Open();
  std::vector<std::uint8_t> img;
  for (auto _ : state) {
    graph::GetImage(0, 0, 1919, 1079, img);
    graph::PutImage(0, 0, img.data(), img.size(), 0);
  }
}
BENCHMARK(BM_WholeScreenImage);

}  // namespace

BENCHMARK_MAIN();
