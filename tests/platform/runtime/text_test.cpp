#include "platform/runtime/text.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using namespace platform;

struct Case {
  const char* name;
  std::string actual;
  std::string expected;
};

TEST(TextTest, SlicesCountBytesFromOne) {
  const std::vector<Case> cases{
      {"left within", Left("abcdef", 2), "ab"},
      {"left zero", Left("abcdef", 0), ""},
      {"left negative", Left("abcdef", -3), ""},
      {"left beyond", Left("abc", 10), "abc"},
      {"right within", Right("abcdef", 2), "ef"},
      {"right negative", Right("abcdef", -1), ""},
      {"right beyond", Right("abc", 10), "abc"},
      {"middle within", Middle("abcdef", 2, 3), "bcd"},
      {"middle cut at end", Middle("abcdef", 5, 10), "ef"},
      {"middle at last byte", Middle("abcdef", 6, 1), "f"},
      {"middle past end", Middle("abcdef", 7, 1), ""},
      {"middle start zero", Middle("abcdef", 0, 2), ""},
      {"middle count zero", Middle("abcdef", 2, 0), ""},
      {"utf8 counts bytes", Left("图片", 3), "图"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected) << c.name;
  EXPECT_EQ(Length("图片.png"), 10);
  EXPECT_EQ(Length(""), 0);
}

TEST(TextTest, FindLastAnswersOneBasedPositionOrMinusOne) {
  struct FindCase {
    const char* text;
    const char* what;
    std::int32_t expected;
  };
  const FindCase cases[] = {
      {"/icons/home.png", ".", 12},
      {"/icons/home.png", "/", 7},
      {"a.b.c", ".", 4},
      {"abc", ".", -1},
      {"abc", "", -1},
      {"", ".", -1},
      {"abcabc", "bc", 5},
      {"/图标/家.png", ".", 12},
  };
  for (const FindCase& c : cases) {
    EXPECT_EQ(FindLast(c.text, c.what), c.expected) << c.text << " / " << c.what;
  }
}

TEST(TextTest, MaterialPathPiecesComeOutWhole) {
  // The split of a material path into stem, extension and name, with Chinese names.
  const std::string path = "/home/用户/图标/家.png";
  const std::int32_t dot = FindLast(path, ".");
  const std::int32_t slash = FindLast(path, "/");
  EXPECT_EQ(Left(path, dot - 1), "/home/用户/图标/家");
  EXPECT_EQ(Right(path, Length(path) - dot), "png");
  EXPECT_EQ(Middle(path, slash + 1, dot - slash - 1), "家");
}

TEST(TextTest, ReplaceAllWorksLeftToRightWithoutRescanning) {
  const std::vector<Case> cases{
      {"every occurrence", ReplaceAll("a\"b\"c", "\"", "#引号"), "a#引号b#引号c"},
      {"case-sensitive", ReplaceAll("aAa", "a", "x"), "xAx"},
      {"replacement holds the pattern", ReplaceAll("aa", "a", "aa"), "aaaa"},
      {"overlapping from the left", ReplaceAll("aaa", "aa", "b"), "ba"},
      {"line breaks", ReplaceAll("x\r\ny", "\r\n", "><br><"), "x><br><y"},
      {"empty pattern leaves text", ReplaceAll("abc", "", "x"), "abc"},
      {"empty text", ReplaceAll("", "a", "b"), ""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected) << c.name;
}

TEST(TextTest, SplitKeepsEmptyPiecesButAnEmptyTextHasNone) {
  using Pieces = std::vector<std::string>;
  EXPECT_EQ(Split("编辑框_素材_x|编辑框_素材_y", "|"), (Pieces{"编辑框_素材_x", "编辑框_素材_y"}));
  EXPECT_EQ(Split("a||b|", "|"), (Pieces{"a", "", "b", ""}));
  EXPECT_EQ(Split("a<>b", "<>"), (Pieces{"a", "b"}));
  EXPECT_EQ(Split("abc", "|"), (Pieces{"abc"}));
  EXPECT_EQ(Split("abc", ""), (Pieces{"abc"}));
  EXPECT_TRUE(Split("", "|").empty());
}

}  // namespace
