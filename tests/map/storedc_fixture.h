// The shopper's search on the kiosk fixture, over a working folder holding
// the installation's language files, a configuration and a product file the
// test fills. When a test's keys run out the search is left with Escape and
// the staff code, so that the endless shopper loop always ends (and the
// test fails).
#pragma once

#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/clock.h"
#include "editors/editnot.h"
#include "editors/prodfile.h"
#include "isam/glue.h"
#include "isam/isam.h"
#include "map/storedc.h"
#include "screen/primitives.h"
#include "shell/cfgfiles.h"
#include "tests/testing/kiosk_fixture.h"

using namespace kiosk_test;  // NOLINT: the fixture's names and colours

class SearchTest : public KioskTest {
 protected:
  void SetUp() override {
    KioskTest::SetUp();
    UseInstalledLanguages();
    WriteConfig("20", "HIDDEN");
    cfgfiles::LANG = 1;  // the kiosk starts in language 1
    std::tm noon{};
    noon.tm_year = 126;
    noon.tm_mon = 11;
    noon.tm_mday = 9;
    noon.tm_hour = 14;
    noon.tm_min = 5;
    noon.tm_sec = 9;
    screen::SetTimeSource([noon] { return noon; });
  }

  void OnKeysRunOut() override { Keys("\x1b~KKKVVV\r"); }

  void WriteConfig(const std::string& limit, const std::string& excluded) {
    Write("lang/config.txt", {"150", "300", "1", "KIOSK-07", "English", limit, excluded, "2",
                              "Test Store", "1 High Street", "Town", "County", "pw", "x"});
  }

  // Adds products in this order (record numbers 1, 2, ...); a word line
  // that starts with "-" is added and then deleted.
  void Products(const std::vector<std::string>& words, const std::string& exclude = "") {
    ASSERT_TRUE(editprod::SETUP());
    editprod::OPENITP();
    ASSERT_TRUE(editprod::PRODFILE.OK);
    for (const std::string& w : words) {
      editprod::CLEARIT();
      editprod::PRODUCT.KLINE1 = w[0] == '-' ? w.substr(1) : w;
      editprod::PRODUCT.EXCLUDE = exclude;
      editprod::PRODUCT.HEADER = "Aisle of " + w;
      editprod::PRODUCT.FLOOR = "1";
      editprod::PRODUCT.COORDX = "12.5";
      editprod::PRODUCT.COORDY = "40";
      ASSERT_TRUE(editprod::NEWSTRUCTURE()) << w;
      if (w[0] == '-') {
        ASSERT_TRUE(editprod::ERASEPRODUCT(editprod::PRODFILE.ACTREC));
      }
    }
    editprod::CLOSEITP();
    editprod::RELEASE();
  }

  // Opens the product file as the search does.
  void OpenForSearch() {
    cfgfiles::TESTNEWCFG(cfgfiles::WHEREISX, cfgfiles::WHEREISY, cfgfiles::FLOORX);
    storedc::EXCLUDES = cfgfiles::EXCLUDE;
    ASSERT_TRUE(storedc::SETUP());
    storedc::OPENITP();
    ASSERT_NE(editprod::PF2, nullptr);
  }

  std::vector<std::int32_t> Hits() const {
    std::vector<std::int32_t> hits;
    for (std::int32_t r : storedc::REC_FOUND) {
      if (r == 0) break;
      hits.push_back(r);
    }
    return hits;
  }

  // The log's live entries, in record order.
  std::vector<editnot::NOTDEF> LogEntries() {
    std::vector<editnot::NOTDEF> out;
    if (!std::filesystem::exists(folder_ / "data" / "NotFound.DAT")) return out;
    EXPECT_TRUE(editnot::SETUPN());
    glue::OPENIT(editnot::NOTFILE);
    for (std::int32_t r = 1; r <= isam::BTFileLen(editnot::NOTFILE.fb); ++r) {
      editnot::NOTDEF e;
      isam::BTGetRec(editnot::NOTFILE.fb, r, &e);
      if (isam::IsamOK && e.DEL == 0) out.push_back(e);
    }
    glue::CLOSEIT(editnot::NOTFILE);
    glue::RELEASE(editnot::NOTFILE);
    return out;
  }
};
