#include "status/family_i_monitor.h"

#include <chrono>

#include "link/sim_pin.h"
#include "programming/family_i_counters.h"
#include "shell/pacing.h"

namespace {

constexpr int kPollPauseMs = 5000;
constexpr int kWarningPauseMs = 10000;
constexpr int kNotReadyPauseMs = 5000;
// After a cycle that threw, so that a fault that repeats at once cannot spin the thread.
constexpr int kAfterExceptionMs = 1000;

bool Exchange(TComm& port, char command, FrameBuffer& frame) {
  SendCommand(port, std::string(1, command));
  return ReadFrame(port, frame, 3, true);
}

}  // namespace

FamilyIMonitor::FamilyIMonitor(TComm& port, Notify notify)
    : port_(port), notify_(std::move(notify)) {}

FamilyIMonitor::~FamilyIMonitor() {
  RequestStop();
  if (thread_.joinable()) thread_.join();
}

void FamilyIMonitor::Start(const Dati_Modulo& identity) {
  if (thread_.joinable()) thread_.join();
  {
    std::lock_guard lock(values_);
    identity_ = identity;
  }
  firstCycle_ = true;
  running_ = true;
  thread_ = std::thread(&FamilyIMonitor::Loop, this);
}

void FamilyIMonitor::RequestStop() {
  {
    std::lock_guard lock(lock_);
    stop_ = true;
  }
  wake_.notify_all();
}

void FamilyIMonitor::ClearStop() {
  stop_ = false;
}

void FamilyIMonitor::Join() {
  if (thread_.joinable()) thread_.join();
}

bool FamilyIMonitor::SetCommand(uint8_t command) {
  {
    std::lock_guard lock(lock_);
    if (pending_) return false;
    command_ = command;
    pending_ = true;
  }
  wake_.notify_all();
  return true;
}

Tag_StatoDispositivo FamilyIMonitor::Status() const {
  std::lock_guard lock(values_);
  return status_;
}

InputStatus FamilyIMonitor::Inputs() const {
  std::lock_guard lock(values_);
  return inputs_;
}

OutputStatus FamilyIMonitor::Outputs() const {
  std::lock_guard lock(values_);
  return outputs_;
}

Dati_Modulo FamilyIMonitor::Identity() const {
  std::lock_guard lock(values_);
  return identity_;
}

void FamilyIMonitor::Post(int code, int arg) {
  if (notify_) notify_(code, arg);
}

void FamilyIMonitor::Wait(int nominalMs, bool endOnCommand) {
  std::unique_lock lock(lock_);
  wake_.wait_for(lock, std::chrono::milliseconds(ScaledMs(nominalMs)),
                 [&] { return stop_ || (endOnCommand && pending_); });
}

void FamilyIMonitor::Loop() {
  while (!stop_) {
    try {
      RunCycle(true);
    } catch (...) {
      Post(kMsgCycleFailed, 0);
      Wait(kAfterExceptionMs, false);
    }
  }
  running_ = false;
}

void FamilyIMonitor::RunCycle(bool withWaits) {
  Post(kMsgActivity, 2);
  const bool identifying = firstCycle_;
  bool failed = identifying && !Identify(withWaits);
  if (pending_) {
    if (!SendCommandByte()) failed = true;
    pending_ = false;
  }
  if (!failed && !stop_) {
    if (!PollSignal()) {
      Post(kMsgIndicator, kIndicatorNoAnswer);
      return;
    }
    if (InWarningState(Status().warnings)) {
      // Inputs and outputs are left alone until the warning clears.
      Post(kMsgIndicator, kIndicatorWarning);
      if (withWaits) Wait(kWarningPauseMs, true);
    } else {
      const bool inputsRead = PollInputs();
      const bool outputsRead = PollOutputs();
      Post(kMsgIndicator, inputsRead && outputsRead ? kIndicatorAnswering : kIndicatorNoAnswer);
      if (withWaits) Wait(kPollPauseMs, false);
    }
  }
  if (failed && !identifying) Post(kMsgIndicator, kIndicatorNoAnswer);
}

