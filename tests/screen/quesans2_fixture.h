// The answer engine and the calculator under test, on the kiosk fixture: a
// working folder holding the English menus they call (the take-over
// question, the language menus), and a key script handed over one key at a
// time whenever the kiosk waits for a key. Keys that run out end the answer
// with Pause.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "common/clock.h"
#include "graph/graph.h"
#include "graph/keyboard.h"
#include "screen/primitives.h"
#include "screen/quesans2.h"
#include "screen/secalc4.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"
#include "tests/testing/kiosk_fixture.h"

class AnswerTest : public kiosk_test::KioskTest {
 protected:
  void SetUp() override {
    KioskTest::SetUp();
    WriteFile("data/lang2.txt", {{1, "E"}, {2, "F"}, {3, "I"}, {4, "S"}, {5, "P"}});
    WriteFile("lang/selE.txt", {{34, "Take over A) Discard B)"},
                                {47, "English A) French B) Italian C) Spanish D) Portuguese E)"},
                                {49, "Keep A) Change B)"}});
    WriteFile("lang/selnE.txt", {{24, "AB"}, {47, "ABCDE"}, {49, "AB"}});
    screen::LANGUAGE2 = 1;
    cfgfiles::LANG = 1;
  }
  bool FeedsPolls() const override { return false; }
  void OnKeysRunOut() override { Code(kiosk_test::kPause); }

  // Lines of a text file by number; the others are empty.
  void WriteFile(const std::string& name, const std::map<int, std::string>& lines) {
    std::ofstream out(folder_ / name, std::ios::binary);
    int last = lines.empty() ? 0 : lines.rbegin()->first;
    for (int i = 1; i <= last; ++i) {
      auto it = lines.find(i);
      out << (it == lines.end() ? "" : it->second) << "\r\n";
    }
  }

  // Keys typed later, one handed over each time the kiosk waits.
  void Type(std::string_view text) { Keys(std::string(text)); }
  // A key that arrives as 0 then a code (Left 75, Right 77, Home 71,
  // Delete 83, Pause 12, F1 59, Alt+C 46, Alt+M 50, Ctrl+End 117, Ctrl+Home 119).
  void Left(int n = 1) {
    for (int i = 0; i < n; ++i) Code(75);
  }
  bool ScriptUsedUp() const { return KeysUsedUp(); }

  // Pixels of colour number n in a rectangle (inclusive), and in the prompt box.
  static int Pixels(int x1, int y1, int x2, int y2, int n) { return Count(x1, y1, x2, y2, n); }
  static int PromptPixels(int n) {
    return Pixels(4, screen::MAXY - 62, screen::MAXX - 3, screen::MAXY - 3, n);
  }

  // Asks a plain question of the given kind with a starting answer.
  kiosk::Str255 AskPlain(std::string_view start, char kind = 'A', double* number = nullptr) {
    kiosk::Str255 answer = start;
    double n = -1;
    quesans2::QUESTION_ANSWER2("Name?", "", answer, 255, n, kind, 'X', 'X', 4, 8);
    if (number) *number = n;
    return answer;
  }

  // The answer to a descriptor, started empty, and the milliseconds it took.
  std::pair<kiosk::Str255, std::int64_t> TimedAnswer(std::string_view descriptor) {
    const std::int64_t before = kiosk::clock::NowMs();
    kiosk::Str255 answer = AskDescriptor(descriptor, "");
    return {answer, kiosk::clock::NowMs() - before};
  }

  kiosk::Str255 AskDescriptor(std::string_view descriptor, std::string_view start,
                              double* number = nullptr) {
    kiosk::Str255 answer = start;
    double n = -1;
    quesans2::QUESTION_ANSWER2(descriptor, "", answer, 255, n, 'A', 'X', 'X', 4, 8);
    if (number) *number = n;
    return answer;
  }
};
