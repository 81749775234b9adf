// The configuration editor over the default installation's language files:
// what each key sequence leaves in lang\config.txt.
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "common/atomicfile.h"
#include "screen/keys.h"
#include "shell/editcfg.h"
#include "tests/shell/shell_fixture.h"

namespace {

namespace fs = std::filesystem;

// The demo store's configuration as the file holds it (line 14 scrambled).
const std::vector<std::string> kDemo = {
    "150",     "300",         "1",         "KIOSK-01",    "English",  "20",       "HIDDEN",
    "2",       "Demo Market", "12 Harbour Street", "Brighton", "East Sussex", "shop2026", "2>1>8:-h"};

class EditorTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    fs::copy(SourceDir() / "install" / "lang", folder_ / "lang",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::copy_file(SourceDir() / "install" / "data" / "lang2.txt", folder_ / "data" / "lang2.txt",
                  fs::copy_options::overwrite_existing);
    Write("lang/config.txt", kDemo);
    screen::LANGUAGE2 = 1;
    before_ = Bytes();
  }

  std::string Bytes() const { return ReadFile("lang/config.txt"); }

  // The configuration's lines (CR LF ends).
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    const std::string all = Bytes();
    std::size_t from = 0;
    for (std::size_t end; (end = all.find("\r\n", from)) != std::string::npos; from = end + 2)
      lines.push_back(all.substr(from, end - from));
    EXPECT_EQ(from, all.size()) << "the last line has no line end";
    return lines;
  }

  // kDemo with line n (1-based) replaced.
  static std::vector<std::string> DemoWith(std::initializer_list<std::pair<int, std::string>> changes) {
    std::vector<std::string> lines = kDemo;
    for (const auto& [n, text] : changes) lines[n - 1] = text;
    return lines;
  }

  // Menu 56 "change", the password, the keys for menu 3 and its answers,
  // then Pause on menu 3 (save) or, with save false, Escape.
  void Edit(const std::string& password, const std::string& keys, bool save = true) {
    Keys("a" + password + "\r" + keys);
    if (save)
      Code(kPause);
    else
      Keys("\x1b");
    editcfg::EDITCONFIG();
  }
  // A setting's key, then its answer typed over the current one (Ctrl+Home
  // with the cursor at the end clears the answer).
  static std::string Set(char key, const std::string& answer) {
    return std::string(1, key) + kClear + answer + "\r";
  }
  static inline const std::string kClear{"\0w", 2};  // Ctrl+Home: 0 then 119
  std::string before_;
};

TEST_F(EditorTest, EscapeLeavesTheFileAsItWasAndPauseSavesIt) {
  Edit("shop2026", Set('c', "2"), false);
  EXPECT_EQ(Bytes(), before_) << "Escape wrote the file";
  EXPECT_EQ(openErrors_, 0);

  Edit("shop2026", Set('c', "2"));
  EXPECT_EQ(Lines(), DemoWith({{3, "2"}}));  // line 14 still scrambled
  EXPECT_EQ(openErrors_, 0);
}

TEST_F(EditorTest, WrongPasswordReturnsToTheMenuAndChangesNothing) {
  Keys("a" "shop2025\r" "b");  // the menu again, then "leave"
  editcfg::EDITCONFIG();
  EXPECT_EQ(Bytes(), before_);
  EXPECT_EQ(openErrors_, 0) << "a wrong password shows no message";
  // Escape at the password leaves the editor.
  Keys("a" "\x1b");
  editcfg::EDITCONFIG();
  EXPECT_EQ(Bytes(), before_);
}

TEST_F(EditorTest, EverySettingOfTheMenuIsSaved) {
  const std::string excluded(120, 'X');  // longer than a plain question takes
  Edit("|7|3|7|3|", Set('a', "12.5") + Set('b', " 40") + Set('g', "3") + Set('c', "3") +
                        Set('d', "KIOSK-07") + Set('e', "English French") + Set('f', "98") +
                        Set('h', excluded) + Set('i', "") + Set('j', "new secret"));
  kiosk::Str255 scrambled("new secret");
  screen::ENCRYPT(scrambled, 255);
  EXPECT_EQ(Lines(), DemoWith({{1, "12.5"},
                               {2, " 40"},
                               {3, "3"},
                               {4, "KIOSK-07"},
                               {5, "English French"},
                               {6, "98"},
                               {7, excluded},
                               {8, "3"},
                               {13, ""},
                               {14, std::string(scrambled.view())}}));
  // The new passwords are the ones asked from now on.
  Keys("\r");
  EXPECT_TRUE(editcfg::GETPASSWORD(1));
  Keys("new secret\r");
  EXPECT_TRUE(editcfg::GETPASSWORD(2));
  EXPECT_EQ(cfgfiles::FLOORX, 3);
  EXPECT_EQ(cfgfiles::WHEREISX, 12.5);
}

