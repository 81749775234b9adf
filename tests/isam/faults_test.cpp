// Host failures injected under the file layer, exclusive opens, and files
// damaged on disk: every one ends in a status number.
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "isam/errors.h"
#include "isam/fileio.h"
#include "isam_fixture.h"

using namespace isam;
using isam_test::Rec;
using isam_test::StoreTest;

namespace {

// Fails the Nth write (or read, or open) from now on: with an errno, or
// short (half the bytes).
class FaultEnv : public IsamEnv {
 public:
  int failWriteAt = 0, failReadAt = 0, failOpenAt = 0;
  int writeErrno = 0, readErrno = 0, openErrno = 0;  // 0: short transfer
  int writes = 0, reads = 0, opens = 0;
  bool failLaterWrites = false;  // every write after the Nth fails with EIO

  ssize_t PWrite(int fd, const void* buf, std::size_t len, off_t at) override {
    ++writes;
    if (failLaterWrites && failWriteAt > 0 && writes > failWriteAt) return errno = EIO, -1;
    if (writes == failWriteAt) {
      if (writeErrno) return errno = writeErrno, -1;
      return IsamEnv::PWrite(fd, buf, len / 2, at);
    }
    return IsamEnv::PWrite(fd, buf, len, at);
  }
  ssize_t PRead(int fd, void* buf, std::size_t len, off_t at) override {
    if (++reads == failReadAt) {
      if (readErrno) return errno = readErrno, -1;
      return IsamEnv::PRead(fd, buf, len / 2, at);
    }
    return IsamEnv::PRead(fd, buf, len, at);
  }
  int Open(const std::string& path, int flags, int mode) override {
    if (++opens == failOpenAt) return errno = openErrno, -1;
    return IsamEnv::Open(path, flags, mode);
  }
};

class FaultsTest : public StoreTest {
 protected:
  FaultEnv env;
  void Arm() {
    env.writes = env.reads = env.opens = 0;
    SetEnv(&env);
  }
  // One record (its number in ref) with its key "k".
  IsamFileBlockPtr OneKeyedRecord(std::int32_t& ref) {
    IsamFileBlockPtr fb = CreateOpen(30, {{5, false}});
    auto r = Rec(30, "x");
    BTAddRec(fb, ref, r.data(), r.size());
    BTAddKey(fb, 1, ref, "k");
    return fb;
  }
  // Records 1..3 of 30 bytes, record 2 deleted again (first on the chain).
  IsamFileBlockPtr ThreeRecordsSecondDeleted() {
    IsamFileBlockPtr fb = CreateOpen(30, {});
    auto r = Rec(30, "x");
    std::int32_t ref = 0;
    for (int i = 0; i < 3; ++i) BTAddRec(fb, ref, r.data(), r.size());
    BTDeleteRec(fb, 2);
    return fb;
  }
};

TEST_F(FaultsTest, FailedRecordWriteTakesTheAllocationBack) {
  IsamFileBlockPtr fb = ThreeRecordsSecondDeleted();
  auto r = Rec(30, "x");
  std::int32_t ref = 0;
  Arm();
  env.failWriteAt = 1;  // the record write (the mark is already on disk)
  ref = 0;
  BTAddRec(fb, ref, r.data(), r.size());
  EXPECT_EQ(IsamError, isam::err::kShortWrite);
  EXPECT_EQ(ref, 0);
  EXPECT_EQ(BTUsedRecs(fb), 2);
  EXPECT_EQ(BTFileLen(fb), 3);
  BTAddRec(fb, ref, r.data(), r.size());
  EXPECT_EQ(ref, 2);  // still first on the chain
  env.writeErrno = ENOSPC;
  env.failWriteAt = env.writes + 1;
  BTAddRec(fb, ref, r.data(), r.size());
  EXPECT_EQ(IsamError, isam::err::kIoError);
  EXPECT_EQ(IsamDOSError, ENOSPC);
  EXPECT_EQ(IsamDOSFunc, kFuncWrite);
  EXPECT_EQ(BTFileLen(fb), 3);
  BTCloseFileBlock(fb);
  EXPECT_TRUE(IsamOK);
  SetEnv(nullptr);
  EXPECT_TRUE(IsamCheckFileBlock("data\\t").Ok());
}

TEST_F(FaultsTest, FirstHostErrorOfACallIsKept) {
  IsamFileBlockPtr fb = ThreeRecordsSecondDeleted();
  auto r = Rec(30, "x");
  std::int32_t ref = 0;
  Arm();
  env.failWriteAt = 1;
  env.writeErrno = ENOSPC;
  env.failLaterWrites = true;  // putting the chain link back fails too
  BTAddRec(fb, ref, r.data(), r.size());
  EXPECT_EQ(env.writes, 2);
  EXPECT_EQ(IsamError, isam::err::kIoError);
  EXPECT_EQ(IsamDOSError, ENOSPC);
  EXPECT_EQ(IsamDOSFunc, kFuncWrite);
  // The next call starts with a clear status.
  BTUsedRecs(fb);
  EXPECT_EQ(IsamDOSError, 0);
  IsamExists("data\\none");
  EXPECT_EQ(IsamDOSError, ENOENT);
  EXPECT_EQ(IsamDOSFunc, kFuncExists);
  SetEnv(nullptr);
}

TEST_F(FaultsTest, FailedCloseLeavesTheFileblockOpen) {
  std::int32_t ref = 0;
  IsamFileBlockPtr fb = OneKeyedRecord(ref);
  Arm();
  env.writeErrno = EIO;
  env.failWriteAt = 1;  // the page written at close
  BTCloseFileBlock(fb);
  EXPECT_EQ(IsamError, isam::err::kIoError);
  EXPECT_EQ(IsamDOSError, EIO);
  ASSERT_NE(fb, nullptr);
  std::int32_t found = 0;
  BTFindKey(fb, 1, found, "k");
  EXPECT_EQ(found, ref);
  BTCloseFileBlock(fb);
  EXPECT_TRUE(IsamOK) << IsamError;
  SetEnv(nullptr);
  EXPECT_TRUE(IsamCheckFileBlock("data\\t").Ok());
}

TEST_F(FaultsTest, ShortPageReadAndOpenErrors) {
  std::int32_t ref = 0;
  IsamFileBlockPtr fb = OneKeyedRecord(ref);
  BTCloseFileBlock(fb);
  BTOpenFileBlock(fb, "data\\t");
  Arm();
  env.failReadAt = 1;
  std::int32_t found = 0;
  BTFindKey(fb, 1, found, "k");
  EXPECT_EQ(IsamError, isam::err::kShortRead);
  BTFindKey(fb, 1, found, "k");  // the page is read again, whole
  EXPECT_TRUE(IsamOK);
  BTCloseFileBlock(fb);

  Arm();
  env.failReadAt = 0;
  env.openErrno = EMFILE;
  env.failOpenAt = 2;  // the data file (the dialog file is tried first)
  BTOpenFileBlock(fb, "data\\t");
  EXPECT_EQ(IsamError, isam::err::kTooManyFiles);
  env.openErrno = EACCES;
  env.failOpenAt = env.opens + 3;  // the index file
  BTOpenFileBlock(fb, "data\\t");
  EXPECT_EQ(IsamError, isam::err::kIndexDamaged);
  EXPECT_EQ(fb, nullptr);
  SetEnv(nullptr);
  BTOpenFileBlock(fb, "data\\t");  // nothing was left open by the failures
  EXPECT_TRUE(IsamOK) << IsamError;
}

// Every write of a busy session fails once in turn: each failure is a
// status, and what is on disk afterwards either opens cleanly or carries
// the damaged mark.
TEST_F(FaultsTest, EveryWriteFailingInTurn) {
  for (int n = 1; n <= 60; ++n) {
    ResetForTest();
    IsamFileBlockPtr fb = CreateOpen(30, {{4, true}});
    Arm();
    env.writeErrno = (n % 2) ? EIO : 0;
    env.failWriteAt = n;
    auto r = Rec(30, "x");
    int failures = 0;
    for (int i = 0; i < 150; ++i) {
      std::int32_t ref = 0;
      BTAddRec(fb, ref, r.data(), r.size());
      if (!IsamOK) {
        ++failures;
        continue;
      }
      char k[8];
      std::snprintf(k, sizeof k, "%04d", (i * 37) % 100);
      BTAddKey(fb, 1, ref, k);
      if (!IsamOK) ++failures;
    }
    BTCloseFileBlock(fb);
    if (!IsamOK) ++failures;
    EXPECT_EQ(failures, 1) << n;
    SetEnv(nullptr);
    if (fb != nullptr) BTCloseFileBlock(fb);
    ResetForTest();
    // Either the failure left nothing wrong behind, or the mark asks for a
    // rebuild; never a clean-looking damaged index.
    CheckReport rep = IsamCheckFileBlock("data\\t");
    if (!rep.DamagedMark)
      for (auto& p : rep.Problems) ADD_FAILURE() << n << ": " << p;
  }
}

TEST_F(FaultsTest, OpenFileblockIsExclusive) {
  std::int32_t ref = 0;
  IsamFileBlockPtr fb = OneKeyedRecord(ref);
  auto datBefore = Bytes("data/t.DAT");

  IsamFileBlockPtr second = nullptr;
  BTOpenFileBlock(second, "data\\t");
  EXPECT_EQ(IsamError, isam::err::kIoError);
  EXPECT_EQ(second, nullptr);
  IsamIndDescr iid;
  iid[1] = {5, false};
  BTCreateFileBlock("data\\t", 30, 1, iid);
  EXPECT_EQ(IsamError, isam::err::kIoError);
  IsamDeleteFileBlock("data\\t");
  EXPECT_FALSE(IsamOK);
  EXPECT_EQ(Bytes("data/t.DAT"), datBefore);

  // Another process is refused the same way.
  pid_t pid = fork();
  if (pid == 0) {
    IsamFileBlockPtr other = nullptr;
    BTOpenFileBlock(other, "data\\t");
    _exit(IsamError == isam::err::kIoError ? 0 : 1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  std::int32_t found = 0;
  BTFindKey(fb, 1, found, "k");
  EXPECT_EQ(found, ref);
  BTCloseFileBlock(fb);
  BTOpenFileBlock(second, "data\\t");
  EXPECT_TRUE(IsamOK);
}

// ---- Damaged files -----------------------------------------------------------

class DamagedTest : public StoreTest {
 protected:
  static constexpr std::size_t kBlock = (4 + 9) * 62 + 6;
  // A two-level index of 100 entries, closed.
  void Build() {
    IsamFileBlockPtr fb = CreateOpen(30, {{4, false}});
    auto r = Rec(30, "x");
    for (int i = 0; i < 100; ++i) {
      std::int32_t ref = 0;
      BTAddRec(fb, ref, r.data(), r.size());
      char k[8];
      std::snprintf(k, sizeof k, "%04d", i);
      BTAddKey(fb, 1, ref, k);
    }
    BTCloseFileBlock(fb);
    ASSERT_TRUE(IsamCheckFileBlock("data\\t").Ok());
  }
  // Runs every key operation; each must end in a status.
  void Exercise() {
    IsamFileBlockPtr fb = nullptr;
    BTOpenFileBlock(fb, "data\\t");
    if (!IsamOK) return;
    std::int32_t ref = 0;
    IsamKeyStr key;
    for (int i = 0; i < 300 && IsamError != isam::err::kIndexEnd; ++i) BTNextKey(fb, 1, ref, key);
    BTFindKey(fb, 1, ref, "0050");
    BTKeyExists(fb, 1, 0, "0099");
    BTAddKey(fb, 1, 1, "0050x");
    BTDeleteKey(fb, 1, 1, "0010");
    for (int i = 0; i < 100; ++i) BTDeleteKey(fb, 1, i + 1, "0000");
    BTCloseFileBlock(fb);
    if (fb) BTCloseAllFileBlocks();
  }
};

TEST_F(DamagedTest, HostilePagesEndInAStatus) {
  struct Damage {
    std::size_t at;
    std::vector<unsigned char> bytes;
  } damages[] = {
      {kBlock * 3, {200, 0}},                // root item count above 62
      {kBlock * 3 + 6 + 8, {50}},            // key length above the key length
      {kBlock * 3 + 2, {3, 0, 0, 0}},        // root's left child is itself
      {kBlock * 3 + 2, {0x7F, 0, 0, 0x7F}},  // child page far outside the file
      {kBlock * 3 + 6 + 4, {0xFF, 0xFF, 0xFF, 0xFF}},  // child -1
      {kBlock * 1, {0, 0}},                  // an empty leaf
      {16, {99, 0, 0, 0}},                   // RootRef outside the pages
      {8, {0xFF, 0xFF, 0xFF, 0x7F}},         // NumRec huge
      {0, {2, 0, 0, 0}},                     // free chain head that is in the tree
  };
  for (const Damage& d : damages) {
    ResetForTest();
    BTInitIsam(NoNet, 6);
    Build();
    WriteBytes("data/t.IX", static_cast<std::int64_t>(d.at), d.bytes);
    Exercise();  // must not crash, hang or overrun (sanitizers watch)
    ResetForTest();
    EXPECT_FALSE(IsamCheckFileBlock("data\\t").Ok()) << d.at;
  }
}

TEST_F(DamagedTest, HostileHeadersAreRefusedAtOpen) {
  BTInitIsam(NoNet, 62);
  Build();
  IsamFileBlockPtr fb = nullptr;
  WriteBytes("data/t.DAT", 12, Le32(5));  // record length below 21
  BTOpenFileBlock(fb, "data\\t");
  EXPECT_EQ(IsamError, isam::err::kRecordTooShort);
  WriteBytes("data/t.DAT", 12, Le32(30));
  WriteBytes("data/t.DAT", 16, {9});  // nine keys
  BTOpenFileBlock(fb, "data\\t");
  EXPECT_EQ(IsamError, isam::err::kTooManyKeys);
  WriteBytes("data/t.DAT", 16, {1});
  // Files cut inside their headers are damaged files, not read errors.
  std::filesystem::resize_file(Path("data/t.IX"), 10);
  BTOpenFileBlock(fb, "data\\t");
  EXPECT_EQ(IsamError, isam::err::kIndexDamaged);
  std::filesystem::resize_file(Path("data/t.DAT"), 7);
  BTOpenFileBlock(fb, "data\\t");
  EXPECT_EQ(IsamError, isam::err::kDataFileDamaged);
  EXPECT_EQ(fb, nullptr);
}

}  // namespace
