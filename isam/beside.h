// Building a catalogue file beside the one in use. A fileblock filled from a
// text file or rebuilt from its own data file is built as a side pair next
// to the pair in use, checked, and swapped in only when complete: a kill at
// any moment leaves either the old pair or the new one, never a partial one.
//
// Owns: the side pair's names and the swap. For the fileblock "data\products"
// the side pair is "data\productsNew" (.DAT, .IX) and its mark of completion
// "data\productsNew.DONE". The steps:
//   1. the side pair is created, filled, closed, checked (isam/check.h) and
//      flushed to disk;
//   2. the mark is written (atomically): from here on the side pair is the
//      file, and whoever finds the mark completes the swap;
//   3. the old pair's dialog file is removed (it describes the old pair);
//   4. the side data file, then the side index file, are renamed over the
//      old pair's; the folder is flushed;
//   5. the mark is removed.
// FINISHBESIDE, which runs before every open of a catalogue file, completes
// steps 3 to 5 when the mark is there and otherwise removes the side files
// of a build that never finished. Side files held open by another process
// (a second kiosk building) are left alone.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "isam/glue.h"

namespace glue {

// The side pair's fileblock name.
std::string SIDENAME(std::string_view fileBlockName);

// Completes or clears what an interrupted build left beside the fileblock.
// False when side files are in another process's use or a swap step
// failed; the pair in use is then whatever it was.
bool FINISHBESIDE(std::string_view fileBlockName);

// Progress of a build: a "writea" line shown (colour 253) or done (128).
using BesideProgress = std::function<void(int colour, int y, int line)>;

// Replaces the catalogue's file by a new one that fill makes. The file is
// closed first; leftovers of an earlier build are cleared; the side pair is
// created and opened as the catalogue itself (c.name is the side name and
// c.fb the side file while fill runs, so the module's own add routines work
// unchanged), in the store's bulk mode (isam/bulk.h). fill returns false
// when the new file would lack something it should hold; nothing is
// swapped in then. The file is left closed. True
// when the new pair is in place. With progress, lines 3 to 6 are shown
// around the steps at y = 300 to 600.
bool BUILDBESIDE(Catalogue& c, const std::function<bool()>& fill,
                 const BesideProgress& progress = {});

}  // namespace glue
