// The search of the product file: the walk of the word index, the word
// shortening, the logging of a word that finds nothing, and the product
// file glue of the search.
#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "common/clock.h"
#include "common/text.h"
#include "editors/editnot.h"
#include "isam/glue.h"
#include "map/locate.h"
#include "map/mapfile.h"
#include "map/storedc.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "screen/quesans2.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace storedc {

namespace {

void ReportStoreError(std::int32_t error) { glue::TELLERROR(editprod::PRODFILE, error); }

void ClearHits() { REC_FOUND.fill(0); }

// Closes the product file and ends the store, whoever started it.
void CloseStore() {
  CLOSEITP();
  editprod::RELEASE();
  if (isam::IsamIsInitialized()) isam::BTExitIsam();
}

// The message of a word not found, for the usual 5 seconds, on the search
// form's free line (text spec 3 of "vell!9"); language files without that
// line put it in the middle of the screen as before.
void ShowNotFound(std::string_view word) {
  langs::GETEXACT("vell!5", 1);
  Str255 message = screen::TEMP;
  message += "    ";
  message += word;
  screen::PASS1[3].clear();
  langs::GETFILES("vell!9");
  if (!screen::PASS1[3].empty()) {
    langs::FNTTEXT(screen::PASS1[3].view(), message.view());
  } else {
    const std::int32_t x = screen::MAXX / 2 - 5 * static_cast<std::int32_t>(message.size());
    screen::FNT0(253, x, screen::MAXY / 2, 4, 0, 0, 30, 0, 0, "b", message.view());
  }
  kiosk::clock::SleepMs(screen::kMessageMs);
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

std::string UpperText(std::string_view text) { return kiosk::UpperCp1252(text); }

bool Searchable(std::string_view word) {
  if (word.size() < kShortestWord || word.find('~') != std::string_view::npos) return false;
  // The staff code's letters after its "~" are refused in any case, so
  // that no part of the code is ever searched (or logged).
  constexpr std::string_view code = quesans2::kStaffCode.substr(1, 3);
  return UpperText(word).find(code) == std::string::npos;
}

std::int32_t HitLimit() { return std::clamp(cfgfiles::FLIMITI, std::int32_t{0}, kMaxLimit); }

namespace {

// Hits of the last walk: level L holds, in key order, the products whose
// word lines hold the first L letters of the word (at most limit + 1).
std::vector<std::vector<std::int32_t>> levels;
// The last walk could not read the product file to its end.
bool walkFailed = false;

// The word lines of a product, upper-cased, as its key-1 entry holds them
// (editprod::KEY1WORDS); false when the record must be read.
bool WordsOfKey(std::string_view key, std::int32_t ref, std::string& upperWords) {
  std::string_view words;
  if (!editprod::KEY1WORDS(key, ref, words)) return false;
  upperWords.clear();
  kiosk::AppendUpperCp1252(upperWords, words);
  return true;
}

// How many leading letters of the word occur in the text (each shorter
// start occurs whenever a longer one does).
std::size_t MatchedLength(std::string_view text, std::string_view upperWord) {
  std::size_t m = 0;
  while (m < upperWord.size() && text.find(upperWord.substr(0, m + 1)) != std::string_view::npos)
    ++m;
  return m;
}

}  // namespace

std::int32_t WALK(std::string_view word) {
  const std::string upperWord = UpperText(word);
  const std::size_t n = upperWord.size();
  const std::size_t most = static_cast<std::size_t>(HitLimit()) + 1;
  levels.assign(n + 1, {});
  SUPPRESS = 0;
  isam::IsamFileBlockPtr fb = editprod::PF2;
  walkFailed = fb == nullptr;
  if (!fb || n == 0) return 0;
  // A word ending in a blank may need the blanks a key leaves out.
  const bool keysWillDo = upperWord.back() != ' ';
  // Levels 1..full hold their most already (or are never taken: a start
  // shorter than kShortestWord).
  std::size_t full = std::min(kShortestWord - 1, n);
  editprod::PRODDEF rec;
  std::string words;
  words.reserve(112);

  isam::BTClearKey(fb, 1);  // the next key is the first entry
  while (levels[n].size() < most) {
    std::int32_t ref = 0;
    isam::IsamKeyStr key;
    isam::BTNextKey(fb, 1, ref, key);
    if (!isam::IsamOK) {
      // The end of the index ends the walk; any other failure is shown.
      if (isam::BTIsamErrorClass() != 1) {
        walkFailed = true;
        ReportStoreError(isam::IsamError);
      }
      break;
    }
    if (ref <= 0) continue;
    bool read = false;
    if (!keysWillDo || !WordsOfKey(key.view(), ref, words)) {
      isam::BTGetRec(fb, ref, &rec);
      if (!isam::IsamOK) {
        walkFailed = true;
        ReportStoreError(isam::IsamError);
        break;
      }
      read = true;
      words.clear();
      kiosk::AppendUpperCp1252(words, rec.KLINE1.view());
      kiosk::AppendUpperCp1252(words, rec.KLINE1B.view());
    }
    const std::size_t m = MatchedLength(words, upperWord);
    if (m <= full) continue;  // no level it matches has room left
    if (!read) {
      isam::BTGetRec(fb, ref, &rec);
      if (!isam::IsamOK) {
        walkFailed = true;
        ReportStoreError(isam::IsamError);
        break;
      }
    }
    if (rec.DEL != 0) continue;
    if (m == n) {
      // Only products the word matches may keep it out of the log.
      if (rec.KLINE1.view().find('~') != std::string_view::npos) SUPPRESS = 3;
      if (!rec.EXCLUDE.empty() && EXCLUDES.view().find(rec.EXCLUDE.view()) != std::string_view::npos)
        SUPPRESS = 2;
    }
    for (std::size_t l = full + 1; l <= m; ++l)
      if (levels[l].size() < most) levels[l].push_back(ref);
    while (full < n && levels[full + 1].size() >= most) ++full;
  }
  return static_cast<std::int32_t>(levels[n].size());
}

// The hits of the longest start of the last walk's word that found any.
std::int32_t TAKEHITS() {
  ClearHits();
  CNT1 = 0;
  for (std::size_t l = levels.empty() ? 0 : levels.size() - 1; l >= kShortestWord; --l) {
    if (levels[l].empty()) continue;
    for (std::size_t i = 0; i < levels[l].size(); ++i) REC_FOUND[i] = levels[l][i];
    CNT1 = static_cast<std::int32_t>(levels[l].size());
    break;
  }
  return CNT1;
}

std::int32_t FINDHITS(std::string_view word) {
  WALK(word);
  return TAKEHITS();
}

void SEARCHKEY2(std::string_view word, std::int32_t /*keyNr: always the word key*/) {
  screen::CLEAR_PROMPT();
  langs::WRITEASTRING(253, 600, screen::MAXY - 43, 4, 30, 1);
  const std::string typed(word);
  // One walk gives the hits of the word and of every shortening of it. A
  // walk the store broke off says nothing about the word: it is not logged.
  NOTFOUNDWORD = WALK(typed) == 0 && !walkFailed;
  if (NOTFOUNDWORD) {
    if (SUPPRESS == 0) {
      CloseStore();
      editnot::EDITPRODNOT(typed);
      SETUP();
      OPENITP();
    }
    ShowNotFound(typed);
  }
  TAKEHITS();
}

ShopperRepairs::ShopperRepairs()
    : products_(std::move(editprod::PRODFILE.rebuild)), map_(std::move(editmap::MAPFILE.rebuild)) {
  editprod::PRODFILE.rebuild = editprod::REPAIR;
  editmap::MAPFILE.rebuild = editmap::REPAIR;
}

ShopperRepairs::~ShopperRepairs() {
  editprod::PRODFILE.rebuild = std::move(products_);
  editmap::MAPFILE.rebuild = std::move(map_);
}

bool SETUP() {
  const ShopperRepairs repairs;
  editprod::PRODFILE.pages = 62;
  return editprod::SETUP();
}

void OPENITP() {
  const ShopperRepairs repairs;
  editprod::OPENITP();
}

void CLOSEITP() { editprod::CLOSEITP(); }

void ResetForTest() {
  PKEY1.clear();
  REC_FOUND.fill(0);
  CNT1 = 0;
  DD = 0;
  EXCLUDES.clear();
  STORENAME.clear();
  STORESTREET.clear();
  STORECITY.clear();
  STORESTATE.clear();
  PRODUCT = editprod::PRODDEF{};
  FLOOR = CFLOOR = 0;
  SUPPRESS = 0;
  NOTFOUNDWORD = false;
  DISPLAYMAP2 = dispmap::DISPLAYMAP2;
  levels.clear();
  walkFailed = false;
}

}  // namespace storedc
