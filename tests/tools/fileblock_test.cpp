// The fileblock tool: golden transcripts (tests/tools/fileblock/*.txt) and
// the program itself.
//
// A transcript mixes inputs with the lines they must print:
//   "> LINE"          a line for `fileblock ops` (one session per transcript)
//   "$ CMD NAME [K]"  `fileblock check|keys|records`, then "exit N"
//   "@ size FILE"     the file's size; "@ hex FILE OFFSET LEN" its bytes;
//   "@ remove FILE"   deletes the file; "@ put FILE OFFSET XX ..." writes bytes
//   "#..." or empty   comments
// Every other line is an expected output line of the input above it.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/hostpath.h"
#include "isam/fileblock_ops.h"
#include "isam/fileblock_report.h"
#include "isam/isam.h"

namespace fs = std::filesystem;

namespace {

// Known at build time: the list of transcripts is needed when the tests are
// listed, before ctest sets any environment.
fs::path SourceDir() { return fs::path(KIOSK_TEST_SOURCE_DIR); }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) out.push_back(l);
  return out;
}

std::vector<std::string> Words(const std::string& s) {
  std::vector<std::string> w;
  std::istringstream in(s);
  for (std::string x; in >> x;) w.push_back(x);
  return w;
}

std::string FileFacts(const std::vector<std::string>& w) {
  const std::string path = kiosk::HostPath(w[1]);
  if (w[0] == "remove") return fs::remove(path) ? "" : "missing\n";
  if (w[0] == "put") {
    std::fstream f(path, std::ios::binary | std::ios::in | std::ios::out);
    f.seekp(std::stoll(w[2]));
    for (std::size_t i = 3; i < w.size(); ++i) f.put(static_cast<char>(std::stoi(w[i], nullptr, 16)));
    return f ? "" : "missing\n";
  }
  if (w[0] == "size") {
    std::error_code ec;
    auto n = fs::file_size(path, ec);
    return ec ? "missing\n" : std::to_string(n) + " bytes\n";
  }
  std::ifstream in(path, std::ios::binary);
  in.seekg(std::stoll(w[2]));
  std::string out;
  const long len = std::stol(w[3]);
  static const char hex[] = "0123456789ABCDEF";
  for (long i = 0; i < len; ++i) {
    int c = in.get();
    if (c == EOF) return out + (out.empty() || out.back() == '\n' ? "" : "\n") + "(end)\n";
    out += hex[c >> 4];
    out += hex[c & 15];
    out += (i % 16 == 15 || i == len - 1) ? '\n' : ' ';
  }
  return out;
}

// Runs the inputs of a transcript and returns it as it should read.
std::string Replay(const std::string& golden) {
  isam::OpsSession s;
  std::string actual;
  for (const std::string& line : Lines(golden)) {
    const bool input = line.rfind("> ", 0) == 0 || line.rfind("$ ", 0) == 0 ||
                       line.rfind("@ ", 0) == 0 || line == ">";
    if (!input && !line.empty() && line[0] != '#') continue;  // an expected line
    actual += line + '\n';
    if (line[0] == '>') {
      std::string r = isam::RunOpsLine(s, line.size() > 2 ? line.substr(2) : "");
      if (!r.empty()) actual += r + '\n';
    } else if (line[0] == '$') {
      std::vector<std::string> w = Words(line.substr(2));
      std::ostringstream out;
      int rc = 2;
      std::string name = w.size() > 1 ? isam::SystemFileBlockName(w[1]) : "";
      if (w[0] == "check") rc = isam::ReportCheck(name, out);
      if (w[0] == "records") rc = isam::ReportRecords(name, out, out);
      if (w[0] == "keys") rc = isam::ReportKeys(name, std::stoi(w[2]), out, out);
      actual += out.str() + "exit " + std::to_string(rc) + '\n';
    } else if (line[0] == '@') {
      actual += FileFacts(Words(line.substr(2)));
    }
  }
  return actual;
}

