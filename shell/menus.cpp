// The one-line menus on the prompt box: items "label key)" one after another,
// labels in the item colour and key letters in the key colour.
#include <cmath>
#include <string>

#include "common/text.h"
#include "graph/graph.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "shell/langs.h"

namespace langs {

namespace {

void BackgroundBlack() { graph::SetBkColor(screen::ColorValue(graph::kBlack)); }

// Menus whose last item is followed by the return-key picture.
bool ShowsReturnKey(std::int32_t n) { return n == 4 || n == 7 || n == 8 || n == 9 || n == 11; }

// Keys that end any menu without being one of its letters: Escape, Pause,
// Alt+M and F1-F8.
bool EndsAnyMenu(std::int32_t code) {
  return screen::key::IsLeaveKey(code) || code == screen::key::kAltM || screen::key::IsF1ToF8(code);
}

// Draws the menu text from the current position on, item after item; with
// blackEach the background is reset after every item.
void DrawItems(const Str255& text, std::int32_t itemColour, std::int32_t keyColour,
               bool blackEach) {
  Str255 head = text, rest;
  while (!head.empty()) {
    screen::SPLIT1(")", head, rest);
    std::string_view item = head.view();
    if (item.empty()) break;  // a lone ")" at the end (a full line gets no blank): nothing to draw
    std::string_view label = item.substr(0, item.size() - 1);
    std::string_view key = item.substr(item.size() - 1);
    screen::COLORS1(itemColour);
    graph::OutText(label);
    screen::COLORS1(keyColour);
    graph::OutText(key);
    if (blackEach) BackgroundBlack();
    head = rest;
  }
}

// Centres the line on the prompt box assuming 12 pixels a character and
// sets colour, style and position for the items.
void PlaceLine(const Str255& text, std::int32_t fontCode, std::int32_t size) {
  std::int32_t x = static_cast<std::int32_t>(std::trunc(screen::MAXX * 0.5)) -
                   static_cast<std::int32_t>(std::trunc(text.size() * 12 * 0.5));
  screen::FNT0(88, x, screen::MAXY - 40, fontCode, 0, 0, size, 19, 0, "x", "");
}

}  // namespace

void SELECTT2(std::int32_t, std::string_view, std::int32_t n, Str255& keys, char& choice,
              std::int32_t itemColour, std::int32_t keyColour, std::int32_t fontCode) {
  choice = '\0';
  if (n == kYesNoMenu)
    keys = "AB";  // the caller's question is already in TEMP
  else
    GETEXACT("sel", n);
  Str255 text = screen::TEMP;
  text += ' ';

  screen::CLEAR_PROMPT();
  PlaceLine(text, fontCode, 30);
  DrawItems(text, itemColour, keyColour, false);
  if (ShowsReturnKey(n)) screen::LOADBMP(graph::GetX(), graph::GetY() + 15, "returnkey.bmp");

  std::string upperKeys = kiosk::UpperAscii(keys.view());
  for (;;) {
    choice = kiosk::UpCase(screen::ONKEY());
    std::string key = kiosk::UpperAscii(screen::ANS.view());
    if (!key.empty() && upperKeys.find(key) != std::string::npos) break;
    if (EndsAnyMenu(screen::VALANS)) break;
  }
}

void SELECTT4(std::int32_t, std::string_view, std::int32_t n, Str255&, char& choice,
              std::int32_t itemColour, std::int32_t keyColour, std::int32_t fontCode) {
  choice = '\0';
  GETEXACT("sel", n);
  Str255 text = screen::TEMP;
  text += ' ';

  screen::CLEAR_PROMPT();
  BackgroundBlack();
  PlaceLine(text, fontCode, 35);
  DrawItems(text, itemColour, keyColour, true);
}

}  // namespace langs
