#include "shell/module_poller.h"

#include <chrono>
#include <mutex>
#include <system_error>
#include <thread>

#include "link/at_text.h"
#include "model/record.h"
#include "shell/app_state.h"
#include "shell/language.h"
#include "shell/message_box.h"
#include "shell/pacing.h"
#include "shell/ui_host.h"

Dati_Thread ThreadResult;

namespace {

// How often an idle poller looks at a standing pause request again.
constexpr int kIdleCheckMs = 100;
// How long a transfer waits for the poller to hand the port over.
constexpr int kPauseWaitSeconds = 15;

std::thread g_thread;
std::atomic<bool> g_everStarted{false};

bool MustStop() {
  return Closing || !PollerRun;
}

// A cycle gives way at its next step to a stop or to a transfer's pause request. Seen only
// at the top of a cycle, a request would wait out a whole cycle (a quiet-line check alone
// takes six seconds while the poller runs), longer than a transfer waits, and the two would
// then talk on the port at once.
bool MustYield() {
  return MustStop() || PollerPauseRequest;
}

void SetWaitCursor(bool on) {
  if (UiHost* host = CurrentUiHost()) host->SetWaitCursor(on);
}

// Reads reply lines into reply until done says so, 5 whole seconds pass or the cycle must
// yield. A read that times out leaves reply as it was.
template <typename Done>
void ReadUntil(TComm& port, std::string& reply, Done done) {
  const auto start = WaitStart();
  do {
    ReadReplyLine(port, reply);
  } while (!done(reply) && WholeSecondsSince(start) <= 5 && !MustYield());
}

void Query(TComm& port, const char* command, std::size_t longerThan, std::string& reply) {
  SendCommand(port, command);
  Pause(200);
  ReadUntil(port, reply, [&](const std::string& r) { return r.size() > longerThan; });
}

// The identity texts, in the poller's order: model first, manufacturer second. False when
// the cycle had to yield on the way.
bool ReadIdentity(TComm& port, std::string& reply, Dati_Modulo& identity) {
  Query(port, "at+gmm", 3, reply);
  identity.Manufacturer = reply;
  if (MustYield()) return false;
  if (!identity.Manufacturer.empty()) {
    Query(port, "at+gmi", 4, reply);
    identity.Model = reply;
    if (MustYield()) return false;
    Query(port, "at+gmr", 3, reply);
    identity.Revision = reply;
    if (MustYield()) return false;
    Query(port, "at+gsn", 5, reply);
    identity.SerialNumber = reply;
    if (MustYield()) return false;
    Query(port, "at^scid", 6, reply);
    identity.Imsi = TrimSpaces(reply.size() > 6 ? reply.substr(6) : std::string());
    if (MustYield()) return false;
  }
  if (!identity.Manufacturer.empty() && !identity.Imsi.empty()) NeedModuleInfo = false;
  return true;
}

// Signal and operator. False when the cycle had to yield on the way.
bool ReadNetwork(TComm& port, std::string& reply, Dati_Thread& result) {
  SendCommand(port, "at+csq");
  Pause(300);
  ReadUntil(port, reply, [](const std::string& r) { return ContainsNoCase(r, "csq"); });
  result.SignalReply = reply;
  if (MustYield()) return false;

  Pause(100);
  reply.clear();
  SendCommand(port, "at+cops?");
  Pause(300);
  ReadUntil(port, reply, [](const std::string& r) { return ContainsNoCase(r, "cops"); });
  result.OperatorReply = reply;
  return !MustYield();
}

void Post(const std::function<void(const PollerReport&)>& onReport, const PollerReport& report) {
  if (UiHost* host = CurrentUiHost()) host->Post([onReport, report] { onReport(report); });
}

enum class Cycle { Done, Yielded };

// One cycle on an open port: the quiet-line check, the identity when it is wanted, the
// network state. The result is complete only when the cycle is Done.
Cycle RunCycle(TComm& port, std::string& reply, Dati_Modulo& identity, PollerReport& report,
               Dati_Thread& result) {
  if (!LineIsQuiet(port)) {
    result.PollerStatus = 1;
    return MustYield() ? Cycle::Yielded : Cycle::Done;
  }
  if (MustYield()) return Cycle::Yielded;
  if (NeedModuleInfo) {
    if (!ReadIdentity(port, reply, identity)) return Cycle::Yielded;
    report.identityRead = true;
  }
  if (!ReadNetwork(port, reply, result)) return Cycle::Yielded;
  const bool answered = !result.SignalReply.empty() && !result.OperatorReply.empty();
  result.PollerStatus = answered ? 0 : 2;
  if (!answered) NeedModuleInfo = true;
  return Cycle::Done;
}

void PollerBody(TComm& port, std::function<void(const PollerReport&)> onReport) {
  std::string reply;  // one reply variable for the thread's whole life
  Dati_Modulo identity;
  Dati_Thread result;
  for (;;) {
    const bool run = PollerRun;
    if (!run) Pause(2000);
    if (PollerPauseRequest) {
      if (MustStop()) break;
      PollerPaused = true;
      Pause(kIdleCheckMs);
      continue;
    }
    PollerPaused = false;
    // A request that came while the acknowledgement was being withdrawn: the transfer may
    // already have taken the stale acknowledgement, so this cycle must not start.
    if (PollerPauseRequest) continue;
    if (!run || MustStop()) break;

    PollerReport report;
    if (!EnsureOpen(port)) {
      PollerRun = false;
      report.result = result;
      Post(onReport, report);
      continue;
    }
    const Cycle cycle = RunCycle(port, reply, identity, report, result);
    // The port is free between cycles, and before a transfer takes it.
    CloseComm(port);
    if (MustStop()) break;
    if (cycle == Cycle::Yielded) continue;
    report.result = result;
    report.identity = identity;
    Post(onReport, report);
  }
  if (PollerRun) Pause(1000);
  PollerEnded = true;
}

std::string PictureForLevel(int level) {
  const int n = level <= 3 ? 1 : std::min(10, (level - 1) / 3 + 1);
  return "lcd-sign" + std::to_string(n) + ".bmp";
}

}  // namespace

