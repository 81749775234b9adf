// Catalogue file glue: the small set of routines every catalogue module
// (products, map elements, not-found log, shopper search) carries around the
// store. Start the store and open or create the module's fileblock, add a
// record with all its keys, change or delete a record, add and erase keys,
// and retry or give up on lock-class errors.
//
// One Catalogue value per module holds the file's parameters (name, record
// length, keys, page buffers, how questions are answered, what a rebuild
// does, how keys are built) and the module's state (fileblock, counts,
// current key). The glue knows no screens: questions go to the module's
// `ask` hook (none: every question counts as answered yes), messages to its
// `tell` hook.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/shortstr.h"
#include "isam/isam.h"

namespace glue {

struct KeyDef {
  std::uint8_t len = 0;
  bool dups = false;
};

enum class EmptyKey1 {
  Allowed,  // the map file: key 1 is not tested
  Refused,  // the product file: a new record with an empty key 1 is not added
  Asked,    // the not-found log: "The name must be entered; ..." until abort
};

// How many times OPENEDFILES tries before it gives up.
inline constexpr int kOpenTries = 3;

struct Catalogue {
  // ---- parameters
  std::string name;                 // fileblock name, "data\\products"
  std::int32_t recLen = 0;
  std::vector<KeyDef> keys;         // keys 1..n
  std::int32_t pages = 62;
  void* record = nullptr;           // the module's current record (recLen bytes)
  // Key k of a record, without the record number of key 1.
  std::function<std::string(const void* rec, int keyNr)> buildKey;
  // Answers a yes/no question; empty: every question counts as answered yes.
  std::function<bool(std::string_view question)> ask;
  // Rebuild action of the open loop; the fileblock is closed when it runs and
  // the store started. Empty: nothing but a retry.
  std::function<bool()> rebuild;
  // Shows a message to the operator (the store's error reactions or a give-up
  // notice); empty: nothing shown.
  std::function<void(std::string_view text)> tell;
  EmptyKey1 emptyKey1 = EmptyKey1::Allowed;
  // Whether two records give key k the same text, random parts aside (a
  // change that keeps it keeps the record's entry). Empty: every change
  // counts as changing every key.
  std::function<bool(const void* a, const void* b, int keyNr)> sameKey;
  // Makes a record read from disk safe to use (a damaged length byte must not
  // let a field reach past its bytes); installed on the fileblock at every
  // open and applied to records the rebuild reads straight from disk.
  std::function<void(void* rec)> checkRecord;

