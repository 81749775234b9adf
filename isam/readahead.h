// Reading a data file ahead during a walk by record number.
//
// A walk that reads record after record (the map drawn from its element
// file) would make one host read per record. While a BTReadAhead lives,
// BTGetRec of its fileblock reads the data file a window at a time (up to
// kReadAheadBytes from the record asked for) and serves the following
// records from memory. What was read ahead is dropped when the scope ends
// and by every write to that file, every cut and its close
// (IsamForgetReadAhead, called by the file layer), so a record changed in
// between is read again from the file. A read that fails or comes up short
// is made again the ordinary way, so errors are reported as without it.
#pragma once

#include <cstdint>

#include "isam/isam.h"

namespace isam {

struct IsamFile;

inline constexpr std::int64_t kReadAheadBytes = 64 * 1024;

class BTReadAhead {
 public:
  explicit BTReadAhead(IsamFileBlockPtr ifb);
  ~BTReadAhead();
  BTReadAhead(const BTReadAhead&) = delete;
  BTReadAhead& operator=(const BTReadAhead&) = delete;

 private:
  int previousHandle_;
};

// len bytes at ref of the data file f into dest: from the window when one
// is open for f, else as IsamGetBlock.
void IsamGetDataBlock(IsamFile& f, std::int64_t ref, std::int64_t len, void* dest);

// Drops what was read ahead of the file open as handle (the file layer
// calls it for every write, cut and close).
void IsamForgetReadAhead(int handle);

// Host reads made to fill windows since the start (tests).
std::int64_t IsamReadAheadFills();

}  // namespace isam
