// The installation copy killed at random moments: each rerun finishes the
// working folder, every file whole and with its installation permissions.
#include "tools/install_copy.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>

#include "common/atomicfile.h"
#include "tests/support/files.h"

namespace fs = std::filesystem;

namespace {

// A kill loses nothing the process wrote, only what it had yet to write,
// so the flushes to disk (which guard against a power cut) are skipped
// here to keep the many rounds quick.
class NoSyncEnv : public kiosk::AtomicEnv {
 public:
  int Sync(int) override { return 0; }
  int SyncFolder(const std::string&) override { return 0; }
};

class InstallCopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    kiosk::SetAtomicEnv(&noSync_);
    root_ = fs::temp_directory_path() / ("install_copy_" + std::to_string(::getpid()));
    fs::remove_all(root_);
    install_ = root_ / "install";
    work_ = root_ / "work";
    // A large exchange file among many small texts, with mixed permissions.
    fs::create_directories(install_ / "data");
    fs::create_directories(install_ / "lang");
    std::string big;
    for (int i = 0; big.size() < (6u << 20); ++i) big += "0\r\nproduct " + std::to_string(i) + "\r\n";
    Put("data/prodlist.txt", big, 0644);
    for (int i = 0; i < 60; ++i) Put("lang/text" + std::to_string(i) + ".txt", std::string(3000 + i, 'a' + i % 26), 0644);
    Put("data/lang2.txt", "E\r\nF\r\n", 0600);
    Put("run.sh", "#!/bin/sh\n", 0755);
  }
  void TearDown() override {
    kiosk::SetAtomicEnv(nullptr);
    fs::remove_all(root_);
  }

  void Put(const std::string& name, const std::string& bytes, mode_t mode) {
    std::ofstream(install_ / name, std::ios::binary) << bytes;
    fs::permissions(install_ / name, static_cast<fs::perms>(mode));
  }
  static std::string Read(const fs::path& p) { return testsupport::ReadFile(p.string()); }
  static mode_t Mode(const fs::path& p) { return testsupport::FileMode(p.string()); }
  // Every installation file is in the working folder, whole and with its
  // permissions, and nothing else is there.
  ::testing::AssertionResult Complete() const {
    int files = 0;
    for (const auto& e : fs::recursive_directory_iterator(work_)) {
      if (!e.is_regular_file()) continue;
      ++files;
      const fs::path source = install_ / fs::relative(e.path(), work_);
      if (!fs::exists(source)) return ::testing::AssertionFailure() << "stray " << e.path();
      if (Read(source) != Read(e.path())) return ::testing::AssertionFailure() << "unfinished " << e.path();
      if (Mode(source) != Mode(e.path())) return ::testing::AssertionFailure() << "permissions of " << e.path();
    }
    if (files != 63) return ::testing::AssertionFailure() << files << " files";
    return ::testing::AssertionSuccess();
  }

  NoSyncEnv noSync_;
  fs::path root_, install_, work_;
};

TEST_F(InstallCopyTest, ARerunAfterAKillFinishesTheFolder) {
  // The time a whole copy takes: the quickest of three, so that the kills
  // below fall inside a copy even on a busy machine.
  int copied = 0;
  auto whole = std::chrono::steady_clock::duration::max();
  for (int i = 0; i < 3; ++i) {
    fs::remove_all(work_);
    copied = 0;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(setup::CopyMissing(install_, work_, copied));
    whole = std::min(whole, std::chrono::steady_clock::now() - start);
  }
  EXPECT_EQ(copied, 63);
  EXPECT_TRUE(Complete());

  std::mt19937 random(31);
  int interrupted = 0;
  for (int round = 0; round < 40; ++round) {
    fs::remove_all(work_);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      int n = 0;
      setup::CopyMissing(install_, work_, n);
      ::_exit(0);
    }
    const auto delay = whole * (random() % 1000) / 1000;
    std::this_thread::sleep_for(delay);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    interrupted += WIFSIGNALED(status);
    int rerun = 0;
    ASSERT_TRUE(setup::CopyMissing(install_, work_, rerun)) << round;
    ASSERT_TRUE(Complete()) << round;
  }
  EXPECT_GE(interrupted, 10);
  // A second run on a finished folder copies nothing and keeps changes.
  std::ofstream(work_ / "data/lang2.txt", std::ios::binary) << "changed";
  ASSERT_TRUE(setup::CopyMissing(install_, work_, copied = 0));
  EXPECT_EQ(copied, 0);
  EXPECT_EQ(Read(work_ / "data/lang2.txt"), "changed");
}

}  // namespace
