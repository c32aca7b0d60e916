// Family I Send and Load against the simulated MOTOROLA communicator: wall time, the part of
// it that the protocol's fixed pauses and timeouts impose, and the CPU the client uses.
// The floor is found by running each transfer twice, at pacing speed 1 and k: every pause
// and timeout shrinks k times, the work on the line does not, so
//   floor = (wall(1) - wall(k)) * k / (k - 1).
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "family_i_fixture.h"
#include "link/at_channel.h"
#include "programming/family_i_load.h"
#include "programming/family_i_send.h"
#include "shell/pacing.h"
#include "sim/simulator.h"

namespace {

using Clock = std::chrono::steady_clock;

double ThreadCpuMs() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

struct Run {
  double wallMs = 0;
  double cpuMs = 0;
  bool done = false;
};

Run Measure(const std::function<FamilyIOutcome()>& transfer) {
  const double cpu = ThreadCpuMs();
  const auto start = Clock::now();
  Run run;
  run.done = transfer() == FamilyIOutcome::Done;
  run.wallMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  run.cpuMs = ThreadCpuMs() - cpu;
  return run;
}

void Report(const char* name, const Run& real, const Run& fast, double k) {
  const double floorMs = (real.wallMs - fast.wallMs) * k / (k - 1);
  std::printf(
      "%-5s wall %8.0f ms  floor %8.0f ms (%.1f%%)  line work %6.0f ms  client CPU %6.1f ms "
      "(%.2f%% of wall)%s\n",
      name, real.wallMs, floorMs, 100 * floorMs / real.wallMs, real.wallMs - floorMs, real.cpuMs,
      100 * real.cpuMs / real.wallMs, real.done && fast.done ? "" : "  FAILED");
}

}  // namespace

int main(int argc, char** argv) {
  const double k = argc > 1 ? std::atof(argv[1]) : 10;
  Cliente.TipoCentrale = kTypeVelaI;
  SimConfig config;
  config.family = 'I';
  config.module = "MOTOROLA";
  Simulator sim(config);
  std::string error;
  if (!sim.Start(&error)) {
    std::fprintf(stderr, "simulator: %s\n", error.c_str());
    return 1;
  }
  const std::string path = sim.SlavePath();
  SetComDeviceResolver([path](int) { return path; });
  TComm port;
  Dati_Modulo info;
  Tag_GlobalBuffer record = RichFamilyIRecord();
  record.Opzioni.SMSDataPrimo = record.Opzioni.SMSOraPrimo = DateTimeNow() + 2;
  record.ComDig.SegDataPrimo = record.ComDig.SegOraPrimo = DateTimeNow() + 0.1;

  auto send = [&] { return SendFamilyIImage(port, record, info); };
  auto load = [&] {
    Tag_GlobalBuffer read = DefaultRecord();
    return LoadFamilyIImage(port, read, info);
  };
  std::printf(
      "family I, MOTOROLA module, 16 texts, 116 slots cleared and 13 written; speed-up k = %g\n",
      k);
  SetPacingSpeed(1);
  const Run sendReal = Measure(send);
  const Run loadReal = Measure(load);
  SetPacingSpeed(k);
  const Run sendFast = Measure(send);
  const Run loadFast = Measure(load);
  SetPacingSpeed(1);
  Report("Send", sendReal, sendFast, k);
  Report("Load", loadReal, loadFast, k);
  sim.Stop();
  SetComDeviceResolver({});
  return sendReal.done && loadReal.done ? 0 : 1;
}
