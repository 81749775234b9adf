#include "isam/rawfile.h"

#include <fcntl.h>

#include <cerrno>
#include <string>

#include "common/hostpath.h"
#include "isam/fileio.h"

namespace isam {

RawFile::RawFile(std::string_view systemName) {
  IsamEnv* env = CurrentEnv();
  fd_ = env->Open(kiosk::HostPath(systemName), O_RDONLY | O_CLOEXEC, 0);
  if (fd_ < 0) return;
  const off_t size = env->Size(fd_);
  if (size < 0) {
    env->Close(fd_);
    fd_ = -1;
    return;
  }
  size_ = size;
}

RawFile::~RawFile() {
  if (fd_ >= 0) CurrentEnv()->Close(fd_);
}

bool RawFile::Read(std::int64_t at, std::int64_t len, unsigned char* out) const {
  if (fd_ < 0 || at < 0 || len < 0 || at + len > size_) return false;
  return CurrentEnv()->PRead(fd_, out, static_cast<std::size_t>(len), at) == len;
}

bool DeleteRawFile(std::string_view systemName) {
  IsamEnv* env = CurrentEnv();
  const std::string path = kiosk::HostPath(systemName);
  if (env->Exists(path) != 0) return true;
  return env->Unlink(path) == 0;
}

}  // namespace isam
