// Insertion (balance with one neighbour before splitting) and deletion
// (borrow from a neighbour before merging). Pages are fetched again by
// number after every recursive call, so no page pointer outlives the three
// most recent gets. The way down only looks at pages; an item put into a
// page with room, or taken out of a leaf, is changed where the page lies;
// only balancing, splitting, borrowing and merging take entries.
#include <algorithm>

#include "isam/btree.h"
#include "isam/errors.h"
#include "isam/status.h"

namespace isam {

namespace {

// Items of two neighbouring pages, their separator and the new item, laid
// out in order while a full page is balanced.
IsamItem sequence[2 * format::kPageSize + 3];

struct Ctx {
  IsamFileBlock* ifb;
  int key;
  std::int32_t ref;
  const IsamKeyStr* userKey;
  bool dup;
  int ps, h;        // page size and half page
  IsamItem up;      // the item rising from below (insertion)
  bool rising = false;
  bool inserted = true;
  bool deleted = true;
  bool underflow = false;
};

Ctx MakeCtx(IsamFileBlock* ifb, int key, std::int32_t ref, const IsamKeyStr& userKey) {
  const IsamDatIndDescr& d = ifb->DID[key];
  Ctx c{ifb, key, ref, &userKey, d.AllowDupKeys, d.UsedPageSize, d.UsedPageSize / 2, {}};
  return c;
}

IsamPage* Get(Ctx& c, std::int32_t page) { return IsamGetPage(c.ifb, page, c.key); }

bool Damaged() {
  IsamSetError(err::kIndexDamaged);
  return false;
}

// ---- Insertion ---------------------------------------------------------------

enum class Balanced { Done, NoRoom, Failed };

// P (full, not the root) was reached from F at position j; the item rising
// from below belongs at P's position r + 1.
Balanced Balance(Ctx& c, std::int32_t pRef, int r, int j, std::int32_t fRef) {
  IsamPage* f = Get(c, fRef);
  if (f == nullptr) return Balanced::Failed;
  const int fn = f->ItemsOnPage;
  if (j > fn || (j == 0 && fn == 0)) return Damaged(), Balanced::Failed;
  const bool right = j < fn;
  const int sepIdx = right ? j + 1 : j;
  const std::int32_t sRef = right ? f->ItemArray[j + 1].PageRef
                                  : (j == 1 ? f->BckwPageRef : f->ItemArray[j - 1].PageRef);
  IsamPage* s = Get(c, sRef);
  if (s == nullptr) return Balanced::Failed;
  if (s->ItemsOnPage >= c.ps) return Balanced::NoRoom;
  IsamPage* p = Get(c, pRef);
  if (p == nullptr) return Balanced::Failed;

  IsamPage* left = right ? p : s;
  IsamPage* rightPage = right ? s : p;
  const std::int32_t rightRef = right ? sRef : pRef;
  int n = 0;
  auto addPage = [&](IsamPage* pg) {
    if (pg == p) {
      for (int i = 1; i <= r; ++i) sequence[++n] = p->ItemArray[i];
      sequence[++n] = c.up;
      for (int i = r + 1; i <= p->ItemsOnPage; ++i) sequence[++n] = p->ItemArray[i];
    } else {
      for (int i = 1; i <= pg->ItemsOnPage; ++i) sequence[++n] = pg->ItemArray[i];
    }
  };
  addPage(left);
  sequence[++n] = f->ItemArray[sepIdx];
  sequence[n].PageRef = rightPage->BckwPageRef;  // the old separator moves down
  addPage(rightPage);

  const int m = right ? n / 2 + 1 : (n + 1) / 2;
  IsamItem newSep = sequence[m];
  rightPage->BckwPageRef = newSep.PageRef;
  newSep.PageRef = rightRef;
  left->ItemsOnPage = static_cast<std::uint16_t>(m - 1);
  for (int i = 1; i < m; ++i) left->ItemArray[i] = sequence[i];
  rightPage->ItemsOnPage = static_cast<std::uint16_t>(n - m);
  for (int i = m + 1; i <= n; ++i) rightPage->ItemArray[i - m] = sequence[i];
  f->ItemArray[sepIdx] = newSep;
  IsamUpdatePage(s);
  IsamUpdatePage(f);
  IsamUpdatePage(p);
  return Balanced::Done;
}

// Puts c.up into page P at position r + 1: directly, by balancing with a
// neighbour, or by splitting P (c.up then rises further).
bool Insert(Ctx& c, std::int32_t pRef, int r, int j, std::int32_t fRef) {
  {
    IsamPageView v;
    if (!IsamViewPage(c.ifb, pRef, c.key, v)) return false;
    if (v.Items() < c.ps) {
      if (IsamInsertItemWhereItLies(c.ifb, pRef, c.key, r + 1, c.up)) {
        c.rising = false;
        return true;
      }
      if (!IsamOK) return false;
    }
  }
  IsamPage* p = Get(c, pRef);
  if (p == nullptr) return false;
  const int n = p->ItemsOnPage;
  if (n < c.ps) {
    for (int i = n; i >= r + 1; --i) p->ItemArray[i + 1] = p->ItemArray[i];
    p->ItemArray[r + 1] = c.up;
    p->ItemsOnPage = static_cast<std::uint16_t>(n + 1);
    c.rising = false;
    IsamUpdatePage(p);
    return true;
  }
  if (fRef != 0) {
    Balanced b = Balance(c, pRef, r, j, fRef);
    if (b == Balanced::Failed) return false;
    if (b == Balanced::Done) {
      c.rising = false;
      return true;
    }
  }
  std::int32_t qRef = 0;
  IsamPage* q = IsamNewPage(c.ifb, qRef, c.key);
  if (q == nullptr) return false;
  p = Get(c, pRef);  // still held; fetched again for the most recent order
  if (p == nullptr) return false;
  const int h = c.h;
  IsamItem m;
  if (r <= h) {
    if (r == h) {
      m = c.up;
    } else {
      m = p->ItemArray[h];
      for (int i = h - 1; i >= r + 1; --i) p->ItemArray[i + 1] = p->ItemArray[i];
      p->ItemArray[r + 1] = c.up;
    }
    for (int i = 1; i <= h; ++i) q->ItemArray[i] = p->ItemArray[h + i];
  } else {
    m = p->ItemArray[h + 1];
    const int r2 = r - h;
    for (int i = 1; i <= r2 - 1; ++i) q->ItemArray[i] = p->ItemArray[h + 1 + i];
    q->ItemArray[r2] = c.up;
    for (int i = r2 + 1; i <= h; ++i) q->ItemArray[i] = p->ItemArray[h + i];
  }
  p->ItemsOnPage = static_cast<std::uint16_t>(h);
  q->ItemsOnPage = static_cast<std::uint16_t>(h);
  q->BckwPageRef = m.PageRef;
  m.PageRef = qRef;
  c.up = m;
  IsamUpdatePage(q);
  IsamUpdatePage(p);
  return true;
}

bool Search(Ctx& c, std::int32_t page, int j, std::int32_t fRef, int depth) {
  if (page == 0) {
    c.rising = true;
    c.up.DataRef = c.ref;
    c.up.PageRef = 0;
    c.up.KeyStr = *c.userKey;
    return true;
  }
  if (depth > format::kMaxHeight) return Damaged();
  IsamPageView p;
  if (!IsamViewPage(c.ifb, page, c.key, p)) return false;
  int k, r;
  if (IsamSearchPage(p, *c.userKey, c.ref, c.dup, k, r)) {
    c.inserted = false;
    c.rising = false;
    return true;
  }
  if (!Search(c, p.Child(r), r, page, depth + 1)) return false;
  if (c.rising) return Insert(c, page, r, j, fRef);
  return true;
}

// ---- Deletion ----------------------------------------------------------------

// Page A (position s in F) has fallen below half: borrow from a neighbour
// or merge with it.
bool Underflow(Ctx& c, std::int32_t fRef, std::int32_t aRef, int s) {
  IsamPage* f = Get(c, fRef);
  if (f == nullptr) return false;
  const int fn = f->ItemsOnPage;
  const int h = c.h;
  if (s < fn) {
    s += 1;
    const std::int32_t bRef = f->ItemArray[s].PageRef;
    IsamPage* b = Get(c, bRef);
    if (b == nullptr) return false;
    IsamPage* a = Get(c, aRef);
    if (a == nullptr) return false;
    const int an = a->ItemsOnPage, bn = b->ItemsOnPage;
    const int k = (bn - h + 1) / 2;
    if (an + std::max(k, 1) > c.ps || (k <= 0 && an + 1 + bn > c.ps)) return Damaged();
    a->ItemArray[an + 1] = f->ItemArray[s];
    a->ItemArray[an + 1].PageRef = b->BckwPageRef;
    if (k > 0) {
      for (int i = 1; i <= k - 1; ++i) a->ItemArray[an + 1 + i] = b->ItemArray[i];
      f->ItemArray[s] = b->ItemArray[k];
      f->ItemArray[s].PageRef = bRef;
      b->BckwPageRef = b->ItemArray[k].PageRef;
      for (int i = k + 1; i <= bn; ++i) b->ItemArray[i - k] = b->ItemArray[i];
      b->ItemsOnPage = static_cast<std::uint16_t>(bn - k);
      a->ItemsOnPage = static_cast<std::uint16_t>(an + k);
      c.underflow = false;
      IsamUpdatePage(b);
    } else {
      for (int i = 1; i <= bn; ++i) a->ItemArray[an + 1 + i] = b->ItemArray[i];
      for (int i = s; i < fn; ++i) f->ItemArray[i] = f->ItemArray[i + 1];
      f->ItemsOnPage = static_cast<std::uint16_t>(fn - 1);
      a->ItemsOnPage = static_cast<std::uint16_t>(an + 1 + bn);
      IsamReturnPage(b);
      if (!IsamOK) return false;
      c.underflow = f->ItemsOnPage < h;
    }
    IsamUpdatePage(a);
    IsamUpdatePage(f);
    return true;
  }
  if (s < 1) return Damaged();  // a parent without items
  const std::int32_t bRef = s == 1 ? f->BckwPageRef : f->ItemArray[s - 1].PageRef;
  IsamPage* b = Get(c, bRef);
  if (b == nullptr) return false;
  IsamPage* a = Get(c, aRef);
  if (a == nullptr) return false;
  const int an = a->ItemsOnPage, bn = b->ItemsOnPage;
  const int k = (bn - h + 1) / 2;
  if (k > 0) {
    if (an + k > c.ps) return Damaged();
    for (int i = an; i >= 1; --i) a->ItemArray[i + k] = a->ItemArray[i];
    a->ItemArray[k] = f->ItemArray[s];
    a->ItemArray[k].PageRef = a->BckwPageRef;
    for (int i = 1; i <= k - 1; ++i) a->ItemArray[i] = b->ItemArray[bn - k + 1 + i];
    a->BckwPageRef = b->ItemArray[bn - k + 1].PageRef;
    f->ItemArray[s] = b->ItemArray[bn - k + 1];
    f->ItemArray[s].PageRef = aRef;
    b->ItemsOnPage = static_cast<std::uint16_t>(bn - k);
    a->ItemsOnPage = static_cast<std::uint16_t>(an + k);
    c.underflow = false;
    IsamUpdatePage(a);
    IsamUpdatePage(b);
  } else {
    if (bn + 1 + an > c.ps) return Damaged();
    b->ItemArray[bn + 1] = f->ItemArray[s];
    b->ItemArray[bn + 1].PageRef = a->BckwPageRef;
    for (int i = 1; i <= an; ++i) b->ItemArray[bn + 1 + i] = a->ItemArray[i];
    b->ItemsOnPage = static_cast<std::uint16_t>(bn + 1 + an);
    f->ItemsOnPage = static_cast<std::uint16_t>(fn - 1);
    IsamUpdatePage(b);
    IsamReturnPage(a);
    if (!IsamOK) return false;
    c.underflow = f->ItemsOnPage < h;
  }
  IsamUpdatePage(f);
  return true;
}

// Replaces item kA of page A by the greatest entry below page L (the
// subtree left of that item).
bool TakeGreatest(Ctx& c, std::int32_t lRef, std::int32_t aRef, int kA, int depth) {
  if (depth > format::kMaxHeight) return Damaged();
  IsamPage* l = Get(c, lRef);
  if (l == nullptr) return false;
  const int ln = l->ItemsOnPage;
  if (ln == 0) return Damaged();
  const std::int32_t q = l->ItemArray[ln].PageRef;
  if (q != 0) {
    if (!TakeGreatest(c, q, aRef, kA, depth + 1)) return false;
    if (c.underflow) {
      l = Get(c, lRef);
      if (l == nullptr) return false;
      return Underflow(c, lRef, q, l->ItemsOnPage);
    }
    return true;
  }
  IsamPage* a = Get(c, aRef);
  if (a == nullptr) return false;
  l = Get(c, lRef);
  if (l == nullptr) return false;
  IsamItem item = l->ItemArray[ln];
  item.PageRef = a->ItemArray[kA].PageRef;
  a->ItemArray[kA] = item;
  l->ItemsOnPage = static_cast<std::uint16_t>(ln - 1);
  c.underflow = l->ItemsOnPage < c.h;
  IsamUpdatePage(a);
  IsamUpdatePage(l);
  return true;
}

bool Delete(Ctx& c, std::int32_t page, int depth) {
  if (page == 0) {
    c.deleted = false;
    c.underflow = false;
    return true;
  }
  if (depth > format::kMaxHeight) return Damaged();
  IsamPageView v;
  if (!IsamViewPage(c.ifb, page, c.key, v)) return false;
  int k, r;
  const bool found = IsamSearchPage(v, *c.userKey, c.ref, c.dup, k, r);
  const std::int32_t child = v.Child(r);
  if (found && child == 0) {
    const int n = v.Items();
    if (!IsamRemoveItemWhereItLies(c.ifb, page, c.key, k)) {
      if (!IsamOK) return false;
      IsamPage* p = Get(c, page);
      if (p == nullptr) return false;
      for (int i = k; i < n; ++i) p->ItemArray[i] = p->ItemArray[i + 1];
      p->ItemsOnPage = static_cast<std::uint16_t>(n - 1);
      IsamUpdatePage(p);
    }
    c.underflow = n - 1 < c.h;
    return true;
  }
  if (found) {
    if (!TakeGreatest(c, child, page, k, depth + 1)) return false;
  } else {
    if (!Delete(c, child, depth + 1)) return false;
  }
  if (c.underflow) return Underflow(c, page, child, r);
  return true;
}

}  // namespace

void IsamAddKey(IsamFileBlock* ifb, int key, std::int32_t userDatRef, const IsamKeyStr& userKey) {
  IsamSetDataBufferedFlag(ifb);
  if (!IsamOK) return;
  IsamDatIndDescr& d = ifb->DID[key];
  d.SequentialOK = false;
  Ctx c = MakeCtx(ifb, key, userDatRef, userKey);
  if (!Search(c, d.RootRef, -1, 0, 1)) {
    ifb->IndexDamaged = true;
    return;
  }
  if (c.rising) {
    std::int32_t ref = 0;
    IsamPage* root = IsamNewPage(ifb, ref, key);
    if (root == nullptr) {
      ifb->IndexDamaged = true;  // the split below has lost its middle item
      return;
    }
    root->ItemsOnPage = 1;
    root->BckwPageRef = d.RootRef;
    root->ItemArray[1] = c.up;
    IsamUpdatePage(root);
    d.RootRef = ref;
    d.InfoRecChanged = true;
  }
  if (c.inserted) {
    d.NumKeys += 1;
    d.InfoRecChanged = true;
  }
  IsamOK = c.inserted;
}

void IsamDeleteKey(IsamFileBlock* ifb, int key, std::int32_t userDatRef,
                   const IsamKeyStr& userKey) {
  IsamSetDataBufferedFlag(ifb);
  if (!IsamOK) return;
  IsamDatIndDescr& d = ifb->DID[key];
  d.SequentialOK = false;
  Ctx c = MakeCtx(ifb, key, userDatRef, userKey);
  if (!Delete(c, d.RootRef, 1)) {
    ifb->IndexDamaged = true;
    return;
  }
  if (c.underflow) {
    IsamPage* root = IsamGetPage(ifb, d.RootRef, key);
    if (root == nullptr) {
      ifb->IndexDamaged = true;
      return;
    }
    if (root->ItemsOnPage == 0) {
      // The tree loses a level (or becomes empty).
      std::int32_t newRoot = root->BckwPageRef;
      IsamReturnPage(root);
      if (!IsamOK) {
        ifb->IndexDamaged = true;
        return;
      }
      d.RootRef = newRoot;
      d.InfoRecChanged = true;
    }
  }
  if (c.deleted) {
    d.NumKeys -= 1;
    d.InfoRecChanged = true;
  }
  IsamOK = c.deleted;
}

}  // namespace isam
