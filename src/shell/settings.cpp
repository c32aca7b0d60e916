#include "shell/settings.h"

#include <QLocale>
#include <QSettings>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <optional>

#include "model/record.h"
#include "shell/app_state.h"
#include "shell/branding.h"
#include "shell/cp1252.h"
#include "shell/ini_file.h"
#include "shell/language.h"
#include "shell/text_helpers.h"

std::string Language;
std::string HelpDefault = "English";
int LocalPort = 1;
bool Show1 = true;
bool Show2 = true;
int Show3 = -1;
std::string DataPath = "./DATA";

std::string WorkingDir;
std::string DataFolder;
std::string LanguageFolder;
std::string BitmapFolder;
std::string HelpFolder;

namespace {

constexpr const char* kLocalPort = "Communication/LocalPort";
constexpr const char* kLanguage = "Miscellaneous/Language";
constexpr const char* kHelpDefault = "Miscellaneous/HelpDefault";
constexpr const char* kDataPath = "Miscellaneous/DataPath";
constexpr const char* kTipoCentrale = "Miscellaneous/TipoCentrale";
constexpr const char* kFirmware = "Miscellaneous/Firmware";
constexpr const char* kShow1 = "Miscellaneous/Show1";
constexpr const char* kShow2 = "Miscellaneous/Show2";
constexpr const char* kShow3 = "Miscellaneous/Show3";

std::string g_iniPath;

std::unique_ptr<QSettings> OpenStore() {
  if (!g_iniPath.empty())
    return std::make_unique<QSettings>(QString::fromStdString(g_iniPath), QSettings::IniFormat);
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Vela", "Vela");
}

std::optional<QString> ReadText(const QSettings& store, const QString& key) {
  const QVariant value = store.value(key);
  if (!value.isValid()) return std::nullopt;
  // An unquoted comma in a hand-edited file makes the INI reader split the value.
  if (value.metaType().id() == QMetaType::QStringList) return value.toStringList().join(", ");
  return value.toString();
}

std::string ReadString(const QSettings& store, const char* key, const std::string& fallback) {
  const auto text = ReadText(store, key);
  return text ? text->toStdString() : fallback;
}

int ReadInteger(const QSettings& store, const char* key, int fallback) {
  const auto text = ReadText(store, key);
  if (!text) return fallback;
  return ParseDecimal(text->toStdString()).value_or(fallback);
}

bool ReadBoolean(const QSettings& store, const char* key, bool fallback) {
  const auto text = ReadText(store, key);
  if (!text) return fallback;
  const auto number = ParseDecimal(text->toStdString());
  return number ? *number != 0 : fallback;
}

void Write(QSettings& store, const char* key, const std::string& text) {
  store.setValue(key, QString::fromStdString(text));
}

void Write(QSettings& store, const char* key, int number) {
  store.setValue(key, QString::number(number));
}

void Write(QSettings& store, const char* key, bool flag) {
  store.setValue(key, QString(flag ? "1" : "0"));
}

QString ComKey(int n) {
  return QString("Communication/COM%1").arg(n);
}

}  // namespace

void SetSettingsFile(const std::string& iniPath) {
  g_iniPath = iniPath;
}

std::string LanguageDisplayName(const QLocale& locale) {
  // Windows names the user language in its own words with the country in brackets
  // ("Italiano (Italia)"). The locale data names most languages in lower case
  // ("italiano"), which Windows capitalises, and folds the country into the English
  // names ("American English", "British English"): English is named by its own word.
  if (locale.language() == QLocale::C) return {};
  QString name = locale.language() == QLocale::English ? QStringLiteral("English")
                                                       : locale.nativeLanguageName();
  if (!name.isEmpty()) name[0] = name[0].toUpper();
  const QString country = locale.nativeTerritoryName();
  if (!country.isEmpty()) name += " (" + country + ")";
  return name.toStdString();
}

