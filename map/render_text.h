// Small text tests of the renderer: element identifiers and fixture codes are
// matched by substring, some of them regardless of case.
#pragma once

#include <string>
#include <string_view>
#include "common/text.h"

namespace mapview {

inline std::string Upper(std::string_view s) { return kiosk::UpperAscii(s); }

inline bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// Case-insensitive prefix test.
inline bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return Upper(text.substr(0, prefix.size())) == Upper(prefix);
}

// "Y" or "y" first.
inline bool IsOn(std::string_view option) {
  return !option.empty() && (option[0] == 'Y' || option[0] == 'y');
}

}  // namespace mapview
