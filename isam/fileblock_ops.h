// The store driven by text lines, one operation per line, one result line
// each: the `fileblock ops` command. A script replayed here and against
// another implementation of the same file format gives outputs that can be
// compared line by line.
//
// Results are "ok ..." or "err N" (N the store's error number); a line that
// cannot be read gives "bad ..." and calls nothing. Texts and keys are the
// rest of the line exactly, with %XX for the byte XX; printed keys use the
// same escapes for "%", blanks and bytes outside 21..7E. `open NAME
// readonly` opens a fileblock read-only (the kiosk itself never does).
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "isam/isam.h"

namespace isam {

// What a caller of the store holds between lines: the current fileblock and,
// per key, the record number and key of the last successful step or find.
struct OpsSession {
  IsamFileBlockPtr Current = nullptr;
  std::array<std::int32_t, MaxNrOfKeys + 1> LastRef{};
  std::array<IsamKeyStr, MaxNrOfKeys + 1> LastKey{};
  bool SawBadLine = false;
};

// Runs one line and returns its result ("" for empty and "#" lines).
std::string RunOpsLine(OpsSession& s, std::string_view line);
// Runs every line of `in`, writing one result line each; returns 0, or 2
// when a line could not be read.
int RunOps(std::istream& in, std::ostream& out);

// %XX escapes: decoding fails (false) on a "%" without two hex digits.
bool UnescapeOpsText(std::string_view in, std::string& out);
std::string EscapeOpsKey(std::string_view key);

}  // namespace isam
