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

// ---- Files (the host's file calls)
inline constexpr std::int32_t kPathNotFound = 9900;   // the folder does not exist
inline constexpr std::int32_t kTooManyFiles = 9901;
inline constexpr std::int32_t kFileNotFound = 9903;
inline constexpr std::int32_t kBadHandle = 9904;
inline constexpr std::int32_t kShortRead = 10070;     // fewer bytes than asked: past the end
inline constexpr std::int32_t kShortWrite = 10075;    // fewer bytes written (disk full?)
inline constexpr std::int32_t kIoError = 10140;       // any other file error; also a second open
inline constexpr std::int32_t kCloseFailed = 10160;

// ---- The store and its fileblocks
inline constexpr std::int32_t kNoPageBuffer = 10000;  // fewer than 6 page buffers could be had
// An operation failed and the file was restored from its dialog file.
inline constexpr std::int32_t kRepairedFirst = 10001;
inline constexpr std::int32_t kRepairedLast = 10009;
inline constexpr std::int32_t kIndexDamaged = 10010;
inline constexpr std::int32_t kRecordTooShort = 10020;
inline constexpr std::int32_t kTooManyKeys = 10050;
inline constexpr std::int32_t kBadKeyLength = 10055;  // a key described outside 1..180
inline constexpr std::int32_t kReadOnly = 10065;      // a write to a read-only fileblock
inline constexpr std::int32_t kNotOpen = 10080;
inline constexpr std::int32_t kNoDescriptor = 10090;  // no memory for the descriptor
inline constexpr std::int32_t kNoOpenMemory = 10100;
inline constexpr std::int32_t kInUse = 10110;
inline constexpr std::int32_t kBadPageLength = 10120;       // index header: page length
inline constexpr std::int32_t kBadHeaderKeyLength = 10121;  // index header: key length
inline constexpr std::int32_t kBadPageSize = 10122;         // index header: page size
inline constexpr std::int32_t kBadKeyNr = 10164;
inline constexpr std::int32_t kFreeChainDamaged = 10170;
inline constexpr std::int32_t kDialogDamaged = 10180;  // the dialog file could not be replayed
inline constexpr std::int32_t kBadFileBlock = 10445;   // not an open fileblock
inline constexpr std::int32_t kStarted = 10450;        // BTInitIsam twice
inline constexpr std::int32_t kTooFewPages = 10451;    // BTInitIsam with fewer than 6 pages
inline constexpr std::int32_t kNotStarted = 10455;

// ---- Records
inline constexpr std::int32_t kBadRecordNr = 10130;      // 0 or negative
inline constexpr std::int32_t kRecordNrPastEnd = 10135;  // above the highest allocated

// ---- Keys (10200..10299 are the "not found" class)
inline constexpr std::int32_t kKeyNotFound = 10200;
inline constexpr std::int32_t kDeleteKeyNotFound = 10220;
inline constexpr std::int32_t kDuplicateKey = 10230;
inline constexpr std::int32_t kNoFurtherKey = 10240;
inline constexpr std::int32_t kIndexEnd = 10250;      // no next or previous entry
inline constexpr std::int32_t kKeyTooLong = 10125;    // a key longer than its index's
inline constexpr std::int32_t kNoPosition = 10255;    // next/previous without a current entry
inline constexpr std::int32_t kKeyErrorsFirst = 10200;
inline constexpr std::int32_t kKeyErrorsLast = 10299;

// ---- Locks and access (the class that may pass when retried)
inline constexpr std::int32_t kFileLocked = 10306;
inline constexpr std::int32_t kInUseElsewhere = 10330;
inline constexpr std::int32_t kTooManyLocks = 10332;
inline constexpr std::int32_t kLockFailed = 10335;
inline constexpr std::int32_t kReadOnlyIo = 10355;
inline constexpr std::int32_t kNetLockBusy = 10360;
inline constexpr std::int32_t kNetLockRefused = 10390;
inline constexpr std::int32_t kReadOnlyIoError = 10397;  // a file error on a read-only fileblock
inline constexpr std::int32_t kReadOnlyIoOther = 10399;

// ---- Save copies and dialog files
inline constexpr std::int32_t kNoSaveCopy = 10410;
inline constexpr std::int32_t kDialogOnReadOnly = 10430;
inline constexpr std::int32_t kDialogNeeded = 10440;

}  // namespace isam::err
