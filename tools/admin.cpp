// kiosk-admin's command line: options, help texts, the working folder and
// the headless screen the kiosk's routines draw on.
#include "tools/admin.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <ostream>
#include <system_error>

#include "common/clock.h"
#include "common/hostpath.h"
#include "graph/graph.h"
#include "graph/keyboard.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "shell/kiosk.h"
#include "tools/admin_work.h"

#ifndef KIOSK_STORE_DIR
#define KIOSK_STORE_DIR "/var/lib/store-kiosk/store"
#endif

namespace admin {

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsageText =
    "usage: kiosk-admin [--dir DIR] COMMAND [ARGUMENTS]\n"
    "\n"
    "Works on a kiosk's working folder without its screen. DIR is the working\n"
    "folder (default " KIOSK_STORE_DIR ").\n"
    "\n"
    "commands:\n"
    "  import products|map|zones|notfound FILE    replace a catalogue by FILE\n"
    "  export products|map|zones|notfound [FILE]  write a catalogue's exchange file\n"
    "  check                                      check every record file\n"
    "  rebuild products|map|notfound              rebuild a record file's indexes\n"
    "  report products|map|notfound [FILE]        write a catalogue's report\n"
    "  top-not-found [FILE]                       the words most often not found\n"
    "  help [COMMAND]                             this text, or a command's\n"
    "\n"
    "exit codes: 0 done, 1 failed or a problem found, 2 bad command line,\n"
    "3 a running kiosk holds the files (nothing changed), 4 no working folder.\n";

const std::map<std::string, std::string>& CommandHelp() {
  static const std::map<std::string, std::string> help{
      {"import",
       "usage: kiosk-admin [--dir DIR] import products|map|zones|notfound FILE\n"
       "\n"
       "Copies FILE over the catalogue's exchange file in the working folder\n"
       "(data/prodlist.txt, data/Shelves.txt, data/notfound.txt) and makes the\n"
       "record file afresh\n"
       "from it, as the utilities' \"new file from text\" does; zones: FILE, a\n"
       "zone table, replaces data/zonedef.txt once it is checked. Prints the\n"
       "records now in the file. Refused (exit 3) while a kiosk holds the file.\n"},
      {"export",
       "usage: kiosk-admin [--dir DIR] export products|map|zones|notfound [FILE]\n"
       "\n"
       "Writes every live record to the catalogue's exchange file in the\n"
       "working folder, and copies it to FILE when one is given; zones: copies\n"
       "data/zonedef.txt to FILE (needed). An export imported again gives the\n"
       "same catalogue.\n"},
      {"check",
       "usage: kiosk-admin [--dir DIR] check\n"
       "\n"
       "Checks the product, map element and not-found files: headers, chains,\n"
       "every index's tree, and one index entry per live record in each index.\n"
       "One line per file (\"ok\" or \"problem: ...\"); exit 1 on any problem.\n"
       "`fileblock check NAME` in the working folder shows the details.\n"},
      {"rebuild",
       "usage: kiosk-admin [--dir DIR] rebuild products|map|notfound\n"
       "\n"
       "Rebuilds every index of the record file from its records (no record is\n"
       "lost) and then refreshes its exchange file, as the utilities' rebuild.\n"},
      {"report",
       "usage: kiosk-admin [--dir DIR] report products|map|notfound [FILE]\n"
       "\n"
       "Writes the catalogue's printed list in the working folder\n"
       "(docs/ItemsList.txt, docs/MapElementList.txt, docs/NotFoundList.txt),\n"
       "and copies it to FILE when one is given.\n"},
      {"top-not-found",
       "usage: kiosk-admin [--dir DIR] top-not-found [FILE]\n"
       "\n"
       "The words shoppers looked for and did not find, most often first, one\n"
       "line each: COUNT, WORD, the kiosks that logged it (comma-separated) and\n"
       "the last date, separated by tabs, in UTF-8. Also writes the top list\n"
       "docs/NotFoundTop.txt of the working folder (the staff screen's list, in\n"
       "the kiosk's language), and copies it to FILE when one is given.\n"},
      {"help", "usage: kiosk-admin help [COMMAND]\n"},
  };
  return help;
}

int UsageError(std::ostream& err, const std::string& why) {
  err << "kiosk-admin: " << why << "\n" << kUsageText;
  return kUsage;
}

bool IsHelp(const std::string& a) { return a == "--help" || a == "-h"; }

// The folder must be a kiosk's working folder (made by kiosk-setup).
bool IsWorkingFolder(const std::string& dir) {
  std::error_code ec;
  return fs::is_directory(fs::path(dir) / "data", ec) && fs::is_directory(fs::path(dir) / "lang", ec);
}

// The kiosk's routines draw their progress and messages; here on a screen
// nobody sees, in virtual time. A routine that asks a question is answered
// with Escape, so nothing waits for a key that never comes.
void OpenQuietScreen() {
  kiosk::clock::UseVirtualTime(true);
  graph::SetKeyDemandHook([](bool) { graph::PushChar(static_cast<char>(screen::key::kEscape)); });
  graph::UseHeadless(1024, 768);
  screen::INIT(3, 12);
  shell::InstallStoreErrorTexts();
}

// Run by root on a kiosk's folder, the files the command made (owned by
// root) are given to the folder's owner, so that the kiosk can open them.
void GiveFilesToOwnerOf(const std::string& dir) {
  struct stat top {};
  if (::geteuid() != 0 || ::stat(dir.c_str(), &top) != 0 || top.st_uid == 0) return;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec)) {
    struct stat st {};
    if (::lstat(it->path().c_str(), &st) == 0 && st.st_uid == 0)
      (void)::lchown(it->path().c_str(), top.st_uid, top.st_gid);
  }
}

