// The dialog file: check at open and replay.
//
// DIALOG FILE <name>.DIA, byte by byte (integers little-endian):
//   0  1  a byte written when the file is created or reset (not interpreted)
//   then entries, each starting with an unsigned 16-bit tag:
//   Page entry, tag 1..62 = the page's item count n; with
//   L = 6 + n * (KeyLen + 9), the packed page's length, L + 8 bytes:
//     0      2      n
//     2      2      key number
//     4      L - 4  bytes 4..L-1 of the packed page (the upper two bytes of
//                   BckwPageRef, then the items)
//     L      4      page number
//     L + 4  4      BckwPageRef
//   Header entry, tag 1000, 36 bytes:
//     0   2   1000
//     2   2   part: 0 data file, k key k
//     4   28  the part's header before the change, laid out as a key header
//             (for the data file the fifth word is the number of keys)
//     32  4   the chain link taken out of a reused slot, -2 when none
//   Station table, tag 2000 at offset 1: the network mode's; 3 + m * S
//   bytes with S = (number of keys + 1) div 8 + 1.
// A replay restores the state from before an interrupted operation.
#include "isam/dialog.h"

#include <algorithm>
#include <cstring>

#include "isam/errors.h"
#include "isam/pagebuf.h"
#include "isam/status.h"

