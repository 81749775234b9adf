// kiosk-headless: runs the kiosk without a window, typing a key script and
// saving screenshots. See graph/headless_runner.h and graph/keyscript.h.
#include <iostream>
#include <type_traits>

#include "graph/headless_runner.h"

#if __has_include("shell/kiosk.h")
#include "shell/kiosk.h"
#define KIOSK_HAVE_MAIN 1
#endif

namespace {

int RunKiosk() {
#ifdef KIOSK_HAVE_MAIN
  if constexpr (std::is_void_v<decltype(shell::KioskMain())>) {
    shell::KioskMain();
    return 0;
  } else {
    return static_cast<int>(shell::KioskMain());
  }
#else
  std::cerr << "kiosk-headless: this build has no kiosk main routine\n";
  return 2;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  graph::HeadlessOptions options;
  std::string error;
  if (!graph::ParseHeadlessArgs(argc, argv, options, error)) {
    std::cerr << "kiosk-headless: " << error << "\n";
    return 2;
  }
  return graph::RunHeadless(options, RunKiosk);
}
