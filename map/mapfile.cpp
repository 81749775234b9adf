// Map element records: the three keys and the exchange line.
#include "map/mapfile.h"

#include <string>

#include "common/text.h"
#include "screen/primitives.h"

namespace editmap {

namespace {

// Keys 2 and 3: the field without trailing blanks, "_" when empty, cut to
// the index's key length so the store never refuses it.
std::string ShortKey(std::string_view field) {
  const std::string_view k = kiosk::TrimRight(field).substr(0, kKey23Len);
  return std::string(k.empty() ? std::string_view("_") : k);
}

}  // namespace

void CHECKRECORD(MAPDEF& r) {
  auto cut = [](auto& field) { field.set_length(field.size()); };  // set_length cuts at the size
  cut(r.S_ID); cut(r.S_DPT); cut(r.S_SEAS); cut(r.S_X); cut(r.S_Y); cut(r.S_LENGTH);
  cut(r.S_WIDTH); cut(r.S_ANGLE); cut(r.S_COLOR); cut(r.S_STYLE); cut(r.S_FILL); cut(r.S_THICK);
  cut(r.S_IFLABEL); cut(r.S_BCOLOR); cut(r.S_SIZE); cut(r.S_MAPLABEL); cut(r.S_FLOOR);
  cut(r.S_COMMENT);
}

std::string KEYBASE(const MAPDEF& rec, int keyNr) {
  switch (keyNr) {
    case 1: {
      std::string k(kiosk::TrimRight(rec.S_ID.view()).substr(0, 40));
      if (k.empty()) k = "_";
      return k;
    }
    case 2:
      return ShortKey(rec.S_DPT.view());
    case 3:
      return ShortKey(rec.S_SEAS.view());
    default:
      return {};
  }
}

std::string BUILDKEY(const MAPDEF& rec, int keyNr) {
  std::string k = KEYBASE(rec, keyNr);
  if (keyNr == 1) {
    std::int32_t n = 0;
    screen::RANDIT(n);
    k += std::to_string(n).substr(0, 4);
  }
  return k;
}

std::string_view FieldText(const MAPDEF& rec, int field) {
  switch (field) {
    case 1: return rec.S_ID.view();
    case 2: return rec.S_DPT.view();
    case 3: return rec.S_SEAS.view();
    case 4: return rec.S_X.view();
    case 5: return rec.S_Y.view();
    case 6: return rec.S_LENGTH.view();
    case 7: return rec.S_WIDTH.view();
    case 8: return rec.S_ANGLE.view();
    case 9: return rec.S_COLOR.view();
    case 10: return rec.S_STYLE.view();
    case 11: return rec.S_FILL.view();
    case 12: return rec.S_THICK.view();
    case 13: return rec.S_IFLABEL.view();
    case 14: return rec.S_BCOLOR.view();
    case 15: return rec.S_SIZE.view();
    case 16: return rec.S_MAPLABEL.view();
    case 17: return rec.S_FLOOR.view();
    case 18: return rec.S_COMMENT.view();
    default: return {};
  }
}

void SetField(MAPDEF& rec, int field, std::string_view text) {
  switch (field) {
    case 1: rec.S_ID = text; break;
    case 2: rec.S_DPT = text; break;
    case 3: rec.S_SEAS = text; break;
    case 4: rec.S_X = text; break;
    case 5: rec.S_Y = text; break;
    case 6: rec.S_LENGTH = text; break;
    case 7: rec.S_WIDTH = text; break;
    case 8: rec.S_ANGLE = text; break;
    case 9: rec.S_COLOR = text; break;
    case 10: rec.S_STYLE = text; break;
    case 11: rec.S_FILL = text; break;
    case 12: rec.S_THICK = text; break;
    case 13: rec.S_IFLABEL = text; break;
    case 14: rec.S_BCOLOR = text; break;
    case 15: rec.S_SIZE = text; break;
    case 16: rec.S_MAPLABEL = text; break;
    case 17: rec.S_FLOOR = text; break;
    case 18: rec.S_COMMENT = text; break;
    default: break;
  }
}

std::array<std::string, 18> LineFields(std::string_view line) {
  std::array<std::string, 18> f;
  kiosk::Str255 rest(line);
  for (auto& field : f) {
    kiosk::Str255 head = rest;
    screen::SPLIT(head, rest);
    field = head.str();
  }
  // S_THICK, S_MAPLABEL and S_FLOOR are taken as they stand, except that the
  // single blank the export writes for an empty field is read back as empty.
  for (std::size_t i = 0; i < f.size(); ++i) {
    if (i == 11 || i == 15 || i == 16) {
      if (f[i] == " ") f[i].clear();
    } else {
      f[i] = kiosk::TrimRight(f[i]);
    }
  }
  return f;
}

MAPDEF ParseLine(std::string_view line) {
  MAPDEF rec;
  ReadLineInto(line, rec);
  rec.DEL = 0;
  return rec;
}

std::string FormatLine(const MAPDEF& rec) {
  std::string line;
  for (int f = 1; f <= kFields; ++f) {
    // An empty field would read back as the rest of the line: write a blank.
    const std::string_view text = FieldText(rec, f);
    line += text.empty() ? std::string_view(" ") : text;
    line += '|';
  }
  return line;
}

}  // namespace editmap
