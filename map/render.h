// The map renderer: draws the store map of one floor in the current zone
// from the map element file, element by element, straight onto the window.
// Shelves and walls are rotated boxes (screen::DRAWBOXG), fixtures are fixed
// little drawings at the element's anchor, labels are texts in the current
// language. Nothing is cached: every redraw walks the whole file again.
//
// Owns the render state below (the floor drawn, the display options, the
// group name of the last "#" element, the per-element flags). The zone's
// transform comes from the zones module, the current element from
// editmap::SHELF, the language number and words from the screen globals.
#pragma once

#include <cstdint>

#include "common/shortstr.h"

namespace mapview {

using kiosk::ShortStr;
using kiosk::Str255;

// ---- Render state (lives for the whole run) ----
extern std::int32_t CHANGEZONE;  // the floor being drawn
extern std::int32_t FLOOR;       // the floor shown (follows CHANGEZONE per element)
extern ShortStr<1> PSHELVES;     // "Y": draw elements whose identifier holds "!"
extern ShortStr<1> PGRID;        // "Y": draw grid elements and grid labels
extern ShortStr<1> PLABEL;       // "Y": draw label elements at all
// Group name (text before the first "#") of the last "#" element drawn;
// never cleared, so it carries over between elements and redraws.
extern Str255 SNAMEX;
extern std::int32_t FLG;  // why the element got no box: 0 none, 1 "!", 2 grid/label, 3 other floor
extern std::int32_t F1;   // 2 when a fixture was drawn for the element
extern std::int32_t FG;   // 0 until the label font has been primed in this display

// The zone number that shows every whole-store grid label when the grid
// option is on.
inline constexpr std::int32_t kAllGridLabels = -999;

// The decoded current element (filled by DISMAP from editmap::SHELF).
extern double IX, IY, BL1, BW1;
extern std::int32_t BAN, I2, I3, I4, I5, I6, FLH, SFLOOR;

// ---- Drawing ----
// The whole map for the current state: every live element of the open map
// file, by record number up to the highest number allocated. Draws nothing
// when the map file is not open. Ends with the full-screen viewport.
void SHELVES2();
// The element in editmap::SHELF.
void DISMAP();
// The label element in editmap::SHELF.
void MLABEL();

// Fixtures of the element in editmap::SHELF, drawn at its anchor.
void FIXTURES();   // F1: a square table with four rails
void FIXTURES2();  // F2: a square bay with four rails
void FIXTURES3();  // F3: a corner rack and a small square
void FIXTURES4();  // F4: a larger corner rack and square
void GC04();       // R4: round table with two rails
void GC04P();      // 4C, C5: round table
void GC0();        // C0: round table
void GC03();       // R42: round table with a panel
void GC03P();      // 42C: two rails, no table
// Fill pattern and line style of the round fixtures from the element.
void LSTYLE();

// The five language words (lines 1..5 of data\lang2.txt) into screen::LANGG;
// a file that cannot be opened leaves them as they are.
void GETLANG2();

// Decodes editmap::SHELF into IX .. SFLOOR.
void DECODE();

// Every global above back to its start value (tests).
void ResetForTest();

}  // namespace mapview
