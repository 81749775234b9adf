// The shopper's search against SQLite on the same rows: products whose two
// word lines are real words, the kiosk's walk of the product file's word
// index (storedc::FINDHITS, shortening a word that finds nothing) and the
// same case-insensitive substring search in SQLite (LIKE '%word%' in word
// order, LIMIT hits, the word shortened from its end until rows come back).
//
//   search_bench [PRODUCTS]      (default 100000)
//
// Each search is run several times; the table gives the median in
// milliseconds and the kiosk's time as a ratio to SQLite's (below 1: the
// kiosk is faster). The fixed waits of the search screen are not included.
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_util.h"
#include "common/clock.h"
#include "common/hostpath.h"
#include "common/text.h"
#include "editors/editnot.h"
#include "editors/prodfile.h"
#include "isam/isam.h"
#include "map/storedc.h"
#include "shell/cfgfiles.h"

namespace fs = std::filesystem;

namespace {

using bench::Ms;
using bench::Words;

constexpr int kRuns = 9;
constexpr std::int32_t kLimit = 20;  // the demo store's result limit

std::string Upper(const std::string& s) { return kiosk::UpperAscii(s); }


template <typename F>
double Median(F run) {
  std::vector<double> t;
  for (int i = 0; i < kRuns; ++i) {
    const auto start = std::chrono::steady_clock::now();
    run();
    t.push_back(Ms(std::chrono::steady_clock::now() - start));
  }
  std::sort(t.begin(), t.end());
  return t[t.size() / 2];
}

void Check(int rc, sqlite3* db, const char* what) {
  if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
    std::fprintf(stderr, "sqlite %s: %s\n", what, sqlite3_errmsg(db));
    std::exit(1);
  }
}

// The SQLite side: one row per product, the key-1 text as the kiosk stores
// it, the two word lines joined.
struct Sql {
  sqlite3* db = nullptr;
  // Two plans for the same rows: walking the word index (stops early when
  // hits come soon) and scanning the table then sorting the matches (best
  // when they are few). Each search takes the faster.
  sqlite3_stmt* byIndex = nullptr;
  sqlite3_stmt* byScan = nullptr;
  sqlite3_stmt* query = nullptr;

  explicit Sql(const std::string& path) {
    Check(sqlite3_open(path.c_str(), &db), db, "open");
    Check(sqlite3_exec(db,
                       "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;"
                       "CREATE TABLE products(rec INTEGER PRIMARY KEY, key1 TEXT, words TEXT);",
                       nullptr, nullptr, nullptr),
          db, "create");
  }
  ~Sql() {
    sqlite3_finalize(byIndex);
    sqlite3_finalize(byScan);
    sqlite3_close(db);
  }
  void Fill(const std::vector<std::pair<std::string, std::string>>& rows) {
    Check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db, "begin");
    sqlite3_stmt* ins = nullptr;
    Check(sqlite3_prepare_v2(db, "INSERT INTO products(key1, words) VALUES(?1, ?2)", -1, &ins,
                             nullptr),
          db, "prepare insert");
    for (const auto& [key, words] : rows) {
      sqlite3_bind_text(ins, 1, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
      sqlite3_bind_text(ins, 2, words.data(), static_cast<int>(words.size()), SQLITE_STATIC);
      Check(sqlite3_step(ins), db, "insert");
      sqlite3_reset(ins);
    }
    sqlite3_finalize(ins);
    Check(sqlite3_exec(db, "CREATE INDEX bykey ON products(key1); COMMIT; ANALYZE;", nullptr,
                       nullptr, nullptr),
          db, "index");
    Check(sqlite3_prepare_v2(db,
                             "SELECT rec FROM products WHERE words LIKE ?1 ORDER BY key1 LIMIT ?2",
                             -1, &byIndex, nullptr),
          db, "prepare query");
    Check(sqlite3_prepare_v2(db,
                             "SELECT rec FROM products WHERE words LIKE ?1 ORDER BY +key1 LIMIT ?2",
                             -1, &byScan, nullptr),
          db, "prepare query");
  }
  // The same search: the word, then ever shorter, until rows come back.
  int Search(std::string word, std::vector<std::int64_t>& hits) {
    hits.clear();
    while (!word.empty()) {
      const std::string pattern = "%" + word + "%";
      sqlite3_bind_text(query, 1, pattern.data(), static_cast<int>(pattern.size()),
                        SQLITE_TRANSIENT);
      sqlite3_bind_int(query, 2, kLimit + 1);
      while (sqlite3_step(query) == SQLITE_ROW) hits.push_back(sqlite3_column_int64(query, 0));
      sqlite3_reset(query);
      if (!hits.empty()) break;
      word.pop_back();
    }
    return static_cast<int>(hits.size());
  }
};

}  // namespace

