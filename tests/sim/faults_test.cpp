// Every named fault of the simulator, seen from the client's end of the line.
#include <chrono>
#include <thread>

#include "shell/pacing.h"
#include "sim_fixture.h"
#include "temp_dir.h"

namespace {

class FaultTest : public SimTest {
 protected:
  void TearDown() override {
    SimTest::TearDown();
    SetPacingSpeed(1);
  }
};

TEST_F(FaultTest, NamesAreCheckedAndListed) {
  Faults f;
  std::string error;
  for (const char* bad :
       {"silently", "silent-after=x", "slow=-1", "warning=0x1FF", "error=", "store-from=0"}) {
    EXPECT_FALSE(SetFault(&f, bad, &error)) << bad;
    EXPECT_FALSE(error.empty());
  }
  for (const char* good : {"silent-after=5", "error=AT+CPBW", "error=0xcc", "warning", "slow"})
    EXPECT_TRUE(SetFault(&f, good, &error)) << good << ": " << error;
  EXPECT_EQ(FaultNames(f), (std::vector<std::string>{"silent-after=5", "error=+CPBW", "error=0xCC",
                                                     "warning=32", "slow=1000"}));
  // Every spelling of a command names the same one.
  for (const char* name : {"AT+CPBW", "+cpbw", "CPBW"}) EXPECT_EQ(RefusedName(name), "+CPBW");
  EXPECT_EQ(RefusedName("ATH"), "H");
  EXPECT_EQ(RefusedName("0x3F"), "?");

  SimConfig config;
  config.faults = {"nonsense"};
  Simulator sim(config);
  EXPECT_FALSE(sim.Start(&error));
  EXPECT_NE(error.find("nonsense"), std::string::npos);
}

TEST_F(FaultTest, SilentModuleSendsNothingNotEvenTheEcho) {
  SimConfig config;
  config.echo = true;
  config.faults = {"silent"};
  Start(config);
  EXPECT_EQ(line().At("AT", 300), "");
  ASSERT_TRUE(sim().ClearFault("silent"));
  EXPECT_EQ(line().At("AT"), "AT\r\r\nOK\r\n");
}

TEST_F(FaultTest, SilentAfterAnsweringTwoCommands) {
  SimConfig config;
  config.echo = true;
  config.faults = {"silent-after=2"};
  Start(config);
  EXPECT_EQ(line().At("AT"), "AT\r\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CSQ"), "AT+CSQ\r\r\n+CSQ: 18,99\r\n\r\nOK\r\n");
  EXPECT_EQ(line().At("AT", 300), "");
  EXPECT_EQ(sim().CommandsAnswered(), 3);  // the third was heard, not answered
}

TEST_F(FaultTest, GarbageComesBeforeEveryReply) {
  StartFamilyA({"garbage"});
  const std::string reply = line().At("AT");
  ASSERT_GT(reply.size(), 6u);
  EXPECT_EQ(reply.substr(reply.size() - 6), "\r\nOK\r\n");
  EXPECT_NE(reply.substr(0, 2), "\r\n");
}

TEST_F(FaultTest, ChatterTalksUnasked) {
  SetPacingSpeed(10);
  StartFamilyA({"chatter"});
  EXPECT_NE(line().ReadFor(400).find("junk"), std::string::npos);
  ASSERT_TRUE(sim().ClearFault("chatter"));
  line().ReadFor(150);
  EXPECT_EQ(line().ReadFor(300), "");
}

TEST_F(FaultTest, RefusedCommandAnswersErrorAndTheRestWork) {
  StartFamilyA({"error=AT+CPBW"});
  EXPECT_EQ(line().At("AT+CPBW=1,\"123\""), "\r\nERROR\r\n");
  EXPECT_EQ(line().At("AT+CPBR=1"), "\r\nOK\r\n");
  EXPECT_TRUE(sim().PhoneBook("SM").empty());
  ASSERT_TRUE(sim().ClearFault("error=+CPBW"));
  EXPECT_EQ(line().At("AT+CPBW=1,\"123\""), "\r\nOK\r\n");
}

TEST_F(FaultTest, ControllerFaultsShowInItsFrames) {
  const struct {
    const char* fault;
    std::string command;
    std::string frame;
  } cases[] = {
      {"error=8", "8", ControllerFrame('E', 'R', 'R')},
      {"error=0xCC", "?\xCC", ControllerFrame('P', 'R', 'G') + ControllerFrame('E', 'R', 'R')},
      {"bad-checksum", "?", std::string("PRG\xEA")},
      {"pin", "8", ControllerFrame(0, 1, 255)},
      {"not-ready", "8", ControllerFrame(0, 2, 255)},
      {"warning", "7", ControllerFrame(180, 0x20, 200)},
      {"warning=0x50", "7", ControllerFrame(180, 0x50, 200)},
  };
  for (const auto& c : cases) {
    StartFamilyI("MOTOROLA", {c.fault});
    line().Send(c.command);
    EXPECT_EQ(line().ReadBytes(c.frame.size()), c.frame) << c.fault;
    EXPECT_FALSE(sim().Passthrough()) << c.fault;
    SimTest::TearDown();
  }
}

TEST_F(FaultTest, PinSwitchedOnWhileRunning) {
  StartFamilyA();
  ASSERT_TRUE(sim().SetFault("pin"));
  EXPECT_EQ(line().At("AT+CPIN?"), "\r\n+CPIN: SIM PIN\r\n\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CPIN=\"1234\""), "\r\nOK\r\n");
  EXPECT_EQ(line().At("AT+CPBR=1"), "\r\nOK\r\n");
}

TEST_F(FaultTest, CutLineDropsAndMendsOnANewTerminal) {
  TempDir dir;
  SimConfig config;
  config.linkPath = dir.str() + "/com1";
  Start(config);
  const std::string first = sim().SlavePath();
  EXPECT_EQ(line().At("AT"), "\r\nOK\r\n");
  ASSERT_TRUE(sim().SetFault("cut"));
  EXPECT_TRUE(line().LineDropped());
  EXPECT_FALSE(LineClient(config.linkPath).ok());

  ASSERT_TRUE(sim().ClearFault("cut"));
  for (int i = 0; i < 100 && sim().SlavePath() == first; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  LineClient again(config.linkPath);
  ASSERT_TRUE(again.ok());
  EXPECT_EQ(again.At("AT"), "\r\nOK\r\n");
}

TEST_F(FaultTest, CutAfterOneCommand) {
  StartFamilyA({"cut-after=1"});
  EXPECT_EQ(line().At("AT"), "\r\nOK\r\n");
  line().Send("AT\r");
  EXPECT_TRUE(line().LineDropped());
}

TEST_F(FaultTest, SlowModuleDelaysEachReplyOnThePacingClock) {
  SetPacingSpeed(5);
  SimConfig config;
  config.echo = true;
  config.faults = {"slow=1000"};  // 200 ms at this speed
  Start(config);
  const auto start = std::chrono::steady_clock::now();
  line().Send("AT\r");
  EXPECT_EQ(line().ReadBytes(3), "AT\r");  // the echo is not held back
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
  EXPECT_EQ(line().ReadReply(), "\r\nOK\r\n");
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(190));
}

TEST_F(FaultTest, PromptWithCrLfAfterIt) {
  StartFamilyA({"prompt-crlf"});
  line().Send("AT+CMGW\r");
  EXPECT_EQ(line().ReadFor(200), ">\r\n");
  line().Send("x\x1A");
  EXPECT_EQ(line().ReadReply(), "\r\n+CMGW: 2\r\n\r\nOK\r\n");
}

}  // namespace
