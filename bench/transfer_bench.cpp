// A late-family Send and Load against vela-sim at real pacing. Reports the wall time of each
// transfer beside its protocol floor: the pauses and waits the procedure prescribes when the
// device answers at once, plus the bytes of the exchange at 9600 baud (a pseudo-terminal
// carries them at once, so the floor without them is shown too), and the process's CPU time
// over the wall time. vela-sim runs as its own process, so the CPU figure is ours alone.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "family_a_fixture.h"
#include "link/at_channel.h"
#include "programming/firmware_family.h"
#include "programming/transfers.h"
#include "shell/module_poller.h"
#include "shell/ui_host.h"

namespace {

using Clock = std::chrono::steady_clock;

// Boxes are counted, never shown; the bench's one thread is the user-interface thread.
class BenchHost : public UiHost {
 public:
  MsgResult Box(const std::string& text, MsgKind, MsgButtons) override {
    std::fprintf(stderr, "box: %s\n", text.c_str());
    ++boxes;
    return MsgResult::No;
  }
  void ProgressShow() override { position_ = 0; }
  void ProgressHide() override {}
  void ProgressSetMaximum(int) override {}
  void ProgressSetPosition(int position) override { position_ = position; }
  int ProgressPosition() const override { return position_; }
  void SetWaitCursor(bool) override {}
  bool WaitCursorShown() const override { return false; }
  void ProcessMessages() override {}
  void WaitWithEvents(int realMs) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(realMs));
  }
  bool IsUiThread() const override { return true; }
  void Post(std::function<void()> fn) override { fn(); }
  void RunOnUiThread(const std::function<void()>& fn) override { fn(); }
  int boxes = 0;

 private:
  int position_ = 0;
};

// Bytes this process moved through read and write calls: during a transfer only the line.
struct IoBytes {
  long long read = 0;
  long long written = 0;
};

IoBytes ReadIoBytes() {
  IoBytes io;
  std::ifstream in("/proc/self/io");
  std::string key;
  long long value = 0;
  while (in >> key >> value) {
    if (key == "rchar:") io.read = value;
    if (key == "wchar:") io.written = value;
  }
  return io;
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Nominal milliseconds the procedure waits on a device that answers every command at once
// and nothing else: the pauses it prescribes and the character timeouts that end its reads
// of a quiet line (a quiet-line check reads twice into silence).
constexpr int kCharTimeoutMs = 2000;
constexpr int kQuietCheckMs = 2 * kCharTimeoutMs;
constexpr int kRevisionCheckMs = 100;
constexpr int kHangUpMs = 3000;

int SendFloorMs(int texts, int numbersWritten) {
  return kRevisionCheckMs + kQuietCheckMs + kHangUpMs + kQuietCheckMs  // take the line
         + 300                                                         // phone book selected
         + numbersWritten * 300                                        // numbers written
         + 200 + 300 + 700                                             // text mode
         + texts * (300 + 300)                                         // before prompt, body
         + kCharTimeoutMs;                                             // flush at the end
}

int LoadFloorMs(int texts, int entries) {
  return kRevisionCheckMs + kQuietCheckMs + kHangUpMs + kQuietCheckMs  // take the line
         + texts * (1000 + 3 * 700)  // empty line, header and body, 700 ms after each
         + entries * (100 + 400);    // phone entries
}

struct Figures {
  double wallMs = 0;
  double cpuMs = 0;
  IoBytes bytes;
};

template <typename Run>
Figures Measure(Run run) {
  // Reading /proc/self/io counts as reading too: one reading's worth is taken off.
  const IoBytes probe = ReadIoBytes();
  const IoBytes io0 = ReadIoBytes();
  const long long probeBytes = io0.read - probe.read;
  const double cpu0 = CpuSeconds();
  const auto start = Clock::now();
  run();
  Figures f;
  f.wallMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  f.cpuMs = (CpuSeconds() - cpu0) * 1000;
  const IoBytes io1 = ReadIoBytes();
  f.bytes = {io1.read - io0.read - probeBytes, io1.written - io0.written};
  return f;
}

void Report(const char* name, const Figures& f, int floorMs) {
  const long long bytes = f.bytes.read + f.bytes.written;
  const double lineMs = bytes * 10 * 1000.0 / 9600;  // start, 8 data bits, stop
  const double floor = floorMs + lineMs;
  std::printf("%s: wall %.0f ms; floor %.0f ms (waits %d ms + %lld bytes at 9600 baud %.0f ms)\n",
              name, f.wallMs, floor, floorMs, bytes, lineMs);
  std::printf("  wall/floor %.4f; wall/waits %.4f; CPU %.0f ms = %.3f %% of wall\n",
              f.wallMs / floor, f.wallMs / floorMs, f.cpuMs, 100 * f.cpuMs / f.wallMs);
}

}  // namespace

int main() {
  const std::string link = "/tmp/vela-bench-" + std::to_string(getpid());
  const pid_t sim = fork();
  if (sim == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    execl(VELA_SIM_PATH, "vela-sim", "--family", "A", "--firmware", "1.12", "--link", link.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  for (int i = 0; i < 100 && !std::filesystem::exists(link); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  if (!std::filesystem::exists(link)) {
    std::fprintf(stderr, "vela-sim did not link %s\n", link.c_str());
    kill(sim, SIGTERM);
    return 1;
  }

  BenchHost host;
  InstallUiHost(&host);
  SetComDeviceResolver([link](int) { return link; });
  SetPhoneEntryCount(8);
  ModuleReady = true;
  Cliente.TipoCentrale = kTypeVelaA;
  Cliente.Rel_firmware = "1.12";

  const Tag_GlobalBuffer base = DefaultRecord();
  Tag_GlobalBuffer record = NonDefaultRecord(base, LineSwitch::CommutaChiama);
  const Tag_GlobalBuffer source = record;
  int events = CountOutputEvents(record);
  TransferTarget target{Comm, record, Cliente, events, {}};

  TransferOutcome sent = TransferOutcome::Failed;
  const Figures send = Measure([&] { sent = SendProgramming(target); });
  record = base;
  TransferOutcome loaded = TransferOutcome::Failed;
  const Figures load = Measure([&] { loaded = LoadProgramming(target); });

  kill(sim, SIGTERM);
  waitpid(sim, nullptr, 0);

  if (sent != TransferOutcome::Done || loaded != TransferOutcome::Done || host.boxes != 0) {
    std::fprintf(stderr, "a transfer did not complete\n");
    return 1;
  }
  int numbers = 0;
  for (int k = 1; k <= 100; ++k) numbers += source.NumeriTelefonici[k].Numero.empty() ? 0 : 1;
  const int texts = FamilyATextCount(1.12);
  Report("Send, late family", send, SendFloorMs(texts, numbers));
  Report("Load, late family", load, LoadFloorMs(texts, PhoneEntryCount()));
  std::printf("record after Load equals the record sent: %s\n",
              IsUnchanged(record, source) ? "yes" : "NO");
  return IsUnchanged(record, source) ? 0 : 1;
}
