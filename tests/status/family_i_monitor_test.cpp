// The family I monitor against the simulated communicator: what it asks the device, what it
// keeps, and the page messages it sends.
#include <algorithm>

#include "device_sim_fixture.h"
#include "link/at_channel.h"
#include "shell/language.h"
#include "status/family_i_monitor.h"

namespace {

class MonitorTest : public DeviceSimTest {
 protected:
  std::unique_ptr<FamilyIMonitor> NewMonitor() {
    return std::make_unique<FamilyIMonitor>(Comm, [this](int code, int arg) { Note(code, arg); });
  }
  static int Count(const std::vector<std::string>& bytes, const std::string& b) {
    return static_cast<int>(std::count(bytes.begin(), bytes.end(), b));
  }
};

TEST_F(MonitorTest, IdentifiesThenReadsEverythingInOneCycle) {
  Start('I');
  DeviceStatus status;
  status.signal = 130;
  status.supply = 190;
  status.inputs = 0x21;  // input 1 now, input 2 at rest
  status.inputFlags = 0x80;
  status.outputsOn = 0x2;
  status.outputsValued = 0x1;
  status.outputValues[0] = 42;
  sim->SetStatus(status);
  auto monitor = NewMonitor();
  monitor->BeginIdentification();
  monitor->RunCycle(false);

  const std::vector<Message> expected = {
      {kMsgActivity, 2}, {kMsgVersion, 0}, {kMsgIdentity, 0}, {kMsgDates, 0},
      {kMsgSignal, 0},   {kMsgInputs, 0},  {kMsgOutputs, 0},  {kMsgIndicator, kIndicatorAnswering}};
  EXPECT_EQ(Messages(), expected);
  const Tag_StatoDispositivo s = monitor->Status();
  EXPECT_EQ(s.signal, 130);
  EXPECT_EQ(s.supply, 190);
  EXPECT_EQ(s.warnings, 0);
  EXPECT_EQ(s.version, "1.05");
  EXPECT_EQ(s.smsMinutes, 0u);  // nothing programmed: the controller runs no counters
  EXPECT_EQ(monitor->Identity().Manufacturer, "MOTOROLA");
  EXPECT_EQ(monitor->Identity().Operator, "SIMNET");
  EXPECT_EQ(monitor->Inputs(), (InputStatus{0x1, 0x2, 0x80}));
  const OutputStatus out = monitor->Outputs();
  EXPECT_EQ(out[1], 0x2);
  EXPECT_EQ(out[7], 0x1);
  EXPECT_EQ(OutputValue(out, 1), 42);
  EXPECT_EQ(OutputValue(out, 2), 255);
  EXPECT_FALSE(sim->Passthrough());

  // A second cycle with nothing changed asks five commands and asks for no repaint.
  ClearMessages();
  sim->ClearReceived();
  monitor->RunCycle(false);
  EXPECT_EQ(Messages(),
            (std::vector<Message>{{kMsgActivity, 2}, {kMsgIndicator, kIndicatorAnswering}}));
  EXPECT_EQ(DeviceBytes(), (std::vector<std::string>{"7", "8", ":", "8", "9"}));
}

TEST_F(MonitorTest, DeviceNotReadyIsIdentifiedAgainNextCycle) {
  Start('I', {"not-ready"});
  auto monitor = NewMonitor();
  monitor->BeginIdentification();
  monitor->RunCycle(false);
  EXPECT_EQ(Messages(),
            (std::vector<Message>{{kMsgActivity, 2}, {kMsgIndicator, kIndicatorNotReady}}));
  EXPECT_EQ(DeviceBytes(), std::vector<std::string>{"8"});  // nothing polled
  EXPECT_EQ(Comm.Handle, -1);

  ASSERT_TRUE(sim->ClearFault("not-ready"));
  ClearMessages();
  monitor->RunCycle(false);
  EXPECT_TRUE(Got(kMsgVersion, 0));
  EXPECT_TRUE(Got(kMsgIndicator, kIndicatorAnswering));
}

TEST_F(MonitorTest, WarningStateLeavesInputsAndOutputsAloneButSendsTheCommand) {
  Start('I', {"warning=0x20"});
  auto monitor = NewMonitor();
  monitor->BeginIdentification();
  monitor->RunCycle(false);
  EXPECT_TRUE(Got(kMsgIndicator, kIndicatorWarning));
  EXPECT_FALSE(Got(kMsgInputs, 0));

  sim->ClearReceived();
  ASSERT_TRUE(monitor->SetCommand(OutputSwitchCommand(1)));
  EXPECT_FALSE(monitor->SetCommand(OutputSwitchCommand(2)));  // one at a time
  monitor->RunCycle(false);
  EXPECT_EQ(DeviceBytes(), (std::vector<std::string>{"0", "7"}));
  EXPECT_FALSE(monitor->CommandPending());
  EXPECT_EQ(sim->Status().outputsOn, 0x1);
}

TEST_F(MonitorTest, UnsupportedVersionEndsTheMonitor) {
  Start('I', {}, "1.12");
  auto monitor = NewMonitor();
  monitor->BeginIdentification();
  monitor->RunCycle(false);
  EXPECT_EQ(Messages(), (std::vector<Message>{{kMsgActivity, 2}, {kMsgVersion, 1}}));
  EXPECT_TRUE(monitor->StopRequested());
  EXPECT_EQ(monitor->Status().version, "1.12");
  EXPECT_TRUE(ui.host.Boxes().empty());  // a version past 1.09 is no warning box here
}

TEST_F(MonitorTest, RefusedOrUnansweredCommandShowsNoAnswer) {
  Start('I', {"error=0"});
  auto monitor = NewMonitor();
  monitor->BeginIdentification();
  monitor->RunCycle(false);
  ClearMessages();
  ASSERT_TRUE(monitor->SetCommand(OutputSwitchCommand(1)));
  monitor->RunCycle(false);
  EXPECT_EQ(Messages(),
            (std::vector<Message>{{kMsgActivity, 2}, {kMsgIndicator, kIndicatorNoAnswer}}));
  EXPECT_FALSE(monitor->CommandPending());  // not repeated
}

TEST_F(MonitorTest, ServiceCommandGoesAfterPrgAndTheDeviceReportsIt) {
  Start('I');
  auto monitor = NewMonitor();
  monitor->BeginIdentification();
  monitor->RunCycle(false);
  sim->ClearReceived();
  ClearMessages();
  ASSERT_TRUE(monitor->SetCommand(kServiceCommand));
  monitor->RunCycle(false);
  const auto bytes = DeviceBytes();
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], "?");
  EXPECT_EQ(bytes[1], "0xC6");
  EXPECT_TRUE(Got(kMsgInputs, 0));
  EXPECT_EQ(monitor->Inputs()[2], 0x20);  // service 2A now runs
}

TEST_F(MonitorTest, ThreadPollsSwitchesAnOutputAndStopsPromptly) {
  Start('I');
  auto monitor = NewMonitor();
  monitor->Start(Dati_Modulo{});
  ASSERT_TRUE(WaitUntil([&] { return Got(kMsgIndicator, kIndicatorAnswering); }));
  // The command cuts the 5-second pause short.
  ASSERT_TRUE(monitor->SetCommand(OutputSwitchCommand(3)));
  ASSERT_TRUE(WaitUntil([&] { return sim->Status().outputsOn == 0x4; }, 1000));
  ASSERT_TRUE(WaitUntil([&] { return monitor->Outputs()[1] == 0x4; }));

  // Stopping while the device is silent and a frame is awaited: the read in progress ends
  // after at most one character timeout.
  ASSERT_TRUE(sim->SetFault("silent"));
  std::this_thread::sleep_for(std::chrono::milliseconds(ScaledMs(5500)));
  const auto start = WaitStart();
  monitor->RequestStop();
  ASSERT_TRUE(WaitUntil([&] { return monitor->Ended(); }));
  EXPECT_LE(NominalMsSince(start), 2600);
  monitor->Join();
}

}  // namespace
