// The kiosk's main routine: start-up, the start screen with the start menu,
// and the staff menu, which loops until staff quit the kiosk.
//
//   start-up -> start screen -> start menu -> (shopper's search) -> staff menu
//   staff menu -> editor | utilities | guide | search -> staff menu
//   staff menu -> Alt+M language menu -> start screen (drawn again in the new
//                 language) ; Escape or Pause -> quit, exit code 0
//
// Owns: the menu choice CHM and the copy of the store's name and address taken at start (shown by HEADER1), and the
// hooks through which the staff menu reaches modules built on top of it.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "common/shortstr.h"

namespace shell {

using kiosk::Str255;

// The current menu choice as a position letter ('A' first item); also the
// loop's control letter: 'X' done with this pass, 'Q' quit, 'Z' nothing yet.
extern char CHM;
extern Str255 STORENAME, STORESTREET, STORECITY, STORESTATE;

// Routines of later modules reached from the menus; an empty hook does
// nothing. The shopper's search returns when staff leave it with the staff
// code.
extern std::function<void()> StoreDirHook;      // the shopper's search
extern std::function<void()> EditShelvesHook;   // the map editor
extern std::function<void()> EditProdHook;      // the product editor
extern std::function<void()> EditNotHook;       // the not-found log
extern std::function<void()> GuideHook;         // the guide screens

// The store header of the staff menu: logo, product word, store name and
// the address line (street, city, state).
void HEADER1();
// The store header drawn from the given store lines (HEADER1 passes the
// lines taken at start; the search passes freshly read ones).
void DRAWHEADER(std::string_view name, std::string_view street, std::string_view city,
                std::string_view state);

// Runs the kiosk from start-up to the orderly quit and returns the exit
// code (0). The window is opened here; a graphics failure ends the process
// with code 1.
int MAINROUTINE();

// The pieces of the main routine, in their order.
void STARTUP();
void STARTSCREEN();  // start screen and start menu, until it leads on
// One pass of the staff menu: 'Q' after quit was chosen, 'L' after the
// language menu (the start screen follows), else 'X'.
char STAFFMENU();
void QUIT();

// Globals and hooks back to their start values (for tests).
void ResetForTest();

}  // namespace shell
