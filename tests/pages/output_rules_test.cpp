#include "pages/output_rules.h"

#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace {

constexpr int kFP = 2, kBC = 4, kMS = 6, kCO = 7;

TEST(OutputRules, AnEventSwitchesOneOutputAndTheCountFollows) {
  RecordFixture f;
  int count = CountOutputEvents(f.record);
  ASSERT_EQ(count, 7);
  ClickOutputEvent(f.record, count, 2, kFP);  // FP is on output 1
  EXPECT_EQ(f.record.Uscite[2].FP, 0);
  ClickOutputEvent(f.record, count, 1, kFP);
  EXPECT_EQ(count, 6);
  EXPECT_FALSE(EventAssigned(f.record, kFP));
  ClickOutputEvent(f.record, count, 2, kFP);
  EXPECT_EQ(f.record.Uscite[2].FP, 1);
  EXPECT_EQ(count, 7);
  EXPECT_EQ(count, CountOutputEvents(f.record));
}

TEST(OutputRules, TheCountNeverPassesSeven) {
  RecordFixture f;
  int count = 7;
  f.record.Uscite[1].FP = 0;  // a flag cleared behind the count's back
  ClickOutputEvent(f.record, count, 3, kFP);
  EXPECT_EQ(f.record.Uscite[3].FP, 0);
  EXPECT_EQ(count, 7);
}

TEST(OutputRules, ReservingClearsEventsAndUnreservingEmptiesTheText) {
  RecordFixture f;
  int count = 7;
  f.record.Uscite[3].CO = 1;
  f.record.Uscite[5].CO = 0;  // BC and CO on output 3
  ClickReservedOutput(f.record, count, 3);
  EXPECT_EQ(f.record.Uscite[3].OUTRESERV, 1);
  EXPECT_EQ(f.record.Uscite[3].BC, 0);
  EXPECT_EQ(f.record.Uscite[3].CO, 0);
  EXPECT_EQ(count, 5);
  ClickOutputEvent(f.record, count, 3, kBC);
  EXPECT_EQ(f.record.Uscite[3].BC, 0);  // a reserved output takes no event
  f.record.Uscite[3].Messaggio = "GATE";
  ClickReservedOutput(f.record, count, 3);
  EXPECT_EQ(f.record.Uscite[3].Messaggio, "");
  ClickOutputEvent(f.record, count, 3, kCO);
  EXPECT_EQ(f.record.Uscite[3].CO, 1);
  EXPECT_EQ(count, CountOutputEvents(f.record));
}

TEST(OutputRules, SendTests) {
  RecordFixture early(kTypeVelaA, "1.00");
  early.record.Uscite[2].OUTRESERV = 1;
  EXPECT_FALSE(AnyReservedOutput(early.record, early.header));
  RecordFixture late;
  EXPECT_FALSE(AnyReservedOutput(late.record, late.header));
  late.record.Uscite[5].OUTRESERV = 1;
  EXPECT_TRUE(AnyReservedOutput(late.record, late.header));
  for (int column = kFP; column <= 8; ++column) EXPECT_TRUE(EventAssigned(late.record, column));
  late.record.Uscite[4].MS = 0;
  EXPECT_FALSE(EventAssigned(late.record, kMS));
  EXPECT_FALSE(EventAssigned(late.record, 9));
}

TEST(OutputRules, CommandedOutputsOfFamilyI) {
  RecordFixture f(kTypeVelaI);
  f.record.NumeriTelefonici[4].Uscite = 0x03;
  f.record.NumeriTelefonici[95].Uscite = 0x02;
  ClickCommanded(f.record, 2, 95);
  Tag_Uscita& out = f.record.Uscite[2];
  EXPECT_EQ(out.MaskEventiVELA_I, 0);
  ClickEventBit(f.record, 2, 0);
  EXPECT_EQ(out.MaskEventiVELA_I, 0);  // grey while commanded
  ClickTimed(f.record, 2);
  out.TempoOn = 30;
  out.Conferma = 2;
  out.Messaggio = "PUMP";
  ClickCommanded(f.record, 2, 95);
  EXPECT_EQ(out.OUTRESERV, 0);
  EXPECT_EQ(out.Tipo, 0);
  EXPECT_EQ(out.TempoOn, 0);
  EXPECT_EQ(out.Conferma, 0);
  EXPECT_EQ(out.Messaggio, "");
  EXPECT_EQ(f.record.NumeriTelefonici[4].Uscite, 0x01);
  EXPECT_EQ(f.record.NumeriTelefonici[95].Uscite, 0x00);
  ClickTimed(f.record, 2);
  EXPECT_EQ(out.Tipo, 0);  // only a commanded output is timed
  ClickEventBit(f.record, 2, 7);
  EXPECT_EQ(out.MaskEventiVELA_I, 0x80);
}

TEST(OutputRules, ConfirmationLists) {
  Tag_Uscita out;
  EXPECT_EQ(ConfirmationChoices(out), std::vector<int>({200}));
  out.OUTRESERV = 1;
  EXPECT_EQ(ConfirmationChoices(out), std::vector<int>({200, 202}));
  EXPECT_EQ(ConfirmationOfChoice(out, 1), 2);
  out.Messaggio = "DOOR";
  EXPECT_EQ(ConfirmationChoices(out), std::vector<int>({200, 201, 202}));
  EXPECT_EQ(ConfirmationOfChoice(out, 1), 1);
  EXPECT_EQ(ConfirmationOfChoice(out, 2), 2);
  EXPECT_EQ(ConfirmationText(2), 202);
}

TEST(OutputRules, OnTimeIsHeldToTwoTo254) {
  struct Case {
    const char* cell;
    int stored;
  } cases[] = {{"300", 254}, {"1", 2}, {"", 2}, {" 45 ", 45}, {"x", 2}, {"254", 254}, {"2", 2}};
  for (const auto& c : cases) EXPECT_EQ(OnTimeFromText(c.cell), c.stored) << c.cell;
}

TEST(OutputRules, KeyFilters) {
  EXPECT_TRUE(SmsCodeKeyAccepted(' '));
  EXPECT_FALSE(SmsCodeKeyAccepted('#'));
  EXPECT_FALSE(OutputTextKeyAccepted('A', 0, false));
  EXPECT_TRUE(OutputTextKeyAccepted('A', 9, true));
  EXPECT_FALSE(OutputTextKeyAccepted('A', 10, true));
  EXPECT_TRUE(OutputTextKeyAccepted('\b', 10, true));
  EXPECT_FALSE(CommandNameKeyAccepted(' ', 0));
  EXPECT_FALSE(CommandNameKeyAccepted('Z', 8));
  EXPECT_TRUE(OnTimeKeyAccepted('9', "12", true));
  EXPECT_FALSE(OnTimeKeyAccepted('9', "123", true));
  EXPECT_TRUE(OnTimeKeyAccepted('\b', "123", true));
  EXPECT_FALSE(OnTimeKeyAccepted('\b', "", false));
}

}  // namespace
