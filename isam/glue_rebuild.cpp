// Rebuilding a fileblock from its own data file. The index may be damaged or
// missing, so the records are read from the data file directly (slot n at
// n x record length, slot 0 the header) and every live one is added again,
// with freshly built keys, to a new pair built beside the old one
// (isam/beside.h). Nothing but the data file is trusted, and no record is
// dropped that the data file does not show deleted.
#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "isam/beside.h"
#include "isam/format.h"
#include "isam/glue.h"
#include "isam/rawfile.h"

namespace glue {

using namespace isam;

namespace {

std::string DataName(const Catalogue& c) { return IsamForceExtension(c.name, DatExtension).str(); }

// The copy of the data file that earlier rebuilds kept aside while they
// remade the data file in place.
std::string BackupName(const Catalogue& c) { return DataName(c) + ".old"; }

// The slots of a data file: live records, and deleted ones with their DEL
// word cleared (a deleted record keeps its bytes), each made safe by the
// catalogue's check.
struct Slots {
  bool read = false;
  bool unfinished = false;  // the damaged mark: changed and never closed
  std::vector<std::string> live, deleted;
};

Slots ReadSlots(const Catalogue& c, const std::string& systemName) {
  Slots s;
  const RawFile in(systemName);
  if (!in.IsOpen()) return s;
  unsigned char header[format::kDataHeaderLen];
  if (!in.Read(0, sizeof header, header)) return s;
  format::DataHeader dh;
  format::DecodeDataHeader(header, dh);
  s.read = true;
  s.unfinished = dh.ADK != 0;
  // The file is this catalogue's by its name: a header that disagrees is
  // damaged, and the catalogue's record length is the one to trust.
  const std::int32_t lenRec = c.recLen;
  std::string slot(static_cast<std::size_t>(lenRec), '\0');
  // Every slot the file really holds counts, even past a damaged NumRec;
  // they are read a run at a time (a million records in some hundred reads).
  std::int64_t slots = in.Size() / lenRec - 1;
  const std::int64_t perRead = std::max<std::int64_t>(1, (std::int64_t(1) << 20) / lenRec);
  std::vector<unsigned char> run(static_cast<std::size_t>(perRead * lenRec));
  for (std::int64_t first = 1; first <= slots; first += perRead) {
    std::int64_t n = std::min(perRead, slots - first + 1);
    if (!in.Read(first * lenRec, n * lenRec, run.data())) {
      // A run that cannot be read whole: its slots one by one, up to the
      // first that fails, as far as the file can be read.
      std::int64_t got = 0;
      while (got < n && in.Read((first + got) * lenRec, lenRec, run.data() + got * lenRec)) ++got;
      if (got < n) slots = first + got - 1;  // nothing after an unreadable slot
      n = got;
    }
    for (std::int64_t i = 0; i < n; ++i) {
      std::memcpy(slot.data(), run.data() + i * lenRec, static_cast<std::size_t>(lenRec));
      auto* bytes = reinterpret_cast<unsigned char*>(slot.data());
      const bool live = format::GetI32(bytes) == 0;
      format::PutI32(bytes, 0);
      if (c.checkRecord) c.checkRecord(slot.data());
      (live ? s.live : s.deleted).push_back(slot);
    }
  }
  return s;
}

// Adds every record to a new pair built beside the file in use; -1 when the
// new pair could not be made whole.
std::int32_t RebuildFrom(Catalogue& c, const std::vector<std::string>& records) {
  const std::string saved(static_cast<const char*>(c.record), static_cast<std::size_t>(c.recLen));
  const bool made = BUILDBESIDE(c, [&] {
    for (const std::string& rec : records) {
      std::memcpy(c.record, rec.data(), rec.size());
      NEWSTRUCTURE(c);  // a refused key is reported; the record is kept all the same
    }
    return BTUsedRecs(c.fb) == static_cast<std::int32_t>(records.size());
  });
  std::memcpy(c.record, saved.data(), saved.size());
  if (!made) return -1;
  DeleteRawFile(BackupName(c));  // the new pair holds all it held
  return static_cast<std::int32_t>(records.size());
}

}  // namespace

bool DATAFILEEXISTS(const Catalogue& c) { return IsamExists(DataName(c)); }

bool READDATAFILE(const Catalogue& c, std::vector<std::string>& records) {
  Slots s = ReadSlots(c, DataName(c));
  records = std::move(s.live);
  return s.read;
}

bool KEPTRECORDS(const Catalogue& c, std::vector<std::string>& records) {
  Slots now = ReadSlots(c, DataName(c));
  if (!now.read || now.unfinished) {
    // A data file that is missing or was never closed may be one an earlier
    // rebuild was remaking when it stopped: what its backup holds and the
    // data file neither holds nor shows deleted is read back.
    const Slots backup = ReadSlots(c, BackupName(c));
    if (backup.read) {
      std::multiset<std::string> held(now.live.begin(), now.live.end());
      held.insert(now.deleted.begin(), now.deleted.end());
      for (const std::string& rec : backup.live) {
        const auto it = held.find(rec);
        if (it != held.end()) {
          held.erase(it);
        } else {
          now.live.push_back(rec);
        }
      }
      now.read = true;
    }
  }
  records = std::move(now.live);
  return now.read;
}

std::int32_t REBUILDFROMDATA(Catalogue& c) {
  std::vector<std::string> records;
  if (!KEPTRECORDS(c, records)) return -1;
  return RebuildFrom(c, records);
}

bool REMAKEFROMTEXT(Catalogue& c, const std::function<bool()>& import) {
  return BUILDBESIDE(c, import, [](int colour, int y, int line) { SHOWPROGRESS(colour, 600, y, line); });
}

bool REBUILDSAFE(Catalogue& c, const std::function<bool()>& fromText,
                 const std::function<bool()>& refreshText) {
  std::vector<std::string> kept;
  // Without a data file, or with one that holds nothing, the exchange file
  // is all there is.
  if (!KEPTRECORDS(c, kept) || kept.empty()) return fromText();
  // The exchange file is written only from a rebuilt pair that holds every
  // record and passed its check.
  if (RebuildFrom(c, kept) < 0) return false;
  if (!OPENRAW(c)) return false;
  return refreshText();
}

}  // namespace glue
