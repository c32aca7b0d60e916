#include "shell/module_poller.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "device_session.h"
#include "model/record.h"
#include "programming/transfers.h"
#include "scripted_host.h"
#include "shell/app_state.h"
#include "shell/language.h"
#include "shell/pacing.h"
#include "temp_dir.h"

namespace {

TEST(PollerView, SignalLevel) {
  const struct {
    const char* reply;
    int level;
  } cases[] = {{"+CSQ: 15,99", 15},
               {"+CSQ: 5,99", 5},
               {"+CSQ: 99,99", 99},
               {"+CSQ:31,0", 31},
               {"+CSQ: x5,0", 0},
               {"15", 15},
               {"7", 7},
               {",3", 0},
               {"", 0},
               {"+CSQ: -1,0", -1},
               {"ERROR", 0}};
  for (const auto& c : cases) EXPECT_EQ(SignalLevel(c.reply), c.level) << c.reply;
}

TEST(PollerView, WhatTheLcdShows) {
  const LcdPanelState before{"old 1", "old 2", "lcd-sign3.bmp"};
  const struct {
    const char* name;
    Dati_Thread result;
    LcdPanelState lcd;
    std::optional<bool> ready;
  } cases[] = {
      {"line busy",
       {1, "+CSQ: 15,99", "+COPS: 0,0,\"I TIM\""},
       {LanguageText(52), LanguageText(55), ""},
       false},
      {"no network answer", {2, "", ""}, {LanguageText(50), LanguageText(51), ""}, false},
      {"good", {0, "+CSQ: 15,99", "+COPS: 0,0,\"I TIM\""}, {"", "I TIM", "lcd-sign5.bmp"}, true},
      {"weakest", {0, "+CSQ: 0,0", "+COPS: 0,0,\"X\""}, {"", "X", "lcd-sign1.bmp"}, true},
      {"level 4", {0, "+CSQ: 4,0", "\"A\""}, {"", "A", "lcd-sign2.bmp"}, true},
      {"strongest", {0, "+CSQ: 31,0", "\"A\""}, {"", "A", "lcd-sign10.bmp"}, true},
      {"unknown level, operator",
       {0, "+CSQ: 99,99", "+COPS: 0,0,\"I TIM\""},
       {"", "I TIM", ""},
       true},
      {"no operator",
       {0, "+CSQ: 20,0", "+COPS: 0"},
       {LanguageText(159), LanguageText(160), ""},
       true},
      {"level outside the scale", {0, "+CSQ: -1,0", "\"A\""}, {"", "A", "lcd-sign3.bmp"}, true},
      {"unknown status", {5, "", ""}, before, std::nullopt},
  };
  for (const auto& c : cases) {
    const PollerView view = PollerUpdateView(c.result, before);
    EXPECT_EQ(view.lcd, c.lcd) << c.name;
    EXPECT_EQ(view.moduleReady, c.ready) << c.name;
  }
  EXPECT_EQ(PollerUpdateView({0, "+CSQ: 28,0", "\"A\""}, before).lcd.picture, "lcd-sign10.bmp");
  EXPECT_EQ(PollerUpdateView({0, "+CSQ: 27,0", "\"A\""}, before).lcd.picture, "lcd-sign9.bmp");
}

// The poller thread against the simulated module, at ten times the real pace.
class PollerThreadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetPacingSpeed(10);
    Cliente.TipoCentrale = kTypeVelaA;
    Closing = false;
    NeedModuleInfo = true;
    ModuleReady = false;
    ModuleInfo = {};
    window_.render = [this] { ++renders_; };
    window_.showLcdPanel = [this](bool shown) { panelShown_ = shown; };
  }
  void TearDown() override {
    StopPoller();
    PollerPauseRequest = false;
    CloseComm(Comm);
    SetPacingSpeed(1);
  }

  // Runs posted results until one arrives that satisfies want, or the real time runs out.
  template <typename Want>
  bool AwaitReport(Want want, int realMs = 8000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(realMs);
    while (std::chrono::steady_clock::now() < end) {
      const int before = renders_;
      ui_.host.RunPosted();
      if (renders_ != before && want()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }

  ScopedScriptedHost ui_;
  PollerWindow window_;
  int renders_ = 0;
  bool panelShown_ = false;
};

TEST_F(PollerThreadTest, CyclesShowTheModuleState) {
  DeviceSession device(FamilyADevice("1.12"));
  ASSERT_TRUE(device.started()) << device.error();
  device.Connect(Comm);
  UpdatePoller(true, window_);
  EXPECT_TRUE(panelShown_);
  EXPECT_TRUE(PollerRunning());

  ASSERT_TRUE(AwaitReport([&] { return ThreadResult.PollerStatus == 0; }));
  EXPECT_TRUE(ModuleReady);
  EXPECT_FALSE(window_.lcd.picture.empty());
  EXPECT_FALSE(window_.lcd.line2.empty());
  EXPECT_FALSE(ModuleInfo.Manufacturer.empty()) << "the model, read first";
  EXPECT_FALSE(ModuleInfo.Imsi.empty());
  EXPECT_FALSE(NeedModuleInfo);
  EXPECT_FALSE(ui_.host.waitCursor);

  ASSERT_TRUE(device.sim().SetFault("chatter"));
  ASSERT_TRUE(AwaitReport([&] { return ThreadResult.PollerStatus == 1; }));
  EXPECT_EQ(window_.lcd, (LcdPanelState{LanguageText(52), LanguageText(55), ""}));
  EXPECT_FALSE(ModuleReady);

  device.sim().ClearFaults();
  ASSERT_TRUE(device.sim().SetFault("silent"));
  ASSERT_TRUE(AwaitReport([&] { return ThreadResult.PollerStatus == 2; }, 15000));
  EXPECT_EQ(window_.lcd, (LcdPanelState{LanguageText(50), LanguageText(51), ""}));
  EXPECT_TRUE(NeedModuleInfo) << "the identity is asked again after a silent cycle";

  device.sim().ClearFaults();
  ASSERT_TRUE(AwaitReport([&] { return ThreadResult.PollerStatus == 0; }, 15000));
  EXPECT_TRUE(ModuleReady);
}

TEST_F(PollerThreadTest, PauseIsHonouredAndTheLineLeftAlone) {
  DeviceSession device(FamilyADevice("1.12"));
  ASSERT_TRUE(device.started()) << device.error();
  device.Connect(Comm);
  UpdatePoller(true, window_);
  ASSERT_TRUE(AwaitReport([&] { return ThreadResult.PollerStatus == 0; }));

  // A running cycle gives way at its next step: a quiet-line check of six seconds at most.
  Pause(3000);
  const auto start = WaitStart();
  PausePoller();
  EXPECT_TRUE(PollerPaused);
  EXPECT_LE(WholeSecondsSince(start), 7);
  device.sim().ClearReceived();
  Pause(8000);
  EXPECT_TRUE(device.sim().Received().empty()) << "a paused poller leaves the port alone";
  EXPECT_EQ(Comm.Handle, -1) << "the poller closed the port before pausing";

  ResumePoller();
  ASSERT_TRUE(AwaitReport([] { return true; }));
  EXPECT_FALSE(device.sim().Received().empty());
}

TEST_F(PollerThreadTest, TransferTakesAndGivesBackThePort) {
  // A Send stopped by a refused text must still hand the port back to the poller.
  DeviceSession device(FamilyADevice("1.12", {"error=+CMGW"}));
  ASSERT_TRUE(device.started()) << device.error();
  device.Connect(Comm);
  Cliente.Rel_firmware = "1.12";
  SetPhoneEntryCount(8);
  UpdatePoller(true, window_);
  ASSERT_TRUE(AwaitReport([&] { return ThreadResult.PollerStatus == 0; }));
  ui_.host.RunPosted();

  Tag_GlobalBuffer record;
  ResetConfiguration(record, Cliente, false);
  int events = 7;
  TransferTarget target{Comm, record, Cliente, events, {}};
  device.sim().ClearReceived();
  EXPECT_EQ(SendProgramming(target), TransferOutcome::Stopped);
  // The transfer had the port to itself: every deletion answered, the first text refused.
  const auto received = device.sim().Received();
  EXPECT_EQ(std::count(received.begin(), received.end(), "at+cmgd=40"), 1);
  EXPECT_EQ(std::count(received.begin(), received.end(), "at+csq"), 0);
  EXPECT_FALSE(PollerPauseRequest);
  const int renders = renders_;
  ASSERT_TRUE(AwaitReport([&] { return renders_ > renders; }));
  EXPECT_EQ(ThreadResult.PollerStatus, 0);
}

TEST_F(PollerThreadTest, StopEndsTheThreadWithinOneRead) {
  DeviceSession device(FamilyADevice("1.12", {"silent"}));
  ASSERT_TRUE(device.started()) << device.error();
  device.Connect(Comm);
  UpdatePoller(true, window_);
  Pause(3000);  // inside the identity queries, each waiting for a reply that never comes
  ASSERT_TRUE(PollerRunning());

  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(StopPoller());
  const auto realMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::steady_clock::now() - start)
                          .count();
  // One character timeout (2 s) and one pause step at most; no extra second is slept.
  EXPECT_LE(realMs, ScaledMs(3000));
  EXPECT_TRUE(PollerEnded);
  EXPECT_FALSE(PollerRunning());
}

