// The product file: module state, open and create glue, the exchange file
// data\prodlist.txt (import ECPT1, export PRODUCT1) and the file made afresh
// from it.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "common/atomicfile.h"
#include "common/clock.h"
#include "common/hostpath.h"
#include "common/textfile.h"
#include "editors/prodfile.h"
#include "editors/prodfile_editor.h"
#include "editors/rebuild.h"
#include "screen/primitives.h"

namespace editprod {

namespace {

glue::Catalogue MakeCatalogue() {
  glue::Catalogue c = glue::CATALOGUEOF<PRODDEF>(
      kFileName, {{110, false}, {36, true}, {15, true}, {15, true}}, 62, BUILDKEY, CHECKRECORD);
  c.rebuild = [] { return REBUILD(); };
  c.sameKey = [](const void* a, const void* b, int keyNr) {
    return KEYBASE(*static_cast<const PRODDEF*>(a), keyNr) ==
           KEYBASE(*static_cast<const PRODDEF*>(b), keyNr);
  };
  c.emptyKey1 = glue::EmptyKey1::Refused;
  c.tell = rebuild::TELLOPERATOR;
  return c;  // no questions: every question counts as answered yes
}

void WriteProduct(kiosk::AtomicFile& out, const PRODDEF& rec) {
  out.Write("0\r\n");
  for (int f = 1; f <= kSlots; ++f) {
    out.Write(FieldText(rec, f));
    out.Write("\r\n");
  }
}

// The record numbers already exported: a flag per record of the file (a
// million products take a megabyte), and a set for any number a damaged
// index names outside the file.
class WrittenRecords {
 public:
  explicit WrittenRecords(std::int32_t last) : flags_(static_cast<std::size_t>(std::max(last, 0)) + 1) {}
  bool Has(std::int32_t ref) const {
    return InFile(ref) ? flags_[static_cast<std::size_t>(ref)] != 0 : outside_.count(ref) != 0;
  }
  void Add(std::int32_t ref) {
    if (InFile(ref)) flags_[static_cast<std::size_t>(ref)] = 1;
    else outside_.insert(ref);
  }

