// Whole operations killed at random moments: kiosk-setup on a large
// exchange file, the product file's rebuild, and its export. Each round
// runs the operation in a child process and kills it with SIGKILL after a
// random time up to a little more than the operation takes; then it is run
// again (kiosk-setup) or the file reopened as the product editor opens it.
// After every round each record file passes the structural check, every
// product of the exchange file is in the product file, and the exchange
// file still holds every product it held before.
//
// KIOSK_CRASH_ROUNDS sets the kills per operation that land before the work
// is done (default 40, so 120 in all); KIOSK_CRASH_SEED the random seed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <thread>

#include "common/atomicfile.h"
#include "common/clock.h"
#include "common/hostpath.h"
#include "editors/prodfile.h"
#include "editors/rebuild.h"
#include "isam/check.h"
#include "isam/fileio.h"
#include "isam/isam.h"
#include "tests/support/files.h"
#include "tests/support/product_lists.h"
#include "tests/testing/kiosk_fixture.h"
#include "tools/setup_files.h"

namespace fs = std::filesystem;
using testsupport::Holds;
using testsupport::Products;
using testsupport::ProductsOfFile;
using testsupport::ProductsOfList;

namespace {

constexpr int kProducts = 2500;

// A kill loses nothing a process wrote, only what it had yet to write, so
// the flushes to disk (which guard against a power cut) are skipped in the
// children to spend the rounds on the work itself.
class NoSyncStore : public isam::IsamEnv {
 public:
  int Sync(int) override { return 0; }
};
class NoSyncWholeFiles : public kiosk::AtomicEnv {
 public:
  int Sync(int) override { return 0; }
  int SyncFolder(const std::string&) override { return 0; }
};

int EnvNumber(const char* name, int fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::atoi(v) : fallback;
}

class OperationsCrashTest : public ::testing::Test {
 protected:
  void SetUp() override {
    kiosk_test::ResetAllModules();
    root_ = fs::temp_directory_path() / ("operations_crash_" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_);
    install_ = root_ / "install";
    work_ = root_ / "work";
    const char* source = std::getenv("KIOSK_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    fs::copy(fs::path(source) / "install", install_, fs::copy_options::recursive);
    list_ = testsupport::ProductList(kProducts, "crash");
    std::ofstream(install_ / "data" / "prodlist.txt", std::ios::binary) << list_;
    products_ = ProductsOfList(list_);
    rounds_ = EnvNumber("KIOSK_CRASH_ROUNDS", 40);
    rng_.seed(static_cast<std::uint32_t>(EnvNumber("KIOSK_CRASH_SEED", 20261209)));
  }
  void TearDown() override {
    kiosk_test::ResetAllModules();
    kiosk::SetWorkFolder(".");
    fs::remove_all(root_);
  }

  // Runs work in a child; with a kill time, kills it then. True when the
  // child was killed before it finished; a child that failed is a failure.
  bool Run(const std::function<bool()>& work, std::chrono::microseconds killAfter) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
      kiosk_test::ResetAllModules();
      static NoSyncStore store;
      static NoSyncWholeFiles wholeFiles;
      isam::SetEnv(&store);
      kiosk::SetAtomicEnv(&wholeFiles);
      if (!std::freopen("/dev/null", "w", stdout)) ::_exit(4);
      ::_exit(work() ? 0 : 3);
    }
    if (killAfter.count() > 0) {
      std::this_thread::sleep_for(killAfter);
      ::kill(pid, SIGKILL);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFSIGNALED(status)) return true;
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the operation failed";
    return false;
  }
  // How long work takes, run to its end.
  std::chrono::microseconds Time(const std::function<bool()>& work) {
    const auto start = std::chrono::steady_clock::now();
    Run(work, std::chrono::microseconds(0));
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  }
  std::chrono::microseconds RandomUpTo(std::chrono::microseconds t) {
    return std::chrono::microseconds(1 + rng_() % static_cast<std::uint32_t>(t.count() + 1));
  }

  bool MakeFolder() { return setup::MakeWorkFolder(work_, install_, stdout); }

