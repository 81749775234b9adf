// Fuzz target: arbitrary bytes as a fileblock's data, index and dialog files,
// read by the support reports (which run the checker), then opened and walked
// the way the kiosk walks them, and opened by the catalogue glue as each of
// the kiosk's three catalogues does (its own record length and keys, its
// record in a buffer of exactly that length, the repair on a refused open)
// and a record added. Whatever the files hold, the store must answer with
// status numbers: no crash, no endless loop, no sanitizer report, no file
// grown far beyond what the input gave.
//
// Input: 4 bytes data file length, 4 bytes index file length (both
// little-endian, cut to what follows), the data file, the index file, and
// the rest as the dialog file (none when nothing is left).
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/hostpath.h"
#include "isam/check.h"
#include "isam/fileblock_report.h"
#include "isam/glue.h"
#include "isam/isam.h"

namespace {

const std::string& WorkFolder() {
  static const std::string folder = [] {
    char tmpl[] = "/tmp/fileblock_fuzz_XXXXXX";
    const char* d = ::mkdtemp(tmpl);
    if (d == nullptr) std::abort();
    std::string f(d);
    ::mkdir((f + "/data").c_str(), 0700);
    return f;
  }();
  return folder;
}

void WriteFile(const std::string& path, const std::uint8_t* p, std::size_t n) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(p), static_cast<std::streamsize>(n));
}

std::uint32_t Le32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}

// Every key walked from its first entry to the end. A sound index holds at
// most one entry per 10 bytes of index file, so a longer walk means the
// store is going round a damaged tree: that is a hang.
void WalkKeys(isam::IsamFileBlockPtr fb, std::size_t ixSize) {
  for (int k = 1; k <= isam::BTNrOfKeys(fb); ++k) {
    isam::BTClearKey(fb, k);
    std::int32_t ref = 0;
    isam::IsamKeyStr key;
    std::size_t steps = 0;
    do {
      isam::BTNextKey(fb, k, ref, key);
      if (++steps > ixSize / 10 + 2) std::abort();
    } while (isam::IsamOK);
  }
}

// Records by number up to the highest allocated; a read beyond the file's
// end ends the walk (every later number lies beyond it too).
void WalkRecords(isam::IsamFileBlockPtr fb) {
  const std::int32_t len = isam::BTDatRecordSize(fb);
  if (len <= 0 || len > (1 << 20)) return;
  std::vector<unsigned char> rec(static_cast<std::size_t>(len));
  for (std::int32_t r = 1; r <= isam::BTFileLen(fb); ++r) {
    isam::BTGetRec(fb, r, rec.data(), rec.size());
    if (!isam::IsamOK) break;
  }
}

void AddFindDelete(isam::IsamFileBlockPtr fb) {
  const std::int32_t len = isam::BTDatRecordSize(fb);
  if (len <= 0 || len > (1 << 20)) return;
  std::vector<unsigned char> rec(static_cast<std::size_t>(len), 0);
  std::int32_t ref = 0;
  isam::BTFindKey(fb, 1, ref, "M");
  isam::BTAddRec(fb, ref, rec.data(), rec.size());
  if (!isam::IsamOK) return;
  for (int k = 1; k <= isam::BTNrOfKeys(fb); ++k) isam::BTAddKey(fb, k, ref, "M");
  std::int32_t found = 0;
  isam::BTFindKey(fb, 1, found, "M");
  for (int k = 1; k <= isam::BTNrOfKeys(fb); ++k) isam::BTDeleteKey(fb, k, ref, "M");
  isam::BTDeleteRec(fb, ref);
}

// The kiosk's catalogues: record length and keys (products, map elements,
// the not-found log).
struct Shape {
  std::int32_t recLen;
  std::vector<glue::KeyDef> keys;
};
const Shape kShapes[] = {
    {784, {{110, false}, {36, true}, {15, true}, {15, true}}},
    {260, {{45, false}, {15, true}, {15, true}}},
    {816, {{110, false}}},
};

