// kiosk-admin: the utilities' file work for scripts (see tools/admin.h).
#include <iostream>
#include <string>
#include <vector>

#include "tools/admin.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return admin::Run(args, std::cout, std::cerr);
}
