// The product utilities: report, rebuild, hide and show a shelf, new file
// from the exchange file, export, map, list and erase.
#include <algorithm>
#include <fstream>
#include <string>

#include "common/clock.h"
#include "common/hostpath.h"
#include "common/numtext.h"
#include "common/text.h"
#include "editors/prodfile_editor.h"
#include "editors/prodfile_shelf.h"
#include "editors/rebuild.h"
#include "graph/graph.h"
#include "isam/delf.h"
#include "isam/glue.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "screen/quesans2.h"
#include "screen/writescreen.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace editprod {

namespace {

constexpr std::int32_t kUtilitiesMenu = 59;
constexpr std::int32_t kShelfKeyMenu = 43;
constexpr std::int32_t kChooseMenu = 15;
constexpr std::int32_t kListMenu = 20;
constexpr std::int32_t kAllMenu = 5;  // its first character stands for "all"
constexpr std::int32_t kListHead = 11;
// Lines of "edp10", the editor's messages.
constexpr std::int32_t kStayedVisible = 1, kEraseQuestion = 2, kReplaceQuestion = 3,
                       kNoExchangeFile = 4;

kiosk::Str255 Message(std::int32_t line) {
  langs::GETEXACT("edp10", line);
  return screen::TEMP;
}

void Progress(std::int32_t colour, std::int32_t y, std::int32_t line) {
  langs::WRITEASTRING(colour, 600, y, 4, 30, line);
}

bool OpenFile() {
  if (!SETUP()) return false;
  if (!PRODFILE.OK) OPENITP();
  return PRODFILE.OK;
}

void CloseFile() {
  CLOSEITP();
  RELEASE();
}

// Work on the open product file, announced by a progress line.
template <typename Work>
void OnOpenFile(std::int32_t line, Work work) {
  if (OpenFile()) {
    Progress(253, 100, line);
    work();
  }
  CloseFile();
}

// The exchange file holds something to import.
bool ExchangeFileHoldsProducts() {
  std::ifstream in(kiosk::HostPath(kExchangeFile), std::ios::binary);
  std::string line;
  while (std::getline(in, line))
    if (!kiosk::Trim(line.substr(0, line.find('\r'))).empty()) return true;
  return false;
}

void NewFileFromText() {
  if (!screen::ASKPASSWORDANDYES(Message(kReplaceQuestion).view())) return;
  if (!ExchangeFileHoldsProducts()) {
    screen::SHOWMESSAGE(Message(kNoExchangeFile).view());
    return;
  }
  if (!SETUP()) return;
  screen::FRAME4();
  Progress(253, 100, 3);
  TESTNEW();
  CloseFile();
}

void Export() {
  CLOSEITP();
  if (!SETUP()) return;
  screen::FRAME4();
  screen::CLEAR_PROMPT();
  Progress(253, 100, 4);
  PRODUCT1();
  CloseFile();
}

void Erase() {
  if (!screen::ASKPASSWORDANDYES(Message(kEraseQuestion).view())) return;
  screen::FRAME4();
  kiosk::clock::SleepMs(100);
  Progress(253, 100, 4);
  CLOSEITP();
  delf::RENAME_FILE("data\\products.dat");
  delf::RENAME_FILE("data\\products.ix");
  // Made afresh before any open, so that no open loop refills it.
  const bool startedHere = !isam::IsamIsInitialized();
  if (startedHere) isam::BTInitIsam(isam::NoNet, PRODFILE.pages);
  if (isam::IsamOK && CREATEFILE()) {
    kiosk::clock::SleepMs(1000);
    OPENITP();
    CLOSEITP();
  } else {
    glue::TELLERROR(PRODFILE, isam::IsamError);
  }
  if (startedHere && isam::IsamIsInitialized()) isam::BTExitIsam();
  Progress(128, 400, 4);
  kiosk::clock::SleepMs(1000);
}

// Asks the search text of key keyNr ("edp8" line keyNr) until its first
// character is printable; false when staff leave (an empty answer).
bool AskShelfSearch(std::int32_t keyNr) {
  langs::GETEXACT("edp8", keyNr);
  const kiosk::Str255 question = screen::TEMP;
  for (;;) {
    kiosk::Str255 answer;
    double number = 0;
    quesans2::QUESTION_ANSWER2(question.view(), "", answer, 255, number, 'A', 'N', 'N', 4, 8);
    screen::DELETELEFTBLANKS(answer);
    if (answer.empty()) return false;
    if (answer[0] >= '!' && answer[0] <= 'z') {
      PKEY1 = answer.view();
      SEARCHKEY2(PKEY1.view(), keyNr);
      return true;
    }
  }
}

// The message naming the products that stayed visible.
void TellStayedVisible(const std::vector<std::string>& words) {
  if (words.empty()) return;
  std::string text = Message(kStayedVisible).str();
  for (std::size_t i = 0; i < words.size(); ++i) text += (i ? ", " : " ") + words[i];
  screen::SHOWMESSAGE(kiosk::Str255(text).view());
}

}  // namespace

