// The SMS page's credit button against the simulated communicator.
#include <gtest/gtest.h>

#include <QPushButton>
#include <memory>

#include "link/serial_port.h"
#include "page_fixture.h"
#include "pages/sms_page.h"
#include "scripted_host.h"
#include "shell/language.h"
#include "shell/pacing.h"
#include "sim/simulator.h"

namespace {

struct CreditFixture : ::testing::Test {
  void SetUp() override { SetPacingSpeed(25); }
  void TearDown() override {
    CloseComm(Comm);
    if (sim) sim->Stop();
    SetComDeviceResolver({});
    SetPacingSpeed(1);
  }
  ScopedScriptedHost ui;
  std::unique_ptr<Simulator> sim;
};

TEST_F(CreditFixture, ShowsTheModulesReplyAndClosesThePort) {
  SimConfig config;
  config.family = 'I';
  config.module = "MOTOROLA";
  config.firmware = "1.05";
  sim = std::make_unique<Simulator>(config);
  std::string error;
  ASSERT_TRUE(sim->Start(&error)) << error;
  SetComDeviceResolver([this](int) { return sim->SlavePath(); });

  ShownPage<TfrmSms> page(kTypeVelaI, "1.00");
  page.Show();
  page->butt->click();
  ASSERT_EQ(ui.host.Boxes().size(), 1u);
  EXPECT_EQ(ui.host.Boxes()[0].kind, MsgKind::Information);
  EXPECT_EQ(ui.host.Boxes()[0].text.substr(0, 8), "\"Credito");
  EXPECT_EQ(Comm.Handle, -1);
}

TEST_F(CreditFixture, APortThatCannotOpenIsReportedOnce) {
  SetComDeviceResolver([](int) { return std::string("/nonexistent/vela-port"); });
  ShownPage<TfrmSms> page(kTypeVelaI, "1.00");
  page.Show();
  page->butt->click();
  ASSERT_EQ(ui.host.Boxes().size(), 1u);
  EXPECT_EQ(ui.host.Boxes()[0].text, LanguageText(119));
  EXPECT_EQ(Comm.Handle, -1);
}

}  // namespace
