// The programs' shared command-line rule: "--help" or "-h" anywhere asks
// for the program's help text, which goes to standard output (exit 0).
#pragma once

#include <cstring>

namespace kiosk {

inline bool AskedForHelp(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return true;
  return false;
}

}  // namespace kiosk
