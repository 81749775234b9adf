// The location display on a headless screen in virtual time: the kiosk's
// blinking cross, the rings over the product, the time-out, the zoom to the
// product's zone, and the product file of a running search.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "map/locate.h"
#include "screen/keys.h"
#include "shell/cfgfiles.h"
#include "tests/map/render_fixture.h"

namespace {

using render_test::Element;
using render_test::RenderTest;

constexpr int kRing = 220, kFade = 250;

// Zone 0 shows the store 1:1; zones 1 and 2 both hold (200, 200), zone 3
// holds only (500, 500).
constexpr const char* kZones =
    "3\r\n"
    "0|1|0|0|600|900|0|0|0|0|0|0|0|0|0|0|0|0\r\n"
    "1|2|-100|-100|300|300|100|100|0|0|0|-200|-200|0|0|0|0|0\r\n"
    "2|3|-250|-250|260|260|180|180|0|0|0|-500|-500|0|0|0|0|0\r\n"
    "3|2|-400|-400|600|600|400|400|0|0|0|-800|-800|0|0|0|0|0\r\n";

class LocateTest : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    const std::string src = SourceDir();
    std::filesystem::create_directories(dir_ + "/lang");
    for (const char* f : {"selE.txt", "selnE.txt", "quesE.txt"})
      std::filesystem::copy_file(src + "/install/lang/" + f, dir_ + "/lang/" + f);
    std::filesystem::copy_file(src + "/install/data/lang2.txt", dir_ + "/data/lang2.txt");
    std::filesystem::copy_file(src + "/install/fixtures/x.bmp", dir_ + "/fixtures/x.bmp");
    // The kiosk stands at (400, 300) on floor 1; the store has 2 floors.
    std::ofstream(dir_ + "/lang/config.txt", std::ios::binary)
        << "400\r\n300\r\n1\r\nK1\r\nEnglish\r\n20\r\nX\r\n2\r\nShop\r\nStreet\r\nCity\r\nState\r\npw\r\npw2\r\n";
    std::ofstream(dir_ + "/data/zonedef.txt", std::ios::binary) << kZones;
    Element shelf;  // far from the kiosk and the product
    shelf.x = 40, shelf.y = 500;
    Element upstairs = shelf;
    upstairs.floor = "2";
    std::ofstream(dir_ + "/data/Shelves.txt", std::ios::binary) << shelf.Line() << "\r\n"
                                                                 << upstairs.Line() << "\r\n";
    cfgfiles::ResetForTest();
    dispmap::ResetForTest();
    kiosk::clock::SetVirtualSleepHook([this](std::int64_t now) { Sample(now); });
    graph::SetKeyDemandHook([this](bool blocking) { Keys(blocking); });
    start_ = kiosk::clock::NowMs();
  }
  void TearDown() override {
    kiosk::clock::SetVirtualSleepHook(nullptr);
    graph::SetKeyDemandHook(nullptr);
    RenderTest::TearDown();
  }

  static std::string SourceDir() {
    const char* env = std::getenv("KIOSK_SOURCE_DIR");
    return env ? env : std::filesystem::path(__FILE__).parent_path().parent_path().parent_path().string();
  }

  // The pixels of a rectangle, to tell a mark from the map under it.
  static std::vector<std::uint32_t> Region(int x1, int y1, int x2, int y2) {
    std::vector<std::uint32_t> v;
    for (int y = y1; y <= y2; ++y)
      for (int x = x1; x <= x2; ++x) v.push_back(graph::GetPixelRgb(x, y));
    return v;
  }
  // Where the cross of a kiosk at (400, 300) goes in zone 0.
  static std::vector<std::uint32_t> CrossArea() { return Region(373, 270, 408, 306); }
  // Ring pixels around the product in zone 0 (the rings' square starts 45
  // left of and 47 above it).
  int RingPixels() const {
    const int x = static_cast<int>(productX_) - 45, y = static_cast<int>(productY_) - 47;
    return Count(kRing, x, y, x + 70, y + 70) + Count(kFade, x, y, x + 70, y + 70);
  }

  // Called on every wait: counts the cross and ring appearances.
  void Sample(std::int64_t) {
    if (!sampling_) return;
    const auto cross = CrossArea();
    if (crossBackground_.empty()) crossBackground_ = cross;
    const bool crossOn = cross != crossBackground_;
    if (crossOn && !crossWasOn_) ++crossBlinks_;
    crossWasOn_ = crossOn;
    const bool ringsOn = RingPixels() > 0;
    if (ringsOn && !ringsWereOn_) ++ringShows_;
    ringsWereOn_ = ringsOn;
  }

  // Hands over the scripted keys once their time has come; a blocking read
  // with nothing left to give gets an Escape so that no test can hang.
  void Keys(bool blocking) {
    const std::int64_t now = kiosk::clock::NowMs() - start_;
    if (!script_.empty() && now >= script_.front().first) {
      script_.front().second();
      script_.erase(script_.begin());
    } else if (blocking) {
      ++blockingReads_;
      if (script_.empty()) graph::PushChar(27);
    }
  }

  // Shows the product at (200, 200) on floor productFloor with the
  // shopper's preset; returns the time the display took.
  std::int64_t Show(int productFloor, double x = 200, double y = 200) {
    editmap::SETUPM();
    mapview::CHANGEZONE = productFloor;
    dispmap::CFLOOR = productFloor;
    dispmap::TEST_FLAG = 2;
    cfgfiles::XFOUND = x;
    cfgfiles::YFOUND = y;
    sampling_ = true;
    const std::int64_t t0 = kiosk::clock::NowMs();
    dispmap::LOADSH();
    sampling_ = false;
    return kiosk::clock::NowMs() - t0;
  }

  double productX_ = 200, productY_ = 200;
  std::int64_t start_ = 0;
  std::vector<std::pair<std::int64_t, std::function<void()>>> script_;
  int blockingReads_ = 0;
  bool sampling_ = false;
  std::vector<std::uint32_t> crossBackground_;
  bool crossWasOn_ = false, ringsWereOn_ = false;
  int crossBlinks_ = 0, ringShows_ = 0;
};

