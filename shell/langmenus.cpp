// The staff side's small menus: language and utilities.
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "screen/writescreen.h"
#include "shell/langs.h"

namespace langs {

std::function<void()> EditConfigHook;
std::function<bool(std::int32_t)> GetPasswordHook;
std::function<void(std::int32_t)> EditZonesHook;

bool PASSWORDOK(std::int32_t level) { return !GetPasswordHook || GetPasswordHook(level); }

void LANG1() {
  if (screen::ASKMENU(49) != 'B') return;
  char c = screen::ASKMENU(47);
  if (c >= 'A' && c <= 'E') screen::LANGUAGE2 = c - 'A' + 1;
}

void UTILITIES() {
  screen::FRAME4();
  writescreen::GET_DATA("util1");
  char c = screen::ASKMENU(44);
  if (screen::key::IsLeaveKey(screen::VALANS)) return;
  if (c == 'A') {
    if (EditConfigHook) EditConfigHook();
  } else if (c == 'B') {
    if (!GetPasswordHook || !EditZonesHook) return;
    WRITEASTRING(253, 400, screen::MAXY - 100, 4, 30, 10);
    if (GetPasswordHook(1)) EditZonesHook(0);
  }
}

void ResetForTest() {
  A = 0;
  IOSTATUS = 0;
  F.Close();
  EditConfigHook = nullptr;
  GetPasswordHook = nullptr;
  EditZonesHook = nullptr;
}

}  // namespace langs
