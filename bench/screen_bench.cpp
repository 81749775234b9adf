// One full staff screen at 1920x1080 on the headless window: the standard
// frame, 2000 map boxes of every direction and fill style, and 200 texts.
// The median of the repetitions should stay under 16 ms (one frame at 60 Hz).
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "bench/bench_util.h"
#include "common/clock.h"
#include "screen/primitives.h"

namespace {

using bench::OpenScreen;

struct BoxArgs {
  int angle, colour, style, fill, thick;
  double x, y, depth, width;
};

std::vector<BoxArgs> Boxes() {
  std::mt19937 gen(7);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
  const int fills[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 99};
  std::vector<BoxArgs> boxes;
  for (int i = 0; i < 2000; ++i)
    boxes.push_back({pick(0, 360), pick(0, 255), pick(0, 4), fills[pick(0, 10)], pick(0, 4),
                     double(pick(0, 450)), double(pick(20, 240)), double(pick(1, 12)), double(pick(2, 40))});
  return boxes;
}

void DrawBoxes(const std::vector<BoxArgs>& boxes) {
  for (const BoxArgs& b : boxes)
    screen::DRAWBOXG(b.angle, b.colour, b.style, b.x, b.y, b.depth, b.width, 4.0, b.fill, b.thick, 12, 20, 60);
}

void DrawTexts() {
  for (int i = 0; i < 200; ++i)
    screen::FNT0(50 + i % 200, 60 + (i % 8) * 230, 80 + (i / 8) * 38, i % 9, 0, 0, 20 + i % 12, i % 4, 0,
                 (i % 3) ? "x" : "b", "Aisle 12 - Bakery");
}

void BM_FullScreen(benchmark::State& state) {
  OpenScreen();
  const std::vector<BoxArgs> boxes = Boxes();
  for (auto _ : state) {
    screen::FRAME4();
    DrawBoxes(boxes);
    DrawTexts();
    screen::FULLPORT();
  }
}
BENCHMARK(BM_FullScreen)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The three parts on their own, to show where the time goes.
void BM_Frame(benchmark::State& state) {
  OpenScreen();
  for (auto _ : state) screen::FRAME4();
}
BENCHMARK(BM_Frame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Boxes(benchmark::State& state) {
  OpenScreen();
  const std::vector<BoxArgs> boxes = Boxes();
  for (auto _ : state) DrawBoxes(boxes);
}
BENCHMARK(BM_Boxes)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Texts(benchmark::State& state) {
  OpenScreen();
  for (auto _ : state) DrawTexts();
}
BENCHMARK(BM_Texts)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