TEST_F(LocateTest, OnTheKiosksFloorTheCrossBlinksAndRingsFollowUntilTimeOut) {
  const std::int64_t took = Show(1);
  EXPECT_EQ(dispmap::PON, dispmap::kCycles);
  EXPECT_EQ(crossBlinks_, 15);
  EXPECT_EQ(ringShows_, 15);
  EXPECT_NEAR(took, 15 * 2400, 200);  // 1000 ms of cross and 1400 ms of rings a cycle
  // Both marks are gone: the map under them is back.
  EXPECT_EQ(CrossArea(), crossBackground_);
  EXPECT_EQ(RingPixels(), 0);
  EXPECT_TRUE(std::filesystem::exists(dir_ + "/x2.bmp"));
  EXPECT_EQ(blockingReads_, 0);
}

// A product at the kiosk's own position: the kiosk's cross is centred where
// the rings over the product are, on the same map point.
TEST_F(LocateTest, TheKiosksCrossIsCentredWhereTheRingsOfAProductThereAre) {
  // The area around the kiosk at (400, 300) shows only the marks.
  struct Centre {
    double x = 0, y = 0;
    int n = 0;
  };
  Centre cross, rings;
  kiosk::clock::SetVirtualSleepHook([&](std::int64_t) {
    if (!sampling_) return;
    Centre all, ring;
    for (int y = 240; y <= 340; ++y)
      for (int x = 340; x <= 440; ++x) {
        if (Is(x, y, kiosk_test::kBlack)) continue;
        all.x += x, all.y += y, ++all.n;
        if (Is(x, y, kRing)) ring.x += x, ring.y += y, ++ring.n;
      }
    if (ring.n > rings.n) rings = ring;  // the fullest set of rings
    if (ring.n == 0 && all.n > 0) cross = all;
  });
  productX_ = 400, productY_ = 300;
  Show(1, 400, 300);
  ASSERT_GT(cross.n, 50) << "the cross was never seen";
  ASSERT_GT(rings.n, 50) << "the rings were never seen";
  EXPECT_NEAR(cross.x / cross.n, rings.x / rings.n, 1.0);
  EXPECT_NEAR(cross.y / cross.n, rings.y / rings.n, 1.0);
}

