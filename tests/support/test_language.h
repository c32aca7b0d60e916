// The English language file of the source tree, loaded before any test runs so that every
// test compares real, distinct texts.
#pragma once

#include <string>

// The folder holding the shipped language files (ends with "/").
std::string ShippedLanguageFolder();

// Points the language folder at the shipped files and loads English; false when it has
// no texts.
bool LoadEnglishForTests();
