// File layer: host calls through the IsamEnv, errors translated to store
// numbers.
#include "isam/fileio.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "common/hostpath.h"
#include "isam/errors.h"
#include "isam/readahead.h"
#include "isam/status.h"

namespace isam {

// ---- Host calls -------------------------------------------------------------

int IsamEnv::Open(const std::string& path, int flags, int mode) {
  return ::open(path.c_str(), flags | O_CLOEXEC, mode);
}
int IsamEnv::Lock(int fd) { return ::flock(fd, LOCK_EX | LOCK_NB); }
int IsamEnv::Close(int fd) { return ::close(fd); }
int IsamEnv::Unlink(const std::string& path) { return ::unlink(path.c_str()); }
ssize_t IsamEnv::PRead(int fd, void* buf, std::size_t len, off_t at) {
  return ::pread(fd, buf, len, at);
}
ssize_t IsamEnv::PWrite(int fd, const void* buf, std::size_t len, off_t at) {
  return ::pwrite(fd, buf, len, at);
}
int IsamEnv::Truncate(int fd, off_t len) { return ::ftruncate(fd, len); }
off_t IsamEnv::Size(int fd) {
  struct stat st;
  if (::fstat(fd, &st) != 0) return -1;
  return st.st_size;
}
int IsamEnv::Sync(int fd) { return ::fsync(fd); }
int IsamEnv::Exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st);
}

