// Shared set-up for the store's tests: a fresh working folder with a data
// folder, the store reset before and after each test, and small helpers for
// reading files byte by byte.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/hostpath.h"
#include "isam/check.h"
#include "isam/dberrors.h"
#include "isam/isam.h"
#include "isam/pagebuf.h"
#include "tests/testing/scratch_folder.h"

namespace isam_test {

class StoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    isam::ResetForTest();
    scratch_.Make({"data"});
    dir_ = scratch_.path();
  }
  void TearDown() override {
    isam::ResetForTest();
    scratch_.Remove();
  }

  std::string Path(const std::string& rel) const { return (dir_ / rel).string(); }
  std::vector<unsigned char> Bytes(const std::string& rel) const {
    std::ifstream in(Path(rel), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void WriteBytes(const std::string& rel, std::int64_t at, const std::vector<unsigned char>& b) {
    std::fstream f(Path(rel), std::ios::binary | std::ios::in | std::ios::out);
    f.seekp(at);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  }
  bool FileExists(const std::string& rel) const { return std::filesystem::exists(Path(rel)); }
  static std::int32_t I32(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::int32_t>(std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 |
                                     std::uint32_t(b[at + 2]) << 16 |
                                     std::uint32_t(b[at + 3]) << 24);
  }
  static std::vector<unsigned char> Le32(std::int32_t v) {
    std::uint32_t u = static_cast<std::uint32_t>(v);
    return {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
            static_cast<unsigned char>(u >> 16), static_cast<unsigned char>(u >> 24)};
  }

  // Starts the store and creates+opens a fileblock "data\\t" with the keys
  // given as (length, duplicates) pairs.
  isam::IsamFileBlockPtr CreateOpen(std::int32_t recLen,
                                    std::vector<std::pair<int, bool>> keys,
                                    const char* name = "data\\t") {
    if (!isam::IsamIsInitialized()) isam::BTInitIsam(isam::NoNet, 62);
    isam::IsamIndDescr iid;
    for (std::size_t k = 0; k < keys.size(); ++k)
      iid[static_cast<int>(k + 1)] = {static_cast<std::uint8_t>(keys[k].first), keys[k].second};
    isam::BTCreateFileBlock(name, recLen, static_cast<std::int32_t>(keys.size()), iid);
    EXPECT_TRUE(isam::IsamOK) << isam::IsamError;
    isam::IsamFileBlockPtr fb = nullptr;
    isam::BTOpenFileBlock(fb, name);
    EXPECT_TRUE(isam::IsamOK) << isam::IsamError;
    return fb;
  }

  kiosk_test::ScratchFolder scratch_;
  std::filesystem::path dir_;
};

// Every entry of a key in key order, as a caller walking it finds them; the
// status afterwards is that of the step past the last entry.
inline std::vector<std::pair<isam::IsamKeyStr, std::int32_t>> KeyWalk(isam::IsamFileBlockPtr fb,
                                                                      int key) {
  std::vector<std::pair<isam::IsamKeyStr, std::int32_t>> entries;
  isam::BTClearKey(fb, key);
  for (;;) {
    std::int32_t ref = 0;
    isam::IsamKeyStr k;
    isam::BTNextKey(fb, key, ref, k);
    if (!isam::IsamOK) break;
    entries.emplace_back(k, ref);
  }
  return entries;
}

// A record whose first 4 bytes are 0 (live) and whose text is s.
inline std::vector<unsigned char> Rec(std::int32_t len, const std::string& s) {
  std::vector<unsigned char> r(static_cast<std::size_t>(len), 0);
  for (std::size_t i = 0; i < s.size() && 4 + i < r.size(); ++i) r[4 + i] = s[i];
  return r;
}

}  // namespace isam_test
