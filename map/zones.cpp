// Zones: the table read from data\zonedef.txt and the globals of one zone.
#include "map/zones.h"

#include "common/numtext.h"
#include "common/textfile.h"
#include "screen/primitives.h"

namespace zones {

std::array<std::array<double, kFields + 1>, kMaxZone + 1> SHELFVAR{};
std::int32_t NUMOFZONES = 0;
std::int32_t ZONE = 0;

double ZOOM = 0;
std::int32_t OFFSETX = 0, OFFSETY = 0;
double ZONEHIGHLIMITY = 0, ZONEHIGHLIMITX = 0, ZONELOWLIMITY = 0, ZONELOWLIMITX = 0;
std::int16_t OFFSETX_CIRCLES = 0, OFFSETY_CIRCLES = 0, TARGETMINY = 0, X_OFFSETX = 0,
             X_OFFSETY = 0, TARGETMINX = 0, TARGETMAXY = 0, TARGETMAXX = 0, LABELOFFSETX = 0,
             LABELOFFSETY = 0;

namespace {

using kiosk::RealToShort;
using kiosk::RealToWhole;

const std::array<double, kFields + 1>& ZoneRow(int z) {
  static const std::array<double, kFields + 1> kZeros{};
  return (z >= 0 && z <= kMaxZone) ? SHELFVAR[static_cast<std::size_t>(z)] : kZeros;
}

}  // namespace

std::array<kiosk::Str255, kFields + 1> SplitZoneLine(std::string_view line) {
  std::array<kiosk::Str255, kFields + 1> fields{};
  kiosk::Str255 rest(line);
  for (int i = 1; i <= kFields; ++i) {
    kiosk::Str255 head = rest;
    screen::SPLIT(head, rest);
    fields[static_cast<std::size_t>(i)] = head;
  }
  return fields;
}

std::array<double, kFields + 1> ParseZoneLine(std::string_view line) {
  const std::array<kiosk::Str255, kFields + 1> fields = SplitZoneLine(line);
  std::array<double, kFields + 1> row{};
  for (int i = 1; i <= kFields; ++i) {
    screen::STRINGTOREAL(fields[static_cast<std::size_t>(i)].view(), row[static_cast<std::size_t>(i)]);
  }
  return row;
}

void LOADZONES() {
  kiosk::TextFile in;
  if (!in.Open(kZoneFile)) return;
  double n = 0;
  screen::STRINGTOREAL(in.ReadLine().view(), n);
  NUMOFZONES = RealToWhole(n);
  for (std::int32_t z = 0; z <= NUMOFZONES; ++z) {
    kiosk::Str255 line = in.ReadLine();
    if (z > kMaxZone) break;  // the table ends at zone 50; the rest is ignored
    SHELFVAR[static_cast<std::size_t>(z)] = ParseZoneLine(line.view());
  }
  const auto& row = ZoneRow(ZONE);
  ZOOM = row[2];
  OFFSETX = RealToWhole(row[3]);
  OFFSETY = RealToWhole(row[4]);
}

void CONVZONE() {
  const auto& f = ZoneRow(ZONE);
  ZOOM = f[2];
  OFFSETX = RealToWhole(f[3]);
  OFFSETY = RealToWhole(f[4]);
  ZONEHIGHLIMITY = f[5];
  ZONEHIGHLIMITX = f[6];
  ZONELOWLIMITY = f[7];
  ZONELOWLIMITX = f[8];
  OFFSETX_CIRCLES = RealToShort(f[9]);
  OFFSETY_CIRCLES = RealToShort(f[10]);
  TARGETMINY = RealToShort(f[11]);
  X_OFFSETX = RealToShort(f[12]);
  X_OFFSETY = RealToShort(f[13]);
  TARGETMINX = RealToShort(f[14]);
  TARGETMAXY = RealToShort(f[15]);
  TARGETMAXX = RealToShort(f[16]);
  LABELOFFSETX = RealToShort(f[17]);
  LABELOFFSETY = RealToShort(f[18]);
}

bool INZONE(int z, double x, double y) {
  const auto& f = ZoneRow(z);
  return f[8] <= x && x <= f[6] && f[7] <= y && y <= f[5];
}

void ResetForTest() {
  for (auto& row : SHELFVAR) row.fill(0);
  NUMOFZONES = 0;
  ZONE = 0;
  ZOOM = 0;
  OFFSETX = OFFSETY = 0;
  ZONEHIGHLIMITY = ZONEHIGHLIMITX = ZONELOWLIMITY = ZONELOWLIMITX = 0;
  OFFSETX_CIRCLES = OFFSETY_CIRCLES = TARGETMINY = X_OFFSETX = X_OFFSETY = 0;
  TARGETMINX = TARGETMAXY = TARGETMAXX = LABELOFFSETX = LABELOFFSETY = 0;
}

}  // namespace zones