TEST_F(LocateTest, OnAnotherFloorOnlyRingsEveryCycle) {
  const std::int64_t took = Show(2);
  EXPECT_EQ(dispmap::PON, dispmap::kCycles);
  EXPECT_EQ(crossBlinks_, 0);
  EXPECT_FALSE(std::filesystem::exists(dir_ + "/x2.bmp"));
  EXPECT_EQ(ringShows_, 15);
  EXPECT_NEAR(took, 15 * (1400 + 1200), 200);
  EXPECT_EQ(mapview::FLOOR, 2);
}

TEST_F(LocateTest, ProductOutsideTheZoneShownGetsNoRingsButItsSquareIsRestored) {
  Show(2, 950, 200);  // beyond zone 0's x limit of 900
  EXPECT_EQ(ringShows_, 0);
  EXPECT_EQ(Count(kRing), 0);
  EXPECT_TRUE(std::filesystem::exists(dir_ + "/c2.bmp"));
  // A product without a position is shown at (100, 100).
  productX_ = productY_ = 100;
  Show(2, 0, 0);
  EXPECT_EQ(cfgfiles::YFOUND, 100.0);
  EXPECT_EQ(ringShows_, 15);
}

TEST_F(LocateTest, FunctionKeyZoomsToTheHighestZoneHoldingTheProduct) {
  script_.push_back({5000, [] { graph::PushCode(63); }});    // F5
  script_.push_back({20000, [] { graph::PushChar('A'); }});  // during the zoomed wait
  Show(2);
  EXPECT_EQ(zones::ZONE, 2);
  EXPECT_EQ(dispmap::ZOOM_FLAG, 2);
  EXPECT_EQ(zones::ZOOM, 3);
  EXPECT_EQ(screen::VALANS, screen::key::kNone);
  EXPECT_EQ(blockingReads_, 0);  // the key waited for was there
  EXPECT_LT(dispmap::PON, dispmap::kCycles);
}

TEST_F(LocateTest, TheMenuLinesUnderTheMapAreTheCallersFromStartToEnd) {
  // The staff screens' lines by default; the search sets its own for its
  // call, and the display keeps them through both waits.
  for (const bool shopper : {false, true}) {
    dispmap::WAIT_MENU = shopper ? dispmap::kShopperWaitMenu : dispmap::kWaitMenu;
    dispmap::ZOOM_MENU = shopper ? dispmap::kShopperZoomMenu : dispmap::kZoomMenu;
    script_.clear();
    script_.push_back({kiosk::clock::NowMs() - start_ + 5000, [] { graph::PushCode(63); }});
    script_.push_back({kiosk::clock::NowMs() - start_ + 20000, [] { graph::PushChar('A'); }});
    Show(2);
    // The zoomed wait's line is the last one fetched.
    EXPECT_EQ(screen::TEMP, shopper ? "Next product A)" : "Back to the product A)");
    EXPECT_EQ(dispmap::WAIT_MENU, shopper ? dispmap::kShopperWaitMenu : dispmap::kWaitMenu);
    editmap::RELEASEM();
  }
}

TEST_F(LocateTest, ZoomOutsideEveryZoneShowsTheWholeStoreAndWaitsForAKey) {
  script_.push_back({3000, [] { graph::PushCode(59); }});  // F1
  Show(2, 50, 500);
  EXPECT_EQ(zones::ZONE, 0);
  EXPECT_EQ(dispmap::PON, dispmap::kCycles);
  EXPECT_GT(blockingReads_, 0);  // no time-out after a zoom
}

TEST_F(LocateTest, AnyOtherKeyEndsTheDisplay) {
  script_.push_back({3000, [] { graph::PushChar('b'); }});
  const std::int64_t took = Show(2);
  EXPECT_LT(took, 6000);  // the cycle under way is finished first
  EXPECT_EQ(zones::ZONE, 0);
  EXPECT_EQ(screen::VALANS, screen::key::kNone);
}

