// The file layer under the store: one file at a time, positioned reads and
// writes, every failure turned into a store status number (with the host's
// errno in IsamDOSError and the function code in IsamDOSFunc).
//
// Files are opened for exclusive use: an advisory OS lock (flock) is taken
// at open and held until close, so a second open of the same file, from this
// process or another, fails (10140) and changes nothing. Creating truncates
// only after the lock is held, and deleting refuses a file someone holds.
//
// The host calls go through an IsamEnv, which tests replace to inject faults
// (short reads and writes, an errno on the Nth call).
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

#include "isam/isam.h"

namespace isam {

// Host file calls; each returns like its POSIX namesake (-1 and errno set).
class IsamEnv {
 public:
  virtual ~IsamEnv() = default;
  virtual int Open(const std::string& path, int flags, int mode);
  virtual int Lock(int fd);  // exclusive, non-blocking
  virtual int Close(int fd);
  virtual int Unlink(const std::string& path);
  virtual ssize_t PRead(int fd, void* buf, std::size_t len, off_t at);
  virtual ssize_t PWrite(int fd, const void* buf, std::size_t len, off_t at);
  virtual int Truncate(int fd, off_t len);
  virtual off_t Size(int fd);
  virtual int Sync(int fd);
  virtual int Exists(const std::string& path);  // 0 exists, -1 errno
};
IsamEnv* DefaultEnv();
// Installs env (nullptr: the default); returns the previous one.
IsamEnv* SetEnv(IsamEnv* env);
IsamEnv* CurrentEnv();

// Function codes kept in IsamDOSFunc.
enum : std::uint16_t {
  kFuncOpen = 0x6C00,
  kFuncClose = 0x3E00,
  kFuncDelete = 0x4100,
  kFuncRead = 0x3F00,
  kFuncWrite = 0x4000,
  kFuncSeek = 0x4200,
  kFuncSeekEnd = 0x4202,
  kFuncFlush = 0x6800,
  kFuncExists = 0x4300,
};

// One file of a fileblock.
struct IsamFile {
  int Handle = -1;      // -1 when closed
  IsamFileName Name;    // system form, with extension
  bool IsLocal = true;  // opened without sharing (always, in this system)
  bool ReadOnly = false;
};

// Records a failure: IsamOK false, IsamError err; the errno and function
// code only when none was recorded since the status was cleared.
void IsamSetError(std::int32_t err, int hostErrno = 0, std::uint16_t func = 0);

void IsamAssign(IsamFile& f, std::string_view name);
void IsamReset(IsamFile& f, bool netUsed, bool readOnly);  // open existing
void IsamRewrite(IsamFile& f);                             // create/truncate
void IsamClose(IsamFile& f);
void IsamDelete(IsamFile& f);
void IsamGetBlock(IsamFile& f, std::int64_t ref, std::int64_t len, void* dest);
// len 0 cuts the file at ref.
void IsamPutBlock(IsamFile& f, std::int64_t ref, std::int64_t len, const void* source);
// Writes len zero bytes at ref.
void IsamPutDummyBlock(IsamFile& f, std::int64_t ref, std::int64_t len);
std::int64_t IsamFileSize(IsamFile& f);
// Whether the last failure was an open refused because another program (or
// another open here) holds the file: 10140 from the exclusive lock.
bool IsamHeldElsewhere();
void IsamFlush(IsamFile& f);

}  // namespace isam
