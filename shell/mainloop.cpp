#include "shell/mainloop.h"

#include <string>

#include "graph/graph.h"
#include "graph/keyboard.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "screen/writescreen.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"
#include "shell/layout.h"

namespace shell {

char CHM = '\0';
Str255 STORENAME, STORESTREET, STORECITY, STORESTATE;

std::function<void()> StoreDirHook;
std::function<void()> EditShelvesHook;
std::function<void()> EditProdHook;
std::function<void()> EditNotHook;
std::function<void()> GuideHook;

namespace {

constexpr std::int32_t kStartMenu = 57;
constexpr std::int32_t kStaffMenu = 22;

bool LeaveKey() { return screen::key::IsLeaveKey(screen::VALANS); }

void Run(const std::function<void()>& hook) {
  if (hook) hook();
}

// Shows menu n; CHM gets the position letter of the choice.
void ShowMenu(std::int32_t n) { CHM = screen::ASKMENU(n); }

}  // namespace

void STARTUP() {
  cfgfiles::TEST_FLAG = 1;
  USELAYOUT();  // the screens at the installation's layout size
  screen::INIT(3, 12);
  cfgfiles::LANG = 1;  // the kiosk always starts in language 1
  cfgfiles::TESTNEWCFG(cfgfiles::WHEREISX, cfgfiles::WHEREISY, cfgfiles::FLOORX);
  STORENAME = screen::NAMEADDR[1];
  STORECITY = screen::NAMEADDR[2];
  STORESTREET = screen::NAMEADDR[3];
  STORESTATE = screen::NAMEADDR[4];
  screen::LANGUAGE2 = cfgfiles::LANG;
  graph::SetBkColor(screen::ColorValue(graph::kBlack));
}

void STARTSCREEN() {
  // After a language change the chosen language reaches LANG only with the
  // first text of the form, so the start screen is drawn once more. The
  // second drawing is always in the language then in force, so two do.
  for (int drawn = 0; drawn < 2; ++drawn) {
    screen::LANG_FLAG = cfgfiles::LANG;
    screen::FRAME4();
    writescreen::GET_DATA("copyr");
    if (screen::LANG_FLAG == screen::LANGUAGE2 || cfgfiles::TEST_FLAG == 0) break;
  }
  for (;;) {
    CHM = '\0';
    ShowMenu(kStartMenu);
    if (LeaveKey()) CHM = 'B';
    if (CHM == 'A') {
      Run(StoreDirHook);
      CHM = 'X';
      return;
    }
    if (CHM == 'B') {
      CHM = 'X';
      return;
    }
    // Any other end of the menu (a third letter, Alt+M, F1-F8): ask again.
  }
}

void DRAWHEADER(std::string_view name, std::string_view street, std::string_view city,
                std::string_view state) {
  langs::GETFILES("Vell!6");
  std::int32_t half = screen::MAXX / 2;
  screen::LOADBMP(half - 150, 90, "fixtures\\demo_logo.bmp");
  screen::FNT0(51, half + 10, 295, 1, 0, 0, 30, 51, 0, "b", "Vell!");
  screen::FNT0(51, half + 30, 325, 4, 0, 0, 20, 51, 0, "b", "for");
  langs::FNTTEXT(screen::PASS1[1].view(), name);
  Str255 address = street;
  address += ", ";
  address += city;
  address += ", ";
  address += state;
  langs::FNTTEXT(screen::PASS1[2].view(), address.view());
}

void HEADER1() { DRAWHEADER(STORENAME, STORESTREET, STORECITY, STORESTATE); }

char STAFFMENU() {
  screen::FRAME4();
  HEADER1();
  writescreen::GET_DATA("menu");
  CHM = 'Z';
  screen::VALANS = screen::key::kNone;
  ShowMenu(kStaffMenu);
  if (LeaveKey()) CHM = 'Q';
  if (screen::VALANS == screen::key::kAltM) {
    langs::LANG1();
    screen::LANG_FLAG = 0;
    return 'L';
  }
  switch (CHM) {
    case 'A': Run(EditShelvesHook); break;
    case 'B': Run(EditProdHook); break;
    case 'C': Run(EditNotHook); break;
    case 'D': langs::UTILITIES(); break;
    case 'E': Run(GuideHook); break;
    case 'F':
      graph::Delay(100);
      Run(StoreDirHook);
      CHM = 'X';
      return CHM;  // the search leaves EDITOR_FLAG as it set it
    case 'Q': return CHM;
    default: return 'X';  // nothing chosen: the staff menu again
  }
  screen::EDITOR_FLAG = 0;
  CHM = 'X';
  return CHM;
}

void QUIT() {
  CHM = '\0';
  screen::FRAME4();
  graph::CloseGraph();
  graph::Delay(100);
}

int MAINROUTINE() {
  STARTUP();
  for (;;) {
    STARTSCREEN();
    char next;
    do next = STAFFMENU();
    while (next == 'X');
    if (next == 'Q') break;
  }
  QUIT();
  return 0;
}

void ResetForTest() {
  CHM = '\0';
  STORENAME.clear();
  STORESTREET.clear();
  STORECITY.clear();
  STORESTATE.clear();
  StoreDirHook = EditShelvesHook = EditProdHook = EditNotHook = GuideHook = nullptr;
}

}  // namespace shell
