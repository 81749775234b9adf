// A fileblock file read as bytes, beside the store: the checker, the
// reports and the rebuild read files whose headers cannot be trusted, so
// they read slots directly instead of through an open fileblock.
//
// Owns: RawFile, the one raw reader, and DeleteRawFile. Both go through the
// store's file environment (IsamEnv), so tests inject faults into them as
// into the store itself.
// Nothing is locked: the files are read while no fileblock holds them.
#pragma once

#include <cstdint>
#include <string_view>

namespace isam {

class RawFile {
 public:
  // Opens the file read-only; the name is in the system's form.
  explicit RawFile(std::string_view systemName);
  ~RawFile();
  RawFile(const RawFile&) = delete;
  RawFile& operator=(const RawFile&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  // The file's length in bytes; -1 when it is not open.
  std::int64_t Size() const { return size_; }
  // Reads exactly len bytes at `at`; false when any of them lies outside the
  // file or the read comes back short.
  bool Read(std::int64_t at, std::int64_t len, unsigned char* out) const;

 private:
  int fd_ = -1;
  std::int64_t size_ = -1;
};

// Deletes a file; false when it exists and could not be deleted.
bool DeleteRawFile(std::string_view systemName);

}  // namespace isam
