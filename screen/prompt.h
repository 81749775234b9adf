// The prompt box's steps that every screen takes the same way: ask one of
// the language menus, show a message for the usual 5 seconds, ask a yes/no
// question; and the steps the catalogue editors share: a search text asked
// and the search announced, a record form's field asked, a destructive
// choice confirmed.
//
// Owns: the one copy of each step (no state). Menus and questions go
// through langs::SELECTT2, so they end on the same keys as every menu
// (Escape, Pause, Alt+M, F1-F8; see screen/keys.h) and leave the key in
// VALANS.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "common/shortstr.h"

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

// ---- The catalogue editors' steps

// A search text must start with a character a key text can start with.
bool SEARCHABLEFIRST(char c);
// Asks a search text (a plain question) until, its leading blanks removed,
// it starts with such a character; a refused one is announced with
// "writea" line 21 in colour 220 at (700, MAXY - 43) in refusalSize.
// False, with VALANS Escape, when staff left the answer empty.
bool ASKSEARCHTEXT(std::string_view question, kiosk::Str255& text, std::int32_t refusalSize);
// "writea" line 1 on the prompt box while a search runs; line 19 for 5
// seconds after one that found nothing.
void SHOWSEARCHING(std::int32_t size);
void SHOWNOTHINGFOUND();

// One step of a browse through count matches with menu 18: A shows the
// next match (staying on the last), B the previous (staying on the first).
void BROWSESTEP(char choice, std::int32_t& shown, std::int32_t count);

// A record form's questions: the descriptors of a family (lines 1..35 as
// GETFILES loads them, copied, since every text lookup may reuse PASS1).
using Questions = std::array<kiosk::Str255, 36>;
Questions QUESTIONSOF(std::string_view family);
// One field asked with its descriptor from its starting answer, its answer
// shown on the form; returns the answer.
kiosk::Str255 ASKFIELD(std::string_view descriptor, std::string_view start);

// Staff confirm a choice that destroys a file: the staff password, then
// yes to the question (each on a fresh frame). True for yes only.
bool ASKPASSWORDANDYES(std::string_view question);

}  // namespace screen
