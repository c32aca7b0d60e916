#include "link/serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <mutex>

#include "link/serial_driver.h"
#include "shell/pacing.h"

TComm Comm;

namespace {

std::mutex g_resolverMutex;
std::function<std::string(int)> g_resolver;

// Communication error flags of the driver, in the values the texts are known by.
constexpr unsigned kRxOver = 0x0001, kOverrun = 0x0002, kRxParity = 0x0004, kFrame = 0x0008,
                   kBreak = 0x0010, kTxFull = 0x0100;

// Error flags for what the driver counted since the counts were last taken.
unsigned TakeErrorFlags(TComm& port) {
  TComm::ErrorCounters now;
  if (port.Handle == -1 || !ReadErrorCounters(port.Handle, now)) return 0;
  const TComm::ErrorCounters& was = port.Counted;
  unsigned flags = 0;
  if (now.bufOverrun != was.bufOverrun) flags |= kRxOver;
  if (now.overrun != was.overrun) flags |= kOverrun;
  if (now.parity != was.parity) flags |= kRxParity;
  if (now.frame != was.frame) flags |= kFrame;
  if (now.brk != was.brk) flags |= kBreak;
  port.Counted = now;
  return flags;
}

void ReportFailure(TComm& port, int errorCode) {
  const unsigned flags = TakeErrorFlags(port);
  port.LastError = flags != 0 ? CommErrorText(flags) : "General error " + std::to_string(errorCode);
}

// Waits up to realMs for the port to have input. A closed or hung-up line just lets the time
// pass: nothing can arrive on it, and returning early would make the caller spin.
void WaitForInput(const TComm& port, int realMs) {
  if (port.Handle != -1) {
    pollfd p{port.Handle, POLLIN, 0};
    const int ready = poll(&p, 1, realMs);
    if (ready <= 0 || !(p.revents & (POLLHUP | POLLERR | POLLNVAL))) return;
  }
  poll(nullptr, 0, realMs);
}

}  // namespace

std::string CommErrorText(unsigned flags) {
  switch (flags) {
    case kRxOver:
      return "Receive Queue overflow ";
    case kOverrun:
      return "Receive Overrun Error ";
    case kRxParity:
      return "Receive Parity Error ";
    case kFrame:
      return "Receive Framing error ";
    case kBreak:
      return "Break Detected ";
    case kTxFull:
      return "TX Queue is full ";
    case 0x0200:
      return "LPTx Timeout ";
    case 0x0400:
      return "LPTx I/O Error ";
    case 0x0800:
      return "LPTx Device not selected ";
    case 0x1000:
      return "LPTx Out-Of-Paper ";
    case 0x8000:
      return "Requested mode unsupported ";
    default:
      return "General error " + std::to_string(flags);
  }
}

int BaudRateOfIndex(int index) {
  static const int rates[] = {110,   300,   600,   1200,  2400,   4800,  9600,
                              14400, 19200, 38400, 56000, 128000, 256000};
  return index >= 0 && index < 13 ? rates[index] : 0;
}

void SetComDeviceResolver(std::function<std::string(int)> resolver) {
  std::lock_guard lock(g_resolverMutex);
  g_resolver = std::move(resolver);
}

std::string ComDeviceName(int port) {
  {
    std::lock_guard lock(g_resolverMutex);
    if (g_resolver) return g_resolver(port);
  }
  return port >= 1 ? "/dev/ttyS" + std::to_string(port - 1) : std::string();
}

bool OpenComm(TComm& port) {
  CloseComm(port);
  port.LastError.clear();
  const std::string device = ComDeviceName(port.Port);
  // Non-blocking: reads take only what has arrived, and a write to a stuck line is bounded.
  const int fd =
      device.empty() ? -1 : open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0 || flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (fd >= 0) close(fd);
    port.Handle = -1;
    port.LastError = "Device identifier is invalid or unsupported";
    return false;
  }
  ioctl(fd, TIOCEXCL);
  if (!ApplyLineSettings(fd, port)) {
    // A port that could not be configured is not kept: the next user would take it for open.
    port.LastError = "Requested mode unsupported ";
    ioctl(fd, TIOCNXCL);
    close(fd);
    return false;
  }
  SetModemLines(fd, true, false);
  port.Handle = fd;
  ReadErrorCounters(fd, port.Counted);
  return true;
}

void CloseComm(TComm& port) {
  if (port.Handle == -1) return;
  ioctl(port.Handle, TIOCNXCL);  // another user of the same line may open it next
  const int rc = close(port.Handle);
  // Linux frees the descriptor even when close reports an error, so the number must not be
  // kept: it may belong to another file the next moment.
  port.Handle = -1;
  if (rc != 0) port.LastError = "can't close the comm !!";
}

int InQueue(TComm& port) {
  if (port.Handle == -1) return 0;
  int waiting = 0;
  if (ioctl(port.Handle, FIONREAD, &waiting) != 0) waiting = 0;
  TakeErrorFlags(port);
  return std::max(waiting, 0);
}

void PurgeInput(TComm& port) {
  char sink[256];
  for (int waiting = InQueue(port); waiting > 0; waiting = InQueue(port)) {
    while (waiting > 0) {
      const int got =
          ReadComm(port, sink, static_cast<uint16_t>(std::min<int>(waiting, sizeof sink)));
      if (got <= 0) return;
      waiting -= got;
    }
  }
}

void WriteComm(TComm& port, const void* bytes, uint16_t count) {
  if (port.Handle == -1) {
    ReportFailure(port, EBADF);
    return;
  }
  const char* next = static_cast<const char*>(bytes);
  size_t left = count;
  while (left > 0) {
    const ssize_t written = write(port.Handle, next, left);
    if (written > 0) {
      next += written;
      left -= static_cast<size_t>(written);
      continue;
    }
    if (written < 0 && errno == EINTR) continue;
    if (written < 0 && errno != EAGAIN) {
      ReportFailure(port, errno);
      return;
    }
    // The driver's queue is full: give the line up to a character timeout to drain.
    pollfd p{port.Handle, POLLOUT, 0};
    if (poll(&p, 1, ScaledMs(2000)) <= 0 || !(p.revents & POLLOUT)) {
      port.LastError = CommErrorText(kTxFull);
      return;
    }
  }
}

void WriteComm(TComm& port, const std::string& bytes) {
  WriteComm(port, bytes.data(), static_cast<uint16_t>(std::min<size_t>(bytes.size(), 0xFFFF)));
}

int ReadComm(TComm& port, void* buffer, uint16_t count) {
  if (port.Handle == -1 || count == 0) return 0;
  for (;;) {
    const ssize_t got = read(port.Handle, buffer, count);
    if (got >= 0) return static_cast<int>(got);
    if (errno == EINTR) continue;
    if (errno != EAGAIN) ReportFailure(port, errno);
    return 0;
  }
}

std::string ReadCharTimeout(TComm& port, double timeoutSeconds) {
  const auto start = WaitStart();
  const int limitMs = static_cast<int>(timeoutSeconds * 1000);
  for (;;) {
    if (InQueue(port) > 0) {
      char byte = 0;
      if (ReadComm(port, &byte, 1) == 1) return std::string(1, byte);
    }
    const int leftMs = limitMs - NominalMsSince(start);
    if (leftMs < 0) return {};
    WaitForInput(port, std::max(1, ScaledMs(leftMs)));
  }
}

void SetDtr(TComm& port, bool on) {
  if (port.Handle != -1) SetModemLines(port.Handle, false, on);
}