int main(int argc, char** argv) {
  const int products = argc > 1 ? std::atoi(argv[1]) : 100000;
  const fs::path dir = bench::WorkIn("search_bench", "data");
  kiosk::clock::UseVirtualTime(true);  // the store's own pauses are not the search's time
  cfgfiles::FLIMITI = kLimit;

  const std::vector<std::string> words = Words();
  std::mt19937 rng(2026);
  std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1);

  // The product file, as the kiosk builds it (every record with its four keys).
  auto t0 = std::chrono::steady_clock::now();
  std::vector<std::pair<std::string, std::string>> rows;
  rows.reserve(static_cast<std::size_t>(products));
  if (!editprod::SETUP()) return 1;
  editprod::OPENITP();
  if (!editprod::PRODFILE.OK) return 1;
  for (int i = 0; i < products; ++i) {
    editprod::CLEARIT();
    auto& p = editprod::PRODUCT;
    p.KLINE1 = Upper(words[pick(rng)] + " " + words[pick(rng)] + " ");
    p.KLINE1B = words[pick(rng)] + " " + words[pick(rng)];
    p.SHELF = "S" + std::to_string(i % 400);
    p.DEPT = "D" + std::to_string(i % 20);
    p.HEADER = "Aisle " + std::to_string(i % 12);
    p.FLOOR = "1";
    if (!editprod::NEWSTRUCTURE()) {
      std::fprintf(stderr, "adding product %d failed\n", i);
      return 1;
    }
    rows.emplace_back(editprod::PRODFILE.ACTKEY.str(), p.KLINE1.str() + p.KLINE1B.str());
  }
  const double buildKiosk = Ms(std::chrono::steady_clock::now() - t0);
  editprod::CLOSEITP();
  editprod::RELEASE();

  t0 = std::chrono::steady_clock::now();
  Sql sql((dir / "products.sqlite").string());
  sql.Fill(rows);
  const double buildSql = Ms(std::chrono::steady_clock::now() - t0);

  // The search as the shopper's screen runs it: the store started and the
  // file opened once per search screen, then the walk.
  if (!storedc::SETUP()) return 1;
  storedc::OPENITP();

  struct Case {
    const char* what;
    std::string word;
  };
  const Case cases[] = {
      {"word with hits (milk)", "milk"},
      {"found after shortening 5 letters (milkqzxjv)", "milkqzxjv"},
      {"word matching nothing (1234567)", "1234567"},
  };
  std::printf("%d products; building: kiosk %.0f ms, SQLite %.0f ms\n", products, buildKiosk,
              buildSql);
  std::printf("%-46s %6s %6s %11s %11s %7s\n", "search", "kiosk", "sqlite", "kiosk ms",
              "sqlite ms", "ratio");
  bool agree = true;
  for (const Case& c : cases) {
    std::int32_t kioskHits = 0;
    const double kioskMs = Median([&] { kioskHits = storedc::FINDHITS(c.word); });
    std::vector<std::int64_t> sqlHits;
    int sqlCount = 0;
    sql.query = sql.byIndex;
    const double indexMs = Median([&] { sqlCount = sql.Search(c.word, sqlHits); });
    sql.query = sql.byScan;
    const double scanMs = Median([&] { sqlCount = sql.Search(c.word, sqlHits); });
    const double sqlMs = std::min(indexMs, scanMs);
    // Record numbers and row ids both count the products in the order added.
    for (int i = 0; i < kioskHits && i < sqlCount; ++i)
      agree = agree && storedc::REC_FOUND[static_cast<std::size_t>(i)] == sqlHits[static_cast<std::size_t>(i)];
    agree = agree && kioskHits == sqlCount;
    std::printf("%-46s %6d %6d %11.2f %11.2f %7.2f\n", c.what, kioskHits, sqlCount, kioskMs, sqlMs,
                kioskMs / sqlMs);
  }
  // Logging a word that found nothing (the shopper also waits for this).
  storedc::CLOSEITP();
  editprod::RELEASE();
  if (isam::IsamIsInitialized()) isam::BTExitIsam();
  const double logMs = Median([] { editnot::EDITPRODNOT("1234567"); });
  std::int32_t logged = 0;
  if (editnot::SETUPN()) {
    glue::OPENIT(editnot::NOTFILE);
    logged = editnot::NOTFILE.SMAXREC;
    glue::CLOSEIT(editnot::NOTFILE);
    glue::RELEASE(editnot::NOTFILE);
  }
  std::printf("logging one word not found: %.2f ms (%d entries logged)\n", logMs, logged);
  std::printf("hits agree with SQLite: %s\n", agree ? "yes" : "NO");

  kiosk::SetWorkFolder(".");
  fs::remove_all(dir);
  return agree ? 0 : 1;
}
