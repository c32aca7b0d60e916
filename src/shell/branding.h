// Product names: the application title, the device type names and the panel model names,
// which an optional PERSONAL.INI in the working folder may rename.
#pragma once

#include <array>
#include <string>

constexpr int kModelSlots = 53;
using ModelNameTable = std::array<std::string, kModelSlots>;

extern bool AltBrand;
extern std::string ApplicationTitle;            // "LR4090"
extern std::string ArchiveSubFolder;            // below DataPath: "/LR4090"
extern std::array<std::string, 256> TypeNames;  // by device type code; empty if unnamed
extern ModelNameTable ModelNames;               // by panel model code 0 to 52

// Sets the title, the type names and the archive sub-folder.
void ApplyBranding();

// The model name of a code, empty for a code outside the table.
const std::string& ModelName(int code);

ModelNameTable DefaultModelNames();
// The key that renames a slot in PERSONAL.INI ("Model0".."Model5", "Model9".."Model12",
// "Model20".."Model29"), or empty for a slot the file cannot rename.
std::string ModelSlotKey(int slot);

struct PersonalIni {
  std::string logo;
  std::string modem;
  std::string firm;
  ModelNameTable models;  // only the slots with a key are filled
  int password = -1;
};

extern const char* const kDefaultModem;
extern const char* const kDefaultFirm;

// The values of section Personal; false when the file is absent or cannot be read.
bool ReadPersonalIni(const std::string& path, PersonalIni& out);
// 256 - (sum of the bytes of slots 0..12, Logo, Firm, Modem) mod 256, or 0 for a sum of 0.
int PersonalChecksum(const PersonalIni& ini);
// ModelNames from a valid file at path, else the default names.
void ApplyPersonalIni(const std::string& path);
