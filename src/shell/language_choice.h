// Switching the language at the user's request.
#pragma once

#include <functional>
#include <string>
#include <vector>

// The language chooser's contract: it gets the settings file name ("VELA.INI"), a buffer of
// 256 bytes holding the current language padded with spaces to 255 characters and a NUL,
// and the dialog title. It shows its dialog and leaves the chosen name in the buffer, ended
// by a NUL or by trailing spaces; a buffer left as it was keeps the current language.
using LanguageChooser =
    std::function<void(const char* settingsFile, char* languageBuffer, const char* title)>;

struct LanguageChoiceHooks {
  std::function<void()> saveLanguageSettings;  // writes the language settings group
  std::function<void()> refreshCaptions;       // re-captions the main window and its page tree
};

// Asks the chooser for a language, stores it into `language`, saves it, loads its texts and
// has the window re-captioned. The dialog title is the language menu entry's caption
// without "&" and ".". A chooser answering only blanks keeps the current language.
void ChooseLanguage(std::string& language, const LanguageChooser& chooser,
                    const LanguageChoiceHooks& hooks);

// The languages installed: the folders of LanguageFolder that hold <name>/<name>.ln3, in
// alphabetical order without regard to case.
std::vector<std::string> AvailableLanguages();
