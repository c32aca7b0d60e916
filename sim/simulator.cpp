#include "sim/simulator.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>

#include "shell/pacing.h"
#include "sim/pty_link.h"

namespace {

constexpr int kChatterMs = 1000;
constexpr size_t kLogLimit = 20000;
const char kNoise[] = "\x11~#\x80\x07\xA7%";
const char kChatter[] = "\r\n#~%?!\x7f junk\r\n";

// Real milliseconds until a nominal time after start has passed.
int RealMsLeft(PaceClock::time_point start, int nominalMs) {
  const auto real = std::chrono::duration_cast<std::chrono::milliseconds>(PaceClock::now() - start);
  return ScaledMs(nominalMs) - static_cast<int>(real.count());
}

std::string Printable(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c < 32 || c >= 127) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "<%02X>", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

bool ReadWholeFile(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  *text = s.str();
  return true;
}

}  // namespace

struct Simulator::State {
  SimConfig config;
  mutable std::mutex mutex;  // everything below but the thread's own fields
  Faults faults;
  SimCard sim;
  std::vector<std::string> log;
  std::unique_ptr<GsmModule> module;
  std::unique_ptr<Controller> controller;
  int answered = 0;
  PtyLink pty;
  std::string slavePath;

  std::thread thread;
  std::atomic<bool> stop{false};
  bool running = false;
  int wake[2] = {-1, -1};

  void Wake() {
    if (wake[1] >= 0) {
      const char c = 0;
      [[maybe_unused]] ssize_t n = ::write(wake[1], &c, 1);
    }
  }
  std::string traced;  // received bytes not yet traced: the trace shows whole lines
  void Trace(const char* dir, const std::string& bytes) {
    if (config.trace) std::fprintf(stderr, "[vela-sim] %s %s\n", dir, Printable(bytes).c_str());
  }
  void TraceReceived(const std::string& bytes, bool flush) {
    if (!config.trace) return;
    traced += bytes;
    const char last = traced.empty() ? 0 : traced.back();
    if (!traced.empty() && (flush || last == '\r' || last == 0x1A || last == 0x1B)) {
      Trace("<-", traced);
      traced.clear();
    }
  }
  // Sleeps a nominal time; false when the simulator is stopping.
  bool Sleep(int nominalMs) {
    pollfd p{wake[0], POLLIN, 0};
    const auto start = WaitStart();
    while (!stop) {
      const int left = RealMsLeft(start, nominalMs);
      if (left <= 0) return true;
      ::poll(&p, 1, left);
      if (p.revents) {
        char buf[16];
        [[maybe_unused]] ssize_t n = ::read(wake[0], buf, sizeof buf);
      }
    }
    return false;
  }
  void Run();
  void Emit(const DeviceOutput& out);
  void MendOrCut();
};

void Simulator::State::MendOrCut() {
  std::lock_guard<std::mutex> lock(mutex);
  if (faults.cut && pty.open()) {
    Trace("--", "line cut");
    pty.Close();
  } else if (!faults.cut && !pty.open()) {
    std::string error;
    if (pty.Open(config.linkPath, &error)) {
      slavePath = pty.slavePath();
      Trace("--", "line mended at " + slavePath);
    } else {
      std::fprintf(stderr, "[vela-sim] %s\n", error.c_str());
    }
  }
}

void Simulator::State::Emit(const DeviceOutput& out) {
  for (const DeviceOutput::Part& part : out.parts) {
    Faults f;
    int count = 0;
    {
      std::lock_guard<std::mutex> lock(mutex);
      if (part.reply) {
        ++answered;
        if (faults.cutAfter >= 0 && answered > faults.cutAfter) faults.cut = true;
      }
      f = faults;
      count = answered;
    }
    if (f.cut) {
      MendOrCut();
      return;
    }
    const bool quiet = f.silent || (f.silentAfter >= 0 &&
                                    (part.reply ? count > f.silentAfter : count >= f.silentAfter));
    if (quiet) continue;
    if (part.reply && f.slowMs > 0 && !Sleep(f.slowMs)) return;
    if (part.delayMs > 0 && !Sleep(part.delayMs)) return;
    const std::string bytes = (part.reply && f.garbage) ? kNoise + part.bytes : part.bytes;
    if (part.reply || part.delayMs > 0) Trace("->", bytes);
    std::lock_guard<std::mutex> lock(mutex);
    pty.Write(bytes);
  }
}

