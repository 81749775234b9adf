// The log's exchange file data\notfound.txt: export, import, the log made
// afresh from it (built beside the old one, swapped in when complete) and
// the rebuild.
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "common/clock.h"
#include "common/hostpath.h"
#include "common/text.h"
#include "common/textfile.h"
#include "editors/editnot.h"
#include "editors/editnot_screens.h"
#include "editors/report.h"
#include "isam/isam.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "shell/langs.h"

namespace editnot {

namespace {

// The log under construction, beside the one in use.
constexpr const char* kSideName = "data\\NotFoundNew";

constexpr std::int32_t kProgressSize = 35;

void Progress(int colour, int y, int line) { glue::SHOWPROGRESS(colour, 600, y, line, kProgressSize); }

void AppendEntry(std::string& out, const NOTDEF& rec) {
  out += "0\r\n";
  for (int f = 1; f <= kFields; ++f) {
    out += FieldText(rec, f);
    out += "\r\n";
  }
}

std::string HostFile(std::string_view fileBlock, const char* extension) {
  return kiosk::HostPath(isam::IsamForceExtension(fileBlock, extension).view());
}

void RemoveSideFiles() {
  std::error_code ec;
  for (const char* ext : {isam::DatExtension, isam::IxExtension, isam::DiaExtension})
    std::filesystem::remove(HostFile(kSideName, ext), ec);
}

// The side log's files take the place of the log's. The data file goes
// first: should the index not follow, the log opens as damaged and is
// rebuilt from that data file.
bool SwapIn() {
  std::error_code ec;
  for (const char* ext : {isam::DatExtension, isam::IxExtension}) {
    std::filesystem::rename(HostFile(kSideName, ext), HostFile(kFileName, ext), ec);
    if (ec) return false;
  }
  std::filesystem::remove(HostFile(kFileName, isam::DiaExtension), ec);
  return true;
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
  glue::Catalogue side = NOTFILE;
  glue::ResetState(side);
  side.name = kSideName;
  side.rebuild = nullptr;

  Progress(253, 300, 3);
  RemoveSideFiles();  // what an interrupted build left
  Progress(128, 300, 3);
  Progress(253, 400, 4);
  bool ok = glue::CREATEFILE(side);
  kiosk::clock::SleepMs(100);
  ok = ok && glue::OPENRAW(side);
  Progress(128, 400, 4);
  Progress(253, 500, 5);
  Progress(128, 500, 5);
  std::int32_t added = 0;
  ok = ok && IMPORTNOT(side, in, added);
  in.Close();
  Progress(253, 600, 6);
  if (side.fb) {
    isam::BTCloseFileBlock(side.fb);
    ok = ok && isam::IsamOK;
  }
  ok = ok && SwapIn();
  Progress(128, 600, 6);
  if (!ok) {
    RemoveSideFiles();
    TellText(kImportFailed);
  }
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
