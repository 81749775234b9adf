// Keyboard, delay and sound: the classic PC keyboard interface. Ordinary keys
// arrive as their character; keys without one arrive as 0 then a code. The
// window thread (or a test, through PushChar/PushCode) fills a 55-slot ring
// queue; the main thread takes characters out with ReadKey.
#pragma once

#include <cstdint>
#include <functional>

namespace graph {

bool KeyPressed();
char ReadKey();
void Delay(std::uint16_t ms);
void Sound(std::uint16_t frequency, std::uint16_t duration);

// Queue additions, as the window thread makes them.
void PushChar(char c);
void PushCode(std::uint8_t code);  // 0 then code
void ResetKeyQueue();
// Number of characters waiting.
int KeyQueueLength();

// Called by KeyPressed and ReadKey, on the main thread, whenever they find the
// queue empty; `blocking` is true for ReadKey. A key source that hands keys
// over only on demand (the headless runner) pushes its next key from here.
using KeyDemandHook = std::function<void(bool blocking)>;
void SetKeyDemandHook(KeyDemandHook hook);

}  // namespace graph
