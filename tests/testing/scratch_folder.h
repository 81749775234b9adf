// A scratch working folder for one test: made empty under the system's
// temporary folder (named after the process and the test), made the
// kiosk's working folder, and removed again. Header-only, so that the
// store's and the graphics layer's tests use it without the application.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <system_error>

#include "common/hostpath.h"

namespace kiosk_test {

class ScratchFolder {
 public:
  // Makes the folder with the given subfolders and works in it.
  void Make(std::initializer_list<const char*> subfolders) {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("kiosk_test_" + std::to_string(::getpid()) + "_" + std::to_string(++counter) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    for (const char* sub : subfolders) std::filesystem::create_directories(path_ / sub);
    kiosk::SetWorkFolder(path_.string());
  }
  // Back to the process's folder; the scratch folder goes.
  void Remove() {
    kiosk::SetWorkFolder(".");
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace kiosk_test
