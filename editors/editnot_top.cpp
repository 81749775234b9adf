// The top list: what shoppers could not find, most often first, written to
// docs\NotFoundTop.txt and its first page shown on the screen.
#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/numtext.h"
#include "common/text.h"
#include "editors/editnot.h"
#include "editors/editnot_screens.h"
#include "editors/report.h"
#include "isam/isam.h"
#include "screen/keys.h"
#include "screen/primitives.h"

namespace editnot {

namespace {

// A date of the log as year, month and day in one number; 0 when the text
// is no day/month/year date (the kiosk writes "dd/mm/yyyy").
std::int64_t DayNumber(std::string_view date) {
  std::int64_t parts[3] = {0, 0, 0};
  int n = 0;
  bool digits = false;
  for (char ch : kiosk::Trim(date)) {
    if (ch >= '0' && ch <= '9') {
      parts[n] = parts[n] * 10 + (ch - '0');
      digits = true;
      if (parts[n] > 99999) return 0;
    } else if ((ch == '/' || ch == '-' || ch == '.') && digits && n < 2) {
      ++n;
      digits = false;
    } else {
      return 0;
    }
  }
  if (n != 2 || !digits) return 0;
  const std::int64_t day = parts[0], month = parts[1], year = parts[2];
  if (day < 1 || day > 31 || month < 1 || month > 12) return 0;
  return year * 10000 + month * 100 + day;
}

// Column places on the screen, as parts of its width.
struct Columns {
  std::int32_t word, times, kiosks, date;
};
Columns ColumnsOf(std::int32_t width) {
  return {40, width * 45 / 100, width * 55 / 100, width * 80 / 100};
}

// Characters shown on the screen of a word and of its kiosks.
constexpr std::size_t kWordShown = 32;
constexpr std::size_t kKiosksShown = 24;
constexpr std::int32_t kRowHeight = 40;

std::string Joined(const std::vector<std::string>& items, std::string_view between) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += between;
    out += items[i];
  }
  return out;
}

void Row(std::int32_t y, std::int32_t colour, std::string_view style, const std::string (&cells)[4]) {
  const Columns c = ColumnsOf(screen::MAXX);
  const std::int32_t xs[4] = {c.word, c.times, c.kiosks, c.date};
  for (int i = 0; i < 4; ++i) screen::FNT0(colour, xs[i], y, 4, 0, 0, 26, 0, 0, style, cells[i]);
}

}  // namespace

bool TOPWORDS(std::vector<TopWord>& words) {
  words.clear();
  struct Group {
    TopWord top;
    std::set<std::string> machines;
    std::int64_t lastDay = -1;
    std::int32_t lastRef = 0;
  };
  std::map<std::string, Group> groups;  // by the upper-cased word
  const bool walked = EACHENTRY([&](std::int32_t ref, const NOTDEF& rec) {
    const std::string word(kiosk::Trim(rec.KLINE1.view()));
    if (word.empty() || word.find('~') != std::string::npos) return;
    Group& g = groups[kiosk::UpperCp1252(word)];
    if (g.top.count++ == 0) g.top.word = word;
    const std::string machine(kiosk::Trim(rec.MACHINENO.view()));
    if (!machine.empty()) g.machines.insert(machine);
    // The latest date; among dates that are no dates, the last record's.
    const std::int64_t day = DayNumber(rec.DATE.view());
    if (day > g.lastDay || (day == g.lastDay && ref > g.lastRef)) {
      g.lastDay = day;
      g.lastRef = ref;
      g.top.lastDate = kiosk::Trim(rec.DATE.view());
    }
  });
  for (auto& [upper, g] : groups) {
    g.top.machines.assign(g.machines.begin(), g.machines.end());
    words.push_back(std::move(g.top));
  }
  // The map gave word order; equal counts keep it.
  std::stable_sort(words.begin(), words.end(),
                   [](const TopWord& a, const TopWord& b) { return a.count > b.count; });
  return walked;
}

std::string TOPTEXT(const std::vector<TopWord>& words, const std::vector<std::string>& labels) {
  auto label = [&](int n) {
    return static_cast<std::size_t>(n) < labels.size() ? labels[static_cast<std::size_t>(n)] : std::string();
  };
  std::string out = label(1) + "\r\n\r\n";
  out += label(2) + "\t" + label(3) + "\t" + label(4) + "\t" + label(5) + "\r\n";
  for (const TopWord& w : words) {
    out += w.word + "\t" + std::to_string(w.count) + "\t" + Joined(w.machines, ", ") + "\t" +
           w.lastDate + "\r\n";
  }
  return out;
}

bool TOPLIST() {
  std::vector<std::string> labels(kTopAnyKey + 1);
  for (int n = 1; n <= kTopAnyKey; ++n) labels[static_cast<std::size_t>(n)] = Text("ntop", n);
  std::vector<TopWord> words;
  if (!TOPWORDS(words)) return false;  // never a list of part of the log
  const bool written = report::WRITETEXTFILE(kTopFile, TOPTEXT(words, labels));

  screen::FRAME4();
  screen::FNT0(253, screen::MAXX / 2, 80, 1, 0, 0, 40, 2, 0, "b", labels[1]);
  Row(140, 253, "b", {labels[2], labels[3], labels[4], labels[5]});
  std::int32_t y = 140 + kRowHeight + 8;
  if (words.empty()) screen::FNT0(250, 40, y, 4, 0, 0, 26, 0, 0, "", labels[kTopEmpty]);
  for (const TopWord& w : words) {
    if (y > screen::MAXY - 63 - kRowHeight) break;  // the first page only
    Row(y, 250, "", {w.word.substr(0, kWordShown), std::to_string(w.count),
                     Joined(w.machines, ", ").substr(0, kKiosksShown), w.lastDate});
    y += kRowHeight;
  }
  screen::CLEAR_PROMPT();
  std::string prompt = labels[kTopAnyKey];
  if (written) prompt = labels[kTopWritten] + " NotFoundTop.txt    " + prompt;
  screen::FNT0(253, 50, screen::MAXY - 40, 4, 0, 0, 26, 0, 0, "", prompt);
  screen::ONKEY();
  screen::VALANS = screen::key::kNone;
  screen::CLEAR_PROMPT();
  return written;
}

}  // namespace editnot
