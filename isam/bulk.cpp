// Bulk fill of an empty fileblock (see isam/bulk.h).
//
// Records are gathered in a buffer and appended with one write per megabyte.
// Entries are gathered per key (key bytes in an arena, a fixed-size entry
// with the first eight key bytes for quick comparison); a unique index keeps
// a hash table of its keys so that a second one is refused at once, as the
// tree would. A duplicates index is ordered by (key, record number); as long as
// record numbers only grow no entry can repeat, and an entry that breaks
// that order ends bulk mode and goes into the built tree the ordinary way.
//
// The tree is built level by level from the sorted entries: a level of M
// items becomes the fewest pages that hold them, k = ceil((M + 1) / (PS + 1)),
// with one item between neighbouring pages going up to the next level; the
// items are spread evenly, so every page holds between PS/2 and PS. Leaves
// get page numbers 1..k0, the level above the next ones, the root last.
// Pages are written block by block (a block holds page p of every key), in
// writes of about a megabyte.
#include "isam/bulk.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <string_view>
#include <functional>
#include <vector>

#include "isam/btree.h"
#include "isam/errors.h"
#include "isam/fileio.h"
#include "isam/format.h"
#include "isam/status.h"

namespace isam {

namespace {

constexpr std::size_t kWriteChunk = std::size_t(1) << 20;

// Key bytes, kept at stable addresses.
class Arena {
 public:
  const char* Add(std::string_view s) {
    if (chunks_.empty() || used_ + s.size() > kChunk) {
      chunks_.push_back(std::make_unique<char[]>(kChunk));
      used_ = 0;
    }
    char* at = chunks_.back().get() + used_;
    if (!s.empty()) std::memcpy(at, s.data(), s.size());
    used_ += s.size();
    return at;
  }

 private:
  static constexpr std::size_t kChunk = std::size_t(1) << 20;  // > any key
  std::vector<std::unique_ptr<char[]>> chunks_;
  std::size_t used_ = 0;
};

struct BulkEntry {
  std::uint64_t Prefix;  // first 8 key bytes, big-endian, zero after the key's end
  const char* Key;
  std::int32_t Ref;
  std::uint8_t Len;
};

std::uint64_t PrefixOf(std::string_view k) {
  std::uint64_t p = 0;
  for (std::size_t i = 0; i < 8; ++i)
    p = (p << 8) | (i < k.size() ? static_cast<unsigned char>(k[i]) : 0u);
  return p;
}

// The store's key order (bytes, then length, then record number when the
// index allows duplicates). Equal prefixes mean equal bytes up to the
// shorter key's first 8.
bool Before(const BulkEntry& a, const BulkEntry& b, bool dup) {
  if (a.Prefix != b.Prefix) return a.Prefix < b.Prefix;
  const std::size_t n = std::min(a.Len, b.Len);
  if (n > 8) {
    const int c = std::memcmp(a.Key + 8, b.Key + 8, n - 8);
    if (c != 0) return c < 0;
  }
  if (a.Len != b.Len) return a.Len < b.Len;
  return dup && a.Ref < b.Ref;
}

std::string_view KeyOf(const BulkEntry& e) { return std::string_view(e.Key, e.Len); }

// The keys of a unique index collected so far, so that a second one is
// refused at once: an open-addressing table of entry numbers (plus one; 0
// is an empty slot) beside the low 32 bits of each key's hash, which also
// place it (the table never outgrows them), at most half full. One probe
// touches one slot; the entry's key is compared only when the hash bits
// agree, and growing needs no key.
class KeySet {
 public:
  // True when no entry holds k yet; then entry `entry` (whose key is k) is
  // remembered.
  bool Insert(std::string_view k, std::uint32_t entry, const std::vector<BulkEntry>& entries) {
    if ((used_ + 1) * 2 > slots_.size()) Grow();
    const std::uint32_t tag = HashBits(k);
    for (std::size_t i = tag & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
      Slot& s = slots_[i];
      if (s.EntryPlus1 == 0) {
        s = {entry + 1, tag};
        ++used_;
        return true;
      }
      if (s.Tag == tag && KeyOf(entries[s.EntryPlus1 - 1]) == k) return false;
    }
  }

