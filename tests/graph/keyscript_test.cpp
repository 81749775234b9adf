// Key scripts and the headless runner.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/clock.h"
#include "common/hostpath.h"
#include "graph/graph.h"
#include "graph/headless_runner.h"
#include "graph/keyboard.h"
#include "graph/keyscript.h"

using namespace graph;

namespace {

std::string Bytes(const std::vector<ScriptStep>& steps) {
  std::string s;
  for (const auto& st : steps) {
    if (st.kind == ScriptStep::kKey) s += st.bytes;
    if (st.kind == ScriptStep::kWait) s += "<w" + std::to_string(st.ms) + ">";
    if (st.kind == ScriptStep::kShot) s += "<s:" + st.name + ">";
  }
  return s;
}

std::string Parse(const std::string& text) {
  std::vector<ScriptStep> steps;
  std::string error;
  EXPECT_TRUE(ParseKeyScript(text, steps, error)) << error;
  return Bytes(steps);
}

bool Rejects(const std::string& text) {
  std::vector<ScriptStep> steps;
  std::string error;
  bool ok = ParseKeyScript(text, steps, error);
  return !ok && !error.empty();
}

std::filesystem::path TempDir(const std::string& name) {
  auto p = std::filesystem::temp_directory_path() / ("graph_test_" + name + "_" + std::to_string(::getpid()));
  std::filesystem::remove_all(p);
  std::filesystem::create_directories(p);
  return p;
}

// A kiosk in miniature: opens the screen, echoes keys until Escape, and
// returns the number of keys read.
int EchoKiosk() {
  InitGraph(3, 12, "");
  int n = 0;
  for (;;) {
    char c = ReadKey();
    ++n;
    SetColor(15);
    SetTextStyle(1, 0, 30);
    OutTextXY(static_cast<std::int16_t>(10 + 20 * n), 10, std::string(1, c == 0 ? '0' : c));
    if (c == 27) break;
  }
  CloseGraph();
  return n;
}

}  // namespace

TEST(KeyScript, CharactersAndNamedKeys) {
  EXPECT_EQ(Parse("ab\n{ENTER}"), "ab\r");
  EXPECT_EQ(Parse("{{x}"), "{x}");
  EXPECT_EQ(Parse("caf\xC3\xA9 \xE2\x82\xAC"), "caf\xE9 \x80");  // typed as Windows-1252
  EXPECT_EQ(Parse("{ALT+M}{F1}{SHIFT+F1}{ctrl+home}"), std::string("\0\x32\0\x3b\0\x54\0\x77", 8));
  EXPECT_EQ(Parse("{F12}{ALT+F12}{SHIFT+ALT+F12}"), std::string("\0\x86\0\x8c\0\x88", 6));
  EXPECT_EQ(Parse("{PAUSE}{ESC}{BS}{TAB}{CTRL+TAB}"), std::string("\0\x0c\x1b\x08\x09\x1e", 6));
  EXPECT_EQ(Parse("{CLOSE}"), std::string("\0\x6b", 2));
  EXPECT_EQ(Parse("{KP8}{NUM+KP8}{SPACE}"), std::string("\0\x48" "8 ", 4));
  EXPECT_EQ(Parse("{WAIT 500}{SHOT start}x"), "<w500><s:start>x");
}

TEST(KeyScript, MalformedScriptsAreRefused) {
  EXPECT_TRUE(Rejects("{ENTER"));
  EXPECT_TRUE(Rejects("{NOSUCHKEY}"));
  EXPECT_TRUE(Rejects("{HYPER+A}"));
  EXPECT_TRUE(Rejects("{WAIT}"));
  EXPECT_TRUE(Rejects("{WAIT -5}"));
  EXPECT_TRUE(Rejects("{SHOT ../escape}"));
}

TEST(KeyScript, CommandLine) {
  auto dir = TempDir("args");
  std::ofstream(dir / "keys.txt") << "ab{ESC}";
  std::string keys = (dir / "keys.txt").string();
  const char* argv[] = {"kiosk-headless", "--dir", "/x", "--keys", keys.c_str(), "--size", "800x600"};
  HeadlessOptions o;
  std::string error;
  ASSERT_TRUE(ParseHeadlessArgs(7, argv, o, error)) << error;
  EXPECT_EQ(o.width, 800);
  EXPECT_EQ(o.height, 600);
  EXPECT_EQ(o.steps.size(), 3u);
  const char* bad[] = {"kiosk-headless", "--dir", "/x", "--keys", keys.c_str(), "--size", "800"};
  EXPECT_FALSE(ParseHeadlessArgs(7, bad, o, error));
  const char* missing[] = {"kiosk-headless", "--keys", keys.c_str()};
  EXPECT_FALSE(ParseHeadlessArgs(3, missing, o, error));
  std::filesystem::remove_all(dir);
}

