// The products of a shelf: direction snapping, the table of new positions,
// the shelf move, hide and unhide.
#include "editors/prodfile_shelf.h"

#include <cmath>
#include <tuple>

#include "editor_fixture.h"

namespace {

using editprod::CHECK_ANGLE;
using editprod::GET_NEWPADD;
using editprod::PRODDEF;

TEST(ShelfAngle, SnapsToMultiplesOf45AsTheTableGives) {
  const std::pair<int, int> cases[] = {
      {0, 0},     {22, 0},    {23, 45},   {66, 45},   {67, 90},   {112, 90},  {113, 135},
      {156, 135}, {158, 135}, {177, 135}, {178, 180}, {202, 180}, {203, 225}, {247, 225},
      {248, 270}, {292, 270}, {293, 315}, {337, 315}, {338, 0},   {360, 0}};
  for (auto [in, out] : cases) EXPECT_EQ(CHECK_ANGLE(in), out) << in;
  // No row of the table holds these: they stay as they are.
  EXPECT_EQ(CHECK_ANGLE(157), 157);
  EXPECT_EQ(CHECK_ANGLE(-1), -1);
  EXPECT_EQ(CHECK_ANGLE(361), 361);
}

class ShelfMoveMath : public ::testing::Test {
 protected:
  void SetUp() override { cfgfiles::ResetForTest(); }
  void TearDown() override { cfgfiles::ResetForTest(); }
  // Old anchor (100, 200) at old direction a; new anchor (300, 50) at n.
  static void Move(int a, int n, double length = 40) {
    cfgfiles::XORRIG = 100;
    cfgfiles::YORRIG = 200;
    cfgfiles::AORRIG = a;
    cfgfiles::NXORRIG = 300;
    cfgfiles::NYORRIG = 50;
    cfgfiles::NAORRIG = n;
    cfgfiles::NY2ORRIG = length;
  }
  static std::pair<double, double> At(double x, double y) {
    EXPECT_TRUE(GET_NEWPADD(x, y));
    return {x, y};
  }
};

TEST_F(ShelfMoveMath, WithoutTurningAProductKeepsItsOffset) {
  Move(90, 90);
  EXPECT_EQ(At(110, 195), std::make_pair(310.0, 45.0));
  Move(100, 80);  // both snap to 90
  EXPECT_EQ(At(110, 195), std::make_pair(310.0, 45.0));
}

TEST_F(ShelfMoveMath, TurnedTheCellOfOldAndNewDirectionGivesTheOffset) {
  const double r2 = std::sqrt(2.0);
  // 10 units along x from the old anchor, turned 0 -> 90: 10 along y.
  Move(0, 90);
  EXPECT_EQ(At(110, 200), std::make_pair(300.0, 60.0));
  // DX 6, DY -8 through some cells of the table.
  Move(0, 180);
  EXPECT_EQ(At(106, 192), std::make_pair(306.0, 50.0));
  Move(0, 45);
  auto [x, y] = At(94, 192);  // |DX| / r2, -|DX| / r2
  EXPECT_DOUBLE_EQ(x, 300 + 6 / r2);
  EXPECT_DOUBLE_EQ(y, 50 - 6 / r2);
  Move(45, 0);  // Q = r2 * |DX|
  std::tie(x, y) = At(106, 192);
  EXPECT_DOUBLE_EQ(x, 300 + r2 * 6);
  EXPECT_DOUBLE_EQ(y, 50);
  Move(45, 90);  // Q from |DY| when DX is 0
  std::tie(x, y) = At(100, 192);
  EXPECT_DOUBLE_EQ(x, 300);
  EXPECT_DOUBLE_EQ(y, 50 - r2 * 8);
  Move(180, 90);  // -DY; -DX
  EXPECT_EQ(At(106, 192), std::make_pair(308.0, 44.0));
  Move(270, 90);  // DX; -|DY|
  EXPECT_EQ(At(106, 192), std::make_pair(306.0, 42.0));
  Move(225, 45);  // DY; DY
  EXPECT_EQ(At(106, 192), std::make_pair(292.0, 42.0));
  Move(135, 225);  // DX; |DX|
  EXPECT_EQ(At(94, 192), std::make_pair(294.0, 56.0));
  Move(315, 45);  // -DY; DY
  EXPECT_EQ(At(106, 192), std::make_pair(308.0, 42.0));
}

TEST_F(ShelfMoveMath, UndefinedTurnsLeaveTheProductWhereItIs) {
  double x = 106, y = 192;
  Move(0, 90, 0);  // a shelf of length 0
  EXPECT_FALSE(GET_NEWPADD(x, y));
  Move(157, 0);    // no row for 157
  EXPECT_FALSE(GET_NEWPADD(x, y));
  Move(0, 400);    // outside 0..360
  EXPECT_FALSE(GET_NEWPADD(x, y));
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(106.0, 192.0));
}

