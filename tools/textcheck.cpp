#include "tools/textcheck.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "common/cp1252.h"

namespace textcheck {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxLine = 255;
constexpr int kLanguages = 5;
constexpr std::string_view kSections = "FHCQA";
// Most lines a form section can hold: footer and header 7, the others 26.
constexpr int kSectionMax[] = {7, 7, 26, 26, 26};
constexpr int kLabelFields = 11;
constexpr int kAnswerFields = 16;
constexpr int kSpecFields = 10;
constexpr int kMaxSpecLines = 35;
constexpr std::size_t kDescriptorFields = 24;
constexpr std::size_t kMinDescriptorFields = 20;

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool EndsWithNoCase(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && Lower(s.substr(s.size() - tail.size())) == Lower(tail);
}

// The entry of dir named name in any letter case; empty when there is none.
// Installations come from a case-insensitive file system.
fs::path FindNoCase(const fs::path& dir, std::string_view name) {
  std::error_code ec;
  if (fs::exists(dir / name, ec)) return dir / name;
  for (const auto& e : fs::directory_iterator(dir, ec)) {
    if (Lower(e.path().filename().string()) == Lower(name)) return e.path();
  }
  return {};
}

bool ReadBytes(const fs::path& path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

// Lines end at CR LF, LF or a lone CR, as the kiosk reads them.
std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string cur;
  bool open = false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c == '\n' || c == '\r') {
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      lines.push_back(cur);
      cur.clear();
      open = false;
    } else {
      cur += c;
      open = true;
    }
  }
  if (open) lines.push_back(cur);
  return lines;
}

std::vector<std::string> SplitFields(std::string_view line, char sep) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    std::size_t p = line.find(sep, start);
    if (p == std::string_view::npos) {
      fields.emplace_back(line.substr(start));
      return fields;
    }
    fields.emplace_back(line.substr(start, p - start));
    start = p + 1;
  }
}

double NumberValue(std::string_view text) {
  std::string s(text);
  return std::strtod(s.c_str(), nullptr);
}

bool HasLowerCase(std::string_view s) {
  for (unsigned char c : s) {
    if (c >= 'a' && c <= 'z') return true;
    if (c >= 0xDF && c != 0xF7) return true;  // Windows-1252 small letters
    if (c == 0x9A || c == 0x9C || c == 0x9E) return true;
  }
  return false;
}

enum class Kind { kLines, kForm, kSpec };

bool LooksLikeSpec(std::string_view line) {
  auto f = SplitFields(line, ',');
  return f.size() >= 3 && IsNumber(f[0]) && IsNumber(f[1]) && IsNumber(f[2]);
}

bool LooksLikeForm(std::string_view line) {
  return line.size() >= 2 && line[0] == 'F' && line.find('|') != std::string_view::npos &&
         (std::isdigit(static_cast<unsigned char>(line[1])) || line[1] == '|' || line[1] == ' ');
}

Kind KindOf(const std::vector<std::string>& lines) {
  if (lines.empty()) return Kind::kLines;
  if (LooksLikeForm(lines[0])) return Kind::kForm;
  if (LooksLikeSpec(lines[0])) return Kind::kSpec;
  return Kind::kLines;
}

const char* KindName(Kind k) {
  switch (k) {
    case Kind::kForm: return "a screen form";
    case Kind::kSpec: return "a spec file";
    default: return "a line file";
  }
}

struct LangFile {
  std::string name;  // as shown in messages, e.g. lang/selF.txt
  std::vector<std::string> lines;
  Kind kind = Kind::kLines;
};

struct Family {
  std::string name;                         // as spelled by the first file found
  std::map<int, std::vector<LangFile>> byLang;  // language 1..5 -> files (more than one is a clash)
};

class Checker {
 public:
  explicit Checker(std::string installDir) : dir_(std::move(installDir)) {}

  std::vector<std::string> Run() {
    if (!LoadSuffixes()) return problems_;
    CollectFamilies();
    for (auto& [key, fam] : families_) CheckFamily(fam);
    return problems_;
  }

 private:
  void Report(const std::string& where, int line, const std::string& what) {
    std::ostringstream s;
    s << where;
    if (line > 0) s << ":" << line;
    s << ": " << what;
    problems_.push_back(s.str());
  }

