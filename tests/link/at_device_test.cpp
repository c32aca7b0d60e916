#include "link/at_channel.h"
#include "link_fixture.h"
#include "shell/language.h"

namespace {

using DeviceTest = LinkTest;

const std::string kPrg = "PRG\xE9";

std::string StoredMessage(const std::string& body) {
  return "at+cmgr=1\r\r\n+CMGR: \"STO UNSENT\",\"\",\r\n" + body + "\r\n\r\nOK\r\n";
}

std::string VersionFrame(char a, char b, char c) {
  return {a, b, c, static_cast<char>(a + b + c)};
}

TEST_F(DeviceTest, CheckRevisionComparesFirmwareFamilies) {
  struct Case {
    std::string configured;
    std::string reply;  // empty: the device says nothing
    int result;
    std::string releaseAfter;
  };
  const Case cases[] = {
      {"1.00", "VELA-A rev. 1.12", 1, "1.12"},
      {"1.12", "VELA-A rev. 1.12", 0, "1.12"},
      {"1.05", "VELA-A rev. 1.03", 0, "1.03"},
      {"1.10", "VELA-A rev. 1.19", 0, "1.19"},
      {"1.19", "VELA-A rev. 1.05", 1, "1.05"},
      {"2.00", "VELA-A rev. 1.12", 1, "2.00"},  // neither family: nothing stored
      {"abc", "VELA-A rev. 1.12", 1, "abc"},
      {"1.10", "OTHER rev. 1.12", 3, "1.10"},
      {"1.10", "+CMS ERROR: 321", 2, "1.10"},
      {"1.10", "", 2, "1.10"},
  };
  for (const Case& c : cases) {
    Cliente.Rel_firmware = c.configured;
    if (!c.reply.empty()) peer.OnReceive("at+cmgr=1\r", StoredMessage(c.reply));
    EXPECT_EQ(CheckRevision(port, Cliente, c.configured), c.result)
        << c.configured << " " << c.reply;
    EXPECT_EQ(Cliente.Rel_firmware.str(), c.releaseAfter) << c.configured << " " << c.reply;
  }
}

TEST_F(DeviceTest, CheckRevisionTakesTheDevicesReleaseThenMatches) {
  Cliente.Rel_firmware = "1.00";
  peer.OnReceive("at+cmgr=1\r", StoredMessage("VELA-A rev. 1.12"));
  EXPECT_EQ(CheckRevision(port, Cliente, Cliente.Rel_firmware), 1);
  EXPECT_EQ(Cliente.Rel_firmware.str(), "1.12");
  peer.OnReceive("at+cmgr=1\r", StoredMessage("VELA-A rev. 1.12"));
  EXPECT_EQ(CheckRevision(port, Cliente, Cliente.Rel_firmware), 0);
}

TEST_F(DeviceTest, CheckRevisionWithoutAPortIsNoRevision) {
  CloseComm(port);
  SetComDeviceResolver([](int) { return std::string("/dev/no-such-port"); });
  Cliente.Rel_firmware = "1.10";
  EXPECT_EQ(CheckRevision(port, Cliente, "1.10"), 2);
  EXPECT_EQ(ui.host.Boxes().size(), 1u);  // the port's own warning
}

TEST_F(DeviceTest, CheckRevisionOnASilentLineGivesUpAfterFiveSeconds) {
  const long ms = RealMs([&] { EXPECT_EQ(CheckRevision(port, Cliente, "1.10"), 2); });
  EXPECT_GE(ms, Real(6000));
  EXPECT_LT(ms, Real(9000) + 100);
  EXPECT_GE(ui.host.processed, 3);  // the window kept turning meanwhile
}

TEST_F(DeviceTest, DeviceVersionFrame) {
  Cliente.TipoCentrale = kTypeVelaI;
  struct Case {
    std::string frame;
    bool warn, problem;
    std::string version;
    size_t boxes;
  };
  const Case cases[] = {
      {VersionFrame('1', '0', '5'), true, false, "1.05", 0},
      {VersionFrame('0', '9', '9'), true, false, "0.99", 0},
      {VersionFrame('1', '1', '2'), true, true, "1.12", 1},
      {VersionFrame('1', '1', '2'), false, true, "1.12", 0},
      {VersionFrame('x', '0', '5'), false, true, "x.05", 1},  // not a number: always said
      {"", true, false, "kept", 0},                           // no frame is no problem
      {"105\x00", true, false, "kept", 0},                    // bad check byte
  };
  for (const Case& c : cases) {
    ui.host.ClearBoxes();
    if (!c.frame.empty()) peer.OnReceive("6", c.frame);
    std::string version = "kept";
    EXPECT_EQ(ReadDeviceVersion(port, version, c.warn), c.problem) << c.version;
    EXPECT_EQ(version, c.version);
    ASSERT_EQ(ui.host.Boxes().size(), c.boxes) << c.version;
    if (c.boxes) {
      EXPECT_EQ(ui.host.Boxes()[0].text, LanguageText(146));
    }
  }
}

// Module replies recorded as each maker's modules give them.
struct ModuleScript {
  const char* maker;
  std::vector<std::pair<std::string, std::string>> replies;
  Dati_Modulo expected;
};

const ModuleScript kMotorola{
    "MOTOROLA",
    {{"AT+CGMI\r", "+CGMI: \"Motorola\"\r\n\r\nOK\r\n"},
     {"AT+CGMM\r", "+CGMM: \"GSM900\",\"GSM1800\",\"MODEL=G20\"\r\n\r\nOK\r\n"},
     {"AT+GMR\r", "+GMR: \"R52_G_0D.C0.A1R\"\r\n\r\nOK\r\n"},
     {"AT+CGSN\r", "+CGSN: IMEI\"350000000000017\"\r\n\r\nOK\r\n"},
     {"AT+CIMI\r", "+CIMI: 222015512345678\r\n\r\nOK\r\n"},
     {"AT+COPS?\r", "+COPS: 0,0,\"I TIM\"\r\n\r\nOK\r\n"}},
    {"MOTOROLA", "G20 EU", "R52_G_0D.C0.A1R", "350000000000017", "222015512345678", "I TIM"}};

const ModuleScript kEricsson{
    "ERICSSON",
    {{"AT+CGMI\r", "AT+CGMI\r\r\nERICSSON\r\n\r\nOK\r\n"},
     {"AT+CGMM\r", "AT+CGMM\r\r\n1130101-BVGM47\r\n\r\nOK\r\n"},
     {"AT+GMR\r", "AT+GMR\r\r\nR2A003 prgCXC1250000\r\n\r\nOK\r\n"},
     {"AT+CGSN\r", "AT+CGSN\r\r\n520001234567890\r\n\r\nOK\r\n"},
     {"AT+CIMI\r", "AT+CIMI\r\r\n222101234567890\r\n\r\nOK\r\n"},
     {"AT+COPS?\r", "AT+COPS?\r\r\n+COPS: 0,0,\"vodafone IT\"\r\n\r\nOK\r\n"}},
    {"ERICSSON", "GM47 EU", "R2A003 prgCXC1250000", "520001234567890", "222101234567890",
     "vodafone IT"}};

TEST_F(DeviceTest, ModuleInfoFollowsEachMakersRules) {
  Cliente.TipoCentrale = kTypeVelaI;
  for (const ModuleScript* script : {&kMotorola, &kEricsson}) {
    peer.OnReceive("?", kPrg);
    peer.OnReceive("\xCC", "\xFE");
    for (const auto& [command, reply] : script->replies) peer.OnReceive(command, reply);
    peer.OnReceive("\xFF", "\xFF");
    Dati_Modulo info;
    ASSERT_TRUE(ReadModuleInfo(port, info, true, true)) << script->maker;
    EXPECT_EQ(info.Manufacturer, script->expected.Manufacturer);
    EXPECT_EQ(info.Model, script->expected.Model);
    EXPECT_EQ(info.Revision, script->expected.Revision);
    EXPECT_EQ(info.SerialNumber, script->expected.SerialNumber);
    EXPECT_EQ(info.Imsi, script->expected.Imsi);
    EXPECT_EQ(info.Operator, script->expected.Operator);
    EXPECT_TRUE(peer.ScriptDone()) << script->maker;
  }
  EXPECT_EQ(peer.Received().back(), '\xFF');  // the path was left
}

TEST_F(DeviceTest, ModuleInfoModelNamesOfOtherMakers) {
  const std::pair<std::string, std::string> cases[] = {
      {"module GM48", "GM48 AM"},
      {"TC35 module", "TC35 module"},
  };
  Cliente.TipoCentrale = kTypeVelaI;
  for (const auto& [reply, model] : cases) {
    peer.OnReceive("?", kPrg);
    peer.OnReceive("\xC3", "\xFE");
    peer.OnReceive("AT+CGMI\r", "\r\nSIEMENS\r\n");
    peer.OnReceive("AT+CGMM\r", "\r\n" + reply + "\r\n");
    peer.OnReceive("AT+GMR\r", "\r\nERROR\r\n");
    Dati_Modulo info;
    EXPECT_TRUE(ReadModuleInfo(port, info, false, false));
    EXPECT_EQ(info.Model, model);
  }
}

TEST_F(DeviceTest, ModuleInfoStopsAtTheFirstFailedQuery) {
  Cliente.TipoCentrale = kTypeVelaI;
  peer.OnReceive("?", kPrg);
  peer.OnReceive("\xCC", "\xFE");
  peer.OnReceive("AT+CGMI\r", "\r\nERICSSON\r\n");
  peer.OnReceive("AT+CGMM\r", "\r\n+CME ERROR: 4\r\n");
  Dati_Modulo info{"old", "old", "old", "old", "old", "old"};
  EXPECT_TRUE(ReadModuleInfo(port, info, false, true));
  EXPECT_EQ(info.Manufacturer, "ERICSSON");
  EXPECT_EQ(info.Model, "old");
  EXPECT_EQ(info.Operator, "old");
  EXPECT_EQ(peer.Received().find("AT+GMR"), std::string::npos);
  EXPECT_EQ(peer.Received().back(), '\r');  // no exit byte without endAfter
}

TEST_F(DeviceTest, ModuleInfoWithoutThePathAsksNothing) {
  Cliente.TipoCentrale = kTypeVelaI;
  Dati_Modulo info{"old", "", "", "", "", ""};
  EXPECT_FALSE(ReadModuleInfo(port, info, true, true));
  EXPECT_EQ(info.Manufacturer, "old");
  EXPECT_EQ(peer.Received(), "?");
}

TEST_F(DeviceTest, CreditReplyIsShown) {
  Cliente.TipoCentrale = kTypeVelaI;
  const std::pair<std::string, std::string> cases[] = {
      {"\r\nOK\r\n\r\n+CUSD: 0,\"Credito 5,00 EUR\",15\r\n", "\"Credito 5,00 EUR\",15"},
      {"\r\n+CUSD: 4\r\n", LanguageText(164)},
  };
  for (const auto& [reply, shown] : cases) {
    ui.host.ClearBoxes();
    peer.OnReceive("?", kPrg);
    peer.OnReceive("\xC3", "\xFE");
    peer.OnReceive("AT+CUSD=1, \"*123#\"\r", reply);
    peer.OnReceive("\xFF", "\xFF");
    EXPECT_TRUE(QueryCredit(port, true, false));
    ASSERT_EQ(ui.host.Boxes().size(), 1u);
    EXPECT_EQ(ui.host.Boxes()[0].text, shown);
    EXPECT_EQ(ui.host.Boxes()[0].kind, MsgKind::Information);
  }
  ui.host.ClearBoxes();
  EXPECT_FALSE(QueryCredit(port, true, false));  // no controller: nothing shown
  EXPECT_TRUE(ui.host.Boxes().empty());
}

TEST_F(DeviceTest, PhoneBookHeadForBothTypes) {
  const std::string reply = "\r\n+CPBR: 1,\"0123\",129,\"A\"\r\n\r\nOK\r\n";
  for (uint8_t type : {kTypeVelaA, kTypeVelaI}) {
    Cliente.TipoCentrale = type;
    const size_t before = peer.Received().size();
    peer.OnReceive("AT+CPBR=1,10\r", reply);
    std::string text;
    ReadPhoneBookHead(port, text);
    EXPECT_EQ(peer.Received().substr(before), "AT+CPBR=1,10\r");
    EXPECT_EQ(text, reply.substr(0, reply.size() - 1));
  }
}

TEST_F(DeviceTest, PhoneBookHeadOfASilentModuleIsEmptyAfterFourSeconds) {
  std::string text = "x";
  const long ms = RealMs([&] { ReadPhoneBookHead(port, text); });
  EXPECT_EQ(text, "");
  EXPECT_GE(ms, Real(4000));
  EXPECT_LT(ms, Real(7000) + 100);
}

}  // namespace