int SignalLevel(const std::string& signalReply) {
  const auto comma = signalReply.find(',');
  std::string two;
  if (comma == std::string::npos) {
    two = signalReply.substr(0, 2);
  } else {
    const std::size_t from = comma >= 2 ? comma - 2 : 0;
    two = signalReply.substr(from, comma - from);
  }
  std::size_t i = two.find_first_not_of(' ');
  if (i == std::string::npos) return 0;
  bool negative = false;
  if (two[i] == '-' || two[i] == '+') negative = two[i++] == '-';
  if (i == two.size()) return 0;
  int value = 0;
  for (; i < two.size(); ++i) {
    if (two[i] < '0' || two[i] > '9') return 0;
    value = value * 10 + (two[i] - '0');
  }
  return negative ? -value : value;
}

// language texts: 50-52, 55, 159, 160
PollerView PollerUpdateView(const Dati_Thread& result, const LcdPanelState& current) {
  PollerView view{current, std::nullopt};
  LcdPanelState& lcd = view.lcd;
  auto fault = [&](int line1, int line2) {
    lcd.picture.clear();
    lcd.line1 = LanguageText(line1);
    lcd.line2 = LanguageText(line2);
  };
  switch (result.PollerStatus) {
    case 1:
      fault(52, 55);
      view.moduleReady = false;
      break;
    case 2:
      fault(50, 51);
      view.moduleReady = false;
      break;
    case 0: {
      lcd.line1.clear();
      const int level = SignalLevel(result.SignalReply);
      if (level >= 0 && level <= 31) {
        lcd.picture = PictureForLevel(level);
      } else if (level >= 32 && level <= 99) {
        fault(159, 160);
      }
      const auto first = result.OperatorReply.find('"');
      const auto second =
          first == std::string::npos ? first : result.OperatorReply.find('"', first + 1);
      const std::string op = second == std::string::npos
                                 ? std::string()
                                 : result.OperatorReply.substr(first + 1, second - first - 1);
      if (!op.empty()) {
        lcd.line1.clear();
        lcd.line2 = op;
      } else {
        fault(159, 160);
      }
      view.moduleReady = true;
      break;
    }
    default:
      break;
  }
  return view;
}

