// The demo store shipped with the default installation, read with the
// kiosk's own import: every product lies on its shelf, on the shelf's floor,
// inside a zoomed zone; labels exist for every language in both views.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

#include <algorithm>
#include <string>
#include <vector>

#include "common/cp1252.h"
#include "common/numtext.h"
#include "graph/graph.h"
#include "map/render.h"
#include "map/storedc.h"
#include "map/zones.h"
#include "screen/primitives.h"
#include "shell/cfgfiles.h"
#include "tests/editors/catalogue_fixture.h"

namespace {

using catalogue_test::CatalogueTest;
using catalogue_test::Consistent;

class DemoStoreTest : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    const char* env = std::getenv("KIOSK_SOURCE_DIR");
    const std::string src = env ? std::string(env)
                                : std::filesystem::path(__FILE__).parent_path().parent_path().parent_path().string();
    for (const char* f : {"prodlist.txt", "Shelves.txt", "zonedef.txt"}) {
      std::filesystem::copy_file(src + "/install/data/" + f, Path(std::string("data/") + f));
    }
  }
};

double Num(std::string_view s) {
  double r = 0;
  screen::STRINGTOREAL(s, r);
  return r;
}

// The map point of a box element s along its length and t across its
// width, as the renderer lays a box out (length at the angle, width a
// quarter turn further; y grows southwards).
struct BoxPlace {
  double along, across;
};
BoxPlace PlaceOnBox(const editmap::MAPDEF& e, double x, double y) {
  const double a = Num(e.S_ANGLE.view()) * 3.14159265358979 / 180;
  const double dx = x - Num(e.S_X.view()), dy = y - Num(e.S_Y.view());
  return {dx * std::cos(a) - dy * std::sin(a), -dx * std::sin(a) - dy * std::cos(a)};
}

// Whether the product's point lies on its element: inside a box (half a
// unit of slack for the rounding of the exchange file), or within a
// fixture's size of a fixture's anchor.
bool OnElement(const editmap::MAPDEF& e, double x, double y) {
  const double length = Num(e.S_LENGTH.view()), width = Num(e.S_WIDTH.view());
  if (e.S_SIZE != "0") {
    return std::hypot(x - Num(e.S_X.view()), y - Num(e.S_Y.view())) <= std::max({length, width, 4.0});
  }
  const BoxPlace p = PlaceOnBox(e, x, y);
  return p.along >= -0.5 && p.along <= length + 0.5 && p.across >= -0.5 && p.across <= width + 0.5;
}

TEST_F(DemoStoreTest, ProductsSitOnAShelfOrTableOfTheirFloorInsideAZoomedZone) {
  editmap::SETUPM();
  ASSERT_TRUE(editmap::MAPFILE.OK);
  EXPECT_TRUE(Consistent(editmap::MAPFILE));
  std::map<std::string, editmap::MAPDEF> shelves;  // "<id>|<floor>"
  std::set<std::string> labels;  // "<view><language digit><floor>"
  std::set<std::string> fixtures;
  for (std::int32_t r = 1; r <= isam::BTFileLen(editmap::PE); ++r) {
    editmap::MAPDEF e;
    isam::BTGetRec(editmap::PE, r, &e);
    const std::string id = e.S_ID.str();
    if (id.find("L1") == 0 || id.find("L3") == 0) {
      for (char lang : e.S_LENGTH.str()) labels.insert(id.substr(0, 2) + lang + e.S_FLOOR.str());
    } else {
      shelves[id + "|" + e.S_FLOOR.str()] = e;
      if (e.S_SIZE != "0") fixtures.insert(e.S_SIZE.str());
    }
  }
  editmap::RELEASEM();
  EXPECT_EQ(fixtures, (std::set<std::string>{"F1", "F2", "F3", "F4", "R4", "C0", "4C", "C5", "R42", "42C"}));
  for (const char* view : {"L1", "L3"}) {
    for (char lang = '1'; lang <= '5'; ++lang) {
      for (char floor = '1'; floor <= '2'; ++floor) {
        EXPECT_TRUE(labels.count(std::string(view) + lang + floor)) << view << lang << floor;
      }
    }
  }

  zones::LOADZONES();
  EXPECT_GE(zones::NUMOFZONES, 5);

  ASSERT_TRUE(editprod::SETUP());
  editprod::OPENITP();
  ASSERT_TRUE(editprod::PRODFILE.OK);
  EXPECT_GE(editprod::ECPT1(), 400);
  EXPECT_TRUE(Consistent(editprod::PRODFILE));
  std::map<std::string, std::set<std::string>> seeAlsoByDepartment;
  for (std::int32_t r = 1; r <= isam::BTFileLen(editprod::PF2); ++r) {
    editprod::PRODDEF p;
    isam::BTGetRec(editprod::PF2, r, &p);
    SCOPED_TRACE(p.KLINE1.str());
    auto it = shelves.find(p.SHELF.str() + "|" + p.FLOOR.str());
    ASSERT_NE(it, shelves.end()) << p.SHELF.str() << " on floor " << p.FLOOR.str();
    const double x = Num(p.COORDX.view()), y = Num(p.COORDY.view());
    EXPECT_TRUE(OnElement(it->second, x, y)) << "(" << x << ", " << y << ") is not on " << p.SHELF.str();
    bool zoomed = false;
    for (int z = 1; z <= zones::NUMOFZONES; ++z) zoomed = zoomed || zones::INZONE(z, x, y);
    EXPECT_TRUE(zoomed);
    EXPECT_FALSE(p.HEADER.empty());
    EXPECT_FALSE(p.SEEALSO.empty());
    seeAlsoByDepartment[p.DEPT.str()].insert(p.SEEALSO.str());
  }
  editprod::RELEASE();
  // A see-also line belongs to its product, not to its department.
  for (const auto& [department, lines] : seeAlsoByDepartment) {
    EXPECT_GT(lines.size(), 1u) << department;
  }
}

