// The guide: demonstration screens for the staff who set up the kiosk, each
// drawn with the toolkit's own primitives and texts from the language files,
// so that it shows exactly how the kiosk's screens will look.
//
//   GTESTX -> guide menu (form "menug", menu 3)
//          -> A..H: one screen, then "continue" (menu 46) -> guide menu
//          -> Escape or Pause: back to the staff menu with VALANS 100
//
//   A CONTACT  contact and support texts       E G3  boxes at the eight angles
//   B G1       text directions and fonts       F G4  fill styles of map boxes
//   C G11      two sample answers, keyboard    G G2  the screen layout
//   D G6       the help picture (help1)        H G5  screen-form questions
//
// Owns: nothing of its own; keys and answers pass through the screen
// toolkit's globals (CH, VALANS, PASS1).
#pragma once

namespace gtest {

// Entry from the staff menu.
void GTESTX();
// The guide menu loop.
void GTESTX1();

// The screens of the guide menu's items A..H.
void CONTACT();
void G1();
void G11();
void G6();
void G3();
void G4();
void G2();
void G5();

}  // namespace gtest
