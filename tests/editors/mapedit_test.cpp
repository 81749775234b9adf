// The map editor's screens, driven by keys: add, change, copy, delete, the
// search, hide and unhide of a shelf's element, the shelf move with its
// products, the floor view and the utilities. After each action every live
// element has exactly one entry per key, built from its record.
#include "editors/mapedit.h"

#include "common/clock.h"
#include "editor_fixture.h"
#include "editors/report.h"
#include "map/render.h"
#include "screen/keys.h"
#include "screen/prompt.h"

namespace {

using editmap::MAPDEF;

class MapEditorTest : public EditorTest {
 protected:
  void Pause() { Code(kPause); }
  void Esc() { Keys("\x1b"); }
  // Ctrl+Home with the cursor at the end: the starting answer emptied.
  void ClearAnswer() { Code(119); }

  // A box on floor 1: 40 long and 8 wide at angle 0, outline only.
  static MAPDEF Element(const std::string& id, const std::string& x = "100",
                        const std::string& y = "100", const std::string& dept = "Dairy") {
    MAPDEF e;
    for (int f = 1; f <= editmap::kFields; ++f) {
      static const char* const kDefaults[] = {"",  "",  "",  "All year", "", "", "40", "8", "0", "185",
                                            "0", "99", "1", "0", "12", "0", "", "1", "Chiller"};
      editmap::SetField(e, f, kDefaults[f]);
    }
    e.S_ID = id;
    e.S_DPT = dept;
    e.S_X = x;
    e.S_Y = y;
    return e;
  }

  void OpenMap() {
    editmap::SETUPM();
    ASSERT_NE(editmap::PE, nullptr);
  }
  void CloseMap() {
    editmap::CLOSEITM();
    editmap::RELEASEM();
  }
  // Adds the elements in order (record numbers 1, 2, ...).
  void StoreElements(const std::vector<MAPDEF>& elements) {
    OpenMap();
    for (const MAPDEF& e : elements) {
      editmap::SHELF = e;
      ASSERT_TRUE(editmap::NEWSTRUCTURE()) << e.S_ID.str();
    }
    CloseMap();
  }
  MAPDEF ReadElement(std::int32_t ref) {
    const bool wasOpen = editmap::PE != nullptr;
    if (!wasOpen) OpenMap();
    MAPDEF e;
    isam::BTGetRec(editmap::PE, ref, &e);
    if (!wasOpen) CloseMap();
    return e;
  }
  std::int32_t UsedElements() {
    OpenMap();
    const std::int32_t n = isam::BTUsedRecs(editmap::PE);
    CloseMap();
    return n;
  }
  // The record numbers an exact lookup or a search of the open file finds.
  static std::vector<std::int32_t> Found() {
    return {editmap::REC_FOUND.begin(), editmap::REC_FOUND.begin() + editmap::CNT1};
  }

  // One entry per key for every live element, none for a deleted one, and
  // every entry's text the one the key rules build from its record.
  ::testing::AssertionResult MapKeysConsistent() {
    OpenMap();
    auto result = catalogue_test::Consistent(editmap::MAPFILE);
    for (int k = 1; result && k <= editmap::kNumKeys; ++k) {
      glue::WALKKEY(editmap::MAPFILE, k, [&](std::int32_t ref, const isam::IsamKeyStr& key) {
        MAPDEF e;
        isam::BTGetRec(editmap::PE, ref, &e);
        std::string want = editmap::KEYBASE(e, k);
        std::string got = key.str();
        if (k == 1) {  // four random digits and the record number follow
          const std::string number = std::to_string(ref);
          const bool tail = got.size() == want.size() + 4 + number.size() &&
                            got.substr(got.size() - number.size()) == number;
          got = tail ? got.substr(0, want.size()) : got;
        }
        if (got != want) {
          result = ::testing::AssertionFailure() << "key " << k << " of element " << ref << " is \""
                                                 << key.str() << "\", its record gives \"" << want
                                                 << "\"";
        }
        return static_cast<bool>(result);
      });
    }
    CloseMap();
    return result;
  }

  // A zone 0 of zoom 2 without offsets, so that a map point (x, y) is the
  // pixel (2x, 2y).
  void WriteZones() { Write("data/zonedef.txt", {"0", "0|2|0|0|500|500|0|0|0|0|0|0|0|0|0|0|0|0"}); }

