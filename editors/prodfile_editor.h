// The product editor: the staff screens that maintain the product file.
//
//   EDITPROD2 (product menu) -> add | copy | delete | change | utilities |
//                               map of the last product | back
//   copy, delete, change: EDITPRODUCTS3 = search (EDITPRODUCTSXX, SEARCHKEY2)
//                         -> browse (LISTPRODUCT) -> change form (EDITPROD3)
//   PRODUTILITIES: report, rebuild, hide / show a shelf (EDITPRODUCTS4),
//                  new file from text, export, map, list (LISTPP), erase
//
// Owns: the editor's search and browse state below and the product
// report's layout. The record, its keys and the file glue are the product
// file's (editors/prodfile.h); the map position and floors carried between
// screens are the configuration module's (XFOUND, YFOUND, FLOOR1, FLOOR,
// CFLOOR). Every write of a product replaces the index entries of the keys
// whose fields changed, so the indexes always follow the records.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/shortstr.h"
#include "editors/prodfile.h"
#include "isam/isam.h"

namespace report {
struct Layout;
}

namespace editprod {

inline constexpr const char* kReportFile = "docs\\ItemsList.txt";
// The most matches a search keeps.
inline constexpr std::int32_t kMaxMatches = 1000;

extern isam::IsamKeyStr PKEY1;   // the search text as asked
extern std::int32_t DD;          // the match shown
extern kiosk::Str255 NOTSAVE;    // "No" after the change form ended with Pause, "Yes" with Escape
extern std::int32_t COUNTLOOP;   // heading of the current screen

// The product menu (staff menu item B); returns with VALANS at kStaffLeft
// after "back".
void EDITPROD2();

// Search, browse and the change form of the product chosen. On return
// VALANS is Pause when the change form ended with Pause (the product, as
// changed, in PRODUCT; as read, in PRODUCT2; its number in REC), else
// Escape.
void EDITPRODUCTS3();
// Asks the key and the search text and searches; false (VALANS Escape)
// when staff left instead.
bool EDITPRODUCTSXX();
// Fills REC_FOUND[0..CNT1) with the live products whose key keyNr holds the
// text (case aside), walking the whole index; a text that finds nothing is
// shortened from its end until it does. Nothing found (an empty text, an
// empty file): CNT1 0 and the not-found text shown.
void SEARCHKEY2(std::string_view text, std::int32_t keyNr);
// Draws PRODUCT with its record number (REC; none for 0) and the heading.
void LISTPRODUCT();
// Reads match dd into PRODUCT (and PRODUCT2, REC) and draws it; false
// when the store could not read it (reported).
bool SHOWMATCH(std::int32_t dd);

// The add form: the 18 questions in record order into PRODUCT. False when
// staff abandoned it (Escape on the first question, or on the menu after).
bool EDITPROD4();
// The change form on PRODUCT: menu 1 chooses a field, until Pause or
// Escape (NOTSAVE "No" or "Yes").
void EDITPROD3();

// Hides ('H') or shows again ('U') the products of the shelf of a product
// staff find and choose; the product file is opened here.
void EDITPRODUCTS4(char mode);

// The product utilities (product menu E).
void PRODUTILITIES();
// Browses a number of the products a search finds (the file open).
void LISTPP();

// The map position and the three floors taken from a product.
void TakePosition(const PRODDEF& p);
// The map of the product last shown (the map position as carried, the
// floors the product's) with a display preset; the product file closed.
void SHOWONMAP(std::int32_t preset);

// The product report of the open product file (password first).
bool PRINTPRODUCT();
// Its layout for the report writer.
const report::Layout& ProductReport();

// The editor's state and hooks back to their start (part of ResetForTest).
void ResetEditorForTest();

}  // namespace editprod
