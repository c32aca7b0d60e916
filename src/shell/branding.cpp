#include "shell/branding.h"

#include <filesystem>

#include "model/record.h"
#include "shell/ini_file.h"

bool AltBrand = false;
std::string ApplicationTitle;
std::string ArchiveSubFolder;
std::array<std::string, 256> TypeNames;
ModelNameTable ModelNames;

const char* const kDefaultModem = "LR-GSM";
const char* const kDefaultFirm = "Corvena Security srl";

namespace {

constexpr const char* kSection = "Personal";

bool SlotHasKey(int slot) {
  return (slot >= 0 && slot <= 5) || (slot >= 9 && slot <= 12) || (slot >= 20 && slot <= 29);
}

}  // namespace

void ApplyBranding() {
  AltBrand = true;
  ApplicationTitle = "LR4090";
  TypeNames = {};
  TypeNames[kTypeVelaA] = "LR4090-A";
  TypeNames[kTypeVelaI] = "LR4090-I";
  ArchiveSubFolder = "/LR4090";
}

const std::string& ModelName(int code) {
  static const std::string none;
  return code >= 0 && code < kModelSlots ? ModelNames[code] : none;
}

ModelNameTable DefaultModelNames() {
  // The maker's other panels, so that an archive row of any of them is named.
  ModelNameTable names;
  const std::pair<int, const char*> known[] = {
      {0, "LR1000"},  {1, "LR1004"},   {2, "LR1008"},  {3, "LR2008"},  {4, "LR2016"},
      {5, "LR2032"},  {9, "LR500"},    {10, "LR510"},  {11, "LR520"},  {12, "LR530"},
      {20, "LR4080"}, {21, "VELA-A"},  {22, "VELA-I"}, {23, "LR4100"}, {24, "LR4200"},
      {25, "LR5008"}, {26, "LR5016"},  {27, "LR5032"}, {28, "LR6064"}, {29, "LR6128"},
      {50, "LR-RX8"}, {51, "LR-RX16"}, {52, "LR-RX32"}};
  for (const auto& [slot, name] : known) names[slot] = name;
  return names;
}

std::string ModelSlotKey(int slot) {
  return SlotHasKey(slot) ? "Model" + std::to_string(slot) : std::string();
}

bool ReadPersonalIni(const std::string& path, PersonalIni& out) {
  out = PersonalIni{};
  IniFile ini;
  if (!std::filesystem::is_regular_file(path) || !ini.Load(path)) return false;
  out.logo = ini.Text(kSection, "Logo", "");
  out.modem = ini.Text(kSection, "Modem", kDefaultModem);
  out.firm = ini.Text(kSection, "Firm", kDefaultFirm);
  for (int slot = 0; slot < kModelSlots; ++slot)
    if (SlotHasKey(slot)) out.models[slot] = ini.Text(kSection, ModelSlotKey(slot), "");
  out.password = ini.Integer(kSection, "Password", -1);
  return true;
}

int PersonalChecksum(const PersonalIni& ini) {
  unsigned sum = 0;
  auto add = [&sum](const std::string& text) {
    for (unsigned char c : text) sum = (sum + c) % 256;
  };
  for (int slot = 0; slot <= 12; ++slot) add(ini.models[slot]);
  add(ini.logo);
  add(ini.firm);
  add(ini.modem);
  return sum > 0 ? static_cast<int>(256 - sum) : 0;
}

void ApplyPersonalIni(const std::string& path) {
  PersonalIni ini;
  const bool valid = ReadPersonalIni(path, ini) && PersonalChecksum(ini) == ini.password;
  ModelNames = valid ? ini.models : DefaultModelNames();
}
