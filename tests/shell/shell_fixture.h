// The shell's tests on the kiosk fixture: each test fills the scratch
// working folder with the small language and configuration files it needs.
// The open-error waits (the only 5 s waits) are counted.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/clock.h"
#include "graph/graph.h"
#include "graph/keyboard.h"
#include "screen/primitives.h"
#include "screen/quesans2.h"
#include "screen/writescreen.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"
#include "shell/mainloop.h"
#include "tests/testing/kiosk_fixture.h"

using namespace kiosk_test;  // NOLINT: the fixture's names and colours

class ShellTest : public KioskTest {
 protected:
  void SetUp() override {
    KioskTest::SetUp();
    kiosk::clock::SetVirtualSleepHook([this](std::int64_t now) {
      if (now - lastSleep_ == 5000) ++openErrors_;
      lastSleep_ = now;
    });
    lastSleep_ = kiosk::clock::NowMs();
  }

  // The main routine opens the window itself.
  virtual bool OpensWindowItself() const { return false; }
  bool FixtureOpensWindow() const override { return !OpensWindowItself(); }

  // An English-only language set: suffix file with E for language 1 and F
  // for language 2.
  void WriteSuffixes() { Write("data/lang2.txt", {"E", "F", "I", "S", "P"}); }
  // The suffixes and a configuration that chooses English.
  void UseEnglish() {
    WriteSuffixes();
    Write("lang/config.txt", {"0", "0", "1", "K", "English"});
    screen::LANGUAGE2 = 1;
  }

  int openErrors_ = 0;
  std::int64_t lastSleep_ = 0;
};
