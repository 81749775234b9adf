#include "tests/testing/kiosk_fixture.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "common/clock.h"
#include "editors/editnot.h"
#include "editors/prodfile.h"
#include "graph/graph.h"
#include "graph/keyboard.h"
#include "isam/dberrors.h"
#include "isam/glue.h"
#include "isam/isam.h"
#include "map/editzone.h"
#include "map/help1.h"
#include "map/locate.h"
#include "map/mapfile.h"
#include "map/render.h"
#include "map/storedc.h"
#include "map/zones.h"
#include "screen/primitives.h"
#include "screen/quesans2.h"
#include "screen/secalc4.h"
#include "screen/writescreen.h"
#include "shell/cfgfiles.h"
#include "shell/editcfg.h"
#include "shell/langs.h"
#include "shell/mainloop.h"

namespace kiosk_test {

void ResetAllModules() {
  graph::ResetForTest();
  graph::ResetKeyQueue();
  screen::ResetForTest();
  quesans2::ResetForTest();
  secalc4::ResetForTest();
  writescreen::ResetForTest();
  cfgfiles::ResetForTest();
  editcfg::ResetForTest();
  langs::ResetForTest();
  shell::ResetForTest();
  isam::ResetForTest();
  dberrors::ResetForTest();
  glue::PROGRESS = nullptr;
  editprod::ResetForTest();
  editnot::ResetForTest();
  editmap::ResetForTest();
  zones::ResetForTest();
  mapview::ResetForTest();
  dispmap::ResetForTest();
  storedc::ResetForTest();
  editzone::ResetForTest();
  help1::ResetForTest();
}

void KioskTest::SetUp() {
  kiosk::clock::UseVirtualTime(true);
  ResetAllModules();
  scratch_.Make({"lang", "data", "fixtures"});
  folder_ = scratch_.path();
  graph::SetKeyDemandHook([this](bool blocking) { Feed(blocking); });
  graph::UseHeadless(1024, 768);
  if (FixtureOpensWindow()) {
    screen::INIT(3, 12);
    ASSERT_TRUE(graph::GraphEnabled());
  }
}

void KioskTest::TearDown() {
  EXPECT_FALSE(ranOutOfKeys_) << "the code read more keys than the test listed";
  EXPECT_TRUE(pending_.empty()) << pending_.size() << " listed keys were never read";
  graph::SetKeyDemandHook(nullptr);
  if (graph::GraphEnabled()) graph::CloseGraph();
  ResetAllModules();
  kiosk::clock::Reset();
  scratch_.Remove();
}

void KioskTest::Write(const std::string& rel, const std::vector<std::string>& lines) const {
  std::ofstream out(folder_ / rel, std::ios::binary);
  for (const std::string& l : lines) out << l << "\r\n";
}

void KioskTest::WriteFile(const std::string& rel, const std::string& bytes) const {
  std::ofstream(folder_ / rel, std::ios::binary) << bytes;
}

std::string KioskTest::ReadFile(const std::string& rel) const {
  std::ifstream in(folder_ / rel, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::filesystem::path KioskTest::SourceDir() {
  const char* env = std::getenv("KIOSK_SOURCE_DIR");
  return env ? std::filesystem::path(env)
             : std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
}

void KioskTest::UseInstalledLanguages() const {
  const std::filesystem::path src = SourceDir();
  std::filesystem::copy(src / "install" / "lang", folder_ / "lang",
                        std::filesystem::copy_options::overwrite_existing |
                            std::filesystem::copy_options::recursive);
  std::filesystem::copy(src / "install" / "data" / "lang2.txt", folder_ / "data" / "lang2.txt",
                        std::filesystem::copy_options::overwrite_existing);
}

void KioskTest::Keys(const std::string& chars) {
  for (char c : chars) pending_.push_back(std::string(1, c));
}

void KioskTest::Code(std::uint8_t code) {
  pending_.push_back(std::string(1, '\0') + static_cast<char>(code));
}

void KioskTest::Feed(bool blocking) {
  if (!blocking && !FeedsPolls()) return;
  if (pending_.empty()) {
    if (!blocking) return;
    ranOutOfKeys_ = true;
    if (++runOuts_ > 20) {
      ADD_FAILURE() << "the code never stopped waiting for keys";
      std::_Exit(1);
    }
    OnKeysRunOut();
    if (pending_.empty()) return;
  }
  for (char c : pending_.front()) graph::PushChar(c);
  pending_.pop_front();
}

bool KioskTest::Is(int x, int y, int n) {
  return graph::GetPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)) ==
         screen::ColorValue(n);
}

int KioskTest::Count(int x1, int y1, int x2, int y2, int n) {
  int count = 0;
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x) count += Is(x, y, n);
  return count;
}

}  // namespace kiosk_test
