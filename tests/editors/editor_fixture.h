// The staff editors on a headless kiosk window in virtual time, over a
// scratch working folder holding the installation's language files, a
// configuration and a product file the test fills.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "../shell/shell_fixture.h"
#include "catalogue_fixture.h"
#include "editors/editnot.h"
#include "editors/prodfile.h"
#include "isam/glue.h"
#include "isam/isam.h"
#include "map/mapfile.h"

class EditorTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ResetModules();
    const char* env = std::getenv("KIOSK_SOURCE_DIR");
    const std::filesystem::path src =
        env ? std::filesystem::path(env)
            : std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
    std::filesystem::copy(src / "install" / "lang", folder_ / "lang",
                          std::filesystem::copy_options::overwrite_existing |
                              std::filesystem::copy_options::recursive);
    std::filesystem::copy(src / "install" / "data" / "lang2.txt", folder_ / "data" / "lang2.txt");
    Write("lang/config.txt", {"150", "300", "1", "KIOSK-07", "English", "20", "HIDDEN", "2",
                              "Test Store", "1 High Street", "Town", "County", "pw", "x"});
    cfgfiles::LANG = 1;
  }

  void TearDown() override {
    ResetModules();
    ShellTest::TearDown();
  }

  static void ResetModules() {
    isam::ResetForTest();
    editprod::ResetForTest();
    editnot::ResetForTest();
    editmap::ResetForTest();
  }

  // A product with words, shelf and department (other fields empty but
  // the position and floor).
  static editprod::PRODDEF Product(const std::string& words, const std::string& shelf = "A1",
                                   const std::string& dept = "Dairy") {
    editprod::PRODDEF p;
    p.KLINE1 = words;
    p.SHELF = shelf;
    p.DEPT = dept;
    p.COORDX = "10";
    p.COORDY = "20";
    p.FLOOR = "1";
    p.HEADER = "Aisle of " + words;
    return p;
  }

  // Opens the product file as the editor's choices do.
  void Open() {
    ASSERT_TRUE(editprod::SETUP());
    if (!editprod::PRODFILE.OK) editprod::OPENITP();
    ASSERT_TRUE(editprod::PRODFILE.OK);
  }
  void Close() {
    editprod::CLOSEITP();
    editprod::RELEASE();
  }

  // Adds the products in order (record numbers 1, 2, ...) to the open file.
  void Add(const std::vector<editprod::PRODDEF>& products) {
    for (const auto& p : products) {
      editprod::PRODUCT = p;
      ASSERT_TRUE(editprod::NEWSTRUCTURE()) << p.KLINE1.str();
    }
  }
  // The same on a closed file.
  void Store(const std::vector<editprod::PRODDEF>& products) {
    Open();
    Add(products);
    Close();
  }

  // One entry per key for every live product, none for a deleted one;
  // opens and closes the file when it is not open.
  ::testing::AssertionResult KeysConsistent() {
    const bool wasOpen = editprod::PF2 != nullptr;
    if (!wasOpen) {
      if (!editprod::SETUP()) return ::testing::AssertionFailure() << "store did not start";
      editprod::OPENITP();
    }
    auto result = catalogue_test::Consistent(editprod::PRODFILE);
    if (result) result = KeysFollowRecords();
    if (!wasOpen) Close();
    return result;
  }

  // Every entry's text is the one the key rules build from its record (the
  // random digits aside).
  static ::testing::AssertionResult KeysFollowRecords() {
    for (int k = 1; k <= editprod::kNumKeys; ++k) {
      isam::BTClearKey(editprod::PF2, k);
      for (;;) {
        std::int32_t ref = 0;
        isam::IsamKeyStr key;
        isam::BTNextKey(editprod::PF2, k, ref, key);
        if (!isam::IsamOK) break;
        editprod::PRODDEF p;
        isam::BTGetRec(editprod::PF2, ref, &p);
        std::string want = editprod::BUILDKEY(p, k);
        std::string got = key.str();
        if (k <= 2) {  // five random digits, then (key 1) the record number
          if (k == 1) {
            const std::string number = std::to_string(ref);
            if (got.size() < number.size() || got.substr(got.size() - number.size()) != number)
              return ::testing::AssertionFailure() << "key 1 of " << ref << " is " << got;
            got.resize(got.size() - number.size());
          }
          want.resize(want.size() - 5);
          if (got.size() < 5) return ::testing::AssertionFailure() << "key " << k << ": " << got;
          got.resize(got.size() - 5);
        }
        if (got != want) {
          return ::testing::AssertionFailure() << "key " << k << " of record " << ref << " is \""
                                               << key.str() << "\", its record gives \"" << want
                                               << "\"";
        }
      }
      isam::BTClearKey(editprod::PF2, k);
    }
    isam::IsamClearOK();
    return ::testing::AssertionSuccess();
  }

  std::string ReadText(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};
