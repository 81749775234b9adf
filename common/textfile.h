// Text files of the kiosk (configuration, language texts, screen forms,
// zones, exchange files) read line by line, the way existing installations
// wrote them: a line ends at CR LF, LF or a lone CR; a line longer than 255
// characters is cut and the rest of it skipped; reading past the end gives
// empty lines. Names are in
// the system's form and go through kiosk::HostPath.
//
// Owns: TextFile, the one line reader every module opens its text files with.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string_view>

#include "common/shortstr.h"

namespace kiosk {

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
  Str255 ReadLine();

 private:
  // Refills the buffer; false at the end of the file.
  bool Fill();

  std::FILE* f_ = nullptr;
  // Read ahead in large blocks: taking characters one by one from the C
  // library cost as much as the rest of a catalogue import.
  static constexpr std::size_t kBufSize = 64 * 1024;
  std::unique_ptr<char[]> buf_;
  std::size_t pos_ = 0;
  std::size_t len_ = 0;
};

}  // namespace kiosk
