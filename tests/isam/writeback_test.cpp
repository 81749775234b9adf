// Changed pages stay in the store until they must go: a run of changes
// writes no page per change, the index-damaged mark is on disk before the
// first page reaches the file, and the close clears it only after the last.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>

#include "isam/fileio.h"
#include "isam/pagebuf.h"
#include "isam_fixture.h"

using namespace isam;
using isam_test::KeyWalk;
using isam_test::StoreTest;

namespace {

// Watches the writes: index pages written (not the zero blocks the file
// grows by, nor the 4-byte link of a page put on the free chain), and whether the data file's damaged mark was set on disk at
// each of them.
class MarkWatch : public IsamEnv {
 public:
  std::map<int, std::string> paths;  // open files by descriptor
  off_t blockLen = 0;                // writes from here on are pages
  int pageWrites = 0;
  int pageWritesUnmarked = 0;  // index writes while the mark was clear
  bool marked = false;

  int Open(const std::string& path, int flags, int mode) override {
    const int fd = IsamEnv::Open(path, flags, mode);
    if (fd >= 0) paths[fd] = path;
    return fd;
  }
  int Close(int fd) override {
    paths.erase(fd);
    return IsamEnv::Close(fd);
  }
  ssize_t PWrite(int fd, const void* buf, std::size_t len, off_t at) override {
    const std::string& p = paths[fd];
    const auto* b = static_cast<const unsigned char*>(buf);
    if (p.size() > 3 && p.compare(p.size() - 3, 3, ".IX") == 0 && at >= blockLen && len > 4 &&
        std::any_of(b, b + len, [](unsigned char c) { return c != 0; })) {
      ++pageWrites;
      if (!marked) ++pageWritesUnmarked;
    }
    if (p.size() > 4 && p.compare(p.size() - 4, 4, ".DAT") == 0 && at <= 20 &&
        at + static_cast<off_t>(len) > 20)
      marked = static_cast<const unsigned char*>(buf)[20 - at] != 0;
    return IsamEnv::PWrite(fd, buf, len, at);
  }
};

class WriteBackTest : public StoreTest {
 protected:
  MarkWatch watch;
  std::mt19937 rng{99};

  // Random adds and deletes of keys with their records, in two keys.
  void Changes(IsamFileBlockPtr fb, int n, std::map<std::string, std::int32_t>& live) {
    for (int i = 0; i < n; ++i) {
      if (!live.empty() && rng() % 4 == 0) {
        auto it = live.begin();
        std::advance(it, rng() % live.size());
        BTDeleteKey(fb, 1, it->second, IsamKeyStr(it->first));
        ASSERT_TRUE(IsamOK) << IsamError;
        BTDeleteKey(fb, 2, it->second, IsamKeyStr(it->first.substr(0, 2)));
        ASSERT_TRUE(IsamOK) << IsamError;
        live.erase(it);
        continue;
      }
      const std::string key = "K" + std::to_string(rng() % 100000);
      if (live.count(key)) continue;
      const auto rec = isam_test::Rec(24, key);
      std::int32_t ref = 0;
      BTAddRec(fb, ref, rec.data(), rec.size());
      ASSERT_TRUE(IsamOK) << IsamError;
      BTAddKey(fb, 1, ref, IsamKeyStr(key));
      ASSERT_TRUE(IsamOK) << IsamError;
      BTAddKey(fb, 2, ref, IsamKeyStr(key.substr(0, 2)));
      ASSERT_TRUE(IsamOK) << IsamError;
      live[key] = ref;
    }
  }

  void ExpectWalk(IsamFileBlockPtr fb, const std::map<std::string, std::int32_t>& live) {
    const auto walk = KeyWalk(fb, 1);
    ASSERT_EQ(walk.size(), live.size());
    auto it = live.begin();
    for (const auto& [key, ref] : walk) {
      EXPECT_EQ(key.str(), it->first);
      EXPECT_EQ(ref, it->second);
      ++it;
    }
  }

  void Run(std::size_t keptLimit, bool expectWritesBeforeClose) {
    BTInitIsam(NoNet, 6);
    IsamSetKeptPagesLimitForTest(keptLimit);
    SetEnv(&watch);
    watch.blockLen = format::PageSlotLen(12) + format::PageSlotLen(2);
    IsamFileBlockPtr fb = CreateOpen(24, {{12, false}, {2, true}});
    std::map<std::string, std::int32_t> live;
    Changes(fb, 3000, live);
    if (HasFatalFailure()) return;
    ExpectWalk(fb, live);
    if (expectWritesBeforeClose) {
      EXPECT_GT(watch.pageWrites, 0);
    } else {
      EXPECT_EQ(watch.pageWrites, 0);  // hundreds of pages changed, none written yet
    }
    BTCloseFileBlock(fb);
    ASSERT_TRUE(IsamOK) << IsamError;
    EXPECT_GT(watch.pageWrites, 0);
    EXPECT_EQ(watch.pageWritesUnmarked, 0);
    EXPECT_FALSE(watch.marked);  // cleared at the close, after the pages

    const CheckReport rep = IsamCheckFileBlock("data\\t");
    for (const std::string& p : rep.Problems) ADD_FAILURE() << p;
    BTOpenFileBlock(fb, "data\\t");
    ASSERT_TRUE(IsamOK) << IsamError;
    ExpectWalk(fb, live);
    Changes(fb, 500, live);  // the second session's pages come from the file
    if (HasFatalFailure()) return;
    ExpectWalk(fb, live);
    BTCloseFileBlock(fb);
    ASSERT_TRUE(IsamOK) << IsamError;
    EXPECT_EQ(watch.pageWritesUnmarked, 0);
    for (const std::string& p : IsamCheckFileBlock("data\\t").Problems) ADD_FAILURE() << p;
  }
};

TEST_F(WriteBackTest, ChangedPagesAreWrittenAtTheCloseAfterTheMark) { Run(std::size_t(64) << 20, false); }

// With little room the oldest changed pages are written early; the mark is
// on disk before each of them all the same.
TEST_F(WriteBackTest, PagesThatMustGoEarlyAreWrittenAfterTheMark) { Run(4096, true); }

// Pages dropped without writing (as when an open fails) never reach the
// file later, whatever the store kept of them.
TEST_F(WriteBackTest, DestroyedPagesAreNeverWritten) {
  BTInitIsam(NoNet, 6);
  IsamFileBlockPtr fb = CreateOpen(24, {{12, false}, {2, true}});
  std::map<std::string, std::int32_t> live;
  Changes(fb, 800, live);
  if (HasFatalFailure()) return;
  IsamDestroyPages(fb);
  const auto before = Bytes("data/t.IX");
  BTCloseFileBlock(fb);
  ASSERT_TRUE(IsamOK);
  const auto after = Bytes("data/t.IX");
  // Only the key header (block 0) may have changed.
  ASSERT_EQ(before.size(), after.size());
  const auto blockLen = static_cast<std::size_t>(format::PageSlotLen(12) + format::PageSlotLen(2));
  EXPECT_TRUE(std::equal(before.begin() + static_cast<std::ptrdiff_t>(blockLen), before.end(),
                         after.begin() + static_cast<std::ptrdiff_t>(blockLen)));
}

}  // namespace
