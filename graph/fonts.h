// Inside the graphics layer: font families through fontconfig.
#pragma once

#include <string>

namespace graph::detail {

// True when the system has a font family of exactly that name (any case).
bool SystemHasFamily(const std::string& family);
// True when the family has an italic or oblique face of its own.
bool FamilyHasItalic(const std::string& family);
// The family a face name is drawn with: the face itself when installed, else
// its substitute; "" when there is neither. Faces of the default font table
// always resolve (at worst to fontconfig's best match for the name).
std::string ResolveFace(const std::string& face);
// The faces installed at InitGraph, in slot order.
extern const char* const kDefaultFaces[8];

}  // namespace graph::detail
