// The one fixture of the kiosk's tests above the store: a scratch working
// folder (lang\, data\, fixtures\), virtual time, every module reset before
// and after the test, a headless 1024x768 window opened with INIT, a key
// feeder, and pixel helpers by colour number.
//
// Keys are listed up front and handed over one at a time as the code asks
// for them (so opening the window, which empties the key queue, loses
// none). A test whose code reads more keys than it listed fails, and the
// code is unwound with the keys of OnKeysRunOut (Escape by default), so
// that no loop waits for ever.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/testing/scratch_folder.h"

namespace kiosk_test {

// Every module's globals back to their start values: the graphics layer and
// its key queue, the screen toolkit, the shell, the store, the catalogues,
// the map modules and the search.
void ResetAllModules();

class KioskTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Whether the fixture opens the window before the test (the main loop's
  // tests let the code open it; the catalogue tests need none).
  virtual bool FixtureOpensWindow() const { return true; }
  // Whether keys are handed over when the code only polls (KeyPressed) as
  // well as when it waits; the answer engine's tests hand them over only
  // when it waits.
  virtual bool FeedsPolls() const { return true; }
  // Queues the keys that unwind the code once the listed keys ran out.
  virtual void OnKeysRunOut() { Keys("\x1b"); }

  // ---- The working folder ("/" between folders)
  std::string Path(const std::string& rel) const { return (folder_ / rel).string(); }
  // A text file of lines, each ended with CR LF.
  void Write(const std::string& rel, const std::vector<std::string>& lines) const;
  void WriteFile(const std::string& rel, const std::string& bytes) const;
  std::string ReadFile(const std::string& rel) const;
  // The source tree (for the installation's own files).
  static std::filesystem::path SourceDir();
  // The installation's language files (lang\ and data\lang2.txt) in the
  // working folder.
  void UseInstalledLanguages() const;

  // ---- Keys
  // Typed characters, one key each.
  void Keys(const std::string& chars);
  // A key that arrives as 0 plus a code.
  void Code(std::uint8_t code);
  bool KeysUsedUp() const { return pending_.empty(); }

  // ---- Pixels
  // True when the pixel shows colour number n.
  static bool Is(int x, int y, int n);
  // How many pixels of the rectangle (inclusive) show colour number n.
  static int Count(int x1, int y1, int x2, int y2, int n);

  std::filesystem::path folder_;
  bool ranOutOfKeys_ = false;
  int runOuts_ = 0;  // times the keys ran out
  // The listed keys not yet handed over (a test that installs a key demand
  // hook of its own hands them over itself).
  std::deque<std::string> pending_;

 private:
  void Feed(bool blocking);
  ScratchFolder scratch_;
};

// Raw codes of keys that arrive as 0 plus a code.
inline constexpr std::uint8_t kPause = 12, kAltM = 50, kF1 = 59, kF5 = 63;
// Colour numbers the tests look for.
inline constexpr int kBlack = 12, kYellow = 253, kEmerald = 88, kCyan = 51, kWhite = 250,
                     kRed = 207, kGreen = 139;

}  // namespace kiosk_test
