// The catalogue tests on the kiosk fixture, without a window: a scratch
// working folder, virtual time and every module reset around each test.
#pragma once

#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "common/clock.h"
#include "editors/prodfile.h"
#include "isam/glue.h"
#include "isam/isam.h"
#include "map/mapfile.h"
#include "map/zones.h"
#include "tests/testing/kiosk_fixture.h"

namespace catalogue_test {

class CatalogueTest : public kiosk_test::KioskTest {
 protected:
  void SetUp() override {
    KioskTest::SetUp();
    dir_ = folder_.string();
  }
  bool FixtureOpensWindow() const override { return false; }

  std::string dir_;
};

// Every index entry points at a live record and every live record has
// exactly one entry in every index.
inline ::testing::AssertionResult Consistent(glue::Catalogue& c) {
  std::set<std::int32_t> live;
  std::vector<char> buf(static_cast<std::size_t>(c.recLen));
  for (std::int32_t r = 1; r <= isam::BTFileLen(c.fb); ++r) {
    isam::BTGetRec(c.fb, r, buf.data(), buf.size());
    std::int32_t del = 0;
    std::memcpy(&del, buf.data(), 4);
    if (isam::IsamOK && del == 0) live.insert(r);
  }
  if (static_cast<std::int32_t>(live.size()) != isam::BTUsedRecs(c.fb)) {
    return ::testing::AssertionFailure() << "used count " << isam::BTUsedRecs(c.fb) << " but "
                                         << live.size() << " live records";
  }
  for (int k = 1; k <= static_cast<int>(c.keys.size()); ++k) {
    std::multiset<std::int32_t> refs;
    isam::BTClearKey(c.fb, k);
    for (;;) {
      std::int32_t ref = 0;
      isam::IsamKeyStr key;
      isam::BTNextKey(c.fb, k, ref, key);
      if (!isam::IsamOK) break;
      refs.insert(ref);
    }
    if (std::set<std::int32_t>(refs.begin(), refs.end()) != live || refs.size() != live.size()) {
      return ::testing::AssertionFailure() << "index " << k << " holds " << refs.size()
                                           << " entries for " << live.size() << " live records";
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace catalogue_test
