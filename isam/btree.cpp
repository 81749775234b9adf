// Key order, page search, find and next-key walks.
#include "isam/btree.h"

#include <algorithm>
#include <cstring>

#include "isam/bulk.h"
#include "isam/errors.h"
#include "isam/status.h"

namespace isam {

int IsamCompKeys(std::string_view key1, std::string_view key2, std::int32_t datRef1,
                 std::int32_t datRef2, bool dup) {
  const std::size_t n = std::min(key1.size(), key2.size());
  // memcmp compares as unsigned bytes; the first difference decides.
  if (n > 0) {
    const int d = std::memcmp(key1.data(), key2.data(), n);
    if (d != 0) {
      const std::size_t i = static_cast<std::size_t>(
          std::mismatch(key1.data(), key1.data() + n, key2.data()).first - key1.data());
      return static_cast<unsigned char>(key1[i]) - static_cast<unsigned char>(key2[i]);
    }
  }
  int c = static_cast<int>(key1.size()) - static_cast<int>(key2.size());
  if (c == 0 && dup) c = datRef1 < datRef2 ? -1 : datRef1 > datRef2 ? 1 : 0;
  return c;
}

namespace {
// The page search over any page form: L and R close in until R < L.
template <class Page>
bool SearchItems(const Page& page, int n, std::string_view key, std::int32_t datRef, bool dup,
                 int& k, int& r) {
  int l = 1;
  r = n;
  k = 0;
  if (r == 0) return false;
  do {
    k = (l + r) / 2;
    int c = IsamCompKeys(key, page.Key(k), datRef, page.DataRef(k), dup);
    if (c <= 0) r = k - 1;
    if (c >= 0) l = k + 1;
  } while (r >= l);
  return l - r > 1;
}

struct HeldItems {
  const IsamPage& p;
  std::string_view Key(int i) const { return p.ItemArray[i].KeyStr.view(); }
  std::int32_t DataRef(int i) const { return p.ItemArray[i].DataRef; }
};
}  // namespace

bool IsamSearchPage(const IsamPage& page, const IsamKeyStr& key, std::int32_t datRef, bool dup,
                    int& k, int& r) {
  return SearchItems(HeldItems{page}, page.ItemsOnPage, key.view(), datRef, dup, k, r);
}

bool IsamSearchPage(const IsamPageView& page, const IsamKeyStr& key, std::int32_t datRef, bool dup,
                    int& k, int& r) {
  return SearchItems(page, page.Items(), key.view(), datRef, dup, k, r);
}

bool IsamFindKey(IsamFileBlock* ifb, int key, std::int32_t& userDatRef,
                 const IsamKeyStr& userKey) {
  IsamDatIndDescr& d = ifb->DID[key];
  d.SequentialOK = false;
  d.PathInd = 0;
  std::int32_t page = d.RootRef;
  bool found = false;
  while (page != 0 && !found) {
    if (d.PathInd >= format::kMaxHeight) {
      IsamSetError(err::kIndexDamaged);  // deeper than any sound tree: a loop of pages
      d.PathInd = 0;
      return false;
    }
    d.PathInd += 1;
    d.Path[d.PathInd].PageRef = page;
    IsamPageView p;
    if (!IsamViewPage(ifb, page, key, p)) {
      d.PathInd = 0;
      return false;
    }
    int k, r;
    found = IsamSearchPage(p, userKey, userDatRef, d.AllowDupKeys, k, r);
    if (found) {
      userDatRef = p.DataRef(k);
      r = k;
    } else {
      page = p.Child(r);
    }
    d.Path[d.PathInd].ItemArrInd = r;
  }
  if (!found)
    while (d.PathInd > 0 && d.Path[d.PathInd].ItemArrInd == 0) d.PathInd -= 1;
  d.SequentialOK = true;
  IsamOK = found;
  return found;
}

void IsamClearKey(IsamFileBlock* ifb, int key) {
  ifb->DID[key].PathInd = 0;
  ifb->DID[key].SequentialOK = true;
}

void IsamNextKey(IsamFileBlock* ifb, int key, std::int32_t& userDatRef, IsamKeyStr& userKey) {
  IsamDatIndDescr& d = ifb->DID[key];
  if (!d.SequentialOK) {
    if (!d.SearchForSequentialEnabled) {
      IsamSetError(err::kNoPosition);
      return;
    }
    // Rebuild the position from the caller's last entry.
    std::int32_t ref = userDatRef;
    IsamFindKey(ifb, key, ref, userKey);
    if (IsamError != 0) return;
    IsamClearOK();
  }
  d.SequentialOK = false;
  std::int32_t page;
  if (d.PathInd == 0) {
    page = d.RootRef;
  } else {
    IsamPageView p;
    if (!IsamViewPage(ifb, d.Path[d.PathInd].PageRef, key, p)) return;
    int i = d.Path[d.PathInd].ItemArrInd;
    if (i > p.Items()) {
      IsamSetError(err::kIndexDamaged);
      d.PathInd = 0;
      return;
    }
    page = p.Child(i);
  }
  while (page != 0) {
    if (d.PathInd >= format::kMaxHeight) {
      IsamSetError(err::kIndexDamaged);
      d.PathInd = 0;
      return;
    }
    d.PathInd += 1;
    d.Path[d.PathInd] = {page, 0};
    IsamPageView p;
    if (!IsamViewPage(ifb, page, key, p)) {
      d.PathInd = 0;
      return;
    }
    page = p.BckwPageRef();
  }
  if (d.PathInd > 0) {
    IsamPageView p;
    if (!IsamViewPage(ifb, d.Path[d.PathInd].PageRef, key, p)) return;
    while (d.PathInd > 1 && d.Path[d.PathInd].ItemArrInd >= p.Items()) {
      d.PathInd -= 1;
      if (!IsamViewPage(ifb, d.Path[d.PathInd].PageRef, key, p)) return;
    }
    IsamSearchStep& step = d.Path[d.PathInd];
    if (step.ItemArrInd < p.Items()) {
      step.ItemArrInd += 1;
      userDatRef = p.DataRef(step.ItemArrInd);
      userKey.assign(p.Key(step.ItemArrInd));
    } else {
      d.PathInd = 0;
    }
  }
  IsamOK = d.PathInd != 0;
  if (!IsamOK) IsamError = err::kIndexEnd;
  d.SequentialOK = true;
}

// ---- Public key calls --------------------------------------------------------

namespace {
constexpr std::uint16_t kFindOptions = kOptReadPrefix | kOptKeyRoutine;
constexpr std::uint16_t kChangeOptions = kOptLock | kOptKeyRoutine | kOptWrite;
}  // namespace

void BTFindKey(IsamFileBlockPtr IFBPtr, std::int32_t Key, std::int32_t& UserDatRef,
               const IsamKeyStr& UserKey) {
  IsamEntryCode(IFBPtr, kFindOptions, Key);
  if (IsamOK && IFBPtr->Bulk) IsamEndBulk(IFBPtr);  // these need the tree
  if (IsamOK) {
    UserDatRef = 0;
    bool found = IsamFindKey(IFBPtr, Key, UserDatRef, UserKey);
    if (!found && IsamError == 0 && IFBPtr->DID[Key].AllowDupKeys) {
      // Duplicates are ordered by record number: the entry with the
      // smallest number is the one after the position found for number 0.
      IsamClearOK();
      std::int32_t ref = 0;
      IsamKeyStr next = UserKey;
      IsamNextKey(IFBPtr, Key, ref, next);
      if (IsamOK && next == UserKey) {
        found = true;
        UserDatRef = ref;
      }
    }
    if (!found) {
      IsamOK = false;
      UserDatRef = 0;
      if (IsamError == 0 || (IsamError >= err::kKeyNotFound && IsamError <= err::kKeyErrorsLast)) IsamError = err::kKeyNotFound;
    } else {
      IsamOK = true;
      IsamError = 0;
    }
  }
  IsamExitCode(IFBPtr);
}

bool BTKeyExists(IsamFileBlockPtr IFBPtr, std::int32_t Key, std::int32_t UserDatRef,
                 const IsamKeyStr& UserKey) {
  IsamEntryCode(IFBPtr, kFindOptions, Key);
  if (IsamOK && IFBPtr->Bulk) IsamEndBulk(IFBPtr);  // these need the tree
  bool found = false;
  if (IsamOK) {
    const IsamDatIndDescr& d = IFBPtr->DID[Key];
    bool dup = d.AllowDupKeys && UserDatRef != 0;
    std::int32_t page = d.RootRef;
    for (int depth = 0; page != 0 && !found; ++depth) {
      if (depth >= format::kMaxHeight) {
        IsamSetError(err::kIndexDamaged);
        break;
      }
      IsamPageView p;
      if (!IsamViewPage(IFBPtr, page, Key, p)) break;
      int k, r;
      found = IsamSearchPage(p, UserKey, UserDatRef, dup, k, r);
      page = p.Child(r);
    }
  }
  IsamExitCode(IFBPtr);
  return found;
}

void BTNextKey(IsamFileBlockPtr IFBPtr, std::int32_t Key, std::int32_t& UserDatRef,
               IsamKeyStr& UserKey) {
  IsamEntryCode(IFBPtr, kFindOptions, Key);
  if (IsamOK && IFBPtr->Bulk) IsamEndBulk(IFBPtr);  // these need the tree
  if (IsamOK) {
    if (IFBPtr->DID[Key].PathInd == 0) IsamClearKey(IFBPtr, Key);
    IsamNextKey(IFBPtr, Key, UserDatRef, UserKey);
  }
  IsamExitCode(IFBPtr);
}

void BTClearKey(IsamFileBlockPtr IFBPtr, std::int32_t Key) {
  IsamEntryCode(IFBPtr, kFindOptions, Key);
  if (IsamOK) IsamClearKey(IFBPtr, Key);
  IsamExitCode(IFBPtr);
}

void BTAddKey(IsamFileBlockPtr IFBPtr, std::int32_t Key, std::int32_t UserDatRef,
              const IsamKeyStr& UserKey) {
  IsamEntryCode(IFBPtr, kChangeOptions, Key);
  if (IsamOK) {
    if (UserKey.size() > IFBPtr->DID[Key].KeyLen) {
      IsamSetError(err::kKeyTooLong);
    } else {
      if (IFBPtr->Bulk) IsamBulkAddKey(IFBPtr, Key, UserDatRef, UserKey);
      else IsamAddKey(IFBPtr, Key, UserDatRef, UserKey);
      if (!IsamOK && IsamError == 0) IsamError = err::kDuplicateKey;
    }
  }
  IsamExitCode(IFBPtr);
}

void BTDeleteKey(IsamFileBlockPtr IFBPtr, std::int32_t Key, std::int32_t UserDatRef,
                 const IsamKeyStr& UserKey) {
  IsamEntryCode(IFBPtr, kChangeOptions, Key);
  if (IsamOK && IFBPtr->Bulk) IsamEndBulk(IFBPtr);  // these need the tree
  if (IsamOK) {
    IsamDeleteKey(IFBPtr, Key, UserDatRef, UserKey);
    if (!IsamOK && IsamError == 0) IsamError = err::kDeleteKeyNotFound;
  }
  IsamExitCode(IFBPtr);
}

std::int32_t BTUsedKeys(IsamFileBlockPtr IFBPtr, std::int32_t Key) {
  IsamEntryCode(IFBPtr, kFindOptions, Key);
  std::int32_t n = IsamOK ? IFBPtr->DID[Key].NumKeys : 0;
  IsamExitCode(IFBPtr);
  return n;
}

}  // namespace isam
