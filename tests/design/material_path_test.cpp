#include <array>

#include <gtest/gtest.h>

#include "design/material_import.h"

namespace design {
namespace {

TEST(SplitMaterialPathTest, SplitsAtTheLastDotAndTheLastSlash) {
  struct Case {
    const char* path;
    const char* stem;
    const char* extension;
    const char* name;
  };
  const std::array<Case, 8> kCases{{
      {"/home/u/icons/home.png", "/home/u/icons/home", "png", "home"},
      {"/home/u/icons/home.tar.gz", "/home/u/icons/home.tar", "gz", "home.tar"},
      // No dot at all: the extension is the whole path.
      {"/home/u/icons/home", "", "/home/u/icons/home", ""},
      // A name ending in a dot has no extension.
      {"/home/u/icons/home.", "/home/u/icons/home", "", "home"},
      // The last dot lies in a folder name.
      {"/a.b/c", "/a", "b/c", ""},
      {"/图标/主页.png", "/图标/主页", "png", "主页"},
      {"", "", "", ""},
      // A bare name without a folder has no name piece (nothing after a slash).
      {"home.png", "home", "png", ""},
  }};
  for (const Case& c : kCases) {
    const MaterialPathPieces pieces = SplitMaterialPath(c.path);
    EXPECT_EQ(pieces.stem, c.stem) << c.path;
    EXPECT_EQ(pieces.extension, c.extension) << c.path;
    EXPECT_EQ(pieces.name, c.name) << c.path;
  }
}

}  // namespace
}  // namespace design
