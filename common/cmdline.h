// The programs' shared command-line rule: "--help" or "-h" anywhere asks
// for the program's help text, which goes to standard output (exit 0).
#pragma once

#include <cstdio>
#include <cstring>

namespace kiosk {

inline bool AskedForHelp(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return true;
  return false;
}

// Prints help to standard output when it was asked for; then true.
inline bool AnsweredHelp(int argc, const char* const* argv, const char* help) {
  if (!AskedForHelp(argc, argv)) return false;
  std::fputs(help, stdout);
  return true;
}

}  // namespace kiosk
