// The report writer, through the product report.
#include "editors/report.h"

#include <filesystem>

#include "common/clock.h"
#include "editor_fixture.h"
#include "editors/prodfile_editor.h"
#include "shell/langs.h"

namespace {

using editprod::PRODDEF;

class ReportTest : public EditorTest {
 protected:
  std::string Report() const { return ReadFile("docs/ItemsList.txt"); }

  static std::string PageLine(int n) { return "\t\tPage " + std::to_string(n) + "\r\n\r\n\r\r\n"; }

  // Adds n products "Product 1" .. "Product n".
  void AddNumbered(int n) {
    for (int i = 1; i <= n; ++i) Add({Product("Product " + std::to_string(i))});
  }

  // The record numbers whose blocks the report holds, in order.
  static std::vector<int> Blocks(const std::string& report) {
    std::vector<int> out;
    for (std::size_t at = 0; (at = report.find("\tProduct ", at)) != std::string::npos; ++at)
      out.push_back(std::atoi(report.c_str() + at + 9));
    return out;
  }
};

TEST_F(ReportTest, ProductBlockAndOnePageLineAfterTheThird) {
  Open();
  PRODDEF p = Product("Milk ", "A12", "Dairy");
  p.KLINE1B = "semi skimmed";
  p.EXCLUDE = "X1";
  p.COORDX = "12.5";
  p.COORDY = "40";
  p.FLOOR = " 1";
  p.HEADER = "Aisle 3";
  p.LINE3 = "left side";
  p.SEEALSO = "cream";
  Add({p});
  AddNumbered(4);
  ASSERT_TRUE(editprod::PRINTPRODUCT());
  const std::string report = Report();
  const std::string first =
      "Search words\tMilk  semi skimmed\r\n"
      "Shelf\tA12\tDepartment\tDairy\tExclusion code\tX1\r\n"
      "Map position x\t12.5\tMap position y\t40\tFloor\t 1\r\n"
      "Heading\tAisle 3\r\nLine 3\tleft side\r\nLine 4\t\r\nLine 5\t\r\nLine 6\t\r\n"
      "Line 7\t\r\nLine 8\t\r\nLine 9\t\r\nLine 10\t\r\nSee also\tcream\r\n\r\n";
  ASSERT_EQ(report.substr(0, first.size()), first);
  EXPECT_EQ(Blocks(report), (std::vector<int>{1, 2, 3, 4}));  // "Product n" is record n + 1
  const std::size_t page = report.find(PageLine(1));
  ASSERT_NE(page, std::string::npos);
  EXPECT_LT(report.find("Product 2"), page);
  EXPECT_GT(report.find("Product 3"), page);
  EXPECT_EQ(report.find("Page 2"), std::string::npos);
  Close();
}

TEST_F(ReportTest, DeletedRecordsCountTowardsThePageStepAndLastLiveRecordsAreReported) {
  Open();
  AddNumbered(11);
  ASSERT_TRUE(editprod::ERASEPRODUCT(3));
  ASSERT_TRUE(editprod::ERASEPRODUCT(4));
  // Ten used records of eleven allocated; the report still reaches record 11.
  ASSERT_TRUE(editprod::PRINTPRODUCT());
  const std::string report = Report();
  EXPECT_EQ(Blocks(report), (std::vector<int>{1, 2, 5, 6, 7, 8, 9, 10, 11}));
  EXPECT_EQ(report.find("Page 1"), std::string::npos);  // record 3 is deleted
  const std::size_t page2 = report.find(PageLine(2));
  ASSERT_NE(page2, std::string::npos);
  EXPECT_LT(report.find("Product 6"), page2);
  EXPECT_GT(report.find("Product 7"), page2);
  EXPECT_NE(report.find(PageLine(3)), std::string::npos);
  Close();
}

TEST_F(ReportTest, EmptyFileGivesEmptyReportAndTheClosingMessage) {
  Open();
  const std::int64_t start = kiosk::clock::NowMs();
  ASSERT_TRUE(editprod::PRINTPRODUCT());
  EXPECT_TRUE(std::filesystem::exists(folder_ / "docs" / "ItemsList.txt"));
  EXPECT_EQ(Report(), "");
  EXPECT_GT(Count(400, 768 - 60, 1000, 768 - 5, kYellow), 0) << "no closing message";
  EXPECT_GE(kiosk::clock::NowMs() - start, 2000);
  Close();
}

TEST_F(ReportTest, RefusedPasswordLeavesTheEarlierReport) {
  Open();
  AddNumbered(2);
  std::filesystem::create_directories(folder_ / "docs");
  Write("docs/ItemsList.txt", {"an earlier report"});
  langs::GetPasswordHook = [](std::int32_t level) { return level == 2; };
  EXPECT_FALSE(editprod::PRINTPRODUCT());
  EXPECT_EQ(Report(), "an earlier report\r\n");
  langs::GetPasswordHook = [](std::int32_t level) { return level == 1; };
  EXPECT_TRUE(editprod::PRINTPRODUCT());
  EXPECT_EQ(Blocks(Report()), (std::vector<int>{1, 2}));
  Close();
}

TEST_F(ReportTest, PageLineAfterDeletedRecordsWhenTheCatalogueAsksForIt) {
  Open();
  AddNumbered(4);
  ASSERT_TRUE(editprod::ERASEPRODUCT(3));
  report::Layout layout = editprod::ProductReport();
  layout.pageAfterDeleted = true;
  std::vector<std::string> labels(editprod::kSlots + 3, "L");
  labels[editprod::kSlots + 1] = "Page";
  std::vector<std::int32_t> pages;
  std::string text;
  ASSERT_TRUE(report::BUILDREPORT(editprod::PRODFILE, layout, labels, text,
                                  [&](std::int32_t page) { pages.push_back(page); }));
  EXPECT_EQ(pages, std::vector<std::int32_t>{1});
  const std::size_t page = text.find(PageLine(1));
  ASSERT_NE(page, std::string::npos);
  EXPECT_LT(text.find("Product 2"), page);
  EXPECT_GT(text.find("Product 4"), page);
  Close();
}

}  // namespace
