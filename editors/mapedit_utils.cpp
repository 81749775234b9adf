// The map utilities: report, rebuild, move a shelf, draw the map, export,
// new file from the exchange file, list and erase.
#include "common/clock.h"
#include "editors/mapedit.h"
#include "editors/rebuild.h"
#include "isam/delf.h"
#include "isam/glue.h"
#include "isam/isam.h"
#include "map/locate.h"
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

// Work on the open map file (the frame drawn, a heading shown unless 0);
// the file closed and the store released afterwards.
template <typename Work>
void OnMapFile(std::int32_t header, Work work) {
  SETUPM();
  if (PE) {
    screen::FRAME4();
    if (header != 0) {
      COUNTLOOP = header;
      langs::WRITEHEADER(header);
    }
    work();
  }
  CLOSEITM();
  RELEASEM();
}

// Staff confirm a choice that destroys the map file: the password, then
// yes to the question.
bool Confirmed(std::int32_t question) {
  screen::FRAME4();
  if (!langs::PASSWORDOK(1)) return false;
  screen::FRAME4();
  return screen::ASKYESNO(Message(question).view());
}

void Export() {
  CLOSEITM();
  OnMapFile(kExportHead, [] {
    screen::CLEAR_PROMPT();
    if (!SHELVES1()) screen::SHOWMESSAGE(Message(kExportFailed).view());
  });
}

void DrawMap() {
  OnMapFile(0, [] {
    langs::GETFILES("ques");
    dispmap::TEST_FLAG = 0;  // every option asked
    dispmap::CFLOOR = -1;    // no product: no rings
    dispmap::LOADSH();
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
  if (!Confirmed(kEraseQuestion)) return false;
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
  if (!Confirmed(kReplaceQuestion)) return false;
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
    if (screen::key::IsLeaveKey(screen::VALANS)) return;
    switch (choice) {
      case 'A': OnMapFile(0, [] { PRINTSHELVES(); }); break;
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
      case 'D': DrawMap(); break;
      case 'E': Export(); break;
      case 'F': NEWMAPFROMTEXT(); break;
      case 'G': OnMapFile(kListHead, LISTPP); break;
      case 'H': ERASEMAP(); break;
      default: break;
    }
  }
}

}  // namespace editmap
