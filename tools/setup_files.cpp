#include "tools/setup_files.h"

#include "common/clock.h"
#include "common/hostpath.h"
#include "editors/editnot.h"
#include "editors/prodfile.h"
#include "isam/beside.h"
#include "isam/check.h"
#include "isam/glue.h"
#include "isam/isam.h"
#include "map/mapfile.h"
#include "tools/install_copy.h"

namespace setup {

namespace {

// Builds the catalogue's file with make when its data file is missing;
// leftovers of a stopped build are finished or cleared first.
bool Complete(glue::Catalogue& c, const char* what, bool (*make)(), std::FILE* report) {
  glue::FINISHBESIDE(c.name);
  if (glue::DATAFILEEXISTS(c)) return true;
  const bool made = make();
  const isam::CheckReport check = isam::IsamCheckFileBlock(c.name);
  if (made) {
    std::fprintf(report, "%s: %d records\n", what, static_cast<int>(check.LiveRecords));
  } else {
    std::fprintf(report, "%s: could not be built\n", what);
  }
  return made;
}

bool EmptyLog() { return glue::BUILDBESIDE(editnot::NOTFILE, [] { return true; }); }

}  // namespace

bool BuildRecordFiles(std::FILE* report) {
  isam::BTInitIsam(isam::NoNet, 62);
  if (!isam::IsamOK) return false;
  editprod::PRODFILE.record = &editprod::PRODUCT;
  editmap::MAPFILE.record = &editmap::SHELF;
  bool ok = Complete(editprod::PRODFILE, "product file", editprod::TESTNEW, report);
  ok = Complete(editmap::MAPFILE, "map element file", editmap::TESTNEW, report) && ok;
  ok = Complete(editnot::NOTFILE, "not-found log", EmptyLog, report) && ok;
  isam::BTExitIsam();
  return ok;
}

bool MakeWorkFolder(const std::filesystem::path& work, const std::filesystem::path& install,
                    std::FILE* report) {
  int copied = 0;
  if (!CopyMissing(install, work, copied)) return false;
  std::fprintf(report, "%d files copied from %s\n", copied, install.c_str());
  kiosk::SetWorkFolder(work.string());
  kiosk::clock::UseVirtualTime(true);  // nobody watches the waits of an import
  if (BuildRecordFiles(report)) return true;
  std::fprintf(stderr, "kiosk-setup: the record files could not all be built\n");
  return false;
}

}  // namespace setup
