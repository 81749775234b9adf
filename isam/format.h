// The fileblock's on-disk format, byte by byte, and the little-endian
// helpers that read and write it. Every reader checks what it takes from
// disk against the buffer it lands in and against the limits below, so a
// damaged or hostile file ends in a status number, never an overrun.
//
// All integers are little-endian; signed 32-bit unless marked otherwise.
//
// DATA FILE <name>.DAT
//   An array of slots of LenRec bytes; slot n at byte n * LenRec. Slot 0 is
//   the header, records are slots 1..NumRec.
//   Header (first 21 bytes of slot 0; the rest of slot 0 is zero):
//     0  4  FirstFree   first record of the deleted chain, -1 when empty
//     4  4  NumberFree  records on that chain
//     8  4  NumRec      highest record number ever allocated
//    12  4  LenRec      record length, >= 21
//    16  4  keys        number of keys 0..5 (only the low byte is read)
//    20  1  ADK         index-damaged mark: 1 from the first change after an
//                       open until a clean close, else 0
//   A live record's first 4 bytes are 0; a deleted record's first 4 bytes
//   hold the number of the record deleted before it (-1 at the end).
//
// INDEX FILE <name>.IX (only when the fileblock has keys)
//   Key k's page slot is LenRec(k) = (KeyLen + 9) * PageSize + 6 bytes
//   (PageSize 62 in every file the store creates). A block is one slot of
//   every key in key order: BlockLen = sum of LenRec(k), key k's slot at
//   BlockOfs(k) = sum of LenRec(1..k-1). Block b starts at b * BlockLen; key
//   k's page p lies at p * BlockLen + BlockOfs(k). Block 0 holds the key
//   headers; the file grows by whole zero-filled blocks.
//   Key header (28 bytes at BlockOfs(k) in block 0; rest of the slot zero):
//     0  4  FirstFree     first page of the key's free chain, -1 when empty
//     4  4  NumberFree    pages on that chain
//     8  4  NumRec        highest page number allocated
//    12  4  LenRec        page slot length
//    16  4  RootRef       root page, 0 for an empty index
//    20  1  ADK           1 when the key allows duplicates
//    21  1  DummyFill     ignored
//    22  4  KeysUsed      entries in the index
//    26  2  PageSizeUsed  items per page, unsigned; 0 reads as 62; must be
//                         even and <= 62
//   The key length is not stored: X = (LenRec*10000 - 60000) div PageSize
//   - 90000 must be a multiple of 10000 in 10000..1800000; KeyLen = X/10000.
//   Page (written with only its used 6 + n * (KeyLen + 9) bytes; the rest of
//   the slot is never interpreted):
//     0  2  ItemsOnPage   unsigned, 0..PageSize
//     2  4  BckwPageRef   child with the entries below item 1; 0 in a leaf
//     6  n items of KeyLen + 9 bytes:
//          0  4  DataRef   record number
//          4  4  PageRef   child with the entries between this item and the
//                          next; 0 in a leaf
//          8  1  length    key length 0..KeyLen
//          9  KeyLen       key characters (only `length` of them meaningful)
//   A page on the free chain holds the chain link in its first 4 bytes.
//
// DIALOG FILE <name>.DIA: see isam/dialog.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace isam::format {

inline constexpr std::int32_t kDataHeaderLen = 21;
inline constexpr std::int32_t kKeyHeaderLen = 28;
inline constexpr std::int32_t kPageHeadLen = 6;
inline constexpr std::int32_t kItemOverhead = 9;
inline constexpr int kPageSize = 62;  // items per page in created files
inline constexpr int kMaxHeight = 6;  // pages on a root-to-leaf path

inline std::int32_t PageSlotLen(int keyLen, int pageSize = kPageSize) {
  return (keyLen + kItemOverhead) * pageSize + kPageHeadLen;
}

inline std::int32_t GetI32(const unsigned char* p) {
  std::uint32_t v = std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) |
                    (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
  return static_cast<std::int32_t>(v);
}
inline std::uint16_t GetU16(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline void PutI32(unsigned char* p, std::int32_t v) {
  std::uint32_t u = static_cast<std::uint32_t>(v);
  p[0] = u & 0xFF;
  p[1] = (u >> 8) & 0xFF;
  p[2] = (u >> 16) & 0xFF;
  p[3] = (u >> 24) & 0xFF;
}
inline void PutU16(unsigned char* p, std::uint16_t v) {
  p[0] = v & 0xFF;
  p[1] = (v >> 8) & 0xFF;
}

// The four chain and size fields shared by the data header and key headers.
struct ChainHeader {
  std::int32_t FirstFree = -1;
  std::int32_t NumberFree = 0;
  std::int32_t NumRec = 0;
  std::int32_t LenRec = 0;
};

struct DataHeader : ChainHeader {
  std::int32_t Keys = 0;  // whole stored word; the store reads its low byte
  std::uint8_t ADK = 0;
};
inline void DecodeDataHeader(const unsigned char* b, DataHeader& h) {
  h.FirstFree = GetI32(b);
  h.NumberFree = GetI32(b + 4);
  h.NumRec = GetI32(b + 8);
  h.LenRec = GetI32(b + 12);
  h.Keys = GetI32(b + 16);
  h.ADK = b[20];
}
inline void EncodeDataHeader(const DataHeader& h, unsigned char* b) {
  PutI32(b, h.FirstFree);
  PutI32(b + 4, h.NumberFree);
  PutI32(b + 8, h.NumRec);
  PutI32(b + 12, h.LenRec);
  PutI32(b + 16, h.Keys);
  b[20] = h.ADK;
}

struct KeyHeader : ChainHeader {
  std::int32_t RootRef = 0;
  std::uint8_t ADK = 0;  // duplicates allowed
  std::int32_t KeysUsed = 0;
  std::uint16_t PageSizeUsed = kPageSize;  // as stored (0 means 62)
};
inline void DecodeKeyHeader(const unsigned char* b, KeyHeader& h) {
  h.FirstFree = GetI32(b);
  h.NumberFree = GetI32(b + 4);
  h.NumRec = GetI32(b + 8);
  h.LenRec = GetI32(b + 12);
  h.RootRef = GetI32(b + 16);
  h.ADK = b[20];
  h.KeysUsed = GetI32(b + 22);
  h.PageSizeUsed = GetU16(b + 26);
}
inline void EncodeKeyHeader(const KeyHeader& h, unsigned char* b) {
  PutI32(b, h.FirstFree);
  PutI32(b + 4, h.NumberFree);
  PutI32(b + 8, h.NumRec);
  PutI32(b + 12, h.LenRec);
  PutI32(b + 16, h.RootRef);
  b[20] = h.ADK;
  b[21] = 0;
  PutI32(b + 22, h.KeysUsed);
  PutU16(b + 26, h.PageSizeUsed);
}

// Key length from a key header; 0 when the page length does not fit the
// page size (10120) and -1 when the length is outside 1..180 (10121).
// pageSize is the effective size (a stored 0 already read as 62).
inline int DeriveKeyLen(std::int32_t lenRec, int pageSize) {
  std::int64_t x = (std::int64_t(lenRec) * 10000 - 60000) / pageSize - 90000;
  if (x % 10000 != 0) return 0;
  if (x < 10000 || x > 180 * 10000) return -1;
  return static_cast<int>(x / 10000);
}

}  // namespace isam::format
