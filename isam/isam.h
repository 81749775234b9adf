// The ISAM store: indexed record files ("fileblocks").
//
// A fileblock is a data file <name>.DAT of fixed-length records plus, when it
// has keys, an index file <name>.IX holding up to five B-tree indexes over
// them. Records are addressed by record number (1..highest allocated); keys
// are short texts of up to 180 bytes compared byte by byte, each paired with
// a record number. Adding a record adds no key: callers add and delete keys.
//
// Every call reports through the status globals below; a caller tests IsamOK
// right after the call it is interested in, and IsamError holds the number
// (dberrors::IsamErrorNum turns it into a text). Nothing throws.
//
// Life cycle: BTInitIsam (page buffer) -> BTCreateFileBlock / BTOpenFileBlock
// -> record and key calls -> BTCloseFileBlock -> BTExitIsam. Files are
// opened for exclusive use (an OS lock held while open): a second open of an
// open fileblock, from this process or another, fails with 10140.
//
// The on-disk layout is documented in isam/format.h.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "common/shortstr.h"

namespace isam {

// ---- Status (every call sets it) -------------------------------------------
extern bool IsamOK;             // the last call succeeded
extern std::int32_t IsamError;  // its error number, 0 after success
// Host errno and file function code of the first failing file call since the
// status was last cleared (0x6C00 open, 0x3E00 close, 0x4100 delete, 0x3F00
// read, 0x4000 write/cut, 0x4200 seek, 0x4202 size, 0x6800 flush, 0x4300
// existence test).
extern std::int32_t IsamDOSError;
extern std::uint16_t IsamDOSFunc;
void IsamClearOK();

// Class of the current IsamError: 0 none; 1 not found / end / duplicate (the
// caller's logic handles it); 2 lock or access (may pass when retried);
// 3 repaired from the dialog file; 4 everything else.
std::int32_t BTIsamErrorClass();

// ---- Types ------------------------------------------------------------------
using IsamKeyStr = kiosk::ShortStr<180>;         // a key text
using IsamFileBlockName = kiosk::ShortStr<192>;  // "data\\products" style
using IsamFileName = kiosk::ShortStr<64>;        // one file, with extension

inline constexpr int MaxNrOfKeys = 5;
inline constexpr int MaxKeyLen = 180;
inline constexpr int MinRecLen = 21;

enum NetSupportType { NoNet, Novell, MsNet };  // the store always runs NoNet

struct IsamFileBlock;  // the descriptor; callers hold only a pointer
using IsamFileBlockPtr = IsamFileBlock*;

// Key description at creation; keys are numbered 1..5.
struct IsamKeyDescr {
  std::uint8_t KeyL = 0;   // key length 1..180
  bool AllowDupK = false;  // duplicates allowed (entries ordered by record nr)
};
struct IsamIndDescr {
  std::array<IsamKeyDescr, MaxNrOfKeys> Keys{};
  // Key k (1..5); other numbers give a scratch entry, never other memory.
  IsamKeyDescr& operator[](int k) { return (k >= 1 && k <= MaxNrOfKeys) ? Keys[k - 1] : scratch_; }
  const IsamKeyDescr& operator[](int k) const {
    return (k >= 1 && k <= MaxNrOfKeys) ? Keys[k - 1] : scratch_;
  }

