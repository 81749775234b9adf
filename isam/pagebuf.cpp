// The page buffer. Recency is kept as a use stamp per entry (the least
// recently used entry has the smallest stamp; free entries have stamp 0 and
// are taken first, lowest entry first), which gives the ring's order of
// reuse. Lookups go through a hash index of the held pages and the reuse
// order through a list of held entries kept in stamp order plus a set of
// free entries, so that neither needs a scan of the buffer.
//
// Below the entries lies a store of pages as written (packed, only their
// used bytes): a page whose entry is reused goes there, changed or not, and
// a later get takes it from there instead of from the file. Changed pages
// are written to the file when the store must make room (oldest first) and
// when their fileblock's pages are flushed (at the close, in file order), so
// a run of changes does not write a page per change. The index-damaged mark
// is on disk before any change is made, so no page reaches the file before
// it; the close clears it only after every changed page is written.
#include "isam/pagebuf.h"

#include <algorithm>
#include <cstring>
#include <cstddef>
#include <functional>
#include <list>
#include <memory>
#include <new>
#include <set>
#include <unordered_map>
#include <vector>

#include "isam/errors.h"
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
  std::int32_t Index = 0;      // position in the buffer
  Entry* Older = nullptr;      // recency list of held entries
  Entry* Newer = nullptr;
};

struct PageId {
  IsamFileBlock* Owner;
  int KeyNr;
  std::int32_t PageRef;
  bool operator==(const PageId&) const = default;
};

struct PageIdHash {
  std::size_t operator()(const PageId& id) const {
    std::size_t h = std::hash<const void*>()(id.Owner);
    h ^= (static_cast<std::size_t>(id.PageRef) * 0x9E3779B97F4A7C15ull) + id.KeyNr;
    return h;
  }
};

std::vector<std::unique_ptr<Entry>> entries;
std::unordered_map<const IsamPage*, Entry*> by_page;
std::unordered_map<PageId, Entry*, PageIdHash> by_id;
// Two entries can only name the same page if a caller hands out a page
// number still held; then lookups fall back to the scan's answer.
std::int32_t duplicates = 0;
std::set<std::int32_t> free_entries;  // by position: the lowest is reused first
Entry* oldest = nullptr;
Entry* newest = nullptr;
std::uint64_t clock_now = 0;
std::int32_t alloc_limit = 0;
// One page slot as stored, the largest possible: (180 + 9) * 62 + 6.
unsigned char slot_buffer[(MaxKeyLen + format::kItemOverhead) * format::kPageSize +
                          format::kPageHeadLen];

PageId IdOf(const Entry& e) { return PageId{e.Owner, e.KeyNr, e.PageRef}; }

// ---- Kept pages ---------------------------------------------------------------

struct KeptPage {
  std::vector<unsigned char> Bytes;  // as written: 6 + n * (KeyLen + 9)
  bool Changed = false;              // not yet written to the file
  std::list<PageId>::iterator Age;
};
constexpr std::size_t kKeptLimit = std::size_t(64) << 20;
std::size_t kept_limit = kKeptLimit;
std::unordered_map<PageId, KeptPage, PageIdHash> kept;
std::list<PageId> kept_order;  // oldest first
std::size_t kept_bytes = 0;

void Forget(std::unordered_map<PageId, KeptPage, PageIdHash>::iterator it) {
  kept_bytes -= it->second.Bytes.size();
  kept_order.erase(it->second.Age);
  kept.erase(it);
}

void ForgetKept(const PageId& id) {
  auto it = kept.find(id);
  if (it != kept.end()) Forget(it);
}

void WriteKept(const PageId& id, KeptPage& k) {
  IsamFileBlock* ifb = id.Owner;
  IsamPutBlock(ifb->IndF, PagePos(ifb, id.KeyNr, id.PageRef),
               static_cast<std::int64_t>(k.Bytes.size()), k.Bytes.data());
  if (IsamOK) k.Changed = false;
}

