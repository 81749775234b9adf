// The key translation table.
#include "graph/keymap.h"

#include <SDL2/SDL_keyboard.h>
#include <SDL2/SDL_keycode.h>

#include <cctype>
#include <string>

#include "common/text.h"

namespace graph {
namespace {

KeyOutput Char(int c) { return {KeyOutput::kChar, static_cast<std::uint8_t>(c)}; }
KeyOutput Code(int c) { return {KeyOutput::kCode, static_cast<std::uint8_t>(c)}; }
KeyOutput Nothing() { return {}; }

// Cursor and editing keys: plain (Shift ignored), Ctrl first, then Alt.
struct NavRow {
  Key key;
  int plain, ctrl, alt;
};
const NavRow kNav[] = {
    {Key::PageUp, 73, 132, 153}, {Key::PageDown, 81, 118, 161}, {Key::End, 79, 117, 165},
    {Key::Home, 71, 119, 164},   {Key::Left, 75, 115, 155},     {Key::Up, 72, 141, 152},
    {Key::Right, 77, 116, 157},  {Key::Down, 80, 145, 160},     {Key::Insert, 82, 146, 162},
    {Key::Delete, 83, 147, 163},
};

KeyOutput Nav(Key k, const KeyPress& p) {
  for (const NavRow& r : kNav)
    if (r.key == k) return Code(p.ctrl ? r.ctrl : p.alt ? r.alt : r.plain);
  return Nothing();
}

// Keypad digits without Num Lock act as the cursor keys printed on them.
Key KeypadNavigation(Key k) {
  switch (k) {
    case Key::Kp7: return Key::Home;
    case Key::Kp8: return Key::Up;
    case Key::Kp9: return Key::PageUp;
    case Key::Kp4: return Key::Left;
    case Key::Kp6: return Key::Right;
    case Key::Kp1: return Key::End;
    case Key::Kp2: return Key::Down;
    case Key::Kp3: return Key::PageDown;
    case Key::Kp0: return Key::Insert;
    case Key::KpPeriod: return Key::Delete;
    default: return Key::None;
  }
}

const std::uint8_t kAltLetter[26] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                                     49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44};

}  // namespace

KeyOutput TranslateKey(const KeyPress& p) {
  const Key k = p.key;
  if (k >= Key::F1 && k <= Key::F10) {
    int i = static_cast<int>(k) - static_cast<int>(Key::F1);
    return Code((p.shift ? 84 : p.ctrl ? 94 : p.alt ? 104 : 59) + i);
  }
  if (k == Key::F11 || k == Key::F12) {
    int i = k == Key::F12 ? 1 : 0;
    return Code((p.shift ? 135 : p.ctrl ? 137 : p.alt ? 139 : 133) + i);
  }
  if (k >= Key::PageUp && k <= Key::Delete) return Nav(k, p);
  if ((k >= Key::Kp0 && k <= Key::Kp9) || k == Key::KpPeriod) {
    if (!p.numLock) {
      if (k == Key::Kp5) return Code(p.ctrl ? 143 : 76);
      return Nav(KeypadNavigation(k), p);
    }
    if (k == Key::KpPeriod) return p.ctrl ? Code(150) : p.alt ? Code(114) : Nothing();
    return Nothing();  // the digit comes as typed text
  }
  switch (k) {
    case Key::KpMultiply: return p.ctrl ? Code(149) : p.alt ? Code(70) : Nothing();
    case Key::KpPlus: return p.ctrl ? Code(144) : p.alt ? Code(78) : Nothing();
    case Key::KpMinus: return p.ctrl ? Code(142) : p.alt ? Code(74) : Nothing();
    case Key::KpDivide: return p.ctrl ? Code(148) : p.alt ? Code(69) : Nothing();
    case Key::Menu: return Code(151);
    case Key::Backspace: return p.ctrl ? Char(127) : p.alt ? Code(14) : Char(8);
    case Key::Enter:
    case Key::KpEnter: return p.ctrl ? Char(10) : p.alt ? Code(166) : Char(13);
    case Key::Space: return p.ctrl ? Char(32) : p.alt ? Code(11) : Nothing();
    case Key::Tab: return p.ctrl ? Char(30) : p.alt ? Nothing() : Char(9);
    case Key::Escape: return Char(27);
    case Key::Pause: return p.ctrl ? Nothing() : p.alt ? Code(169) : Code(12);
    case Key::Letter: {
      int i = std::toupper(static_cast<unsigned char>(p.letter)) - 'A';
      if (i < 0 || i >= 26) return Nothing();
      if (p.ctrl && !p.alt) return Char(i + 1);  // Ctrl+A .. Ctrl+Z
      if (p.alt && !p.ctrl) return Code(kAltLetter[i]);
      return Nothing();
    }
    case Key::Digit: {
      if (!p.alt || p.ctrl || p.letter < '0' || p.letter > '9') return Nothing();
      return Code(p.letter == '0' ? 129 : 120 + (p.letter - '1'));
    }
    default: return Nothing();
  }
}

