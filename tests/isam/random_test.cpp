// Many mixed record and key operations on several fileblocks sharing one
// small page buffer, checked step by step against an in-memory model and,
// after every close, by the structural checker.
#include <map>
#include <random>
#include <set>

#include "isam/errors.h"
#include "isam_fixture.h"

using namespace isam;
using isam_test::StoreTest;

namespace {

// Keys compare as unsigned bytes, like the store.
using KeyBytes = std::basic_string<unsigned char>;
KeyBytes B(const IsamKeyStr& k) { return KeyBytes(reinterpret_cast<const unsigned char*>(k.data()), k.size()); }
IsamKeyStr S(const KeyBytes& b) {
  return IsamKeyStr(std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
}
using Entry = std::pair<KeyBytes, std::int32_t>;

struct KeyModel {
  int len;
  bool dup;
  std::set<Entry> entries;  // (key, record); in a unique index one per key
  bool HasKey(const KeyBytes& k) const {
    auto it = entries.lower_bound({k, INT32_MIN});
    return it != entries.end() && it->first == k;
  }
};

struct FileModel {
  std::string name;
  IsamFileBlockPtr fb = nullptr;
  std::int32_t recLen = 40;
  std::map<std::int32_t, std::vector<KeyBytes>> live;  // record -> its keys
  std::vector<KeyModel> keys;
};

class RandomTest : public StoreTest {
 protected:
  std::mt19937 rng{12345};

  KeyBytes RandomKey(int maxLen) {
    // A small alphabet (with bytes above 127) so that keys repeat and share
    // prefixes.
    static const unsigned char alphabet[] = {'A', 'B', 'C', 'a', 0xE9, 0x80, '0'};
    int len = std::uniform_int_distribution<int>(0, std::min(maxLen, 6))(rng);
    if (maxLen > 6 && rng() % 8 == 0) len = std::uniform_int_distribution<int>(0, maxLen)(rng);
    KeyBytes k;
    for (int i = 0; i < len; ++i) k += alphabet[rng() % sizeof alphabet];
    return k;
  }

  void Open(FileModel& f) {
    BTOpenFileBlock(f.fb, f.name.c_str());
    ASSERT_TRUE(IsamOK) << IsamError;
  }

  void CloseAndCheck(FileModel& f) {
    BTCloseFileBlock(f.fb);
    ASSERT_TRUE(IsamOK) << IsamError;
    CheckReport rep = IsamCheckFileBlock(f.name, true);
    for (auto& p : rep.Problems) ADD_FAILURE() << f.name << ": " << p;
    ASSERT_EQ(rep.LiveRecords, static_cast<std::int32_t>(f.live.size()));
    ASSERT_EQ(rep.Keys.size(), f.keys.size());
    for (std::size_t k = 0; k < f.keys.size(); ++k) {
      std::vector<Entry> want(f.keys[k].entries.begin(), f.keys[k].entries.end());
      std::vector<Entry> got;
      for (auto& [s, r] : rep.Keys[k].List)
        got.emplace_back(KeyBytes(reinterpret_cast<const unsigned char*>(s.data()), s.size()), r);
      ASSERT_EQ(got, want) << f.name << " key " << k + 1;
    }
  }

  void AddRecord(FileModel& f) {
    std::vector<unsigned char> rec(f.recLen, 0);
    rec[4] = static_cast<unsigned char>(rng());
    std::int32_t ref = 0;
    BTAddRec(f.fb, ref, rec.data(), rec.size());
    ASSERT_TRUE(IsamOK) << IsamError;
    ASSERT_EQ(f.live.count(ref), 0u);
    std::vector<KeyBytes> keys;
    for (std::size_t k = 0; k < f.keys.size(); ++k) {
      KeyModel& km = f.keys[k];
      KeyBytes key = RandomKey(km.len);
      BTAddKey(f.fb, static_cast<int>(k + 1), ref, S(key));
      if (!km.dup && km.HasKey(key)) {
        ASSERT_EQ(IsamError, isam::err::kDuplicateKey);
        key = KeyBytes();  // this record has no entry in this index
        keys.push_back({});
        keys.back().push_back(0xFF);  // marker: none
        continue;
      }
      ASSERT_TRUE(IsamOK) << IsamError;
      km.entries.insert({key, ref});
      keys.push_back(key);
    }
    f.live[ref] = keys;
  }

  void DeleteRecord(FileModel& f) {
    if (f.live.empty()) return;
    auto it = f.live.begin();
    std::advance(it, rng() % f.live.size());
    std::int32_t ref = it->first;
    for (std::size_t k = 0; k < f.keys.size(); ++k) {
      const KeyBytes& key = it->second[k];
      if (key.size() == 1 && key[0] == 0xFF && !f.keys[k].entries.count({key, ref})) continue;
      BTDeleteKey(f.fb, static_cast<int>(k + 1), ref, S(key));
      ASSERT_TRUE(IsamOK) << IsamError;
      f.keys[k].entries.erase({key, ref});
    }
    BTDeleteRec(f.fb, ref);
    ASSERT_TRUE(IsamOK) << IsamError;
    f.live.erase(it);
  }

  // Finds a key and steps a few entries on, comparing with the model.
  void FindAndWalk(FileModel& f, int k) {
    KeyModel& km = f.keys[k - 1];
    KeyBytes key = RandomKey(km.len);
    if (!km.entries.empty() && rng() % 2) {
      auto it = km.entries.begin();
      std::advance(it, rng() % km.entries.size());
      key = it->first;
    }
    auto first = km.entries.lower_bound({key, INT32_MIN});
    bool present = first != km.entries.end() && first->first == key;
    ASSERT_EQ(BTKeyExists(f.fb, k, 0, S(key)), present);
    if (present && km.dup) {
      ASSERT_TRUE(BTKeyExists(f.fb, k, first->second, S(key)));
      ASSERT_EQ(BTKeyExists(f.fb, k, first->second + 100000, S(key)), false);
    }
    ASSERT_TRUE(IsamOK);
    std::int32_t ref = -5;
    BTFindKey(f.fb, k, ref, S(key));
    std::set<Entry>::iterator next;
    if (present) {
      ASSERT_TRUE(IsamOK);
      ASSERT_EQ(ref, first->second);
      next = std::next(first);
    } else {
      ASSERT_EQ(IsamError, isam::err::kKeyNotFound);
      ASSERT_EQ(ref, 0);
      next = first;
      // A duplicates index has already stepped onto the first entry above;
      // a step off the end clears the position (the walk starts again).
      if (km.dup) next = next == km.entries.end() ? km.entries.begin() : std::next(next);
      if (!km.dup && next == km.entries.end()) {
        IsamKeyStr kk;
        BTNextKey(f.fb, k, ref, kk);
        ASSERT_EQ(IsamError, isam::err::kIndexEnd);
        next = km.entries.begin();
      }
    }
    for (int step = 0; step < 4; ++step) {
      IsamKeyStr got;
      std::int32_t gotRef = 0;
      BTNextKey(f.fb, k, gotRef, got);
      if (next == km.entries.end()) {
        ASSERT_EQ(IsamError, isam::err::kIndexEnd);
        return;
      }
      ASSERT_TRUE(IsamOK) << IsamError;
      ASSERT_EQ(B(got), next->first);
      ASSERT_EQ(gotRef, next->second);
      ++next;
    }
  }

  // After a change the walk goes on after the caller's last entry.
  void ResumeAfterChange(FileModel& f, int k) {
    KeyModel& km = f.keys[k - 1];
    if (km.entries.empty()) return;
    auto it = km.entries.begin();
    std::advance(it, rng() % km.entries.size());
    Entry last = *it;
    std::int32_t ref = 0;
    BTFindKey(f.fb, k, ref, S(last.first));
    AddRecord(f);
    DeleteRecord(f);
    // Duplicates: the first entry above (key, record); unique: the first
    // key above the caller's key.
    auto want = km.dup ? km.entries.upper_bound(last)
                       : km.entries.upper_bound({last.first, INT32_MAX});
    IsamKeyStr key = S(last.first);
    ref = last.second;
    BTNextKey(f.fb, k, ref, key);
    if (want == km.entries.end()) {
      ASSERT_EQ(IsamError, isam::err::kIndexEnd);
    } else {
      ASSERT_TRUE(IsamOK) << IsamError;
      ASSERT_EQ(B(key), want->first);
      ASSERT_EQ(ref, want->second);
    }
  }

  void FullWalk(FileModel& f, int k) {
    KeyModel& km = f.keys[k - 1];
    BTClearKey(f.fb, k);
    std::vector<Entry> got;
    for (;;) {
      IsamKeyStr key;
      std::int32_t ref = 0;
      BTNextKey(f.fb, k, ref, key);
      if (!IsamOK) {
        ASSERT_EQ(IsamError, isam::err::kIndexEnd);
        break;
      }
      got.emplace_back(B(key), ref);
      ASSERT_LE(got.size(), km.entries.size());
    }
    ASSERT_EQ(got, std::vector<Entry>(km.entries.begin(), km.entries.end()));
  }

  void Run(std::vector<std::vector<std::pair<int, bool>>> layouts, int ops, int pages) {
    BTInitIsam(NoNet, pages);
    ASSERT_TRUE(IsamOK);
    std::vector<FileModel> files(layouts.size());
    for (std::size_t i = 0; i < layouts.size(); ++i) {
      FileModel& f = files[i];
      f.name = "data\\r" + std::to_string(i);
      IsamIndDescr iid;
      for (std::size_t k = 0; k < layouts[i].size(); ++k) {
        iid[static_cast<int>(k + 1)] = {static_cast<std::uint8_t>(layouts[i][k].first),
                                        layouts[i][k].second};
        f.keys.push_back({layouts[i][k].first, layouts[i][k].second, {}});
      }
      BTCreateFileBlock(f.name.c_str(), f.recLen, static_cast<int>(layouts[i].size()), iid);
      ASSERT_TRUE(IsamOK);
      Open(f);
    }
    for (int op = 0; op < ops; ++op) {
      FileModel& f = files[rng() % files.size()];
      int k = 1 + static_cast<int>(rng() % f.keys.size());
      int what = static_cast<int>(rng() % 100);
      // Grow for the first half, then shrink, so trees go up and down.
      int addShare = op < ops / 2 ? 55 : 25;
      if (what < addShare) AddRecord(f);
      else if (what < 60) DeleteRecord(f);
      else if (what < 90) FindAndWalk(f, k);
      else if (what < 97) ResumeAfterChange(f, k);
      else if (what < 98) FullWalk(f, k);
      else {
        CloseAndCheck(f);
        Open(f);
      }
      if (HasFatalFailure()) return;
    }
    for (FileModel& f : files) {
      for (int k = 1; k <= static_cast<int>(f.keys.size()); ++k) FullWalk(f, k);
      CloseAndCheck(f);
    }
    BTExitIsam();
    EXPECT_TRUE(IsamOK);
  }
};

TEST_F(RandomTest, ShortKeysThreeFileblocksSixPages) {
  Run({{{1, false}, {1, true}}, {{2, true}, {5, false}}, {{3, true}}}, 12000, 6);
}

TEST_F(RandomTest, MediumKeys) {
  Run({{{15, true}, {36, false}, {15, true}}, {{8, false}}}, 8000, 7);
}

TEST_F(RandomTest, LongKeys) {
  Run({{{110, false}, {180, true}}, {{60, true}}}, 4000, 6);
}

// Pages below the buffer must go almost at once: a page looked at on the
// way down is often gone when the item is put in or taken out where it
// lies, and changed pages reach the file long before the close.
TEST_F(RandomTest, FewKeptPages) {
  IsamSetKeptPagesLimitForTest(1000);
  Run({{{15, true}, {36, false}}, {{2, true}}}, 8000, 6);
}

TEST_F(RandomTest, ProductLayoutLargeBuffer) {
  Run({{{110, false}, {36, true}, {15, true}, {15, true}}}, 6000, 62);
}

}  // namespace
