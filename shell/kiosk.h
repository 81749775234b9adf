// The kiosk program's main routine: opens the window, runs the kiosk and
// returns the process's exit code.
#pragma once

namespace shell {

int KioskMain();

}  // namespace shell
