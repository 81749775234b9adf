// Keyboard, delay and sound: the classic PC keyboard interface. Ordinary keys
// arrive as their character; keys without one arrive as 0 then a code. The
// window thread (or a test, through PushChar/PushCode) fills a 55-slot ring
// queue; the main thread takes characters out with ReadKey.
#pragma once

#include <cstdint>

namespace graph {

bool KeyPressed();
char ReadKey();
void Delay(std::uint16_t ms);
void Sound(std::uint16_t frequency, std::uint16_t duration);

// Queue additions, as the window thread makes them.
void PushChar(char c);
void PushCode(std::uint8_t code);  // 0 then code
void ResetKeyQueue();

}  // namespace graph