  bool LoadSuffixes() {
    std::error_code ec;
    if (!fs::is_directory(dir_, ec)) {
      Report(dir_, 0, "not a folder");
      return false;
    }
    fs::path data = FindNoCase(dir_, "data");
    fs::path file = data.empty() ? fs::path() : FindNoCase(data, "lang2.txt");
    std::string bytes;
    if (file.empty() || !ReadBytes(file, bytes)) {
      Report("data/lang2.txt", 0, "language suffix file missing");
      return false;
    }
    CheckBytes("data/lang2.txt", bytes);
    auto lines = SplitLines(bytes);
    bool ok = true;
    for (int k = 0; k < kLanguages; ++k) {
      std::string s = k < static_cast<int>(lines.size()) ? lines[k] : "";
      if (s.empty() || s.find(' ') != std::string::npos) {
        Report("data/lang2.txt", k + 1, "language " + std::to_string(k + 1) + " needs a suffix without blanks");
        ok = false;
      }
      for (int j = 0; j < k && ok; ++j) {
        if (Lower(suffixes_[j]) == Lower(s)) {
          Report("data/lang2.txt", k + 1, "suffix \"" + s + "\" is also language " + std::to_string(j + 1) + "'s");
          ok = false;
        }
      }
      suffixes_.push_back(s);
    }
    return ok;
  }

