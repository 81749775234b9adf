// The key queue and the key translation table.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>

#include "common/clock.h"
#include "graph/keyboard.h"
#include "graph/keymap.h"

#include <SDL2/SDL_keycode.h>
#include "headless_screen.h"

using namespace graph;

namespace {
std::string Drain() {
  std::string s;
  while (KeyPressed()) s += ReadKey();
  return s;
}
KeyOutput T(Key k, bool shift = false, bool ctrl = false, bool alt = false, bool num = false, char letter = 0) {
  KeyPress p;
  p.key = k;
  p.shift = shift;
  p.ctrl = ctrl;
  p.alt = alt;
  p.numLock = num;
  p.letter = letter;
  return TranslateKey(p);
}
KeyOutput C(int v) { return {KeyOutput::kCode, static_cast<std::uint8_t>(v)}; }
KeyOutput Ch(int v) { return {KeyOutput::kChar, static_cast<std::uint8_t>(v)}; }
const KeyOutput kNone{};
}  // namespace

using KeyQueue = HeadlessScreen;

TEST_F(KeyQueue, OverrunKeepsTheNewest54) {
  std::string typed;
  for (int i = 0; i < 60; ++i) typed += static_cast<char>('A' + i % 26);
  for (char c : typed) PushChar(c);
  EXPECT_EQ(KeyQueueLength(), 54);
  EXPECT_EQ(Drain(), typed.substr(6));
}

TEST_F(KeyQueue, OverrunDropsAZeroWithItsCode) {
  PushCode(59);  // oldest: F1
  for (int i = 0; i < 52; ++i) PushChar('x');
  EXPECT_EQ(KeyQueueLength(), 54);  // full: one slot always stays empty
  PushChar('y');  // overruns: both bytes of F1 go
  std::string s = Drain();
  EXPECT_EQ(s, std::string(52, 'x') + "y");
  PushChar('a');
  PushCode(12);
  EXPECT_EQ(Drain(), std::string("a\0\x0c", 3));
}

TEST_F(KeyQueue, ReadKeyWaitsInVirtualTime) {
  kiosk::clock::UseVirtualTime(true);
  std::int64_t start = kiosk::clock::NowMs();
  int asked = 0;
  // The close button pressed while the kiosk waits: 0 then 107.
  SetKeyDemandHook([&](bool blocking) {
    if (blocking && ++asked == 5) PushCode(107);
  });
  EXPECT_EQ(ReadKey(), 0);
  EXPECT_EQ(ReadKey(), 107);
  EXPECT_EQ(kiosk::clock::NowMs() - start, 40);  // four polls of 10 ms
  EXPECT_FALSE(KeyPressed());
  Delay(250);
  EXPECT_EQ(kiosk::clock::NowMs() - start, 290);
  Sound(440, 100);  // in virtual time only its duration
  EXPECT_EQ(kiosk::clock::NowMs() - start, 390);
}

// What the process writes to its standard error while `run` runs.
template <typename Fn>
std::string StandardErrorOf(Fn run) {
  std::fflush(stderr);
  FILE* capture = std::tmpfile();
  const int saved = dup(2);
  dup2(fileno(capture), 2);
  run();
  std::fflush(stderr);
  dup2(saved, 2);
  close(saved);
  std::string text;
  std::rewind(capture);
  for (int c; (c = std::fgetc(capture)) != EOF;) text += static_cast<char>(c);
  std::fclose(capture);
  return text;
}

TEST(SoundTest, BlocksForItsDurationInRealTimeAndSaysNothing) {
  kiosk::clock::Reset();
  auto t0 = kiosk::clock::NowMs();
  // A tone, or silence where there is no sound card; either way nothing is
  // written to the kiosk's output (no ALSA complaints), the first time
  // audio is opened or later.
  const std::string said = StandardErrorOf([] {
    Sound(880, 60);
    Sound(440, 20);
  });
  EXPECT_GE(kiosk::clock::NowMs() - t0, 80);
  EXPECT_EQ(said, "");
}

TEST(KeyTable, FunctionKeys) {
  EXPECT_EQ(T(Key::F1), C(59));
  EXPECT_EQ(T(Key::F10), C(68));
  EXPECT_EQ(T(Key::F1, true), C(84));
  EXPECT_EQ(T(Key::F3, false, true), C(96));
  EXPECT_EQ(T(Key::F4, false, false, true), C(107));
  EXPECT_EQ(T(Key::F11), C(133));
  EXPECT_EQ(T(Key::F12), C(134));
  EXPECT_EQ(T(Key::F12, true), C(136));
  EXPECT_EQ(T(Key::F12, false, true), C(138));
  EXPECT_EQ(T(Key::F12, false, false, true), C(140));
  EXPECT_EQ(T(Key::F12, true, false, true), C(136));  // Shift wins
  EXPECT_EQ(T(Key::F2, true, true, true), C(85));
}

