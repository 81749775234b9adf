// Text files of the kiosk (configuration, language texts, screen forms) read
// line by line, the way existing installations wrote them: a line ends at
// CR LF, LF or a lone CR; a line longer than 255 characters is cut and the
// rest of it skipped; reading past the end gives empty lines. Names are in
// the system's form and go through kiosk::HostPath.
#pragma once

#include <cstdio>
#include <string_view>

#include "common/shortstr.h"

namespace langs {

class TextFile {
 public:
  TextFile() = default;
  ~TextFile() { Close(); }
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // Opens the file for reading; false (and nothing open) when it is missing,
  // not a regular file or unreadable.
  bool Open(std::string_view systemName);
  void Close();
  bool IsOpen() const { return f_ != nullptr; }
  // True once every line has been read (an unopened file is at its end).
  bool Eof();

  // The next line without its line end; "" past the end.
  kiosk::Str255 ReadLine();

 private:
  std::FILE* f_ = nullptr;
};

}  // namespace langs
