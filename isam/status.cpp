// Status globals, the entry and exit steps, error classes, and the lock
// table (kept for the network mode, which is off: it stays empty).
#include "isam/status.h"

#include <algorithm>
#include <vector>

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
  if (e == 9903 || (e >= 10200 && e <= 10299) || e == 10410) return 1;
  switch (e) {
    case 9900: case 10065: case 10110: case 10306: case 10330: case 10332:
    case 10335: case 10355: case 10360: case 10390: case 10397: case 10399:
      return 2;
    default: break;
  }
  if (e >= 10001 && e <= 10009) return 3;
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
    IsamError = 10455;
    return;
  }
  if (ifb == nullptr) {
    IsamOK = false;
    IsamError = 10445;
    return;
  }
  if (ifb == NoFileBlock()) return;
  // A stale pointer is never dereferenced: only descriptors in the open list
  // are looked at (a closed one has been freed).
  if (!IsamIsOpenFileBlock(ifb) || ifb->ValidSign != kValidSign) {
    IsamOK = false;
    IsamError = 10445;
    return;
  }
  if ((options & kOptWrite) && ifb->ReadOnlyFB) {
    IsamOK = false;
    IsamError = 10065;
    return;
  }
  if ((options & kOptKeyRoutine) && (key < 1 || key > ifb->NrOfKeys)) {
    IsamOK = false;
    IsamError = 10164;
  }
}

void IsamExitCode(IsamFileBlockPtr ifb) {
  if (!IsamInitialized || IsamError == 10445) return;
  if (ifb != nullptr && ifb != NoFileBlock() && IsamIsOpenFileBlock(ifb) && ifb->ReadOnlyFB &&
      IsamError == 10140)
    IsamError = 10397;
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
