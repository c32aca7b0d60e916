// The channel against the simulated communicator: the device as the installer's PC meets it.
#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <memory>

#include "link/at_channel.h"
#include "link/sim_pin.h"
#include "model/record.h"
#include "scripted_host.h"
#include "shell/language.h"
#include "shell/pacing.h"
#include "shell/poller_flags.h"
#include "sim/simulator.h"

namespace {

class SimLinkTest : public ::testing::Test {
 protected:
  static constexpr double kSpeed = 25;

  void TearDown() override {
    CloseComm(port);
    if (sim) sim->Stop();
    SetComDeviceResolver({});
    SetPacingSpeed(1);
    PollerRun = false;
    Cliente = Tag_Cliente{};
  }

  void Start(SimConfig config) {
    SetPacingSpeed(kSpeed);
    Cliente = Tag_Cliente{};
    Cliente.TipoCentrale = config.family == 'I' ? kTypeVelaI : kTypeVelaA;
    sim = std::make_unique<Simulator>(std::move(config));
    std::string error;
    ASSERT_TRUE(sim->Start(&error)) << error;
    SetComDeviceResolver([this](int) { return sim->SlavePath(); });
  }
  void StartFamilyA(const std::string& firmware, std::vector<std::string> faults = {}) {
    SimConfig c;
    c.firmware = firmware;
    c.faults = std::move(faults);
    Start(c);
  }
  void StartFamilyI(const std::string& maker, std::vector<std::string> faults = {},
                    const std::string& pin = "") {
    SimConfig c;
    c.family = 'I';
    c.module = maker;
    c.firmware = "1.05";
    c.pin = pin;
    c.faults = std::move(faults);
    Start(c);
  }

  // Nominal seconds fn takes on the pacing clock.
  template <typename Fn>
  static double NominalSeconds(Fn&& fn) {
    const auto start = WaitStart();
    fn();
    return NominalMsSince(start) / 1000.0;
  }

  static SimPinDialog TypedPins(std::deque<std::string> pins, int* shown) {
    return [pins, shown](const SimPinSubmit& submit) mutable {
      ++*shown;
      for (; !pins.empty(); pins.pop_front()) {
        const PinResult result = submit(pins.front());
        if (result != PinResult::None) return result == PinResult::Ok;
      }
      return false;
    };
  }

