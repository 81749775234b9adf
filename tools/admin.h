// kiosk-admin: the file work of the utilities menus without the screen, for
// scripts and deployment tools. It runs the kiosk's own routines on a working
// folder (drawn on a headless screen nobody sees, in virtual time):
//
//   import KIND FILE        FILE becomes the exchange file and the catalogue
//                           is made afresh from it
//   export KIND [FILE]      the exchange file written from the catalogue (and
//                           copied to FILE)
//   check                   every fileblock: the store's checker, and one
//                           index entry per live record
//   rebuild KIND            every index rebuilt from the records
//   report KIND [FILE]      the catalogue's printed list (docs\...List.txt)
//   top-not-found [FILE]    the words most often not found (docs\NotFoundTop.txt)
// KIND: products, map, zones or notfound (zones: import and export only).
//
// Run by root on a folder that belongs to another user (the kiosk's), the
// files it made are given to that user, so the kiosk can open them.
//
// Owns: the command line, the exit codes below and the refusal while a
// kiosk holds the files. A kiosk opens each fileblock for exclusive use while
// a screen works on it, so before touching a fileblock the command takes
// and drops the same exclusive lock: when it cannot, a kiosk holds the file
// and the command changes nothing.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace admin {

enum Exit : int {
  kDone = 0,      // the work is done (check: every file is sound)
  kFailed = 1,    // the work failed, or check found a problem
  kUsage = 2,     // a bad command line
  kHeld = 3,      // a running kiosk holds a file the command needs; nothing changed
  kNoFolder = 4,  // the working folder is missing or is no kiosk working folder
};

// The working folder when --dir is not given (the package's store).
std::string DefaultFolder();

// Runs one command line (without the program name); what it did goes to
// out, one line per result, and what went wrong to err, each line starting
// "kiosk-admin: ".
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace admin