namespace {
IsamEnv default_env;
IsamEnv* env = &default_env;

// A missing file is "file not found" when its folder exists, "path not
// found" when the folder itself is missing.
std::int32_t NotFoundError(const std::string& path) {
  std::string::size_type slash = path.find_last_of('/');
  std::string dir = slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
  struct stat st;
  if (::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return err::kFileNotFound;
  return err::kPathNotFound;
}

std::int32_t OpenError(int e, const std::string& path) {
  switch (e) {
    case ENOENT: return NotFoundError(path);
    case ENOTDIR: return err::kPathNotFound;
    case EMFILE:
    case ENFILE: return err::kTooManyFiles;
    default: return err::kIoError;
  }
}
std::int32_t CreateError(int e) {
  switch (e) {
    case ENOENT:
    case ENOTDIR: return err::kPathNotFound;
    case EMFILE:
    case ENFILE: return err::kTooManyFiles;
    default: return err::kIoError;
  }
}
std::int32_t HandleError(int e) { return e == EBADF ? err::kBadHandle : err::kIoError; }

bool CheckHandle(IsamFile& f, std::uint16_t func) {
  if (f.Handle >= 0) return true;
  IsamSetError(err::kBadHandle, EBADF, func);
  return false;
}

// Takes the exclusive lock; on failure closes the handle again.
bool LockOrClose(int fd) {
  if (env->Lock(fd) == 0) return true;
  int e = errno;
  env->Close(fd);
  IsamSetError(err::kIoError, e, kFuncOpen);
  return false;
}
}  // namespace

IsamEnv* DefaultEnv() { return &default_env; }
IsamEnv* SetEnv(IsamEnv* e) {
  IsamEnv* old = env;
  env = e ? e : &default_env;
  return old;
}
IsamEnv* CurrentEnv() { return env; }

void IsamSetError(std::int32_t err, int hostErrno, std::uint16_t func) {
  IsamOK = false;
  IsamError = err;
  if (func != 0 && IsamDOSFunc == 0 && IsamDOSError == 0) {
    IsamDOSError = hostErrno;
    IsamDOSFunc = func;
  }
}

// ---- File operations ---------------------------------------------------------

void IsamAssign(IsamFile& f, std::string_view name) {
  f.Handle = -1;
  f.Name = name;
  f.IsLocal = true;
  f.ReadOnly = false;
}

void IsamReset(IsamFile& f, bool netUsed, bool readOnly) {
  std::string path = kiosk::HostPath(f.Name.view());
  int fd = env->Open(path, readOnly ? O_RDONLY : O_RDWR, 0);
  if (fd < 0) {
    int e = errno;
    IsamSetError(OpenError(e, path), e, kFuncOpen);
    return;
  }
  if (!netUsed && !LockOrClose(fd)) return;
  f.Handle = fd;
  f.IsLocal = !netUsed;
  f.ReadOnly = readOnly;
}

void IsamRewrite(IsamFile& f) {
  std::string path = kiosk::HostPath(f.Name.view());
  // Not O_TRUNC: a file someone else holds open must not be cut before we
  // know we own it.
  int fd = env->Open(path, O_RDWR | O_CREAT, 0644);
  if (fd < 0) {
    int e = errno;
    IsamSetError(CreateError(e), e, kFuncOpen);
    return;
  }
  if (!LockOrClose(fd)) return;
  if (env->Truncate(fd, 0) != 0) {
    int e = errno;
    env->Close(fd);
    IsamSetError(err::kIoError, e, kFuncWrite);
    return;
  }
  f.Handle = fd;
  f.IsLocal = true;
  f.ReadOnly = false;
}

void IsamClose(IsamFile& f) {
  if (!CheckHandle(f, kFuncClose)) return;
  IsamForgetReadAhead(f.Handle);
  BTFLockMgrRelAllLocks(f.Handle);
  int fd = f.Handle;
  f.Handle = -1;
  if (env->Close(fd) != 0) {
    int e = errno;
    IsamSetError(HandleError(e), e, kFuncClose);
  }
}

void IsamDelete(IsamFile& f) {
  std::string path = kiosk::HostPath(f.Name.view());
  // A file that another open holds is refused, as the platform refuses to
  // delete a file opened for exclusive use.
  int fd = env->Open(path, O_RDONLY, 0);
  if (fd >= 0) {
    bool held = env->Lock(fd) != 0;
    int e = errno;
    env->Close(fd);
    if (held) {
      IsamSetError(err::kIoError, e, kFuncDelete);
      return;
    }
  }
  if (env->Unlink(path) != 0) {
    int e = errno;
    std::int32_t err = e == ENOENT ? NotFoundError(path) : e == ENOTDIR ? err::kPathNotFound : err::kIoError;
    IsamSetError(err, e, kFuncDelete);
  }
}

namespace {

// False (and the status set) when the file is not open or the block lies
// before its start.
bool CanTransfer(IsamFile& f, std::uint16_t func, std::int64_t ref, std::int64_t len) {
  if (!CheckHandle(f, func)) return false;
  if (ref < 0 || len < 0) {
    IsamSetError(err::kIoError, EINVAL, kFuncSeek);
    return false;
  }
  return true;
}

// The status of a read or write of len bytes that moved n (errno as the
// host call left it).
void Transferred(ssize_t n, std::int64_t len, std::int32_t shortError, std::uint16_t func) {
  if (n < 0) {
    int e = errno;
    IsamSetError(HandleError(e), e, func);
  } else if (n != len) {
    IsamSetError(shortError, 0, func);
  }
}

}  // namespace

void IsamGetBlock(IsamFile& f, std::int64_t ref, std::int64_t len, void* dest) {
  if (!CanTransfer(f, kFuncRead, ref, len)) return;
  Transferred(env->PRead(f.Handle, dest, static_cast<std::size_t>(len), ref), len,
              err::kShortRead, kFuncRead);
}

void IsamPutBlock(IsamFile& f, std::int64_t ref, std::int64_t len, const void* source) {
  IsamForgetReadAhead(f.Handle);  // even a write that fails may have changed bytes
  if (!CanTransfer(f, kFuncWrite, ref, len)) return;
  if (len == 0) {
    if (env->Truncate(f.Handle, ref) != 0) {
      int e = errno;
      IsamSetError(HandleError(e), e, kFuncWrite);
    }
    return;
  }
  Transferred(env->PWrite(f.Handle, source, static_cast<std::size_t>(len), ref), len,
              err::kShortWrite, kFuncWrite);
}

void IsamPutDummyBlock(IsamFile& f, std::int64_t ref, std::int64_t len) {
  if (len <= 0) return;
  std::vector<unsigned char> zeros(static_cast<std::size_t>(len), 0);
  IsamPutBlock(f, ref, len, zeros.data());
}

std::int64_t IsamFileSize(IsamFile& f) {
  if (!CheckHandle(f, kFuncSeekEnd)) return 0;
  off_t s = env->Size(f.Handle);
  if (s < 0) {
    int e = errno;
    IsamSetError(HandleError(e), e, kFuncSeekEnd);
    return 0;
  }
  return s;
}

bool IsamHeldElsewhere() {
  return !IsamOK && IsamError == err::kIoError && IsamDOSFunc == kFuncOpen &&
         (IsamDOSError == EWOULDBLOCK || IsamDOSError == EAGAIN);
}

void IsamFlush(IsamFile& f) {
  if (!CheckHandle(f, kFuncFlush)) return;
  if (env->Sync(f.Handle) != 0) {
    int e = errno;
    IsamSetError(HandleError(e), e, kFuncFlush);
  }
}

bool IsamExists(std::string_view name) {
  std::string path = kiosk::HostPath(name);
  if (env->Exists(path) == 0) return true;
  int e = errno;
  if (IsamDOSError == 0 && IsamDOSFunc == 0) {
    IsamDOSError = e;
    IsamDOSFunc = kFuncExists;
  }
  return false;
}

}  // namespace isam
