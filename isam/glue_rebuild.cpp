// Rebuilding a fileblock from its own data file. The index may be damaged or
// missing, so the records are read from the data file directly (slot n at
// n x record length, slot 0 the header) and every live one is added again
// with freshly built keys. Nothing but the data file is trusted.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/clock.h"
#include "common/hostpath.h"
#include "isam/glue.h"

namespace glue {

using namespace isam;

namespace {

std::int32_t Int32At(const char* p) {
  std::int32_t v;
  std::memcpy(&v, p, 4);
  return v;  // the data file is little-endian, like the host
}

std::string DataPath(const Catalogue& c) {
  return kiosk::HostPath(IsamForceExtension(c.name, DatExtension).view());
}

}  // namespace

bool READDATAFILE(const Catalogue& c, std::vector<std::string>& records) {
  records.clear();
  std::ifstream in(DataPath(c), std::ios::binary);
  if (!in) return false;
  char header[21];
  if (!in.read(header, sizeof header)) return false;
  const std::int32_t numRec = Int32At(header + 8);
  std::int32_t lenRec = Int32At(header + 12);
  // The file is this catalogue's by its name: a header that disagrees is
  // damaged, and the catalogue's record length is the one to trust.
  if (lenRec != c.recLen) lenRec = c.recLen;
  std::string slot(static_cast<std::size_t>(lenRec), '\0');
  // Every slot the file really holds counts, even past a damaged NumRec.
  in.seekg(0, std::ios::end);
  const std::int64_t slots = static_cast<std::int64_t>(in.tellg()) / lenRec - 1;
  const std::int64_t last = std::max<std::int64_t>(numRec, slots);
  for (std::int64_t n = 1; n <= last; ++n) {
    in.seekg(n * lenRec);
    if (!in.read(slot.data(), lenRec)) break;
    if (Int32At(slot.data()) != 0) continue;
    if (c.checkRecord) c.checkRecord(slot.data());
    records.push_back(slot);
  }
  return true;
}

std::int32_t REBUILDFROMDATA(Catalogue& c) {
  std::vector<std::string> records;
  if (!READDATAFILE(c, records)) return -1;
  if (c.fb) BTCloseFileBlock(c.fb);
  c.fb = nullptr;

  // Keep the old data file aside until the new one holds every record.
  namespace fs = std::filesystem;
  const std::string dat = DataPath(c);
  const std::string keep = dat + ".old";
  std::error_code ec;
  fs::copy_file(dat, keep, fs::copy_options::overwrite_existing, ec);
  if (ec) return -1;

  if (!CREATEFILE(c)) return -1;
  if (!OPENRAW(c)) return -1;
  const std::string saved(static_cast<const char*>(c.record), static_cast<std::size_t>(c.recLen));
  std::int32_t added = 0;
  bool allOk = true;
  for (const std::string& rec : records) {
    std::memcpy(c.record, rec.data(), rec.size());
    if (NEWSTRUCTURE(c)) {
      ++added;
    } else {
      allOk = false;
    }
  }
  std::memcpy(c.record, saved.data(), saved.size());
  BTCloseFileBlock(c.fb);
  c.fb = nullptr;
  if (allOk && IsamOK) fs::remove(keep, ec);
  return added;
}

bool REBUILDSAFE(Catalogue& c, const std::function<bool()>& fromText,
                 const std::function<bool()>& refreshText) {
  std::vector<std::string> live;
  // Without a data file, or with one that holds nothing, the exchange file
  // is all there is.
  if (!READDATAFILE(c, live) || live.empty()) return fromText();
  if (REBUILDFROMDATA(c) < 0) return false;
  if (!OPENRAW(c)) return false;
  return refreshText();
}

}  // namespace glue
