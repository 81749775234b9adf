#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>

#include "common/cp1252.h"
#include "common/hostpath.h"

namespace kiosk {
namespace {

TEST(Cp1252, RoundTripsEveryDefinedByte) {
  for (int b = 1; b < 256; ++b) {
    std::string one(1, static_cast<char>(b));
    if (!IsCp1252Defined(static_cast<unsigned char>(b))) {
      EXPECT_EQ(Cp1252ToUtf8(one), "\xEF\xBF\xBD") << b;
      continue;
    }
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(one)), one) << b;
  }
  EXPECT_EQ(Cp1252ToUtf8("\xE9\x80"), "\xC3\xA9\xE2\x82\xAC");  // é €
}

TEST(HostPath, MatchesExistingFilesCaseInsensitively) {
  char tmpl[] = "/tmp/hostpathXXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  std::string root = tmpl;
  ASSERT_EQ(mkdir((root + "/Data").c_str(), 0755), 0);
  std::ofstream(root + "/Data/Products.DAT") << "x";
  SetWorkFolder(root);
  EXPECT_EQ(HostPath("data\\products.dat"), root + "/Data/Products.DAT");
  // A file that does not exist keeps the name the kiosk gives it, in the
  // folder that does.
  EXPECT_EQ(HostPath("DATA\\new.txt"), root + "/Data/new.txt");
  EXPECT_EQ(HostPath("/etc/hostname"), "/etc/hostname");
  SetWorkFolder(".");
  std::system(("rm -rf " + root).c_str());
}

}  // namespace
}  // namespace kiosk