void EDITPRODUCTS4(char mode) {
  if (!OpenFile()) return;
  REC_FOUND.fill(0);
  CNT1 = 0;
  screen::FRAME4();
  writescreen::GET_DATA("edp7");
  const char key = screen::ASKMENU(kShelfKeyMenu);
  if (screen::key::IsLeaveKey(screen::VALANS)) return;
  if (!AskShelfSearch(key == 'B' ? 2 : 1) || CNT1 == 0) return;
  DD = 0;
  for (;;) {
    if (!SHOWMATCH(DD)) return;
    UNPACKITS();
    const char choice = screen::ASKMENU(kChooseMenu);
    if (screen::VALANS == screen::key::kEscape) return;
    if (screen::VALANS == screen::key::kPause) break;
    if (choice == 'A') {
      DD = DD + 1 < CNT1 ? DD + 1 : 0;  // after the last comes the first again
    } else if (choice == 'B') {
      if (DD > 0) --DD;
    }
  }
  LISTPRODUCT();
  if (mode == 'H') {
    TellStayedVisible(HSEARCHP(PRODUCT.SHELF.view()));
  } else {
    UHSEARCHP(PRODUCT.SHELF.view());
  }
}

void LISTPP() {
  COUNTLOOP = kListHead;
  langs::WRITEHEADER(kListHead);
  if (!EDITPRODUCTSXX() || CNT1 == 0) return;
  langs::GETEXACT("edp5", 5);
  const kiosk::Str255 question = screen::TEMP;
  kiosk::Str255 answer;
  double number = 0;
  quesans2::QUESTION_ANSWER2(question.view(), "", answer, 255, number, 'A', 'X', 'X', 6, 8);
  langs::GETEXACT("sel", kAllMenu);
  const char all = screen::TEMP.empty() ? 'A' : kiosk::UpCase(screen::TEMP[0]);
  const std::string typed(kiosk::Trim(answer.view()));
  std::int32_t count = typed.size() == 1 && kiosk::UpCase(typed[0]) == all
                           ? kMaxMatches
                           : kiosk::TextToWhole(typed);
  count = std::min({count, CNT1, isam::BTUsedRecs(PF2)});
  for (DD = 0; DD < count; ++DD) {
    if (!SHOWMATCH(DD)) return;
    screen::ASKMENU(kListMenu);
    if (screen::VALANS == screen::key::kEscape) return;
  }
}

void PRODUTILITIES() {
  for (;;) {
    cfgfiles::MOVE_FLAG = 0;
    graph::SetBkColor(screen::ColorValue(graph::kBlack));
    screen::CLEAR_PROMPT();
    screen::FRAME4();
    writescreen::GET_DATA("edp2");
    const char choice = screen::ASKMENU(kUtilitiesMenu);
    screen::CLEAR_PROMPT();
    screen::COLORS1(250);
    if (screen::key::IsLeaveKey(screen::VALANS)) return;
    switch (choice) {
      case 'A': OnOpenFile(5, [] { PRINTPRODUCT(); }); break;
      case 'B':
        screen::FRAME4();
        screen::CLEAR_PROMPT();
        Progress(253, 100, 2);
        rebuild::REBUILD_FILES(rebuild::Catalogue::Products);
        break;
      case 'C':
      case 'D':
        EDITPRODUCTS4(choice == 'C' ? 'H' : 'U');
        CloseFile();
        break;
      case 'E': NewFileFromText(); break;
      case 'F': Export(); break;
      case 'G': SHOWONMAP(0); break;
      case 'H': OnOpenFile(1, LISTPP); break;
      case 'I': return;
      case 'J': Erase(); break;
      default: break;
    }
  }
}

}  // namespace editprod
