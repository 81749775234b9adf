// Damaged and cut catalogue files, for each of the three catalogues: the
// open refuses them with a store error (never a read error on every later
// call), the module's open repairs them from what the data file really
// holds, and no damaged header makes a call read or write past the module's
// record or grow a file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "editors/editnot.h"
#include "isam/errors.h"
#include "isam/format.h"
#include "tests/editors/catalogue_fixture.h"

namespace fs = std::filesystem;

namespace {

using catalogue_test::CatalogueTest;
using catalogue_test::Consistent;

constexpr int kRecords = 12;
const std::set<std::int32_t> kDeleted = {3, 8};

// One catalogue as its module knows it: the glue state and how a record
// with a given first key is put into the module's record.
struct Kind {
  const char* what;
  glue::Catalogue* c;
  const char* file;  // data file without extension
  std::function<void(const std::string& key1)> fill;
};

std::vector<Kind> Kinds() {
  return {
      {"products", &editprod::PRODFILE, "data/products",
       [](const std::string& k) {
         editprod::PRODFILE.record = &editprod::PRODUCT;
         editprod::CLEARIT();
         editprod::PRODUCT.KLINE1 = k;
       }},
      {"map elements", &editmap::MAPFILE, "data/Shelve",
       [](const std::string& k) {
         editmap::MAPFILE.record = &editmap::SHELF;
         editmap::SHELF = editmap::MAPDEF();
         editmap::SHELF.S_ID = k;
       }},
      {"not-found log", &editnot::NOTFILE, "data/NotFound",
       [](const std::string& k) {
         editnot::NOTFILE.record = &editnot::NOTFOUND;
         editnot::NOTFOUND = editnot::NOTDEF();
         editnot::NOTFOUND.KLINE1 = k;
       }},
  };
}

std::string Name(int i) { return "ITEM" + std::to_string(i); }

class DamagedFilesTest : public CatalogueTest {
 protected:
  // A closed file of kRecords records (ITEM1..), those of kDeleted erased.
  void Make(const Kind& k) {
    fs::remove(Path(std::string(k.file) + ".DAT"));
    fs::remove(Path(std::string(k.file) + ".IX"));
    ASSERT_TRUE(glue::SETUP(*k.c));
    glue::OPENIT(*k.c);  // the file created just now
    ASSERT_TRUE(k.c->OK) << k.what;
    for (int i = 1; i <= kRecords; ++i) {
      k.fill(Name(i));
      ASSERT_TRUE(glue::NEWSTRUCTURE(*k.c)) << k.what << " " << i;
      ASSERT_EQ(k.c->ACTREC, i);
    }
    for (std::int32_t gone : kDeleted) ASSERT_TRUE(glue::ERASERECORD(*k.c, gone));
    glue::RELEASE(*k.c);
  }
  std::string Dat(const Kind& k) const { return std::string(k.file) + ".DAT"; }
  std::string Ix(const Kind& k) const { return std::string(k.file) + ".IX"; }
  void Put32(const std::string& rel, std::int64_t at, std::int32_t v) {
    std::string bytes = ReadFile(rel);
    isam::format::PutI32(reinterpret_cast<unsigned char*>(bytes.data() + at), v);
    WriteFile(rel, bytes);
  }
  // The store error of opening the file as its module's catalogue, with
  // nothing repaired; 0 when it opens.
  std::int32_t OpenError(const Kind& k) {
    isam::BTInitIsam(isam::NoNet, 16);
    const bool opened = glue::OPENRAW(*k.c);
    const std::int32_t error = opened ? 0 : isam::IsamError;
    if (opened) glue::CLOSEIT(*k.c);
    isam::BTExitIsam();
    return error;
  }
  // The first fields of the records index 1 leads to (each catalogue's
  // record starts with its name after DEL), after the module's own open,
  // which repairs; the file must come out consistent and no longer than
  // `most` bytes.
  std::set<std::string> RepairedKeys(const Kind& k, std::uintmax_t most) {
    std::set<std::string> keys;
    EXPECT_TRUE(glue::SETUP(*k.c));
    EXPECT_TRUE(k.c->OK) << k.what << ": not repaired, error " << isam::IsamError;
    if (!k.c->OK) {
      glue::RELEASE(*k.c);
      return keys;
    }
    // A header left as it was would make the walks below run for ever.
    if (glue::HIGHESTREC(*k.c) > kRecords + 1) {
      ADD_FAILURE() << k.what << ": " << glue::HIGHESTREC(*k.c) << " records after the repair";
      glue::RELEASE(*k.c);
      return keys;
    }
    EXPECT_TRUE(Consistent(*k.c)) << k.what;
    std::vector<unsigned char> rec(static_cast<std::size_t>(k.c->recLen));
    glue::WALKKEY(*k.c, 1, [&](std::int32_t ref, const isam::IsamKeyStr&) {
      isam::BTGetRec(k.c->fb, ref, rec.data(), rec.size());
      EXPECT_TRUE(isam::IsamOK) << ref;
      keys.emplace(reinterpret_cast<const char*>(&rec[5]), rec[4]);
      return true;
    });
    // A file whose records reach its end exactly: nothing written past it.
    const std::int64_t len = k.c->recLen;
    EXPECT_EQ(static_cast<std::int64_t>(fs::file_size(Path(Dat(k)))),
              (std::int64_t(glue::HIGHESTREC(*k.c)) + 1) * len)
        << k.what;
    glue::RELEASE(*k.c);
    EXPECT_LE(fs::file_size(Path(Dat(k))), most) << k.what;
    return keys;
  }
  // ITEM1..ITEMn without the deleted ones.
  static std::set<std::string> LiveUpTo(int n) {
    std::set<std::string> s;
    for (int i = 1; i <= n; ++i)
      if (!kDeleted.count(i)) s.insert(Name(i));
    return s;
  }
};

TEST_F(DamagedFilesTest, DamagedDataHeadersAreRefusedAndRepairedFromTheRecords) {
  struct Damage {
    const char* what;
    std::int64_t at;
    std::function<std::int32_t(std::int32_t recLen)> value;
  } damages[] = {
      {"record length halved", 12, [](std::int32_t l) { return l / 2; }},
      {"record length doubled", 12, [](std::int32_t l) { return l * 2; }},
      {"record length with a high bit flipped", 12, [](std::int32_t l) { return l | 1 << 30; }},
      {"record length one more", 12, [](std::int32_t l) { return l + 1; }},
      {"record count past the end", 8, [](std::int32_t) { return kRecords + 3; }},
      {"record count huge", 8, [](std::int32_t) { return 0x7FFFFFF0; }},
      {"free chain head past the records", 0, [](std::int32_t) { return kRecords + 1; }},
      {"free chain head zero", 0, [](std::int32_t) { return 0; }},
      {"free chain count above the records", 4, [](std::int32_t) { return kRecords + 1; }},
  };
  for (const Kind& k : Kinds()) {
    for (const Damage& d : damages) {
      SCOPED_TRACE(std::string(k.what) + ": " + d.what);
      Make(k);
      const auto good = fs::file_size(Path(Dat(k)));
      Put32(Dat(k), d.at, d.value(k.c->recLen));
      const std::string damaged = ReadFile(Dat(k));
      EXPECT_EQ(OpenError(k), isam::err::kDataFileDamaged);
      EXPECT_EQ(ReadFile(Dat(k)), damaged);  // refused without a byte written
      EXPECT_EQ(RepairedKeys(k, good), LiveUpTo(kRecords));
    }
  }
}

TEST_F(DamagedFilesTest, CutFilesAreRefusedAndRepairedFromWhatTheDataFileHolds) {
  for (const Kind& k : Kinds()) {
    SCOPED_TRACE(k.what);
    const std::int64_t len = k.c->recLen;
    // An index cut to half: every record is still in the data file.
    Make(k);
    const auto good = fs::file_size(Path(Dat(k)));
    fs::resize_file(Path(Ix(k)), fs::file_size(Path(Ix(k))) / 2);
    EXPECT_EQ(OpenError(k), isam::err::kIndexDamaged);
    EXPECT_EQ(RepairedKeys(k, good), LiveUpTo(kRecords));
    // An index cut inside its headers.
    Make(k);
    fs::resize_file(Path(Ix(k)), 10);
    EXPECT_EQ(OpenError(k), isam::err::kIndexDamaged);
    EXPECT_EQ(RepairedKeys(k, good), LiveUpTo(kRecords));
    // A data file cut inside record 8: records 1..7 are what is left, and
    // nothing is written into the gap its header still counts.
    Make(k);
    fs::resize_file(Path(Dat(k)), static_cast<std::uintmax_t>(8 * len + len / 2));
    EXPECT_EQ(OpenError(k), isam::err::kDataFileDamaged);
    EXPECT_EQ(RepairedKeys(k, good), LiveUpTo(7));
    // A data file cut inside its header.
    Make(k);
    fs::resize_file(Path(Dat(k)), 10);
    EXPECT_EQ(OpenError(k), isam::err::kDataFileDamaged);
  }
}

TEST_F(DamagedFilesTest, RecordCallsNeverMoveMoreThanTheModulesRecord) {
  // Opened past the glue's check, a file whose records are longer than the
  // module's record is still refused by every record call: nothing is read
  // past the record, nothing written from beyond it, the file does not grow.
  for (const Kind& k : Kinds()) {
    SCOPED_TRACE(k.what);
    Make(k);
    const std::int32_t len = k.c->recLen;
    // Longer records that the file still holds: fewer of them.
    Put32(Dat(k), 12, len + 100);
    Put32(Dat(k), 8, 5);
    Put32(Dat(k), 0, -1);
    Put32(Dat(k), 4, 0);
    const std::string before = ReadFile(Dat(k));
    isam::BTInitIsam(isam::NoNet, 16);
    isam::BTOpenFileBlock(k.c->fb, isam::IsamFileBlockName(k.c->name));
    ASSERT_TRUE(isam::IsamOK) << isam::IsamError;
    k.fill("NEW");
    std::int32_t ref = 0;
    EXPECT_FALSE(glue::ADDSTRUCTURE(*k.c, k.c->record, ref));
    EXPECT_EQ(isam::IsamError, isam::err::kDataFileDamaged);
    EXPECT_FALSE(glue::MODSTRUCTURE(*k.c, k.c->record, 1));
    EXPECT_EQ(isam::IsamError, isam::err::kDataFileDamaged);
    std::vector<char> back(static_cast<std::size_t>(len), 'x');
    isam::BTGetRec(k.c->fb, 1, back.data(), back.size());
    EXPECT_EQ(isam::IsamError, isam::err::kDataFileDamaged);
    EXPECT_EQ(back, std::vector<char>(static_cast<std::size_t>(len), 'x'));
    glue::CLOSEIT(*k.c);
    isam::BTExitIsam();
    EXPECT_EQ(ReadFile(Dat(k)), before);
  }
}

}  // namespace
