// The store's inner state: the fileblock descriptor, its per-part
// descriptors, and the store-wide globals (started flag, open list).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "isam/fileio.h"
#include "isam/format.h"
#include "isam/isam.h"

namespace isam {

// One step of a key's search path: a page and the current item on it
// (0 = before item 1).
struct IsamSearchStep {
  std::int32_t PageRef = 0;
  int ItemArrInd = 0;
};

// Entry 0 describes the data file (only the chain/size fields and the change
// flags are used), entry k key k.
struct IsamDatIndDescr {
  std::int32_t NumKeys = 0;  // entries in the index
  std::int32_t FirstFree = -1;
  std::int32_t NumberFree = 0;
  std::int32_t NumRec = 0;
  std::int32_t LenRec = 0;
  std::int32_t RootRef = 0;
  std::uint16_t UsedPageSize = format::kPageSize;
  bool AllowDupKeys = false;
  bool InfoRecChanged = false;    // header must be written at close
  bool FirstFreeChanged = false;  // the last allocation came from the chain
  bool SearchForSequentialEnabled = true;
  bool SequentialOK = false;  // the path is valid for a step to the next entry
  std::uint8_t KeyLen = 0;
  std::int32_t BlockOfs = 0;
  std::array<IsamSearchStep, format::kMaxHeight + 1> Path{};  // 1..6
  int PathInd = 0;  // depth in use, 0 = no position
};

struct IsamBulk;  // isam/bulk.h

struct IsamFileBlock {
  std::uint32_t ValidSign = 0;
  IsamFile DatF, IndF, DiaF;
  std::uint8_t NrOfKeys = 0;
  std::int32_t BlockLen = 0;
  std::int32_t MaxPages = 0;  // blocks after block 0
  std::array<IsamDatIndDescr, MaxNrOfKeys + 1> DID{};
  bool DataBuffered = false;  // the index-damaged mark is written
  // A key change failed part way: the mark stays set at close, so the next
  // open reports 10010 and the index is rebuilt.
  bool IndexDamaged = false;
  bool ReadOnlyFB = false;
  bool SaveFB = false;
  CharConvProc CharConv = BTNoCharConvert;
  void* CCHookPtr = nullptr;
  bool CCDestrWrite = true;
  IsamBulk* Bulk = nullptr;  // bulk mode (isam/bulk.h); owned
};

// Store-wide state.
extern bool IsamInitialized;
extern std::vector<IsamFileBlock*> IsamOpenFileBlockList;  // in opening order

// Writes the index-damaged mark at the first change after an open.
void IsamSetDataBufferedFlag(IsamFileBlock* ifb);
// Writes one header from its descriptor: part 0 the data header (mark 0
// unless the index was left damaged), part k key k's header.
void IsamPutInfoRec(IsamFileBlock* ifb, int part);

// Record and page numbers (part 0 records, part k pages of key k).
void IsamNewRec(IsamFileBlock* ifb, std::int32_t& refNr, int part);
void IsamDeleteRecOrPage(IsamFileBlock* ifb, std::int32_t refNr, int part);

// Byte position of key k's page p in the index file.
inline std::int64_t PagePos(const IsamFileBlock* ifb, int key, std::int32_t page) {
  return std::int64_t(page) * ifb->BlockLen + ifb->DID[key].BlockOfs;
}

}  // namespace isam