std::string DefaultLanguage(const std::string& displayName, const std::string& languageFolder) {
  const QString cut = QString::fromStdString(displayName).left(40);
  const std::string name = TrimSpaces(cut.section('(', 0, 0).toStdString());
  // An empty name would stand for the language folder itself and load no file.
  if (name.empty() || !std::filesystem::is_directory(languageFolder + name)) return "English";
  return name;
}

void LoadSettings(const std::string& workingDir) {
  ApplyBranding();
  BusyFlag = false;

  auto store = OpenStore();
  LocalPort = ReadInteger(*store, kLocalPort, 1);

  Language = ReadString(*store, kLanguage, "");
  HelpDefault = ReadString(*store, kHelpDefault, "English");
  DataPath = ReadString(*store, kDataPath, "./DATA");
  Cliente.TipoCentrale = static_cast<uint8_t>(ReadInteger(*store, kTipoCentrale, kTypeVelaA));
  Cliente.Rel_firmware = Utf8ToCp1252(ReadString(*store, kFirmware, "1.00"));
  if (Cliente.TipoCentrale == kTypeVelaI) Cliente.Rel_firmware = "1.00";
  Show1 = ReadBoolean(*store, kShow1, true);
  Show2 = ReadBoolean(*store, kShow2, true);
  Show3 = ReadInteger(*store, kShow3, -1);

  WorkingDir = workingDir;
  if (DataPath == "./DATA") DataPath = JoinPath(WorkingDir, "/Data");
  DataFolder = DataPath + ArchiveSubFolder;
  HelpFolder = WorkingDir + "/HELP/";
  LanguageFolder = JoinPath(WorkingDir, "/LANGUAGE/");

  if (Language.empty())
    Language = DefaultLanguage(LanguageDisplayName(QLocale::system()), LanguageFolder);
  SetLanguageFolder(LanguageFolder);
  LoadLanguage(Language);

  BitmapFolder = JoinPath(WorkingDir, "/BITMAP/");
  ApplyPersonalIni(JoinPath(WorkingDir, "PERSONAL.INI"));

  OutputEventCount = 7;
  NeedModuleInfo = true;
  Closing = false;
  CancelRequested = false;
  GlobalBuffer = Tag_GlobalBuffer{};
  SavedBuffer = Tag_GlobalBuffer{};
}

void LoadSettings() {
  std::error_code error;
  const auto current = std::filesystem::current_path(error);
  LoadSettings(error ? std::string(".") : current.string());
}

bool SaveSettings(SettingsGroup group) {
  auto store = OpenStore();
  switch (group) {
    case SettingsGroup::Language:
      Write(*store, kLanguage, Language);
      Write(*store, kHelpDefault, HelpDefault);
      break;
    case SettingsGroup::Layout:
      Write(*store, kShow1, Show1);
      Write(*store, kShow2, Show2);
      Write(*store, kShow3, Show3);
      break;
    case SettingsGroup::Port:
      Write(*store, kLocalPort, LocalPort);
      break;
    case SettingsGroup::DeviceType:
      Write(*store, kTipoCentrale, static_cast<int>(Cliente.TipoCentrale));
      Write(*store, kFirmware, Cp1252ToUtf8(Cliente.Rel_firmware));
      break;
  }
  store->sync();
  return store->status() == QSettings::NoError;
}

std::string ComDevicePath(int n) {
  const auto store = OpenStore();
  const auto device = ReadText(*store, ComKey(n));
  if (device && !device->trimmed().isEmpty()) return device->trimmed().toStdString();
  return "/dev/ttyS" + std::to_string(n - 1);
}

bool SetComDevicePath(int n, const std::string& device) {
  auto store = OpenStore();
  if (device.empty())
    store->remove(ComKey(n));
  else
    store->setValue(ComKey(n), QString::fromStdString(device));
  store->sync();
  return store->status() == QSettings::NoError;
}
