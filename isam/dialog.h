// The dialog file <name>.DIA: the log of the save mode. The store never
// writes one; a dialog file found at open is checked and, when it holds
// entries, replayed before the fileblock is used.
#pragma once

#include "isam/store.h"

namespace isam {

enum class DialogFileState { Correct, Raw, ToRepair };

// Examines the open dialog file ifb->DiaF (the data and index files are
// open). Sets the status on a read error, or 10440 when readOnly and the
// file holds more than its first byte.
DialogFileState CheckDiaFile(IsamFileBlock* ifb, bool readOnly);

// Replays ifb->DiaF into the fileblock and cuts it back to its first byte.
// 10430 on a read-only fileblock; 10180 for a damaged log.
void IsamRepairFileBlock(IsamFileBlock* ifb);

}  // namespace isam