  // What a kill left, before anything runs again.
  std::string Left() const {
    const fs::path data = work_ / "data";
    std::string left = fs::exists(data / "products.DAT") ? "no trace" : "no product file yet";
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(data, ec)) {
      const std::string name = e.path().filename().string();
      if (name.find("New.DONE") != std::string::npos) return "swap under way";
      if (name.find("New.DAT") != std::string::npos || name.find("New.IX") != std::string::npos) {
        left = "build under way";
      } else if (name.find(".partial-") != std::string::npos && left != "build under way") {
        left = "temporary of a whole file";
      }
    }
    return left;
  }

  void ExpectSound(int round) {
    SCOPED_TRACE("round " + std::to_string(round));
    kiosk::SetWorkFolder(work_.string());
    for (const char* name : {"data\\products", "data\\Shelve", "data\\NotFound"}) {
      const isam::CheckReport check = isam::IsamCheckFileBlock(name);
      EXPECT_TRUE(check.Ok()) << name << ": " << (check.Problems.empty() ? "" : check.Problems.front());
    }
    EXPECT_TRUE(Holds(ProductsOfFile(), products_)) << "the product file";
    EXPECT_TRUE(Holds(ProductsOfList(testsupport::ReadFile((work_ / "data" / "prodlist.txt").string())), products_))
        << "the exchange file";
  }

  // Work in the working folder, waits in virtual time.
  std::function<bool()> InFolder(const std::function<bool()>& work) {
    return [this, work] {
      kiosk::SetWorkFolder(work_.string());
      kiosk::clock::UseVirtualTime(true);
      return work();
    };
  }

  // The product file opened as the product editor opens it (a damaged one
  // is rebuilt).
  static bool Reopen() {
    if (!editprod::SETUP()) return false;
    if (!editprod::PRODFILE.OK) editprod::OPENITP();
    const bool ok = editprod::PRODFILE.OK;
    editprod::RELEASE();
    return ok;
  }

  // The rounds of one operation: prepare, run work and kill it after
  // killAfter(round), run again, check; until rounds_ kills have landed
  // before the work was done (at most three times as many rounds). The
  // outcomes (what each kill left) are reported.
  void KillRounds(const char* operation, const std::function<bool()>& work,
                  const std::function<std::chrono::microseconds(int round)>& killAfter,
                  const std::function<bool()>& again,
                  const std::function<void(int round)>& prepare) {
    std::map<std::string, int> outcomes;
    int landed = 0;
    for (int round = 1; landed < rounds_ && round <= 3 * rounds_ && !HasFailure(); ++round) {
      prepare(round);
      const bool killed = Run(work, killAfter(round));
      ++outcomes[killed ? Left() : "finished first"];
      landed += killed ? 1 : 0;
      Run(again, std::chrono::microseconds(0));
      ExpectSound(round);
    }
    std::string line = std::string(operation) + ": " + std::to_string(landed) + " kills in the work;";
    for (const auto& [what, n] : outcomes) line += " " + what + " " + std::to_string(n) + ";";
    std::printf("%s\n", line.c_str());
    RecordProperty(operation, line);
  }

  fs::path root_, install_, work_;
  std::string list_;
  Products products_;
  int rounds_ = 0;
  std::mt19937 rng_;
};

// Most rounds find the installation copied already and the record files
// missing, so that most kills land in the imports; every fourth starts
// from nothing.
TEST_F(OperationsCrashTest, KioskSetupKilledAndRunAgain) {
  const auto setup = [this] { return MakeFolder(); };
  const auto whole = Time(setup);
  ExpectSound(0);
  const auto dropRecordFiles = [this] {
    for (const char* name : {"products", "Shelve", "NotFound"})
      for (const char* ext : {".DAT", ".IX"}) fs::remove(work_ / "data" / (std::string(name) + ext));
  };
  dropRecordFiles();
  const auto imports = Time(setup);
  const auto fromNothing = [](int round) { return round % 4 == 0; };
  KillRounds(
      "kiosk-setup", setup, [&](int round) { return RandomUpTo(fromNothing(round) ? whole : imports); },
      setup, [&](int round) {
        if (fromNothing(round)) {
          fs::remove_all(work_);
        } else {
          dropRecordFiles();
        }
      });
}

TEST_F(OperationsCrashTest, RebuildKilledAndFileReopened) {
  ASSERT_FALSE(Run([this] { return MakeFolder(); }, std::chrono::microseconds(0)));
  const auto rebuild = InFolder([] { return rebuild::REBUILD_FILES2(rebuild::Catalogue::Products); });
  const auto took = Time(rebuild);
  KillRounds(
      "rebuild", rebuild, [&](int) { return RandomUpTo(took); }, InFolder(Reopen), [this](int round) {
        if (round % 2 == 0) {  // every other rebuild repairs a file marked damaged
          std::fstream f(work_ / "data" / "products.DAT", std::ios::in | std::ios::out | std::ios::binary);
          f.seekp(20);
          f.put(1);
        }
      });
}

TEST_F(OperationsCrashTest, ExportKilledAndFileReopened) {
  ASSERT_FALSE(Run([this] { return MakeFolder(); }, std::chrono::microseconds(0)));
  const auto exportAll = InFolder([] { return editprod::SETUP() && editprod::PRODUCT1(); });
  const auto took = Time(exportAll);
  KillRounds("export", exportAll, [&](int) { return RandomUpTo(took); }, InFolder(Reopen), [](int) {});
}

}  // namespace
