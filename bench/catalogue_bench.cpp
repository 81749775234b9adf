// Loading and rebuilding the product file against SQLite on the same rows:
// 100 000 products made of real words, written once to data\prodlist.txt.
//
//   Kiosk/Import/62     TESTNEW into an empty product file (all four keys), as
//                       staff replace the file from the text: the new pair
//                       filled beside the old one, checked, flushed to disk
//                       and swapped in
//   Kiosk/Import/170    the same with a page buffer of SQLite's cache memory
//   Kiosk/Rebuild       REBUILD_FILES2: indexes afresh from the data file,
//                       then data\prodlist.txt written from the rebuilt file
//   Kiosk/ExportImport  the text round trip: PRODUCT1 then TESTNEW
//   Sqlite/Load/0       the same text file into one table, the four indexes
//                       made after the rows are in (SQLite's best case)
//   Sqlite/Load/1       the same with the indexes made first (kept up to date
//                       row by row, as the kiosk's are)
//   Sqlite/ExportLoad   the table written back to the text file, then loaded
//                       into a fresh database (Load/0)
//
// SQLite runs with journal_mode=OFF, synchronous=OFF, in one transaction. Its
// key columns hold the bytes the kiosk's indexes hold: BUILDKEY's texts (key
// 1 with the record number appended) cut to the index key lengths. Both sides
// cut the field lines to the field lengths the same way.
//
//   catalogue_bench [--products=N] [google benchmark flags]
//
// The kiosk's fixed waits run in virtual time; progress texts are drawn on a
// headless 1920x1080 screen with the demo installation's language files.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_util.h"
#include "common/clock.h"
#include "common/hostpath.h"
#include "common/text.h"
#include "editors/prodfile.h"
#include "editors/rebuild.h"
#include "graph/graph.h"
#include "isam/glue.h"
#include "isam/isam.h"
#include "screen/primitives.h"

namespace fs = std::filesystem;

