// The product editor: the staff screens that maintain the product file.
//
// Owns: the editor's screens and the product report's layout. The record,
// its keys and the file glue are the product file's (editors/prodfile.h).
#pragma once

#include "editors/prodfile.h"

namespace report {
struct Layout;
}

namespace editprod {

inline constexpr const char* kReportFile = "docs\\ItemsList.txt";

// The product report of the open product file (password first).
bool PRINTPRODUCT();
// Its layout for the report writer.
const report::Layout& ProductReport();

}  // namespace editprod