std::uintmax_t SizeOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? static_cast<std::uintmax_t>(st.st_size) : 0;
}

// The glue's open-or-repair and add, as a module does it, with the module's
// record on the heap at exactly the catalogue's length: the file's header
// decides nothing about how many bytes move.
void GlueOpenAndAdd(const Shape& shape, const std::string& dir, std::size_t given) {
  std::vector<unsigned char> record(static_cast<std::size_t>(shape.recLen), 0);
  record[4] = 1;
  record[5] = 'M';
  glue::Catalogue c;
  c.name = "data\\f";
  c.recLen = shape.recLen;
  c.keys = shape.keys;
  c.pages = 8;
  c.record = record.data();
  c.buildKey = [](const void* rec, int k) {
    return std::string(1, static_cast<const char*>(rec)[5]) + std::to_string(k);
  };
  c.rebuild = [&c] { return glue::REBUILDFROMDATA(c) >= 0; };
  if (!glue::SETUP(c)) return;
  if (!c.OK) glue::OPENIT(c);  // a file created just now
  if (c.OK && glue::NEWSTRUCTURE(c)) {
    std::vector<unsigned char> back(record.size());
    isam::BTGetRec(c.fb, c.ACTREC, back.data(), back.size());
    if (isam::IsamOK && back != record) std::abort();
  }
  glue::RELEASE(c);
  // A rebuild keeps what the input held plus one record and fresh indexes;
  // a damaged header must never make the files grow beyond that.
  const std::uintmax_t limit = given + 2 * static_cast<std::uintmax_t>(shape.recLen) + (1u << 20);
  if (SizeOf(dir + "/data/f.DAT") > limit || SizeOf(dir + "/data/f.IX") > limit) std::abort();
}

void WriteInput(const std::string& dir, const std::uint8_t* p, std::size_t datLen,
                std::size_t ixLen, std::size_t diaLen) {
  WriteFile(dir + "/data/f.DAT", p, datLen);
  WriteFile(dir + "/data/f.IX", p + datLen, ixLen);
  if (diaLen > 0)
    WriteFile(dir + "/data/f.DIA", p + datLen + ixLen, diaLen);
  else
    ::unlink((dir + "/data/f.DIA").c_str());
  ::unlink((dir + "/data/f.DAT.old").c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 8) return 0;
  std::size_t rest = size - 8;
  const std::size_t datLen = std::min<std::size_t>(Le32(data), rest);
  rest -= datLen;
  const std::size_t ixLen = std::min<std::size_t>(Le32(data + 4), rest);
  rest -= ixLen;
  const std::string dir = WorkFolder();
  const std::uint8_t* p = data + 8;
  WriteInput(dir, p, datLen, ixLen, rest);

  isam::ResetForTest();
  kiosk::SetWorkFolder(dir);
  // The support reports read the same files straight from disk.
  {
    std::ostringstream sink;
    isam::ReportCheck("data\\f", sink);
    isam::ReportKeys("data\\f", 1, sink, sink);
    isam::ReportRecords("data\\f", sink, sink);
  }
  isam::BTInitIsam(isam::NoNet, 8);
  isam::IsamFileBlockPtr fb = nullptr;
  isam::BTOpenFileBlock(fb, "data\\f");
  if (isam::IsamOK) {
    WalkRecords(fb);
    WalkKeys(fb, ixLen);
    AddFindDelete(fb);
    WalkKeys(fb, ixLen + 4096);
    isam::BTCloseFileBlock(fb);
  }
  isam::BTExitIsam();
  isam::ResetForTest();
  for (const Shape& shape : kShapes) {
    WriteInput(dir, p, datLen, ixLen, rest);
    GlueOpenAndAdd(shape, dir, datLen + ixLen);
    isam::ResetForTest();
  }
  return 0;
}
