// graph-window-check: the real-window check run under Xvfb by
// window_test.sh.
//   graph-window-check scene W H OUT.bmp   renders the check scene headless
//   graph-window-check window READY KEYS   opens the real window in mode 12,
//       draws the same scene, touches READY, then writes every key byte it
//       reads (in hex, one a line) to KEYS until Ctrl+Q arrives or 20 s pass.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "graph/graph.h"
#include "graph/keyboard.h"

using namespace graph;

namespace {

void Scene() {
  SetColor(NamedColor[250]);
  SetLineStyle(0, 0, 3);
  Rectangle(2, 0, static_cast<std::int16_t>(GetMaxX()), static_cast<std::int16_t>(GetMaxY()));
  SetLineStyle(1, 0, 1);
  Line(10, 100, 600, 100);
  SetFillStyle(4, NamedColor[207]);
  Bar(20, 120, 220, 260);
  SetLineStyle(0, 0, 1);
  SetColor(NamedColor[139]);
  Circle(400, 200, 60);
  SetColor(NamedColor[51]);
  SetTextStyle(1 + 16, 0, 40);
  OutTextXY(20, 300, "Window check \xE9");
  SetViewPort(700, 100, 900, 300, true);
  SetFillStyle(7, NamedColor[253]);
  Bar(-50, -50, 400, 400);
  SetViewPort(0, 0, static_cast<std::int16_t>(GetMaxX()), static_cast<std::int16_t>(GetMaxY()), true);
}

}  // namespace

int main(int argc, char** argv) {
  std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "scene" && argc == 5) {
    UseHeadless(std::atoi(argv[2]), std::atoi(argv[3]));
    InitGraph(3, 12, "");
    Scene();
    return SaveScreenBmp(argv[4]) ? 0 : 1;
  }
  if (mode != "window" || argc != 4) {
    std::fprintf(stderr, "usage: graph-window-check scene W H OUT.bmp | window READY KEYS\n");
    return 2;
  }
  UseWindow();
  InitGraph(3, 12, "");
  if (int r = GraphResult(); r != 0) {
    std::printf("%s\n", GraphErrorMsg(static_cast<std::int16_t>(r)).c_str());
    return 1;
  }
  if (GetMaxX() + 1 != ScreenWidth || GetMaxY() + 1 != ScreenHeight || WindowStyle != kStylePopup ||
      WindowWidth != ScreenWidth || WindowHeight != ScreenHeight) {
    std::printf("window %dx%d does not cover the screen %dx%d\n", GetMaxX() + 1, GetMaxY() + 1, ScreenWidth,
                ScreenHeight);
    return 1;
  }
  Scene();
  std::this_thread::sleep_for(std::chrono::milliseconds(300));  // repainted by then
  std::ofstream(argv[2]) << "ready\n";
  std::ofstream keys(argv[3]);
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (std::chrono::steady_clock::now() < deadline) {
    if (!KeyPressed()) {
      Delay(10);
      continue;
    }
    int c = static_cast<unsigned char>(ReadKey());
    char hex[8];
    std::snprintf(hex, sizeof hex, "%02x\n", c);
    keys << hex << std::flush;
    if (c == 17) break;  // Ctrl+Q ends the check
  }
  CloseGraph();
  return 0;
}
