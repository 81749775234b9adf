// Windows-1252 text helpers: blanks trimmed, letters upper-cased.
//
// Owns: the one copy of each small text step the modules share. Blanks are
// the space character only (tabs and line ends are data). Two upper cases
// exist because the files of existing installations rely on both: the
// ASCII one (menu keys, codes, configuration words, form flags) leaves
// accented letters alone; the Windows-1252 one (the shopper's search) also
// raises the accented letters.
//
// The trims return a view into their argument: keep the argument alive, or
// copy the result (assigning it to a std::string or a ShortStr does).
#pragma once

#include <string>
#include <string_view>

namespace kiosk {

std::string_view TrimRight(std::string_view s);  // without trailing blanks
std::string_view TrimLeft(std::string_view s);   // without leading blanks
std::string_view Trim(std::string_view s);       // without either

// 'a'..'z' to 'A'..'Z'; every other byte unchanged.
constexpr char UpCase(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
std::string UpperAscii(std::string_view s);

// Windows-1252 upper case: the ASCII letters, the accented letters of
// E0..FE (not the division sign F7), and s caron, oe, z caron, y diaeresis.
char UpCaseCp1252(char c);
std::string UpperCp1252(std::string_view s);
// Appends the upper case of s to out (no allocation per call in a loop).
void AppendUpperCp1252(std::string& out, std::string_view s);

}  // namespace kiosk
