// Structural check of a closed fileblock, read straight from its files
// (no store calls, no page buffer): the data header and deleted chain, every
// key header, free-page chain and B-tree page. Damaged files give problems,
// never a crash or an endless walk.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace isam {

struct KeyCheck {
  int Key = 0;
  int KeyLen = 0;
  bool AllowDup = false;
  int PageSize = 0;
  std::int32_t KeysUsed = 0;    // as stored in the header
  std::int32_t Entries = 0;     // found in the tree
  std::int32_t TreePages = 0;   // pages reachable from the root
  std::int32_t FreePages = 0;   // on the free chain
  std::int32_t NumRec = 0;      // pages allocated
  std::int32_t RootRef = 0;
  int Depth = 0;                // levels, 0 for an empty index
  // (key, record number) in key order; filled when asked for.
  std::vector<std::pair<std::string, std::int32_t>> List;
};

struct CheckReport {
  std::vector<std::string> Problems;
  std::int32_t RecLen = 0;
  std::int32_t NumRec = 0;       // highest record number allocated
  std::int32_t FreeRecords = 0;  // on the deleted chain
  std::int32_t LiveRecords = 0;
  bool DamagedMark = false;
  std::vector<KeyCheck> Keys;
  bool Ok() const { return Problems.empty(); }
};

// name: the fileblock's system-form name ("data\\products"). With
// listEntries every key's entries are returned in key order.
CheckReport IsamCheckFileBlock(std::string_view name, bool listEntries = false);

}  // namespace isam
