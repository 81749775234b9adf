// The work behind kiosk-admin's commands, on the working folder already
// chosen (kiosk::SetWorkFolder) and the headless screen already open. Each
// returns an admin::Exit code; results go to out, faults to err.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace admin {

// A catalogue as the command line names it.
enum class Kind { Products, Map, Zones, NotFound };
// "products", "map", "zones", "notfound"; false for any other word.
bool KindOf(std::string_view word, Kind& kind);

int Import(Kind kind, const std::string& file, std::ostream& out, std::ostream& err);
// file empty: the exchange file in the working folder only.
int Export(Kind kind, const std::string& file, std::ostream& out, std::ostream& err);
int Check(std::ostream& out, std::ostream& err);
int Rebuild(Kind kind, std::ostream& out, std::ostream& err);
int Report(Kind kind, const std::string& file, std::ostream& out, std::ostream& err);
// The words shoppers looked for and did not find, most often first: one
// line each on out ("COUNT<tab>WORD<tab>KIOSKS<tab>LAST DATE", in UTF-8),
// and docs\NotFoundTop.txt written (copied to FILE when one is given).
int TopNotFound(const std::string& file, std::ostream& out, std::ostream& err);

// True when a running kiosk holds the data or index file of a fileblock
// (system-form name): their exclusive lock cannot be taken.
bool HeldByKiosk(std::string_view fileblock);

// The zone table's shape: line 1 the number of zones N (0..50), then one
// line of 18 numbers for each of zones 0..N. zoneCount: N. False with the
// fault in why.
bool ZoneTableSound(const std::string& text, int& zoneCount, std::string& why);

}  // namespace admin