// A Windows-1252 word without its accents, as a shopper may type it.
std::string Plain(std::string_view word) {
  static const std::string from = kiosk::Utf8ToCp1252("àáâãäåçèéêëìíîïñòóôõöùúûüýÿÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÑÒÓÔÕÖÙÚÛÜÝŸ");
  static const std::string to = "aaaaaaceeeeiiiinooooouuuuyyAAAAAACEEEEIIIINOOOOOUUUUYY";
  std::string out;
  for (char c : word) {
    if (c == '\x9C') out += "oe";       // œ
    else if (c == '\x8C') out += "Oe";  // Œ
    else if (c == '\xE6') out += "ae";  // æ
    else {
      const std::size_t at = from.find(c);
      out += at == std::string::npos ? c : to[at];
    }
  }
  return out;
}

TEST_F(DemoStoreTest, EveryProductIsFoundByEachOfItsWordsTypedWithOrWithoutAccents) {
  cfgfiles::FLIMITI = storedc::kMaxLimit;
  ASSERT_TRUE(editprod::SETUP());
  editprod::OPENITP();
  ASSERT_TRUE(editprod::PRODFILE.OK);
  ASSERT_GE(editprod::ECPT1(), 400);
  int searched = 0, accented = 0;
  for (std::int32_t r = 1; r <= isam::BTFileLen(editprod::PF2); ++r) {
    editprod::PRODDEF p;
    isam::BTGetRec(editprod::PF2, r, &p);
    if (p.DEL != 0) continue;
    SCOPED_TRACE(p.KLINE1.str() + "|" + p.KLINE1B.str());
    // The first line ends in a blank, so no word runs on into the second.
    if (!p.KLINE1B.empty()) {
      EXPECT_EQ(p.KLINE1.view().back(), ' ');
    }
    const std::string words = p.KLINE1.str() + p.KLINE1B.str();
    const std::string upperWords = storedc::UpperText(words);
    std::set<std::string> own;
    std::size_t at = 0;
    while (at < words.size()) {
      const std::size_t end = std::min(words.find(' ', at), words.size());
      std::string w = words.substr(at, end - at);
      at = end + 1;
      if (w.empty() || w[0] == '~') continue;  // the staff's own mark
      own.insert(w);
      // The word as a shopper types it without accents finds the product too.
      if (Plain(w) != w) {
        ++accented;
        EXPECT_NE(upperWords.find(storedc::UpperText(Plain(w))), std::string::npos) << w;
      }
    }
    for (const std::string& w : own) {
      if (!storedc::Searchable(w)) continue;
      ++searched;
      storedc::FINDHITS(w);
      const auto end = storedc::REC_FOUND.begin() + storedc::CNT1;
      // Found, unless the word is shared by more products than a search shows.
      EXPECT_TRUE(std::find(storedc::REC_FOUND.begin(), end, r) != end ||
                  storedc::CNT1 == storedc::kMaxLimit + 1)
          << w << " finds " << storedc::CNT1 << " products, not this one";
    }
  }
  editprod::RELEASE();
  EXPECT_GT(searched, 3000);
  EXPECT_GT(accented, 300);
}

// The whole-store view of the demo store in a 1920 x 1080 window, the size
// its zones are laid out for.
class DemoStoreMapTest : public kiosk_test::KioskTest {
 protected:
  bool FixtureOpensWindow() const override { return false; }
  void SetUp() override {
    KioskTest::SetUp();
    graph::UseHeadless(1920, 1080);
    screen::INIT(3, 12);
    for (const char* f : {"Shelves.txt", "zonedef.txt", "lang2.txt"}) {
      std::filesystem::copy_file(SourceDir() / "install" / "data" / f, Path(std::string("data/") + f));
    }
  }
};

