// The search of the product file: the walk of the word index, the word
// shortening, the logging of a word that finds nothing, and the product
// file glue of the search.
#include <algorithm>
#include <cstring>

#include "editors/editnot.h"
#include "isam/dberrors.h"
#include "map/storedc.h"
#include "common/clock.h"
#include "screen/primitives.h"
#include "screen/quesans2.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace storedc {

namespace {

// Windows-1252 upper case: ASCII letters, the accented letters of
// 0xE0..0xFE (not the division sign), and the few letters elsewhere.
struct UpperTable {
  unsigned char map[256];
  UpperTable() {
    for (int c = 0; c < 256; ++c) map[c] = static_cast<unsigned char>(c);
    for (int c = 'a'; c <= 'z'; ++c) map[c] = static_cast<unsigned char>(c - 32);
    for (int c = 0xE0; c <= 0xFE; ++c)
      if (c != 0xF7) map[c] = static_cast<unsigned char>(c - 32);
    map[0x9A] = 0x8A;  // s caron
    map[0x9C] = 0x8C;  // oe
    map[0x9E] = 0x8E;  // z caron
    map[0xFF] = 0x9F;  // y diaeresis
  }
};

const UpperTable kUpper;

void AppendUpper(std::string& out, std::string_view text) {
  for (char c : text) out.push_back(static_cast<char>(kUpper.map[static_cast<unsigned char>(c)]));
}

void ReportStoreError(std::int32_t error) {
  dberrors::IsamErrorNum(error);
  if (editprod::PRODFILE.tell) editprod::PRODFILE.tell(dberrors::IsamEMessage.view());
}

void ClearHits() { REC_FOUND.fill(0); }

// Closes the product file and ends the store, whoever started it.
void CloseStore() {
  CLOSEITP();
  editprod::RELEASE();
  if (isam::IsamIsInitialized()) isam::BTExitIsam();
}

// The word shortened from its end until a pass finds something; nothing
// is found once it has no characters left.
std::int32_t Shortened(std::string_view word) {
  while (!word.empty()) {
    word.remove_suffix(1);
    if (word.empty()) break;
    const std::int32_t hits = PASS(word);
    if (hits > 0) return hits;
  }
  ClearHits();
  CNT1 = 0;
  return 0;
}

// The message of a word not found, centred, for the usual 5 seconds.
void ShowNotFound(std::string_view word) {
  langs::GETEXACT("vell!5", 1);
  Str255 message = screen::TEMP;
  message += "    ";
  message += word;
  const std::int32_t x = screen::MAXX / 2 - 5 * static_cast<std::int32_t>(message.size());
  screen::FNT0(253, x, screen::MAXY / 2, 4, 0, 0, 30, 0, 0, "b", message.view());
  kiosk::clock::SleepMs(5000);
}

}  // namespace

isam::IsamKeyStr PKEY1;
std::array<std::int32_t, kHitPlaces> REC_FOUND{};
std::int32_t CNT1 = 0;
std::int32_t DD = 0;
Str255 EXCLUDES;
Str255 STORENAME, STORESTREET, STORECITY, STORESTATE;
editprod::PRODDEF PRODUCT;
std::int32_t FLOOR = 0, CFLOOR = 0;
std::int32_t SUPPRESS = 0;
bool NOTFOUNDWORD = false;

std::string UpperText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendUpper(out, text);
  return out;
}

bool Searchable(std::string_view word) {
  if (word.size() < 2 || word.find('~') != std::string_view::npos) return false;
  // The staff code's letters after its "~" are refused in any case, so
  // that no part of the code is ever searched (or logged).
  constexpr std::string_view code = quesans2::kStaffCode.substr(1, 3);
  return UpperText(word).find(code) == std::string::npos;
}

std::int32_t HitLimit() { return std::clamp(cfgfiles::FLIMITI, std::int32_t{0}, kMaxLimit); }

std::int32_t PASS(std::string_view word) {
  ClearHits();
  CNT1 = 0;
  isam::IsamFileBlockPtr fb = editprod::PF2;
  if (!fb || word.empty()) return 0;
  const std::string upperWord = UpperText(word);
  const std::int32_t most = HitLimit() + 1;
  std::int32_t hits = 0;
  editprod::PRODDEF rec;
  std::string words;
  words.reserve(112);

  isam::BTClearKey(fb, 1);  // the next key is the first entry
  while (hits < most) {
    std::int32_t ref = 0;
    isam::IsamKeyStr key;
    isam::BTNextKey(fb, 1, ref, key);
    if (!isam::IsamOK) {
      // The end of the index ends the pass; any other failure is shown.
      if (isam::BTIsamErrorClass() != 1) ReportStoreError(isam::IsamError);
      break;
    }
    isam::BTGetRec(fb, ref, &rec);
    if (!isam::IsamOK) {
      ReportStoreError(isam::IsamError);
      break;
    }
    if (rec.DEL != 0 || ref == 0) continue;
    words.clear();
    AppendUpper(words, rec.KLINE1.view());
    AppendUpper(words, rec.KLINE1B.view());
    if (words.find(upperWord) == std::string::npos) continue;
    // Only products the word matches may keep it out of the log.
    if (rec.KLINE1.view().find('~') != std::string_view::npos) SUPPRESS = 3;
    if (!rec.EXCLUDE.empty() && EXCLUDES.view().find(rec.EXCLUDE.view()) != std::string_view::npos)
      SUPPRESS = 2;
    REC_FOUND[static_cast<std::size_t>(hits)] = ref;
    ++hits;
    ++CNT1;
  }
  return hits;
}

std::int32_t FINDHITS(std::string_view word) {
  SUPPRESS = 0;
  const std::int32_t hits = PASS(word);
  return hits > 0 ? hits : Shortened(word);
}

void SEARCHKEY2(std::string_view word, std::int32_t /*keyNr: always the word key*/) {
  screen::CLEAR_PROMPT();
  langs::WRITEASTRING(253, 600, screen::MAXY - 43, 4, 30, 1);
  const std::string typed(word);
  SUPPRESS = 0;
  NOTFOUNDWORD = false;
  if (PASS(typed) > 0) return;

  NOTFOUNDWORD = true;
  if (SUPPRESS == 0) {
    CloseStore();
    editnot::EDITPRODNOT(typed);
    SETUP();
    OPENITP();
  }
  ShowNotFound(typed);
  Shortened(typed);
}

bool SETUP() {
  editprod::PRODFILE.pages = 62;
  return editprod::SETUP();
}

void OPENITP() { editprod::OPENITP(); }

void CLOSEITP() { editprod::CLOSEITP(); }

}  // namespace storedc
