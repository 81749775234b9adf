// The product report, docs\ItemsList.txt: one block of labelled lines per
// live product, a page line after every third record number.
#include "editors/prodfile_editor.h"
#include "editors/report.h"

namespace editprod {

namespace {

std::string FieldOfProduct(const void* record, int field) {
  return FieldText(*static_cast<const PRODDEF*>(record), field);
}

report::Layout ProductLayout() {
  report::Layout l;
  l.labels = "pitem";
  l.file = kReportFile;
  l.fieldLabels = kSlots;
  // Words; shelf, department, exclusion code; position and floor; then one
  // line for each location text.
  l.block = {{{{1, 2}, {1, 2}}}, {{{3}, {3}}, {{4}, {4}}, {{5}, {5}}},
             {{{6}, {6}}, {{7}, {7}}, {{8}, {8}}}};
  for (int n = 9; n <= kSlots; ++n) l.block.push_back({{{n}, {n}}});
  l.blockEnd = "\r\n";
  l.field = FieldOfProduct;
  l.header = 12;
  l.pageStep = 3;
  l.page = {600, 36, 0, 2};
  l.closing = {400, 36, 1, 2000};
  return l;
}

}  // namespace

const report::Layout& ProductReport() {
  static const report::Layout layout = ProductLayout();
  return layout;
}

bool PRINTPRODUCT() { return report::WRITEREPORT(PRODFILE, ProductReport()); }

}  // namespace editprod
