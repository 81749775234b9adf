#include "common/text.h"

namespace kiosk {
namespace {

struct UpperTable {
  unsigned char map[256];
  UpperTable() {
    for (int c = 0; c < 256; ++c) map[c] = static_cast<unsigned char>(c);
    for (int c = 'a'; c <= 'z'; ++c) map[c] = static_cast<unsigned char>(c - 32);
    for (int c = 0xE0; c <= 0xFE; ++c)
      if (c != 0xF7) map[c] = static_cast<unsigned char>(c - 32);
    map[0x9A] = 0x8A;  // s caron
    map[0x9C] = 0x8C;  // oe
    map[0x9E] = 0x8E;  // z caron
    map[0xFF] = 0x9F;  // y diaeresis
  }
};

const UpperTable kUpper;

}  // namespace

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return s;
}

std::string_view Trim(std::string_view s) { return TrimLeft(TrimRight(s)); }

std::string UpperAscii(std::string_view s) {
  std::string u(s);
  for (char& c : u) c = UpCase(c);
  return u;
}

char UpCaseCp1252(char c) { return static_cast<char>(kUpper.map[static_cast<unsigned char>(c)]); }

void AppendUpperCp1252(std::string& out, std::string_view s) {
  for (char c : s) out.push_back(UpCaseCp1252(c));
}

std::string UpperCp1252(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  AppendUpperCp1252(out, s);
  return out;
}

}  // namespace kiosk
