// kiosk-setup WORKDIR [INSTALLDIR]: makes a kiosk working folder.
//
// Copies the default installation (language texts, configuration, pictures,
// exchange files) into WORKDIR without replacing anything already there, then
// builds the product, map element and not-found fileblocks that do not exist
// yet, filling the first two from data\prodlist.txt and data\Shelves.txt
// with the kiosk's own import. Running it again on a working folder changes
// nothing.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "common/clock.h"
#include "common/cmdline.h"
#include "common/hostpath.h"
#include "editors/prodfile.h"
#include "isam/glue.h"
#include "isam/isam.h"
#include "map/mapfile.h"
#include "tools/install_copy.h"

namespace fs = std::filesystem;

namespace {

fs::path DefaultInstall(const char* argv0) {
  if (const char* src = std::getenv("KIOSK_SOURCE_DIR")) return fs::path(src) / "install";
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) exe = fs::absolute(argv0, ec);
  for (fs::path dir = exe.parent_path(); !dir.empty(); dir = dir.parent_path()) {
    if (fs::is_directory(dir / "install" / "lang", ec)) return dir / "install";
#ifdef KIOSK_PACKAGE
    // Installed: PREFIX/bin/kiosk-setup beside PREFIX/share/<package>/install.
    const fs::path shared = dir / "share" / KIOSK_PACKAGE / "install";
    if (fs::is_directory(shared / "lang", ec)) return shared;
#endif
    if (dir == dir.parent_path()) break;
  }
  return "install";
}

bool Exists(const char* systemName) { return fs::exists(kiosk::HostPath(systemName)); }

}  // namespace

constexpr const char* kHelp =
    "usage: kiosk-setup WORKDIR [INSTALLDIR]\n\n"
    "Makes a kiosk working folder: copies the default installation (INSTALLDIR,\n"
    "else the one installed with the programs) into WORKDIR without replacing\n"
    "anything there, then builds the product, map element and not-found files\n"
    "that are missing, the first two from data/prodlist.txt and\n"
    "data/Shelves.txt. Running it again changes nothing. Exit 0 when done.\n";

int main(int argc, char** argv) {
  if (kiosk::AnsweredHelp(argc, argv, kHelp)) return 0;
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: kiosk-setup WORKDIR [INSTALLDIR]\n");
    return 2;
  }
  const fs::path work = argv[1];
  const fs::path install = argc == 3 ? fs::path(argv[2]) : DefaultInstall(argv[0]);
  std::error_code ec;
  if (!fs::is_directory(install / "data", ec)) {
    std::fprintf(stderr, "kiosk-setup: no installation at %s\n", install.c_str());
    return 1;
  }
  int copied = 0;
  if (!setup::CopyMissing(install, work, copied)) return 1;
  std::printf("%d files copied from %s\n", copied, install.c_str());

  kiosk::SetWorkFolder(work.string());
  kiosk::clock::UseVirtualTime(true);  // nobody watches the waits of an import
  int status = 0;

  if (!Exists("data\\products.DAT")) {
    if (editprod::SETUP()) {
      if (!editprod::PRODFILE.OK) editprod::OPENITP();
      const int added = editprod::PRODFILE.OK ? editprod::ECPT1() : 0;
      if (!editprod::PRODFILE.OK) status = 1;
      editprod::RELEASE();
      std::printf("product file: %d products imported\n", added);
    } else {
      status = 1;
    }
  }
  if (!Exists("data\\Shelve.DAT")) {
    editmap::SETUPM();  // a first start fills the new file from data\Shelves.txt
    std::printf("map element file: %d elements\n", editmap::SMAXREC);
    if (!editmap::MAPFILE.OK) status = 1;
    editmap::RELEASEM();
  }
  if (!Exists("data\\NotFound.DAT")) {
    glue::Catalogue log;
    log.name = "data\\NotFound";
    log.recLen = 816;
    log.keys = {{110, false}};
    log.pages = 32;
    isam::BTInitIsam(isam::NoNet, log.pages);
    const bool made = isam::IsamOK && glue::CREATEFILE(log);
    isam::BTExitIsam();
    std::printf("not-found log: %s\n", made ? "created empty" : "could not be created");
    if (!made) status = 1;
  }
  if (status != 0) std::fprintf(stderr, "kiosk-setup: the fileblocks could not all be built\n");
  return status;
}