void Simulator::State::Run() {
  auto lastChatter = WaitStart();
  while (!stop) {
    MendOrCut();
    bool chatter = false;
    int master = -1;
    {
      std::lock_guard<std::mutex> lock(mutex);
      chatter = faults.chatter;
      master = pty.open() ? pty.master() : -1;
    }
    pollfd fds[2] = {{wake[0], POLLIN, 0}, {master, POLLIN, 0}};
    int timeout = -1;
    if (chatter) timeout = std::max(1, RealMsLeft(lastChatter, kChatterMs));
    ::poll(fds, master >= 0 ? 2 : 1, timeout);
    if (fds[0].revents) {
      char buf[16];
      [[maybe_unused]] ssize_t n = ::read(wake[0], buf, sizeof buf);
    }
    if (stop) break;
    if (master >= 0 && (fds[1].revents & POLLIN)) {
      char buf[512];
      const ssize_t n = ::read(master, buf, sizeof buf);
      if (n > 0) {
        const std::string bytes(buf, static_cast<size_t>(n));
        DeviceOutput out;
        {
          std::lock_guard<std::mutex> lock(mutex);
          for (char c : bytes) {
            if (controller)
              controller->Receive(c, &out);
            else
              module->Receive(c, &out);
          }
          // A program left running for days keeps the recent commands only.
          if (log.size() > kLogLimit) log.erase(log.begin(), log.begin() + kLogLimit / 2);
        }
        bool replies = false;
        for (const DeviceOutput::Part& part : out.parts) replies = replies || part.reply;
        TraceReceived(bytes, replies);
        Emit(out);
      }
    }
    if (chatter && NominalMsSince(lastChatter) >= kChatterMs) {
      lastChatter = WaitStart();
      DeviceOutput out;
      out.Echo(kChatter);  // unasked, so not counted as an answer
      Emit(out);
    }
  }
}

Simulator::Simulator(SimConfig config) : state_(std::make_unique<State>()) {
  state_->config = std::move(config);
}

Simulator::~Simulator() {
  Stop();
}

bool Simulator::Start(std::string* error) {
  State& s = *state_;
  if (s.running) return true;
  std::string why;
  Faults faults;
  for (const std::string& name : s.config.faults)
    if (!::SetFault(&faults, name, &why)) {
      if (error) *error = why;
      return false;
    }
  ModuleProfile profile;
  const std::string maker = s.config.family == 'I' ? s.config.module : "A";
  if ((s.config.family != 'A' && s.config.family != 'I') || !ProfileFor(maker, &profile)) {
    if (error) *error = "unknown device family or module maker";
    return false;
  }
  SimCard sim = FreshSimCard();
  std::string text;
  if (!s.config.simFile.empty() && ReadWholeFile(s.config.simFile, &text) &&
      !ParseSimText(text, &sim, &why)) {
    if (error) *error = s.config.simFile + ": " + why;
    return false;
  }
  if (!s.config.pin.empty()) {
    sim.pin = s.config.pin;
    sim.pinRequest = true;
  }
  if (s.config.family == 'A') {
    // The firmware keeps its revision in the first stored message and puts it back at start.
    sim.messages[1] = StoredMessage{"STO UNSENT", "", "", "VELA-A rev. " + s.config.firmware};
  }
  std::lock_guard<std::mutex> lock(s.mutex);
  s.faults = faults;
  s.sim = sim;
  s.answered = 0;
  s.log.clear();
  s.module = std::make_unique<GsmModule>(profile, &s.sim, &s.faults, &s.log);
  s.module->PowerUp(s.config.echo);
  s.controller.reset();
  if (s.config.family == 'I')
    s.controller =
        std::make_unique<Controller>(s.module.get(), &s.sim, &s.faults, s.config.firmware, &s.log);
  if (!faults.cut && !s.pty.Open(s.config.linkPath, &why)) {
    if (error) *error = why;
    return false;
  }
  s.slavePath = s.pty.slavePath();
  if (::pipe(s.wake) != 0) {
    if (error) *error = "cannot create a pipe";
    s.pty.Close();
    return false;
  }
  s.stop = false;
  s.running = true;
  s.thread = std::thread([&s] { s.Run(); });
  return true;
}

