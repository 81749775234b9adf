// The staff editors on the kiosk fixture: a headless window in virtual time
// over a scratch working folder holding the installation's language files,
// a configuration and a product file the test fills.
#pragma once

#include <string>
#include <vector>

#include "catalogue_fixture.h"
#include "editors/prodfile.h"
#include "isam/glue.h"
#include "isam/isam.h"
#include "shell/cfgfiles.h"
#include "tests/shell/shell_fixture.h"

using namespace kiosk_test;  // NOLINT: the fixture's names and colours

class EditorTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    UseInstalledLanguages();
    Write("lang/config.txt", {"150", "300", "1", "KIOSK-07", "English", "20", "HIDDEN", "2",
                              "Test Store", "1 High Street", "Town", "County", "pw", "x"});
    cfgfiles::LANG = 1;
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

  // One entry per key for every live product, none for a deleted one, each
  // built by the key rules from its record; opens and closes the file when
  // it is not open.
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
      std::string fault;
      glue::WALKKEY(editprod::PRODFILE, k, [&](std::int32_t ref, const isam::IsamKeyStr& key) {
        editprod::PRODDEF p;
        isam::BTGetRec(editprod::PF2, ref, &p);
        std::string got = key.str();
        // Key 1 ends with the record number, keys 1 and 2 with five random
        // digits before it.
        const std::string number = k == 1 ? std::to_string(ref) : "";
        const std::size_t tail = number.size() + (k <= 2 ? 5 : 0);
        if (got.size() < tail || got.substr(got.size() - number.size()) != number) {
          fault = "key " + std::to_string(k) + " of record " + std::to_string(ref) + " is " + got;
          return false;
        }
        got.resize(got.size() - tail);
        if (got != editprod::KEYBASE(p, k)) {
          fault = "key " + std::to_string(k) + " of record " + std::to_string(ref) + " is \"" +
                  key.str() + "\", its record gives \"" + editprod::KEYBASE(p, k) + "\"";
          return false;
        }
        return true;
      });
      if (!fault.empty()) return ::testing::AssertionFailure() << fault;
    }
    return ::testing::AssertionSuccess();
  }
};
