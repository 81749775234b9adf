// Finding and reading the language files: suffixes, numbered lines, spec
// lists.
#include <string>

#include "common/clock.h"
#include "graph/graph.h"
#include "graph/keyboard.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace langs {

std::int32_t A = 0;
std::int32_t IOSTATUS = 0;
kiosk::TextFile F;

namespace {

constexpr std::int32_t kFileNotFound = 2;  // the I/O status of a failed open
constexpr const char* kSuffixFile = "data\\lang2.txt";

bool Contains(const Str255& line, std::string_view what) {
  return line.view().find(what) != std::string_view::npos;
}

}  // namespace

void OPENDFILE(std::string_view name, std::int32_t& status) {
  status = 0;
  if (F.Open(name)) return;
  status = kFileNotFound;
  ShowOpenError();
}

void ShowOpenError() {
  graph::OutTextXY(100, static_cast<std::int16_t>(screen::MAXY - 47), kOpenError);
  kiosk::clock::SleepMs(screen::kMessageMs);
}

void GETLANG(Str255& name) {
  OPENDFILE(kSuffixFile, IOSTATUS);
  if (IOSTATUS == 0) {
    for (int k = 1; k <= 5; ++k) screen::LANGG[k] = F.ReadLine();
    F.Close();
  }
  cfgfiles::TESTNEWCFG(cfgfiles::WHEREISX, cfgfiles::WHEREISY, cfgfiles::FLOORX);
  std::int32_t lang = cfgfiles::LANG;
  if (lang >= 1 && lang <= 5) {
    Str255 file = "lang\\";
    file += name;
    file += screen::LANGG[lang];
    file += ".txt";
    name = file;
    screen::LANGUAGE2 = lang;
  }
}

void GETEXACT(std::string_view family, std::int32_t n) {
  Str255 name = family;
  GETLANG(name);
  OPENDFILE(name.view(), IOSTATUS);
  if (IOSTATUS != 0) {
    screen::TEMP.clear();
    return;
  }
  Str255 line;
  for (A = 1; A <= n; ++A) {
    line = F.ReadLine();
    if (Contains(line, kLineSentinel)) {  // no text at or after the sentinel
      F.Close();
      return;
    }
  }
  screen::TEMP = line;
  F.Close();
}

void GETFILES(std::string_view family) {
  Str255 name = family;
  GETLANG(name);
  OPENDFILE(name.view(), IOSTATUS);
  if (IOSTATUS != 0) return;
  std::int32_t count = 0;
  do {
    Str255 line = F.ReadLine();
    if (!Contains(line, kSpecSentinel)) {
      screen::DELETERIGHTBLANKS(line);
      ++count;
      screen::PASS1[count] = line;
    } else {
      count = 35;
    }
  } while (count < 35);
  A = count;
  F.Close();
}

}  // namespace langs
