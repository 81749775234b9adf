// Records and the free chains: record numbers handed out and taken back
// (the deleted-record chain of the data file and each key's free-page
// chain share one form), and the public record calls.
#include <cstring>
#include <limits>
#include <vector>

#include "isam/bulk.h"
#include "isam/errors.h"
#include "isam/readahead.h"
#include "isam/status.h"
#include "isam/store.h"

namespace isam {

namespace {

// Where a slot's first 4 bytes (the chain link) lie, and in which file.
IsamFile& SlotFile(IsamFileBlock* ifb, int part) { return part == 0 ? ifb->DatF : ifb->IndF; }
std::int64_t SlotPos(IsamFileBlock* ifb, int part, std::int32_t ref) {
  return part == 0 ? std::int64_t(ref) * ifb->DID[0].LenRec : PagePos(ifb, part, ref);
}

// Scratch record buffer for the conversion hook when the caller's record
// must stay as it is.
std::vector<unsigned char> convert_buffer;

}  // namespace

void IsamNewRec(IsamFileBlock* ifb, std::int32_t& refNr, int part) {
  IsamDatIndDescr& d = ifb->DID[part];
  d.InfoRecChanged = true;
  if (d.FirstFree == -1) {
    if (d.NumRec < 0 || d.NumRec == std::numeric_limits<std::int32_t>::max()) {
      IsamSetError(err::kFreeChainDamaged);  // the counter itself is impossible
      return;
    }
    d.FirstFreeChanged = false;
    d.NumRec += 1;
    refNr = d.NumRec;
    if (part > 0 && refNr > ifb->MaxPages) {
      IsamPutDummyBlock(ifb->IndF, std::int64_t(ifb->MaxPages + 1) * ifb->BlockLen, ifb->BlockLen);
      if (!IsamOK) {
        d.NumRec -= 1;
        return;
      }
      ifb->MaxPages += 1;
    }
    return;
  }
  if (d.FirstFree < 1 || d.FirstFree > d.NumRec) {
    IsamSetError(err::kFreeChainDamaged);
    return;
  }
  std::int32_t ref = d.FirstFree;
  unsigned char link[4];
  IsamGetBlock(SlotFile(ifb, part), SlotPos(ifb, part, ref), 4, link);
  if (!IsamOK) return;
  std::int32_t next = format::GetI32(link);
  if (next != -1 && (next < 1 || next > d.NumRec)) {
    IsamSetError(err::kFreeChainDamaged);
    return;
  }
  refNr = ref;
  d.FirstFree = next;
  d.FirstFreeChanged = true;
  d.NumberFree -= 1;
}

void IsamDeleteRecOrPage(IsamFileBlock* ifb, std::int32_t refNr, int part) {
  IsamDatIndDescr& d = ifb->DID[part];
  d.InfoRecChanged = true;
  unsigned char link[4];
  format::PutI32(link, d.FirstFree);
  IsamPutBlock(SlotFile(ifb, part), SlotPos(ifb, part, refNr), 4, link);
  if (!IsamOK) return;
  d.FirstFree = refNr;
  d.NumberFree += 1;
}

namespace {

// Writes a record through the conversion hook.
void WriteRecord(IsamFileBlock* ifb, std::int32_t refNr, const void* source) {
  std::int32_t len = ifb->DID[0].LenRec;
  const void* out = source;
  if (ifb->CharConv != BTNoCharConvert) {
    // The hook converts a copy, so the caller's record is never changed
    // behind its back (it is passed as a constant).
    convert_buffer.assign(static_cast<const unsigned char*>(source),
                          static_cast<const unsigned char*>(source) + len);
    ifb->CharConv(convert_buffer.data(), len, false, ifb->CCHookPtr);
    out = convert_buffer.data();
  }
  IsamPutBlock(ifb->DatF, std::int64_t(refNr) * len, len, out);
}

void IsamAddRec(IsamFileBlock* ifb, std::int32_t& refNr, const void* source) {
  IsamClearOK();
  IsamSetDataBufferedFlag(ifb);
  if (!IsamOK) return;
  IsamDatIndDescr& d = ifb->DID[0];
  std::int32_t oldFirstFree = d.FirstFree;
  std::int32_t ref = 0;
  IsamNewRec(ifb, ref, 0);
  if (!IsamOK) return;
  WriteRecord(ifb, ref, source);
  if (!IsamOK) {
    if (d.FirstFreeChanged) {
      // A partial write may have hit the slot's chain link: put it back.
      const std::int32_t link = d.FirstFree;
      d.FirstFree = oldFirstFree;
      d.NumberFree += 1;
      const std::int32_t err = IsamError;
      unsigned char b[4];
      format::PutI32(b, link);
      IsamPutBlock(ifb->DatF, std::int64_t(ref) * d.LenRec, 4, b);
      IsamOK = false;
      IsamError = err;
    } else {
      d.NumRec -= 1;
    }
    return;
  }
  refNr = ref;
}

}  // namespace

namespace {
// The caller's buffer against the record length, after the entry checks
// passed: anything but an exact fit is refused before a byte moves.
bool FitsBuffer(IsamFileBlockPtr IFBPtr, std::size_t len) {
  if (static_cast<std::size_t>(IFBPtr->DID[0].LenRec) == len) return true;
  IsamSetError(err::kDataFileDamaged);
  return false;
}
}  // namespace

void BTAddRec(IsamFileBlockPtr IFBPtr, std::int32_t& RefNr, const void* Source, std::size_t SourceLen) {
  IsamEntryCode(IFBPtr, kOptLock | kOptWrite);
  if (IsamOK && FitsBuffer(IFBPtr, SourceLen)) {
    if (IFBPtr->Bulk == nullptr || !IsamBulkAddRec(IFBPtr, RefNr, Source))
      IsamAddRec(IFBPtr, RefNr, Source);
  }
  IsamExitCode(IFBPtr);
}

void BTGetRec(IsamFileBlockPtr IFBPtr, std::int32_t RefNr, void* Dest, std::size_t DestLen, bool IsoLock) {
  IsamEntryCode(IFBPtr, IsoLock ? 0 : kOptReadPrefix);
  if (IsamOK && IFBPtr->Bulk) IsamBulkFlushRecords(IFBPtr);
  if (IsamOK && FitsBuffer(IFBPtr, DestLen)) {
    std::int32_t len = IFBPtr->DID[0].LenRec;
    if (RefNr < 0) {
      IsamSetError(err::kShortRead);  // no such slot: reads as past the end
    } else {
      IsamGetDataBlock(IFBPtr->DatF, std::int64_t(RefNr) * len, len, Dest);
      if (IsamOK) IFBPtr->CharConv(Dest, len, true, IFBPtr->CCHookPtr);
    }
  }
  IsamExitCode(IFBPtr);
}

void BTPutRec(IsamFileBlockPtr IFBPtr, std::int32_t RefNr, const void* Source, std::size_t SourceLen,
              bool IsoLock) {
  IsamEntryCode(IFBPtr, IsoLock ? kOptWrite : kOptLock | kOptWrite);
  if (IsamOK && IFBPtr->Bulk) IsamBulkFlushRecords(IFBPtr);
  if (IsamOK && FitsBuffer(IFBPtr, SourceLen)) {
    // Slot 0 is the header; a negative number would land before it.
    if (RefNr <= 0) IsamSetError(err::kBadRecordNr);
    else WriteRecord(IFBPtr, RefNr, Source);
  }
  IsamExitCode(IFBPtr);
}

void BTDeleteRec(IsamFileBlockPtr IFBPtr, std::int32_t RefNr) {
  IsamEntryCode(IFBPtr, kOptLock | kOptWrite);
  if (IsamOK && IFBPtr->Bulk) IsamBulkFlushRecords(IFBPtr);
  if (IsamOK) {
    if (RefNr < 1 || RefNr > IFBPtr->DID[0].NumRec) {
      IsamSetError(err::kRecordNrPastEnd);
    } else {
      IsamSetDataBufferedFlag(IFBPtr);
      if (IsamOK) IsamDeleteRecOrPage(IFBPtr, RefNr, 0);
    }
  }
  IsamExitCode(IFBPtr);
}

std::int32_t BTUsedRecs(IsamFileBlockPtr IFBPtr) {
  IsamEntryCode(IFBPtr, kOptReadPrefix);
  std::int32_t n = 0;
  if (IsamOK) n = IFBPtr->DID[0].NumRec - IFBPtr->DID[0].NumberFree;
  IsamExitCode(IFBPtr);
  return n;
}

std::int32_t BTFileLen(IsamFileBlockPtr IFBPtr) {
  IsamEntryCode(IFBPtr, kOptReadPrefix);
  std::int32_t n = 0;
  if (IsamOK) n = IFBPtr->DID[0].NumRec;
  IsamExitCode(IFBPtr);
  return n;
}

}  // namespace isam