// Makes room for `need` more bytes, writing changed pages oldest first;
// false when a write failed (that page stays kept).
bool MakeRoom(std::size_t need) {
  while (!kept_order.empty() && kept_bytes + need > kept_limit) {
    auto it = kept.find(kept_order.front());
    if (it->second.Changed) {
      WriteKept(it->first, it->second);
      if (!IsamOK) return false;
    }
    Forget(it);
  }
  return true;
}

// Writes (and with forget, drops) every kept page of ifb, in file order.
void FlushKept(IsamFileBlock* ifb, bool forget) {
  std::vector<std::unordered_map<PageId, KeptPage, PageIdHash>::iterator> mine;
  for (auto it = kept.begin(); it != kept.end(); ++it)
    if (it->first.Owner == ifb) mine.push_back(it);
  std::sort(mine.begin(), mine.end(), [ifb](const auto& a, const auto& b) {
    return PagePos(ifb, a->first.KeyNr, a->first.PageRef) < PagePos(ifb, b->first.KeyNr, b->first.PageRef);
  });
  for (auto it : mine) {
    if (it->second.Changed) {
      WriteKept(it->first, it->second);
      if (!IsamOK) return;
    }
  }
  if (forget)
    for (auto it : mine) Forget(it);
}

void DropKept(IsamFileBlock* ifb) {
  for (auto it = kept.begin(); it != kept.end();) {
    auto next = std::next(it);
    if (it->first.Owner == ifb) Forget(it);
    it = next;
  }
}

void Unlink(Entry& e) {
  (e.Older ? e.Older->Newer : oldest) = e.Newer;
  (e.Newer ? e.Newer->Older : newest) = e.Older;
  e.Older = e.Newer = nullptr;
}

void LinkNewest(Entry& e) {
  e.Older = newest;
  e.Newer = nullptr;
  (newest ? newest->Newer : oldest) = &e;
  newest = &e;
}

void MakeMostRecent(Entry& e) {
  e.Stamp = ++clock_now;
  Unlink(e);
  LinkNewest(e);
}

// The first entry in buffer order holding the page, as a scan finds it.
Entry* ScanFor(const PageId& id) {
  for (auto& e : entries)
    if (IdOf(*e) == id) return e.get();
  return nullptr;
}

Entry* Find(IsamFileBlock* ifb, int key, std::int32_t pageRef) {
  PageId id{ifb, key, pageRef};
  if (duplicates > 0) return ScanFor(id);
  auto it = by_id.find(id);
  return it == by_id.end() ? nullptr : it->second;
}

// Gives a free entry its page and makes it the most recent.
void Hold(Entry& e, IsamFileBlock* ifb, std::int32_t pageRef, int key) {
  e.Owner = ifb;
  e.PageRef = pageRef;
  e.KeyNr = key;
  e.Updated = false;
  free_entries.erase(e.Index);
  auto [it, added] = by_id.try_emplace(IdOf(e), &e);
  if (!added) ++duplicates;
  e.Stamp = ++clock_now;
  LinkNewest(e);
}

Entry* EntryOf(const IsamPage* page) {
  auto it = by_page.find(page);
  return it == by_page.end() ? nullptr : it->second;
}

void Free(Entry& e) {
  if (e.Owner != nullptr) {
    PageId id = IdOf(e);
    auto it = by_id.find(id);
    if (it != by_id.end() && it->second == &e) {
      by_id.erase(it);
      if (duplicates > 0) {
        e.Owner = nullptr;  // so that the scan skips it
        if (Entry* other = ScanFor(id)) {
          by_id.emplace(id, other);
          --duplicates;
        }
      }
    } else if (duplicates > 0) {
      --duplicates;
    }
    Unlink(e);
    free_entries.insert(e.Index);
  }
  e.Owner = nullptr;
  e.Updated = false;
  e.Stamp = 0;
}

Entry* LeastRecent() {
  if (!free_entries.empty()) return entries[*free_entries.begin()].get();
  return oldest;
}

