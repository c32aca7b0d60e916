// Numbered texts of the current language file.
//
// A language file is LanguageFolder + name + "/" + name + ".ln3": Windows-1252 text, one
// entry per line, "NNNNN=text". The text is everything after the first "=", unchanged.
// A line counts when the part before its first "=" is a whole number above 0 (leading
// spaces and a sign allowed); every other line (comments, blank lines, number 0) is
// ignored. Each number answers with its own line whatever the order of the file or the
// way the number is written; of two lines with the same number, the one whose whole line
// sorts first without regard to case wins.
//
// Code names a text by its number. Where a number reaches LanguageText through a table or
// a computation, the file lists it in a comment "language texts: N-M, K" (numbers and
// ranges of numbers) so that the test that checks the language files against the code
// finds it.
#pragma once

#include <string>

// The folder holding one sub-folder per language; start-up passes LanguageFolder, which
// ends with "/".
void SetLanguageFolder(const std::string& folder);
std::string CurrentLanguageFolder();

// Loads and indexes the file of `name`, replacing the texts loaded before. A file that
// cannot be read shows a warning box with the reason; every text then reads as empty
// until a later load succeeds.
void LoadLanguage(const std::string& name);

// The text of number n, or the empty text when the loaded file has no line for it.
// Never throws; safe from any thread.
std::string LanguageText(int n);
