// kiosk-headless: runs the kiosk without a window, typing a key script and
// saving screenshots. See graph/headless_runner.h and graph/keyscript.h.
#include <iostream>

#include "common/cmdline.h"

#include "graph/headless_runner.h"
#include "shell/kiosk.h"

int main(int argc, char** argv) {
  if (kiosk::AnsweredHelp(argc, argv, graph::kHeadlessHelp)) return 0;
  graph::HeadlessOptions options;
  std::string error;
  if (!graph::ParseHeadlessArgs(argc, argv, options, error)) {
    std::cerr << "kiosk-headless: " << error << "\n";
    return 2;
  }
  return graph::RunHeadless(options, shell::KioskMain);
}
