#include "shell/branding.h"

#include <gtest/gtest.h>

#include <set>

#include "shell/ini_file.h"
#include "temp_dir.h"

namespace {

class PersonalIniTest : public ::testing::Test {
 protected:
  void SetUp() override { ModelNames = {}; }
  std::string Write(const std::string& text) const {
    return dir.Write("PERSONAL.INI", text).string();
  }
  TempDir dir;
};

TEST_F(PersonalIniTest, AbsentFileGivesTheDefaultNames) {
  ApplyPersonalIni(dir.str() + "/PERSONAL.INI");
  EXPECT_EQ(ModelNames[21], "VELA-A");
  EXPECT_EQ(ModelNames[22], "VELA-I");
  const std::set<int> named = {0,  1,  2,  3,  4,  5,  9,  10, 11, 12, 20, 21,
                               22, 23, 24, 25, 26, 27, 28, 29, 50, 51, 52};
  for (int slot = 0; slot < kModelSlots; ++slot)
    EXPECT_EQ(ModelNames[slot].empty(), !named.count(slot)) << "slot " << slot;
}

TEST_F(PersonalIniTest, ValidFileNamesItsSlotsAndEmptiesTheRest) {
  // "X" (88) + "A" (65) + "B" (66) + "C" (67) = 286; 286 mod 256 = 30; 256 - 30 = 226.
  ApplyPersonalIni(
      Write("[Personal]\r\nModel0=X\r\nModel25=Custom 25\r\nLogo=A\r\nFirm=B\r\nModem=C\r\n"
            "Password=226\r\n"));
  EXPECT_EQ(ModelNames[0], "X");
  EXPECT_EQ(ModelNames[25], "Custom 25");  // outside the checksum, still taken
  EXPECT_EQ(ModelNames[1], "");
  EXPECT_EQ(ModelNames[21], "");  // a slot with a key but no value in the file
  EXPECT_EQ(ModelNames[50], "");
}

TEST_F(PersonalIniTest, WrongOrMissingPasswordGivesTheDefaults) {
  for (const char* password : {"Password=225\n", "Password=-1\n", "Password=abc\n", ""}) {
    ModelNames = {};
    ApplyPersonalIni(
        Write(std::string("[Personal]\nModel0=X\nLogo=A\nFirm=B\nModem=C\n") + password));
    EXPECT_EQ(ModelNames[0], "LR1000") << password;
    EXPECT_EQ(ModelNames[21], "VELA-A") << password;
  }
}

TEST_F(PersonalIniTest, ChecksumCountsBytesAsUnsignedAndWraps) {
  // 0xC8 + 0xC9 + 0xE8 + 0xE8 = 865; 865 mod 256 = 97; 256 - 97 = 159.
  ApplyPersonalIni(
      Write("[Personal]\nLogo=\xE8\nFirm=\xE8\nModem=\nModel1=\xC8\xC9\nPassword=159\n"));
  EXPECT_EQ(ModelNames[1], "\xC8\xC9");

  PersonalIni ini;
  ini.logo = "\xE8";
  ini.firm = "\xE8";
  ini.modem = "";
  EXPECT_EQ(PersonalChecksum(ini), 48);  // 464 mod 256 = 208; 256 - 208 = 48
  ini.logo = ini.firm = "\x80";          // 128 + 128 wraps to 0, and a sum of 0 checks as 0
  EXPECT_EQ(PersonalChecksum(ini), 0);
}

TEST_F(PersonalIniTest, AbsentModemAndFirmEnterTheChecksumWithTheirDefaults) {
  PersonalIni ini;
  ASSERT_TRUE(ReadPersonalIni(Write("[Personal]\nLogo=A\n"), ini));
  EXPECT_EQ(ini.modem, kDefaultModem);
  EXPECT_EQ(ini.firm, "Corvena Security srl");
  EXPECT_EQ(ini.password, -1);
  PersonalIni expected;
  expected.logo = "A";
  expected.modem = kDefaultModem;
  expected.firm = "Corvena Security srl";
  EXPECT_EQ(PersonalChecksum(ini), PersonalChecksum(expected));
  EXPECT_NE(PersonalChecksum(ini), 256 - 65);  // the defaults do count
}

TEST_F(PersonalIniTest, KeysAndSectionMatchWithoutCaseAndValuesLoseBlanksAndQuotes) {
  // "Y" (89) + "Z" (90) + "" + "" = 179; 256 - 179 = 77.
  ApplyPersonalIni(
      Write("; branding\n[other]\nmodel0=wrong\n[ PERSONAL ]\nMODEL0 =  Y  \n"
            "logo=\"Z\"\nfirm=\nmodem=''\nmodel0=later\npassword = 77\n"));
  EXPECT_EQ(ModelNames[0], "Y");
}

TEST(ModelNames, SlotKeysAndSafeLookup) {
  EXPECT_EQ(ModelSlotKey(0), "Model0");
  EXPECT_EQ(ModelSlotKey(12), "Model12");
  EXPECT_EQ(ModelSlotKey(29), "Model29");
  for (int slot : {6, 7, 8, 13, 19, 30, 50, 52}) EXPECT_EQ(ModelSlotKey(slot), "") << slot;
  ModelNames = DefaultModelNames();
  EXPECT_EQ(ModelName(22), "VELA-I");
  EXPECT_EQ(ModelName(53), "");
  EXPECT_EQ(ModelName(-1), "");
  EXPECT_EQ(ModelName(255), "");
}

TEST(ParseDecimal, AcceptsOnlyASignedDecimalWithBlanksAround) {
  EXPECT_EQ(ParseDecimal("42"), 42);
  EXPECT_EQ(ParseDecimal(" -3\t"), -3);
  EXPECT_EQ(ParseDecimal("+7"), 7);
  for (const char* bad : {"", " ", "+", "+-5", "4 2", "0x10", "12a", "2147483648"})
    EXPECT_FALSE(ParseDecimal(bad).has_value()) << '"' << bad << '"';
}

}  // namespace
