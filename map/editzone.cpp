// The zone editor's loop and its form "zonel2".
#include "map/editzone.h"

#include <string>

#include "common/numtext.h"
#include "common/text.h"
#include "graph/graph.h"
#include "graph/keyboard.h"
#include "screen/keys.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "screen/writescreen.h"
#include "shell/langs.h"

namespace editzone {

Str255 ZONES[kMaxLines];
std::int32_t LINES = kLinesWritten;
std::int32_t NUMOFZONES2 = 0;
std::int32_t ZONE = 0;
Str255 LAYOUTZ[kFields + 2];
Str255 FIELD[kFields + 1];
Str255 &SZONE = FIELD[1], &SZOOM = FIELD[2], &SOFFSETX = FIELD[3], &SOFFSETY = FIELD[4],
       &SZONELOWLIMITY = FIELD[5], &SZONEHIGHLIMITY = FIELD[6], &SZONELOWLIMITX = FIELD[7],
       &SZONEHIGHLIMITX = FIELD[8], &SOFFSETX_CIRCLES = FIELD[9], &SOFFSETY_CIRCLES = FIELD[10],
       &STARGETMINY = FIELD[11], &SX_OFFSETX = FIELD[12], &SX_OFFSETY = FIELD[13],
       &STARGETMINX = FIELD[14], &STARGETMAXY = FIELD[15], &STARGETMAXX = FIELD[16],
       &SLABELOFFSETX = FIELD[17], &SLABELOFFSETY = FIELD[18];

namespace {

constexpr const char* kForm = "zonel2";
constexpr const char* kPlacements = "zone0";
constexpr const char* kPromptLine = "zonel1";
constexpr const char* kArrowKeys = "fixtures\\dwna.bmp";

// Lines of the prompt-line layout "zonel1".
enum PromptLine { kKeysText = 1, kSaveText, kKeysX, kSaveX, kPictureX, kPictureY, kSaveFailed };

bool IsFieldKey(char key) { return key >= kFirstKey && key <= kLastKey; }

std::int32_t Whole(const Str255& text) { return kiosk::TextToWhole(text.view()); }

// The colour of answer definition k of the form (its first field).
std::string AnswerColour(int k) {
  std::string_view d = writescreen::SCREEN3[k].view();
  return std::string(d.substr(0, d.find('|')));
}

// A text spec with its colour replaced.
std::string WithColour(std::string_view spec, std::string_view colour) {
  const std::size_t comma = spec.find(',');
  if (comma == std::string_view::npos || colour.empty()) return std::string(spec);
  return std::string(colour) + std::string(spec.substr(comma));
}

// The prompt line: what the keys do, and the Up and Down keys' picture.
void DrawPromptLine() {
  langs::GETFILES(kPromptLine);
  const std::int32_t y = screen::MAXY - 36;
  screen::FNT0(88, Whole(screen::PASS1[kKeysX]), y, 4, 0, 0, 30, 0, 0, "", screen::PASS1[kKeysText]);
  screen::FNT0(253, Whole(screen::PASS1[kSaveX]), y, 4, 0, 0, 30, 0, 0, "x",
               screen::PASS1[kSaveText]);
  screen::LOADBMP(Whole(screen::PASS1[kPictureX]), Whole(screen::PASS1[kPictureY]) - 32, kArrowKeys);
}

void ShowSaveFailed() {
  langs::GETFILES(kPromptLine);
  screen::SHOWMESSAGE(screen::PASS1[kSaveFailed].view());
}

// Up and Down move between the zones counted on line 1 of the file; past
// either end the editor returns to zone 0.
std::int32_t NextZone(std::int32_t z) {
  if (screen::VALANS == screen::key::kDown) ++z;
  if (screen::VALANS == screen::key::kUp) --z;
  if (z < 0 || z > zones::NUMOFZONES - 1) z = 0;
  return z;
}

}  // namespace

void DISPLAYITZ() {
  if (LAYOUTZ[1].empty()) return;  // no placements: the layout file is missing
  Str255 number;
  screen::INTEGERTOSTRING(ZONE, number);
  langs::FNTTEXT(LAYOUTZ[1].view(), number.view());
  for (int k = 0; k < kFields; ++k) {
    const int field = kFieldOfKey[static_cast<std::size_t>(k)];
    langs::FNTTEXT(WithColour(LAYOUTZ[k + 2].view(), AnswerColour(k)), FIELD[field].view());
  }
}

void LISTZONES(std::int32_t z) {
  CONVZONE2(z);
  DISPLAYITZ();
}

void QUESTIONZ(char key, Str255& answer) {
  if (!IsFieldKey(key)) return;
  writescreen::QUESTION(key, answer);
  // Enter on an empty answer leaves the field alone: an empty field would
  // take the rest of the zone line with it when the line is read again.
  if (screen::VALANS == screen::key::kPageDown || answer.empty()) return;
  FIELD[kFieldOfKey[static_cast<std::size_t>(key - kFirstKey)]] = answer;
}

void EDITZONES(std::int32_t firstZone) {
  zones::LOADZONES();  // the zone count on line 1 bounds the zones reachable
  langs::GETFILES(kPlacements);
  const bool placed = langs::IOSTATUS == 0;
  for (int i = 1; i <= kFields + 1; ++i) LAYOUTZ[i] = placed ? screen::PASS1[i] : Str255();
  LOADZONES2();
  std::int32_t z = firstZone;
  do {
    screen::FRAME4();
    writescreen::GET_DATA(kForm);
    screen::CLEAR_PROMPT();
    ZONE = z;
    graph::Delay(20);
    LISTZONES(z);
    DrawPromptLine();

    const char key = kiosk::UpCase(screen::ONKEY());
    if (key == kSaveKey) {
      screen::VALANS = screen::key::kPause;
    } else if (IsFieldKey(key)) {
      // The typed value goes into the line first, so that showing the
      // line again shows it.
      Str255 answer;
      QUESTIONZ(key, answer);
      PACKZONES(z);
      LISTZONES(z);
    }
    if (screen::VALANS == screen::key::kStaffLeft || screen::VALANS == screen::key::kEscape) return;
    z = NextZone(z);
    screen::CLEAR_PROMPT();
    ZONE = z;
    LISTZONES(z);
    PACKZONES(z);
  } while (screen::VALANS != screen::key::kPause);
  COUNTZONES();
  if (!SAVEZONE()) ShowSaveFailed();
}

void ResetForTest() {
  for (Str255& line : ZONES) line.clear();
  LINES = kLinesWritten;
  NUMOFZONES2 = 0;
  ZONE = 0;
  for (Str255& s : LAYOUTZ) s.clear();
  for (Str255& f : FIELD) f.clear();
}

}  // namespace editzone
