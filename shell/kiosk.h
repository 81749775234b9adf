// The kiosk program's main routine: opens the window, runs the kiosk and
// returns the process's exit code.
#pragma once

namespace shell {

int KioskMain();

// The store's error texts come from the language lines "dberr" (the store
// itself knows nothing of languages); the kiosk and the admin command both
// install this fetcher.
void InstallStoreErrorTexts();

}  // namespace shell
