#include "common/numtext.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/clock.h"
#include "common/text.h"

namespace kiosk {
namespace {

// False when t (leading blanks already gone) is not wholly a finite number.
bool ParseReal(std::string_view t, double& r) {
  t = TrimRight(t);
  std::size_t i = 0;
  auto digits = [&] {
    std::size_t start = i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
    return i - start;
  };
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  std::size_t mantissa = digits();
  std::size_t fraction = 0;
  if (i < t.size() && t[i] == '.') {
    ++i;
    fraction = digits();
    mantissa += fraction;
  }
  if (mantissa == 0) return false;
  bool exponent = false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    exponent = true;
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    if (digits() == 0) return false;
  }
  if (i != t.size()) return false;
  if (!exponent && mantissa <= 15) {
    // Up to 15 digits are a whole number a double holds exactly, and so is
    // a power of ten up to 10^22: one division of the two is the correctly
    // rounded value, as strtod gives it. Map fields are read by the
    // thousand on every redraw.
    static constexpr double kTens[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::int64_t whole = 0;
    for (char c : t)
      if (c >= '0' && c <= '9') whole = whole * 10 + (c - '0');
    r = static_cast<double>(whole) / kTens[fraction];
    if (t[0] == '-') r = -r;
    return true;
  }
  const std::string s(t);
  r = std::strtod(s.c_str(), nullptr);
  return std::isfinite(r);
}

}  // namespace

double TextToReal(std::string_view text) {
  double r = 0;
  if (!ParseReal(TrimLeft(text), r)) r = 0;
  return r;
}

bool ReadReal(std::string_view text, double& r) {
  double value = 0;
  if (!ParseReal(TrimLeft(text), value)) return false;
  r = value;
  return true;
}

std::int32_t RealToWhole(double r) {
  const double a = std::fabs(r);
  if (a < 32768) {
    const double whole = std::round(a);  // halves away from zero
    // 32767.5 and above would round to 32768, which no result may hold.
    if (whole > 32767) return 0;
    const auto n = static_cast<std::int32_t>(whole);
    return r < 0 ? -n : n;
  }
  if (a > 32768) return 0;
  // Exactly 32768 (or not a number) has no text to convert.
  clock::SleepMs(50);
  return 0;
}

std::int16_t RealToShort(double r) { return static_cast<std::int16_t>(RealToWhole(r)); }

std::int32_t TextToWhole(std::string_view text) { return RealToWhole(TextToReal(text)); }

}  // namespace kiosk
