// kiosk-admin's commands: each runs the routines of the utilities menus on
// the working folder, after making sure no kiosk holds the files.
#include "tools/admin_work.h"

#include <fcntl.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <system_error>
#include <vector>

#include "common/atomicfile.h"
#include "common/cp1252.h"
#include "common/hostpath.h"
#include "common/numtext.h"
#include "editors/editnot.h"
#include "editors/mapedit.h"
#include "editors/prodfile.h"
#include "editors/prodfile_editor.h"
#include "editors/rebuild.h"
#include "editors/report.h"
#include "isam/check.h"
#include "isam/fileio.h"
#include "map/mapfile.h"
#include "map/zones.h"
#include "tools/admin.h"

#ifndef KIOSK_PACKAGE
#define KIOSK_PACKAGE "store-kiosk"
#endif

namespace admin {

namespace {

namespace fs = std::filesystem;

// A catalogue kept in a fileblock, with the routines its utilities menu runs.
struct FileCatalogue {
  const char* word;
  const char* fileblock;
  const char* exchange;
  glue::Catalogue& glue;
  bool (*remake)();     // made afresh from its exchange file
  bool (*writeText)();  // its exchange file written from it
  rebuild::Catalogue rebuildAs;
};

bool RemakeProducts() {
  if (!editprod::SETUP()) return false;
  const bool ok = editprod::TESTNEW();
  editprod::CLOSEITP();
  editprod::RELEASE();
  return ok;
}

bool ExportProducts() {
  if (!editprod::SETUP()) return false;
  const bool ok = editprod::PRODUCT1();  // closes the file
  editprod::RELEASE();
  return ok;
}

bool RemakeMap() {
  editmap::SETUPM();
  const bool ok = editmap::TESTNEW();
  editmap::CLOSEITM();
  editmap::RELEASEM();
  return ok;
}

bool ExportMap() {
  editmap::SETUPM();
  const bool ok = editmap::MAPFILE.OK && editmap::SHELVES1();  // closes the file
  editmap::RELEASEM();
  return ok;
}

// The log opened as its screens open it (a missing one is made empty).
bool OpenLog() {
  if (!editnot::SETUPN()) return false;
  if (!editnot::NOTFILE.OK) glue::OPENIT(editnot::NOTFILE);
  return editnot::NOTFILE.OK;
}

void CloseLog() { glue::RELEASE(editnot::NOTFILE); }

bool RemakeLog() {
  if (!editnot::SETUPN()) return false;
  const bool ok = editnot::TESTNEW();
  CloseLog();
  return ok;
}

bool ExportLog() {
  const bool ok = OpenLog() && editnot::EXPORTNOT();  // closes the log
  CloseLog();
  return ok;
}

const FileCatalogue& CatalogueOf(Kind kind) {
  static const FileCatalogue products{"products", editprod::kFileName, editprod::kExchangeFile,
                                      editprod::PRODFILE, RemakeProducts, ExportProducts,
                                      rebuild::Catalogue::Products};
  static const FileCatalogue map{"map", editmap::kFileName, editmap::kExchangeFile,
                                 editmap::MAPFILE, RemakeMap, ExportMap,
                                 rebuild::Catalogue::MapElements};
  static const FileCatalogue log{"notfound", editnot::kFileName, editnot::kExchangeFile,
                                 editnot::NOTFILE, RemakeLog, ExportLog,
                                 rebuild::Catalogue::NotFound};
  if (kind == Kind::Products) return products;
  return kind == Kind::Map ? map : log;
}

// Each catalogue's printed list: written by the report writer, with the
// file open, then closed again.
bool PrintProducts() {
  bool ok = editprod::SETUP();
  if (ok && !editprod::PRODFILE.OK) editprod::OPENITP();
  ok = ok && editprod::PRODFILE.OK && editprod::PRINTPRODUCT();
  editprod::CLOSEITP();
  editprod::RELEASE();
  return ok;
}

bool PrintMap() {
  editmap::SETUPM();
  const bool ok = editmap::MAPFILE.OK && editmap::PRINTSHELVES();
  editmap::CLOSEITM();
  editmap::RELEASEM();
  return ok;
}

bool PrintLog() {
  const bool ok = OpenLog() && editnot::PRINTNOTFOUND();
  CloseLog();
  return ok;
}

// The fileblocks of a working folder, in the order check reports them.
constexpr const char* kFileBlocks[] = {"data\\products", "data\\Shelve", "data\\NotFound"};

// Store errors and the glue's notices reach err while a command runs,
// instead of the prompt box nobody sees.
class TellToErr {
 public:
  TellToErr(glue::Catalogue& c, std::ostream& err) : c_(c), saved_(c.tell) {
    c_.tell = [&err](std::string_view text) { err << "kiosk-admin: " << text << '\n'; };
  }
  ~TellToErr() { c_.tell = saved_; }

