// Writing language texts: spec lines, headings, single texts, and the
// translation of a menu key into its position letter.
#include <cmath>
#include <string>

#include "common/numtext.h"
#include "graph/graph.h"
#include "screen/primitives.h"
#include "shell/langs.h"

namespace langs {

namespace {

void BackgroundBlack() { graph::SetBkColor(screen::ColorValue(graph::kBlack)); }

}  // namespace

void FNTTEXT(std::string_view spec, std::string_view text) {
  // Nine splits at ","; the rest is the style letters. An empty field inside
  // the spec is dropped by SPLIT1, which shifts the fields after it.
  std::int32_t value[9];
  Str255 head = spec, rest;
  for (std::int32_t& v : value) {
    screen::SPLIT1(",", head, rest);
    v = kiosk::TextToWhole(head.view());
    head = rest;
  }
  screen::FNT0(value[0], value[1], value[2], value[3], value[4], value[5], value[6], value[7],
               value[8], head.view(), text);
}

void CVT1(std::string_view keys, char& c) {
  std::size_t pos = keys.find(c);
  c = static_cast<char>(64 + (pos == std::string_view::npos ? 0 : pos + 1));
}

void WRITEHEADER(std::int32_t n) {
  GETEXACT("head", n);
  Str255 t = screen::TEMP;
  std::int32_t x = static_cast<std::int32_t>(std::trunc(screen::MAXX * 0.5)) -
                   static_cast<std::int32_t>(std::trunc(t.size() * 6 * 0.5));
  screen::CLEAR_PROMPT();
  screen::FNT0(253, x, 100, 1, 0, 0, 30, 0, 3, "B", t.view());
  BackgroundBlack();
}

void LABELIT3(std::int32_t number, std::int32_t count) {
  GETEXACT("label3", 1);
  Str255 label = screen::TEMP;
  label += " " + std::to_string(number) + ".  ";
  GETEXACT("label3", 2);
  label += screen::TEMP;
  label += " " + std::to_string(count) + ".";
  screen::FNT0(253, 25, 33, 4, 0, 0, 30, 0, 3, "b", label.view());
}

void WRITEASTRING(std::int32_t colour, std::int32_t x, std::int32_t y, std::int32_t fontCode,
                  std::int32_t size, std::int32_t n) {
  GETEXACT("writea", n);
  Str255 t = screen::TEMP;
  screen::FNT0(colour, x, y, fontCode, 0, 0, size, 0, 0, "x", t.view());
  BackgroundBlack();
}

}  // namespace langs
