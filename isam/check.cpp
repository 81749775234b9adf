// The fileblock checker. Every count it trusts from disk is bounded by what
// the file can hold, and every walk visits a slot at most once.
#include "isam/check.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "isam/btree.h"
#include "isam/format.h"
#include "isam/isam.h"
#include "isam/pagebuf.h"
#include "isam/rawfile.h"

namespace isam {

namespace {

struct Checker {
  CheckReport& rep;
  void Problem(std::string s) {
    if (rep.Problems.size() < 200) rep.Problems.push_back(std::move(s));
  }
};

// Walks a free chain of `numRec` slots; marks each slot and returns the
// count. linkAt gives the byte position of a slot's link.
template <class LinkAt>
std::int32_t WalkChain(Checker& c, const RawFile& r, const std::string& what, std::int32_t first,
                       std::int32_t numRec, std::vector<char>& onChain, LinkAt linkAt) {
  std::int32_t count = 0;
  std::int32_t ref = first;
  while (ref != -1) {
    if (ref < 1 || ref > numRec) {
      c.Problem(what + ": chain link " + std::to_string(ref) + " outside 1.." +
                std::to_string(numRec));
      break;
    }
    if (onChain[ref]) {
      c.Problem(what + ": chain loops at " + std::to_string(ref));
      break;
    }
    onChain[ref] = 1;
    ++count;
    unsigned char b[4];
    if (!r.Read(linkAt(ref), 4, b)) {
      c.Problem(what + ": chain slot " + std::to_string(ref) + " beyond the file's end");
      break;
    }
    ref = format::GetI32(b);
  }
  return count;
}

struct TreeWalk {
  Checker& c;
  const RawFile& ix;
  KeyCheck& kc;
  std::int64_t blockLen;
  std::int64_t blockOfs;
  std::int32_t slotLen;
  const std::vector<char>& freePage;
  std::vector<char> seen;
  const std::vector<char>& recordFree;
  std::int32_t dataNumRec;
  bool list;
  int leafDepth = -1;
  bool havePrev = false;
  IsamKeyStr prevKey{};
  std::int32_t prevRef = 0;
  std::vector<unsigned char> buf{};
  std::string name{};

  void Item(const IsamItem& it) {
    if (havePrev) {
      int cmp = IsamCompKeys(prevKey, it.KeyStr, prevRef, it.DataRef, kc.AllowDup);
      if (cmp >= 0) c.Problem(name + ": entries out of order at \"" + it.KeyStr.str() + "\"");
    }
    havePrev = true;
    prevKey = it.KeyStr;
    prevRef = it.DataRef;
    ++kc.Entries;
    if (it.DataRef < 1 || it.DataRef > dataNumRec)
      c.Problem(name + ": entry \"" + it.KeyStr.str() + "\" names record " +
                std::to_string(it.DataRef) + " outside the data file");
    else if (recordFree[it.DataRef])
      c.Problem(name + ": entry \"" + it.KeyStr.str() + "\" names deleted record " +
                std::to_string(it.DataRef));
    if (list) kc.List.emplace_back(it.KeyStr.str(), it.DataRef);
  }

