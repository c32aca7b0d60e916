// The status page's polling thread for a family I device. It identifies the device (ready,
// version, module, periodic counters), then asks the controller for signal, warnings,
// supply, inputs and outputs every few seconds, and sends the one device command the page
// may have queued. It never touches a window: it reports through a notification (a page
// message code and its argument) that the page posts to itself, and keeps the values it
// read for the page to draw. While it runs it is the only user of the serial port.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

#include "link/at_channel.h"
#include "status/device_status.h"

// The page messages, by code; the argument is in the comments.
enum StatusMessage {
  kMsgCycleFailed = 1,  // 0: a cycle raised an exception
  kMsgIndicator = 3,    // a StatusIndicator
  kMsgVersion = 5,      // 0: version shown; 1: unsupported version (language text 127)
  kMsgSignal = 6,       // 0: signal, supply or warnings changed
  kMsgOutputs = 7,      // 0: outputs changed
  kMsgInputs = 8,       // 0: inputs changed
  kMsgIdentity = 9,     // 0: module identified; 1: it did not answer
  kMsgActivity = 10,    // 1: hourglass; 2: next frame of the activity animation
  kMsgDates = 11,       // 0: the periodic counters were read
  kMsgHint = 12,        // 0: the application's hint changed
};

// The one device command the page button sends (preceded by "?").
constexpr uint8_t kServiceCommand = 0xC6;
// The command that switches output r (1 to 4) over.
constexpr uint8_t OutputSwitchCommand(int r) {
  return static_cast<uint8_t>('0' + r - 1);
}

class FamilyIMonitor {
 public:
  // Called on the polling thread for every page message.
  using Notify = std::function<void(int code, int arg)>;

  FamilyIMonitor(TComm& port, Notify notify);
  ~FamilyIMonitor();  // asks the thread to stop and waits for it
  FamilyIMonitor(const FamilyIMonitor&) = delete;
  FamilyIMonitor& operator=(const FamilyIMonitor&) = delete;

  // Starts the thread with the identification still to do; identity is where the module's
  // texts start from (a query that fails leaves the ones after it as they were).
  void Start(const Dati_Modulo& identity);
  void RequestStop();
  void ClearStop();
  bool StopRequested() const { return stop_; }
  // True once the thread has left its loop (or was never started).
  bool Ended() const { return !running_; }
  // Waits for the thread to end; only after RequestStop.
  void Join();

  // The page's lock: sets the command for the next cycle; false while one is pending.
  bool SetCommand(uint8_t command);
  bool CommandPending() const { return pending_; }

  // One cycle on the calling thread; withWaits false leaves out the pauses (vela-cli).
  void BeginIdentification() { firstCycle_ = true; }
  void RunCycle(bool withWaits);

  // What the thread read, copied under its lock.
  Tag_StatoDispositivo Status() const;
  InputStatus Inputs() const;
  OutputStatus Outputs() const;
  Dati_Modulo Identity() const;

 private:
  void Loop();
  void Post(int code, int arg);
  bool Identify(bool withWaits);
  bool SendCommandByte();
  bool PollSignal();
  bool PollInputs();
  bool PollOutputs();
  // Sleeps a nominal time, ending early on a stop request (and a queued command).
  void Wait(int nominalMs, bool endOnCommand);

  TComm& port_;
  Notify notify_;

  mutable std::mutex values_;  // the values below, written by the polling thread only
  Tag_StatoDispositivo status_;
  InputStatus inputs_{};
  OutputStatus outputs_{};
  Dati_Modulo identity_;
  bool outputsOwed_ = false;  // a change not drawn yet (polling thread only)

  std::mutex lock_;  // the page's lock; also wakes the waits
  std::condition_variable wake_;
  std::atomic<uint8_t> command_{0};
  std::atomic<bool> pending_{false};
  std::atomic<bool> stop_{false};
  std::atomic<bool> running_{false};
  std::atomic<bool> firstCycle_{false};
  std::thread thread_;
};
