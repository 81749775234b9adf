// The translation of key presses into the key queue's characters and codes.
// Pure functions, shared by the SDL window and the headless key scripts.
#pragma once

#include <cstdint>
#include <string_view>

namespace graph {

// The keys the table knows, independent of any windowing system.
enum class Key : std::uint8_t {
  None,
  F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
  PageUp, PageDown, End, Home, Left, Up, Right, Down, Insert, Delete,
  Backspace, Enter, Space, Tab, Escape, Pause, Menu,
  Kp0, Kp1, Kp2, Kp3, Kp4, Kp5, Kp6, Kp7, Kp8, Kp9,
  KpMultiply, KpPlus, KpMinus, KpPeriod, KpDivide, KpEnter,
  Letter,  // with KeyPress::letter 'A'..'Z'
  Digit,   // with KeyPress::letter '0'..'9'
  Shift, Ctrl, Alt,  // a modifier pressed alone
};

struct KeyPress {
  Key key = Key::None;
  char letter = 0;
  bool shift = false, ctrl = false, alt = false, numLock = false;
};

// What a key press puts into the queue: nothing, one character, or a zero
// followed by a code. Characters that arrive as typed text (letters,
// digits, punctuation, keypad digits with Num Lock) are not produced here.
struct KeyOutput {
  enum Kind : std::uint8_t { kNothing, kChar, kCode } kind = kNothing;
  std::uint8_t value = 0;
  bool operator==(const KeyOutput&) const = default;
};

KeyOutput TranslateKey(const KeyPress& press);

// SDL keycode and modifier state to a KeyPress (Num Lock and Scroll Lock
// bits do not count as modifiers).
KeyPress KeyPressFromSdl(std::int32_t keycode, std::uint16_t mod);

// A key by its script name ("F1", "PGUP", "KP5", "A", "7"...); Key::None
// when unknown.
KeyPress KeyPressFromName(std::string_view name);

}  // namespace graph
