// Hiding and showing again the map element of a shelf, for the product
// editor's hide and unhide of the shelf's products. A hidden element's
// identifier ends in "~", which the renderer never draws.
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/text.h"
#include "editors/mapedit.h"
#include "isam/glue.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "shell/langs.h"

namespace editmap {

namespace {

constexpr char kHidden = '~';
// "writea" lines shown while it works.
constexpr std::int32_t kHidingText = 16, kShowingText = 17;
// "edm6" line: before the identifiers that have no room for the mark.
constexpr std::int32_t kNoRoomText = 1;

// The elements SEARCHKEY(lookFor) finds, each rewritten by change (which
// says whether it changed it) between short waits; the file opened and
// closed around it.
template <typename Change>
void RewriteFound(std::int32_t textLine, std::string_view lookFor, std::int32_t waitMs,
                  Change change) {
  screen::FRAME4();
  langs::WRITEASTRING(253, 720, 400, 6, 50, textLine);
  SETUPM();
  if (PE) {
    SEARCHKEY(lookFor, 1);
    for (std::int32_t i = 0; i < CNT1; ++i) {
      const std::int32_t ref = REC_FOUND[static_cast<std::size_t>(i)];
      MAPDEF rec;
      isam::BTGetRec(PE, ref, &rec);
      if (!isam::IsamOK || rec.DEL != 0) continue;
      const MAPDEF old = rec;
      if (!change(rec)) continue;
      kiosk::clock::SleepMs(waitMs);
      glue::CHANGESTRUCTURE(MAPFILE, &old, &rec, ref);
      kiosk::clock::SleepMs(waitMs);
    }
  }
  CLOSEITM();
  RELEASEM();
}

}  // namespace

void HSEARCHS(std::string_view shelf) {
  const std::string text(kiosk::Trim(shelf));
  if (text.empty()) return;
  std::vector<std::string> full;
  RewriteFound(kHidingText, text, 10, [&full](MAPDEF& rec) {
    const std::string id(kiosk::TrimRight(rec.S_ID.view()));
    if (id.size() >= rec.S_ID.max_size()) {
      full.push_back(id);  // no room for the mark: it stays on the map
      return false;
    }
    rec.S_ID = id + kHidden;
    return true;
  });
  if (full.empty()) return;
  langs::GETEXACT("edm6", kNoRoomText);
  std::string message = screen::TEMP.str();
  for (std::size_t i = 0; i < full.size(); ++i) message += (i ? ", " : " ") + full[i];
  screen::SHOWMESSAGE(kiosk::Str255(message).view());
}

void UHSEARCHS(std::string_view shelf) {
  const std::string text(kiosk::Trim(shelf));
  if (text.empty()) return;
  // Exactly the elements a hide of this shelf marked: the identifier is the
  // shelf text and the one "~" appended to it.
  RewriteFound(kShowingText, text + kHidden, 100, [](MAPDEF& rec) {
    const std::string_view id = kiosk::TrimRight(rec.S_ID.view());
    rec.S_ID = id.substr(0, id.size() - 1);
    return true;
  });
}

}  // namespace editmap