TEST_F(LocateTest, EditorViewerAsksTheOptionsFloorAndZone) {
  for (char c : std::string("ABA"))
    script_.push_back({0, [c] { graph::PushChar(c); }});
  for (char c : std::string("7\r2\r5\r1\r"))  // floor 7 and zone 5 do not exist
    script_.push_back({0, [c] { graph::PushChar(c); }});
  editmap::SETUPM();
  dispmap::TEST_FLAG = 0;
  cfgfiles::XFOUND = cfgfiles::YFOUND = 200;
  dispmap::CFLOOR = 2;
  dispmap::LOADSH();
  EXPECT_EQ(mapview::PSHELVES, "Y");
  EXPECT_EQ(mapview::PGRID, "N");
  EXPECT_EQ(mapview::PLABEL, "Y");
  EXPECT_EQ(mapview::CHANGEZONE, 2);
  EXPECT_EQ(mapview::FLOOR, 2);
  EXPECT_EQ(dispmap::FLOOR1, 2);
  EXPECT_EQ(zones::ZONE, 1);
  EXPECT_EQ(zones::ZOOM, 2);
}

TEST_F(LocateTest, PresetsSetTheOptions) {
  struct Row {
    int preset;
    const char *shelves, *grid, *label;
  };
  for (Row r : {Row{1, "N", "Y", "Y"}, Row{2, "N", "N", "Y"}, Row{3, "Y", "Y", "N"}, Row{4, "N", "N", "N"},
                Row{5, "Y", "Y", "Y"}}) {
    dispmap::TEST_FLAG = r.preset;
    zones::ZONE = 1;
    mapview::CHANGEZONE = 2;
    dispmap::CFLOOR = 1;
    dispmap::QUES();
    SCOPED_TRACE(r.preset);
    EXPECT_EQ(mapview::PSHELVES, r.shelves);
    EXPECT_EQ(mapview::PGRID, r.grid);
    EXPECT_EQ(mapview::PLABEL, r.label);
    EXPECT_EQ(zones::ZONE, r.preset == 1 || r.preset == 3 ? 1 : 0);
    EXPECT_EQ(mapview::FLOOR, r.preset == 2 ? 1 : 2);
    EXPECT_EQ(dispmap::OFLOOR, mapview::FLOOR);
  }
}

class DisplayEntryTest : public LocateTest {};

TEST_F(DisplayEntryTest, TheSearchsProductFileIsOpenAgainAfterTheDisplay) {
  ASSERT_TRUE(editprod::SETUP());
  editprod::OPENITP();
  ASSERT_NE(editprod::PF2, nullptr);
  EXPECT_TRUE(dispmap::DISPLAYMAP2(2, 2, 2, 200, 200));
  EXPECT_TRUE(isam::IsamOK);
  EXPECT_EQ(dispmap::PON, dispmap::kCycles);
  ASSERT_NE(editprod::PF2, nullptr);
  EXPECT_EQ(isam::BTUsedRecs(editprod::PF2), 0);
  EXPECT_TRUE(isam::IsamOK);
  EXPECT_EQ(editmap::PE, nullptr);
  EXPECT_TRUE(isam::IsamIsInitialized());  // the search's store runs on
  editprod::RELEASE();
  EXPECT_FALSE(isam::IsamIsInitialized());
}

TEST_F(DisplayEntryTest, AMapFileThatCannotBeOpenedIsReportedAndTheProductFileStillReopened) {
  std::filesystem::create_directories(dir_ + "/data/Shelve.DAT/blocked");
  std::filesystem::create_directories(dir_ + "/data/Shelve.IX/blocked");
  ASSERT_TRUE(editprod::SETUP());
  editprod::OPENITP();
  ASSERT_NE(editprod::PF2, nullptr);
  EXPECT_FALSE(dispmap::DISPLAYMAP2(1, 1, 2, 200, 200));
  EXPECT_FALSE(isam::IsamOK);
  EXPECT_NE(isam::IsamError, 0);
  EXPECT_NE(editprod::PF2, nullptr);
  EXPECT_EQ(isam::BTUsedRecs(editprod::PF2), 0);
  editprod::RELEASE();
}

TEST_F(DisplayEntryTest, WithoutARunningStoreTheDisplayStartsAndEndsItsOwn) {
  EXPECT_TRUE(dispmap::DISPLAYMAP2(1, 1, 2, 200, 200));
  EXPECT_FALSE(isam::IsamIsInitialized());
  EXPECT_EQ(editmap::PE, nullptr);
  EXPECT_EQ(dispmap::PON, dispmap::kCycles);
  EXPECT_EQ(mapview::FLOOR, 1);
}

}  // namespace
