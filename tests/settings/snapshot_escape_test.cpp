#include <array>

#include <gtest/gtest.h>

#include "settings/control_snapshot.h"

namespace settings {
namespace {

TEST(SnapshotEscapeTest, LineBreaksThenQuotesAreEscapedAndComeBackInTheirOrder) {
  struct Case {
    const char* text;
    const char* written;
    const char* readBack;
  };
  const std::array<Case, 5> kCases{{
      {"200", "200", "200"},
      {"say \"hi\"", "say #引号hi#引号", "say \"hi\""},
      {"a\r\nb", "a><br><b", "a\r\nb"},
      // Texts that already hold the escapes come back with what they stand for.
      {"x><br><y", "x><br><y", "x\r\ny"},
      {"#引号", "#引号", "\""},
  }};
  for (const Case& c : kCases) {
    EXPECT_EQ(EscapeEditText(c.text), c.written) << c.text;
    EXPECT_EQ(UnescapeEditText(EscapeEditText(c.text)), c.readBack) << c.text;
  }
}

TEST(IsNotExcludedTest, MatchesWholeNamesCaseSensitively) {
  struct Case {
    const char* list;
    const char* name;
    bool notExcluded;
  };
  const std::array<Case, 6> kCases{{
      {"", "编辑框_素材_x", true},
      {"编辑框_素材_x|编辑框_素材_y", "编辑框_素材_x", false},
      {"编辑框_素材_x|编辑框_素材_y", "编辑框_素材_y", false},
      {"编辑框_素材_x|编辑框_素材_y", "编辑框_素材_宽", true},
      {"编辑框_素材_X", "编辑框_素材_x", true},
      {"编辑框_素材", "编辑框_素材_x", true},
  }};
  for (const Case& c : kCases) {
    EXPECT_EQ(IsNotExcluded(c.list, c.name), c.notExcluded) << c.list << " / " << c.name;
  }
}

}  // namespace
}  // namespace settings
