#include "shell/settings.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <filesystem>

#include "model/record.h"
#include "scripted_host.h"
#include "shell/app_state.h"
#include "shell/branding.h"
#include "shell/language.h"
#include "temp_dir.h"
#include "test_language.h"

namespace {

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir.path() / "work");
    SetSettingsFile(IniPath());
    Cliente = Tag_Cliente{};
  }
  void TearDown() override {
    SetSettingsFile("");
    LoadEnglishForTests();  // start-up pointed the texts at this test's working folder
  }

  std::string IniPath() const { return (dir.path() / "config" / "Vela.ini").string(); }
  std::string Work() const { return (dir.path() / "work").string(); }
  // Each content goes to a file of its own: the INI reader caches a file by its size and
  // modification time, which two quick writes of the same length can share.
  void Load(const std::string& ini) {
    const std::string name = "config/Vela" + std::to_string(++files) + ".ini";
    SetSettingsFile(dir.Write(name, ini).string());
    LoadSettings(Work());
  }

  TempDir dir;
  int files = 0;
};

TEST_F(SettingsTest, MissingFileGivesTheDefaultsAndTheFolders) {
  BusyFlag = true;
  Closing = true;
  NeedModuleInfo = false;
  OutputEventCount = 3;
  GlobalBuffer.Opzioni.Prefisso = "left over";
  LoadSettings(Work());

  EXPECT_EQ(LocalPort, 1);
  EXPECT_EQ(HelpDefault, "English");
  EXPECT_TRUE(Show1);
  EXPECT_TRUE(Show2);
  EXPECT_EQ(Show3, -1);
  EXPECT_EQ(Cliente.TipoCentrale, 21);
  EXPECT_EQ(Cliente.Rel_firmware, "1.00");
  EXPECT_EQ(DataPath, Work() + "/Data");
  EXPECT_EQ(DataFolder, Work() + "/Data/LR4090");
  EXPECT_EQ(LanguageFolder, Work() + "/LANGUAGE/");
  EXPECT_EQ(BitmapFolder, Work() + "/BITMAP/");
  EXPECT_EQ(HelpFolder, Work() + "/HELP/");
  EXPECT_EQ(WorkingDir, Work());
  // No language folder exists here, so whatever the locale the default is English.
  EXPECT_EQ(Language, "English");

  EXPECT_FALSE(BusyFlag);
  EXPECT_FALSE(Closing);
  EXPECT_TRUE(NeedModuleInfo);
  EXPECT_EQ(OutputEventCount, 7);
  EXPECT_EQ(GlobalBuffer.Opzioni.Prefisso, "");
  EXPECT_TRUE(AltBrand);
  EXPECT_EQ(TypeNames[21], "LR4090-A");
  EXPECT_EQ(TypeNames[22], "LR4090-I");
  EXPECT_EQ(TypeNames[23], "");
  EXPECT_EQ(ApplicationTitle, "LR4090");
  // Reading alone creates no file.
  EXPECT_FALSE(std::filesystem::exists(IniPath()));
}

TEST_F(SettingsTest, IntegersTakeDecimalTextAndFallBackOnAnythingElse) {
  struct Case {
    const char* text;
    int localPort;
    int show3;
  } cases[] = {
      {"3", 3, 3},   {" 4 ", 4, 4},   {"-7", -7, -7},         {"", 1, -1},    {"abc", 1, -1},
      {"2x", 1, -1}, {"0x10", 1, -1}, {"99999999999", 1, -1}, {"1.5", 1, -1}, {"+2", 2, 2},
  };
  for (const auto& c : cases) {
    Load(std::string("[Communication]\nLocalPort=") + c.text +
         "\n[Miscellaneous]\nShow3=" + c.text + "\n");
    EXPECT_EQ(LocalPort, c.localPort) << '"' << c.text << '"';
    EXPECT_EQ(Show3, c.show3) << '"' << c.text << '"';
  }
}

TEST_F(SettingsTest, BooleansAreAnyNonZeroIntegerAndDefaultWhenUnparsable) {
  // Show1 and Show2 both default to true, so "0" is the only way to false.
  struct Case {
    const char* text;
    bool value;
  } cases[] = {
      {"0", false}, {"1", true},     {"2", true},  {"-1", true},  {" 0 ", false},
      {"", true},   {"false", true}, {"no", true}, {"0.0", true},
  };
  for (const auto& c : cases) {
    Load(std::string("[Miscellaneous]\nShow1=") + c.text + "\nShow2=" + c.text + "\n");
    EXPECT_EQ(Show1, c.value) << '"' << c.text << '"';
    EXPECT_EQ(Show2, c.value) << '"' << c.text << '"';
  }
}

