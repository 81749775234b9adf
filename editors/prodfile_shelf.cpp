// The products of one shelf: found by their shelf, moved along with it,
// hidden and shown again.
#include "editors/prodfile_shelf.h"

#include <cmath>
#include <cstdio>

#include "common/clock.h"
#include "common/numtext.h"
#include "common/text.h"
#include "editors/prodfile.h"
#include "isam/glue.h"
#include "isam/isam.h"
#include "screen/primitives.h"
#include "shell/cfgfiles.h"
#include "shell/langs.h"

namespace editprod {

std::function<void(std::string_view shelf)> HideShelfElementHook;
std::function<void(std::string_view shelf)> UnhideShelfElementHook;

namespace {

// A cell of the table of new positions: one coordinate of the offset from
// the new anchor.
enum Term : std::uint8_t {
  Z,       // 0
  DX, DY, NDX, NDY,               // DX, DY, -DX, -DY
  ADX, NADY,                      // |DX|, -|DY|
  ADXR, NADXR, ADYR, NADYR,       // |DX|/r2, -|DX|/r2, |DY|/r2, -|DY|/r2
  Q, NQ,                          // Q, -Q
  R2ADX, NR2ADX,                  // r2|DX|, -r2|DX|
  SAME,                           // the direction did not change
};

// [old direction / 45][new direction / 45] = {u, v}. The cells are the
// rule as staff have always had it; they are no rotation by the angle.
constexpr Term kCells[8][8][2] = {
    // old 0
    {{SAME, SAME}, {ADXR, NADXR}, {Z, DX}, {NADXR, NADXR}, {DX, Z}, {NADXR, ADXR}, {Z, NDX},
     {ADXR, ADXR}},
    // old 45
    {{Q, Z}, {SAME, SAME}, {Z, NQ}, {DX, DY}, {NR2ADX, Z}, {NDX, DY}, {Z, Q}, {NDX, DY}},
    // old 90
    {{DY, Z}, {ADYR, NADYR}, {SAME, SAME}, {NADYR, NADYR}, {NDY, Z}, {NADYR, ADYR}, {DX, DY},
     {ADYR, ADYR}},
    // old 135
    {{R2ADX, Z}, {ADX, DY}, {Z, NQ}, {SAME, SAME}, {NR2ADX, Z}, {DX, ADX}, {Z, NQ}, {DX, DY}},
    // old 180
    {{DX, DY}, {ADXR, NADXR}, {NDY, NDX}, {NADXR, NADXR}, {SAME, SAME}, {NADXR, ADXR}, {DY, DX},
     {DX, NDY}},
    // old 225
    {{R2ADX, Z}, {DY, DY}, {Z, NQ}, {NDX, DY}, {NR2ADX, Z}, {SAME, SAME}, {Z, Q}, {DX, NDY}},
    // old 270
    {{NDY, Z}, {ADYR, NADYR}, {DX, NADY}, {NADYR, NADYR}, {DY, Z}, {NADYR, ADYR}, {SAME, SAME},
     {ADYR, ADYR}},
    // old 315
    {{R2ADX, Z}, {NDY, DY}, {Z, NQ}, {DX, DY}, {NR2ADX, Z}, {DX, NDY}, {Z, Q}, {SAME, SAME}},
};

double Value(Term t, double dx, double dy, double q) {
  const double r2 = std::sqrt(2.0);
  switch (t) {
    case DX: return dx;
    case DY: return dy;
    case NDX: return -dx;
    case NDY: return -dy;
    case ADX: return std::fabs(dx);
    case NADY: return -std::fabs(dy);
    case ADXR: return std::fabs(dx) / r2;
    case NADXR: return -std::fabs(dx) / r2;
    case ADYR: return std::fabs(dy) / r2;
    case NADYR: return -std::fabs(dy) / r2;
    case Q: return q;
    case NQ: return -q;
    case R2ADX: return r2 * std::fabs(dx);
    case NR2ADX: return -r2 * std::fabs(dx);
    default: return 0;
  }
}

// The table row or column of a snapped direction; -1 for none.
int DirectionIndex(std::int32_t degrees) {
  return degrees >= 0 && degrees < 360 && degrees % 45 == 0 ? degrees / 45 : -1;
}

std::string Decimal4(double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%.4f", v + 0.0);  // + 0.0: no "-0.0000"
  if (std::string_view(text) == "-0.0000") return "0.0000";
  return text;
}

std::string Floor2(std::int32_t floor) {
  char text[16];
  std::snprintf(text, sizeof text, "%2d", static_cast<int>(floor));
  return text;
}

// Rewrites each product of the list after changing it with change (which
// says whether it changed anything), waiting waitMs before each write.
template <typename Change>
std::int32_t RewriteEach(const std::vector<std::int32_t>& refs, std::int32_t waitMs,
                         Change change) {
  std::int32_t written = 0;
  for (std::int32_t ref : refs) {
    isam::BTGetRec(PF2, ref, &PRODUCT);
    if (!isam::IsamOK || PRODUCT.DEL != 0) continue;
    const PRODDEF old = PRODUCT;
    if (!change(PRODUCT)) continue;
    kiosk::clock::SleepMs(waitMs);
    if (CHANGEPRODUCT(ref, old)) ++written;
  }
  return written;
}

// Closes the product file and releases the store after a hide or unhide.
void EndShelfWork() {
  CLOSEITP();
  cfgfiles::HFLAG = 0;
  RELEASE();
}

}  // namespace

std::int32_t CHECK_ANGLE(std::int32_t d) {
  if (d < 0 || d > 360) return d;
  if (d <= 22) return 0;
  if (d <= 66) return 45;
  if (d <= 112) return 90;
  if (d <= 177) return d == 157 ? d : 135;
  if (d <= 202) return 180;
  if (d <= 247) return 225;
  if (d <= 292) return 270;
  if (d <= 337) return 315;
  return 0;
}

bool GET_NEWPADD(double& x, double& y) {
  using namespace cfgfiles;
  const double dx = x - XORRIG;
  const double dy = y - YORRIG;
  const std::int32_t a = CHECK_ANGLE(AORRIG);
  const std::int32_t n = CHECK_ANGLE(NAORRIG);
  if (n == a) {
    x += NXORRIG - XORRIG;
    y += NYORRIG - YORRIG;
    return true;
  }
  const int row = DirectionIndex(a);
  const int col = DirectionIndex(n);
  const double length = NY2ORRIG;
  if (row < 0 || col < 0 || length == 0) return false;
  double t = std::fabs(dx) / length;
  if (t == 0) t = std::fabs(dy) / length;
  const double q = std::sqrt(2.0) * t * length;
  x = NXORRIG + Value(kCells[row][col][0], dx, dy, q);
  y = NYORRIG + Value(kCells[row][col][1], dx, dy, q);
  return true;
}

std::vector<std::int32_t> SHELFPRODUCTS(std::string_view shelf) {
  std::vector<std::int32_t> found;
  if (!PF2) return found;
  const std::string wanted = kiosk::UpperCp1252(kiosk::Trim(shelf));
  // Key 2 starts with the shelf cut to 30 characters: only entries holding
  // that need their record read.
  const std::string start = wanted.substr(0, 30);
  PRODDEF rec;
  glue::WALKKEY(PRODFILE, 2, [&](std::int32_t ref, const isam::IsamKeyStr& key) {
    if (kiosk::UpperCp1252(key.view()).find(start) == std::string::npos) return true;
    isam::BTGetRec(PF2, ref, &rec);
    if (!isam::IsamOK) return false;
    if (rec.DEL == 0 && kiosk::UpperCp1252(kiosk::Trim(rec.SHELF.view())) == wanted)
      found.push_back(ref);
    return true;
  });
  isam::IsamClearOK();
  return found;
}

std::int32_t SHELF_MP(std::string_view elementName) {
  if (!SETUP()) return -1;
  if (!PRODFILE.OK) OPENITP();
  std::int32_t moved = -1;
  if (PRODFILE.OK) {
    langs::WRITEHEADER(10);
    const std::string floor = Floor2(cfgfiles::FLOOR1);
    moved = RewriteEach(SHELFPRODUCTS(elementName), 50, [&](PRODDEF& p) {
      double x = kiosk::TextToReal(p.COORDX.view());
      double y = kiosk::TextToReal(p.COORDY.view());
      if (GET_NEWPADD(x, y)) {
        p.COORDX = Decimal4(x);
        p.COORDY = Decimal4(y);
      }
      p.FLOOR = floor;
      return true;
    });
  }
  cfgfiles::HFLAG = 0;
  cfgfiles::MOVE_FLAG = 0;
  // The caller's own files stay open: only the product file is closed, and
  // the store is ended only when it was started here.
  CLOSEITP();
  RELEASE();
  return moved;
}

std::vector<std::string> HSEARCHP(std::string_view shelf) {
  const std::string text(shelf);
  screen::FRAME4();
  REC_FOUND.fill(0);
  std::vector<std::string> full;
  RewriteEach(SHELFPRODUCTS(text), 10, [&](PRODDEF& p) {
    if (p.KLINE1.view().find('~') != std::string_view::npos) return false;
    if (p.KLINE1.size() >= p.KLINE1.max_size()) {
      full.push_back(p.KLINE1.str());  // no room for the mark: it stays visible
      return false;
    }
    p.KLINE1 += '~';
    return true;
  });
  EndShelfWork();
  if (HideShelfElementHook) HideShelfElementHook(text);
  return full;
}

std::int32_t UHSEARCHP(std::string_view shelf) {
  const std::string text(kiosk::TrimRight(shelf));
  REC_FOUND.fill(0);
  const std::int32_t shown = RewriteEach(SHELFPRODUCTS(text), 10, [](PRODDEF& p) {
    const std::size_t mark = p.KLINE1.view().find('~');
    if (mark == std::string_view::npos) return false;
    p.KLINE1.set_length(mark);
    screen::CLEAR_PROMPT();
    return true;
  });
  EndShelfWork();
  if (UnhideShelfElementHook) UnhideShelfElementHook(text);
  return shown;
}

}  // namespace editprod
