#include "common/clock.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace kiosk::clock {
namespace {

std::atomic<bool> g_virtual{false};
std::atomic<std::int64_t> g_virtualNow{0};
std::function<void(std::int64_t)> g_hook;

std::int64_t RealNow() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

std::int64_t NowMs() { return g_virtual ? g_virtualNow.load() : RealNow(); }

void SleepMs(std::int64_t ms) {
  if (ms < 0) ms = 0;
  if (!g_virtual) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    return;
  }
  std::int64_t now = g_virtualNow += ms;
  if (g_hook) g_hook(now);
}

void UseVirtualTime(bool on) {
  if (on && !g_virtual) g_virtualNow = RealNow();
  g_virtual = on;
}

bool IsVirtual() { return g_virtual; }

void AdvanceVirtual(std::int64_t ms) {
  if (ms > 0) g_virtualNow += ms;
}

void SetVirtualSleepHook(std::function<void(std::int64_t)> hook) { g_hook = std::move(hook); }

void Reset() {
  g_virtual = false;
  g_hook = nullptr;
}

}  // namespace kiosk::clock