// Writes an entry's page to its slot (clearing Updated).
void PutPage(Entry& e) {
  e.Updated = false;
  IsamFileBlock* ifb = e.Owner;
  std::int32_t len = IsamPackPage(e.Page, ifb->DID[e.KeyNr].KeyLen, slot_buffer);
  IsamPutBlock(ifb->IndF, PagePos(ifb, e.KeyNr, e.PageRef), len, slot_buffer);
  if (!IsamOK) e.Updated = true;  // still to be written
}

// Moves an entry's page to the kept pages (changed or not); false when
// making room failed on a write.
bool KeepPage(Entry& e) {
  IsamFileBlock* ifb = e.Owner;
  const std::int32_t len = IsamPackPage(e.Page, ifb->DID[e.KeyNr].KeyLen, slot_buffer);
  const PageId id = IdOf(e);
  ForgetKept(id);  // a copy left from before is out of date
  if (!MakeRoom(static_cast<std::size_t>(len))) return false;
  KeptPage& k = kept[id];
  k.Bytes.assign(slot_buffer, slot_buffer + len);
  k.Changed = e.Updated;
  k.Age = kept_order.insert(kept_order.end(), id);
  kept_bytes += k.Bytes.size();
  e.Updated = false;
  return true;
}

// Takes the least recently used entry for reuse, keeping its page first;
// nullptr when a write to make room for it failed.
Entry* TakeEntry() {
  Entry* e = LeastRecent();
  if (e == nullptr) {
    IsamSetError(err::kNoPageBuffer);
    return nullptr;
  }
  if (e->Owner != nullptr && !KeepPage(*e)) return nullptr;
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
    // Bytes past the key's length are written as zeros, whatever the item
    // held there before.
    std::memcpy(p + 9, it.KeyStr.data(), len);
    std::memset(p + 9 + len, 0, static_cast<std::size_t>(keyLen) - len);
  }
  return format::kPageHeadLen + n * itemLen;
}

namespace {
// Whether a stored page's count and key lengths fit its slot and key; n is
// its item count.
bool PackedPageFits(const unsigned char* in, std::int32_t slotLen, int keyLen, int pageSize,
                    int& n) {
  const int itemLen = keyLen + format::kItemOverhead;
  if (slotLen < format::kPageHeadLen) return false;
  n = format::GetU16(in);
  if (n > pageSize || n > format::kPageSize ||
      format::kPageHeadLen + std::int64_t(n) * itemLen > slotLen)
    return false;
  const unsigned char* p = in + format::kPageHeadLen;
  for (int i = 1; i <= n; ++i, p += itemLen)
    if (p[8] > keyLen) return false;
  return true;
}
}  // namespace

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
    // Only the key's own bytes are copied (the packing zeroes the rest).
    it.KeyStr.set_length(0);
    it.KeyStr.append(std::string_view(reinterpret_cast<const char*>(p + 9), p[8]));
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
    e->Index = static_cast<std::int32_t>(entries.size());
    free_entries.insert(e->Index);
    by_page.emplace(&e->Page, e.get());
    entries.push_back(std::move(e));
  }
  return static_cast<std::int32_t>(entries.size());
}

void IsamReleasePageBuffer() {
  entries.clear();
  by_page.clear();
  by_id.clear();
  duplicates = 0;
  free_entries.clear();
  oldest = newest = nullptr;
  clock_now = 0;
  kept.clear();
  kept_order.clear();
  kept_bytes = 0;
}

std::int32_t IsamPageBufferSize() { return static_cast<std::int32_t>(entries.size()); }
void IsamSetPageBufferLimitForTest(std::int32_t limit) { alloc_limit = limit; }
void IsamSetKeptPagesLimitForTest(std::size_t bytes) { kept_limit = bytes == 0 ? kKeptLimit : bytes; }

