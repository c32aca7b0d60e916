// The family I controller: it sits on the line in front of the GSM module, answers one-byte
// commands with 4-byte frames (three data bytes and their 8-bit sum) and, after "?" and 0xCC
// or 0xC3, passes the line through to the module until it sees 0xFF.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/pacing.h"
#include "sim/gsm_module.h"

// What the controller reports about the device; tests and the status commands read it.
struct DeviceStatus {
  uint8_t signal = 180;       // "7" byte 1: above 24 means the network is there
  uint8_t warnings = 0;       // "7" byte 2: eight warning flags
  uint8_t supply = 200;       // "7" byte 3: volts = value * 0.061 + 0.7
  uint8_t inputs = 0;         // "8" byte 1: low four bits now, high four bits at rest
  uint8_t inputFlags = 0;     // "8" byte 2, bits 2 to 7 (bits 0 and 1 are PIN and not ready)
  uint8_t outputsOn = 0;      // ":" byte 1
  uint8_t outputModes = 0;    // ":" byte 2
  uint8_t outputsValued = 0;  // ":" byte 3: bit set = the output shows a value
  uint8_t outputValues[4] = {255, 255, 255, 255};  // "8" byte 3 and "9" bytes 1 to 3
  bool notReady = false;
};

class Controller {
 public:
  // Command bytes are appended to *log by name when it is given.
  Controller(GsmModule* module, SimCard* sim, const Faults* faults, std::string firmware,
             std::vector<std::string>* log = nullptr);

  void Receive(char byte, DeviceOutput* out);
  bool passthrough() const { return passthrough_; }
  DeviceStatus& status() { return status_; }

 private:
  std::string Frame(uint8_t a, uint8_t b, uint8_t c) const;
  std::string Frame(const char* text) const;
  std::string Counter(bool report);
  void Command(uint8_t byte, DeviceOutput* out);

  GsmModule* module_;
  SimCard* sim_;
  const Faults* faults_;
  std::string firmware_;
  DeviceStatus status_;
  bool passthrough_ = false;
  bool armed_ = false;  // "?" answered "PRG": the next byte may open the path
  std::string counterEntry_;
  PaceClock::time_point counterStart_;
  std::vector<std::string>* log_;
};

// The controller's name for a command byte in logs and "error=" faults: the character itself
// when printable, else 0xNN.
std::string ControllerByteName(uint8_t byte);