bool FamilyIMonitor::Identify(bool withWaits) {
  {
    std::lock_guard lock(values_);
    status_ = Tag_StatoDispositivo{};
    inputs_ = {};
    outputs_ = {};
  }
  const bool ready = EnsureOpen(port_) && CheckDeviceReady(port_);
  CloseComm(port_);
  if (!ready) {
    Post(kMsgIndicator, kIndicatorNotReady);
    if (withWaits) Wait(kNotReadyPauseMs, false);
    return false;  // identified again next cycle
  }
  std::string version;
  const bool problem = ReadDeviceVersion(port_, version, false);
  {
    std::lock_guard lock(values_);
    status_.version = version;
  }
  firstCycle_ = false;
  if (problem) {
    Post(kMsgVersion, 1);
    RequestStop();
    return false;
  }
  Post(kMsgVersion, 0);
  Dati_Modulo info = Identity();
  if (!ReadModuleInfo(port_, info, true, false)) {
    Post(kMsgIdentity, 1);
    return true;
  }
  {
    std::lock_guard lock(values_);
    identity_ = info;
  }
  Post(kMsgIdentity, 0);
  const PeriodicCounters counters = ReadPeriodicCounters(port_);
  {
    std::lock_guard lock(values_);
    status_.smsMinutes = counters.smsMinutes;
    status_.reportMinutes = counters.reportMinutes;
  }
  Post(kMsgDates, 0);
  return true;
}

bool FamilyIMonitor::SendCommandByte() {
  const uint8_t command = command_;
  FrameBuffer frame;
  if (command == kServiceCommand &&
      (!Exchange(port_, '?', frame) || FrameText(frame, 0, 3) != "PRG"))
    return false;
  return Exchange(port_, static_cast<char>(command), frame) && FrameText(frame, 0, 3) != "ERR";
}

bool FamilyIMonitor::PollSignal() {
  FrameBuffer frame;
  if (!Exchange(port_, '7', frame)) return false;
  bool changed = false;
  {
    std::lock_guard lock(values_);
    changed =
        status_.signal != frame[0] || status_.warnings != frame[1] || status_.supply != frame[2];
    status_.signal = frame[0];
    status_.warnings = frame[1];
    status_.supply = frame[2];
  }
  if (changed) Post(kMsgSignal, 0);
  return true;
}

bool FamilyIMonitor::PollInputs() {
  FrameBuffer frame;
  if (!Exchange(port_, '8', frame)) return false;
  const InputStatus read = {static_cast<uint8_t>(frame[0] & 0x0F),
                            static_cast<uint8_t>(frame[0] >> 4), frame[1]};
  bool changed = false;
  {
    std::lock_guard lock(values_);
    changed = read != inputs_;
    inputs_ = read;
  }
  if (changed) Post(kMsgInputs, 0);
  return true;
}

bool FamilyIMonitor::PollOutputs() {
  FrameBuffer frame;
  if (!Exchange(port_, ':', frame)) return false;
  OutputStatus read = Outputs();
  read[0] = frame[1];
  read[1] = frame[0];
  read[7] = frame[2];
  bool complete = Exchange(port_, '8', frame);
  if (complete) {
    read[2] = frame[2];
    complete = Exchange(port_, '9', frame);
    if (complete) {
      read[3] = frame[0];
      read[4] = frame[1];
      read[5] = frame[2];
    }
  }
  {
    std::lock_guard lock(values_);
    if (read != outputs_) outputsOwed_ = true;
    outputs_ = read;
  }
  // Values read only in part are kept but drawn only when a whole read comes; the repaint
  // stays owed until then, so that a change seen by a partial read is not lost.
  if (complete && outputsOwed_) {
    outputsOwed_ = false;
    Post(kMsgOutputs, 0);
  }
  return true;
}
