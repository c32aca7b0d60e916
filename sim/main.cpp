// vela-sim: the simulated communicator as a program. It links a pseudo-terminal at a path
// (default /tmp/vela-com1), answers there like the device until SIGINT or SIGTERM, and keeps
// its SIM in a file when asked.
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "sim/simulator.h"

namespace {

void Usage() {
  std::fprintf(stderr,
               "usage: vela-sim --family A|I [--module MOTOROLA|ERICSSON] [--firmware 1.12]\n"
               "                [--pin 1234] [--sim FILE] [--link PATH] [--echo] [--trace]\n"
               "                [--fault NAME...]\n"
               "       vela-sim --probe DEVICE   (exit 0 when DEVICE is a working serial port)\n"
               "Faults and the SIM file form are described in sim/README.md.\n");
}

// A serial device that really works: it opens without waiting for a carrier, and both its
// line settings and its modem lines can be read. A node without a UART behind it fails here.
bool SerialPortWorks(const char* path) {
  const int fd = open(path, O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return false;
  termios tio{};
  int lines = 0;
  const bool ok = tcgetattr(fd, &tio) == 0 && ioctl(fd, TIOCMGET, &lines) == 0;
  close(fd);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--probe") == 0) return SerialPortWorks(argv[2]) ? 0 : 1;
  SimConfig config;
  config.linkPath = "/tmp/vela-com1";
  bool firmwareGiven = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](std::string* target) {
      if (i + 1 >= argc || argv[i + 1][0] == '-') return false;
      *target = argv[++i];
      return true;
    };
    std::string v;
    if (arg == "--family" && value(&v) && (v == "A" || v == "I")) {
      config.family = v[0];
    } else if (arg == "--module" && value(&config.module)) {
    } else if (arg == "--firmware" && value(&config.firmware)) {
      firmwareGiven = true;
    } else if (arg == "--pin" && value(&config.pin)) {
    } else if (arg == "--sim" && value(&config.simFile)) {
    } else if (arg == "--link" && value(&config.linkPath)) {
    } else if (arg == "--echo") {
      config.echo = true;
    } else if (arg == "--trace") {
      config.trace = true;
    } else if (arg == "--fault" && i + 1 < argc) {
      while (i + 1 < argc && std::strncmp(argv[i + 1], "--", 2) != 0)
        config.faults.push_back(argv[++i]);
    } else if (arg == "--help" || arg == "-h") {
      Usage();
      return 0;
    } else {
      std::fprintf(stderr, "vela-sim: bad argument \"%s\"\n", arg.c_str());
      Usage();
      return 2;
    }
  }
  // A family I device of the supported generation reports 1.05 unless told otherwise.
  if (config.family == 'I' && !firmwareGiven) config.firmware = "1.05";

  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);  // before the device thread starts

  Simulator sim(config);
  std::string error;
  if (!sim.Start(&error)) {
    std::fprintf(stderr, "vela-sim: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s\n", config.linkPath.empty() ? sim.SlavePath().c_str() : config.linkPath.c_str());
  std::fprintf(stderr, "vela-sim: family %c%s%s, firmware %s, line %s\n", config.family,
               config.family == 'I' ? " " : "", config.family == 'I' ? config.module.c_str() : "",
               config.firmware.c_str(), sim.SlavePath().c_str());
  std::fflush(stdout);
  int received = 0;
  sigwait(&signals, &received);
  sim.Stop();
  return 0;
}
