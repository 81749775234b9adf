// kiosk-setup WORKDIR [INSTALLDIR]: makes a kiosk working folder.
//
// Copies the default installation (language texts, configuration, pictures,
// exchange files) into WORKDIR without replacing anything already there, then
// builds the product, map element and not-found fileblocks that do not exist
// yet, filling the first two from data\prodlist.txt and data\Shelves.txt
// with the kiosk's own import (tools/setup_files.h). Running it again on a
// working folder completes what a stopped run left and changes nothing else.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "common/cmdline.h"
#include "tools/setup_files.h"

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

}  // namespace

constexpr const char* kHelp =
    "usage: kiosk-setup WORKDIR [INSTALLDIR]\n\n"
    "Makes a kiosk working folder: copies the default installation (INSTALLDIR,\n"
    "else the one installed with the programs) into WORKDIR without replacing\n"
    "anything there, then builds the product, map element and not-found files\n"
    "that are missing, the first two from data/prodlist.txt and\n"
    "data/Shelves.txt; each file appears only when complete. Running it again\n"
    "finishes what a stopped run left and changes nothing else. Exit 0 when done.\n";

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
  return setup::MakeWorkFolder(work, install, stdout) ? 0 : 1;
}
