// Key scripts: what a scripted user types, waits for and photographs.
//
// Plain characters (UTF-8) are typed as they stand, as Windows-1252 bytes;
// line breaks are ignored. Braces name keys, with modifiers joined by "+":
// {ENTER} {ESC} {TAB} {BS} {PAUSE} {F1}..{F12} {UP} {DOWN} {LEFT} {RIGHT}
// {HOME} {END} {PGUP} {PGDN} {INS} {DEL} {SPACE} {MENU} {KP0}..{KP9} {KPMUL}
// {KPPLUS} {KPMINUS} {KPDOT} {KPDIV} {KPENTER}, letters and digits such as
// {ALT+M} {CTRL+HOME} {SHIFT+F1}; NUM+ presses a keypad key with Num Lock on.
// {CLOSE} presses the window's close button, {WAIT ms} holds back what
// follows for that much time, {SHOT name} saves the screen, {{ types "{".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace graph {

struct ScriptStep {
  enum Kind : std::uint8_t { kKey, kWait, kShot } kind = kKey;
  std::string bytes;    // kKey: what the key puts into the queue (may be empty)
  std::int64_t ms = 0;  // kWait
  std::string name;     // kShot
};

// False with a message naming the fault for a malformed script.
bool ParseKeyScript(std::string_view utf8, std::vector<ScriptStep>& steps, std::string& error);

}  // namespace graph