TEST_F(SettingsTest, DeviceTypeAndReleaseGoIntoTheCustomerHeader) {
  struct Case {
    const char* type;
    const char* firmware;
    int tipo;
    const char* release;
  } cases[] = {
      {"22", "1.10", 22, "1.00"},  // family I always starts at 1.00
      {"21", "1.12", 21, "1.12"},
      {"23", "1.05", 23, "1.05"},   // any other type is kept as it is
      {"277", "1.10", 21, "1.10"},  // low 8 bits
      {"278", "1.10", 22, "1.00"},
      {"abc", "1.10", 21, "1.10"},
      {"21", "1.0123456789abcdefXYZ", 21, "1.0123456789abcd"},  // cut to 16
  };
  for (const auto& c : cases) {
    Cliente = Tag_Cliente{};
    Load(std::string("[Miscellaneous]\nTipoCentrale=") + c.type + "\nFirmware=" + c.firmware +
         "\n");
    EXPECT_EQ(Cliente.TipoCentrale, c.tipo) << c.type;
    EXPECT_EQ(Cliente.Rel_firmware, c.release) << c.type << " " << c.firmware;
  }
  Load("[Miscellaneous]\nTipoCentrale=21\n");
  EXPECT_EQ(Cliente.Rel_firmware, "1.00");
}

TEST_F(SettingsTest, OnlyTheExactDefaultDataPathIsMadeAbsolute) {
  struct Case {
    const char* stored;
    std::string dataPath;
  } cases[] = {
      {"./DATA", Work() + "/Data"},
      {"./data", "./data"},
      {"./DATA/", "./DATA/"},
      {"/srv/vela", "/srv/vela"},
  };
  for (const auto& c : cases) {
    Load(std::string("[Miscellaneous]\nDataPath=") + c.stored + "\n");
    EXPECT_EQ(DataPath, c.dataPath) << c.stored;
    EXPECT_EQ(DataFolder, c.dataPath + "/LR4090") << c.stored;
  }
}

TEST_F(SettingsTest, StoredLanguageIsTakenWithoutCheckingItsFolder) {
  Load("[Miscellaneous]\nLanguage=Klingon\nHelpDefault=Italiano\n");
  EXPECT_EQ(Language, "Klingon");
  EXPECT_EQ(HelpDefault, "Italiano");
}

TEST_F(SettingsTest, LoadsTheLanguageFromTheWorkingFolder) {
  dir.Write("work/LANGUAGE/Italiano/Italiano.ln3", "00001=File\r\n00002=Archivio\r\n");
  Load("[Miscellaneous]\nLanguage=Italiano\n");
  EXPECT_EQ(CurrentLanguageFolder(), Work() + "/LANGUAGE/");
  EXPECT_EQ(LanguageText(2), "Archivio");
}

TEST_F(SettingsTest, AMissingLanguageFileWarnsAndStartUpGoesOn) {
  ScopedScriptedHost scoped;
  Load("[Miscellaneous]\nLanguage=Klingon\nTipoCentrale=22\n");
  ASSERT_EQ(scoped.host.Boxes().size(), 1u);
  EXPECT_EQ(scoped.host.Boxes()[0].kind, MsgKind::Warning);
  EXPECT_EQ(LanguageText(1), "");
  EXPECT_EQ(Cliente.TipoCentrale, 22);
  EXPECT_EQ(ModelNames[22], "VELA-I");  // read after the language
  EXPECT_EQ(BitmapFolder, Work() + "/BITMAP/");
}

TEST_F(SettingsTest, AValueWithACommaIsReadWhole) {
  Load("[Miscellaneous]\nDataPath=/srv/a, b\n");
  EXPECT_EQ(DataPath, "/srv/a, b");
}

