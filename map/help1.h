// The help picture: a picture in the style of the store map drawn from a
// text description (the language family "helps") instead of the map element
// file, shown on the screen, saved as "disphelp.bmp" and left on the screen
// for five seconds. The guide's item D shows it; afterwards the guide goes
// on (a kiosk that ended itself here would stop serving shoppers).
//
// The drawing is the map renderer's (mapview::DrawElement) with the help
// picture's rules: only elements whose identifier holds "HELPSCREEN" (or
// whose floor is -999) are drawn; the fixture codes add "F6", a four-way
// stand, and drop "C0"; there are no "#" groups; labels need neither the
// current language nor the grid option. The picture is drawn in zone 0 of
// the store's zones.
//
// Owns: the element record of the description line being drawn (SHELF).
// The render options and the zone it changes are put back when it ends.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/shortstr.h"

namespace help1 {

using kiosk::ShortStr;

// The fields of a map element, with this display's own lengths; in memory
// only, never stored.
struct SHELFDEF {
  ShortStr<35> S_ID;
  ShortStr<10> S_DPT;
  ShortStr<3> S_SEAS;
  ShortStr<7> S_X;
  ShortStr<7> S_Y;
  ShortStr<7> S_LENGTH;
  ShortStr<7> S_WIDTH;
  ShortStr<3> S_ANGLE;
  ShortStr<4> S_COLOR;
  ShortStr<2> S_STYLE;
  ShortStr<2> S_FILL;
  ShortStr<4> S_THICK;
  ShortStr<3> S_IFLABEL;
  ShortStr<3> S_BCOLOR;
  ShortStr<3> S_SIZE;
  ShortStr<80> S_MAPLABEL;
  ShortStr<5> S_FLOOR;
  ShortStr<60> S_COMMENT;
};

extern SHELFDEF SHELF;  // the element of the line being drawn

// The description's family, the picture saved, the line that ends the
// description early and the text written when the description ran to its end.
inline constexpr std::string_view kFamily = "helps";
inline constexpr std::string_view kPicture = "disphelp.bmp";
inline constexpr std::string_view kEnd = "******";
inline constexpr std::string_view kClosing = "Done ... Press Q";
// The floor the help picture shows.
inline constexpr std::int32_t kHelpFloor = -999;

// The whole run: draws the description, saves the screen, waits 5 s and
// returns. A description file that cannot be opened shows the open error
// and saves nothing.
void DISPLAYHELP();

// Parses one description line into SHELF and draws it.
void DISPIT(std::string_view line);

// The fixed options: the help floor shown, labels on, shelves and grid off.
void QUES();
// Applies zone 0 (the zones module's CONVZONE).
void CVZONE();

// SHELF back to its start value (tests).
void ResetForTest();

}  // namespace help1
