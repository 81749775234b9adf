// Feeding a key script to the kiosk on demand.
#include "graph/headless_runner.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "common/clock.h"
#include "common/hostpath.h"
#include "graph/graph.h"
#include "graph/shown.h"
#include "graph/keyboard.h"

namespace graph {
namespace {

class Feeder {
 public:
  Feeder(const HeadlessOptions& o, std::function<void(int)> finish)
      : steps_(o.steps), shotDir_(o.shotDir), holdFile_(o.holdFile), finish_(std::move(finish)),
        shownWidth_(o.shotsAsShown ? o.width : 0), shownHeight_(o.shotsAsShown ? o.height : 0) {
    headSince_ = kiosk::clock::NowMs();
  }

  // The kiosk asks for a key and the queue is empty.
  void Demand(bool blocking) {
    while (pos_ < steps_.size()) {
      const ScriptStep& s = steps_[pos_];
      if (s.kind == ScriptStep::kWait) {
        std::int64_t end = headSince_ + s.ms, now = kiosk::clock::NowMs();
        if (now < end) {
          if (!blocking) return;
          // Nothing can happen while the kiosk waits for a key: jump ahead.
          kiosk::clock::AdvanceVirtual(end - now);
        }
        Advance();
        continue;
      }
      if (s.kind == ScriptStep::kShot) {
        Shot(s.name);
        Advance();
        continue;
      }
      Advance();
      if (s.bytes.empty()) continue;
      for (char c : s.bytes) PushChar(c);
      return;
    }
    // Used up. A kiosk that only polls (an animation waiting for any key)
    // is waiting too, once it has polled for a minute of its own time.
    std::int64_t now = kiosk::clock::NowMs();
    if (!blocking && idleSince_ < 0) idleSince_ = now;
    if (blocking || now - idleSince_ >= kIdlePollMs) {
      Hold();
      Shot("final");
      finish_(0);
    }
  }

 private:
  void Advance() {
    ++pos_;
    headSince_ = kiosk::clock::NowMs();
  }

  void Hold() {
    if (holdFile_.empty()) return;
    { std::ofstream(holdFile_) << "held\n"; }
    for (long waited = 0; std::filesystem::exists(holdFile_) && waited < kHoldLimitMs; waited += 20)
      ::usleep(20000);
  }

  void Shot(const std::string& name) {
    if (shotDir_.empty()) return;
    std::string path = (std::filesystem::path(shotDir_) / (name + ".bmp")).string();
    const bool saved = shownWidth_ > 0 ? SaveShownScreenBmp(path, shownWidth_, shownHeight_) : SaveScreenBmp(path);
    if (!saved) std::cerr << "kiosk-headless: cannot save " << path << "\n";
  }

  std::vector<ScriptStep> steps_;
  std::string shotDir_;
  std::string holdFile_;
  std::function<void(int)> finish_;
  int shownWidth_, shownHeight_;  // 0: shots as drawn
  static constexpr std::int64_t kIdlePollMs = 60000;
  std::size_t pos_ = 0;
  std::int64_t headSince_ = 0;
  std::int64_t idleSince_ = -1;
};

std::string Absolute(const std::string& p) {
  if (p.empty()) return p;
  std::error_code ec;
  auto a = std::filesystem::absolute(p, ec);
  return ec ? p : a.lexically_normal().string();
}

}  // namespace

int RunHeadless(const HeadlessOptions& options, const std::function<int()>& kioskMain,
                std::function<void(int)> finish) {
  HeadlessOptions o = options;
  o.shotDir = Absolute(o.shotDir);
  o.holdFile = Absolute(o.holdFile);
  if (!o.shotDir.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(o.shotDir, ec);
  }
  if (!o.workDir.empty()) {
    std::string dir = Absolute(o.workDir);
    if (chdir(dir.c_str()) != 0) std::cerr << "kiosk-headless: cannot enter " << dir << "\n";
    kiosk::SetWorkFolder(dir);
  }
  if (!finish)
    finish = [](int code) {
      std::fflush(nullptr);
      std::exit(code);
    };
  UseHeadless(o.width, o.height);
  kiosk::clock::UseVirtualTime(true);
  auto feeder = std::make_shared<Feeder>(o, std::move(finish));
  SetKeyDemandHook([feeder](bool blocking) { feeder->Demand(blocking); });
  int rc = kioskMain();
  SetKeyDemandHook(nullptr);
  return rc;
}

bool ParseHeadlessArgs(int argc, const char* const* argv, HeadlessOptions& o, std::string& error) {
  std::string keys;
  bool haveDir = false, haveKeys = false;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (i + 1 >= argc) {
      error = "missing value after " + a;
      return false;
    }
    std::string v = argv[++i];
    if (a == "--dir") {
      o.workDir = v;
      haveDir = true;
    } else if (a == "--keys") {
      keys = v;
      haveKeys = true;
    } else if (a == "--shots") {
      o.shotDir = v;
    } else if (a == "--hold") {
      o.holdFile = v;
    } else if (a == "--size" || a == "--shown") {
      int w = 0, h = 0;
      char x = 0, extra = 0;
      if (std::sscanf(v.c_str(), "%d%c%d%c", &w, &x, &h, &extra) != 3 || (x != 'x' && x != 'X') || w < 1 ||
          h < 1 || w > 16384 || h > 16384) {
        error = "bad size " + v + " (want WxH)";
        return false;
      }
      o.width = w;
      o.height = h;
      o.shotsAsShown = a == "--shown";
    } else {
      error = "unknown option " + a;
      return false;
    }
  }
  if (!haveDir || !haveKeys) {
    error = "usage: kiosk-headless --dir WORKDIR --keys SCRIPT [--shots DIR] [--size WxH | --shown WxH] [--hold FILE]";
    return false;
  }
  std::stringstream text;
  if (keys == "-") {
    text << std::cin.rdbuf();
  } else {
    std::ifstream f(keys, std::ios::binary);
    if (!f) {
      error = "cannot read key script " + keys;
      return false;
    }
    text << f.rdbuf();
  }
  if (!ParseKeyScript(text.str(), o.steps, error)) {
    error = "key script: " + error;
    return false;
  }
  return true;
}

const char* const kHeadlessHelp =
    "usage: kiosk-headless --dir WORKDIR --keys SCRIPT [--shots DIR] [--size WxH | --shown WxH]\n"
    "                      [--hold FILE]\n"
    "\n"
    "Runs the kiosk in WORKDIR without a window, in virtual time, typing the keys\n"
    "of SCRIPT (\"-\": standard input) as the kiosk asks for them: characters as\n"
    "they stand, {ENTER} {ESC} {F1} {ALT+M} {PAUSE} ... for keys, {WAIT ms} to\n"
    "hold back what follows, {SHOT name} to save the screen as DIR/name.bmp.\n"
    "When the script is used up the screen is saved as DIR/final.bmp and the\n"
    "program ends with exit code 0; with --hold it first creates FILE and waits\n"
    "until FILE is removed. --size sets the desktop (default 1920x1080); the\n"
    "screens are drawn at the installation's layout size (lang/layout.txt) and\n"
    "shots show them so. --shown sets the desktop and saves the shots as the\n"
    "full-screen window on it shows them: scaled to fill, with black bars.\n";

}  // namespace graph
