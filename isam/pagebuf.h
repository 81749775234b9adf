// The page buffer: the store's only cache, shared by all open fileblocks.
//
// Entries are reused least recently used first; a changed page is written
// when its entry is reused and when its fileblock is closed, never
// otherwise. Tree operations hold at most three pages, each among the three
// most recent gets, so with at least 6 entries a held page is never reused
// underneath them. A page pointer stays valid until the next get/new page.
#pragma once

#include <cstdint>

#include "isam/format.h"
#include "isam/isam.h"
#include "isam/store.h"

namespace isam {

struct IsamItem {
  std::int32_t DataRef = 0;
  std::int32_t PageRef = 0;
  IsamKeyStr KeyStr;
};

struct IsamPage {
  std::uint16_t ItemsOnPage = 0;
  std::int32_t BckwPageRef = 0;
  IsamItem ItemArray[format::kPageSize + 1];  // items 1..62; [0] unused
};

// Builds up to `pages` entries; returns how many were obtained.
std::int32_t IsamGetPageBuffer(std::int32_t pages);
void IsamReleasePageBuffer();
std::int32_t IsamPageBufferSize();
// Pretends that only `limit` entries can be allocated (0: no limit); tests.
void IsamSetPageBufferLimitForTest(std::int32_t limit);

// Fetches key `key`'s page `pageRef`; nullptr with the status set on error
// (a page number outside 1..NumRec or a damaged page gives 10010).
IsamPage* IsamGetPage(IsamFileBlock* ifb, std::int32_t pageRef, int key);
// Allocates a page number and an entry; contents are left to the caller.
IsamPage* IsamNewPage(IsamFileBlock* ifb, std::int32_t& pageRef, int key);
void IsamUpdatePage(IsamPage* page);
// Puts the page on its key's free chain and frees its entry.
void IsamReturnPage(IsamPage* page);
// The page number an entry holds.
std::int32_t IsamPageNumber(const IsamPage* page);

// Writes the changed pages of ifb (freeing the entries when destructive).
void IsamFlushPageBuffer(IsamFileBlock* ifb, bool destructive);
// The same, then every key header whose InfoRecChanged is set.
void IsamFlushPageInfo(IsamFileBlock* ifb, bool destructive);
// Frees every entry of ifb without writing.
void IsamDestroyPages(IsamFileBlock* ifb);

// Packs a page as stored: 6 + n * (keyLen + 9) bytes into out (room for a
// whole slot); returns the length. Unpack checks counts and key lengths and
// returns false for a damaged page.
std::int32_t IsamPackPage(const IsamPage& page, int keyLen, unsigned char* out);
bool IsamUnpackPage(const unsigned char* in, std::int32_t slotLen, int keyLen, int pageSize,
                    IsamPage& page);

}  // namespace isam
