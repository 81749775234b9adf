// The configuration module: lang\config.txt, fourteen lines, one value per
// line, its meaning given by its line number:
//   1 kiosk x on the map   2 kiosk y        3 kiosk floor     4 machine number
//   5 language line        6 search limit   7 excluded words  8 number of floors
//   9 store name          10 street        11 city           12 state
//  13 staff password      14 second password (stored scrambled)
// TESTNEWCFG reloads it into the globals below; it runs before every text
// lookup and password prompt, so an edited file takes effect at once.
//
// Owns: the configuration globals, the language number LANG, the found
// position XFOUND/YFOUND and floors of the map modules, the move values of
// a moved shelf and TEST_FLAG (the start-screen redraw switch, cleared by
// the configuration editor). Fills the screen toolkit's NAMEADDR.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "common/shortstr.h"

namespace cfgfiles {

using kiosk::Str255;

// Converted settings.
extern double WHEREISX, WHEREISY;  // kiosk position on the store map
extern std::int32_t FLOORX;        // floor the kiosk stands on
extern std::int32_t FLIMITI;       // result limit of the shopper's search
extern std::int32_t NOOFFLOORS;    // floors of the store
extern std::int32_t LANG;          // language number 1..5 (0: none chosen yet)

// The fourteen lines as read. Inside this module line 10 is held under
// STORECITY and line 11 under STORESTREET; NAMEADDR (name, city, street,
// state) uncrosses them, and NAMEADDR is what the rest of the kiosk reads.
extern Str255 WHEREXS, WHEREYS, FLOORXS, MACHINENO, LANGS, FLIMITS, EXCLUDE,
    NOOFFLOORSS, STORENAME, STORECITY, STORESTREET, STORESTATE, SIMPLEPW, STRONGPW;

// Position of the shelf found by the shopper's search (map modules).
extern double XFOUND, YFOUND;

// 1 while the start screen may be drawn a second time after a language
// change; the main routine sets it, the configuration editor clears it.
extern std::int32_t TEST_FLAG;

// The floors the staff screens carry from one screen to the next with the
// map position: the floor to show, the product's floor and the current one.
extern std::int32_t FLOOR1, FLOOR, CFLOOR;
// 1 after the product editor added, copied or deleted a product (the
// not-found log reads it).
extern std::int32_t REKEY_FLAG;
// State of the map editor's interactive shelf move, cleared when it ends.
extern std::int32_t HFLAG, MOVE_FLAG;
// A moved shelf as the map editor leaves it for its products: old anchor
// and snapped direction, new anchor, snapped direction and length.
extern double XORRIG, YORRIG, NXORRIG, NYORRIG, NY2ORRIG;
extern std::int32_t AORRIG, NAORRIG;

// The file and its lines, index 0 being line 1.
inline constexpr std::string_view kConfigFile = "lang\\config.txt";
inline constexpr int kConfigLines = 14;
using ConfigLines = std::array<Str255, kConfigLines>;

// Reads the fourteen lines, line 14 unscrambled (lines past the end of the
// file are empty); false, and lines untouched, when the file does not open.
bool ReadConfigLines(ConfigLines& lines);
// Replaces the file with the lines, line 14 scrambled, each ended by CR LF.
// The old file is replaced whole or not at all (a kill or a full disk
// leaves it as it was); false when the new one could not be written.
bool WriteConfigLines(const ConfigLines& lines);

// Loads lang\config.txt (a missing file keeps every value) and hands back
// the kiosk position and floor; callers pass WHEREISX, WHEREISY, FLOORX.
void TESTNEWCFG(double& x, double& y, std::int32_t& floor);

// A whole-number line: blanks around it allowed, an optional sign, digits;
// anything else (a fraction, trailing text, a value beyond 32 bits) gives 0.
std::int32_t TextToInteger(std::string_view text);
// The same reading; false (n untouched) for a text that is no such number.
bool ReadWhole(std::string_view text, std::int32_t& n);

// Every global back to its start-up value.
void ResetForTest();

}  // namespace cfgfiles
