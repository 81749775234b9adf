// Key classes of the answer engine: which keys are typed characters (put
// into the answer as they are), which function and control keys arrive as
// which editing codes, and which of those a text or number answer lets
// through.
#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <utility>

#include "common/numtext.h"
#include "common/text.h"
#include "screen/primitives.h"
#include "screen/quesans2.h"

namespace quesans2 {
namespace {

// Incoming key code -> the editing code left in VALANS.
constexpr std::pair<int, int> kNormalise[] = {
    {1, 204},   {2, 138},   {4, 205},   {5, 193},   {6, 207},   {7, 161},   {8, 8},
    {14, 209},  {17, 192},  {18, 195},  {19, 206},  {20, 196},  {21, 199},  {22, 142},
    {23, 194},  {24, 159},  {25, 197},  {26, 221},  {37, 152},  {129, 210}, {130, 212},
    {131, 211}, {132, 213}, {133, 214}, {134, 187}, {144, 224}, {145, 226}, {146, 225},
    {147, 227}, {148, 228}, {149, 229}, {150, 231}, {158, 236}, {159, 238}, {160, 237},
    {161, 239}, {162, 191}, {172, 253}, {173, 255}, {174, 174}, {175, 158}, {176, 154},
    {177, 241}, {178, 178}, {199, 165}, {203, 166}, {205, 153}, {211, 151}, {222, 200},
    {223, 201}, {224, 202}, {225, 203}, {226, 217}, {227, 218}, {228, 219}, {229, 220},
    {232, 232}, {233, 233}, {234, 234}, {235, 235}, {236, 249}, {237, 250}, {238, 251},
    {239, 252}, {245, 15},  {247, 11},  {248, 242}, {249, 244}, {250, 243}, {251, 245},
    {252, 246}, {253, 171},
};

bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

bool OneOf(int v, std::initializer_list<int> list) {
  return std::find(list.begin(), list.end(), v) != list.end();
}

}  // namespace

bool IsTypedCharacter(unsigned char c, bool arrivedAsCode) {
  if (arrivedAsCode || c < 32 || c == 127 || c == '|') return false;
  // The five places Windows-1252 leaves without a character.
  return c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D;
}

std::int32_t NormaliseKey(std::int32_t code) {
  for (const auto& [from, to] : kNormalise) {
    if (from == code) return to;
  }
  return code;
}

bool IsInsertedCode(std::int32_t code) {
  // Editing codes act on the answer; they are never characters of it.
  if (OneOf(code, {8, 11, 15, 37, 151, 153, 165, 166, 174, 178})) return false;
  // Function, cursor and Ctrl keys that reach the caller as one character.
  return OneOf(code, {126, 138, 142, 154, 158, 159, 161, 171, 187, 191, 255}) ||
         InRange(code, 192, 197) || InRange(code, 199, 207) || InRange(code, 209, 214) ||
         InRange(code, 217, 221) || InRange(code, 224, 229) || InRange(code, 231, 239) ||
         InRange(code, 241, 246) || InRange(code, 249, 253);
}

bool PassesKindFilter(char kind, std::int32_t keyCode) {
  if (kind == 'A') {
    return OneOf(keyCode, {8, 9, 13, 32, 37, 126, 140, 174, 176, 188, 189, 190, 193, 203, 205,
                           211, 245, 247});
  }
  if (kind == 'N') {
    return OneOf(keyCode, {8, 9, 13, 32, 37, 126, 140, 174, 187, 189, 190, 193, 194, 203, 205,
                           211, 245, 247});
  }
  return true;  // answers of any other kind are not filtered
}

std::int32_t NumberMaxLength(double upLimit) {
  char buf[64];
  int n = std::snprintf(buf, sizeof buf, "%.3f", upLimit == 0 ? 0.0 : upLimit);
  return std::clamp(n, 1, 255);
}

double AnswerValue(std::string_view answer) {
  // Trailing blanks (from Tab, say) do not make a number unreadable.
  return kiosk::TextToReal(answer);
}

}  // namespace quesans2