KeyPress KeyPressFromSdl(std::int32_t keycode, std::uint16_t mod) {
  KeyPress p;
  p.shift = (mod & KMOD_SHIFT) != 0;
  p.ctrl = (mod & KMOD_CTRL) != 0;
  p.alt = (mod & KMOD_ALT) != 0;
  p.numLock = (mod & KMOD_NUM) != 0;
  if (keycode >= SDLK_a && keycode <= SDLK_z) {
    p.key = Key::Letter;
    p.letter = static_cast<char>('A' + (keycode - SDLK_a));
    return p;
  }
  if (keycode >= SDLK_0 && keycode <= SDLK_9) {
    p.key = Key::Digit;
    p.letter = static_cast<char>('0' + (keycode - SDLK_0));
    return p;
  }
  if (keycode >= SDLK_F1 && keycode <= SDLK_F12) {
    p.key = static_cast<Key>(static_cast<int>(Key::F1) + (keycode - SDLK_F1));
    return p;
  }
  switch (keycode) {
    case SDLK_PAGEUP: p.key = Key::PageUp; break;
    case SDLK_PAGEDOWN: p.key = Key::PageDown; break;
    case SDLK_END: p.key = Key::End; break;
    case SDLK_HOME: p.key = Key::Home; break;
    case SDLK_LEFT: p.key = Key::Left; break;
    case SDLK_UP: p.key = Key::Up; break;
    case SDLK_RIGHT: p.key = Key::Right; break;
    case SDLK_DOWN: p.key = Key::Down; break;
    case SDLK_INSERT: p.key = Key::Insert; break;
    case SDLK_DELETE: p.key = Key::Delete; break;
    case SDLK_BACKSPACE: p.key = Key::Backspace; break;
    case SDLK_RETURN: p.key = Key::Enter; break;
    case SDLK_SPACE: p.key = Key::Space; break;
    case SDLK_TAB: p.key = Key::Tab; break;
    case SDLK_ESCAPE: p.key = Key::Escape; break;
    case SDLK_PAUSE: p.key = Key::Pause; break;
    case SDLK_APPLICATION: p.key = Key::Menu; break;
    case SDLK_KP_0: p.key = Key::Kp0; break;
    case SDLK_KP_1: p.key = Key::Kp1; break;
    case SDLK_KP_2: p.key = Key::Kp2; break;
    case SDLK_KP_3: p.key = Key::Kp3; break;
    case SDLK_KP_4: p.key = Key::Kp4; break;
    case SDLK_KP_5: p.key = Key::Kp5; break;
    case SDLK_KP_6: p.key = Key::Kp6; break;
    case SDLK_KP_7: p.key = Key::Kp7; break;
    case SDLK_KP_8: p.key = Key::Kp8; break;
    case SDLK_KP_9: p.key = Key::Kp9; break;
    case SDLK_KP_MULTIPLY: p.key = Key::KpMultiply; break;
    case SDLK_KP_PLUS: p.key = Key::KpPlus; break;
    case SDLK_KP_MINUS: p.key = Key::KpMinus; break;
    case SDLK_KP_PERIOD: p.key = Key::KpPeriod; break;
    case SDLK_KP_DIVIDE: p.key = Key::KpDivide; break;
    case SDLK_KP_ENTER: p.key = Key::KpEnter; break;
    case SDLK_LSHIFT: case SDLK_RSHIFT: p.key = Key::Shift; break;
    case SDLK_LCTRL: case SDLK_RCTRL: p.key = Key::Ctrl; break;
    case SDLK_LALT: case SDLK_RALT: p.key = Key::Alt; break;
    default: p.key = Key::None; break;
  }
  return p;
}

KeyPress KeyPressFromName(std::string_view name) {
  std::string n = kiosk::UpperAscii(name);
  KeyPress p;
  if (n.size() == 1 && n[0] >= 'A' && n[0] <= 'Z') {
    p.key = Key::Letter;
    p.letter = n[0];
    return p;
  }
  if (n.size() == 1 && n[0] >= '0' && n[0] <= '9') {
    p.key = Key::Digit;
    p.letter = n[0];
    return p;
  }
  if (n.size() >= 2 && n[0] == 'F') {
    int f = 0;
    for (std::size_t i = 1; i < n.size(); ++i) {
      if (!std::isdigit(static_cast<unsigned char>(n[i]))) { f = 0; break; }
      f = f * 10 + (n[i] - '0');
    }
    if (f >= 1 && f <= 12) {
      p.key = static_cast<Key>(static_cast<int>(Key::F1) + f - 1);
      return p;
    }
  }
  if (n.size() == 3 && n.compare(0, 2, "KP") == 0 && std::isdigit(static_cast<unsigned char>(n[2]))) {
    p.key = static_cast<Key>(static_cast<int>(Key::Kp0) + (n[2] - '0'));
    return p;
  }
  static const struct {
    const char* name;
    Key key;
  } kNames[] = {
      {"ENTER", Key::Enter},   {"ESC", Key::Escape},       {"TAB", Key::Tab},
      {"BS", Key::Backspace},  {"PAUSE", Key::Pause},      {"UP", Key::Up},
      {"DOWN", Key::Down},     {"LEFT", Key::Left},        {"RIGHT", Key::Right},
      {"HOME", Key::Home},     {"END", Key::End},          {"PGUP", Key::PageUp},
      {"PGDN", Key::PageDown}, {"INS", Key::Insert},       {"DEL", Key::Delete},
      {"SPACE", Key::Space},   {"MENU", Key::Menu},        {"KPMUL", Key::KpMultiply},
      {"KPPLUS", Key::KpPlus}, {"KPMINUS", Key::KpMinus},  {"KPDOT", Key::KpPeriod},
      {"KPDIV", Key::KpDivide}, {"KPENTER", Key::KpEnter},
  };
  for (const auto& e : kNames)
    if (n == e.name) p.key = e.key;
  return p;
}

}  // namespace graph
