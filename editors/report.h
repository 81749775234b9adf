// The report writer: a catalogue file written to a plain text file for
// printing or reading elsewhere, one block of labelled lines per live record,
// with a running page line and the progress on the screen. The product, map
// element and not-found reports are one writer; each catalogue describes
// itself with a Layout and calls WRITEREPORT on its open file.
//
// Owns: the report format below. The records, their fields and the labels
// are the catalogue's; the file is replaced whole (atomically), so a refused
// password or a failed walk leaves any earlier report as it was.
//
// The report file (CR LF line ends; T a tab, Ln label line n):
//   - per live record, in record-number order, its block: each Line of the
//     layout is its Pairs joined by T, a Pair being its labels joined by a
//     blank, T, and its fields joined by a blank (fields exactly as stored);
//     then blockEnd (an empty line, or the map's single line feed);
//   - after record k, when k is a multiple of the page step (after a live
//     record only, unless pageAfterDeleted): T T, the page label, a blank,
//     k / step; an empty line; a line holding a single CR.
//
// Plugging in a catalogue (the map element and not-found reports):
//   const report::Layout kLayout{ "pelement", "docs\\MapElementList.txt", 18,
//       {{{{1}, {1}}, {{2}, {2}}, ...}, ...}, "\n\r\n", FieldOfElement,
//       5 /*header*/, 8 /*page step*/, ... };
//   report::WRITEREPORT(editmap::MAPFILE, kLayout);  // the file open
// Field n is numbered as the catalogue's own field order; label n of the
// label family names field n. Label fieldLabels + 1 is the page label,
// fieldLabels + 2 the closing message.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "isam/glue.h"

namespace report {

// Labels joined by a blank, a tab, the fields joined by a blank.
struct Pair {
  std::vector<int> labels;
  std::vector<int> fields;
};
using Line = std::vector<Pair>;  // its pairs joined by tabs

// Field n (1-based) of a record, exactly as stored.
using FieldFn = std::string (*)(const void* record, int field);

// Where and how long a text is shown on the screen.
struct Shown {
  std::int32_t x = 600;
  std::int32_t fromBottom = 36;  // y = screen height - fromBottom
  std::int32_t vertical = 0;     // FNT0 vertical placement code
  std::int32_t waitMs = 0;
};

struct Layout {
  std::string_view labels;       // label family, loaded whole
  std::string_view file;         // the report, "docs\\ItemsList.txt"
  int fieldLabels = 0;           // label lines naming fields
  std::vector<Line> block;       // one record's lines
  std::string_view blockEnd;     // written after them
  FieldFn field = nullptr;
  std::int32_t header = 0;       // heading shown while the report is written
  std::int32_t pageStep = 1;     // a page line after every this many record numbers
  bool pageAfterDeleted = false; // also after a deleted record
  bool pageGapOnScreen = true;   // a blank between page label and number on the screen
  Shown page;                    // the page message, with its wait
  Shown closing;                 // the closing message, with its wait
};

// Asks the staff password, then writes the report of the open catalogue
// file c, walking record numbers 1 to the highest ever allocated. False when
// the password was refused (nothing written), the walk broke off on a store
// error (reported; the earlier report kept) or the file could not be written
// (reported).
bool WRITEREPORT(glue::Catalogue& c, const Layout& layout);

// Replaces a text file whole (atomically; its folder is made when missing).
// A failure is shown with the file's name; the old file is then kept.
bool WRITETEXTFILE(std::string_view systemName, const std::string& text);

// The report text of the open file c with these labels (label n at
// labels[n]), without password or file; onPage (may be empty) is called
// after each page line with its number. False on a store error (reported).
bool BUILDREPORT(glue::Catalogue& c, const Layout& layout, const std::vector<std::string>& labels,
                 std::string& out, const std::function<void(std::int32_t page)>& onPage);

}  // namespace report
