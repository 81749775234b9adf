// The not-found log: its record, key, glue state and the logging step.
#include "editors/editnot.h"

#include <cstring>

#include "common/text.h"
#include "editors/rebuild.h"
#include "graph/keyboard.h"
#include "screen/primitives.h"
#include "shell/cfgfiles.h"

namespace editnot {

namespace {

glue::Catalogue MakeCatalogue() {
  glue::Catalogue c = glue::CATALOGUEOF<NOTDEF>(
      kFileName, {{110, false}}, 32,
      [](const NOTDEF& rec, int keyNr) { return keyNr == 1 ? BUILDKEY(rec) : std::string(); },
      nullptr);
  // A damaged log is rebuilt from its own data file; no entry is dropped.
  c.rebuild = [] { return glue::REBUILDFROMDATA(NOTFILE) >= 0; };
  c.emptyKey1 = glue::EmptyKey1::Asked;
  c.tell = rebuild::TELLOPERATOR;
  return c;  // no questions at the shopper's kiosk: every one counts as yes
}

}  // namespace

NOTDEF NOTFOUND;
kiosk::ShortStr<14> MACHINENO;
glue::Catalogue NOTFILE = MakeCatalogue();

std::string BUILDKEY(const NOTDEF& rec) {
  return std::string(kiosk::TrimRight(rec.KLINE1.view()).substr(0, 80));
}

bool SETUPN() {
  NOTFILE.record = &NOTFOUND;
  if (!glue::SETUP(NOTFILE)) return false;
  if (!NOTFILE.OK) graph::Sound(800, 200);  // the bell
  return true;
}

void EDITPRODNOT(std::string_view word) {
  if (!SETUPN()) return;
  glue::OPENIT(NOTFILE);  // a log created just now opens here
  cfgfiles::TESTNEWCFG(cfgfiles::WHEREISX, cfgfiles::WHEREISY, cfgfiles::FLOORX);
  MACHINENO = cfgfiles::MACHINENO.view();
  screen::CLEAR_PROMPT();

  std::memset(static_cast<void*>(&NOTFOUND), 0, sizeof NOTFOUND);
  NOTFOUND.DEL = 0;
  NOTFOUND.KLINE1 = word;
  NOTFOUND.KLINE1B = " ";
  NOTFOUND.MACHINENO = MACHINENO.view();
  NOTFOUND.COORDX = "10";
  NOTFOUND.COORDY = "10";
  NOTFOUND.FLOOR = "0";
  NOTFOUND.SEEALSO = " ";
  NOTFOUND.TIME = screen::GETTIME().view();
  NOTFOUND.DATE = screen::GETDATE().view();

  if (NOTFILE.OK) {
    NOTFILE.record = &NOTFOUND;
    glue::NEWSTRUCTURE(NOTFILE);
  }
  glue::CLOSEIT(NOTFILE);
  glue::RELEASE(NOTFILE);
}

void ResetForTest() {
  std::memset(static_cast<void*>(&NOTFOUND), 0, sizeof NOTFOUND);
  MACHINENO.clear();
  glue::ResetState(NOTFILE);
}

}  // namespace editnot
