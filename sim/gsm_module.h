// The simulated GSM module: takes the bytes of the line one at a time and answers as a
// 27.007/27.005 module does (V.250 framing, echo, result codes, the text-entry prompt).
// Not thread-safe: the simulator calls it under its own lock.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "sim/at_command.h"
#include "sim/faults.h"
#include "sim/module_profile.h"
#include "sim/sim_card.h"

// What the device sends back, in order: echo goes out at once, each reply is the whole answer
// to one command line (a slow module delays it, a silent one drops it), and an unsolicited
// result comes a nominal delay later.
struct DeviceOutput {
  struct Part {
    bool reply = false;
    std::string bytes;
    int delayMs = 0;
  };
  std::vector<Part> parts;
  void Echo(const std::string& bytes);
  void Reply(const std::string& bytes);
  void Unsolicited(const std::string& bytes, int delayMs);
};

class GsmModule {
 public:
  // Received command lines are appended to *log when it is given.
  GsmModule(ModuleProfile profile, SimCard* sim, const Faults* faults,
            std::vector<std::string>* log = nullptr);

  // Power-up state: echo as given, text mode, default phone book, the PIN asked when the SIM
  // wants it.
  void PowerUp(bool echo);
  void Receive(char byte, DeviceOutput* out);
  // Leaves text entry without storing (the controller took the line back).
  void AbandonInput();

  void RequirePin(bool on);  // the "pin" fault switched at run time
  bool WantsPin() const { return pinState_ != kReady; }
  bool echo() const { return echo_; }
  const ModuleProfile& profile() const { return profile_; }

 private:
  enum PinState { kReady, kSimPin, kSimPuk };
  enum class Result { kOk, kError, kCme, kCms, kPrompt };
  struct Answer {
    std::vector<std::string> info;
    Result result = Result::kOk;
    int code = 0;
    std::string after;  // unsolicited result the network sends a little later
  };

  void RunLine(const std::string& line, DeviceOutput* out);
  void FinishText(bool store, DeviceOutput* out);
  Result Dispatch(const AtCommand& cmd, Answer* a);
  std::string Format(const Answer& a) const;
  Result Cme(Answer* a, int code);
  Result Cms(Answer* a, int code);

  // module_general.cpp
  Result Basic(const AtCommand& cmd, Answer* a);
  Result Identity(const AtCommand& cmd, Answer* a, bool* handled);
  Result Network(const AtCommand& cmd, Answer* a, bool* handled);
  Result Security(const AtCommand& cmd, Answer* a, bool* handled);
  // module_phonebook.cpp
  Result PhoneBook(const AtCommand& cmd, Answer* a, bool* handled);
  std::map<int, PhoneEntry>& Book(const PhoneBookSpec& spec);
  // module_messages.cpp
  Result Messages(const AtCommand& cmd, Answer* a, bool* handled);
  int FreeMessageIndex() const;
  std::string MessageHeader(const StoredMessage& m) const;

  ModuleProfile profile_;
  SimCard* sim_;
  const Faults* faults_;

  // Volatile state, reset at power-up.
  bool echo_ = false;
  bool verbose_ = true;
  bool quiet_ = false;
  int cmee_ = 1;
  bool textMode_ = true;
  std::string charset_ = "IRA";
  std::string phoneBook_;
  int creg_ = 0;
  PinState pinState_ = kReady;
  int pinAttempts_ = 3;
  int messageRef_ = 0;
  std::string smsc_ = "+393359609600";
  int smscType_ = 145;

  // Line assembly.
  std::string line_;
  std::string lastLine_;
  bool overflow_ = false;

  // Text entry after +CMGW or +CMGS.
  bool entering_ = false;
  bool entrySends_ = false;
  std::string entryAddress_;
  std::string entryStatus_;
  std::string entryText_;

  std::vector<std::string>* log_;
};