TEST_F(EditorTest, NumbersTheKioskCouldNotReadAreRefusedAndAskedAgain) {
  // Each refusal shows its message for 5 seconds (counted as openErrors_).
  Edit("shop2026", "c" + kClear + "x\r"  // not a number (read as 0, below 1)
                   "\x08" "1.5\r"      // not a whole number
                   "\x08\x08\x08" "3\r"  // above the number of floors (2)
                   "\x08" "2\r"
                   "a" + kClear + "12,5\r"  // a decimal comma
                   "\x08\x08\x08\x08" "-4\r"  // below 0
                   "\x08\x08" "7e1\r"
                   "f" + kClear + "99\r"  // above 98
                   "\x08" "\r"         // 9 is allowed
                   "g" + kClear + "\r");  // left empty: kept
  EXPECT_EQ(openErrors_, 6);
  EXPECT_EQ(Lines(), DemoWith({{1, "7e1"}, {3, "2"}, {6, "9"}}));
}

TEST_F(EditorTest, AShortFileIsWrittenWithAllFourteenLines) {
  Write("lang/config.txt", {"150", "300", "1", "KIOSK-01", "English", "20", "HIDDEN", "2"});
  Edit("", Set('d', "K2"));  // no staff password in the file: an empty entry opens it
  EXPECT_EQ(Lines(), (std::vector<std::string>{"150", "300", "1", "K2", "English", "20", "HIDDEN", "2",
                                               "", "", "", "", "", ""}));
}

TEST_F(EditorTest, ListShowsEveryValueAtItsPlace) {
  Write("lang/config.txt", DemoWith({{7, ""}}));  // no excluded words
  editcfg::TESTNEWCFGM();
  screen::FRAME4();
  editcfg::LISTCFGDEFM();
  for (int y : {300, 330, 360, 390, 420, 450, 480, 540, 570, 630, 660, 690, 720})
    EXPECT_GT(Count(600, y - 2, 900, y + 30, kYellow), 10) << "no value at y " << y;
  EXPECT_EQ(Count(600, 510, 900, 535, kYellow), 0) << "a value where the excluded words are empty";
  EXPECT_EQ(openErrors_, 0);
}

// Fails the configuration's write, or kills the process as it renames the
// new file over the old one.
class FailingEnv : public kiosk::AtomicEnv {
 public:
  bool kill = false;
  ssize_t Write(int fd, const void* b, std::size_t n) override {
    if (kill) return AtomicEnv::Write(fd, b, n);
    errno = ENOSPC;  // the disk is full
    return -1;
  }
  int Rename(const std::string& from, const std::string& to) override {
    if (kill) ::_exit(9);
    return AtomicEnv::Rename(from, to);
  }
};

int FilesIn(const fs::path& folder) {
  return static_cast<int>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST_F(EditorTest, ASaveThatFailsKeepsTheOldFileAndSaysSo) {
  const int files = FilesIn(folder_ / "lang");
  FailingEnv full;
  kiosk::SetAtomicEnv(&full);
  Edit("shop2026", Set('d', "KIOSK-07"));
  kiosk::SetAtomicEnv(nullptr);
  EXPECT_EQ(Bytes(), before_);
  EXPECT_EQ(FilesIn(folder_ / "lang"), files) << "a temporary file was left";
  EXPECT_EQ(openErrors_, 1) << "the failure was not shown for 5 seconds";

  // Killed at the moment of the swap: the old file is there, whole.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    FailingEnv killer;
    killer.kill = true;
    kiosk::SetAtomicEnv(&killer);
    editcfg::TESTNEWCFGM();
    editcfg::MACHINENO = "KIOSK-07";
    editcfg::WRITECFG();
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 9);
  EXPECT_EQ(Bytes(), before_);
  EXPECT_TRUE(editcfg::WRITECFG());  // unharmed, it saves
}

}  // namespace
