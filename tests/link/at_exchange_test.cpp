#include "link/at_channel.h"
#include "link_fixture.h"
#include "shell/app_state.h"
#include "shell/language.h"
#include "shell/poller_flags.h"

namespace {

using ExchangeTest = LinkTest;

const std::string kPrg = "PRG\xE9";

TEST_F(ExchangeTest, WaitOkOrErrorReadsUntilTheVerdict) {
  struct Case {
    std::vector<PtyPeer::Piece> reply;
    bool ok;
  };
  const Case cases[] = {
      {{{0, "\r\nOK\r\n"}}, true},
      {{{0, "AT+CPIN=\"1234\"\r\r\n+CPIN: READY\r\n"}, {20, "\r\nOK\r\n"}}, true},
      {{{0, "\r\n+CME ERROR: 16\r\n"}}, false},
      {{{0, "\r\nERROR\r\n"}}, false},
  };
  for (const Case& c : cases) {
    peer.OnReceive("AT+CPIN=\"1234\"\r", c.reply);
    EXPECT_EQ(WaitOkOrError(port, "AT+CPIN=\"1234\""), c.ok) << c.reply[0].bytes;
  }
}

TEST_F(ExchangeTest, WaitOkOrErrorOnASilentLineEndsAfterElevenSeconds) {
  bool ok = true;
  const long ms = RealMs([&] { ok = WaitOkOrError(port, "AT"); });
  EXPECT_FALSE(ok);
  EXPECT_GE(ms, Real(11000));
  EXPECT_LT(ms, Real(14000) + 100);
}

TEST_F(ExchangeTest, QueryLinePassesOverTheEchoAndShortLines) {
  Cliente.TipoCentrale = kTypeVelaI;
  peer.OnReceive("AT+CGMI\r", "AT+CGMI\r\r\nOK\r\nERICSSON\r\n\r\nOK\r\n");
  std::string reply;
  EXPECT_TRUE(QueryLine(port, "AT+CGMI\r", reply));
  EXPECT_EQ(reply, "ERICSSON");
  EXPECT_EQ(peer.Received(), "AT+CGMI\r");
}

TEST_F(ExchangeTest, QueryLineErrorsAndSilence) {
  Cliente.TipoCentrale = kTypeVelaI;
  peer.OnReceive("AT+CIMI\r", "\r\n+CME ERROR: 10\r\n");
  std::string reply;
  EXPECT_FALSE(QueryLine(port, "AT+CIMI\r", reply));
  EXPECT_EQ(reply, "+CME ERROR: 10");

  // An echo and then nothing is no answer.
  peer.OnReceive("AT+CIMI\r", "AT+CIMI\r");
  long ms = RealMs([&] { EXPECT_FALSE(QueryLine(port, "AT+CIMI\r", reply)); });
  EXPECT_GE(ms, Real(11000));
  EXPECT_LT(ms, Real(14000) + 100);

  ms = RealMs([&] { EXPECT_FALSE(QueryLine(port, "AT+CIMI\r", reply)); });
  EXPECT_EQ(reply, "");
  EXPECT_LT(ms, Real(14000) + 100);
}

TEST_F(ExchangeTest, PassthroughEntryAndExit) {
  Cliente.TipoCentrale = kTypeVelaI;
  peer.OnReceive("?", kPrg);
  peer.OnReceive("\xCC", "\xFE");
  EXPECT_TRUE(StartPassthrough(port, true));
  peer.OnReceive("?", kPrg);
  peer.OnReceive("\xC3", "\xFE");
  EXPECT_TRUE(StartPassthrough(port, false));
  peer.OnReceive("\xFF", "\xFF");
  EXPECT_TRUE(EndPassthrough(port));
  EXPECT_EQ(peer.Received(), "?\xCC?\xC3\xFF");
}

TEST_F(ExchangeTest, PassthroughRefusals) {
  Cliente.TipoCentrale = kTypeVelaI;
  struct Case {
    const char* name;
    std::string frame, answer;
    std::string sent;
  };
  const Case cases[] = {
      {"bad checksum", "PRG\xE8", "", "?"},      {"not PRG", "PRX\xF0", "", "?"},
      {"silent controller", "", "", "?"},        {"no 0xFE", kPrg, "\xFF", "?\xCC"},
      {"no answer to entry", kPrg, "", "?\xCC"},
  };
  for (const Case& c : cases) {
    const size_t before = peer.Received().size();
    if (!c.frame.empty()) peer.OnReceive("?", c.frame);
    if (!c.answer.empty()) peer.OnReceive("\xCC", c.answer);
    EXPECT_FALSE(StartPassthrough(port, true)) << c.name;
    EXPECT_EQ(peer.Received().substr(before), c.sent) << c.name;
  }
  EXPECT_FALSE(EndPassthrough(port));
}

TEST_F(ExchangeTest, FamilyAPassthroughBytesCarryTheirCarriageReturn) {
  peer.OnReceive("?\r", kPrg);
  peer.OnReceive("\xC3\r", "\xFE");
  EXPECT_TRUE(StartPassthrough(port, false));
  EXPECT_EQ(peer.Received(), "?\r\xC3\r");
}

TEST_F(ExchangeTest, QuietLineAndChattyLine) {
  PollerRun = true;
  bool quiet = false;
  // Two lone carriage returns, then about 2 seconds of listening beyond the flush's read.
  const long ms = RealMs([&] { quiet = LineIsQuiet(port); });
  EXPECT_TRUE(quiet);
  EXPECT_EQ(peer.Received(), "\r\r");
  EXPECT_GE(ms, Real(4000));
  EXPECT_LT(ms, Real(8000) + 100);

  peer.OnReceive("\r\r", {{static_cast<int>(Real(2500)), "\r\nRING\r\n"}});
  EXPECT_FALSE(LineIsQuiet(port));
}

TEST_F(ExchangeTest, QuietLineListensOnceWhenThePollerIsOffOrClosing) {
  for (bool closing : {false, true}) {
    PollerRun = closing;
    Closing = closing;
    const long ms = RealMs([&] { EXPECT_TRUE(LineIsQuiet(port)); });
    EXPECT_LT(ms, Real(4000) + 100);
  }
}

TEST_F(ExchangeTest, FlushLineDropsOneReplyLine) {
  peer.OnReceive("\r\r", "\r\nOK\r\n\r\nNEXT\r\n");
  FlushLine(port);
  std::string line;
  ASSERT_TRUE(ReadReplyLine(port, line));
  EXPECT_EQ(line, "NEXT");
}

TEST_F(ExchangeTest, EnsureOpenOpensOrWarns) {
  CloseComm(port);
  EXPECT_TRUE(EnsureOpen(port));
  EXPECT_NE(port.Handle, -1);
  EXPECT_TRUE(EnsureOpen(port));  // already open: still fine
  EXPECT_TRUE(ui.host.Boxes().empty());

  CloseComm(port);
  SetComDeviceResolver([](int) { return std::string("/dev/no-such-port"); });
  EXPECT_FALSE(EnsureOpen(port));
  ASSERT_EQ(ui.host.Boxes().size(), 1u);
  EXPECT_EQ(ui.host.Boxes()[0].text, LanguageText(119));
  EXPECT_EQ(ui.host.Boxes()[0].kind, MsgKind::Warning);
  EXPECT_EQ(ui.host.Boxes()[0].buttons, MsgButtons::Ok);
}

}  // namespace
