#include "shell/textfile.h"

#include <sys/stat.h>

#include <string>

#include "common/hostpath.h"

namespace langs {

bool TextFile::Open(std::string_view systemName) {
  Close();
  std::string path = kiosk::HostPath(systemName);
  struct stat st;
  // A folder opens on this host but cannot be read as lines.
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  f_ = std::fopen(path.c_str(), "rb");
  return f_ != nullptr;
}

void TextFile::Close() {
  if (f_) std::fclose(f_);
  f_ = nullptr;
}

bool TextFile::Eof() {
  if (!f_) return true;
  int c = std::fgetc(f_);
  if (c == EOF) return true;
  std::ungetc(c, f_);
  return false;
}

kiosk::Str255 TextFile::ReadLine() {
  kiosk::Str255 line;
  if (!f_) return line;
  for (;;) {
    int c = std::fgetc(f_);
    if (c == EOF || c == '\n') break;
    if (c == '\r') {
      int next = std::fgetc(f_);
      if (next != '\n' && next != EOF) std::ungetc(next, f_);
      break;
    }
    line.append(static_cast<char>(c));  // cut at 255: the rest is skipped
  }
  return line;
}

}  // namespace langs
