// The map utilities: report, rebuild, move a shelf, draw the map, export,
// new file from the exchange file, list and erase.
#include "common/clock.h"
#include "editors/mapedit.h"
#include "editors/rebuild.h"
#include "isam/delf.h"
#include "isam/glue.h"
#include "isam/isam.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "screen/writescreen.h"
#include "shell/langs.h"

namespace editmap {

namespace {

constexpr std::int32_t kUtilitiesMenu = 29;
// Headings of the export, the new file and the list.
constexpr std::int32_t kExportHead = 22, kNewFileHead = 14, kListHead = 23;
// "edm6" lines: the questions before erasing and replacing the map file,
// the refusal of a missing or empty Shelves.txt, a failed export.
constexpr std::int32_t kEraseQuestion = 2, kReplaceQuestion = 3, kNoExchangeFile = 4,
                       kExportFailed = 5;

kiosk::Str255 Message(std::int32_t line) {
  langs::GETEXACT("edm6", line);
  return screen::TEMP;
}

void Progress(std::int32_t colour, std::int32_t y, std::int32_t line) {
  langs::WRITEASTRING(colour, 600, y, 4, 30, line);
}

void Export() {
  CLOSEITM();
  ONMAPFILE(kExportHead, [] {
    screen::CLEAR_PROMPT();
    if (!SHELVES1()) screen::SHOWMESSAGE(Message(kExportFailed).view());
  });
}

// Deletes a file of the map fileblock when it exists.
void RemoveMapFile(const char* extension) {
  kiosk::clock::SleepMs(5);
  delf::DELETE_FILE2(isam::IsamForceExtension(kFileName, extension).view());
  kiosk::clock::SleepMs(5);
}

}  // namespace

bool ERASEMAP() {
  if (!screen::ASKPASSWORDANDYES(Message(kEraseQuestion).view())) return false;
  screen::FRAME4();
  CLOSEITM();
  Progress(253, 300, 3);
  RemoveMapFile(isam::DatExtension);
  RemoveMapFile(isam::IxExtension);
  Progress(128, 300, 3);
  // Made afresh before any open, so that no open loop refills it.
  Progress(253, 400, 4);
  const bool startedHere = !isam::IsamIsInitialized();
  if (startedHere) isam::BTInitIsam(isam::NoNet, MAPFILE.pages);
  bool ok = isam::IsamOK && CREATEFILE();
  if (!ok) glue::TELLERROR(MAPFILE, isam::IsamError);
  Progress(128, 400, 4);
  Progress(253, 500, 5);
  if (ok) {
    OPENITM();
    ok = PE != nullptr;
    CLOSEITM();
  }
  Progress(128, 500, 5);
  if (startedHere && isam::IsamIsInitialized()) isam::BTExitIsam();
  return ok;
}

bool NEWMAPFROMTEXT() {
  if (!screen::ASKPASSWORDANDYES(Message(kReplaceQuestion).view())) return false;
  if (!EXCHANGEHOLDSLINES()) {
    screen::SHOWMESSAGE(Message(kNoExchangeFile).view());
    return false;
  }
  bool ok = false;
  SETUPM();
  screen::FRAME4();
  langs::WRITEHEADER(kNewFileHead);
  ok = TESTNEW();
  CLOSEITM();
  RELEASEM();
  return ok;
}

void SHELFUTILITIES() {
  for (;;) {
    screen::FRAME4();
    screen::CLEAR_PROMPT();
    writescreen::GET_DATA("edm2");
    const char choice = screen::ASKMENU(kUtilitiesMenu);
    if (screen::VALANS == screen::key::kPause) return;
    if (screen::VALANS == screen::key::kEscape) continue;
    switch (choice) {
      case 'A': ONMAPFILE(0, [] { PRINTSHELVES(); }); break;
      case 'B':
        CLOSEITM();
        rebuild::REBUILD_FILES(rebuild::Catalogue::MapElements);
        break;
      case 'C':
        MUPDATE();
        CLOSEITM();
        RELEASEM();
        screen::VALANS = screen::key::kNone;
        break;
      case 'D': SHOWMAP(0); break;  // every option asked
      case 'E': Export(); break;
      case 'F': NEWMAPFROMTEXT(); break;
      case 'G': ONMAPFILE(kListHead, LISTPP); break;
      case 'H': ERASEMAP(); break;
      default: break;
    }
  }
}

}  // namespace editmap