namespace {

using bench::SourceDir;
using bench::Words;

int gProducts = 100000;
std::string gDir;          // the working folder
std::string gText;         // the exchange file's bytes
std::string gSavedDat, gSavedIx;  // a full product file, for the rebuilds

std::string Path(const std::string& rel) { return gDir + "/" + rel; }

std::string Upper(const std::string& s) { return kiosk::UpperAscii(s); }

// The exchange file of n products shaped as a store's: two word lines, a
// shelf code, a department, an exclusion code on some, a position, location
// texts and a see-also line.
std::string MakeExchangeText(int n) {
  const std::vector<std::string> words = Words();
  std::mt19937 rng(2026);
  auto word = [&] { return words[rng() % words.size()]; };
  std::vector<std::string> depts;
  for (int i = 0; i < 40; ++i) depts.push_back(Upper(word()).substr(0, 14));
  std::string text;
  text.reserve(static_cast<std::size_t>(n) * 400);
  auto line = [&](const std::string& s) { text += s + "\r\n"; };
  for (int i = 0; i < n; ++i) {
    line("0");
    line(Upper(word() + " " + word() + " " + word()));                // KLINE1
    line(word() + " " + word());                                      // KLINE1B
    line("  A" + std::to_string(rng() % 600) + " " + word());         // SHELF
    line(depts[rng() % depts.size()]);                                // DEPT
    line(rng() % 10 == 0 ? "X" + std::to_string(rng() % 5) : "");     // EXCLUDE
    line(std::to_string(rng() % 560) + "." + std::to_string(rng() % 10));  // COORDX
    line(std::to_string(rng() % 320) + "." + std::to_string(rng() % 10));  // COORDY
    line(std::to_string(1 + rng() % 3));                              // FLOOR
    line("Aisle " + std::to_string(1 + rng() % 40) + " " + word());   // HEADER
    line("Next to the " + word() + " and the " + word());             // LINE3
    line(rng() % 2 ? "Top shelf, left of the " + word() : "");        // LINE4
    for (int l = 5; l <= 10; ++l) line("");                           // LINE5..LINE10
    line(rng() % 3 ? word() + ", " + word() : "");                    // SEEALSO
  }
  return text;
}

void WriteExchangeFile() {
  std::ofstream(Path("data/prodlist.txt"), std::ios::binary | std::ios::trunc) << gText;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void RemoveProductFile() {
  std::error_code ec;
  fs::remove(Path("data/products.DAT"), ec);
  fs::remove(Path("data/products.IX"), ec);
}

void RestoreProductFile() {
  std::ofstream(Path("data/products.DAT"), std::ios::binary | std::ios::trunc) << gSavedDat;
  std::ofstream(Path("data/products.IX"), std::ios::binary | std::ios::trunc) << gSavedIx;
}

std::int32_t UsedProducts() {
  editprod::ResetForTest();
  if (!editprod::SETUP()) return -1;
  editprod::OPENITP();
  const std::int32_t n = editprod::PRODFILE.OK ? isam::BTUsedRecs(editprod::PF2) : -1;
  editprod::CLOSEITP();
  editprod::RELEASE();
  return n;
}

// An empty product file and the store started, as staff find them before
// they replace the file from the text.
bool KioskImport() {
  editprod::ResetForTest();
  RemoveProductFile();
  return editprod::SETUP();
}

// TESTNEW as the product utilities run it; the file is left closed.
bool KioskImportRun() {
  const bool made = editprod::TESTNEW();
  editprod::RELEASE();
  return made;
}

// The working folder, the headless screen, the exchange file and one full
// product file kept as bytes for the rebuilds.
bool Prepare() {
  char tmpl[] = "/tmp/catalogue-bench-XXXXXX";
  if (!mkdtemp(tmpl)) return false;
  gDir = tmpl;
  fs::create_directories(Path("data"));
  fs::copy(SourceDir() + "/install/lang", Path("lang"), fs::copy_options::recursive);
  fs::copy_file(SourceDir() + "/install/data/lang2.txt", Path("data/lang2.txt"));
  kiosk::SetWorkFolder(gDir);
  kiosk::clock::UseVirtualTime(true);
  graph::UseHeadless(1920, 1080);
  screen::INIT(3, 12);

  gText = MakeExchangeText(gProducts);
  WriteExchangeFile();
  if (!KioskImport() || !KioskImportRun()) return false;
  const std::int32_t added = UsedProducts();
  if (added != gProducts) {
    std::fprintf(stderr, "import added %d of %d products\n", static_cast<int>(added), gProducts);
    return false;
  }
  gSavedDat = ReadAll(Path("data/products.DAT"));
  gSavedIx = ReadAll(Path("data/products.IX"));
  return true;
}

void CheckCount(benchmark::State& state, std::int64_t n) {
  if (n != gProducts) state.SkipWithError(("holds " + std::to_string(n) + " products").c_str());
  state.counters["products"] = static_cast<double>(n);
}

// Arg: page buffers (62 as the kiosk runs; 170 is SQLite's default cache
// memory, a buffer entry holding a full page of about 11.7 KiB).
void BM_KioskImport(benchmark::State& state) {
  editprod::PRODFILE.pages = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    WriteExchangeFile();
    if (!KioskImport()) {
      state.SkipWithError("the product file cannot be made");
      break;
    }
    state.ResumeTiming();
    if (!KioskImportRun()) {
      state.SkipWithError("the import failed");
      break;
    }
  }
  editprod::PRODFILE.pages = 62;
  CheckCount(state, UsedProducts());
}

// The full product file back, untimed.
void FreshProductFile(benchmark::State& state) {
  state.PauseTiming();
  RestoreProductFile();
  editprod::ResetForTest();
  state.ResumeTiming();
}

void BM_KioskRebuild(benchmark::State& state) {
  for (auto _ : state) {
    FreshProductFile(state);
    if (!rebuild::REBUILD_FILES2(rebuild::Catalogue::Products)) {
      state.SkipWithError("the rebuild failed");
      break;
    }
  }
  CheckCount(state, UsedProducts());
}

void BM_KioskExportImport(benchmark::State& state) {
  for (auto _ : state) {
    FreshProductFile(state);
    if (!editprod::SETUP()) {
      state.SkipWithError("the store cannot start");
      break;
    }
    editprod::OPENITP();
    const bool exported = editprod::PRODUCT1();
    const bool made = exported && editprod::TESTNEW();
    editprod::RELEASE();
    if (!made) {
      state.SkipWithError("the round trip failed");
      break;
    }
  }
  CheckCount(state, UsedProducts());
}

// ---- SQLite

void Check(int rc, sqlite3* db, const char* what) {
  if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
    std::fprintf(stderr, "sqlite %s: %s\n", what, sqlite3_errmsg(db));
    std::exit(1);
  }
}

