// The kiosk program's main routine.
#include "shell/kiosk.h"

#include "shell/mainloop.h"

namespace shell {

int KioskMain() { return MAINROUTINE(); }

}  // namespace shell
