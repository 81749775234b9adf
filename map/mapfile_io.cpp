// The map element file: module state, open and create glue, the exchange
// file data\Shelves.txt (import, export) and the file made afresh from it.
#include <string>
#include <vector>

#include "common/atomicfile.h"
#include "common/clock.h"
#include "common/hostpath.h"
#include "common/text.h"
#include "common/textfile.h"
#include "editors/mapedit.h"
#include "editors/rebuild.h"
#include "isam/beside.h"
#include "map/mapfile.h"

namespace editmap {

namespace {

glue::Catalogue MakeCatalogue() {
  glue::Catalogue c = glue::CATALOGUEOF<MAPDEF>(
      kFileName, {{kKey1Len, false}, {kKey23Len, true}, {kKey23Len, true}}, 62, BUILDKEY,
      CHECKRECORD);
  c.rebuild = [] { return REBUILD(); };
  c.sameKey = [](const void* a, const void* b, int keyNr) {
    return KEYBASE(*static_cast<const MAPDEF*>(a), keyNr) ==
           KEYBASE(*static_cast<const MAPDEF*>(b), keyNr);
  };
  c.tell = rebuild::TELLOPERATOR;
  return c;  // no questions: every question counts as answered yes
}

}  // namespace

MAPDEF SHELF;
glue::Catalogue MAPFILE = MakeCatalogue();
isam::IsamFileBlockPtr& PE = MAPFILE.fb;
std::int32_t& SMAXREC = MAPFILE.SMAXREC;

void SETUPM() {
  MAPFILE.record = &SHELF;
  if (!glue::PROGRESS) rebuild::InstallProgressTexts();
  glue::FINISHBESIDE(kFileName);
  if (!glue::DATAFILEEXISTS(MAPFILE)) {
    // A first start fills the file from the exchange file. It is built
    // beside and appears only when complete: an empty file made first would
    // open, once the start was stopped, as an empty map for good.
    const bool startedHere = !isam::IsamIsInitialized();
    if (startedHere) isam::BTInitIsam(isam::NoNet, MAPFILE.pages);
    if (isam::IsamOK) {
      kiosk::clock::SleepMs(1000);
      TESTNEW();
    }
    const bool ready = glue::SETUP(MAPFILE);
    MAPFILE.startedStore = MAPFILE.startedStore || startedHere;
    if (!ready) return;
    if (!MAPFILE.OK) glue::OPENIT(MAPFILE);
    return;
  }
  if (!glue::SETUP(MAPFILE)) return;  // reported; the map module goes on
  if (!MAPFILE.OK) {
    // A file that could not be opened is made afresh from the exchange file
    // only when its data file holds no element: one that still holds
    // elements is never wiped.
    std::vector<std::string> live;
    if (glue::READDATAFILE(MAPFILE, live) && !live.empty()) return;
    kiosk::clock::SleepMs(1000);
    TESTNEW();
    glue::OPENIT(MAPFILE);
  }
}

void RELEASEM() { glue::RELEASE(MAPFILE); }

bool OPENEDFILES() {
  MAPFILE.record = &SHELF;
  return glue::OPENEDFILES(MAPFILE);
}

void OPENITM() {
  MAPFILE.record = &SHELF;
  glue::OPENIT(MAPFILE);
}

void CLOSEITM() { glue::CLOSEIT(MAPFILE); }

bool CREATEFILE() { return glue::CREATEFILE(MAPFILE); }

bool ADDKEY(std::string_view key, std::int32_t refNr, int keyNr) {
  return glue::ADDKEY(MAPFILE, key, refNr, keyNr);
}

bool NEWSTRUCTURE() {
  MAPFILE.record = &SHELF;
  return glue::NEWSTRUCTURE(MAPFILE);
}

int IMPORTLINES(bool* complete) {
  if (complete) *complete = true;
  kiosk::TextFile in;
  if (!in.Open(kExchangeFile)) return 0;
  const std::int32_t before = isam::BTUsedRecs(PE);
  int read = 0, added = 0;
  while (!in.Eof()) {
    SHELF = ParseLine(in.ReadLine().view());
    ++read;
    if (NEWSTRUCTURE()) ++added;  // a refused key leaves the element in the file
  }
  if (complete) *complete = isam::BTUsedRecs(PE) - before == read;
  return added;
}

bool SHELVES1() {
  if (!PE) OPENITM();
  if (!PE) return false;  // never empty the exchange file for a file that is not open
  // Every live element, by record number up to the highest ever allocated.
  // A record that cannot be read ends the export: the old exchange file is
  // worth more than one that silently lacks elements.
  const std::int32_t last = glue::HIGHESTREC(MAPFILE);
  std::string text;
  bool ok = true;
  MAPDEF rec;
  for (std::int32_t k = 1; k <= last && ok; ++k) {
    isam::BTGetRec(PE, k, &rec);
    if (!isam::IsamOK) {
      glue::TELLERROR(MAPFILE, isam::IsamError);
      ok = false;
    } else if (rec.DEL == 0) {
      text += FormatLine(rec);
      text += "\r\n";
    }
  }
  if (ok) ok = kiosk::WriteFileAtomic(kiosk::HostPath(kExchangeFile), text);
  glue::SHOWPROGRESS(128, 600, 600, 7);
  CLOSEITM();
  return ok;
}

bool EXCHANGEHOLDSLINES() {
  kiosk::TextFile in;
  if (!in.Open(kExchangeFile)) return false;
  while (!in.Eof())
    if (!kiosk::Trim(in.ReadLine().view()).empty()) return true;
  return false;
}

bool TESTNEW() {
  MAPFILE.record = &SHELF;
  return glue::REMAKEFROMTEXT(MAPFILE, [] {
    bool complete = false;
    IMPORTLINES(&complete);
    return complete;
  });
}

bool REBUILD() {
  MAPFILE.record = &SHELF;
  CLOSEITM();
  return glue::REBUILDSAFE(MAPFILE, TESTNEW, SHELVES1);  // the export closes the file
}

bool REPAIR() {
  MAPFILE.record = &SHELF;
  CLOSEITM();
  return glue::REBUILDFROMDATA(MAPFILE) >= 0;
}

void ResetForTest() {
  ResetEditorForTest();
  SHELF = MAPDEF();
  glue::ResetState(MAPFILE);
  MAPFILE.record = &SHELF;
}

}  // namespace editmap
