// What the benchmarks share: the source tree, the word list their stores
// are made of, a headless screen in virtual time and a scratch working
// folder.
#pragma once

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/hostpath.h"
#include "graph/graph.h"
#include "screen/primitives.h"

namespace bench {

inline std::string SourceDir() {
  const char* env = std::getenv("KIOSK_SOURCE_DIR");
  return env ? env : std::filesystem::path(__FILE__).parent_path().parent_path().string();
}

// The system's English word list: plain ASCII words of 3 letters or more.
inline std::vector<std::string> Words() {
  std::vector<std::string> words;
  std::ifstream in("/usr/share/dict/american-english");
  for (std::string w; std::getline(in, w);) {
    bool plain = w.size() >= 3;
    for (char c : w) plain = plain && static_cast<unsigned char>(c) < 128 && c != '\'';
    if (plain) words.push_back(w);
  }
  return words;
}

// A full-HD headless screen in virtual time, opened once.
inline void OpenScreen() {
  static bool open = false;
  if (open) return;
  kiosk::clock::UseVirtualTime(true);
  graph::UseHeadless(1920, 1080);
  screen::INIT(3, 12);
  open = true;
}

inline double Ms(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// A scratch working folder named after the program, with a subfolder.
inline std::filesystem::path WorkIn(const std::string& program, const std::string& sub) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / (program + "_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir / sub);
  kiosk::SetWorkFolder(dir.string());
  return dir;
}

}  // namespace bench
