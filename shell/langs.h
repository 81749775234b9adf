// Language texts and one-line menus.
//
// Every text the kiosk shows comes from language files chosen by the
// language number (1 English, 2 French, 3 Italian, 4 Spanish, 5 Portuguese).
// A text family f of language k lives in lang\<f><suffix k>.txt, the
// suffixes being the five lines of data\lang2.txt. Each lookup reloads the
// suffixes and the configuration, so a language change or an edited file
// takes effect at the next text.
//
// Owns: the line counter A, the open status IOSTATUS and the text file F of
// the lookups; the language menu and the utilities menu; the hooks through
// which the utilities menu reaches the configuration editor, the password
// prompt and the zone editor. Results go through the screen toolkit's
// globals TEMP, PASS1, LANGG and LANGUAGE2.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "common/shortstr.h"
#include "common/textfile.h"

namespace langs {

using kiosk::Str255;

extern std::int32_t A;         // line counter of the last lookup
extern std::int32_t IOSTATUS;  // 0 when the last file opened
extern kiosk::TextFile F;             // the text file in use

// Shown for 5 seconds at (100, MAXY - 47) when a language or form file
// cannot be opened.
inline constexpr std::string_view kOpenError = "Error opening file";
// A line holding this ends a line file for GETEXACT ...
inline constexpr std::string_view kLineSentinel = "*******";
// ... and this a spec file for GETFILES.
inline constexpr std::string_view kSpecSentinel = "******";
// The yes/no question: its text is the caller's, placed in TEMP.
inline constexpr std::int32_t kYesNoMenu = 48;

// Opens F; status 0 on success, else ShowOpenError.
void OPENDFILE(std::string_view name, std::int32_t& status);
// The open error: the message above, then a 5 s wait.
void ShowOpenError();

// Turns a family name into the current language's file name (unchanged when
// the language is not 1..5), after reloading the suffixes and the
// configuration; LANGUAGE2 follows the configuration's language.
void GETLANG(Str255& name);

// TEMP := line n of the family's file; "" when the file does not open; TEMP
// is left as it was when a sentinel line comes first.
void GETEXACT(std::string_view family, std::int32_t n);

// PASS1[1..35] := the family's spec lines, trailing blanks removed, lines
// past the end empty, up to the sentinel. An unopened file leaves PASS1.
void GETFILES(std::string_view family);

// Writes text with a ten-field comma-separated spec: colour, x, y, font
// code, direction, user size, size, horizontal code, vertical code, style.
void FNTTEXT(std::string_view spec, std::string_view text);

// c := the position letter of c in keys ('A' first, '@' when absent).
void CVT1(std::string_view keys, char& c);

// "head" line n, centred at the top.
void WRITEHEADER(std::int32_t n);

// The record-number label of a record screen: "label3" line 1, the
// number, then line 2 and the count of records in the file, at the top left.
void LABELIT3(std::int32_t number, std::int32_t count);

// "writea" line n at (x, y).
void WRITEASTRING(std::int32_t colour, std::int32_t x, std::int32_t y, std::int32_t fontCode,
                  std::int32_t size, std::int32_t n);

// Shows menu n ("sel" line n; the caller's TEMP for the yes/no menu) on the
// prompt box and waits until a key of keys (either case), Escape, Pause,
// Alt+M or F1-F8 is pressed. choice is the key upper-cased; VALANS its code.
void SELECTT2(std::int32_t ignored, std::string_view fallback, std::int32_t n, Str255& keys,
              char& choice, std::int32_t itemColour, std::int32_t keyColour,
              std::int32_t fontCode);
// Shows menu n without waiting; choice is character 0.
void SELECTT4(std::int32_t ignored, std::string_view fallback, std::int32_t n, Str255& keys,
              char& choice, std::int32_t itemColour, std::int32_t keyColour,
              std::int32_t fontCode);

// The language menu: menu 49 asks whether to change; its second item opens
// the list of the five languages (menu 47), which sets LANGUAGE2.
void LANG1();

// The utilities menu (menu 44 on form "util1"): A the configuration editor,
// B the zone editor behind the staff password.
void UTILITIES();

// Routines of later modules the utilities menu calls; while a hook is empty
// its choice returns at once.
extern std::function<void()> EditConfigHook;                // the configuration editor
extern std::function<bool(std::int32_t)> GetPasswordHook;  // the staff password prompt
extern std::function<void(std::int32_t)> EditZonesHook;    // the zone editor

// The staff password of a level through the installed prompt; true when
// no prompt is installed (a kiosk built without one asks nothing).
bool PASSWORDOK(std::int32_t level);

// Module globals and hooks back to their start values (for tests).
void ResetForTest();

}  // namespace langs
