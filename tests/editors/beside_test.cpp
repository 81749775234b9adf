// Files built beside the ones in use: an import or a rebuild stopped at any
// write leaves the old pair or the new one, the next open finishes or clears
// what it left, and no exchange file loses a product to it. The shopper's
// search repairs a damaged file without writing the exchange file.
#include "isam/beside.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "editors/prodfile.h"
#include "editors/rebuild.h"
#include "isam/check.h"
#include "map/storedc.h"
#include "tests/editors/catalogue_fixture.h"
#include "tests/support/killed_run.h"
#include "tests/support/product_lists.h"

namespace {

namespace fs = std::filesystem;
using catalogue_test::CatalogueTest;
using catalogue_test::Consistent;
using testsupport::Holds;
using testsupport::ProductList;
using testsupport::Products;
using testsupport::ProductsOfFile;
using testsupport::ProductsOfList;
using testsupport::Same;

class BesideTest : public CatalogueTest {
 protected:
  // A product file made from an exchange file of n products.
  void MakeProducts(int n, const std::string& tag) {
    WriteFile("data/prodlist.txt", ProductList(n, tag));
    isam::BTInitIsam(isam::NoNet, 62);
    ASSERT_TRUE(editprod::TESTNEW());
    isam::BTExitIsam();
  }
  void MarkDamaged() {
    std::fstream f(Path("data/products.DAT"), std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(20);
    f.put(1);
  }
  // Opens the product file as the product editor does (a damaged one is
  // rebuilt), checks it and closes it again.
  void OpenAsEditor() {
    ASSERT_TRUE(editprod::SETUP());
    if (!editprod::PRODFILE.OK) editprod::OPENITP();
    ASSERT_TRUE(editprod::PRODFILE.OK);
    EXPECT_TRUE(Consistent(editprod::PRODFILE));
    editprod::RELEASE();
  }
  bool SideFilesLeft() const {
    for (const char* f : {"productsNew.DAT", "productsNew.IX", "productsNew.DONE"})
      if (fs::exists(Path(std::string("data/") + f))) return true;
    return false;
  }
  void ExpectSound() {
    const isam::CheckReport check = isam::IsamCheckFileBlock(editprod::kFileName);
    EXPECT_TRUE(check.Ok()) << (check.Problems.empty() ? "" : check.Problems.front());
  }
};

// Replacing the file from text, stopped at any write: the old 12 or the new
// 300 products, never part of them; the exchange file is never written.
TEST_F(BesideTest, StoppedImportLeavesTheOldFileOrTheNewOne) {
  const std::string list = ProductList(300, "new");
  const auto import = [] {
    isam::BTInitIsam(isam::NoNet, 62);
    editprod::TESTNEW();
  };
  MakeProducts(12, "old");
  WriteFile("data/prodlist.txt", list);
  // The mark, the records, the index blocks, the headers: a handful of
  // writes however many products (the store fills a new file in bulk).
  const long writes = testsupport::CountWrites(import).store;
  ASSERT_GT(writes, 3);
  for (long stop : testsupport::StopsOver(writes)) {
    SCOPED_TRACE("stopped at write " + std::to_string(stop) + " of " + std::to_string(writes));
    MakeProducts(12, "old");
    WriteFile("data/prodlist.txt", list);
    EXPECT_TRUE(testsupport::RunEndedAt(stop, 0, import));
    OpenAsEditor();
    EXPECT_FALSE(SideFilesLeft());
    ExpectSound();
    const Products now = ProductsOfFile();
    EXPECT_TRUE(now == ProductsOfList(ProductList(12, "old")) || now == ProductsOfList(list))
        << now.size() << " products";
    EXPECT_TRUE(ReadFile("data/prodlist.txt") == list) << "the exchange file was written";
  }
}

// A rebuild of a damaged file, stopped at any write: the next open rebuilds
// again and keeps every product; the exchange file always holds them all.
TEST_F(BesideTest, StoppedRebuildLosesNoProduct) {
  const auto rebuild = [] { rebuild::REBUILD_FILES2(rebuild::Catalogue::Products); };
  MakeProducts(300, "p");
  MarkDamaged();
  const long writes = testsupport::CountWrites(rebuild).store;
  ASSERT_GT(writes, 3);
  for (long stop : testsupport::StopsOver(writes)) {
    SCOPED_TRACE("stopped at write " + std::to_string(stop) + " of " + std::to_string(writes));
    MakeProducts(300, "p");
    const Products all = ProductsOfFile();
    MarkDamaged();
    EXPECT_TRUE(testsupport::RunEndedAt(stop, 0, rebuild));
    EXPECT_TRUE(Holds(ProductsOfList(ReadFile("data/prodlist.txt")), all));
    OpenAsEditor();
    EXPECT_FALSE(SideFilesLeft());
    ExpectSound();
    EXPECT_TRUE(Same(ProductsOfFile(), all));
    EXPECT_FALSE(fs::exists(Path("data/products.DAT.old")));
  }
}

// A backup left beside a data file that was being remade in place and never
// closed is read back; what the data file shows deleted stays deleted.
TEST_F(BesideTest, BackupOfAnUnfinishedDataFileIsReadBack) {
  MakeProducts(20, "b");
  const Products all = ProductsOfFile();
  fs::copy_file(Path("data/products.DAT"), Path("data/products.DAT.old"));
  // The data file as a remake stopped after 5 products left it, one of
  // them deleted again.
  MakeProducts(5, "b");
  ASSERT_TRUE(editprod::SETUP());
  ASSERT_TRUE(glue::ERASERECORD(editprod::PRODFILE, 2));
  editprod::RELEASE();
  MarkDamaged();
  OpenAsEditor();
  Products want = all;
  for (const std::string& p : ProductsOfList(ProductList(2, "b")))
    if (p.rfind("b2 ", 0) == 0) want.erase(want.find(p));
  EXPECT_TRUE(Same(ProductsOfFile(), want));
  EXPECT_FALSE(fs::exists(Path("data/products.DAT.old")));
  ExpectSound();
}

// A backup beside a data file that was closed cleanly adds nothing.
TEST_F(BesideTest, BackupOfAFinishedDataFileAddsNothing) {
  MakeProducts(20, "b");
  fs::copy_file(Path("data/products.DAT"), Path("data/products.DAT.old"));
  MakeProducts(5, "b");
  ASSERT_TRUE(rebuild::REBUILD_FILES2(rebuild::Catalogue::Products));
  EXPECT_TRUE(Same(ProductsOfFile(), ProductsOfList(ProductList(5, "b"))));
}

// A swap stopped between its renames is completed by the next open; side
// files without the mark of completion are removed.
TEST_F(BesideTest, NextOpenCompletesAStoppedSwapOrClearsAStoppedBuild) {
  MakeProducts(7, "old");
  WriteFile("data/prodlist.txt", ProductList(30, "new"));
  glue::Catalogue side = editprod::PRODFILE;
  glue::ResetState(side);
  side.name = glue::SIDENAME(editprod::kFileName);
  isam::BTInitIsam(isam::NoNet, 62);
  ASSERT_TRUE(glue::CREATEFILE(side));
  ASSERT_TRUE(glue::OPENRAW(side));
  std::swap(editprod::PRODFILE.fb, side.fb);
  editprod::ECPT1();
  std::swap(editprod::PRODFILE.fb, side.fb);
  isam::BTCloseFileBlock(side.fb);
  isam::BTExitIsam();
  const std::string newData = ReadFile("data/productsNew.DAT");

  // Without the mark the side pair is a build that never finished.
  fs::copy_file(Path("data/productsNew.DAT"), Path("data/keep.DAT"));
  fs::copy_file(Path("data/productsNew.IX"), Path("data/keep.IX"));
  OpenAsEditor();
  EXPECT_FALSE(SideFilesLeft());
  EXPECT_EQ(ProductsOfFile().size(), 7u);

  // With it, and the data file moved already, the swap is finished.
  fs::rename(Path("data/keep.DAT"), Path("data/products.DAT"));
  fs::rename(Path("data/keep.IX"), Path("data/productsNew.IX"));
  WriteFile("data/productsNew.DONE", "");
  WriteFile("data/products.DIA", "stale");
  OpenAsEditor();
  EXPECT_FALSE(SideFilesLeft());
  EXPECT_FALSE(fs::exists(Path("data/products.DIA")));
  EXPECT_TRUE(Same(ProductsOfFile(), ProductsOfList(ProductList(30, "new"))));
  ExpectSound();
}

// The shopper's search repairs a damaged product file from its data file
// and leaves the exchange file staff prepared exactly as it was.
TEST_F(BesideTest, SearchRepairsWithoutWritingTheExchangeFile) {
  MakeProducts(40, "p");
  const Products all = ProductsOfFile();
  MarkDamaged();
  const std::string prepared = ProductList(3, "for import");
  WriteFile("data/prodlist.txt", prepared);
  ASSERT_TRUE(storedc::SETUP());
  storedc::OPENITP();
  ASSERT_NE(editprod::PF2, nullptr);
  EXPECT_TRUE(Consistent(editprod::PRODFILE));
  storedc::CLOSEITP();
  editprod::RELEASE();
  EXPECT_TRUE(ReadFile("data/prodlist.txt") == prepared) << "the exchange file was written";
  EXPECT_TRUE(Same(ProductsOfFile(), all));
  // The staff's own rebuild still refreshes it.
  MarkDamaged();
  OpenAsEditor();
  EXPECT_TRUE(Same(ProductsOfList(ReadFile("data/prodlist.txt")), all));
}

}  // namespace
