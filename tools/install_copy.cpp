#include "tools/install_copy.h"

#include <cstdio>
#include <system_error>

#include "common/atomicfile.h"

namespace setup {

namespace fs = std::filesystem;

bool CopyMissing(const fs::path& from, const fs::path& to, int& copied) {
  std::error_code ec;
  fs::create_directories(to, ec);
  if (ec) return false;
  // What an earlier run was copying when it was stopped.
  kiosk::RemovePartialFiles(to.string(), true);
  for (auto it = fs::recursive_directory_iterator(from, ec); !ec && it != fs::end(it);
       it.increment(ec)) {
    const fs::path target = to / fs::relative(it->path(), from);
    if (it->is_directory()) {
      fs::create_directories(target, ec);
    } else if (!kiosk::IsPartialName(it->path().filename().string()) && !fs::exists(target, ec) && !ec) {
      if (!kiosk::CopyFileAtomic(it->path().string(), target.string())) {
        std::fprintf(stderr, "kiosk-setup: %s: could not be copied\n", target.c_str());
        return false;
      }
      ++copied;
    }
    if (ec) {
      std::fprintf(stderr, "kiosk-setup: %s: %s\n", target.c_str(), ec.message().c_str());
      return false;
    }
  }
  return !ec;
}

}  // namespace setup
