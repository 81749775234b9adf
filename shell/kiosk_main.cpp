// The kiosk program, started in its working folder.
#include "common/cmdline.h"
#include "shell/kiosk.h"

constexpr const char* kHelp =
    "usage: kiosk\n\n"
    "The store's product-locator kiosk, full screen, started in its working\n"
    "folder (lang/, data/, fixtures/, docs/; make one with kiosk-setup). It\n"
    "takes no options: everything is set in lang/config.txt and from the\n"
    "staff menu. Ends with exit code 0 when staff quit it.\n";

int main(int argc, char** argv) {
  if (kiosk::AnsweredHelp(argc, argv, kHelp)) return 0;
  return shell::KioskMain();
}
