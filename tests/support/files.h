// Small helpers of the file tests: a host file's bytes and permissions.
#pragma once

#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <string>

namespace testsupport {

// The whole file ("" when it cannot be read).
inline std::string ReadFile(const std::string& hostPath) {
  std::ifstream in(hostPath, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The permission bits (0 when the file does not exist).
inline mode_t FileMode(const std::string& hostPath) {
  struct stat st;
  return ::stat(hostPath.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

}  // namespace testsupport
