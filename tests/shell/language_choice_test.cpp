#include "shell/language_choice.h"

#include <gtest/gtest.h>

#include <cstring>

#include "language_fixture.h"

namespace {

class ChooseLanguageTest : public LanguageFolderTest {
 protected:
  void SetUp() override {
    SetLanguageFolder(ShippedLanguageFolder());
    LoadLanguage("English");
  }

  // Runs ChooseLanguage with a chooser that writes `answer` (bytes, NUL included if wanted)
  // over the start of the buffer; records what the chooser was given and the hooks' order.
  void Choose(const std::string& answer) {
    const LanguageChooser chooser = [&](const char* settings, char* buffer, const char* title) {
      givenSettings = settings;
      givenBuffer.assign(buffer, 256);
      givenTitle = title;
      std::memcpy(buffer, answer.data(), answer.size());
    };
    const LanguageChoiceHooks hooks{
        [&] { calls.push_back("save " + language + " " + LanguageText(2)); },
        [&] { calls.push_back("refresh " + language + " " + LanguageText(2)); }};
    ChooseLanguage(language, chooser, hooks);
  }

  std::string language = "English";
  std::string givenSettings, givenBuffer, givenTitle;
  std::vector<std::string> calls;
};

TEST_F(ChooseLanguageTest, HandsTheChooserItsArgumentsAndSwitchesToTheAnswer) {
  Choose(std::string("Italiano\0", 9));

  EXPECT_EQ(givenSettings, "VELA.INI");
  EXPECT_EQ(givenBuffer, "English" + std::string(248, ' ') + std::string(1, '\0'));
  EXPECT_EQ(givenTitle, "Language");
  EXPECT_EQ(language, "Italiano");
  EXPECT_EQ(calls, (std::vector<std::string>{"save Italiano &New", "refresh Italiano &Nuovo"}));
  EXPECT_TRUE(host.Boxes().empty());
}

TEST_F(ChooseLanguageTest, ReadsTheAnswerUpToItsNulOrTrailingBlanks) {
  const struct {
    const char* name;
    std::string answer;
    std::string language;
  } cases[] = {
      {"padded with blanks", "Italiano" + std::string(247, ' '), "Italiano"},
      {"blanks around", "  Italiano  " + std::string(1, '\0'), "Italiano"},
      {"left unchanged", "", "English"},
      {"only blanks", std::string(255, ' '), "English"},
      {"no NUL anywhere", "Italiano" + std::string(248, ' '), "Italiano"},
  };
  for (const auto& c : cases) {
    language = "English";
    Choose(c.answer);
    EXPECT_EQ(language, c.language) << c.name;
    EXPECT_TRUE(host.Boxes().empty()) << c.name;
  }
}

TEST_F(ChooseLanguageTest, ALanguageWithoutAFileWarnsAndEmptiesTheTexts) {
  Choose(std::string("Klingon\0", 8));
  EXPECT_EQ(language, "Klingon");
  EXPECT_EQ(host.Boxes().size(), 1u);
  EXPECT_EQ(calls.back(), "refresh Klingon ");
}

TEST_F(LanguageFolderTest, AvailableLanguagesAreTheFoldersHoldingTheirFile) {
  WriteLanguage("espanol", "00001=&Archivo\r\n");
  WriteLanguage("Deutsch", "00001=&Datei\r\n");
  root.Write("LANGUAGE/Empty/other.ln3", "00001=x\r\n");
  root.Write("LANGUAGE/Loose.ln3", "00001=x\r\n");
  EXPECT_EQ(AvailableLanguages(), (std::vector<std::string>{"Deutsch", "espanol"}));

  SetLanguageFolder(ShippedLanguageFolder());
  EXPECT_EQ(AvailableLanguages(), (std::vector<std::string>{"English", "Italiano"}));
}

}  // namespace
