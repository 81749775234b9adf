// The map element file: one MAPDEF record per shelf, wall, fixture, grid line
// or label of the store map, kept in the fileblock "data\Shelve" with three
// keys (identifier, department, season).
//
// This module owns the record layout, the three key builders, the exchange
// line of data\Shelves.txt (import and export), and the map file's open,
// create and rebuild glue. The renderer walks the records by number; the map
// editor works through the keys.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/shortstr.h"
#include "isam/glue.h"

namespace editmap {

using kiosk::ShortStr;

// Written to the data file exactly as it lies in memory (260 bytes).
struct MAPDEF {
  std::int32_t DEL = 0;        // 0 live; the store's free-list word when deleted
  ShortStr<40> S_ID;           // identifier with drawing markers (~ ! GRID L1 L3 #)
  ShortStr<16> S_DPT;          // department: key 2
  ShortStr<16> S_SEAS;         // season: key 3
  ShortStr<9> S_X;             // anchor x, map units
  ShortStr<9> S_Y;             // anchor y, map units
  ShortStr<7> S_LENGTH;        // boxes: length; labels: language digits
  ShortStr<7> S_WIDTH;         // boxes: width
  ShortStr<4> S_ANGLE;         // degrees counter-clockwise
  ShortStr<4> S_COLOR;         // colour number
  ShortStr<4> S_STYLE;         // boxes: line style; labels: char width
  ShortStr<4> S_FILL;          // boxes: fill code; labels: char height
  ShortStr<4> S_THICK;         // boxes: line thickness
  ShortStr<4> S_IFLABEL;       // labels: font number
  ShortStr<4> S_BCOLOR;        // boxes: background colour; labels: style letters
  ShortStr<4> S_SIZE;          // fixture code (F1..F4, R4, C0, 4C, C5, R42, 42C)
  ShortStr<60> S_MAPLABEL;     // labels: the text shown
  ShortStr<5> S_FLOOR;         // floor number
  ShortStr<35> S_COMMENT;      // free comment
  char PAD_[2] = {0, 0};       // completes the record; ignored on reading
};

static_assert(sizeof(MAPDEF) == 260, "map element records are 260 bytes");
static_assert(offsetof(MAPDEF, S_ID) == 4);
static_assert(offsetof(MAPDEF, S_DPT) == 45);
static_assert(offsetof(MAPDEF, S_SEAS) == 62);
static_assert(offsetof(MAPDEF, S_X) == 79);
static_assert(offsetof(MAPDEF, S_Y) == 89);
static_assert(offsetof(MAPDEF, S_LENGTH) == 99);
static_assert(offsetof(MAPDEF, S_WIDTH) == 107);
static_assert(offsetof(MAPDEF, S_ANGLE) == 115);
static_assert(offsetof(MAPDEF, S_COLOR) == 120);
static_assert(offsetof(MAPDEF, S_STYLE) == 125);
static_assert(offsetof(MAPDEF, S_FILL) == 130);
static_assert(offsetof(MAPDEF, S_THICK) == 135);
static_assert(offsetof(MAPDEF, S_IFLABEL) == 140);
static_assert(offsetof(MAPDEF, S_BCOLOR) == 145);
static_assert(offsetof(MAPDEF, S_SIZE) == 150);
static_assert(offsetof(MAPDEF, S_MAPLABEL) == 155);
static_assert(offsetof(MAPDEF, S_FLOOR) == 216);
static_assert(offsetof(MAPDEF, S_COMMENT) == 222);

// Fileblock parameters.
inline constexpr const char* kFileName = "data\\Shelve";
inline constexpr const char* kExchangeFile = "data\\Shelves.txt";
inline constexpr std::int32_t kRecLen = 260;
static_assert(sizeof(MAPDEF) == kRecLen, "the catalogue takes its record length from the type");
inline constexpr int kNumKeys = 3;
inline constexpr int kKey1Len = 45;
inline constexpr int kKey23Len = 15;  // keys 2 and 3 are cut to this
inline constexpr int kFields = 18;    // S_ID .. S_COMMENT

// Module state.
extern MAPDEF SHELF;               // the current element
extern glue::Catalogue MAPFILE;    // the map file's glue parameters and state
extern isam::IsamFileBlockPtr& PE; // its fileblock
extern std::int32_t& SMAXREC;      // used-record count, refreshed on open and close

// Cuts every field's length byte to the field's size (a damaged record read
// from disk must not reach past its field).
void CHECKRECORD(MAPDEF& rec);

// Builds key 1..3 of a record (key 1 without the record number).
std::string BUILDKEY(const MAPDEF& rec, int keyNr);
// The part of key 1..3 the record decides: key 1 without its random digits
// and record number. Two records with the same KEYBASE keep their entries.
std::string KEYBASE(const MAPDEF& rec, int keyNr);

// Field 1..18 in record order (S_ID .. S_COMMENT), as stored; a text set
// into a field is cut to the field's length.
std::string_view FieldText(const MAPDEF& rec, int field);
void SetField(MAPDEF& rec, int field, std::string_view text);

// The 18 fields of an exchange line by the separator's rules for empty and
// missing fields, each as a record holds it: trailing blanks removed, except
// from the thickness, the label and the floor, which are taken as they
// stand (the single blank written for an empty one reads as empty).
std::array<std::string, 18> LineFields(std::string_view line);
// Fills a record laid out like a map element (MAPDEF, or the help picture's
// SHELFDEF) from an exchange line; each field is cut to the record's size.
template <class Record>
void ReadLineInto(std::string_view line, Record& rec) {
  const std::array<std::string, 18> f = LineFields(line);
  rec.S_ID = f[0];
  rec.S_DPT = f[1];
  rec.S_SEAS = f[2];
  rec.S_X = f[3];
  rec.S_Y = f[4];
  rec.S_LENGTH = f[5];
  rec.S_WIDTH = f[6];
  rec.S_ANGLE = f[7];
  rec.S_COLOR = f[8];
  rec.S_STYLE = f[9];
  rec.S_FILL = f[10];
  rec.S_THICK = f[11];
  rec.S_IFLABEL = f[12];
  rec.S_BCOLOR = f[13];
  rec.S_SIZE = f[14];
  rec.S_MAPLABEL = f[15];
  rec.S_FLOOR = f[16];
  rec.S_COMMENT = f[17];
}
// One exchange line -> a record (DEL 0).
MAPDEF ParseLine(std::string_view line);
// A record -> one exchange line (each field as stored, each followed by "|").
std::string FormatLine(const MAPDEF& rec);

// File glue (see isam/glue.h for the behaviour). SETUPM rebuilds the file
// from data\Shelves.txt when it cannot be opened (a first start included).
void SETUPM();
void RELEASEM();  // closes the file and ends the store SETUPM started
bool OPENEDFILES();
void OPENITM();
void CLOSEITM();
bool CREATEFILE();
bool ADDKEY(std::string_view key, std::int32_t refNr, int keyNr);
// Adds SHELF with its three keys; false when the record or a key failed.
bool NEWSTRUCTURE();

// The rebuild of the open loop: every index built afresh from the data file
// (no record is lost), then data\Shelves.txt refreshed; when there is no
// data file, the file is made afresh from data\Shelves.txt.
bool REBUILD();
// The shopper side's repair: every index rebuilt from the data file, and
// nothing else (data\Shelves.txt is never written).
bool REPAIR();

// Adds one element per line of data\Shelves.txt to the open file; returns
// the number added (an element whose key is refused stays in the file).
// complete (when given) tells whether every line read reached the file.
int IMPORTLINES(bool* complete = nullptr);
// Writes every live element to data\Shelves.txt, replacing the old file
// whole; false (the old file kept) if it cannot be written.
bool SHELVES1();
// True when data\Shelves.txt exists and holds at least one line that is not
// blank: a new map file may be made from it.
bool EXCHANGEHOLDSLINES();
// Replaces the map file by a fresh one filled from data\Shelves.txt, built
// beside the old one and swapped in when every element is in it.
bool TESTNEW();

// Restores the module's start state, the map editor's included (tests).
void ResetForTest();

}  // namespace editmap
