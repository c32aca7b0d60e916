#include "pages/sms_rules.h"

#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace {

TEST(SmsRules, FamilyATextKeysAndStore) {
  struct Case {
    char ch;
    std::size_t length;
    bool accepted;
  } cases[] = {{' ', 0, true},    {'Z', 0, true},   {'[', 0, false},
               {'`', 0, false},   {'a', 119, true}, {'a', 120, false},
               {'\b', 120, true}, {'{', 0, false},  {'\x80', 0, false}};
  for (const auto& c : cases)
    EXPECT_EQ(FamilyASmsKeyAccepted(c.ch, c.length), c.accepted) << int(c.ch) << " " << c.length;

  RecordFixture f;
  EXPECT_TRUE(StoreFamilyASms(f.record, 2, "  Alarm on input 2 "));
  EXPECT_EQ(f.record.SmsS[2].Descrizione, "Alarm on input 2");
  EXPECT_FALSE(StoreFamilyASms(f.record, 2, "Alarm on input 2  "));
  EXPECT_TRUE(StoreFamilyASms(f.record, 3, std::string(130, 'x')));
  EXPECT_EQ(f.record.SmsS[3].Descrizione.size(), 120u);
}

TEST(SmsRules, ServiceFlagBOnEntryThreeBringsAAndClearsTheEntry) {
  RecordFixture f(kTypeVelaI);
  Tag_Ingresso& in3 = f.record.Ingressi[3];
  in3.MaskSms = 0x11;
  in3.SMSAttiv = "on";
  in3.SMSRipr = "off";
  f.record.ComDig.Eventi[4].Invia = 1;
  f.record.ComDig.Eventi[5].Invia = 1;
  f.record.ComDig.Eventi[6].Invia = 1;
  ToggleServiceFlag(f.record, 3, 2);
  EXPECT_EQ(in3.ServVELA_I_2, 1);
  EXPECT_EQ(in3.ServVELA_I_1, 1);
  EXPECT_EQ(in3.Polarita, 0);
  EXPECT_EQ(in3.MaskSms, 0);
  EXPECT_EQ(in3.SMSAttiv.str(), "");
  EXPECT_EQ(in3.SMSRipr.str(), "");
  EXPECT_EQ(f.record.ComDig.Eventi[4].Invia, 0);
  EXPECT_EQ(f.record.ComDig.Eventi[5].Invia, 0);
  EXPECT_EQ(f.record.ComDig.Eventi[6].Invia, 1);  // input 4's pair stays
  EXPECT_TRUE(AdtNumberEnabled(f.record));
  ToggleEntryPolarity(f.record, 3);
  EXPECT_EQ(in3.Polarita, 0);  // held while "B" is set
  ToggleEntryTextedNumber(f.record, 3, 0);
  EXPECT_EQ(in3.MaskSms, 0);
  EXPECT_FALSE(EntryTextKeyAccepted(in3, 'a', 0));
}

TEST(SmsRules, ServiceFlagsByEntry) {
  RecordFixture f(kTypeVelaI);
  ToggleServiceFlag(f.record, 2, 2);  // "B" alone on entry 2
  EXPECT_EQ(f.record.Ingressi[2].ServVELA_I_1, 0);
  ToggleServiceFlag(f.record, 1, 2);
  EXPECT_EQ(f.record.Ingressi[1].ServVELA_I_1, 1);
  ToggleServiceFlag(f.record, 1, 2);  // clearing "B" leaves "A"
  EXPECT_EQ(f.record.Ingressi[1].ServVELA_I_1, 1);
  EXPECT_EQ(f.record.Ingressi[1].ServVELA_I_2, 0);
  ToggleServiceFlag(f.record, 4, 1);  // entries 4 to 7 have none
  EXPECT_EQ(f.record.Ingressi[4].ServVELA_I_1, 0);
  ToggleEntryPolarity(f.record, 5);
  EXPECT_EQ(f.record.Ingressi[5].Polarita, 1);
}

TEST(SmsRules, PeriodicGroup) {
  Tag_Ingresso input1;
  EXPECT_FALSE(PeriodicGroup("", input1).enabled);
  EXPECT_TRUE(PeriodicGroup("Test", input1).pickersEnabled);
  input1.ServVELA_I_1 = 1;
  const auto state = PeriodicGroup("Test", input1);
  EXPECT_TRUE(state.enabled);
  EXPECT_FALSE(state.pickersEnabled);
}

TEST(SmsRules, IntervalArithmetic) {
  EXPECT_EQ(IntervalMinutes("693", "23", "59"), 693u * 1440 + 23 * 60 + 59);
  EXPECT_EQ(IntervalMinutes(" 1 ", "x", ""), 1440u);
  EXPECT_EQ(IntervalMinutes("693", "99", "99"), 693u * 1440 + 99 * 60 + 99);
  const IntervalParts parts = SplitInterval(693u * 1440 + 99 * 60 + 99);
  EXPECT_EQ(parts.days, 697u);
  EXPECT_EQ(parts.hours, 4u);
  EXPECT_EQ(parts.minutes, 39u);
}

TEST(SmsRules, CreditInterval) {
  EXPECT_EQ(CreditInterval(false, "50"), 0);
  EXPECT_EQ(CreditInterval(true, "50"), 50);
  EXPECT_EQ(CreditInterval(true, ""), 1);
  EXPECT_EQ(CreditInterval(true, "999"), 255);
  EXPECT_EQ(CreditInterval(true, "0"), 1);
}

TEST(SmsRules, AdtKeys) {
  for (char ch : std::string("0123456789*,\b")) EXPECT_TRUE(AdtKeyAccepted(ch)) << ch;
  for (char ch : std::string("+#a ")) EXPECT_FALSE(AdtKeyAccepted(ch)) << ch;
}

}  // namespace