struct LabelBox {
  std::string id, text;
  int x1, y1, x2, y2;
};

TEST_F(DemoStoreMapTest, WholeStoreLabelsAreLargeAndNoneOverlapsAnother) {
  editmap::SETUPM();
  ASSERT_NE(editmap::PE, nullptr);
  mapview::GETLANG2();
  zones::LOADZONES();
  zones::ZONE = 0;
  zones::CONVZONE();
  mapview::PLABEL = "Y";
  mapview::PGRID = "N";
  std::vector<editmap::MAPDEF> labels;
  for (std::int32_t r = 1; r <= isam::BTFileLen(editmap::PE); ++r) {
    editmap::MAPDEF e;
    isam::BTGetRec(editmap::PE, r, &e);
    if (e.DEL == 0 && e.S_ID.view().substr(0, 2) == "L3") labels.push_back(e);
  }
  ASSERT_GT(labels.size(), 100u);
  const std::uint32_t black = graph::DefaultPalette(static_cast<int>(screen::ColorValue(kiosk_test::kBlack)));
  int drawn = 0;
  for (std::int32_t lang = 1; lang <= 5; ++lang) {
    screen::LANGUAGE2 = lang;
    for (std::int32_t floor = 1; floor <= 2; ++floor) {
      mapview::CHANGEZONE = mapview::FLOOR = floor;
      std::vector<LabelBox> boxes;
      for (const editmap::MAPDEF& e : labels) {
        if (kiosk::TextToWhole(e.S_FLOOR.view()) != floor ||
            e.S_LENGTH.view().find(static_cast<char>('0' + lang)) == std::string_view::npos) {
          continue;  // not shown in this language on this floor
        }
        // Each label alone on a black screen: the box of its pixels.
        screen::FULLPORT();
        graph::SetBkColor(screen::ColorValue(kiosk_test::kBlack));
        graph::ClearDevice();
        mapview::FG = 0;
        mapview::DrawElement(mapview::TextOf(e), mapview::kStoreMap);
        // Looked for around where the whole-store view puts the label's
        // anchor (generously: a long label runs far to the right).
        const int ax = static_cast<int>(std::trunc(Num(e.S_X.view())) * zones::ZOOM) +
                       zones::OFFSETX + zones::LABELOFFSETX;
        const int ay = static_cast<int>(std::trunc(Num(e.S_Y.view())) * zones::ZOOM) +
                       zones::OFFSETY + zones::LABELOFFSETY;
        LabelBox b{e.S_ID.str(), e.S_MAPLABEL.str(), 1 << 20, 1 << 20, -1, -1};
        for (int y = std::max(0, ay - 60); y < std::min(1080, ay + 90); ++y) {
          for (int x = std::max(0, ax - 60); x < std::min(1920, ax + 700); ++x) {
            if (graph::GetPixelRgb(x, y) == black) continue;
            b.x1 = std::min(b.x1, x), b.y1 = std::min(b.y1, y);
            b.x2 = std::max(b.x2, x), b.y2 = std::max(b.y2, y);
          }
        }
        ASSERT_GE(b.x2, 0) << b.id << " is not drawn near its anchor";
        ++drawn;
        // Readable from a metre away: 20 pixels and more, inside the map.
        EXPECT_GE(kiosk::TextToWhole(e.S_FILL.view()), 20) << b.id;
        EXPECT_GE(b.y2 - b.y1, 12) << b.id << " " << b.text;
        EXPECT_LT(b.y2, screen::MAXY - 63) << b.id << " runs into the prompt box";
        for (const LabelBox& o : boxes) {
          const bool apart = b.x2 < o.x1 || o.x2 < b.x1 || b.y2 < o.y1 || o.y2 < b.y1;
          EXPECT_TRUE(apart) << "floor " << floor << ", language " << lang << ": \"" << b.text
                             << "\" overlaps \"" << o.text << "\"";
        }
        boxes.push_back(b);
      }
      // The floor's name and, on the kiosk's floor, where the shopper stands.
      auto shown = [&](std::string_view tag) {
        return std::any_of(boxes.begin(), boxes.end(),
                           [&](const LabelBox& b) { return b.id.find(tag) != std::string::npos; });
      };
      EXPECT_TRUE(shown("FLOOR" + std::to_string(floor))) << lang << " " << floor;
      EXPECT_EQ(shown("HERE"), floor == 1) << lang << " " << floor;
    }
  }
  EXPECT_GT(drawn, 150);
  editmap::RELEASEM();
}

}  // namespace
