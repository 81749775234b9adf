// The location display: entry, display loop, zoom and option presets.
#include "map/locate.h"

#include <string>

#include "common/numtext.h"
#include "editors/prodfile.h"
#include "graph/graph.h"
#include "graph/keyboard.h"
#include "isam/errors.h"
#include "isam/glue.h"
#include "map/mapfile.h"
#include "map/render.h"
#include "map/zones.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/quesans2.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace dispmap {

std::int32_t CFLOOR = 0;
std::int32_t FLOOR1 = 0;
std::int32_t OFLOOR = 0;
std::int32_t TEST_FLAG = 2;
std::int32_t ZOOM_FLAG = 0;
std::int32_t PON = 0;
std::int32_t CQI = screen::key::kNone;
std::int32_t WAIT_MENU = kWaitMenu;
std::int32_t ZOOM_MENU = kZoomMenu;

namespace {

constexpr std::int32_t kBlack = 12;

void BackgroundBlack() { graph::SetBkColor(screen::ColorValue(kBlack)); }

// Shows the menu line and animates until a key is waiting or the cycles ran out.
void WaitWithAnimation(std::int32_t menu) {
  screen::VALANS = screen::key::kNone;
  kiosk::Str255 keys;
  char choice = 0;
  langs::SELECTT4(0, "", menu, keys, choice, 88, 253, 1);
  do {
    DOPON();
  } while (!graph::KeyPressed() && PON != kCycles);
}

void ZoomToProduct() {
  PON = 0;
  zones::LOADZONES();
  std::int32_t found = 0;
  // The last zone that holds the product wins.
  for (std::int32_t z = 1; z <= zones::NUMOFZONES && z <= zones::kMaxZone; ++z)
    if (zones::INZONE(z, cfgfiles::XFOUND, cfgfiles::YFOUND)) found = z;
  zones::ZONE = ZOOM_FLAG = found;
  zones::CONVZONE();
  screen::FULLPORT();
  graph::ClearViewPort();
  screen::FRAME3();
  BackgroundBlack();
  mapview::SHELVES2();
}

// Asks menu n (keys A and B): "A" gives "Y", anything else "N".
void AskOption(std::int32_t n, kiosk::ShortStr<1>& option) {
  kiosk::Str255 keys("AB");
  char choice = 0;
  langs::SELECTT2(0, "", n, keys, choice, 88, 253, 1);
  option = choice == 'A' ? "Y" : "N";
  CQI = screen::VALANS;
}

bool Escaped() { return screen::VALANS == screen::key::kEscape; }

void AskOptions() {
  zones::ZONE = 0;
  langs::GETFILES("ques");
  AskOption(31, mapview::PSHELVES);
  AskOption(32, mapview::PGRID);
  AskOption(33, mapview::PLABEL);
  std::int32_t floor = 0;
  do {
    floor = ASKWHOLE(4, cfgfiles::NOOFFLOORS, 5);
    mapview::FLOOR = mapview::CHANGEZONE = floor;
    FLOOR1 = OFLOOR = floor == 1 ? 0 : floor;
  } while (floor > cfgfiles::NOOFFLOORS && !Escaped());
  std::int32_t zone = 0;
  do {
    zone = ASKWHOLE(2, zones::NUMOFZONES, 3);
    zones::ZONE = zone;
  } while (zone > zones::NUMOFZONES && !Escaped());
}

}  // namespace

std::int32_t ASKWHOLE(std::int32_t before, std::int32_t limit, std::int32_t after) {
  kiosk::Str255 prompt = screen::PASS1[before];
  prompt += " ";
  prompt += std::to_string(limit);
  prompt += screen::PASS1[after];
  kiosk::Str255 answer;
  double number = 0;
  quesans2::QUESTION_ANSWER2(prompt.view(), "", answer, 255, number, 'A', 'X', 'x', 4, 8);
  CQI = screen::VALANS;
  return kiosk::TextToWhole(answer.view());
}

void CLEAR_QUES() {
  mapview::PLABEL = "N";
  CQI = screen::key::kNone;
}