IsamPage* IsamGetPage(IsamFileBlock* ifb, std::int32_t pageRef, int key) {
  const IsamDatIndDescr& d = ifb->DID[key];
  if (pageRef < 1 || pageRef > d.NumRec || pageRef > ifb->MaxPages) {
    IsamSetError(err::kIndexDamaged);  // a link that names no page of this key
    return nullptr;
  }
  if (Entry* held = Find(ifb, key, pageRef)) {
    MakeMostRecent(*held);
    return &held->Page;
  }
  Entry* e = TakeEntry();
  if (e == nullptr) return nullptr;
  const PageId id{ifb, key, pageRef};
  auto k = kept.find(id);
  bool changed = false;
  if (k != kept.end()) {
    // Unpacked from the bytes this store packed; checked all the same.
    if (!IsamUnpackPage(k->second.Bytes.data(), static_cast<std::int32_t>(k->second.Bytes.size()),
                        d.KeyLen, d.UsedPageSize, e->Page)) {
      IsamSetError(err::kIndexDamaged);
      return nullptr;
    }
    changed = k->second.Changed;
    Forget(k);
  } else {
    IsamGetBlock(ifb->IndF, PagePos(ifb, key, pageRef), d.LenRec, slot_buffer);
    if (!IsamOK) return nullptr;
    if (!IsamUnpackPage(slot_buffer, d.LenRec, d.KeyLen, d.UsedPageSize, e->Page)) {
      IsamSetError(err::kIndexDamaged);
      return nullptr;
    }
  }
  Hold(*e, ifb, pageRef, key);
  e->Updated = changed;
  return &e->Page;
}

bool IsamViewPage(IsamFileBlock* ifb, std::int32_t pageRef, int key, IsamPageView& view) {
  const IsamDatIndDescr& d = ifb->DID[key];
  view = IsamPageView();
  view.ItemLen = d.KeyLen + format::kItemOverhead;
  if (pageRef < 1 || pageRef > d.NumRec || pageRef > ifb->MaxPages) {
    IsamSetError(err::kIndexDamaged);
    return false;
  }
  if (Entry* held = Find(ifb, key, pageRef)) {
    MakeMostRecent(*held);
    view.Held = &held->Page;
    return true;
  }
  const PageId id{ifb, key, pageRef};
  auto k = kept.find(id);
  if (k == kept.end()) {
    IsamGetBlock(ifb->IndF, PagePos(ifb, key, pageRef), d.LenRec, slot_buffer);
    if (!IsamOK) return false;
    int n = 0;
    if (!PackedPageFits(slot_buffer, d.LenRec, d.KeyLen, d.UsedPageSize, n)) {
      IsamSetError(err::kIndexDamaged);
      return false;
    }
    const std::size_t len = format::kPageHeadLen + std::size_t(n) * std::size_t(view.ItemLen);
    if (!MakeRoom(len)) return false;
    k = kept.try_emplace(id).first;
    k->second.Bytes.assign(slot_buffer, slot_buffer + len);
    k->second.Changed = false;
    k->second.Age = kept_order.insert(kept_order.end(), id);
    kept_bytes += len;
  } else {
    kept_order.splice(kept_order.end(), kept_order, k->second.Age);  // the newest now
  }
  view.Packed = k->second.Bytes.data();
  return true;
}

namespace {
// The page as IsamViewPage left it: its entry, else its kept bytes.
struct Lying {
  Entry* Held = nullptr;
  KeptPage* Kept = nullptr;
};

bool DamagedPage() {
  IsamSetError(err::kIndexDamaged);
  return false;
}

Lying WhereItLies(IsamFileBlock* ifb, std::int32_t pageRef, int key) {
  Lying at;
  at.Held = Find(ifb, key, pageRef);
  if (at.Held == nullptr) {
    auto k = kept.find(PageId{ifb, key, pageRef});
    if (k != kept.end()) at.Kept = &k->second;
  }
  return at;
}
}  // namespace

