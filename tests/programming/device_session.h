// A simulated family A communicator on a pseudo-terminal and the port record that reaches
// it, for the tests that run the transfers and the poller end to end.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "link/serial_port.h"
#include "sim/simulator.h"

class DeviceSession {
 public:
  // Starts the simulator; Start() returning false fails the test that asked.
  explicit DeviceSession(SimConfig config);
  ~DeviceSession();
  bool started() const { return started_; }
  const std::string& error() const { return error_; }
  Simulator& sim() { return *sim_; }

  // COM 1 opens the simulator's line; port is closed first.
  void Connect(TComm& port);

 private:
  std::unique_ptr<Simulator> sim_;
  bool started_ = false;
  std::string error_;
};

SimConfig FamilyADevice(const std::string& firmware, std::vector<std::string> faults = {});
