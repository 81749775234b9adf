// The not-found menu and the log's utilities menu. Every choice starts the
// store and opens the log for its own work, and closes and releases them
// again.
#include <string>

#include "common/clock.h"
#include "editors/editnot.h"
#include "editors/editnot_screens.h"
#include "editors/rebuild.h"
#include "isam/isam.h"
#include "map/locate.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "screen/writescreen.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace editnot {

namespace {

constexpr std::int32_t kLogMenu = 45;
constexpr std::int32_t kUtilitiesMenu = 42;
constexpr std::int32_t kBrowseHeader = 20;
constexpr std::int32_t kCheckHeader = 19;
constexpr std::int32_t kReportHeader = 5;
constexpr std::int32_t kNewFileHeader = 14;

// Runs work on the open log, between the store's start and release.
template <typename Work>
void WithLog(Work work) {
  if (!SETUPN()) return;
  if (NOTFILE.OK) work();
  glue::RELEASE(NOTFILE);
}

// The map on the floor and at the position of the entry last shown.
void ShowMap(std::int32_t preset) {
  glue::RELEASE(NOTFILE);
  dispmap::DISPLAYMAP2(cfgfiles::FLOOR, cfgfiles::CFLOOR, preset, cfgfiles::XFOUND, cfgfiles::YFOUND);
}

// Opening the log offers its repair; then the count of its entries.
void CHECKLOG() {
  WithLog([] {
    langs::WRITEHEADER(kCheckHeader);
    screen::FNT0(253, 600, 500, 4, 0, 0, 35, 0, 0, "b",
                 Text("edn10", kChecked) + " " + std::to_string(NOTFILE.SMAXREC));
    kiosk::clock::SleepMs(5000);
  });
}

bool RebuildEntry() {
  return rebuild::REBUILD_FILES(rebuild::Catalogue::NotFound, Text("edn10", kRebuildQuestion));
}

}  // namespace

void EDITNOT2() {
  cfgfiles::XFOUND = cfgfiles::YFOUND = 0;
  // Staff answer the log's questions; the shopper's kiosk never asks any.
  NOTFILE.ask = screen::ASKYESNO;
  for (;;) {
    dispmap::TEST_FLAG = 0;
    screen::CLEAR_PROMPT();
    screen::SHOW_GRID = 0;
    LOGFRAME();
    writescreen::GET_DATA("edn1");
    const char choice = screen::ASKMENU(kLogMenu);
    if (screen::key::IsLeaveKey(screen::VALANS)) break;
    switch (choice) {
      case 'A':
        WithLog([] {
          langs::WRITEHEADER(kBrowseHeader);
          LISTP();
        });
        break;
      case 'B': ShowMap(1); break;
      case 'C': ShowMap(0); break;
      case 'D': NOTFOUNDUTILITIES(); break;
      case 'E': CHECKLOG(); break;
      default: break;
    }
  }
  // A deletion asked for the rebuild: offered once, behind the password.
  if (cfgfiles::REKEY_FLAG == 1) {
    RebuildEntry();
    cfgfiles::REKEY_FLAG = 0;
  }
  NOTFILE.ask = nullptr;
}

void NOTFOUNDUTILITIES() {
  for (;;) {
    screen::CLEAR_PROMPT();
    LOGFRAME();
    writescreen::GET_DATA("edn2");
    const char choice = screen::ASKMENU(kUtilitiesMenu);
    if (screen::key::IsLeaveKey(screen::VALANS)) return;
    switch (choice) {
      case 'A':
        WithLog([] {
          screen::FRAME4();
          screen::CLEAR_PROMPT();
          EXPORTNOT();
        });
        break;
      case 'B':
        screen::FRAME4();
        langs::WRITEHEADER(kNewFileHeader);
        if (CONFIRMED(kReplaceQuestion)) WithLog([] { TESTNEW(); });
        break;
      case 'C':
        screen::FRAME4();
        screen::CLEAR_PROMPT();
        RebuildEntry();
        break;
      case 'D':
        WithLog([] {
          langs::WRITEHEADER(kReportHeader);
          PRINTNOTFOUND();
        });
        break;
      case 'E': WithLog([] { TOPLIST(); }); break;
      default: break;
    }
  }
}

}  // namespace editnot
