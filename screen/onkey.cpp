// Reading one key into the common key globals.
#include "graph/keyboard.h"
#include "screen/keys.h"
#include "screen/primitives.h"

namespace screen {

char ONKEY() {
  VALANS = key::kNone;
  unsigned char c = 0;
  do {
    c = static_cast<unsigned char>(graph::ReadKey());
    // A key without a character arrives as 0 then its code; folding the two
    // into code + 128 gives every key one number, and KEY_WAS_CODE keeps
    // which kind it was.
    KEY_WAS_CODE = c == 0;
    if (c == 0) c = static_cast<unsigned char>(static_cast<unsigned char>(graph::ReadKey()) + 128);
  } while (c == 0);
  CH = static_cast<char>(c);
  ANS = std::string_view(&CH, 1);
  VALANS = c;
  return CH;
}

}  // namespace screen