  // Installs a key feeder that runs check just before the key that leaves
  // `left` keys listed (itself included) is handed over.
  void CheckWhenKeysLeft(std::size_t left, std::function<void()> check) {
    graph::SetKeyDemandHook([this, left, check](bool blocking) {
      if (!pending_.empty()) {
        if (pending_.size() == left) check();
        for (char c : pending_.front()) graph::PushChar(c);
        pending_.pop_front();
      } else if (blocking) {
        ranOutOfKeys_ = true;
        graph::PushChar(27);
      }
    });
  }
};

TEST_F(MapEditorTest, AddIsAbandonedWithoutAnIdentifierAndGoesOnAfterAnEmptyField) {
  Keys("A\r");                        // add: no identifier, nothing added
  Keys("A");                          // add again
  Keys("B7\rDairy\r\r");              // identifier, department, season left empty
  Keys("10\r20\r5\r2\r0\r7\r0\r2\r1\r0\r0\rX\rL\r1\rC\r");
  Keys("A");                          // add it
  Keys("I");
  editmap::EDITSHELVES2();
  ASSERT_EQ(UsedElements(), 1);
  const MAPDEF e = ReadElement(1);
  EXPECT_EQ(editmap::FormatLine(e), "B7|Dairy| |10|20|5|2|0|7|0|2|1|0|0|X|L|1|C|");
  EXPECT_EQ(editmap::REKEY_FLAG, 1);
  EXPECT_TRUE(MapKeysConsistent());
}

TEST_F(MapEditorTest, ChangeReplacesTheKeysOfTheFieldsItChanged) {
  StoreElements({Element("A1"), Element("B1")});
  // Left with Escape: nothing written.
  Keys("EAA1\r");
  Pause();
  Keys("B");
  ClearAnswer();
  Keys("Frozen\r");
  Esc();
  // Identifier and department changed, then Pause: written, keys follow.
  Keys("EAA1\r");
  Pause();
  Keys("A");
  ClearAnswer();
  Keys("A 9\r");  // the blank goes
  Keys("B");
  ClearAnswer();
  Keys("Bakery\r");
  Pause();
  Keys("I");
  editmap::EDITSHELVES2();
  const MAPDEF e = ReadElement(1);
  EXPECT_EQ(e.S_ID, "A9");
  EXPECT_EQ(e.S_DPT, "Bakery");
  EXPECT_EQ(editmap::FIRST_FLAG, 1);
  EXPECT_EQ(ReadElement(2).S_DPT, "Dairy");
  EXPECT_TRUE(MapKeysConsistent());
  // Found under its new identifier and department at once, without a rebuild.
  OpenMap();
  editmap::SEARCHKEY("a9", 1);
  EXPECT_EQ(Found(), std::vector<std::int32_t>{1});
  editmap::SEARCHKEY("A1", 1);
  EXPECT_TRUE(Found().empty());
  editmap::SEARCHKEY2("bakery", 2);
  EXPECT_EQ(Found(), std::vector<std::int32_t>{1});
  CloseMap();
}

TEST_F(MapEditorTest, DeleteErasesTheElementsOwnEntriesAndEscapeLeavesTheMenu) {
  StoreElements({Element("A1"), Element("A2"), Element("A3")});
  Keys("DAA2\r");
  Pause();  // chosen ...
  Pause();  // ... and the change form ended
  Keys("A");  // yes, delete it
  // Escape on the question keeps the element and leaves the map menu.
  Keys("DAA3\r");
  Pause();
  Pause();
  Esc();
  editmap::EDITSHELVES2();
  EXPECT_EQ(UsedElements(), 2);
  EXPECT_NE(ReadElement(2).DEL, 0);
  EXPECT_EQ(ReadElement(3).DEL, 0);
  EXPECT_TRUE(MapKeysConsistent());
}

TEST_F(MapEditorTest, CopyAddsTheChangedElementAndKeepsTheOriginal) {
  StoreElements({Element("A1", "100", "100", "Dairy")});
  Keys("CAA1\r");
  Pause();
  Keys("D");  // position x
  ClearAnswer();
  Keys("300\r");
  Pause();
  Keys("I");
  editmap::EDITSHELVES2();
  ASSERT_EQ(UsedElements(), 2);
  EXPECT_EQ(ReadElement(1).S_X, "100");
  EXPECT_EQ(ReadElement(2).S_X, "300");
  EXPECT_EQ(ReadElement(2).S_ID, "A1");
  EXPECT_EQ(editmap::REKEY_FLAG, 1);
  EXPECT_TRUE(MapKeysConsistent());
}

TEST_F(MapEditorTest, SearchesWalkEveryIndexEntryCaseAside) {
  StoreElements({Element("a1", "1", "1", "DAIRY"), Element("B1", "1", "1", "Bakery"),
                 Element("A1"), Element("A12"), Element("C1", "1", "1", "dairy fresh")});
  OpenMap();
  // Deleted as older kiosks did, its entries left behind: the index holds
  // more entries than there are elements, and element 5 lies beyond the
  // used count.
  ASSERT_TRUE(glue::DELSTRUCTURE(editmap::MAPFILE, 2));
  editmap::SEARCHKEY2("dai", 2);
  EXPECT_EQ(Found(), (std::vector<std::int32_t>{1, 3, 4, 5}));  // DAIRY < Dairy < dairy fresh
  editmap::SEARCHKEY2("c1x", 1);
  EXPECT_EQ(Found(), std::vector<std::int32_t>{5});  // shortened to "c1"
  editmap::SEARCHKEY2("qqq", 1);
  EXPECT_TRUE(Found().empty());  // shortened to nothing: ends
  // The exact lookup: both spellings of A1, not A12; the deleted B1 not.
  editmap::SEARCHKEY(" A1 ", 1);
  EXPECT_EQ(Found(), (std::vector<std::int32_t>{3, 1}));
  editmap::SEARCHKEY("B1", 1);
  EXPECT_TRUE(Found().empty());
  CloseMap();
}

TEST_F(MapEditorTest, BrowseShowsTheElementOnItsFloorFromTheOpenFile) {
  WriteZones();
  StoreElements({Element("A1")});
  Keys("EAA1\r");
  Code(kF1);  // on the map
  Keys("x");  // ends the display
  Esc();      // ends the browse
  Keys("I");
  int drawn = 0;
  CheckWhenKeysLeft(3, [&] { drawn = Count(198, 182, 282, 202, 185); });
  editmap::EDITSHELVES2();
  EXPECT_GT(drawn, 0);
  EXPECT_EQ(cfgfiles::FLOOR, 1);
  // The display used the editor's file and store; the choice ended both.
  EXPECT_FALSE(isam::IsamIsInitialized());
  EXPECT_EQ(editmap::PE, nullptr);
}

TEST_F(MapEditorTest, HideAndUnhideTreatExactlyTheShelfsElement) {
  const std::string full(40, 'L');
  StoreElements({Element("A1"), Element("A12"), Element("A12~"), Element("XA1~Y"), Element(full)});
  std::int64_t start = kiosk::clock::NowMs();
  editmap::HSEARCHS("a1 ");  // the product's shelf text, another case
  const std::int64_t quietHide = kiosk::clock::NowMs() - start;
  EXPECT_EQ(ReadElement(1).S_ID, "A1~");
  EXPECT_EQ(ReadElement(2).S_ID, "A12");
  EXPECT_TRUE(MapKeysConsistent());
  editmap::UHSEARCHS("A1");
  EXPECT_EQ(ReadElement(1).S_ID, "A1");
  EXPECT_EQ(ReadElement(3).S_ID, "A12~");   // hidden with its own shelf
  EXPECT_EQ(ReadElement(4).S_ID, "XA1~Y");  // holds the text and a "~", is no hidden A1
  EXPECT_TRUE(MapKeysConsistent());
  // No room for the mark: left as it is, and staff are told (the message
  // stays its 5 seconds; a hide that marked everything shows none).
  start = kiosk::clock::NowMs();
  editmap::HSEARCHS(full);
  EXPECT_GE(kiosk::clock::NowMs() - start, quietHide + screen::kMessageMs);
  EXPECT_LT(quietHide, screen::kMessageMs);
  EXPECT_EQ(ReadElement(5).S_ID, full);
  editmap::UHSEARCHS(full);
  EXPECT_EQ(ReadElement(5).S_ID, full);
}

class ShelfMoveTest : public MapEditorTest {
 protected:
  void SetUp() override {
    MapEditorTest::SetUp();
    WriteZones();
    StoreElements({Element("B9", "300", "200"), Element("CW-01", "100", "100")});
    Store({Product("socks", "CW-01"), Product("shirts", "cw-01 "), Product("hats", "CW-02")});
    SetPosition(1, "110", "96");
    SetPosition(2, "130.5", "98");
  }
  void SetPosition(std::int32_t ref, const char* x, const char* y) {
    Open();
    isam::BTGetRec(editprod::PF2, ref, &editprod::PRODUCT);
    const editprod::PRODDEF old = editprod::PRODUCT;
    editprod::PRODUCT.COORDX = x;
    editprod::PRODUCT.COORDY = y;
    ASSERT_TRUE(editprod::CHANGEPRODUCT(ref, old));
    Close();
  }
  editprod::PRODDEF ReadProduct(std::int32_t ref) {
    Open();
    editprod::PRODDEF p;
    isam::BTGetRec(editprod::PF2, ref, &p);
    Close();
    return p;
  }
  // Finds CW-01, chooses it, moves it to x = 200 through menu A.
  void ChooseAndMoveTo200() {
    Keys("ACW-01\r");
    Pause();  // chosen
    Pause();  // the change form left as it was
    Keys("AD");
    ClearAnswer();
    Keys("200\r");
    Pause();
  }
  void Move() {
    editmap::MUPDATE();
    editmap::CLOSEITM();
    editmap::RELEASEM();
  }
};

TEST_F(ShelfMoveTest, FinishedMoveStoresTheShelfOnceAndItsProductsFollow) {
  ChooseAndMoveTo200();
  Keys("B");  // finish the move
  // While staff look at the map before finishing, the element is drawn
  // picked out at its new place, and its record is still as it was: a
  // crash now leaves the shelf as it was, in its own colour.
  MAPDEF during;
  int pickedAtNew = 0, pickedAtOld = 0;
  CheckWhenKeysLeft(1, [&] {
    isam::BTGetRec(editmap::PE, 2, &during);
    pickedAtNew = Count(398, 180, 482, 202, 220);
    pickedAtOld = Count(198, 180, 282, 202, 220);
  });
  Move();
  EXPECT_EQ(during.S_X, "100");
  EXPECT_EQ(during.S_COLOR, "185");
  EXPECT_EQ(during.S_THICK, "1");
  EXPECT_GT(pickedAtNew, 0);
  EXPECT_EQ(pickedAtOld, 0);
  const MAPDEF after = ReadElement(2);
  EXPECT_EQ(after.S_X, "200");
  EXPECT_EQ(after.S_COLOR, "185");
  EXPECT_EQ(after.S_THICK, "1");
  EXPECT_EQ(ReadProduct(1).COORDX, "210.0000");
  EXPECT_EQ(ReadProduct(1).COORDY, "96.0000");
  EXPECT_EQ(ReadProduct(2).COORDX, "230.5000");
  EXPECT_EQ(ReadProduct(2).FLOOR, " 1");
  EXPECT_EQ(ReadProduct(3).COORDX, "10");  // another shelf's product
  EXPECT_EQ(mapview::PICKREC, 0);
  EXPECT_EQ(cfgfiles::HFLAG, 0);
  EXPECT_TRUE(MapKeysConsistent());
  EXPECT_TRUE(KeysConsistent());
}

TEST_F(ShelfMoveTest, UndoLeavesTheShelfAndItsProductsWhereTheyWere) {
  ChooseAndMoveTo200();
  Keys("C");  // undo
  Move();
  const MAPDEF after = ReadElement(2);
  EXPECT_EQ(after.S_X, "100");
  EXPECT_EQ(after.S_COLOR, "185");
  EXPECT_EQ(ReadProduct(1).COORDX, "110");
  EXPECT_EQ(ReadProduct(2).COORDX, "130.5");
  EXPECT_TRUE(MapKeysConsistent());
}

TEST_F(ShelfMoveTest, ATurnedShelfTakesItsProductsRoundWithIt) {
  Keys("ACW-01\r");
  Pause();
  Pause();
  Keys("AH");  // the angle
  ClearAnswer();
  Keys("80\r");  // snapped to 90
  Pause();
  Keys("B");
  Move();
  EXPECT_EQ(cfgfiles::AORRIG, 0);
  EXPECT_EQ(cfgfiles::NAORRIG, 90);
  // 10 along x from the anchor becomes 10 along y from it.
  EXPECT_EQ(ReadProduct(1).COORDX, "100.0000");
  EXPECT_EQ(ReadProduct(1).COORDY, "110.0000");
}

TEST(MapEditorAngle, SnapsAsTheProductMoveButKeeps360) {
  EXPECT_EQ(editmap::CHECKANGLE(338), 360);
  EXPECT_EQ(editmap::CHECKANGLE(360), 360);
  EXPECT_EQ(editmap::CHECKANGLE(337), 315);
  EXPECT_EQ(editmap::CHECKANGLE(22), 0);
  EXPECT_EQ(editmap::CHECKANGLE(157), 157);
  EXPECT_EQ(editmap::CHECKANGLE(400), 400);
}

TEST_F(MapEditorTest, FloorAnswerOneShowsFloorZeroAndTooHighIsAskedAgain) {
  StoreElements({Element("A1")});
  Keys("F");
  Keys("5\r");  // above the two floors: asked again
  Keys("1\r");
  Keys("0\r");  // the whole store
  Keys("x");    // ends the display
  Keys("I");
  editmap::EDITSHELVES2();
  EXPECT_EQ(cfgfiles::FLOOR1, 1);
  EXPECT_EQ(cfgfiles::FLOOR, 0);
  EXPECT_EQ(mapview::CHANGEZONE, 0);
  EXPECT_EQ(mapview::PGRID, "Y");
  EXPECT_EQ(mapview::PSHELVES, "N");
}

TEST_F(MapEditorTest, ReportOfEightElementsHasOnePageLineAfterTheEighth) {
  std::vector<MAPDEF> elements;
  for (int i = 1; i <= 8; ++i) elements.push_back(Element("E" + std::to_string(i)));
  StoreElements(elements);
  std::vector<std::string> labels(21);
  for (int n = 1; n <= 20; ++n) labels[static_cast<std::size_t>(n)] = "L" + std::to_string(n);
  labels[19] = "Page";
  OpenMap();
  std::string text;
  std::vector<std::int32_t> pages;
  ASSERT_TRUE(report::BUILDREPORT(editmap::MAPFILE, editmap::MapElementReport(), labels, text,
                                  [&](std::int32_t page) { pages.push_back(page); }));
  CloseMap();
  EXPECT_EQ(pages, std::vector<std::int32_t>{1});
  const std::string first =
      "L1\tE1\tL2\tDairy\tL3\tAll year\r\n"
      "L4\t100\tL5\t100\tL6\t40\tL7\t8\tL8\t0\r\n"
      "L9\t185\tL10\t0\tL11\t99\tL12\t1\r\n"
      "L13\t0\tL14\t12\tL15\t0\r\n"
      "L16\t\tL17\t1\tL18\tChiller\r\n"
      "\n\r\n";
  EXPECT_EQ(text.substr(0, first.size()), first);
  const std::string page = "\t\tPage 1\r\n\r\n\r\r\n";
  EXPECT_EQ(text.size(), 8 * first.size() + page.size());
  EXPECT_EQ(text.substr(text.size() - page.size()), page);
}

TEST_F(MapEditorTest, ExportAndNewFileFromTextKeepEveryElement) {
  StoreElements({Element("A1", "1.5", "2"), Element("L3 English}", "7", "8"), Element("A2")});
  OpenMap();
  ASSERT_TRUE(glue::ERASERECORD(editmap::MAPFILE, 1));
  CloseMap();
  static bool accept = true;
  langs::GetPasswordHook = [](std::int32_t level) { return level == 1 && accept; };
  Keys("HE");   // utilities, export
  Keys("FA");   // new file from Shelves.txt, yes
  Pause();
  Keys("I");
  editmap::EDITSHELVES2();
  EXPECT_EQ(UsedElements(), 2);
  EXPECT_EQ(editmap::FormatLine(ReadElement(1)), editmap::FormatLine(Element("L3 English}", "7", "8")));
  EXPECT_EQ(editmap::FormatLine(ReadElement(2)), editmap::FormatLine(Element("A2")));
  EXPECT_TRUE(MapKeysConsistent());
}

TEST_F(MapEditorTest, EraseAndNewFileAskThePasswordAndAConfirmation) {
  StoreElements({Element("A1"), Element("A2")});
  static bool accept = false;
  langs::GetPasswordHook = [](std::int32_t level) { return level == 1 && accept; };
  Keys("H");  // refused password
  Keys("F");
  Pause();
  editmap::SHELFUTILITIES();
  EXPECT_EQ(UsedElements(), 2);
  accept = true;
  Keys("HB");  // answered no
  Pause();
  editmap::SHELFUTILITIES();
  EXPECT_EQ(UsedElements(), 2);
  // A new file from a missing or an empty text file is refused.
  Keys("FA");
  Pause();
  editmap::SHELFUTILITIES();
  EXPECT_EQ(UsedElements(), 2);
  Write("data/Shelves.txt", {"", "  "});
  Keys("FA");
  Pause();
  editmap::SHELFUTILITIES();
  EXPECT_EQ(UsedElements(), 2);
  Keys("HA");  // erased
  Pause();
  editmap::SHELFUTILITIES();
  EXPECT_EQ(UsedElements(), 0);
  OpenMap();
  EXPECT_EQ(isam::BTNrOfKeys(editmap::PE), 3);
  CloseMap();
}

}  // namespace
