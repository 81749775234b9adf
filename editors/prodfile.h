// The product file: the kiosk's catalogue. One PRODDEF record per product
// (search words, shelf, department, map position, location texts), kept in
// the fileblock "data\products" with four keys: words, shelf, department and
// exclusion code.
//
// This module owns the record layout, the key builders, the 18 editor slots,
// the exchange file data\prodlist.txt (import ECPT1, export PRODUCT1) and the
// product file's open, create and rebuild glue.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/shortstr.h"
#include "isam/glue.h"

namespace editprod {

using kiosk::ShortStr;

// Written to the data file exactly as it lies in memory (784 bytes).
struct PRODDEF {
  std::int32_t DEL = 0;     // 0 live; the store's free-list word when deleted
  ShortStr<55> KLINE1;      // first line of search words; "~" hides
  ShortStr<55> KLINE1B;     // second line of search words
  ShortStr<35> SHELF;       // shelf name or code: key 2
  ShortStr<14> DEPT;        // department: key 3
  ShortStr<14> EXCLUDE;     // exclusion code: key 4
  ShortStr<16> COORDX;      // map position x
  ShortStr<16> COORDY;      // map position y
  ShortStr<5> FLOOR;        // floor number
  ShortStr<55> HEADER;      // location text, first line
  ShortStr<55> LINE3;
  ShortStr<55> LINE4;
  ShortStr<55> LINE5;
  ShortStr<55> LINE6;
  ShortStr<55> LINE7;
  ShortStr<55> LINE8;
  ShortStr<55> LINE9;
  ShortStr<55> LINE10;
  ShortStr<55> SEEALSO;     // pointer to related products
  char PAD_[2] = {0, 0};    // completes the record; ignored on reading
};

static_assert(sizeof(PRODDEF) == 784, "product records are 784 bytes");
static_assert(offsetof(PRODDEF, KLINE1) == 4);
static_assert(offsetof(PRODDEF, KLINE1B) == 60);
static_assert(offsetof(PRODDEF, SHELF) == 116);
static_assert(offsetof(PRODDEF, DEPT) == 152);
static_assert(offsetof(PRODDEF, EXCLUDE) == 167);
static_assert(offsetof(PRODDEF, COORDX) == 182);
static_assert(offsetof(PRODDEF, COORDY) == 199);
static_assert(offsetof(PRODDEF, FLOOR) == 216);
static_assert(offsetof(PRODDEF, HEADER) == 222);
static_assert(offsetof(PRODDEF, LINE3) == 278);
static_assert(offsetof(PRODDEF, LINE10) == 670);
static_assert(offsetof(PRODDEF, SEEALSO) == 726);

inline constexpr const char* kFileName = "data\\products";
inline constexpr const char* kExchangeFile = "data\\prodlist.txt";
inline constexpr std::int32_t kRecLen = 784;
static_assert(sizeof(PRODDEF) == kRecLen, "the catalogue takes its record length from the type");
inline constexpr int kNumKeys = 4;
inline constexpr int kSlots = 18;

// Module state.
extern PRODDEF PRODUCT;                          // the current record
extern PRODDEF PRODUCT2;                         // the copy last read
extern std::array<kiosk::Str255, kSlots + 1> OUTSTR;  // editor slots 1..18
extern std::array<std::int32_t, 1001> REC_FOUND;  // the shelf's products found
extern std::int32_t CNT1;
extern std::int32_t REC;
extern glue::Catalogue PRODFILE;                 // the product file's glue state
extern isam::IsamFileBlockPtr& PF2;              // its fileblock
extern std::int32_t& SMAXREC;                    // used-record count

// Cuts every field's length byte to the field's size (a damaged record read
// from disk must not reach past its field).
void CHECKRECORD(PRODDEF& rec);

// Key 1 as the index holds it: the two word lines joined, without trailing
// blanks, cut at kKey1WordsCut characters; then kKey1RandomDigits random
// digits (screen::RANDIT); then the record number, which the glue appends
// to every catalogue's key 1 (glue::STOREDKEY1). The shopper's search reads
// the words back from the entry itself (KEY1WORDS) instead of the record.
inline constexpr std::size_t kKey1WordsCut = 100;
inline constexpr std::size_t kKey1RandomDigits = 5;

// Builds key 1..4 of a record (key 1 without the record number).
std::string BUILDKEY(const PRODDEF& rec, int keyNr);
// The part of key 1..4 that the record decides: the key without its random
// digits (keys 1 and 2) and the record number (key 1).
std::string KEYBASE(const PRODDEF& rec, int keyNr);

// The word lines held in a stored key-1 entry of record refNr (joined,
// without trailing blanks); false when the entry is not shaped as key 1 or
// its words were cut, so that the record must be read for them.
bool KEY1WORDS(std::string_view stored, std::int32_t refNr, std::string_view& words);

// The field of a record in editor slot 1..18 (slot 4 is EXCLUDE, 5 DEPT).
std::string SlotText(const PRODDEF& rec, int slot);
void SetSlot(PRODDEF& rec, int slot, std::string_view text);
// The field in record order 1..18 (exchange-file order).
std::string FieldText(const PRODDEF& rec, int field);
void SetField(PRODDEF& rec, int field, std::string_view text);

void CLEARIT();    // PRODUCT := all zero bytes
void UNPACKITS();  // PRODUCT -> OUTSTR in slot order
void TRANSIN();    // OUTSTR -> PRODUCT in slot order, DEL 0

// File glue (see isam/glue.h).
bool SETUP();      // false when the store cannot start
void RELEASE();    // closes the file and ends the store SETUP started
bool OPENEDFILES();
void OPENITP();
void CLOSEITP();
bool CREATEFILE();
bool NEWSTRUCTURE();  // adds PRODUCT with its four keys
// Deletes record refNr and every index entry of it.
bool ERASEPRODUCT(std::int32_t refNr);
// Writes PRODUCT over record refNr, which held old; the record's entries of
// every key whose fields changed are replaced in the same operation.
bool CHANGEPRODUCT(std::int32_t refNr, const PRODDEF& old);

// Adds one product from the answer texts screen::PASS1[1..18] (slot order).
bool TRANSINC();

// The rebuild of the open loop: every index built afresh from the data file
// (no record is lost), then data\prodlist.txt refreshed; when there is no
// data file, the file is made afresh from data\prodlist.txt.
bool REBUILD();
// The repair of the shopper's search: every index rebuilt from the data
// file, and nothing else; the exchange file, which staff may have prepared
// for an import, is never written.
bool REPAIR();

// Imports data\prodlist.txt into the open file; returns the number added.
// complete (when given) tells whether every product read reached the file.
int ECPT1(bool* complete = nullptr);
bool PRODUCT1();   // exports every live product to data\prodlist.txt (written whole)
// Replaces the product file by one filled from the text, built beside the
// old one and swapped in when every product is in it.
bool TESTNEW();

void ResetForTest();

}  // namespace editprod
