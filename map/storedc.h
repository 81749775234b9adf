// The shopper's product search: the search screen, the question for a word,
// the walk of the product file's word index for products whose two word
// lines hold the word (shortening a word that finds nothing from its end),
// the hits shown one at a time with their location texts, and the hand-over
// to the location display. The search loops until staff type the staff
// code, and then returns with VALANS screen::key::kStaffLeft.
//
// Owns: the hit list and the search state below, the product shown, and the
// store lines and excluded words read from lang\config.txt for every search
// screen. The product file and its glue state are the product module's
// (editprod::PRODFILE); a word that finds nothing is logged by editnot.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "common/shortstr.h"
#include "editors/prodfile.h"
#include "isam/isam.h"

namespace storedc {

using kiosk::Str255;

// The hit list has this many places: the hits, then 0 for the end.
inline constexpr int kHitPlaces = 101;
// The highest result limit the hit list can hold (limit + 1 hits and the
// end mark).
inline constexpr std::int32_t kMaxLimit = 98;
// The shortest word searched, and the shortest a word is cut to when it
// finds nothing: one letter would list products that share only it.
inline constexpr std::size_t kShortestWord = 2;

extern isam::IsamKeyStr PKEY1;                         // the word typed
extern std::array<std::int32_t, kHitPlaces> REC_FOUND;  // record numbers, 0 ends
extern std::int32_t CNT1;                              // hits of the last pass
extern std::int32_t DD;                                // the hit shown
extern Str255 EXCLUDES;                                // configuration line 7
extern Str255 STORENAME, STORESTREET, STORECITY, STORESTATE;  // lines 9..12
extern editprod::PRODDEF PRODUCT;                      // the product shown
extern std::int32_t FLOOR, CFLOOR;                     // its floor
// Why a word that found nothing is not logged: 0 nothing, 2 a matching
// product is excluded, 3 a matching product is hidden ("~" in its words).
extern std::int32_t SUPPRESS;
// The word of the last search counted as not found (and was logged unless
// SUPPRESS said otherwise).
extern bool NOTFOUNDWORD;

// The location display the hits' F1..F8 call (floor, product floor, preset,
// x, y); false when it could not show the map. Tests may replace it.
using DisplayMapFn = std::function<bool(std::int32_t, std::int32_t, std::int32_t, double, double)>;
extern DisplayMapFn DISPLAYMAP2;

// The shopper loop; returns with VALANS key::kStaffLeft after the staff code.
void STOREDIR1();
// One search and the browsing of its hits.
void EDITPRODUCTS3();
// Asks for the word (until it may be searched) and searches it.
void EDITPRODUCTSXX();
// Fills the hit list for the word (key number 1 only), logging a word that
// finds nothing and showing the not-found message.
void SEARCHKEY2(std::string_view word, std::int32_t keyNr);
// Shows PRODUCT's location texts; takes its position and floor.
void LISTPRODUCT();
// The shopper's language choice.
void LANG2();
// The kiosk banner: logo, product name, store name and address.
void HEADER1();

// While one lives, a product or map file found damaged on the shopper's
// side is repaired from its own data file only (editprod::REPAIR,
// editmap::REPAIR): the shopper's kiosk never writes an exchange file, which
// staff may have prepared for an import. Nested ones are harmless.
class ShopperRepairs {
 public:
  ShopperRepairs();
  ~ShopperRepairs();
  ShopperRepairs(const ShopperRepairs&) = delete;
  ShopperRepairs& operator=(const ShopperRepairs&) = delete;

 private:
  std::function<bool()> products_, map_;
};

// Product file glue of the search (with the shopper's repairs).
bool SETUP();     // starts the store (62 pages) and opens the product file
void OPENITP();   // reopens it and takes its used-record count
void CLOSEITP();

// ---- The search itself, without screens or logging ----
// Upper case of a Windows-1252 text (accented letters included).
std::string UpperText(std::string_view text);
// Whether a typed word may be searched: kShortestWord characters at least, no "~" and
// not the letters of the staff code after its "~", in any case.
bool Searchable(std::string_view word);
// The result limit in force: the configured one within 0..kMaxLimit.
std::int32_t HitLimit();
// One walk of key 1 over the open product file, from its first entry to
// the end of the index: for the word and for every shortening of it (the
// word cut from its end), the live products whose word lines hold it, in
// key order, at most limit + 1 of each. SUPPRESS takes the marks of the
// products the whole word matches. Returns the hits of the whole word.
std::int32_t WALK(std::string_view word);
// The hit list := the hits of the longest start of the last walk's word, of
// kShortestWord letters at least, that found any (none when not even its
// first two letters did). Returns CNT1.
std::int32_t TAKEHITS();
// WALK and TAKEHITS: the hits of the word, shortened until it finds some.
std::int32_t FINDHITS(std::string_view word);

void ResetForTest();

}  // namespace storedc
