// A headless 1024x768 kiosk window in virtual time over a scratch working
// folder (lang\, data\, fixtures\) that each test fills with the small
// language and configuration files it needs. A test lists its keys up
// front; one that reads more keys than it listed is failed and unwound with
// Escape keys, so that no loop can wait for ever.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/hostpath.h"
#include "graph/graph.h"
#include "graph/keyboard.h"
#include "screen/primitives.h"
#include "screen/quesans2.h"
#include "screen/writescreen.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"
#include "shell/mainloop.h"

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    kiosk::clock::UseVirtualTime(true);
    ResetAll();
    folder_ = std::filesystem::temp_directory_path() /
              ("shell_test_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    for (const char* sub : {"lang", "data", "fixtures"})
      std::filesystem::create_directories(folder_ / sub);
    kiosk::SetWorkFolder(folder_.string());
    // The open-error waits are the only 5 s waits: count them.
    kiosk::clock::SetVirtualSleepHook([this](std::int64_t now) {
      if (now - lastSleep_ == 5000) ++openErrors_;
      lastSleep_ = now;
    });
    lastSleep_ = kiosk::clock::NowMs();
    // Keys are handed over one at a time as the code asks for them, so that
    // opening the window (which empties the key queue) loses none.
    graph::SetKeyDemandHook([this](bool blocking) {
      if (!pending_.empty()) {
        for (char c : pending_.front()) graph::PushChar(c);
        pending_.pop_front();
      } else if (blocking) {
        ranOutOfKeys_ = true;
        graph::PushChar(27);
      }
    });
    graph::UseHeadless(1024, 768);
    if (!OpensWindowItself()) {
      screen::INIT(3, 12);
      ASSERT_TRUE(graph::GraphEnabled());
    }
  }

  // The main routine opens the window itself.
  virtual bool OpensWindowItself() const { return false; }

  void TearDown() override {
    EXPECT_FALSE(ranOutOfKeys_) << "the code read more keys than the test listed";
    EXPECT_TRUE(pending_.empty()) << pending_.size() << " listed keys were never read";
    graph::SetKeyDemandHook(nullptr);
    if (graph::GraphEnabled()) graph::CloseGraph();
    ResetAll();
    kiosk::SetWorkFolder(".");
    kiosk::clock::Reset();
    std::filesystem::remove_all(folder_);
  }

  static void ResetAll() {
    graph::ResetForTest();
    graph::ResetKeyQueue();
    screen::ResetForTest();
    quesans2::ResetForTest();
    writescreen::ResetForTest();
    cfgfiles::ResetForTest();
    langs::ResetForTest();
    shell::ResetForTest();
  }

  // Writes a text file (Windows-1252 bytes, CR LF line ends) under the
  // working folder; name uses "/" between folders.
  void Write(const std::string& name, const std::vector<std::string>& lines) {
    std::ofstream out(folder_ / name, std::ios::binary);
    for (const std::string& l : lines) out << l << "\r\n";
  }

  // An English-only language set: suffix file with E for language 1 and F
  // for language 2, and a configuration of the given lines.
  void WriteSuffixes() { Write("data/lang2.txt", {"E", "F", "I", "S", "P"}); }
  // The suffixes and a configuration that chooses English.
  void UseEnglish() {
    WriteSuffixes();
    Write("lang/config.txt", {"0", "0", "1", "K", "English"});
    screen::LANGUAGE2 = 1;
  }

  // Queues typed characters, one key each, and keys that arrive as 0 plus
  // a code.
  void Keys(const std::string& chars) {
    for (char c : chars) pending_.push_back(std::string(1, c));
  }
  void Code(std::uint8_t code) { pending_.push_back(std::string(1, '\0') + static_cast<char>(code)); }

  static bool Is(int x, int y, int n) {
    return graph::GetPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)) ==
           screen::ColorValue(n);
  }
  // How many pixels of the rectangle (inclusive) show colour number n.
  static int Count(int x1, int y1, int x2, int y2, int n) {
    int count = 0;
    for (int y = y1; y <= y2; ++y)
      for (int x = x1; x <= x2; ++x) count += Is(x, y, n);
    return count;
  }

  std::filesystem::path folder_;
  int openErrors_ = 0;
  bool ranOutOfKeys_ = false;
  std::deque<std::string> pending_;
  std::int64_t lastSleep_ = 0;
};

// Raw codes of keys that arrive as 0 plus a code.
inline constexpr std::uint8_t kPause = 12, kAltM = 50, kF1 = 59, kF5 = 63;
inline constexpr int kYellow = 253, kEmerald = 88, kCyan = 51, kWhite = 250, kRed = 207;
