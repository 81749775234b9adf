// The record files of a new kiosk working folder.
//
// Owns: the rule that kiosk-setup only ever completes a working folder's
// record files. Each of the three (products and map elements filled from
// their exchange files, the not-found log empty) that the folder lacks is
// built beside and swapped in when complete (isam/beside.h), so a run
// stopped at any moment leaves each file whole or absent, and the next run
// first finishes or clears what the stopped one left, then builds what is
// still missing. A file that is there is finished and kept as it is.
#pragma once

#include <cstdio>
#include <filesystem>

namespace setup {

// What kiosk-setup does: copies what the working folder lacks from the
// installation (tools/install_copy.h), then builds its missing record files
// (waits in virtual time), telling on report what it did. False when either
// step failed.
bool MakeWorkFolder(const std::filesystem::path& work, const std::filesystem::path& install,
                    std::FILE* report);

// Builds the missing record files of the working folder set with
// kiosk::SetWorkFolder, telling on report what it did. False when one could
// not be built.
bool BuildRecordFiles(std::FILE* report);

}  // namespace setup
