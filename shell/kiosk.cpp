// First start-up surface: the window with its standard frame, keys read until
// Escape.
#include "shell/kiosk.h"

#include "screen/primitives.h"

namespace shell {

int KioskMain() {
  screen::INIT(3, 12);
  screen::FRAME4();
  while (screen::ONKEY() != 27) {
  }
  graph::CloseGraph();
  return 0;
}

}  // namespace shell
