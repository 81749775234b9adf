// The rebuild entries of the product and map utilities.
#include "editors/rebuild.h"

#include "editors/editnot.h"
#include "editors/prodfile.h"
#include "isam/glue.h"
#include "isam/isam.h"
#include "map/mapfile.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "shell/langs.h"

namespace rebuild {

namespace {

// The file of a catalogue, its current record, its rebuild, and where the
// progress texts go.
struct Rebuilt {
  glue::Catalogue& file;
  void* record;
  bool (*rebuild)();
  int readBackY, exportY, size;
};

Rebuilt Of(Catalogue which) {
  switch (which) {
    case Catalogue::Products: return {editprod::PRODFILE, &editprod::PRODUCT, editprod::REBUILD, 220, 300, 30};
    case Catalogue::MapElements: return {editmap::MAPFILE, &editmap::SHELF, editmap::REBUILD, 220, 300, 30};
    case Catalogue::NotFound: break;
  }
  return {editnot::NOTFILE, &editnot::NOTFOUND, editnot::REBUILD, 120, 120, 50};
}

}  // namespace

void InstallProgressTexts() {
  glue::PROGRESS = [](int colour, int x, int y, int line, int size, int font) {
    langs::WRITEASTRING(colour, x, y, font, size, line);
  };
}

void TELLOPERATOR(std::string_view text) { screen::SHOWMESSAGE(text); }

bool REBUILD_FILES(Catalogue which, std::string_view confirm) {
  screen::FRAME4();
  langs::WRITEHEADER(13);
  if (!langs::PASSWORDOK(1)) return false;
  if (!confirm.empty() && !screen::ASKYESNO(confirm)) return false;
  return REBUILD_FILES2(which);
}

bool REBUILD_FILES2(Catalogue which) {
  const Rebuilt r = Of(which);
  glue::Catalogue& c = r.file;
  c.record = r.record;
  const bool startedHere = !isam::IsamIsInitialized();
  if (startedHere) {
    isam::BTInitIsam(isam::NoNet, c.pages);
    if (!isam::IsamOK) return false;
  }
  screen::FRAME4();
  langs::WRITEHEADER(13);
  if (which == Catalogue::MapElements) glue::SHOWPROGRESS(253, 600, 140, 12);
  glue::SHOWPROGRESS(253, 600, r.readBackY, 9, r.size, 1);
  // The module's rebuild: indexes from the data file, then the exchange file
  // written from the rebuilt file (or, with no data file, the file made
  // afresh from the exchange file). The file is left closed.
  const bool ok = r.rebuild();
  glue::SHOWPROGRESS(128, 600, r.readBackY, 9, r.size, 1);
  if (r.exportY == r.readBackY) {  // one place for both texts: a clean frame between
    screen::FRAME4();
    langs::WRITEHEADER(14);
  }
  glue::SHOWPROGRESS(253, 600, r.exportY, 8, r.size, 1);
  glue::SHOWPROGRESS(128, 600, r.exportY, 8, r.size, 1);
  if (c.fb) glue::CLOSEIT(c);
  if (startedHere) isam::BTExitIsam();
  return ok;
}

}  // namespace rebuild