void Exec(sqlite3* db, const char* sql) {
  Check(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), db, sql);
}

sqlite3_stmt* Prepare(sqlite3* db, const char* sql, const char* what) {
  sqlite3_stmt* st = nullptr;
  Check(sqlite3_prepare_v2(db, sql, -1, &st, nullptr), db, what);
  return st;
}

constexpr const char* kIndexes =
    "CREATE UNIQUE INDEX key1 ON products(k1);"
    "CREATE INDEX key2 ON products(k2);"
    "CREATE INDEX key3 ON products(k3);"
    "CREATE INDEX key4 ON products(k4);";

std::string SqlPath() { return Path("products.sqlite"); }

sqlite3* OpenFreshDb() {
  std::error_code ec;
  fs::remove(SqlPath(), ec);
  sqlite3* db = nullptr;
  Check(sqlite3_open(SqlPath().c_str(), &db), db, "open");
  Exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;");
  return db;
}

// Reads data\prodlist.txt group by group (a separator and 18 field lines,
// missing lines empty) and inserts each product with its four key texts.
std::int64_t SqliteLoad(sqlite3* db, bool indexesFirst) {
  Exec(db, "BEGIN;"
           "CREATE TABLE products(rec INTEGER PRIMARY KEY, k1 TEXT, k2 TEXT, k3 TEXT, k4 TEXT,"
           " f1,f2,f3,f4,f5,f6,f7,f8,f9,f10,f11,f12,f13,f14,f15,f16,f17,f18);");
  if (indexesFirst) Exec(db, kIndexes);
  sqlite3_stmt* ins = Prepare(db,
                              "INSERT INTO products VALUES(?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12,"
                              "?13,?14,?15,?16,?17,?18,?19,?20,?21,?22,?23)",
                              "prepare insert");
  std::ifstream in(kiosk::HostPath(editprod::kExchangeFile), std::ios::binary);
  auto readLine = [&in](std::string& s) {
    s.clear();
    if (!std::getline(in, s)) return;
    if (!s.empty() && s.back() == '\r') s.pop_back();
  };
  static const int kKeyLen[5] = {0, 110, 36, 15, 15};
  std::int64_t rec = 0;
  std::string line;
  editprod::PRODDEF p;
  std::string keys[5], fields[editprod::kSlots + 1];
  while (in.peek() != std::char_traits<char>::eof()) {
    readLine(line);  // the separator
    p = editprod::PRODDEF();
    for (int f = 1; f <= editprod::kSlots; ++f) {
      readLine(line);
      editprod::SetField(p, f, line);  // cut to the field, as the kiosk does
    }
    ++rec;
    for (int k = 1; k <= 4; ++k) {
      keys[k] = editprod::BUILDKEY(p, k);
      if (k == 1) keys[k] += std::to_string(rec);
      if (keys[k].size() > static_cast<std::size_t>(kKeyLen[k])) keys[k].resize(static_cast<std::size_t>(kKeyLen[k]));
    }
    sqlite3_bind_int64(ins, 1, rec);
    for (int k = 1; k <= 4; ++k)
      sqlite3_bind_text(ins, 1 + k, keys[k].data(), static_cast<int>(keys[k].size()), SQLITE_STATIC);
    for (int f = 1; f <= editprod::kSlots; ++f) {
      fields[f] = editprod::FieldText(p, f);
      sqlite3_bind_text(ins, 5 + f, fields[f].data(), static_cast<int>(fields[f].size()), SQLITE_STATIC);
    }
    Check(sqlite3_step(ins), db, "insert");
    sqlite3_reset(ins);
  }
  sqlite3_finalize(ins);
  if (!indexesFirst) Exec(db, kIndexes);
  Exec(db, "COMMIT;");
  return rec;
}

