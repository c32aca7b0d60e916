#include "shell/cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, RoundTripsEveryByte) {
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, MapsTheWindowsRangeAndReplacesTheRest) {
  struct Case {
    std::string cp1252, utf8;
  } cases[] = {
      {"\x80", "\u20AC"},            // euro sign
      {"\xE0\xE8", "\u00E0\u00E8"},  // accented Latin-1 letters
      {"\x93ok\x94", "\u201Cok\u201D"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8);
    EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252);
  }
  EXPECT_EQ(Utf8ToCp1252("\u4E2D x"), "? x");  // no single-byte form
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");      // truncated sequence
}

}  // namespace
