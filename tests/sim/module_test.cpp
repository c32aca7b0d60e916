// The family A module over its real pseudo-terminal: framing, echo, the text prompt, the
// storage rules the programming image relies on, and the SIM PIN.
#include "sim_fixture.h"

namespace {

class ModuleTest : public SimTest {};

TEST_F(ModuleTest, FramesInformationThenBlankLineThenFinalResult) {
  StartFamilyA();
  EXPECT_EQ(line().At("AT"), "\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CSQ"), "\r\n+CSQ: 18,99\r\n\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CGMI"), "\r\nSIMULATED\r\n\r\nOK\r\n");
  EXPECT_EQ(line().At("at^scid"), "\r\n^SCID: 89390100001234567890\r\n\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+COPS?"), "\r\n+COPS: 0,0,\"SIMNET\"\r\n\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CFUN=1"), "\r\nOK\r\n");
  // Several commands on one line give one final result.
  EXPECT_EQ(line().At("AT+CMGF=1;+CMGF?"), "\r\n+CMGF: 1\r\n\r\nOK\r\n");
  // Numeric results and no results at all.
  line().Send("ATV0\r");
  EXPECT_EQ(line().ReadFor(150), "0\r");
  line().Send("AT+CSQ\r");
  EXPECT_EQ(line().ReadFor(150), "+CSQ: 18,99\r\n0\r");
  line().Send("ATV1Q1\r");
  EXPECT_EQ(line().ReadFor(150), "");
  line().Send("AT+CSQ\r");
  EXPECT_EQ(line().ReadFor(150), "\r\n+CSQ: 18,99\r\n");
  line().Send("ATQ0\r");
  EXPECT_EQ(line().ReadFor(150), "\r\nOK\r\n");  // in effect for its own result
  // A lone carriage return and noise without "AT" get no answer at all.
  line().Send("\r\r#~\r");
  EXPECT_EQ(line().ReadFor(150), "");
}

TEST_F(ModuleTest, UnknownAndVendorCommandsAnswerError) {
  StartFamilyA();
  for (const char* cmd :
       {"AT+MODE=2", "AT^SQWE?", "AT+FOO", "ATD123;", "AT+CSDH=1", "AT+CGMI?", "AT+CMGF=1;+BAR"})
    EXPECT_EQ(line().At(cmd), "\r\nERROR\r\n") << cmd;
  EXPECT_EQ(line().At("AT+CSDH=0"), "\r\nOK\r\n");
}

TEST_F(ModuleTest, ErrorReportsFollowCmee) {
  StartFamilyA();
  const struct {
    const char* cmee;
    const char* reply;
  } cases[] = {
      {"AT+CMEE=0", "\r\nERROR\r\n"},
      {"AT+CMEE=1", "\r\n+CME ERROR: 21\r\n"},
      {"AT+CMEE=2", "\r\n+CME ERROR: invalid index\r\n"},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(line().At(c.cmee), "\r\nOK\r\n");
    EXPECT_EQ(line().At("AT+CPBR=101"), c.reply) << c.cmee;
  }
  // Short-message errors are always numbered.
  ASSERT_EQ(line().At("AT+CMEE=0"), "\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CMGR=41"), "\r\n+CMS ERROR: 321\r\n");
}

TEST_F(ModuleTest, EchoFollowsAte) {
  struct Case {
    bool powerUpEcho;
    const char* command;
    const char* reply;
  };
  const Case cases[] = {
      {false, "AT", "\r\nOK\r\n"},
      {true, "AT", "AT\r\r\nOK\r\n"},
      {true, "ATE0", "ATE0\r\r\nOK\r\n"},  // echoed as typed, before the switch takes effect
      {false, "ATE1", "\r\nOK\r\n"},
  };
  for (const Case& c : cases) {
    SimConfig config;
    config.echo = c.powerUpEcho;
    Start(config);
    EXPECT_EQ(line().At(c.command), c.reply) << c.command << " echo " << c.powerUpEcho;
    TearDown();
  }
  StartFamilyA();
  line().At("ATE1");
  EXPECT_TRUE(sim().ModuleEcho());
  EXPECT_EQ(line().At("AT+CSQ"), "AT+CSQ\r\r\n+CSQ: 18,99\r\n\r\nOK\r\n");
  line().At("ATE0");
  EXPECT_EQ(line().At("AT+CSQ"), "\r\n+CSQ: 18,99\r\n\r\nOK\r\n");
}

TEST_F(ModuleTest, RevisionTextInMessageOneCarriesTheRelease) {
  SimConfig config;
  config.firmware = "1.05";
  Start(config);
  EXPECT_EQ(line().At("at+cmgr=1"),
            "\r\n+CMGR: \"STO UNSENT\",\"\",\r\nVELA-A rev. 1.05\r\n\r\nOK\r\n");
}

