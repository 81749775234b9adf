// The demo store shipped with the default installation, read with the
// kiosk's own import: every product lies on its shelf, on the shelf's floor,
// inside a zoomed zone; labels exist for every language in both views.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

#include "screen/primitives.h"
#include "tests/editors/catalogue_fixture.h"

namespace {

using catalogue_test::CatalogueTest;
using catalogue_test::Consistent;

class DemoStoreTest : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    const char* env = std::getenv("KIOSK_SOURCE_DIR");
    const std::string src = env ? std::string(env)
                                : std::filesystem::path(__FILE__).parent_path().parent_path().parent_path().string();
    for (const char* f : {"prodlist.txt", "Shelves.txt", "zonedef.txt"}) {
      std::filesystem::copy_file(src + "/install/data/" + f, Path(std::string("data/") + f));
    }
  }
};

double Num(std::string_view s) {
  double r = 0;
  screen::STRINGTOREAL(s, r);
  return r;
}

TEST_F(DemoStoreTest, ProductsSitOnTheirShelvesInsideAZoomedZone) {
  editmap::SETUPM();
  ASSERT_TRUE(editmap::MAPFILE.OK);
  EXPECT_TRUE(Consistent(editmap::MAPFILE));
  std::map<std::string, editmap::MAPDEF> shelves;
  std::set<std::string> labels;  // "<view><language digit><floor>"
  std::set<std::string> fixtures;
  for (std::int32_t r = 1; r <= isam::BTFileLen(editmap::PE); ++r) {
    editmap::MAPDEF e;
    isam::BTGetRec(editmap::PE, r, &e);
    const std::string id = e.S_ID.str();
    if (id.find("L1") == 0 || id.find("L3") == 0) {
      labels.insert(id.substr(0, 2) + e.S_LENGTH.str() + e.S_FLOOR.str());
    } else {
      shelves[id] = e;
      if (e.S_SIZE != "0") fixtures.insert(e.S_SIZE.str());
    }
  }
  editmap::RELEASEM();
  EXPECT_EQ(fixtures, (std::set<std::string>{"F1", "F2", "F3", "F4", "R4", "C0", "4C", "C5", "R42", "42C"}));
  for (const char* view : {"L1", "L3"}) {
    for (char lang = '1'; lang <= '5'; ++lang) {
      for (char floor = '1'; floor <= '2'; ++floor) {
        EXPECT_TRUE(labels.count(std::string(view) + lang + floor)) << view << lang << floor;
      }
    }
  }

  zones::LOADZONES();
  EXPECT_GE(zones::NUMOFZONES, 5);

  ASSERT_TRUE(editprod::SETUP());
  editprod::OPENITP();
  ASSERT_TRUE(editprod::PRODFILE.OK);
  EXPECT_GE(editprod::ECPT1(), 400);
  EXPECT_TRUE(Consistent(editprod::PRODFILE));
  for (std::int32_t r = 1; r <= isam::BTFileLen(editprod::PF2); ++r) {
    editprod::PRODDEF p;
    isam::BTGetRec(editprod::PF2, r, &p);
    SCOPED_TRACE(p.KLINE1.str());
    auto it = shelves.find(p.SHELF.str());
    ASSERT_NE(it, shelves.end()) << p.SHELF.str();
    EXPECT_EQ(it->second.S_FLOOR, p.FLOOR);
    const double x = Num(p.COORDX.view()), y = Num(p.COORDY.view());
    // Within reach of its shelf's anchor.
    EXPECT_LT(std::abs(x - Num(it->second.S_X.view())), 150);
    EXPECT_LT(std::abs(y - Num(it->second.S_Y.view())), 150);
    bool zoomed = false;
    for (int z = 1; z <= zones::NUMOFZONES; ++z) zoomed = zoomed || zones::INZONE(z, x, y);
    EXPECT_TRUE(zoomed);
    EXPECT_FALSE(p.HEADER.empty());
    EXPECT_FALSE(p.SEEALSO.empty());
  }
  editprod::RELEASE();
}

}  // namespace
