// The read-ahead window: one at a time, for the data file open as g_handle.
#include "isam/readahead.h"

#include <cstring>
#include <vector>

#include "isam/fileio.h"
#include "isam/status.h"
#include "isam/store.h"

namespace isam {
namespace {

int g_handle = -1;  // the data file read ahead, -1: none
std::vector<unsigned char> g_bytes;
std::int64_t g_at = 0, g_size = 0;  // file position and length of what g_bytes holds
std::int64_t g_fills = 0;

}  // namespace

BTReadAhead::BTReadAhead(IsamFileBlockPtr ifb) : previousHandle_(g_handle) {
  IsamForgetReadAhead(g_handle);
  // Only an open fileblock's data file; anything else reads as before.
  g_handle = (ifb != nullptr && IsamIsOpenFileBlock(ifb)) ? ifb->DatF.Handle : -1;
}

BTReadAhead::~BTReadAhead() {
  IsamForgetReadAhead(g_handle);
  g_handle = previousHandle_;
}

void IsamGetDataBlock(IsamFile& f, std::int64_t ref, std::int64_t len, void* dest) {
  if (g_handle < 0 || f.Handle != g_handle || ref < 0 || len <= 0 || len > kReadAheadBytes) {
    IsamGetBlock(f, ref, len, dest);
    return;
  }
  if (ref < g_at || ref + len > g_at + g_size) {
    g_bytes.resize(static_cast<std::size_t>(kReadAheadBytes));
    g_size = 0;
    const ssize_t n = CurrentEnv()->PRead(f.Handle, g_bytes.data(), g_bytes.size(), ref);
    ++g_fills;
    if (n < len) {  // failed or short: the ordinary read reports it
      IsamGetBlock(f, ref, len, dest);
      return;
    }
    g_at = ref;
    g_size = n;
  }
  std::memcpy(dest, g_bytes.data() + (ref - g_at), static_cast<std::size_t>(len));
}

void IsamForgetReadAhead(int handle) {
  if (handle >= 0 && handle == g_handle) g_size = 0;
}

std::int64_t IsamReadAheadFills() { return g_fills; }

}  // namespace isam
