// The headless runner: runs a kiosk main routine on the headless screen in
// virtual time, typing a key script into it one key at a time as the kiosk
// asks for keys, and saving screenshots on the way.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "graph/keyscript.h"

namespace graph {

struct HeadlessOptions {
  std::string workDir;  // the kiosk's working folder; "" keeps the current one
  std::string shotDir;  // where {SHOT} and final.bmp go; "" saves nothing
  int width = 1920, height = 1080;  // the desktop
  // Shots as the full-screen window on that desktop shows the screen
  // (scaled from the layout size, see SetLayoutSize) rather than as drawn.
  bool shotsAsShown = false;
  std::vector<ScriptStep> steps;
  // When the script is used up: create this file, then wait (real time, at
  // most kHoldLimitMs) until someone removes it before finishing, so that
  // other programs can meet the kiosk where the script left it (with its
  // files open). "" finishes at once.
  std::string holdFile;
};

inline constexpr long kHoldLimitMs = 300000;

// Runs kioskMain and returns its result. When the script is used up and the
// kiosk waits in ReadKey (or has polled KeyPressed for a minute of virtual
// time), saves final.bmp and calls finish(0), which by default ends the
// process with exit code 0.
int RunHeadless(const HeadlessOptions& options, const std::function<int()>& kioskMain,
                std::function<void(int)> finish = {});

// Parses the command line of kiosk-headless: --dir WORKDIR --keys SCRIPT
// [--shots DIR] [--size WxH | --shown WxH] [--hold FILE]; reads the script ("-" for
// standard input).
// False with a message on a bad command line or script.
bool ParseHeadlessArgs(int argc, const char* const* argv, HeadlessOptions& options, std::string& error);

// kiosk-headless --help.
extern const char* const kHeadlessHelp;

}  // namespace graph