void HandlePollerUpdate(const PollerReport& report, PollerWindow& window) {
  if (UiHost* host = CurrentUiHost(); host && host->WaitCursorShown()) host->SetWaitCursor(false);
  ThreadResult = report.result;
  if (report.identityRead) {
    ModuleInfo.Manufacturer = report.identity.Manufacturer;
    ModuleInfo.Model = report.identity.Model;
    ModuleInfo.Revision = report.identity.Revision;
    ModuleInfo.SerialNumber = report.identity.SerialNumber;
    ModuleInfo.Imsi = report.identity.Imsi;
  }
  const PollerView view = PollerUpdateView(report.result, window.lcd);
  window.lcd = view.lcd;
  if (view.moduleReady) ModuleReady = *view.moduleReady;
  if (window.render) window.render();
}

bool PollerEverStarted() {
  return g_everStarted;
}

bool PollerRunning() {
  return g_everStarted && !PollerEnded;
}

void StartPoller(TComm& port, std::function<void(const PollerReport&)> onReport) {
  if (PollerRunning()) return;
  if (g_thread.joinable()) g_thread.join();  // an earlier thread that has ended
  PollerRun = true;
  PollerEnded = false;
  PollerPaused = false;
  g_everStarted = true;
  g_thread = std::thread(PollerBody, std::ref(port), std::move(onReport));
}

bool StopPoller() {
  PollerRun = false;
  if (!g_everStarted) return true;
  try {
    const auto start = WaitStart();
    while (!PollerEnded && WholeSecondsSince(start) <= 10) Pause(50);
    if (!g_thread.joinable()) return true;
    if (PollerEnded) {
      g_thread.join();
      return true;
    }
    // Still inside a read after ten seconds: it ends on its own once the read returns, since
    // PollerRun is clear; it is not waited for any longer.
    g_thread.detach();
    return false;
  } catch (const std::system_error& e) {
    ShowMessageBox(e.what(), MsgKind::Warning, MsgButtons::Ok);
    return false;
  }
}

void UpdatePoller(bool initial, PollerWindow& window) {
  SetWaitCursor(true);
  if (Cliente.TipoCentrale == kTypeVelaA) {
    if (!PollerRunning()) {
      if (EnsureOpen(Comm)) {
        StartPoller(Comm,
                    [&window](const PollerReport& report) { HandlePollerUpdate(report, window); });
      } else {
        SetWaitCursor(false);
        window.lcd.line1 = LanguageText(162);
        window.lcd.line2 = LanguageText(163);
        if (window.render) window.render();
      }
    }
    if (window.showLcdPanel) window.showLcdPanel(true);
  } else {
    if (!initial) StopPoller();
    if (window.showLcdPanel) window.showLcdPanel(false);
  }
  SetWaitCursor(false);
}

void PausePoller() {
  if (!g_everStarted) return;
  PollerPauseRequest = true;
  // A running cycle yields at its next step, at most one quiet-line check (six seconds)
  // away; going on without the acknowledgement would put two users on the port.
  const auto start = WaitStart();
  while (!PollerPaused && !PollerEnded && WholeSecondsSince(start) <= kPauseWaitSeconds) {
    if (UiHost* host = CurrentUiHost()) host->ProcessMessages();
    Pause(500);
  }
}

void ResumePoller() {
  PollerPauseRequest = false;
}
