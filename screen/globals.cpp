// The common globals of the screen toolkit, shared by every module.
#include "screen/keys.h"
#include "screen/primitives.h"

namespace screen {

std::uint16_t MAXX = 0, MAXY = 0;
char CH = 0;
bool KEY_WAS_CODE = false;
Str255 ANS;
std::int32_t VALANS = key::kNone;
std::int32_t EDITOR_FLAG = 0;
std::int32_t LANGUAGE2 = 1;
std::int32_t LANG_FLAG = 0;
Str255 TEMP;
Str255 PROMPT, ENTRY_TYPE;
std::int32_t MAXLEN = 0, MINLEN = 0;
double MAXVAL = 0, MINVAL = 0, NUM = 0;
Str255 NAMEADDR[5];
Str255 PASS1[36];
Str255 LANGG[6];
graph::PointType QUAD[6] = {};
std::uint16_t ST = 0, LW = 1, P1 = 0;
std::int32_t SHOW_GRID = 0;

void ResetForTest() {
  MAXX = MAXY = 0;
  CH = 0;
  KEY_WAS_CODE = false;
  ANS.clear();
  VALANS = key::kNone;
  EDITOR_FLAG = 0;
  LANGUAGE2 = 1;
  LANG_FLAG = 0;
  TEMP.clear();
  PROMPT.clear();
  ENTRY_TYPE.clear();
  MAXLEN = MINLEN = 0;
  MAXVAL = MINVAL = NUM = 0;
  for (auto& s : NAMEADDR) s.clear();
  for (auto& s : PASS1) s.clear();
  for (auto& s : LANGG) s.clear();
  for (auto& p : QUAD) p = {0, 0};
  ST = 0;
  LW = 1;
  P1 = 0;
  SHOW_GRID = 0;
  SetTimeSource(nullptr);
}

}  // namespace screen
