// Rebuilding a catalogue file from the file utilities or from the open
// glue. Every index is built afresh from the records of the data file (no
// live record is ever lost, whatever state the index is in), and then the
// catalogue's exchange file is refreshed from the rebuilt file. When the data
// file itself is missing, the file is made afresh from the exchange file.
#pragma once

#include <string_view>

namespace rebuild {

enum class Catalogue { Products, MapElements, NotFound };

// The utilities entry: frame, heading 13, the staff password (once the
// password prompt is installed) and, when a question is given, a yes/no
// confirmation; only when both are accepted, REBUILD_FILES2.
bool REBUILD_FILES(Catalogue which, std::string_view confirm = {});

// The rebuild itself, without the password (the module's REBUILD); starts the store when it is not
// running and ends it again afterwards. True when the file was rebuilt.
bool REBUILD_FILES2(Catalogue which);

// Routes the glue's progress texts to the "writea" lines on the screen.
void InstallProgressTexts();

// Shows a message of the catalogue glue (a store error or a file that cannot
// be opened) on the prompt box for 5 seconds.
void TELLOPERATOR(std::string_view text);

}  // namespace rebuild