void Simulator::Stop() {
  State& s = *state_;
  if (!s.running) return;
  s.stop = true;
  s.Wake();
  s.thread.join();
  s.running = false;
  ::close(s.wake[0]);
  ::close(s.wake[1]);
  s.wake[0] = s.wake[1] = -1;
  std::lock_guard<std::mutex> lock(s.mutex);
  s.pty.Close();
  if (!s.config.simFile.empty()) {
    const std::string tmp = s.config.simFile + ".tmp";
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    out << FormatSimText(s.sim);
    out.close();
    if (out && std::rename(tmp.c_str(), s.config.simFile.c_str()) == 0) return;
    std::fprintf(stderr, "[vela-sim] cannot save the SIM to %s\n", s.config.simFile.c_str());
  }
}

bool Simulator::Running() const {
  return state_->running;
}

std::string Simulator::SlavePath() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->slavePath;
}

std::string Simulator::LinkPath() const {
  return state_->config.linkPath;
}

std::string Simulator::DumpSim() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return FormatSimText(state_->sim);
}

SimCard Simulator::Sim() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->sim;
}

void Simulator::SetSim(const SimCard& sim) {
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->sim = sim;
}

std::map<int, StoredMessage> Simulator::Messages() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->sim.messages;
}

std::map<int, PhoneEntry> Simulator::PhoneBook(const std::string& storage) const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  auto it = state_->sim.phoneBooks.find(storage);
  return it == state_->sim.phoneBooks.end() ? std::map<int, PhoneEntry>() : it->second;
}

void Simulator::SetPhoneEntry(const std::string& storage, int index, const PhoneEntry& entry) {
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->sim.phoneBooks[storage][index] = entry;
}

void Simulator::SetMessage(int index, const StoredMessage& message) {
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->sim.messages[index] = message;
}

std::vector<SentMessage> Simulator::SentMessages() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->sim.sent;
}

bool Simulator::SetFault(const std::string& name, std::string* error) {
  {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (!::SetFault(&state_->faults, name, error)) return false;
    if (name == "pin" && state_->module) state_->module->RequirePin(true);
  }
  state_->Wake();
  return true;
}

bool Simulator::ClearFault(const std::string& name, std::string* error) {
  {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (!::ClearFault(&state_->faults, name, error)) return false;
    if (name == "pin" && state_->module) state_->module->RequirePin(false);
  }
  state_->Wake();
  return true;
}

void Simulator::ClearFaults() {
  {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (state_->faults.pin && state_->module) state_->module->RequirePin(false);
    state_->faults = Faults();
  }
  state_->Wake();
}

std::vector<std::string> Simulator::ActiveFaults() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return FaultNames(state_->faults);
}

DeviceStatus Simulator::Status() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->controller ? state_->controller->status() : DeviceStatus();
}

void Simulator::SetStatus(const DeviceStatus& status) {
  std::lock_guard<std::mutex> lock(state_->mutex);
  if (state_->controller) state_->controller->status() = status;
}

std::vector<std::string> Simulator::Received() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->log;
}

void Simulator::ClearReceived() {
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->log.clear();
}

bool Simulator::ModuleEcho() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->module && state_->module->echo();
}

bool Simulator::Passthrough() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->controller && state_->controller->passthrough();
}

int Simulator::CommandsAnswered() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->answered;
}
