// The simulated communicator: a pseudo-terminal linked at a chosen path, behind which a
// family A module or a family I controller with its module answers like the real device.
// Built as a library for the tests and as the program vela-sim.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/controller.h"
#include "sim/faults.h"
#include "sim/sim_card.h"

struct SimConfig {
  char family = 'A';                // 'A' (type 21) or 'I' (type 22)
  std::string module = "MOTOROLA";  // family I module maker: "MOTOROLA" or "ERICSSON"
  std::string firmware = "1.12";    // release the device reports (family I: 1.0 to 1.09)
  std::string pin;                  // non-empty: SIM wants this PIN
  bool echo = false;                // ATE state at power-up (firmware switches it off)
  std::vector<std::string> faults;  // named faults, e.g. "silent", "silent-after=5", ...
  std::string simFile;              // load at start, save on stop (plain documented text form)
  std::string linkPath;             // symlink to the pty slave, e.g. /tmp/vela-com1
  bool trace = false;               // print the exchange to stderr
};

class Simulator {
 public:
  explicit Simulator(SimConfig config);
  ~Simulator();  // stops
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  bool Start(std::string* error);  // opens the pty, links it, starts the device thread
  void Stop();                     // saves the SIM file when configured
  bool Running() const;
  std::string SlavePath() const;  // /dev/pts/N (changes when a cut line is mended)
  std::string LinkPath() const;
  std::string DumpSim() const;  // the SIM in the plain text form

  // The SIM as it is now, and changes to it while running.
  SimCard Sim() const;
  void SetSim(const SimCard& sim);
  std::map<int, StoredMessage> Messages() const;
  std::map<int, PhoneEntry> PhoneBook(const std::string& storage) const;
  void SetPhoneEntry(const std::string& storage, int index, const PhoneEntry& entry);
  void SetMessage(int index, const StoredMessage& message);
  std::vector<SentMessage> SentMessages() const;

  // Faults by name (see sim/README.md); false with a message for an unknown one.
  bool SetFault(const std::string& name, std::string* error = nullptr);
  bool ClearFault(const std::string& name, std::string* error = nullptr);
  void ClearFaults();
  std::vector<std::string> ActiveFaults() const;

  // The controller's status values (family I).
  DeviceStatus Status() const;
  void SetStatus(const DeviceStatus& status);

  // What clients sent: AT command lines as received, controller bytes by name ("?", "0xCC").
  std::vector<std::string> Received() const;
  void ClearReceived();
  bool ModuleEcho() const;
  bool Passthrough() const;
  int CommandsAnswered() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};
