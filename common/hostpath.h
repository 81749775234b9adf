// File names in the kiosk's own form ("fixtures\plov.bmp", "data\products",
// mixed case, "\" between folders) turned into host paths.
//
// Every file the kiosk opens goes through HostPath: "\" becomes "/", the name
// is taken under the working folder, and each part of it that does not exist
// with that exact spelling is matched case-insensitively against what is on
// disk (existing installations come from a case-insensitive file system).
// A part that matches nothing is kept as written, so new files are created
// under the name the kiosk gives them.
#pragma once

#include <string>
#include <string_view>

namespace kiosk {

// The working folder all relative names are resolved under; "." (the
// process's current folder) unless a test or tool sets another.
void SetWorkFolder(std::string_view folder);
const std::string& WorkFolder();

// The host path of a system-form name. Absolute names ("/..." or a drive-less
// "\...") are taken from the root instead of the working folder.
std::string HostPath(std::string_view systemName);

}  // namespace kiosk
