// The answer engine and the calculator under test: a headless window in
// virtual time, a working folder holding the English menus they call (the
// take-over question, the language menus), and a key script handed over one
// key at a time whenever the kiosk waits for a key.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "common/clock.h"
#include "common/hostpath.h"
#include "graph/graph.h"
#include "graph/keyboard.h"
#include "screen/primitives.h"
#include "screen/quesans2.h"
#include "screen/secalc4.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

class AnswerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    kiosk::clock::UseVirtualTime(true);
    graph::ResetForTest();
    screen::ResetForTest();
    folder_ = std::filesystem::temp_directory_path() /
              ("answer_test_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    kiosk::SetWorkFolder(folder_.string());
    graph::UseHeadless(1024, 768);
    screen::INIT(3, 12);
    ASSERT_TRUE(graph::GraphEnabled());
    langs::ResetForTest();
    cfgfiles::ResetForTest();
    quesans2::ResetForTest();
    secalc4::ResetForTest();
    std::filesystem::create_directories(folder_ / "data");
    std::filesystem::create_directories(folder_ / "lang");
    WriteFile("data/lang2.txt", {{1, "E"}, {2, "F"}, {3, "I"}, {4, "S"}, {5, "P"}});
    WriteFile("lang/selE.txt", {{34, "Take over A) Discard B)"},
                                {47, "English A) French B) Italian C) Spanish D) Portuguese E)"},
                                {49, "Keep A) Change B)"}});
    WriteFile("lang/selnE.txt", {{24, "AB"}, {47, "ABCDE"}, {49, "AB"}});
    screen::LANGUAGE2 = 1;
    cfgfiles::LANG = 1;
    graph::SetKeyDemandHook([this](bool blocking) { Feed(blocking); });
  }
  void TearDown() override {
    graph::SetKeyDemandHook(nullptr);
    graph::CloseGraph();
    graph::ResetForTest();
    screen::ResetForTest();
    langs::ResetForTest();
    cfgfiles::ResetForTest();
    kiosk::SetWorkFolder(".");
    kiosk::clock::Reset();
    std::filesystem::remove_all(folder_);
  }

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
  void Type(std::string_view text) {
    for (char c : text) script_.push_back({false, static_cast<std::uint8_t>(c)});
  }
  // A key that arrives as 0 then a code (Left 75, Right 77, Home 71,
  // Delete 83, Pause 12, F1 59, Alt+C 46, Alt+M 50, Ctrl+End 117, Ctrl+Home 119).
  void Code(std::uint8_t code) { script_.push_back({true, code}); }
  void Left(int n = 1) {
    for (int i = 0; i < n; ++i) Code(75);
  }
  bool ScriptUsedUp() const { return script_.empty(); }

  // Pixels of colour number n in a rectangle (inclusive), and in the prompt box.
  static int Pixels(int x1, int y1, int x2, int y2, int n) {
    int count = 0;
    for (int y = y1; y <= y2; ++y) {
      for (int x = x1; x <= x2; ++x) {
        count += graph::GetPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)) ==
                 screen::ColorValue(n);
      }
    }
    return count;
  }
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

  kiosk::Str255 AskDescriptor(std::string_view descriptor, std::string_view start,
                              double* number = nullptr) {
    kiosk::Str255 answer = start;
    double n = -1;
    quesans2::QUESTION_ANSWER2(descriptor, "", answer, 255, n, 'A', 'X', 'X', 4, 8);
    if (number) *number = n;
    return answer;
  }

 private:
  struct Key {
    bool code;
    std::uint8_t value;
  };

  void Feed(bool blocking) {
    if (!blocking) return;
    if (script_.empty()) {
      // The kiosk wants more keys than the test gave: Pause ends answers,
      // menus and the calculator; a loop that will not end is a failure.
      if (++starved_ > 20) {
        std::fprintf(stderr, "key script used up and the kiosk still waits\n");
        std::abort();
      }
      ADD_FAILURE() << "the kiosk waited for a key after the script ended";
      graph::PushCode(12);
      return;
    }
    Key k = script_.front();
    script_.pop_front();
    if (k.code) {
      graph::PushCode(k.value);
    } else {
      graph::PushChar(static_cast<char>(k.value));
    }
  }

  std::deque<Key> script_;
  int starved_ = 0;

 protected:
  std::filesystem::path folder_;
};
