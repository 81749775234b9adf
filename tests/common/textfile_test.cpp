// The line reader over files whose line ends fall anywhere, including
// across its read-ahead blocks.
#include "common/textfile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/hostpath.h"

namespace {

class TextFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("textfile_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    kiosk::SetWorkFolder(folder_.string());
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  void Write(const std::string& bytes) {
    std::ofstream(folder_ / "lines.txt", std::ios::binary | std::ios::trunc) << bytes;
  }
  // Every line until the end, then one more read past it.
  std::vector<std::string> ReadAll() {
    kiosk::TextFile f;
    EXPECT_TRUE(f.Open("lines.txt"));
    std::vector<std::string> lines;
    while (!f.Eof()) lines.emplace_back(f.ReadLine().view());
    EXPECT_EQ(f.ReadLine().view(), "");
    return lines;
  }

  std::filesystem::path folder_;
};

using Lines = std::vector<std::string>;

TEST_F(TextFileTest, LineEndsOfEveryKind) {
  Write("a\r\nb\nc\rd\r\r\ne");
  EXPECT_EQ(ReadAll(), (Lines{"a", "b", "c", "d", "", "e"}));
  Write("x\r");
  EXPECT_EQ(ReadAll(), (Lines{"x"}));
  Write("\n\n");
  EXPECT_EQ(ReadAll(), (Lines{"", ""}));
  Write("");
  EXPECT_EQ(ReadAll(), Lines{});
}

TEST_F(TextFileTest, LongLinesAreCutAndTheRestSkipped) {
  std::string longLine(300, 'q');
  longLine[254] = 'z';
  Write(longLine + "\r\nnext\n");
  Lines lines = ReadAll();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].size(), 255u);
  EXPECT_EQ(lines[0].back(), 'z');
  EXPECT_EQ(lines[1], "next");
}

// Line ends and long lines placed around the 64 KiB block edges: a CR at the
// last byte of a block whose LF opens the next, and a cut line spanning two.
TEST_F(TextFileTest, LinesAcrossBlockEdges) {
  const std::size_t block = 64 * 1024;
  for (std::size_t shift : {0u, 1u, 2u}) {
    std::string bytes(block - 1 - shift, 'p');
    bytes[0] = 's';
    bytes += "\r\n";
    Lines want;
    std::string first(bytes.begin(), bytes.end() - 2);
    want.push_back(first.substr(0, 255));
    std::string spanning = "tail" + std::string(block, 'r') + "\rlast";
    bytes += spanning;
    want.push_back(spanning.substr(0, 255));
    want.push_back("last");
    Write(bytes);
    EXPECT_EQ(ReadAll(), want) << "shift " << shift;
  }
}

TEST_F(TextFileTest, MissingFileOrFolderDoesNotOpen) {
  kiosk::TextFile f;
  EXPECT_FALSE(f.Open("nothere.txt"));
  EXPECT_TRUE(f.Eof());
  EXPECT_EQ(f.ReadLine().view(), "");
  std::filesystem::create_directories(folder_ / "adir");
  EXPECT_FALSE(f.Open("adir"));
}

}  // namespace
