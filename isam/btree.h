// B-tree key routines over the page buffer (inner operations; the public
// BT... calls wrap them in the entry and exit checks).
#pragma once

#include <cstdint>
#include <string_view>

#include "isam/pagebuf.h"
#include "isam/store.h"

namespace isam {

// Byte order of keys, then length; with dup, then record number.
int IsamCompKeys(std::string_view key1, std::string_view key2, std::int32_t datRef1,
                 std::int32_t datRef2, bool dup);

// Binary search of one page. Returns true when found (item k); r is the
// number of items below the key (the child to follow is ChildOf(page, r)).
bool IsamSearchPage(const IsamPage& page, const IsamKeyStr& key, std::int32_t datRef, bool dup,
                    int& k, int& r);
// The same over a page read for looking only.
bool IsamSearchPage(const IsamPageView& page, const IsamKeyStr& key, std::int32_t datRef, bool dup,
                    int& k, int& r);
inline std::int32_t ChildOf(const IsamPage& page, int r) {
  return r == 0 ? page.BckwPageRef : page.ItemArray[r].PageRef;
}

bool IsamFindKey(IsamFileBlock* ifb, int key, std::int32_t& userDatRef, const IsamKeyStr& userKey);
void IsamNextKey(IsamFileBlock* ifb, int key, std::int32_t& userDatRef, IsamKeyStr& userKey);
void IsamClearKey(IsamFileBlock* ifb, int key);
void IsamAddKey(IsamFileBlock* ifb, int key, std::int32_t userDatRef, const IsamKeyStr& userKey);
void IsamDeleteKey(IsamFileBlock* ifb, int key, std::int32_t userDatRef,
                   const IsamKeyStr& userKey);

}  // namespace isam
