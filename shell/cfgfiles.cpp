#include "shell/cfgfiles.h"

#include <cctype>
#include <string>

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

namespace {

constexpr const char* kConfigFile = "lang\\config.txt";

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

std::int32_t TextToInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return 0;
  text = kiosk::TrimRight(text);
  if (i >= text.size()) return 0;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return 0;
    value = value * 10 + (text[i] - '0');
    if (value > 2147483648LL) return 0;
  }
  if (negative) value = -value;
  if (value > 2147483647LL) return 0;
  return static_cast<std::int32_t>(value);
}

void TESTNEWCFG(double& x, double& y, std::int32_t& floor) {
  kiosk::TextFile f;
  if (!f.Open(kConfigFile)) return;  // keep every value; no message
  Str255* lines[14] = {&WHEREXS, &WHEREYS,     &FLOORXS,   &MACHINENO,   &LANGS,
                       &FLIMITS, &EXCLUDE,     &NOOFFLOORSS, &STORENAME, &STORECITY,
                       &STORESTREET, &STORESTATE, &SIMPLEPW, &STRONGPW};
  for (Str255* line : lines) *line = f.ReadLine();  // past the end: empty
  screen::ENCRYPT(STRONGPW, 255);                    // the file holds it scrambled
  f.Close();

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
  for (Str255* s : {&WHEREXS, &WHEREYS, &FLOORXS, &MACHINENO, &LANGS, &FLIMITS, &EXCLUDE,
                    &NOOFFLOORSS, &STORENAME, &STORECITY, &STORESTREET, &STORESTATE, &SIMPLEPW,
                    &STRONGPW})
    s->clear();
}

}  // namespace cfgfiles
