// The ISAM store against SQLite on the same machine and the same data: a
// product-sized file (784-byte records, keys of 110 unique, 36, 15 and 15
// characters with duplicates) built from real words. One run of each step;
// the table gives seconds and the store's time as a ratio to SQLite's
// (below 1: the store is faster).
//
//   isam_bench [RECORDS]      (default 100000)
//
// SQLite runs with journal_mode=OFF and synchronous=OFF, each step in one
// transaction (its best case) and again in autocommit mode. The store runs
// as the kiosk runs it (a 62-page buffer, no explicit flushes): once filling
// the empty file in bulk mode, as the kiosk's imports and rebuilds do, and
// once adding record by record as the editors do; and again with a buffer
// as large as SQLite's default page cache.
#include <sqlite3.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_util.h"
#include "common/cp1252.h"
#include "common/hostpath.h"
#include "common/text.h"
#include "isam/bulk.h"
#include "isam/isam.h"

namespace fs = std::filesystem;

namespace {

constexpr std::int32_t kRecLen = 784;

struct Product {
  std::string k1, k2, k3, k4;  // Windows-1252 key texts
  isam::IsamKeyStr i1, i2, i3, i4;  // the same, as the store takes them
  std::vector<unsigned char> rec;
};

std::vector<std::string> Words() {
  std::vector<std::string> words;
  for (const char* path : {"/usr/share/dict/american-english", "/usr/share/dict/french"}) {
    std::ifstream in(path);
    for (std::string w; std::getline(in, w);)
      if (w.size() >= 3 && w.find('\'') == std::string::npos)
        words.push_back(kiosk::Utf8ToCp1252(w));
  }
  return words;
}

std::string Upper(const std::string& s) { return kiosk::UpperAscii(s); }

// Keys shaped as the product file's: key 1 the search words, random digits
// and the record number; key 2 a shelf code with digits; keys 3 and 4 single
// words (many repeats).
std::vector<Product> MakeProducts(int n) {
  std::vector<std::string> words = Words();
  std::mt19937 rng(42);
  auto word = [&] { return words[rng() % words.size()]; };
  std::vector<Product> ps(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    Product& p = ps[static_cast<std::size_t>(i)];
    std::string k1 = Upper(word() + " " + word() + " " + word());
    k1 = k1.substr(0, 90) + " " + std::to_string(rng() % 100000) + " " + std::to_string(i + 1);
    p.k1 = k1.substr(0, 110);
    p.k2 = Upper("SHELF " + std::to_string(rng() % 400) + " " + word()).substr(0, 36);
    p.k3 = Upper(words[rng() % 2000]).substr(0, 15);
    p.k4 = Upper(words[rng() % 500]).substr(0, 15);
    p.i1 = p.k1;
    p.i2 = p.k2;
    p.i3 = p.k3;
    p.i4 = p.k4;
    p.rec.assign(kRecLen, 0);
    std::string text = p.k1 + "|" + p.k2 + "|" + p.k3 + "|" + p.k4 + "|" + word() + " " + word();
    std::copy_n(text.begin(), std::min<std::size_t>(text.size(), kRecLen - 4), p.rec.begin() + 4);
  }
  return ps;
}

// CPU time of this process (user + system): the machine is shared, and
// with journalling and syncing off neither side waits for the disk, so
// wall time would mostly measure the neighbours. Wall time is kept beside.
double CpuSeconds() {
  struct rusage ru;
  ::getrusage(RUSAGE_SELF, &ru);
  return double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
         double(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

struct Span {
  double cpu = 0, wall = 0;
};

Span Seconds(const std::function<void()>& f) {
  const double c0 = CpuSeconds();
  const auto t0 = std::chrono::steady_clock::now();
  f();
  return {CpuSeconds() - c0,
          std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count()};
}

void Die(const char* what) {
  std::fprintf(stderr, "failed: %s (IsamError %d)\n", what, isam::IsamError);
  std::exit(1);
}

struct Times {
  Span add, lookup, walk, del;
};

Times RunStore(const std::vector<Product>& ps, const std::vector<int>& lookups,
               const std::vector<int>& deletions, std::int32_t pages, bool bulk) {
  using namespace isam;
  Times t;
  IsamIndDescr iid;
  iid[1] = {110, false};
  iid[2] = {36, true};
  iid[3] = {15, true};
  iid[4] = {15, true};
  BTInitIsam(NoNet, pages);
  BTCreateFileBlock("bench\\products", kRecLen, 4, iid);
  if (!IsamOK) Die("create");
  IsamFileBlockPtr fb = nullptr;
  std::vector<std::int32_t> refs(ps.size());
  t.add = Seconds([&] {
    BTOpenFileBlock(fb, "bench\\products");
    if (bulk && !BTBeginBulk(fb)) Die("bulk mode");
    for (std::size_t i = 0; i < ps.size(); ++i) {
      std::int32_t ref = 0;
      BTAddRec(fb, ref, ps[i].rec.data(), ps[i].rec.size());
      BTAddKey(fb, 1, ref, ps[i].i1);
      BTAddKey(fb, 2, ref, ps[i].i2);
      BTAddKey(fb, 3, ref, ps[i].i3);
      BTAddKey(fb, 4, ref, ps[i].i4);
      if (!IsamOK) Die("add");
      refs[i] = ref;
    }
    BTCloseFileBlock(fb);
  });
  BTOpenFileBlock(fb, "bench\\products");
  std::vector<unsigned char> rec(kRecLen);
  t.lookup = Seconds([&] {
    for (int i : lookups) {
      std::int32_t ref = 0;
      BTFindKey(fb, 1, ref, ps[static_cast<std::size_t>(i)].i1);
      BTGetRec(fb, ref, rec.data(), rec.size());
      if (!IsamOK || ref != refs[static_cast<std::size_t>(i)]) Die("lookup");
    }
  });
  std::size_t walked = 0;
  t.walk = Seconds([&] {
    BTClearKey(fb, 1);
    std::int32_t ref = 0;
    IsamKeyStr key;
    for (;;) {
      BTNextKey(fb, 1, ref, key);
      if (!IsamOK) break;
      BTGetRec(fb, ref, rec.data(), rec.size());
      ++walked;
    }
  });
  if (walked != ps.size()) Die("walk");
  t.del = Seconds([&] {
    for (int i : deletions) {
      const Product& p = ps[static_cast<std::size_t>(i)];
      std::int32_t ref = refs[static_cast<std::size_t>(i)];
      BTDeleteKey(fb, 1, ref, p.i1);
      BTDeleteKey(fb, 2, ref, p.i2);
      BTDeleteKey(fb, 3, ref, p.i3);
      BTDeleteKey(fb, 4, ref, p.i4);
      BTDeleteRec(fb, ref);
      if (!IsamOK) Die("delete");
    }
    BTCloseFileBlock(fb);
  });
  BTExitIsam();
  return t;
}

void Exec(sqlite3* db, const char* sql) {
  char* err = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &err) != SQLITE_OK) {
    std::fprintf(stderr, "sqlite: %s: %s\n", sql, err);
    std::exit(1);
  }
}

sqlite3_stmt* Prepare(sqlite3* db, const char* sql) {
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) != SQLITE_OK) {
    std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
    std::exit(1);
  }
  return st;
}

