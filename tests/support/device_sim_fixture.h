// The simulated communicator on the program's port (COM 1 leads to it), a fast clock, a
// scripted user interface and a record of the page messages a poller sent.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "link/serial_port.h"
#include "model/record.h"
#include "scripted_host.h"
#include "shell/pacing.h"
#include "sim/simulator.h"

// Waits up to realMs for a condition, looking every few milliseconds.
template <typename Pred>
bool WaitUntil(Pred pred, int realMs = 5000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(realMs);
  while (!pred()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

class DeviceSimTest : public ::testing::Test {
 protected:
  static constexpr double kSpeed = 25;

  void TearDown() override {
    CloseComm(Comm);
    if (sim) sim->Stop();
    SetComDeviceResolver({});
    SetPacingSpeed(1);
    Cliente = Tag_Cliente{};
  }

  // Starts the device; the header gets its type and release, the rest of it stays.
  void Start(char family, std::vector<std::string> faults = {}, const std::string& firmware = "",
             const std::string& maker = "MOTOROLA") {
    SetPacingSpeed(kSpeed);
    SimConfig c;
    c.family = family;
    c.module = maker;
    c.firmware = !firmware.empty() ? firmware : family == 'I' ? "1.05" : "1.12";
    c.faults = std::move(faults);
    Cliente.TipoCentrale = family == 'I' ? kTypeVelaI : kTypeVelaA;
    Cliente.Rel_firmware = c.firmware;
    sim = std::make_unique<Simulator>(c);
    std::string error;
    ASSERT_TRUE(sim->Start(&error)) << error;
    SetComDeviceResolver([this](int) { return sim->SlavePath(); });
  }

  // The page messages received so far, in order (safe from any thread).
  using Message = std::pair<int, int>;
  void Note(int code, int arg) {
    std::lock_guard lock(mutex_);
    messages_.emplace_back(code, arg);
  }
  std::vector<Message> Messages() {
    std::lock_guard lock(mutex_);
    return messages_;
  }
  void ClearMessages() {
    std::lock_guard lock(mutex_);
    messages_.clear();
  }
  bool Got(int code, int arg) {
    for (const auto& m : Messages())
      if (m == Message(code, arg)) return true;
    return false;
  }
  // The controller bytes the device received since the last ClearReceived.
  std::vector<std::string> DeviceBytes() { return sim->Received(); }

  ScopedScriptedHost ui;
  std::unique_ptr<Simulator> sim;

 private:
  std::mutex mutex_;
  std::vector<Message> messages_;
};
