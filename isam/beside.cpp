// The side pair of a catalogue file and its swap (see isam/beside.h).
#include "isam/beside.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "common/hostpath.h"
#include "isam/bulk.h"
#include "isam/check.h"
#include "isam/fileio.h"
#include "isam/isam.h"

namespace glue {

using namespace isam;

namespace {

constexpr const char* kDoneExtension = "DONE";

std::string Host(std::string_view fileBlock, const char* extension) {
  return kiosk::HostPath(IsamForceExtension(fileBlock, extension).view());
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

bool Exists(const std::string& hostPath) { return CurrentEnv()->Exists(hostPath) == 0; }

bool Remove(const std::string& hostPath) {
  return !Exists(hostPath) || CurrentEnv()->Unlink(hostPath) == 0;
}

// Flushes a file (or folder) to disk; a missing one needs nothing.
bool Sync(const std::string& hostPath, int flags = O_RDONLY) {
  IsamEnv* env = CurrentEnv();
  const int fd = env->Open(hostPath, flags | O_CLOEXEC, 0);
  if (fd < 0) return errno == ENOENT;
  const bool ok = env->Sync(fd) == 0;
  return env->Close(fd) == 0 && ok;
}

bool SyncFolder(const std::string& hostPath) { return Sync(FolderOf(hostPath), O_RDONLY | O_DIRECTORY); }

// Whether another open file description holds the file's lock (the store
// locks every file it opens).
bool InUse(const std::string& hostPath) {
  IsamEnv* env = CurrentEnv();
  const int fd = env->Open(hostPath, O_RDONLY | O_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool held = env->Lock(fd) != 0 && errno == EWOULDBLOCK;
  env->Close(fd);  // closing drops a lock taken here
  return held;
}

// Steps 3 to 5: the side pair, marked complete, takes the old pair's place.
bool CompleteSwap(std::string_view name) {
  const std::string side = SIDENAME(name);
  if (!Remove(Host(name, DiaExtension))) return false;
  for (const char* ext : {DatExtension, IxExtension}) {
    const std::string from = Host(side, ext);
    if (!Exists(from)) continue;  // moved before the interruption
    if (std::rename(from.c_str(), Host(name, ext).c_str()) != 0) return false;
  }
  const std::string mark = Host(side, kDoneExtension);
  if (!SyncFolder(mark)) return false;
  return Remove(mark) && SyncFolder(mark);
}

// Step 2: the mark's existence is all it says.
bool MarkComplete(std::string_view side) {
  const std::string mark = Host(side, kDoneExtension);
  IsamEnv* env = CurrentEnv();
  const int fd = env->Open(mark, O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = env->Sync(fd) == 0;
  ok = env->Close(fd) == 0 && ok;
  return ok && SyncFolder(mark);
}

bool RemoveSideFiles(std::string_view side) {
  bool ok = true;
  for (const char* ext : {DatExtension, IxExtension, DiaExtension}) ok = Remove(Host(side, ext)) && ok;
  return ok;
}

}  // namespace

std::string SIDENAME(std::string_view fileBlockName) { return std::string(fileBlockName) + "New"; }

bool FINISHBESIDE(std::string_view fileBlockName) {
  const std::string side = SIDENAME(fileBlockName);
  if (Exists(Host(side, kDoneExtension))) return CompleteSwap(fileBlockName);
  const std::string data = Host(side, DatExtension), index = Host(side, IxExtension);
  if (!Exists(data) && !Exists(index) && !Exists(Host(side, DiaExtension))) return true;
  if (InUse(data) || InUse(index)) return false;  // another kiosk is building
  return RemoveSideFiles(side);
}

bool BUILDBESIDE(Catalogue& c, const std::function<bool()>& fill, const BesideProgress& progress) {
  auto step = [&](int colour, int line) {
    if (progress) progress(colour, 300 + 100 * (line - 3), line);
  };
  if (c.fb) CLOSEIT(c);
  step(253, 3);
  bool ok = FINISHBESIDE(c.name);
  step(128, 3);
  if (!ok) return false;

  const std::string inUse = c.name;
  const std::string side = SIDENAME(inUse);
  c.name = side;
  step(253, 4);
  ok = CREATEFILE(c);
  step(128, 4);
  step(253, 5);
  ok = ok && OPENRAW(c);
  // The new file is filled from scratch: records appended, trees built
  // bottom-up when the fill ends (an empty file always takes bulk mode).
  if (ok) BTBeginBulk(c.fb);
  c.OK = ok;
  step(128, 5);
  ok = ok && fill();
  step(253, 6);
  if (c.fb) {
    BTCloseFileBlock(c.fb);
    ok = ok && IsamOK;
  }
  c.fb = nullptr;
  c.OK = false;
  c.name = inUse;

  ok = ok && IsamCheckFileBlock(side).Ok();
  ok = ok && Sync(Host(side, DatExtension)) && Sync(Host(side, IxExtension));
  const bool marked = ok && MarkComplete(side);
  if (marked) {
    ok = CompleteSwap(inUse);  // on failure the next open completes it
  } else {
    RemoveSideFiles(side);
    ok = false;
  }
  step(128, 6);
  return ok;
}

}  // namespace glue
