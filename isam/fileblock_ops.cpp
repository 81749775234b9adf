// The line interpreter of `fileblock ops`. Each command calls exactly one
// store operation with the values a caller of the store would hold, so the
// printed results are the store's own.
#include "isam/fileblock_ops.h"

#include <algorithm>
#include <charconv>
#include <istream>
#include <ostream>
#include <vector>

#include "isam/status.h"

namespace isam {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

const char kHex[] = "0123456789ABCDEF";

// Splits off the text up to the next blank; the rest starts after it.
std::string_view NextWord(std::string_view& rest) {
  std::string_view::size_type blank = rest.find(' ');
  std::string_view word = rest.substr(0, blank);
  rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
  return word;
}

bool ParseI32(std::string_view s, std::int32_t& v) {
  if (s.empty()) return false;
  const char* end = s.data() + s.size();
  auto r = std::from_chars(s.data(), end, v);
  return r.ec == std::errc() && r.ptr == end;
}

std::string Status(const std::string& okText) {
  if (IsamOK) return okText;
  return "err " + std::to_string(IsamError);
}

std::string Bad(std::string_view why) { return "bad " + std::string(why); }

// Per-key caller variables; key numbers outside 1..5 share slot 0.
int Slot(std::int32_t key) { return key >= 1 && key <= MaxNrOfKeys ? key : 0; }

void ResetPositions(OpsSession& s) {
  s.LastRef.fill(0);
  s.LastKey.fill(IsamKeyStr());
}

// A record as the commands write it: the DEL word 0, then the text, cut or
// zero-padded to the record length.
std::vector<unsigned char> MakeRecord(IsamFileBlockPtr fb, const std::string& text) {
  std::int32_t len = BTDatRecordSize(fb);
  std::vector<unsigned char> rec(static_cast<std::size_t>(std::max(len, MinRecLen)), 0);
  for (std::size_t i = 0; i < text.size() && 4 + i < rec.size(); ++i)
    rec[4 + i] = static_cast<unsigned char>(text[i]);
  return rec;
}

// Forgets the current fileblock once the store no longer has it open.
void DropIfClosed(OpsSession& s) {
  if (s.Current != nullptr && !IsamIsOpenFileBlock(s.Current)) {
    s.Current = nullptr;
    ResetPositions(s);
  }
}

std::string RunCommand(OpsSession& s, std::string_view cmd, std::string_view rest) {
  std::int32_t a = 0, b = 0;
  if (cmd == "init") {
    if (!ParseI32(rest, a)) return Bad("init PAGES");
    std::int32_t got = BTInitIsam(NoNet, a);
    return Status("ok " + std::to_string(got));
  }
  if (cmd == "exit" || cmd == "closeall" || cmd == "close" || cmd == "usedrecs") {
    if (!rest.empty()) return Bad(std::string(cmd) + " takes no arguments");
    if (cmd == "exit") {
      BTExitIsam();
      DropIfClosed(s);
      return Status("ok");
    }
    if (cmd == "closeall") {
      BTCloseAllFileBlocks();
      DropIfClosed(s);
      return Status("ok");
    }
    if (cmd == "close") {
      BTCloseFileBlock(s.Current);
      if (IsamOK) ResetPositions(s);
      return Status("ok");
    }
    std::int32_t n = BTUsedRecs(s.Current);
    return Status("ok " + std::to_string(n));
  }
  if (cmd == "create") {
    std::string name(NextWord(rest));
    if (name.empty() || !ParseI32(NextWord(rest), a)) return Bad("create NAME RECLEN [KEYLEN:DUP ...]");
    IsamIndDescr iid;
    std::int32_t keys = 0;
    while (!rest.empty()) {
      std::string_view d = NextWord(rest);
      std::string_view::size_type colon = d.find(':');
      std::int32_t len = 0, dup = 0;
      if (colon == std::string_view::npos || !ParseI32(d.substr(0, colon), len) ||
          !ParseI32(d.substr(colon + 1), dup) || dup < 0 || dup > 1 || len < 0)
        return Bad("key description KEYLEN:DUP");
      ++keys;
      // Lengths above 255 stay refused lengths rather than wrapping round.
      iid[keys] = {static_cast<std::uint8_t>(std::min(len, 255)), dup == 1};
    }
    BTCreateFileBlock(IsamFileBlockName(name), a, keys, iid);
    return Status("ok");
  }
  if (cmd == "open") {
    if (rest.empty()) return Bad("open NAME [readonly]");
    // Fileblock names hold no blanks, so a trailing word is the flag.
    bool readOnly = false;
    std::string_view::size_type blank = rest.rfind(' ');
    if (blank != std::string_view::npos && rest.substr(blank + 1) == "readonly") {
      readOnly = true;
      rest = rest.substr(0, blank);
    }
    IsamFileBlockPtr fb = nullptr;
    BTOpenFileBlock(fb, IsamFileBlockName(rest), readOnly);
    if (IsamOK) {
      s.Current = fb;
      ResetPositions(s);
    }
    return Status("ok");
  }
  if (cmd == "addrec" || cmd == "putrec") {
    std::string text;
    if (cmd == "putrec" && !ParseI32(NextWord(rest), a)) return Bad("putrec REFNR TEXT");
    if (!UnescapeOpsText(rest, text)) return Bad("escape in text");
    std::vector<unsigned char> rec = MakeRecord(s.Current, text);
    if (cmd == "putrec") {
      BTPutRec(s.Current, a, rec.data(), rec.size());
      return Status("ok");
    }
    std::int32_t ref = 0;
    BTAddRec(s.Current, ref, rec.data(), rec.size());
    return Status("ok " + std::to_string(ref));
  }
  if (cmd == "getrec" || cmd == "delrec") {
    if (!ParseI32(rest, a)) return Bad(std::string(cmd) + " REFNR");
    if (cmd == "delrec") {
      BTDeleteRec(s.Current, a);
      return Status("ok");
    }
    std::vector<unsigned char> rec = MakeRecord(s.Current, "");
    BTGetRec(s.Current, a, rec.data(), rec.size());
    std::string hex;
    for (std::size_t i = 0; i < 16; ++i) {
      hex += kHex[rec[i] >> 4];
      hex += kHex[rec[i] & 15];
    }
    return Status("ok " + hex);
  }
  if (cmd == "addkey" || cmd == "delkey" || cmd == "keyexists") {
    std::string key;
    if (!ParseI32(NextWord(rest), a) || !ParseI32(NextWord(rest), b))
      return Bad(std::string(cmd) + " K REFNR KEY");
    if (!UnescapeOpsText(rest, key)) return Bad("escape in key");
    if (cmd == "keyexists") {
      bool there = BTKeyExists(s.Current, a, b, IsamKeyStr(key));
      return Status(there ? "ok 1" : "ok 0");
    }
    if (cmd == "addkey")
      BTAddKey(s.Current, a, b, IsamKeyStr(key));
    else
      BTDeleteKey(s.Current, a, b, IsamKeyStr(key));
    return Status("ok " + std::to_string(b));
  }
  if (cmd == "findkey") {
    std::string key;
    if (!ParseI32(NextWord(rest), a)) return Bad("findkey K KEY [REFNR]");
    if (!UnescapeOpsText(NextWord(rest), key)) return Bad("escape in key");
    std::int32_t ref = 0;
    // The record number is read, as the caller's variable, and not used.
    if (!rest.empty() && !ParseI32(rest, ref)) return Bad("findkey K KEY [REFNR]");
    IsamKeyStr k(key);
    BTFindKey(s.Current, a, ref, k);
    const int slot = Slot(a);
    s.LastRef[slot] = IsamOK ? ref : 0;
    s.LastKey[slot] = k;
    return Status("ok " + std::to_string(ref));
  }
  if (cmd == "nextkey" || cmd == "clearkey") {
    if (!ParseI32(rest, a)) return Bad(std::string(cmd) + " K");
    if (cmd == "clearkey") {
      BTClearKey(s.Current, a);
      return Status("ok");
    }
    const int slot = Slot(a);
    std::int32_t ref = s.LastRef[slot];
    IsamKeyStr key = s.LastKey[slot];
    BTNextKey(s.Current, a, ref, key);
    if (!IsamOK) return Status("");
    s.LastRef[slot] = ref;
    s.LastKey[slot] = key;
    return "ok " + std::to_string(ref) + " " + EscapeOpsKey(key.view());
  }
  return Bad("unknown command " + std::string(cmd));
}

}  // namespace

