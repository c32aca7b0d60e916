// The family I controller over the pseudo-terminal: its frames, the path to the module, the
// minute counters, and the storage rules of the two module makers behind it.
#include "shell/pacing.h"
#include "sim_fixture.h"

namespace {

class ControllerTest : public SimTest {
 protected:
  void TearDown() override {
    SimTest::TearDown();
    SetPacingSpeed(1);
  }
  std::string Ask(char command) {
    line().Send(std::string(1, command));
    return line().ReadBytes(4);
  }
  static unsigned Minutes(const std::string& frame) {
    unsigned v = 0;
    for (int i = 3; i >= 0; --i) v = v * 256 + static_cast<unsigned char>(frame[i]);
    return v;
  }
};

TEST_F(ControllerTest, AnswersEachCommandWithAChecksummedFrame) {
  StartFamilyI("MOTOROLA");
  const struct {
    char command;
    std::string frame;
  } cases[] = {
      {'?', ControllerFrame('P', 'R', 'G')}, {'6', ControllerFrame('1', '0', '5')},
      {'7', ControllerFrame(180, 0, 200)},   {'8', ControllerFrame(0, 0, 255)},
      {':', ControllerFrame(0, 0, 0)},       {'9', ControllerFrame(255, 255, 255)},
      {';', ControllerFrame('E', 'R', 'R')},  // nothing programmed: no counters
      {'<', ControllerFrame('E', 'R', 'R')},
  };
  for (const auto& c : cases) EXPECT_EQ(Ask(c.command), c.frame) << c.command;
  EXPECT_EQ(ControllerFrame('P', 'R', 'G')[3], '\xE9');
  // The device command 0xC6 is taken only right after "PRG".
  line().Send("\xC6");
  EXPECT_EQ(line().ReadBytes(4), ControllerFrame('E', 'R', 'R'));
  line().Send("?\xC6");
  EXPECT_EQ(line().ReadBytes(8), ControllerFrame('P', 'R', 'G') + ControllerFrame('O', 'K', ' '));

  DeviceStatus status;
  status.signal = 24;
  status.warnings = 0x10;
  status.inputs = 0x31;
  status.outputValues[0] = 7;
  status.outputValues[3] = 9;
  sim().SetStatus(status);
  EXPECT_EQ(Ask('7'), ControllerFrame(24, 0x10, 200));
  EXPECT_EQ(Ask('8'), ControllerFrame(0x31, 0, 7));
  EXPECT_EQ(Ask('9'), ControllerFrame(255, 255, 9));
}

TEST_F(ControllerTest, OutputCommandsSwitchAndReportTheOutputs) {
  StartFamilyI("MOTOROLA");
  EXPECT_EQ(Ask('0'), ControllerFrame(0x01, 0, 0));
  EXPECT_EQ(Ask('3'), ControllerFrame(0x09, 0, 0));
  EXPECT_EQ(Ask('0'), ControllerFrame(0x08, 0, 0));
  EXPECT_EQ(Ask(':'), ControllerFrame(0x08, 0, 0));
}

TEST_F(ControllerTest, PassThroughOpensOnlyAfterPrgAndClosesOnFf) {
  StartFamilyI("MOTOROLA");
  line().Send("\xCC");  // not announced by "?"
  EXPECT_EQ(line().ReadFor(150), "");
  EXPECT_FALSE(sim().Passthrough());

  for (char enter : {'\xCC', '\xC3'}) {
    EXPECT_EQ(Ask('?'), ControllerFrame('P', 'R', 'G'));
    line().Send(std::string(1, enter));
    EXPECT_EQ(line().ReadBytes(1), "\xFE");
    EXPECT_TRUE(sim().Passthrough());
    EXPECT_EQ(line().At("AT+CGMI"), "\r\n+CGMI: \"Motorola\"\r\n\r\nOK\r\n");
    line().Send("\xFF");
    EXPECT_EQ(line().ReadBytes(1), "\xFF");
    EXPECT_FALSE(sim().Passthrough());
    line().Send("AT+CGMI\r");  // the controller has the line again and ignores this
    EXPECT_EQ(line().ReadFor(150), "");
  }
  const std::vector<std::string> expected = {"0xCC", "?",    "0xCC",    "AT+CGMI", "0xFF",
                                             "?",    "0xC3", "AT+CGMI", "0xFF"};
  std::vector<std::string> got = sim().Received();
  got.resize(expected.size());
  EXPECT_EQ(got, expected);
}

TEST_F(ControllerTest, EachMakerIdentifiesItselfInItsOwnForm) {
  const struct {
    const char* maker;
    const char* command;
    const char* info;
  } cases[] = {
      {"MOTOROLA", "AT+CGMM", "+CGMM: \"GSM900\",\"GSM1800\",\"MODEL=G20\""},
      {"MOTOROLA", "AT+GMR", "+CGMR: \"G20_G_0C.11.61R\""},
      {"MOTOROLA", "AT+CGSN", "+CGSN: \"351234567890133\""},
      {"MOTOROLA", "AT+CIMI", "+CIMI: 222019876543210"},
      {"ERICSSON", "AT+CGMI", "ERICSSON"},
      {"ERICSSON", "AT+CGMM", "GM47 DUAL BAND"},
      {"ERICSSON", "AT+CIMI", "222019876543210"},
  };
  for (const auto& c : cases) {
    StartFamilyI(c.maker);
    EnterPassthrough();
    EXPECT_EQ(line().At(c.command), std::string("\r\n") + c.info + "\r\n\r\nOK\r\n")
        << c.maker << " " << c.command;
    EXPECT_EQ(line().At("at^scid"), "\r\nERROR\r\n");  // only the family A module knows it
    SimTest::TearDown();
  }
}

TEST_F(ControllerTest, MotorolaKeepsItsPhoneBookInMtAndStoresTextsWhereItLikes) {
  StartFamilyI("MOTOROLA", {"store-from=21"});
  EnterPassthrough();
  EXPECT_EQ(line().At("AT+CPBS?"), "\r\n+CPBS: \"MT\",0,250\r\n\r\nOK\r\n");
  EXPECT_EQ(line().At("at+cpbw=199,\"0123\",,\"CONTACT ID 4\""), "\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CPBR=1,200"),
            "\r\n+CPBR: 199,\"0123\",129,\"CONTACT ID 4\"\r\n\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CMGD=1,4"), "\r\nOK\r\n");
  for (int n = 0; n < 3; ++n) {
    ASSERT_EQ(line().At("AT+CMGW="), "\r\n> ");
    line().Send("PX\x1A");
    EXPECT_EQ(line().ReadReply(), "\r\n+CMGW: " + std::to_string(21 + n) + "\r\n\r\nOK\r\n");
  }
  EXPECT_EQ(sim().PhoneBook("MT").size(), 1u);
  EXPECT_TRUE(sim().PhoneBook("SM").empty());
}

