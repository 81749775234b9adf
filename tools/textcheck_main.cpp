// textcheck INSTALLDIR: checks the language files of an installation and
// prints one line per problem. Exit 0 when all is well, 1 otherwise.
#include <cstdio>

#include "common/cmdline.h"
#include "common/cp1252.h"
#include "tools/textcheck.h"

constexpr const char* kHelp =
    "usage: textcheck INSTALLDIR\n\n"
    "Checks the language files under INSTALLDIR/lang in all five languages:\n"
    "every family present, line counts, menus, forms and question texts.\n"
    "Prints one line per problem; exit 0 when there is none, 1 otherwise.\n";

int main(int argc, char** argv) {
  if (kiosk::AnsweredHelp(argc, argv, kHelp)) return 0;
  if (argc != 2) {
    std::fprintf(stderr, "usage: textcheck INSTALLDIR\n");
    return 1;
  }
  auto problems = textcheck::CheckInstallation(argv[1]);
  for (const auto& p : problems) std::printf("%s\n", kiosk::Cp1252ToUtf8(p).c_str());  // texts are quoted as found
  return problems.empty() ? 0 : 1;
}