  // ---- state
  isam::IsamFileBlockPtr fb = nullptr;
  bool OK = false;                  // the file is open
  std::int32_t SMAXREC = 0;         // used-record count
  kiosk::ShortStr<6> STR1;          // that count right-aligned in 6
  bool LOCKED = false;              // last store call ended with a lock-class error
  std::int32_t ACTKEYNR = 1;
  isam::IsamKeyStr ACTKEY;
  std::int32_t ACTREC = 0;
  std::int32_t PS = 0;              // page buffers obtained
  bool startedStore = false;        // SETUP started the store (so release ends it)
};

// A catalogue of records of type Rec (written as they lie in memory): its
// file, keys and page buffers, its keys built by build(record, key number)
// and records read from disk made safe by check (none: nullptr). The module
// adds its questions, messages and rebuild.
template <typename Rec>
Catalogue CATALOGUEOF(std::string name, std::vector<KeyDef> keys, std::int32_t pages,
                      std::string (*build)(const Rec&, int), void (*check)(Rec&)) {
  Catalogue c;
  c.name = std::move(name);
  c.recLen = static_cast<std::int32_t>(sizeof(Rec));
  c.keys = std::move(keys);
  c.pages = pages;
  c.buildKey = [build](const void* rec, int k) { return build(*static_cast<const Rec*>(rec), k); };
  if (check) c.checkRecord = [check](void* rec) { check(*static_cast<Rec*>(rec)); };
  return c;
}

// Module start: resets the current key and record, starts the store (unless
// it runs already) and opens the file. False when the store cannot start
// (the error has been reported); the caller decides whether to go on.
bool SETUP(Catalogue& c);
// Ends the store when this module's SETUP started it.
void RELEASE(Catalogue& c);

// The open-or-create loop; at most kOpenTries attempts, then a message and
// false. A missing file without save copy is created empty and false returned
// (the next OPENIT opens it). A file whose record length or keys are not the
// catalogue's is refused as damaged (10190, 10010) and offered the repair; a
// file another program holds is neither repaired nor changed: the message
// comes at once.
bool OPENEDFILES(Catalogue& c);
// Closes everything, opens again, refreshes SMAXREC.
void OPENIT(Catalogue& c);
// Refreshes SMAXREC, closes the file, unlocks all.
void CLOSEIT(Catalogue& c);
bool CREATEFILE(Catalogue& c);

// Reports a store error to the operator: its text (dberrors::IsamErrorNum)
// through the catalogue's `tell` hook; nothing without a hook.
void TELLERROR(Catalogue& c, std::int32_t error);

// An empty question is true without asking.
bool YESNO(Catalogue& c, std::string_view question);

bool ADDSTRUCTURE(Catalogue& c, const void* rec, std::int32_t& refNr);
bool MODSTRUCTURE(Catalogue& c, const void* rec, std::int32_t refNr);
bool DELSTRUCTURE(Catalogue& c, std::int32_t refNr);
// Key 1 as stored: the built key with the record number appended (decimal),
// cut to the store's 180 characters. Every index entry of key 1 is made so.
std::string STOREDKEY1(std::string_view built, std::int32_t refNr);
// The built part of a stored key-1 entry of record refNr; false when the
// entry does not end with that record number.
bool BUILTKEY1(std::string_view stored, std::int32_t refNr, std::string_view& built);

// Key 1 gets the record number appended (STOREDKEY1).
bool ADDKEY(Catalogue& c, std::string_view key, std::int32_t refNr, int keyNr);
// key must be the stored text (key 1 including its record number).
bool ERASEKEY(Catalogue& c, std::string_view key, std::int32_t refNr, int keyNr);
// Adds *c.record as a new record with all its keys; false when the record or
// the last key failed, or key 1 was empty and refused.
bool NEWSTRUCTURE(Catalogue& c);

bool ISLOCKERROR();
bool LOCKABORT(Catalogue& c);
bool LOCKALL(Catalogue& c);

std::string TRIM(std::string_view s);         // without trailing blanks
std::string PAD(std::string_view s, int n);   // cut to n, or filled with blanks
bool MATCHEDINDEX(std::string_view a, std::string_view b);

// Asks (through choose, until it gives 'A' or 'B') and on A deletes the
// record; its keys are left to the caller.
bool DELETE(Catalogue& c, std::int32_t refNr, const std::function<char()>& choose);

// Visits the entries of index keyNr from its first to its end, until visit
// returns false. False when the walk broke off on a store error other than
// the index's end (IsamError tells which; the caller reports it).
bool WALKKEY(Catalogue& c, int keyNr,
             const std::function<bool(std::int32_t ref, const isam::IsamKeyStr& key)>& visit);

// Reads record refNr into rec (recLen bytes); false when the store could
// not (reported).
bool READRECORD(Catalogue& c, std::int32_t refNr, void* rec);

// The live records of the entries of index keyNr that entryHolds and whose
// record recordHolds, in key order, at most `most` of them: one walk of the
// whole index (never bounded by a count). False when the walk broke off on
// a store error (reported).
bool LIVEOFKEY(Catalogue& c, int keyNr, const std::function<bool(std::string_view key)>& entryHolds,
               const std::function<bool(const void* rec)>& recordHolds, std::size_t most,
               std::vector<std::int32_t>& found);
// The live records whose entry in index keyNr holds text, Windows-1252 case
// aside. A text that finds nothing is shortened from its end until it finds
// something; an empty text, or a file without live records, finds nothing.
bool SEARCHKEYTEXT(Catalogue& c, int keyNr, std::string_view text, std::size_t most,
                   std::vector<std::int32_t>& found);

// Every index entry that points at refNr, in every index (the stored key
// texts carry random parts, so they are found by record number).
std::vector<std::pair<int, std::string>> KEYSOF(Catalogue& c, std::int32_t refNr);
// The same in index keyNr only: the stored key texts.
std::vector<std::string> KEYSOF(Catalogue& c, std::int32_t refNr, int keyNr);
// Erases every index entry of refNr; true when all erasures worked.
bool ERASEKEYSOF(Catalogue& c, std::int32_t refNr);
// Erases a record together with all its index entries.
bool ERASERECORD(Catalogue& c, std::int32_t refNr);
// Writes newRec over record refNr, which held oldRec, and in the same locked
// operation replaces the record's own entries of every key whose text the
// change alters (sameKey) by the one built from newRec. False when the write
// or a key failed (reported).
bool CHANGESTRUCTURE(Catalogue& c, const void* oldRec, const void* newRec, std::int32_t refNr);

// Highest record number ever allocated in the open file.
std::int32_t HIGHESTREC(Catalogue& c);

// Whether the catalogue's data file is there.
bool DATAFILEEXISTS(const Catalogue& c);
// Reads the live records (first 4 bytes 0) of the data file straight from
// disk by record number, whether or not its index can be used. False when
// the data file cannot be read.
bool READDATAFILE(const Catalogue& c, std::vector<std::string>& records);
// The records a rebuild keeps: the data file's live records and, when the
// data file is missing or was changed and never closed (its damaged mark),
// every live record of the backup "<name>.DAT.old" (left by an earlier
// rebuild that remade the data file in place) that the data file neither
// holds nor shows deleted. False when neither file can be read.
bool KEPTRECORDS(const Catalogue& c, std::vector<std::string>& records);
// Rebuilds the fileblock from its own data file (KEPTRECORDS): every index
// is built afresh from the records, in a new pair built beside the old one
// and swapped in when complete (isam/beside.h); the backup is removed then.
// The file must be closed and the store started; it is left closed. Returns
// the records kept, or -1 when nothing could be read or the new pair not
// made whole (the old pair is then as it was).
std::int32_t REBUILDFROMDATA(Catalogue& c);

// Progress texts of the utilities (line n of the "writea" texts drawn at x, y
// in a colour, size and font). Set by the application; empty: not shown.
using ProgressFn = std::function<void(int colour, int x, int y, int line, int size, int font)>;
extern ProgressFn PROGRESS;
void SHOWPROGRESS(int colour, int x, int y, int line, int size = 30, int font = 4);

// Opens the catalogue's fileblock with its record check installed (no
// questions, no rebuild); false with the store's status when it fails or
// the file is not the catalogue's (as OPENEDFILES).
bool OPENRAW(Catalogue& c);

// The rebuild that never loses a record, for a closed catalogue file: when
// KEPTRECORDS finds live records, every index is rebuilt from them
// (REBUILDFROMDATA) and only then is the exchange file refreshed with
// refreshText (which closes the file); without a data file or any live
// record, the file is remade from the exchange file with fromText.
bool REBUILDSAFE(Catalogue& c, const std::function<bool()>& fromText,
                 const std::function<bool()>& refreshText);

// Replaces the catalogue's file by a new one filled with import, built
// beside the old one and swapped in when complete (BUILDBESIDE), with the
// utilities' progress texts 3 to 6. import returns false when a record it
// read could not be stored (the old file then stays). The file is left
// closed. False when the new file was not swapped in.
bool REMAKEFROMTEXT(Catalogue& c, const std::function<bool()>& import);

// Clears the state part of a Catalogue (tests).
void ResetState(Catalogue& c);

}  // namespace glue
