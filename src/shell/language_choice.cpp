#include "shell/language_choice.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>

#include "shell/language.h"
#include "shell/language_lines.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kBufferChars = 255;

std::string WithoutAccelerators(std::string text) {
  std::erase_if(text, [](char c) { return c == '&' || c == '.'; });
  return text;
}

std::string TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return std::string(text);
}

}  // namespace

void ChooseLanguage(std::string& language, const LanguageChooser& chooser,
                    const LanguageChoiceHooks& hooks) {
  std::array<char, kBufferChars + 1> buffer;
  buffer.fill(' ');
  std::memcpy(buffer.data(), language.data(), std::min(language.size(), kBufferChars));
  buffer[kBufferChars] = '\0';
  // The title is the caption of the language menu entry.
  const std::string title = WithoutAccelerators(LanguageText(58));
  chooser("VELA.INI", buffer.data(), title.c_str());

  buffer[kBufferChars] = '\0';  // whatever the chooser did, the name ends inside the buffer
  const std::string chosen =
      TrimSpaces(std::string_view(buffer.data(), std::strlen(buffer.data())));
  if (!chosen.empty()) language = chosen;
  if (hooks.saveLanguageSettings) hooks.saveLanguageSettings();
  LoadLanguage(language);
  if (hooks.refreshCaptions) hooks.refreshCaptions();
}

std::vector<std::string> AvailableLanguages() {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(CurrentLanguageFolder(), error)) {
    const std::string name = entry.path().filename().string();
    std::error_code ignored;
    if (entry.is_directory(ignored) &&
        fs::is_regular_file(entry.path() / (name + ".ln3"), ignored)) {
      names.push_back(name);
    }
  }
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return CompareTextNoCase(a, b) < 0; });
  return names;
}
