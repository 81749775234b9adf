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

std::string BUILDKEY(const MAPDEF& rec, int keyNr) {
  switch (keyNr) {
    case 1: {
      const std::string_view id = kiosk::TrimRight(rec.S_ID.view()).substr(0, 40);
      std::int32_t n = 0;
      screen::RANDIT(n);
      return std::string(id.empty() ? std::string_view("_") : id) + std::to_string(n).substr(0, 4);
    }
    case 2:
      return ShortKey(rec.S_DPT.view());
    case 3:
      return ShortKey(rec.S_SEAS.view());
    default:
      return {};
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
  const std::string_view fields[18] = {
      rec.S_ID.view(),     rec.S_DPT.view(),     rec.S_SEAS.view(),     rec.S_X.view(),
      rec.S_Y.view(),      rec.S_LENGTH.view(),  rec.S_WIDTH.view(),    rec.S_ANGLE.view(),
      rec.S_COLOR.view(),  rec.S_STYLE.view(),   rec.S_FILL.view(),     rec.S_THICK.view(),
      rec.S_IFLABEL.view(), rec.S_BCOLOR.view(), rec.S_SIZE.view(),     rec.S_MAPLABEL.view(),
      rec.S_FLOOR.view(),  rec.S_COMMENT.view()};
  std::string line;
  for (std::string_view f : fields) {
    // An empty field would read back as the rest of the line: write a blank.
    line += f.empty() ? std::string_view(" ") : f;
    line += '|';
  }
  return line;
}

}  // namespace editmap
