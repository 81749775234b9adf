// The not-found log: every word a shopper searched for that matched no
// product, with the kiosk's machine number and the time and date, one
// NOTDEF record per logging in the fileblock "data\NotFound" (one key: the
// word followed by the record number, so one word may be logged any number
// of times).
//
// This module owns the log record layout, its key builder, the log's glue
// state and the logging step the shopper's search calls (EDITPRODNOT).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/shortstr.h"
#include "isam/glue.h"

namespace editnot {

using kiosk::ShortStr;

// Written to the data file exactly as it lies in memory (816 bytes). The
// first 782 bytes are laid out as a product record, with the machine number
// where a product keeps its exclusion code.
struct NOTDEF {
  std::int32_t DEL = 0;
  ShortStr<55> KLINE1;     // the word that found nothing
  ShortStr<55> KLINE1B;
  ShortStr<35> SHELF;
  ShortStr<14> DEPT;
  ShortStr<14> MACHINENO;  // the kiosk that logged it
  ShortStr<16> COORDX;
  ShortStr<16> COORDY;
  ShortStr<5> FLOOR;
  ShortStr<55> HEADER;
  ShortStr<55> LINE3;
  ShortStr<55> LINE4;
  ShortStr<55> LINE5;
  ShortStr<55> LINE6;
  ShortStr<55> LINE7;
  ShortStr<55> LINE8;
  ShortStr<55> LINE9;
  ShortStr<55> LINE10;
  ShortStr<55> SEEALSO;
  ShortStr<15> TIME;
  ShortStr<15> DATE;
  char PAD_[2] = {0, 0};  // completes the record; ignored on reading
};

static_assert(sizeof(NOTDEF) == 816, "log records are 816 bytes");
static_assert(offsetof(NOTDEF, KLINE1) == 4);
static_assert(offsetof(NOTDEF, KLINE1B) == 60);
static_assert(offsetof(NOTDEF, SHELF) == 116);
static_assert(offsetof(NOTDEF, DEPT) == 152);
static_assert(offsetof(NOTDEF, MACHINENO) == 167);
static_assert(offsetof(NOTDEF, COORDX) == 182);
static_assert(offsetof(NOTDEF, COORDY) == 199);
static_assert(offsetof(NOTDEF, FLOOR) == 216);
static_assert(offsetof(NOTDEF, HEADER) == 222);
static_assert(offsetof(NOTDEF, LINE3) == 278);
static_assert(offsetof(NOTDEF, LINE10) == 670);
static_assert(offsetof(NOTDEF, SEEALSO) == 726);
static_assert(offsetof(NOTDEF, TIME) == 782);
static_assert(offsetof(NOTDEF, DATE) == 798);

inline constexpr const char* kFileName = "data\\NotFound";
inline constexpr std::int32_t kRecLen = 816;
static_assert(sizeof(NOTDEF) == kRecLen, "the catalogue takes its record length from the type");

// Module state.
extern NOTDEF NOTFOUND;              // the current entry
extern kiosk::ShortStr<14> MACHINENO;  // read from the configuration
extern glue::Catalogue NOTFILE;      // the log's glue state

// Key 1 of an entry without its record number: the word without trailing
// blanks, cut to 80 characters (leading blanks and case kept).
std::string BUILDKEY(const NOTDEF& rec);

// Starts the store (32 pages) and opens the log, creating a missing one.
// False when the store cannot start (the error has been reported). A log
// that cannot be opened rings the bell.
bool SETUPN();

// Records one word with the machine number, time and date. Starts the store
// and releases it again when done; the caller must have closed its own
// files. A word that is empty without its trailing blanks is not recorded.
void EDITPRODNOT(std::string_view word);

void ResetForTest();

}  // namespace editnot
