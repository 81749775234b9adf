// Windows-1252 text: every text of the kiosk is single-byte Windows-1252, as
// in the files of existing installations. Conversion happens only where text
// meets the font renderer (UTF-8) or a UTF-8 source such as a key script.
#pragma once

#include <string>
#include <string_view>

namespace kiosk {

// Each byte to its UTF-8 form; the five bytes Windows-1252 leaves undefined
// (81 8D 8F 90 9D) become U+FFFD so the renderer never sees invalid UTF-8.
std::string Cp1252ToUtf8(std::string_view text);

// UTF-8 to Windows-1252; characters with no Windows-1252 byte become '?',
// and malformed sequences are taken byte by byte.
std::string Utf8ToCp1252(std::string_view text);

// True when b is one of the 251 bytes Windows-1252 defines.
bool IsCp1252Defined(unsigned char b);

}  // namespace kiosk