std::int64_t SqliteCount(sqlite3* db) {
  sqlite3_stmt* st = Prepare(db, "SELECT count(*) FROM products", "count");
  std::int64_t n = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : -1;
  sqlite3_finalize(st);
  return n;
}

void BM_SqliteLoad(benchmark::State& state) {
  const bool indexesFirst = state.range(0) != 0;
  std::int64_t n = 0;
  for (auto _ : state) {
    state.PauseTiming();
    WriteExchangeFile();
    std::error_code ec;
    fs::remove(SqlPath(), ec);
    state.ResumeTiming();
    sqlite3* db = OpenFreshDb();
    SqliteLoad(db, indexesFirst);
    sqlite3_close(db);
    state.PauseTiming();
    sqlite3_open(SqlPath().c_str(), &db);
    n = SqliteCount(db);
    sqlite3_close(db);
    state.ResumeTiming();
  }
  CheckCount(state, n);
}

// The table in key-1 order back to the exchange file, then a fresh load.
void BM_SqliteExportLoad(benchmark::State& state) {
  std::int64_t n = 0;
  for (auto _ : state) {
    state.PauseTiming();
    WriteExchangeFile();
    {
      sqlite3* db = OpenFreshDb();
      SqliteLoad(db, false);
      sqlite3_close(db);
    }
    state.ResumeTiming();
    {
      sqlite3* db = nullptr;
      Check(sqlite3_open(SqlPath().c_str(), &db), db, "open");
      sqlite3_stmt* st = Prepare(db,
                                 "SELECT f1,f2,f3,f4,f5,f6,f7,f8,f9,f10,f11,f12,f13,f14,f15,f16,"
                                 "f17,f18 FROM products ORDER BY k1",
                                 "select");
      std::ofstream out(kiosk::HostPath(editprod::kExchangeFile), std::ios::binary | std::ios::trunc);
      while (sqlite3_step(st) == SQLITE_ROW) {
        out << "0\r\n";
        for (int f = 0; f < editprod::kSlots; ++f) {
          out.write(reinterpret_cast<const char*>(sqlite3_column_text(st, f)),
                    sqlite3_column_bytes(st, f));
          out << "\r\n";
        }
      }
      sqlite3_finalize(st);
      sqlite3_close(db);
    }
    sqlite3* db = OpenFreshDb();
    n = SqliteLoad(db, false);
    sqlite3_close(db);
  }
  CheckCount(state, n);
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--products=", 11) == 0) {
      gProducts = std::atoi(argv[i] + 11);
      for (int j = i; j + 1 < argc; ++j) argv[j] = argv[j + 1];
      --argc;
      --i;
    }
  }
  benchmark::Initialize(&argc, argv);
  if (!Prepare()) {
    std::fprintf(stderr, "could not prepare the working folder\n");
    return 1;
  }
  auto opts = [](benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true)->UseRealTime();
  };
  opts(benchmark::RegisterBenchmark("Kiosk/Import", BM_KioskImport)->Arg(62)->Arg(170));
  opts(benchmark::RegisterBenchmark("Sqlite/Load", BM_SqliteLoad)->Arg(0)->Arg(1));
  opts(benchmark::RegisterBenchmark("Kiosk/Rebuild", BM_KioskRebuild));
  opts(benchmark::RegisterBenchmark("Kiosk/ExportImport", BM_KioskExportImport));
  opts(benchmark::RegisterBenchmark("Sqlite/ExportLoad", BM_SqliteExportLoad));
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (graph::GraphEnabled()) graph::CloseGraph();
  kiosk::SetWorkFolder(".");
  std::error_code ec;
  fs::remove_all(gDir, ec);
  return 0;
}
