// The kiosk program's main routine. The menus reach modules built on top of
// the shell through hooks (shell::StoreDirHook, EditShelvesHook,
// EditProdHook, EditNotHook, GuideHook; langs::EditConfigHook,
// GetPasswordHook, EditZonesHook); each module's entry point is connected
// here, before the main routine starts. An unconnected hook does nothing.
#include "shell/kiosk.h"

#include "map/storedc.h"
#include "shell/mainloop.h"

namespace shell {

int KioskMain() {
  StoreDirHook = storedc::STOREDIR1;
  return MAINROUTINE();
}

}  // namespace shell