bool UnescapeOpsText(std::string_view in, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (in[i] != '%') {
      out += in[i];
      continue;
    }
    if (i + 2 >= in.size()) return false;
    int hi = HexDigit(in[i + 1]), lo = HexDigit(in[i + 2]);
    if (hi < 0 || lo < 0) return false;
    out += static_cast<char>(hi * 16 + lo);
    i += 2;
  }
  return true;
}

std::string EscapeOpsKey(std::string_view key) {
  std::string out;
  for (char c : key) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x21 || u > 0x7E || u == '%') {
      out += '%';
      out += kHex[u >> 4];
      out += kHex[u & 15];
    } else {
      out += c;
    }
  }
  return out;
}

std::string RunOpsLine(OpsSession& s, std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.empty() || line.front() == '#') return "";
  std::string_view rest = line;
  std::string_view cmd = NextWord(rest);
  std::string result = RunCommand(s, cmd, rest);
  if (result.rfind("bad ", 0) == 0) s.SawBadLine = true;
  return result;
}

int RunOps(std::istream& in, std::ostream& out) {
  OpsSession s;
  std::string line;
  while (std::getline(in, line)) {
    std::string r = RunOpsLine(s, line);
    if (!r.empty()) out << r << '\n' << std::flush;
  }
  return s.SawBadLine ? 2 : 0;
}

}  // namespace isam
