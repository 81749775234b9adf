// The catalogue glue: open loop, record and key calls with lock retry, new
// record with keys.
#include "isam/glue.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <utility>

#include "common/clock.h"
#include "common/text.h"
#include "isam/beside.h"
#include "isam/dberrors.h"
#include "isam/errors.h"
#include "isam/fileio.h"

namespace glue {

using namespace isam;

namespace {

// The store's conversion hook, after every read: the catalogue's check.
void CheckAfterRead(void* data, std::int32_t, bool postRead, void* hook) {
  if (postRead && hook) (*static_cast<const std::function<void(void*)>*>(hook))(data);
}

void InstallCheck(Catalogue& c) {
  if (c.fb && c.checkRecord) BTSetCharConvert(c.fb, CheckAfterRead, &c.checkRecord, true);
}

void StoreCount(Catalogue& c) {
  c.SMAXREC = c.fb ? BTUsedRecs(c.fb) : 0;
  std::string n = std::to_string(c.SMAXREC);
  if (n.size() < 6) n.insert(0, 6 - n.size(), ' ');
  c.STR1 = n;
}

// The lock retry loop around one store call.
template <typename Call>
bool Retry(Catalogue& c, Call call) {
  do {
    call();
    if (LOCKABORT(c)) return false;
  } while (c.LOCKED);
  if (!IsamOK) {
    TELLERROR(c, IsamError);
    return false;
  }
  return true;
}

// Why an open fileblock is not this catalogue's file, as a store error: a
// record length other than the catalogue's record (10190), or keys other
// than its keys (10010); 0 when it is. A header byte flipped on disk must
// not make the module's record be read or written at another length, nor
// its keys go to indexes that cannot hold them.
std::int32_t NotTheCatalogues(const Catalogue& c) {
  if (BTDatRecordSize(c.fb) != c.recLen) return err::kDataFileDamaged;
  if (BTNrOfKeys(c.fb) != static_cast<std::int32_t>(c.keys.size())) return err::kIndexDamaged;
  for (std::size_t k = 0; k < c.keys.size(); ++k) {
    const auto nr = static_cast<std::int32_t>(k) + 1;
    if (BTKeyLen(c.fb, nr) != c.keys[k].len || BTAllowDupKeys(c.fb, nr) != c.keys[k].dups)
      return err::kIndexDamaged;
  }
  return 0;
}

// Opens the catalogue's fileblock and checks it is the catalogue's; a file
// that is not is closed again and the open fails with the reason.
bool OpenAsCatalogue(Catalogue& c) {
  BTOpenFileBlock(c.fb, IsamFileBlockName(c.name));
  if (!IsamOK) {
    c.fb = nullptr;
    return false;
  }
  if (const std::int32_t why = NotTheCatalogues(c)) {
    BTCloseFileBlock(c.fb);
    c.fb = nullptr;
    IsamOK = false;
    IsamError = why;
    return false;
  }
  InstallCheck(c);
  return true;
}

IsamIndDescr Describe(const Catalogue& c) {
  IsamIndDescr iid;
  for (std::size_t k = 0; k < c.keys.size(); ++k) {
    iid[static_cast<int>(k) + 1].KeyL = c.keys[k].len;
    iid[static_cast<int>(k) + 1].AllowDupK = c.keys[k].dups;
  }
  return iid;
}

}  // namespace

bool SETUP(Catalogue& c) {
  c.ACTREC = 0;
  c.ACTKEYNR = 1;
  c.ACTKEY.clear();
  c.startedStore = false;
  if (!IsamIsInitialized()) {
    c.PS = BTInitIsam(NoNet, c.pages);
    if (!IsamOK) {
      TELLERROR(c, IsamError);
      return false;
    }
    c.startedStore = true;
  }
  c.OK = OPENEDFILES(c);
  return true;
}

void RELEASE(Catalogue& c) {
  if (c.fb) CLOSEIT(c);
  if (c.startedStore && IsamIsInitialized()) BTExitIsam();
  c.startedStore = false;
}

bool OPENEDFILES(Catalogue& c) {
  // A build beside the file that was stopped is completed or cleared first.
  if (!c.fb) FINISHBESIDE(c.name);
  for (int attempt = 0; attempt < kOpenTries; ++attempt) {
    if (c.fb) {
      StoreCount(c);
      return true;
    }
    if (OpenAsCatalogue(c)) {
      StoreCount(c);
      return true;
    }
    const std::int32_t error = IsamError;
    // Another program holds the file: nothing to repair, and a rebuild
    // would work on files that are not ours to change.
    if (IsamHeldElsewhere()) break;
    if (error == err::kIndexDamaged) {
      if (!YESNO(c, "Index file defective. Rebuild it?")) return false;
    } else if (error == err::kFileNotFound) {
      if (!IsamExists(IsamForceExtension(c.name, SavExtension).view())) {
        CREATEFILE(c);
        return false;
      }
      if (!YESNO(c, "Only data save file found. Rebuild fileblock?")) return false;
    } else {
      if (!YESNO(c, "Data error " + std::to_string(error) + ". Attempt rebuild?")) return false;
    }
    if (c.rebuild) c.rebuild();
  }
  if (c.tell) {
    c.tell("The file " + c.name + " cannot be opened (error " + std::to_string(IsamError) + ").");
  }
  return false;
}

bool OPENRAW(Catalogue& c) { return OpenAsCatalogue(c); }

void OPENIT(Catalogue& c) {
  if (c.fb) BTCloseFileBlock(c.fb);
  c.fb = nullptr;  // an error for a fileblock that is not open is ignored
  BTUnlockAllOpenFileBlocks();
  BTCloseAllFileBlocks();
  c.OK = OPENEDFILES(c);
  StoreCount(c);
}

void CLOSEIT(Catalogue& c) {
  StoreCount(c);
  if (c.fb) BTCloseFileBlock(c.fb);
  c.fb = nullptr;
  c.OK = false;
  BTUnlockAllOpenFileBlocks();
}

bool CREATEFILE(Catalogue& c) {
  BTCreateFileBlock(IsamFileBlockName(c.name), c.recLen, static_cast<std::int32_t>(c.keys.size()),
                    Describe(c));
  return IsamOK;
}

bool YESNO(Catalogue& c, std::string_view question) {
  if (question.empty() || !c.ask) return true;
  return c.ask(question);
}

bool ADDSTRUCTURE(Catalogue& c, const void* rec, std::int32_t& refNr) {
  return Retry(c, [&] { BTAddRec(c.fb, refNr, rec, static_cast<std::size_t>(c.recLen)); });
}

bool MODSTRUCTURE(Catalogue& c, const void* rec, std::int32_t refNr) {
  BTPutRec(c.fb, refNr, rec, static_cast<std::size_t>(c.recLen), true);
  if (!IsamOK) {
    TELLERROR(c, IsamError);
    return false;
  }
  return true;
}

bool DELSTRUCTURE(Catalogue& c, std::int32_t refNr) {
  return Retry(c, [&] { BTDeleteRec(c.fb, refNr); });
}

std::string STOREDKEY1(std::string_view built, std::int32_t refNr) {
  IsamKeyStr k(built);
  k += std::to_string(refNr);
  return k.str();
}

bool BUILTKEY1(std::string_view stored, std::int32_t refNr, std::string_view& built) {
  const std::string number = std::to_string(refNr);
  if (stored.size() < number.size() || stored.substr(stored.size() - number.size()) != number)
    return false;
  built = stored.substr(0, stored.size() - number.size());
  return true;
}

bool ADDKEY(Catalogue& c, std::string_view key, std::int32_t refNr, int keyNr) {
  const IsamKeyStr k(keyNr == 1 ? STOREDKEY1(key, refNr) : std::string(key));
  return Retry(c, [&] { BTAddKey(c.fb, keyNr, refNr, k); });
}

bool ERASEKEY(Catalogue& c, std::string_view key, std::int32_t refNr, int keyNr) {
  const IsamKeyStr k(key);
  return Retry(c, [&] { BTDeleteKey(c.fb, keyNr, refNr, k); });
}

bool NEWSTRUCTURE(Catalogue& c) {
  const std::string copy(static_cast<const char*>(c.record), static_cast<std::size_t>(c.recLen));
  std::string key1 = c.buildKey(copy.data(), 1);
  while (key1.empty() && c.emptyKey1 != EmptyKey1::Allowed) {
    if (c.emptyKey1 == EmptyKey1::Refused) return false;
    if (YESNO(c, "The name must be entered; abort (Y) or try again (N)?")) return false;
    key1 = c.buildKey(copy.data(), 1);
  }
  if (!LOCKALL(c)) return false;
  std::int32_t refNr = 0;
  bool ok = ADDSTRUCTURE(c, copy.data(), refNr);
  if (ok) {
    std::string actKey;
    for (int k = 1; k <= static_cast<int>(c.keys.size()); ++k) {
      const std::string key = k == 1 ? key1 : c.buildKey(copy.data(), k);
      if (k == c.ACTKEYNR) actKey = key;
      ok = ADDKEY(c, key, refNr, k);  // every key is tried; the last one's result counts
    }
    if (ok) c.ACTKEY = actKey;
    c.ACTREC = refNr;
  }
  BTUnlockAllOpenFileBlocks();
  return ok;
}

ProgressFn PROGRESS;

void SHOWPROGRESS(int colour, int x, int y, int line, int size, int font) {
  if (PROGRESS) PROGRESS(colour, x, y, line, size, font);
}

bool ISLOCKERROR() { return BTIsamErrorClass() == 2; }

bool LOCKABORT(Catalogue& c) {
  c.LOCKED = ISLOCKERROR();
  if (!c.LOCKED) return false;
  return YESNO(c, "A lock prevents access; abort (Y) or try again (N)?");
}

bool LOCKALL(Catalogue& c) {
  for (;;) {
    BTLockAllOpenFileBlocks();
    if (IsamOK) return true;
    if (YESNO(c, "The file is presently in use; abort (Y) or try again (N)?")) return false;
  }
}

void TELLERROR(Catalogue& c, std::int32_t error) {
  dberrors::IsamErrorNum(error);
  if (c.tell) c.tell(dberrors::IsamEMessage.view());
}

std::string TRIM(std::string_view s) { return std::string(kiosk::TrimRight(s)); }

std::string PAD(std::string_view s, int n) {
  if (n < 0) n = 0;
  std::string out(s.substr(0, std::min<std::size_t>(s.size(), static_cast<std::size_t>(n))));
  out.resize(static_cast<std::size_t>(n), ' ');
  return out;
}

bool MATCHEDINDEX(std::string_view a, std::string_view b) { return a == b; }

bool DELETE(Catalogue& c, std::int32_t refNr, const std::function<char()>& choose) {
  char answer = 0;
  do {
    answer = kiosk::UpCase(choose());
  } while (answer != 'A' && answer != 'B');
  return answer == 'A' && DELSTRUCTURE(c, refNr);
}

bool WALKKEY(Catalogue& c, int keyNr,
             const std::function<bool(std::int32_t ref, const IsamKeyStr& key)>& visit) {
  BTClearKey(c.fb, keyNr);  // the next entry is the first
  bool ended = true;
  for (;;) {
    std::int32_t ref = 0;
    IsamKeyStr key;
    BTNextKey(c.fb, keyNr, ref, key);
    if (!IsamOK) {
      ended = BTIsamErrorClass() == 1;  // the index's end
      break;
    }
    if (!visit(ref, key)) break;
  }
  const std::int32_t error = IsamError;
  BTClearKey(c.fb, keyNr);
  if (ended) {
    IsamClearOK();
  } else {
    IsamOK = false;
    IsamError = error;
  }
  return ended;
}

bool READRECORD(Catalogue& c, std::int32_t refNr, void* rec) {
  BTGetRec(c.fb, refNr, rec, static_cast<std::size_t>(c.recLen));
  if (IsamOK) return true;
  TELLERROR(c, IsamError);
  return false;
}

bool LIVEOFKEY(Catalogue& c, int keyNr, const std::function<bool(std::string_view key)>& entryHolds,
               const std::function<bool(const void* rec)>& recordHolds, std::size_t most,
               std::vector<std::int32_t>& found) {
  found.clear();
  if (!c.fb || most == 0) return true;
  std::vector<char> rec(static_cast<std::size_t>(c.recLen));
  const bool walked = WALKKEY(c, keyNr, [&](std::int32_t ref, const IsamKeyStr& key) {
    if (ref == 0 || !entryHolds(key.view())) return true;
    BTGetRec(c.fb, ref, rec.data(), rec.size());
    std::int32_t del = 0;
    std::memcpy(&del, rec.data(), sizeof del);
    if (IsamOK && del == 0 && recordHolds(rec.data())) found.push_back(ref);
    return found.size() < most;
  });
  if (!walked) TELLERROR(c, IsamError);
  return walked;
}

bool SEARCHKEYTEXT(Catalogue& c, int keyNr, std::string_view text, std::size_t most,
                   std::vector<std::int32_t>& found) {
  found.clear();
  std::string wanted = kiosk::UpperCp1252(text);
  while (c.fb && !wanted.empty() && BTUsedRecs(c.fb) > 0) {
    const bool walked = LIVEOFKEY(
        c, keyNr,
        [&](std::string_view key) { return kiosk::UpperCp1252(key).find(wanted) != std::string::npos; },
        [](const void*) { return true; }, most, found);
    if (!walked) return false;
    if (!found.empty()) break;
    wanted.pop_back();  // nothing: one character less
  }
  return true;
}

std::vector<std::string> KEYSOF(Catalogue& c, std::int32_t refNr, int keyNr) {
  std::vector<std::string> found;
  WALKKEY(c, keyNr, [&](std::int32_t ref, const IsamKeyStr& key) {
    if (ref == refNr) found.push_back(key.str());
    return true;
  });
  IsamClearOK();
  return found;
}

std::vector<std::pair<int, std::string>> KEYSOF(Catalogue& c, std::int32_t refNr) {
  std::vector<std::pair<int, std::string>> found;
  for (int k = 1; k <= static_cast<int>(c.keys.size()); ++k)
    for (std::string& key : KEYSOF(c, refNr, k)) found.emplace_back(k, std::move(key));
  return found;
}

bool ERASEKEYSOF(Catalogue& c, std::int32_t refNr) {
  bool ok = true;
  for (const auto& [k, key] : KEYSOF(c, refNr)) ok = ERASEKEY(c, key, refNr, k) && ok;
  return ok;
}

bool ERASERECORD(Catalogue& c, std::int32_t refNr) {
  if (!LOCKALL(c)) return false;
  const bool keysOk = ERASEKEYSOF(c, refNr);
  const bool recOk = DELSTRUCTURE(c, refNr);
  BTUnlockAllOpenFileBlocks();
  return keysOk && recOk;
}

bool CHANGESTRUCTURE(Catalogue& c, const void* oldRec, const void* newRec, std::int32_t refNr) {
  if (!LOCKALL(c)) return false;
  const bool ok = MODSTRUCTURE(c, newRec, refNr);
  bool keysOk = true;
  // Every changed key is replaced, even when an earlier one failed.
  for (int k = 1; ok && k <= static_cast<int>(c.keys.size()); ++k) {
    if (c.sameKey && c.sameKey(oldRec, newRec, k)) continue;
    bool keyOk = true;
    for (const std::string& key : KEYSOF(c, refNr, k)) keyOk = ERASEKEY(c, key, refNr, k) && keyOk;
    keysOk = ADDKEY(c, c.buildKey(newRec, k), refNr, k) && keyOk && keysOk;
  }
  BTUnlockAllOpenFileBlocks();
  return ok && keysOk;
}

std::int32_t HIGHESTREC(Catalogue& c) { return c.fb ? BTFileLen(c.fb) : 0; }

void ResetState(Catalogue& c) {
  c.fb = nullptr;
  c.OK = false;
  c.SMAXREC = 0;
  c.STR1.clear();
  c.LOCKED = false;
  c.ACTKEYNR = 1;
  c.ACTKEY.clear();
  c.ACTREC = 0;
  c.PS = 0;
  c.startedStore = false;
}

}  // namespace glue
