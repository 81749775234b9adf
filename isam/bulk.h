// Filling a fileblock built from scratch in one go. A fileblock that holds
// no record and no index entry can be put in bulk mode: records added are
// appended to the data file in large sequential writes, and index entries
// added are only collected; when the fill ends (at the close, or at the
// first key call that needs the tree) each key's entries are sorted once
// and its B-tree is built bottom-up and written block by block, front to
// back. The result is an ordinary fileblock: every page holds 31..62 items
// (the root 1..62), all leaves lie at one depth, and the entries, their
// order and the answers of every add are those the incremental add gives
// for the same calls (a second entry for a key in a unique index, or for
// the same key and record in a duplicates index, is refused with 10230).
//
// Owns: the bulk state of a fileblock (IsamBulk) and the bottom-up build.
// The index-damaged mark is written before the first record or entry, as
// with every change, and cleared only by a close that wrote everything.
#pragma once

#include <cstddef>
#include <cstdint>

#include "isam/isam.h"
#include "isam/store.h"

namespace isam {

// Puts an open, writable, empty fileblock in bulk mode; false (with the
// status unchanged) when it is not empty, so the caller's fill then runs
// through the ordinary calls.
bool BTBeginBulk(IsamFileBlockPtr IFBPtr);

// Inner steps the record and key calls run when ifb->Bulk is set.
// Appends a record; false when the record cannot be appended (the free
// chain is not empty): the caller then adds it the ordinary way.
bool IsamBulkAddRec(IsamFileBlock* ifb, std::int32_t& refNr, const void* source);
// Writes the appended records that are still buffered.
void IsamBulkFlushRecords(IsamFileBlock* ifb);
// Collects an entry (the key's length is checked by the caller); sets the
// status as IsamAddKey does.
void IsamBulkAddKey(IsamFileBlock* ifb, int key, std::int32_t userDatRef,
                    const IsamKeyStr& userKey);
// Ends bulk mode: writes buffered records, builds and writes every key's
// tree. On a write failure the fileblock stays in bulk mode (a close then
// fails as a failed page write does) and the index is left marked damaged.
void IsamEndBulk(IsamFileBlock* ifb);
// Frees the bulk state without writing (the descriptor is going away).
void IsamDropBulk(IsamFileBlock* ifb);

}  // namespace isam