namespace isam {

namespace {
constexpr std::uint16_t kHeaderTag = 1000;
constexpr std::uint16_t kStationTag = 2000;
constexpr std::int32_t kHeaderEntryRest = 34;  // after the tag

unsigned char entry_buffer[(MaxKeyLen + format::kItemOverhead) * format::kPageSize +
                           format::kPageHeadLen + 8];
unsigned char page_bytes[(MaxKeyLen + format::kItemOverhead) * format::kPageSize +
                         format::kPageHeadLen];

bool Fail() {
  IsamSetError(err::kDialogDamaged);
  return false;
}

// Restores one page from an entry whose tag (item count) is n; pos is the
// entry's position after the tag.
bool RestorePage(IsamFileBlock* ifb, int n, std::int64_t& pos) {
  unsigned char kb[2];
  IsamGetBlock(ifb->DiaF, pos, 2, kb);
  if (!IsamOK) return false;
  int key = format::GetU16(kb);
  if (key < 1 || key > ifb->NrOfKeys) return Fail();
  const IsamDatIndDescr& d = ifb->DID[key];
  if (n > d.UsedPageSize) return Fail();
  const std::int32_t len = format::kPageHeadLen + n * (d.KeyLen + format::kItemOverhead);
  IsamGetBlock(ifb->DiaF, pos + 2, len + 4, entry_buffer);
  if (!IsamOK) return false;
  std::int32_t pageNr = format::GetI32(entry_buffer + len - 4);
  std::int32_t bckw = format::GetI32(entry_buffer + len);
  if (pageNr < 1 || pageNr > d.NumRec || pageNr > ifb->MaxPages) return Fail();
  format::PutU16(page_bytes, static_cast<std::uint16_t>(n));
  format::PutI32(page_bytes + 2, bckw);
  std::memcpy(page_bytes + format::kPageHeadLen, entry_buffer + 2, len - format::kPageHeadLen);
  static IsamPage check;
  if (!IsamUnpackPage(page_bytes, len, d.KeyLen, d.UsedPageSize, check)) return Fail();
  IsamPutBlock(ifb->IndF, PagePos(ifb, key, pageNr), len, page_bytes);
  if (!IsamOK) return false;
  pos += 2 + len + 4;
  return true;
}

bool RestoreHeader(IsamFileBlock* ifb, std::int64_t& pos) {
  unsigned char b[kHeaderEntryRest];
  IsamGetBlock(ifb->DiaF, pos, sizeof b, b);
  if (!IsamOK) return false;
  int part = format::GetU16(b);
  if (part > ifb->NrOfKeys) return Fail();
  format::KeyHeader bir;
  format::DecodeKeyHeader(b + 2, bir);
  std::int32_t sff = format::GetI32(b + 30);
  IsamDatIndDescr& d = ifb->DID[part];
  // The saved header must describe this same file.
  if (bir.LenRec != d.LenRec) return Fail();
  if (part == 0 && (bir.RootRef & 0xFF) != ifb->NrOfKeys) return Fail();
  std::int32_t limit = part == 0 ? d.NumRec : std::min(d.NumRec, ifb->MaxPages);
  if (bir.NumRec < 0 || bir.NumRec > limit) return Fail();
  if (bir.FirstFree != -1 && (bir.FirstFree < 1 || bir.FirstFree > bir.NumRec)) return Fail();
  if (bir.NumberFree < 0 || bir.NumberFree > bir.NumRec) return Fail();
  if (part > 0 && (bir.RootRef < 0 || bir.RootRef > bir.NumRec)) return Fail();
  if (sff != -2) {
    if (bir.FirstFree < 1) return Fail();
    d.FirstFree = sff;
    IsamDeleteRecOrPage(ifb, bir.FirstFree, part);  // puts the link back
    if (!IsamOK) return false;
  }
  d.FirstFree = bir.FirstFree;
  d.NumberFree = bir.NumberFree;
  d.NumRec = bir.NumRec;
  if (part > 0) {
    d.RootRef = bir.RootRef;
    d.AllowDupKeys = bir.ADK != 0;
    d.NumKeys = bir.KeysUsed;
  }
  IsamPutInfoRec(ifb, part);
  if (!IsamOK) return false;
  d.InfoRecChanged = false;
  pos += sizeof b;
  return true;
}

}  // namespace

DialogFileState CheckDiaFile(IsamFileBlock* ifb, bool readOnly) {
  std::int64_t size = IsamFileSize(ifb->DiaF);
  if (!IsamOK) return DialogFileState::Correct;
  DialogFileState state = DialogFileState::ToRepair;
  if (size <= 1) {
    state = DialogFileState::Raw;  // an empty file holds no entries either
  } else if (size >= 3) {
    unsigned char b[2];
    IsamGetBlock(ifb->DiaF, 1, 2, b);
    if (!IsamOK) return DialogFileState::Correct;
    std::int64_t stationLen = (ifb->NrOfKeys + 1) / 8 + 1;
    if (format::GetU16(b) == kStationTag && size - 3 == stationLen) state = DialogFileState::Correct;
  }
  if (readOnly && size > 1) IsamSetError(err::kDialogNeeded);
  return state;
}

void IsamRepairFileBlock(IsamFileBlock* ifb) {
  if (ifb->ReadOnlyFB) {
    IsamSetError(err::kDialogOnReadOnly);
    return;
  }
  IsamDestroyPages(ifb);
  const unsigned char first = 0;
  IsamPutBlock(ifb->DiaF, 0, 1, &first);
  if (!IsamOK) {
    IsamSetError(err::kDialogDamaged);
    return;
  }
  std::int64_t pos = 1;
  bool atStation = false;
  for (;;) {
    unsigned char tb[2];
    IsamGetBlock(ifb->DiaF, pos, 2, tb);
    if (!IsamOK) {
      if (IsamError != err::kShortRead) {
        IsamSetError(err::kDialogDamaged);
        return;
      }
      IsamClearOK();  // the end of the log
      break;
    }
    pos += 2;
    std::uint16_t tag = format::GetU16(tb);
    bool ok;
    if (tag >= 1 && tag <= format::kPageSize) {
      ok = RestorePage(ifb, tag, pos);
    } else if (tag == kHeaderTag) {
      ok = RestoreHeader(ifb, pos);
    } else if (tag == kStationTag) {
      atStation = true;
      break;
    } else {
      ok = Fail();
    }
    if (!ok) {
      IsamSetError(err::kDialogDamaged);
      return;
    }
  }
  if (atStation) {
    IsamPutInfoRec(ifb, 0);
    if (IsamOK) IsamFlush(ifb->DatF);
    if (IsamOK && ifb->NrOfKeys > 0) IsamFlush(ifb->IndF);
    if (!IsamOK) {
      IsamSetError(err::kDialogDamaged);
      return;
    }
  }
  IsamPutBlock(ifb->DiaF, 1, 0, nullptr);  // back to its first byte
  if (!IsamOK) IsamSetError(err::kDialogDamaged);
}

}  // namespace isam
