// The prompt box's steps that every screen takes the same way: ask one of
// the language menus, show a message for the usual 5 seconds, ask a yes/no
// question.
//
// Owns: the one copy of each step (no state). Menus and questions go
// through langs::SELECTT2, so they end on the same keys as every menu
// (Escape, Pause, Alt+M, F1-F8; see screen/keys.h) and leave the key in
// VALANS.
#pragma once

#include <cstdint>
#include <string_view>

namespace screen {

// How long a message stays on the screen.
inline constexpr std::int64_t kMessageMs = 5000;

// How a message is written on the prompt box.
struct MessageLook {
  std::int32_t colour;     // colour number
  std::int32_t size;       // FNT0 size
  std::string_view style;  // FNT0 style letters
  bool tone;               // the warning tone before the wait
};
// The store's and the utilities' messages.
inline constexpr MessageLook kNotice{253, 30, "", false};
// An answer the answer engine refuses.
inline constexpr MessageLook kWarning{220, 25, "b", true};
inline constexpr std::uint16_t kWarningToneHz = 2441;
inline constexpr std::uint16_t kWarningToneMs = 200;

// Clears the prompt box, writes text at (50, MAXY - 40), waits kMessageMs
// and clears the prompt box again.
void SHOWMESSAGE(std::string_view text, const MessageLook& look = kNotice);

// Menu n ("sel" line n) with its key letters from "seln" line n; returns the
// position letter of the choice ('A' for the first key, '@' for a key that
// is no letter of the menu, such as Escape).
char ASKMENU(std::int32_t n);

// The yes/no menu: the question followed by "A) = Yes, B) = No " on the
// prompt box, until A, B or a key that ends any menu. True for A only.
// Its signature fits the catalogue glue's `ask` hook.
bool ASKYESNO(std::string_view question);

}  // namespace screen
