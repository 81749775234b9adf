// The 55-slot key queue, ReadKey, KeyPressed and Delay.
#include <atomic>
#include <mutex>

#include "common/clock.h"
#include "graph/graph.h"
#include "graph/keyboard.h"

namespace graph {
namespace {

constexpr int kSlots = 55;
std::mutex g_lock;
char g_slots[kSlots + 1];  // 1..55
std::atomic<int> g_read{1}, g_write{1};
KeyDemandHook g_demand;

int Next(int p) { return p == kSlots ? 1 : p + 1; }

// Caller holds g_lock.
void Add(char c) {
  int w = g_write;
  g_slots[w] = c;
  w = Next(w);
  g_write = w;
  if (w == g_read) {
    // Overrun: drop the oldest key whole, never a zero without its code.
    int r = g_read;
    r = g_slots[r] == 0 ? Next(Next(r)) : Next(r);
    g_read = r;
  }
}

bool Empty() { return g_read == g_write; }

}  // namespace

void PushChar(char c) {
  std::lock_guard<std::mutex> g(g_lock);
  Add(c);
}

void PushCode(std::uint8_t code) {
  std::lock_guard<std::mutex> g(g_lock);
  Add(0);
  Add(static_cast<char>(code));
}

void ResetKeyQueue() {
  std::lock_guard<std::mutex> g(g_lock);
  g_read = 1;
  g_write = 1;
}

int KeyQueueLength() {
  int n = g_write - g_read;
  return n < 0 ? n + kSlots : n;
}

void SetKeyDemandHook(KeyDemandHook hook) { g_demand = std::move(hook); }

bool KeyPressed() {
  if (Empty() && g_demand) g_demand(false);
  return !Empty();
}

char ReadKey() {
  if (!GrEnabled) return 0;
  while (Empty()) {
    if (g_demand) g_demand(true);
    if (!Empty()) break;
    kiosk::clock::SleepMs(10);
  }
  std::lock_guard<std::mutex> g(g_lock);
  int r = g_read;
  char c = g_slots[r];
  g_read = Next(r);
  return c;
}

void Delay(std::uint16_t ms) { kiosk::clock::SleepMs(ms); }

}  // namespace graph
