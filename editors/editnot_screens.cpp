// The log's shared screen steps.
#include "editors/editnot_screens.h"

#include "graph/graph.h"
#include "screen/primitives.h"
#include "screen/prompt.h"
#include "shell/langs.h"

namespace editnot {

std::string Text(std::string_view family, int line) {
  screen::TEMP.clear();
  langs::GETEXACT(family, line);
  return screen::TEMP.str();
}

void TellText(int line) { screen::SHOWMESSAGE(Text("edn10", line)); }

void LOGFRAME() {
  screen::FRAME4();
  screen::COLORS1(250);
  graph::Rectangle(0, 0, static_cast<std::int16_t>(screen::MAXX), 400);
}

bool CONFIRMED(int question) {
  if (!langs::PASSWORDOK(1)) return false;
  return screen::ASKYESNO(Text("edn10", question));
}

}  // namespace editnot
