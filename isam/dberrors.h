// Error reactions: a store error number turned into the operator's text.
//
// The texts are lines of the language family "dberr" (67 lines, one per
// group of error numbers). The store does not depend on the language layer:
// the application installs a fetcher that reads line n of "dberr" in the
// current language (and leaves it in its common text buffer).
#pragma once

#include <cstdint>
#include <functional>

#include "common/shortstr.h"

namespace dberrors {

// Line 1..67 of "dberr" for an error number; 0 when the number has none.
int IsamErrorLine(std::int32_t F);

// Fetches line n (1..67) of the "dberr" texts; set by the application.
using DberrFetcher = std::function<kiosk::Str255(int line)>;
void SetDberrFetcher(DberrFetcher fetch);

// Looks F up; with a line, fetches it (cut to 80) into IsamErrorText and
// composes IsamEMessage = " Error # " + F right-aligned in 5 + " " + text,
// cut to 80. A number without a line fetches nothing: the text is empty and
// the message " Error # " + F + " ".
void IsamErrorNum(std::int32_t F);

extern kiosk::ShortStr<80> IsamErrorText;  // the fetched line
extern kiosk::ShortStr<80> IsamEMessage;   // the composed message

void ResetForTest();

}  // namespace dberrors
