// The screen toolkit's tests on the kiosk fixture: a headless 1024x768
// window opened with INIT in virtual time, and a scratch working folder for
// picture files.
#pragma once

#include <filesystem>
#include <string>

#include "common/clock.h"
#include "graph/graph.h"
#include "graph/keyboard.h"
#include "screen/primitives.h"
#include "tests/testing/kiosk_fixture.h"

namespace primitives_test {

using PrimitivesTest = kiosk_test::KioskTest;
using kiosk_test::kBlack;
using kiosk_test::kGreen;
using kiosk_test::kRed;
using kiosk_test::kWhite;
using kiosk_test::kYellow;

}  // namespace primitives_test
