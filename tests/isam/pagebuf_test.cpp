// The page buffer's choice of entry to reuse: a free entry first (the
// lowest in the buffer), else the least recently used page; a page already
// held is found again in its own entry.
#include <vector>

#include "isam/pagebuf.h"
#include "tests/isam/isam_fixture.h"

namespace {

using isam::IsamPage;

class PageBufferTest : public isam_test::StoreTest {
 protected:
  IsamPage* New(isam::IsamFileBlockPtr fb, std::int32_t& ref) {
    IsamPage* p = isam::IsamNewPage(fb, ref, 1);
    EXPECT_NE(p, nullptr) << isam::IsamError;
    if (p) p->ItemsOnPage = 0;
    return p;
  }
};

TEST_F(PageBufferTest, ReusesFreeEntriesLowestFirstThenLeastRecentlyUsed) {
  isam::BTInitIsam(isam::NoNet, 6);
  ASSERT_EQ(isam::IsamPageBufferSize(), 6);
  isam::IsamFileBlockPtr fb = CreateOpen(30, {{10, false}});
  ASSERT_NE(fb, nullptr);

  // Whatever the open left held is pushed out by six fresh pages.
  std::vector<IsamPage*> page(7);
  std::vector<std::int32_t> ref(7);
  for (int i = 1; i <= 6; ++i) page[i] = New(fb, ref[i]);
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(isam::IsamPageNumber(page[i]), ref[i]);
    for (int j = 1; j < i; ++j) EXPECT_NE(page[i], page[j]);
  }

  // A held page comes back in its own entry and becomes the most recent.
  EXPECT_EQ(isam::IsamGetPage(fb, ref[3], 1), page[3]);
  EXPECT_EQ(isam::IsamGetPage(fb, ref[1], 1), page[1]);
  // Oldest first now: 2 4 5 6 3 1.
  std::int32_t r = 0;
  EXPECT_EQ(New(fb, r), page[2]);
  EXPECT_EQ(isam::IsamPageNumber(page[2]), r);
  EXPECT_EQ(New(fb, r), page[4]);

  // Freed entries go before any held one, the lowest in the buffer first,
  // whatever the order they were freed in.
  // The buffer filled its entries lowest first, so page 5 holds the lower
  // entry of the two (their addresses say nothing about their positions).
  IsamPage* low = page[5];
  IsamPage* high = page[6];
  isam::IsamReturnPage(high);
  isam::IsamReturnPage(low);
  ASSERT_TRUE(isam::IsamOK);
  EXPECT_EQ(New(fb, r), low);
  EXPECT_EQ(New(fb, r), high);
  // Then the least recent again: 3, then 1.
  EXPECT_EQ(New(fb, r), page[3]);
  EXPECT_EQ(New(fb, r), page[1]);

  isam::BTCloseFileBlock(fb);
  EXPECT_TRUE(isam::IsamOK) << isam::IsamError;
}

TEST_F(PageBufferTest, ClosingForgetsTheFileblocksPages) {
  isam::BTInitIsam(isam::NoNet, 6);
  isam::IsamFileBlockPtr fb = CreateOpen(30, {{10, false}});
  std::int32_t ref = 0;
  IsamPage* p = New(fb, ref);
  ASSERT_NE(p, nullptr);
  isam::IsamUpdatePage(p);
  isam::IsamFlushPageBuffer(fb, true);
  ASSERT_TRUE(isam::IsamOK);
  EXPECT_EQ(isam::IsamPageNumber(p), ref);  // the entry is free, its number kept
  // Read back from the file into a (possibly other) entry.
  IsamPage* again = isam::IsamGetPage(fb, ref, 1);
  ASSERT_NE(again, nullptr) << isam::IsamError;
  EXPECT_EQ(again->ItemsOnPage, 0);
  isam::BTCloseFileBlock(fb);
  EXPECT_TRUE(isam::IsamOK);
}

}  // namespace
