// Font families: which faces the system has and what stands in for the rest.
#include "graph/fonts.h"

#include <fontconfig/fontconfig.h>

#include <cstring>
#include <map>
#include <mutex>
#include <strings.h>

namespace graph::detail {

const char* const kDefaultFaces[8] = {"Times New Roman", "Arial",  "Caesar Open",   "Andale Mono",
                                      "DejaVu Sans",     "Tahoma", "ParkAvenue BT", "Courier New"};

namespace {

// Stand-ins for faces a Linux installation rarely has: metric-compatible
// families where they exist, else the nearest in spirit.
const struct {
  const char* face;
  const char* substitute;
} kSubstitutes[] = {
    {"Times New Roman", "Liberation Serif"}, {"Arial", "Liberation Sans"},
    {"Courier New", "Liberation Mono"},      {"Caesar Open", "DejaVu Serif"},
    {"Andale Mono", "DejaVu Sans Mono"},     {"Tahoma", "DejaVu Sans Condensed"},
    {"ParkAvenue BT", "Z003"},
};

std::mutex g_fcLock;  // fontconfig's current configuration is shared

int CountFaces(const std::string& family, int slant) {
  std::lock_guard<std::mutex> g(g_fcLock);
  if (!FcInit()) return 0;
  FcPattern* pat = FcPatternCreate();
  FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  if (slant >= 0) FcPatternAddInteger(pat, FC_SLANT, slant);
  FcObjectSet* os = FcObjectSetBuild(FC_FAMILY, FC_SLANT, nullptr);
  FcFontSet* fs = FcFontList(nullptr, pat, os);
  int n = fs ? fs->nfont : 0;
  if (fs) FcFontSetDestroy(fs);
  FcObjectSetDestroy(os);
  FcPatternDestroy(pat);
  return n;
}

std::string BestMatch(const std::string& face) {
  std::lock_guard<std::mutex> g(g_fcLock);
  if (!FcInit()) return "";
  FcPattern* pat = FcPatternCreate();
  FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
  FcConfigSubstitute(nullptr, pat, FcMatchPattern);
  FcDefaultSubstitute(pat);
  FcResult res;
  FcPattern* match = FcFontMatch(nullptr, pat, &res);
  std::string out;
  FcChar8* fam = nullptr;
  if (match && FcPatternGetString(match, FC_FAMILY, 0, &fam) == FcResultMatch) out = reinterpret_cast<char*>(fam);
  if (match) FcPatternDestroy(match);
  FcPatternDestroy(pat);
  return out;
}

}  // namespace

bool SystemHasFamily(const std::string& family) { return !family.empty() && CountFaces(family, -1) > 0; }

bool FamilyHasItalic(const std::string& family) {
  static std::mutex m;
  static std::map<std::string, bool> cache;
  std::lock_guard<std::mutex> g(m);
  auto it = cache.find(family);
  if (it != cache.end()) return it->second;
  bool has = CountFaces(family, FC_SLANT_ITALIC) > 0 || CountFaces(family, FC_SLANT_OBLIQUE) > 0;
  cache[family] = has;
  return has;
}

std::string ResolveFace(const std::string& face) {
  if (SystemHasFamily(face)) return face;
  for (const auto& s : kSubstitutes)
    if (strcasecmp(s.face, face.c_str()) == 0 && SystemHasFamily(s.substitute)) return s.substitute;
  for (const char* f : kDefaultFaces)
    if (strcasecmp(f, face.c_str()) == 0) return BestMatch(face);
  return "";
}

}  // namespace graph::detail
