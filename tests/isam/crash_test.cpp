// A writer killed at random moments. A child process adds and deletes
// records with their keys (opening and closing the fileblock every few
// dozen changes, with a page buffer small enough that pages are written in
// the middle of an operation); the parent kills it with SIGKILL. The next
// open must either succeed on a fileblock that passes the structural check,
// whose keys and records agree and hold exactly what the writer had when it
// last began a close, or be refused with 10010 (changed and never closed) -
// never crash, never hand out garbage, never lose a closed change.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "common/clock.h"
#include "common/hostpath.h"
#include "isam/check.h"
#include "isam/errors.h"
#include "isam/isam.h"
#include "isam_fixture.h"

namespace fs = std::filesystem;
using namespace isam;

namespace {

constexpr const char* kName = "data\\crash";
constexpr std::int32_t kRecLen = 40;
constexpr int kRounds = 200;

// Key 1: the record's own text (unique); key 2: its first 5 characters
// (duplicates). The record holds the DEL word 0, then the key 1 text.
IsamKeyStr Key2Of(const IsamKeyStr& k1) { return IsamKeyStr(k1.view().substr(0, 5)); }

// What the writer holds as it starts a close: entries and the sum of their
// record numbers. Written to a side file and renamed into place, so a kill
// leaves either the old or the new summary.
struct Summary {
  std::int64_t entries = 0, refSum = 0;
};
constexpr const char* kSummary = "data\\summary";

void WriteSummary(const Summary& s) {
  {
    std::ofstream out(kiosk::HostPath("data\\summary.tmp"));
    out << s.entries << ' ' << s.refSum << '\n';
  }
  std::rename(kiosk::HostPath("data\\summary.tmp").c_str(), kiosk::HostPath(kSummary).c_str());
}

Summary ReadSummary() {
  Summary s;
  std::ifstream in(kiosk::HostPath(kSummary));
  in >> s.entries >> s.refSum;
  return s;
}

void Create() {
  IsamIndDescr iid;
  iid[1] = {12, false};
  iid[2] = {5, true};
  BTCreateFileBlock(kName, kRecLen, 2, iid);
}

// The child: never returns. Any unexpected status ends it with code 3, which
// the parent reports.
[[noreturn]] void Writer(std::uint32_t seed) {
  std::mt19937 rng(seed);
  auto must = [](bool ok) {
    if (!ok) ::_exit(3);
  };
  BTInitIsam(NoNet, 6);
  must(IsamOK);
  // Little room for pages below the buffer either, so that pages are
  // written in the middle of an operation.
  IsamSetKeptPagesLimitForTest(4096);
  for (;;) {
    IsamFileBlockPtr fb = nullptr;
    BTOpenFileBlock(fb, kName);
    must(IsamOK);
    // The live entries, as a caller would find them: a walk of key 1.
    std::vector<std::pair<IsamKeyStr, std::int32_t>> live = isam_test::KeyWalk(fb, 1);
    must(IsamError == isam::err::kIndexEnd);
    const int changes = 1 + static_cast<int>(rng() % 40);
    for (int c = 0; c < changes; ++c) {
      const bool add = live.size() < 50 || (live.size() < 400 && rng() % 2 == 0);
      if (add) {
        IsamKeyStr k1(std::to_string(100000000 + rng() % 900000000));
        if (BTKeyExists(fb, 1, 0, k1)) continue;
        unsigned char rec[kRecLen] = {};
        for (std::size_t i = 0; i < k1.size(); ++i) rec[4 + i] = static_cast<unsigned char>(k1[i]);
        std::int32_t ref = 0;
        BTAddRec(fb, ref, rec, sizeof rec);
        must(IsamOK);
        BTAddKey(fb, 1, ref, k1);
        must(IsamOK);
        BTAddKey(fb, 2, ref, Key2Of(k1));
        must(IsamOK);
        live.emplace_back(k1, ref);
      } else {
        std::size_t i = rng() % live.size();
        auto [k1, ref] = live[i];
        live[i] = live.back();
        live.pop_back();
        BTDeleteKey(fb, 1, ref, k1);
        must(IsamOK);
        BTDeleteKey(fb, 2, ref, Key2Of(k1));
        must(IsamOK);
        BTDeleteRec(fb, ref);
        must(IsamOK);
      }
    }
    Summary sum;
    for (const auto& e : live) {
      ++sum.entries;
      sum.refSum += e.second;
    }
    WriteSummary(sum);
    BTCloseFileBlock(fb);
    must(IsamOK);
    // Now and then the kiosk rests between two menu choices with every
    // fileblock closed; kills must land there too.
    if (rng() % 4 == 0) kiosk::clock::SleepMs(1 + rng() % 3);
  }
}

class CrashTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetForTest();
    kiosk::clock::UseVirtualTime(false);  // the kills land in real time
    dir_ = fs::temp_directory_path() / ("isam_crash_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "data");
    kiosk::SetWorkFolder(dir_.string());
  }
  void TearDown() override {
    ResetForTest();
    kiosk::SetWorkFolder(".");
    fs::remove_all(dir_);
  }
  fs::path dir_;
};

