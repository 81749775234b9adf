// kiosk-admin's command line, its zone table check and its refusal while a
// kiosk holds a file. The commands' work end to end: admin_e2e.sh.
#include "tools/admin.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "editors/prodfile.h"
#include "tests/testing/kiosk_fixture.h"
#include "tools/admin_work.h"

namespace {

class AdminTest : public kiosk_test::KioskTest {
 protected:
  bool FixtureOpensWindow() const override { return false; }  // the command opens its own

  int Run(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    args.insert(args.begin(), {"--dir", folder_.string()});
    return admin::Run(args, out_, err_);
  }
  std::ostringstream out_, err_;
};

std::string Zones(int count, int lines, const std::string& row) {
  std::string t = std::to_string(count) + "\r\n";
  for (int i = 0; i < lines; ++i) t += row + "\r\n";
  return t;
}

const std::string kRow = "0|3.3|1|-32|400|600|0|0|1|-32|0|12|-52|0|0|0|1|-32";

TEST(ZoneTable, CountsAndFields) {
  std::string why;
  int n = -1;
  EXPECT_TRUE(admin::ZoneTableSound(Zones(2, 3, kRow), n, why)) << why;
  EXPECT_EQ(n, 2);
  EXPECT_TRUE(admin::ZoneTableSound("0\n" + kRow + "\n", n, why)) << why;  // LF ends too
  EXPECT_EQ(n, 0);
  EXPECT_TRUE(admin::ZoneTableSound(Zones(1, 4, kRow), n, why)) << "lines after the table are ignored";

  EXPECT_FALSE(admin::ZoneTableSound(Zones(2, 2, kRow), n, why));
  EXPECT_NE(why.find("zone 2 is missing"), std::string::npos) << why;
  for (const char* count : {"51", "-1", "2.5", "x", ""}) {
    EXPECT_FALSE(admin::ZoneTableSound(std::string(count) + "\r\n" + kRow + "\r\n", n, why)) << count;
    EXPECT_NE(why.find("line 1"), std::string::npos) << why;
  }
  EXPECT_FALSE(admin::ZoneTableSound(Zones(0, 1, "0|3.3|1|-32|400|600|0|0|1|-32|0|12|-52|0|0|0|1"), n, why))
      << "a zone needs 18 numbers";
  EXPECT_FALSE(admin::ZoneTableSound(Zones(0, 1, "0|3.3|one|-32|400|600|0|0|1|-32|0|12|-52|0|0|0|1|-32"), n, why));
  EXPECT_NE(why.find("line 2, field 3"), std::string::npos) << why;
}

TEST_F(AdminTest, BadCommandLinesAreRefusedWithUsage) {
  const std::vector<std::vector<std::string>> bad = {
      {},         {"import"},          {"import", "products"}, {"import", "stock", "f"},
      {"check", "x"}, {"rebuild", "zones"}, {"report", "zones"},    {"export", "zones"},
      {"report", "notfound", "a", "b"}, {"top-not-found", "a", "b"},
      {"export", "map", "a", "b"}, {"--frob", "check"}, {"help", "frob"}};
  for (const auto& args : bad) {
    EXPECT_EQ(Run(args), admin::kUsage) << (args.empty() ? "" : args[0]);
    EXPECT_NE(err_.str().find("usage: kiosk-admin"), std::string::npos);
  }
  std::vector<std::string> noDir = {"--dir"};
  EXPECT_EQ(admin::Run(noDir, out_, err_), admin::kUsage);
}

TEST_F(AdminTest, EveryCommandHasHelp) {
  for (const char* c : {"import", "export", "check", "rebuild", "report", "top-not-found"}) {
    EXPECT_EQ(Run({c, "--help"}), admin::kDone) << c;
    EXPECT_EQ(out_.str().rfind(std::string("usage: kiosk-admin [--dir DIR] ") + c, 0), 0u) << out_.str();
    EXPECT_EQ(Run({"help", c}), admin::kDone) << c;
  }
  EXPECT_EQ(Run({"--help"}), admin::kDone);
  EXPECT_NE(out_.str().find(admin::DefaultFolder()), std::string::npos) << "the help names the default folder";
}

TEST_F(AdminTest, AFolderWithoutDataIsNoWorkingFolder) {
  std::ostringstream out, err;
  EXPECT_EQ(admin::Run({"--dir", Path("lang"), "check"}, out, err), admin::kNoFolder);
  EXPECT_NE(err.str().find("kiosk-setup"), std::string::npos) << err.str();
}

TEST_F(AdminTest, AMissingImportFileChangesNothing) {
  WriteFile("data/prodlist.txt", "kept");
  EXPECT_EQ(Run({"import", "products", Path("nothing.txt")}), admin::kFailed);
  EXPECT_EQ(ReadFile("data/prodlist.txt"), "kept");
  EXPECT_NE(err_.str().find("nothing was changed"), std::string::npos) << err_.str();
}

TEST_F(AdminTest, AFileOpenInTheStoreIsHeld) {
  ASSERT_TRUE(editprod::SETUP());  // creates the product file and keeps it open
  ASSERT_TRUE(editprod::PRODFILE.OK || editprod::PRODFILE.fb == nullptr);
  if (!editprod::PRODFILE.OK) editprod::OPENITP();
  ASSERT_TRUE(editprod::PRODFILE.OK);
  EXPECT_TRUE(admin::HeldByKiosk(editprod::kFileName));
  EXPECT_FALSE(admin::HeldByKiosk("data\\Shelve")) << "a missing file is nobody's";
  WriteFile("data/p.txt", "0\r\nword\r\n");
  EXPECT_EQ(Run({"import", "products", Path("data/p.txt")}), admin::kHeld);
  editprod::RELEASE();
  EXPECT_FALSE(admin::HeldByKiosk(editprod::kFileName));
}

}  // namespace