void CloseQuietScreen() {
  if (graph::GraphEnabled()) graph::CloseGraph();
  graph::SetKeyDemandHook(nullptr);
}

}  // namespace

std::string DefaultFolder() { return KIOSK_STORE_DIR; }

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string dir = DefaultFolder();
  std::size_t i = 0;
  for (; i < args.size() && args[i].rfind("-", 0) == 0; ++i) {
    if (IsHelp(args[i])) {
      out << kUsageText;
      return kDone;
    }
    if (args[i] != "--dir") return UsageError(err, "unknown option " + args[i]);
    if (++i == args.size()) return UsageError(err, "--dir needs a folder");
    dir = args[i];
  }
  if (i == args.size()) return UsageError(err, "no command given");
  const std::string command = args[i++];
  std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
  const auto help = CommandHelp().find(command);
  if (help == CommandHelp().end()) return UsageError(err, "unknown command " + command);
  if (command == "help") {
    if (rest.empty()) {
      out << kUsageText;
      return kDone;
    }
    const auto about = CommandHelp().find(rest[0]);
    if (about == CommandHelp().end()) return UsageError(err, "unknown command " + rest[0]);
    out << about->second;
    return kDone;
  }
  for (const std::string& a : rest)
    if (IsHelp(a)) {
      out << help->second;
      return kDone;
    }

  // The arguments of each command: a catalogue, then a file (needed or not).
  Kind kind = Kind::Products;
  const bool takesKind = command != "check" && command != "top-not-found";
  if (takesKind && (rest.empty() || !KindOf(rest[0], kind)))
    return UsageError(err, command + " needs products, map, zones or notfound");
  const std::size_t files = takesKind ? rest.size() - 1 : rest.size();
  const bool fileNeeded = command == "import" || (command == "export" && kind == Kind::Zones);
  const bool fileAllowed =
      command == "import" || command == "export" || command == "report" || command == "top-not-found";
  if ((fileNeeded && files != 1) || (!fileAllowed && files != 0) || files > 1)
    return UsageError(err, "wrong arguments for " + command);
  if ((command == "rebuild" || command == "report") && kind == Kind::Zones)
    return UsageError(err, command + " works on products, map or notfound");
  const std::string file = files == 1 ? fs::absolute(rest.back()).string() : std::string();

  if (!IsWorkingFolder(dir)) {
    err << "kiosk-admin: " << dir << " is no kiosk working folder (make one with kiosk-setup " << dir
        << ")\n";
    return kNoFolder;
  }
  kiosk::SetWorkFolder(fs::absolute(dir).string());
  OpenQuietScreen();
  int status = kFailed;
  if (command == "import") status = Import(kind, file, out, err);
  else if (command == "export") status = Export(kind, file, out, err);
  else if (command == "check") status = Check(out, err);
  else if (command == "rebuild") status = Rebuild(kind, out, err);
  else if (command == "report") status = Report(kind, file, out, err);
  else if (command == "top-not-found") status = TopNotFound(file, out, err);
  CloseQuietScreen();
  GiveFilesToOwnerOf(dir);
  return status;
}

}  // namespace admin
