#include "link/sim_pin.h"

#include <deque>

#include "link/at_channel.h"
#include "link_fixture.h"
#include "shell/language.h"

namespace {

class SimPinTest : public LinkTest {
 protected:
  void SetUp() override {
    LinkTest::SetUp();
    Cliente.TipoCentrale = kTypeVelaI;
  }

  static std::string StatusFrame(uint8_t flags) {
    return {0, static_cast<char>(flags), 0, static_cast<char>(flags)};
  }

  // A dialog that confirms each PIN in turn and is closed by its close box when none is
  // left; counts how often it was shown.
  SimPinDialog TypedPins(std::deque<std::string> pins) {
    return [this, pins](const SimPinSubmit& submit) mutable {
      ++dialogsShown;
      while (!pins.empty()) {
        const PinResult result = submit(pins.front());
        pins.pop_front();
        if (result != PinResult::None) return result == PinResult::Ok;
      }
      return false;
    };
  }

  // The module path opened for reading and the module's answers to PIN and lock.
  void ScriptPath(const std::string& pinReply, std::vector<std::string> lockReplies) {
    peer.OnReceive("?", "PRG\xE9");
    peer.OnReceive("\xC3", "\xFE");
    peer.OnReceive("AT+CPIN=", pinReply);
    for (const std::string& reply : lockReplies) peer.OnReceive("AT+CLCK=", reply);
    peer.OnReceive("\xFF", "\xFF");
  }

  int dialogsShown = 0;
};

TEST_F(SimPinTest, StatusFrameBitsDecideReadinessAndTheDialog) {
  struct Case {
    std::string frame;
    bool ready, simPinResult;
    int dialogs;
  };
  const Case cases[] = {
      {StatusFrame(0), true, true, 0},
      {StatusFrame(2), false, true, 0},  // not ready, but no PIN wanted
      {StatusFrame(1), true, false, 1},  // PIN wanted: the dialog (closed here) decides
      {StatusFrame(0xFC), true, true, 0},
      {std::string("\0\0\0\1", 4), false, false, 0},  // wrong check byte
      {"", false, false, 0},
  };
  for (const Case& c : cases) {
    if (!c.frame.empty()) peer.OnReceive("8", c.frame);
    ASSERT_TRUE(EnsureOpen(port));
    EXPECT_EQ(CheckDeviceReady(port), c.ready) << int(c.frame.empty() ? -1 : c.frame[1]);
    EXPECT_NE(port.Handle, -1);  // left open

    if (!c.frame.empty()) peer.OnReceive("8", c.frame);
    dialogsShown = 0;
    EXPECT_EQ(CheckSimPin(port, TypedPins({})), c.simPinResult);
    EXPECT_EQ(dialogsShown, c.dialogs);
    EXPECT_EQ(port.Handle, -1);  // closed after the check
  }
}

TEST_F(SimPinTest, PinIsEnteredAndItsRequestSwitchedOff) {
  peer.OnReceive("8", StatusFrame(1));
  ScriptPath("\r\nOK\r\n", {"\r\nOK\r\n"});
  EXPECT_TRUE(CheckSimPin(port, TypedPins({" 1234 "})));
  EXPECT_EQ(peer.Received(),
            "8?\xC3"
            "AT+CPIN=\"1234\"\r"
            "AT+CLCK=\"SC\",0,\"1234\"\r"
            "\xFF");
  EXPECT_TRUE(ui.host.Boxes().empty());
  EXPECT_FALSE(ui.host.waitCursor);
}

TEST_F(SimPinTest, RefusedPinClosesTheDialogAndLeavesThePath) {
  peer.OnReceive("8", StatusFrame(1));
  ScriptPath("\r\n+CME ERROR: 16\r\n", {});
  EXPECT_FALSE(CheckSimPin(port, TypedPins({"0000", "1234"})));
  EXPECT_EQ(dialogsShown, 1);
  ASSERT_EQ(ui.host.Boxes().size(), 1u);
  EXPECT_EQ(ui.host.Boxes()[0].text, LanguageText(234));
  EXPECT_EQ(ui.host.Boxes()[0].kind, MsgKind::Warning);
  EXPECT_EQ(peer.Received().find("AT+CLCK"), std::string::npos);
  EXPECT_EQ(peer.Received().back(), '\xFF');
}

TEST_F(SimPinTest, LockRefusedThreeTimesKeepsTheDialogForAnotherTry) {
  peer.OnReceive("8", StatusFrame(1));
  ScriptPath("\r\nOK\r\n", {"\r\nERROR\r\n", "\r\nERROR\r\n", "\r\nERROR\r\n"});
  ScriptPath("\r\nOK\r\n", {"\r\nOK\r\n"});
  EXPECT_TRUE(CheckSimPin(port, TypedPins({"1234", "1234"})));
  const std::string wire = peer.Received();
  size_t locks = 0;
  for (size_t at = wire.find("AT+CLCK"); at != std::string::npos; at = wire.find("AT+CLCK", at + 1))
    ++locks;
  EXPECT_EQ(locks, 4u);
  EXPECT_EQ(ui.host.Boxes().size(), 1u);  // text 234 once, after the third refusal
}

TEST_F(SimPinTest, ControllerFailures) {
  struct Case {
    const char* name;
    std::string frame, entryAnswer;
    PinResult result;
    bool leavesPath;
  };
  const Case cases[] = {
      {"silent controller", "", "", PinResult::Abort, false},
      {"not PRG", "ERR\xE9", "", PinResult::Abort, false},
      {"path not confirmed", "PRG\xE9", "\x01", PinResult::None, true},
  };
  for (const Case& c : cases) {
    const size_t before = peer.Received().size();
    if (!c.frame.empty()) peer.OnReceive("?", c.frame);
    if (!c.entryAnswer.empty()) peer.OnReceive("\xC3", c.entryAnswer);
    EXPECT_EQ(SubmitSimPin(port, "1234"), c.result) << c.name;
    const std::string sent = peer.WaitReceived(before + 3, 200).substr(before);
    EXPECT_EQ(sent.find("AT+CPIN"), std::string::npos) << c.name;
    EXPECT_EQ(!sent.empty() && sent.back() == '\xFF', c.leavesPath) << c.name;
    EXPECT_FALSE(ui.host.waitCursor);
  }
}

TEST_F(SimPinTest, FamilyACommandsCarryTheirCarriageReturn) {
  Cliente.TipoCentrale = kTypeVelaA;
  peer.OnReceive("8\r", StatusFrame(0));
  EXPECT_TRUE(CheckDeviceReady(port));
  EXPECT_EQ(peer.Received(), "8\r");
}

TEST_F(SimPinTest, NoPortNoCheck) {
  CloseComm(port);
  SetComDeviceResolver([](int) { return std::string("/dev/no-such-port"); });
  EXPECT_FALSE(CheckSimPin(port, TypedPins({"1234"})));
  EXPECT_EQ(dialogsShown, 0);
}

}  // namespace
