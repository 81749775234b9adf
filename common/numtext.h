// Numbers held as text (every number of a record, a form or a zone line is
// one): text to number with the kiosk's rules, as values.
//
// Owns: the one parser and the one rounding rule behind the screen
// toolkit's STRINGTOREAL / REALTOINTEGER / STRINGTORI and every module
// that needs a number from a field.
#pragma once

#include <cstdint>
#include <string_view>

namespace kiosk {

// Leading and trailing blanks are skipped; then an optional sign, digits
// with an optional point and an optional exponent. Anything else, and a
// value that is not finite, gives 0.
double TextToReal(std::string_view text);
// The same reading; false (r untouched) when the text is not wholly a
// finite number, for callers that must tell "0" from a text that is none.
bool ReadReal(std::string_view text, double& r);

// The nearest whole number, halves away from zero, within -32767..32767;
// any value that rounds to 32768 or more (either sign) gives 0. Exactly
// +-32768 has no text to convert, and the failed conversion costs a 50 ms
// pause, as it always has.
std::int32_t RealToWhole(double r);
std::int16_t RealToShort(double r);

// TextToReal, then RealToWhole.
std::int32_t TextToWhole(std::string_view text);

}  // namespace kiosk
