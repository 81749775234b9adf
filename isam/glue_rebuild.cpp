// Rebuilding a fileblock from its own data file. The index may be damaged or
// missing, so the records are read from the data file directly (slot n at
// n x record length, slot 0 the header) and every live one is added again
// with freshly built keys. Nothing but the data file is trusted.
#include <algorithm>
#include <cstring>
#include <string>

#include "isam/delf.h"
#include "isam/format.h"
#include "isam/glue.h"
#include "isam/rawfile.h"

namespace glue {

using namespace isam;

namespace {

std::string DataName(const Catalogue& c) { return IsamForceExtension(c.name, DatExtension).str(); }

}  // namespace

bool READDATAFILE(const Catalogue& c, std::vector<std::string>& records) {
  records.clear();
  const RawFile in(DataName(c));
  if (!in.IsOpen()) return false;
  unsigned char header[format::kDataHeaderLen];
  if (!in.Read(0, sizeof header, header)) return false;
  format::DataHeader dh;
  format::DecodeDataHeader(header, dh);
  // The file is this catalogue's by its name: a header that disagrees is
  // damaged, and the catalogue's record length is the one to trust.
  const std::int32_t lenRec = c.recLen;
  std::string slot(static_cast<std::size_t>(lenRec), '\0');
  // Every slot the file really holds counts, even past a damaged NumRec.
  const std::int64_t slots = in.Size() / lenRec - 1;
  const std::int64_t last = std::max<std::int64_t>(dh.NumRec, slots);
  for (std::int64_t n = 1; n <= last; ++n) {
    auto* bytes = reinterpret_cast<unsigned char*>(slot.data());
    if (!in.Read(n * lenRec, lenRec, bytes)) break;
    if (format::GetI32(bytes) != 0) continue;
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
  const std::string keep = DataName(c) + ".old";
  if (!CopyRawFile(DataName(c), keep)) return -1;

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
  if (allOk && IsamOK) DeleteRawFile(keep);
  return added;
}

bool REMAKEFROMTEXT(Catalogue& c, const std::function<void()>& open,
                    const std::function<void()>& import) {
  CLOSEIT(c);
  SHOWPROGRESS(253, 600, 300, 3);
  delf::RENAME_FILE(c.name + ".dat");
  delf::RENAME_FILE(c.name + ".ix");
  SHOWPROGRESS(128, 600, 300, 3);
  SHOWPROGRESS(253, 600, 400, 4);
  const bool created = CREATEFILE(c);
  SHOWPROGRESS(128, 600, 400, 4);
  if (!created) return false;
  SHOWPROGRESS(253, 600, 500, 5);
  open();
  SHOWPROGRESS(128, 600, 500, 5);
  if (!c.OK) return false;
  import();
  SHOWPROGRESS(253, 600, 600, 6);
  CLOSEIT(c);
  SHOWPROGRESS(128, 600, 600, 6);
  return true;
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
