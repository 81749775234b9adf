// Zones: the zone line, the table read from data\zonedef.txt, and the
// point-in-zone rule.
#include "map/zones.h"

#include <gtest/gtest.h>

#include "tests/editors/catalogue_fixture.h"

namespace {

using catalogue_test::CatalogueTest;

TEST(ZoneLine, ExampleLineFillsEveryGlobal) {
  zones::ResetForTest();
  zones::SHELFVAR[1] = zones::ParseZoneLine("1|2.5|10|20|60|80|1|2|7|8|9|5|6|11|12|13|3|4");
  zones::ZONE = 1;
  zones::CONVZONE();
  EXPECT_EQ(zones::SHELFVAR[1][1], 1);
  EXPECT_DOUBLE_EQ(zones::ZOOM, 2.5);
  EXPECT_EQ(zones::OFFSETX, 10);
  EXPECT_EQ(zones::OFFSETY, 20);
  EXPECT_DOUBLE_EQ(zones::ZONELOWLIMITY, 1);
  EXPECT_DOUBLE_EQ(zones::ZONEHIGHLIMITY, 60);
  EXPECT_DOUBLE_EQ(zones::ZONELOWLIMITX, 2);
  EXPECT_DOUBLE_EQ(zones::ZONEHIGHLIMITX, 80);
  EXPECT_EQ(zones::OFFSETX_CIRCLES, 7);
  EXPECT_EQ(zones::OFFSETY_CIRCLES, 8);
  EXPECT_EQ(zones::X_OFFSETX, 5);
  EXPECT_EQ(zones::X_OFFSETY, 6);
  EXPECT_EQ(zones::LABELOFFSETX, 3);
  EXPECT_EQ(zones::LABELOFFSETY, 4);
  EXPECT_EQ(zones::TARGETMINY, 9);
  EXPECT_EQ(zones::TARGETMAXX, 13);
}

TEST(ZoneLine, BadAndMissingFieldsReadAsZero) {
  auto row = zones::ParseZoneLine("3|x|7.6|-2.5");
  EXPECT_EQ(row[1], 3);
  EXPECT_EQ(row[2], 0);
  EXPECT_DOUBLE_EQ(row[3], 7.6);
  EXPECT_DOUBLE_EQ(row[4], -2.5);
  for (int i = 5; i <= 18; ++i) EXPECT_EQ(row[i], 0) << i;
  // A trailing "|" is accepted.
  EXPECT_DOUBLE_EQ(zones::ParseZoneLine("0|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|")[17], 16);
}

TEST(ZoneRule, BordersCountAsInside) {
  zones::ResetForTest();
  zones::SHELFVAR[2] = zones::ParseZoneLine("2|3|0|0|50|100|10|20");
  EXPECT_TRUE(zones::INZONE(2, 20, 10));
  EXPECT_TRUE(zones::INZONE(2, 100, 50));
  EXPECT_TRUE(zones::INZONE(2, 60, 30));
  EXPECT_FALSE(zones::INZONE(2, 19.9, 30));
  EXPECT_FALSE(zones::INZONE(2, 60, 50.1));
  EXPECT_FALSE(zones::INZONE(51, 1, 1));  // outside the table: a zone of zeros
}

class ZoneFileTest : public CatalogueTest {};

TEST_F(ZoneFileTest, ReadsLineOneAsCountAndTheZonesAfterIt) {
  WriteFile("data/zonedef.txt",
            "2\r\n0|1.5|4|6|300|400|0|0|0|0|0|0|0|0|0|0|0|0\r\n"
            "1|3|-100|-50|150|200|0|0|0|0|0|0|0|0|0|0|2|1\r\n"
            "2|4|-300|-20|150|400|0|200|0|0|0|0|0|0|0|0|0|0\r\n");
  zones::ZONE = 1;
  zones::LOADZONES();
  EXPECT_EQ(zones::NUMOFZONES, 2);
  EXPECT_DOUBLE_EQ(zones::ZOOM, 3);
  EXPECT_EQ(zones::OFFSETX, -100);
  EXPECT_EQ(zones::OFFSETY, -50);
  EXPECT_DOUBLE_EQ(zones::SHELFVAR[2][2], 4);
  zones::ZONE = 2;
  zones::CONVZONE();
  EXPECT_DOUBLE_EQ(zones::ZONELOWLIMITX, 200);
}

TEST_F(ZoneFileTest, MissingFileLeavesTableAndSurplusZonesAreIgnored) {
  zones::SHELFVAR[3][2] = 9;
  zones::LOADZONES();  // no file
  EXPECT_EQ(zones::SHELFVAR[3][2], 9);

  std::string text = "60\r\n";
  for (int z = 0; z <= 60; ++z) text += std::to_string(z) + "|" + std::to_string(z + 1) + "\r\n";
  WriteFile("data/zonedef.txt", text);
  zones::LOADZONES();
  EXPECT_EQ(zones::NUMOFZONES, 60);
  EXPECT_DOUBLE_EQ(zones::SHELFVAR[50][2], 51);
  EXPECT_DOUBLE_EQ(zones::SHELFVAR[3][2], 4);
}

}  // namespace