class FileblockToolTest : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    isam::ResetForTest();
    dir_ = fs::temp_directory_path() / ("fileblock_tool_" + std::to_string(::getpid()) + "_" +
                                        std::to_string(++counter_));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "data");
    kiosk::SetWorkFolder(dir_.string());
  }
  void TearDown() override {
    isam::ResetForTest();
    kiosk::SetWorkFolder(".");
    fs::remove_all(dir_);
  }
  fs::path dir_;
  static inline int counter_ = 0;
};

TEST_P(FileblockToolTest, TranscriptReplays) {
  std::ifstream in(SourceDir() / "tests/tools/fileblock" / GetParam());
  ASSERT_TRUE(in) << GetParam();
  std::stringstream golden;
  golden << in.rdbuf();
  EXPECT_EQ(Replay(golden.str()), golden.str());
}

std::vector<std::string> Transcripts() {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(SourceDir() / "tests/tools/fileblock", ec))
    if (e.path().extension() == ".txt") names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

INSTANTIATE_TEST_SUITE_P(Golden, FileblockToolTest, ::testing::ValuesIn(Transcripts()),
                         [](const auto& info) {
                           std::string n = info.param.substr(0, info.param.find('.'));
                           for (char& c : n)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return n;
                         });

TEST(FileblockOpsText, EscapesRoundTrip) {
  std::string out;
  ASSERT_TRUE(isam::UnescapeOpsText("a%20b%25c%00%ff", out));
  EXPECT_EQ(out, std::string("a b%c\0\xff", 7));
  EXPECT_EQ(isam::EscapeOpsKey(out), "a%20b%25c%00%FF");
  EXPECT_EQ(isam::EscapeOpsKey("!~\x7f"), "!~%7F");
  EXPECT_FALSE(isam::UnescapeOpsText("50%", out));
  EXPECT_FALSE(isam::UnescapeOpsText("%4", out));
  EXPECT_FALSE(isam::UnescapeOpsText("%G0", out));
}

#ifdef FILEBLOCK_PROGRAM
// The program: ops from standard input in the current folder, and the check
// command's exit status on a sound and on a damaged fileblock.
TEST_F(FileblockToolTest, ProgramRunsOpsAndCheck) {
  {
    std::ofstream script(dir_ / "script");
    script << "init 62\ncreate data/t 30 4:0\nopen data/t\naddrec x\naddkey 1 1 ab\n"
              "# no output\n\nnextkey 1\nfrobnicate\nclose\nexit\n";
  }
  auto run = [&](const std::string& args) {
    std::string cmd = "cd '" + dir_.string() + "' && '" FILEBLOCK_PROGRAM "' " + args +
                      " > out 2>&1";
    int st = std::system(cmd.c_str());
    std::ifstream in(dir_ / "out");
    std::stringstream ss;
    ss << in.rdbuf();
    return std::make_pair(WIFEXITED(st) ? WEXITSTATUS(st) : -1, ss.str());
  };
  auto [rc, out] = run("ops < script");
  EXPECT_EQ(rc, 2);  // the unknown command
  EXPECT_EQ(out, "ok 62\nok\nok\nok 1\nok 1\nok 1 ab\nbad unknown command frobnicate\nok\nok\n");
  EXPECT_EQ(run("check data/t").first, 0);
  EXPECT_EQ(run("keys data\\\\t 1"), std::make_pair(0, std::string("ab 1\n")));
  EXPECT_EQ(run("records data/t"), std::make_pair(0, std::string("1 00000000\n")));
  // KeysUsed off by one: the check names the problem and fails.
  {
    std::fstream ix(dir_ / "data/t.IX", std::ios::binary | std::ios::in | std::ios::out);
    ix.seekp(22);
    ix.put(5);
  }
  auto [crc, cout] = run("check data/t");
  EXPECT_EQ(crc, 1);
  EXPECT_NE(cout.find("problem: key 1: 1 entries found, header says 5"), std::string::npos)
      << cout;
  EXPECT_EQ(run("keys data/t 2").first, 1);
  EXPECT_EQ(run("bogus").first, 2);
}
#endif

}  // namespace
