// Numbered texts of the current language file.
#pragma once

#include <string>

// Loads LanguageFolder + name + "/" + name + ".ln3" and indexes it.
void LoadLanguage(const std::string& name);

// The text of number n, or the empty text when the loaded file has no usable line for it.
std::string LanguageText(int n);
