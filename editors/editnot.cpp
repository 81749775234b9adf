// The not-found log: its record, fields, key, glue state and the logging
// step.
#include "editors/editnot.h"

#include <cstddef>
#include <cstring>

#include "common/text.h"
#include "editors/rebuild.h"
#include "graph/keyboard.h"
#include "screen/primitives.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace editnot {

namespace {

constexpr std::int32_t kNotLoggedText = 24;  // "writea": the word was not recorded

glue::Catalogue MakeCatalogue() {
  glue::Catalogue c = glue::CATALOGUEOF<NOTDEF>(
      kFileName, {{110, false}}, 32,
      [](const NOTDEF& rec, int keyNr) { return keyNr == 1 ? BUILDKEY(rec) : std::string(); },
      nullptr);
  // A damaged log is rebuilt from its own data file; no entry is dropped.
  c.rebuild = [] { return glue::REBUILDFROMDATA(NOTFILE) >= 0; };
  // A change keeps the entry's key while its word stays the same.
  c.sameKey = [](const void* a, const void* b, int) {
    return BUILDKEY(*static_cast<const NOTDEF*>(a)) == BUILDKEY(*static_cast<const NOTDEF*>(b));
  };
  c.emptyKey1 = glue::EmptyKey1::Asked;
  c.tell = rebuild::TELLOPERATOR;
  return c;  // no questions at the shopper's kiosk: every one counts as yes (the
             // not-found menu installs the staff's while it runs)
}

}  // namespace

NOTDEF NOTFOUND;
kiosk::ShortStr<14> MACHINENO;
glue::Catalogue NOTFILE = MakeCatalogue();
std::int32_t REC = 0;
isam::IsamKeyStr KEY;
kiosk::ShortStr<3> NOTSAVE;

namespace {
// The bytes an entry shares with a product record: DEL to SEEALSO.
constexpr std::size_t kProductPart = offsetof(NOTDEF, TIME);
static_assert(kProductPart + sizeof(editprod::PRODDEF::PAD_) == sizeof(editprod::PRODDEF));
}  // namespace

editprod::PRODDEF AsProduct(const NOTDEF& rec) {
  editprod::PRODDEF p;
  std::memcpy(static_cast<void*>(&p), &rec, kProductPart);
  return p;
}

std::string FieldText(const NOTDEF& rec, int field) {
  if (field == 19) return rec.TIME.str();
  if (field == 20) return rec.DATE.str();
  return editprod::FieldText(AsProduct(rec), field);  // "" outside 1..18
}

void SetField(NOTDEF& rec, int field, std::string_view text) {
  if (field == 19) {
    rec.TIME = text;
  } else if (field == 20) {
    rec.DATE = text;
  } else if (field >= 1 && field <= 18) {
    editprod::PRODDEF p = AsProduct(rec);
    editprod::SetField(p, field, text);
    std::memcpy(static_cast<void*>(&rec), &p, kProductPart);
  }
}

std::string BUILDKEY(const NOTDEF& rec) {
  return std::string(kiosk::TrimRight(rec.KLINE1.view()).substr(0, 80));
}

bool SETUPN() {
  NOTFILE.record = &NOTFOUND;
  if (!glue::PROGRESS) rebuild::InstallProgressTexts();
  if (!glue::SETUP(NOTFILE)) return false;
  if (!NOTFILE.OK) graph::Sound(800, 200);  // the bell
  return true;
}

bool EACHENTRY(const std::function<void(std::int32_t ref, const NOTDEF& rec)>& visit) {
  if (!NOTFILE.fb) return false;
  const std::int32_t last = glue::HIGHESTREC(NOTFILE);
  NOTDEF rec;
  for (std::int32_t ref = 1; ref <= last; ++ref) {
    isam::BTGetRec(NOTFILE.fb, ref, &rec);
    if (!isam::IsamOK) {
      glue::TELLERROR(NOTFILE, isam::IsamError);
      return false;
    }
    if (rec.DEL == 0) visit(ref, rec);
  }
  return true;
}

void EDITPRODNOT(std::string_view word) {
  // Nobody at the shopper's kiosk could answer the question an empty word
  // asks: it is simply not logged.
  if (kiosk::TrimRight(word).empty()) return;
  if (!SETUPN()) return;
  // A log created just now opens here; one that failed to open (held by
  // another kiosk, or beyond repair) has been reported and is not retried.
  if (!NOTFILE.OK && isam::IsamOK) glue::OPENIT(NOTFILE);
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

  NOTFILE.record = &NOTFOUND;
  const bool logged = NOTFILE.OK && glue::NEWSTRUCTURE(NOTFILE);
  glue::CLOSEIT(NOTFILE);
  glue::RELEASE(NOTFILE);
  // The staff rely on the log; a word it lost is said, not dropped.
  if (!logged && NOTFILE.tell && !kiosk::TrimRight(word).empty()) {
    langs::GETEXACT("writea", kNotLoggedText);
    std::string text(screen::TEMP.view());
    text += ' ';
    text += word;
    NOTFILE.tell(text);
  }
}

void ResetForTest() {
  std::memset(static_cast<void*>(&NOTFOUND), 0, sizeof NOTFOUND);
  MACHINENO.clear();
  glue::ResetState(NOTFILE);
  NOTFILE.ask = nullptr;
  REC = 0;
  KEY.clear();
  NOTSAVE.clear();
}

}  // namespace editnot
