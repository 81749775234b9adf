// The screen toolkit under every screen of the kiosk: the graphics window and
// its standard frame (title bar at the top, prompt box in the bottom 63
// pixels), text written from a compact font/style description, colours by
// colour number, key reading into the common key globals, bitmap pictures,
// the rotated boxes the store map is built from, and the kiosk's own text and
// number conversions with their trimming and rounding rules.
//
// Owns: the common globals that every module uses to pass keys, answers and
// fetched texts around (MAXX .. SHOW_GRID below). Texts are Windows-1252
// bytes; file names are in the kiosk's own form and go through HostPath.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <string_view>

#include "common/shortstr.h"
#include "common/text.h"
#include "graph/graph.h"

namespace screen {

using kiosk::Str255;

// ---- Common globals (live for the whole run) ----
extern std::uint16_t MAXX, MAXY;   // largest x and y of the window (INIT)
extern char CH;                    // the last key read by ONKEY
// True when that key arrived as 0 plus a code (a function, cursor or editing
// key, CH = code + 128), false for a character typed or a control code: the
// two kinds share the codes 128..255 (F1 and "»" are both 187).
extern bool KEY_WAS_CODE;
extern Str255 ANS;                 // the last key as text; also the answer text
extern std::int32_t VALANS;        // code of the last key, or a module's result code
extern std::int32_t EDITOR_FLAG;   // 1 after staff leave the shopper's search
extern std::int32_t LANGUAGE2;     // the language chosen, 1..5
extern std::int32_t LANG_FLAG;     // the language of the last start screen
extern Str255 TEMP;                // the last fetched language text; scratch
extern Str255 PROMPT, ENTRY_TYPE;  // prompt and entry type of the answer engine
extern std::int32_t MAXLEN, MINLEN;
extern double MAXVAL, MINVAL, NUM;
extern Str255 NAMEADDR[5];         // 1..4: store name and address lines
extern Str255 PASS1[36];           // 0..35: text-spec lines
extern Str255 LANGG[6];            // 1..5: language file-name suffixes
extern graph::PointType QUAD[6];   // 1..5: the corner list built by DRAWBOXG
extern std::uint16_t ST, LW, P1;   // line style, thickness and pattern last set
extern std::int32_t SHOW_GRID;     // 0; 1 would add a layout grid to FRAME4

// Every global above back to its start value, and the time source to the
// system clock (for tests).
void ResetForTest();

// The kiosk's own one-line banner: title bar text and window caption.
inline constexpr std::string_view kBanner = "Store Locator";

// ---- Window and frame ----
// Opens the window; on failure prints the graphics error, waits for Enter
// and ends the process with code 1.
void INIT(std::uint16_t driver, std::uint16_t mode);
void FULLPORT();      // viewport = whole window, clipping on
void FRAME4();        // the standard screen: frame, title bar, prompt box, logo, banner
void FRAME3();        // the lighter map frame
void CLEAR_PROMPT();  // clears the inside of the prompt box

// ---- Text and colour ----
// Drawing colour from a colour number 0..255 (the named colour table).
void COLORS1(std::int32_t n);
// The drawing value of a colour number (numbers outside 0..255 wrap).
std::uint32_t ColorValue(std::int32_t n);
void FNT0(std::int32_t colour, std::int32_t x, std::int32_t y, std::int32_t fontCode,
          std::int32_t direction, std::int32_t userSize, std::int32_t size,
          std::int32_t horizontalCode, std::int32_t verticalCode, std::string_view styleLetters,
          std::string_view text);
// The mappings FNT0 applies to its codes.
std::uint16_t FontSlotOf(std::int32_t fontCode);
std::uint16_t HorizontalOf(std::int32_t code);
std::uint16_t VerticalOf(std::int32_t code);
std::uint16_t StyleFlagsOf(std::string_view styleLetters);  // 16 bold, 4096 italic, 256 underline
void CONV2();  // lists PASS1[0..25] on the screen

// ---- Keys ----
// Reads one key: a 0-prefixed code arrives as code + 128 (kept to 8 bits).
// Sets CH, ANS, VALANS and KEY_WAS_CODE.
char ONKEY();

// ---- Pictures (complete 24-bit BMP files) ----
void LOADBMP(std::int32_t x, std::int32_t y, std::string_view fileName);
void SAVEBMP(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
             std::string_view fileName);
void SAVEBMP2(std::string_view fileName);  // the whole screen, then its name on screen

// ---- Boxes and lines ----
// The eight directions an angle snaps to (360 for 0); -1 for an angle
// outside 0..360, which redraws the previous corner list.
std::int32_t SnapAngle(std::int32_t angle);
void DRAWBOXG(std::int32_t angle, std::int32_t colour, std::int32_t lineStyle, double x, double y,
              double depth, double width, double zoom, std::int32_t fillStyle,
              std::int32_t thickness, std::int32_t background, std::int32_t xOffset,
              std::int32_t yOffset);
void ST0(std::int32_t thicknessCode, std::int32_t styleCode);

// ---- Texts ----
// Splits head at the first of the delimiters that occurs in it (tried in
// their order, not the leftmost in the text). An empty first field is
// dropped: its second field comes back in head.
void SPLIT1(std::string_view delimiters, Str255& head, Str255& rest);
void SPLIT(Str255& head, Str255& rest);
Str255 COMPACTIT(std::string_view text);

template <std::size_t N>
void DELETERIGHTBLANKS(kiosk::ShortStr<N>& s) { s = kiosk::TrimRight(s.view()); }
template <std::size_t N>
void DELETELEFTBLANKS(kiosk::ShortStr<N>& s) { s = kiosk::TrimLeft(s.view()); }
// Every trailing "0" goes, also before a decimal point ("100" gives "1").
template <std::size_t N>
void DELETERIGHTZEROS(kiosk::ShortStr<N>& s) {
  std::string_view v = s.view();
  while (!v.empty() && v.back() == '0') v.remove_suffix(1);
  s = v;
}
template <std::size_t N>
void DELETELEFTZEROS(kiosk::ShortStr<N>& s) {
  std::string_view v = s.view();
  while (!v.empty() && v.front() == '0') v.remove_prefix(1);
  s = v;
}

// Today's date, "dd/mm/yyyy".
Str255 GETDATE();
// The time as hour:minute:second without leading zeros on a 12-hour clock,
// then " AM"/" PM" and three blanks ("2:5:9 PM   ").
Str255 GETTIME();
// The local time GETDATE and GETTIME read; tests put in a fixed one.
using TimeSource = std::function<std::tm()>;
void SetTimeSource(TimeSource source);
// A random number 10000 <= n < 99999.
void RANDIT(std::int32_t& n);

// The stored password's scrambling: one fixed substitution on the first
// maxLength characters. Applying it twice gives the original text.
char EncryptChar(char c);
template <std::size_t N>
void ENCRYPT(kiosk::ShortStr<N>& text, std::int32_t maxLength) {
  std::size_t n = text.size();
  if (maxLength >= 0 && static_cast<std::size_t>(maxLength) < n) n = static_cast<std::size_t>(maxLength);
  for (std::size_t i = 0; i < n; ++i) text.set(i, EncryptChar(text[i]));
}

// ---- Numbers (the rules are those of common/numtext.h; value-returning
// forms: kiosk::TextToReal, RealToWhole, TextToWhole) ----
// Leading blanks are skipped; a text that is not a number gives 0.
void STRINGTOREAL(std::string_view text, double& r);
// Rounds halves away from zero into -32767..32767; any |r| that rounds to
// 32768 or more gives 0.
void REALTOINTEGER(std::int32_t& n, double r);
void REALTOSINTEGER(std::int16_t& n, double r);
void STRINGTORI(std::string_view text, double& r, std::int32_t& n);
void STRINGTOSRI(std::string_view text, double& r, std::int16_t& n);
void INTEGERTOSTRING(std::int32_t n, Str255& text);

}  // namespace screen