  // Remembers the entries again after they were reordered.
  void Renumber(const std::vector<BulkEntry>& entries) {
    slots_.clear();
    used_ = 0;
    for (std::size_t i = 0; i < entries.size(); ++i)
      Insert(KeyOf(entries[i]), static_cast<std::uint32_t>(i), entries);
  }

 private:
  struct Slot {
    std::uint32_t EntryPlus1 = 0;
    std::uint32_t Tag = 0;
  };
  static std::uint32_t HashBits(std::string_view k) {
    return static_cast<std::uint32_t>(std::hash<std::string_view>()(k));
  }

  void Grow() {
    std::vector<Slot> old(std::max<std::size_t>(64, slots_.size() * 2));
    old.swap(slots_);
    for (const Slot& s : old) {
      if (s.EntryPlus1 == 0) continue;
      std::size_t i = s.Tag & (slots_.size() - 1);
      while (slots_[i].EntryPlus1 != 0) i = (i + 1) & (slots_.size() - 1);
      slots_[i] = s;
    }
  }

  std::vector<Slot> slots_;  // a power of two long
  std::size_t used_ = 0;
};

struct BulkKey {
  Arena Keys;
  std::vector<BulkEntry> Entries;
  KeySet Unique;              // unique index: the keys held
  std::int32_t LastRef = 0;   // duplicates index: the highest record
};

// One page of the built tree: Count items of a level starting at First.
struct PageDesc {
  int Level;
  std::size_t First;
  int Count;
  std::int32_t BckwPageRef;
};

struct Item {
  std::uint32_t Entry;  // index into the sorted entries
  std::int32_t PageRef;
};

struct BuiltTree {
  std::vector<std::vector<Item>> Levels;
  std::vector<PageDesc> Pages;  // page p is Pages[p - 1]
  std::int32_t Root = 0;
};

BuiltTree Build(const BulkKey& bk, int ps) {
  BuiltTree t;
  const std::size_t n = bk.Entries.size();
  if (n == 0) return t;
  std::vector<Item> leaves(n);
  for (std::size_t i = 0; i < n; ++i) leaves[i] = {static_cast<std::uint32_t>(i), 0};
  t.Levels.push_back(std::move(leaves));
  std::int32_t leftmost = 0;
  for (int level = 0;; ++level) {
    std::vector<Item>& items = t.Levels[static_cast<std::size_t>(level)];
    const std::size_t m = items.size();
    const std::size_t k = m <= std::size_t(ps) ? 1 : (m + 1 + ps) / (ps + 1);
    const std::size_t inPages = m - (k - 1);
    const std::size_t base = inPages / k, extra = inPages % k;
    const auto firstNr = static_cast<std::int32_t>(t.Pages.size() + 1);
    std::vector<Item> up;
    up.reserve(k - 1);
    std::size_t at = 0;
    std::int32_t bckw = leftmost;
    for (std::size_t j = 0; j < k; ++j) {
      const int count = static_cast<int>(base + (j < extra ? 1 : 0));
      t.Pages.push_back({level, at, count, bckw});
      at += static_cast<std::size_t>(count);
      if (j + 1 < k) {
        Item sep = items[at++];
        bckw = sep.PageRef;  // its right child becomes the next page's left one
        sep.PageRef = firstNr + static_cast<std::int32_t>(j + 1);
        up.push_back(sep);
      }
    }
    leftmost = firstNr;
    if (k == 1) {
      t.Root = firstNr;
      return t;
    }
    t.Levels.push_back(std::move(up));
  }
}

void PackPage(const BulkKey& bk, const BuiltTree& t, const PageDesc& pd, int keyLen,
              unsigned char* out) {
  const int itemLen = keyLen + format::kItemOverhead;
  format::PutU16(out, static_cast<std::uint16_t>(pd.Count));
  format::PutI32(out + 2, pd.BckwPageRef);
  unsigned char* p = out + format::kPageHeadLen;
  const std::vector<Item>& items = t.Levels[static_cast<std::size_t>(pd.Level)];
  for (int i = 0; i < pd.Count; ++i, p += itemLen) {
    const Item& it = items[pd.First + static_cast<std::size_t>(i)];
    const BulkEntry& e = bk.Entries[it.Entry];
    format::PutI32(p, e.Ref);
    format::PutI32(p + 4, it.PageRef);
    p[8] = e.Len;
    if (e.Len > 0) std::memcpy(p + 9, e.Key, e.Len);
  }
}

}  // namespace

struct IsamBulk {
  std::vector<unsigned char> Records;  // appended records not yet written
  std::int32_t FirstRecord = 0;        // record number of Records' first
  BulkKey Keys[MaxNrOfKeys + 1];
};

bool BTBeginBulk(IsamFileBlockPtr IFBPtr) {
  IsamEntryCode(IFBPtr, kOptWrite);
  if (!IsamOK) {
    IsamExitCode(IFBPtr);
    return false;
  }
  IsamFileBlock* ifb = IFBPtr;
  bool empty = !ifb->SaveFB && ifb->DID[0].NumRec == 0 && ifb->DID[0].FirstFree == -1;
  for (int k = 1; k <= ifb->NrOfKeys; ++k) {
    const IsamDatIndDescr& d = ifb->DID[k];
    empty = empty && d.NumRec == 0 && d.RootRef == 0 && d.FirstFree == -1 && d.NumKeys == 0 &&
            d.UsedPageSize == format::kPageSize;
  }
  if (empty && ifb->Bulk == nullptr) ifb->Bulk = new (std::nothrow) IsamBulk;
  IsamExitCode(IFBPtr);
  return empty && ifb->Bulk != nullptr;
}

bool IsamBulkAddRec(IsamFileBlock* ifb, std::int32_t& refNr, const void* source) {
  IsamDatIndDescr& d = ifb->DID[0];
  if (d.FirstFree != -1) return false;
  IsamClearOK();
  IsamSetDataBufferedFlag(ifb);
  if (!IsamOK) return true;
  if (d.NumRec < 0 || d.NumRec == std::numeric_limits<std::int32_t>::max()) {
    IsamSetError(err::kFreeChainDamaged);
    return true;
  }
  std::vector<unsigned char>& buf = ifb->Bulk->Records;
  if (buf.empty()) ifb->Bulk->FirstRecord = d.NumRec + 1;
  const std::size_t len = static_cast<std::size_t>(d.LenRec);
  const std::size_t at = buf.size();
  buf.resize(at + len);
  std::memcpy(buf.data() + at, source, len);
  if (ifb->CharConv != BTNoCharConvert)
    ifb->CharConv(buf.data() + at, d.LenRec, false, ifb->CCHookPtr);
  d.NumRec += 1;
  d.InfoRecChanged = true;
  d.FirstFreeChanged = false;
  refNr = d.NumRec;
  if (buf.size() >= kWriteChunk) IsamBulkFlushRecords(ifb);
  return true;
}

void IsamBulkFlushRecords(IsamFileBlock* ifb) {
  if (ifb->Bulk == nullptr || ifb->Bulk->Records.empty()) return;
  std::vector<unsigned char>& buf = ifb->Bulk->Records;
  IsamPutBlock(ifb->DatF, std::int64_t(ifb->Bulk->FirstRecord) * ifb->DID[0].LenRec,
               static_cast<std::int64_t>(buf.size()), buf.data());
  if (IsamOK) buf.clear();  // otherwise kept for the next attempt
}

void IsamBulkAddKey(IsamFileBlock* ifb, int key, std::int32_t userDatRef,
                    const IsamKeyStr& userKey) {
  IsamSetDataBufferedFlag(ifb);
  if (!IsamOK) return;
  IsamDatIndDescr& d = ifb->DID[key];
  BulkKey& bk = ifb->Bulk->Keys[key];
  d.SequentialOK = false;
  const std::string_view k = userKey.view();
  if (d.AllowDupKeys) {
    if (!bk.Entries.empty() && userDatRef <= bk.LastRef) {
      // Whether this pair is held already takes the tree to tell.
      IsamEndBulk(ifb);
      if (IsamOK) IsamAddKey(ifb, key, userDatRef, userKey);
      return;
    }
    bk.LastRef = userDatRef;
  } else if (!bk.Unique.Insert(k, static_cast<std::uint32_t>(bk.Entries.size()), bk.Entries)) {
    IsamOK = false;  // the caller turns this into "entry exists"
    return;
  }
  const char* stored = bk.Keys.Add(k);
  bk.Entries.push_back({PrefixOf(k), stored, userDatRef, static_cast<std::uint8_t>(k.size())});
  d.NumKeys += 1;
  d.InfoRecChanged = true;
  IsamOK = true;
}

void IsamEndBulk(IsamFileBlock* ifb) {
  IsamBulk* bulk = ifb->Bulk;
  if (bulk == nullptr) return;
  IsamBulkFlushRecords(ifb);
  if (!IsamOK) return;

  std::vector<BuiltTree> trees(static_cast<std::size_t>(ifb->NrOfKeys) + 1);
  std::int32_t maxPages = ifb->MaxPages;
  for (int k = 1; k <= ifb->NrOfKeys; ++k) {
    BulkKey& bk = bulk->Keys[k];
    const bool dup = ifb->DID[k].AllowDupKeys;
    std::sort(bk.Entries.begin(), bk.Entries.end(),
              [dup](const BulkEntry& a, const BulkEntry& b) { return Before(a, b, dup); });
    trees[static_cast<std::size_t>(k)] = Build(bk, ifb->DID[k].UsedPageSize);
    maxPages = std::max(maxPages, static_cast<std::int32_t>(trees[static_cast<std::size_t>(k)].Pages.size()));
  }

  // Blocks 1..maxPages, front to back; the file holds block 0 only.
  if (maxPages > 0) IsamSetDataBufferedFlag(ifb);
  const std::int64_t blockLen = ifb->BlockLen;
  const std::int32_t perWrite =
      static_cast<std::int32_t>(std::max<std::int64_t>(1, std::int64_t(kWriteChunk) / blockLen));
  std::vector<unsigned char> out;
  for (std::int32_t first = 1; IsamOK && first <= maxPages; first += perWrite) {
    const std::int32_t blocks = std::min(perWrite, maxPages - first + 1);
    out.assign(static_cast<std::size_t>(blocks * blockLen), 0);
    for (int k = 1; k <= ifb->NrOfKeys; ++k) {
      const BuiltTree& t = trees[static_cast<std::size_t>(k)];
      const std::int32_t last = std::min<std::int32_t>(first + blocks - 1,
                                                       static_cast<std::int32_t>(t.Pages.size()));
      for (std::int32_t p = first; p <= last; ++p)
        PackPage(bulk->Keys[k], t, t.Pages[static_cast<std::size_t>(p - 1)], ifb->DID[k].KeyLen,
                 out.data() + std::int64_t(p - first) * blockLen + ifb->DID[k].BlockOfs);
    }
    IsamPutBlock(ifb->IndF, std::int64_t(first) * blockLen, static_cast<std::int64_t>(out.size()),
                 out.data());
  }
  if (!IsamOK) {
    ifb->IndexDamaged = true;  // part of the tree may be on disk
    // Still in bulk mode: the unique keys' tables name the sorted entries.
    for (int k = 1; k <= ifb->NrOfKeys; ++k)
      if (!ifb->DID[k].AllowDupKeys) bulk->Keys[k].Unique.Renumber(bulk->Keys[k].Entries);
    return;
  }
  for (int k = 1; k <= ifb->NrOfKeys; ++k) {
    IsamDatIndDescr& d = ifb->DID[k];
    const BuiltTree& t = trees[static_cast<std::size_t>(k)];
    if (t.Pages.empty()) continue;
    d.NumRec = static_cast<std::int32_t>(t.Pages.size());
    d.RootRef = t.Root;
    d.InfoRecChanged = true;
    d.SequentialOK = false;
  }
  ifb->MaxPages = maxPages;
  IsamDropBulk(ifb);
}

void IsamDropBulk(IsamFileBlock* ifb) {
  delete ifb->Bulk;
  ifb->Bulk = nullptr;
}

}  // namespace isam
