#include "shell/language_packs.h"

#include <gtest/gtest.h>

#include "language_fixture.h"

namespace fs = std::filesystem;

namespace {

class LanguagePacksTest : public LanguageFolderTest {
 protected:
  fs::path WritePack(const std::string& fileName, const std::string& bytes) const {
    return root.Write("LANGUAGE/" + fileName, bytes);
  }
  std::string Unpacked(const std::string& relative) const {
    return ReadFileBytes(Folder() / relative);
  }
};

TEST_F(LanguagePacksTest, UnpacksEveryPackIntoItsOwnFolderAndDeletesIt) {
  const fs::path english = WritePack("English.CMP",
                                     "lines before the first marker\r\n"
                                     "BOF -> English.ln3  \r\n"
                                     "00001=&File\r\n"
                                     "00002=&New\r\n"
                                     "BOF ->\tnotes.txt\r\n"
                                     "first note\n"
                                     "bof -> not a marker\r"
                                     "BOF -> empty.txt\r\n");
  const fs::path deutsch = WritePack("Deutsch.CMP", "BOF -> Deutsch.ln3\n00001=&Datei\n");
  const fs::path noMarker = WritePack("Plain.CMP", "00001=nothing to split\r\n");
  ASSERT_TRUE(HasLanguagePack("English"));

  UnpackLanguagePacks();

  EXPECT_EQ(Unpacked("English/English.ln3"),
            "lines before the first marker\r\n00001=&File\r\n00002=&New\r\n");
  EXPECT_EQ(Unpacked("English/notes.txt"), "first note\r\nbof -> not a marker\r\n");
  EXPECT_TRUE(fs::exists(Folder() / "English/empty.txt"));
  EXPECT_EQ(fs::file_size(Folder() / "English/empty.txt"), 0u);
  EXPECT_EQ(Unpacked("Deutsch/Deutsch.ln3"), "00001=&Datei\r\n");
  EXPECT_TRUE(fs::is_empty(Folder() / "Plain"));
  EXPECT_FALSE(fs::exists(english));
  EXPECT_FALSE(fs::exists(deutsch));
  EXPECT_FALSE(fs::exists(noMarker));
  EXPECT_TRUE(host.Boxes().empty());
  EXPECT_FALSE(host.WaitCursorShown());
  EXPECT_EQ(host.processed, 4);  // queued messages run at every marker

  LoadLanguage("English");
  EXPECT_EQ(LanguageText(2), "&New");
}

TEST_F(LanguagePacksTest, APackForAnotherLanguageAloneIsNotTheCurrentLanguagesPack) {
  WritePack("Deutsch.cmp", "BOF -> Deutsch.ln3\r\n");
  EXPECT_FALSE(HasLanguagePack("English"));
  EXPECT_TRUE(HasLanguagePack("Deutsch"));
  EXPECT_FALSE(HasLanguagePack("Deut"));
}

TEST_F(LanguagePacksTest, SkipsSectionsWhoseNameLeavesThePackFolder) {
  TempDir elsewhere;
  fs::create_directories(Folder() / "Evil" / "a");
  const fs::path pack = WritePack("Evil.CMP",
                                  "BOF -> ../x\r\nescaped\r\n"
                                  "BOF -> " +
                                      elsewhere.str() +
                                      "/x\r\nabsolute\r\n"
                                      "BOF -> a/b\r\nnested\r\n"
                                      "BOF -> ..\\x\r\nbackslash\r\n"
                                      "BOF -> ..\r\nparent\r\n"
                                      "BOF ->   \r\nno name\r\n"
                                      "BOF -> Evil.ln3\r\n00001=kept\r\n");

  UnpackLanguagePacks();

  EXPECT_EQ(Unpacked("Evil/Evil.ln3"), "00001=kept\r\n");
  EXPECT_FALSE(fs::exists(Folder() / "x"));
  EXPECT_TRUE(fs::is_empty(elsewhere.path()));
  EXPECT_TRUE(fs::is_empty(Folder() / "Evil" / "a"));
  EXPECT_EQ(std::distance(fs::directory_iterator(Folder() / "Evil"), fs::directory_iterator()), 2);
  EXPECT_EQ(std::distance(fs::directory_iterator(root.path()), fs::directory_iterator()), 1);
  const auto boxes = host.BoxTexts();
  ASSERT_EQ(boxes.size(), 6u);
  EXPECT_NE(boxes[0].find("\"../x\""), std::string::npos);
  EXPECT_NE(boxes[2].find("\"a/b\""), std::string::npos);
  EXPECT_FALSE(fs::exists(pack));
}

TEST_F(LanguagePacksTest, AFailureStopsTheUnpackingAndLeavesTheRemainingPacks) {
  root.Write("LANGUAGE/Alpha", "a file where the pack's folder should be");
  const fs::path alpha = WritePack("Alpha.CMP", "BOF -> Alpha.ln3\r\n00001=a\r\n");
  const fs::path beta = WritePack("Beta.CMP", "BOF -> Beta.ln3\r\n00001=b\r\n");
  host.SetWaitCursor(false);

  UnpackLanguagePacks();

  ASSERT_EQ(host.Boxes().size(), 1u);
  EXPECT_EQ(host.Boxes()[0].kind, MsgKind::Warning);
  EXPECT_TRUE(fs::exists(alpha));
  EXPECT_TRUE(fs::exists(beta));
  EXPECT_FALSE(fs::exists(Folder() / "Beta"));
  EXPECT_FALSE(host.WaitCursorShown());
}

}  // namespace
