// Text to number and back, with the kiosk's trimming and rounding.
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "graph/keyboard.h"
#include "screen/primitives.h"

namespace screen {
namespace {

// A decimal number: optional sign, digits with an optional point, optional
// exponent; trailing blanks allowed. Anything else is not a number.
bool ParseReal(std::string_view t, double& r) {
  while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
  std::size_t i = 0;
  auto digits = [&] {
    std::size_t start = i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
    return i - start;
  };
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  std::size_t mantissa = digits();
  if (i < t.size() && t[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    if (digits() == 0) return false;
  }
  if (i != t.size()) return false;
  const std::string s(t);
  r = std::strtod(s.c_str(), nullptr);
  if (!std::isfinite(r)) r = 0;
  return true;
}

// The whole number for r, or 0 outside -32767..32767.
std::int32_t Nearest(double r) {
  const double a = std::fabs(r);
  if (a < 32768) {
    const double whole = std::round(a);  // halves away from zero
    // 32767.5 and above would round to 32768, which no result may hold.
    if (whole > 32767) return 0;
    const auto n = static_cast<std::int32_t>(whole);
    return r < 0 ? -n : n;
  }
  if (a > 32768) return 0;
  // Exactly 32768 (or not a number) has no text to convert: the failed
  // conversion costs its pause, as it always has.
  graph::Delay(50);
  return 0;
}

}  // namespace

void STRINGTOREAL(std::string_view text, double& r) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (!ParseReal(text, r)) r = 0;
}

void REALTOINTEGER(std::int32_t& n, double r) { n = Nearest(r); }

void REALTOSINTEGER(std::int16_t& n, double r) { n = static_cast<std::int16_t>(Nearest(r)); }

void STRINGTORI(std::string_view text, double& r, std::int32_t& n) {
  STRINGTOREAL(text, r);
  REALTOINTEGER(n, r);
}

void STRINGTOSRI(std::string_view text, double& r, std::int16_t& n) {
  STRINGTOREAL(text, r);
  REALTOSINTEGER(n, r);
}

void INTEGERTOSTRING(std::int32_t n, Str255& text) { text = std::to_string(n); }

}  // namespace screen
