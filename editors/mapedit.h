// The map editor: the staff screens that draw and maintain the store map.
//
//   EDITSHELVES2 (zones loaded) -> EDITSHEFS2, the map menu:
//     add an element | add a label | copy | delete | change | view a
//     position or a floor | draw the map | map utilities | back
//   copy, delete, change: EDITSHELVES3 = search (EDITSHELVES3XX,
//     SEARCHKEY2) -> browse (LISTSHELVES) -> change form (EDITSHELF3)
//   SHELFUTILITIES: report, rebuild, move a shelf (MUPDATE), draw, export,
//     new file from text, list (LISTPP), erase
//   HSEARCHS / UHSEARCHS: the product editor's hide and unhide of a shelf
//     reach the shelf's element here (installed as its hooks).
//
// Owns: the editor's state below, its screens, the interactive shelf move
// and the map element report's layout. The record, its keys, the exchange
// file and the file glue are the map file's (map/mapfile.h); the drawing is
// the renderer's (map/render.h) and the location display's (map/locate.h);
// the map position and floors carried between screens, and the values a
// moved shelf leaves for its products, are the configuration module's.
// Every write of an element replaces the index entries of the keys whose
// fields changed, and a deletion erases the element's own entries, so the
// indexes always follow the records.
//
// The shelf move stores nothing until staff finish it: the element is
// picked out (colour 220, thickness 3) in the drawing only, where staff are
// putting it, and written once, with its own colour and thickness at its
// new place, when the move ends with B or Pause; its products follow then.
// A move that is undone, or cut short by a crash, leaves the element and
// its products exactly as they were.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

#include "common/shortstr.h"
#include "map/mapfile.h"

namespace report {
struct Layout;
}

namespace editmap {

inline constexpr const char* kReportFile = "docs\\MapElementList.txt";
// The most matches a search keeps.
inline constexpr std::int32_t kMaxMatches = 1000;
// What a picked-out element is drawn with during a move.
inline constexpr std::string_view kPickColour = "220";
inline constexpr std::string_view kPickThickness = "3";

extern MAPDEF SHELF2;                  // the element as read, before the change form
extern MAPDEF ORIGSHELF, NEWSHELF;     // a moved element before and after the move
extern std::array<kiosk::Str255, kFields + 1> OUTSTR;  // its fields as texts, 1..18
extern std::array<std::int32_t, kMaxMatches + 1> REC_FOUND;  // search result
extern std::int32_t CNT1;              // matches in REC_FOUND
extern std::int32_t DD;                // the match shown
extern std::int32_t REC;               // record number of SHELF (0: none chosen)
extern char SAVEIT;                    // '~' when the change form must not be stored
extern std::int32_t FIRST_FLAG;        // 1 when a change form changed S_ID
extern std::int32_t REKEY_FLAG;        // 1 after an add or a copy
extern kiosk::Str255 NAMEX;            // identifier of the element being moved
extern kiosk::ShortStr<4> OCOLOR, OSIZE;  // its own S_COLOR and S_THICK
extern std::int32_t COLOR_FLAG;        // 1 while a moved element is picked out
extern std::int32_t COUNTLOOP;         // heading of the current screen

// Work on the open map file: the store set up and the file opened, the
// frame drawn and the heading shown (none for 0), work done, the file
// closed and the store released.
void ONMAPFILE(std::int32_t header, const std::function<void()>& work);

// The map of the map file with a location display preset (0: every option
// asked), no product ringed; the map position is kept.
void SHOWMAP(std::int32_t preset);

// The map menu (staff menu item A), with the zones loaded first.
void EDITSHELVES2();
void EDITSHEFS2();

// Search, browse and the change form of the element chosen, on the open
// map file. On return REC is the element chosen (0: none), SHELF holds it
// as changed and SHELF2 as read; VALANS is Pause when the change form ended
// with Pause, else Escape (SAVEIT '~').
void EDITSHELVES3();
// Asks the key (menu 23) and the search text and searches; false (VALANS
// Escape) when staff left instead.
bool EDITSHELVES3XX();
// Fills REC_FOUND[0..CNT1) with the live elements whose key keyNr holds the
// text (case aside), walking the whole index; a text that finds nothing is
// shortened from its end until it does. Nothing found: CNT1 0 and the
// not-found text shown.
void SEARCHKEY2(std::string_view text, std::int32_t keyNr);
// Fills REC_FOUND[0..CNT1) with the live elements whose S_ID equals the
// text (case and blanks around it aside), walking index keyNr to its end.
void SEARCHKEY(std::string_view text, std::int32_t keyNr);
// Browses the matches of a search without the change form (the map
// utilities' list).
void LISTPP();

// SHELF on the screen with its record number (REC) and the heading: form
// "edm8" for a label ("}" in S_ID), else "edm3"; LISTSHELVES2 always "edm8".
void LISTSHELVES();
void LISTSHELVES2();
// Draws SHELF again the way it was drawn last.
void SHOWAGAIN();
// The map position and the three floors taken from an element.
void TakePosition(const MAPDEF& element);
// SHELF into OUTSTR and back (each text cut to its field).
void TOARRAYO();
void FROMARRAYO();

// The add form: the 18 questions into SHELF. VALANS kNothingAdded when
// staff abandoned it (nothing typed for the identifier).
void EDITSHELF4();
// The change form on SHELF: menu 2 chooses a field, until Pause or Escape.
// Afterwards the map position and floor follow the element; SAVEIT is '~'
// after Escape or an abandoned identifier.
void EDITSHELF3();

// Deletes element refNr and every index entry of it.
bool DELETES(std::int32_t refNr);

// The interactive move of one shelf with its products (map utilities C).
void MUPDATE();
// A direction snapped as the product move snaps it, except that 338 to 360
// degrees give 360.
std::int32_t CHECKANGLE(std::int32_t degrees);

// Hides the elements whose identifier is the shelf text (case and blanks
// around it aside) by appending "~"; an identifier with no room for the
// mark is named to staff and left as it is.
void HSEARCHS(std::string_view shelf);
// Shows again the elements whose identifier is the shelf text followed by
// the "~" a hide appended (case aside), removing exactly that mark.
void UHSEARCHS(std::string_view shelf);

// The map utilities (map menu H).
void SHELFUTILITIES();
// The map element report of the open map file (password first).
bool PRINTSHELVES();
const report::Layout& MapElementReport();
// Erases the map file and makes it afresh, empty (password and confirmation
// first); false when staff declined or it could not be made.
bool ERASEMAP();
// Replaces the map file by one filled from data\Shelves.txt (password and
// confirmation first; a missing or empty text file is refused and the map
// file kept).
bool NEWMAPFROMTEXT();

// Every global above back to its start value (tests).
void ResetEditorForTest();

}  // namespace editmap
