// Status globals, the entry and exit steps, error classes, and the lock
// table (kept for the network mode, which is off: it stays empty).
#include "isam/status.h"

#include <algorithm>
#include <vector>

#include "isam/errors.h"
#include "isam/store.h"

namespace isam {

bool IsamOK = true;
std::int32_t IsamError = 0;
std::int32_t IsamDOSError = 0;
std::uint16_t IsamDOSFunc = 0;

void IsamClearOK() {
  IsamOK = true;
  IsamError = 0;
  IsamDOSError = 0;
  IsamDOSFunc = 0;
}

std::int32_t BTIsamErrorClass() {
  std::int32_t e = IsamError;
  if (e == 0) return 0;
  if (e == err::kFileNotFound || (e >= err::kKeyNotFound && e <= err::kKeyErrorsLast) || e == err::kNoSaveCopy) return 1;
  switch (e) {
    case err::kPathNotFound: case err::kReadOnly: case err::kInUse: case err::kFileLocked: case err::kInUseElsewhere: case err::kTooManyLocks:
    case err::kLockFailed: case err::kReadOnlyIo: case err::kNetLockBusy: case err::kNetLockRefused: case err::kReadOnlyIoError: case err::kReadOnlyIoOther:
      return 2;
    default: break;
  }
  if (e >= err::kRepairedFirst && e <= err::kRepairedLast) return 3;
  return 4;
}

bool IsamIsOpenFileBlock(IsamFileBlockPtr ifb) {
  return std::find(IsamOpenFileBlockList.begin(), IsamOpenFileBlockList.end(), ifb) !=
         IsamOpenFileBlockList.end();
}

void IsamEntryCode(IsamFileBlockPtr ifb, std::uint16_t options, std::int32_t key) {
  IsamClearOK();
  if (!IsamInitialized) {
    IsamOK = false;
    IsamError = err::kNotStarted;
    return;
  }
  if (ifb == nullptr) {
    IsamOK = false;
    IsamError = err::kBadFileBlock;
    return;
  }
  if (ifb == NoFileBlock()) return;
  // A stale pointer is never dereferenced: only descriptors in the open list
  // are looked at (a closed one has been freed).
  if (!IsamIsOpenFileBlock(ifb) || ifb->ValidSign != kValidSign) {
    IsamOK = false;
    IsamError = err::kBadFileBlock;
    return;
  }
  if ((options & kOptWrite) && ifb->ReadOnlyFB) {
    IsamOK = false;
    IsamError = err::kReadOnly;
    return;
  }
  if ((options & kOptKeyRoutine) && (key < 1 || key > ifb->NrOfKeys)) {
    IsamOK = false;
    IsamError = err::kBadKeyNr;
  }
}

void IsamExitCode(IsamFileBlockPtr ifb) {
  if (!IsamInitialized || IsamError == err::kBadFileBlock) return;
  if (ifb != nullptr && ifb != NoFileBlock() && IsamIsOpenFileBlock(ifb) && ifb->ReadOnlyFB &&
      IsamError == err::kIoError)
    IsamError = err::kReadOnlyIoError;
}

void BTLockAllOpenFileBlocks() {
  IsamEntryCode(NoFileBlock(), 0);
  IsamExitCode(NoFileBlock());
}
void BTUnlockAllOpenFileBlocks() {
  IsamEntryCode(NoFileBlock(), 0);
  IsamExitCode(NoFileBlock());
}

// ---- Lock table -------------------------------------------------------------
// Files sorted by handle, each with its recorded locks. Nothing records a
// lock in this system; the release at every close finds nothing.
namespace {
struct LockItem {
  std::int32_t Offset, Length, Count;
};
struct FileItem {
  std::int32_t Handle;
  std::vector<LockItem> Locks;
};
std::vector<FileItem> file_locks;
}  // namespace

std::int32_t BTFLockMgrError = 0;

bool BTFLockMgrRelAllLocks(std::int32_t AHandle) {
  BTFLockMgrError = 0;
  auto it = std::lower_bound(file_locks.begin(), file_locks.end(), AHandle,
                             [](const FileItem& f, std::int32_t h) { return f.Handle < h; });
  if (it == file_locks.end() || it->Handle != AHandle) return true;
  // No platform unlock is ever needed: locks are never taken (NoNet).
  it->Locks.clear();
  file_locks.erase(it);
  return true;
}

}  // namespace isam