  ScopedScriptedHost ui;
  std::unique_ptr<Simulator> sim;
  TComm port;
};

TEST_F(SimLinkTest, RevisionCheckTakesTheDevicesReleaseThenMatches) {
  StartFamilyA("1.12");
  Cliente.Rel_firmware = "1.00";
  EXPECT_EQ(CheckRevision(port, Cliente, Cliente.Rel_firmware), 1);
  EXPECT_EQ(Cliente.Rel_firmware.str(), "1.12");
  EXPECT_EQ(CheckRevision(port, Cliente, Cliente.Rel_firmware), 0);
  EXPECT_EQ(Cliente.Rel_firmware.str(), "1.12");
}

TEST_F(SimLinkTest, RevisionCheckOfAnEarlyDeviceWithEcho) {
  SimConfig c;
  c.firmware = "1.05";
  c.echo = true;
  Start(c);
  Cliente.Rel_firmware = "1.01";
  EXPECT_EQ(CheckRevision(port, Cliente, "1.01"), 0);
  EXPECT_EQ(Cliente.Rel_firmware.str(), "1.05");
}

TEST_F(SimLinkTest, ModuleIdentityByEachMakersRules) {
  struct Case {
    std::string maker;
    Dati_Modulo expected;
  };
  const Case cases[] = {
      {"MOTOROLA",
       {"MOTOROLA", "G20 EU", "G20_G_0C.11.61R", "351234567890133", "222019876543210", "SIMNET"}},
      {"ERICSSON",
       {"ERICSSON", "GM47 EU", "R4A03 CXC1122528", "520001234567891", "222019876543210", "SIMNET"}},
  };
  for (const Case& c : cases) {
    StartFamilyI(c.maker);
    ASSERT_TRUE(EnsureOpen(port));
    Dati_Modulo info;
    ASSERT_TRUE(ReadModuleInfo(port, info, true, false)) << c.maker;
    EXPECT_EQ(info.Manufacturer, c.expected.Manufacturer);
    EXPECT_EQ(info.Model, c.expected.Model);
    EXPECT_EQ(info.Revision, c.expected.Revision);
    EXPECT_EQ(info.SerialNumber, c.expected.SerialNumber);
    EXPECT_EQ(info.Imsi, c.expected.Imsi);
    EXPECT_EQ(info.Operator, c.expected.Operator);
    EXPECT_FALSE(sim->Passthrough()) << "the path was left";
    CloseComm(port);
    sim->Stop();
  }
}

TEST_F(SimLinkTest, SimPinIsEnteredAndThenNoLongerAsked) {
  StartFamilyI("ERICSSON", {}, "4321");
  int shown = 0;
  EXPECT_TRUE(CheckSimPin(port, TypedPins({"4321 "}, &shown)));
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(port.Handle, -1);
  EXPECT_TRUE(ui.host.Boxes().empty());
  EXPECT_TRUE(CheckSimPin(port, TypedPins({}, &shown)));
  EXPECT_EQ(shown, 1);  // no dialog the second time
  ASSERT_TRUE(EnsureOpen(port));
  EXPECT_TRUE(CheckDeviceReady(port));
}

TEST_F(SimLinkTest, WrongPinIsRefused) {
  StartFamilyI("MOTOROLA", {}, "4321");
  int shown = 0;
  EXPECT_FALSE(CheckSimPin(port, TypedPins({"0000", "4321"}, &shown)));
  ASSERT_EQ(ui.host.Boxes().size(), 1u);
  EXPECT_EQ(ui.host.Boxes()[0].text, LanguageText(234));
  EXPECT_FALSE(sim->Passthrough());
}

TEST_F(SimLinkTest, DeviceNotReady) {
  StartFamilyI("ERICSSON", {"not-ready"});
  ASSERT_TRUE(EnsureOpen(port));
  EXPECT_FALSE(CheckDeviceReady(port));
  int shown = 0;
  EXPECT_TRUE(CheckSimPin(port, TypedPins({}, &shown)));
  EXPECT_EQ(shown, 0);
}

TEST_F(SimLinkTest, QuietLineAndChatter) {
  StartFamilyA("1.12");
  PollerRun = true;
  ASSERT_TRUE(EnsureOpen(port));
  EXPECT_TRUE(LineIsQuiet(port));
  ASSERT_TRUE(sim->SetFault("chatter"));
  EXPECT_FALSE(LineIsQuiet(port));
}

// Every fault ends in the specified result within the specified bound.
TEST_F(SimLinkTest, FaultsGiveTheirResultsWithinTheirLimits) {
  struct Case {
    const char* fault;
    bool passthrough;
    bool deviceReady;
  };
  const Case cases[] = {
      {"silent", false, false},
      {"bad-checksum", false, false},
      {"garbage", false, false},
      {"cut", false, false},
  };
  for (const Case& c : cases) {
    StartFamilyI("ERICSSON");
    ASSERT_TRUE(EnsureOpen(port)) << c.fault;
    ASSERT_TRUE(sim->SetFault(c.fault)) << c.fault;  // a cut line is cut while open
    double seconds =
        NominalSeconds([&] { EXPECT_EQ(StartPassthrough(port, false), c.passthrough) << c.fault; });
    EXPECT_LE(seconds, 2 * CharTimeout + 1) << c.fault;
    seconds = NominalSeconds([&] { EXPECT_EQ(CheckDeviceReady(port), c.deviceReady) << c.fault; });
    EXPECT_LE(seconds, CharTimeout + 1) << c.fault;
    CloseComm(port);
    sim->Stop();
  }
}

TEST_F(SimLinkTest, SilentModuleBoundsEveryWait) {
  StartFamilyA("1.12", {"silent"});
  ASSERT_TRUE(EnsureOpen(port));
  std::string reply;
  double seconds = NominalSeconds([&] { EXPECT_FALSE(QueryLine(port, "AT+CGMI", reply)); });
  EXPECT_GE(seconds, 11);
  EXPECT_LE(seconds, 11 + CharTimeout + 1);
  seconds = NominalSeconds([&] { EXPECT_FALSE(WaitOkOrError(port, "ATH")); });
  EXPECT_LE(seconds, 11 + CharTimeout + 1);
  seconds = NominalSeconds([&] { EXPECT_EQ(CheckRevision(port, Cliente, "1.12"), 2); });
  EXPECT_LE(seconds, 5 + CharTimeout + 1);
}

TEST_F(SimLinkTest, RefusedIdentityQueryEndsTheChain) {
  StartFamilyI("ERICSSON", {"error=+CGMM"});
  ASSERT_TRUE(EnsureOpen(port));
  Dati_Modulo info{"", "old", "old", "old", "old", "old"};
  ASSERT_TRUE(ReadModuleInfo(port, info, true, true));
  EXPECT_EQ(info.Manufacturer, "ERICSSON");
  EXPECT_EQ(info.Model, "old");
  EXPECT_EQ(info.Operator, "old");
}

TEST_F(SimLinkTest, CreditIsShown) {
  StartFamilyI("MOTOROLA");
  ASSERT_TRUE(EnsureOpen(port));
  EXPECT_TRUE(QueryCredit(port, true, false));
  ASSERT_EQ(ui.host.Boxes().size(), 1u);
  EXPECT_EQ(ui.host.Boxes()[0].text.substr(0, 8), "\"Credito");
}

}  // namespace
