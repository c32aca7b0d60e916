#include "pages/phone_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "rules_fixture.h"

namespace {

std::string RunMarks(const Tag_GlobalBuffer& record, int output, int count) {
  std::string marks;
  for (int e = 1; e <= count; ++e) marks += PhoneHasOutput(record, e, output) ? 'x' : '.';
  return marks;
}

void GiveRun(Tag_GlobalBuffer& record, int output, int first, int last) {
  for (int e = first; e <= last; ++e) record.NumeriTelefonici[e].Uscite |= 1u << output;
}

TEST(OutputRuns, ClicksKeepOneRunPerOutput) {
  struct Case {
    int first, last;  // the run before the click (0: none)
    int click;
    const char* after;  // entries 1..10
  } cases[] = {
      {3, 5, 4, ".........."},    // inside the run: the whole run goes
      {3, 5, 5, "..xx......"},    // its end: that entry only
      {3, 5, 3, "...xx....."},    // its start: that entry only
      {3, 5, 8, "..xxxxxx.."},    // after it: extended to the click
      {3, 5, 1, "xxxxx....."},    // before it: extended to the click
      {0, 0, 6, ".....x...."},    // no run yet
      {1, 10, 10, "xxxxxxxxx."},  // the last grid row is an end
      {1, 10, 1, ".xxxxxxxxx"},   // and so is the first
  };
  for (const auto& c : cases) {
    RecordFixture f(kTypeVelaI);
    if (c.first) GiveRun(f.record, 1, c.first, c.last);
    ClickOutputRun(f.record, 10, c.click, 1);
    EXPECT_EQ(RunMarks(f.record, 1, 10), c.after)
        << c.first << "-" << c.last << " click " << c.click;
    EXPECT_EQ(RunMarks(f.record, 0, 10), "..........");  // other outputs untouched
  }
}

TEST(OutputRuns, GivingMarksTheOutputCommandedAndTakingDoesNotClear) {
  RecordFixture f(kTypeVelaI);
  ClickOutputRun(f.record, 95, 7, 2);
  EXPECT_EQ(f.record.Uscite[3].OUTRESERV, 1);
  EXPECT_EQ(f.record.Uscite[2].OUTRESERV, 0);
  ClickOutputRun(f.record, 95, 7, 2);
  EXPECT_EQ(f.record.NumeriTelefonici[7].Uscite, 0);
  EXPECT_EQ(f.record.Uscite[3].OUTRESERV, 1);
}

TEST(PhoneRules, KeyFilters) {
  struct Case {
    int col;
    char ch;
    std::size_t length;
    bool accepted;
  } cases[] = {
      {0, '1', 0, false},  {0, '\b', 1, false}, {1, 'a', 19, true}, {1, 'a', 20, false},
      {1, '\b', 20, true}, {2, '5', 0, true},   {2, '+', 7, true},  {2, 'a', 0, false},
      {2, '5', 20, false}, {2, '\b', 20, true}, {3, '1', 0, false}, {2, ' ', 0, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PhoneGridKeyAccepted(c.col, c.ch, c.length), c.accepted)
        << c.col << " '" << c.ch << "' " << c.length;
  EXPECT_TRUE(PrefixKeyAccepted('0'));
  EXPECT_TRUE(PrefixKeyAccepted('\b'));
  EXPECT_FALSE(PrefixKeyAccepted('+'));
}

TEST(PhoneRules, SmsMarksComeFromAnyInputOnTheFirstEightEntries) {
  RecordFixture f(kTypeVelaI);
  f.record.Ingressi[7].MaskSms = 0x84;  // entries 3 and 8
  EXPECT_TRUE(PhoneGetsSms(f.record, 3));
  EXPECT_TRUE(PhoneGetsSms(f.record, 8));
  EXPECT_FALSE(PhoneGetsSms(f.record, 1));
  EXPECT_FALSE(PhoneGetsSms(f.record, 9));
}

TEST(PhoneRules, DigitsToRemoveNeedTheLateReleaseOnFamilyA) {
  EXPECT_FALSE(DigitsToRemoveEnabled(RecordFixture(kTypeVelaA, "1.00").header));
  EXPECT_TRUE(DigitsToRemoveEnabled(RecordFixture(kTypeVelaA, "1.10").header));
  EXPECT_TRUE(DigitsToRemoveEnabled(RecordFixture(kTypeVelaI, "1.00").header));
}

}  // namespace