TEST_F(ModuleTest, PromptThenCtrlZStoresAtTheLowestFreeIndex) {
  StartFamilyA();
  EXPECT_EQ(line().At("at+cmgw=,,\"STO UNSENT\""), "\r\n> ");
  line().Send("AV1=100000000;\x1A");
  EXPECT_EQ(line().ReadReply(), "\r\n+CMGW: 2\r\n\r\nOK\r\n");
  for (int expected : {3, 4, 5}) {
    ASSERT_EQ(line().At("AT+CMGW"), "\r\n> ");
    line().Send("t\x1A");
    EXPECT_EQ(line().ReadReply(), "\r\n+CMGW: " + std::to_string(expected) + "\r\n\r\nOK\r\n");
  }
  ASSERT_EQ(line().At("at+cmgd=3"), "\r\nOK\r\n");
  ASSERT_EQ(line().At("AT+CMGW=\"+39333\",145"), "\r\n> ");
  line().Send("again\x1A");
  EXPECT_EQ(line().ReadReply(), "\r\n+CMGW: 3\r\n\r\nOK\r\n");

  const auto messages = sim().Messages();
  ASSERT_EQ(messages.size(), 5u);
  EXPECT_EQ(messages.at(2), (StoredMessage{"STO UNSENT", "", "", "AV1=100000000;"}));
  EXPECT_EQ(messages.at(3), (StoredMessage{"STO UNSENT", "+39333", "", "again"}));
  EXPECT_EQ(line().At("AT+CMGR=3"), "\r\n+CMGR: \"STO UNSENT\",\"+39333\",\r\nagain\r\n\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CMGR=7"), "\r\nOK\r\n");  // an empty place
}

TEST_F(ModuleTest, EscCancelsTheTextAndAFullStoreRefuses) {
  StartFamilyA();
  ASSERT_EQ(line().At("AT+CMGW"), "\r\n> ");
  line().Send("never\x1B");
  EXPECT_EQ(line().ReadReply(), "\r\nOK\r\n");
  EXPECT_EQ(sim().Messages().size(), 1u);

  for (int i = 2; i <= 40; ++i) sim().SetMessage(i, StoredMessage{"STO UNSENT", "", "", "x"});
  EXPECT_EQ(line().At("AT+CMGW"), "\r\n+CMS ERROR: 322\r\n");
  ASSERT_EQ(line().At("AT+CMGD=1,4"), "\r\nOK\r\n");
  EXPECT_TRUE(sim().Messages().empty());
}

TEST_F(ModuleTest, ListAndDeleteByStatus) {
  StartFamilyA();
  sim().SetMessage(4, StoredMessage{"REC UNREAD", "+39111", "24/05/01,10:00:00+08", "hi"});
  sim().SetMessage(6, StoredMessage{"STO SENT", "+39222", "", "sent"});
  EXPECT_EQ(line().At("AT+CMGL=\"REC UNREAD\""),
            "\r\n+CMGL: 4,\"REC UNREAD\",\"+39111\",,\"24/05/01,10:00:00+08\"\r\nhi\r\n\r\nOK\r\n");
  // Listing marks it read.
  EXPECT_EQ(line().At("AT+CMGL"), "\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CMGL=ALL"),
            "\r\n+CMGL: 1,\"STO UNSENT\",\"\",\r\nVELA-A rev. 1.12\r\n"
            "+CMGL: 4,\"REC READ\",\"+39111\",,\"24/05/01,10:00:00+08\"\r\nhi\r\n"
            "+CMGL: 6,\"STO SENT\",\"+39222\",\r\nsent\r\n\r\nOK\r\n");
  ASSERT_EQ(line().At("AT+CMGD=1,2"), "\r\nOK\r\n");  // read and sent ones go
  const auto left = sim().Messages();
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left.begin()->first, 1);
}

TEST_F(ModuleTest, SentMessagesGoToTheSink) {
  StartFamilyA();
  ASSERT_EQ(line().At("AT+CMGS=\"+393331234567\""), "\r\n> ");
  line().Send("#*a1\x1A");
  EXPECT_EQ(line().ReadReply(), "\r\n+CMGS: 1\r\n\r\nOK\r\n");
  ASSERT_EQ(sim().SentMessages().size(), 1u);
  EXPECT_EQ(sim().SentMessages()[0], (SentMessage{"+393331234567", "#*a1"}));
  EXPECT_EQ(sim().Messages().size(), 1u);  // nothing stored
}

