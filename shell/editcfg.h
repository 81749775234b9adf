// The staff password prompt (and, with it, the configuration editor).
//
// GETPASSWORD is the kiosk's one staff password prompt: the utilities, the
// rebuilds and every destructive staff choice ask for it (level 1). Typed
// characters are never shown, only a "_" per character; blanks around the
// entry are ignored; the built-in master password opens every level. The
// passwords are lines 13 and 14 of lang\config.txt, read afresh at every
// prompt.
//
// Owns: the prompt's texts below.
#pragma once

#include <cstdint>
#include <string_view>

namespace editcfg {

// The master password that opens every level whatever the file holds.
inline constexpr std::string_view kMasterPassword = "|7|3|7|3|";
// Written on the prompt box before the entry; never translated.
inline constexpr std::string_view kEnterPassword = "Enter Password";
// The "writea" line that heads the prompt ("Staff password required").
inline constexpr std::int32_t kPasswordText = 10;

// The staff password prompt: true when the entry (blanks around it
// removed) is the master password or the password of the level (1: line
// 13, 2: line 14, any other level: the empty text), compared exactly.
// Escape gives false at once and leaves VALANS at Escape; otherwise VALANS
// is 0 afterwards and the prompt box is cleared. A caller shows its own
// heading first, then: if (!editcfg::GETPASSWORD(1)) return;
bool GETPASSWORD(std::int32_t level);

}  // namespace editcfg