  void Visit(std::int32_t page, int depth, bool root) {
    const std::string at = name + ": page " + std::to_string(page);
    if (depth > format::kMaxHeight) {
      c.Problem(at + " lies deeper than " + std::to_string(format::kMaxHeight) + " levels");
      return;
    }
    if (page < 1 || page > kc.NumRec) {
      c.Problem(name + ": page link " + std::to_string(page) + " outside 1.." +
                std::to_string(kc.NumRec));
      return;
    }
    if (seen[page]) {
      c.Problem(at + " is reached twice");
      return;
    }
    seen[page] = 1;
    ++kc.TreePages;
    if (freePage[page]) c.Problem(at + " is in the tree and on the free chain");
    auto p = std::make_unique<IsamPage>();
    if (!ix.Read(page * blockLen + blockOfs, slotLen, buf.data())) {
      c.Problem(at + " beyond the file's end");
      return;
    }
    if (!IsamUnpackPage(buf.data(), slotLen, kc.KeyLen, kc.PageSize, *p)) {
      c.Problem(at + " is damaged (item count or key length)");
      return;
    }
    const int n = p->ItemsOnPage;
    const int lo = root ? 1 : kc.PageSize / 2;
    if (n < lo || n > kc.PageSize)
      c.Problem(at + " holds " + std::to_string(n) + " items (expected " + std::to_string(lo) +
                ".." + std::to_string(kc.PageSize) + ")");
    bool leaf = p->BckwPageRef == 0;
    for (int i = 1; i <= n; ++i)
      if ((p->ItemArray[i].PageRef == 0) != leaf) c.Problem(at + " mixes leaf and inner links");
    if (leaf) {
      if (leafDepth < 0) leafDepth = depth;
      else if (leafDepth != depth) c.Problem(at + " is a leaf at another depth");
      for (int i = 1; i <= n; ++i) Item(p->ItemArray[i]);
      return;
    }
    Visit(p->BckwPageRef, depth + 1, false);
    for (int i = 1; i <= n; ++i) {
      Item(p->ItemArray[i]);
      Visit(p->ItemArray[i].PageRef, depth + 1, false);
    }
  }
};

}  // namespace

CheckReport IsamCheckFileBlock(std::string_view name, bool listEntries) {
  CheckReport rep;
  Checker c{rep};
  IsamFileBlockName fb(name), dataName, rest, ixName, third;
  IsamExtractFileNames(fb, dataName, rest);
  IsamExtractFileNames(rest, ixName, third);
  RawFile dat(IsamForceExtension(dataName.view(), DatExtension).view());
  if (!dat.IsOpen()) {
    c.Problem("data file cannot be opened");
    return rep;
  }
  unsigned char hb[format::kDataHeaderLen];
  if (!dat.Read(0, sizeof hb, hb)) {
    c.Problem("data file shorter than its header");
    return rep;
  }
  format::DataHeader dh;
  format::DecodeDataHeader(hb, dh);
  rep.RecLen = dh.LenRec;
  rep.DamagedMark = dh.ADK != 0;
  if (dh.ADK != 0) c.Problem("data header carries the index-damaged mark");
  if (dh.LenRec < MinRecLen) {
    c.Problem("record length " + std::to_string(dh.LenRec) + " below 21");
    return rep;
  }
  const int nKeys = dh.Keys & 0xFF;
  if (nKeys > MaxNrOfKeys) {
    c.Problem("number of keys " + std::to_string(nKeys) + " above 5");
    return rep;
  }
  // Only slots the file holds can be records.
  const std::int64_t slots = dat.Size() / dh.LenRec - 1;
  if (dh.NumRec < 0 || dh.NumRec > slots) {
    c.Problem("highest record " + std::to_string(dh.NumRec) + " but the file holds " +
              std::to_string(slots) + " records");
    return rep;
  }
  rep.NumRec = dh.NumRec;
  std::vector<char> recordFree(static_cast<std::size_t>(dh.NumRec) + 1, 0);
  rep.FreeRecords = WalkChain(c, dat, "deleted records", dh.FirstFree, dh.NumRec, recordFree,
                              [&](std::int32_t r) { return std::int64_t(r) * dh.LenRec; });
  if (rep.FreeRecords != dh.NumberFree)
    c.Problem("deleted chain holds " + std::to_string(rep.FreeRecords) + " records, header says " +
              std::to_string(dh.NumberFree));
  rep.LiveRecords = dh.NumRec - rep.FreeRecords;
  {
    // Records read a run at a time: a file of a million records is read in
    // some hundred reads, not a million.
    const std::int32_t perRead = std::max<std::int32_t>(1, (1 << 20) / dh.LenRec);
    std::vector<unsigned char> run(static_cast<std::size_t>(perRead) * dh.LenRec);
    for (std::int32_t first = 1; first <= dh.NumRec; first += perRead) {
      const std::int32_t n = std::min(perRead, dh.NumRec - first + 1);
      if (!dat.Read(std::int64_t(first) * dh.LenRec, std::int64_t(n) * dh.LenRec, run.data()))
        break;  // the file holds every slot: the size was checked above
      for (std::int32_t i = 0; i < n; ++i) {
        const std::int32_t r = first + i;
        if (!recordFree[r] && format::GetI32(run.data() + std::size_t(i) * dh.LenRec) != 0)
          c.Problem("record " + std::to_string(r) + " is not on the deleted chain but not live");
      }
    }
  }
  if (nKeys == 0) return rep;

  RawFile ix(IsamForceExtension(ixName.view(), IxExtension).view());
  if (!ix.IsOpen()) {
    c.Problem("index file cannot be opened");
    return rep;
  }
  std::int64_t blockLen = 0;
  std::vector<format::KeyHeader> headers(nKeys + 1);
  std::vector<std::int64_t> ofs(nKeys + 1);
  for (int k = 1; k <= nKeys; ++k) {
    unsigned char kb[format::kKeyHeaderLen];
    if (!ix.Read(blockLen, sizeof kb, kb)) {
      c.Problem("index file shorter than key " + std::to_string(k) + "'s header");
      return rep;
    }
    format::DecodeKeyHeader(kb, headers[k]);
    int ps = headers[k].PageSizeUsed == 0 ? format::kPageSize : headers[k].PageSizeUsed;
    KeyCheck kc;
    kc.Key = k;
    kc.PageSize = ps;
    if (ps > format::kPageSize || ps % 2 != 0) {
      c.Problem("key " + std::to_string(k) + ": page size " + std::to_string(ps));
      return rep;
    }
    kc.KeyLen = format::DeriveKeyLen(headers[k].LenRec, ps);
    if (kc.KeyLen <= 0) {
      c.Problem("key " + std::to_string(k) + ": page length " +
                std::to_string(headers[k].LenRec) + " fits no key length");
      return rep;
    }
    kc.AllowDup = headers[k].ADK != 0;
    kc.KeysUsed = headers[k].KeysUsed;
    kc.NumRec = headers[k].NumRec;
    kc.RootRef = headers[k].RootRef;
    ofs[k] = blockLen;
    blockLen += headers[k].LenRec;
    rep.Keys.push_back(kc);
  }
  const std::int64_t blocks = ix.Size() / blockLen - 1;
  for (int k = 1; k <= nKeys; ++k) {
    KeyCheck& kc = rep.Keys[k - 1];
    const std::string name = "key " + std::to_string(k);
    if (kc.NumRec < 0 || kc.NumRec > blocks) {
      c.Problem(name + ": highest page " + std::to_string(kc.NumRec) + " but the file holds " +
                std::to_string(blocks) + " blocks");
      continue;
    }
    std::vector<char> freePage(static_cast<std::size_t>(kc.NumRec) + 1, 0);
    kc.FreePages = WalkChain(c, ix, name + " free pages", headers[k].FirstFree, kc.NumRec, freePage,
                             [&](std::int32_t p) { return p * blockLen + ofs[k]; });
    if (kc.FreePages != headers[k].NumberFree)
      c.Problem(name + ": free chain holds " + std::to_string(kc.FreePages) +
                " pages, header says " + std::to_string(headers[k].NumberFree));
    TreeWalk w{c, ix, kc, blockLen, ofs[k], headers[k].LenRec, freePage, {}, recordFree,
               dh.NumRec, listEntries};
    w.seen.assign(freePage.size(), 0);
    w.buf.resize(static_cast<std::size_t>(headers[k].LenRec));
    w.name = name;
    if (kc.RootRef != 0) w.Visit(kc.RootRef, 1, true);
    kc.Depth = w.leafDepth < 0 ? 0 : w.leafDepth;
    if (kc.Entries != kc.KeysUsed)
      c.Problem(name + ": " + std::to_string(kc.Entries) + " entries found, header says " +
                std::to_string(kc.KeysUsed));
    if (kc.TreePages + kc.FreePages != kc.NumRec)
      c.Problem(name + ": " + std::to_string(kc.NumRec - kc.TreePages - kc.FreePages) +
                " pages neither in the tree nor free");
  }
  return rep;
}

}  // namespace isam
