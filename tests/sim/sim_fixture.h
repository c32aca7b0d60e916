// A simulator started for one test, with a client already on its line.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "line_client.h"
#include "sim/simulator.h"

class SimTest : public ::testing::Test {
 protected:
  void TearDown() override {
    client_.reset();
    if (sim_) sim_->Stop();
  }
  // Starts the simulator and opens the client; fails the test when either does not work.
  void Start(SimConfig config) {
    sim_ = std::make_unique<Simulator>(std::move(config));
    std::string error;
    ASSERT_TRUE(sim_->Start(&error)) << error;
    client_ = std::make_unique<LineClient>(sim_->SlavePath());
    ASSERT_TRUE(client_->ok());
  }
  void StartFamilyA(std::vector<std::string> faults = {}) {
    SimConfig c;
    c.faults = std::move(faults);
    Start(c);
  }
  void StartFamilyI(const std::string& maker, std::vector<std::string> faults = {}) {
    SimConfig c;
    c.family = 'I';
    c.module = maker;
    c.firmware = "1.05";
    c.faults = std::move(faults);
    Start(c);
  }
  // Family I: "?" and 0xCC open the path to the module.
  void EnterPassthrough() {
    client_->Send("?");
    ASSERT_EQ(client_->ReadBytes(4), ControllerFrame('P', 'R', 'G'));
    client_->Send("\xCC");
    ASSERT_EQ(client_->ReadBytes(1), "\xFE");
  }
  LineClient& line() { return *client_; }
  Simulator& sim() { return *sim_; }

  std::unique_ptr<Simulator> sim_;
  std::unique_ptr<LineClient> client_;
};