void BindText(sqlite3_stmt* st, int i, const std::string& s) {
  sqlite3_bind_blob(st, i, s.data(), static_cast<int>(s.size()), SQLITE_STATIC);
}

// Keys are stored as blobs so that SQLite compares them byte by byte, as
// the store does.
Times RunSqlite(const std::string& path, const std::vector<Product>& ps,
                const std::vector<int>& lookups, const std::vector<int>& deletions,
                bool oneTransaction) {
  Times t;
  fs::remove(path);
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  Exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;");
  Exec(db,
       "CREATE TABLE products(id INTEGER PRIMARY KEY, k1 BLOB, k2 BLOB, k3 BLOB, k4 BLOB,"
       " rec BLOB);"
       "CREATE UNIQUE INDEX p1 ON products(k1); CREATE INDEX p2 ON products(k2);"
       "CREATE INDEX p3 ON products(k3); CREATE INDEX p4 ON products(k4);");
  auto begin = [&] {
    if (oneTransaction) Exec(db, "BEGIN");
  };
  auto commit = [&] {
    if (oneTransaction) Exec(db, "COMMIT");
  };
  t.add = Seconds([&] {
    sqlite3_stmt* ins = Prepare(db, "INSERT INTO products VALUES(?,?,?,?,?,?)");
    begin();
    for (std::size_t i = 0; i < ps.size(); ++i) {
      const Product& p = ps[i];
      sqlite3_bind_int(ins, 1, static_cast<int>(i + 1));
      BindText(ins, 2, p.k1);
      BindText(ins, 3, p.k2);
      BindText(ins, 4, p.k3);
      BindText(ins, 5, p.k4);
      sqlite3_bind_blob(ins, 6, p.rec.data(), kRecLen, SQLITE_STATIC);
      if (sqlite3_step(ins) != SQLITE_DONE) Die("sqlite insert");
      sqlite3_reset(ins);
    }
    commit();
    sqlite3_finalize(ins);
  });
  t.lookup = Seconds([&] {
    sqlite3_stmt* q = Prepare(db, "SELECT id, rec FROM products WHERE k1=?");
    begin();
    for (int i : lookups) {
      BindText(q, 1, ps[static_cast<std::size_t>(i)].k1);
      if (sqlite3_step(q) != SQLITE_ROW || sqlite3_column_int(q, 0) != i + 1)
        Die("sqlite lookup");
      if (sqlite3_column_bytes(q, 1) != kRecLen) Die("sqlite record");
      sqlite3_reset(q);
    }
    commit();
    sqlite3_finalize(q);
  });
  std::size_t walked = 0;
  t.walk = Seconds([&] {
    sqlite3_stmt* q = Prepare(db, "SELECT id, k1, rec FROM products ORDER BY k1");
    while (sqlite3_step(q) == SQLITE_ROW) {
      if (sqlite3_column_bytes(q, 2) != kRecLen) Die("sqlite walk");
      ++walked;
    }
    sqlite3_finalize(q);
  });
  if (walked != ps.size()) Die("sqlite walk count");
  t.del = Seconds([&] {
    sqlite3_stmt* d = Prepare(db, "DELETE FROM products WHERE id=?");
    begin();
    for (int i : deletions) {
      sqlite3_bind_int(d, 1, i + 1);
      if (sqlite3_step(d) != SQLITE_DONE) Die("sqlite delete");
      sqlite3_reset(d);
    }
    commit();
    sqlite3_finalize(d);
  });
  sqlite3_close(db);
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  const int n = argc > 1 ? std::atoi(argv[1]) : 100000;
  const fs::path dir = bench::WorkIn("isam_bench", "bench");

  std::printf("building %d products from the word lists...\n", n);
  const std::vector<Product> ps = MakeProducts(n);
  std::mt19937 rng(7);
  std::vector<int> lookups(100000);
  for (int& i : lookups) i = static_cast<int>(rng() % static_cast<unsigned>(n));
  std::vector<int> order(static_cast<std::size_t>(n));
  std::iota(order.begin(), order.end(), 0);
  std::shuffle(order.begin(), order.end(), rng);
  const std::vector<int> deletions(order.begin(), order.begin() + n / 10);

  const Times s = RunStore(ps, lookups, deletions, 62, true);
  const Times one = RunStore(ps, lookups, deletions, 62, false);
  // The same memory as SQLite's default page cache (2000 KiB): a page
  // buffer entry holds a full-size page of about 11.7 KiB.
  const Times big = RunStore(ps, lookups, deletions, 170, false);
  const Times q1 = RunSqlite((dir / "one.db").string(), ps, lookups, deletions, true);
  const Times qa = RunSqlite((dir / "auto.db").string(), ps, lookups, deletions, false);

  std::printf("\n%-32s %7s %7s %7s %6s %6s %6s %7s %6s\n", "step (CPU seconds)", "store",
              "sqlite1", "sqliteA", "ratio1", "ratioA", "wall1", "st170", "r170");
  auto row = [](const char* name, Span a, Span b, Span c, Span d) {
    std::printf("%-32s %7.3f %7.3f %7.3f %6.2f %6.2f %6.2f %7.3f %6.2f\n", name, a.cpu, b.cpu,
                c.cpu, a.cpu / b.cpu, a.cpu / c.cpu, a.wall / b.wall, d.cpu, d.cpu / b.cpu);
  };
  row("bulk add, all four keys", s.add, q1.add, qa.add, big.add);
  row("100k point lookups by key 1", s.lookup, q1.lookup, qa.lookup, big.lookup);
  row("full key-1 walk reading records", s.walk, q1.walk, qa.walk, big.walk);
  row("delete 10% at random", s.del, q1.del, qa.del, big.del);
  row("add one by one, all four keys", one.add, q1.add, qa.add, big.add);
  row("one by one: 100k lookups", one.lookup, q1.lookup, qa.lookup, big.lookup);
  row("one by one: key-1 walk", one.walk, q1.walk, qa.walk, big.walk);
  row("one by one: delete 10%", one.del, q1.del, qa.del, big.del);
  std::printf("\nratio = store time / SQLite time (below 1: the store is faster);\n"
              "sqlite1: one transaction per step, sqliteA: autocommit;\n"
              "wall1: the same ratio in wall-clock time against sqlite1;\n"
              "the first four rows: the file filled in bulk mode, the next four:\n"
              "the file filled record by record;\n"
              "st170, r170: the store record by record with a 170-page buffer\n"
              "(SQLite's cache memory).\n");
  fs::remove_all(dir);
  return 0;
}
