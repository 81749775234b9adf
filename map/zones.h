// Map zones: zone 0 is the whole store, zones 1..N enlarged parts of it.
// Each zone fixes the scale and shift from map units to screen pixels, the
// rectangle of map coordinates it covers and small pixel corrections; the
// zones live in data\zonedef.txt (line 1: N, then one "|"-separated line of
// 18 numbers per zone). LOADZONES reads the table, CONVZONE applies one zone
// to the globals the renderer and the location display use.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "common/shortstr.h"

namespace zones {

inline constexpr int kMaxZone = 50;  // the table holds zones 0..50
inline constexpr int kFields = 18;
inline constexpr const char* kZoneFile = "data\\zonedef.txt";

// SHELFVAR[z][i]: field i (1..18) of zone z; [z][0] is 0.
extern std::array<std::array<double, kFields + 1>, kMaxZone + 1> SHELFVAR;
extern std::int32_t NUMOFZONES;

// The zone being shown (set by the location display, options and editors).
extern std::int32_t ZONE;

// Globals filled by CONVZONE.
extern double ZOOM;
extern std::int32_t OFFSETX, OFFSETY;
extern double ZONEHIGHLIMITY, ZONEHIGHLIMITX, ZONELOWLIMITY, ZONELOWLIMITX;
extern std::int16_t OFFSETX_CIRCLES, OFFSETY_CIRCLES, TARGETMINY, X_OFFSETX,
    X_OFFSETY, TARGETMINX, TARGETMAXY, TARGETMAXX, LABELOFFSETX, LABELOFFSETY;

// Reads data\zonedef.txt into the table (a missing file leaves everything as
// it is), then sets ZOOM, OFFSETX and OFFSETY from zone ZONE. Lines past
// zone 50 are ignored.
void LOADZONES();

// Splits one zone line into its field texts 1..18 (field i at [i]) by the
// separator's rules; missing fields are empty.
std::array<kiosk::Str255, kFields + 1> SplitZoneLine(std::string_view line);
// The same fields as numbers; a field that is not a number, or is missing,
// reads as 0.
std::array<double, kFields + 1> ParseZoneLine(std::string_view line);

// Copies the fields of zone ZONE into the globals; a zone number outside the
// table gives a zone of zeros.
void CONVZONE();

// True when (x, y) lies in zone z, borders included.
bool INZONE(int z, double x, double y);

void ResetForTest();

}  // namespace zones
