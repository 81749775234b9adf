// The log's exchange file data\notfound.txt: export, import, the log made
// afresh from it (built beside the old one, swapped in when complete) and
// the rebuild.
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/text.h"
#include "common/textfile.h"
#include "editors/editnot.h"
#include "editors/editnot_screens.h"
#include "editors/report.h"
#include "isam/beside.h"
#include "isam/isam.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "shell/langs.h"

namespace editnot {

namespace {

constexpr std::int32_t kProgressSize = 35;

void Progress(int colour, int y, int line) { glue::SHOWPROGRESS(colour, 600, y, line, kProgressSize); }

void AppendEntry(std::string& out, const NOTDEF& rec) {
  out += "0\r\n";
  for (int f = 1; f <= kFields; ++f) {
    out += FieldText(rec, f);
    out += "\r\n";
  }
}

}  // namespace

bool EXPORTNOT() {
  if (!NOTFILE.fb) return false;  // never empty the exchange file for a log that is not open
  glue::SHOWPROGRESS(253, 850, 500, 5, kProgressSize);
  glue::SHOWPROGRESS(128, 600, 500, 5, kProgressSize);
  std::string text;
  const bool walked = EACHENTRY([&](std::int32_t, const NOTDEF& rec) { AppendEntry(text, rec); });
  Progress(128, 600, 7);
  const bool written = walked && report::WRITETEXTFILE(kExchangeFile, text);
  screen::FRAME4();
  glue::CLOSEIT(NOTFILE);
  return written;
}

bool IMPORTNOT(glue::Catalogue& c, kiosk::TextFile& in, std::int32_t& added) {
  added = 0;
  bool ok = true;
  c.record = &NOTFOUND;
  while (!in.Eof()) {
    screen::CLEAR_PROMPT();
    in.ReadLine();  // the separator
    kiosk::clock::SleepMs(1);
    NOTFOUND = NOTDEF();
    bool anyText = false;
    for (int f = 1; f <= kFields; ++f) {
      const kiosk::Str255 line = in.ReadLine();
      anyText = anyText || !line.empty();
      SetField(NOTFOUND, f, line.view());
    }
    kiosk::clock::SleepMs(1);
    if (!anyText && in.Eof()) break;  // blank lines at the end: no entry
    // An entry without a word is offered to the staff, who skip it.
    const bool hasWord = !BUILDKEY(NOTFOUND).empty();
    if (glue::NEWSTRUCTURE(c)) {
      ++added;
    } else if (hasWord) {
      ok = false;
      break;
    }
    screen::CLEAR_PROMPT();
  }
  screen::FNT0(250, 600, screen::MAXY - 65, 4, 360, 0, 35, 0, 0, "b", "Done ... Press Q");
  kiosk::clock::SleepMs(1000);
  return ok;
}

bool TESTNEW() {
  glue::CLOSEIT(NOTFILE);
  screen::FRAME4();
  kiosk::TextFile in;
  if (!in.Open(kExchangeFile) || in.Eof()) {
    TellText(kNoTextFile);
    return false;
  }
  NOTFILE.record = &NOTFOUND;
  std::int32_t added = 0;
  const bool ok = glue::BUILDBESIDE(NOTFILE, [&] { return IMPORTNOT(NOTFILE, in, added); }, Progress);
  in.Close();
  if (!ok) TellText(kImportFailed);
  isam::IsamClearOK();
  return ok;
}

bool REBUILD() {
  NOTFILE.record = &NOTFOUND;
  if (NOTFILE.fb) glue::CLOSEIT(NOTFILE);
  std::vector<std::string> live;
  // Without a data file the exchange file is all there is.
  if (!glue::READDATAFILE(NOTFILE, live)) return TESTNEW();
  if (glue::REBUILDFROMDATA(NOTFILE) < 0) return false;
  if (!glue::OPENRAW(NOTFILE)) return false;
  return EXPORTNOT();  // the text file from the rebuilt log; closes it
}

}  // namespace editnot
