#include "link/at_channel.h"
#include "link_fixture.h"
#include "programming/progress.h"

namespace {

using LinesTest = LinkTest;

TEST_F(LinesTest, CommandTerminatorDependsOnTheDeviceType) {
  struct Case {
    uint8_t type;
    std::string text, wire;
  };
  const Case cases[] = {
      {kTypeVelaA, "ATH", "ATH\r"},
      {kTypeVelaI, "ATH", "ATH"},  // family I callers bring their own terminator
      {kTypeVelaA, "", "\r"},
      {kTypeVelaI, "", "\r"},  // an empty command is always a lone carriage return
      {kTypeVelaI, "AT+CGMI\r", "AT+CGMI\r"},
      {kTypeVelaA, "\xCC", "\xCC\r"},
  };
  std::string expected;
  for (const Case& c : cases) {
    Cliente.TipoCentrale = c.type;
    SendCommand(port, c.text);
    expected += c.wire;
  }
  EXPECT_EQ(peer.WaitReceived(expected.size(), 1000), expected);
}

TEST_F(LinesTest, TextBodyEndsWithCtrlZForBothTypes) {
  SendTextBody(port, "#*A1");
  Cliente.TipoCentrale = kTypeVelaI;
  SendTextBody(port, "");
  EXPECT_EQ(peer.WaitReceived(6, 1000), "#*A1\x1A\x1A");
}

TEST_F(LinesTest, SendingDropsRepliesNobodyRead) {
  peer.Send("\r\nRING\r\n");
  ASSERT_TRUE(WaitQueued(8));
  peer.OnReceive("AT\r", "\r\nOK\r\n");
  SendCommand(port, "AT");
  std::string line;
  ASSERT_TRUE(ReadReplyLine(port, line));
  EXPECT_EQ(line, "OK");
}

// What each reader makes of the same kinds of input.
TEST_F(LinesTest, ReadersFollowTheirOwnLineRules) {
  using Reader = bool (*)(TComm&, std::string&);
  struct Case {
    const char* name;
    Reader read;
    std::string input;
    bool ok;
    std::string line;
  };
  const std::string s70(70, 'a'), s170(170, 'b');
  const Case cases[] = {
      {"reply skips empty lines", ReadReplyLine, "\r\nOK\r\n", true, "OK"},
      {"reply stops at 65", ReadReplyLine, s70 + "\r", true, std::string(65, 'a')},
      {"reply keeps the old line on a timeout", ReadReplyLine, "parti", false, "before"},
      {"reply drops line feeds inside", ReadReplyLine, "A\nB\r", true, "AB"},
      {"long stops at 161", ReadLongLine, s170 + "\r", true, std::string(161, 'b')},
      {"long keeps a partial line", ReadLongLine, "\r\nparti", false, "parti"},
      {"long is cleared first", ReadLongLine, "", false, ""},
      {"raw keeps the line feed", ReadRawLine, "\nabc\r", true, "\nabc"},
      {"raw gives an empty line", ReadRawLine, "\r", true, ""},
      {"raw cuts at 161 dropping the last", ReadRawLine, s170, true, std::string(160, 'b')},
      {"raw keeps a partial line", ReadRawLine, "ab", false, "ab"},
  };
  for (const Case& c : cases) {
    PurgeInput(port);
    peer.Send(c.input);
    std::string line = "before";
    EXPECT_EQ(c.read(port, line), c.ok) << c.name;
    EXPECT_EQ(line, c.line) << c.name;
  }
}

TEST_F(LinesTest, ALongReplyLineGoesOnAsTheNextLine) {
  peer.Send(std::string(65, 'x') + "12345\r\n");
  std::string line;
  ASSERT_TRUE(ReadReplyLine(port, line));
  ASSERT_TRUE(ReadReplyLine(port, line));
  EXPECT_EQ(line, "12345");
}

TEST_F(LinesTest, SplitAndLateCharactersMakeOneLine) {
  peer.OnReceive("AT+CSQ\r", {{0, "\r\n+CS"}, {40, "Q: 15"}, {40, ",99\r\n"}});
  SendCommand(port, "AT+CSQ");
  std::string line;
  ASSERT_TRUE(ReadReplyLine(port, line));
  EXPECT_EQ(line, "+CSQ: 15,99");
}

TEST_F(LinesTest, ReadUntilOkStopsOneCharacterAfterOk) {
  peer.Send("\r\n+CPBR: 1,\"0123\",129,\"A\"\r\n\r\nOK\r\nX");
  std::string text;
  ASSERT_TRUE(ReadUntilOk(port, text));
  EXPECT_EQ(text, "\r\n+CPBR: 1,\"0123\",129,\"A\"\r\n\r\nOK\r");
  EXPECT_EQ(ReadCharTimeout(port, 1), "\n");
}

TEST_F(LinesTest, ReadUntilOkLimits) {
  peer.Send(std::string(600, 'x'));
  std::string text;
  EXPECT_TRUE(ReadUntilOk(port, text));
  EXPECT_EQ(text.size(), 501u);

  PurgeInput(port);
  peer.Send("+CPBR: 1");
  EXPECT_FALSE(ReadUntilOk(port, text));  // a character timed out
  EXPECT_EQ(text, "+CPBR: 1");
}

TEST_F(LinesTest, ReadUntilOkGivesUpAfterFiveSecondsOfTrickle) {
  // One character every nominal second: never a timeout, never an "ok".
  std::vector<PtyPeer::Piece> trickle;
  for (int i = 0; i < 12; ++i) trickle.push_back({static_cast<int>(Real(1000)), "x"});
  peer.OnReceive("AT\r", trickle);
  SendCommand(port, "AT");
  std::string text;
  const long ms = RealMs([&] { EXPECT_TRUE(ReadUntilOk(port, text)); });
  EXPECT_GE(text.size(), 5u);
  EXPECT_LE(text.size(), 8u);
  EXPECT_LT(ms, Real(9000));
}

TEST_F(LinesTest, FramesAndTheirChecksum) {
  struct Case {
    std::string input;
    bool withChecksum, ok;
    std::string text;
  };
  const Case cases[] = {
      {"PRG\xE9", true, true, "PRG"},  // 0x50 + 0x52 + 0x47 = 0xE9
      {"PRG\xE8", true, false, "PRG"},
      {"PR", true, false, "PR"},  // short: not trusted
      {"PR", false, true, "PR"},
      {"ERR\x01", false, true, "ERR"},
      {"", true, false, ""},
      {std::string("\x01\x02\x00\x03", 4), true, true, ""},  // sum wraps in 8 bits
      {"\x80\x80\x01\x01", true, true, "\x80\x80"},
  };
  for (const Case& c : cases) {
    PurgeInput(port);
    peer.Send(c.input);
    FrameBuffer frame;
    frame.fill(0x55);
    EXPECT_EQ(ReadFrame(port, frame, 3, c.withChecksum), c.ok) << c.input;
    EXPECT_EQ(FrameText(frame, 0, 3), c.text) << c.input;
    EXPECT_EQ(frame[c.input.size()], 0) << "buffer zeroed past the frame";
  }
}

TEST(FrameTextTest, KeepsPrintableBytesAndTrimsSpaces) {
  FrameBuffer frame{};
  const std::string bytes("\x01 1\x02.0 5 ", 9);
  std::copy(bytes.begin(), bytes.end(), frame.begin());
  EXPECT_EQ(FrameText(frame, 0, 9), "1.0 5");
  EXPECT_EQ(FrameText(frame, 2, 1), "1");
}

TEST(SplitLinesTest, CarriageReturnsEndLines) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"\r\n+CPBR: 1,\"1\"\r\n\r\nOK\r\n", {"+CPBR: 1,\"1\"", "OK"}},
      {"a\rb", {"a"}},  // the unterminated tail is not a line
      {std::string("x\0y\n\r", 5), {"xy"}},
      {"", {}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines{"kept"};
    SplitLines(c.text, lines);
    std::vector<std::string> expected{"kept"};
    expected.insert(expected.end(), c.lines.begin(), c.lines.end());
    EXPECT_EQ(lines, expected) << c.text;
  }
}

TEST_F(LinesTest, ATransferStepsTheGaugeOnEverySendAndCompletedRead) {
  peer.OnReceive("AT\r", "\r\nOK\r\n");
  SendCommand(port, "AT");
  std::string line;
  ReadReplyLine(port, line);
  EXPECT_EQ(ui.host.progressPosition, 0);

  TransferFlag = true;
  peer.OnReceive("AT\r", "\r\nOK\r\n");
  SendCommand(port, "AT");
  ReadReplyLine(port, line);
  ReadReplyLine(port, line);  // times out: no step
  EXPECT_EQ(ui.host.progressPosition, 2);
  EXPECT_GE(ui.host.processed, 2);
}

}  // namespace
