#include "common/textfile.h"

#include <sys/stat.h>

#include <cstring>
#include <string>

#include "common/hostpath.h"

namespace kiosk {

bool TextFile::Open(std::string_view systemName) {
  Close();
  std::string path = kiosk::HostPath(systemName);
  struct stat st;
  // A folder opens on this host but cannot be read as lines.
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  f_ = std::fopen(path.c_str(), "rb");
  if (f_ && !buf_) buf_ = std::make_unique<char[]>(kBufSize);
  return f_ != nullptr;
}

void TextFile::Close() {
  if (f_) std::fclose(f_);
  f_ = nullptr;
  pos_ = len_ = 0;
}

bool TextFile::Fill() {
  if (pos_ < len_) return true;
  if (!f_) return false;
  pos_ = 0;
  len_ = std::fread(buf_.get(), 1, kBufSize, f_);
  return len_ > 0;
}

bool TextFile::Eof() { return !Fill(); }

Str255 TextFile::ReadLine() {
  Str255 line;
  while (Fill()) {
    const char* start = buf_.get() + pos_;
    std::size_t avail = len_ - pos_;
    std::size_t n = 0;
    while (n < avail && start[n] != '\n' && start[n] != '\r') ++n;
    line.append(std::string_view(start, n));  // cut at 255: the rest is skipped
    pos_ += n;
    if (n == avail) continue;  // the line goes on in the next block
    char end = buf_[pos_++];
    // A CR may be followed by its LF, possibly at the start of the next block.
    if (end == '\r' && Fill() && buf_[pos_] == '\n') ++pos_;
    return line;
  }
  return line;
}

}  // namespace kiosk