TEST_F(ModuleTest, PhoneBookReadsListOnlyUsedEntries) {
  StartFamilyA();
  // The family A writer's form: number and name bare, type left empty.
  EXPECT_EQ(line().At("at+cpbw=3,0123456,,TELNUM3"), "\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CPBW=9,\"+39333\",,\"TELNUM9\""), "\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CPBW=,\"555\",129,\"first free\""), "\r\nOK\r\n");

  const struct {
    const char* command;
    const char* reply;
  } cases[] = {
      {"AT+CPBR=1,10",
       "\r\n+CPBR: 1,\"555\",129,\"first free\"\r\n+CPBR: 3,\"0123456\",129,\"TELNUM3\"\r\n"
       "+CPBR: 9,\"+39333\",145,\"TELNUM9\"\r\n\r\nOK\r\n"},
      {"AT+CPBR=4,8", "\r\nOK\r\n"},
      {"AT+CPBR=2", "\r\nOK\r\n"},
      {"AT+CPBR=3", "\r\n+CPBR: 3,\"0123456\",129,\"TELNUM3\"\r\n\r\nOK\r\n"},
      {"AT+CPBR=0", "\r\n+CME ERROR: 21\r\n"},
      {"AT+CPBR=1,101", "\r\n+CME ERROR: 21\r\n"},
      {"AT+CPBR=5,4", "\r\n+CME ERROR: 21\r\n"},
      {"AT+CPBR=?", "\r\n+CPBR: (1-100),40,18\r\n\r\nOK\r\n"},
      {"AT+CPBS?", "\r\n+CPBS: \"SM\",3,100\r\n\r\nOK\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(line().At(c.command), c.reply) << c.command;

  EXPECT_EQ(line().At("at+cpbw=3"), "\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CPBW=4,\"12a\""), "\r\n+CME ERROR: 27\r\n");
  EXPECT_EQ(line().At("AT+CPBW=4,\"1\",,\"a name far too long for it\""), "\r\n+CME ERROR: 24\r\n");
  const auto book = sim().PhoneBook("SM");
  EXPECT_EQ(book.size(), 2u);
  EXPECT_EQ(book.count(3), 0u);
}

TEST_F(ModuleTest, CallListsAreReadOnlyPhoneBooks) {
  StartFamilyA();
  ASSERT_EQ(line().At("AT+CPBS=\"RC\""), "\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CPBR=1,10"),
            "\r\n+CPBR: 1,\"+393331234567\",145,\"Rossi\"\r\n+CPBR: 2,\"0212345678\",129,\"\"\r\n"
            "\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CPBW=1,\"1\""), "\r\n+CME ERROR: 3\r\n");
  EXPECT_EQ(line().At("AT+CPBS=\"MT\""), "\r\n+CME ERROR: 4\r\n");  // not on this module
  EXPECT_EQ(line().At("AT+CPBS?"), "\r\n+CPBS: \"RC\",2,10\r\n\r\nOK\r\n");
}

TEST_F(ModuleTest, CreditQueryAnswersAfterOk) {
  StartFamilyA();
  EXPECT_EQ(line().At("AT+CUSD=1, \"*123#\""), "\r\nOK\r\n");
  EXPECT_EQ(line().ReadFor(600), "\r\n+CUSD: 0,\"Credito residuo 12,50 EUR\",15\r\n");
}

TEST_F(ModuleTest, SimPinLocksUntilEnteredAndClckSwitchesTheRequestOff) {
  SimConfig config;
  config.pin = "4321";
  Start(config);
  EXPECT_EQ(line().At("AT+CPIN?"), "\r\n+CPIN: SIM PIN\r\n\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CPBR=1"), "\r\n+CME ERROR: 11\r\n");
  EXPECT_EQ(line().At("AT+CMGR=1"), "\r\n+CMS ERROR: 311\r\n");
  EXPECT_EQ(line().At("AT+CGMI"), "\r\nSIMULATED\r\n\r\nOK\r\n");  // identity needs no SIM
  EXPECT_EQ(line().At("AT+CPIN=\"1111\""), "\r\n+CME ERROR: 16\r\n");
  EXPECT_EQ(line().At("AT+CPIN=\"4321\""), "\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CPIN?"), "\r\n+CPIN: READY\r\n\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CLCK=\"SC\",2"), "\r\n+CLCK: 1\r\n\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CLCK=\"SC\",0,\"0000\""), "\r\n+CME ERROR: 16\r\n");
  EXPECT_EQ(line().At("AT+CLCK=\"SC\",0,\"4321\""), "\r\nOK\r\n");
  EXPECT_FALSE(sim().Sim().pinRequest);
}

TEST_F(ModuleTest, ThreeWrongPinsBlockTheSimUntilThePuk) {
  SimConfig config;
  config.pin = "4321";
  Start(config);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(line().At("AT+CPIN=\"0000\""), "\r\n+CME ERROR: 16\r\n");
  EXPECT_EQ(line().At("AT+CPIN?"), "\r\n+CPIN: SIM PUK\r\n\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CPIN=\"4321\""), "\r\n+CME ERROR: 16\r\n");
  EXPECT_EQ(line().At("AT+CPIN=\"12345678\",\"9999\""), "\r\nOK\r\n");
  EXPECT_EQ(sim().Sim().pin, "9999");
}

}  // namespace