// Opens the fileblock and checks that every key 1 entry names a live record
// holding that key, and that both keys count every live record.
void ExpectKeysMatchRecords(IsamFileBlockPtr fb, const Summary& want) {
  std::int32_t entries = 0;
  std::int64_t refSum = 0;
  const auto walked = isam_test::KeyWalk(fb, 1);
  const std::int32_t walkEnd = IsamError;
  for (const auto& [k, ref] : walked) {
    ++entries;
    refSum += ref;
    unsigned char rec[kRecLen];
    BTGetRec(fb, ref, rec, sizeof rec);
    ASSERT_TRUE(IsamOK) << IsamError;
    std::string text(reinterpret_cast<const char*>(rec + 4), k.size());
    ASSERT_EQ(rec[0] | rec[1] | rec[2] | rec[3], 0) << "record " << ref << " is not live";
    ASSERT_EQ(text, k.str()) << "record " << ref;
    ASSERT_TRUE(BTKeyExists(fb, 2, ref, Key2Of(k))) << k.str();
  }
  EXPECT_EQ(walkEnd, isam::err::kIndexEnd);
  EXPECT_EQ(entries, BTUsedRecs(fb));
  EXPECT_EQ(BTUsedKeys(fb, 1), entries);
  EXPECT_EQ(BTUsedKeys(fb, 2), entries);
  // A fileblock that opens was closed cleanly: it holds the last close's
  // state, nothing older and nothing half-done.
  EXPECT_EQ(entries, want.entries);
  EXPECT_EQ(refSum, want.refSum);
}

TEST_F(CrashTest, KilledWriterLeavesASoundOrRefusedFileblock) {
  std::mt19937 rng(20261209);
  BTInitIsam(NoNet, 62);
  Create();
  ASSERT_TRUE(IsamOK) << IsamError;
  BTExitIsam();
  int sound = 0, refused = 0;
  for (int round = 0; round < kRounds; ++round) {
    const std::uint32_t seed = rng();
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) Writer(seed);
    kiosk::clock::SleepMs(static_cast<std::int64_t>(rng() % 25));
    ::kill(pid, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        << "round " << round << ": the writer ended by itself, status " << status;

    BTInitIsam(NoNet, 62);
    IsamFileBlockPtr fb = nullptr;
    BTOpenFileBlock(fb, kName);
    if (IsamOK) {
      ++sound;
      ExpectKeysMatchRecords(fb, ReadSummary());
      BTCloseFileBlock(fb);
      ASSERT_TRUE(IsamOK) << IsamError;
      CheckReport rep = IsamCheckFileBlock(kName);
      ASSERT_TRUE(rep.Ok()) << "round " << round << ": " << rep.Problems.front();
    } else {
      ASSERT_EQ(IsamError, isam::err::kIndexDamaged) << "round " << round;
      ++refused;
      Create();  // what the catalogue glue's rebuild would start from
      ASSERT_TRUE(IsamOK) << IsamError;
      fs::remove(kiosk::HostPath(kSummary));
    }
    BTExitIsam();
    ASSERT_TRUE(IsamOK) << IsamError;
    if (HasFatalFailure()) return;
  }
  // Both outcomes must have been met, or the kills all fell on one side.
  EXPECT_GT(sound, 0);
  EXPECT_GT(refused, 0);
  RecordProperty("sound", sound);
  RecordProperty("refused", refused);
}

}  // namespace
