// textcheck INSTALLDIR: checks the language files of an installation and
// prints one line per problem. Exit 0 when all is well, 1 otherwise.
#include <cstdio>

#include "tools/textcheck.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: textcheck INSTALLDIR\n");
    return 1;
  }
  auto problems = textcheck::CheckInstallation(argv[1]);
  for (const auto& p : problems) std::printf("%s\n", p.c_str());
  return problems.empty() ? 0 : 1;
}