bool IsamRemoveItemWhereItLies(IsamFileBlock* ifb, std::int32_t pageRef, int key, int k) {
  const Lying at = WhereItLies(ifb, pageRef, key);
  if (at.Held != nullptr) {
    IsamPage& p = at.Held->Page;
    const int n = p.ItemsOnPage;
    if (k < 1 || k > n) return DamagedPage();
    for (int i = k; i < n; ++i) p.ItemArray[i] = p.ItemArray[i + 1];
    p.ItemsOnPage = static_cast<std::uint16_t>(n - 1);
    at.Held->Updated = true;
    return true;
  }
  if (at.Kept == nullptr) return false;
  std::vector<unsigned char>& b = at.Kept->Bytes;
  const int n = format::GetU16(b.data());
  const std::size_t itemLen = std::size_t(ifb->DID[key].KeyLen) + format::kItemOverhead;
  if (k < 1 || k > n) return DamagedPage();
  const auto first = b.begin() + format::kPageHeadLen + std::ptrdiff_t((k - 1) * itemLen);
  b.erase(first, first + std::ptrdiff_t(itemLen));
  format::PutU16(b.data(), static_cast<std::uint16_t>(n - 1));
  kept_bytes -= itemLen;
  at.Kept->Changed = true;
  return true;
}

bool IsamInsertItemWhereItLies(IsamFileBlock* ifb, std::int32_t pageRef, int key, int at,
                               const IsamItem& item) {
  const int keyLen = ifb->DID[key].KeyLen;
  const std::size_t itemLen = std::size_t(keyLen) + format::kItemOverhead;
  // Room for one more item first: that may write (and drop) older kept pages.
  if (Find(ifb, key, pageRef) == nullptr && !MakeRoom(itemLen)) return false;
  const Lying where = WhereItLies(ifb, pageRef, key);
  if (where.Held != nullptr) {
    IsamPage& p = where.Held->Page;
    const int n = p.ItemsOnPage;
    if (at < 1 || at > n + 1 || n >= ifb->DID[key].UsedPageSize)
      return DamagedPage();
    for (int i = n; i >= at; --i) p.ItemArray[i + 1] = p.ItemArray[i];
    p.ItemArray[at] = item;
    p.ItemsOnPage = static_cast<std::uint16_t>(n + 1);
    where.Held->Updated = true;
    return true;
  }
  if (where.Kept == nullptr) return false;
  std::vector<unsigned char>& b = where.Kept->Bytes;
  const int n = format::GetU16(b.data());
  if (at < 1 || at > n + 1 || n >= ifb->DID[key].UsedPageSize)
    return DamagedPage();
  const std::size_t pos = format::kPageHeadLen + std::size_t(at - 1) * itemLen;
  b.insert(b.begin() + std::ptrdiff_t(pos), itemLen, 0);  // bytes past the key stay zero
  unsigned char* p = b.data() + pos;
  format::PutI32(p, item.DataRef);
  format::PutI32(p + 4, item.PageRef);
  const std::size_t len = std::min<std::size_t>(item.KeyStr.size(), std::size_t(keyLen));
  p[8] = static_cast<unsigned char>(len);
  std::memcpy(p + 9, item.KeyStr.data(), len);
  format::PutU16(b.data(), static_cast<std::uint16_t>(n + 1));
  kept_bytes += itemLen;
  where.Kept->Changed = true;
  return true;
}

IsamPage* IsamNewPage(IsamFileBlock* ifb, std::int32_t& pageRef, int key) {
  Entry* e = TakeEntry();
  if (e == nullptr) return nullptr;
  std::int32_t ref = 0;
  IsamNewRec(ifb, ref, key);
  if (!IsamOK) return nullptr;
  pageRef = ref;
  ForgetKept(PageId{ifb, key, ref});
  Hold(*e, ifb, ref, key);
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
  ForgetKept(IdOf(*e));
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
  FlushKept(ifb, destructive);
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
  DropKept(ifb);
}

}  // namespace isam
