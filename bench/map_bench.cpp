// The whole store map drawn by the renderer on a 1920x1080 headless window:
// the demo store of the default installation, and a synthetic map of 5,000
// elements (shelves of every direction, fixtures and labels). The median of
// the demo map should stay under 16 ms (one frame at 60 Hz).
//
// MAP_BENCH_SHOTS=<folder> also saves one picture of each map there.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "bench/bench_util.h"
#include "common/clock.h"
#include "common/hostpath.h"
#include "graph/graph.h"
#include "isam/isam.h"
#include "map/mapfile.h"
#include "map/render.h"
#include "map/zones.h"
#include "screen/primitives.h"

namespace {

using bench::OpenScreen;
using bench::SourceDir;

std::string SyntheticMap() {
  std::mt19937 gen(11);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
  const char* sizes[] = {"0", "0", "0", "0", "0", "0", "F1", "F2", "F3", "F4", "R4", "C0", "4C", "R42", "42C"};
  std::string text;
  for (int i = 0; i < 5000; ++i) {
    const std::string x = std::to_string(pick(20, 560)), y = std::to_string(pick(40, 320));
    if (i % 10 == 9) {
      text += "L3E LABEL " + std::to_string(i) + "|Dept|All year|" + x + "|" + y +
              "|1|0|0|253|0|16|1|4|B|0|Aisle " + std::to_string(i) + "|1|label|\r\n";
    } else {
      text += "SHELF " + std::to_string(i) + "|Dept|All year|" + x + "|" + y + "|" +
              std::to_string(pick(2, 40)) + "|" + std::to_string(pick(1, 4)) + "|" +
              std::to_string(pick(0, 7) * 45) + "|" + std::to_string(pick(1, 255)) + "|0|" +
              std::to_string(pick(0, 9)) + "|1|0|12|" + sizes[pick(0, 14)] + "| |1|shelf|\r\n";
    }
  }
  return text;
}

// A working folder holding the map file made from the shelves text, the
// demo zones and language words; the map file is left open.
void OpenMap(const std::string& shelves) {
  char tmpl[] = "/tmp/map-bench-XXXXXX";
  const std::string dir = mkdtemp(tmpl);
  std::filesystem::create_directories(dir + "/data");
  const std::string src = SourceDir() + "/install/data/";
  std::filesystem::copy_file(src + "zonedef.txt", dir + "/data/zonedef.txt");
  std::filesystem::copy_file(src + "lang2.txt", dir + "/data/lang2.txt");
  std::ofstream(dir + "/data/Shelves.txt", std::ios::binary) << shelves;
  kiosk::SetWorkFolder(dir);
  isam::ResetForTest();
  editmap::ResetForTest();
  editmap::SETUPM();
  zones::ZONE = 0;
  zones::LOADZONES();
  zones::CONVZONE();
  mapview::GETLANG2();
  screen::LANGUAGE2 = 1;
  mapview::CHANGEZONE = 1;
  mapview::PSHELVES = "N";
  mapview::PGRID = "Y";
  mapview::PLABEL = "Y";
}

void DrawMap(benchmark::State& state, const std::string& shotName) {
  if (!editmap::PE) {
    state.SkipWithError("the map file did not open");
    return;
  }
  state.counters["elements"] = isam::BTUsedRecs(editmap::PE);
  for (auto _ : state) {
    screen::FRAME3();
    mapview::FG = 0;
    mapview::SHELVES2();
  }
  if (const char* shots = std::getenv("MAP_BENCH_SHOTS")) {
    graph::SaveScreenBmp(std::string(shots) + "/" + shotName + ".bmp");
  }
  const std::string dir = kiosk::HostPath(".");
  editmap::RELEASEM();
  kiosk::SetWorkFolder(".");
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
}

void BM_DemoMap(benchmark::State& state) {
  OpenScreen();
  std::ifstream in(SourceDir() + "/install/data/Shelves.txt", std::ios::binary);
  OpenMap(std::string(std::istreambuf_iterator<char>(in), {}));
  DrawMap(state, "demo_map");
}
BENCHMARK(BM_DemoMap)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_Synthetic5000(benchmark::State& state) {
  OpenScreen();
  OpenMap(SyntheticMap());
  DrawMap(state, "synthetic_map");
}
BENCHMARK(BM_Synthetic5000)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
