#include "common/atomicfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace kiosk {

// ---- Host calls -------------------------------------------------------------

int AtomicEnv::CreateTemp(std::string& pathTemplate) { return ::mkostemp(pathTemplate.data(), O_CLOEXEC); }
ssize_t AtomicEnv::Write(int fd, const void* buf, std::size_t len) { return ::write(fd, buf, len); }
int AtomicEnv::Sync(int fd) { return ::fsync(fd); }
int AtomicEnv::Chmod(int fd, mode_t mode) { return ::fchmod(fd, mode); }
int AtomicEnv::Close(int fd) { return ::close(fd); }
int AtomicEnv::Rename(const std::string& from, const std::string& to) { return ::rename(from.c_str(), to.c_str()); }
int AtomicEnv::Unlink(const std::string& path) { return ::unlink(path.c_str()); }
int AtomicEnv::SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return -1;
  const int r = ::fsync(fd);
  ::close(fd);
  return r;
}

namespace {

AtomicEnv default_env;
AtomicEnv* env = &default_env;

constexpr std::size_t kBufferSize = 64 * 1024;

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The mode a new file would get: 0666 less the process's umask.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

AtomicEnv* SetAtomicEnv(AtomicEnv* e) {
  AtomicEnv* old = env;
  env = e ? e : &default_env;
  return old;
}

// ---- AtomicFile -------------------------------------------------------------

AtomicFile::~AtomicFile() { Abandon(); }

bool AtomicFile::Open(const std::string& hostPath, int mode) {
  Abandon();
  target_ = hostPath;
  if (mode >= 0) {
    mode_ = static_cast<mode_t>(mode) & 07777;
  } else {
    struct stat st;
    mode_ = ::stat(hostPath.c_str(), &st) == 0 ? (st.st_mode & 07777) : NewFileMode();
  }
  temp_ = hostPath + std::string(kPartialMark) + "XXXXXX";
  fd_ = env->CreateTemp(temp_);
  failed_ = fd_ < 0;
  if (fd_ < 0) temp_.clear();
  buffer_.clear();
  return fd_ >= 0;
}

bool AtomicFile::Drain() {
  std::size_t done = 0;
  while (!failed_ && done < buffer_.size()) {
    const ssize_t n = env->Write(fd_, buffer_.data() + done, std::min(kBufferSize, buffer_.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) failed_ = true;
    else done += static_cast<std::size_t>(n);
  }
  buffer_.clear();
  return !failed_;
}

bool AtomicFile::Write(std::string_view bytes) {
  if (fd_ < 0 || failed_) return false;
  buffer_.append(bytes);
  return buffer_.size() < kBufferSize || Drain();
}

bool AtomicFile::Commit() {
  if (fd_ < 0) return false;
  bool ok = Drain() && env->Sync(fd_) == 0 && env->Chmod(fd_, mode_) == 0;
  ok = env->Close(fd_) == 0 && ok;
  fd_ = -1;
  ok = ok && env->Rename(temp_, target_) == 0;
  if (!ok) {
    env->Unlink(temp_);
    temp_.clear();
    return false;
  }
  temp_.clear();
  // The rename itself reaches the disk with the folder; a failure here
  // leaves either file complete, so it does not fail the replacement.
  env->SyncFolder(FolderOf(target_));
  return true;
}

void AtomicFile::Abandon() {
  if (fd_ >= 0) env->Close(fd_);
  fd_ = -1;
  if (!temp_.empty()) env->Unlink(temp_);
  temp_.clear();
  buffer_.clear();
  failed_ = false;
}

// ---- Whole files ------------------------------------------------------------

bool WriteFileAtomic(const std::string& hostPath, std::string_view contents, int mode) {
  AtomicFile f;
  return f.Open(hostPath, mode) && f.Write(contents) && f.Commit();
}

bool CopyFileAtomic(const std::string& from, const std::string& to) {
  const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return false;
  struct stat st;
  bool ok = ::fstat(in, &st) == 0;
  AtomicFile out;
  ok = ok && out.Open(to, static_cast<int>(st.st_mode & 07777));
  std::string block(kBufferSize, '\0');
  while (ok) {
    const ssize_t n = ::read(in, block.data(), block.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    if (n <= 0) break;
    ok = out.Write(std::string_view(block.data(), static_cast<std::size_t>(n)));
  }
  ::close(in);
  return ok && out.Commit();
}

// ---- Leftovers --------------------------------------------------------------

bool IsPartialName(std::string_view fileName) {
  const std::size_t mark = fileName.rfind(kPartialMark);
  return mark != std::string_view::npos && mark > 0 && fileName.size() == mark + kPartialMark.size() + 6;
}

int RemovePartialFiles(const std::string& hostFolder, bool recursive) {
  namespace fs = std::filesystem;
  std::error_code ec;
  int removed = 0;
  auto consider = [&](const fs::directory_entry& e) {
    std::error_code fec;
    if (e.is_regular_file(fec) && IsPartialName(e.path().filename().string()) && fs::remove(e.path(), fec))
      ++removed;
  };
  if (recursive) {
    for (auto it = fs::recursive_directory_iterator(hostFolder, ec); !ec && it != fs::end(it); it.increment(ec))
      consider(*it);
  } else {
    for (auto it = fs::directory_iterator(hostFolder, ec); !ec && it != fs::end(it); it.increment(ec)) consider(*it);
  }
  return removed;
}

}  // namespace kiosk
