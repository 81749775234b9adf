// Map element records: layout, keys, the exchange line, and the file's
// import, export and first start.
#include "map/mapfile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <regex>

#include "common/atomicfile.h"
#include "tests/editors/catalogue_fixture.h"

namespace {

using catalogue_test::CatalogueTest;
using catalogue_test::Consistent;
using editmap::MAPDEF;

TEST(MapRecord, StoredBytesBeyondLengthAndPaddingAreIgnored) {
  unsigned char raw[260];
  std::memset(raw, 'Z', sizeof raw);  // garbage everywhere
  std::memset(raw, 0, 4);             // DEL 0
  raw[4] = 3;
  std::memcpy(raw + 5, "A12", 3);     // S_ID
  raw[216] = 1;
  raw[217] = '2';                     // S_FLOOR
  MAPDEF rec;
  std::memcpy(static_cast<void*>(&rec), raw, sizeof rec);
  editmap::CHECKRECORD(rec);  // as every read from the file does
  EXPECT_EQ(rec.S_ID, "A12");
  EXPECT_EQ(rec.S_DPT.size(), 16u);  // a length byte of 90 is cut to the field
  EXPECT_EQ(rec.S_FLOOR, "2");
  EXPECT_EQ(editmap::FormatLine(rec).substr(0, 4), "A12|");
}

TEST(MapKeys, KeyOneIsIdentifierAndFourDigits) {
  MAPDEF rec;
  rec.S_ID = "GONDOLA 7   ";
  EXPECT_THAT(editmap::BUILDKEY(rec, 1), ::testing::MatchesRegex("GONDOLA 7[0-9]{4}"));
  rec.S_ID = "";
  EXPECT_THAT(editmap::BUILDKEY(rec, 1), ::testing::MatchesRegex("_[0-9]{4}"));
  rec.S_ID = "  ";
  EXPECT_THAT(editmap::BUILDKEY(rec, 1), ::testing::MatchesRegex("_[0-9]{4}"));
}

TEST(MapKeys, DepartmentAndSeasonKeysFitTheirIndex) {
  MAPDEF rec;
  rec.S_DPT = "Dairy  ";
  rec.S_SEAS = "";
  EXPECT_EQ(editmap::BUILDKEY(rec, 2), "Dairy");
  EXPECT_EQ(editmap::BUILDKEY(rec, 3), "_");
  rec.S_DPT = "  Frozen";  // leading blanks stay
  EXPECT_EQ(editmap::BUILDKEY(rec, 2), "  Frozen");
  rec.S_SEAS = "ABCDEFGHIJKLMNOP";  // 16 characters: cut to the index's 15
  EXPECT_EQ(editmap::BUILDKEY(rec, 3), "ABCDEFGHIJKLMNO");
}

void ExpectExampleElement(const MAPDEF& r) {
  EXPECT_EQ(r.DEL, 0);
  EXPECT_EQ(r.S_ID, "A1");
  EXPECT_EQ(r.S_DPT, "D");
  EXPECT_EQ(r.S_SEAS, "S");
  EXPECT_EQ(r.S_X, "10");
  EXPECT_EQ(r.S_Y, "20");
  EXPECT_EQ(r.S_LENGTH, "5");
  EXPECT_EQ(r.S_WIDTH, "2");
  EXPECT_EQ(r.S_ANGLE, "0");
  EXPECT_EQ(r.S_COLOR, "7");
  EXPECT_EQ(r.S_STYLE, "0");
  EXPECT_EQ(r.S_FILL, "2");
  EXPECT_EQ(r.S_THICK, "1");
  EXPECT_EQ(r.S_IFLABEL, "0");
  EXPECT_EQ(r.S_BCOLOR, "0");
  EXPECT_EQ(r.S_SIZE, "X");
  EXPECT_EQ(r.S_MAPLABEL, "L");
  EXPECT_EQ(r.S_FLOOR, "1");
  EXPECT_EQ(r.S_COMMENT, "C");
}

TEST(MapLine, ExampleWithAndWithoutFinalBar) {
  ExpectExampleElement(editmap::ParseLine("A1|D|S|10|20|5|2|0|7|0|2|1|0|0|X|L|1|C|"));
  ExpectExampleElement(editmap::ParseLine("A1|D|S|10|20|5|2|0|7|0|2|1|0|0|X|L|1|C"));
}

TEST(MapLine, EmptyDepartmentTakesTheRestAndLaterFieldsAreEmpty) {
  MAPDEF r = editmap::ParseLine("A1||S|10|20|5|2|0|7|0|2|1|0|0|X|L|1|C|");
  EXPECT_EQ(r.S_ID, "A1");
  EXPECT_EQ(r.S_DPT, "S|10|20|5|2|0|7|");  // the rest of the line, cut to 16
  EXPECT_TRUE(r.S_SEAS.empty());
  EXPECT_TRUE(r.S_COMMENT.empty());
  EXPECT_TRUE(r.S_FLOOR.empty());
}

TEST(MapLine, TrailingBlanksGoExceptOnThicknessLabelAndFloor) {
  MAPDEF r = editmap::ParseLine("W1  |D |S |1 |2 |3 |4 |0 |7 |0 |2 |1 |4 |B |F1 |Dairy  |2 |note  |");
  EXPECT_EQ(r.S_ID, "W1");
  EXPECT_EQ(r.S_SIZE, "F1");
  EXPECT_EQ(r.S_THICK, "1 ");
  EXPECT_EQ(r.S_MAPLABEL, "Dairy  ");
  EXPECT_EQ(r.S_FLOOR, "2 ");
  EXPECT_EQ(r.S_COMMENT, "note");
}

TEST(MapLine, ExportedLineReadsBackWithEmptyFields) {
  MAPDEF r;
  r.S_ID = "LABEL L3 English";
  r.S_X = "12.5";
  r.S_Y = "40";
  r.S_LENGTH = "1";
  r.S_MAPLABEL = "Bakery";
  r.S_FLOOR = "1";
  // department, season, width and comment left empty
  const std::string line = editmap::FormatLine(r);
  EXPECT_EQ(line.back(), '|');
  MAPDEF back = editmap::ParseLine(line);
  EXPECT_EQ(editmap::FormatLine(back), line);
  EXPECT_EQ(back.S_MAPLABEL, "Bakery");
  EXPECT_EQ(back.S_FLOOR, "1");
  EXPECT_TRUE(back.S_DPT.empty());
  EXPECT_TRUE(back.S_COMMENT.empty());
}

class MapFileTest : public CatalogueTest {};

TEST_F(MapFileTest, FirstStartBuildsTheFileFromTheExchangeFile) {
  WriteFile("data/Shelves.txt",
            "A1|D|S|10|20|5|2|0|7|0|2|1|0|0|X|L|1|C|\r\n"
            "A1|D|S|30|20|5|2|90|7|0|2|1|0|0|X|L|1|C|\r\n"
            "GRID 1|_|_|0|0|100|0.1|0|250|0|99|1|0|0|0| |1|grid|\r\n");
  editmap::SETUPM();
  ASSERT_TRUE(editmap::MAPFILE.OK);
  EXPECT_EQ(editmap::SMAXREC, 3);  // two elements with the same identifier both added
  EXPECT_TRUE(Consistent(editmap::MAPFILE));
  isam::BTGetRec(editmap::PE, 2, &editmap::SHELF);
  EXPECT_EQ(editmap::SHELF.S_ANGLE, "90");
  editmap::RELEASEM();
  EXPECT_FALSE(isam::IsamIsInitialized());
}

TEST_F(MapFileTest, ExportThenImportReproducesEveryLiveElement) {
  std::string text;
  for (int i = 1; i <= 30; ++i) {
    text += "S" + std::to_string(i) + "|Dept" + std::to_string(i % 4) + "|All|" +
            std::to_string(i * 3) + "|" + std::to_string(i) + "|10|2|" + std::to_string((i % 8) * 45) +
            "|7|0|2|1|0|0|0| |" + std::to_string(1 + i % 2) + "|c" + std::to_string(i) + "|\r\n";
  }
  WriteFile("data/Shelves.txt", text);
  editmap::SETUPM();
  ASSERT_TRUE(editmap::MAPFILE.OK);
  for (std::int32_t ref : {4, 11, 30}) ASSERT_TRUE(glue::ERASERECORD(editmap::MAPFILE, ref));
  std::vector<std::string> before;
  for (std::int32_t r = 1; r <= isam::BTFileLen(editmap::PE); ++r) {
    isam::BTGetRec(editmap::PE, r, &editmap::SHELF);
    if (editmap::SHELF.DEL == 0) before.push_back(editmap::FormatLine(editmap::SHELF));
  }
  ASSERT_EQ(before.size(), 27u);
  ASSERT_TRUE(editmap::SHELVES1());  // closes the file
  EXPECT_EQ(ReadFile("data/Shelves.txt").find("S4|"), std::string::npos);
  ASSERT_TRUE(editmap::TESTNEW());
  editmap::OPENITM();
  ASSERT_TRUE(editmap::MAPFILE.OK);
  EXPECT_TRUE(Consistent(editmap::MAPFILE));
  std::vector<std::string> after;
  for (std::int32_t r = 1; r <= isam::BTFileLen(editmap::PE); ++r) {
    isam::BTGetRec(editmap::PE, r, &editmap::SHELF);
    if (editmap::SHELF.DEL == 0) after.push_back(editmap::FormatLine(editmap::SHELF));
  }
  EXPECT_EQ(after, before);
  editmap::RELEASEM();
}

TEST_F(MapFileTest, DamagedLengthBytesAreCutWhenRead) {
  WriteFile("data/Shelves.txt", "A1|D|S|10|20|5|2|0|7|0|2|1|0|0|X|L|1|C|\r\n");
  editmap::SETUPM();
  editmap::RELEASEM();
  std::fstream f(Path("data/Shelve.DAT"), std::ios::in | std::ios::out | std::ios::binary);
  f.seekp(260 + 79);  // record 1, S_X
  f.put(static_cast<char>(200));
  f.close();
  editmap::SETUPM();
  ASSERT_TRUE(editmap::MAPFILE.OK);
  isam::BTGetRec(editmap::PE, 1, &editmap::SHELF);
  EXPECT_EQ(editmap::SHELF.S_X.size(), 9u);
  EXPECT_EQ(editmap::SHELF.S_ID, "A1");
  editmap::SHELVES1();  // writes nothing from past the field
  EXPECT_EQ(ReadFile("data/Shelves.txt").substr(0, 9), "A1|D|S|10");
  editmap::RELEASEM();
}

TEST_F(MapFileTest, ExportWithoutAnOpenFileLeavesTheExchangeFileAlone) {
  const std::string text = "A1|D|S|10|20|5|2|0|7|0|2|1|0|0|X|L|1|C|\r\n";
  WriteFile("data/Shelves.txt", text);
  isam::BTInitIsam(isam::NoNet, 62);
  EXPECT_FALSE(editmap::SHELVES1());  // no map file yet: one is created, empty
  EXPECT_EQ(ReadFile("data/Shelves.txt"), text);
  isam::BTExitIsam();
}

TEST_F(MapFileTest, ExportThatCannotBeWrittenKeepsTheOldExchangeFile) {
  const std::string text = "A1|D|S|10|20|5|2|0|7|0|2|1|0|0|X|L|1|C|\r\n";
  WriteFile("data/Shelves.txt", text);
  editmap::SETUPM();
  ASSERT_TRUE(editmap::MAPFILE.OK);
  editmap::SHELF = editmap::ParseLine("B2|D|S|1|2|5|2|0|7|0|2|1|0|0|X|L|1|C|");
  ASSERT_TRUE(editmap::NEWSTRUCTURE());
  // The disk fills as the new file is written: the old one stays whole.
  struct FullDisk : kiosk::AtomicEnv {
    ssize_t Write(int, const void*, std::size_t) override {
      errno = ENOSPC;
      return -1;
    }
  } full;
  kiosk::AtomicEnv* was = kiosk::SetAtomicEnv(&full);
  EXPECT_FALSE(editmap::SHELVES1());
  kiosk::SetAtomicEnv(was);
  EXPECT_EQ(ReadFile("data/Shelves.txt"), text);
  ASSERT_TRUE(editmap::SHELVES1());
  EXPECT_NE(ReadFile("data/Shelves.txt").find("B2|"), std::string::npos);
  editmap::RELEASEM();
}

TEST_F(MapFileTest, EmptyDataFileIsRefilledFromTheExchangeFileOnRebuild) {
  isam::BTInitIsam(isam::NoNet, 62);
  ASSERT_TRUE(editmap::CREATEFILE());
  WriteFile("data/Shelves.txt", "A1|D|S|10|20|5|2|0|7|0|2|1|0|0|X|L|1|C|\r\nA2|D|S|10|20|5|2|0|7|0|2|1|0|0|X|L|1|C|\r\n");
  ASSERT_TRUE(editmap::REBUILD());
  editmap::OPENITM();
  EXPECT_EQ(editmap::SMAXREC, 2);
  editmap::CLOSEITM();
  isam::BTExitIsam();
}

TEST_F(MapFileTest, AddKeyAppendsTheRecordNumberToKeyOneOnly) {
  isam::BTInitIsam(isam::NoNet, 62);
  ASSERT_TRUE(editmap::CREATEFILE());
  editmap::OPENITM();
  ASSERT_TRUE(editmap::MAPFILE.OK);
  ASSERT_TRUE(editmap::ADDKEY("ABC", 12, 1));
  ASSERT_TRUE(editmap::ADDKEY("ABC", 12, 2));
  std::int32_t ref = 0;
  isam::BTFindKey(editmap::PE, 1, ref, isam::IsamKeyStr("ABC12"));
  EXPECT_TRUE(isam::IsamOK);
  EXPECT_EQ(ref, 12);
  isam::BTFindKey(editmap::PE, 2, ref, isam::IsamKeyStr("ABC"));
  EXPECT_TRUE(isam::IsamOK);
  EXPECT_EQ(ref, 12);
  editmap::CLOSEITM();
  isam::BTExitIsam();
}

}  // namespace
