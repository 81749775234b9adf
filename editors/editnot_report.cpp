// The printed list of the log, docs\NotFoundList.txt: one block of 20
// labelled lines per live entry; a page line after every third record
// number, deleted ones included.
#include "editors/editnot.h"
#include "editors/report.h"

namespace editnot {

namespace {

std::string FieldOfEntry(const void* record, int field) {
  return FieldText(*static_cast<const NOTDEF*>(record), field);
}

report::Layout EntryLayout() {
  report::Layout l;
  l.labels = "pnot";
  l.file = kReportFile;
  l.fieldLabels = kFields;
  for (int n = 1; n <= kFields; ++n) l.block.push_back({{{n}, {n}}});
  l.blockEnd = "\r\n";
  l.field = FieldOfEntry;
  l.header = 5;
  l.pageStep = 3;
  l.pageAfterDeleted = true;
  l.page = {600, 30, 0, 100};
  l.closing = {400, 30, 0, 1000};
  return l;
}

}  // namespace

const report::Layout& NotFoundReport() {
  static const report::Layout layout = EntryLayout();
  return layout;
}

bool PRINTNOTFOUND() { return report::WRITEREPORT(NOTFILE, NotFoundReport()); }

}  // namespace editnot