TEST_F(ControllerTest, EricssonStoresTheTextsAtOneToSeventeenInOrder) {
  StartFamilyI("ERICSSON");
  sim().SetMessage(5, StoredMessage{"REC READ", "+39", "24/01/01,00:00:00+00", "old"});
  EnterPassthrough();
  for (int n = 1; n <= 17; ++n) ASSERT_EQ(line().At("AT+CMGD=" + std::to_string(n)), "\r\nOK\r\n");
  for (int n = 1; n <= 17; ++n) {
    ASSERT_EQ(line().At("AT+CMGW=2"), "\r\n> ");
    line().Send((n == 6 ? std::string() : "PX" + std::to_string(n)) + "\x1A");
    EXPECT_EQ(line().ReadReply(), "\r\n+CMGW: " + std::to_string(n) + "\r\n\r\nOK\r\n");
  }
  EXPECT_EQ(line().At("AT+CMGR=3"), "\r\n+CMGR: \"STO UNSENT\",\"2\",\r\nPX3\r\n\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CMGR=6"), "\r\n+CMGR: \"STO UNSENT\",\"2\",\r\n\r\n\r\nOK\r\n");
  // The phone book without a selection is the SIM's, up to entry 100; "MT" names the same.
  EXPECT_EQ(line().At("at+cpbw=100,\"000010000020\",,\"#1234\""), "\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CPBS=\"MT\""), "\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CPBR=1,100"),
            "\r\n+CPBR: 100,\"000010000020\",129,\"#1234\"\r\n\r\nOK\r\n");
  EXPECT_EQ(sim().PhoneBook("SM").size(), 1u);
}

TEST_F(ControllerTest, CountersRunDownFromTheProgrammedEntry) {
  // One nominal minute passes in 10 ms.
  SetPacingSpeed(6000);
  StartFamilyI("ERICSSON");
  sim().SetMessage(
      3, StoredMessage{"STO UNSENT", "2", "",
                       "IP:HHHH;IS:00000000;MP:001440,DP:000000;C2:0000;T:01;PI;R:0;P:;"});
  sim().SetPhoneEntry("SM", 100, PhoneEntry{"000090000030", 129, "#"});
  const unsigned sms = Minutes(Ask(';'));
  const unsigned report = Minutes(Ask('<'));
  EXPECT_LE(sms, 90u);
  EXPECT_GE(sms, 80u);
  EXPECT_LE(report, 30u);
  EXPECT_GE(report, 20u);
  // Past the first time the SMS counter restarts from its interval; the report has none.
  line().ReadFor(1000);
  const unsigned later = Minutes(Ask(';'));
  EXPECT_LE(later, 1440u);
  EXPECT_GT(later, 1300u);
  EXPECT_EQ(Minutes(Ask('<')), 0u);
}

TEST_F(ControllerTest, SimPinShowsInTheStatusFrameUntilEntered) {
  SimConfig config;
  config.family = 'I';
  config.firmware = "1.05";
  config.pin = "2468";
  Start(config);
  EXPECT_EQ(Ask('8'), ControllerFrame(0, 1, 255));
  EnterPassthrough();
  EXPECT_EQ(line().At("AT+CPIN=\"2468\""), "\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CLCK=\"SC\",0,\"2468\""), "\r\nOK\r\n");
  line().Send("\xFF");
  ASSERT_EQ(line().ReadBytes(1), "\xFF");
  EXPECT_EQ(Ask('8'), ControllerFrame(0, 0, 255));
  EXPECT_FALSE(sim().Sim().pinRequest);
}

}  // namespace
