#include "shell/cfgfiles.h"

#include <cctype>
#include <string>

#include "common/atomicfile.h"
#include "common/hostpath.h"
#include "common/text.h"
#include "common/textfile.h"
#include "graph/keyboard.h"
#include "screen/primitives.h"

namespace cfgfiles {

double WHEREISX = 0, WHEREISY = 0;
std::int32_t FLOORX = 0, FLIMITI = 0, NOOFFLOORS = 0, LANG = 0;
Str255 WHEREXS, WHEREYS, FLOORXS, MACHINENO, LANGS, FLIMITS, EXCLUDE, NOOFFLOORSS, STORENAME,
    STORECITY, STORESTREET, STORESTATE, SIMPLEPW, STRONGPW;
double XFOUND = 0, YFOUND = 0;
std::int32_t TEST_FLAG = 0;
std::int32_t FLOOR1 = 0, FLOOR = 0, CFLOOR = 0;
std::int32_t REKEY_FLAG = 0;
std::int32_t HFLAG = 0, MOVE_FLAG = 0;
double XORRIG = 0, YORRIG = 0, NXORRIG = 0, NYORRIG = 0, NY2ORRIG = 0;
std::int32_t AORRIG = 0, NAORRIG = 0;

namespace {

// The language of line 5, used only while no language is chosen: the
// position of "ENG" in it, and when the line begins with it, the last other
// language named after it.
std::int32_t LanguageOfLine(std::string_view line) {
  std::string u = kiosk::UpperAscii(line);
  std::size_t eng = u.find("ENG");
  std::int32_t lang = eng == std::string::npos ? 0 : static_cast<std::int32_t>(eng + 1);
  if (lang == 1) {
    if (u.find("FRE") != std::string::npos) lang = 2;
    if (u.find("ITA") != std::string::npos) lang = 3;
    if (u.find("SPA") != std::string::npos) lang = 4;
    if (u.find("POR") != std::string::npos) lang = 5;
  }
  return lang;
}

}  // namespace

bool ReadWhole(std::string_view text, std::int32_t& n) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  text = kiosk::TrimRight(text);
  if (i >= text.size()) return false;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    value = value * 10 + (text[i] - '0');
    if (value > 2147483648LL) return false;
  }
  if (negative) value = -value;
  if (value > 2147483647LL) return false;
  n = static_cast<std::int32_t>(value);
  return true;
}

std::int32_t TextToInteger(std::string_view text) {
  std::int32_t n = 0;
  return ReadWhole(text, n) ? n : 0;
}

bool ReadConfigLines(ConfigLines& lines) {
  kiosk::TextFile f;
  if (!f.Open(kConfigFile)) return false;
  for (Str255& line : lines) line = f.ReadLine();  // past the end: empty
  screen::ENCRYPT(lines[kConfigLines - 1], 255);  // the file holds it scrambled
  return true;
}

bool WriteConfigLines(const ConfigLines& lines) {
  std::string contents;
  for (int i = 0; i < kConfigLines; ++i) {
    Str255 line = lines[i];
    if (i == kConfigLines - 1) screen::ENCRYPT(line, 255);
    contents += line.view();
    contents += "\r\n";
  }
  return kiosk::WriteFileAtomic(kiosk::HostPath(kConfigFile), contents);
}

void TESTNEWCFG(double& x, double& y, std::int32_t& floor) {
  ConfigLines read;
  if (!ReadConfigLines(read)) return;  // keep every value; no message
  Str255* lines[kConfigLines] = {&WHEREXS, &WHEREYS,     &FLOORXS,   &MACHINENO,   &LANGS,
                                 &FLIMITS, &EXCLUDE,     &NOOFFLOORSS, &STORENAME, &STORECITY,
                                 &STORESTREET, &STORESTATE, &SIMPLEPW, &STRONGPW};
  for (int i = 0; i < kConfigLines; ++i) *lines[i] = read[i];

  screen::STRINGTOREAL(WHEREXS.view(), WHEREISX);
  screen::STRINGTOREAL(WHEREYS.view(), WHEREISY);
  FLOORX = TextToInteger(FLOORXS.view());
  FLIMITI = TextToInteger(FLIMITS.view());
  NOOFFLOORS = TextToInteger(NOOFFLOORSS.view());

  screen::NAMEADDR[1] = STORENAME;
  screen::NAMEADDR[2] = STORESTREET;  // line 11
  screen::NAMEADDR[3] = STORECITY;    // line 10
  screen::NAMEADDR[4] = STORESTATE;

  x = WHEREISX;
  y = WHEREISY;
  floor = FLOORX;

  if (screen::LANGUAGE2 != 0) LANG = screen::LANGUAGE2;
  if (LANG == 0) LANG = LanguageOfLine(LANGS.view());

  graph::Delay(50);
}

void ResetForTest() {
  WHEREISX = WHEREISY = XFOUND = YFOUND = 0;
  FLOORX = FLIMITI = NOOFFLOORS = LANG = TEST_FLAG = 0;
  FLOOR1 = FLOOR = CFLOOR = REKEY_FLAG = HFLAG = MOVE_FLAG = AORRIG = NAORRIG = 0;
  XORRIG = YORRIG = NXORRIG = NYORRIG = NY2ORRIG = 0;
  for (Str255* s : {&WHEREXS, &WHEREYS, &FLOORXS, &MACHINENO, &LANGS, &FLIMITS, &EXCLUDE,
                    &NOOFFLOORSS, &STORENAME, &STORECITY, &STORESTREET, &STORESTATE, &SIMPLEPW,
                    &STRONGPW})
    s->clear();
}

}  // namespace cfgfiles
