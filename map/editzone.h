// The zone editor: staff set the 18 numbers of each map zone on a screen form
// and write data\zonedef.txt, which the map display reads at its next start.
//
//   EDITZONES(first) -> zone form of zone z -> a letter A..R: ask that field
//                    -> Up / Down: the zone before / after (back to zone 0
//                       past either end of the zones counted on line 1)
//                    -> Pause or S: count, save, leave ; Esc: leave, nothing saved
//
// Owns: the zone lines as text (ZONES, as many as the file holds, 21 to 51),
// the 18 field strings of the zone shown, the count written on line 1
// (NUMOFZONES2), the zone shown (ZONE) and the value placements of the form
// (LAYOUTZ, from the layout file "zone0"). The file's format is the zones
// module's (map/zones.h); the field meanings at run time are its too.
#pragma once

#include <array>
#include <cstdint>

#include "common/shortstr.h"
#include "map/zones.h"

namespace editzone {

using kiosk::Str255;

// The zone table holds zones 0..50; the editor holds as many zone lines as
// the file has, up to that, and always writes at least zones 0..20.
inline constexpr int kMaxLines = zones::kMaxZone + 1;
inline constexpr int kLinesWritten = 21;
inline constexpr int kFields = zones::kFields;

// Key letters A..R and the field (1..18) each edits, so that the form lists
// the limits as top, bottom, left, right and the unused fields together.
inline constexpr char kFirstKey = 'A';
inline constexpr char kLastKey = 'R';
inline constexpr std::array<int, kFields> kFieldOfKey = {1, 2, 3, 4, 7, 5, 8, 6, 9,
                                                         10, 12, 13, 14, 11, 16, 15, 17, 18};
// The save key shown on the prompt line; it does what Pause does.
inline constexpr char kSaveKey = 'S';

// ---- State ----
extern Str255 ZONES[kMaxLines];  // zone lines 0..50 as text ("|"-separated)
extern std::int32_t LINES;       // zone lines held and written (21..51)
extern std::int32_t NUMOFZONES2; // the count written on line 1
extern std::int32_t ZONE;        // the zone shown
// Value placements: entry 1 the zone's number beside the heading, entries
// 2..19 the values of keys A..R (text specs, see langs::FNTTEXT).
extern Str255 LAYOUTZ[kFields + 2];

// The fields of the zone shown: FIELD[i] is field i (1..18) of its line.
extern Str255 FIELD[kFields + 1];
// The same fields under the editor's names, in field order. The names of
// fields 5 to 8 do not follow their run-time meaning: field 5 is the upper
// y limit, 6 the upper x limit, 7 the lower y limit, 8 the lower x limit.
extern Str255 &SZONE, &SZOOM, &SOFFSETX, &SOFFSETY, &SZONELOWLIMITY, &SZONEHIGHLIMITY,
    &SZONELOWLIMITX, &SZONEHIGHLIMITX, &SOFFSETX_CIRCLES, &SOFFSETY_CIRCLES, &STARGETMINY,
    &SX_OFFSETX, &SX_OFFSETY, &STARGETMINX, &STARGETMAXY, &STARGETMAXX, &SLABELOFFSETX,
    &SLABELOFFSETY;

// ---- The editor ----
// The whole run, from the zone given; returns to the caller (the utilities
// menu) after saving or leaving.
void EDITZONES(std::int32_t firstZone);

// ---- Zone lines (map/editzone_lines.cpp) ----
// Reads the zone lines that follow line 1 of data\zonedef.txt into ZONES,
// trailing blanks removed, up to 51 lines; LINES := their number, at least
// 21. A file that cannot be opened gives 21 empty lines.
void LOADZONES2();
// Splits line z into FIELD[1..18] by the separator's rules; missing fields
// are empty.
void CONVZONE2(std::int32_t z);
// Joins FIELD[1..18] with "|" (none after the last) back into line z.
void PACKZONES(std::int32_t z);
// NUMOFZONES2 := the number of held lines whose zoom (field 2), taken to the
// nearest whole number, is not 0.
void COUNTZONES();
// Rewrites data\zonedef.txt as a whole (line 1 NUMOFZONES2, then the LINES
// zone lines as they stand), replacing the old file only once the new one
// is complete. False when it could not be written; the old file then stays.
bool SAVEZONE();

// ---- The form (map/editzone.cpp) ----
// CONVZONE2(z), then DISPLAYITZ.
void LISTZONES(std::int32_t z);
// Writes the zone's number and the 18 values at their placements, each
// value in the colour of its question.
void DISPLAYITZ();
// Asks the field of a key letter A..R with the zone form's question for it
// and stores the typed text in the field. An answer left empty keeps the
// field as it was. Other letters ask nothing.
void QUESTIONZ(char key, Str255& answer);

// Every global back to its start value (tests).
void ResetForTest();

}  // namespace editzone
