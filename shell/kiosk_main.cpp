// The kiosk program, started in its working folder.
#include "shell/kiosk.h"

int main() { return shell::KioskMain(); }
