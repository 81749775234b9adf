// The page buffer: the store's only cache, shared by all open fileblocks.
//
// Entries are reused least recently used first; a page whose entry is
// reused is kept below the buffer (as written), and a changed one reaches
// the file when the kept pages need room or its fileblock is closed, never
// otherwise. Tree operations hold at most three pages, each among the three
// most recent gets, so with at least 6 entries a held page is never reused
// underneath them. A page pointer stays valid until the next get/new page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

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
// The bytes of pages kept below the entries (0: the store's own limit);
// tests, so that changed pages must go early.
void IsamSetKeptPagesLimitForTest(std::size_t bytes);

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

// A page read for looking only: the page in its entry when one holds it,
// else the page as stored (packed) among the kept pages, read from the file
// into them when needed, so that a search compares keys where they lie
// instead of unpacking the page. Valid until the next page call.
struct IsamPageView {
  const IsamPage* Held = nullptr;       // the page in its entry, or
  const unsigned char* Packed = nullptr;  // the page as stored
  int ItemLen = 0;                        // packed: KeyLen + 9

  int Items() const { return Held ? Held->ItemsOnPage : format::GetU16(Packed); }
  std::int32_t BckwPageRef() const {
    return Held ? Held->BckwPageRef : format::GetI32(Packed + 2);
  }
  const unsigned char* Item(int i) const {
    return Packed + format::kPageHeadLen + std::ptrdiff_t(i - 1) * ItemLen;
  }
  std::int32_t DataRef(int i) const {
    return Held ? Held->ItemArray[i].DataRef : format::GetI32(Item(i));
  }
  std::int32_t PageRef(int i) const {
    return Held ? Held->ItemArray[i].PageRef : format::GetI32(Item(i) + 4);
  }
  std::string_view Key(int i) const {
    if (Held) return Held->ItemArray[i].KeyStr.view();
    const unsigned char* it = Item(i);
    return std::string_view(reinterpret_cast<const char*>(it + 9), it[8]);
  }
  // The child to follow below r items (0: the one before item 1).
  std::int32_t Child(int r) const { return r == 0 ? BckwPageRef() : PageRef(r); }
};
// False with the status set as IsamGetPage sets it.
bool IsamViewPage(IsamFileBlock* ifb, std::int32_t pageRef, int key, IsamPageView& view);

// Changes made to a page where it lies, without taking an entry for it or
// unpacking it: in its entry when one holds it, else in its stored bytes
// among the kept pages (then marked changed, to be written as any changed
// page is). The page must be the one last looked at with IsamViewPage.
// True when done; false with the status clear when the page no longer lies
// where the view found it (the caller then changes it the ordinary way);
// false with the status set on a failed write or a damaged page.
// Removes item k (1..n).
bool IsamRemoveItemWhereItLies(IsamFileBlock* ifb, std::int32_t pageRef, int key, int k);
// Puts `item` at position `at` (1..n + 1) of a page with room.
bool IsamInsertItemWhereItLies(IsamFileBlock* ifb, std::int32_t pageRef, int key, int at,
                               const IsamItem& item);

// Packs a page as stored: 6 + n * (keyLen + 9) bytes into out (room for a
// whole slot); returns the length. Unpack checks counts and key lengths and
// returns false for a damaged page.
std::int32_t IsamPackPage(const IsamPage& page, int keyLen, unsigned char* out);
bool IsamUnpackPage(const unsigned char* in, std::int32_t slotLen, int keyLen, int pageSize,
                    IsamPage& page);

}  // namespace isam
