// File removal for the utilities that replace a catalogue file: the data and
// index files are moved out of the way before a new file is made from the
// exchange file.
//
// Owns: nothing but the two routines; names are in the system's form and go
// through kiosk::HostPath; "data\xx.txt" is the scratch name a file is moved
// to before it is deleted.
#pragma once

#include <string_view>

namespace delf {

// Deletes the file when it exists; errors are ignored.
void DELETE_FILE2(std::string_view fLabel);
// Moves the file to "data\xx.txt" and deletes it there, with 100 ms pauses.
// False when the file exists and could not be removed.
bool RENAME_FILE(std::string_view fLabel);

}  // namespace delf
