// The read-only fileblock reports. The structural verdict comes from the
// checker (isam/check.h); this file adds what support staff want to see:
// headers, the chains themselves and the shape of each tree per level.
#include "isam/fileblock_report.h"

#include <algorithm>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <vector>

#include "isam/check.h"
#include "isam/fileblock_ops.h"
#include "isam/format.h"
#include "isam/isam.h"
#include "isam/pagebuf.h"
#include "isam/rawfile.h"

namespace isam {

namespace {

constexpr std::size_t kChainShown = 40;  // chain members listed before "..."

struct Names {
  std::string dat, ix;
};
Names FilesOf(std::string_view name) {
  IsamFileBlockName fb(name), dataName, rest, ixName, third;
  IsamExtractFileNames(fb, dataName, rest);
  IsamExtractFileNames(rest, ixName, third);
  return {IsamForceExtension(dataName.view(), DatExtension).str(),
          IsamForceExtension(ixName.view(), IxExtension).str()};
}

// Lists a chain; linkAt gives a member's link position. Stops at the first
// impossible link or repeat (the checker reports those).
template <class LinkAt>
std::string ChainText(const RawFile& f, std::int32_t first, std::int32_t numRec, LinkAt linkAt) {
  if (first == -1) return "empty";
  std::string s;
  std::set<std::int32_t> seen;
  std::int32_t ref = first;
  while (ref != -1) {
    if (seen.size() == kChainShown) return s + " ...";
    if (!s.empty()) s += ' ';
    s += std::to_string(ref);
    unsigned char b[4];
    if (ref < 1 || ref > numRec || !seen.insert(ref).second || !f.Read(linkAt(ref), 4, b))
      return s + " (broken)";
    ref = format::GetI32(b);
  }
  return s;
}

// Pages per level with their smallest and largest item counts.
struct Level {
  std::int32_t pages = 0;
  int minItems = 1 << 30;
  int maxItems = 0;
};

std::map<int, Level> LevelsOf(const RawFile& ix, const format::KeyHeader& h, std::int64_t blockLen,
                              std::int64_t ofs, int keyLen, int pageSize) {
  std::map<int, Level> levels;
  std::vector<std::int32_t> row;
  if (h.RootRef != 0) row.push_back(h.RootRef);
  std::set<std::int32_t> seen;
  std::vector<unsigned char> buf(static_cast<std::size_t>(h.LenRec));
  auto page = std::make_unique<IsamPage>();
  for (int depth = 1; depth <= format::kMaxHeight && !row.empty(); ++depth) {
    std::vector<std::int32_t> next;
    for (std::int32_t p : row) {
      if (p < 1 || p > h.NumRec || !seen.insert(p).second) continue;
      if (!ix.Read(p * blockLen + ofs, h.LenRec, buf.data()) ||
          !IsamUnpackPage(buf.data(), h.LenRec, keyLen, pageSize, *page))
        continue;
      Level& l = levels[depth];
      ++l.pages;
      l.minItems = std::min<int>(l.minItems, page->ItemsOnPage);
      l.maxItems = std::max<int>(l.maxItems, page->ItemsOnPage);
      if (page->BckwPageRef == 0) continue;
      next.push_back(page->BckwPageRef);
      for (int i = 1; i <= page->ItemsOnPage; ++i) next.push_back(page->ItemArray[i].PageRef);
    }
    row.swap(next);
  }
  return levels;
}

void ReportKeyShapes(const Names& n, const CheckReport& rep, std::ostream& out) {
  RawFile ix(n.ix);
  if (ix.Size() < 0) return;
  std::int64_t blockLen = 0;
  std::vector<format::KeyHeader> headers;
  std::vector<std::int64_t> offsets;
  for (const KeyCheck& kc : rep.Keys) {
    (void)kc;
    unsigned char b[format::kKeyHeaderLen];
    format::KeyHeader h;
    if (!ix.Read(blockLen, sizeof b, b)) return;
    format::DecodeKeyHeader(b, h);
    headers.push_back(h);
    offsets.push_back(blockLen);
    blockLen += h.LenRec;
  }
  out << "index file " << n.ix << ": " << ix.Size() << " bytes, block length " << blockLen
      << '\n';
  for (std::size_t i = 0; i < rep.Keys.size(); ++i) {
    const KeyCheck& kc = rep.Keys[i];
    const format::KeyHeader& h = headers[i];
    const std::string k = "key " + std::to_string(kc.Key);
    out << k << " header at " << offsets[i] << ": first free " << h.FirstFree
        << ", number free " << h.NumberFree << ", highest page " << h.NumRec
        << ", page length " << h.LenRec << ", root " << h.RootRef << ", duplicates "
        << int(h.ADK) << ", keys used " << h.KeysUsed << ", page size " << h.PageSizeUsed
        << '\n';
    out << k << ": key length " << kc.KeyLen << ", depth " << kc.Depth << ", entries "
        << kc.Entries << ", pages in tree " << kc.TreePages << ", free pages " << kc.FreePages
        << '\n';
    out << k << " free pages: "
        << ChainText(ix, h.FirstFree, h.NumRec,
                     [&](std::int32_t p) { return p * blockLen + offsets[i]; })
        << '\n';
    for (const auto& [depth, l] : LevelsOf(ix, h, blockLen, offsets[i], kc.KeyLen, kc.PageSize))
      out << k << " level " << depth << ": " << l.pages << (l.pages == 1 ? " page, " : " pages, ")
          << l.minItems << ".." << l.maxItems << " items\n";
  }
}

}  // namespace

std::string SystemFileBlockName(std::string_view in) {
  std::string s(in);
  std::replace(s.begin(), s.end(), '/', '\\');
  return s;
}

int ReportCheck(std::string_view name, std::ostream& out) {
  const Names n = FilesOf(name);
  CheckReport rep = IsamCheckFileBlock(name);
  RawFile dat(n.dat);
  unsigned char hb[format::kDataHeaderLen];
  if (dat.Size() >= 0 && dat.Read(0, sizeof hb, hb)) {
    format::DataHeader dh;
    format::DecodeDataHeader(hb, dh);
    out << "data file " << n.dat << ": " << dat.Size() << " bytes\n";
    out << "data header: first free " << dh.FirstFree << ", number free " << dh.NumberFree
        << ", highest record " << dh.NumRec << ", record length " << dh.LenRec << ", keys "
        << (dh.Keys & 0xFF) << ", damaged mark " << int(dh.ADK) << '\n';
    out << "records: live " << rep.LiveRecords << ", deleted " << rep.FreeRecords << '\n';
    if (dh.LenRec >= MinRecLen)
      out << "deleted chain: "
          << ChainText(dat, dh.FirstFree, dh.NumRec,
                       [&](std::int32_t r) { return std::int64_t(r) * dh.LenRec; })
          << '\n';
    ReportKeyShapes(n, rep, out);
  }
  for (const std::string& p : rep.Problems) out << "problem: " << p << '\n';
  return rep.Ok() ? 0 : 1;
}

int ReportKeys(std::string_view name, std::int32_t key, std::ostream& out, std::ostream& err) {
  CheckReport rep = IsamCheckFileBlock(name, true);
  if (key < 1 || key > static_cast<std::int32_t>(rep.Keys.size())) {
    err << "no key " << key << " (the fileblock has " << rep.Keys.size() << ")\n";
    for (const std::string& p : rep.Problems) err << "problem: " << p << '\n';
    return 1;
  }
  for (const auto& [k, ref] : rep.Keys[static_cast<std::size_t>(key - 1)].List)
    out << EscapeOpsKey(k) << ' ' << ref << '\n';
  for (const std::string& p : rep.Problems) err << "problem: " << p << '\n';
  return rep.Ok() ? 0 : 1;
}

int ReportRecords(std::string_view name, std::ostream& out, std::ostream& err) {
  const Names n = FilesOf(name);
  RawFile dat(n.dat);
  unsigned char hb[format::kDataHeaderLen];
  if (dat.Size() < 0 || !dat.Read(0, sizeof hb, hb)) {
    err << "problem: " << n.dat << " cannot be read\n";
    return 1;
  }
  format::DataHeader dh;
  format::DecodeDataHeader(hb, dh);
  if (dh.LenRec < MinRecLen) {
    err << "problem: record length " << dh.LenRec << " below 21\n";
    return 1;
  }
  static const char hex[] = "0123456789ABCDEF";
  for (std::int32_t r = 1; r <= dh.NumRec; ++r) {
    unsigned char b[4];
    if (!dat.Read(std::int64_t(r) * dh.LenRec, 4, b)) {
      err << "problem: record " << r << " lies beyond the file's end\n";
      return 1;
    }
    out << r << ' ';
    for (unsigned char c : b) out << hex[c >> 4] << hex[c & 15];
    out << '\n';
  }
  return 0;
}

}  // namespace isam
