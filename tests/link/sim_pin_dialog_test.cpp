#include "link/sim_pin_dialog.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "link/at_channel.h"
#include "model/record.h"
#include "pty_peer.h"
#include "scripted_host.h"
#include "shell/cp1252.h"
#include "shell/language.h"
#include "shell/pacing.h"

namespace {

QString Text(int n) {
  return QString::fromStdString(Cp1252ToUtf8(LanguageText(n)));
}

TEST(SimPinDialogTest, ConfirmNeedsFourToSixCharacters) {
  TfrmSbloccaPin dialog([](const std::string&) { return PinResult::None; });
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), Text(232));
  EXPECT_EQ(dialog.Label1->text(), Text(231));
  EXPECT_EQ(dialog.BitBtn1->text(), Text(233));
  EXPECT_FALSE(dialog.BitBtn1->isEnabled());
  QTest::keyClicks(dialog.MaskEdit1, "123");
  EXPECT_FALSE(dialog.BitBtn1->isEnabled());
  QTest::keyClicks(dialog.MaskEdit1, "4");
  EXPECT_TRUE(dialog.BitBtn1->isEnabled());
  QTest::keyClicks(dialog.MaskEdit1, "567");
  EXPECT_EQ(dialog.MaskEdit1->text(), "123456");  // the seventh is refused
  QTest::keyClick(dialog.MaskEdit1, Qt::Key_Backspace);
  QTest::keyClick(dialog.MaskEdit1, Qt::Key_Backspace);
  QTest::keyClick(dialog.MaskEdit1, Qt::Key_Backspace);
  EXPECT_FALSE(dialog.BitBtn1->isEnabled());
}

TEST(SimPinDialogTest, EachResultOfTheExchangeClosesOrKeepsTheDialog) {
  const std::pair<PinResult, int> cases[] = {
      {PinResult::None, -1},
      {PinResult::Ok, QDialog::Accepted},
      {PinResult::Abort, TfrmSbloccaPin::kAbort},
  };
  for (const auto& [answer, closedWith] : cases) {
    std::vector<std::string> typed;
    TfrmSbloccaPin dialog([&typed, answer = answer](const std::string& pin) {
      typed.push_back(pin);
      return answer;
    });
    dialog.show();
    QTest::keyClicks(dialog.MaskEdit1, "98765");
    QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(typed, std::vector<std::string>{"98765"});
    EXPECT_EQ(dialog.isVisible(), closedWith == -1);
    if (closedWith != -1) {
      EXPECT_EQ(dialog.result(), closedWith);
    }
  }
}

// The whole check with the window in the loop: status frame, typed PIN, module exchange.
TEST(SimPinDialogTest, TypedPinReachesTheModuleWithoutItsBlank) {
  PtyPeer peer;
  ScopedScriptedHost ui;
  SetPacingSpeed(20);
  SetComDeviceResolver([path = peer.SlavePath()](int) { return path; });
  Cliente.TipoCentrale = kTypeVelaI;
  peer.OnReceive("8", std::string("\0\1\0\1", 4));
  peer.OnReceive("?", "PRG\xE9");
  peer.OnReceive("\xC3", "\xFE");
  peer.OnReceive("AT+CPIN=\"4321\"\r", "\r\nOK\r\n");
  peer.OnReceive("AT+CLCK=\"SC\",0,\"4321\"\r", "\r\nOK\r\n");
  peer.OnReceive("\xFF", "\xFF");

  TComm port;
  const bool unlocked = CheckSimPin(port, [](const SimPinSubmit& submit) {
    TfrmSbloccaPin dialog(submit);
    dialog.show();
    QTest::keyClicks(dialog.MaskEdit1, "4321 ");
    QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
    return dialog.result() == QDialog::Accepted;
  });
  EXPECT_TRUE(unlocked);
  EXPECT_TRUE(peer.ScriptDone());
  EXPECT_EQ(port.Handle, -1);
  SetComDeviceResolver({});
  SetPacingSpeed(1);
  Cliente = Tag_Cliente{};
}

}  // namespace
