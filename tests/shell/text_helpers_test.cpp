#include "shell/text_helpers.h"

#include <gtest/gtest.h>

namespace {

TEST(Padding, FillsUpToTheWidthAndNeverCuts) {
  struct Case {
    const char* text;
    int width;
    const char* left;
    const char* right;
  } cases[] = {
      {"117", 5, "00117", "11700"},
      {"12345", 4, "12345", "12345"},
      {"12345", 5, "12345", "12345"},
      {"", 3, "000", "000"},
      {"7", 0, "7", "7"},
      {"7", -2, "7", "7"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PadLeft(c.text, c.width, '0'), c.left) << c.text << " " << c.width;
    EXPECT_EQ(PadRight(c.text, c.width, '0'), c.right) << c.text << " " << c.width;
  }
}

TEST(TrimSpaces, RemovesOnlyBlanksAtBothEnds) {
  struct Case {
    const char* text;
    const char* trimmed;
  } cases[] = {
      {"  English  ", "English"},
      {"\tEnglish\t", "\tEnglish\t"},
      {" a b ", "a b"},
      {"    ", ""},
      {"", ""},
      {"\r\nx ", "\r\nx"},
  };
  for (const auto& c : cases) EXPECT_EQ(TrimSpaces(c.text), c.trimmed) << '"' << c.text << '"';
}

TEST(StripAccelerators, RemovesEveryAmpersandAndDot) {
  EXPECT_EQ(StripAccelerators("&Language..."), "Language");
  EXPECT_EQ(StripAccelerators("Save && e&xit."), "Save  exit");
  EXPECT_EQ(StripAccelerators("plain"), "plain");
}

TEST(LastCharPos, IsOneBasedAndZeroWhenAbsent) {
  EXPECT_EQ(LastCharPos("a/b/c", '/'), 4);
  EXPECT_EQ(LastCharPos("/", '/'), 1);
  EXPECT_EQ(LastCharPos("abc", '/'), 0);
  EXPECT_EQ(LastCharPos("", '/'), 0);
}

TEST(JoinPath, InsertsOneSlashOnlyWhenNeitherPartBringsOne) {
  struct Case {
    const char* a;
    const char* b;
    const char* joined;
  } cases[] = {
      {"/work", "Data", "/work/Data"},
      {"/work/", "Data", "/work/Data"},
      {"/work", "/Data", "/work/Data"},
      {"/work/", "/Data", "/work//Data"},
      {"/work", "/LANGUAGE/", "/work/LANGUAGE/"},
      {"/", "/Data", "//Data"},
  };
  for (const auto& c : cases) EXPECT_EQ(JoinPath(c.a, c.b), c.joined) << c.a << " + " << c.b;
}

TEST(Bits, SetClearAndTest) {
  uint8_t byte = 0;
  SetBit(byte, 0, true);
  SetBit(byte, 7, true);
  EXPECT_EQ(byte, 0x81);
  SetBit(byte, 7, false);
  SetBit(byte, 3, false);  // already clear
  EXPECT_EQ(byte, 0x01);
  SetBit(byte, 8, true);  // outside a byte
  SetBit(byte, -1, true);
  EXPECT_EQ(byte, 0x01);

  EXPECT_EQ(ClearBit(0xFF, 4), 0xEF);
  EXPECT_EQ(ClearBit(-1, 31), 0x7FFFFFFF);
  EXPECT_EQ(ClearBit(5, 32), 5);
  EXPECT_TRUE(TestBit(0x10, 4));
  EXPECT_FALSE(TestBit(0x10, 3));
  EXPECT_TRUE(TestBit(-1, 31));
  EXPECT_FALSE(TestBit(-1, 32));
  EXPECT_FALSE(TestBit(-1, -1));
}

}  // namespace
