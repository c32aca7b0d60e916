#include "pages/installer_settings.h"

#include <cstdio>

namespace {

constexpr double kFirmwareThresholds[] = {1.0, 1.1};

std::string TwoDecimals(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

}  // namespace

InstallerChoice OpenInstallerChoice(const Tag_Cliente& header, const std::string& nameOf21,
                                    const std::string& nameOf22) {
  InstallerChoice choice;
  for (double threshold : kFirmwareThresholds) {
    const std::string text = TwoDecimals(threshold);
    choice.firmwareItems.push_back(text.substr(0, 3) + "x");
    choice.firmwareTexts.push_back(text);
  }
  const std::string current = header.Rel_firmware.str().substr(0, 3);
  for (size_t i = 0; i < choice.firmwareItems.size(); ++i) {
    if (choice.firmwareItems[i].substr(0, 3) == current) {
      choice.firmwareIndex = static_cast<int>(i);
      break;
    }
  }
  const std::pair<int, const std::string*> types[] = {{21, &nameOf21}, {22, &nameOf22}};
  for (const auto& [code, name] : types) {
    if (name->empty()) continue;
    choice.typeItems.push_back(*name);
    choice.typeCodes.push_back(code);
  }
  const std::string& currentName = header.TipoCentrale == 21   ? nameOf21
                                   : header.TipoCentrale == 22 ? nameOf22
                                                               : std::string();
  for (size_t i = 0; i < choice.typeItems.size(); ++i)
    if (!currentName.empty() && choice.typeItems[i] == currentName)
      choice.typeIndex = static_cast<int>(i);
  return choice;
}

void KeepFirmwareForType(InstallerChoice& choice) {
  if (choice.typeIndex >= 0 && choice.typeCodes[choice.typeIndex] == 22) choice.firmwareIndex = 0;
}

void ApplyInstallerChoice(const InstallerChoice& choice, Tag_Cliente& header) {
  if (choice.firmwareIndex >= 0) header.Rel_firmware = choice.firmwareTexts[choice.firmwareIndex];
  if (choice.typeIndex >= 0) header.TipoCentrale = choice.typeCodes[choice.typeIndex];
}