class Runner : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetForTest();
    kiosk::clock::Reset();
    cwd_ = std::filesystem::current_path();
  }
  void TearDown() override {
    std::filesystem::current_path(cwd_);
    kiosk::SetWorkFolder(".");
    ResetForTest();
    kiosk::clock::Reset();
  }
  HeadlessOptions Options(const std::string& script, const std::filesystem::path& dir) {
    HeadlessOptions o;
    std::string error;
    EXPECT_TRUE(ParseKeyScript(script, o.steps, error)) << error;
    o.workDir = dir.string();
    o.shotDir = (dir / "shots").string();
    o.width = 320;
    o.height = 200;
    return o;
  }
  std::filesystem::path cwd_;
};

TEST_F(Runner, KioskEndingByItselfGivesItsResult) {
  auto dir = TempDir("ends");
  HeadlessOptions o = Options("ab{F1}{ESC}", dir);
  bool finished = false;
  int rc = RunHeadless(o, EchoKiosk, [&](int) { finished = true; });
  EXPECT_EQ(rc, 5);  // a, b, 0, 59, Escape
  EXPECT_FALSE(finished);
  EXPECT_TRUE(kiosk::clock::IsVirtual());
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(dir));
  std::filesystem::current_path(cwd_);
  std::filesystem::remove_all(dir);
}

TEST_F(Runner, ShotsAndTheFinalScreen) {
  auto dir = TempDir("shots");
  HeadlessOptions o = Options("a{SHOT one}b", dir);
  EXPECT_EXIT(
      {
        RunHeadless(o, EchoKiosk);
        std::exit(3);  // not reached: the runner ends the process
      },
      ::testing::ExitedWithCode(0), "");
  auto one = dir / "shots" / "one.bmp", fin = dir / "shots" / "final.bmp";
  ASSERT_TRUE(std::filesystem::exists(one));
  ASSERT_TRUE(std::filesystem::exists(fin));
  EXPECT_EQ(std::filesystem::file_size(one), 54u + 200 * 960);
  // "one" shows only the a; final also the b.
  std::ifstream f1(one, std::ios::binary), f2(fin, std::ios::binary);
  std::string b1((std::istreambuf_iterator<char>(f1)), {}), b2((std::istreambuf_iterator<char>(f2)), {});
  EXPECT_NE(b1, b2);
  std::filesystem::remove_all(dir);
}

TEST_F(Runner, WaitsHoldKeysBackUntilTimeHasPassed) {
  auto dir = TempDir("waits");
  HeadlessOptions o = Options("x{WAIT 1000}y{ESC}", dir);
  std::vector<std::int64_t> seenAt;
  auto kiosk = [&]() {
    InitGraph(3, 12, "");
    std::int64_t t0 = kiosk::clock::NowMs();
    // Polls like an animation until a key comes, then reads it.
    for (;;) {
      if (KeyPressed()) {
        char c = ReadKey();
        seenAt.push_back(kiosk::clock::NowMs() - t0);
        if (c == 27) break;
      } else {
        Delay(100);
      }
    }
    // A blocked read with a wait pending jumps to the wait's end.
    return 0;
  };
  EXPECT_EQ(RunHeadless(o, kiosk, [](int) {}), 0);
  ASSERT_EQ(seenAt.size(), 3u);
  EXPECT_EQ(seenAt[0], 0);
  EXPECT_EQ(seenAt[1], 1000);
  EXPECT_EQ(seenAt[2], 1000);

  ResetForTest();
  o = Options("{WAIT 5000}z", dir);
  std::int64_t waited = -1;
  auto blocked = [&]() {
    InitGraph(3, 12, "");
    std::int64_t t0 = kiosk::clock::NowMs();
    char c = ReadKey();
    waited = kiosk::clock::NowMs() - t0;
    return c;
  };
  EXPECT_EQ(RunHeadless(o, blocked, [](int) {}), 'z');
  EXPECT_EQ(waited, 5000);

  // A kiosk that only polls once the script is used up ends after a minute.
  ResetForTest();
  o = Options("q", dir);
  int finishedWith = -1;
  std::int64_t polledFor = 0;
  auto polling = [&]() {
    InitGraph(3, 12, "");
    ReadKey();
    std::int64_t t0 = kiosk::clock::NowMs();
    while (!KeyPressed() && finishedWith < 0) Delay(100);
    polledFor = kiosk::clock::NowMs() - t0;
    return 9;
  };
  EXPECT_EQ(RunHeadless(o, polling, [&](int code) { finishedWith = code; }), 9);
  EXPECT_EQ(finishedWith, 0);
  EXPECT_EQ(polledFor, 60000);
  EXPECT_TRUE(std::filesystem::exists(dir / "shots" / "final.bmp"));
  std::filesystem::current_path(cwd_);
  std::filesystem::remove_all(dir);
}
