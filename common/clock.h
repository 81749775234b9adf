// The one clock every wait of the kiosk goes through.
//
// In real time SleepMs sleeps. Tests and the headless runner switch to
// virtual time: nothing sleeps, but NowMs still advances by every wait, so
// animations, time-outs and "5 seconds" messages run their course at once.
#pragma once

#include <cstdint>
#include <functional>

namespace kiosk::clock {

// Milliseconds since an arbitrary start; monotonic.
std::int64_t NowMs();

// Waits ms milliseconds (real or virtual); negative values wait nothing.
void SleepMs(std::int64_t ms);

// Switches between real time (false, the default) and virtual time (true).
// Entering virtual time keeps the current reading, so time never runs back.
void UseVirtualTime(bool on);
bool IsVirtual();

// Advances virtual time without a caller waiting (a key arriving "later").
void AdvanceVirtual(std::int64_t ms);

// Called on every SleepMs in virtual time, after the clock moved, with the
// new reading; the headless runner uses it to release keys held back by a
// scripted wait. Empty by default.
void SetVirtualSleepHook(std::function<void(std::int64_t now)> hook);

// Back to real time with no hook (for tests).
void Reset();

}  // namespace kiosk::clock
