// Text to number and back: the toolkit's routines over common/numtext.h.
#include <string>

#include "common/numtext.h"
#include "screen/primitives.h"

namespace screen {

void STRINGTOREAL(std::string_view text, double& r) { r = kiosk::TextToReal(text); }

void REALTOINTEGER(std::int32_t& n, double r) { n = kiosk::RealToWhole(r); }

void REALTOSINTEGER(std::int16_t& n, double r) { n = kiosk::RealToShort(r); }

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
