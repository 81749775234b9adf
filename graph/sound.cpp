// Sound: a blocking square-wave tone through SDL audio. A machine without a
// sound card waits the tone's duration in silence, and says nothing about
// it: SDL's ALSA driver would have the ALSA library write its failures to
// the kiosk's output, so that library's error reports are silenced before
// audio is first opened.
#include <SDL2/SDL.h>
#include <dlfcn.h>

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

// The ALSA library's error reporter, as its API declares it (the library is
// loaded by SDL at run time, so it is reached the same way here).
using AlsaErrorHandler = void (*)(const char* file, int line, const char* function, int err,
                                  const char* fmt, ...);
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// Loads the ALSA library SDL will use (the same copy: same name) and hands
// it a reporter that writes nothing. The library stays loaded, so the
// reporter stays in place. Nothing to do where ALSA is not installed.
void SilenceAlsa() {
  void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_GLOBAL);
  if (!alsa) return;
  using SetHandler = int (*)(AlsaErrorHandler);
  if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) {
    set(IgnoreAlsaError);
  }
}

bool AudioUsable() {
  if (g_audioState == 0) {
    g_audioState = -1;
    SilenceAlsa();
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
    // No device to play on (no sound card): the kiosk stays silent from now
    // on instead of trying again at every tone.
    g_audioState = -1;
    kiosk::clock::SleepMs(duration);
    return;
  }
  tone.step = static_cast<double>(frequency) / have.freq;
  SDL_PauseAudioDevice(dev, 0);
  kiosk::clock::SleepMs(duration);
  SDL_CloseAudioDevice(dev);
}

}  // namespace graph
