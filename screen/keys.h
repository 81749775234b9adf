// Key values: the numbers found in screen::VALANS.
//
// ONKEY leaves a character's code there, or for a key that arrives as 0
// plus a code, that code + 128 kept to 8 bits. The answer engine turns some
// control keys into editing codes of its own before it acts on them
// (NormaliseKey), and a few modules leave a result code of their own.
//
// Owns: the one name of every key value the kiosk compares VALANS with;
// code and tests use these names, never the bare numbers.
#pragma once

#include <cstdint>

namespace screen::key {

// ---- Keys as ONKEY reads them
inline constexpr std::int32_t kNone = 0;  // no key yet, or a key handled
inline constexpr std::int32_t kEnter = 13;
inline constexpr std::int32_t kEscape = 27;   // abandon
inline constexpr std::int32_t kPause = 140;   // finish, or leave a screen
inline constexpr std::int32_t kAltC = 174;    // the calculator inside an answer
inline constexpr std::int32_t kAltM = 178;    // the language menu
inline constexpr std::int32_t kF1 = 187;  // F2..F7 follow: kF1 + 1 .. kF1 + 6
inline constexpr std::int32_t kF8 = 194;
inline constexpr std::int32_t kF10 = 196;
inline constexpr std::int32_t kUp = 200;
inline constexpr std::int32_t kDown = 208;
inline constexpr std::int32_t kPageDown = 209;

// F1..F8, the keys that show a hit on the map (and end any menu).
constexpr bool IsF1ToF8(std::int32_t v) { return v >= kF1 && v <= kF8; }
// F1..F10, the keys that zoom the map to the product.
constexpr bool IsF1ToF10(std::int32_t v) { return v >= kF1 && v <= kF10; }
// Escape or Pause: the two keys that leave a screen.
constexpr bool IsLeaveKey(std::int32_t v) { return v == kEscape || v == kPause; }

// ---- Editing codes of the answer engine (after NormaliseKey)
inline constexpr std::int32_t kBackspace = 8;
inline constexpr std::int32_t kTab = 9;
inline constexpr std::int32_t kCtrlHome = 11;  // keep only what is right of the cursor
inline constexpr std::int32_t kCtrlEnd = 15;   // keep only what is left of the cursor
inline constexpr std::int32_t kDelete = 151;
inline constexpr std::int32_t kEnd = 152;
inline constexpr std::int32_t kRight = 153;
inline constexpr std::int32_t kHome = 165;
inline constexpr std::int32_t kLeft = 166;

// ---- Result codes
// The shopper's search ends with this after staff typed the staff code.
inline constexpr std::int32_t kStaffLeft = 126;
// The guide ends with this.
inline constexpr std::int32_t kGuideLeft = 100;
// The map editor's add form ends with this when staff abandoned it (the
// element is not added).
inline constexpr std::int32_t kNothingAdded = 126;
// The map editor's change form ends with this when the identifier question
// was abandoned (the change is not stored).
inline constexpr std::int32_t kFieldAbandoned = 128;

}  // namespace screen::key
