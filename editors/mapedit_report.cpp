// The map element report, docs\MapElementList.txt: one block of five
// labelled lines per live element, a page line after every eighth record
// number.
#include <string>

#include "editors/mapedit.h"
#include "editors/report.h"

namespace editmap {

namespace {

std::string FieldOfElement(const void* record, int field) {
  return std::string(FieldText(*static_cast<const MAPDEF*>(record), field));
}

report::Layout MapLayout() {
  report::Layout l;
  l.labels = "pelement";
  l.file = kReportFile;
  l.fieldLabels = kFields;
  // Identifier, department, season; position, size and direction; the
  // drawing; the label and fixture; label text, floor and comment.
  auto line = [](int first, int last) {
    report::Line pairs;
    for (int n = first; n <= last; ++n) pairs.push_back({{n}, {n}});
    return pairs;
  };
  l.block = {line(1, 3), line(4, 8), line(9, 12), line(13, 15), line(16, 18)};
  l.blockEnd = "\n\r\n";  // the line feed on a line of its own, as always written
  l.field = FieldOfElement;
  l.header = 5;
  l.pageStep = 8;
  l.pageGapOnScreen = false;
  l.page = {600, 36, 0, 5};
  l.closing = {700, 36, 0, 2000};
  return l;
}

}  // namespace

const report::Layout& MapElementReport() {
  static const report::Layout layout = MapLayout();
  return layout;
}

bool PRINTSHELVES() { return report::WRITEREPORT(MAPFILE, MapElementReport()); }

}  // namespace editmap