  // Every lang\*.txt that ends with a language suffix is a family's file.
  void CollectFamilies() {
    fs::path lang = FindNoCase(dir_, "lang");
    std::error_code ec;
    if (lang.empty() || !fs::is_directory(lang, ec)) {
      Report("lang", 0, "language folder missing");
      return;
    }
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(lang, ec)) {
      if (e.is_regular_file() && EndsWithNoCase(e.path().filename().string(), ".txt")) files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto& path : files) {
      std::string file = path.filename().string();
      std::string stem = file.substr(0, file.size() - 4);
      int lang_no = 0;
      std::size_t best = 0;
      for (int k = 0; k < kLanguages; ++k) {
        const std::string& s = suffixes_[k];
        if (s.size() > best && s.size() < stem.size() && EndsWithNoCase(stem, s)) {
          best = s.size();
          lang_no = k + 1;
        }
      }
      if (lang_no == 0) continue;  // not a language file (the configuration, for one)
      std::string family = stem.substr(0, stem.size() - best);
      LangFile lf;
      lf.name = "lang/" + file;
      std::string bytes;
      if (!ReadBytes(path, bytes)) {
        Report(lf.name, 0, "cannot be read");
        continue;
      }
      CheckBytes(lf.name, bytes);
      lf.lines = SplitLines(bytes);
      lf.kind = KindOf(lf.lines);
      Family& fam = families_[Lower(family)];
      if (fam.name.empty()) fam.name = family;
      fam.byLang[lang_no].push_back(std::move(lf));
    }
  }

  void CheckBytes(const std::string& name, const std::string& bytes) {
    auto lines = SplitLines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string& l = lines[i];
      int n = static_cast<int>(i + 1);
      if (l.size() > kMaxLine) Report(name, n, "line is " + std::to_string(l.size()) + " bytes, more than 255");
      for (unsigned char c : l) {
        if (!kiosk::IsCp1252Defined(c)) {
          char hex[8];
          std::snprintf(hex, sizeof hex, "%02X", c);
          Report(name, n, std::string("byte ") + hex + " is not a Windows-1252 character");
          break;
        }
        if (c < 0x20 && c != '\t') {
          Report(name, n, "control character " + std::to_string(c) + " in the line");
          break;
        }
      }
    }
  }

  void CheckFamily(Family& fam) {
    const LangFile* ref = nullptr;
    int refLang = 0;
    for (int k = 1; k <= kLanguages; ++k) {
      auto it = fam.byLang.find(k);
      std::string expected = "lang/" + fam.name + suffixes_[k - 1] + ".txt";
      if (it == fam.byLang.end()) {
        Report(expected, 0, "missing: family \"" + fam.name + "\" has no file for language " + std::to_string(k));
        continue;
      }
      if (it->second.size() > 1) {
        Report(expected, 0, "more than one file differing only in letter case");
      }
      const LangFile& f = it->second.front();
      if (!ref) {
        ref = &f;
        refLang = k;
      } else {
        if (f.lines.size() != ref->lines.size()) {
          Report(f.name, 0, std::to_string(f.lines.size()) + " lines, but " + ref->name + " has " +
                                std::to_string(ref->lines.size()));
        }
        if (f.kind != ref->kind) {
          Report(f.name, 0, std::string("is ") + KindName(f.kind) + ", but " + ref->name + " is " + KindName(ref->kind));
        }
      }
      if (f.kind == Kind::kForm) CheckForm(f);
      if (f.kind == Kind::kSpec) CheckSpecFile(f);
      if (f.kind == Kind::kLines) CheckDescriptors(f);
    }
    (void)refLang;
    // A family beside a family of the same name plus "n" is a menu family.
    auto keys = families_.find(Lower(fam.name) + "n");
    if (keys != families_.end()) {
      for (int k = 1; k <= kLanguages; ++k) {
        auto m = fam.byLang.find(k);
        auto n = keys->second.byLang.find(k);
        if (m == fam.byLang.end() || n == keys->second.byLang.end()) continue;
        CheckMenus(m->second.front(), n->second.front());
      }
    }
  }

  void CheckMenus(const LangFile& menus, const LangFile& keys) {
    std::size_t count = std::max(menus.lines.size(), keys.lines.size());
    for (std::size_t i = 0; i < count; ++i) {
      int n = static_cast<int>(i + 1);
      std::string text = i < menus.lines.size() ? menus.lines[i] : "";
      std::string letters = i < keys.lines.size() ? keys.lines[i] : "";
      std::string found = MenuKeys(text);
      if (found != letters) {
        Report(keys.name, n, "key letters \"" + letters + "\" but the menu line has \"" + found + "\"");
      }
      if (HasLowerCase(letters)) Report(keys.name, n, "key letters \"" + letters + "\" must be upper case");
      int width = static_cast<int>(text.size() + 1) * kMenuCharWidth;  // a blank is appended
      if (width > kScreenWidth) {
        Report(menus.name, n, "menu is " + std::to_string(width) + " pixels wide at 12 a character, more than " +
                                  std::to_string(kScreenWidth));
      }
    }
  }

  // Fields 1..9 of a label line or a text spec: colour, x, y, font code,
  // direction, user size, size, horizontal and vertical code.
  void CheckPlacement(const LangFile& f, int n, const std::vector<std::string>& fields, const std::string& text) {
    for (int i = 0; i < 9; ++i) {
      if (!IsNumber(fields[i])) {
        Report(f.name, n, "field " + std::to_string(i + 1) + " \"" + fields[i] + "\" is not a number");
        return;
      }
    }
    double x = NumberValue(fields[1]), y = NumberValue(fields[2]);
    if (x < 0 || x >= kScreenWidth || y < 0 || y >= kScreenHeight) {
      Report(f.name, n, "position (" + fields[1] + ", " + fields[2] + ") is off the screen");
      return;
    }
    double direction = NumberValue(fields[4]), size = NumberValue(fields[6]);
    if (text.empty() || direction != 0) return;
    // Roughly half the character height a character; sizes below 6 count
    // in steps of 8 pixels.
    double height = size < 6 ? std::max(1.0, size) * 8 : size;
    double width = static_cast<double>(text.size()) * height * 0.5;
    int h = static_cast<int>(std::lround(NumberValue(fields[7])));
    double left = h == 2 ? x - width / 2 : h == 3 ? x - width : x;
    if (left < 0 || left + width > kScreenWidth || y + height > kScreenHeight) {
      Report(f.name, n, "text \"" + text + "\" runs off the screen");
    }
  }

  // SPLIT drops an empty field, so every field must be filled; a trailing
  // "|" after the last field is harmless.
  std::vector<std::string> Fields(std::string_view line, char sep, std::size_t want) {
    auto fields = SplitFields(line, sep);
    if (fields.size() == want + 1 && fields.back().empty()) fields.pop_back();
    return fields;
  }

  void CheckLabel(const LangFile& f, int n, const std::string& line) {
    auto fields = Fields(line, '|', kLabelFields);
    if (fields.size() != kLabelFields) {
      Report(f.name, n, "label line has " + std::to_string(fields.size()) + " fields, not 11");
      return;
    }
    if (fields[9].empty()) {
      Report(f.name, n, "style letters empty: the fields after them would shift");
      return;
    }
    CheckPlacement(f, n, fields, fields[10]);
  }

  void CheckAnswer(const LangFile& f, int n, const std::string& line) {
    auto fields = Fields(line, '|', kAnswerFields);
    if (fields.size() != kAnswerFields) {
      Report(f.name, n, "answer definition has " + std::to_string(fields.size()) + " fields, not 16");
      return;
    }
    for (int i = 0; i < kAnswerFields; ++i) {
      if (fields[i].empty()) {
        Report(f.name, n, "answer field " + std::to_string(i + 1) + " empty: the fields after it would shift");
        return;
      }
      bool numeric = i < 9 || (i >= 10 && i <= 13);
      if (numeric && !IsNumber(fields[i])) {
        Report(f.name, n, "answer field " + std::to_string(i + 1) + " \"" + fields[i] + "\" is not a number");
        return;
      }
    }
  }

  void CheckForm(const LangFile& f) {
    auto header = SplitFields(f.lines[0], '|');
    if (header.size() != kSections.size()) {
      Report(f.name, 1, "section header has " + std::to_string(header.size()) + " fields, not 5");
      return;
    }
    int counts[5];
    for (int k = 0; k < 5; ++k) {
      const std::string& h = header[k];
      if (h.empty() || h[0] != kSections[k] || !IsNumber(h.substr(1))) {
        Report(f.name, 1, "section " + std::to_string(k + 1) + " should read " + kSections[k] + " and a count, not \"" + h + "\"");
        return;
      }
      counts[k] = static_cast<int>(std::lround(NumberValue(h.substr(1))));
      if (counts[k] < 0 || counts[k] > kSectionMax[k]) {
        Report(f.name, 1, std::string("section ") + kSections[k] + " holds at most " + std::to_string(kSectionMax[k]) + " lines");
        return;
      }
    }
    std::size_t next = 1;
    for (int k = 0; k < 5; ++k) {
      for (int j = 0; j < counts[k]; ++j, ++next) {
        if (next >= f.lines.size()) {
          Report(f.name, 0, std::string("section ") + kSections[k] + " is short of " + std::to_string(counts[k] - j) +
                                " lines: the header counts " + std::to_string(counts[k]));
          return;
        }
        const std::string& line = f.lines[next];
        int n = static_cast<int>(next + 1);
        // Eight asterisks in a content line end the form there.
        if (kSections[k] == 'C' && line.find("********") != std::string::npos) return;
        if (kSections[k] == 'A') {
          CheckAnswer(f, n, line);
        } else {
          CheckLabel(f, n, line);
        }
      }
    }
    for (std::size_t i = next; i < f.lines.size(); ++i) {
      if (!f.lines[i].empty()) {
        Report(f.name, static_cast<int>(i + 1), "line beyond the sections the header counts");
        return;
      }
    }
  }

  // A line of many "|"-separated fields in a line file is a question
  // descriptor for the answer engine: 24 fields (25 with the spare last
  // one), none empty, numbers in the places that are converted as numbers.
  void CheckDescriptors(const LangFile& f) {
    for (std::size_t i = 0; i < f.lines.size(); ++i) {
      const std::string& line = f.lines[i];
      int n = static_cast<int>(i + 1);
      if (line.find("******") != std::string::npos) return;
      auto fields = SplitFields(line, '|');
      if (fields.size() < kMinDescriptorFields) continue;
      if (fields.size() == kDescriptorFields + 2 && fields.back().empty()) fields.pop_back();
      if (fields.size() != kDescriptorFields && fields.size() != kDescriptorFields + 1) {
        Report(f.name, n, "question descriptor has " + std::to_string(fields.size()) + " fields, not 24");
        continue;
      }
      for (std::size_t k = 0; k < fields.size(); ++k) {
        if (fields[k].empty()) {
          Report(f.name, n, "descriptor field " + std::to_string(k + 1) + " empty: the fields after it would shift");
          break;
        }
        bool numeric = (k >= 2 && k <= 13) || k == 21 || k == 22;
        if (numeric && !IsNumber(fields[k])) {
          Report(f.name, n, "descriptor field " + std::to_string(k + 1) + " \"" + fields[k] + "\" is not a number");
          break;
        }
      }
    }
  }

  void CheckSpecFile(const LangFile& f) {
    int count = 0;
    for (std::size_t i = 0; i < f.lines.size(); ++i) {
      const std::string& line = f.lines[i];
      int n = static_cast<int>(i + 1);
      if (line.find("******") != std::string::npos) return;
      if (++count > kMaxSpecLines) {
        Report(f.name, n, "more than 35 spec lines");
        return;
      }
      std::string trimmed = line.substr(0, line.find_last_not_of(' ') + 1);
      auto fields = SplitFields(trimmed, ',');
      if (static_cast<int>(fields.size()) != kSpecFields) {
        Report(f.name, n, "spec line has " + std::to_string(fields.size()) + " fields, not 10");
        continue;
      }
      if (fields[9].empty()) {
        Report(f.name, n, "style letters empty");
        continue;
      }
      CheckPlacement(f, n, fields, "");
    }
  }

  std::string dir_;
  std::vector<std::string> suffixes_;
  std::map<std::string, Family> families_;  // by lower-case name
  std::vector<std::string> problems_;
};

}  // namespace

std::string MenuKeys(std::string_view line) {
  std::string keys;
  for (std::size_t i = 1; i < line.size(); ++i) {
    if (line[i] == ')') keys += line[i - 1];
  }
  return keys;
}

bool IsNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t exp = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++exp;
    if (exp == 0) return false;
  }
  return i == text.size();
}

std::vector<std::string> CheckInstallation(const std::string& installDir) {
  return Checker(installDir).Run();
}

}  // namespace textcheck
