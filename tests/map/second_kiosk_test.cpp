// Two kiosks on one working folder: the first holds the files, and the
// second, refused at every open, changes nothing (no rebuild, no copies
// left beside the files) and says so when it cannot log a word.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "storedc_fixture.h"
#include "tests/support/files.h"

namespace fs = std::filesystem;

namespace {

class SecondKioskTest : public SearchTest {
 protected:
  // Every file of data\ with its bytes.
  std::map<std::string, std::string> DataFiles() const {
    std::map<std::string, std::string> out;
    for (const auto& e : fs::directory_iterator(folder_ / "data"))
      out[e.path().filename().string()] = testsupport::ReadFile(e.path().string());
    return out;
  }
};

TEST_F(SecondKioskTest, ASecondKioskChangesNothingAndReportsTheWordItCannotLog) {
  Products({"BREAD", "MILK"});
  ASSERT_TRUE(editnot::SETUPN());  // the log exists
  glue::RELEASE(editnot::NOTFILE);
  // The first kiosk holds both files open until the pipe closes.
  int ready[2], done[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(done), 0);
  const pid_t first = ::fork();
  ASSERT_GE(first, 0);
  if (first == 0) {
    ::close(ready[0]);
    ::close(done[1]);
    isam::ResetForTest();
    isam::BTInitIsam(isam::NoNet, 16);
    isam::IsamFileBlockPtr products = nullptr, log = nullptr;
    isam::BTOpenFileBlock(products, "data\\products");
    const bool held = isam::IsamOK;
    isam::BTOpenFileBlock(log, "data\\NotFound");
    const char ok = held && isam::IsamOK ? 'y' : 'n';
    (void)!::write(ready[1], &ok, 1);
    char c;
    (void)!::read(done[0], &c, 1);
    ::_exit(0);
  }
  ::close(ready[1]);
  ::close(done[0]);
  char ok = 0;
  ASSERT_EQ(::read(ready[0], &ok, 1), 1);
  ASSERT_EQ(ok, 'y');
  const auto before = DataFiles();

  // The second kiosk logs a word that found nothing, and opens for a search.
  std::vector<std::string> told;
  auto shown = editnot::NOTFILE.tell;
  editnot::NOTFILE.tell = [&](std::string_view text) {
    told.emplace_back(text);
    shown(text);
  };
  editnot::EDITPRODNOT("zzzz");
  editnot::NOTFILE.tell = shown;
  EXPECT_TRUE(std::any_of(told.begin(), told.end(),
                          [](const std::string& t) { return t.find("zzzz") != std::string::npos; }))
      << "the word that could not be logged was not reported";
  storedc::SETUP();
  editprod::RELEASE();
  EXPECT_TRUE(DataFiles() == before);

  ::close(done[1]);
  int status = 0;
  ::waitpid(first, &status, 0);
  ::close(ready[0]);
  EXPECT_TRUE(DataFiles() == before);
  EXPECT_TRUE(LogEntries().empty());
}

}  // namespace
