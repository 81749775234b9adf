// The not-found log: every word a shopper searched for that matched no
// product, with the kiosk's machine number and the time and date, one
// NOTDEF record per logging in the fileblock "data\NotFound" (one key: the
// word followed by the record number, so one word may be logged any number
// of times).
//
// Owns: the log record layout, its key builder, the log's glue state, the
// logging step the shopper's search calls (EDITPRODNOT), the staff side (the
// not-found menu, the browse with its change, delete and make-a-product
// choices, the log's utilities), the exchange file data\notfound.txt, the
// log's rebuild, its report layout and the top list docs\NotFoundTop.txt.
//
// The exchange file (CR LF line ends): one group of 21 lines per live
// entry, in record-number order: a separator line ("0" when written, any
// text when read), then the 20 fields in record order from KLINE1 to DATE,
// each exactly as stored (cut to its field when read).
//
// The top list (CR LF line ends, fields separated by a tab): a heading line,
// an empty line, the column names, then one line per distinct word (blanks
// around it removed, compared upper-cased; words holding "~" left out): the
// word as first logged, the times it was logged, the kiosks that logged it
// (", " between them, in text order) and the latest date; most often logged
// first, equal counts in the order of the upper-cased word.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "common/shortstr.h"
#include "common/textfile.h"
#include "editors/prodfile.h"
#include "isam/glue.h"

namespace report {
struct Layout;
}

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

static_assert(std::is_trivially_copyable_v<NOTDEF>, "records are copied as bytes");

inline constexpr const char* kFileName = "data\\NotFound";
inline constexpr std::int32_t kRecLen = 816;
static_assert(sizeof(NOTDEF) == kRecLen, "the catalogue takes its record length from the type");
inline constexpr int kFields = 20;  // text fields, KLINE1 .. DATE
inline constexpr const char* kExchangeFile = "data\\notfound.txt";
inline constexpr const char* kReportFile = "docs\\NotFoundList.txt";
inline constexpr const char* kTopFile = "docs\\NotFoundTop.txt";

// Module state.
extern NOTDEF NOTFOUND;              // the current entry
extern kiosk::ShortStr<14> MACHINENO;  // read from the configuration
extern glue::Catalogue NOTFILE;      // the log's glue state
extern std::int32_t REC;             // record number of the entry shown
extern isam::IsamKeyStr KEY;         // key text of the entry shown (with its number)
extern kiosk::ShortStr<3> NOTSAVE;   // "Yes" when the last change was dropped

// Key 1 of an entry without its record number: the word without trailing
// blanks, cut to 80 characters (leading blanks and case kept).
std::string BUILDKEY(const NOTDEF& rec);

// Starts the store (32 pages) and opens the log, creating a missing one.
// False when the store cannot start (the error has been reported). A log
// that cannot be opened rings the bell.
bool SETUPN();

// Records one word with the machine number, time and date. Starts the store
// and releases it again when done; the caller must have closed its own
// files. A word that is empty without its trailing blanks is not recorded;
// any other word the log cannot take (a log another kiosk holds, a failed
// write) is reported on the prompt box with the word.
void EDITPRODNOT(std::string_view word);

// ---- Fields
// Field n (1..20, record order KLINE1 .. DATE) exactly as stored; "" for
// any other n.
std::string FieldText(const NOTDEF& rec, int field);
// Sets field n, cut to its length.
void SetField(NOTDEF& rec, int field, std::string_view text);
// The product an entry becomes: the first 782 bytes, laid out alike.
editprod::PRODDEF AsProduct(const NOTDEF& rec);

// ---- Staff screens
// The not-found menu (staff menu item C): browse, map, utilities, check.
// On leaving, a pending rebuild (REKEY_FLAG) is offered behind the password.
void EDITNOT2();
// The browse of the open log in key order, from its first entry; the walk
// goes on from the first entry after the last. Ends on Escape, Pause, or
// after a change, deletion or product made.
void LISTP();
// Shows one entry: frame, a heading, the record-number label, form "edn3"
// and its 20 fields.
void LISTNOTFOUND(const NOTDEF& rec, std::int32_t refNr, std::int32_t header = 20);
// Field menu over the entry shown (REC); Pause stores the changed entry with
// fresh keys, Escape drops the change.
void CHANGEENTRY();
// Asks menu 8 (A deletes, B or a leave key keeps) and erases entry REC with
// its key; true when deleted.
bool DELETEENTRY();
// Makes a product of the entry shown, then offers the entry's deletion.
// The log is closed and the store released around the product file.
void MAKEPRODUCT();
// The log's utilities menu: export, new file from text, rebuild, print, top
// list.
void NOTFOUNDUTILITIES();

// ---- Files (the store started; the log open unless said otherwise)
// Visits every live entry by record number, up to the highest ever
// allocated (after a deletion the last live entries lie past the count of
// used records). False when a read failed (reported).
bool EACHENTRY(const std::function<void(std::int32_t ref, const NOTDEF& rec)>& visit);
// Writes every live entry to data\notfound.txt, by record number up to the
// highest allocated; the file is replaced whole. Closes the log.
bool EXPORTNOT();
// Adds the groups of the open text file to catalogue c (open), each as a
// live entry with its key; false when an add failed. added counts the
// entries added. Blank lines at the end of the file make no entry.
bool IMPORTNOT(glue::Catalogue& c, kiosk::TextFile& in, std::int32_t& added);
// Replaces the log by one filled from data\notfound.txt. The new log is
// built beside the old one and swapped in only when the whole file was
// imported; a missing or unreadable text file changes nothing (and says
// so). The log is left closed.
bool TESTNEW();
// The rebuild (the log closed): every index built afresh from the data file
// and data\notfound.txt refreshed from it; without a data file, the log is
// made from data\notfound.txt.
bool REBUILD();
// The printed list docs\NotFoundList.txt (password first).
bool PRINTNOTFOUND();
const report::Layout& NotFoundReport();

// ---- The top list
struct TopWord {
  std::string word;                  // as first logged, blanks around removed
  std::int32_t count = 0;
  std::vector<std::string> machines;  // distinct, in text order
  std::string lastDate;              // the latest date logged
};
// The distinct words of the open log, most often logged first; false when
// the log could not be read to its end (reported).
bool TOPWORDS(std::vector<TopWord>& words);
// The file's text; labels[1..5]: heading, word, times, kiosks, last date.
std::string TOPTEXT(const std::vector<TopWord>& words, const std::vector<std::string>& labels);
// Writes docs\NotFoundTop.txt and shows its first page until a key.
bool TOPLIST();

void ResetForTest();

}  // namespace editnot
