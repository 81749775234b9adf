// The report writer: the walk by record number, the blocks and page lines,
// and the screens around them.
#include "editors/report.h"

#include <cstring>
#include <filesystem>
#include <functional>
#include <system_error>

#include "common/atomicfile.h"
#include "common/clock.h"
#include "common/hostpath.h"
#include "isam/isam.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "shell/langs.h"

namespace report {

namespace {

constexpr std::string_view kEol = "\r\n";

void AppendJoined(std::string& out, const std::vector<int>& items,
                  const std::function<std::string(int)>& text) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += ' ';
    out += text(items[i]);
  }
}

void AppendBlock(std::string& out, const Layout& layout, const std::vector<std::string>& labels,
                 const void* record) {
  auto label = [&](int n) {
    return n >= 0 && static_cast<std::size_t>(n) < labels.size() ? labels[static_cast<std::size_t>(n)]
                                                                 : std::string();
  };
  auto field = [&](int n) { return layout.field(record, n); };
  for (const Line& line : layout.block) {
    for (std::size_t p = 0; p < line.size(); ++p) {
      if (p > 0) out += '\t';
      AppendJoined(out, line[p].labels, label);
      out += '\t';
      AppendJoined(out, line[p].fields, field);
    }
    out += kEol;
  }
  out += layout.blockEnd;
}

// The label lines of the family: labels[n] is line n.
std::vector<std::string> LoadLabels(const Layout& layout) {
  langs::GETFILES(layout.labels);
  std::vector<std::string> labels(static_cast<std::size_t>(layout.fieldLabels) + 3);
  for (std::size_t n = 1; n < labels.size() && n < std::size(screen::PASS1); ++n)
    labels[n] = screen::PASS1[n].str();
  return labels;
}

void Show(const Shown& where, std::string_view text) {
  screen::CLEAR_PROMPT();
  screen::FNT0(253, where.x, screen::MAXY - where.fromBottom, 4, 0, 0, 30, 0, where.vertical, "",
               text);
  kiosk::clock::SleepMs(where.waitMs);
}

}  // namespace

bool WRITETEXTFILE(std::string_view systemName, const std::string& text) {
  const std::filesystem::path path = kiosk::HostPath(systemName);
  std::error_code ec;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
  if (kiosk::WriteFileAtomic(path.string(), text)) return true;
  langs::GETEXACT("report", 1);
  screen::SHOWMESSAGE(screen::TEMP.str() + " " + std::string(systemName));
  return false;
}

bool BUILDREPORT(glue::Catalogue& c, const Layout& layout, const std::vector<std::string>& labels,
                 std::string& out, const std::function<void(std::int32_t page)>& onPage) {
  out.clear();
  if (!c.fb || !layout.field || layout.pageStep <= 0) return false;
  std::vector<char> record(static_cast<std::size_t>(c.recLen));
  const std::string pageLabel = labels.size() > static_cast<std::size_t>(layout.fieldLabels) + 1
                                    ? labels[static_cast<std::size_t>(layout.fieldLabels) + 1]
                                    : std::string();
  // Every record number ever allocated: the last live records lie past the
  // used count whenever an earlier record was deleted.
  const std::int32_t last = glue::HIGHESTREC(c);
  for (std::int32_t k = 1; k <= last; ++k) {
    isam::BTGetRec(c.fb, k, record.data(), record.size());
    if (!isam::IsamOK) {
      glue::TELLERROR(c, isam::IsamError);
      return false;
    }
    std::int32_t del = 0;
    std::memcpy(&del, record.data(), sizeof del);
    const bool live = del == 0;
    if (live) AppendBlock(out, layout, labels, record.data());
    if (k % layout.pageStep == 0 && (live || layout.pageAfterDeleted)) {
      const std::int32_t page = k / layout.pageStep;
      out += "\t\t" + pageLabel + " " + std::to_string(page);
      out += kEol;
      out += kEol;
      out += "\r";
      out += kEol;
      if (onPage) onPage(page);
    }
  }
  return true;
}

bool WRITEREPORT(glue::Catalogue& c, const Layout& layout) {
  const std::vector<std::string> labels = LoadLabels(layout);
  if (!langs::PASSWORDOK(1)) return false;
  screen::FRAME4();
  langs::WRITEHEADER(layout.header);
  const std::string& pageLabel = labels[static_cast<std::size_t>(layout.fieldLabels) + 1];
  std::string text;
  const bool walked = BUILDREPORT(c, layout, labels, text, [&](std::int32_t page) {
    Show(layout.page, pageLabel + (layout.pageGapOnScreen ? " " : "") + std::to_string(page));
  });
  if (!walked) return false;
  if (!WRITETEXTFILE(layout.file, text)) return false;
  Show(layout.closing, labels[static_cast<std::size_t>(layout.fieldLabels) + 2]);
  return true;
}

}  // namespace report
