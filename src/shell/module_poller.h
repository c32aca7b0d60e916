// The module-information poller: while the device type is 21 a background thread asks the
// GSM module who it is and how the network looks, one cycle after another, and posts each
// result to the main window, which shows it on the LCD panel. Transfers pause it to use
// the port. The thread touches no widget and shares only atomics and the port record.
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>

#include "link/at_channel.h"
#include "link/serial_port.h"
#include "shell/poller_flags.h"

// The result of one cycle: 0 ok, 1 something talked on the line, 2 no network answer.
struct Dati_Thread {
  int PollerStatus = 0;
  std::string SignalReply;
  std::string OperatorReply;
};
extern Dati_Thread ThreadResult;  // the last result handled on the user-interface thread

inline std::atomic<bool> PollerPauseRequest{false};
inline std::atomic<bool> PollerPaused{false};
inline std::atomic<bool> PollerEnded{true};
// A GSM module answered recently (set from good poller results and by Load).
inline std::atomic<bool> ModuleReady{false};

// What one cycle hands to the user-interface thread. The identity texts travel with it, so
// the thread never writes a record the windows read.
struct PollerReport {
  Dati_Thread result;
  bool identityRead = false;
  Dati_Modulo identity;  // first text the model, second the manufacturer
};

// Lines 1 and 2 of the LCD panel and its picture file (empty: no picture).
struct LcdPanelState {
  std::string line1;
  std::string line2;
  std::string picture;
  bool operator==(const LcdPanelState&) const = default;
};

// What the panel shows after a result, and the module-ready flag's new value (none: keep).
struct PollerView {
  LcdPanelState lcd;
  std::optional<bool> moduleReady;
};
PollerView PollerUpdateView(const Dati_Thread& result, const LcdPanelState& current);
// The signal level in a "+CSQ: 15,99" reply: the two characters before the first comma.
int SignalLevel(const std::string& signalReply);

// The main window's side of the poller.
struct PollerWindow {
  LcdPanelState lcd;
  std::function<void()> render;            // draws lcd after a change
  std::function<void(bool)> showLcdPanel;  // shows or hides the LCD panel
};

// Handles one posted result on the user-interface thread: ThreadResult and the identity in
// ModuleInfo, the LCD lines and picture, ModuleReady, the normal cursor.
void HandlePollerUpdate(const PollerReport& report, PollerWindow& window);

// Starts or stops the poller for the current device type (Cliente.TipoCentrale) on Comm.
// A running poller is left alone: two pollers on one port would talk over each other.
void UpdatePoller(bool initial, PollerWindow& window);

// Starts the thread on port; each result is posted through the host to onReport. No
// effect while a poller thread is still running.
void StartPoller(TComm& port, std::function<void(const PollerReport&)> onReport);
// Clears PollerRun and waits (letting user-interface messages run) until the thread ends or
// 10 seconds pass; a thread that does not end is let go. False when it had to be let go.
bool StopPoller();
bool PollerEverStarted();
bool PollerRunning();

// The hand-over of the port to a transfer: the request, then the wait for the poller to
// acknowledge, which it does at its next step (within 15 seconds at the very most). No
// wait without a running poller.
void PausePoller();
void ResumePoller();
