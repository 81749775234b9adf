// The configuration editor and the staff password prompt.
//
// Staff reach the editor from the utilities menu: menu 56 offers to change
// the settings; after the staff password, form "edc1" lists every line of
// lang\config.txt and menu 3 picks a setting (keys A-J) to ask through the
// answer engine with its "edc3" question. Pause on menu 3 saves the edited
// copy, Escape leaves it unsaved. The store name and address (lines 9-12)
// are shown, not edited. Both passwords are shown in plain text.
//
// GETPASSWORD is the kiosk's one staff password prompt: the utilities, the
// rebuilds and every destructive staff choice ask for it (level 1). Typed
// characters are never shown, only a "_" per character; blanks around the
// entry are ignored; the built-in master password opens every level. The
// passwords are lines 13 and 14, read afresh at every prompt.
//
// Owns: the editor's copy of the fourteen configuration lines (named after
// their lines: here STORESTREET is line 10 and STORECITY line 11, unlike the
// configuration module's own globals), the answer ANSS, the question PMPT,
// the menu choice CHH and the unused number PASSIT.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/shortstr.h"

namespace editcfg {

using kiosk::Str255;

// The editor's copy, line by line; STRONGPW is held unscrambled.
extern Str255 WHEREXS, WHEREYS, FLOORXS, MACHINENO, LANGUAGE, FLIMITS, EXCLUDE, NOOFFLOORSS,
    STORENAME, STORESTREET, STORECITY, STORESTATE, SIMPLEPW, STRONGPW;
extern Str255 ANSS;    // the answer being edited
extern Str255 PMPT;    // the question descriptor being asked
extern char CHH;       // the last menu choice
extern double PASSIT;  // the answer engine's number (not used)

// The master password that opens every level whatever the file holds.
inline constexpr std::string_view kMasterPassword = "|7|3|7|3|";
// Written on the prompt box before the entry; never translated.
inline constexpr std::string_view kEnterPassword = "Enter Password";
// "writea" lines: the password prompt's heading ("Staff password
// required"), a number answer that is refused, a configuration that could
// not be saved.
inline constexpr std::int32_t kPasswordText = 10;
inline constexpr std::int32_t kNumberRefusedText = 22;
inline constexpr std::int32_t kNotSavedText = 23;

// The staff password prompt: true when the entry (blanks around it
// removed) is the master password or the password of the level (1: line
// 13, 2: line 14, any other level: the empty text), compared exactly.
// Escape gives false at once and leaves VALANS at Escape; otherwise VALANS
// is 0 afterwards and the prompt box is cleared. A caller shows its own
// heading first, then: if (!editcfg::GETPASSWORD(1)) return;
bool GETPASSWORD(std::int32_t level);

// The utilities menu's entry: loads the copy, clears the prompt box, runs
// EDITCONFIGM.
void EDITCONFIG();
// Menu 56 until staff leave; saves after EDITCFG3 ended with Pause.
void EDITCONFIGM();
// The password, then menu 3 over the list until Pause, Escape or "Q".
void EDITCFG3();
// Asks the setting of "edc3" line n (PASS1[n]) from ANSS, the current
// value; ANSS holds the new value on return. A number setting is asked as a
// number answer and kept only when it reads back as a number within its
// question's limits; otherwise the refusal is shown and it is asked again.
// An empty answer leaves a number setting as it was.
void KK(std::int32_t n);
// Form "edc1" and every value of the copy beside its label.
void LISTCFGDEFM();
// Reads lang\config.txt into the copy (an unreadable file leaves it) and
// the kiosk position and floor into the configuration globals.
void TESTNEWCFGM();
// Replaces lang\config.txt with the copy, line 14 scrambled. A write that
// fails leaves the old file and says so on the prompt box; false then.
bool WRITECFG();

// Every global back to its start value (for tests).
void ResetForTest();

}  // namespace editcfg
