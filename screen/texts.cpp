// Splitting and compacting texts, and the stored password's scrambling.
#include <string>

#include "screen/primitives.h"

namespace screen {

void SPLIT1(std::string_view delimiters, Str255& head, Str255& rest) {
  const std::string text = head.str();
  std::size_t p = std::string::npos;
  for (char d : delimiters) {
    p = text.find(d);
    if (p != std::string::npos) break;
  }
  // Without a delimiter the field before it is empty and the rest is the
  // whole text, which the empty-head rule below hands back in head.
  std::string_view before, after;
  if (p == std::string::npos) {
    after = text;
  } else {
    before = std::string_view(text).substr(0, p);
    after = std::string_view(text).substr(p + 1);
  }
  if (before.empty() && !after.empty()) {
    head = after;
    rest.clear();
  } else {
    head = before;
    rest = after;
  }
}

void SPLIT(Str255& head, Str255& rest) { SPLIT1("|", head, rest); }

Str255 COMPACTIT(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != ' ') out += c;
  return Str255(out);
}

// Printable characters are mirrored within '!'..'~' (an involution with no
// fixed point); blanks, control characters and bytes above 126 stay as they
// are, so a scrambled line never gains line breaks or trailing blanks.
char EncryptChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u < '!' || u > '~') return c;
  return static_cast<char>('!' + '~' - u);
}

}  // namespace screen