TEST_F(SettingsTest, EachGroupWritesItsValuesAsText) {
  LoadSettings(Work());
  Language = "Italiano";
  HelpDefault = "English";
  Show1 = false;
  Show2 = true;
  Show3 = 240;
  LocalPort = 3;
  Cliente.TipoCentrale = 22;
  Cliente.Rel_firmware = "1.00";

  ASSERT_TRUE(SaveSettings(SettingsGroup::Port));
  const std::string afterPort = ReadFileBytes(IniPath());
  EXPECT_NE(afterPort.find("[Communication]"), std::string::npos);
  EXPECT_NE(afterPort.find("LocalPort=3"), std::string::npos);
  EXPECT_EQ(afterPort.find("Language"), std::string::npos);  // one group at a time

  ASSERT_TRUE(SaveSettings(SettingsGroup::Language));
  ASSERT_TRUE(SaveSettings(SettingsGroup::Layout));
  ASSERT_TRUE(SaveSettings(SettingsGroup::DeviceType));
  const std::string text = ReadFileBytes(IniPath());
  for (const char* line : {"[Miscellaneous]", "Language=Italiano", "HelpDefault=English", "Show1=0",
                           "Show2=1", "Show3=240", "TipoCentrale=22", "Firmware=1.00"})
    EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;

  Language.clear();
  Show1 = true;
  Show3 = -1;
  LocalPort = 1;
  LoadSettings(Work());
  EXPECT_EQ(Language, "Italiano");
  EXPECT_FALSE(Show1);
  EXPECT_EQ(Show3, 240);
  EXPECT_EQ(LocalPort, 3);
  EXPECT_EQ(Cliente.TipoCentrale, 22);
}

TEST_F(SettingsTest, ComDeviceIsTheStoredOneElseTheNumberedSerialPort) {
  EXPECT_EQ(ComDevicePath(1), "/dev/ttyS0");
  EXPECT_EQ(ComDevicePath(4), "/dev/ttyS3");
  ASSERT_TRUE(SetComDevicePath(2, "/tmp/vela-com1"));
  EXPECT_EQ(ComDevicePath(2), "/tmp/vela-com1");
  EXPECT_EQ(ComDevicePath(1), "/dev/ttyS0");
  EXPECT_NE(ReadFileBytes(IniPath()).find("COM2=/tmp/vela-com1"), std::string::npos);
  ASSERT_TRUE(SetComDevicePath(2, ""));
  EXPECT_EQ(ComDevicePath(2), "/dev/ttyS1");
}

TEST_F(SettingsTest, PersonalIniInTheWorkingFolderRenamesTheModels) {
  // "X" (88) + "A" (65) + "B" (66) + "C" (67) = 286; 286 mod 256 = 30; 256 - 30 = 226.
  dir.Write("work/PERSONAL.INI", "[Personal]\nModel0=X\nLogo=A\nFirm=B\nModem=C\nPassword=226\n");
  LoadSettings(Work());
  EXPECT_EQ(ModelNames[0], "X");
  EXPECT_EQ(ModelNames[21], "");
}

TEST(DefaultLanguage, IsTheNameBeforeTheBracketWhenItsFolderExists) {
  TempDir dir;
  std::filesystem::create_directories(dir.path() / "Italiano");
  std::filesystem::create_directories(dir.path() / "Deutsch");
  const std::string folder = dir.str() + "/";
  struct Case {
    std::string displayName;
    const char* language;
  } cases[] = {
      {"Italiano (Italia)", "Italiano"},
      {"Deutsch", "Deutsch"},
      {"  Deutsch   (Schweiz)", "Deutsch"},
      {"Français (France)", "English"},  // no folder for it
      {"", "English"},                   // would name the language folder itself
      {"(Italia)", "English"},
      {std::string(38, ' ') + "Deutsch", "English"},  // cut to 40 before trimming
  };
  for (const auto& c : cases)
    EXPECT_EQ(DefaultLanguage(c.displayName, folder), c.language) << '"' << c.displayName << '"';
}

TEST(LanguageDisplayName, NamesTheLanguageInItsOwnWordsWithTheCountry) {
  EXPECT_EQ(LanguageDisplayName(QLocale("en_US")), "English (United States)");
  EXPECT_EQ(LanguageDisplayName(QLocale("en_GB")), "English (United Kingdom)");
  EXPECT_EQ(LanguageDisplayName(QLocale("it_IT")), "Italiano (Italia)");
  EXPECT_EQ(LanguageDisplayName(QLocale("it_CH")), "Italiano (Svizzera)");
  EXPECT_EQ(LanguageDisplayName(QLocale("de_DE")), "Deutsch (Deutschland)");
  EXPECT_EQ(LanguageDisplayName(QLocale::c()), "");
}

}  // namespace
