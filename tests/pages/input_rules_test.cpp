#include "pages/input_rules.h"

#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace {

void Dirty(Tag_Ingresso& in) {
  in.Messaggio = 3;
  in.MaskTel = 0x0f;
  in.MaskSms = 0xf0;
  in.SmsA = 2;
  in.SmsR = 4;
}

void ExpectClean(const Tag_Ingresso& in) {
  EXPECT_EQ(in.Messaggio, 0);
  EXPECT_EQ(in.MaskTel, 0);
  EXPECT_EQ(in.MaskSms, 0);
  EXPECT_EQ(in.SmsA, 0);
  EXPECT_EQ(in.SmsR, 0);
}

TEST(InputRules, EarlyReleaseHasNoServiceNorLineSwitch) {
  RecordFixture f(kTypeVelaA, "1.00");
  f.record.Ingressi[2].Serv = 1;
  f.record.Opzioni.UsaGsm = 1;
  ToggleService(f.record, f.header, 2);
  EXPECT_EQ(f.record.Ingressi[2].Serv, 0);
  ToggleService(f.record, f.header, 2);
  EXPECT_EQ(f.record.Ingressi[2].Serv, 0);  // never set
  NormaliseLineSwitch(f.record, f.header);
  EXPECT_EQ(f.record.Opzioni.UsaGsm, 0);
  ToggleUsaGsm(f.record, f.header);
  ToggleCommutaChiama(f.record, f.header);
  EXPECT_EQ(f.record.Opzioni.UsaGsm, 0);
  EXPECT_EQ(f.record.Opzioni.CommutaChiama, 0);
}

TEST(InputRules, ServiceInputDropsItsSettingsAndLocksItsNumbers) {
  RecordFixture f;
  Dirty(f.record.Ingressi[2]);
  ToggleService(f.record, f.header, 2);
  EXPECT_EQ(f.record.Ingressi[2].Serv, 1);
  ExpectClean(f.record.Ingressi[2]);
  ToggleCalledNumber(f.record, 2, 0);
  ToggleTextedNumber(f.record, 2, 5);
  EXPECT_FALSE(ChooseSmsText(f.record, 2, true, 3));
  EXPECT_FALSE(ChooseMessage(f.record, 2, {"a", "b"}, 1));
  ExpectClean(f.record.Ingressi[2]);
  ToggleService(f.record, f.header, 2);  // a normal input again
  ToggleCalledNumber(f.record, 2, 7);
  EXPECT_EQ(f.record.Ingressi[2].MaskTel, 0x80);
}

TEST(InputRules, ServiceOnInputFourEndsLineSwitching) {
  RecordFixture f;
  f.record.Opzioni.CommutaChiama = 1;
  ToggleService(f.record, f.header, 4);
  EXPECT_EQ(f.record.Opzioni.CommutaChiama, 0);
  EXPECT_EQ(f.record.Opzioni.UsaGsm, 0);
}

TEST(InputRules, LineSwitchOptionsExcludeEachOther) {
  RecordFixture f;
  Tag_Ingresso& in4 = f.record.Ingressi[4];
  Dirty(in4);
  in4.Serv = 1;
  ToggleUsaGsm(f.record, f.header);
  EXPECT_EQ(f.record.Opzioni.UsaGsm, 1);
  ExpectClean(in4);
  EXPECT_EQ(in4.Serv, 0);
  EXPECT_TRUE(InputNumbersLocked(f.record, 4));
  for (int bit = 0; bit < 8; ++bit) EXPECT_TRUE(CalledNumberGrey(f.record, 4, bit));
  EXPECT_FALSE(ChooseMessage(f.record, 4, {"a", "b"}, 1));

  ToggleCommutaChiama(f.record, f.header);
  EXPECT_EQ(f.record.Opzioni.CommutaChiama, 1);
  EXPECT_EQ(f.record.Opzioni.UsaGsm, 0);
  EXPECT_EQ(in4.MaskTel, 1);  // number 1 only
  EXPECT_FALSE(CalledNumberGrey(f.record, 4, 0));
  EXPECT_TRUE(CalledNumberGrey(f.record, 4, 1));
  ToggleCalledNumber(f.record, 4, 1);
  EXPECT_EQ(in4.MaskTel, 1);  // locked

  ToggleCommutaChiama(f.record, f.header);
  EXPECT_EQ(f.record.Opzioni.CommutaChiama, 0);
  EXPECT_EQ(in4.MaskTel, 0);  // unsetting leaves no number
  EXPECT_FALSE(InputNumbersLocked(f.record, 4));

  f.record.Opzioni.CommutaChiama = 1;
  ToggleUsaGsm(f.record, f.header);
  EXPECT_EQ(f.record.Opzioni.CommutaChiama, 0);
}

TEST(InputRules, DuplicateLabelsStoreTheLowerMessage) {
  RecordFixture f;
  const std::vector<std::string> labels = {"Fire", "Gas", "Theft", "Gas"};
  EXPECT_TRUE(ChooseMessage(f.record, 1, labels, 3));
  EXPECT_EQ(f.record.Ingressi[1].Messaggio, 1);
  EXPECT_TRUE(ChooseMessage(f.record, 1, labels, 2));
  EXPECT_EQ(f.record.Ingressi[1].Messaggio, 2);
}

TEST(InputRules, SmsChoiceIsRefusedOnInputFourWhileItSwitchesToGsm) {
  RecordFixture f;
  EXPECT_TRUE(ChooseSmsText(f.record, 4, false, 8));
  EXPECT_EQ(f.record.Ingressi[4].SmsR, 8);
  ToggleUsaGsm(f.record, f.header);
  EXPECT_FALSE(ChooseSmsText(f.record, 4, true, 2));
  EXPECT_EQ(f.record.Ingressi[4].SmsA, 0);
  EXPECT_TRUE(ChooseSmsText(f.record, 3, true, 2));
}

}  // namespace
