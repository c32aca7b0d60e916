#include "shell/language.h"

// Until a language file is loaded every text is empty.
std::string LanguageText(int /*n*/) { return {}; }