 private:
  glue::Catalogue& c_;
  std::function<void(std::string_view)> saved_;
};

std::string Shown(std::string_view systemName) {
  std::string s(systemName);
  for (char& ch : s)
    if (ch == '\\') ch = '/';
  return s;
}

int RefuseHeld(std::string_view fileblock, std::ostream& err) {
  err << "kiosk-admin: a running kiosk holds " << Shown(fileblock)
      << "; stop it first (systemctl stop " KIOSK_PACKAGE ", or leave the kiosk's screen that "
         "uses the file); nothing was changed\n";
  return kHeld;
}

// The checker's findings for one fileblock, and one index entry for every
// live record in each index (the indexes always follow the records).
std::vector<std::string> ProblemsOf(std::string_view fileblock, std::int32_t& live) {
  const isam::CheckReport rep = isam::IsamCheckFileBlock(fileblock);
  std::vector<std::string> problems = rep.Problems;
  live = rep.LiveRecords;
  if (rep.Ok()) {
    for (const isam::KeyCheck& k : rep.Keys)
      if (k.Entries != rep.LiveRecords)
        problems.push_back("index " + std::to_string(k.Key) + " holds " + std::to_string(k.Entries) +
                           " entries for " + std::to_string(rep.LiveRecords) + " live records");
  }
  return problems;
}

// Prints the problems of a fileblock just written; kDone when there are none.
int Verify(const FileCatalogue& c, std::string_view done, std::ostream& out, std::ostream& err) {
  std::int32_t live = 0;
  const std::vector<std::string> problems = ProblemsOf(c.fileblock, live);
  for (const std::string& p : problems) err << "kiosk-admin: " << Shown(c.fileblock) << ": " << p << '\n';
  if (!problems.empty()) return kFailed;
  out << c.word << ": " << live << " records " << done << '\n';
  return kDone;
}

bool IsRegularFile(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return fs::equivalent(a, b, ec);
}

// Copies a file over another, atomically; nothing when they are one file.
bool Place(const std::string& from, const std::string& to, std::ostream& err) {
  if (SameFile(from, to)) return true;
  if (kiosk::CopyFileAtomic(from, to)) return true;
  err << "kiosk-admin: cannot copy " << from << " to " << to << '\n';
  return false;
}

int ImportZones(const std::string& file, std::ostream& out, std::ostream& err) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  std::string why;
  int zoneCount = 0;
  if (!ZoneTableSound(text.str(), zoneCount, why)) {
    err << "kiosk-admin: " << file << " is no zone table: " << why << "; nothing was changed\n";
    return kFailed;
  }
  if (!Place(file, kiosk::HostPath(zones::kZoneFile), err)) return kFailed;
  out << "zones: " << zoneCount << " zones imported from " << file << '\n';
  return kDone;
}

}  // namespace

bool KindOf(std::string_view word, Kind& kind) {
  if (word == "products") kind = Kind::Products;
  else if (word == "map") kind = Kind::Map;
  else if (word == "zones") kind = Kind::Zones;
  else if (word == "notfound") kind = Kind::NotFound;
  else return false;
  return true;
}

bool HeldByKiosk(std::string_view fileblock) {
  isam::IsamEnv* env = isam::CurrentEnv();
  for (const char* ext : {".DAT", ".IX"}) {
    const int fd = env->Open(kiosk::HostPath(std::string(fileblock) + ext), O_RDONLY, 0);
    if (fd < 0) continue;  // a missing file is the store's to report
    const bool held = env->Lock(fd) != 0 && (errno == EWOULDBLOCK || errno == EAGAIN);
    env->Close(fd);
    if (held) return true;
  }
  return false;
}

bool ZoneTableSound(const std::string& text, int& zoneCount, std::string& why) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  double n = -1;
  if (lines.empty() || !kiosk::ReadReal(lines[0], n) || n != static_cast<int>(n) || n < 0 ||
      n > zones::kMaxZone) {
    why = "line 1 must be the number of zones, 0 to " + std::to_string(zones::kMaxZone);
    return false;
  }
  zoneCount = static_cast<int>(n);
  const std::size_t zonesListed = static_cast<std::size_t>(n);
  for (std::size_t z = 0; z <= zonesListed; ++z) {
    const std::size_t lineNr = z + 2;
    if (lines.size() < lineNr) {
      why = "zone " + std::to_string(z) + " is missing (line " + std::to_string(lineNr) + ")";
      return false;
    }
    const auto fields = zones::SplitZoneLine(lines[lineNr - 1]);
    for (int f = 1; f <= zones::kFields; ++f) {
      double v = 0;
      if (!kiosk::ReadReal(fields[static_cast<std::size_t>(f)].view(), v)) {
        why = "line " + std::to_string(lineNr) + ", field " + std::to_string(f) + " is no number";
        return false;
      }
    }
  }
  return true;
}