TEST(KeyTable, CursorKeysAndKeypad) {
  EXPECT_EQ(T(Key::Up), C(72));
  EXPECT_EQ(T(Key::Up, true), C(72));  // Shift ignored
  EXPECT_EQ(T(Key::Home, false, true), C(119));
  EXPECT_EQ(T(Key::PageUp, false, true, true), C(132));  // Ctrl first
  EXPECT_EQ(T(Key::Delete, false, false, true), C(163));
  EXPECT_EQ(T(Key::Down, false, true), C(145));
  // Keypad without Num Lock: the cursor keys on its caps.
  EXPECT_EQ(T(Key::Kp8), C(72));
  EXPECT_EQ(T(Key::Kp7, false, true), C(119));
  EXPECT_EQ(T(Key::Kp5), C(76));
  EXPECT_EQ(T(Key::Kp5, false, true), C(143));
  EXPECT_EQ(T(Key::Kp5, false, false, true), C(76));
  EXPECT_EQ(T(Key::Kp0), C(82));
  EXPECT_EQ(T(Key::KpPeriod), C(83));
  // With Num Lock the digits arrive as text.
  EXPECT_EQ(T(Key::Kp8, false, false, false, true), kNone);
  EXPECT_EQ(T(Key::Kp5, false, false, false, true), kNone);
  EXPECT_EQ(T(Key::KpPeriod, false, true, false, true), C(150));
  EXPECT_EQ(T(Key::KpMultiply), kNone);
  EXPECT_EQ(T(Key::KpMultiply, false, true, true), C(149));
  EXPECT_EQ(T(Key::KpPlus, false, false, true), C(78));
  EXPECT_EQ(T(Key::KpMinus, false, true), C(142));
  EXPECT_EQ(T(Key::KpDivide, false, false, true), C(69));
  EXPECT_EQ(T(Key::Menu, true), C(151));
}

TEST(KeyTable, CharactersAndAltCombinations) {
  EXPECT_EQ(T(Key::Letter, false, false, true, false, 'M'), C(50));
  EXPECT_EQ(T(Key::Letter, false, false, true, false, 'A'), C(30));
  EXPECT_EQ(T(Key::Letter, false, false, true, false, 'Z'), C(44));
  EXPECT_EQ(T(Key::Letter, false, true, false, false, 'C'), Ch(3));
  EXPECT_EQ(T(Key::Letter, false, false, false, false, 'C'), kNone);
  EXPECT_EQ(T(Key::Digit, false, false, true, false, '1'), C(120));
  EXPECT_EQ(T(Key::Digit, false, false, true, false, '9'), C(128));
  EXPECT_EQ(T(Key::Digit, false, false, true, false, '0'), C(129));
  EXPECT_EQ(T(Key::Digit), kNone);
  EXPECT_EQ(T(Key::Pause), C(12));
  EXPECT_EQ(T(Key::Pause, true), C(12));
  EXPECT_EQ(T(Key::Pause, false, true), kNone);
  EXPECT_EQ(T(Key::Pause, false, false, true), C(169));
  EXPECT_EQ(T(Key::Tab), Ch(9));
  EXPECT_EQ(T(Key::Tab, false, true), Ch(30));
  EXPECT_EQ(T(Key::Enter), Ch(13));
  EXPECT_EQ(T(Key::KpEnter), Ch(13));
  EXPECT_EQ(T(Key::Enter, false, false, true), C(166));
  EXPECT_EQ(T(Key::Backspace), Ch(8));
  EXPECT_EQ(T(Key::Backspace, false, false, true), C(14));
  EXPECT_EQ(T(Key::Space), kNone);
  EXPECT_EQ(T(Key::Space, false, false, true), C(11));
  EXPECT_EQ(T(Key::Escape), Ch(27));
  EXPECT_EQ(T(Key::Shift, true), kNone);
  EXPECT_EQ(T(Key::Alt, false, false, true), kNone);
}

TEST(KeyTable, SdlKeysAndLockBits) {
  // Num Lock and Scroll Lock held do not count as modifiers.
  KeyPress p = KeyPressFromSdl(SDLK_m, KMOD_LALT | KMOD_NUM | KMOD_CAPS);
  EXPECT_EQ(TranslateKey(p), C(50));
  p = KeyPressFromSdl(SDLK_F12, KMOD_RSHIFT | KMOD_LALT);
  EXPECT_EQ(TranslateKey(p), C(136));
  p = KeyPressFromSdl(SDLK_KP_8, KMOD_NONE);
  EXPECT_EQ(TranslateKey(p), C(72));
  p = KeyPressFromSdl(SDLK_KP_8, KMOD_NUM);
  EXPECT_EQ(TranslateKey(p), kNone);
  p = KeyPressFromSdl(SDLK_HOME, KMOD_LCTRL | KMOD_NUM);
  EXPECT_EQ(TranslateKey(p), C(119));
  p = KeyPressFromSdl(SDLK_TAB, KMOD_RCTRL);
  EXPECT_EQ(TranslateKey(p), Ch(30));
  p = KeyPressFromSdl(SDLK_PAUSE, KMOD_NONE);
  EXPECT_EQ(TranslateKey(p), C(12));
  p = KeyPressFromSdl(SDLK_APPLICATION, KMOD_NONE);
  EXPECT_EQ(TranslateKey(p), C(151));
}