void QUES() {
  CLEAR_QUES();
  if (TEST_FLAG == 0) AskOptions();
  mapview::FLOOR = mapview::CHANGEZONE;
  auto options = [](const char* shelves, const char* grid, const char* label) {
    mapview::PSHELVES = shelves;
    mapview::PGRID = grid;
    mapview::PLABEL = label;
  };
  switch (TEST_FLAG) {
    case 1: options("N", "Y", "Y"); break;
    case 2:
      // The shopper sees the product's floor in the whole-store view.
      mapview::FLOOR = OFLOOR = mapview::CHANGEZONE = CFLOOR;
      zones::ZONE = 0;
      options("N", "N", "Y");
      break;
    case 3: options("Y", "Y", "N"); break;
    case 4: zones::ZONE = 0; options("N", "N", "N"); break;
    case 5: zones::ZONE = 0; options("Y", "Y", "Y"); break;
    default: break;
  }
  if (TEST_FLAG == 1 || TEST_FLAG >= 3) FLOOR1 = OFLOOR = mapview::FLOOR;
  screen::VALANS = screen::key::kNone;
  if (CQI != screen::key::kStaffLeft) {
    screen::CLEAR_PROMPT();
    zones::CONVZONE();
    screen::FRAME3();
  }
}

void DRAWMAP() {
  mapview::GETLANG2();
  mapview::FG = 0;
  PON = 0;
  cfgfiles::TESTNEWCFG(cfgfiles::WHEREISX, cfgfiles::WHEREISY, cfgfiles::FLOORX);
  if (cfgfiles::XFOUND == 0) {
    // A product without coordinates is shown at a fixed spot.
    cfgfiles::XFOUND = 100.0;
    cfgfiles::YFOUND = 100.0;
  }
  screen::FULLPORT();
  screen::FRAME3();
  zones::LOADZONES();
  zones::CONVZONE();
  BackgroundBlack();
  QUES();
  mapview::SHELVES2();
}

void LOADSH() {
  DRAWMAP();
  WaitWithAnimation(WAIT_MENU);
  if (PON == kCycles) return;  // nobody is looking: back to the caller
  screen::ONKEY();
  if (screen::key::IsF1ToF10(screen::VALANS)) {
    ZoomToProduct();
    WaitWithAnimation(ZOOM_MENU);
    screen::ONKEY();
  }
  screen::CLEAR_PROMPT();
  screen::VALANS = screen::key::kNone;
}

bool DISPLAYMAP2(std::int32_t floor, std::int32_t productFloor, std::int32_t preset, double x,
                 double y) {
  // The search calls with its product file open. Opening the map file may
  // close every open fileblock (a first start rebuilds it), so the product
  // file is closed here first and opened again at the end, in the same store.
  glue::Catalogue& products = editprod::PRODFILE;
  const bool productsOpen = products.fb != nullptr;
  if (productsOpen) editprod::CLOSEITP();

  std::int32_t firstError = 0;
  auto note = [&firstError] {
    if (!isam::IsamOK && firstError == 0) firstError = isam::IsamError;
  };

  // The map editor calls with the map file open in its own store: the
  // display draws from it and leaves both to the editor.
  const bool mapHeld = editmap::PE != nullptr;
  if (!mapHeld) {
    editmap::SETUPM();
    note();
  }
  const bool mapOpen = editmap::PE != nullptr;
  if (mapOpen) {
    mapview::FLOOR = FLOOR1 = mapview::CHANGEZONE = floor;
    CFLOOR = productFloor;
    cfgfiles::XFOUND = x;
    cfgfiles::YFOUND = y;
    TEST_FLAG = preset;
    LOADSH();
  } else if (firstError == 0) {
    firstError = isam::IsamError != 0 ? isam::IsamError : isam::err::kFileNotFound;
  }
  if (!mapHeld) {
    editmap::CLOSEITM();
    editmap::RELEASEM();
  }

  bool reopened = true;
  if (productsOpen) {
    if (isam::IsamIsInitialized()) {
      editprod::OPENITP();
      note();
    }
    reopened = products.fb != nullptr;
    if (!reopened && firstError == 0) firstError = isam::IsamError != 0 ? isam::IsamError : isam::err::kFileNotFound;
  }
  if (firstError != 0) {
    // Keep the failure visible to the caller, whatever succeeded after it.
    isam::IsamOK = false;
    isam::IsamError = firstError;
  }
  return mapOpen && reopened;
}

void ResetForTest() {
  CFLOOR = FLOOR1 = OFLOOR = 0;
  TEST_FLAG = 2;
  ZOOM_FLAG = 0;
  PON = 0;
  CQI = screen::key::kNone;
  WAIT_MENU = kWaitMenu;
  ZOOM_MENU = kZoomMenu;
}

}  // namespace dispmap
