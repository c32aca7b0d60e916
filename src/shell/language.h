// Numbered texts of the current language file.
#pragma once

#include <string>

// The text of number n, or the empty text when the loaded file has no usable line for it.
std::string LanguageText(int n);
