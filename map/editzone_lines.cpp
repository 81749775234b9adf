// The zone editor's lines: read from data\zonedef.txt, split into fields,
// joined again, counted and written back.
#include <string>

#include "common/atomicfile.h"
#include "common/hostpath.h"
#include "common/numtext.h"
#include "common/text.h"
#include "common/textfile.h"
#include "map/editzone.h"

namespace editzone {

namespace {

// The whole file as the editor writes it: the count, then every held line,
// each ended by CR LF as the store's other text files are.
std::string ZoneFileText() {
  std::string text = std::to_string(NUMOFZONES2) + "\r\n";
  for (std::int32_t z = 0; z < LINES; ++z) {
    text += ZONES[z].view();
    text += "\r\n";
  }
  return text;
}

}  // namespace

void LOADZONES2() {
  for (Str255& line : ZONES) line.clear();
  LINES = kLinesWritten;
  kiosk::TextFile in;
  if (!in.Open(zones::kZoneFile)) return;
  in.ReadLine();  // the count: the editor counts afresh when it saves
  std::int32_t read = 0;
  while (read < kMaxLines && !in.Eof()) {
    ZONES[read] = kiosk::TrimRight(in.ReadLine().view());
    ++read;
  }
  if (read > LINES) LINES = read;
}

void CONVZONE2(std::int32_t z) {
  for (Str255& f : FIELD) f.clear();
  if (z < 0 || z >= kMaxLines) return;
  const std::array<Str255, kFields + 1> fields = zones::SplitZoneLine(ZONES[z].view());
  for (int i = 1; i <= kFields; ++i) FIELD[i] = fields[static_cast<std::size_t>(i)];
}

void PACKZONES(std::int32_t z) {
  if (z < 0 || z >= kMaxLines) return;
  Str255 line;
  for (int i = 1; i <= kFields; ++i) {
    if (i > 1) line += '|';
    line += FIELD[i];
  }
  ZONES[z] = line;
}

void COUNTZONES() {
  NUMOFZONES2 = 0;
  for (std::int32_t z = 0; z < LINES; ++z) {
    if (kiosk::RealToWhole(zones::ParseZoneLine(ZONES[z].view())[2]) != 0) ++NUMOFZONES2;
  }
}

bool SAVEZONE() { return kiosk::WriteFileAtomic(kiosk::HostPath(zones::kZoneFile), ZoneFileText()); }

}  // namespace editzone
