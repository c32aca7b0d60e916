#include "working_folder.h"

#include <filesystem>

#include "shell/settings.h"
#include "test_language.h"

void StartInWorkingFolder(const TempDir& dir) {
  SetSettingsFile((dir.path() / "Vela.ini").string());
  std::filesystem::copy(ShippedLanguageFolder(), dir.path() / "LANGUAGE",
                        std::filesystem::copy_options::recursive);
  LoadSettings(dir.str());
}
