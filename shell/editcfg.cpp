// The editor's copy of the configuration: read, written, reset.
#include "shell/editcfg.h"

#include "screen/primitives.h"
#include "screen/prompt.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace editcfg {

Str255 WHEREXS, WHEREYS, FLOORXS, MACHINENO, LANGUAGE, FLIMITS, EXCLUDE, NOOFFLOORSS, STORENAME,
    STORESTREET, STORECITY, STORESTATE, SIMPLEPW, STRONGPW;
Str255 ANSS, PMPT;
char CHH = '\0';
double PASSIT = 0;

namespace {

// The copy in file order.
Str255* const kCopy[cfgfiles::kConfigLines] = {
    &WHEREXS,   &WHEREYS,     &FLOORXS,   &MACHINENO,  &LANGUAGE, &FLIMITS,  &EXCLUDE,
    &NOOFFLOORSS, &STORENAME, &STORESTREET, &STORECITY, &STORESTATE, &SIMPLEPW, &STRONGPW};

}  // namespace

void TESTNEWCFGM() {
  cfgfiles::ConfigLines lines;
  if (!cfgfiles::ReadConfigLines(lines)) return;  // the copy stays as it was
  for (int i = 0; i < cfgfiles::kConfigLines; ++i) *kCopy[i] = lines[i];
  screen::STRINGTOREAL(WHEREXS.view(), cfgfiles::WHEREISX);
  screen::STRINGTOREAL(WHEREYS.view(), cfgfiles::WHEREISY);
  cfgfiles::FLOORX = cfgfiles::TextToInteger(FLOORXS.view());
}

bool WRITECFG() {
  cfgfiles::ConfigLines lines;
  for (int i = 0; i < cfgfiles::kConfigLines; ++i) lines[i] = *kCopy[i];
  const bool saved = cfgfiles::WriteConfigLines(lines);
  if (!saved) {
    langs::GETEXACT("writea", kNotSavedText);
    screen::SHOWMESSAGE(screen::TEMP.view());
  }
  screen::FRAME4();
  return saved;
}

void ResetForTest() {
  for (Str255* line : kCopy) line->clear();
  ANSS.clear();
  PMPT.clear();
  CHH = '\0';
  PASSIT = 0;
}

}  // namespace editcfg
