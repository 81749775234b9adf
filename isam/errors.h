// The store's error numbers: the values IsamError takes.
//
// Owns: the one name of every error number the store sets or its callers
// test. The operator's text of each is a line of the "dberr" texts
// (isam/dberrors.cpp maps numbers to lines); the class of each (not found,
// lock, repaired, fatal) is BTIsamErrorClass's. Code and tests use these
// names; only the text table and the "fileblock ops" transcripts keep the
// numbers, since the numbers are what an operator reads.
#pragma once

#include <cstdint>

namespace isam::err {

enum Error : std::int32_t {
  // ---- Files (the host's file calls)
  kPathNotFound = 9900,     // the folder does not exist
  kTooManyFiles = 9901,
  kFileNotFound = 9903,
  kBadHandle = 9904,
  kShortRead = 10070,       // fewer bytes than asked: past the end
  kShortWrite = 10075,      // fewer bytes written (disk full?)
  kIoError = 10140,         // any other file error; also a second open
  kCloseFailed = 10160,

  // ---- The store and its fileblocks
  kNoPageBuffer = 10000,    // fewer than 6 page buffers could be had
  // An operation failed and the file was restored from its dialog file.
  kRepairedFirst = 10001,
  kRepairedLast = 10009,
  kIndexDamaged = 10010,
  kRecordTooShort = 10020,
  kTooManyKeys = 10050,
  kBadKeyLength = 10055,    // a key described outside 1..180
  kReadOnly = 10065,        // a write to a read-only fileblock
  kNotOpen = 10080,
  kNoDescriptor = 10090,    // no memory for the descriptor
  kNoOpenMemory = 10100,
  kInUse = 10110,
  kBadPageLength = 10120,   // index header: page length
  kBadHeaderKeyLength = 10121,  // index header: key length
  kBadPageSize = 10122,     // index header: page size
  kBadKeyNr = 10164,
  kFreeChainDamaged = 10170,
  kDialogDamaged = 10180,   // the dialog file could not be replayed
  // The data file does not match its header (records or free chain beyond
  // the file's end) or its caller (a record length other than the caller's
  // record): a damaged or foreign file, refused before anything is read.
  kDataFileDamaged = 10190,
  kBadFileBlock = 10445,    // not an open fileblock
  kStarted = 10450,         // BTInitIsam twice
  kTooFewPages = 10451,     // BTInitIsam with fewer than 6 pages
  kNotStarted = 10455,

  // ---- Records
  kBadRecordNr = 10130,     // 0 or negative
  kRecordNrPastEnd = 10135,  // above the highest allocated

  // ---- Keys (10200..10299 are the "not found" class)
  kKeyNotFound = 10200,
  kDeleteKeyNotFound = 10220,
  kDuplicateKey = 10230,
  kNoFurtherKey = 10240,
  kIndexEnd = 10250,        // no next or previous entry
  kKeyTooLong = 10125,      // a key longer than its index's
  kNoPosition = 10255,      // next/previous without a current entry
  kKeyErrorsFirst = 10200,
  kKeyErrorsLast = 10299,

  // ---- Locks and access (the class that may pass when retried)
  kFileLocked = 10306,
  kInUseElsewhere = 10330,
  kTooManyLocks = 10332,
  kLockFailed = 10335,
  kReadOnlyIo = 10355,
  kNetLockBusy = 10360,
  kNetLockRefused = 10390,
  kReadOnlyIoError = 10397,  // a file error on a read-only fileblock
  kReadOnlyIoOther = 10399,

  // ---- Save copies and dialog files
  kNoSaveCopy = 10410,
  kDialogOnReadOnly = 10430,
  kDialogNeeded = 10440,
};

}  // namespace isam::err
