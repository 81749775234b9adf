// Date, time and random-number texts.
#include <chrono>
#include <cstdio>
#include <random>

#include "common/clock.h"
#include "screen/primitives.h"

namespace screen {
namespace {

TimeSource& Source() {
  static TimeSource source;
  return source;
}

std::tm LocalNow() {
  if (Source()) return Source()();
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return tm;
}

}  // namespace

void SetTimeSource(TimeSource source) { Source() = std::move(source); }

Str255 GETDATE() {
  const std::tm tm = LocalNow();
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900);
  return Str255(buf);
}

Str255 GETTIME() {
  const std::tm tm = LocalNow();
  int hour = tm.tm_hour;
  const char* suffix = " AM";
  if (hour > 11) {
    hour -= 12;
    suffix = " PM";
  }
  // Noon and midnight read 0, as in the times already stored in existing
  // not-found logs and reports; keep it so old and new entries agree.
  char buf[48];
  std::snprintf(buf, sizeof buf, "%d:%d:%d%s   ", hour, tm.tm_min, tm.tm_sec, suffix);
  return Str255(buf);
}

void RANDIT(std::int32_t& n) {
  // Seeded once: re-seeding from the clock on every call would hand out the
  // same number to calls made within one clock tick.
  static std::mt19937 gen([] {
    std::random_device rd;
    auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    std::seed_seq seq{rd(), static_cast<unsigned>(wall), static_cast<unsigned>(wall >> 32),
                      static_cast<unsigned>(kiosk::clock::NowMs())};
    return std::mt19937(seq);
  }());
  std::uniform_int_distribution<std::int32_t> dist(10000, 99998);
  n = dist(gen);
}

}  // namespace screen