 private:
  bool InFile(std::int32_t ref) const { return ref >= 1 && std::size_t(ref) < flags_.size(); }
  std::vector<char> flags_;
  std::set<std::int32_t> outside_;
};

}  // namespace

PRODDEF PRODUCT;
PRODDEF PRODUCT2;
std::array<kiosk::Str255, kSlots + 1> OUTSTR;
std::array<std::int32_t, 1001> REC_FOUND{};
std::int32_t CNT1 = 0;
std::int32_t REC = 0;
glue::Catalogue PRODFILE = MakeCatalogue();
isam::IsamFileBlockPtr& PF2 = PRODFILE.fb;
std::int32_t& SMAXREC = PRODFILE.SMAXREC;

bool SETUP() {
  PRODFILE.record = &PRODUCT;
  if (!glue::PROGRESS) rebuild::InstallProgressTexts();
  return glue::SETUP(PRODFILE);
}

void RELEASE() { glue::RELEASE(PRODFILE); }

bool OPENEDFILES() {
  PRODFILE.record = &PRODUCT;
  return glue::OPENEDFILES(PRODFILE);
}

void OPENITP() {
  PRODFILE.record = &PRODUCT;
  glue::OPENIT(PRODFILE);
}

void CLOSEITP() { glue::CLOSEIT(PRODFILE); }

bool CREATEFILE() { return glue::CREATEFILE(PRODFILE); }

bool NEWSTRUCTURE() {
  PRODFILE.record = &PRODUCT;
  return glue::NEWSTRUCTURE(PRODFILE);
}

bool ERASEPRODUCT(std::int32_t refNr) {
  const bool ok = glue::ERASERECORD(PRODFILE, refNr);
  SMAXREC = isam::BTUsedRecs(PF2);
  return ok;
}

bool CHANGEPRODUCT(std::int32_t refNr, const PRODDEF& old) {
  return glue::CHANGESTRUCTURE(PRODFILE, &old, &PRODUCT, refNr);
}

bool TRANSINC() {
  if (!SETUP()) return false;
  OPENITP();
  bool ok = false;
  if (PRODFILE.OK) {
    for (int slot = 1; slot <= kSlots; ++slot) SetSlot(PRODUCT, slot, screen::PASS1[slot].view());
    PRODUCT.DEL = 0;
    kiosk::clock::SleepMs(100);
    ok = NEWSTRUCTURE();
    kiosk::clock::SleepMs(100);
  }
  screen::CLEAR_PROMPT();
  CLOSEITP();
  RELEASE();
  return ok;
}

int ECPT1(bool* complete) {
  if (complete) *complete = true;
  kiosk::TextFile in;
  if (!in.Open(kExchangeFile)) return 0;
  const std::int32_t before = isam::BTUsedRecs(PF2);
  int read = 0, added = 0;
  while (!in.Eof()) {
    in.ReadLine();  // the separator
    CLEARIT();
    // Each field is cut to its length; past the end of the file fields read empty.
    for (int f = 1; f <= kSlots; ++f) SetField(PRODUCT, f, in.ReadLine().view());
    ++read;
    if (NEWSTRUCTURE()) ++added;
  }
  if (complete) *complete = isam::BTUsedRecs(PF2) - before == read;
  return added;
}

bool PRODUCT1() {
  if (!PF2) OPENITP();
  if (!PF2) return false;  // never empty the exchange file for a file that is not open
  glue::SHOWPROGRESS(253, 600, 500, 5);
  glue::SHOWPROGRESS(128, 600, 500, 5);
  // Written whole or not at all: staff may have prepared the old one.
  kiosk::AtomicFile out;
  if (!out.Open(kiosk::HostPath(kExchangeFile))) {
    CLOSEITP();
    return false;
  }
  // In key-1 order to the index's end; then any live record the index does
  // not reach, by record number, so that no product is ever left out.
  const std::int32_t last = glue::HIGHESTREC(PRODFILE);
  WrittenRecords written(last);
  PRODDEF rec;
  {
    isam::BTClearKey(PF2, 1);
    for (;;) {
      std::int32_t ref = 0;
      isam::IsamKeyStr key;
      isam::BTNextKey(PF2, 1, ref, key);
      if (!isam::IsamOK) break;
      if (written.Has(ref)) continue;
      isam::BTGetRec(PF2, ref, &rec);
      if (!isam::IsamOK || rec.DEL != 0) continue;
      WriteProduct(out, rec);
      written.Add(ref);
    }
    for (std::int32_t ref = 1; ref <= last; ++ref) {
      if (written.Has(ref)) continue;
      isam::BTGetRec(PF2, ref, &rec);
      if (!isam::IsamOK || rec.DEL != 0) continue;
      WriteProduct(out, rec);
      written.Add(ref);
    }
    isam::IsamClearOK();
  }
  glue::SHOWPROGRESS(128, 600, 600, 7);
  const bool ok = out.Commit();
  screen::FRAME4();
  CLOSEITP();
  return ok;
}

bool TESTNEW() {
  screen::FRAME4();
  PRODFILE.record = &PRODUCT;
  return glue::REMAKEFROMTEXT(PRODFILE, [] {
    bool complete = false;
    ECPT1(&complete);
    return complete;
  });
}

bool REBUILD() {
  PRODFILE.record = &PRODUCT;
  CLOSEITP();
  return glue::REBUILDSAFE(PRODFILE, TESTNEW, PRODUCT1);  // the export closes the file
}

bool REPAIR() {
  PRODFILE.record = &PRODUCT;
  CLOSEITP();
  return glue::REBUILDFROMDATA(PRODFILE) >= 0;
}

void ResetForTest() {
  ResetEditorForTest();
  PRODUCT = PRODDEF();
  PRODUCT2 = PRODDEF();
  for (auto& s : OUTSTR) s.clear();
  REC_FOUND.fill(0);
  CNT1 = 0;
  REC = 0;
  glue::ResetState(PRODFILE);
  PRODFILE.record = &PRODUCT;
}

}  // namespace editprod
