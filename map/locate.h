// The location display: the store map of the product's floor with the
// kiosk's own position blinking as a cross (when the kiosk stands on that
// floor) and rings drawn over the product, until a key or 15 animation
// cycles. F1..F10 zoom into the zone that holds the product.
//
// Owns the display's floors, preset, cycle counter, option answer and wait
// menus. The
// product's position (XFOUND, YFOUND) and the kiosk's (WHEREISX, WHEREISY,
// FLOORX) are the configuration module's; the floor drawn and the display
// options are the renderer's (mapview). Every wait goes through graph::Delay.
#pragma once

#include <cstdint>

#include "common/shortstr.h"

namespace dispmap {

extern std::int32_t CFLOOR;     // the product's floor
extern std::int32_t FLOOR1;     // the floor shown, 0 for the ground floor
extern std::int32_t OFLOOR;     // likewise
extern std::int32_t TEST_FLAG;  // display preset 0..5 (see QUES)
extern std::int32_t ZOOM_FLAG;  // the zone zoomed to
extern std::int32_t PON;        // animation cycles of the current wait
extern std::int32_t CQI;        // last option answer; 126 keeps the zone as drawn
// The menu lines under the map while it waits for a key, and under the
// zoomed map. The staff screens go back to where they were after the map
// (menus 6 and 53); the shopper's search goes on to its next product and
// sets its own lines for the call (60 and 61).
extern std::int32_t WAIT_MENU, ZOOM_MENU;
inline constexpr std::int32_t kWaitMenu = 6, kZoomMenu = 53;
inline constexpr std::int32_t kShopperWaitMenu = 60, kShopperZoomMenu = 61;

// Cycles without a key after which the display returns.
inline constexpr std::int32_t kCycles = 15;
// Pictures: the kiosk cross and the backgrounds saved under the cross and
// under the rings.
inline constexpr const char* kCross = "fixtures\\x.bmp";
inline constexpr const char* kCrossBackground = "x2.bmp";
inline constexpr const char* kRingsBackground = "c2.bmp";

// The entry from the shopper's search: opens the map file (in the running
// store when there is one), shows the display and closes the map file
// again; a map file the caller holds open (the map editor) is used as it
// is and left open. A product file the caller holds open is closed for the display and
// open again on return. False when the map could not be shown or the
// caller's file not reopened; the store's error was then reported and
// IsamOK / IsamError describe it.
bool DISPLAYMAP2(std::int32_t floor, std::int32_t productFloor, std::int32_t preset, double x,
                 double y);

// The display loop on the open map file (the map editor calls it directly).
void LOADSH();
// Its first part: the map of the preset drawn, with no wait (the map editor
// shows a shelf being moved this way while it asks what to do next).
void DRAWMAP();
// Applies the preset TEST_FLAG, or asks the options for preset 0.
void QUES();
void CLEAR_QUES();
// Asks a whole number: entry `before` of the loaded layout entries ("ques"),
// a blank, the highest number allowed, entry `after`. A text that is no
// number gives 0.
std::int32_t ASKWHOLE(std::int32_t before, std::int32_t limit, std::int32_t after);
// One cross-and-rings wait at the kiosk's position.
void DOPON();
void DOX(double x, double y);
void DOCIRCLES(double x, double y);

void ResetForTest();

}  // namespace dispmap
