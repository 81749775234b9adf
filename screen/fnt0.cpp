// Colours by colour number and text written from a text spec.
#include <cctype>

#include "screen/primitives.h"

namespace screen {

std::uint32_t ColorValue(std::int32_t n) { return graph::NamedColor[static_cast<std::uint32_t>(n) & 0xFF]; }

void COLORS1(std::int32_t n) { graph::SetColor(ColorValue(n)); }

std::uint16_t FontSlotOf(std::int32_t fontCode) {
  switch (fontCode) {
    case 2: return 6;
    case 3: return 5;
    case 4: return 1;
    case 5: return 7;
    case 6: return 4;
    case 7: return 2;
    case 8: return 3;
    default: return 0;  // 0, 1 and anything unknown
  }
}

std::uint16_t HorizontalOf(std::int32_t code) { return code == 2 ? 1 : code == 3 ? 2 : 0; }

std::uint16_t VerticalOf(std::int32_t code) { return code == 2 ? 1 : code == 3 ? 2 : 0; }

std::uint16_t StyleFlagsOf(std::string_view styleLetters) {
  bool bold = false, italic = false, underline = false;
  for (char c : styleLetters) {
    switch (std::toupper(static_cast<unsigned char>(c))) {
      case 'B': bold = true; break;
      case 'I': italic = true; break;
      case 'U': underline = true; break;
      default: break;
    }
  }
  return static_cast<std::uint16_t>((bold ? 16 : 0) + (italic ? 4096 : 0) + (underline ? 256 : 0));
}

void FNT0(std::int32_t colour, std::int32_t x, std::int32_t y, std::int32_t fontCode,
          std::int32_t direction, std::int32_t userSize, std::int32_t size,
          std::int32_t horizontalCode, std::int32_t verticalCode, std::string_view styleLetters,
          std::string_view text) {
  for (char c : styleLetters) {
    if (std::toupper(static_cast<unsigned char>(c)) == 'R') {
      graph::SetBkColor(ColorValue(250));
      break;
    }
  }
  COLORS1(colour);
  graph::SetUserCharSize(static_cast<std::int16_t>(userSize), 0, 0, 0);
  graph::SetTextJustify(HorizontalOf(horizontalCode), VerticalOf(verticalCode));
  graph::SetTextStyle(static_cast<std::uint16_t>(FontSlotOf(fontCode) + StyleFlagsOf(styleLetters)),
                      static_cast<std::int16_t>(direction), static_cast<std::uint16_t>(size));
  graph::OutTextXY(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), text);
  // The next text must not inherit the extra spacing.
  graph::SetUserCharSize(0, 0, 0, 0);
}

void CONV2() {
  for (int i = 0; i <= 25; ++i) FNT0(253, 50, 50 + 25 * i, 4, 0, 0, 35, 51, 0, "", PASS1[i].view());
}

}  // namespace screen
