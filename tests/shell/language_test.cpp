#include "shell/language.h"

#include <gtest/gtest.h>

#include "language_fixture.h"

namespace {

using LoadLanguageTest = LanguageFolderTest;

// Lines that a sorted pair of line and key lists would misalign: each must still answer by
// its own number, and break none of its neighbours.
TEST_F(LoadLanguageTest, AnswersEveryUsableLineByItsNumberWhateverItsNeighbours) {
  WriteLanguage("Test",
                "; comment line\r\n"
                "\r\n"
                "00001=One\r\n"
                "00116=Before the unpadded one\r\n"
                "117=Unpadded\r\n"
                "00118=After the unpadded one\r\n"
                "  00200=Blanks before the number\r\n"
                "00300 =Blank before the equals sign\r\n"
                "00400=a=b = c\r\n"
                "00500= blanks kept \r\n"
                "00600=zeta\r\n"
                "600=aaa\r\n"
                "00600=Alpha\r\n"
                "00000=zero\r\n"
                "-5=negative\r\n"
                "no equals sign\r\n"
                "12a=trailing letter\r\n"
                "99999999999=too large\r\n"
                "+7=plus sign\r\n"
                "00008=\r\n"
                "00009=caf\xE8 \x80\r\n"
                "01124=Last\r\n");
  LoadLanguage("Test");

  const struct {
    int n;
    std::string text;
  } cases[] = {
      {1, "One"},
      {116, "Before the unpadded one"},
      {117, "Unpadded"},
      {118, "After the unpadded one"},
      {200, "Blanks before the number"},
      {300, ""},  // the number is followed by a blank: not a number
      {400, "a=b = c"},
      {500, " blanks kept "},
      {600, "Alpha"},  // "00600=Alpha" sorts first of the three lines without regard to case
      {0, ""},
      {-5, ""},
      {12, ""},
      {7, "plus sign"},
      {8, ""},
      {9, "caf\xE8 \x80"},
      {1124, "Last"},
      {2, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(LanguageText(c.n), c.text) << "text " << c.n;
  EXPECT_TRUE(host.Boxes().empty());
}

TEST_F(LoadLanguageTest, AcceptsEveryLineEnding) {
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"CRLF", "00001=a\r\n00002=b\r\n00003=c"},
      {"LF", "00001=a\n00002=b\n00003=c\n"},
      {"CR", "00001=a\r00002=b\r00003=c\r"},
      {"mixed", "00001=a\r\n00002=b\r00003=c\n"},
      {"blank lines between", "00001=a\r\r\n\n00002=b\n\r00003=c"},
  };
  for (const auto& c : cases) {
    WriteLanguage("Endings", c.bytes);
    LoadLanguage("Endings");
    EXPECT_EQ(LanguageText(1) + LanguageText(2) + LanguageText(3), "abc") << c.name;
  }
}

TEST_F(LoadLanguageTest, AFailedLoadWarnsAndEmptiesEveryTextUntilAGoodLoad) {
  WriteLanguage("Good", "00001=One\r\n00002=Two\r\n");
  LoadLanguage("Good");
  ASSERT_EQ(LanguageText(2), "Two");

  LoadLanguage("Missing");
  ASSERT_EQ(host.Boxes().size(), 1u);
  EXPECT_EQ(host.Boxes()[0].kind, MsgKind::Warning);
  EXPECT_NE(host.Boxes()[0].text.find("Missing/Missing.ln3"), std::string::npos);
  EXPECT_NE(host.Boxes()[0].text.find("No such file"), std::string::npos);
  EXPECT_EQ(LanguageText(1), "");
  EXPECT_EQ(LanguageText(2), "");

  LoadLanguage("Good");
  EXPECT_EQ(LanguageText(1), "One");
  EXPECT_EQ(host.Boxes().size(), 1u);
}

TEST_F(LoadLanguageTest, ReadsTheFileOfTheFolderSetLast) {
  WriteLanguage("Same", "00001=first folder\r\n");
  TempDir other;
  other.Write("Same/Same.ln3", "00001=second folder\r\n");
  SetLanguageFolder(other.str() + "/");
  LoadLanguage("Same");
  EXPECT_EQ(LanguageText(1), "second folder");
}

}  // namespace
