// Product records: the four keys, the editor slots and the record/slot
// transfers.
#include "editors/prodfile.h"

#include <cstring>
#include <string>

#include "common/text.h"
#include "screen/primitives.h"

namespace editprod {

namespace {

std::string RandomDigits() {
  std::int32_t n = 0;
  screen::RANDIT(n);
  return std::to_string(n);
}

// Editor slot -> record field number (record order 1..18).
constexpr int kSlotField[kSlots + 1] = {0, 1, 2, 3, 5, 4, 6, 7, 8, 9,
                                        10, 11, 12, 13, 14, 15, 16, 17, 18};

}  // namespace

void CHECKRECORD(PRODDEF& r) {
  auto cut = [](auto& field) { field.set_length(field.size()); };  // set_length cuts at the size
  cut(r.KLINE1); cut(r.KLINE1B); cut(r.SHELF); cut(r.DEPT); cut(r.EXCLUDE); cut(r.COORDX);
  cut(r.COORDY); cut(r.FLOOR); cut(r.HEADER); cut(r.LINE3); cut(r.LINE4); cut(r.LINE5);
  cut(r.LINE6); cut(r.LINE7); cut(r.LINE8); cut(r.LINE9); cut(r.LINE10); cut(r.SEEALSO);
}

std::string KEYBASE(const PRODDEF& rec, int keyNr) {
  switch (keyNr) {
    case 1:
      return std::string(
          kiosk::TrimRight(rec.KLINE1.str() + rec.KLINE1B.str()).substr(0, kKey1WordsCut));
    case 2: return std::string(kiosk::Trim(rec.SHELF.view()).substr(0, 30));
    case 3: return std::string(kiosk::Trim(rec.DEPT.view()).substr(0, 14));
    case 4: return std::string(kiosk::Trim(rec.EXCLUDE.view()).substr(0, 14));
    default: return {};
  }
}

std::string BUILDKEY(const PRODDEF& rec, int keyNr) {
  // Keys 1 and 2 get random digits, so that equal texts stay distinct.
  return keyNr == 1 || keyNr == 2 ? KEYBASE(rec, keyNr) + RandomDigits() : KEYBASE(rec, keyNr);
}

bool KEY1WORDS(std::string_view stored, std::int32_t refNr, std::string_view& words) {
  std::string_view built;
  if (!glue::BUILTKEY1(stored, refNr, built) || built.size() < kKey1RandomDigits) return false;
  for (char c : built.substr(built.size() - kKey1RandomDigits))
    if (c < '0' || c > '9') return false;
  built.remove_suffix(kKey1RandomDigits);
  if (built.size() >= kKey1WordsCut) return false;  // cut: the record has more
  words = built;
  return true;
}

std::string FieldText(const PRODDEF& r, int field) {
  switch (field) {
    case 1: return r.KLINE1.str();
    case 2: return r.KLINE1B.str();
    case 3: return r.SHELF.str();
    case 4: return r.DEPT.str();
    case 5: return r.EXCLUDE.str();
    case 6: return r.COORDX.str();
    case 7: return r.COORDY.str();
    case 8: return r.FLOOR.str();
    case 9: return r.HEADER.str();
    case 10: return r.LINE3.str();
    case 11: return r.LINE4.str();
    case 12: return r.LINE5.str();
    case 13: return r.LINE6.str();
    case 14: return r.LINE7.str();
    case 15: return r.LINE8.str();
    case 16: return r.LINE9.str();
    case 17: return r.LINE10.str();
    case 18: return r.SEEALSO.str();
    default: return {};
  }
}

void SetField(PRODDEF& r, int field, std::string_view t) {
  switch (field) {
    case 1: r.KLINE1 = t; break;
    case 2: r.KLINE1B = t; break;
    case 3: r.SHELF = t; break;
    case 4: r.DEPT = t; break;
    case 5: r.EXCLUDE = t; break;
    case 6: r.COORDX = t; break;
    case 7: r.COORDY = t; break;
    case 8: r.FLOOR = t; break;
    case 9: r.HEADER = t; break;
    case 10: r.LINE3 = t; break;
    case 11: r.LINE4 = t; break;
    case 12: r.LINE5 = t; break;
    case 13: r.LINE6 = t; break;
    case 14: r.LINE7 = t; break;
    case 15: r.LINE8 = t; break;
    case 16: r.LINE9 = t; break;
    case 17: r.LINE10 = t; break;
    case 18: r.SEEALSO = t; break;
    default: break;
  }
}

std::string SlotText(const PRODDEF& rec, int slot) {
  return (slot >= 1 && slot <= kSlots) ? FieldText(rec, kSlotField[slot]) : std::string();
}

void SetSlot(PRODDEF& rec, int slot, std::string_view text) {
  if (slot >= 1 && slot <= kSlots) SetField(rec, kSlotField[slot], text);
}

void CLEARIT() { std::memset(static_cast<void*>(&PRODUCT), 0, sizeof PRODUCT); }

void UNPACKITS() {
  for (auto& s : OUTSTR) s.clear();
  for (int slot = 1; slot <= kSlots; ++slot) OUTSTR[static_cast<std::size_t>(slot)] = SlotText(PRODUCT, slot);
}

void TRANSIN() {
  for (int slot = 1; slot <= kSlots; ++slot) SetSlot(PRODUCT, slot, OUTSTR[static_cast<std::size_t>(slot)].view());
  PRODUCT.DEL = 0;
}

}  // namespace editprod
