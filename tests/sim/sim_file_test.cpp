// The SIM's text form, loading and saving it around a run, the link to the line, and the
// command-line splitting the module relies on.
#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "sim/at_command.h"
#include "sim_fixture.h"
#include "temp_dir.h"

namespace {

TEST(SimText, RoundTripKeepsEveryByte) {
  SimCard sim;
  sim.pin = "0000";
  sim.pinRequest = true;
  sim.phoneBooks["SM"][7] = PhoneEntry{"+39333", 145, "Caf\xE8 \"Bar\" \\ 1"};
  sim.phoneBooks["RC"][1] = PhoneEntry{"02", 129, ""};
  sim.messages[2] = StoredMessage{"STO UNSENT", "", "", "line1\nline2\r\x1A\t;"};
  sim.messages[9] = StoredMessage{"REC UNREAD", "+39111", "24/05/01,10:00:00+08", "hi"};
  sim.sent.push_back(SentMessage{"+39222", "#*a1"});

  SimCard back;
  std::string error;
  ASSERT_TRUE(ParseSimText(FormatSimText(sim), &back, &error)) << error;
  EXPECT_EQ(back.pin, "0000");
  EXPECT_TRUE(back.pinRequest);
  EXPECT_EQ(back.phoneBooks, sim.phoneBooks);
  EXPECT_EQ(back.messages, sim.messages);
  EXPECT_EQ(back.sent, sim.sent);
  // One record per line, whatever the texts hold.
  const std::string text = FormatSimText(sim);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7);
}

TEST(SimText, BadLinesAreNamed) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"pin \"1\" maybe\n", "line 1"},
      {"# c\npb SM x \"1\" 129 \"n\"\n", "line 2"},
      {"sms 1 \"SENT\" \"\" \"\" \"t\"\n", "line 1"},
      {"sms 1 \"STO SENT\" \"\" \"\" \"open\n", "unterminated"},
      {"\n\nfoo 1\n", "line 3: unknown record"},
      {"pb SM 1 \"\\x4\" 129 \"n\"\n", "escape"},
  };
  for (const auto& c : cases) {
    SimCard sim;
    std::string error;
    EXPECT_FALSE(ParseSimText(c.text, &sim, &error)) << c.text;
    EXPECT_NE(error.find(c.error), std::string::npos) << error;
  }
}

TEST(CommandLine, SplitsCommandsAndParameters) {
  std::vector<AtCommand> cmds;
  ASSERT_TRUE(SplitCommandLine("E0V1+CMGF=1;+CPBW=5,\"1;2\",129,\"A, B\";+CPBS?;^SCID", &cmds));
  ASSERT_EQ(cmds.size(), 6u);
  EXPECT_EQ(cmds[0].name, "E");
  EXPECT_EQ(cmds[0].args, "0");
  EXPECT_EQ(cmds[1].name, "V");
  EXPECT_EQ(cmds[2].name, "+CMGF");
  EXPECT_EQ(cmds[3].args, "5,\"1;2\",129,\"A, B\"");
  EXPECT_EQ(cmds[4].kind, AtCommand::kRead);
  EXPECT_EQ(cmds[5].name, "^SCID");

  const std::vector<AtArg> args = SplitArgs("3,0123456,,TELNUM3, \"a,b\" ");
  ASSERT_EQ(args.size(), 5u);
  EXPECT_EQ(args[1].text, "0123456");
  EXPECT_TRUE(args[2].empty());
  EXPECT_EQ(args[3].text, "TELNUM3");
  EXPECT_TRUE(args[4].quoted);
  EXPECT_EQ(args[4].text, "a,b");

  for (const char* bad : {"+CPBW=1,\"open", "+CSQ x", "&", "!"})
    EXPECT_FALSE(SplitCommandLine(bad, &cmds)) << bad;
}

class SimFileTest : public SimTest {
 protected:
  TempDir dir_;
};

TEST_F(SimFileTest, LoadsAtStartAndSavesAtStop) {
  const std::string file = dir_.Write("sim.txt",
                                      "# saved\n"
                                      "pb SM 4 \"0123\" 129 \"TELNUM4\"\n"
                                      "sms 2 \"STO UNSENT\" \"\" \"\" \"AV1=1;\"\n"
                                      "sms 1 \"STO UNSENT\" \"\" \"\" \"stale\"\n")
                               .string();
  SimConfig config;
  config.simFile = file;
  config.firmware = "1.10";
  Start(config);
  EXPECT_EQ(line().At("AT+CPBR=4"), "\r\n+CPBR: 4,\"0123\",129,\"TELNUM4\"\r\n\r\nOK\r\n");
  // The firmware puts its own revision back into message 1.
  EXPECT_EQ(sim().Messages().at(1).text, "VELA-A rev. 1.10");
  ASSERT_EQ(line().At("AT+CPBW=5,\"777\",,\"TELNUM5\""), "\r\nOK\r\n");
  ASSERT_EQ(line().At("AT+CMGD=2"), "\r\nOK\r\n");
  const std::string dump = sim().DumpSim();
  sim().Stop();

  const std::string saved = ReadFileBytes(file);
  EXPECT_EQ(saved, dump);
  SimCard back;
  std::string error;
  ASSERT_TRUE(ParseSimText(saved, &back, &error)) << error;
  EXPECT_EQ(back.phoneBooks["SM"].at(5), (PhoneEntry{"777", 129, "TELNUM5"}));
  EXPECT_EQ(back.messages.count(2), 0u);
  EXPECT_EQ(back.messages.at(1).text, "VELA-A rev. 1.10");
}

TEST_F(SimFileTest, UnreadableFileStopsTheStart) {
  SimConfig config;
  config.simFile = dir_.Write("sim.txt", "pb SM\n").string();
  Simulator sim(config);
  std::string error;
  EXPECT_FALSE(sim.Start(&error));
  EXPECT_NE(error.find("sim.txt: line 1"), std::string::npos) << error;
}

TEST_F(SimFileTest, LinksTheTerminalAndRemovesTheLinkAtStop) {
  SimConfig config;
  config.linkPath = dir_.str() + "/vela-com1";
  Start(config);
  char target[PATH_MAX] = {};
  ASSERT_GT(readlink(config.linkPath.c_str(), target, sizeof target - 1), 0);
  EXPECT_EQ(std::string(target), sim().SlavePath());
  LineClient viaLink(config.linkPath);
  EXPECT_EQ(viaLink.At("AT"), "\r\nOK\r\n");
  // A client closing and another opening: the line keeps working in between.
  client_.reset();
  LineClient next(config.linkPath);
  EXPECT_EQ(next.At("AT"), "\r\nOK\r\n");
  sim().Stop();
  struct stat st {};
  EXPECT_NE(lstat(config.linkPath.c_str(), &st), 0);

  SimConfig blocked;
  blocked.linkPath = dir_.Write("plain-file", "x").string();
  Simulator other(blocked);
  std::string error;
  EXPECT_FALSE(other.Start(&error));
  EXPECT_NE(error.find("not a link"), std::string::npos) << error;
}

}  // namespace
