// The page buffer. Recency is kept as a use stamp per entry (the least
// recently used entry has the smallest stamp; free entries have stamp 0 and
// are taken first), which gives the ring's order of reuse and of writes.
#include "isam/pagebuf.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "isam/fileio.h"
#include "isam/status.h"

namespace isam {

namespace {

struct Entry {
  IsamPage Page;
  IsamFileBlock* Owner = nullptr;  // none: free
  std::int32_t PageRef = 0;
  int KeyNr = 0;
  bool Updated = false;
  std::uint64_t Stamp = 0;
};

std::vector<std::unique_ptr<Entry>> entries;
std::uint64_t clock_now = 0;
std::int32_t alloc_limit = 0;
// One page slot as stored, the largest possible: (180 + 9) * 62 + 6.
unsigned char slot_buffer[(MaxKeyLen + format::kItemOverhead) * format::kPageSize +
                          format::kPageHeadLen];

void MakeMostRecent(Entry& e) { e.Stamp = ++clock_now; }

Entry* EntryOf(const IsamPage* page) {
  for (auto& e : entries)
    if (&e->Page == page) return e.get();
  return nullptr;
}

Entry* LeastRecent() {
  Entry* best = nullptr;
  for (auto& e : entries)
    if (best == nullptr || e->Stamp < best->Stamp) best = e.get();
  return best;
}

void Free(Entry& e) {
  e.Owner = nullptr;
  e.Updated = false;
  e.Stamp = 0;
}

// Writes an entry's page to its slot (clearing Updated).
void PutPage(Entry& e) {
  e.Updated = false;
  IsamFileBlock* ifb = e.Owner;
  std::int32_t len = IsamPackPage(e.Page, ifb->DID[e.KeyNr].KeyLen, slot_buffer);
  IsamPutBlock(ifb->IndF, PagePos(ifb, e.KeyNr, e.PageRef), len, slot_buffer);
  if (!IsamOK) e.Updated = true;  // still to be written
}

// Takes the least recently used entry for reuse, writing it first if
// changed; nullptr when that write fails.
Entry* TakeEntry() {
  Entry* e = LeastRecent();
  if (e == nullptr) {
    IsamSetError(10000);
    return nullptr;
  }
  if (e->Owner != nullptr && e->Updated) {
    PutPage(*e);
    if (!IsamOK) return nullptr;
  }
  Free(*e);
  return e;
}

}  // namespace

// ---- Packing ----------------------------------------------------------------

std::int32_t IsamPackPage(const IsamPage& page, int keyLen, unsigned char* out) {
  const int itemLen = keyLen + format::kItemOverhead;
  int n = std::min<int>(page.ItemsOnPage, format::kPageSize);
  format::PutU16(out, static_cast<std::uint16_t>(n));
  format::PutI32(out + 2, page.BckwPageRef);
  unsigned char* p = out + format::kPageHeadLen;
  for (int i = 1; i <= n; ++i, p += itemLen) {
    const IsamItem& it = page.ItemArray[i];
    format::PutI32(p, it.DataRef);
    format::PutI32(p + 4, it.PageRef);
    std::size_t len = std::min<std::size_t>(it.KeyStr.size(), keyLen);
    p[8] = static_cast<unsigned char>(len);
    std::memcpy(p + 9, it.KeyStr.data(), keyLen);
  }
  return format::kPageHeadLen + n * itemLen;
}

bool IsamUnpackPage(const unsigned char* in, std::int32_t slotLen, int keyLen, int pageSize,
                    IsamPage& page) {
  const int itemLen = keyLen + format::kItemOverhead;
  if (slotLen < format::kPageHeadLen) return false;
  int n = format::GetU16(in);
  if (n > pageSize || n > format::kPageSize ||
      format::kPageHeadLen + std::int64_t(n) * itemLen > slotLen)
    return false;
  page.ItemsOnPage = static_cast<std::uint16_t>(n);
  page.BckwPageRef = format::GetI32(in + 2);
  const unsigned char* p = in + format::kPageHeadLen;
  for (int i = 1; i <= n; ++i, p += itemLen) {
    IsamItem& it = page.ItemArray[i];
    it.DataRef = format::GetI32(p);
    it.PageRef = format::GetI32(p + 4);
    if (p[8] > keyLen) return false;
    it.KeyStr.assign(std::string_view(reinterpret_cast<const char*>(p + 9), p[8]));
  }
  return true;
}

// ---- Buffer -----------------------------------------------------------------

std::int32_t IsamGetPageBuffer(std::int32_t pages) {
  IsamReleasePageBuffer();
  for (std::int32_t i = 0; i < pages; ++i) {
    if (alloc_limit > 0 && i >= alloc_limit) break;
    std::unique_ptr<Entry> e(new (std::nothrow) Entry);
    if (!e) break;
    entries.push_back(std::move(e));
  }
  return static_cast<std::int32_t>(entries.size());
}

void IsamReleasePageBuffer() {
  entries.clear();
  clock_now = 0;
}

std::int32_t IsamPageBufferSize() { return static_cast<std::int32_t>(entries.size()); }
void IsamSetPageBufferLimitForTest(std::int32_t limit) { alloc_limit = limit; }

IsamPage* IsamGetPage(IsamFileBlock* ifb, std::int32_t pageRef, int key) {
  const IsamDatIndDescr& d = ifb->DID[key];
  if (pageRef < 1 || pageRef > d.NumRec || pageRef > ifb->MaxPages) {
    IsamSetError(10010);  // a link that names no page of this key
    return nullptr;
  }
  for (auto& e : entries) {
    if (e->Owner == ifb && e->KeyNr == key && e->PageRef == pageRef) {
      MakeMostRecent(*e);
      return &e->Page;
    }
  }
  Entry* e = TakeEntry();
  if (e == nullptr) return nullptr;
  IsamGetBlock(ifb->IndF, PagePos(ifb, key, pageRef), d.LenRec, slot_buffer);
  if (!IsamOK) return nullptr;
  if (!IsamUnpackPage(slot_buffer, d.LenRec, d.KeyLen, d.UsedPageSize, e->Page)) {
    IsamSetError(10010);
    return nullptr;
  }
  e->Owner = ifb;
  e->PageRef = pageRef;
  e->KeyNr = key;
  e->Updated = false;
  MakeMostRecent(*e);
  return &e->Page;
}

IsamPage* IsamNewPage(IsamFileBlock* ifb, std::int32_t& pageRef, int key) {
  Entry* e = TakeEntry();
  if (e == nullptr) return nullptr;
  std::int32_t ref = 0;
  IsamNewRec(ifb, ref, key);
  if (!IsamOK) return nullptr;
  pageRef = ref;
  e->Owner = ifb;
  e->PageRef = ref;
  e->KeyNr = key;
  e->Updated = false;
  MakeMostRecent(*e);
  return &e->Page;
}

void IsamUpdatePage(IsamPage* page) {
  if (Entry* e = EntryOf(page)) e->Updated = true;
}

std::int32_t IsamPageNumber(const IsamPage* page) {
  Entry* e = EntryOf(page);
  return e ? e->PageRef : 0;
}

void IsamReturnPage(IsamPage* page) {
  Entry* e = EntryOf(page);
  if (e == nullptr || e->Owner == nullptr) return;
  IsamDeleteRecOrPage(e->Owner, e->PageRef, e->KeyNr);
  Free(*e);
}

void IsamFlushPageBuffer(IsamFileBlock* ifb, bool destructive) {
  std::vector<Entry*> mine;
  for (auto& e : entries)
    if (e->Owner == ifb) mine.push_back(e.get());
  std::sort(mine.begin(), mine.end(), [](Entry* a, Entry* b) { return a->Stamp < b->Stamp; });
  for (Entry* e : mine) {
    if (e->Updated) {
      PutPage(*e);
      if (!IsamOK) return;
    }
    if (destructive) Free(*e);
  }
}

void IsamFlushPageInfo(IsamFileBlock* ifb, bool destructive) {
  IsamFlushPageBuffer(ifb, destructive);
  if (!IsamOK) return;
  for (int k = 1; k <= ifb->NrOfKeys; ++k) {
    if (!ifb->DID[k].InfoRecChanged) continue;
    ifb->DID[k].InfoRecChanged = false;
    IsamPutInfoRec(ifb, k);
    if (!IsamOK) {
      ifb->DID[k].InfoRecChanged = true;
      return;
    }
  }
}

void IsamDestroyPages(IsamFileBlock* ifb) {
  for (auto& e : entries)
    if (e->Owner == ifb) Free(*e);
}

}  // namespace isam
