// The layout size from lang\layout.txt: a size, the desktop's, or the
// default 1920 x 1080 for a missing file or a line that names no size; the
// kiosk's start draws at it whatever the desktop.
#include "shell/layout.h"

#include "tests/shell/shell_fixture.h"

namespace {

bool Is(shell::LayoutSize s, int w, int h) { return s.width == w && s.height == h; }

}  // namespace

TEST(LayoutSize, TheFirstLineNamesASizeOrTheDesktop) {
  using shell::ReadLayoutSize;
  EXPECT_TRUE(Is(ReadLayoutSize("1920x1080"), 1920, 1080));
  EXPECT_TRUE(Is(ReadLayoutSize(" 1280X1024 "), 1280, 1024));
  EXPECT_TRUE(Is(ReadLayoutSize("desktop"), 0, 0));
  EXPECT_TRUE(Is(ReadLayoutSize("Desktop"), 0, 0));
  for (const char* bad : {"", "1920", "1920x", "x1080", "1920*1080", "1920x1080p", "100x100",
                          "99999x1080", "-1920x1080", "big"})
    EXPECT_TRUE(Is(ReadLayoutSize(bad), 1920, 1080)) << bad;
}

TEST_F(ShellTest, TheKioskStartsAtTheLayoutSizeOfItsInstallation) {
  graph::CloseGraph();
  graph::UseHeadless(1366, 768);
  // No file: the size the bundled language files are laid out for.
  shell::USELAYOUT();
  screen::INIT(3, 12);
  EXPECT_EQ(screen::MAXX, 1919);
  EXPECT_EQ(screen::MAXY, 1079);
  graph::CloseGraph();
  Write("lang/layout.txt", {"1024x768", "the rest is not read"});
  shell::USELAYOUT();
  screen::INIT(3, 12);
  EXPECT_EQ(screen::MAXX, 1023);
  EXPECT_EQ(screen::MAXY, 767);
  graph::CloseGraph();
  Write("lang/layout.txt", {"desktop"});
  shell::USELAYOUT();
  screen::INIT(3, 12);
  EXPECT_EQ(screen::MAXX, 1365);
  EXPECT_EQ(screen::MAXY, 767);
}
