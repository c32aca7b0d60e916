// The persistent settings (an INI file in the user's configuration folder, sections
// Communication and Miscellaneous, every value stored as text) and the folders derived
// from the working directory at start-up.
#pragma once

#include <string>

class QLocale;

// Texts here name files and folders, so they are kept as UTF-8 like the file system's.
extern std::string Language;     // a folder under LANGUAGE; empty until start-up picks one
extern std::string HelpDefault;  // kept and written back, read by nothing else
extern int LocalPort;            // COM n
extern bool Show1;               // page-tree panel pinned
extern bool Show2;               // customer panel shown
extern int Show3;                // page-tree panel height, -1 for the designed one
extern std::string DataPath;     // base folder of the archive, as stored

extern std::string WorkingDir;      // read once at start-up
extern std::string DataFolder;      // DataPath + "/LR4090"
extern std::string LanguageFolder;  // ends with "/"
extern std::string BitmapFolder;    // ends with "/"
extern std::string HelpFolder;      // ends with "/"

enum class SettingsGroup { Language, Layout, Port, DeviceType };

// Points the store at an INI file (tests); an empty path restores the user's file.
void SetSettingsFile(const std::string& iniPath);

// The start-up reading: branding, port number, language and layout values, device type
// and release into the customer header, the folders, the language, PERSONAL.INI, the
// process flags and zeroed records. workingDir stands for the current directory.
void LoadSettings(const std::string& workingDir);
void LoadSettings();  // in the process's current directory

// Writes one group of values; false when the file could not be written.
bool SaveSettings(SettingsGroup group);

// The device that "COM n" opens: the value Communication/COM<n> when set, else /dev/ttyS<n-1>.
std::string ComDevicePath(int n);
// Stores the device for COM n; an empty path returns it to the default.
bool SetComDevicePath(int n, const std::string& device);

// The language a user's locale names, in the form "Italiano (Italia)" (UTF-8).
std::string LanguageDisplayName(const QLocale& locale);
// The language start-up picks when none is stored: the display name cut to 40 characters,
// before its first "(", without blanks around; "English" when LanguageFolder holds no
// folder of that name.
std::string DefaultLanguage(const std::string& displayName, const std::string& languageFolder);
