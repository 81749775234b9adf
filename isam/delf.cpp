#include "isam/delf.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "common/clock.h"
#include "common/hostpath.h"

namespace delf {

namespace fs = std::filesystem;

void DELETE_FILE2(std::string_view fLabel) {
  std::error_code ec;
  const std::string path = kiosk::HostPath(fLabel);
  if (fs::exists(path, ec)) fs::remove(path, ec);
}

bool RENAME_FILE(std::string_view fLabel) {
  std::error_code ec;
  const std::string path = kiosk::HostPath(fLabel);
  if (!fs::exists(path, ec)) return true;
  const std::string scratch = kiosk::HostPath("data\\xx.txt");
  fs::remove(scratch, ec);  // a leftover scratch file would make the rename fail
  fs::rename(path, scratch, ec);
  if (ec) {
    fs::remove(path, ec);  // could not move it out of the way: delete in place
    return !fs::exists(path, ec);
  }
  kiosk::clock::SleepMs(100);
  DELETE_FILE2("data\\xx.txt");
  kiosk::clock::SleepMs(100);
  return true;
}

}  // namespace delf
