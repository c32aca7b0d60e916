#include "pages/comdig_rules.h"

#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace {

TEST(ComDigRules, PairsShowTheirActivationEvent) {
  RecordFixture f(kTypeVelaI);
  Tag_ComDig& cd = f.record.ComDig;
  cd.Eventi[0] = {"12", "1", "30", 0};
  cd.Eventi[1] = {"99", "3", "FF", 0};
  cd.Eventi[8].CodiceUtente = "4";
  EventRows rows = EventRowsFromRecord(cd);
  EXPECT_EQ(rows[2].account, "12");
  EXPECT_EQ(rows[2].code2, "30");
  for (int r = 9; r <= 14; ++r) EXPECT_EQ(rows[r].account, "4");
  EXPECT_EQ(rows[13].code2, "02");
  StoreEventRows(cd, rows);
  EXPECT_EQ(cd.Eventi[1].CodiceUtente.str(), "0012");
  EXPECT_EQ(cd.Eventi[1].CodiceEvento2.str(), "30");
  EXPECT_EQ(cd.Eventi[13].CodiceUtente.str(), "0004");
}

TEST(ComDigRules, AccountCodes) {
  struct Case {
    const char* cell;
    const char* stored;
  } cases[] = {{"12", "0012"}, {"0000", ""},     {"", ""},         {"0", ""},
               {"A", "000A"},  {"1234", "1234"}, {"ABCDE", "ABCD"}};
  for (const auto& c : cases) EXPECT_EQ(AccountCodeToStore(c.cell), c.stored) << c.cell;
}

TEST(ComDigRules, Mirroring) {
  EXPECT_EQ(MirrorRows(1, 1), std::vector<int>({2}));
  EXPECT_EQ(MirrorRows(8, 3), std::vector<int>({7}));
  EXPECT_EQ(MirrorRows(10, 1), std::vector<int>({9, 11, 12, 13, 14}));
  EXPECT_EQ(MirrorRows(11, 2), std::vector<int>({12}));
  EXPECT_TRUE(MirrorRows(13, 3).empty());
  EXPECT_TRUE(MirrorRows(14, 2).empty());
  EXPECT_TRUE(MirrorRows(3, 4).empty());
}

TEST(ComDigRules, KeyFilters) {
  struct Case {
    int row, col;
    char ch;
    std::size_t length;
    bool accepted;
  } cases[] = {
      {1, 1, 'F', 3, true},    {1, 1, '1', 4, false},    {1, 1, 'G', 0, false},
      {1, 1, 'a', 0, false},   {1, 2, '3', 0, true},     {1, 2, '3', 1, false},
      {9, 2, '3', 0, false},   {9, 2, '\b', 1, false},   {1, 3, 'A', 1, true},
      {1, 3, 'A', 2, false},   {1, 1, '\b', 4, true},    {1, 0, '1', 0, false},
      {1, 4, '1', 0, false},   {1, 1, '\x7f', 2, true},  {2, 1, '\x7f', 2, false},
      {7, 3, '\x7f', 2, true}, {8, 3, '\x7f', 2, false}, {12, 2, '\x7f', 1, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(EventKeyAccepted(c.row, c.col, c.ch, c.length), c.accepted)
        << c.row << "," << c.col << " " << int(c.ch) << " " << c.length;
  for (char ch : std::string("0123456789*+,\b")) EXPECT_TRUE(ReceiverNumberKeyAccepted(ch));
  for (char ch : std::string("a#- ")) EXPECT_FALSE(ReceiverNumberKeyAccepted(ch));
}

TEST(ComDigRules, SendFlagsAndTheirLocks) {
  RecordFixture f(kTypeVelaI);
  f.record.Ingressi[2].ServVELA_I_1 = 1;
  EXPECT_FALSE(ClickSendFlag(f.record, 3));
  EXPECT_FALSE(ClickSendFlag(f.record, 4));
  EXPECT_TRUE(ClickSendFlag(f.record, 5));
  EXPECT_EQ(f.record.ComDig.Eventi[4].Invia, 1);
  f.record.ComDig.Eventi[12].Invia = 7;  // any value but 1 is "do not send"
  EXPECT_FALSE(ScheduleEnabled(f.record.ComDig));
  EXPECT_TRUE(ClickSendFlag(f.record, 13));
  EXPECT_TRUE(ScheduleEnabled(f.record.ComDig));
  f.record.Ingressi[1].ServVELA_I_2 = 1;
  EXPECT_TRUE(ClickSendFlag(f.record, 14));  // rows 9 to 14 are never locked
}

TEST(ComDigRules, DefaultCodesLeaveAccountsAndFlags) {
  RecordFixture f(kTypeVelaI);
  Tag_ComDig& cd = f.record.ComDig;
  for (auto& e : cd.Eventi) e = {"1234", "9", "99", 1};
  RestoreDefaultEventCodes(cd);
  EXPECT_EQ(cd.Eventi[0].CodiceEvento1.str(), "1");
  EXPECT_EQ(cd.Eventi[7].CodiceEvento2.str(), "3A");
  EXPECT_EQ(cd.Eventi[9].CodiceEvento2.str(), "51");
  EXPECT_EQ(cd.Eventi[11].CodiceEvento2.str(), "A2");
  EXPECT_EQ(cd.Eventi[12].CodiceEvento1.str(), "6");
  EXPECT_EQ(cd.Eventi[13].CodiceEvento2.str(), "24");
  EXPECT_EQ(cd.Eventi[13].CodiceUtente.str(), "1234");
  EXPECT_EQ(cd.Eventi[13].Invia, 1);
}

}  // namespace
