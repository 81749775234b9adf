#include "common/numtext.h"

#include <cmath>
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
