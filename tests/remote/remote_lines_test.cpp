// The remote-programming lines: their syntax, the phone-book entries with the ADT number in
// entry 95, and what a comparison with a stored customer leaves to send.
#include <gtest/gtest.h>

#include "archive/archive.h"
#include "archive/archive_store.h"
#include "record_samples.h"
#include "remote/remote_lines.h"
#include "scripted_host.h"
#include "stored_customer.h"
#include "temp_dir.h"

namespace {

TEST(RemoteLinesTest, LineSyntax) {
  EXPECT_EQ(RemoteTextLine(1, "O1=H;"), "#*a*O1=H;*");
  EXPECT_EQ(RemoteTextLine(17, "ciao"), "#*q*ciao*");
  EXPECT_EQ(RemoteEntryLine("07"), "#*r*07*");
}

TEST(RemoteLinesTest, EntriesCarryNumbersTheAdtNumberAndTheContactNumbers) {
  Tag_GlobalBuffer r;
  RemoteEntries entries = RemoteEntriesOf(r);
  for (int n = 1; n <= kRemoteEntries; ++n) {
    char bare[4];
    std::snprintf(bare, sizeof bare, "%02d", n);
    EXPECT_EQ(entries[static_cast<std::size_t>(n - 1)], bare);
  }
  r.NumeriTelefonici[7] = {" Casa ", " 0212 ", 0, 0};  // used as stored, not trimmed
  r.NumeriTelefonici[95] = {"Ignored", "999", 0, 0};
  r.ComDig.Numero2 = "555";
  entries = RemoteEntriesOf(r);
  EXPECT_EQ(entries[6], "07,\" 0212 \",,\" Casa \"");
  EXPECT_EQ(entries[94], "95");  // telephone number 95 is never sent
  EXPECT_EQ(entries[96], "97,\"555\",,\"CONTACT ID 2\"");
  r.Opzioni.NtelChiamataADT = "0331123";
  EXPECT_EQ(RemoteEntriesOf(r)[94], "95,\"0331123\",,\"ADT\"");
}

TEST(RemoteLinesTest, AllListsEveryNonEmptyTextAndEveryEntry) {
  Tag_Cliente h;
  Tag_GlobalBuffer r;
  FillEveryField(h, r);
  r.Ingressi[7].SMSAttiv = "";  // PX17 empty: never sent
  const RemoteTexts texts = RemoteTextsOf(r);
  ASSERT_TRUE(texts[16].empty());
  const auto lines = RemoteLines(texts, RemoteEntriesOf(r), nullptr, nullptr);
  ASSERT_EQ(lines.size(), 16u + 99u);
  EXPECT_EQ(lines[0].substr(0, 4), "#*a*");
  EXPECT_EQ(lines[15].substr(0, 4), "#*p*");
  EXPECT_EQ(lines[16].substr(0, 7), "#*r*01,");
  EXPECT_EQ(lines.back().substr(0, 7), "#*r*99,");
}

class RemoteCompareTest : public ::testing::Test {
 protected:
  void SetUp() override { StoreAlfa(dir, header, record); }
  void TearDown() override { InstallArchiveStore(nullptr); }

  TempDir dir;
  ScopedScriptedHost ui;
  Tag_Cliente header;
  Tag_GlobalBuffer record;
};

TEST_F(RemoteCompareTest, SameCustomerLeavesNothingToSend) {
  std::vector<std::string> lines{"stale"};
  ASSERT_TRUE(RemoteLinesFor(record, header, header.SerialCli, lines));
  EXPECT_TRUE(lines.empty());
  EXPECT_TRUE(ui.host.Boxes().empty());
}

TEST_F(RemoteCompareTest, OnlyWhatChangedIsSent) {
  Tag_GlobalBuffer live = record;
  live.NumeriTelefonici[7].Numero = "";  // deleted since: the entry is cleared remotely
  live.NumeriTelefonici[95].Numero = "12345";
  live.Ingressi[1].SMSAttiv = "Allarme";
  std::vector<std::string> lines;
  ASSERT_TRUE(RemoteLinesFor(live, header, header.SerialCli, lines));
  EXPECT_EQ(lines, (std::vector<std::string>{"#*e*Allarme*", "#*r*07*"}));
  EXPECT_EQ(live.NumeriTelefonici[7].Numero, "");  // the record given is left as it was
}

TEST_F(RemoteCompareTest, CustomerThatCannotBeLoadedGivesNoLines) {
  ASSERT_TRUE(ArchiveDeleteCustomer(header.SerialCli));
  std::vector<std::string> lines{"stale"};
  EXPECT_FALSE(RemoteLinesFor(record, header, header.SerialCli, lines));
  EXPECT_TRUE(lines.empty());
}

}  // namespace
