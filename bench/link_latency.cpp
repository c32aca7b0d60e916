// How fast the serial port hands over a byte that has just arrived, and what a silent wait
// costs. Runs over a pseudo-terminal: another thread writes one byte at a known instant and
// the reader, already waiting in ReadCharTimeout, notes when it got it.
#include <fcntl.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "link/serial_port.h"

namespace {

using Clock = std::chrono::steady_clock;

double CpuMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

}  // namespace

int main(int argc, char** argv) {
  const int samples = argc > 1 ? std::atoi(argv[1]) : 200;
  const int silentSeconds = argc > 2 ? std::atoi(argv[2]) : 10;

  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
    std::perror("pseudo-terminal");
    return 1;
  }
  const std::string slave = ptsname(master);
  termios raw{};
  tcgetattr(master, &raw);
  cfmakeraw(&raw);
  tcsetattr(master, TCSANOW, &raw);
  SetComDeviceResolver([&slave](int) { return slave; });
  TComm port;
  if (!OpenComm(port)) {
    std::fprintf(stderr, "open %s: %s\n", slave.c_str(), port.LastError.c_str());
    return 1;
  }

  std::atomic<int> waiting{-1};  // the sample the reader is waiting for
  std::vector<Clock::time_point> sent(samples);
  std::thread writer([&] {
    for (int i = 0; i < samples; ++i) {
      while (waiting.load() != i) std::this_thread::sleep_for(std::chrono::microseconds(200));
      // Let the reader settle into its wait before the byte goes.
      std::this_thread::sleep_for(std::chrono::milliseconds(3));
      const char byte = static_cast<char>(i);
      sent[i] = Clock::now();
      if (write(master, &byte, 1) != 1) return;
    }
  });

  std::vector<double> latencyUs;
  int lost = 0;
  for (int i = 0; i < samples; ++i) {
    waiting = i;
    const std::string got = ReadCharTimeout(port, 2.0);
    const auto now = Clock::now();
    if (got.size() != 1 || got[0] != static_cast<char>(i)) {
      ++lost;
      continue;
    }
    latencyUs.push_back(std::chrono::duration<double, std::micro>(now - sent[i]).count());
  }
  writer.join();
  std::sort(latencyUs.begin(), latencyUs.end());
  auto at = [&](double q) { return latencyUs[static_cast<size_t>(q * (latencyUs.size() - 1))]; };
  if (!latencyUs.empty())
    std::printf(
        "byte hand-over over %zu bytes: median %.0f us, p90 %.0f us, max %.0f us (goal < 1000 "
        "us)%s\n",
        latencyUs.size(), at(0.5), at(0.9), latencyUs.back(), lost ? " LOST BYTES" : "");

  const double cpuBefore = CpuMs();
  const auto start = Clock::now();
  const std::string got = ReadCharTimeout(port, silentSeconds);
  const double wallMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  const double cpuMs = CpuMs() - cpuBefore;
  std::printf(
      "silent wait of %d s: %.0f ms wall, %.2f ms CPU = %.4f %% of one core (goal < 1 %%)%s\n",
      silentSeconds, wallMs, cpuMs, 100.0 * cpuMs / wallMs, got.empty() ? "" : " BYTE?");
  CloseComm(port);
  close(master);
  return lost == 0 && got.empty() ? 0 : 1;
}
