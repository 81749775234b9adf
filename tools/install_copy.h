// Copying the default installation into a kiosk working folder.
//
// Owns: the rule that a working folder is only ever completed, never
// overwritten. Every file of the installation that the folder lacks is
// copied whole or not at all (common/atomicfile.h), with the installation's
// permissions, so a copy killed part way leaves finished files and at most
// a temporary beside them; the next run removes the temporaries and copies
// what is still missing. Files already there are kept as they are: staff
// may have changed them.
#pragma once

#include <filesystem>

namespace setup {

// Copies every file of from into to that to does not have yet; copied
// counts them. False (with a message on standard error) at the first file
// that cannot be copied.
bool CopyMissing(const std::filesystem::path& from, const std::filesystem::path& to, int& copied);

}  // namespace setup
