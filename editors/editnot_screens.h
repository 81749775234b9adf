// The steps the log's screens share: its frame, its messages and the
// password with a confirmation.
//
// Owns: the line numbers of the log's messages ("edn10") and of the top
// list's texts ("ntop").
#pragma once

#include <string>
#include <string_view>

namespace editnot {

// "edn10" lines.
inline constexpr int kNoTextFile = 1;       // the text file is missing or empty
inline constexpr int kReplaceQuestion = 2;  // before a new log from the text file
inline constexpr int kImportFailed = 3;     // the text file could not be imported
inline constexpr int kRebuildQuestion = 4;  // before a rebuild
inline constexpr int kNothingToShow = 5;    // the browse found no entry
inline constexpr int kChecked = 6;          // before the count of entries

// "ntop" lines: 1 heading, 2-5 the column names, then these.
inline constexpr int kTopLabels = 5;
inline constexpr int kTopWritten = 6;  // before the file name
inline constexpr int kTopEmpty = 7;
inline constexpr int kTopAnyKey = 8;

// Line n of a text family.
std::string Text(std::string_view family, int line);
// "edn10" line n on the prompt box for the usual 5 seconds.
void TellText(int line);
// The log frame: the screen frame and a box over the top 400 pixels.
void LOGFRAME();
// The staff password, then a yes/no question ("edn10" line n).
bool CONFIRMED(int question);

}  // namespace editnot
