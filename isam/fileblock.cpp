// Starting and ending the store; creating, opening, closing and deleting
// fileblocks; file names; the index-damaged mark.
#include <algorithm>
#include <new>

#include "isam/bulk.h"
#include "isam/dialog.h"
#include "isam/errors.h"
#include "isam/pagebuf.h"
#include "isam/status.h"
#include "isam/store.h"

namespace isam {

bool IsamInitialized = false;
std::vector<IsamFileBlock*> IsamOpenFileBlockList;

bool IsamIsInitialized() { return IsamInitialized; }

// ---- Names ------------------------------------------------------------------

void IsamExtractFileNames(const IsamFileBlockName& Name, IsamFileBlockName& First,
                          IsamFileBlockName& Rest) {
  std::string_view n = Name.view();
  std::string_view::size_type semi = n.find(';');
  if (semi == std::string_view::npos) {
    First = n;
    Rest = n;
  } else {
    First = n.substr(0, semi);
    Rest = n.substr(semi + 1);
  }
}

IsamFileName IsamForceExtension(std::string_view Name, std::string_view Ext) {
  std::string s(Name);
  std::string::size_type dot = s.rfind('.');
  // A dot counts only when no folder separator follows it.
  if (dot != std::string::npos && s.find_first_of("\\/", dot) == std::string::npos) {
    s.resize(dot + 1);
  } else {
    s += '.';
  }
  s += Ext;
  return IsamFileName(s);  // cut at 64
}

namespace {

struct FileNames {
  IsamFileName Dat, Ix, Dia;
};
FileNames NamesOf(const IsamFileBlockName& fname) {
  IsamFileBlockName dataName, rest, indexName, third;
  IsamExtractFileNames(fname, dataName, rest);
  IsamExtractFileNames(rest, indexName, third);
  return {IsamForceExtension(dataName.view(), DatExtension),
          IsamForceExtension(indexName.view(), IxExtension),
          IsamForceExtension(dataName.view(), DiaExtension)};
}

void DeleteIgnoringErrors(const IsamFileName& name) {
  IsamFile f;
  IsamAssign(f, name.view());
  IsamDelete(f);
}

// Closes a file if open, keeping the status as it is.
void CloseQuietly(IsamFile& f) {
  if (f.Handle < 0) return;
  bool ok = IsamOK;
  std::int32_t err = IsamError;
  IsamClose(f);
  IsamOK = ok;
  IsamError = err;
}

}  // namespace

// ---- Headers and the damaged mark --------------------------------------------

void IsamPutInfoRec(IsamFileBlock* ifb, int part) {
  const IsamDatIndDescr& d = ifb->DID[part];
  if (part == 0) {
    format::DataHeader h;
    h.FirstFree = d.FirstFree;
    h.NumberFree = d.NumberFree;
    h.NumRec = d.NumRec;
    h.LenRec = d.LenRec;
    h.Keys = ifb->NrOfKeys;
    h.ADK = ifb->IndexDamaged ? 1 : 0;
    unsigned char b[format::kDataHeaderLen];
    format::EncodeDataHeader(h, b);
    IsamPutBlock(ifb->DatF, 0, sizeof b, b);
    return;
  }
  format::KeyHeader h;
  h.FirstFree = d.FirstFree;
  h.NumberFree = d.NumberFree;
  h.NumRec = d.NumRec;
  h.LenRec = d.LenRec;
  h.RootRef = d.RootRef;
  h.ADK = d.AllowDupKeys ? 1 : 0;
  h.KeysUsed = d.NumKeys;
  h.PageSizeUsed = d.UsedPageSize;
  unsigned char b[format::kKeyHeaderLen];
  format::EncodeKeyHeader(h, b);
  IsamPutBlock(ifb->IndF, d.BlockOfs, sizeof b, b);
}

void IsamSetDataBufferedFlag(IsamFileBlock* ifb) {
  if (ifb->DataBuffered) return;
  if (!ifb->SaveFB) {
    const unsigned char one = 1;
    IsamPutBlock(ifb->DatF, 20, 1, &one);
    if (!IsamOK) return;  // not marked: the next change tries again
  }
  ifb->DataBuffered = true;
}

// ---- Store ------------------------------------------------------------------

std::int32_t BTInitIsam(NetSupportType, std::int32_t Pages) {
  if (IsamInitialized) {
    IsamOK = false;
    IsamError = err::kStarted;
    return 0;
  }
  if (Pages < 6) {
    IsamOK = false;
    IsamError = err::kTooFewPages;
    return 0;
  }
  IsamClearOK();
  IsamOpenFileBlockList.clear();
  std::int32_t got = IsamGetPageBuffer(Pages);
  if (got < 6) {
    IsamReleasePageBuffer();
    IsamOK = false;
    IsamError = err::kNoPageBuffer;
    return 0;
  }
  IsamInitialized = true;
  return got;
}

void BTExitIsam() {
  if (!IsamInitialized) {
    IsamOK = false;
    IsamError = err::kNotStarted;
    return;
  }
  BTCloseAllFileBlocks();
  if (!IsamOK) return;
  IsamInitialized = false;
  IsamReleasePageBuffer();
}

// ---- Create -----------------------------------------------------------------

void BTCreateFileBlock(const IsamFileBlockName& FName, std::int32_t DatSLen,
                       std::int32_t NumberOfKeys, const IsamIndDescr& IID) {
  IsamEntryCode(NoFileBlock(), 0);
  if (!IsamOK) return;
  // Every check runs; the last failing one's number stands.
  std::int32_t err = 0;
  if (DatSLen < MinRecLen) err = err::kRecordTooShort;
  if (NumberOfKeys < 0 || NumberOfKeys > MaxNrOfKeys) {
    err = err::kTooManyKeys;
  } else {
    // Checked before anything is created, so a refused key leaves no files.
    for (int k = 1; k <= NumberOfKeys; ++k)
      if (IID[k].KeyL < 1 || IID[k].KeyL > MaxKeyLen) err = err::kBadKeyLength;
  }
  IsamFileBlock* ifb = new (std::nothrow) IsamFileBlock;
  if (ifb == nullptr) err = err::kNoDescriptor;
  if (err != 0) {
    delete ifb;
    IsamOK = false;
    IsamError = err;
    IsamExitCode(NoFileBlock());
    return;
  }

  FileNames names = NamesOf(FName);
  DeleteIgnoringErrors(names.Ix);
  DeleteIgnoringErrors(names.Dia);
  DeleteIgnoringErrors(names.Dat);
  IsamClearOK();

  ifb->NrOfKeys = static_cast<std::uint8_t>(NumberOfKeys);
  IsamAssign(ifb->DatF, names.Dat.view());
  IsamAssign(ifb->IndF, names.Ix.view());
  bool createdIx = false;
  IsamRewrite(ifb->DatF);
  if (!IsamOK) {  // nothing of ours exists yet
    delete ifb;
    IsamExitCode(NoFileBlock());
    return;
  }
  IsamDatIndDescr& d0 = ifb->DID[0];
  d0.FirstFree = -1;
  d0.NumberFree = 0;
  d0.NumRec = 0;
  d0.LenRec = DatSLen;
  IsamPutDummyBlock(ifb->DatF, 0, DatSLen);
  if (IsamOK) IsamPutInfoRec(ifb, 0);
  if (IsamOK) IsamClose(ifb->DatF);

  if (IsamOK && NumberOfKeys > 0) {
    IsamRewrite(ifb->IndF);
    createdIx = IsamOK;
    ifb->BlockLen = 0;
    ifb->MaxPages = 0;
    for (int k = 1; IsamOK && k <= NumberOfKeys; ++k) {
      IsamDatIndDescr& d = ifb->DID[k];
      d.KeyLen = IID[k].KeyL;
      d.LenRec = format::PageSlotLen(d.KeyLen);
      d.BlockOfs = ifb->BlockLen;
      ifb->BlockLen += d.LenRec;
      d.NumKeys = 0;
      d.UsedPageSize = format::kPageSize;
      d.FirstFree = -1;
      d.NumberFree = 0;
      d.NumRec = 0;
      d.RootRef = 0;
      d.AllowDupKeys = IID[k].AllowDupK;
    }
    if (IsamOK) IsamPutDummyBlock(ifb->IndF, 0, ifb->BlockLen);
    for (int k = 1; IsamOK && k <= NumberOfKeys; ++k) IsamPutInfoRec(ifb, k);
    if (IsamOK) IsamClose(ifb->IndF);
  }

  if (!IsamOK) {
    // Leave nothing of this name behind.
    std::int32_t keep = IsamError;
    CloseQuietly(ifb->IndF);
    CloseQuietly(ifb->DatF);
    if (createdIx) IsamDelete(ifb->IndF);
    IsamDelete(ifb->DatF);
    IsamOK = false;
    IsamError = keep;
  }
  delete ifb;
  IsamExitCode(NoFileBlock());
}

// ---- Open -------------------------------------------------------------------

namespace {

// A chain header agrees with itself and with the slots it counts: NumRec
// not negative, the chain either empty (-1 with a count of 0) or headed by
// a slot 1..NumRec with a count 1..NumRec. Anything else is a damaged
// header that would send allocations outside the file.
bool ChainFits(const format::ChainHeader& h) {
  if (h.NumRec < 0) return false;
  if (h.FirstFree == -1) return h.NumberFree == 0;
  return h.FirstFree >= 1 && h.FirstFree <= h.NumRec && h.NumberFree >= 1 &&
         h.NumberFree <= h.NumRec;
}

// Whether a file of `size` bytes holds slot 0 and the `slots` slots after it
// of `len` bytes each. A file may be longer (a write that failed part way),
// never shorter.
bool HoldsSlots(std::int64_t size, std::int64_t slots, std::int64_t len) {
  return (slots + 1) * len <= size;
}

// Opens the data and index files and reads the headers (the raw open). The
// headers are checked against their files before anything else is read or
// written: a header that promises records, chains or pages the file does
// not hold is refused (10190 for the data file, 10010 for the index), so a
// damaged or cut file ends at the open instead of in every later call.
IsamFileBlock* OpenRaw(const FileNames& names, bool readOnly) {
  IsamFileBlock* ifb = new (std::nothrow) IsamFileBlock;
  if (ifb == nullptr) {
    IsamSetError(err::kNoOpenMemory);
    return nullptr;
  }
  IsamAssign(ifb->DatF, names.Dat.view());
  IsamAssign(ifb->IndF, names.Ix.view());
  IsamAssign(ifb->DiaF, names.Dia.view());
  auto fail = [&](std::int32_t err) -> IsamFileBlock* {
    if (err != 0) {
      IsamOK = false;
      IsamError = err;
    }
    CloseQuietly(ifb->IndF);
    CloseQuietly(ifb->DatF);
    delete ifb;
    return nullptr;
  };

  IsamReset(ifb->DatF, false, readOnly);
  if (!IsamOK) return fail(0);
  const std::int64_t datSize = IsamFileSize(ifb->DatF);
  if (!IsamOK) return fail(0);
  // A data file too short for its header is cut, not merely unreadable.
  if (datSize < format::kDataHeaderLen) return fail(err::kDataFileDamaged);
  unsigned char hb[format::kDataHeaderLen];
  IsamGetBlock(ifb->DatF, 0, sizeof hb, hb);
  if (!IsamOK) return fail(0);
  format::DataHeader dh;
  format::DecodeDataHeader(hb, dh);
  std::uint8_t keys = static_cast<std::uint8_t>(dh.Keys & 0xFF);
  if (dh.LenRec < MinRecLen) return fail(err::kRecordTooShort);
  if (keys > MaxNrOfKeys) return fail(err::kTooManyKeys);
  if (!ChainFits(dh) || !HoldsSlots(datSize, dh.NumRec, dh.LenRec))
    return fail(err::kDataFileDamaged);
  IsamDatIndDescr& d0 = ifb->DID[0];
  d0.FirstFree = dh.FirstFree;
  d0.NumberFree = dh.NumberFree;
  d0.NumRec = dh.NumRec;
  d0.LenRec = dh.LenRec;
  ifb->NrOfKeys = keys;

  if (keys > 0) {
    IsamReset(ifb->IndF, false, readOnly);
    if (!IsamOK) return fail(IsamError == err::kTooManyFiles ? err::kTooManyFiles : err::kIndexDamaged);
  }
  ifb->BlockLen = 0;
  ifb->MaxPages = 0;
  const std::int64_t ixSize = keys > 0 ? IsamFileSize(ifb->IndF) : 0;
  if (!IsamOK) return fail(0);
  for (int k = 1; k <= keys; ++k) {
    IsamDatIndDescr& d = ifb->DID[k];
    d.BlockOfs = ifb->BlockLen;
    unsigned char kb[format::kKeyHeaderLen];
    // A header past the end: the index is cut inside block 0.
    if (std::int64_t(d.BlockOfs) + format::kKeyHeaderLen > ixSize) return fail(err::kIndexDamaged);
    IsamGetBlock(ifb->IndF, d.BlockOfs, sizeof kb, kb);
    if (!IsamOK) return fail(0);
    format::KeyHeader kh;
    format::DecodeKeyHeader(kb, kh);
    int pageSize = kh.PageSizeUsed == 0 ? format::kPageSize : kh.PageSizeUsed;
    // Splits and merges keep every entry only with an even page size.
    if (pageSize > format::kPageSize || pageSize % 2 != 0) return fail(err::kBadPageSize);
    int keyLen = format::DeriveKeyLen(kh.LenRec, pageSize);
    if (keyLen == 0) return fail(err::kBadPageLength);
    if (keyLen < 0) return fail(err::kBadHeaderKeyLength);
    if (!ChainFits(kh) || kh.RootRef < 0 || kh.RootRef > kh.NumRec) return fail(err::kIndexDamaged);
    d.FirstFree = kh.FirstFree;
    d.NumberFree = kh.NumberFree;
    d.NumRec = kh.NumRec;
    d.LenRec = kh.LenRec;
    d.RootRef = kh.RootRef;
    d.AllowDupKeys = kh.ADK != 0;
    d.NumKeys = kh.KeysUsed;
    d.UsedPageSize = static_cast<std::uint16_t>(pageSize);
    d.KeyLen = static_cast<std::uint8_t>(keyLen);
    ifb->BlockLen += d.LenRec;
    ifb->MaxPages = std::max(ifb->MaxPages, d.NumRec);
    d.PathInd = 0;
    d.InfoRecChanged = false;
    d.FirstFreeChanged = false;
    d.SequentialOK = false;
    d.SearchForSequentialEnabled = true;
  }
  // Every key's pages lie in whole blocks of the file.
  if (keys > 0 && !HoldsSlots(ixSize, ifb->MaxPages, ifb->BlockLen)) return fail(err::kIndexDamaged);
  if (dh.ADK != 0) return fail(err::kIndexDamaged);

  ifb->DataBuffered = false;
  ifb->CharConv = BTNoCharConvert;
  ifb->CCHookPtr = nullptr;
  ifb->CCDestrWrite = true;
  IsamOpenFileBlockList.push_back(ifb);
  return ifb;
}

void Unlist(IsamFileBlock* ifb) {
  auto it = std::find(IsamOpenFileBlockList.begin(), IsamOpenFileBlockList.end(), ifb);
  if (it != IsamOpenFileBlockList.end()) IsamOpenFileBlockList.erase(it);
}

}  // namespace

void BTOpenFileBlock(IsamFileBlockPtr& IFBPtr, const IsamFileBlockName& FName, bool ReadOnly,
                     bool AllReadOnly, bool /*Save*/, bool /*Net*/) {
  IsamEntryCode(NoFileBlock(), 0);
  if (!IsamOK) return;
  if (AllReadOnly) ReadOnly = true;
  // The save mode's logging is not part of this store, so the dialog file is
  // never "in use": a fileblock opened with Save behaves as without it.
  FileNames names = NamesOf(FName);

  IsamFile dia;
  IsamAssign(dia, names.Dia.view());
  IsamReset(dia, false, ReadOnly);
  bool diaExisted = IsamOK;
  if (!IsamOK) {
    if (IsamError != err::kFileNotFound) {
      IsamExitCode(NoFileBlock());
      return;
    }
    IsamClearOK();
  }

  IsamFileBlock* ifb = OpenRaw(names, ReadOnly);
  if (ifb == nullptr) {
    CloseQuietly(dia);
    IsamExitCode(NoFileBlock());
    return;
  }

  DialogFileState state = DialogFileState::Correct;
  ifb->DiaF = dia;
  ifb->ReadOnlyFB = ReadOnly;
  ifb->SaveFB = false;
  if (diaExisted) state = CheckDiaFile(ifb, ReadOnly);
  if (IsamOK && state == DialogFileState::ToRepair) IsamRepairFileBlock(ifb);
  if (!IsamOK) {
    // The dialog file stays as it was for the next attempt.
    IsamDestroyPages(ifb);
    CloseQuietly(ifb->DiaF);
    CloseQuietly(ifb->IndF);
    CloseQuietly(ifb->DatF);
    Unlist(ifb);
    delete ifb;
    IsamExitCode(NoFileBlock());
    return;
  }
  if (ifb->DiaF.Handle >= 0) IsamClose(ifb->DiaF);
  if (diaExisted && !ReadOnly) IsamDelete(ifb->DiaF);
  IsamClearOK();  // a dialog file that cannot be removed is not the open's failure

  ifb->ValidSign = kValidSign;
  IFBPtr = ifb;
  IsamExitCode(ifb);
}

// ---- Close ------------------------------------------------------------------

namespace {
void CloseOne(IsamFileBlockPtr& IFBPtr) {
  IsamFileBlock* ifb = IFBPtr;
  if (!IsamIsOpenFileBlock(ifb)) {
    IsamSetError(err::kNotOpen);
    return;
  }
  if (!ifb->ReadOnlyFB && !ifb->SaveFB) {
    IsamEndBulk(ifb);  // a bulk fill ends in its records and trees on disk
    if (!IsamOK) return;
    if (ifb->NrOfKeys > 0) IsamFlushPageInfo(ifb, true);
    if (!IsamOK) return;
    IsamPutInfoRec(ifb, 0);
    if (!IsamOK) return;
  }
  IsamDestroyPages(ifb);
  bool closeFailed = false;
  auto closeFile = [&](IsamFile& f) {
    if (f.Handle < 0) return;
    IsamClose(f);
    if (!IsamOK) closeFailed = true;
  };
  closeFile(ifb->DiaF);
  if (ifb->NrOfKeys > 0) closeFile(ifb->IndF);
  closeFile(ifb->DatF);
  Unlist(ifb);
  ifb->ValidSign = 0;
  IsamDropBulk(ifb);
  delete ifb;
  IFBPtr = nullptr;
  if (closeFailed) {
    IsamOK = false;
    IsamError = err::kCloseFailed;
  }
}
}  // namespace

void BTCloseFileBlock(IsamFileBlockPtr& IFBPtr) {
  IsamEntryCode(IFBPtr, 0);
  if (!IsamOK) return;
  CloseOne(IFBPtr);
  // The descriptor is gone after a successful close.
  IsamExitCode(IFBPtr == nullptr ? NoFileBlock() : IFBPtr);
}

void BTCloseAllFileBlocks() {
  IsamEntryCode(NoFileBlock(), 0);
  if (!IsamOK) return;
  std::int32_t first = 0;
  std::vector<IsamFileBlock*> all = IsamOpenFileBlockList;
  for (IsamFileBlock* ifb : all) {
    IsamFileBlockPtr p = ifb;
    CloseOne(p);
    if (!IsamOK && first == 0) first = IsamError;
    IsamClearOK();
  }
  IsamOK = first == 0;
  IsamError = first;
  IsamExitCode(NoFileBlock());
}

// ---- Delete -----------------------------------------------------------------

void IsamDeleteFileBlock(const IsamFileBlockName& FName) {
  FileNames names = NamesOf(FName);
  IsamClearOK();
  DeleteIgnoringErrors(names.Ix);
  IsamClearOK();
  DeleteIgnoringErrors(names.Dia);
  IsamClearOK();
  DeleteIgnoringErrors(names.Dat);
}

// ---- Facts ------------------------------------------------------------------

namespace {
const IsamFileBlock* Valid(IsamFileBlockPtr p) {
  if (p == nullptr || !IsamIsOpenFileBlock(p) || p->ValidSign != kValidSign) return nullptr;
  return p;
}
}  // namespace

std::int32_t BTDatRecordSize(IsamFileBlockPtr p) {
  const IsamFileBlock* f = Valid(p);
  return f ? f->DID[0].LenRec : 0;
}
std::int32_t BTNrOfKeys(IsamFileBlockPtr p) {
  const IsamFileBlock* f = Valid(p);
  return f ? f->NrOfKeys : 0;
}
std::int32_t BTKeyLen(IsamFileBlockPtr p, std::int32_t Key) {
  const IsamFileBlock* f = Valid(p);
  return (f && Key >= 1 && Key <= f->NrOfKeys) ? f->DID[Key].KeyLen : 0;
}
bool BTAllowDupKeys(IsamFileBlockPtr p, std::int32_t Key) {
  const IsamFileBlock* f = Valid(p);
  return f && Key >= 1 && Key <= f->NrOfKeys && f->DID[Key].AllowDupKeys;
}

void BTSetCharConvert(IsamFileBlockPtr IFBPtr, CharConvProc Proc, void* HookPtr,
                      bool DestrWrite) {
  IsamEntryCode(IFBPtr, 0);
  if (IsamOK) {
    IFBPtr->CharConv = Proc ? Proc : BTNoCharConvert;
    IFBPtr->CCHookPtr = HookPtr;
    IFBPtr->CCDestrWrite = DestrWrite;
  }
  IsamExitCode(IFBPtr);
}
void BTNoCharConvert(void*, std::int32_t, bool, void*) {}

// ---- Tests ------------------------------------------------------------------

void ResetForTest() {
  std::vector<IsamFileBlock*> all = IsamOpenFileBlockList;
  for (IsamFileBlock* ifb : all) {
    IsamDestroyPages(ifb);
    CloseQuietly(ifb->DiaF);
    CloseQuietly(ifb->IndF);
    CloseQuietly(ifb->DatF);
    IsamDropBulk(ifb);
    delete ifb;
  }
  IsamOpenFileBlockList.clear();
  IsamReleasePageBuffer();
  IsamSetPageBufferLimitForTest(0);
  IsamSetKeptPagesLimitForTest(0);
  IsamInitialized = false;
  SetEnv(nullptr);
  IsamClearOK();
}

}  // namespace isam