int Import(Kind kind, const std::string& file, std::ostream& out, std::ostream& err) {
  if (!IsRegularFile(file)) {
    err << "kiosk-admin: cannot read " << file << "; nothing was changed\n";
    return kFailed;
  }
  if (kind == Kind::Zones) return ImportZones(file, out, err);
  const FileCatalogue& c = CatalogueOf(kind);
  if (HeldByKiosk(c.fileblock)) return RefuseHeld(c.fileblock, err);
  if (!Place(file, kiosk::HostPath(c.exchange), err)) return kFailed;
  TellToErr tell(c.glue, err);
  if (!c.remake()) {
    err << "kiosk-admin: the " << c.word << " file could not be made from " << file << '\n';
    return kFailed;
  }
  return Verify(c, "imported from " + file, out, err);
}

int Export(Kind kind, const std::string& file, std::ostream& out, std::ostream& err) {
  if (kind == Kind::Zones) {
    const std::string zoneFile = kiosk::HostPath(zones::kZoneFile);
    if (!IsRegularFile(zoneFile)) {
      err << "kiosk-admin: the working folder has no " << Shown(zones::kZoneFile) << '\n';
      return kFailed;
    }
    if (!Place(zoneFile, file, err)) return kFailed;
    out << "zones: exported to " << file << '\n';
    return kDone;
  }
  const FileCatalogue& c = CatalogueOf(kind);
  if (HeldByKiosk(c.fileblock)) return RefuseHeld(c.fileblock, err);
  TellToErr tell(c.glue, err);
  if (!c.writeText()) {
    err << "kiosk-admin: " << Shown(c.exchange) << " could not be written\n";
    return kFailed;
  }
  if (!file.empty() && !Place(kiosk::HostPath(c.exchange), file, err)) return kFailed;
  return Verify(c, "exported to " + (file.empty() ? Shown(c.exchange) : file), out, err);
}

int Check(std::ostream& out, std::ostream& err) {
  for (const char* fb : kFileBlocks)
    if (HeldByKiosk(fb)) return RefuseHeld(fb, err);
  int status = kDone;
  for (const char* fb : kFileBlocks) {
    std::int32_t live = 0;
    std::vector<std::string> problems;
    if (!IsRegularFile(kiosk::HostPath(std::string(fb) + ".DAT")))
      problems.push_back("the data file is missing");
    else
      problems = ProblemsOf(fb, live);
    if (problems.empty()) out << Shown(fb) << ": ok, " << live << " live records\n";
    for (const std::string& p : problems) out << Shown(fb) << ": problem: " << p << '\n';
    if (!problems.empty()) status = kFailed;
  }
  return status;
}

int Rebuild(Kind kind, std::ostream& out, std::ostream& err) {
  const FileCatalogue& c = CatalogueOf(kind);
  if (HeldByKiosk(c.fileblock)) return RefuseHeld(c.fileblock, err);
  TellToErr tell(c.glue, err);
  if (!rebuild::REBUILD_FILES2(c.rebuildAs)) {
    err << "kiosk-admin: the " << c.word << " file could not be rebuilt\n";
    return kFailed;
  }
  return Verify(c, "kept, every index rebuilt", out, err);
}

int Report(Kind kind, const std::string& file, std::ostream& out, std::ostream& err) {
  const FileCatalogue& c = CatalogueOf(kind);
  if (HeldByKiosk(c.fileblock)) return RefuseHeld(c.fileblock, err);
  TellToErr tell(c.glue, err);
  bool ok = false;
  std::string reportFile;
  if (kind == Kind::Products) {
    ok = PrintProducts();
    reportFile = editprod::ProductReport().file;
  } else if (kind == Kind::Map) {
    ok = PrintMap();
    reportFile = editmap::kReportFile;
  } else {
    ok = PrintLog();
    reportFile = editnot::kReportFile;
  }
  if (!ok) {
    err << "kiosk-admin: the " << c.word << " report could not be written\n";
    return kFailed;
  }
  if (!file.empty() && !Place(kiosk::HostPath(reportFile), file, err)) return kFailed;
  out << c.word << ": report written to " << (file.empty() ? Shown(reportFile) : file) << '\n';
  return kDone;
}

int TopNotFound(const std::string& file, std::ostream& out, std::ostream& err) {
  const FileCatalogue& c = CatalogueOf(Kind::NotFound);
  if (HeldByKiosk(c.fileblock)) return RefuseHeld(c.fileblock, err);
  TellToErr tell(c.glue, err);
  std::vector<editnot::TopWord> words;
  // The list is never printed from part of the log.
  bool ok = OpenLog() && editnot::TOPWORDS(words) && editnot::TOPLIST();
  CloseLog();
  if (!ok) {
    err << "kiosk-admin: the not-found log could not be read to its end\n";
    return kFailed;
  }
  if (!file.empty() && !Place(kiosk::HostPath(editnot::kTopFile), file, err)) return kFailed;
  for (const editnot::TopWord& w : words) {
    std::string kiosks;
    for (const std::string& m : w.machines) kiosks += (kiosks.empty() ? "" : ",") + m;
    out << w.count << '\t' << kiosk::Cp1252ToUtf8(w.word) << '\t' << kiosk::Cp1252ToUtf8(kiosks) << '\t'
        << w.lastDate << '\n';
  }
  return kDone;
}

}  // namespace admin