 private:
  IsamKeyDescr scratch_{};
};

// Record conversion hook: called after a read (PostRead true) and before a
// write (PostRead false). The default does nothing.
using CharConvProc = void (*)(void* Data, std::int32_t Len, bool PostRead, void* HookPtr);
void BTNoCharConvert(void* Data, std::int32_t Len, bool PostRead, void* HookPtr);
// Installs a hook; DestrWrite false means a written record is converted back
// after the write (the caller's buffer keeps its own form).
void BTSetCharConvert(IsamFileBlockPtr IFBPtr, CharConvProc Proc, void* HookPtr, bool DestrWrite);

// ---- Store ------------------------------------------------------------------
// Starts the store with a page buffer of up to Pages entries (at least 6);
// returns the number of entries obtained. 10450 when started, 10451 when
// Pages < 6, 10000 when fewer than 6 could be had.
std::int32_t BTInitIsam(NetSupportType ExpectedNet, std::int32_t Pages);
// Closes every fileblock and, if that worked, ends the store (10455 when not
// started).
void BTExitIsam();
bool IsamIsInitialized();

// ---- Fileblocks -------------------------------------------------------------
// Creates <name>.DAT (record length DatSLen >= 21) and, with keys, <name>.IX;
// both are left closed. Existing files of that name are replaced.
void BTCreateFileBlock(const IsamFileBlockName& FName, std::int32_t DatSLen,
                       std::int32_t NumberOfKeys, const IsamIndDescr& IID);
// Opens a fileblock; IFBPtr is set only on success. A data header carrying
// the index-damaged mark (changed and never closed) gives 10010. The save
// mode is not supported: Save is taken as false.
void BTOpenFileBlock(IsamFileBlockPtr& IFBPtr, const IsamFileBlockName& FName,
                     bool ReadOnly = false, bool AllReadOnly = false, bool Save = false,
                     bool Net = false);
// Writes back pages and headers and closes; IFBPtr becomes nullptr. On a
// failed write the fileblock stays open.
void BTCloseFileBlock(IsamFileBlockPtr& IFBPtr);
void BTCloseAllFileBlocks();
// Deletes <name>.IX, <name>.DIA and <name>.DAT; only the last result counts.
void IsamDeleteFileBlock(const IsamFileBlockName& FName);
// True when the system-form file name exists on disk; leaves IsamOK alone.
bool IsamExists(std::string_view Name);

// Names: "data\\products" -> data name, index name (split at ";").
void IsamExtractFileNames(const IsamFileBlockName& Name, IsamFileBlockName& First,
                          IsamFileBlockName& Rest);
// Replaces or appends the extension (a "." followed by no "\"); cut at 64.
IsamFileName IsamForceExtension(std::string_view Name, std::string_view Ext);
inline constexpr const char* DatExtension = "DAT";
inline constexpr const char* IxExtension = "IX";
inline constexpr const char* DiaExtension = "DIA";
inline constexpr const char* SavExtension = "SAV";

// Facts about an open fileblock (0 when the pointer is not a valid one).
std::int32_t BTDatRecordSize(IsamFileBlockPtr IFBPtr);  // record length
std::int32_t BTNrOfKeys(IsamFileBlockPtr IFBPtr);
std::int32_t BTKeyLen(IsamFileBlockPtr IFBPtr, std::int32_t Key);
bool BTAllowDupKeys(IsamFileBlockPtr IFBPtr, std::int32_t Key);

// ---- Records ----------------------------------------------------------------
// Source/Dest are the caller's record buffers of Len bytes; a live record's
// first 4 bytes are 0. A fileblock whose record length is not Len (a damaged
// or foreign file) is refused with kDataFileDamaged: nothing is read or
// written, however long the file says its records are.
void BTAddRec(IsamFileBlockPtr IFBPtr, std::int32_t& RefNr, const void* Source, std::size_t SourceLen);
void BTGetRec(IsamFileBlockPtr IFBPtr, std::int32_t RefNr, void* Dest, std::size_t DestLen,
              bool IsoLock = false);
void BTPutRec(IsamFileBlockPtr IFBPtr, std::int32_t RefNr, const void* Source, std::size_t SourceLen,
              bool IsoLock = false);
void BTDeleteRec(IsamFileBlockPtr IFBPtr, std::int32_t RefNr);
// A record structure passed by address gives its own size.
template <class T>
  requires std::is_class_v<T>
void BTAddRec(IsamFileBlockPtr IFBPtr, std::int32_t& RefNr, const T* Source) {
  BTAddRec(IFBPtr, RefNr, static_cast<const void*>(Source), sizeof(T));
}
template <class T>
  requires std::is_class_v<T>
void BTGetRec(IsamFileBlockPtr IFBPtr, std::int32_t RefNr, T* Dest, bool IsoLock = false) {
  BTGetRec(IFBPtr, RefNr, static_cast<void*>(Dest), sizeof(T), IsoLock);
}
template <class T>
  requires std::is_class_v<T>
void BTPutRec(IsamFileBlockPtr IFBPtr, std::int32_t RefNr, const T* Source, bool IsoLock = false) {
  BTPutRec(IFBPtr, RefNr, static_cast<const void*>(Source), sizeof(T), IsoLock);
}
// Live records: highest allocated minus those on the deleted chain.
std::int32_t BTUsedRecs(IsamFileBlockPtr IFBPtr);
// Highest record number ever allocated: walks by record number go 1..this,
// skipping records whose first 4 bytes are not 0 (deleted ones).
std::int32_t BTFileLen(IsamFileBlockPtr IFBPtr);

// ---- Keys (Key = 1..number of keys, else 10164) -----------------------------
void BTAddKey(IsamFileBlockPtr IFBPtr, std::int32_t Key, std::int32_t UserDatRef,
              const IsamKeyStr& UserKey);
void BTDeleteKey(IsamFileBlockPtr IFBPtr, std::int32_t Key, std::int32_t UserDatRef,
                 const IsamKeyStr& UserKey);
void BTFindKey(IsamFileBlockPtr IFBPtr, std::int32_t Key, std::int32_t& UserDatRef,
               const IsamKeyStr& UserKey);
bool BTKeyExists(IsamFileBlockPtr IFBPtr, std::int32_t Key, std::int32_t UserDatRef,
                 const IsamKeyStr& UserKey);
void BTNextKey(IsamFileBlockPtr IFBPtr, std::int32_t Key, std::int32_t& UserDatRef,
               IsamKeyStr& UserKey);
void BTClearKey(IsamFileBlockPtr IFBPtr, std::int32_t Key);
// Entries in index Key.
std::int32_t BTUsedKeys(IsamFileBlockPtr IFBPtr, std::int32_t Key);

// ---- Locks (the network mode is off: the table stays empty) ------------------
void BTLockAllOpenFileBlocks();
void BTUnlockAllOpenFileBlocks();
extern std::int32_t BTFLockMgrError;
bool BTFLockMgrRelAllLocks(std::int32_t AHandle);

// Back to the state at program start (store ended, every file closed); tests.
void ResetForTest();

}  // namespace isam
