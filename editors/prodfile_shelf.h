// The products of one shelf as a whole: moved along when the map editor
// moves or turns their shelf, hidden from and shown again to shoppers.
//
// Owns: the direction snapping and the table of new positions, and the
// hooks through which hiding a shelf's products also hides the shelf's map
// element. The move values the map editor leaves (old and new anchor,
// direction and length) and the floor are the configuration module's
// (shell/cfgfiles.h); the product file is the product module's.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace editprod {

// A direction in whole degrees snapped to a multiple of 45: 0..22 -> 0,
// 23..66 -> 45, 67..112 -> 90, 113..177 -> 135 (but 157), 178..202 -> 180,
// 203..247 -> 225, 248..292 -> 270, 293..337 -> 315, 338..360 -> 0. Any
// other direction (157, or outside 0..360) comes back unchanged.
std::int32_t CHECK_ANGLE(std::int32_t degrees);

// The new position of a product at (x, y) on the shelf the map editor moved
// (cfgfiles::XORRIG, YORRIG, AORRIG old; NXORRIG, NYORRIG, NAORRIG,
// NY2ORRIG new). Not turned: the product keeps its offset from the anchor.
// Turned: the table of the old and new snapped directions gives its offset
// from the new anchor. A turn from or to a direction that is no multiple of
// 45, or of a shelf of length 0, leaves (x, y) as they are; false then.
bool GET_NEWPADD(double& x, double& y);

// Moves every live product whose shelf is elementName (case and blanks
// around it aside) to its new position, and to the floor cfgfiles::FLOOR1
// (stored right-aligned in two places); positions are stored with four
// decimals. Opens and closes the product file in the running store (or
// starts and ends a store of its own). Returns the products moved, -1 when
// the product file could not be opened.
std::int32_t SHELF_MP(std::string_view elementName);

// The live products whose shelf is shelf (upper-cased, blanks around it
// trimmed, on both sides), found through key 2, in key order. The product
// file must be open.
std::vector<std::int32_t> SHELFPRODUCTS(std::string_view shelf);

// Hides (a "~" appended to the search words) or shows again (the words cut
// before their first "~") every product of the shelf, then closes the
// product file, releases the store and hides or shows the shelf's map
// element through the hook. The product file must be open. HSEARCHP
// returns the search words of the products that stayed visible because
// their words have no room for the "~"; UHSEARCHP the products shown again.
std::vector<std::string> HSEARCHP(std::string_view shelf);
std::int32_t UHSEARCHP(std::string_view shelf);

// The map editor's hide and unhide of a shelf's element (HSEARCHS,
// UHSEARCHS); empty: the map is left alone.
extern std::function<void(std::string_view shelf)> HideShelfElementHook;
extern std::function<void(std::string_view shelf)> UnhideShelfElementHook;

}  // namespace editprod
