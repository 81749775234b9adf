// The map renderer: draws the store map of one floor in the current zone
// from the map element file, element by element, straight onto the window.
// Shelves and walls are rotated boxes (screen::DRAWBOXG), fixtures are fixed
// little drawings at the element's anchor, labels are texts in the current
// language. Nothing is kept between redraws: every redraw walks the whole
// file again, reading it ahead a window at a time (isam/readahead.h).
//
// The same drawing serves the help picture (map/help1.h), which takes its
// elements from a text description and draws them under rules of its own
// (DrawRules below); the store map's rules are kStoreMap.
//
// Owns the render state below (the floor drawn, the display options, the
// group name of the last "#" element, the per-element flags). The zone's
// transform comes from the zones module, the current element from
// editmap::SHELF (or the help picture's record while it draws), the
// language number and words from the screen globals.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "common/shortstr.h"
#include "map/mapfile.h"

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

// An element drawn in place of its stored record: while staff move a shelf,
// the map shows it where they are putting it, picked out, and its record
// stays as it is until the move is finished. PICKREC 0: none.
extern std::int32_t PICKREC;
extern editmap::MAPDEF PICKED;

// The decoded current element (filled by DECODE).
extern double IX, IY, BL1, BW1;
extern std::int32_t BAN, I2, I3, I4, I5, I6, FLH, SFLOOR;

// ---- One element, as the store map and the help picture draw it ----
// The text fields of an element, as views into the caller's record (which
// outlives the drawing).
struct ElementText {
  std::string_view id, x, y, length, width, angle, colour, style, fill, thick, font, background,
      size, label, floor;
};
// The fields of any record laid out like a map element (MAPDEF, SHELFDEF).
template <class Record>
ElementText TextOf(const Record& r) {
  return {r.S_ID.view(),     r.S_X.view(),     r.S_Y.view(),       r.S_LENGTH.view(),
          r.S_WIDTH.view(),  r.S_ANGLE.view(), r.S_COLOR.view(),   r.S_STYLE.view(),
          r.S_FILL.view(),   r.S_THICK.view(), r.S_IFLABEL.view(), r.S_BCOLOR.view(),
          r.S_SIZE.view(),   r.S_MAPLABEL.view(), r.S_FLOOR.view()};
}

// A fixture code and the routine that draws it: an exact code must equal
// the element's code (in capitals), the others may stand anywhere in it.
struct FixtureCode {
  const char* code;
  bool exact;
  void (*draw)();
};

// How a display draws its elements.
struct DrawRules {
  // Members of a "#" group are drawn through the group's element only.
  bool groupRule;
  // The floor an element lies on, from its identifier and the whole part of
  // its floor field.
  std::int32_t (*floorOf)(std::string_view id, std::int32_t floor);
  // Tried in order; every match is drawn instead of the element's box.
  std::span<const FixtureCode> fixtures;
  // Labels are drawn only for the current language (its word in the
  // identifier, its digit in the length field) and grid labels only with the
  // grid option; without, the label option alone decides.
  bool languageLabels;
};
extern const DrawRules kStoreMap;

// Draws one element under the rules (DISMAP is the store map's element).
void DrawElement(const ElementText& element, const DrawRules& rules);
// The element being drawn and its rules: DrawElement's while it runs, else
// editmap::SHELF under the store map's rules.
ElementText CurrentElement();
const DrawRules& CurrentRules();

// ---- Drawing ----
// The whole map for the current state: every live element of the open map
// file, by record number up to the highest number allocated. Draws nothing
// when the map file is not open. Ends with the full-screen viewport.
void SHELVES2();
// The element in editmap::SHELF.
void DISMAP();
// The current label element.
void MLABEL();

// Fixtures of the current element, drawn at its anchor.
void FIXTURES();   // F1: a square table with four rails
void FIXTURES2();  // F2: a square bay with four rails
void FIXTURES3();  // F3: a corner rack and a small square
void FIXTURES4();  // F4: a larger corner rack and square
void GC04();       // R4: round table with two rails
void GC04P();      // 4C, C5: round table
void GC0();        // C0: round table
void GC03();       // R42: round table with a panel
void GC03P();      // 42C: two rails, no table
void FIXTURES6();  // F6 (help picture only): a four-way stand
// Fill pattern and line style of the round fixtures from the element.
void LSTYLE();

// The five language words (lines 1..5 of data\lang2.txt) into screen::LANGG;
// a file that cannot be opened leaves them as they are.
void GETLANG2();

// Decodes the current element into IX .. SFLOOR.
void DECODE();

// Every global above back to its start value (tests).
void ResetForTest();

}  // namespace mapview