TEST_F(PollerThreadTest, TypeChangesStartAndStopThePoller) {
  DeviceSession device(FamilyADevice("1.12"));
  ASSERT_TRUE(device.started()) << device.error();
  device.Connect(Comm);
  UpdatePoller(true, window_);
  ASSERT_TRUE(PollerRunning());
  UpdatePoller(false, window_);  // still type 21: the running poller is kept, not doubled
  EXPECT_TRUE(PollerRunning());

  Cliente.TipoCentrale = kTypeVelaI;
  UpdatePoller(false, window_);
  EXPECT_FALSE(PollerRunning());
  EXPECT_FALSE(panelShown_);

  Cliente.TipoCentrale = kTypeVelaA;
  UpdatePoller(false, window_);
  EXPECT_TRUE(PollerRunning());
  EXPECT_TRUE(panelShown_);
  EXPECT_TRUE(AwaitReport([&] { return ThreadResult.PollerStatus == 0; }));
}

TEST_F(PollerThreadTest, PortLostBetweenCycles) {
  // The warning comes from the poller thread; the poller then ends on its own.
  DeviceSession device(FamilyADevice("1.12"));
  ASSERT_TRUE(device.started()) << device.error();
  device.Connect(Comm);
  UpdatePoller(true, window_);
  ASSERT_TRUE(AwaitReport([&] { return ThreadResult.PollerStatus == 0; }));
  SetComDeviceResolver([](int) { return std::string("/nonexistent/tty-vela"); });
  const int renders = renders_;
  ASSERT_TRUE(AwaitReport([&] { return renders_ > renders; }, 15000));
  EXPECT_EQ(ui_.host.BoxTexts(), std::vector<std::string>{LanguageText(119)});
  EXPECT_FALSE(PollerRun);
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (PollerRunning() && std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_FALSE(PollerRunning());
}

TEST_F(PollerThreadTest, PortThatWillNotOpen) {
  CloseComm(Comm);
  SetComDeviceResolver([](int) { return std::string("/nonexistent/tty-vela"); });
  UpdatePoller(true, window_);
  SetComDeviceResolver({});
  EXPECT_FALSE(PollerRunning());
  EXPECT_TRUE(panelShown_);
  EXPECT_EQ(window_.lcd.line1, LanguageText(162));
  EXPECT_EQ(window_.lcd.line2, LanguageText(163));
  EXPECT_EQ(ui_.host.BoxTexts(), std::vector<std::string>{LanguageText(119)});
  EXPECT_FALSE(ui_.host.waitCursor);
}

}  // namespace
