#include "test_language.h"

#include "shell/language.h"

std::string ShippedLanguageFolder() {
  return VELA_SOURCE_DIR "/resources/LANGUAGE/";
}

bool LoadEnglishForTests() {
  SetLanguageFolder(ShippedLanguageFolder());
  LoadLanguage("English");
  return !LanguageText(1).empty();
}
