// The kiosk program's main routine. The menus reach modules built on top of
// the shell through hooks (shell::StoreDirHook, EditShelvesHook,
// EditProdHook, EditNotHook, GuideHook; langs::EditConfigHook,
// GetPasswordHook, EditZonesHook), connected here before the main routine
// starts. A hook left empty makes its menu choice return at once.
#include "shell/kiosk.h"

#include "common/atomicfile.h"
#include "common/hostpath.h"
#include "editors/editnot.h"
#include "editors/mapedit.h"
#include "editors/prodfile_editor.h"
#include "editors/prodfile_shelf.h"
#include "isam/dberrors.h"
#include "map/editzone.h"
#include "map/storedc.h"
#include "screen/gtest.h"
#include "screen/primitives.h"
#include "shell/editcfg.h"
#include "shell/langs.h"
#include "shell/mainloop.h"

namespace shell {

int KioskMain() {
  StoreDirHook = storedc::STOREDIR1;
  EditProdHook = editprod::EDITPROD2;
  EditNotHook = editnot::EDITNOT2;
  GuideHook = gtest::GTESTX;
  EditShelvesHook = editmap::EDITSHELVES2;
  // Hiding or showing a shelf's products also hides or shows its map element.
  editprod::HideShelfElementHook = editmap::HSEARCHS;
  editprod::UnhideShelfElementHook = editmap::UHSEARCHS;
  langs::GetPasswordHook = editcfg::GETPASSWORD;
  langs::EditConfigHook = editcfg::EDITCONFIG;
  langs::EditZonesHook = editzone::EDITZONES;
  InstallStoreErrorTexts();
  // A file written whole by a kiosk that was killed (an export, a report,
  // the configuration) leaves its temporary beside the file it replaces.
  kiosk::RemovePartialFiles(kiosk::WorkFolder(), true);
  return MAINROUTINE();
}

void InstallStoreErrorTexts() {
  dberrors::SetDberrFetcher([](int line) {
    langs::GETEXACT("dberr", line);
    return kiosk::Str255(screen::TEMP);
  });
}

}  // namespace shell
