#include <gtest/gtest.h>

#include "screen/primitives.h"

using namespace screen;

namespace {

std::pair<std::string, std::string> Split1(std::string_view delimiters, std::string_view text) {
  Str255 head(text), rest("stale");
  SPLIT1(delimiters, head, rest);
  return {head.str(), rest.str()};
}

using Parts = std::pair<std::string, std::string>;

}  // namespace

TEST(Split, EmptyFieldsFollowTheFileRule) {
  EXPECT_EQ(Split1("|", "abc"), Parts("abc", ""));
  EXPECT_EQ(Split1("|", "a|b|c"), Parts("a", "b|c"));
  // A leading empty field is dropped and the remainder lost.
  EXPECT_EQ(Split1("|", "|b|c"), Parts("b|c", ""));
  EXPECT_EQ(Split1("|", "a||c"), Parts("a", "|c"));
  EXPECT_EQ(Split1("|", "a|"), Parts("a", ""));
  EXPECT_EQ(Split1("|", "|"), Parts("", ""));
  EXPECT_EQ(Split1("|", ""), Parts("", ""));
  Str255 head("x|y"), rest;
  SPLIT(head, rest);
  EXPECT_EQ(head, "x");
  EXPECT_EQ(rest, "y");
}

TEST(Split, SeveralDelimitersAreTriedInTheirOrder) {
  // "," is listed first, so it wins although ")" comes earlier in the text.
  EXPECT_EQ(Split1(",)", "a)b,c"), Parts("a)b", "c"));
  EXPECT_EQ(Split1(",)", "a)b"), Parts("a", "b"));
  EXPECT_EQ(Split1(",)", "ab"), Parts("ab", ""));
  EXPECT_EQ(Split1("", "a|b"), Parts("a|b", ""));
}

TEST(Texts, CompactingAndTrimming) {
  EXPECT_EQ(COMPACTIT("  a b   c  "), "abc");
  EXPECT_EQ(COMPACTIT("   "), "");
  Str255 s("  ab c  ");
  DELETERIGHTBLANKS(s);
  EXPECT_EQ(s, "  ab c");
  DELETELEFTBLANKS(s);
  EXPECT_EQ(s, "ab c");
  kiosk::ShortStr<10> z("00100");
  DELETERIGHTZEROS(z);
  EXPECT_EQ(z.view(), "001");
  DELETELEFTZEROS(z);
  EXPECT_EQ(z.view(), "1");
  Str255 h("100");
  DELETERIGHTZEROS(h);
  EXPECT_EQ(h, "1");
  Str255 zeros("000");
  DELETELEFTZEROS(zeros);
  EXPECT_EQ(zeros, "");
}

TEST(Encrypt, TwiceGivesBackEveryCharacter) {
  std::string all;
  for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
  Str255 s(all.substr(1));
  ENCRYPT(s, 255);
  EXPECT_NE(s.view(), all.substr(1));
  ENCRYPT(s, 255);
  EXPECT_EQ(s.view(), all.substr(1));
}

TEST(Encrypt, ScramblesPrintablesButKeepsBlanksAndLength) {
  Str255 s("Secret pw1");
  ENCRYPT(s, 255);
  ASSERT_EQ(s.size(), 10u);
  EXPECT_EQ(s[6], ' ');
  for (std::size_t i : {0u, 1u, 5u, 7u, 9u}) EXPECT_NE(s[i], Str255("Secret pw1")[i]) << i;
  for (char c : s.view()) EXPECT_TRUE(c != '\n' && c != '\r');
  // Only the first maxLength characters are touched.
  Str255 t("abcd");
  ENCRYPT(t, 2);
  EXPECT_NE(t[0], 'a');
  EXPECT_EQ(t.view().substr(2), "cd");
}
