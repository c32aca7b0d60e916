// The call lists: how reply lines become grid rows, and both families' loads against the
// simulated communicator (its SIM holds two received calls, one of them without a name, one
// missed and one dialled call).
#include <algorithm>

#include "device_sim_fixture.h"
#include "link/at_channel.h"
#include "remote/call_lists.h"
#include "shell/language.h"

namespace {

TEST(CallEntriesTest, GridRowsFromReplyLines) {
  const auto entries = CallEntriesFromLines({
      "+CPBR: 1,\"+393331234567\",145,\"Rossi\"", "+CPBR: 2,\"0212345678\",129,\"\"",
      "+CPBR: 3,\"\",129,\"Nobody\"",  // no number: skipped
      "+CPBR: 4,\"555\",129",          // no name at all
      "OK",                            // no double quote: nothing
  });
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "Rossi");
  EXPECT_EQ(entries[0].number, "+393331234567");
  EXPECT_EQ(entries[1].name, LanguageText(164));
  EXPECT_EQ(entries[1].number, "0212345678");
  EXPECT_EQ(entries[2].name, LanguageText(164));
  EXPECT_TRUE(CallEntriesFromLines({}).empty());
}

class CallListsTest : public DeviceSimTest {
 protected:
  // The phone-book selections the module received, in order.
  std::vector<std::string> Selections() {
    std::vector<std::string> s;
    for (const auto& line : sim->Received())
      if (line.rfind("AT+CPBS=", 0) == 0) s.push_back(line.substr(8));
    return s;
  }
};

TEST_F(CallListsTest, FamilyIReadsAllThreeAndLeavesTheBookOnMt) {
  Start('I');
  CallLists lists;
  ASSERT_TRUE(LoadCallListsFamilyI(Comm, lists));
  const auto received = CallEntriesFromLines(lists.received);
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[0].name, "Rossi");
  EXPECT_EQ(received[1].name, LanguageText(164));
  EXPECT_EQ(CallEntriesFromLines(lists.missed).size(), 1u);
  ASSERT_EQ(CallEntriesFromLines(lists.dialled).size(), 1u);
  EXPECT_EQ(CallEntriesFromLines(lists.dialled)[0].name, "Assistenza");
  EXPECT_EQ(Selections(), (std::vector<std::string>{"\"RC\"", "\"MC\"", "\"DC\"", "\"MT\""}));
  EXPECT_FALSE(sim->Passthrough());
  EXPECT_EQ(Comm.Handle, -1);
  EXPECT_FALSE(ui.host.progressVisible);
  EXPECT_EQ(ui.host.progressMaximum, 16);
  EXPECT_TRUE(ui.host.Boxes().empty());
}

TEST_F(CallListsTest, FamilyIRefusedStorageIsEmptyAndTheOthersAreRead) {
  Start('I', {"no-storage=DC"});
  CallLists lists;
  lists.dialled = {"stale"};
  ASSERT_TRUE(LoadCallListsFamilyI(Comm, lists));
  EXPECT_TRUE(lists.dialled.empty());
  EXPECT_EQ(CallEntriesFromLines(lists.received).size(), 2u);
  EXPECT_EQ(CallEntriesFromLines(lists.missed).size(), 1u);
}

TEST_F(CallListsTest, FamilyIRefusedPathReadsNothing) {
  Start('I', {"error=0xC3"});
  CallLists lists;
  EXPECT_FALSE(LoadCallListsFamilyI(Comm, lists));
  EXPECT_EQ(ui.host.BoxTexts(), std::vector<std::string>{LanguageText(237)});
  EXPECT_TRUE(lists.received.empty());
  EXPECT_EQ(Comm.Handle, -1);
}

TEST_F(CallListsTest, FamilyAReadsReceivedAndMissedAndGoesBackToTheSim) {
  Start('A');
  CallLists lists;
  bool answering = false;
  ASSERT_TRUE(LoadCallListsFamilyA(Comm, Cliente, true, lists, answering));
  EXPECT_TRUE(answering);
  EXPECT_EQ(CallEntriesFromLines(lists.received).size(), 2u);
  EXPECT_EQ(CallEntriesFromLines(lists.missed).size(), 1u);
  EXPECT_TRUE(lists.dialled.empty());
  EXPECT_EQ(Selections(), (std::vector<std::string>{"\"RC\"", "\"MC\"", "\"SM\""}));
  EXPECT_NE(Comm.Handle, -1);  // left open for the poller
  EXPECT_TRUE(ui.host.Boxes().empty());
}

TEST_F(CallListsTest, FamilyARefusedStorageDoesNotShowTheSimPhoneBook) {
  Start('A', {"no-storage=RC"});
  sim->SetPhoneEntry("SM", 1, PhoneEntry{"0123456", 129, "TELNUM1"});
  CallLists lists;
  bool answering = false;
  ASSERT_TRUE(LoadCallListsFamilyA(Comm, Cliente, true, lists, answering));
  EXPECT_TRUE(lists.received.empty());
  EXPECT_EQ(CallEntriesFromLines(lists.missed).size(), 1u);
}

TEST_F(CallListsTest, FamilyAChecksFirst) {
  const struct {
    const char* configured;
    bool moduleReady;
    int text;
  } cases[] = {{"1.05", true, 146}, {"1.12", false, 54}};
  for (const auto& c : cases) {
    Start('A');
    Cliente.Rel_firmware = c.configured;
    CallLists lists;
    bool answering = false;
    EXPECT_FALSE(LoadCallListsFamilyA(Comm, Cliente, c.moduleReady, lists, answering));
    EXPECT_FALSE(answering);
    EXPECT_EQ(ui.host.BoxTexts(), std::vector<std::string>{LanguageText(c.text)}) << c.configured;
    const auto received = sim->Received();
    EXPECT_TRUE(std::none_of(received.begin(), received.end(),
                             [](const std::string& l) { return l.find("CPBS") != l.npos; }));
    ui.host.ClearBoxes();
    TearDown();
  }
}

TEST_F(CallListsTest, FamilyABusyLineReadsNothingSilently) {
  Start('A', {"chatter"});
  CallLists lists;
  bool answering = false;
  EXPECT_FALSE(LoadCallListsFamilyA(Comm, Cliente, true, lists, answering));
  EXPECT_FALSE(answering);
  EXPECT_TRUE(ui.host.Boxes().empty());
}

}  // namespace
