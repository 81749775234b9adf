// Read-only reports on a closed fileblock for support staff: the
// `fileblock check`, `keys` and `records` commands. They read the files
// directly (never through the store, so a fileblock carrying the
// index-damaged mark can still be looked at) and change nothing.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace isam {

// Headers, chains and per-key tree shape, then one "problem: ..." line per
// fault found. Returns 0 when the fileblock is consistent, 1 otherwise.
int ReportCheck(std::string_view name, std::ostream& out);
// Every entry of key `key` in key order, "KEY REFNR" (keys escaped as in
// `fileblock ops`). Returns 1 (with the problems on err) when the index is
// damaged; what could be read is still listed.
int ReportKeys(std::string_view name, std::int32_t key, std::ostream& out, std::ostream& err);
// Every record number 1..highest allocated with its first 4 bytes in hex.
int ReportRecords(std::string_view name, std::ostream& out, std::ostream& err);

// "data/products" or "data\\products" -> the system form "data\\products".
std::string SystemFileBlockName(std::string_view in);

}  // namespace isam