class ShelfProductsTest : public EditorTest {
 protected:
  PRODDEF Read(std::int32_t ref) {
    PRODDEF p;
    isam::BTGetRec(editprod::PF2, ref, &p);
    return p;
  }
};

TEST_F(ShelfProductsTest, MoveCarriesOnlyTheShelfsProductsToTheNewPlaceAndFloor) {
  Store({Product("milk", "A1"), Product("cream", " a1 "), Product("soap", "A12"),
         Product("eggs", "B1")});
  cfgfiles::XORRIG = 5;
  cfgfiles::YORRIG = 10;
  cfgfiles::AORRIG = 90;
  cfgfiles::NXORRIG = 7.5;
  cfgfiles::NYORRIG = 7;
  cfgfiles::NAORRIG = 90;
  cfgfiles::NY2ORRIG = 30;
  cfgfiles::FLOOR1 = 3;
  cfgfiles::HFLAG = cfgfiles::MOVE_FLAG = 99;
  EXPECT_EQ(editprod::SHELF_MP("A1"), 2);
  EXPECT_EQ(cfgfiles::HFLAG, 0);
  EXPECT_EQ(cfgfiles::MOVE_FLAG, 0);
  EXPECT_FALSE(isam::IsamIsInitialized());  // the store it started is ended
  Open();
  for (std::int32_t ref : {1, 2}) {
    EXPECT_EQ(Read(ref).COORDX, "12.5000");
    EXPECT_EQ(Read(ref).COORDY, "17.0000");
    EXPECT_EQ(Read(ref).FLOOR, " 3");
  }
  for (std::int32_t ref : {3, 4}) {
    EXPECT_EQ(Read(ref).COORDX, "10");
    EXPECT_EQ(Read(ref).FLOOR, "1");
  }
  EXPECT_TRUE(KeysConsistent());
  Close();
}

TEST_F(ShelfProductsTest, MoveLeavesTheCallersStoreAndFilesOpen) {
  Store({Product("milk", "A1")});
  isam::BTInitIsam(isam::NoNet, 62);
  ASSERT_TRUE(isam::IsamOK);
  cfgfiles::AORRIG = cfgfiles::NAORRIG = 0;
  cfgfiles::NXORRIG = 1;
  EXPECT_EQ(editprod::SHELF_MP("a1"), 1);
  EXPECT_TRUE(isam::IsamIsInitialized());
  isam::BTExitIsam();
}

TEST_F(ShelfProductsTest, HideMarksOnlyTheShelfAndTellsWhichStayedVisible) {
  const std::string full(55, 'w');
  Store({Product("milk", "A1"), Product("soap", "A12"), Product(full, "a1 "),
         Product("cream~", "A1"), Product("eggs", "B1")});
  std::vector<std::string> calls;
  editprod::HideShelfElementHook = [&](std::string_view s) { calls.push_back("H " + std::string(s)); };
  editprod::UnhideShelfElementHook = [&](std::string_view s) { calls.push_back("U " + std::string(s)); };
  Open();
  EXPECT_EQ(editprod::HSEARCHP("A1"), std::vector<std::string>{full});
  EXPECT_EQ(editprod::PF2, nullptr);  // closed and released
  Open();
  EXPECT_EQ(Read(1).KLINE1, "milk~");
  EXPECT_EQ(Read(2).KLINE1, "soap");  // A12 is another shelf
  EXPECT_EQ(Read(3).KLINE1, full);
  EXPECT_EQ(Read(4).KLINE1, "cream~");  // marked once only
  EXPECT_TRUE(KeysConsistent());  // key 1 follows the mark
  EXPECT_EQ(editprod::UHSEARCHP("A1  "), 2);
  Open();
  EXPECT_EQ(Read(1).KLINE1, "milk");
  EXPECT_EQ(Read(4).KLINE1, "cream");
  EXPECT_EQ(Read(2).KLINE1, "soap");
  EXPECT_TRUE(KeysConsistent());
  Close();
  EXPECT_EQ(calls, (std::vector<std::string>{"H A1", "U A1"}));
  editprod::HideShelfElementHook = editprod::UnhideShelfElementHook = nullptr;
}

}  // namespace
