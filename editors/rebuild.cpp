// The rebuild entries of the product and map utilities.
#include "editors/rebuild.h"

#include "editors/prodfile.h"
#include "isam/glue.h"
#include "isam/isam.h"
#include "map/mapfile.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "shell/langs.h"

namespace rebuild {

namespace {

glue::Catalogue& FileOf(Catalogue which) {
  return which == Catalogue::Products ? editprod::PRODFILE : editmap::MAPFILE;
}

}  // namespace

void InstallProgressTexts() {
  glue::PROGRESS = [](int colour, int x, int y, int line, int size, int font) {
    langs::WRITEASTRING(colour, x, y, font, size, line);
  };
}

void TELLOPERATOR(std::string_view text) { screen::SHOWMESSAGE(text); }

bool REBUILD_FILES(Catalogue which) {
  screen::FRAME4();
  langs::WRITEHEADER(13);
  if (!langs::PASSWORDOK(1)) return false;
  return REBUILD_FILES2(which);
}

bool REBUILD_FILES2(Catalogue which) {
  glue::Catalogue& c = FileOf(which);
  c.record = which == Catalogue::Products ? static_cast<void*>(&editprod::PRODUCT)
                                          : static_cast<void*>(&editmap::SHELF);
  const bool startedHere = !isam::IsamIsInitialized();
  if (startedHere) {
    isam::BTInitIsam(isam::NoNet, c.pages);
    if (!isam::IsamOK) return false;
  }
  screen::FRAME4();
  langs::WRITEHEADER(13);
  if (which == Catalogue::MapElements) glue::SHOWPROGRESS(253, 600, 140, 12);
  glue::SHOWPROGRESS(253, 600, 220, 9, 30, 1);
  // The module's rebuild: indexes from the data file, then the exchange file
  // written from the rebuilt file (or, with no data file, the file made
  // afresh from the exchange file). The file is left closed.
  const bool ok = which == Catalogue::Products ? editprod::REBUILD() : editmap::REBUILD();
  glue::SHOWPROGRESS(128, 600, 220, 9, 30, 1);
  glue::SHOWPROGRESS(253, 600, 300, 8, 30, 1);
  glue::SHOWPROGRESS(128, 600, 300, 8, 30, 1);
  if (c.fb) glue::CLOSEIT(c);
  if (startedHere) isam::BTExitIsam();
  return ok;
}

}  // namespace rebuild
