// Sound: a blocking square-wave tone through SDL audio.
#include <SDL2/SDL.h>

#include <atomic>
#include <cstring>
#include <mutex>

#include "common/clock.h"
#include "graph/keyboard.h"

namespace graph {
namespace {

struct Tone {
  double phase = 0, step = 0;
};

void Fill(void* user, Uint8* stream, int len) {
  auto* t = static_cast<Tone*>(user);
  auto* out = reinterpret_cast<Sint16*>(stream);
  for (int i = 0; i < len / 2; ++i) {
    out[i] = t->phase < 0.5 ? 6000 : -6000;
    t->phase += t->step;
    if (t->phase >= 1.0) t->phase -= 1.0;
  }
}

std::mutex g_audioLock;
int g_audioState = 0;  // 0 untried, 1 usable, -1 unusable

bool AudioUsable() {
  if (g_audioState == 0) {
    g_audioState = -1;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
      const char* drv = SDL_GetCurrentAudioDriver();
      // Drivers that make no sound count as no audio at all.
      if (drv && std::strcmp(drv, "dummy") != 0 && std::strcmp(drv, "disk") != 0) g_audioState = 1;
    }
  }
  return g_audioState == 1;
}

}  // namespace

void Sound(std::uint16_t frequency, std::uint16_t duration) {
  // In virtual time (tests, scripted runs) a tone is only its duration.
  if (kiosk::clock::IsVirtual() || frequency == 0) {
    kiosk::clock::SleepMs(duration);
    return;
  }
  std::lock_guard<std::mutex> g(g_audioLock);
  if (!AudioUsable()) {
    kiosk::clock::SleepMs(duration);
    return;
  }
  Tone tone;
  SDL_AudioSpec want{}, have{};
  want.freq = 44100;
  want.format = AUDIO_S16SYS;
  want.channels = 1;
  want.samples = 512;
  want.callback = Fill;
  want.userdata = &tone;
  SDL_AudioDeviceID dev = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (dev == 0) {
    kiosk::clock::SleepMs(duration);
    return;
  }
  tone.step = static_cast<double>(frequency) / have.freq;
  SDL_PauseAudioDevice(dev, 0);
  kiosk::clock::SleepMs(duration);
  SDL_CloseAudioDevice(dev);
}

}  // namespace graph
