#include "shell/language.h"

// Placeholder until the language loader lands: no file is read, every text is empty.
void LoadLanguage(const std::string& /*name*/) {}

std::string LanguageText(int /*n*/) {
  return {};
}
