// Whole-file replacement: the old file stays whole until the new one is
// complete, whatever step fails or wherever the process is killed.
#include "common/atomicfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/files.h"

namespace kiosk {
namespace {

namespace fs = std::filesystem;

// Fails the named step (once armed), or kills the process at it.
class FaultyEnv : public AtomicEnv {
 public:
  enum Step { kNone, kCreate, kWrite, kSync, kChmod, kClose, kRename };
  Step fail = kNone;
  bool kill = false;
  int writes = 0;
  int CreateTemp(std::string& t) override { return At(kCreate) ? -1 : AtomicEnv::CreateTemp(t); }
  ssize_t Write(int fd, const void* b, std::size_t n) override {
    ++writes;
    // The first block reaches the disk before the fault strikes.
    if (writes > 1 && At(kWrite)) return -1;
    return AtomicEnv::Write(fd, b, n);
  }
  int Sync(int fd) override { return At(kSync) ? -1 : AtomicEnv::Sync(fd); }
  int Chmod(int fd, mode_t m) override { return At(kChmod) ? -1 : AtomicEnv::Chmod(fd, m); }
  int Close(int fd) override {
    const int r = AtomicEnv::Close(fd);
    return At(kClose) ? -1 : r;
  }
  int Rename(const std::string& a, const std::string& b) override {
    return At(kRename) ? -1 : AtomicEnv::Rename(a, b);
  }

 private:
  bool At(Step s) {
    if (s != fail) return false;
    if (kill) ::_exit(9);
    errno = EIO;
    return true;
  }
};

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("atomic_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = (dir_ / "prodlist.txt").string();
  }
  void TearDown() override {
    SetAtomicEnv(nullptr);
    fs::remove_all(dir_);
  }
  static std::string Read(const std::string& p) { return testsupport::ReadFile(p); }
  static mode_t Mode(const std::string& p) { return testsupport::FileMode(p); }
  int Entries() const { return static_cast<int>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator())); }

  fs::path dir_;
  std::string path_;
};

// More than one write buffer, so a fault can strike in the middle.
std::string Big() {
  std::string s;
  for (int i = 0; s.size() < 300000; ++i) s += "0\r\nproduct " + std::to_string(i) + "\r\n";
  return s;
}

TEST_F(AtomicFileTest, ReplacesKeepingTheOldModeOrGivingTheNewOne) {
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(WriteFileAtomic(path_, "first"));
  EXPECT_EQ(Read(path_), "first");
  EXPECT_EQ(Mode(path_), 0644u);  // a new file: 0666 less the umask
  ::chmod(path_.c_str(), 0600);
  ASSERT_TRUE(WriteFileAtomic(path_, Big()));
  EXPECT_TRUE(Read(path_) == Big());
  EXPECT_EQ(Mode(path_), 0600u);  // the replaced file's mode
  ASSERT_TRUE(WriteFileAtomic(path_, "", 0640));
  EXPECT_EQ(Read(path_), "");
  EXPECT_EQ(Mode(path_), 0640u);
  EXPECT_EQ(Entries(), 1);  // no temporary left
  ::umask(mask);

  const std::string copy = (dir_ / "copy.txt").string();
  ASSERT_TRUE(CopyFileAtomic(path_, copy));
  EXPECT_EQ(Mode(copy), 0640u);
  EXPECT_FALSE(CopyFileAtomic((dir_ / "missing").string(), copy));
  EXPECT_TRUE(fs::exists(copy));
}

TEST_F(AtomicFileTest, AFailingStepLeavesTheOldFileAndNoTemporary) {
  ASSERT_TRUE(WriteFileAtomic(path_, "old"));
  FaultyEnv faulty;
  SetAtomicEnv(&faulty);
  for (auto step : {FaultyEnv::kCreate, FaultyEnv::kWrite, FaultyEnv::kSync, FaultyEnv::kChmod,
                    FaultyEnv::kClose, FaultyEnv::kRename}) {
    faulty.fail = step;
    faulty.writes = 0;
    EXPECT_FALSE(WriteFileAtomic(path_, Big())) << step;
    EXPECT_TRUE(Read(path_) == "old") << step;
    EXPECT_EQ(Entries(), 1) << step;
  }
  faulty.fail = FaultyEnv::kNone;
  {
    AtomicFile f;  // abandoned by leaving it
    ASSERT_TRUE(f.Open(path_));
    ASSERT_TRUE(f.Write(Big()));
    EXPECT_EQ(Entries(), 2);
  }
  EXPECT_EQ(Entries(), 1);
  EXPECT_TRUE(Read(path_) == "old");
}

TEST_F(AtomicFileTest, AKillAtAnyStepLeavesTheOldOrTheNewFileAndALeftoverToRemove) {
  ASSERT_TRUE(WriteFileAtomic(path_, "old"));
  for (auto step : {FaultyEnv::kWrite, FaultyEnv::kSync, FaultyEnv::kChmod, FaultyEnv::kRename}) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      FaultyEnv killer;
      killer.fail = step;
      killer.kill = true;
      SetAtomicEnv(&killer);
      WriteFileAtomic(path_, Big());
      ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 9) << step;
    EXPECT_TRUE(Read(path_) == "old") << step;
    EXPECT_EQ(Entries(), 2) << step;  // the interrupted temporary
    std::ofstream(dir_ / "prodlist.txt.partial") << "not ours";  // no random part: kept
    EXPECT_EQ(RemovePartialFiles(dir_.string()), 1) << step;
    EXPECT_EQ(Entries(), 2) << step;
    fs::remove(dir_ / "prodlist.txt.partial");
  }
}

TEST(PartialName, OnlyTheTemporariesOfThisRoutine) {
  EXPECT_TRUE(IsPartialName("prodlist.txt.partial-a1B2c3"));
  EXPECT_FALSE(IsPartialName("prodlist.txt.partial-a1B2c"));
  EXPECT_FALSE(IsPartialName(".partial-a1B2c3"));
  EXPECT_FALSE(IsPartialName("prodlist.txt"));
}

}  // namespace
}  // namespace kiosk
