// The text-set checker: examines the language files of an installation
// (INSTALLDIR/data/lang2.txt and INSTALLDIR/lang/*.txt) and reports each
// problem as one line of text.
//
// Families are taken from the files present, not from a list: a file
// lang\<family><suffix>.txt belongs to the language whose suffix it ends
// with. How a file is checked follows from its content:
//   - a family F with a family F + "n" beside it is a menu text family and
//     F + "n" holds its key letters, line by line;
//   - a file whose first line is a section header (F..|H..|C..|Q..|A..) is
//     a screen form;
//   - a file whose first line is a text spec (comma-separated, numeric
//     colour, x and y) is a spec file;
//   - anything else is a plain line file; a line of it with twenty or more
//     "|"-separated fields is a question descriptor and is checked as one.
// Every file is checked for line length and Windows-1252 bytes; every family
// must exist in all languages with the same number of lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace textcheck {

// Screen size the layouts are checked against, and the width a menu
// character is assumed to take when a menu line is centred.
inline constexpr int kScreenWidth = 1920;
inline constexpr int kScreenHeight = 1080;
inline constexpr int kMenuCharWidth = 12;

// All problems of the installation in installDir, in a stable order (by
// file, then line). Empty when all is well.
std::vector<std::string> CheckInstallation(const std::string& installDir);

// The key letters of a menu line: the character before each ")".
std::string MenuKeys(std::string_view line);

// True when text is a number as the kiosk's conversions read one: leading
// blanks, an optional sign, digits with an optional point and exponent.
bool IsNumber(std::string_view text);

}  // namespace textcheck
